#include "receivables/Ledger.h"

#include "core/Database.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "masters/CompanyStore.h"
#include "receivables/CarriedTotals.h"
#include "resources/StringTable.h"

#include <QDate>

namespace {

constexpr int FirstYear = 1990;
constexpr int LastYear = 2200;

QDate ToDate(qint64 ymd) {
    return QDate(int(ymd / 10000), int(ymd / 100 % 100), int(ymd % 100));
}

qint64 ToYMD(const QDate& date) {
    return qint64(date.year()) * 10000 + date.month() * 100 + date.day();
}

} // namespace

ClosingRule Ledger::Closing() const {
    // A company that never stored its row closes on the 1st of the month in that month;
    // this is not the company window's default (31), which only fills a new form.
    const std::optional<CompanyRow> company = CompanyStore(m_db).Read();
    if (!company)
        return {};
    return {company->ClosingDay, company->ClosingType};
}

LedgerPeriod Ledger::Period(int year, int month, const ClosingRule& rule) {
    const int d = rule.Day;
    LedgerPeriod period;
    // Under 当月 a month's period ends on its own closing day; under 次月 the period
    // named after a month ends on the closing day of the month after it.
    period.End = MakeYMD(year, rule.Type == 0 ? month : month + 1, d);
    period.PreviousEnd = MakeYMD(int(period.End / 10000), int(period.End / 100 % 100) - 1, d);
    // The period starts the day after the previous one ended. Building the start from
    // closing day + 1 instead would clamp it to the month's end for closing days 28-30
    // (day 30 under 当月 for March gives a start of 02/28 when February ended on 02/28)
    // and count that day's rows in two periods and twice in the carried balance.
    period.Start = ToYMD(ToDate(period.PreviousEnd).addDays(1));
    return period;
}

CustomerLedger Ledger::ReadCustomer(const QString& code, const LedgerPeriod& period) const {
    // The rows and the balance carried into them agree, whatever another seat posts.
    const ReadSnapshot snapshot(m_db);
    CustomerLedger ledger;
    // Sales (Division 0) come before the payment of the same date; the type and number
    // keep several sales of one date in the same order on every refresh.
    ledger.Records = m_db.select(
        QStringLiteral("SELECT * FROM 売掛 WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ? "
                       "ORDER BY SaleYMD, Division, DocType, DocNumber"),
        {code, period.Start, period.End});
    ledger.CarryOver = CarryOver(code, LedgerOrigin, period.PreviousEnd);

    double balance = ledger.CarryOver;
    RecordSet& rs = ledger.Records;
    ledger.Entries.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        LedgerEntry entry;
        entry.SaleYMD = rs.value(QStringLiteral("SaleYMD")).toLongLong();
        entry.DocType = rs.value(QStringLiteral("DocType")).toInt();
        entry.DocNumber = rs.text(QStringLiteral("DocNumber"));
        entry.Price = rs.number(QStringLiteral("Price"));
        entry.Receive = rs.number(QStringLiteral("Receive"));
        entry.Division = rs.value(QStringLiteral("Division")).toInt();
        entry.Stamp = rs.value(QStringLiteral("Stamp")).toLongLong();
        balance += entry.Price - entry.Receive;
        entry.Balance = balance;
        ledger.Entries.append(entry);
    }
    rs.MoveFirst();
    return ledger;
}

double Ledger::CarryOver(const QString& code, qint64 from, qint64 to) const {
    // A sum over no rows is null: a customer new in this period carries nothing over.
    return m_db
        .scalar(QStringLiteral("SELECT SUM(Price - Receive) AS CarryOver FROM 売掛 "
                               "WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ?"),
                {code, from, to})
        .toDouble();
}

LedgerListRow Ledger::Figures(double priceTotal, double receiveTotal, double periodPrice,
                              double periodReceive) {
    LedgerListRow row;
    row.Sales = periodPrice;
    row.Receipts = periodReceive;
    row.CarryOver = (priceTotal - receiveTotal) - row.Sales + row.Receipts;
    row.Balance = row.CarryOver + row.Sales - row.Receipts;
    return row;
}

bool Ledger::IsQuiet(const LedgerListRow& row) {
    return row.CarryOver == 0 && row.Sales == 0 && row.Receipts == 0 && row.Balance == 0;
}

LedgerList Ledger::ReadList(const LedgerPeriod& period) const {
    const ReadSnapshot snapshot(m_db);
    // One pass over the ledger up to the period's end gives every customer's cumulative
    // sums and, by conditional sums, the period's own: one query instead of one per
    // customer. The range has no lower bound: no date before LedgerOrigin can be entered,
    // and a one-sided range lets the engine read the sums from the (UserCode, SaleYMD,
    // Price, Receive) index customer by customer instead of visiting every row by date.
    // A month after the date of the kept sums needs only those sums and the rows since.
    LedgerList list;
    const CarriedTotals carried(m_db);
    if (carried.Covers(period))
        list.Records = carried.ListRecords(period);
    else
        list.Records = m_db.select(
            QStringLiteral(
                "SELECT 顧客.Code AS Code, 顧客.Name AS Name, "
                "SUM(売掛.Price) AS PriceTotal, SUM(売掛.Receive) AS ReceiveTotal, "
                "SUM(CASE WHEN 売掛.SaleYMD >= ? THEN 売掛.Price ELSE 0 END) AS PeriodPrice, "
                "SUM(CASE WHEN 売掛.SaleYMD >= ? THEN 売掛.Receive ELSE 0 END) AS PeriodReceive "
                "FROM 売掛 INNER JOIN 顧客 ON 売掛.UserCode = 顧客.Code "
                "WHERE 売掛.SaleYMD <= ? "
                "GROUP BY 顧客.Code, 顧客.Name ORDER BY 顧客.Code"),
            {period.Start, period.Start, period.End});

    // Both reads give the columns in this order; the list can run to every customer.
    enum { Code, Name, PriceTotal, ReceiveTotal, PeriodPrice, PeriodReceive };
    RecordSet& rs = list.Records;
    list.Rows.reserve(rs.RecordCount());
    for (int i = 0; i < rs.RecordCount(); ++i) {
        const QVariantList& values = rs.row(i);
        LedgerListRow row =
            Figures(values[PriceTotal].toDouble(), values[ReceiveTotal].toDouble(),
                    values[PeriodPrice].toDouble(), values[PeriodReceive].toDouble());
        // A customer with nothing carried, sold, paid or owed has nothing to show for
        // this month, whatever it did in others.
        if (IsQuiet(row))
            continue;
        row.Code = values[Code].toString();
        row.Name = values[Name].toString();
        list.Rows.append(row);
    }
    rs.MoveFirst();
    return list;
}

