// Printing a stored delivery note on the recording canvas with a layout built in the
// test's own layout database: pages and copy sets, where the totals and page numbers
// go, the customer and company items with the dialog's choices, the seal, the detail
// formatting, the block offset, and runs that must stop before printing anything.
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
const QString kNumber = QStringLiteral("D-0042");

// Header items print left-aligned at X1 20 and one row of 4 mm per code, so each can be
// told apart by its place; detail columns start at 200 mm, 25 mm apart.
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
        db->exec(QStringLiteral(
                     "INSERT INTO 顧客 (Code, Name, Prefix1, ZipCode, Address1, Address2, TEL, "
                     "FAX, Position1, Charge1, Position2, Charge2, Prefix2) "
                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {kUser, QStringLiteral("山田商店"), QStringLiteral("様"),
                  QStringLiteral("910-0001"), QStringLiteral("福井県福井市大願寺1-2-3"),
                  QStringLiteral("山田ビル2F"), QStringLiteral("0776-11-2222"),
                  QStringLiteral("0776-11-3333"), QStringLiteral("営業部"),
                  QStringLiteral("佐藤一郎"), QStringLiteral("経理部"), QStringLiteral("鈴木花子"),
                  QStringLiteral("殿")});
        db->exec(QStringLiteral("UPDATE 自社情報 SET Name = ?, ZipCode = ?, Address1 = ?, "
                                "Address2 = ?, TEL = ?, FAX = ?, Bank1 = ?, Bank2 = ?"),
                 {QStringLiteral("株式会社キボラ"), QStringLiteral("100-0001"),
                  QStringLiteral("東京都千代田区千代田1-1"), QStringLiteral("キボラビル"),
                  QStringLiteral("03-1234-5678"), QStringLiteral(""),
                  QStringLiteral("みずなみ銀行 本店 普通 1234567"),
                  QStringLiteral("ゆうちょ銀行 〇一八店 普通 7654321")});
        // The test owns its layouts: the delivered ones would collide with its codes.
        for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
            layoutDb->exec(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
        addLayout(kLayout, 1, true, QStringLiteral("納品書A4(納品書)"));

        header.DocType = kType;
        header.UserCode = kUser;
        header.UserName = QStringLiteral("山田商店");
        header.Date = {QStringLiteral("2024"), QStringLiteral("05"), QStringLiteral("31")};
        header.Number = kNumber;
        header.ChargeName = QStringLiteral("田中");
        header.ChargePosition = QStringLiteral("営業課");
        header.Remark = QStringLiteral("毎度ありがとうございます");
        header.Totals = {QStringLiteral("¥6,600"), QStringLiteral("¥660"),
                         QStringLiteral("¥7,260")};
    }

    void addLayout(int code, int blocks, bool duplicate, const QString& name) {
        layoutDb->exec(
            QStringLiteral("INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, "
                           "LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '')"),
            {code, kType, name, duplicate ? 1 : 0, code, code, code, blocks, kRows, kRowHeight,
             11.0});
        QStringList items;
        for (int c = 0; c <= 40; ++c)
            items << QString::number(c);
        for (int block = 1; block <= blocks; ++block)
            layoutDb->exec(
                QStringLiteral("INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (?, ?, ?)"),
                {code, block, items.join(QLatin1Char('/'))});
        for (int c = 0; c <= 40; ++c) {
            const bool detail = c >= 20 && c <= 26;
            const double x1 = detail ? DetailX1(c) : kHeaderX1;
            // Quantities in the quantity format, unit prices with separators, amounts
            // in the yen form: the engine formats what the item table hands over.
            const int kind = c == 22 ? 3 : c == 24 ? 1 : c == 25 ? 2 : 0;
            layoutDb->exec(QStringLiteral("INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, "
                                          "Align, DataType) VALUES (?, ?, ?, ?, ?, 0, ?)"),
                           {code, c, x1, x1 + 24, detail ? kDetailY : HeaderY(c), kind});
        }
        layoutDb->exec(QStringLiteral("INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Type) "
                                      "VALUES (?, 10, 195, 190, 240, 1)"),
                       {code});
        layoutDb->exec(QStringLiteral("INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, "
                                      "Align) VALUES (?, 150, 190, 250, '合計', 0)"),
                       {code});
    }

    // Stores the document with `count` lines named 品目01, 品目02 …
    void storeLines(int count) {
        SlipHeader h;
        h.UserCode = kUser;
        h.DocType = kType;
        h.DocNumber = kNumber;
        h.IssueYMD = 20240531;
        QList<SlipLine> lines;
        for (int i = 1; i <= count; ++i) {
            SlipLine line;
            line.GoodsCode = QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0'));
            line.Goods = QStringLiteral("品目%1").arg(i, 2, 10, QLatin1Char('0'));
            line.Quantity = i;
            line.Unit = QStringLiteral("個");
            line.UnitPrice = 100;
            line.Price = 100.0 * i;
            lines << line;
        }
        DocumentStore(*db).Save(h, lines, 0);
    }

    void set(const char* name, int value) {
        env.settings().save(QStringLiteral("S%1").arg(kType) + QString::fromUtf8(name), value);
    }

    bool print(int layout = kLayout) {
        return SlipPrint::PrintSlip(canvas, *db, *layoutDb, env.settings(), env.messages,
                                    QStringLiteral("納品書"), QStringLiteral("#,#0.00"), layout,
                                    header);
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
        return op ? op->text : QStringLiteral("<none>");
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
    QStringList names(std::initializer_list<int> numbers) const {
        QStringList out;
        for (int i : numbers)
            out << QStringLiteral("品目%1").arg(i, 2, 10, QLatin1Char('0'));
        return out;
    }
};

} // namespace

