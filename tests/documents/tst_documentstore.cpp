// The document store on a fresh main database: which grid lines become rows, what each type
// writes into the header, when a save posts a sale, delete and its sale, and that a save
// failing half-way leaves the stored document as it was.
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    DocumentStore store{*db};

    Fixture() {
        db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '山田太郎')");
    }
    QStringList query(const QString& sql) const { return TestEnv::rows(*db, sql); }
    QStringList sales() const {
        return query("SELECT SaleYMD, DocType, DocNumber, Price, Receive, Charge, ChargeCode "
                     "FROM 売掛 ORDER BY DocNumber, DocType");
    }
    int rows(const QString& table) const {
        return db->scalar("SELECT COUNT(*) FROM " + table).toInt();
    }
    QStringList names(int type, const QString& number, const QString& user = "100") const {
        QStringList out;
        for (const SlipLine& l : store.ReadLines(user, type, number))
            out << l.Goods;
        return out;
    }
    // Date, remark, estimate fields and staff as ReadHeader gives them.
    QString header(int type, const QString& number) const {
        const auto h = store.ReadHeader("100", type, number);
        return !h ? "-"
                  : QStringList{QString::number(h->IssueYMD),
                                h->Remark,
                                h->FixDate,
                                h->Term,
                                h->Deliver,
                                h->ChargeCode,
                                h->ChargeName,
                                h->ChargePosition}
                        .join('|');
    }
};

// Customer 100's document issued 2024-03-15 with the remark 四月分, the posting box and
// the staff shown in the window.
SlipHeader Header(int type, const QString& number, bool addUp = false, const QString& code = {},
                  const QString& name = {}) {
    return {"100", type, number, 20240315, addUp, code, "四月分", {}, {}, {}, {}, name, {}};
}

SlipLine Line(const QString& name) {
    return {QString(), name, {}, QString(), {}, {}, QString()};
}

} // namespace

class TestDocumentStore : public QObject {
    Q_OBJECT

private slots:
    void onlyNamedLinesAreStoredInOrder() {
        Fixture f;
        QList<SlipLine> grid(7);
        grid[0] = {"G001", "ボールペン", 3, "本", 1050, 3150, "黒"};
        grid[1] = {"G002", "", 5, "", {}, {}, "消える"}; // no name: not a line
        grid[2] = {"", "値引き", -1, "", 1.25, -1, ""};
        grid[4].Price = 999;
        grid[6] = Line("送料別途");
        f.store.Save(Header(2, "A00001"), grid, 0);
        // Numbered without gaps; empty numbers are nulls, empty texts never are.
        QCOMPARE(f.query("SELECT Count, GoodsCode, Goods, Quantity, Unit, UnitPrice, Price, "
                         "Remark, Quantity IS NULL, Unit IS NULL FROM 納品 ORDER BY Count"),
                 QStringList({"1|G001|ボールペン|3|本|1050|3150|黒|0|0",
                              "2||値引き|-1||1.25|-1||0|0", "3||送料別途||||||1|0"}));
        const QList<SlipLine> read = f.store.ReadLines("100", 2, "A00001");
        QVERIFY(read.size() == 3 && !read[2].Quantity && !read[2].Price && read[1].Price == -1);
        QVERIFY(f.store.ReadLines("100", 3, "A00001").isEmpty()); // each type its own lines
    }

    // A save replaces the document of its number, customer and type only; the estimate's
    // own fields are written for estimates only; the last number saved is remembered.
    void savesReplaceTheirOwnDocument() {
        Fixture f;
        SlipHeader estimate = Header(0, "E1", false, "01", "山田太郎");
        estimate.FixDate = "2024/4/";
        estimate.Term = "//";
        estimate.Deliver = "本社倉庫";
        f.store.Save(estimate, {Line("a"), Line("b")}, 0);
        f.store.Save(Header(0, "E2"), {Line("other")}, 0);
        SlipHeader other = Header(0, "E1");
        other.UserCode = "200";
        f.store.Save(other, {Line("customer 200")}, 0);
        SlipHeader order = estimate;
        order.DocType = 1;
        f.store.Save(order, {Line("order")}, 0);
        estimate.Remark = "再見積";
        f.store.Save(estimate, {SlipLine(), Line("z")}, 0);
        QCOMPARE(f.names(0, "E1") + f.names(0, "E2") + f.names(0, "E1", "200") + f.names(1, "E1"),
                 QStringList({"z", "other", "customer 200", "order"}));
        QCOMPARE(f.header(0, "E1"), "20240315|再見積|2024/4/|//|本社倉庫|01|山田太郎|営業部");
        QCOMPARE(f.header(1, "E1"), "20240315|四月分||||01|山田太郎|営業部");
        // Other types never write the two dates, on insert or update.
        f.db->exec("UPDATE 伝票管理 SET FixDate = 'f' WHERE DocType = 1");
        f.store.Save(order, {Line("order")}, 0);
        QCOMPARE(f.header(1, "E1").section('|', 2, 2), "f");
        QCOMPARE(f.rows("伝票管理"), 4);
        // The last number saved, not the highest, per customer and type.
        QCOMPARE(f.store.LastNumber("100", 0) + f.store.LastNumber("100", 3) +
                     f.store.LastNumber("200", 0),
                 "E1E1");
        // A code without the staff name showing is not stored; a staff member deleted
        // since reads back as no staff at all.
        f.store.Save(Header(2, "D1", false, "01"), {Line("x")}, 0);
        QCOMPARE(f.header(2, "D1").section('|', 5), "||");
        f.db->exec("DELETE FROM 担当者");
        QCOMPARE(f.header(0, "E1").section('|', 5), "||");
    }

