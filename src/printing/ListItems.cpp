#include "printing/ListItems.h"

#include "core/Cp932.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "lists/ListQueries.h"
#include "printing/PrintCodes.h"
#include "receivables/Ledger.h"

#include <QHash>
#include <cmath>

namespace {

// The column a row code prints as stored.
const QHash<int, QString>& columnOf() {
    static const QHash<int, QString> columns{
        {ListItem::Code, QStringLiteral("Code")},
        {ListItem::Name, QStringLiteral("Name")},
        {ListItem::Kana, QStringLiteral("Kana")},
        {ListItem::ZipCode, QStringLiteral("ZipCode")},
        {ListItem::Address1, QStringLiteral("Address1")},
        {ListItem::Address2, QStringLiteral("Address2")},
        {ListItem::Phone, QStringLiteral("TEL")},
        {ListItem::Fax, QStringLiteral("FAX")},
        {ListItem::Position1, QStringLiteral("Position1")},
        {ListItem::Charge1, QStringLiteral("Charge1")},
        {ListItem::Position2, QStringLiteral("Position2")},
        {ListItem::Charge2, QStringLiteral("Charge2")},
        {ListItem::Excise, QStringLiteral("Excise")},
        {ListItem::ClosingDay, QStringLiteral("ClosingDay")},
        {ListItem::Payment, QStringLiteral("Payment")},
        {ListItem::ClassName, QStringLiteral("ClassName")},
        {ListItem::Position, QStringLiteral("Position")},
        {ListItem::Unit, QStringLiteral("Unit")},
        {ListItem::UnitPrice, QStringLiteral("UnitPrice")},
        {ListItem::DocNumber, QStringLiteral("DocNumber")},
        {ListItem::Price, QStringLiteral("Price")},
        {ListItem::Receive, QStringLiteral("Receive")},
    };
    return columns;
}

// A stored date as the lists write it, "2024/03/15"; nothing for a date not given.
QString dateText(const QVariant& value) {
    const qint64 ymd = value.toLongLong();
    return ymd == 0 ? QString() : Format(double(ymd), QStringLiteral("0/00/00"));
}

QString fractionWord(const QVariant& value) {
    if (value.isNull())
        return QString();
    switch (value.toInt()) {
    case 0:
        return QStringLiteral("切り捨て");
    case 1:
        return QStringLiteral("四捨五入");
    case 2:
        return QStringLiteral("切り上げ");
    default:
        return QString();
    }
}

// What one row of the list prints, code by code; the running totals grow as the codes
// are reached, so a balance code sees the totals of the codes listed before it.
class RowComputer {
public:
    RowComputer(int kind, const QList<int>& totalCodes, double opening, PreparedList& out)
        : m_kind(kind), m_totalCodes(totalCodes), m_opening(opening), m_out(out) {}

    // The receivables figures of the row, when the list is the receivables list.
    void setFigures(const LedgerListRow& figures) { m_figures = figures; }

    QString value(const RecordSet& rs, int code) const {
        const auto column = columnOf().constFind(code);
        if (column != columnOf().constEnd())
            return rs.text(*column);
        switch (code) {
        case ListItem::BusinessYMD:
            return dateText(rs.value(QStringLiteral("BusinessYMD")));
        case ListItem::SaleYMD:
            return dateText(rs.value(QStringLiteral("SaleYMD")));
        case ListItem::Fraction:
            return fractionWord(rs.value(QStringLiteral("Fraction")));
        case ListItem::Division:
            // Sales rows of a customer's ledger have no payment kind: nothing prints.
            return Ledger::KindName(rs.value(QStringLiteral("Division")).toInt());
        case ListItem::Sales:
            if (m_kind == ListType::StaffSales)
                return ListItems::NumberText(rs.number(QStringLiteral("PriceTotal")));
            return ListItems::NumberText(m_figures.Sales);
        case ListItem::Receipts:
            return ListItems::NumberText(m_figures.Receipts);
        case ListItem::CarriedOver:
            return ListItems::NumberText(m_figures.CarryOver);
        case ListItem::Balance:
            return ListItems::NumberText(m_figures.Balance);
        case ListItem::RunningBalance:
            return ListItems::NumberText(m_opening + m_out.Totals.value(ListItem::Price) -
                                         m_out.Totals.value(ListItem::Receive));
        default:
            return QString();
        }
    }

    void add(int code, const QString& text) {
        if (!m_totalCodes.contains(code))
            return;
        const std::optional<double> number = ParseNumber(text);
        m_out.Totals[code] += number.value_or(0.0);
    }

private:
    int m_kind;
    const QList<int>& m_totalCodes;
    double m_opening;
    PreparedList& m_out;
    LedgerListRow m_figures;
};

} // namespace

namespace ListItems {

bool IsRowCode(int code) {
    return code >= ListItem::Code && code <= ListItem::SaleYMD && code != ListItem::UserCode &&
           code != ListItem::UserName;
}

std::optional<QString> HeaderItem(int code, const ListHeaderContext& ctx) {
    switch (code) {
    case ListItem::Title:
        return ctx.LayoutName;
    case ListItem::PrintedAt:
        if (ctx.PrintedAt.isEmpty())
            return std::nullopt;
        return ctx.PrintedAt;
    case ListItem::Page:
        // A list of one page needs no page number.
        if (ctx.Pages <= 1)
            return std::nullopt;
        return QStringLiteral("%1/%2").arg(ctx.Page).arg(ctx.Pages);
    case ListItem::CompanyName:
        return ctx.Company;
    case ListItem::UserCode:
        return ctx.UserCode;
    case ListItem::UserName:
        return ctx.UserName;
    default:
        if (code >= ListItem::FirstSubtitle && code <= ListItem::LastSubtitle)
            return ctx.Subtitle;
        return std::nullopt;
    }
}

PreparedList Prepare(int kind, const RecordSet& rows, const QList<int>& rowCodes,
                     const QList<int>& totalCodes, double opening) {
    PreparedList out;
    for (int code : totalCodes)
        out.Totals.insert(code, 0.0);
    RowComputer computer(kind, totalCodes, opening, out);
    RecordSet rs = rows.Clone();
    out.Rows.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        if (kind == ListType::Receivables) {
            // The ledger's list rows hold each customer's sums up to the month's end and
            // the month's own; the figures are the ledger's.
            const LedgerListRow figures = Ledger::Figures(
                rs.number(QStringLiteral("PriceTotal")), rs.number(QStringLiteral("ReceiveTotal")),
                rs.number(QStringLiteral("PeriodPrice")),
                rs.number(QStringLiteral("PeriodReceive")));
            // A customer with nothing in the month and nothing owed takes no line.
            if (Ledger::IsQuiet(figures))
                continue;
            computer.setFigures(figures);
        }
        QMap<int, QString> row;
        for (int code : rowCodes) {
            if (row.contains(code))
                continue;
            const QString text = computer.value(rs, code);
            computer.add(code, text);
            row.insert(code, text);
        }
        out.Rows << row;
    }
    return out;
}

bool IsDittoCode(int code) {
    return code == ListItem::Position || code == ListItem::Division;
}

QString Ditto(const QString& value) {
    return QString(Cp932::byteLength(value) / 2, QLatin1Char(' ')) + QStringLiteral("〃");
}

QString NumberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

} // namespace ListItems
