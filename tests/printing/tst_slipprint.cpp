// Printing a stored delivery note on the recording canvas with a layout built in the
// test's own layout database: pages and copy sets, where the totals and page numbers
// go, the customer and company items with the dialog's choices, the seal, the detail
// formatting, the block offset, and runs that must stop before printing anything.
#include "support/TestMain.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "printing/PrintEngine.h"
#include "printing/RecordingCanvas.h"
#include "printing/SlipPrint.h"
#include "support/TestEnv.h"

#include <QImage>
#include <QtTest>
#include <algorithm>

namespace {

constexpr int kLayout = 21;
constexpr int kType = 2;
const QString kUser = QStringLiteral("000001");
const QString None = QStringLiteral("<none>");

// Header items print left-aligned at X1 20 and one row of 4 mm per code, so each can be
// told apart by its place; detail columns start at 10 mm, 25 mm apart.
constexpr double kHeaderX1 = 20;
double HeaderY(int code) {
    return 2 + 4.0 * code;
}
double DetailX1(int code) {
    return 10 + 25.0 * (code - 20);
}
constexpr double kDetailY = 200;
constexpr double kRowHeight = 6;
constexpr int kRows = 5;

bool Near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

// The names of stored lines `from` to `to`: 品目01, 品目02 …
QStringList Names(int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << QStringLiteral("品目%1").arg(i, 2, 10, QLatin1Char('0'));
    return out;
}

struct Fixture {
    TestEnv env{TestEnv::MainDb | TestEnv::LayoutDb};
    std::unique_ptr<Database> db = env.openMain();
    std::unique_ptr<Database> layoutDb =
        std::make_unique<Database>(DbFileName(env.dataFolder(), 1), LayoutDbMarkerTable());
    RecordingCanvas canvas;
    SlipPrintHeader header;
    double left = 0;
    double top = 0;

    Fixture() {
        db->exec("INSERT INTO 顧客 (Code, Name, Prefix1, ZipCode, Address1, Address2, TEL, FAX, "
                 "Position1, Charge1, Position2, Charge2, Prefix2) VALUES ('000001', '山田商店', "
                 "'様', '910-0001', '福井県福井市大願寺1-2-3', '山田ビル2F', '0776-11-2222', "
                 "'0776-11-3333', '営業部', '佐藤一郎', '経理部', '鈴木花子', '殿')");
        db->exec("UPDATE 自社情報 SET Name = '株式会社キボラ', ZipCode = '100-0001', Address1 = "
                 "'東京都千代田区千代田1-1', Address2 = 'キボラビル', TEL = '03-1234-5678', FAX = "
                 "'', Bank1 = 'みずなみ銀行 本店 普通 1234567', Bank2 = 'ゆうちょ銀行 〇一八店 "
                 "普通 7654321'");
        // The test owns its layouts: the delivered ones would collide with its codes.
        for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
            layoutDb->exec("DELETE FROM " + QString::fromUtf8(table));
        addLayout(kLayout, 1, true, "納品書A4(納品書)");
        header.DocType = kType;
        header.UserCode = kUser;
        header.UserName = "山田商店";
        header.Date = {"2024", "05", "31"};
        header.Number = "D-0042";
        header.ChargeName = "田中";
        header.ChargePosition = "営業課";
        header.Remark = "毎度ありがとうございます";
        header.Totals = {"¥6,600", "¥660", "¥7,260"};
    }