class TestSlipPrint : public QObject {
    Q_OBJECT

private slots:
    void bothSetsRepeatThePagesAndMarkTheCopy() {
        Fixture f;
        f.storeLines(11); // 5 + 5 + 1 lines: three pages per set
        f.set("Duplicate", 0);
        QVERIFY(f.print());
        QCOMPARE(f.canvas.pageCount(), 6);
        QCOMPARE(f.canvas.endCount(), 1);
        QCOMPARE(f.env.messages.count(), 0);
        const QStringList numbers = {"1/3", "2/3", "3/3", "1/3", "2/3", "3/3"};
        for (int page = 0; page < 6; ++page) {
            const bool copy = page >= 3;
            QCOMPARE(f.item(page, 0),
                     copy ? QStringLiteral("納品書(控)") : QStringLiteral("納品書"));
            QCOMPARE(f.item(page, 31), numbers[page]);
            // Totals close a set: only its last page shows them.
            const bool last = page == 2 || page == 5;
            QCOMPARE(f.item(page, 28), last ? QStringLiteral("¥6,600") : QStringLiteral("<none>"));
            QCOMPARE(f.item(page, 29), last ? QStringLiteral("¥660") : QStringLiteral("<none>"));
            QCOMPARE(f.item(page, 30), last ? QStringLiteral("¥7,260") : QStringLiteral("<none>"));
            // Every page carries the header, the lines box and the fixed text.
            QCOMPARE(f.item(page, 5), QStringLiteral("D-0042"));
            QCOMPARE(f.canvas.ops(RecordedOp::Rect, page).size(), 1);
            QVERIFY(f.canvas.findText(QStringLiteral("合計"), page));
        }
        // The copy set prints the same lines again, page by page.
        QCOMPARE(f.column(0, 21), f.names({1, 2, 3, 4, 5}));
        QCOMPARE(f.column(1, 21), f.names({6, 7, 8, 9, 10}));
        QCOMPARE(f.column(2, 21), f.names({11}));
        QCOMPARE(f.column(3, 21), f.names({1, 2, 3, 4, 5}));
        QCOMPARE(f.column(5, 21), f.names({11}));
        // Lines follow each other by the row height.
        const auto sixth = f.canvas.findText(QStringLiteral("品目06"), 1);
        const auto seventh = f.canvas.findText(QStringLiteral("品目07"), 1);
        QVERIFY(sixth && seventh);
        QCOMPARE(sixth->y, kDetailY);
        QCOMPARE(seventh->y - sixth->y, kRowHeight);
    }

