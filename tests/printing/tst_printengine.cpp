// The print engine on the recording canvas: value formats, placement in the box, lines
// and blocks. Millimetres; expected positions come from the real fonts' textWidth.
#include "support/TestMain.h"
#include "app/Startup.h"
#include "printing/PrintEngine.h"
#include "printing/PrintFont.h"
#include "printing/RecordingCanvas.h"

#include <QFontInfo>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

bool near(double a, double b) {
    return qAbs(a - b) < 1e-9;
}

// Values space-separated, to compare a whole drawing operation at once.
template <typename... T> QString joined(const T&... v) {
    QStringList s;
    (s << ... << QVariant::fromValue(v).toString());
    return s.join(QLatin1Char(' '));
}

// Two forms: frame, dotted rule, two labels, title, number, company, two detail columns.
DocumentLayout twoFormLayout() {
    DocumentLayout layout;
    layout.kind.Block = 2;
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
    layout.fixedTexts << LayoutFixedText{10, 40, 55, u"商品番号"_s, 2}
                      << LayoutFixedText{40, 120, 55, u"品名"_s, 2};
    return layout;
}

PrintEngine::ItemSource slipSource(int lines) {
    PrintEngine::ItemSource source;
    source.isDetail = [](int code) { return code == 20 || code == 21; };
    source.header = [](int code) -> std::optional<QString> {
        static const QHash<int, QString> values{
            {0, "納品書"}, {5, "000123"}, {14, "株式会社キヴォラ"}, {99, "位置のない項目"}};
        return values.contains(code) ? std::optional(values[code]) : std::nullopt;
    };
    source.detail = [](int code, int line) -> std::optional<QString> {
        return (code == 20 ? u"A-"_s : u"品物"_s) + QString::number(line);
    };
    source.detailLines = lines;
    return source;
}

} // namespace

