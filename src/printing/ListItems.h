#pragma once
#include "core/RecordSet.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// What the header items of a list page print (ListItem codes 0-3, 22, 23, 37-40).
struct ListHeaderContext {
    QString LayoutName;
    QString PrintedAt;              // empty: the date and time are not printed
    std::optional<QString> Company; // the company's name when it is printed
    QString UserCode, UserName;     // the current customer
    QString Subtitle;
    int Page = 1;
    int Pages = 1;
};

// The rows of a list as they print: each row's text per row code, computed once for
// the run, so that every block of a sheet shows the same values and the totals are
// counted once per row, not once per block.
struct PreparedList {
    QList<QMap<int, QString>> Rows; // the rows that print, each code's text (no ditto yet)
    QMap<int, double> Totals;       // code → total over those rows (total columns only)
};

// The values of list items: header items from the run's context, row items from a row
// of the list and what is computed for it (the receivables figures, running balances,
// totals).
namespace ListItems {
// True for the codes that print once per row.
bool IsRowCode(int code);
std::optional<QString> HeaderItem(int code, const ListHeaderContext& ctx);

// Computes every row of `rows` (list `kind`) for the codes in `rowCodes`, in that
// order, adding each code of `totalCodes` to its running total as the row is computed.
// The receivables list drops a customer whose figures are all zero; one customer's
// transactions run their balance (RunningBalance) from `opening` with the running
// totals of Price and Receive as they stand when the balance code is reached.
PreparedList Prepare(int kind, const RecordSet& rows, const QList<int>& rowCodes,
                     const QList<int>& totalCodes, double opening);

// True for the codes whose repeated value prints as a ditto mark.
bool IsDittoCode(int code);
// The ditto mark for a value: "〃" after spaces for about half the value's width (half
// its length in Shift_JIS bytes), so that the mark stands under the value's middle.
QString Ditto(const QString& value);

// A whole number of yen as plain digits ("-1200"); other numbers as they are.
QString NumberText(double value);
} // namespace ListItems
