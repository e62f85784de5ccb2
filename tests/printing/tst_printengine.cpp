// The print engine on the recording canvas: how a value is formatted, where it lands in
// its box, how lines and blocks are drawn. Positions are millimetres; text extents come
// from the real fonts, so an expected position is computed from the canvas's textWidth.
#include "core/Startup.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFont.h"
#include "printing/RecordingCanvas.h"

#include <QFontInfo>
#include <QtTest>

namespace {

constexpr double Eps = 1e-9;

// A two-form layout in code: a frame and a rule, two fixed texts, a title, a document
// number, the company name, and two detail columns.
DocumentLayout twoFormLayout() {
    DocumentLayout layout;
    layout.kind.Code = 1;
    layout.kind.Name = QStringLiteral("納品書 2枚(納品書)");
    layout.kind.Block = 2;
    layout.kind.Rows = 5;
    layout.kind.RowHeight = 6.5;
    layout.kind.FontSize = 9;
    layout.items[1] = {0, 5, 20, 21, 14, 99};
    layout.items[2] = {0, 5, 21};
    layout.positions[0] = {0, 60, 150, 10, 2, 0};
    layout.positions[5] = {5, 150, 200, 20, 1, 0};
    layout.positions[14] = {14, 120, 200, 40, 0, 0};
    layout.positions[20] = {20, 10, 40, 60, 0, 0};
    layout.positions[21] = {21, 40, 120, 60, 0, 0};
    layout.lines << LayoutLine{10, 55, 200, 140, 0, 3, 0, 1}
                 << LayoutLine{10, 58, 200, 58, 0, 1, 2, 0};
    layout.fixedTexts << LayoutFixedText{10, 40, 55, QStringLiteral("商品番号"), 2}
                      << LayoutFixedText{40, 120, 55, QStringLiteral("品名"), 2};
    return layout;
}

PrintEngine::ItemSource slipSource(int lines) {
    PrintEngine::ItemSource source;
    source.isDetail = [](int code) { return code == 20 || code == 21; };
    source.header = [](int code) -> std::optional<QString> {
        switch (code) {
        case 0:
            return QStringLiteral("納品書");
        case 5:
            return QStringLiteral("000123");
        case 14:
            return QStringLiteral("株式会社キヴォラ");
        case 99:
            return QStringLiteral("位置のない項目");
        default:
            return std::nullopt;
        }
    };
    source.detail = [](int code, int line) -> std::optional<QString> {
        return (code == 20 ? QStringLiteral("A-") : QStringLiteral("品物")) + QString::number(line);
    };
    source.detailLines = lines;
    return source;
}

} // namespace

