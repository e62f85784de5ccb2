// The document store against a fresh main database: which grid lines become rows and
// how they come back, what each type writes into the header, when a save posts a sale
// and what it writes there, delete and its sale, and that a save failing half-way
// leaves the stored document exactly as it was.
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <stdexcept>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    DocumentStore store{*db};

    Fixture() {
        db->exec(QStringLiteral("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', "
                                "'山田太郎')"));
    }

    // Every column of every sale row, in insertion order, as one text per row.
    QStringList sales() const {
        RecordSet rs = db->select(QStringLiteral(
            "SELECT UserCode, SaleYMD, DocType, DocNumber, Price, Receive, Division, Charge, "
            "ChargeCode FROM 売掛 ORDER BY rowid"));
        QStringList out;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            QStringList cells;
            for (int c = 0; c < rs.fields().size(); ++c)
                cells << rs.value(c).toString();
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }

    QStringList lineNames(const QString& user, int type, const QString& number) const {
        QStringList out;
        for (const SlipLine& line : store.ReadLines(user, type, number))
            out << line.Goods;
        return out;
    }

    int rows(const QString& table) const {
        return db->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }
};

SlipHeader Header(int type, const QString& number, const QString& user = QStringLiteral("100")) {
    SlipHeader h;
    h.UserCode = user;
    h.DocType = type;
    h.DocNumber = number;
    h.IssueYMD = 20240315;
    h.Remark = QStringLiteral("四月分");
    return h;
}

SlipLine Line(const QString& name, std::optional<double> quantity = {},
              std::optional<double> price = {}, std::optional<double> amount = {}) {
    SlipLine l;
    l.Goods = name;
    l.Quantity = quantity;
    l.UnitPrice = price;
    l.Price = amount;
    return l;
}

} // namespace

