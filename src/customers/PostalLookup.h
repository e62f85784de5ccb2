#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Database;

// The postal-code lookup of the customer page: from a code to the addresses that carry
// it, and from an address to its codes, in the postal directory (DbPost). The window
// keeps the list and the pointer; everything it needs to decide and to read is here.
namespace PostalLookup {

// Lookup modes chosen from the fields when the lookup button is pressed.
enum Mode { ModeNone = 0, ModeCode = 1, ModeOldCode = 2, ModeAddress = 3 };

// -1 when the first code field and the address are both filled (the button then does nothing), else
// the mode.
int ChooseMode(const QString& part1, const QString& part2, const QString& address);

// True when the input is unusable for the mode (the lookup then stops without a message).
bool ZipErr(int mode, const QString& part1, const QString& part2, const QString& address);

// The list entries after the leading "(ｷｬﾝｾﾙ)" (which the window adds), in order;
// empty = not found. `perRow` runs after each row is added, so the window can let
// pending events run. A failing read of the directory throws DatabaseError.
QStringList Search_Zip(const Database& post, const QString& part1, const QString& part2,
                       const QString& address, int mode, const std::function<void()>& perRow = {});

// What taking a list entry does to the fields.
struct Taken {
    bool hideOnly = false;
    bool setsCode = false;
    QString part1, part2;
    bool setsAddress = false;
    QString address1;
};
Taken TakeEntry(const QString& entry, const QString& currentAddress1);

inline const QString CancelEntry = QStringLiteral("(ｷｬﾝｾﾙ)");

// Helpers, public so that their edge cases can be checked on their own.

// Length of the prefecture name at the start of an address: 3 or 4 when a suffix
// ("県", "府", "都", "道", tried in this order) stands at character 3 or 4; else 0.
// Possible lengths of the prefecture name at the start of an address, in the order
// they are tried.
QList<int> PrefectureLengths(const QString& address);
int PrefectureLength(const QString& address);

// `name` as an SQL identifier: in double quotes, an embedded double quote doubled.
QString QuoteIdentifier(const QString& name);

} // namespace PostalLookup