class TestPrintEngine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void formatKinds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("numFormat");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QString>("expected");
        const QString two = QStringLiteral("#,#0.00");
        const QString trim = QStringLiteral("#,#0.##");
        QTest::newRow("0 text unchanged") << "  株式会社 " << 0 << two << true << "  株式会社 ";
        QTest::newRow("0 number unchanged") << "1000" << 0 << two << true << "1000";
        QTest::newRow("1 small") << "12" << 1 << two << true << "12";
        QTest::newRow("1 thousands") << "1000" << 1 << two << true << "1,000";
        QTest::newRow("1 millions") << "1234567" << 1 << two << true << "1,234,567";
        QTest::newRow("1 rounds") << "12.6" << 1 << two << true << "13";
        QTest::newRow("1 negative") << "-1500" << 1 << two << true << "-1,500";
        QTest::newRow("1 already grouped") << "1,000" << 1 << two << true << "1,000";
        QTest::newRow("1 not a number") << "一式" << 1 << two << true << "一式";
        QTest::newRow("1 empty") << "" << 1 << two << true << "";
        QTest::newRow("2 yen") << "1000" << 2 << two << true << "¥1,000";
        QTest::newRow("2 zero") << "0" << 2 << two << true << "¥0";
        QTest::newRow("2 negative") << "-1000" << 2 << two << true << "-¥1,000";
        QTest::newRow("2 already shown") << "¥1,000" << 2 << two << true << "¥1,000";
        QTest::newRow("3 two places") << "2.5" << 3 << two << true << "2.50";
        QTest::newRow("3 trimmed") << "2.5" << 3 << trim << true << "2.5";
        QTest::newRow("3 trimmed whole") << "1200" << 3 << trim << true << "1,200";
        QTest::newRow("4 date") << "20010131" << 4 << two << true << "2001/01/31";
        QTest::newRow("4 zero prints nothing") << "0" << 4 << two << false << "";
        QTest::newRow("4 not a date") << "未定" << 4 << two << true << "未定";
        QTest::newRow("other kind plain") << "1000" << 7 << two << true << "1000";
    }
    void formatKinds() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, numFormat);
        QFETCH(bool, printed);
        QFETCH(QString, expected);
        const std::optional<QString> s = PrintEngine::FormatValue(text, kind, numFormat);
        QCOMPARE(s.has_value(), printed);
        if (printed)
            QCOMPARE(*s, expected);
    }

    // The yen sign drawn is U+00A5: the stored 0x5C would show as a backslash in the
    // installed fonts. The same reaches the canvas through PrintText.
    void yenAmountReachesTheCanvas() {
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QStringLiteral("#,#0.##"));
        engine.PrintText(QStringLiteral("1000"), 100, 150, 30, 1, 2);
        QCOMPARE(canvas.textStrings(), QStringList{QStringLiteral("\u00A51,000")});
        QVERIFY(!canvas.textStrings().first().contains(QLatin1Char('\\')));
    }

    void fontsOfTheChoice() {
        QCOMPARE(PrintEngine::BodyFont(0), QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(PrintEngine::OtherFont(0), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(PrintEngine::BodyFont(1), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(PrintEngine::OtherFont(1), QStringLiteral("ＭＳ 明朝"));
        // Full-width M and S, then a half-width space.
        QCOMPARE(PrintEngine::BodyFont(0).left(3), QStringLiteral("\uFF2D\uFF33 "));
        // Both names reach the installed Japanese fonts, not a Latin fallback, and the
        // vertical mark does not hide the family.
        const QString mincho = QFontInfo(QFont(QStringLiteral("IPAMincho"))).family();
        const QString gothic = QFontInfo(QFont(QStringLiteral("IPAGothic"))).family();
        QVERIFY(mincho != gothic);
        QCOMPARE(QFontInfo(PrintFont::Font(PrintEngine::BodyFont(0), 10)).family(), mincho);
        QCOMPARE(QFontInfo(PrintFont::Font(PrintEngine::BodyFont(1), 10)).family(), gothic);
        QCOMPARE(QFontInfo(PrintFont::Font(QStringLiteral("@ＭＳ 明朝"), 10)).family(), mincho);
    }

    // Extents are those of the font on paper: a full-width character is one em wide, so
    // at 12 points 12/72 inch; text scales with the size.
    void textExtentsFollowTheFont() {
        RecordingCanvas canvas;
        canvas.setFontName(QStringLiteral("ＭＳ 明朝"));
        canvas.setFontSize(12);
        const double em = 12.0 / 72.0 * 25.4;
        QVERIFY(qAbs(canvas.textWidth(QStringLiteral("山")) - em) < 0.01);
        QVERIFY(qAbs(canvas.textWidth(QStringLiteral("山田商店")) - 4 * em) < 0.04);
        const double digits = canvas.textWidth(QStringLiteral("1,000"));
        QVERIFY(digits > 1.5 * em && digits < 4 * em);
        QVERIFY(canvas.textHeight(QStringLiteral("山")) >= em * 0.99);
        QVERIFY(canvas.textHeight(QStringLiteral("山")) < em * 1.5);
        canvas.setFontSize(24);
        QVERIFY(qAbs(canvas.textWidth(QStringLiteral("1,000")) - 2 * digits) < 0.02);
    }

    void alignmentInTheBox_data() {
        QTest::addColumn<int>("align");
        QTest::addColumn<QString>("text");
        QTest::newRow("left amount") << 0 << "123,456";
        QTest::newRow("right amount") << 1 << "123,456";
        QTest::newRow("centred amount") << 2 << "123,456";
        QTest::newRow("right kanji") << 1 << "株式会社山田商店";
        QTest::newRow("centred kanji") << 2 << "御見積書";
    }
    void alignmentInTheBox() {
        QFETCH(int, align);
        QFETCH(QString, text);
        RecordingCanvas canvas;
        canvas.setFontSize(10.5);
        PrintEngine engine(canvas, QString());
        const double x1 = 120.0, x2 = 180.0, y = 42.25;
        engine.PrintText(text, x1, x2, y, align, 0);
        const QList<RecordedOp> texts = canvas.texts();
        QCOMPARE(texts.size(), 1);
        const RecordedOp& t = texts.first();
        const double w = canvas.textWidth(text);
        QCOMPARE(t.text, text);
        QCOMPARE(t.y, y);
        QVERIFY(qAbs(t.width - w) < Eps);
        switch (align) {
        case 0: // starts 1.0 mm right of x1
            QVERIFY(qAbs(t.x - (x1 + 1.0)) < Eps);
            break;
        case 1: // ends exactly 1.0 mm left of x2
            QVERIFY(qAbs(t.right() - (x2 - 1.0)) < Eps);
            break;
        default: // centred on the box, no margin
            QVERIFY(qAbs((t.x + t.right()) / 2 - (x1 + x2) / 2) < Eps);
            QVERIFY(qAbs(t.x - ((x1 + x2) / 2 - w / 2)) < Eps);
            break;
        }
    }

    // An unknown alignment leaves the text where the previous one ended.
    void unknownAlignmentContinuesFromTheLastText() {
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QString());
        engine.PrintText(QStringLiteral("〒"), 20, 80, 30, 0, 0);
        engine.PrintText(QStringLiteral("910-0001"), 20, 80, 30, 9, 0);
        const QList<RecordedOp> texts = canvas.texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY(qAbs(texts[1].x - texts[0].right()) < Eps);
        QVERIFY(qAbs(texts[0].x - 21.0) < Eps);
    }

    // A text longer than its box is neither cut nor shrunk: it runs over the edge.
    void overLongTextIsNotCut() {
        RecordingCanvas canvas;
        canvas.setFontSize(10);
        PrintEngine engine(canvas, QString());
        const QString name = QStringLiteral("株式会社とても長い名前の取引先様営業本部第一課");
        engine.PrintText(name, 50, 70, 10, 1, 0);
        engine.PrintText(name, 50, 70, 20, 0, 0);
        const QList<RecordedOp> texts = canvas.texts();
        QCOMPARE(texts.size(), 2);
        for (const RecordedOp& t : texts) {
            QCOMPARE(t.text, name);
            QCOMPARE(t.fontSize, 10.0);
            QVERIFY(t.width > 20.0);
        }
        QVERIFY(texts[0].x < 50.0);                   // right-aligned starts left of x1
        QVERIFY(qAbs(texts[0].right() - 69.0) < Eps); // and still ends at x2 - 1
        QVERIFY(texts[1].right() > 70.0);             // left-aligned runs past x2
    }

    void dateZeroLeavesItsPlaceEmpty() {
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QString());
        engine.PrintText(QStringLiteral("0"), 10, 50, 10, 0, 4);
        QCOMPARE(canvas.texts().size(), 0);
        engine.PrintText(QStringLiteral("20010131"), 10, 50, 10, 1, 4);
        QCOMPARE(canvas.textStrings(), QStringList{QStringLiteral("2001/01/31")});
        QVERIFY(qAbs(canvas.texts().first().right() - 49.0) < Eps);
    }

    // Vertical writing: the text runs along X from y, each character centred across the
    // band [x1, x2] by its own height; the alignment plays no part.
    void verticalItemCentresEachCharacter_data() {
        QTest::addColumn<int>("align");
        QTest::newRow("left") << 0;
        QTest::newRow("right") << 1;
        QTest::newRow("centred") << 2;
    }
    void verticalItemCentresEachCharacter() {
        QFETCH(int, align);
        RecordingCanvas canvas;
        canvas.setFontName(QStringLiteral("@ＭＳ 明朝"));
        canvas.setFontSize(14);
        PrintEngine engine(canvas, QString());
        const QString name = QStringLiteral("山田1丁目");
        engine.PrintText(name, 30, 50, 15, align, 0, true);
        const QList<RecordedOp> texts = canvas.texts();
        QCOMPARE(texts.size(), name.size());
        double x = 15;
        for (int i = 0; i < texts.size(); ++i) {
            const RecordedOp& t = texts[i];
            QCOMPARE(t.text, QString(name.at(i)));
            QCOMPARE(t.fontName, QStringLiteral("@ＭＳ 明朝"));
            QVERIFY(qAbs(t.x - x) < Eps);
            QVERIFY(qAbs(t.y + t.height / 2 - 40.0) < Eps); // centre of the band
            x += canvas.textWidth(t.text);
        }
        // Half-width and full-width characters advance by their own widths.
        QVERIFY(texts[2].width < texts[1].width);
    }

    void linesRectanglesAndCircles() {
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QString());
        engine.DrawLine({10, 200}, {20, 20}, 0, 1, 0, 0);
        engine.DrawLine({10, 200}, {30, 90}, 0xFF0000, 4, 6, 1);
        engine.DrawLine({105, 12}, {60, 999}, 255, 2, 1, 2);
        engine.DrawLine({80, 7.5}, {60, 0}, 0, 3, 5, 9);
        const QList<RecordedOp> all = canvas.operations();
        QCOMPARE(all.size(), 4);
        QCOMPARE(all[0].kind, RecordedOp::Line);
        QCOMPARE(all[0].x, 10.0);
        QCOMPARE(all[0].y, 20.0);
        QCOMPARE(all[0].x2, 200.0);
        QCOMPARE(all[0].y2, 20.0);
        QCOMPARE(all[0].penWidth, 1);
        QCOMPARE(all[0].penStyle, 0);

        QCOMPARE(all[1].kind, RecordedOp::Rect);
        QCOMPARE(all[1].x, 10.0);
        QCOMPARE(all[1].y, 30.0);
        QCOMPARE(all[1].x2, 200.0);
        QCOMPARE(all[1].y2, 90.0);
        QCOMPARE(all[1].color, quint32(0xFF0000));
        QCOMPARE(all[1].penWidth, 4);
        QCOMPARE(all[1].penStyle, 6);

        // Any type but 0 and 1 is a circle around the first point with the second X as
        // its radius; the second Y plays no part.
        for (int i : {2, 3}) {
            QCOMPARE(all[i].kind, RecordedOp::Circle);
        }
        QCOMPARE(all[2].x, 105.0);
        QCOMPARE(all[2].y, 60.0);
        QCOMPARE(all[2].radius, 12.0);
        QCOMPARE(all[2].color, quint32(255));
        QCOMPARE(all[2].penStyle, 1);
        QCOMPARE(all[2].penWidth, 2);
        QCOMPARE(all[3].radius, 7.5);
        QCOMPARE(all[3].penStyle, 5);
    }

    void blockOffsets_data() {
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("block");
        QTest::addColumn<bool>("receiptOffA4");
        QTest::addColumn<double>("offset");
        QTest::newRow("one form") << 1 << 1 << false << 0.0;
        QTest::newRow("two forms, upper") << 2 << 1 << false << 0.0;
        QTest::newRow("two forms, lower") << 2 << 2 << false << 148.5;
        QTest::newRow("three forms, second") << 3 << 2 << false << 98.5;
        QTest::newRow("three forms, third") << 3 << 3 << false << 197.0;
        QTest::newRow("receipt off A4, two") << 2 << 2 << true << 127.5;
        QTest::newRow("receipt off A4, three") << 3 << 3 << true << 171.4;
        QTest::newRow("receipt off A4, first") << 3 << 1 << true << 0.0;
    }
    void blockOffsets() {
        QFETCH(int, blocks);
        QFETCH(int, block);
        QFETCH(bool, receiptOffA4);
        QFETCH(double, offset);
        QVERIFY(qAbs(PrintEngine::BlockOffset(blocks, block, receiptOffA4) - offset) < Eps);
    }

    // One block: lines first, then the fixed texts in the other font, then the header
    // items in the body font (the title in the other font at 18 points), then the lines
    // of the page, each RowHeight lower.
    void blockDrawingOrderAndFonts() {
        const DocumentLayout layout = twoFormLayout();
        RecordingCanvas canvas;
        canvas.setFontName(PrintEngine::BodyFont(0));
        canvas.setFontSize(layout.kind.FontSize);
        PrintEngine engine(canvas, QString());
        PrintEngine::ItemSource source = slipSource(3);
        QList<QString> events;
        source.aroundHeader = [&](int code, bool before) {
            events << QStringLiteral("%1 %2 %3 %4")
                          .arg(code)
                          .arg(before ? QStringLiteral("before") : QStringLiteral("after"))
                          .arg(canvas.fontName())
                          .arg(canvas.fontSize());
        };
        QList<QPointF> sealPlaces;
        source.beforeHeader = [&](int code, double x1, double y) {
            if (code == 14)
                sealPlaces << QPointF(x1, y);
        };
        const double left = 3, top = -2;
        engine.DrawBlock(layout, 1, left, top, 0, 0, source);

        const QList<RecordedOp> all = canvas.operations();
        // 2 lines, 2 fixed texts, title, number, company, 3 × 2 detail texts.
        QCOMPARE(all.size(), 2 + 2 + 3 + 6);
        QCOMPARE(all[0].kind, RecordedOp::Rect);
        QCOMPARE(all[1].kind, RecordedOp::Line);
        QCOMPARE(all[1].penStyle, 2);
        QCOMPARE(all[0].x, 13.0); // Left + X1
        QCOMPARE(all[0].y, 53.0); // Top + Y1
        QCOMPARE(all[0].y2, 138.0);

        QStringList order;
        for (const RecordedOp& op : all)
            if (op.kind == RecordedOp::Text)
                order << op.text;
        QCOMPARE(order, (QStringList{"商品番号", "品名", "納品書", "000123", "株式会社キヴォラ",
                                     "A-0", "品物0", "A-1", "品物1", "A-2", "品物2"}));

        const auto text = [&](const QString& s) { return *canvas.findText(s); };
        const QString gothic = QStringLiteral("ＭＳ ゴシック"),
                      mincho = QStringLiteral("ＭＳ 明朝");
        QCOMPARE(text("商品番号").fontName, gothic);
        QCOMPARE(text("商品番号").fontSize, 9.0);
        QCOMPARE(text("納品書").fontName, gothic);
        QCOMPARE(text("納品書").fontSize, 18.0);
        QCOMPARE(text("000123").fontName, mincho);
        QCOMPARE(text("000123").fontSize, 9.0);
        QCOMPARE(text("品物2").fontName, mincho);
        QCOMPARE(canvas.fontName(), mincho);
        QCOMPARE(canvas.fontSize(), 9.0);
        QCOMPARE(events, (QList<QString>{"0 before ＭＳ ゴシック 18", "0 after ＭＳ 明朝 9"}));

        // Fixed texts are centred in their boxes (with the adjustments), kind 0.
        QVERIFY(qAbs((text("品名").x + text("品名").right()) / 2 - (left + 80)) < Eps);
        QCOMPARE(text("品名").y, 53.0);
        // The title is centred; the number right-aligned 1.0 mm inside its box.
        QVERIFY(qAbs((text("納品書").x + text("納品書").right()) / 2 - (left + 105)) < Eps);
        QVERIFY(qAbs(text("000123").right() - (left + 200 - 1.0)) < Eps);
        // The seal is placed from where the company name prints.
        QCOMPARE(sealPlaces, QList<QPointF>{QPointF(left + 120, top + 40)});
        QVERIFY(qAbs(text("株式会社キヴォラ").x - (left + 121)) < Eps);
        // Detail line n is n × RowHeight below the first.
        for (int n = 0; n < 3; ++n) {
            const RecordedOp code = text(QStringLiteral("A-%1").arg(n));
            QVERIFY(qAbs(code.y - (top + 60 + n * 6.5)) < Eps);
            QVERIFY(qAbs(code.x - (left + 11)) < Eps);
        }
    }

    // The gothic choice swaps the fonts: items in ゴシック, fixed texts and title in 明朝.
    void gothicChoiceSwapsTheFonts() {
        const DocumentLayout layout = twoFormLayout();
        RecordingCanvas canvas;
        canvas.setFontName(PrintEngine::BodyFont(1));
        canvas.setFontSize(layout.kind.FontSize);
        PrintEngine engine(canvas, QString());
        engine.DrawBlock(layout, 1, 0, 0, 0, 1, slipSource(1));
        QCOMPARE(canvas.findText(QStringLiteral("商品番号"))->fontName,
                 QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(canvas.findText(QStringLiteral("納品書"))->fontName, QStringLiteral("ＭＳ 明朝"));
        QCOMPARE(canvas.findText(QStringLiteral("000123"))->fontName,
                 QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(canvas.findText(QStringLiteral("A-0"))->fontName, QStringLiteral("ＭＳ ゴシック"));
    }

    // Block 2 of a two-form sheet draws everything 148.5 mm lower, with its own items.
    void secondBlockIsHalfASheetLower() {
        const DocumentLayout layout = twoFormLayout();
        RecordingCanvas canvas;
        canvas.setFontSize(layout.kind.FontSize);
        PrintEngine engine(canvas, QString());
        for (int block = 1; block <= 2; ++block)
            engine.DrawBlock(layout, block, 0, 0, PrintEngine::BlockOffset(2, block), 0,
                             slipSource(2));
        const QList<RecordedOp> rects = canvas.ops(RecordedOp::Rect);
        QCOMPARE(rects.size(), 2);
        QVERIFY(qAbs(rects[1].y - rects[0].y - 148.5) < Eps);
        QVERIFY(qAbs(rects[1].y2 - rects[0].y2 - 148.5) < Eps);
        for (const QString& s : {QStringLiteral("商品番号"), QStringLiteral("納品書"),
                                 QStringLiteral("000123"), QStringLiteral("品物1")}) {
            const QList<RecordedOp> both = canvas.findTexts(s);
            QCOMPARE(both.size(), 2);
            QVERIFY(qAbs(both[1].y - both[0].y - 148.5) < Eps);
            QCOMPARE(both[1].x, both[0].x);
        }
        // Block 2 lists neither the company nor the goods codes.
        QCOMPARE(canvas.findTexts(QStringLiteral("株式会社キヴォラ")).size(), 1);
        QCOMPARE(canvas.findTexts(QStringLiteral("A-1")).size(), 1);
    }

    // Codes the caller does not print, codes without a position and detail codes among
    // the header items draw nothing; a block with no item list still draws its lines.
    void itemsThatDoNotPrint() {
        DocumentLayout layout = twoFormLayout();
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QString());
        PrintEngine::ItemSource source = slipSource(0);
        QList<int> asked;
        const auto header = source.header;
        source.header = [&](int code) {
            asked << code;
            return header(code);
        };
        engine.DrawBlock(layout, 1, 0, 0, 0, 0, source);
        QCOMPARE(asked, (QList<int>{0, 5, 14, 99})); // detail codes are not asked as headers
        QVERIFY(!canvas.findText(QStringLiteral("位置のない項目")));
        QVERIFY(!canvas.findText(QStringLiteral("A-0")));

        RecordingCanvas bare;
        PrintEngine bareEngine(bare, QString());
        bareEngine.DrawBlock(layout, 3, 0, 0, 0, 0, slipSource(2));
        QCOMPARE(bare.ops(RecordedOp::Text).size(), 2); // the fixed texts only
        QCOMPARE(bare.ops(RecordedOp::Rect).size(), 1);
    }

    // Pages as the recording canvas keeps them.
    void recordedPages() {
        RecordingCanvas canvas;
        QCOMPARE(canvas.pageCount(), 0);
        canvas.newPage(); // before anything: the first page stays blank
        canvas.drawText(10, 10, QStringLiteral("二"));
        canvas.newPage();
        canvas.drawText(10, 10, QStringLiteral("三"));
        QCOMPARE(canvas.pageCount(), 3);
        QVERIFY(canvas.pages()[0].isEmpty());
        QCOMPARE(canvas.findText(QStringLiteral("三"))->page, 2);
        QVERIFY(!canvas.findText(QStringLiteral("三"), 1));
        QVERIFY(canvas.endJob());
        QVERIFY(canvas.ended());
        canvas.discardJob();
        QCOMPARE(canvas.pageCount(), 0);
        QVERIFY(canvas.discarded() && !canvas.ended());
        canvas.setEndResult(false);
        QVERIFY(!canvas.endJob());
    }
};

QTEST_MAIN(TestPrintEngine)
#include "tst_printengine.moc"
