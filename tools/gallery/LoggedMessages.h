#pragma once
#include "core/MessageService.h"

#include <QStringList>

// Messages of a run nobody watches: each one is written to the error output and kept, and
// every question is answered with OK, so a layout that fails to print shows up in the
// gallery's log instead of blocking it.
class LoggedMessages : public MessageService {
public:
    int show(const MessageRequest& request) override;
    const QStringList& shown() const { return m_shown; }

private:
    QStringList m_shown;
};
