// The own company's row as the store reads and writes it: by column name whatever the
// table's column order, replaced in place, added back when the table lost it, and the
// postal code joined and split the way the window shows it.
#include "support/TestMain.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "masters/CompanyStore.h"
#include "support/TestEnv.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    CompanyStore store{*db};

    int rows() const { return db->scalar("SELECT COUNT(*) FROM 自社情報").toInt(); }
};

// Texts, then rate, the two rounding modes, closing day, payment day and closing type.
const CompanyRow Sample({"有限会社テスト工房", "試験 花子", "910-0005", "福井県福井市大手",
                         "２丁目", "0776-00-0000", "0776-00-0001", "福井銀行 本店 普通 111",
                         "北陸銀行 駅前 当座 222", 8, 2, 1, 20, 10, 1});

// Every field of a row in the order of the struct.
QString Fields(const std::optional<CompanyRow>& r) {
    if (!r)
        return "<none>";
    const auto n = [](double v) { return QString::number(v); };
    return QStringList({r->Name, r->Represent, r->ZipCode, r->Address1, r->Address2, r->TEL, r->FAX,
                        r->Bank1, r->Bank2, n(r->Excise), n(r->ExciseFraction), n(r->PriceFraction),
                        n(r->ClosingDay), n(r->Payment), n(r->ClosingType)})
        .join('|');
}

} // namespace

class TestCompanyStore : public QObject {
    Q_OBJECT

private slots:
    void readsColumnsByNameWhateverTheirOrder() {
        // A table built with its columns in another order (an older file, a hand-made
        // repair) must still put every value into its own field.
        Fixture f;
        f.db->exec("DROP TABLE 自社情報");
        f.db->exec("CREATE TABLE 自社情報 (ClosingType INTEGER, Bank2 TEXT, TEL TEXT, Payment "
                   "INTEGER, Address2 TEXT, Excise REAL, FAX TEXT, Name TEXT, ClosingDay INTEGER, "
                   "Bank1 TEXT, PriceFraction INTEGER, Address1 TEXT, ZipCode TEXT, "
                   "ExciseFraction INTEGER, Represent TEXT)");
        f.store.Write(Sample);
        QCOMPARE(Fields(f.store.Read()), Fields(Sample));
        QCOMPARE(f.db->scalar("SELECT Address2 FROM 自社情報").toString(), "２丁目");
    }

    void writeReplacesOrAddsTheOneRow() {
        Fixture f;
        f.store.Write(Sample);
        QCOMPARE(f.rows(), 1);
        QCOMPARE(Fields(f.store.Read()), Fields(Sample));
        CompanyRow second = Sample;
        second.Name = "別会社";
        second.Excise = 10;
        second.ClosingType = 0;
        f.store.Write(second);
        QCOMPARE(f.rows(), 1);
        QCOMPARE(Fields(f.store.Read()), Fields(second));
        // A row the table lost is added back, and written again replaced, not doubled.
        f.db->exec("DELETE FROM 自社情報");
        QCOMPARE(Fields(f.store.Read()), "<none>");
        f.store.Write(Sample);
        f.store.Write(Sample);
        QCOMPARE(f.rows(), 1);
        QCOMPARE(Fields(f.store.Read()), Fields(Sample));
    }

    void failedWriteLeavesTheRowAsItWas() {
        Fixture f;
        f.db->exec("DELETE FROM 自社情報");
        f.db->exec("CREATE TRIGGER refuse BEFORE INSERT ON 自社情報 BEGIN SELECT "
                   "RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.Write(Sample));
        QCOMPARE(f.rows(), 0);
        QCOMPARE(f.db->transactionDepth(), 0);
    }

    void zipCodeJoinsAndSplits() {
        // A second part alone still gets its hyphen, so it is not read back as a first part.
        QCOMPARE(
            QStringList({JoinZip("100", "0001"), JoinZip("910", ""),
                         JoinZip("", ""), JoinZip("", "0001")}),
            QStringList({"100-0001", "910", "", "-0001"}));
        QStringList parts;
        for (const char* zip : {"100-0001", "910", "1000001", "", "-0001", "100-", "1-2-3"}) {
            const auto [first, second] = SplitZip(zip);
            parts << first + '|' + second;
        }
        QCOMPARE(parts,
                 QStringList({"100|0001", "910|", "1000001|", "|", "|0001", "100|", "1|2-3"}));
    }
};

KIVORA_TEST(TestCompanyStore)
#include "tst_companystore.moc"
