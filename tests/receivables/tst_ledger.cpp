// The receivables ledger on a fresh main database: closing periods, a customer's rows
// with carry-over and running balance, payments stored, replaced and deleted, the
// all-customers list against the per-customer way of computing it, and the checks of a
// typed payment.
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "receivables/CarriedTotals.h"
#include "receivables/Ledger.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QDate>
#include <QtTest>
#include <random>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    Ledger ledger{*db};

    void customer(const QString& code, const QString& name) {
        db->exec("INSERT INTO 顧客 (Code, Name) VALUES (?, ?)", {code, name});
    }
    void sale(const QString& code, qint64 ymd, double price, const QString& number = "N1") {
        db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, Receive, "
                 "Division) VALUES (?, ?, 2, ?, ?, 0, 0)",
                 {code, ymd, number, price});
    }
    void payment(const QString& code, qint64 ymd, double amount, int kind = 1) {
        db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, Receive, "
                 "Division) VALUES (?, ?, 0, '', 0, ?, ?)",
                 {code, ymd, amount, kind});
    }
    void closing(int day, int type) {
        db->exec("UPDATE 自社情報 SET ClosingDay = ?, ClosingType = ?", {day, type});
    }
};

QString PeriodText(const LedgerPeriod& p) {
    return QStringLiteral("%1-%2 %3").arg(p.Start).arg(p.End).arg(p.PreviousEnd);
}

// Each entry as "date number kind price receive balance".
QStringList EntryTexts(const CustomerLedger& ledger) {
    QStringList out;
    for (const LedgerEntry& e : ledger.Entries)
        out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                   .arg(e.SaleYMD)
                   .arg(e.DocNumber.isEmpty() ? "-" : e.DocNumber)
                   .arg(e.Division)
                   .arg(e.Price)
                   .arg(e.Receive)
                   .arg(e.Balance);
    return out;
}

QStringList RowTexts(const QList<LedgerListRow>& rows) {
    QStringList out;
    for (const LedgerListRow& r : rows)
        out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                   .arg(r.Code, r.Name)
                   .arg(r.CarryOver, 0, 'f', 2)
                   .arg(r.Sales, 0, 'f', 2)
                   .arg(r.Receipts, 0, 'f', 2)
                   .arg(r.Balance, 0, 'f', 2);
    return out;
}

// The list as the slow way builds it: the cumulative sums per customer in one query,
// then the period's own sums customer by customer, dropping the all-zero rows.
QList<LedgerListRow> PerCustomerList(const Database& db, const LedgerPeriod& period) {
    QList<LedgerListRow> rows;
    RecordSet rs = db.select(
        "SELECT Code, Name, SUM(Price) AS PriceTotal, SUM(Receive) AS ReceiveTotal FROM 売掛 "
        "INNER JOIN 顧客 ON (売掛.UserCode = 顧客.Code) WHERE SaleYMD BETWEEN ? AND ? "
        "GROUP BY Code, Name ORDER BY Code",
        {LedgerOrigin, period.End});
    for (; !rs.Eof(); rs.MoveNext()) {
        RecordSet own = db.select("SELECT SUM(Price) AS PriceTotal, SUM(Receive) AS ReceiveTotal "
                                  "FROM 売掛 WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ?",
                                  {rs.value("Code"), period.Start, period.End});
        LedgerListRow row{rs.text("Code"), rs.text("Name")};
        row.Sales = own.number("PriceTotal");
        row.Receipts = own.number("ReceiveTotal");
        row.CarryOver =
            (rs.number("PriceTotal") - rs.number("ReceiveTotal")) - row.Sales + row.Receipts;
        row.Balance = row.CarryOver + row.Sales - row.Receipts;
        if (row.CarryOver != 0 || row.Sales != 0 || row.Receipts != 0 || row.Balance != 0)
            rows << row;
    }
    return rows;
}

// How many customers the slow way sums at all (with all-zero ones), as the list hands
// them to the printing.
qsizetype PerCustomerRecords(const Database& db, const LedgerPeriod& period) {
    return db
        .scalar("SELECT COUNT(DISTINCT Code) FROM 売掛 INNER JOIN 顧客 ON "
                "(売掛.UserCode = 顧客.Code) WHERE SaleYMD <= ?",
                {period.End})
        .toLongLong();
}

} // namespace