    void addLayout(int code, int blocks, bool duplicate, const QString& name) {
        layoutDb->exec(
            "INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, "
            "FixItemCode, Block, Rows, RowHeight, FontSize, Layout) VALUES (?, ?, ?, "
            "?, ?, ?, ?, ?, ?, ?, 11, '')",
            {code, kType, name, duplicate ? 1 : 0, code, code, code, blocks, kRows, kRowHeight});
        QStringList items;
        for (int c = 0; c <= 40; ++c)
            items << QString::number(c);
        for (int block = 1; block <= blocks; ++block)
            layoutDb->exec("INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (?, ?, ?)",
                           {code, block, items.join('/')});
        for (int c = 0; c <= 40; ++c) {
            const bool detail = c >= 20 && c <= 26;
            const double x1 = detail ? DetailX1(c) : kHeaderX1;
            // Quantities in the quantity format, unit prices with separators, amounts
            // in the yen form: the engine formats what the item table hands over.
            const int kind = c == 22 ? 3 : c == 24 ? 1 : c == 25 ? 2 : 0;
            layoutDb->exec("INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) "
                           "VALUES (?, ?, ?, ?, ?, 0, ?)",
                           {code, c, x1, x1 + 24, detail ? kDetailY : HeaderY(c), kind});
        }
        layoutDb->exec("INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Type) VALUES (?, 10, 195, "
                       "190, 240, 1)",
                       {code});
        layoutDb->exec("INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) VALUES (?, "
                       "150, 190, 250, '合計', 0)",
                       {code});
    }

    // Stores the document with `count` lines: A001 品目01, quantity 1 個 at 100, …
    void storeLines(int count) {
        QList<SlipLine> lines;
        for (int i = 1; i <= count; ++i) {
            const QString code = QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0'));
            lines << SlipLine{code, Names(i, i)[0], double(i), "個", 100.0, 100.0 * i, ""};
        }
        // Customer, type, number, issue date; no posting, staff, remark or estimate fields.
        DocumentStore(*db).Save(
            {kUser, kType, "D-0042", 20240531, false, {}, {}, {}, {}, {}, {}, {}, {}}, lines, 0);
    }

    void set(const char* name, int value) {
        env.settings().save(QStringLiteral("S%1").arg(kType) + QString::fromUtf8(name), value);
    }

    // A new run: the previous job and messages are dropped first.
    bool print(int layout = kLayout) {
        canvas.discardJob();
        env.messages.clear();
        return SlipPrint::PrintSlip(canvas, *db, *layoutDb, env.settings(), env.messages, "納品書",
                                    "#,#0.00", layout, header);
    }

    // The text item `code` printed on `page` (its place tells it), if any.
    std::optional<RecordedOp> itemOp(int page, int code, int block = 1) const {
        const double y = top + HeaderY(code) + 148.5 * (block - 1);
        for (const RecordedOp& op : canvas.texts(page))
            if (Near(op.x, left + kHeaderX1 + 1) && Near(op.y, y))
                return op;
        return std::nullopt;
    }
    QString item(int page, int code) const {
        const auto op = itemOp(page, code);
        return op ? op->text : None;
    }
    QStringList items(int page, std::initializer_list<int> codes) const {
        QStringList out;
        for (int code : codes)
            out << item(page, code);
        return out;
    }
    // Item `code` on every page of the job.
    QStringList pages(int code) const {
        QStringList out;
        for (int page = 0; page < canvas.pageCount(); ++page)
            out << item(page, code);
        return out;
    }
    // The texts of detail column `code` on `page`, top to bottom.
    QStringList column(int page, int code) const {
        QList<RecordedOp> ops;
        for (const RecordedOp& op : canvas.texts(page))
            if (Near(op.x, left + DetailX1(code) + 1) && op.y >= top + kDetailY - 1e-6)
                ops << op;
        std::sort(ops.begin(), ops.end(),
                  [](const RecordedOp& a, const RecordedOp& b) { return a.y < b.y; });
        QStringList out;
        for (const RecordedOp& op : ops)
            out << op.text;
        return out;
    }
};

} // namespace