class TestPrintEngine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    // 0 text, 1 grouped, 2 yen (U+00A5, not 0x5C), 3 quantity, 4 date. Null: nothing prints.
    void formatKinds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("numFormat");
        QTest::addColumn<QString>("expected");
        const QString two = u"#,#0.00"_s, trim = u"#,#0.##"_s;
        QTest::newRow("0 text unchanged") << "  株式会社 " << 0 << two << "  株式会社 ";
        QTest::newRow("0 number unchanged") << "1000" << 0 << two << "1000";
        QTest::newRow("1 small") << "12" << 1 << two << "12";
        QTest::newRow("1 thousands") << "1000" << 1 << two << "1,000";
        QTest::newRow("1 millions") << "1234567" << 1 << two << "1,234,567";
        QTest::newRow("1 rounds") << "12.6" << 1 << two << "13";
        QTest::newRow("1 negative") << "-1500" << 1 << two << "-1,500";
        QTest::newRow("1 already grouped") << "1,000" << 1 << two << "1,000";
        QTest::newRow("1 not a number") << "一式" << 1 << two << "一式";
        QTest::newRow("1 empty") << "" << 1 << two << "";
        QTest::newRow("2 yen") << "1000" << 2 << two << "\u00A51,000";
        QTest::newRow("2 zero") << "0" << 2 << two << "¥0";
        QTest::newRow("2 negative") << "-1000" << 2 << two << "-¥1,000";
        QTest::newRow("2 already shown") << "¥1,000" << 2 << two << "¥1,000";
        QTest::newRow("3 two places") << "2.5" << 3 << two << "2.50";
        QTest::newRow("3 trimmed") << "2.5" << 3 << trim << "2.5";
        QTest::newRow("3 trimmed whole") << "1200" << 3 << trim << "1,200";
        QTest::newRow("4 date") << "20010131" << 4 << two << "2001/01/31";
        QTest::newRow("4 zero prints nothing") << "0" << 4 << two << QString();
        QTest::newRow("4 not a date") << "未定" << 4 << two << "未定";
        QTest::newRow("other kind plain") << "1000" << 7 << two << "1000";
    }
    void formatKinds() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, numFormat);
        QFETCH(QString, expected);
        const std::optional<QString> s = PrintEngine::FormatValue(text, kind, numFormat);
        QCOMPARE(s.has_value(), !expected.isNull());
        QCOMPARE(s.value_or(QString()), expected);
    }

    // Formatted before placed; an unknown alignment continues; a long text is not cut.
    void printTextPlacement() {
        RecordingCanvas canvas;
        canvas.setFontSize(10);
        PrintEngine engine(canvas, QString());
        const QString name = u"株式会社とても長い名前の取引先様営業本部第一課"_s;
        engine.PrintText(u"0"_s, 10, 50, 10, 0, 4);
        engine.PrintText(u"20010131"_s, 10, 50, 10, 1, 4);
        engine.PrintText(u"1000"_s, 100, 150, 30, 0, 2);
        engine.PrintText(u"910-0001"_s, 20, 80, 30, 9, 0);
        engine.PrintText(name, 50, 70, 10, 1, 0);
        engine.PrintText(name, 50, 70, 20, 0, 0);
        QCOMPARE(canvas.textStrings(),
                 (QStringList{"2001/01/31", "\u00A51,000", "910-0001", name, name}));
        const QList<RecordedOp> t = canvas.texts();
        QVERIFY(near(t[0].right(), 49.0));
        QVERIFY(near(t[1].x, 101.0) && near(t[2].x, t[1].right()));
        QVERIFY(t[3].width > 20.0 && t[3].x < 50.0 && near(t[3].right(), 69.0));
        QVERIFY(t[4].right() > 70.0 && t[4].fontSize == 10.0);
    }

    // Both names reach the installed Japanese fonts, the vertical mark included.
    void fontsOfTheChoice() {
        QCOMPARE((QStringList{PrintEngine::BodyFont(0), PrintEngine::OtherFont(0),
                              PrintEngine::BodyFont(1), PrintEngine::OtherFont(1)}),
                 (QStringList{"ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ ゴシック", "ＭＳ 明朝"}));
        const QString mincho = QFontInfo(QFont(u"IPAMincho"_s)).family();
        const QString gothic = QFontInfo(QFont(u"IPAGothic"_s)).family();
        QVERIFY(mincho != gothic);
        QCOMPARE(QFontInfo(PrintFont::Font(PrintEngine::BodyFont(0), 10)).family(), mincho);
        QCOMPARE(QFontInfo(PrintFont::Font(PrintEngine::BodyFont(1), 10)).family(), gothic);
        QCOMPARE(QFontInfo(PrintFont::Font(u"@ＭＳ 明朝"_s, 10)).family(), mincho);
    }

    // A full-width character is one em wide (12 pt: 12/72 inch); extents scale with size.
    void textExtentsFollowTheFont() {
        RecordingCanvas canvas;
        canvas.setFontName(u"ＭＳ 明朝"_s);
        canvas.setFontSize(12);
        const double em = 12.0 / 72.0 * 25.4;
        QVERIFY(qAbs(canvas.textWidth(u"山"_s) - em) < 0.01);
        QVERIFY(qAbs(canvas.textWidth(u"山田商店"_s) - 4 * em) < 0.04);
        const double digits = canvas.textWidth(u"1,000"_s);
        QVERIFY(digits > 1.5 * em && digits < 4 * em);
        const double height = canvas.textHeight(u"山"_s);
        QVERIFY(height >= em * 0.99 && height < em * 1.5);
        canvas.setFontSize(24);
        QVERIFY(qAbs(canvas.textWidth(u"1,000"_s) - 2 * digits) < 0.02);
    }

    // Left starts 1.0 mm right of x1, right ends 1.0 mm left of x2, centred has no margin.
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
        PrintEngine(canvas, QString()).PrintText(text, 120, 180, 42.25, align, 0);
        QCOMPARE(canvas.texts().size(), 1);
        const RecordedOp t = canvas.texts().first();
        const double w = canvas.textWidth(text);
        QCOMPARE(t.text, text);
        QCOMPARE(t.y, 42.25);
        QVERIFY(near(t.width, w));
        const double expected[] = {121.0, 179.0 - w, 150.0 - w / 2};
        QVERIFY(near(t.x, expected[align]));
    }

    // Vertical: along X from y, each character centred across [x1, x2]; alignment ignored.
    void verticalItemCentresEachCharacter() {
        const QString name = u"山田1丁目"_s;
        for (int align : {0, 1, 2}) {
            RecordingCanvas canvas;
            canvas.setFontName(u"@ＭＳ 明朝"_s);
            canvas.setFontSize(14);
            PrintEngine(canvas, QString()).PrintText(name, 30, 50, 15, align, 0, true);
            const QList<RecordedOp> texts = canvas.texts();
            QCOMPARE(texts.size(), name.size());
            double x = 15;
            for (int i = 0; i < texts.size(); ++i) {
                QCOMPARE(texts[i].text, QString(name.at(i)));
                QCOMPARE(texts[i].fontName, u"@ＭＳ 明朝"_s);
                QVERIFY(near(texts[i].x, x) && near(texts[i].y + texts[i].height / 2, 40.0));
                x += canvas.textWidth(texts[i].text);
            }
            QVERIFY(texts[2].width < texts[1].width); // half-width advances less
        }
    }

    // Type 0 a line, 1 a rectangle, others a circle of radius x2 (y2 plays no part).
    void linesRectanglesAndCircles() {
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QString());
        engine.DrawLine({10, 200}, {20, 20}, 0, 1, 0, 0);
        engine.DrawLine({10, 200}, {30, 90}, 0xFF0000, 4, 6, 1);
        engine.DrawLine({105, 12}, {60, 999}, 255, 2, 1, 2);
        engine.DrawLine({80, 7.5}, {60, 0}, 0, 3, 5, 9);
        QStringList drawn;
        for (const RecordedOp& op : canvas.operations())
            drawn << joined(int(op.kind), op.x, op.y, op.x2, op.y2, op.radius, op.color,
                            op.penWidth, op.penStyle);
        // kind, x, y, x2, y2, radius, colour, pen width and style
        QCOMPARE(drawn, (QStringList{"1 10 20 200 20 0 0 1 0", "2 10 30 200 90 0 16711680 4 6",
                                     "3 105 60 0 0 12 255 2 1", "3 80 60 0 0 7.5 0 3 5"}));
    }

    // Offsets of the forms of a sheet, and of receipts not on A4.
    void blockOffsets() {
        const struct {
            int blocks, block;
            bool receiptOffA4;
            double offset;
        } cases[] = {{1, 1, false, 0},    {2, 1, false, 0},   {2, 2, false, 148.5},
                     {3, 2, false, 98.5}, {3, 3, false, 197}, {2, 2, true, 127.5},
                     {3, 3, true, 171.4}, {3, 1, true, 0}};
        for (const auto& c : cases)
            QCOMPARE(PrintEngine::BlockOffset(c.blocks, c.block, c.receiptOffA4), c.offset);
    }

    // Lines, then labels in the other font, header items in the body font (title: other, 18
    // pt), then the page's lines RowHeight apart. Gothic swaps the fonts. Codes without a
    // position print nothing; detail codes are not asked as headers.
    void blockDrawingOrderAndFonts() {
        for (int choice : {0, 1}) {
            const QString body = PrintEngine::BodyFont(choice),
                          other = PrintEngine::OtherFont(choice);
            RecordingCanvas canvas;
            canvas.setFontName(body);
            canvas.setFontSize(9);
            PrintEngine::ItemSource source = slipSource(3);
            QList<int> asked;
            source.header = [&asked, header = source.header](int code) {
                asked << code;
                return header(code);
            };
            QStringList events;
            source.aroundHeader = [&](int code, bool before) {
                events << joined(code, QString::fromLatin1(before ? "before" : "after"),
                                 canvas.fontName(), canvas.fontSize());
            };
            QList<QPointF> sealPlaces;
            source.beforeHeader = [&](int code, double x1, double y) {
                if (code == 14)
                    sealPlaces << QPointF(x1, y);
            };
            const double left = 3, top = -2;
            PrintEngine(canvas, QString())
                .DrawBlock(twoFormLayout(), 1, left, top, 0, choice, source);

            const QList<RecordedOp> all = canvas.operations();
            QCOMPARE(all.size(), 2 + 2 + 3 + 6);
            QVERIFY(all[0].kind == RecordedOp::Rect && all[1].kind == RecordedOp::Line);
            QCOMPARE(all[1].penStyle, 2);
            QCOMPARE(joined(all[0].x, all[0].y, all[0].y2),
                     u"13 53 138"_s); // adjusted
            QCOMPARE(canvas.textStrings(),
                     (QStringList{"商品番号", "品名", "納品書", "000123", "株式会社キヴォラ", "A-0",
                                  "品物0", "A-1", "品物1", "A-2", "品物2"}));
            const auto text = [&](const QString& s) { return *canvas.findText(s); };
            QStringList fonts{joined(canvas.fontName(), canvas.fontSize())}; // left as body
            for (const char* s : {"商品番号", "納品書", "000123", "品物2"})
                fonts << joined(text(QString::fromUtf8(s)).fontName,
                                text(QString::fromUtf8(s)).fontSize);
            QCOMPARE(fonts, (QStringList{body + " 9", other + " 9", other + " 18", body + " 9",
                                         body + " 9"}));
            QCOMPARE(events, (QStringList{"0 before " + other + " 18", "0 after " + body + " 9"}));

            // Fixed texts and the title centred; the number right-aligned 1.0 mm inside.
            QVERIFY(near((text("品名").x + text("品名").right()) / 2, left + 80));
            QCOMPARE(text("品名").y, 53.0);
            QVERIFY(near((text("納品書").x + text("納品書").right()) / 2, left + 105));
            QVERIFY(near(text("000123").right(), left + 200 - 1.0));
            // The seal is placed from where the company name prints.
            QCOMPARE(sealPlaces, QList<QPointF>{QPointF(left + 120, top + 40)});
            QVERIFY(near(text("株式会社キヴォラ").x, left + 121));
            for (int n = 0; n < 3; ++n) {
                const RecordedOp code = text(u"A-%1"_s.arg(n));
                QVERIFY(near(code.y, top + 60 + n * 6.5) && near(code.x, left + 11));
            }
            QCOMPARE(asked, (QList<int>{0, 5, 14, 99}));
        }
    }

    // Block 2 is 148.5 mm lower with its own items; a block without items still draws.
    void secondBlockIsHalfASheetLower() {
        RecordingCanvas canvas;
        canvas.setFontSize(9);
        PrintEngine engine(canvas, QString());
        for (int block = 1; block <= 2; ++block)
            engine.DrawBlock(twoFormLayout(), block, 0, 0, PrintEngine::BlockOffset(2, block), 0,
                             slipSource(2));
        const QList<RecordedOp> rects = canvas.ops(RecordedOp::Rect);
        QCOMPARE(rects.size(), 2);
        QVERIFY(near(rects[1].y - rects[0].y, 148.5) && near(rects[1].y2 - rects[0].y2, 148.5));
        for (const char* s : {"商品番号", "納品書", "000123", "品物1"}) {
            const QList<RecordedOp> both = canvas.findTexts(QString::fromUtf8(s));
            QCOMPARE(both.size(), 2);
            QVERIFY(near(both[1].y - both[0].y, 148.5) && both[1].x == both[0].x);
        }
        // Block 2 lists neither the company nor the goods codes.
        QCOMPARE(canvas.findTexts(u"株式会社キヴォラ"_s).size(), 1);
        QCOMPARE(canvas.findTexts(u"A-1"_s).size(), 1);

        RecordingCanvas bare;
        PrintEngine(bare, QString()).DrawBlock(twoFormLayout(), 3, 0, 0, 0, 0, slipSource(2));
        QCOMPARE(bare.textStrings(), (QStringList{"商品番号", "品名"}));
        QCOMPARE(bare.ops(RecordedOp::Rect).size(), 1);
    }

    // Pages as the recording canvas keeps them.
    void recordedPages() {
        RecordingCanvas canvas;
        QCOMPARE(canvas.pageCount(), 0);
        canvas.newPage(); // before anything: the first page stays blank
        canvas.drawText(10, 10, u"二"_s);
        canvas.newPage();
        canvas.drawText(10, 10, u"三"_s);
        QCOMPARE(canvas.pageCount(), 3);
        QVERIFY(canvas.pages()[0].isEmpty());
        QCOMPARE(canvas.findText(u"三"_s)->page, 2);
        QVERIFY(!canvas.findText(u"三"_s, 1));
        QVERIFY(canvas.endJob() && canvas.ended());
        canvas.discardJob();
        QCOMPARE(canvas.pageCount(), 0);
        QVERIFY(canvas.discarded() && !canvas.ended());
        canvas.setEndResult(false);
        QVERIFY(!canvas.endJob());
    }
};

KIVORA_TEST(TestPrintEngine)
#include "tst_printengine.moc"
