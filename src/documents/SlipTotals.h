#pragma once
#include "core/NumberText.h"

#include <QString>
#include <QStringList>
#include <optional>

// The arithmetic of document lines and totals, on the texts the grid shows.
namespace SlipTotals {

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

} // namespace SlipTotals