class TestLedger : public QObject {
    Q_OBJECT

private slots:
    void periodsOfBothClosingTypes() {
        // Month ends under 当月, with February of a leap and of a common year.
        const ClosingRule monthEnd{31, 0};
        QCOMPARE(PeriodText(Ledger::Period(2001, 4, monthEnd)), "20010401-20010430 20010331");
        QCOMPARE(PeriodText(Ledger::Period(2000, 2, monthEnd)), "20000201-20000229 20000131");
        QCOMPARE(PeriodText(Ledger::Period(2001, 2, monthEnd)), "20010201-20010228 20010131");
        // January reaches back over the year: the day carries first, then the month.
        QCOMPARE(MakeYMD(2001, 0, 32), 20010101);
        QCOMPARE(PeriodText(Ledger::Period(2001, 1, monthEnd)), "20010101-20010131 20001231");
        // 次月 on the 20th: April's period ends in May; December's in the next year.
        QCOMPARE(PeriodText(Ledger::Period(2001, 4, {20, 1})), "20010421-20010520 20010420");
        QCOMPARE(PeriodText(Ledger::Period(2001, 12, {20, 1})), "20011221-20020120 20011220");
        QCOMPARE(PeriodText(Ledger::Period(2001, 12, {31, 1})), "20020101-20020131 20011231");
        // A closing day clamped to a short month's end still starts the next period the
        // day after it, never on it.
        QCOMPARE(PeriodText(Ledger::Period(2001, 3, {30, 0})), "20010301-20010330 20010228");
        QCOMPARE(PeriodText(Ledger::Period(2001, 5, {30, 0})), "20010501-20010530 20010430");
    }

    void periodsFollowEachOtherWithoutGapOrOverlap() {
        for (int type : {0, 1}) {
            for (int day : {1, 15, 27, 28, 29, 30, 31}) {
                LedgerPeriod before = Ledger::Period(1999, 12, {day, type});
                for (int month = 1; month <= 24; ++month) {
                    const LedgerPeriod p =
                        Ledger::Period(2000 + (month - 1) / 12, (month - 1) % 12 + 1, {day, type});
                    const QString at = QStringLiteral("type %1 day %2 month %3: %4")
                                           .arg(type)
                                           .arg(day)
                                           .arg(month)
                                           .arg(PeriodText(p));
                    QVERIFY2(p.PreviousEnd == before.End, qPrintable(at));
                    QVERIFY2(
                        QDate::fromString(QString::number(before.End), "yyyyMMdd").addDays(1) ==
                            QDate::fromString(QString::number(p.Start), "yyyyMMdd"),
                        qPrintable(at));
                    QVERIFY2(p.Start <= p.End, qPrintable(at));
                    before = p;
                }
            }
        }
    }

    void closingRuleFromTheCompany() {
        Fixture f;
        f.closing(20, 1);
        QCOMPARE(f.ledger.Closing().Day, 20);
        QCOMPARE(f.ledger.Closing().Type, 1);
        // Without a company row: the 1st, 当月.
        f.db->exec("DELETE FROM 自社情報");
        QCOMPARE(f.ledger.Closing().Day, 1);
        QCOMPARE(f.ledger.Closing().Type, 0);
    }

    void customerLedgerRunsFromTheCarryOver() {
        Fixture f;
        f.sale("1", 20010210, 5000, "A1"); // carried over
        f.payment("1", 20010228, 2000);    // carried over
        f.payment("1", 20010305, 4500, 3); // the sale of the same date comes first
        f.sale("1", 20010305, 1000, "A2");
        f.sale("1", 20010331, 700, "A3");
        f.sale("1", 20010401, 9999, "A4"); // the next period
        f.sale("2", 20010310, 8888, "B1"); // another customer
        const CustomerLedger march = f.ledger.ReadCustomer("1", Ledger::Period(2001, 3, {31, 0}));
        QCOMPARE(march.CarryOver, 3000.0);
        QCOMPARE(EntryTexts(march),
                 QStringList({"20010305 A2 0 1000 0 4000", "20010305 - 3 0 4500 -500",
                              "20010331 A3 0 700 0 200"}));
        QVERIFY(!march.Entries[0].isPayment() && march.Entries[1].isPayment());
        QCOMPARE(march.Records.RecordCount(), 3);
        // A customer without earlier rows carries nothing over.
        const CustomerLedger other = f.ledger.ReadCustomer("2", Ledger::Period(2001, 3, {31, 0}));
        QCOMPARE(other.CarryOver, 0.0);
        QCOMPARE(EntryTexts(other), QStringList({"20010310 B1 0 8888 0 8888"}));
    }

