// The bill store on a fresh main database: what a save writes into 伝票管理, 合計請求,
// 明細請求 and 前回伝票 (sums as numbers, nameless lines left out), reading back,
// deleting all three together, and that a save failing at any write changes nothing.
#include "core/Database.h"
#include "documents/BillStore.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    BillStore store{*db};

    Fixture() {
        db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '山田太郎')");
    }
    QStringList query(const QString& sql) const { return TestEnv::rows(*db, sql, {}, "-"); }
    QStringList stored() const {
        return query("SELECT DocType, DocNumber, IssueYMD, AddUpSale, ChargeCode, Remark, Term, "
                     "FixDate FROM 伝票管理 ORDER BY DocType, DocNumber") +
               query("SELECT DocType, Number, PrvPrice, Receive, CarryOver, Total, Excise, "
                     "Price, TotalPrice, Papers FROM 合計請求 ORDER BY DocType, Number") +
               query("SELECT DocType, Number, Count, IssueYMD, DocNumber, Goods, Quantity, "
                     "UnitPrice, Price FROM 明細請求 ORDER BY DocType, Number, Count") +
               query("SELECT UserCode, DocNumBD, DocNumBT FROM 前回伝票");
    }
    static Bill bill(int type, const QString& number, double prv) {
        Bill b;
        b.UserCode = "100";
        b.DocType = type;
        b.Number = number;
        b.IssueYMD = 20260425;
        b.ChargeCode = "01";
        b.ChargeName = "山田太郎";
        b.Remark = "四月分";
        b.Term = "26/04/20";
        b.FixDate = "26/03/20";
        b.Summary = {prv, 100, prv - 100, 1000, 100, 1100, prv + 1000, 2};
        BillLine first{1, 20260405, "D1", "品A", 2, "個", 250, 500, "x"};
        BillLine blank{2, 0, "", "", std::nullopt, "", std::nullopt, std::nullopt, "メモ"};
        BillLine second{3, 0, "D2", "品B", std::nullopt, "", std::nullopt, 500, ""};
        b.Lines = {first, blank, second};
        return b;
    }
};

} // namespace

class TestBillStore : public QObject {
    Q_OBJECT

private slots:
    void saveReadOverwriteAndDelete() {
        Fixture f;
        f.store.Save(Fixture::bill(4, "B1", 1234567));
        Bill summary = Fixture::bill(5, "B1", 50);
        summary.FromInvoices = true;
        summary.ChargeName.clear(); // a code whose name did not show is no staff member
        f.store.Save(summary);
        // The nameless line 2 is not stored; the numbering keeps the grid rows.
        QCOMPARE(
            f.stored(),
            QStringList({"4|B1|20260425|0|01|四月分|26/04/20|26/03/20",
                         "5|B1|20260425|1||四月分|26/04/20|26/03/20",
                         "4|B1|1234567|100|1234467|1000|100|1100|1235567|2",
                         "5|B1|50|100|-50|1000|100|1100|1050|2", "4|B1|1|20260405|D1|品A|2|250|500",
                         "4|B1|3|-|D2|品B|-|-|500", "5|B1|1|20260405|D1|品A|2|250|500",
                         "5|B1|3|-|D2|品B|-|-|500", "100|B1|B1"}));
        // The sums are numbers a query can add up.
        QCOMPARE(f.query("SELECT SUM(TotalPrice) FROM 合計請求"), QStringList{"1236617"});

        // Saving again replaces the sums and every line.
        Bill changed = Fixture::bill(4, "B1", 7);
        changed.Lines.removeLast();
        f.store.Save(changed);
        QCOMPARE(f.query("SELECT PrvPrice, TotalPrice FROM 合計請求 WHERE DocType = 4"),
                 QStringList{"7|1007"});
        QCOMPARE(f.query("SELECT Count FROM 明細請求 WHERE DocType = 4"), QStringList{"1"});

        const Bill read = f.store.Read("100", 4, "B1").value();
        QCOMPARE(QStringList({read.ChargeName, read.ChargePosition, read.Term, read.FixDate,
                              QString::number(read.Summary.CarryOver),
                              QString::number(read.Summary.Papers)}),
                 QStringList({"山田太郎", "営業部", "26/04/20", "26/03/20", "-93", "2"}));
        QCOMPARE(read.Lines.size(), 1);
        QCOMPARE(read.Lines[0].Quantity, std::optional<double>(2));
        QVERIFY(f.store.Read("100", 5, "B1")->FromInvoices);
        QVERIFY(!f.store.Read("100", 6, "B1"));
        QVERIFY(!f.store.Read("200", 4, "B1"));
        QCOMPARE(f.store.Read("100", 5, "B1")->Lines[1].IssueYMD, 0);

        // Deleting one type leaves the other type's bill of the same number alone.
        QVERIFY(f.store.Delete("100", 4, "B1"));
        QVERIFY(!f.store.Delete("100", 4, "B1"));
        QCOMPARE(f.query("SELECT DocType FROM 伝票管理") + f.query("SELECT DocType FROM 合計請求") +
                     f.query("SELECT DISTINCT DocType FROM 明細請求"),
                 QStringList({"5", "5", "5"}));
        QCOMPARE(f.store.LastNumber("100", 5), "B1");
    }

    // A failure at any write of a save (a new bill or an overwrite) leaves every table as
    // it was before the save.
    void failedSaveChangesNothing() {
        const std::pair<const char*, const char*> failures[] = {
            {"INSERT", "伝票管理"}, {"UPDATE", "伝票管理"}, {"INSERT", "合計請求"},
            {"UPDATE", "合計請求"}, {"DELETE", "明細請求"}, {"INSERT", "明細請求"},
            {"INSERT", "前回伝票"}, {"UPDATE", "前回伝票"}};
        for (const auto& [event, table] : failures) {
            Fixture f;
            f.store.Save(Fixture::bill(4, "B1", 10));
            const bool inserted = QString(event) == "INSERT";
            const bool fresh = inserted && QString(table) != "明細請求";
            Bill changed = Fixture::bill(4, fresh ? "B5" : "B1", 900);
            if (inserted && QString(table) == "前回伝票")
                changed.UserCode = "300";
            const QStringList before = f.stored();
            FailingWrites failing(*f.db, event, table);
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.Save(changed));
            QCOMPARE(f.stored(), before);
            QCOMPARE(f.db->transactionDepth(), 0);
        }
    }
};

KIVORA_TEST(TestBillStore)
#include "tst_billstore.moc"