bool Ledger::PaymentExists(const QString& code, qint64 ymd) const {
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM 売掛 WHERE UserCode = ? AND "
                                      "SaleYMD = ? AND Division <> 0"),
                       {code, ymd})
               .toInt() > 0;
}

namespace {
StampedRow PaymentRow(const QString& code, qint64 ymd) {
    return {QStringLiteral("売掛"),
            QStringLiteral("UserCode = ? AND SaleYMD = ? AND Division <> 0"),
            {code, ymd}};
}
} // namespace

std::optional<qint64> Ledger::PaymentStamp(const QString& code, qint64 ymd) const {
    return RowStamp::Read(m_db, PaymentRow(code, ymd));
}

void Ledger::StorePayment(const QString& code, qint64 ymd, double amount, int kind,
                          const Expect& expect) {
    Transaction transaction(m_db);
    const qint64 stamp = RowStamp::Claim(m_db, PaymentRow(code, ymd), expect);
    // A customer has at most one payment per date: a second one replaces the first.
    const int replaced = m_db.exec(
        QStringLiteral("UPDATE 売掛 SET Receive = ?, Division = ?, DocNumber = '', Price = 0, "
                       "DocType = 0 WHERE UserCode = ? AND SaleYMD = ? AND Division <> 0"),
        {amount, kind, code, ymd});
    if (replaced == 0) {
        // 売掛 has no key that a second seat's payment of the same date would hit: the
        // claim's lock above is what keeps two seats from adding one each.
        m_db.exec(
            QStringLiteral("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, "
                           "Price, Receive, Division, Stamp) VALUES (?, ?, 0, '', 0, ?, ?, ?)"),
            {code, ymd, amount, kind, stamp});
    }
    transaction.commit();
}

bool Ledger::DeletePayment(const QString& code, qint64 ymd) {
    Transaction transaction(m_db);
    const int deleted = m_db.exec(
        QStringLiteral("DELETE FROM 売掛 WHERE UserCode = ? AND SaleYMD = ? AND Division <> 0"),
        {code, ymd});
    transaction.commit();
    return deleted > 0;
}

LedgerPrintSource Ledger::PrintSource(int mode, const LedgerPeriod& period,
                                      const RecordSet& records, const QString& monthText) {
    LedgerPrintSource source;
    source.ListKind = mode;
    source.Records = records.Clone();
    source.MonthText = monthText;
    if (mode == LedgerMode::List) {
        // The list prints each customer's period figures.
        source.Caption = QStringLiteral("売掛一覧");
        source.From = period.Start;
        source.To = period.End;
    } else {
        // A customer's ledger prints its rows after the balance carried into the period.
        source.Caption = QStringLiteral("取引履歴");
        source.From = LedgerOrigin;
        source.To = period.PreviousEnd;
    }
    return source;
}

QString Ledger::KindName(int division) {
    if (division < PaymentKind::First || division > PaymentKind::Last)
        return QString();
    return Res::text(500 + division);
}

std::optional<int> Ledger::KindOf(const QString& name) {
    for (int kind = PaymentKind::First; kind <= PaymentKind::Last; ++kind) {
        if (!name.isEmpty() && KindName(kind) == name)
            return kind;
    }
    return std::nullopt;
}

int Ledger::CheckAmount(const QString& text) {
    if (text.trimmed().isEmpty())
        return Msg::Enter;
    const std::optional<double> amount = ParseNumber(text);
    if (!amount)
        return Msg::Digits;
    // A payment of nothing is no payment; a negative one (money paid back) is.
    return *amount == 0 ? Msg::Enter : Msg::SubjectOnly;
}

std::optional<qint64> Ledger::PaymentDate(const QString& monthText, const QString& dayText) {
    const auto month = ParseMonth(monthText);
    bool ok = false;
    const int day = dayText.toInt(&ok);
    if (!month || !ok)
        return std::nullopt;
    const QDate date(month->first, month->second, day);
    if (!date.isValid())
        return std::nullopt;
    return ToYMD(date);
}

QStringList Ledger::MonthTexts() {
    QStringList months;
    months.reserve((LastYear - FirstYear + 1) * 12);
    for (int year = FirstYear; year <= LastYear; ++year) {
        for (int month = 1; month <= 12; ++month)
            months << QStringLiteral("%1/%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
    }
    return months;
}

std::optional<std::pair<int, int>> Ledger::ParseMonth(const QString& text) {
    if (text.size() != 7 || text.at(4) != QLatin1Char('/'))
        return std::nullopt;
    bool yearOk = false, monthOk = false;
    const int year = text.left(4).toInt(&yearOk);
    const int month = text.right(2).toInt(&monthOk);
    if (!yearOk || !monthOk || month < 1 || month > 12)
        return std::nullopt;
    return std::make_pair(year, month);
}