    void paymentReplacedAndDeletedAlone() {
        Fixture f;
        f.sale("1", 20010305, 1000, "A1");
        f.sale("1", 20010305, 2000, "A2");
        f.payment("2", 20010305, 300);
        QVERIFY(!f.ledger.PaymentExists("1", 20010305)); // sales are no payments
        f.ledger.StorePayment("1", 20010305, 500, 1);
        QVERIFY(f.ledger.PaymentExists("1", 20010305));
        f.ledger.StorePayment("1", 20010305, 800, 4);
        const auto rows = [&] {
            QStringList out;
            for (RecordSet rs = f.db->select("SELECT UserCode, DocType, DocNumber, Price, "
                                             "Receive, Division FROM 売掛 ORDER BY UserCode, "
                                             "Division, DocNumber");
                 !rs.Eof(); rs.MoveNext()) {
                QStringList cells;
                for (int c = 0; c < rs.fields().size(); ++c)
                    cells << rs.value(c).toString();
                out << cells.join('|');
            }
            return out;
        };
        QCOMPARE(rows(), QStringList({"1|2|A1|1000|0|0", "1|2|A2|2000|0|0", "1|0||0|800|4",
                                      "2|0||0|300|1"}));
        QVERIFY(f.ledger.DeletePayment("1", 20010305));
        QVERIFY(!f.ledger.DeletePayment("1", 20010305));
        QCOMPARE(rows(), QStringList({"1|2|A1|1000|0|0", "1|2|A2|2000|0|0", "2|0||0|300|1"}));
    }

    void listDropsCustomersWithNothingInTheMonth() {
        Fixture f;
        f.customer("1", "株式会社一");
        f.customer("2", "二商店");
        f.customer("3", "三工業");
        f.sale("1", 20010210, 1000);
        f.payment("1", 20010220, 1000); // settled in February: nothing left for March
        f.sale("2", 20010315, 500);
        f.sale("3", 20010410, 300); // nothing up to March
        f.sale("9", 20010310, 700); // no such customer
        const LedgerList february = f.ledger.ReadList(Ledger::Period(2001, 2, {31, 0}));
        QCOMPARE(RowTexts(february.Rows), QStringList({"1 株式会社一 0.00 1000.00 1000.00 0.00"}));
        const LedgerList march = f.ledger.ReadList(Ledger::Period(2001, 3, {31, 0}));
        QCOMPARE(RowTexts(march.Rows), QStringList({"2 二商店 0.00 500.00 0.00 500.00"}));
        // The rows handed to the printing are every customer with rows up to the end.
        QCOMPARE(march.Records.RecordCount(), 2);
    }

