#pragma once
#include <functional>

class QWidget;

// Runs `action` on the next modal window once it is shown (a dialog opened with exec()),
// so a test can drive it from inside the nested event loop. Gives up after timeoutMs.
void OnNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);
