// Reading document layouts from the layout database: which rows belong to a layout, in
// what order, and how the stored values arrive. The delivered rows are removed first so
// that each test sees only the layouts it writes.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/Startup.h"
#include "printing/LayoutTables.h"
#include "printing/PrintEngine.h"
#include "printing/RecordingCanvas.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<Database> emptyLayoutDb(TestEnv& env) {
    auto db = std::make_unique<Database>(env.state.DbNames[1], LayoutDbMarkerTable());
    for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
        db->exec(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
    return db;
}

void addKind(Database& db, int code, int docType, const QString& name, bool duplicate, int itemCode,
             int lineCode, int fixCode, int block, int rows, double rowHeight, double fontSize,
             const QString& layout = QString()) {
    db.exec(QStringLiteral("INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, "
                           "LineCode, FixItemCode, Block, Rows, RowHeight, FontSize, Layout) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {code, docType, name, duplicate ? 1 : 0, itemCode, lineCode, fixCode, block, rows,
             rowHeight, fontSize, layout});
}

void addItems(Database& db, int code, int block, const QString& items) {
    db.exec(QStringLiteral("INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (?, ?, ?)"),
            {code, block, items});
}

void addPosition(Database& db, int code, int item, double x1, double x2, double y1, int align,
                 int kind) {
    db.exec(QStringLiteral("INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {code, item, x1, x2, y1, align, kind});
}

void addLine(Database& db, int code, double x1, double y1, double x2, double y2, qint64 color,
             int width, int style, int type) {
    db.exec(QStringLiteral("INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {code, x1, y1, x2, y2, color, width, style, type});
}

void addFixed(Database& db, int code, double x1, double x2, double y1, const QString& text,
              int align) {
    db.exec(QStringLiteral("INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) "
                           "VALUES (?, ?, ?, ?, ?, ?)"),
            {code, x1, x2, y1, text, align});
}

QList<int> codesOf(const QList<DocumentLayoutKind>& kinds) {
    QList<int> codes;
    for (const DocumentLayoutKind& k : kinds)
        codes << k.Code;
    return codes;
}

} // namespace

class TestLayoutTables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void splitCodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("plain") << "0/1/2/3" << QList<int>{0, 1, 2, 3};
        QTest::newRow("order kept") << "31/5/20" << QList<int>{31, 5, 20};
        QTest::newRow("single") << "14" << QList<int>{14};
        QTest::newRow("empty") << "" << QList<int>{};
        QTest::newRow("copy marks") << "0/-1" << QList<int>{0, -1};
        QTest::newRow("blanks") << " 4 / 5 " << QList<int>{4, 5};
        QTest::newRow("empty parts") << "1//2/" << QList<int>{1, 2};
        QTest::newRow("not numbers") << "a/3/x7/8" << QList<int>{3, 8};
    }
    void splitCodes() {
        QFETCH(QString, text);
        QFETCH(QList<int>, codes);
        QCOMPARE(LayoutTables::SplitCodes(text), codes);
    }

    // The dialog's list: the layouts of one type, in code order, with every column.
    void layoutsOfATypeInCodeOrder() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        addKind(*db, 30, 2, QStringLiteral("納品書 2枚(納品書)"), true, 3, 4, 5, 2, 12, 6.5, 9.5,
                QStringLiteral("0/-1"));
        addKind(*db, 10, 2, QStringLiteral("納品書 A4(納品書)"), false, 1, 1, 1, 1, 20, 7, 10);
        addKind(*db, 20, 2, QStringLiteral("納品書 別(納品書)"), true, 1, 1, 1, 1, 20, 7, 10);
        addKind(*db, 15, 3, QStringLiteral("請求書 A4(請求書)"), true, 1, 1, 1, 1, 20, 7, 10);

        QCOMPARE(codesOf(LayoutTables::DocumentLayouts(*db, 2)), (QList<int>{10, 20, 30}));
        QCOMPARE(codesOf(LayoutTables::DocumentLayouts(*db, 3)), QList<int>{15});
        QVERIFY(LayoutTables::DocumentLayouts(*db, 6).isEmpty());

        const DocumentLayoutKind k = LayoutTables::DocumentLayouts(*db, 2).last();
        QCOMPARE(k.DocType, 2);
        QCOMPARE(k.Name, QStringLiteral("納品書 2枚(納品書)"));
        QVERIFY(k.Duplicate);
        QCOMPARE(k.ItemCode, 3);
        QCOMPARE(k.LineCode, 4);
        QCOMPARE(k.FixItemCode, 5);
        QCOMPARE(k.Block, 2);
        QCOMPARE(k.Rows, 12);
        QCOMPARE(k.RowHeight, 6.5);
        QCOMPARE(k.FontSize, 9.5);
        QCOMPARE(k.Layout, QStringLiteral("0/-1"));
        QVERIFY(!LayoutTables::DocumentLayouts(*db, 2).first().Duplicate);
    }

    // One layout gathers its rows by its three codes and no others.
    void layoutWithItsRows() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        addKind(*db, 7, 0, QStringLiteral("見積書(御見積書)"), true, 11, 12, 13, 2, 20, 7, 10);
        addItems(*db, 11, 1, QStringLiteral("0/5/20/21"));
        addItems(*db, 11, 2, QStringLiteral("0/31"));
        addItems(*db, 11, 3, QStringLiteral("99")); // beyond Block: never printed
        addItems(*db, 12, 1, QStringLiteral("77")); // another code's items
        addPosition(*db, 11, 21, 40, 120, 60, 0, 0);
        addPosition(*db, 11, 0, 60, 150, 10, 2, 0);
        addPosition(*db, 11, 5, 150, 200, 20.5, 1, 0);
        addPosition(*db, 13, 6, 1, 2, 3, 0, 0); // another code's position
        addLine(*db, 12, 10, 55, 200, 140, 0xC08040, 3, 6, 1);
        addLine(*db, 12, 10, 62, 200, 62, 0, 1, 2, 0);
        addLine(*db, 11, 0, 0, 1, 1, 0, 1, 0, 0); // another code's line
        addFixed(*db, 13, 10, 40, 55, QStringLiteral("商品番号"), 2);
        addFixed(*db, 12, 0, 0, 0, QStringLiteral("別の固定項目"), 0);

        const std::optional<DocumentLayout> layout = LayoutTables::ReadDocumentLayout(*db, 7);
        QVERIFY(layout);
        QCOMPARE(layout->kind.Code, 7);
        QCOMPARE(layout->kind.Name, QStringLiteral("見積書(御見積書)"));
        QCOMPARE(layout->items.keys(), (QList<int>{1, 2}));
        QCOMPARE(layout->items[1], (QList<int>{0, 5, 20, 21}));
        QCOMPARE(layout->items[2], (QList<int>{0, 31}));

        QCOMPARE(layout->positions.keys(), (QList<int>{0, 5, 21}));
        const LayoutPosition number = layout->positions[5];
        QCOMPARE(number.ItemNo, 5);
        QCOMPARE(number.X1, 150.0);
        QCOMPARE(number.X2, 200.0);
        QCOMPARE(number.Y1, 20.5);
        QCOMPARE(number.Align, 1);
        QCOMPARE(layout->positions[0].Align, 2);

        QCOMPARE(layout->lines.size(), 2);
        const LayoutLine frame = layout->lines[0].Type == 1 ? layout->lines[0] : layout->lines[1];
        QCOMPARE(frame.X1, 10.0);
        QCOMPARE(frame.Y1, 55.0);
        QCOMPARE(frame.X2, 200.0);
        QCOMPARE(frame.Y2, 140.0);
        QCOMPARE(frame.Color, quint32(0xC08040));
        QCOMPARE(frame.Width, 3);
        QCOMPARE(frame.Style, 6);

        QCOMPARE(layout->fixedTexts.size(), 1);
        QCOMPARE(layout->fixedTexts[0].Character, QStringLiteral("商品番号"));
        QCOMPARE(layout->fixedTexts[0].Align, 2);
        QCOMPARE(layout->fixedTexts[0].Y1, 55.0);

        QVERIFY(!LayoutTables::ReadDocumentLayout(*db, 8));
    }

    // Layouts may share rows by sharing codes, and a layout whose codes have no rows
    // still reads (it prints nothing but its items).
    void sharedAndMissingRows() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        addKind(*db, 1, 2, QStringLiteral("納品書(納品書)"), true, 5, 5, 5, 1, 20, 7, 10);
        addKind(*db, 2, 3, QStringLiteral("請求書(請求書)"), true, 5, 9, 9, 1, 20, 7, 10);
        addItems(*db, 5, 1, QStringLiteral("0/25"));
        addPosition(*db, 5, 25, 150, 180, 60, 1, 1);
        addLine(*db, 5, 10, 10, 20, 20, 0, 1, 0, 0);
        const auto one = LayoutTables::ReadDocumentLayout(*db, 1);
        const auto two = LayoutTables::ReadDocumentLayout(*db, 2);
        QVERIFY(one && two);
        QCOMPARE(two->items[1], one->items[1]);
        QCOMPARE(two->positions[25].DataType, 1);
        QCOMPARE(one->lines.size(), 1);
        QVERIFY(two->lines.isEmpty());
        QVERIFY(two->fixedTexts.isEmpty());
    }

    // Values are bound, never part of the statement: a layout name with quotes and
    // semicolons is read back as written.
    void namesAreData() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        const QString name = QStringLiteral("O'Brien; DROP TABLE 伝票種類(見積書)");
        addKind(*db, 3, 0, name, false, 1, 1, 1, 1, 10, 7, 10);
        QCOMPARE(LayoutTables::ReadDocumentLayout(*db, 3)->kind.Name, name);
        QVERIFY(db->tableExists(QStringLiteral("伝票種類")));
    }

    // From the tables to the page: a stored layout drawn by the engine lands where its
    // rows, the adjustments and the block offset say.
    void storedLayoutDrawnByTheEngine() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        addKind(*db, 4, 2, QStringLiteral("納品書 2枚(納品書)"), true, 4, 4, 4, 2, 10, 6, 10);
        addItems(*db, 4, 1, QStringLiteral("5/25"));
        addItems(*db, 4, 2, QStringLiteral("5"));
        addPosition(*db, 4, 5, 150, 200, 20, 1, 0);
        addPosition(*db, 4, 25, 150, 180, 60, 1, 2);
        addLine(*db, 4, 10, 55, 200, 140, 0, 2, 0, 1);
        addFixed(*db, 4, 150, 180, 50, QStringLiteral("金額"), 2);
        const DocumentLayout layout = *LayoutTables::ReadDocumentLayout(*db, 4);

        RecordingCanvas canvas;
        canvas.setFontSize(layout.kind.FontSize);
        PrintEngine engine(canvas, QStringLiteral("#,#0.##"));
        PrintEngine::ItemSource source;
        source.isDetail = [](int code) { return code == 25; };
        source.header = [](int) { return std::optional<QString>(QStringLiteral("000042")); };
        source.detail = [](int, int line) {
            return std::optional<QString>(QString::number((line + 1) * 1000));
        };
        source.detailLines = 2;
        for (int block = 1; block <= layout.kind.Block; ++block)
            engine.DrawBlock(layout, block, -5, 3, PrintEngine::BlockOffset(2, block), 0, source);

        const QList<RecordedOp> numbers = canvas.findTexts(QStringLiteral("000042"));
        QCOMPARE(numbers.size(), 2);
        QVERIFY(qAbs(numbers[0].right() - (200 - 5 - 1.0)) < 1e-9);
        QVERIFY(qAbs(numbers[0].y - 23.0) < 1e-9);
        QVERIFY(qAbs(numbers[1].y - (23.0 + 148.5)) < 1e-9);
        const std::optional<RecordedOp> second = canvas.findText(QStringLiteral("¥2,000"));
        QVERIFY(second);
        QVERIFY(qAbs(second->y - (3 + 60 + 6)) < 1e-9);
        QVERIFY(qAbs(second->right() - (180 - 5 - 1.0)) < 1e-9);
        QCOMPARE(canvas.findTexts(QStringLiteral("金額")).size(), 2);
        QCOMPARE(canvas.ops(RecordedOp::Rect).size(), 2);
        QCOMPARE(canvas.ops(RecordedOp::Rect)[1].y, 3 + 55 + 148.5);
    }
};

QTEST_MAIN(TestLayoutTables)
#include "tst_layouttables.moc"
