#include "receivables/CarriedTotals.h"

#include "core/Database.h"
#include "receivables/Ledger.h"

#include <QDate>
#include <QHash>

qint64 CarriedTotals::Date() const {
    return m_db.scalar(QStringLiteral("SELECT MAX(CarryYMD) FROM 売掛繰越日")).toLongLong();
}

void CarriedTotals::MoveTo(qint64 ymd) {
    Transaction transaction(m_db);
    // No other seat posts while the sums are rebuilt from the whole ledger.
    m_db.holdWrites(QStringLiteral("売掛"));
    // The date goes first, to 0, so that the triggers leave the sums alone while they
    // are rebuilt; then the sums and the new date.
    m_db.exec(QStringLiteral("UPDATE 売掛繰越日 SET CarryYMD = 0"));
    m_db.exec(QStringLiteral("DELETE FROM 売掛繰越"));
    m_db.exec(QStringLiteral("INSERT INTO 売掛繰越 (UserCode, Price, Receive) "
                             "SELECT UserCode, COALESCE(SUM(Price), 0), COALESCE(SUM(Receive), 0) "
                             "FROM 売掛 WHERE SaleYMD < ? GROUP BY UserCode"),
              {ymd});
    m_db.exec(QStringLiteral("UPDATE 売掛繰越日 SET CarryYMD = ?"), {ymd});
    transaction.commit();
}

void CarriedTotals::KeepFor(const QDate& today) {
    const qint64 wanted = qint64(today.year() - 2) * 10000 + 101;
    if (Date() < wanted)
        MoveTo(wanted);
}

bool CarriedTotals::Covers(const LedgerPeriod& period) const {
    const qint64 from = Date();
    return from > 0 && period.Start >= from;
}

RecordSet CarriedTotals::ListRecords(const LedgerPeriod& period) const {
    // Three plain reads joined here by code: the engine would join the rows since the
    // date through an index it builds for every list, which costs more than the reads.
    const qint64 from = Date();
    struct Sums {
        double Price = 0, Receive = 0, PeriodPrice = 0, PeriodReceive = 0;
    };
    QHash<QString, Sums> sums;
    sums.reserve(32768);
    m_db.forEach(QStringLiteral("SELECT UserCode, Price, Receive FROM 売掛繰越"), {},
                 [&](const Database::Row& row) {
                     Sums& s = sums[row.text(0)];
                     s.Price += row.number(1);
                     s.Receive += row.number(2);
                 });
    m_db.forEach(
        QStringLiteral("SELECT UserCode, SUM(Price) AS Price, SUM(Receive) AS Receive, "
                       "SUM(CASE WHEN SaleYMD >= ? THEN Price ELSE 0 END) AS PeriodPrice, "
                       "SUM(CASE WHEN SaleYMD >= ? THEN Receive ELSE 0 END) AS PeriodReceive "
                       "FROM 売掛 WHERE SaleYMD >= ? AND SaleYMD <= ? GROUP BY UserCode"),
        {period.Start, period.Start, from, period.End}, [&](const Database::Row& row) {
            Sums& s = sums[row.text(0)];
            s.Price += row.number(1);
            s.Receive += row.number(2);
            s.PeriodPrice += row.number(3);
            s.PeriodReceive += row.number(4);
        });
    QList<QVariantList> rows;
    rows.reserve(sums.size());
    m_db.forEach(QStringLiteral("SELECT Code, Name FROM 顧客 ORDER BY Code"), {},
                 [&](const Database::Row& customer) {
                     const QString code = customer.text(0);
                     const auto it = sums.constFind(code);
                     if (it != sums.constEnd())
                         rows.append({code, customer.text(1), it->Price, it->Receive,
                                      it->PeriodPrice, it->PeriodReceive});
                 });
    return RecordSet({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("PriceTotal"),
                      QStringLiteral("ReceiveTotal"), QStringLiteral("PeriodPrice"),
                      QStringLiteral("PeriodReceive")},
                     std::move(rows));
}
