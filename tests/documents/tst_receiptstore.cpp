// The receipt store on a fresh main database: what a save writes into 伝票管理, 領収 and
// 前回伝票 (and that nothing reaches 売掛), overwriting, delete, and that a save failing at
// any of its writes leaves the stored receipt as it was.
#include "core/Database.h"
#include "documents/ReceiptStore.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    ReceiptStore store{*db};

    Fixture() {
        db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '山田太郎')");
    }
    QStringList query(const QString& sql) const { return TestEnv::rows(*db, sql); }
    QStringList stored() const {
        return query("SELECT DocType, DocNumber, IssueYMD, AddUpSale, ChargeCode, Remark, Term "
                     "FROM 伝票管理") +
               query("SELECT Number, Price1, Price2, Price3, Price4, Price5, Price6, TotalPrice, "
                     "Remark, BillTerm, BillNumber FROM 領収") +
               query("SELECT UserCode, DocNumR FROM 前回伝票");
    }
    static Receipt receipt(const QString& number, double cash, double bill,
                           const QString& staffName = "山田太郎") {
        ReceiptDetail d;
        d.Prices[ReceiptKind::Cash] = cash;
        d.Prices[ReceiptKind::Bill] = bill;
        d.Remark = "お品代";
        d.BillTerm = "2027//";
        d.BillNumber = "T-9";
        return {"100", number, 20240401, "01", staffName, {}, "四月分", d};
    }
};

} // namespace

class TestReceiptStore : public QObject {
    Q_OBJECT

private slots:
    void saveOverwriteReadAndDelete() {
        Fixture f;
        f.store.Save(Fixture::receipt("R1", 1000, 234.5));
        f.store.Save(Fixture::receipt("R1", 700, 0)); // the same number again replaces it
        // A staff code whose name did not show is no staff member of the receipt.
        f.store.Save(Fixture::receipt("R2", 5, 0, ""));
        QCOMPARE(f.stored(), QStringList({"6|R1|20240401|0|01|四月分|", "6|R2|20240401|0||四月分|",
                                          "R1|700|0|0|0|0|0|700|お品代|2027//|T-9",
                                          "R2|5|0|0|0|0|0|5|お品代|2027//|T-9", "100|R2"}));
        QCOMPARE(f.query("SELECT COUNT(*) FROM 売掛"), QStringList{"0"});
        QCOMPARE(f.store.LastNumber("100"), "R2");

        const Receipt r = f.store.Read("100", "R1").value();
        QCOMPARE(QStringList({r.ChargeCode, r.ChargeName, r.ChargePosition, r.Summary,
                              r.Detail->BillTerm, QString::number(r.Detail->Total())}),
                 QStringList({"01", "山田太郎", "営業部", "四月分", "2027//", "700"}));
        QVERIFY(!f.store.Read("100", "R9"));
        QVERIFY(!f.store.Read("200", "R1")); // another customer's numbers are his own

        // A receipt without its detail row reads with no amounts; a save writes zeros.
        Receipt bare = Fixture::receipt("R3", 0, 0);
        bare.Detail.reset();
        f.store.Save(bare);
        QCOMPARE(f.query("SELECT TotalPrice, Remark FROM 領収 WHERE Number = 'R3'"),
                 QStringList{"0|"});
        f.db->exec("DELETE FROM 領収 WHERE Number = 'R3'");
        QVERIFY(!f.store.Read("100", "R3")->Detail);

        QVERIFY(f.store.Delete("100", "R1"));
        QVERIFY(!f.store.Delete("100", "R1"));
        QCOMPARE(f.query("SELECT Number FROM 領収"), QStringList{"R2"});
        QCOMPARE(f.query("SELECT DocNumber FROM 伝票管理 ORDER BY DocNumber"),
                 QStringList({"R2", "R3"}));
    }

    // A failure at any write of a save (a new receipt or an overwrite) leaves every table
    // as it was before the save.
    void failedSaveChangesNothing() {
        const std::pair<const char*, const char*> failures[] = {
            {"INSERT", "伝票管理"}, {"UPDATE", "伝票管理"}, {"INSERT", "領収"},
            {"UPDATE", "領収"},     {"INSERT", "前回伝票"}, {"UPDATE", "前回伝票"}};
        for (const auto& [event, table] : failures) {
            Fixture f;
            f.store.Save(Fixture::receipt("R1", 100, 0));
            // A first receipt of another customer adds rows; R1 again updates them.
            const QString number = QString(event) == "INSERT" ? "R5" : "R1";
            Receipt changed = Fixture::receipt(number, 900, 9);
            changed.UserCode = number == "R5" ? "300" : "100";
            const QStringList before = f.stored();
            FailingWrites failing(*f.db, event, table);
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.Save(changed));
            QCOMPARE(f.stored(), before);
            QCOMPARE(f.db->transactionDepth(), 0);
        }
    }
};

KIVORA_TEST(TestReceiptStore)
#include "tst_receiptstore.moc"
