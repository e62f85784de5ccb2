// The selections of the list windows on a fresh main database: customers by code range,
// by a month with sales, by class and mail; staff with their sales; one day's sales and
// payments.
#include "core/Database.h"
#include "lists/ListQueries.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    ListQueries queries{*db};

    void customer(const QString& code, const QString& cls = QString(), int mail = 0) {
        db->exec("INSERT INTO 顧客 (Code, Name, Class, Mail) VALUES (?, ?, ?, ?)",
                 {code, "Name" + code, cls, mail});
    }
    void ledger(const QString& code, qint64 ymd, double price, double receive, int division,
                const QString& charge = QString(), const QString& chargeCode = QString()) {
        db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, Receive, "
                 "Division, Charge, ChargeCode) VALUES (?, ?, 2, ?, ?, ?, ?, ?, ?)",
                 {code, ymd, "D" + code, price, receive, division, charge, chargeCode});
    }
};

// The values of one column, sorted, so that the tests do not depend on the row order the
// queries leave open.
QStringList Column(RecordSet rows, const QString& field) {
    QStringList out;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        out << rows.text(field);
    out.sort();
    return out;
}

} // namespace

class TestListQueries : public QObject {
    Q_OBJECT

private slots:
    void customersByRangeMonthClassAndMail() {
        Fixture f;
        for (const char* code : {"0009", "0010", "0015A", "0020", "0021", "15"})
            f.customer(code);
        CustomerFilter range;
        range.Area = CustomerArea::Range;
        range.From = "0010";
        range.To = "0020";
        // Codes are compared as texts: 0015A lies inside, 15 beyond 0020.
        ListResult result = f.queries.Customers(range);
        QCOMPARE(Column(result.Rows, "Code"), QStringList({"0010", "0015A", "0020"}));
        QCOMPARE(result.Subtitle, "顧客範囲:0010～0020");
        QCOMPARE(f.queries.Customers({}).Rows.RecordCount(), 6);

        // A payment in the month does not make a customer one with sales; nor does a
        // sale of another month.
        f.ledger("0009", 20240215, 500, 0, 0);
        f.ledger("0010", 20240220, 0, 300, 1);
        f.ledger("0020", 20240301, 700, 0, 0);
        f.ledger("0021", 20240131, 700, 0, 0);
        CustomerFilter month;
        month.Area = CustomerArea::SalesMonth;
        month.Year = 2024;
        month.Month = 2;
        result = f.queries.Customers(month);
        QCOMPARE(Column(result.Rows, "Code"), QStringList({"0009"}));
        QCOMPARE(result.Subtitle, "売上年月:2024年02月");

        // Class and mail narrow any area; the class name joins the row and the subtitle.
        f.db->exec("INSERT INTO 顧客分類 (Code, Name) VALUES ('A', '卸')");
        f.customer("0011", "A", 0);
        f.customer("0012", "A", 1);
        f.customer("0013", "B", 0);
        CustomerFilter cls = range;
        cls.ByClass = true;
        cls.ClassCode = "A";
        cls.ClassName = "卸";
        result = f.queries.Customers(cls);
        QCOMPARE(Column(result.Rows, "Code"), QStringList({"0011", "0012"}));
        QCOMPARE(Column(result.Rows, "ClassName"), QStringList({"卸", "卸"}));
        QCOMPARE(result.Subtitle, "顧客範囲:0010～0020 顧客分類:卸");
        cls.MailOnly = true;
        QCOMPARE(Column(f.queries.Customers(cls).Rows, "Code"), QStringList({"0011"}));
        // A code holding a quote is a value, not part of the statement.
        range.To = "0020' OR '1'='1";
        QCOMPARE(Column(f.queries.Customers(range).Rows, "Code"),
                 QStringList({"0010", "0011", "0012", "0013", "0015A", "0020"}));
    }

    void staffSalesNeedNameAndCode() {
        Fixture f;
        f.db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業', '山田'), "
                   "('02', '営業', '佐藤'), ('03', '総務', '鈴木')");
        f.customer("1");
        f.ledger("1", 20240105, 1000, 0, 0, "山田", "01");
        f.ledger("1", 20240210, 500, 0, 0, "山田", "01");
        f.ledger("1", 20240110, 9000, 0, 0, "山田", "02"); // renumbered: nobody's
        f.ledger("1", 20240110, 8000, 0, 0, "佐藤", "01"); // renamed: nobody's
        f.ledger("1", 20240110, 0, 7000, 1, "佐藤", "02"); // a payment is no sale
        f.ledger("1", 20240301, 6000, 0, 0, "佐藤", "02"); // after the range
        f.ledger("1", 20240131, 200, 0, 0, "鈴木", "03");

        RecordSet rows = f.queries.Staff(QString(), true, 20240101, 20240231).Rows;
        QStringList sums;
        for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
            sums << rows.text("Code") + "=" + QString::number(rows.number("PriceTotal"));
        sums.sort();
        QCOMPARE(sums, QStringList({"01=1500", "03=200"}));
        rows = f.queries.Staff("営業", true, 20240101, 20240231).Rows;
        QCOMPARE(Column(rows, "Code"), QStringList({"01"}));
        QCOMPARE(Column(f.queries.Staff("営業", false, 0, 0).Rows, "Code"),
                 QStringList({"01", "02"}));
        QCOMPARE(f.queries.Staff(QString(), false, 0, 0).Rows.RecordCount(), 3);
    }

    void oneDaysSalesAndPayments() {
        Fixture f;
        f.customer("1");
        f.customer("2");
        f.ledger("1", 20240105, 1000, 0, 0);
        f.ledger("2", 20240105, 0, 300, 1);
        f.ledger("1", 20240105, 0, 400, 3);
        f.ledger("2", 20240106, 2000, 0, 0);
        const auto receipts = [](RecordSet rows) {
            QStringList out;
            for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
                out << rows.text("Code") + ":" + rows.text("Receive") + ":" + rows.text("Division");
            out.sort();
            return out;
        };
        const ListResult sales = f.queries.Day(false, 20240105, 0);
        QCOMPARE(Column(sales.Rows, "Price"), QStringList({"1000"}));
        QCOMPARE(sales.Subtitle, "20240105");
        QCOMPARE(receipts(f.queries.Day(true, 20240105, 0).Rows),
                 QStringList({"1:400:3", "2:300:1"}));
        QCOMPARE(receipts(f.queries.Day(true, 20240105, 3).Rows), QStringList({"1:400:3"}));
        QVERIFY(f.queries.Day(false, 20240231, 0).Rows.isEmpty());
    }
};

KIVORA_TEST(TestListQueries)
#include "tst_listqueries.moc"
