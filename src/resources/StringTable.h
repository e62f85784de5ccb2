#pragma once
#include <QString>

namespace Res {
// Text of string resource `id`; an empty string for a number the program does not define.
QString text(int id);
// True when `id` is defined.
bool has(int id);
} // namespace Res