    void groupedListEqualsThePerCustomerOne() {
        Fixture f;
        std::mt19937 random(7);
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        for (int c = 1; c <= 40; ++c)
            f.customer(QStringLiteral("%1").arg(c, 3, 10, QLatin1Char('0')),
                       QStringLiteral("顧客%1").arg(c));
        // Rows over three years, for customers and for codes no customer has; some
        // customers only pay, some settle exactly, amounts include refunds.
        for (int i = 0; i < 400; ++i) {
            const QString code = QStringLiteral("%1").arg(1 + pick(46), 3, 10, QLatin1Char('0'));
            const qint64 ymd = (2000 + pick(3)) * 10000 + (1 + pick(12)) * 100 + 1 + pick(28);
            if (pick(3) == 0)
                f.payment(code, ymd, pick(5) == 0 ? -100.0 * pick(5) : 100.0 * pick(50),
                          1 + pick(6));
            else
                f.sale(code, ymd, 100.0 * pick(80), QString::number(i));
        }
        for (int settled : {41, 42}) {
            const QString code = QString::number(settled).rightJustified(3, '0');
            f.customer(code, "精算済");
        }
        f.sale("041", 20000105, 1200);
        f.payment("041", 20000120, 1200);
        f.payment("042", 20010615, 300);
        int compared = 0;
        const auto compareAll = [&] {
            for (const ClosingRule rule :
                 {ClosingRule{31, 0}, ClosingRule{20, 1}, ClosingRule{30, 0}}) {
                for (int month = 1; month <= 36; month += 5) {
                    const LedgerPeriod p =
                        Ledger::Period(2000 + (month - 1) / 12, (month - 1) % 12 + 1, rule);
                    const QStringList expected = RowTexts(PerCustomerList(*f.db, p));
                    QCOMPARE(RowTexts(f.ledger.ReadList(p).Rows), expected);
                    QCOMPARE(f.ledger.ReadList(p).Records.RecordCount(),
                             int(PerCustomerRecords(*f.db, p)));
                    compared += int(expected.size());
                }
            }
        };
        compareAll();
        QVERIFY(compared > 200);

        // With the sums before 2001 kept, the months from 2001 on are listed from them;
        // every kind of write before that date keeps them right.
        CarriedTotals(*f.db).MoveTo(20000701);
        CarriedTotals(*f.db).MoveTo(20010101); // moved on: the sums are made afresh
        QVERIFY(CarriedTotals(*f.db).Covers(Ledger::Period(2001, 2, {31, 0})));
        QVERIFY(!CarriedTotals(*f.db).Covers(Ledger::Period(2001, 1, {20, 0})));
        compareAll();
        f.ledger.StorePayment("007", 20000303, 700, 1);
        f.ledger.StorePayment("007", 20000303, 900, 2); // replaced
        f.sale("099", 20000404, 5000);                  // a code no customer has
        f.sale("043", 20000101, 2500);                  // a customer with old rows only
        f.customer("043", "旧顧客");
        f.db->exec("UPDATE 売掛 SET SaleYMD = SaleYMD + 10000 WHERE UserCode = '001' AND "
                   "SaleYMD < 20010101"); // moved across the date
        f.db->exec("UPDATE 売掛 SET SaleYMD = SaleYMD - 10000 WHERE UserCode = '002' AND "
                   "SaleYMD BETWEEN 20010101 AND 20011231");
        f.db->exec("UPDATE 売掛 SET Price = Price + 1 WHERE UserCode = '003'");
        f.db->exec("DELETE FROM 売掛 WHERE UserCode = '004' AND SaleYMD < 20000701");
        QVERIFY(f.ledger.DeletePayment("007", 20000303));
        compared = 0;
        compareAll();
        QVERIFY(compared > 200);
    }

    void typedPaymentsAreChecked() {
        QCOMPARE(Ledger::CheckAmount(""), int(Msg::Enter));
        QCOMPARE(Ledger::CheckAmount("0"), int(Msg::Enter));
        QCOMPARE(Ledger::CheckAmount("12a"), int(Msg::Digits));
        QCOMPARE(Ledger::CheckAmount("-500"), int(Msg::SubjectOnly));
        QCOMPARE(Ledger::CheckAmount("1,500"), int(Msg::SubjectOnly));
        QCOMPARE(Ledger::PaymentDate("2000/02", "29"), std::optional<qint64>(20000229));
        QCOMPARE(Ledger::PaymentDate("2001/02", "29"), std::nullopt);
        QCOMPARE(Ledger::PaymentDate("2001/04", "31"), std::nullopt);
        QCOMPARE(Ledger::KindOf(Ledger::KindName(PaymentKind::Offset)),
                 std::optional<int>(PaymentKind::Offset));
        QCOMPARE(Ledger::KindName(PaymentKind::Sale), QString());
    }
};

KIVORA_TEST(TestLedger)
#include "tst_ledger.moc"
