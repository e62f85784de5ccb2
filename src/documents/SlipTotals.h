#pragma once
#include "core/NumberText.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

struct SlipLine;

// The arithmetic of document lines and totals, on the texts the grid shows.
namespace SlipTotals {

// The amount cell of a line from its quantity and unit price cells: empty when both
// are empty or zero, else quantity × price rounded with the amount rounding mode and
// formatted "#,#0" (a price without quantity gives "0").
QString LineAmount(const QString& quantityCell, const QString& priceCell, int priceFraction);

// The mark of a tax class in the grids and on printed lines: nothing for the standard
// rate, "※" for the reduced rate, "非" for a line without tax; and back (anything not a
// mark is the standard class).
QString TaxMark(int taxClass);
int TaxClassOf(const QString& mark);
// The class after `taxClass` in the order standard, reduced, not taxed, standard …
int NextTaxClass(int taxClass);

// Amounts and tax per rate. With every line standard, Split is false and the standard
// figures are the document's totals.
struct RateTotals {
    bool Split = false;
    double StandardRate = 0;
    double ReducedRate = 0;
    double StandardBase = 0;
    double StandardTax = 0;
    double ReducedBase = 0;
    double ReducedTax = 0;
    double NotTaxedBase = 0;
    bool HasStandard = false; // some line with an amount has the standard class
    bool HasReduced = false;  // … the reduced class
    bool HasNotTaxed = false;
};

struct Totals {
    double subtotal = 0;
    double tax = 0;
    double total = 0;
    RateTotals rates;
};
// Sum of the amount cells (empty cells skipped), tax = rate ÷ 100 × sum rounded with
// the customer's tax mode, total = sum + tax.
Totals Calc(const QStringList& amountCells, double excisePercent, int taxFraction);
// The same with a tax class per cell: when every class is standard exactly the sum
// above; otherwise each rate's amounts are summed and taxed once, each tax rounded on
// its own, and the lines without tax add to the subtotal only.
Totals Calc(const QStringList& amountCells, const QList<int>& taxClasses, double standardPercent,
            double reducedPercent, int taxFraction);

// The totals of stored lines from their amounts and classes, as the window computes them.
Totals Calc(const QList<SlipLine>& lines, double standardPercent, double reducedPercent,
            int taxFraction);

// The per-rate lines as shown and printed: one per rate that has lines ("10%対象 ¥1,000 /
// 消費税 ¥100", "8%対象 ※ …", "非課税 ¥…"), standard first.
QStringList RateLines(const RateTotals& rates);
// The note under the per-rate lines when a reduced-rate line is marked.
QString ReducedNote(const RateTotals& rates);

} // namespace SlipTotals
