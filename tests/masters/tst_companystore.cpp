// The own company's row: read by column name whatever the column order, and the postal code.
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "masters/CompanyStore.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

QString Fields(const std::optional<CompanyRow>& r) {
    if (!r)
        return "<none>";
    QStringList out{r->Name, r->Represent, r->ZipCode, r->Address1, r->Address2,
                    r->TEL,  r->FAX,       r->Bank1,   r->Bank2};
    for (double n : {r->Excise, double(r->ExciseFraction), double(r->PriceFraction),
                     double(r->ClosingDay), double(r->Payment), double(r->ClosingType)})
        out << QString::number(n);
    out << r->RegistNumber << QString::number(r->ReducedExcise);
    return out.join('|');
}

} // namespace

class TestCompanyStore : public QObject {
    Q_OBJECT

private slots:
    void readsAndWritesColumnsByName() {
        TestEnv env(TestEnv::MainDb);
        auto db = env.openMain();
        CompanyStore store(*db);
        // A table built with its columns in another order (a hand-made repair, say)
        // must still put every value into its own field.
        db->exec("DROP TABLE 自社情報");
        db->exec(
            "CREATE TABLE 自社情報 (ClosingType INTEGER, Bank2 TEXT, TEL TEXT, Payment INTEGER, "
            "Address2 TEXT, Excise REAL, FAX TEXT, Name TEXT, ClosingDay INTEGER, Bank1 TEXT, "
            "PriceFraction INTEGER, Address1 TEXT, ZipCode TEXT, ExciseFraction INTEGER, "
            "ReducedExcise REAL, Represent TEXT, RegistNumber TEXT)");
        QCOMPARE(Fields(store.Read()), "<none>");
        CompanyRow row({"N", "R", "910-0005", "A1", "A2", "T", "F", "B1", "B2", 8, 2, 1, 20, 10, 1,
                        "T7000012050002", 6.5});
        store.Write(row); // added
        QCOMPARE(Fields(store.Read()), Fields(row));
        row.Name = "別会社";
        row.ClosingType = 0;
        store.Write(row); // replaced, not doubled
        QCOMPARE(Fields(store.Read()), Fields(row));
        QCOMPARE(db->scalar("SELECT COUNT(*) FROM 自社情報").toInt(), 1);
        // A failed write leaves the row as it was.
        FailingWrites failing(*db, "UPDATE", "自社情報");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, store.Write(CompanyRow{}));
        QCOMPARE(Fields(store.Read()), Fields(row));
        QCOMPARE(db->transactionDepth(), 0);
    }

    // "T" and 13 digits whose first is the check digit of the other twelve; empty is a
    // business not registered. The reduced rate has its own read and write for the
    // options, 8 % until one is stored, leaving the rest of the row alone.
    void registrationNumberAndReducedRate() {
        for (const char* good : {"", "T7000012050002", "T8700110005901", "T1000000000008"})
            QVERIFY2(CompanyStore::RegistNumberValid(good), good);
        for (const char* bad :
             {"T7000012050003", "T6000012050002", "7000012050002", "T700001205000",
              "T70000120500021", "t7000012050002", "T70000120500O2", "T７000012050002",
              "T 7000012050002", "TT000012050002"})
            QVERIFY2(!CompanyStore::RegistNumberValid(bad), bad);

        TestEnv env(TestEnv::MainDb);
        auto db = env.openMain();
        CompanyStore store(*db);
        QCOMPARE(store.ReducedExcise(), 8.0);
        const QString before = Fields(store.Read());
        QVERIFY(before.endsWith("||8"));
        store.WriteReducedExcise(6.5);
        QCOMPARE(store.ReducedExcise(), 6.5);
        QCOMPARE(Fields(store.Read()), before.chopped(1) + "6.5");
        db->exec("DELETE FROM 自社情報");
        QCOMPARE(store.ReducedExcise(), 8.0);
    }

    void zipCodeJoinsAndSplits() {
        // A second part alone keeps its hyphen, so it is not read back as a first part.
        const std::tuple<const char*, const char*, const char*> cases[] = {
            {"100", "0001", "100-0001"}, {"910", "", "910"}, {"", "", ""}, {"", "0001", "-0001"}};
        for (const auto& [first, second, stored] : cases) {
            QCOMPARE(JoinZip(first, second), stored);
            const auto [a, b] = SplitZip(stored);
            QCOMPARE(a + '|' + b, QString(first) + '|' + second);
        }
    }
};

KIVORA_TEST(TestCompanyStore)
#include "tst_companystore.moc"
