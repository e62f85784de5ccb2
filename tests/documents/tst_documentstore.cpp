// The document store on a fresh main database: which grid lines become rows, what each type
// writes into the header, when a save posts a sale, delete and its sale, and that a save
// failing half-way leaves the stored document exactly as it was.
#include "support/TestMain.h"
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <stdexcept>

namespace {

QString Num(std::optional<double> v) {
    return v ? QString::number(*v) : QStringLiteral("-");
}

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    DocumentStore store{*db};

    Fixture() {
        db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '山田太郎')");
    }

    // Every row of a query as one '|'-joined text.
    QStringList query(const QString& sql) const {
        QStringList out;
        for (RecordSet rs = db->select(sql); !rs.Eof(); rs.MoveNext()) {
            QStringList cells;
            for (int c = 0; c < rs.fields().size(); ++c)
                cells << rs.value(c).toString();
            out << cells.join('|');
        }
        return out;
    }
    QStringList sales() const {
        return query("SELECT UserCode, SaleYMD, DocType, DocNumber, Price, Receive, Division, "
                     "Charge, ChargeCode FROM 売掛 ORDER BY rowid");
    }
    QString text(const QString& sql, const QVariantList& values = {}) const {
        return db->scalar(sql, values).toString();
    }
    int rows(const QString& table) const { return text("SELECT COUNT(*) FROM " + table).toInt(); }
    QStringList lines(int type, const QString& number, const QString& user = "100") const {
        QStringList out;
        for (const SlipLine& l : store.ReadLines(user, type, number))
            out << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                       .arg(l.GoodsCode, l.Goods, Num(l.Quantity), l.Unit, Num(l.UnitPrice),
                            Num(l.Price), l.Remark);
        return out;
    }
    QStringList names(int type, const QString& number, const QString& user = "100") const {
        QStringList out = lines(type, number, user);
        for (QString& line : out)
            line = line.section('|', 1, 1);
        return out;
    }
    // Date, remark, estimate fields and staff as ReadHeader gives them.
    QString header(int type, const QString& number) const {
        const auto h = store.ReadHeader("100", type, number);
        return !h ? "<none>"
                  : QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                        .arg(QString::number(h->IssueYMD), h->Remark, h->FixDate, h->Term,
                             h->Deliver, h->Business, h->ChargeCode, h->ChargeName,
                             h->ChargePosition);
    }
};

// Customer 100's document issued 2024-03-15 with the remark 四月分, the posting box and
// the staff shown in the window; the estimate fields empty.
SlipHeader Header(int type, const QString& number, bool addUp = false, const QString& code = {},
                  const QString& name = {}) {
    return {"100", type, number, 20240315, addUp, code, "四月分", {}, {}, {}, {}, name, {}};
}