class TestDocumentStore : public QObject {
    Q_OBJECT

private slots:
    void onlyNamedLinesAreStoredInOrder() {
        Fixture f;
        QList<SlipLine> grid(7);
        grid[0] = Line(QStringLiteral("ボールペン"), 3, 1050, 3150);
        grid[0].GoodsCode = "G001";
        grid[0].Unit = QStringLiteral("本");
        grid[0].Remark = QStringLiteral("黒");
        grid[1].GoodsCode = "G002"; // code, quantity and remark but no name: not a line
        grid[1].Quantity = 5;
        grid[1].Remark = QStringLiteral("消える");
        grid[2] = Line(QStringLiteral("値引き"), -1, 1.25, -1);
        grid[4].Price = 999;
        grid[6] = Line(QStringLiteral("送料別途")); // a name only
        f.store.Save(Header(2, "A00001"), grid, 0);

        const QList<SlipLine> lines = f.store.ReadLines("100", 2, "A00001");
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].GoodsCode, QStringLiteral("G001"));
        QCOMPARE(lines[0].Goods, QStringLiteral("ボールペン"));
        QCOMPARE(lines[0].Quantity, std::optional<double>(3));
        QCOMPARE(lines[0].Unit, QStringLiteral("本"));
        QCOMPARE(lines[0].UnitPrice, std::optional<double>(1050));
        QCOMPARE(lines[0].Price, std::optional<double>(3150));
        QCOMPARE(lines[0].Remark, QStringLiteral("黒"));
        QCOMPARE(lines[1].Quantity, std::optional<double>(-1));
        QCOMPARE(lines[1].UnitPrice, std::optional<double>(1.25));
        QCOMPARE(lines[2].Goods, QStringLiteral("送料別途"));
        QVERIFY(!lines[2].Quantity && !lines[2].UnitPrice && !lines[2].Price);

        // Count numbers the stored lines without gaps; the empty cells are nulls, the
        // reserved columns 0.
        RecordSet rs = f.db->select(QStringLiteral(
            "SELECT Count, Quantity IS NULL, UnitPrice IS NULL, Price IS NULL, GoodsType, "
            "TaxType FROM 納品 WHERE UserCode = '100' AND Number = 'A00001' ORDER BY Count"));
        QStringList got;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            got << QStringLiteral("%1:%2%3%4:%5%6")
                       .arg(rs.value(0).toInt())
                       .arg(rs.value(1).toInt())
                       .arg(rs.value(2).toInt())
                       .arg(rs.value(3).toInt())
                       .arg(rs.value(4).toInt())
                       .arg(rs.value(5).toInt());
        QCOMPARE(got, QStringList({"1:000:00", "2:000:00", "3:111:00"}));
        // Text cells left empty are empty texts, never nulls.
        QCOMPARE(f.db->scalar("SELECT COUNT(*) FROM 納品 WHERE GoodsCode IS NULL OR Unit IS NULL "
                              "OR Remark IS NULL")
                     .toInt(),
                 0);
        // Each type keeps its own lines.
        QVERIFY(f.store.ReadLines("100", 3, "A00001").isEmpty());
        QCOMPARE(f.rows("請求") + f.rows("見積") + f.rows("注文"), 0);
    }

    void aSecondSaveReplacesTheLines() {
        Fixture f;
        f.store.Save(Header(0, "E1"), {Line("a"), Line("b"), Line("c")}, 0);
        f.store.Save(Header(0, "E2"), {Line("other")}, 0);
        f.store.Save(Header(0, "E1", "200"), {Line("customer 200")}, 0);
        f.store.Save(Header(1, "E1"), {Line("order")}, 0);

        SlipHeader second = Header(0, "E1");
        second.Remark = QStringLiteral("再見積");
        second.IssueYMD = 20240401;
        f.store.Save(second, {SlipLine(), Line("z")}, 0);
        QCOMPARE(f.lineNames("100", 0, "E1"), QStringList({"z"}));
        QCOMPARE(f.store.ReadHeader("100", 0, "E1")->Remark, QStringLiteral("再見積"));
        QCOMPARE(f.store.ReadHeader("100", 0, "E1")->IssueYMD, 20240401);
        QCOMPARE(f.rows("伝票管理"), 4);
        // Other numbers, customers and types are left alone.
        QCOMPARE(f.lineNames("100", 0, "E2"), QStringList({"other"}));
        QCOMPARE(f.lineNames("200", 0, "E1"), QStringList({"customer 200"}));
        QCOMPARE(f.lineNames("100", 1, "E1"), QStringList({"order"}));
    }

    void headerFieldsByType() {
        Fixture f;
        SlipHeader estimate = Header(0, "E1");
        estimate.FixDate = "2024/4/";
        estimate.Term = "//";
        estimate.Deliver = QStringLiteral("本社倉庫");
        estimate.Business = QStringLiteral("月末締め翌月払い");
        estimate.ChargeCode = "01";
        estimate.ChargeName = QStringLiteral("山田太郎");
        f.store.Save(estimate, {Line("x")}, 0);
        auto h = f.store.ReadHeader("100", 0, "E1");
        QVERIFY(h);
        QCOMPARE(h->FixDate, QStringLiteral("2024/4/"));
        QCOMPARE(h->Term, QStringLiteral("//"));
        QCOMPARE(h->Deliver, QStringLiteral("本社倉庫"));
        QCOMPARE(h->Business, QStringLiteral("月末締め翌月払い"));
        QCOMPARE(h->IssueYMD, 20240315);
        QCOMPARE(h->Remark, QStringLiteral("四月分"));
        QCOMPARE(h->ChargeCode, QStringLiteral("01"));
        QCOMPARE(h->ChargeName, QStringLiteral("山田太郎"));
        QCOMPARE(h->ChargePosition, QStringLiteral("営業部"));
        QVERIFY(f.store.Exists("100", 0, "E1"));
        QVERIFY(!f.store.Exists("100", 1, "E1"));
        QVERIFY(!f.store.ReadHeader("100", 1, "E1"));

        // Types 1-3 never write the two dates and write place and terms empty, whatever
        // the header holds, on insert and on update alike.
        for (int type = 1; type <= 3; ++type) {
            SlipHeader other = estimate;
            other.DocType = type;
            f.store.Save(other, {Line("x")}, 0);
            QCOMPARE(f.db->scalar("SELECT FixDate || '|' || Term || '|' || Deliver || '|' || "
                                  "Business FROM 伝票管理 WHERE DocType = ?",
                                  {type})
                         .toString(),
                     QStringLiteral("|||"));
            f.db->exec("UPDATE 伝票管理 SET FixDate = 'f', Term = 't' WHERE DocType = ?", {type});
            f.store.Save(other, {Line("x")}, 0);
            QCOMPARE(f.db->scalar("SELECT FixDate || Term || Deliver || Business FROM 伝票管理 "
                                  "WHERE DocType = ?",
                                  {type})
                         .toString(),
                     QStringLiteral("ft"));
        }

        // A code without the staff name showing is not stored; a staff member deleted
        // since reads back as no staff at all.
        SlipHeader noName = Header(2, "D1");
        noName.ChargeCode = "01";
        f.store.Save(noName, {Line("x")}, 0);
        QCOMPARE(f.db->scalar("SELECT ChargeCode FROM 伝票管理 WHERE DocNumber = 'D1'").toString(),
                 QString());
        f.db->exec("DELETE FROM 担当者");
        h = f.store.ReadHeader("100", 0, "E1");
        QCOMPARE(h->ChargeCode, QString());
        QCOMPARE(h->ChargeName, QString());
        QCOMPARE(h->FixDate, QStringLiteral("2024/4/"));
    }

    void postingConditions() {
        Fixture f;
        SlipHeader h = Header(0, "N1");
        h.AddUpSale = true;
        h.ChargeCode = "01";
        h.ChargeName = QStringLiteral("山田太郎");
        // Estimates and orders never post, checked or not.
        f.store.Save(h, {Line("x")}, 1000);
        h.DocType = 1;
        f.store.Save(h, {Line("x")}, 1000);
        QCOMPARE(f.rows("売掛"), 0);
        // A delivery note: unchecked, zero or negative totals do not post.
        h.DocType = 2;
        h.AddUpSale = false;
        f.store.Save(h, {Line("x")}, 1000);
        h.AddUpSale = true;
        f.store.Save(h, {Line("x")}, 0);
        f.store.Save(h, {Line("x")}, -500);
        QCOMPARE(f.rows("売掛"), 0);

        // An invoice with the box checked and 10,500 posts one sale.
        h.DocType = 3;
        f.store.Save(h, {Line("x")}, 10500);
        QCOMPARE(f.sales(),
                 QStringList({QStringLiteral("100|20240315|3|N1|10500|0|0|山田太郎|01")}));
        // The same number of a delivery note posts a row of its own.
        h.DocType = 2;
        f.store.Save(h, {Line("x")}, 700);
        QCOMPARE(f.sales().size(), 2);

        // Saving again replaces the invoice's row rather than adding one.
        h.DocType = 3;
        h.IssueYMD = 20240420;
        f.store.Save(h, {Line("x")}, 2000);
        QStringList expected{QStringLiteral("100|20240420|3|N1|2000|0|0|山田太郎|01"),
                             QStringLiteral("100|20240315|2|N1|700|0|0|山田太郎|01")};
        QCOMPARE(f.sales(), expected);
        // A payment entered in the ledger since is overwritten: the sale is the document's.
        f.db->exec("UPDATE 売掛 SET Receive = 300 WHERE DocType = 3");
        f.store.Save(h, {Line("x")}, 2000);
        QCOMPARE(f.sales(), expected);

        // Unchecked, or checked with nothing to charge: the earlier posting stays.
        h.AddUpSale = false;
        f.store.Save(h, {Line("x")}, 9999);
        h.AddUpSale = true;
        f.store.Save(h, {Line("x")}, 0);
        QCOMPARE(f.sales(), expected);
        QCOMPARE(f.db->scalar("SELECT AddUpSale FROM 伝票管理 WHERE DocType = 3").toInt(), 1);
    }

    void postedStaffRules() {
        Fixture f;
        SlipHeader h = Header(2, "S1");
        h.AddUpSale = true;
        // No staff shown: code and name empty, even with a code in the field.
        h.ChargeCode = "01";
        f.store.Save(h, {Line("x")}, 100);
        QCOMPARE(f.sales().last(), QStringLiteral("100|20240315|2|S1|100|0|0||"));
        // Staff shown: both.
        h.ChargeName = QStringLiteral("山田太郎");
        f.store.Save(h, {Line("x")}, 100);
        QCOMPARE(f.sales().last(), QStringLiteral("100|20240315|2|S1|100|0|0|山田太郎|01"));
        // A name showing over an emptied code: the code is cleared, the earlier name kept.
        h.ChargeCode.clear();
        h.ChargeName = QStringLiteral("別人");
        f.store.Save(h, {Line("x")}, 100);
        QCOMPARE(f.sales().last(), QStringLiteral("100|20240315|2|S1|100|0|0|山田太郎|"));
        // ... and a new sale in that state has no name.
        h.DocNumber = "S2";
        f.store.Save(h, {Line("x")}, 100);
        QCOMPARE(f.sales().last(), QStringLiteral("100|20240315|2|S2|100|0|0||"));
        QCOMPARE(f.sales().size(), 2);
        QCOMPARE(
            f.db->scalar("SELECT COUNT(*) FROM 売掛 WHERE Charge IS NULL OR ChargeCode IS NULL")
                .toInt(),
            0);
    }

    void lastNumberPerCustomerAndType() {
        Fixture f;
        QCOMPARE(f.store.LastNumber("100", 2), QString());
        f.store.Save(Header(2, "D1"), {Line("x")}, 0);
        f.store.Save(Header(0, "E9"), {Line("x")}, 0);
        f.store.Save(Header(2, "D2"), {Line("x")}, 0);
        f.store.Save(Header(2, "D7", "200"), {Line("x")}, 0);
        QCOMPARE(f.store.LastNumber("100", 2), QStringLiteral("D2"));
        QCOMPARE(f.store.LastNumber("100", 0), QStringLiteral("E9"));
        QCOMPARE(f.store.LastNumber("100", 3), QString());
        QCOMPARE(f.store.LastNumber("200", 2), QStringLiteral("D7"));
        QCOMPARE(f.rows("前回伝票"), 2);

        const QStringList columns{"DocNumE",  "DocNumO",  "DocNumD", "DocNumB",
                                  "DocNumBD", "DocNumBT", "DocNumR"};
        for (int type = 0; type < columns.size(); ++type)
            QCOMPARE(DocumentStore::LastNumberColumn(type), columns[type]);
        QCOMPARE(DocumentStore::LineTable(3), QStringLiteral("請求"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DocumentStore::LineTable(4));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DocumentStore::LastNumberColumn(7));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 f.store.Save(Header(6, "R1"), {Line("x")}, 0));
        QCOMPARE(f.rows("伝票管理"), 4);
    }

    void deleteAndItsSale() {
        Fixture f;
        SlipHeader h = Header(3, "B1");
        h.AddUpSale = true;
        f.store.Save(h, {Line("x"), Line("y")}, 10500);
        h.DocType = 2; // same number, another type
        f.store.Save(h, {Line("d")}, 200);
        h.DocType = 3;
        h.DocNumber = "B2";
        f.store.Save(h, {Line("z")}, 300);
        h.AddUpSale = false;
        h.DocNumber = "B3";
        f.store.Save(h, {Line("w")}, 400);

        QCOMPARE(f.store.Delete("100", 3, "B1"), std::optional<bool>(true));
        QVERIFY(!f.store.Exists("100", 3, "B1"));
        QVERIFY(f.store.ReadLines("100", 3, "B1").isEmpty());
        QCOMPARE(f.lineNames("100", 2, "B1"), QStringList({"d"}));
        // The sale outlives the document until asked for; 前回伝票 is left alone.
        QCOMPARE(f.sales().size(), 3);
        QCOMPARE(f.store.LastNumber("100", 3), QStringLiteral("B3"));
        f.store.DeleteSale("100", 3, "B1");
        QCOMPARE(f.sales(), QStringList({QStringLiteral("100|20240315|2|B1|200|0|0||"),
                                         QStringLiteral("100|20240315|3|B2|300|0|0||")}));

        QCOMPARE(f.store.Delete("100", 3, "B3"), std::optional<bool>(false));
        QCOMPARE(f.store.Delete("100", 3, "B3"), std::nullopt);
        QCOMPARE(f.store.Delete("100", 1, "B2"), std::nullopt);
        QCOMPARE(f.lineNames("100", 3, "B2"), QStringList({"z"}));
        QCOMPARE(f.db->transactionDepth(), 0);
    }

    void aFailingSaveLeavesThePreviousDocument() {
        Fixture f;
        SlipHeader v1 = Header(2, "A1");
        v1.AddUpSale = true;
        v1.ChargeCode = "01";
        v1.ChargeName = QStringLiteral("山田太郎");
        f.store.Save(v1, {Line("one", 1, 100, 100), Line("two")}, 1000);
        f.store.Save(Header(2, "A0"), {Line("x")}, 0);
        const QStringList salesBefore = f.sales();

        SlipHeader v2 = v1;
        v2.Remark = QStringLiteral("changed");
        v2.IssueYMD = 20250101;
        v2.ChargeName.clear();
        const QList<SlipLine> lines2{Line("new 1"), Line("new 2"), Line("new 3")};

        // Each step after the lines in turn refuses to write.
        const QStringList failingSteps{
            "CREATE TEMP TRIGGER fail BEFORE UPDATE ON 売掛 BEGIN SELECT RAISE(ABORT, 'x'); END",
            "CREATE TEMP TRIGGER fail BEFORE UPDATE ON 前回伝票 BEGIN SELECT RAISE(ABORT, 'x'); "
            "END"};
        for (const QString& trigger : failingSteps) {
            f.db->exec(trigger);
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.Save(v2, lines2, 5000));
            f.db->exec("DROP TRIGGER fail");
            QCOMPARE(f.db->transactionDepth(), 0);
            const auto h = f.store.ReadHeader("100", 2, "A1");
            QCOMPARE(h->Remark, v1.Remark);
            QCOMPARE(h->IssueYMD, v1.IssueYMD);
            QCOMPARE(h->ChargeName, QStringLiteral("山田太郎"));
            QCOMPARE(f.lineNames("100", 2, "A1"), QStringList({"one", "two"}));
            QCOMPARE(f.store.ReadLines("100", 2, "A1")[0].Price, std::optional<double>(100));
            QCOMPARE(f.sales(), salesBefore);
            QCOMPARE(f.store.LastNumber("100", 2), QStringLiteral("A0"));
        }

        // A new document whose sale cannot be added leaves no trace at all.
        f.db->exec(
            "CREATE TEMP TRIGGER fail BEFORE INSERT ON 売掛 BEGIN SELECT RAISE(ABORT, 'x'); END");
        SlipHeader fresh = Header(2, "A9");
        fresh.AddUpSale = true;
        QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.Save(fresh, {Line("x")}, 50));
        f.db->exec("DROP TRIGGER fail");
        QVERIFY(!f.store.Exists("100", 2, "A9"));
        QVERIFY(f.store.ReadLines("100", 2, "A9").isEmpty());
        QCOMPARE(f.store.LastNumber("100", 2), QStringLiteral("A0"));

        // With the fault gone the same save goes through whole.
        f.store.Save(v2, lines2, 5000);
        QCOMPARE(f.lineNames("100", 2, "A1"), QStringList({"new 1", "new 2", "new 3"}));
        QCOMPARE(f.store.LastNumber("100", 2), QStringLiteral("A1"));
        QCOMPARE(f.sales().first(), QStringLiteral("100|20250101|2|A1|5000|0|0||"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentStore)
#include "tst_documentstore.moc"
