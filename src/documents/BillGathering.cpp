#include "documents/BillGathering.h"

#include "core/Database.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "documents/DocumentStore.h"
#include "documents/Slip.h"
#include "receivables/Ledger.h"

#include <QDate>
#include <array>

namespace {

std::optional<double> Number(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

QString Text(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

QString OptionalCell(const std::optional<double>& value, const QString& pattern) {
    return value ? Format(*value, pattern) : QString();
}

} // namespace

std::optional<BillPeriod> BillGathering::Period(int year0, int month0, int year1, int month1,
                                                int closingDay, int closingType) {
    if (year0 * 12 + month0 <= year1 * 12 + month1)
        return std::nullopt;
    // Under 次月 the bill named after a month closes in the month after it.
    if (closingType != 0) {
        ++month0;
        ++month1;
    }
    BillPeriod period;
    period.End = MakeYMD(year0, month0, closingDay);
    period.PreviousEnd = MakeYMD(year1, month1, closingDay);
    // The period starts the day after the previous bill closed, as the ledger's periods
    // do. Building it from closing day + 1 would clamp it back onto the previous closing
    // date for days 28-30 after a short February, and bill that day's lines twice.
    const QDate previous(int(period.PreviousEnd / 10000), int(period.PreviousEnd / 100 % 100),
                         int(period.PreviousEnd % 100));
    const QDate start = previous.addDays(1);
    period.Start = qint64(start.year()) * 10000 + start.month() * 100 + start.day();
    return period;
}

GatheredBill BillGathering::Gather(const QString& userCode, const BillPeriod& period,
                                   int sourceType) const {
    // The table name comes from the fixed list of line tables, never from input.
    const QString lines = DocumentStore::LineTable(sourceType);
    // The documents and the ledger's sums of one bill agree, whatever another seat saves.
    const ReadSnapshot snapshot(m_db);
    GatheredBill bill;
    const RecordSet rs = m_db.select(
        QStringLiteral("SELECT 伝票管理.IssueYMD, 伝票管理.DocNumber, %1.Goods, %1.Quantity, "
                       "%1.Unit, %1.UnitPrice, %1.Price, %1.Remark, %1.TaxType FROM 伝票管理 "
                       "INNER JOIN %1 ON 伝票管理.UserCode = %1.UserCode "
                       "AND 伝票管理.DocNumber = %1.Number "
                       "WHERE 伝票管理.UserCode = ? AND 伝票管理.DocType = ? "
                       "AND 伝票管理.AddUpSale = 1 AND 伝票管理.IssueYMD BETWEEN ? AND ? "
                       "ORDER BY 伝票管理.IssueYMD, 伝票管理.DocNumber, %1.Count")
            .arg(lines),
        {userCode, sourceType, period.Start, period.End});
    bill.Lines.reserve(rs.RecordCount());
    for (int i = 0; i < rs.RecordCount(); ++i) {
        const QVariantList& row = rs.row(i);
        BillSourceLine line;
        line.IssueYMD = row[0].toLongLong();
        line.DocNumber = Text(row[1]);
        line.Goods = Text(row[2]);
        line.Quantity = Number(row[3]);
        line.Unit = Text(row[4]);
        line.UnitPrice = Number(row[5]);
        line.Price = Number(row[6]);
        line.Remark = Text(row[7]);
        line.TaxType = row[8].toInt();
        bill.Lines.append(line);
    }

    // Payments (type 0) always count; sales only of the source type. A sum over no rows
    // is null, which counts as 0.
    bill.Receive = m_db.scalar(QStringLiteral("SELECT SUM(Receive) FROM 売掛 WHERE UserCode = ? "
                                              "AND SaleYMD BETWEEN ? AND ? "
                                              "AND (DocType = 0 OR DocType = ?)"),
                               {userCode, period.Start, period.End, sourceType})
                       .toDouble();
    bill.PrvPrice =
        m_db.scalar(QStringLiteral("SELECT COALESCE(SUM(Price), 0) - COALESCE(SUM(Receive), 0) "
                                   "FROM 売掛 WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ? "
                                   "AND (DocType = 0 OR DocType = ?)"),
                    {userCode, LedgerOrigin, period.PreviousEnd, sourceType})
            .toDouble();
    return bill;
}

QList<QStringList> BillGathering::GridRows(const QList<BillSourceLine>& lines,
                                           const QString& numFormat, int* papers) {
    QList<QStringList> rows;
    rows.reserve(lines.size());
    int dates = 0;
    QString lastDate;
    QString lastNumber;
    for (const BillSourceLine& line : lines) {
        QStringList cells;
        const QString date = Format(double(line.IssueYMD), QStringLiteral("0/00/00"));
        // The date and the number show only where they change, so that each document
        // reads as one block; a new date is one more paper.
        if (date != lastDate) {
            cells << date;
            ++dates;
        } else {
            cells << QString();
        }
        cells << (line.DocNumber != lastNumber ? line.DocNumber : QString());
        lastDate = date;
        lastNumber = line.DocNumber;
        cells << line.Goods << OptionalCell(line.Quantity, numFormat) << line.Unit
              << OptionalCell(line.UnitPrice, numFormat)
              << OptionalCell(line.Price, QStringLiteral("#,#0")) << line.Remark
              << SlipTotals::TaxMark(line.TaxType);
        rows.append(cells);
    }
    if (papers)
        *papers = dates;
    return rows;
}

BillTotals BillGathering::Totals(const QList<QStringList>& rows, double excisePercent,
                                 int taxFraction, double carryOver, double reducedPercent) {
    SlipTotals::RateTotals r;
    r.StandardRate = excisePercent;
    r.ReducedRate = reducedPercent;
    // The sums of the open date group per class (TaxClass).
    std::array<double, TaxClass::Count> group{};
    QString lastDate;
    const auto closeGroup = [&] {
        r.StandardTax +=
            RoundFraction(group[TaxClass::Standard] * excisePercent / 100, taxFraction);
        r.ReducedTax += RoundFraction(group[TaxClass::Reduced] * reducedPercent / 100, taxFraction);
        r.StandardBase += group[TaxClass::Standard];
        r.ReducedBase += group[TaxClass::Reduced];
        r.NotTaxedBase += group[TaxClass::NotTaxed];
        group = {};
    };
    for (const QStringList& row : rows) {
        const QString date = row.value(BillColumn::Date);
        if (!date.isEmpty() && date != lastDate) {
            closeGroup();
            lastDate = date;
        }
        const std::optional<double> price = ParseNumber(row.value(BillColumn::Price));
        if (!price)
            continue;
        const int taxClass = SlipTotals::TaxClassOf(row.value(BillColumn::Tax));
        group[static_cast<size_t>(taxClass)] += *price;
        r.HasStandard = r.HasStandard || taxClass == TaxClass::Standard;
        r.HasReduced = r.HasReduced || taxClass == TaxClass::Reduced;
        r.HasNotTaxed = r.HasNotTaxed || taxClass == TaxClass::NotTaxed;
    }
    closeGroup();
    r.Split = r.HasReduced || r.HasNotTaxed;
    BillTotals totals;
    totals.Total = r.StandardBase + r.ReducedBase + r.NotTaxedBase;
    totals.Excise = r.StandardTax + r.ReducedTax;
    totals.Price = totals.Total + totals.Excise;
    totals.TotalPrice = totals.Price + carryOver;
    totals.Rates = r;
    return totals;
}
