#include "documents/SlipTotals.h"

#include "core/NumberText.h"
#include "core/SharedRoutines.h"

namespace SlipTotals {

QString LineAmount(const QString& quantityCell, const QString& priceCell, int priceFraction) {
    // An empty cell, or one that somehow holds no number, counts as 0: the editor has
    // refused non-numbers before this runs, so only an empty cell gets here in practice.
    const double quantity = ParseNumber(quantityCell).value_or(0.0);
    const double price = ParseNumber(priceCell).value_or(0.0);
    if (quantity == 0.0 && price == 0.0)
        return QString();
    return Format(RoundFraction(price * quantity, priceFraction), QStringLiteral("#,#0"));
}

Totals Calc(const QStringList& amountCells, double excisePercent, int taxFraction) {
    Totals totals;
    for (const QString& cell : amountCells) {
        if (const std::optional<double> amount = ParseNumber(cell))
            totals.subtotal += *amount;
    }
    // Rate over 100 first, then times the sum: the order decides the last bit of the
    // product, and with it which side of a rounding boundary a tax lands on.
    totals.tax = RoundFraction(excisePercent / 100.0 * totals.subtotal, taxFraction);
    totals.total = totals.subtotal + totals.tax;
    return totals;
}

} // namespace SlipTotals
