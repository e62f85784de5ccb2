#pragma once
#include "core/MessageService.h"

#include <QList>
#include <QQueue>
#include <functional>

// Records every message the program shows and answers from a script: each prompt takes
// the next queued answer, or OK when the queue is empty.
class FakeMessageService : public MessageService {
public:
    int show(const MessageRequest& request) override;

    void answer(int button) { m_answers.enqueue(button); }
    const QList<MessageRequest>& shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.isEmpty() ? QString() : m_shown.last().text; }
    int count() const { return static_cast<int>(m_shown.size()); }
    int unansweredScript() const { return static_cast<int>(m_answers.size()); }
    void clear();
    // Called as each message is shown, before it is answered (to look at the screen then).
    std::function<void(const MessageRequest&)> onShow;

private:
    QList<MessageRequest> m_shown;
    QQueue<int> m_answers;
};