class TestSlipPrint : public QObject {
    Q_OBJECT

private slots:
    void copySets() {
        Fixture f;
        f.storeLines(11); // 5 + 5 + 1 lines: three pages per set
        f.set("Duplicate", 0);
        QVERIFY(f.print());
        QCOMPARE(f.canvas.endCount(), 1);
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(f.pages(0), QStringList({"納品書", "納品書", "納品書", "納品書(控)", "納品書(控)",
                                          "納品書(控)"}));
        QCOMPARE(f.pages(31), QStringList({"1/3", "2/3", "3/3", "1/3", "2/3", "3/3"}));
        // Totals close a set: only its last page shows them.
        QCOMPARE(f.pages(28), QStringList({None, None, "¥6,600", None, None, "¥6,600"}));
        QCOMPARE(f.pages(29), QStringList({None, None, "¥660", None, None, "¥660"}));
        QCOMPARE(f.pages(30), QStringList({None, None, "¥7,260", None, None, "¥7,260"}));
        // Every page carries the header, the lines box and the fixed text.
        QCOMPARE(f.pages(5), QStringList(6, "D-0042"));
        for (int page = 0; page < 6; ++page) {
            QCOMPARE(f.canvas.ops(RecordedOp::Rect, page).size(), 1);
            QVERIFY(f.canvas.findText("合計", page));
        }
        // The copy set prints the same lines again, page by page.
        QCOMPARE(f.column(0, 21), Names(1, 5));
        QCOMPARE(f.column(1, 21), Names(6, 10));
        QCOMPARE(f.column(2, 21), Names(11, 11));
        QCOMPARE(f.column(3, 21), Names(1, 5));
        QCOMPARE(f.column(5, 21), Names(11, 11));
        // Lines follow each other by the row height.
        const auto sixth = f.canvas.findText("品目06", 1);
        const auto seventh = f.canvas.findText("品目07", 1);
        QVERIFY(sixth && seventh);
        QCOMPARE(sixth->y, kDetailY);
        QCOMPARE(seventh->y - sixth->y, kRowHeight);

        // The copy set only: one set, every title marked.
        f.set("Duplicate", 1);
        QVERIFY(f.print());
        QCOMPARE(f.pages(0), QStringList(3, "納品書(控)"));
        QCOMPARE(f.pages(30), QStringList({None, None, "¥7,260"}));
        QCOMPARE(f.pages(31), QStringList({"1/3", "2/3", "3/3"}));
        f.set("Duplicate", 2); // the document only
        QVERIFY(f.print());
        QCOMPARE(f.pages(0), QStringList(3, "納品書"));
        // A layout that allows no copy set prints the document alone, even when the stored
        // choice still asks for both sets or for the copy only.
        f.addLayout(22, 1, false, "納品書単票(納品書)");
        for (int choice : {0, 1}) {
            f.set("Duplicate", choice);
            QVERIFY(f.print(22));
            QCOMPARE(f.pages(0), QStringList(3, "納品書"));
        }
    }

    void pageCountFollowsTheLines() {
        Fixture f;
        // A document without lines still prints its header page, with its totals, rather
        // than silently printing nothing.
        f.set("Duplicate", 0);
        QVERIFY(f.print());
        QCOMPARE(f.pages(0), QStringList({"納品書", "納品書(控)"}));
        QCOMPARE(f.items(0, {10, 30, 31}), QStringList({"山田商店 様", "¥7,260", None}));
        QVERIFY(f.column(0, 21).isEmpty());
        // Exactly one page of lines: one page and no page number.
        f.set("Duplicate", 2);
        f.storeLines(kRows);
        QVERIFY(f.print());
        QCOMPARE(f.pages(31), QStringList({None}));
        QCOMPARE(f.column(0, 21), Names(1, 5));
        QCOMPARE(f.item(0, 30), "¥7,260");
        // One line more: two pages, numbered.
        f.storeLines(kRows + 1);
        QVERIFY(f.print());
        QCOMPARE(f.pages(31), QStringList({"1/2", "2/2"}));
        QCOMPARE(f.column(1, 21), Names(6, 6));
    }

