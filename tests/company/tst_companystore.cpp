// The own company's row as the store reads and writes it: by column name whatever the
// table's column order, replaced in place, added back when the table lost it, and the
// postal code joined and split the way the window shows it.
#include "core/Database.h"
#include "masters/CompanyStore.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    int rows() const { return db->scalar(QStringLiteral("SELECT COUNT(*) FROM 自社情報")).toInt(); }
};

CompanyRow Sample() {
    CompanyRow r;
    r.Name = QStringLiteral("有限会社テスト工房");
    r.Represent = QStringLiteral("試験 花子");
    r.ZipCode = QStringLiteral("910-0005");
    r.Address1 = QStringLiteral("福井県福井市大手");
    r.Address2 = QStringLiteral("２丁目");
    r.TEL = QStringLiteral("0776-00-0000");
    r.FAX = QStringLiteral("0776-00-0001");
    r.Bank1 = QStringLiteral("福井銀行 本店 普通 111");
    r.Bank2 = QStringLiteral("北陸銀行 駅前 当座 222");
    r.Excise = 8;
    r.ExciseFraction = 2;
    r.PriceFraction = 1;
    r.ClosingDay = 20;
    r.Payment = 10;
    r.ClosingType = 1;
    return r;
}

void CompareRows(const CompanyRow& a, const CompanyRow& b) {
    QCOMPARE(a.Name, b.Name);
    QCOMPARE(a.Represent, b.Represent);
    QCOMPARE(a.ZipCode, b.ZipCode);
    QCOMPARE(a.Address1, b.Address1);
    QCOMPARE(a.Address2, b.Address2);
    QCOMPARE(a.TEL, b.TEL);
    QCOMPARE(a.FAX, b.FAX);
    QCOMPARE(a.Bank1, b.Bank1);
    QCOMPARE(a.Bank2, b.Bank2);
    QCOMPARE(a.Excise, b.Excise);
    QCOMPARE(a.ExciseFraction, b.ExciseFraction);
    QCOMPARE(a.PriceFraction, b.PriceFraction);
    QCOMPARE(a.ClosingDay, b.ClosingDay);
    QCOMPARE(a.Payment, b.Payment);
    QCOMPARE(a.ClosingType, b.ClosingType);
}

} // namespace

class TestCompanyStore : public QObject {
    Q_OBJECT

private slots:
    void readsTheDeliveredRow() {
        Fixture f;
        const std::optional<CompanyRow> r = CompanyStore(*f.db).Read();
        QVERIFY(r);
        QCOMPARE(r->Name, QStringLiteral("株式会社サンプル商事"));
        QCOMPARE(r->ZipCode, QStringLiteral("100-0001"));
        QCOMPARE(r->Address1, QStringLiteral("東京都千代田区千代田1-1"));
        QCOMPARE(r->Bank2, QStringLiteral("見本信用金庫 中央支店 当座 7654321"));
        QCOMPARE(r->Excise, 10.0);
        QCOMPARE(r->ClosingDay, 31);
        QCOMPARE(r->Payment, 31);
    }

    void readsColumnsByNameWhateverTheirOrder() {
        // A table built with its columns in another order (an older file, a hand-made
        // repair) must still put every value into its own field.
        Fixture f;
        f.db->exec(QStringLiteral("DROP TABLE 自社情報"));
        f.db->exec(QStringLiteral(
            "CREATE TABLE 自社情報 (ClosingType INTEGER, Bank2 TEXT, TEL TEXT, Payment INTEGER, "
            "Address2 TEXT, Excise REAL, FAX TEXT, Name TEXT, ClosingDay INTEGER, "
            "Bank1 TEXT, PriceFraction INTEGER, Address1 TEXT, ZipCode TEXT, "
            "ExciseFraction INTEGER, Represent TEXT)"));
        CompanyStore store(*f.db);
        store.Write(Sample());
        const std::optional<CompanyRow> r = store.Read();
        QVERIFY(r);
        CompareRows(*r, Sample());
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT Address2 FROM 自社情報")).toString(),
                 QStringLiteral("２丁目"));
    }

    void writeReplacesTheOneRow() {
        Fixture f;
        CompanyStore store(*f.db);
        store.Write(Sample());
        QCOMPARE(f.rows(), 1);
        CompareRows(*store.Read(), Sample());
        CompanyRow second = Sample();
        second.Name = QStringLiteral("別会社");
        second.ClosingType = 0;
        second.Excise = 10;
        store.Write(second);
        QCOMPARE(f.rows(), 1);
        CompareRows(*store.Read(), second);
    }

    void missingRowIsAddedOnWrite() {
        Fixture f;
        f.db->exec(QStringLiteral("DELETE FROM 自社情報"));
        CompanyStore store(*f.db);
        QVERIFY(!store.Read());
        store.Write(Sample());
        QCOMPARE(f.rows(), 1);
        CompareRows(*store.Read(), Sample());
        // Writing again replaces the added row rather than adding a second one.
        store.Write(Sample());
        QCOMPARE(f.rows(), 1);
    }

    void failedWriteLeavesTheRowAsItWas() {
        Fixture f;
        f.db->exec(QStringLiteral("DELETE FROM 自社情報"));
        f.db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON 自社情報 "
                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        CompanyStore store(*f.db);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, store.Write(Sample()));
        QCOMPARE(f.rows(), 0);
        QCOMPARE(f.db->transactionDepth(), 0);
    }

    void zipCodeJoinsAndSplits() {
        QCOMPARE(CompanyStore::JoinZip("100", "0001"), QStringLiteral("100-0001"));
        QCOMPARE(CompanyStore::JoinZip("910", ""), QStringLiteral("910"));
        QCOMPARE(CompanyStore::JoinZip("", ""), QString());
        // A second part alone still gets its hyphen, so it is not read back as a first part.
        QCOMPARE(CompanyStore::JoinZip("", "0001"), QStringLiteral("-0001"));

        using Parts = std::pair<QString, QString>;
        QCOMPARE(CompanyStore::SplitZip("100-0001"), Parts("100", "0001"));
        QCOMPARE(CompanyStore::SplitZip("910"), Parts("910", ""));
        QCOMPARE(CompanyStore::SplitZip("1000001"), Parts("1000001", ""));
        QCOMPARE(CompanyStore::SplitZip(""), Parts("", ""));
        QCOMPARE(CompanyStore::SplitZip("-0001"), Parts("", "0001"));
        QCOMPARE(CompanyStore::SplitZip("100-"), Parts("100", ""));
        QCOMPARE(CompanyStore::SplitZip("1-2-3"), Parts("1", "2-3"));
    }
};

QTEST_GUILESS_MAIN(TestCompanyStore)
#include "tst_companystore.moc"