SlipLine Line(const QString& name, std::optional<double> quantity = {},
              std::optional<double> price = {}, std::optional<double> amount = {}) {
    return {QString(), name, quantity, QString(), price, amount, QString()};
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
        grid[2] = Line("値引き", -1, 1.25, -1);
        grid[4].Price = 999;
        grid[6] = Line("送料別途");
        f.store.Save(Header(2, "A00001"), grid, 0);
        QCOMPARE(f.lines(2, "A00001"), QStringList({"G001|ボールペン|3|本|1050|3150|黒",
                                                    "|値引き|-1||1.25|-1|", "|送料別途|-||-|-|"}));
        // Count numbers the lines without gaps; empty numbers are nulls, empty texts never
        // are; the reserved columns are 0.
        QCOMPARE(f.query("SELECT Count, Quantity IS NULL, UnitPrice IS NULL, Price IS NULL, "
                         "GoodsType, TaxType, GoodsCode IS NULL OR Unit IS NULL OR Remark IS "
                         "NULL FROM 納品 ORDER BY Count"),
                 QStringList({"1|0|0|0|0|0|0", "2|0|0|0|0|0|0", "3|1|1|1|0|0|0"}));
        // Each type keeps its own lines.
        QVERIFY(f.store.ReadLines("100", 3, "A00001").isEmpty());
        QCOMPARE(f.rows("請求") + f.rows("見積") + f.rows("注文"), 0);
    }

    void savesReplaceAndRememberTheLastNumber() {
        Fixture f;
        QCOMPARE(f.store.LastNumber("100", 0), "");
        f.store.Save(Header(0, "E1"), {Line("a"), Line("b"), Line("c")}, 0);
        f.store.Save(Header(0, "E2"), {Line("other")}, 0);
        SlipHeader other = Header(0, "E1");
        other.UserCode = "200";
        f.store.Save(other, {Line("customer 200")}, 0);
        f.store.Save(Header(1, "E1"), {Line("order")}, 0);
        SlipHeader second = Header(0, "E1");
        second.Remark = "再見積";
        second.IssueYMD = 20240401;
        f.store.Save(second, {SlipLine(), Line("z")}, 0);
        QCOMPARE(f.names(0, "E1"), QStringList({"z"}));
        QCOMPARE(f.header(0, "E1"), "20240401|再見積|||||||");
        QCOMPARE(f.rows("伝票管理"), 4);
        // Other numbers, customers and types are left alone.
        QCOMPARE(f.names(0, "E2") + f.names(0, "E1", "200") + f.names(1, "E1"),
                 QStringList({"other", "customer 200", "order"}));
        // The last number saved, not the highest, per customer (one 前回伝票 row) and type.
        QCOMPARE(QStringList({f.store.LastNumber("100", 0), f.store.LastNumber("100", 1),
                              f.store.LastNumber("100", 3), f.store.LastNumber("200", 0)}),
                 QStringList({"E1", "E1", "", "E1"}));
        QCOMPARE(f.rows("前回伝票"), 2);
        // Types beyond the four documents have no line table, so they cannot be saved.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DocumentStore::LineTable(4));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DocumentStore::LastNumberColumn(7));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 f.store.Save(Header(6, "R1"), {Line("x")}, 0));
        QCOMPARE(f.rows("伝票管理"), 4);
    }

    void headerFieldsByType() {
        Fixture f;
        SlipHeader estimate = Header(0, "E1", false, "01", "山田太郎");
        estimate.FixDate = "2024/4/";
        estimate.Term = "//";
        estimate.Deliver = "本社倉庫";
        estimate.Business = "月末締め翌月払い";
        f.store.Save(estimate, {Line("x")}, 0);
        QCOMPARE(f.header(0, "E1"),
                 "20240315|四月分|2024/4/|//|本社倉庫|月末締め翌月払い|01|山田太郎|営業部");
        QVERIFY(f.store.Exists("100", 0, "E1") && !f.store.Exists("100", 1, "E1"));
        QCOMPARE(f.header(1, "E1"), "<none>");

        // Types 1-3 never write the two dates and write place and terms empty (not null),
        // whatever the header holds, on insert and on update alike.
        const QString fields = "SELECT FixDate || '|' || Term || '|' || Deliver || '|' || "
                               "Business FROM 伝票管理 WHERE DocType = ?";
        for (int type = 1; type <= 3; ++type) {
            SlipHeader other = estimate;
            other.DocType = type;
            f.store.Save(other, {Line("x")}, 0);
            QCOMPARE(f.text(fields, {type}), "|||");
            f.db->exec("UPDATE 伝票管理 SET FixDate = 'f', Term = 't' WHERE DocType = ?", {type});
            f.store.Save(other, {Line("x")}, 0);
            QCOMPARE(f.text(fields, {type}), "f|t||");
        }

        // A code without the staff name showing is not stored; a staff member deleted
        // since reads back as no staff at all.
        f.store.Save(Header(2, "D1", false, "01"), {Line("x")}, 0);
        QCOMPARE(f.text("SELECT ChargeCode FROM 伝票管理 WHERE DocNumber = 'D1'"), "");
        f.db->exec("DELETE FROM 担当者");
        QCOMPARE(f.header(0, "E1"), "20240315|四月分|2024/4/|//|本社倉庫|月末締め翌月払い|||");
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
        QCOMPARE(f.sales(), QStringList({"100|20240315|3|N1|10500|0|0|山田太郎|01"}));
        save(2, true, 700); // the same number of another type posts a row of its own
        QCOMPARE(f.sales().size(), 2);

        // Saving again replaces the invoice's row, overwriting a payment entered since:
        // the sale is the document's.
        f.db->exec("UPDATE 売掛 SET Receive = 300 WHERE DocType = 3");
        h.IssueYMD = 20240420;
        save(3, true, 2000);
        const QStringList expected{"100|20240420|3|N1|2000|0|0|山田太郎|01",
                                   "100|20240315|2|N1|700|0|0|山田太郎|01"};
        QCOMPARE(f.sales(), expected);
        // Unchecked, or checked with nothing to charge: the earlier posting stays.
        save(3, false, 9999);
        save(3, true, 0);
        QCOMPARE(f.sales(), expected);
        QCOMPARE(f.text("SELECT AddUpSale FROM 伝票管理 WHERE DocType = 3"), "1");
    }

    void postedStaffRules() {
        Fixture f;
        // A name showing over an emptied code clears the code and keeps the earlier name; a
        // new sale in that state, or with no staff shown (whatever the code field holds), has
        // neither. Empty, never null.
        f.store.Save(Header(2, "S1", true, "01", "山田太郎"), {Line("x")}, 100);
        f.store.Save(Header(2, "S1", true, "", "別人"), {Line("x")}, 100);
        f.store.Save(Header(2, "S2", true, "", "別人"), {Line("x")}, 100);
        f.store.Save(Header(2, "S3", true, "01"), {Line("x")}, 100);
        QCOMPARE(f.sales(),
                 QStringList({"100|20240315|2|S1|100|0|0|山田太郎|", "100|20240315|2|S2|100|0|0||",
                              "100|20240315|2|S3|100|0|0||"}));
        QCOMPARE(f.rows("売掛 WHERE Charge IS NULL OR ChargeCode IS NULL"), 0);
    }

    void deleteAndItsSale() {
        Fixture f;
        const auto save = [&](int type, const QString& number, bool addUp, double total) {
            f.store.Save(Header(type, number, addUp), {Line(number + "/" + QString::number(type))},
                         total);
        };
        save(3, "B1", true, 10500);
        save(2, "B1", true, 200); // same number, another type
        save(3, "B2", true, 300);
        save(3, "B3", false, 400);
        QCOMPARE(f.store.Delete("100", 3, "B1"), std::optional<bool>(true));
        QVERIFY(!f.store.Exists("100", 3, "B1"));
        QVERIFY(f.store.ReadLines("100", 3, "B1").isEmpty());
        QCOMPARE(f.names(2, "B1"), QStringList({"B1/2"}));
        // The sale outlives the document until asked for; 前回伝票 is left alone.
        QCOMPARE(f.sales().size(), 3);
        QCOMPARE(f.store.LastNumber("100", 3), "B3");
        f.store.DeleteSale("100", 3, "B1");
        QCOMPARE(f.sales(),
                 QStringList({"100|20240315|2|B1|200|0|0||", "100|20240315|3|B2|300|0|0||"}));
        // Deleting an unposted document returns false, a missing one nothing.
        QCOMPARE(f.store.Delete("100", 3, "B3"), std::optional<bool>(false));
        QCOMPARE(f.store.Delete("100", 3, "B3"), std::nullopt);
        QCOMPARE(f.store.Delete("100", 1, "B2"), std::nullopt);
        QCOMPARE(f.names(3, "B2"), QStringList({"B2/3"}));
        QCOMPARE(f.db->transactionDepth(), 0);
    }

    void aFailingSaveLeavesThePreviousDocument() {
        Fixture f;
        f.store.Save(Header(2, "A1", true, "01", "山田太郎"),
                     {Line("one", 1, 100, 100), Line("two")}, 1000);
        f.store.Save(Header(2, "A0"), {Line("x")}, 0);
        const auto state = [&] {
            return QStringList{f.header(2, "A1"), f.store.LastNumber("100", 2),
                               QString::number(f.rows("伝票管理")),
                               QString::number(f.rows("納品"))} +
                   f.lines(2, "A1") + f.sales();
        };
        const QStringList stored = state();

        SlipHeader v2 = Header(2, "A1", true, "01"); // no staff shown any more
        v2.Remark = "changed";
        v2.IssueYMD = 20250101;
        const QList<SlipLine> lines2{Line("new 1"), Line("new 2"), Line("new 3")};
        // Each step after the lines in turn refuses to write; a new document whose sale
        // cannot be added leaves no trace at all.
        const std::pair<const char*, SlipHeader> failures[] = {
            {"UPDATE ON 売掛", v2},
            {"UPDATE ON 前回伝票", v2},
            {"INSERT ON 売掛", Header(2, "A9", true)}};
        for (const auto& [when, header] : failures) {
            f.db->exec(QStringLiteral("CREATE TEMP TRIGGER fail BEFORE %1 BEGIN SELECT "
                                      "RAISE(ABORT, 'x'); END")
                           .arg(QString::fromUtf8(when)));
            QVERIFY_THROWS_EXCEPTION(DatabaseError, f.store.Save(header, lines2, 5000));
            f.db->exec("DROP TRIGGER fail");
            QCOMPARE(f.db->transactionDepth(), 0);
            QCOMPARE(state(), stored);
        }
        QVERIFY(!f.store.Exists("100", 2, "A9"));

        // With the fault gone the same save goes through whole.
        f.store.Save(v2, lines2, 5000);
        QCOMPARE(f.names(2, "A1"), QStringList({"new 1", "new 2", "new 3"}));
        QCOMPARE(f.store.LastNumber("100", 2), "A1");
        QCOMPARE(f.sales().first(), "100|20250101|2|A1|5000|0|0||");
    }
};

KIVORA_TEST(TestDocumentStore)
#include "tst_documentstore.moc"
