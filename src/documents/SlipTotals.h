#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The arithmetic of document lines and totals, on the texts the grid shows.
namespace SlipTotals {

// The number a cell or label shows ("1,234.50", "¥1,000", "-3", " 12 "); nothing for an
// empty text or a text that is not a number.
std::optional<double> ParseNumber(const QString& text);
// True for an empty text or one ParseNumber reads.
bool IsNumberOrEmpty(const QString& text);

// The amount cell of a line from its quantity and unit price cells: empty when both
// are empty or zero, else quantity × price rounded with the amount rounding mode and
// formatted "#,#0" (a price without quantity gives "0").
QString LineAmount(const QString& quantityCell, const QString& priceCell, int priceFraction);

struct Totals {
    double subtotal = 0;
    double tax = 0;
    double total = 0;
};
// Sum of the amount cells (empty cells skipped), tax = rate ÷ 100 × sum rounded with
// the customer's tax mode, total = sum + tax.
Totals Calc(const QStringList& amountCells, double excisePercent, int taxFraction);

// What an editor opened on a numeric cell shows: the number without thousands
// separators and without trailing zeros ("1,234.50" → "1234.5"); "" for an empty cell.
QString EditText(const QString& cell);

} // namespace SlipTotals
