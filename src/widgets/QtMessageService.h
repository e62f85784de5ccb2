#pragma once
#include "core/MessageService.h"

// The program's message boxes.
class QtMessageService : public MessageService {
public:
    int show(const MessageRequest& request) override;
};
