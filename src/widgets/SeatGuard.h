#pragma once
#include "core/RowStamp.h"

#include <QString>
#include <functional>
#include <optional>

struct AppState;

// What a window knows of the record it shows: its key and the stamp it was read with.
// A window that shows a new record (or has not read the one whose key was typed) holds
// nothing for it.
class ReadMark {
public:
    void set(const QString& key, qint64 stamp) {
        m_key = key;
        m_stamp = stamp;
    }
    void clear() { m_key.reset(); }
    // The stamp read for `key`; nothing when the window did not read that record.
    std::optional<qint64> stampFor(const QString& key) const {
        if (m_key && *m_key == key)
            return m_stamp;
        return std::nullopt;
    }

private:
    std::optional<QString> m_key;
    qint64 m_stamp = 0;
};

// One save of a record that another seat may change at the same time.
struct GuardedSave {
    // The stamp the window read the record with (ReadMark::stampFor); nothing when the
    // window did not read it.
    std::optional<qint64> read;
    // The stamp stored now; nothing when there is no such record.
    std::function<std::optional<qint64>()> current;
    // The window's own question before saving: overwrite (`exists`) or save. MsgOK goes on.
    std::function<int(bool exists)> ask;
    // Writes the record, checking it against `expect` (throws ChangedElsewhere).
    std::function<void(const Expect& expect)> save;
};

// Saves as the window always has (its own question first), except that a record another
// seat changed since this window read it, or between the question and the save, is not
// overwritten without asking 「他の端末で変更されています｡上書きしますか｡」; a record
// another seat has just added under the same key gets the window's overwrite question.
// True when saved; database errors pass on to the caller (RunGuarded).
bool SaveAgainstOtherSeats(const AppState& state, const QString& title, const GuardedSave& save);

// The question a document window asks before saving number `word`: whether to overwrite
// it when it exists, whether to save it otherwise (for GuardedSave::ask).
std::function<int(bool exists)> NumberQuestion(const AppState& state, const QString& word,
                                               const QString& title);

// The question asked before another seat's change is overwritten.
QString ChangedElsewhereText();
