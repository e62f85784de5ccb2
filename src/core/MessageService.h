#pragma once
#include <QString>

// Every message box of the program goes through this seam, so that tests can answer
// prompts from a script instead of a person, and windows never call QMessageBox directly.
enum class MsgIcon { None, Exclamation, Information, Stop, Question };

struct MessageRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    bool withCancel = false;
};

// Buttons as the callers compare them: 1 = OK, 2 = Cancel.
constexpr int MsgOK = 1;
constexpr int MsgCancel = 2;

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows the message modally and returns MsgOK or MsgCancel.
    virtual int show(const MessageRequest& request) = 0;
};