    void copyChoiceAndLayoutsWithoutCopies() {
        {
            Fixture f; // copy set only: one set, every title marked
            f.storeLines(11);
            f.set("Duplicate", 1);
            QVERIFY(f.print());
            QCOMPARE(f.canvas.pageCount(), 3);
            for (int page = 0; page < 3; ++page)
                QCOMPARE(f.item(page, 0), QStringLiteral("納品書(控)"));
            QCOMPARE(f.item(2, 30), QStringLiteral("¥7,260"));
            QCOMPARE(f.item(2, 31), QStringLiteral("3/3"));
        }
        {
            Fixture f; // document only
            f.storeLines(11);
            f.set("Duplicate", 2);
            QVERIFY(f.print());
            QCOMPARE(f.canvas.pageCount(), 3);
            for (int page = 0; page < 3; ++page)
                QCOMPARE(f.item(page, 0), QStringLiteral("納品書"));
        }
        {
            // A layout that allows no copy set prints the document alone, even when the
            // stored choice still asks for both sets or for the copy only.
            Fixture f;
            f.storeLines(6);
            f.addLayout(22, 1, false, QStringLiteral("納品書単票(納品書)"));
            for (int choice : {0, 1}) {
                f.canvas.discardJob();
                f.set("Duplicate", choice);
                QVERIFY(f.print(22));
                QCOMPARE(f.canvas.pageCount(), 2);
                QCOMPARE(f.item(0, 0), QStringLiteral("納品書"));
                QCOMPARE(f.item(1, 0), QStringLiteral("納品書"));
            }
        }
    }

    void pageCountFollowsTheLines() {
        {
            Fixture f; // exactly one page of lines: one page and no page number
            f.storeLines(kRows);
            f.set("Duplicate", 2);
            QVERIFY(f.print());
            QCOMPARE(f.canvas.pageCount(), 1);
            QCOMPARE(f.item(0, 31), QStringLiteral("<none>"));
            QCOMPARE(f.column(0, 21), f.names({1, 2, 3, 4, 5}));
            QCOMPARE(f.item(0, 30), QStringLiteral("¥7,260"));
        }
        {
            Fixture f; // one line more: two pages, numbered
            f.storeLines(kRows + 1);
            f.set("Duplicate", 2);
            QVERIFY(f.print());
            QCOMPARE(f.canvas.pageCount(), 2);
            QCOMPARE(f.item(0, 31), QStringLiteral("1/2"));
            QCOMPARE(f.item(1, 31), QStringLiteral("2/2"));
            QCOMPARE(f.column(1, 21), f.names({6}));
        }
        {
            // A document without lines still prints its header page, with its totals,
            // rather than silently printing nothing.
            Fixture f;
            f.set("Duplicate", 0);
            QVERIFY(f.print());
            QCOMPARE(f.canvas.pageCount(), 2);
            QCOMPARE(f.item(0, 0), QStringLiteral("納品書"));
            QCOMPARE(f.item(1, 0), QStringLiteral("納品書(控)"));
            QCOMPARE(f.item(0, 10), QStringLiteral("山田商店 様"));
            QCOMPARE(f.item(0, 30), QStringLiteral("¥7,260"));
            QVERIFY(f.column(0, 21).isEmpty());
            QCOMPARE(f.item(0, 31), QStringLiteral("<none>"));
        }
    }

    void customerItemsFollowTheContactChoice() {
        Fixture f;
        f.storeLines(1);
        f.set("Duplicate", 2);
        const auto run = [&f] {
            f.canvas.discardJob();
            QVERIFY(f.print());
        };
        f.set("Charge", 0);
        run();
        QCOMPARE(f.item(0, 7), QStringLiteral("〒910-0001"));
        QCOMPARE(f.item(0, 8), QStringLiteral("福井県福井市大願寺1-2-3"));
        QCOMPARE(f.item(0, 9), QStringLiteral("山田ビル2F"));
        QCOMPARE(f.item(0, 10), QStringLiteral("山田商店 様"));
        QCOMPARE(f.item(0, 11), QStringLiteral("営業部  佐藤一郎 殿"));
        QCOMPARE(f.item(0, 12), QStringLiteral("TEL:0776-11-2222 FAX:0776-11-3333"));
        QCOMPARE(f.item(0, 13), kUser);
        QCOMPARE(f.item(0, 1), QStringLiteral("20240531"));
        QCOMPARE(f.item(0, 6), QStringLiteral("田中"));
        QCOMPARE(f.item(0, 27), QStringLiteral("毎度ありがとうございます"));
        QCOMPARE(f.item(0, 40), QStringLiteral("営業課"));
        f.set("Charge", 1);
        run();
        QCOMPARE(f.item(0, 11), QStringLiteral("経理部  鈴木花子 殿"));
        f.set("Charge", 2);
        run();
        QCOMPARE(f.item(0, 10), QStringLiteral("山田商店 御中"));
        QCOMPARE(f.item(0, 11), QStringLiteral("  "));

        f.db->exec(QStringLiteral("UPDATE 顧客 SET TEL = '' WHERE Code = ?"), {kUser});
        run();
        QCOMPARE(f.item(0, 12), QStringLiteral("FAX:0776-11-3333"));
        f.db->exec(QStringLiteral("UPDATE 顧客 SET TEL = '0776-11-2222', FAX = '' WHERE Code = ?"),
                   {kUser});
        run();
        QCOMPARE(f.item(0, 12), QStringLiteral("TEL:0776-11-2222 "));
    }