    void postingConditions() {
        Fixture f;
        SlipHeader h = Header(0, "N1", false, "01", "山田太郎");
        const auto save = [&](int type, bool addUp, double total) {
            h.DocType = type;
            h.AddUpSale = addUp;
            f.store.Save(h, {Line("x")}, total);
        };
        // Estimates and orders never post; a delivery note unchecked or with a total of
        // zero or less does not either.
        const std::tuple<int, bool, double> quiet[] = {
            {0, true, 1000}, {1, true, 1000}, {2, false, 1000}, {2, true, 0}, {2, true, -500}};
        for (const auto& [type, addUp, total] : quiet)
            save(type, addUp, total);
        QCOMPARE(f.rows("売掛"), 0);
        save(3, true, 10500);
        save(2, true, 700); // the same number of another type posts a row of its own
        QCOMPARE(f.sales(), QStringList({"20240315|2|N1|700|0|山田太郎|01",
                                         "20240315|3|N1|10500|0|山田太郎|01"}));
        // Saving again replaces the invoice's row, a payment entered since included;
        // unchecked, or checked with nothing to charge, the earlier posting stays.
        f.db->exec("UPDATE 売掛 SET Receive = 300 WHERE DocType = 3");
        h.IssueYMD = 20240420;
        save(3, true, 2000);
        save(3, false, 9999);
        save(3, true, 0);
        QCOMPARE(f.sales(), QStringList({"20240315|2|N1|700|0|山田太郎|01",
                                         "20240420|3|N1|2000|0|山田太郎|01"}));
    }

    void deleteAndItsSale() {
        Fixture f;
        const std::tuple<int, const char*, bool> saved[] = {
            {3, "B1", true}, {2, "B1", true}, {3, "B2", true}, {3, "B3", false}};
        for (const auto& [type, number, addUp] : saved)
            f.store.Save(Header(type, number, addUp), {Line(number + QString::number(type))}, 100);
        QCOMPARE(f.store.Delete("100", 3, "B1"), std::optional<bool>(true));
        QVERIFY(!f.store.Exists("100", 3, "B1") && f.store.ReadLines("100", 3, "B1").isEmpty());
        // The other type's document stays; the sale outlives the document until asked for.
        QCOMPARE(f.names(2, "B1").size() + f.sales().size(), 4);
        f.store.DeleteSale("100", 3, "B1");
        QCOMPARE(f.sales(), QStringList({"20240315|2|B1|100|0||", "20240315|3|B2|100|0||"}));
        // Deleting an unposted document answers false, a missing one nothing.
        QCOMPARE(f.store.Delete("100", 3, "B3"), std::optional<bool>(false));
        QVERIFY(!f.store.Delete("100", 3, "B3") && !f.store.Delete("100", 1, "B2"));
        QCOMPARE(f.names(3, "B2").size() + f.db->transactionDepth(), 1);
    }

    void aFailingSaveLeavesThePreviousDocument() {
        Fixture f;
        f.store.Save(Header(2, "A1", true, "01", "山田太郎"), {Line("one")}, 1000);
        f.store.Save(Header(2, "A0"), {Line("x")}, 0);
        const auto state = [&] {
            return QStringList{f.header(2, "A1"), f.store.LastNumber("100", 2),
                               QString::number(f.rows("伝票管理"))} +
                   f.names(2, "A1") + f.sales();
        };
        const QStringList stored = state();
        SlipHeader changed = Header(2, "A1", true, "01");
        changed.IssueYMD = 20250101;
        // Each write after the lines in turn refuses; a new document whose sale cannot be
        // added leaves no trace at all.
        const std::tuple<const char*, const char*, SlipHeader> failures[] = {
            {"UPDATE", "売掛", changed},
            {"UPDATE", "前回伝票", changed},
            {"INSERT", "売掛", Header(2, "A9", true)}};
        for (const auto& [event, table, header] : failures) {
            FailingWrites failing(*f.db, event, table);
            QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                     f.store.Save(header, {Line("new 1"), Line("new 2")}, 5000));
            QCOMPARE(f.db->transactionDepth(), 0);
            QCOMPARE(state(), stored);
        }
        f.store.Save(changed, {Line("new")}, 5000);
        QCOMPARE(f.names(2, "A1") + f.sales(), QStringList({"new", "20250101|2|A1|5000|0||"}));
    }
};

KIVORA_TEST(TestDocumentStore)
#include "tst_documentstore.moc"
