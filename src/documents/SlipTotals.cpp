#include "documents/SlipTotals.h"

#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "documents/Slip.h"

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
    totals.rates.StandardRate = excisePercent;
    totals.rates.StandardBase = totals.subtotal;
    totals.rates.StandardTax = totals.tax;
    return totals;
}

QString TaxMark(int taxClass) {
    switch (taxClass) {
    case TaxClass::Reduced:
        return QStringLiteral("※");
    case TaxClass::NotTaxed:
        return QStringLiteral("非");
    default:
        return QString();
    }
}

int TaxClassOf(const QString& mark) {
    for (int c = TaxClass::Reduced; c < TaxClass::Count; ++c) {
        if (mark == TaxMark(c))
            return c;
    }
    return TaxClass::Standard;
}

int NextTaxClass(int taxClass) {
    return (taxClass + 1) % TaxClass::Count;
}

Totals Calc(const QStringList& amountCells, const QList<int>& taxClasses, double standardPercent,
            double reducedPercent, int taxFraction) {
    const auto classOf = [&](qsizetype i) { return i < taxClasses.size() ? taxClasses[i] : 0; };
    bool split = false;
    for (qsizetype i = 0; i < amountCells.size(); ++i)
        split = split || (classOf(i) != TaxClass::Standard && ParseNumber(amountCells[i]));
    // A business that uses one rate gets exactly the figures it always got.
    Totals totals = Calc(amountCells, standardPercent, taxFraction);
    totals.rates.ReducedRate = reducedPercent;
    if (!split)
        return totals;

    RateTotals& r = totals.rates;
    r = RateTotals{};
    r.Split = true;
    r.StandardRate = standardPercent;
    r.ReducedRate = reducedPercent;
    for (qsizetype i = 0; i < amountCells.size(); ++i) {
        const std::optional<double> amount = ParseNumber(amountCells[i]);
        if (!amount)
            continue;
        switch (classOf(i)) {
        case TaxClass::Reduced:
            r.ReducedBase += *amount;
            r.HasReduced = true;
            break;
        case TaxClass::NotTaxed:
            r.NotTaxedBase += *amount;
            r.HasNotTaxed = true;
            break;
        default:
            r.StandardBase += *amount;
            r.HasStandard = true;
            break;
        }
    }
    // The same order of operations as the one-rate tax, once per rate.
    r.StandardTax = RoundFraction(standardPercent / 100.0 * r.StandardBase, taxFraction);
    r.ReducedTax = RoundFraction(reducedPercent / 100.0 * r.ReducedBase, taxFraction);
    totals.subtotal = r.StandardBase + r.ReducedBase + r.NotTaxedBase;
    totals.tax = r.StandardTax + r.ReducedTax;
    totals.total = totals.subtotal + r.StandardTax + r.ReducedTax;
    return totals;
}

Totals Calc(const QList<SlipLine>& lines, double standardPercent, double reducedPercent,
            int taxFraction) {
    QStringList amounts;
    QList<int> classes;
    for (const SlipLine& line : lines) {
        amounts << (line.Price ? QString::number(*line.Price, 'g', 17) : QString());
        classes << line.TaxType;
    }
    return Calc(amounts, classes, standardPercent, reducedPercent, taxFraction);
}

QStringList RateLines(const RateTotals& r) {
    const QString yen = QStringLiteral("\\#,#0");
    const auto rateLine = [&](double rate, const QString& mark, double base, double tax) {
        return QString::number(rate) + QStringLiteral("%対象") + mark + QLatin1Char(' ') +
               Format(base, yen) + QStringLiteral(" / 消費税 ") + Format(tax, yen);
    };
    QStringList lines;
    // Standard amounts always show: with one rate they are the whole document.
    if (!r.Split || r.HasStandard)
        lines << rateLine(r.StandardRate, QString(), r.StandardBase, r.StandardTax);
    if (r.HasReduced)
        lines << rateLine(r.ReducedRate, TaxMark(TaxClass::Reduced), r.ReducedBase, r.ReducedTax);
    if (r.HasNotTaxed)
        lines << QStringLiteral("非課税 ") + Format(r.NotTaxedBase, yen);
    return lines;
}

QString ReducedNote(const RateTotals& r) {
    return r.HasReduced ? QStringLiteral("※は軽減税率対象") : QString();
}

} // namespace SlipTotals