    void companyItemsAndTheSeal() {
        Fixture f;
        f.storeLines(1);
        f.set("Duplicate", 2);
        QImage image(40, 50, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString sealFile = f.env.path(QStringLiteral("inkan.png"));
        QVERIFY(image.save(sealFile));
        f.env.settings().save(QStringLiteral("Inkan"), sealFile);
        f.env.settings().save(QStringLiteral("InkanT"), QStringLiteral("1.5"));
        f.env.settings().save(QStringLiteral("InkanY"), QStringLiteral("2.0"));

        // Without the company choice: no company item and no seal, the file set or not.
        f.set("Company", 0);
        QVERIFY(f.print());
        for (int code = 14; code <= 19; ++code)
            QCOMPARE(f.item(0, code), QStringLiteral("<none>"));
        QVERIFY(!f.canvas.findText(QStringLiteral("株式会社キボラ")));
        QVERIFY(f.canvas.ops(RecordedOp::Picture).isEmpty());

        f.canvas.discardJob();
        f.set("Company", 1);
        f.set("Bank", 1);
        f.set("Left", 3);
        f.set("Top", -4);
        f.left = 3;
        f.top = -4;
        QVERIFY(f.print());
        QCOMPARE(f.item(0, 14), QStringLiteral("株式会社キボラ"));
        QCOMPARE(f.item(0, 15), QStringLiteral("〒100-0001"));
        QCOMPARE(f.item(0, 16), QStringLiteral("東京都千代田区千代田1-1"));
        QCOMPARE(f.item(0, 17), QStringLiteral("キボラビル"));
        QCOMPARE(f.item(0, 18), QStringLiteral("TEL:03-1234-5678 "));
        QCOMPARE(f.item(0, 19), QStringLiteral("ゆうちょ銀行 〇一八店 普通 7654321"));
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

        f.canvas.discardJob();
        f.set("Bank", 0);
        QVERIFY(QFile::remove(sealFile));
        QVERIFY(f.print());
        QCOMPARE(f.item(0, 19), QStringLiteral("みずなみ銀行 本店 普通 1234567"));
        QCOMPARE(f.item(0, 14), QStringLiteral("株式会社キボラ"));
        QVERIFY(f.canvas.ops(RecordedOp::Picture).isEmpty());
        QCOMPARE(f.env.messages.count(), 0);
    }

    void detailsFontsAndBlocks() {
        Fixture f;
        f.storeLines(2);
        f.db->exec(QStringLiteral("UPDATE 納品 SET Quantity = 2.5, UnitPrice = 1000, Price = "
                                  "12345 WHERE Count = 1"));
        f.db->exec(QStringLiteral("UPDATE 納品 SET Price = NULL WHERE Count = 2"));
        f.addLayout(23, 2, true, QStringLiteral("納品書2枚(納品書)"));
        f.set("Duplicate", 2);
        f.set("Font", 1);
        QVERIFY(f.print(23));
        QCOMPARE(f.canvas.pageCount(), 1);
        QCOMPARE(f.column(0, 20), QStringList({"A001", "A002", "A001", "A002"}));
        QCOMPARE(f.column(0, 22), QStringList({"2.50", "2.00", "2.50", "2.00"}));
        QCOMPARE(f.column(0, 24), QStringList({"1,000", "100", "1,000", "100"}));
        // An empty amount leaves its place empty.
        QCOMPARE(f.column(0, 25), QStringList({"¥12,345", "¥12,345"}));
        QCOMPARE(f.column(0, 23), QStringList({"個", "個", "個", "個"}));

        // The second form of the sheet is the first one 148.5 mm lower.
        const auto upper = f.itemOp(0, 10, 1);
        const auto lower = f.itemOp(0, 10, 2);
        QVERIFY(upper && lower);
        QCOMPARE(lower->text, upper->text);
        const auto line2 = f.canvas.findTexts(QStringLiteral("A002"));
        QCOMPARE(line2.size(), 2);
        QCOMPARE(line2[1].y - line2[0].y, 148.5);
        // Without block marks both forms carry the plain title; a layout that marks its
        // lower form as the copy ("0/-1") titles that one "(控)".
        QCOMPARE(f.canvas.findTexts(QStringLiteral("納品書")).size(), 2);
        f.layoutDb->exec(QStringLiteral("UPDATE 伝票種類 SET Layout = '0/-1' WHERE Code = 23"));
        f.canvas.discardJob();
        QVERIFY(f.print(23));
        QCOMPARE(f.canvas.findTexts(QStringLiteral("納品書")).size(), 1);
        const auto copyTitles = f.canvas.findTexts(QStringLiteral("納品書(控)"));
        QCOMPARE(copyTitles.size(), 1);
        QVERIFY(copyTitles[0].y > f.canvas.findTexts(QStringLiteral("納品書"))[0].y + 140);

        // With the Gothic body font the title is in Mincho at 18 points, the values
        // after it in Gothic at the layout's size.
        const auto title = f.itemOp(0, 0);
        QVERIFY(title);
        QCOMPARE(title->fontName, PrintEngine::OtherFont(1));
        QCOMPARE(title->fontSize, 18.0);
        const auto date = f.itemOp(0, 1);
        QVERIFY(date);
        QCOMPARE(date->fontName, PrintEngine::BodyFont(1));
        QCOMPARE(date->fontSize, 11.0);
        QCOMPARE(f.canvas.findText(QStringLiteral("A001"))->fontName, PrintEngine::BodyFont(1));
        // Fixed texts come first on a page, in the other font at the layout's size.
        const auto fixed = f.canvas.findText(QStringLiteral("合計"), 0);
        QVERIFY(fixed);
        QCOMPARE(fixed->fontName, PrintEngine::OtherFont(1));
        QCOMPARE(fixed->fontSize, 11.0);
    }

    void missingRowsStopBeforeAnythingIsDrawn() {
        const auto check = [](Fixture& f, int layout, const QString& message) {
            QVERIFY(!f.print(layout));
            QCOMPARE(f.env.messages.texts(), QStringList({message}));
            const MessageRequest& shown = f.env.messages.shown().first();
            QCOMPARE(shown.title, QStringLiteral("納品書"));
            QCOMPARE(shown.icon, MsgIcon::Stop);
            QCOMPARE(f.canvas.pageCount(), 0);
            QVERIFY(f.canvas.operations().isEmpty());
            QCOMPARE(f.canvas.endCount(), 0);
        };
        {
            Fixture f;
            f.storeLines(3);
            check(f, 99, QStringLiteral("用紙情報が見つかりませんでした｡"));
        }
        {
            Fixture f;
            f.header.UserCode = QStringLiteral("999999");
            check(f, kLayout, QStringLiteral("顧客が見つかりませんでした｡"));
        }
        {
            // When several things are missing, the last one checked is named.
            Fixture f;
            f.header.UserCode = QStringLiteral("999999");
            check(f, 99, QStringLiteral("顧客が見つかりませんでした｡"));
        }
        {
            Fixture f;
            f.storeLines(3);
            f.db->exec(QStringLiteral("DELETE FROM 自社情報"));
            f.set("Company", 1);
            check(f, kLayout, QStringLiteral("自社情報が見つかりませんでした｡"));
        }
        {
            // The company row is only wanted when the company prints.
            Fixture f;
            f.storeLines(3);
            f.db->exec(QStringLiteral("DELETE FROM 自社情報"));
            f.set("Company", 0);
            f.set("Duplicate", 2);
            QVERIFY(f.print());
            QCOMPARE(f.canvas.pageCount(), 1);
        }
    }

    void refusedJobReturnsFalse() {
        Fixture f;
        f.storeLines(1);
        f.canvas.setEndResult(false);
        QVERIFY(!f.print());
        QCOMPARE(f.canvas.endCount(), 1);
    }
};

QTEST_MAIN(TestSlipPrint)
#include "tst_slipprint.moc"
