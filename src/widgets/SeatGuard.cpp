#include "widgets/SeatGuard.h"

#include "core/AppState.h"
#include "core/DatabaseError.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"

QString ChangedElsewhereText() {
    return QStringLiteral("他の端末で変更されています｡上書きしますか｡");
}

std::function<int(bool exists)> NumberQuestion(const AppState& state, const QString& word,
                                               const QString& title) {
    return [&state, word, title](bool exists) {
        return exists
                   ? ShowMsg(*state.messages, word, Msg::Overwrite, Box::ExclamationCancel, title)
                   : ShowMsg(*state.messages, word, Msg::Save, Box::QuestionCancel, title);
    };
}

bool SaveAgainstOtherSeats(const AppState& state, const QString& title, const GuardedSave& save) {
    auto askChanged = [&] {
        return ShowText(*state.messages, ChangedElsewhereText(), Box::ExclamationCancel, title);
    };
    std::optional<qint64> current = save.current();
    const bool changedSinceRead = save.read && current != save.read;
    if ((changedSinceRead ? askChanged() : save.ask(current.has_value())) != MsgOK)
        return false;
    for (;;) {
        const bool expectedNew = !current;
        try {
            save.save(Expect::Current(current));
            return true;
        } catch (const ChangedElsewhere& e) {
            current = e.current();
        } catch (const DatabaseError& e) {
            // Another seat took the key in the same instant (a server only): nothing was
            // written.
            if (e.kind() != DatabaseError::Kind::Conflict)
                throw;
            current = save.current();
        }
        // A number another seat has just used gets the question any existing number
        // gets; a record changed or deleted under the window gets the seat question.
        const int answer = expectedNew && current ? save.ask(true) : askChanged();
        if (answer != MsgOK)
            return false;
    }
}
