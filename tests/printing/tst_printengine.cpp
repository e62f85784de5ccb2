// The print engine on the recording canvas: value formats, placement in the box, block
// offsets and how a block is drawn, in millimetres.
#include "app/Startup.h"
#include "printing/PrintEngine.h"
#include "printing/RecordingCanvas.h"
#include "support/TestMain.h"

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

} // namespace

class TestPrintEngine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    // 0 text, 1 grouped, 2 yen (U+00A5, not 0x5C), 3 quantity, 4 date. Null: nothing prints.
    void formatKinds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 number unchanged") << "1000" << 0 << "1000";
        QTest::newRow("1 rounds and groups") << "1234566.6" << 1 << "1,234,567";
        QTest::newRow("1 negative") << "-1500" << 1 << "-1,500";
        QTest::newRow("1 already grouped") << "1,000" << 1 << "1,000";
        QTest::newRow("1 not a number") << "一式" << 1 << "一式";
        QTest::newRow("2 negative yen") << "-1000" << 2 << "-\u00A51,000";
        QTest::newRow("3 trimmed") << "2.5" << 3 << "2.5";
        QTest::newRow("3 trimmed whole") << "1200" << 3 << "1,200";
        QTest::newRow("4 date") << "20010131" << 4 << "2001/01/31";
        QTest::newRow("4 zero prints nothing") << "0" << 4 << QString();
        QTest::newRow("other kind plain") << "1000" << 7 << "1000";
    }
    void formatKinds() {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        QFETCH(QString, text);
        const std::optional<QString> s = PrintEngine::FormatValue(text, kind, u"#,#0.##"_s);
        QCOMPARE(s.has_value(), !expected.isNull());
        QCOMPARE(s.value_or(QString()), expected);
    }

    // Left starts 1 mm right of x1, right ends 1 mm left of x2, centred has no margin; an
    // unknown alignment continues where the last text ended; a long text is not cut.
    void placementInTheBox() {
        RecordingCanvas canvas;
        PrintEngine engine(canvas, QString());
        for (int align : {0, 1, 2, 9})
            engine.PrintText(u"123,456"_s, 120, 180, 42.25, align, 0);
        engine.PrintText(u"株式会社とても長い名前の取引先様営業本部"_s, 50, 70, 10, 1, 0);
        const QList<RecordedOp> t = canvas.texts();
        const double w = t[0].width;
        QVERIFY(near(t[0].x, 121) && near(t[1].right(), 179) && near(t[2].x + w / 2, 150));
        QVERIFY(near(t[3].x, t[2].right()) && t[0].y == 42.25);
        QVERIFY(t[4].width > 20.0 && near(t[4].right(), 69.0));
    }

    // Offsets of the forms of a sheet, and of receipts not on A4.
    void blockOffsets() {
        const std::tuple<int, int, bool, double> cases[] = {
            {1, 1, false, 0},   {2, 1, false, 0},    {2, 2, false, 148.5}, {3, 2, false, 98.5},
            {3, 3, false, 197}, {2, 2, true, 127.5}, {3, 3, true, 171.4}};
        for (const auto& [blocks, block, receiptOffA4, offset] : cases)
            QCOMPARE(PrintEngine::BlockOffset(blocks, block, receiptOffA4), offset);
    }

    // Lines, then fixed texts in the other font, header items in the body font (the title
    // in the other at 18 pt), then the page's lines RowHeight apart, all moved by the
    // adjustments. Codes without a position print nothing; details are not asked as headers.
    void blockDrawingOrderAndFonts() {
        DocumentLayout layout;
        layout.kind.RowHeight = 6.5;
        layout.kind.FontSize = 9;
        layout.items[1] = {0, 5, 20, 14, 99};
        layout.positions[0] = {0, 60, 150, 10, 2, 0};
        layout.positions[5] = {5, 150, 200, 20, 1, 0};
        layout.positions[14] = {14, 120, 200, 40, 0, 0};
        layout.positions[20] = {20, 10, 40, 60, 0, 0};
        layout.lines << LayoutLine{10, 55, 200, 140, 0, 3, 0, 1};
        layout.fixedTexts << LayoutFixedText{40, 120, 55, u"品名"_s, 2};
        for (int choice : {0, 1}) {
            RecordingCanvas canvas;
            canvas.setFontSize(9);
            QList<int> asked;
            PrintEngine::ItemSource source;
            source.isDetail = [](int code) { return code == 20; };
            source.header = [&](int code) -> std::optional<QString> {
                asked << code;
                return code == 99 ? u"位置なし"_s : u"h"_s + QString::number(code);
            };
            source.detail = [](int, int line) { return u"d"_s + QString::number(line); };
            source.detailLines = 3;
            PrintEngine(canvas, QString()).DrawBlock(layout, 1, 3, -2, 0, choice, source);
            const RecordedOp frame = canvas.operations().first();
            QCOMPARE(joined(int(frame.kind), frame.x, frame.y, frame.y2), u"2 13 53 138"_s);
            QStringList texts;
            for (const RecordedOp& op : canvas.texts())
                texts << joined(op.text, op.y, op.fontName == PrintEngine::BodyFont(choice),
                                op.fontSize);
            QCOMPARE(texts, (QStringList{"品名 53 false 9", "h0 8 false 18", "h5 18 true 9",
                                         "h14 38 true 9", "d0 58 true 9", "d1 64.5 true 9",
                                         "d2 71 true 9"}));
            QVERIFY(near(canvas.texts()[2].right(), 202) && near(canvas.texts()[4].x, 14));
            QCOMPARE(asked, (QList<int>{0, 5, 14, 99}));
        }
    }
};

KIVORA_TEST(TestPrintEngine)
#include "tst_printengine.moc"