    void customerItemsFollowTheContactChoice() {
        Fixture f;
        f.storeLines(1);
        f.set("Duplicate", 2);
        f.set("Charge", 0);
        QVERIFY(f.print());
        QCOMPARE(f.items(0, {7, 8, 9, 10, 11, 12, 13}),
                 QStringList({"〒910-0001", "福井県福井市大願寺1-2-3", "山田ビル2F", "山田商店 様",
                              "営業部  佐藤一郎 殿", "TEL:0776-11-2222 FAX:0776-11-3333", kUser}));
        f.set("Charge", 2);
        QVERIFY(f.print());
        QCOMPARE(f.items(0, {10, 11}), QStringList({"山田商店 御中", "  "}));
        // Each telephone number prints only when it is there.
        f.db->exec("UPDATE 顧客 SET TEL = ''");
        QVERIFY(f.print());
        QCOMPARE(f.item(0, 12), "FAX:0776-11-3333");
    }

    void companyItemsAndTheSeal() {
        Fixture f;
        f.storeLines(1);
        f.set("Duplicate", 2);
        QImage image(40, 50, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString sealFile = f.env.path("inkan.png");
        QVERIFY(image.save(sealFile));
        f.env.settings().save("Inkan", sealFile);
        f.env.settings().save("InkanT", "1.5");
        f.env.settings().save("InkanY", "2.0");
        const std::initializer_list<int> company{14, 15, 16, 17, 18, 19};

        // Without the company choice: no company item and no seal, the file set or not.
        f.set("Company", 0);
        QVERIFY(f.print());
        QCOMPARE(f.items(0, company), QStringList(6, None));
        QVERIFY(!f.canvas.findText("株式会社キボラ"));
        QVERIFY(f.canvas.ops(RecordedOp::Picture).isEmpty());

        // With it, and the block moved by the offsets: the items, the second bank, the seal.
        f.set("Company", 1);
        f.set("Bank", 1);
        f.set("Left", 3);
        f.set("Top", -4);
        f.left = 3;
        f.top = -4;
        QVERIFY(f.print());
        QCOMPARE(
            f.items(0, company),
            QStringList({"株式会社キボラ", "〒100-0001", "東京都千代田区千代田1-1", "キボラビル",
                         "TEL:03-1234-5678 ", "ゆうちょ銀行 〇一八店 普通 7654321"}));
        const QList<RecordedOp> pictures = f.canvas.ops(RecordedOp::Picture);
        QCOMPARE(pictures.size(), 1);
        const RecordedOp& seal = pictures.first();
        QCOMPARE(seal.x, 3 + kHeaderX1 + 40);
        QCOMPARE(seal.y, -4 + HeaderY(14));
        QCOMPARE(seal.width, 15.0);
        QCOMPARE(seal.height, 20.0);
        QCOMPARE(seal.pictureSize, QSize(40, 50));
        // The name prints after the seal, over it.
        QVERIFY(seal.sequence < f.itemOp(0, 14)->sequence);

        // The first bank; a seal file gone since prints no seal and says nothing.
        f.set("Bank", 0);
        QVERIFY(QFile::remove(sealFile));
        QVERIFY(f.print());
        QCOMPARE(f.items(0, {19, 14}),
                 QStringList({"みずなみ銀行 本店 普通 1234567", "株式会社キボラ"}));
        QVERIFY(f.canvas.ops(RecordedOp::Picture).isEmpty());
        QCOMPARE(f.env.messages.count(), 0);
    }

    void detailsFontsAndBlocks() {
        Fixture f;
        f.storeLines(2);
        f.db->exec(
            "UPDATE 納品 SET Quantity = 2.5, UnitPrice = 1000, Price = 12345 WHERE Count = 1");
        f.db->exec("UPDATE 納品 SET Price = NULL WHERE Count = 2");
        f.addLayout(23, 2, true, "納品書2枚(納品書)");
        f.set("Duplicate", 2);
        f.set("Font", 1);
        QVERIFY(f.print(23));
        QCOMPARE(f.canvas.pageCount(), 1);
        QCOMPARE(f.column(0, 20), QStringList({"A001", "A002", "A001", "A002"}));
        QCOMPARE(f.column(0, 22), QStringList({"2.50", "2.00", "2.50", "2.00"}));
        QCOMPARE(f.column(0, 24), QStringList({"1,000", "100", "1,000", "100"}));
        // An empty amount leaves its place empty.
        QCOMPARE(f.column(0, 25), QStringList({"¥12,345", "¥12,345"}));

        // The second form of the sheet is the first one 148.5 mm lower.
        const auto upper = f.itemOp(0, 10, 1);
        const auto lower = f.itemOp(0, 10, 2);
        QVERIFY(upper && lower);
        QCOMPARE(lower->text, upper->text);
        const auto line2 = f.canvas.findTexts("A002");
        QCOMPARE(line2.size(), 2);
        QCOMPARE(line2[1].y - line2[0].y, 148.5);
        // Both forms carry the plain title, even where the layout marks its lower form as
        // a copy ("0/-1"): for a slip, only the copy set is 控え.
        QCOMPARE(f.canvas.findTexts("納品書").size(), 2);
        f.layoutDb->exec("UPDATE 伝票種類 SET Layout = '0/-1' WHERE Code = 23");
        QVERIFY(f.print(23));
        QCOMPARE(f.canvas.findTexts("納品書").size(), 2);
        QVERIFY(f.canvas.findTexts("納品書(控)").isEmpty());

        // With the Gothic body font the title is in Mincho at 18 points, the values after
        // it in Gothic at the layout's size; fixed texts in the other font at that size.
        const auto font = [](const std::optional<RecordedOp>& op) {
            return op ? QStringLiteral("%1 %2").arg(op->fontName).arg(op->fontSize) : None;
        };
        const QString body = PrintEngine::BodyFont(1), other = PrintEngine::OtherFont(1);
        QCOMPARE(QStringList({font(f.itemOp(0, 0)), font(f.itemOp(0, 1)),
                              font(f.canvas.findText("A001")), font(f.canvas.findText("合計", 0))}),
                 QStringList({other + " 18", body + " 11", body + " 11", other + " 11"}));
    }

    void runsThatPrintNothing() {
        Fixture f;
        f.storeLines(3);
        const auto refused = [&f](int layout, const QString& message) {
            QVERIFY(!f.print(layout));
            QCOMPARE(f.env.messages.texts(), QStringList({message}));
            QCOMPARE(f.env.messages.shown().first().title, "納品書");
            QCOMPARE(f.env.messages.shown().first().icon, MsgIcon::Stop);
            QVERIFY(f.canvas.operations().isEmpty());
            QCOMPARE(f.canvas.pageCount(), 0);
            QCOMPARE(f.canvas.endCount(), 0);
        };
        refused(99, "用紙情報が見つかりませんでした｡");
        f.header.UserCode = "999999";
        refused(kLayout, "顧客が見つかりませんでした｡");
        // When several things are missing, the last one checked is named.
        refused(99, "顧客が見つかりませんでした｡");
        f.header.UserCode = kUser;
        f.db->exec("DELETE FROM 自社情報");
        f.set("Company", 1);
        refused(kLayout, "自社情報が見つかりませんでした｡");

        // The company row is only wanted when the company prints.
        f.set("Company", 0);
        f.set("Duplicate", 2);
        QVERIFY(f.print());
        QCOMPARE(f.canvas.pageCount(), 1);
        // A job the printer refuses reports false.
        f.canvas.setEndResult(false);
        QVERIFY(!f.print());
        QCOMPARE(f.canvas.endCount(), 2);
    }
};

KIVORA_TEST(TestSlipPrint)
#include "tst_slipprint.moc"
