#pragma once
#include <QString>
#include <QVariantList>
#include <optional>
#include <stdexcept>

class Database;

// Several seats may share one database. Every customer, document and payment row carries
// a stamp that each write replaces; a seat remembers the stamp it read and its save
// names what it expects to find, so that another seat's change is never overwritten
// unseen. Stamps are random rather than counted: a row deleted and made again by
// another seat never comes back with a stamp a seat still holds.
class Expect {
public:
    // A new record: the save is refused when one exists by now.
    static Expect Absent() { return Expect(Kind::Absent, 0); }
    // The record as read: refused when it changed or went since.
    static Expect Stamp(qint64 stamp) { return Expect(Kind::Stamp, stamp); }
    // Whatever is there (the user has agreed to overwrite it), or nothing.
    static Expect Anything() { return Expect(Kind::Anything, 0); }
    // The record as it stands now: `current` is its stamp, nothing when there is none.
    static Expect Current(std::optional<qint64> current) {
        return current ? Stamp(*current) : Absent();
    }

    bool absent() const { return m_kind == Kind::Absent; }
    bool anything() const { return m_kind == Kind::Anything; }
    qint64 stamp() const { return m_stamp; }

private:
    enum class Kind { Absent, Stamp, Anything };
    Expect(Kind kind, qint64 stamp) : m_kind(kind), m_stamp(stamp) {}
    Kind m_kind;
    qint64 m_stamp;
};

// A save that found the record not as expected. Nothing of the save was written.
class ChangedElsewhere : public std::runtime_error {
public:
    explicit ChangedElsewhere(std::optional<qint64> current)
        : std::runtime_error("changed by another seat"), m_current(current) {}
    // The stamp stored now; nothing when the record is gone.
    std::optional<qint64> current() const { return m_current; }

private:
    std::optional<qint64> m_current;
};

// One row (or the rows of one key) of a table with a Stamp column, named by a WHERE
// clause of fixed text over bound key values.
struct StampedRow {
    QString table;
    QString where; // e.g. "UserCode = ? AND DocType = ? AND DocNumber = ?"
    QVariantList key;
};

namespace RowStamp {

// A fresh stamp: positive and within 31 bits, so that it fits both engines' INTEGER.
qint64 Fresh();

// The stamp stored for `row`; nothing when there is no such row.
std::optional<qint64> Read(const Database& db, const StampedRow& row);

// Inside the caller's transaction: checks `row` against `expect` and gives it a fresh
// stamp, which on a server also holds the row against other seats until the commit.
// Throws ChangedElsewhere when the row is not as expected. Returns the fresh stamp for
// the caller to write into a row it adds (the row was absent: nothing was updated).
qint64 Claim(Database& db, const StampedRow& row, const Expect& expect);

} // namespace RowStamp
