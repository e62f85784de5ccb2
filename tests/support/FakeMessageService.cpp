#include "support/FakeMessageService.h"

int FakeMessageService::show(const MessageRequest& request) {
    m_shown << request;
    if (onShow)
        onShow(request);
    return m_answers.isEmpty() ? MsgOK : m_answers.dequeue();
}

QStringList FakeMessageService::texts() const {
    QStringList out;
    for (const MessageRequest& r : m_shown)
        out << r.text;
    return out;
}

void FakeMessageService::clear() {
    m_shown.clear();
    m_answers.clear();
}
