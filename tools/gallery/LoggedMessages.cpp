#include "LoggedMessages.h"

#include <cstdio>

int LoggedMessages::show(const MessageRequest& request) {
    m_shown << request.text;
    std::fprintf(stderr, "kivora_gallery: message: %s\n", qPrintable(request.text));
    return MsgOK;
}
