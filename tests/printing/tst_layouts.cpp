// The delivered layouts of data/layout.sql: whole, printable, inside their part of the
// sheet, values fitting their boxes, no overlaps, and the forms each document offers.
#include "support/TestMain.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "printing/DocumentItems.h"
#include "printing/LayoutTables.h"
#include "printing/PrintEngine.h"
#include "printing/RecordingCanvas.h"
#include "support/TestEnv.h"

#include <QFont>
#include <QSet>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

// A check on layout `l`, naming it when it fails.
#define CHECK(cond, what)                                                                          \
    QVERIFY2(cond, qPrintable(u"layout %1 (%2): "_s.arg(l.kind.Code).arg(l.kind.Name) + (what)))

namespace {

constexpr double PaperWidth = 210.0;
constexpr double PaperHeight = 297.0;
// Most printers cannot reach the last few millimetres of the sheet.
constexpr double Margin = 4.0;
constexpr double TitlePoints = 18.0;
const QString NumFormat = u"#,#0.00"_s;

// Height of the part of an A4 sheet that one form of a layout owns.
double Band(int blocks) {
    return blocks == 1 ? PaperHeight : PrintEngine::BlockOffset(blocks, 2);
}

QSet<int> range(int first, int last) {
    QSet<int> s;
    for (int i = first; i <= last; ++i)
        s.insert(i);
    return s;
}

QSet<int> listed(const DocumentLayout& l, int block = 1) {
    const QList<int> codes = l.items.value(block);
    return QSet<int>(codes.cbegin(), codes.cend());
}

// The item codes each document's print routine gives a value.
QSet<int> KnownCodes(int docType) {
    if (docType <= 3)
        return range(0, 40);
    if (docType == 6)
        return QSet<int>{0, 2, 3, 4, 5, 10, 11, 13, 27, 28, 29} + range(14, 18) + range(41, 49);
    return range(0, 19) + range(21, 31) + range(50, 56);
}

bool IsDetail(int docType, int code) {
    if (docType <= 3)
        return DocumentItems::IsSlipDetail(code);
    return (docType == 4 || docType == 5) && DocumentItems::IsBillDetail(code);
}

// Long but typical values, as the windows hand them over (formatting applies).
QString Sample(int code) {
    static const QHash<int, QString> samples = [] {
        // clang-format off
        const std::pair<QList<int>, const char*> table[] = {
            {{1, 50}, "20241231"}, {{2, 32, 35}, "2024"}, {{3, 33, 36}, "12"},
            {{4, 34, 37, 56}, "31"}, {{5, 13, 51}, "000128"}, {{6}, "佐藤 花子"},
            {{7, 15}, "〒100-0005"}, {{8}, "東京都千代田区丸の内1-2-3"}, {{9}, "丸の内センタービル12階"},
            {{10}, "株式会社さくら商事 御中"}, {{11}, "総務部 購買課  田中 一郎 様"},
            {{12, 18}, "TEL:03-1234-5678 FAX:03-1234-5679"}, {{14}, "みどり文具株式会社"},
            {{16}, "石川県金沢市本町2丁目15番1号"}, {{17}, "ポルテ金沢8階"}, {{19}, "北陸中央銀行 金沢駅前支店 普通 1234567"},
            {{20}, "SD-4501A"}, {{21}, "業務用シュレッダー クロスカット A4対応型"}, {{22}, "-1234.5"}, {{23}, "ケース"},
            {{24}, "148500"}, {{25}, "-12345678"}, {{26}, "取寄せ品"}, {{27}, "春季展示会用 事務用品一式"},
            {{28, 29, 30, 52, 53, 54, 55}, "¥12,345,678"}, {{31}, "12/12"}, {{38}, "貴社 本社3階 総務部"},
            {{39}, "月末締め 翌月末 銀行振込"}, {{40}, "営業第一課"}, {{41, 42, 43, 44, 45, 46}, "-1,234,567"},
            {{47}, "お品代として"}, {{48}, "AB012345"}, {{49}, "2024/12/31"},
        };
        // clang-format on
        QHash<int, QString> h;
        for (const auto& [codes, value] : table)
            for (int c : codes)
                h.insert(c, QString::fromUtf8(value));
        return h;
    }();
    return samples.value(code, u"?"_s);
}

// Draws every block of a sheet with the sample values and a full page of lines.
void DrawSheet(RecordingCanvas& canvas, const DocumentLayout& layout) {
    PrintEngine engine(canvas, NumFormat);
    const int docType = layout.kind.DocType;
    PrintEngine::ItemSource source;
    source.isDetail = [docType](int code) { return IsDetail(docType, code); };
    source.header = [&layout](int code) -> std::optional<QString> {
        return code == 0 ? DocumentItems::Title(layout.kind.Name, true) : Sample(code);
    };
    source.detail = [](int code, int) -> std::optional<QString> { return Sample(code); };
    source.detailLines = layout.kind.Rows;
    canvas.setFontName(PrintEngine::BodyFont(0));
    canvas.setFontSize(layout.kind.FontSize);
    for (int block = 1; block <= layout.kind.Block; ++block)
        engine.DrawBlock(layout, block, 0, 0, PrintEngine::BlockOffset(layout.kind.Block, block), 0,
                         source);
}

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

    QList<DocumentLayout> m_layouts;

    QList<DocumentLayout> ofType(int docType) const {
        QList<DocumentLayout> out;
        for (const DocumentLayout& l : m_layouts)
            if (l.kind.DocType == docType)
                out << l;
        return out;
    }

private slots:
    void initTestCase() {
        // The program maps the layout font names at start-up; measuring needs the same.
        QFont::insertSubstitutions(u"ＭＳ 明朝"_s, {u"IPAMincho"_s});
        QFont::insertSubstitutions(u"ＭＳ ゴシック"_s, {u"IPAGothic"_s});
        TestEnv env(TestEnv::LayoutDb);
        Database db(env.state.DbNames[1], LayoutDbMarkerTable());
        for (int type = 0; type <= 6; ++type) {
            for (const DocumentLayoutKind& kind : LayoutTables::DocumentLayouts(db, type)) {
                const std::optional<DocumentLayout> layout =
                    LayoutTables::ReadDocumentLayout(db, kind.Code);
                QVERIFY2(layout, qPrintable(QString::number(kind.Code)));
                m_layouts << *layout;
            }
        }
        // Nothing of another document type hides in the table.
        const int all = db.scalar(u"SELECT COUNT(*) FROM 伝票種類"_s).toInt();
        QCOMPARE(m_layouts.size(), all);
        QVERIFY(all >= 12);
    }

    // Whole layouts; every listed code has a position, is printed here, and appears once.
    void everyLayoutIsWholeAndListsKnownItems() {
        for (const DocumentLayout& l : m_layouts) {
            const DocumentLayoutKind& k = l.kind;
            const qsizetype open = k.Name.indexOf(QLatin1Char('('));
            CHECK(open > 0 && k.Name.indexOf(QLatin1Char(')'), open + 1) > open + 1, "title");
            CHECK(k.FontSize >= 8 && k.FontSize <= 12, "font size");
            CHECK(k.Block >= 1 && k.Block <= 3 && l.items.size() == k.Block, "blocks");
            CHECK(!l.lines.isEmpty() && !l.fixedTexts.isEmpty(), "no lines or fixed texts");
            const QSet<int> known = KnownCodes(k.DocType);
            for (int b = 1; b <= k.Block; ++b) {
                const QList<int> codes = l.items.value(b);
                CHECK(!codes.isEmpty(), "empty block");
                CHECK(listed(l, b).size() == codes.size(),
                      u"block %1 lists an item twice"_s.arg(b));
                for (int code : codes) {
                    CHECK(l.positions.contains(code), u"item %1 has no position"_s.arg(code));
                    CHECK(known.contains(code), u"item %1 is not printed here"_s.arg(code));
                }
            }
        }
    }

    // Quantities and prices in the quantity format, amounts grouped and right, dates as dates.
    void valuesUseTheirFormats() {
        for (const DocumentLayout& l : m_layouts) {
            const QSet<int> codes = listed(l);
            const std::pair<int, int> kinds[] = {{22, 3}, {24, 3}, {25, 1}, {50, 4}, {1, 4}};
            for (const auto& [code, kind] : kinds)
                if (codes.contains(code) && (code != 1 || l.kind.DocType >= 4))
                    CHECK(l.positions.value(code).DataType == kind, u"kind of item %1"_s.arg(code));
            for (int code : {22, 24, 25, 28, 29, 30, 52, 53, 54, 55})
                if (codes.contains(code))
                    CHECK(l.positions.value(code).Align == 1,
                          u"item %1 not right-aligned"_s.arg(code));
        }
    }

    // Everything within the printable band of the first form (a full page of lines too);
    // only the dashed cut line of a multi-form sheet runs along the band's edge.
    void everythingStaysInItsBand() {
        for (const DocumentLayout& l : m_layouts) {
            const double band = Band(l.kind.Block);
            const double em = l.kind.FontSize * 25.4 / 72.0;
            const auto inside = [&](double x1, double x2, double top, double bottom,
                                    const QString& what) {
                CHECK(x1 >= Margin && x2 <= PaperWidth - Margin && x1 < x2,
                      what + " off the paper across");
                CHECK(top >= Margin && bottom <= band - Margin, what + " outside its band");
            };
            for (const LayoutPosition& p : l.positions) {
                const double h = p.ItemNo == 0 ? TitlePoints * 25.4 / 72.0 : em;
                const double last =
                    IsDetail(l.kind.DocType, p.ItemNo) ? (l.kind.Rows - 1) * l.kind.RowHeight : 0;
                inside(p.X1, p.X2, p.Y1, p.Y1 + last + h, u"item %1"_s.arg(p.ItemNo));
            }
            for (const LayoutFixedText& f : l.fixedTexts)
                inside(f.X1, f.X2, f.Y1, f.Y1 + em, f.Character);
            bool cut = false;
            for (const LayoutLine& line : l.lines) {
                if (line.Type == 0 && line.Style == 1 && line.Y1 == band && line.Y2 == band) {
                    cut = true;
                    continue;
                }
                const bool circle = line.Type != 0 && line.Type != 1;
                const double left = circle ? line.X1 - line.X2 : std::min(line.X1, line.X2);
                const double right = circle ? line.X1 + line.X2 : std::max(line.X1, line.X2);
                const double top = circle ? line.Y1 - line.X2 : std::min(line.Y1, line.Y2);
                const double bottom = circle ? line.Y1 + line.X2 : std::max(line.Y1, line.Y2);
                inside(left, std::max(right, left + 0.1), top, bottom,
                       u"line at %1,%2"_s.arg(line.X1).arg(line.Y1));
            }
            CHECK(cut == (l.kind.Block > 1), "cut line");
        }
    }

    // Labels and long values fit their boxes rather than running into the next column.
    void textsFitTheirBoxes() {
        RecordingCanvas canvas;
        for (const DocumentLayout& l : m_layouts) {
            const auto fits = [&](const QString& text, double x1, double x2, int align,
                                  const QString& what) {
                const double room = x2 - x1 - (align == 2 ? 0.0 : 1.0);
                CHECK(canvas.textWidth(text) <= room + 0.01,
                      what + " \"" + text + "\" wider than its box");
            };
            canvas.setFontName(PrintEngine::OtherFont(0));
            canvas.setFontSize(l.kind.FontSize);
            for (const LayoutFixedText& f : l.fixedTexts)
                fits(f.Character, f.X1, f.X2, f.Align, u"label"_s);
            if (l.positions.contains(0)) {
                canvas.setFontSize(TitlePoints);
                const LayoutPosition& p = l.positions[0];
                fits(DocumentItems::Title(l.kind.Name, true), p.X1, p.X2, p.Align, u"title"_s);
            }
            canvas.setFontName(PrintEngine::BodyFont(0));
            canvas.setFontSize(l.kind.FontSize);
            for (const LayoutPosition& p : l.positions)
                if (p.ItemNo != 0)
                    fits(PrintEngine::FormatValue(Sample(p.ItemNo), p.DataType, NumFormat)
                             .value_or(QString()),
                         p.X1, p.X2, p.Align, u"item %1"_s.arg(p.ItemNo));
        }
    }

    // A full sheet has no text over another and nothing crossing into the next form.
    void aFullSheetHasNoOverlaps() {
        for (const DocumentLayout& l : m_layouts) {
            RecordingCanvas canvas;
            DrawSheet(canvas, l);
            const double band = Band(l.kind.Block);
            const QList<RecordedOp> texts = canvas.texts(0);
            QVERIFY(!texts.isEmpty());
            for (qsizetype i = 0; i < texts.size(); ++i) {
                const QRectF a(texts[i].x, texts[i].y, texts[i].width, texts[i].height);
                CHECK(a.left() >= Margin && a.right() <= PaperWidth - Margin && a.top() >= Margin &&
                          a.bottom() <= PaperHeight - Margin,
                      texts[i].text + " off the printable area");
                // It must not cross into the next form.
                CHECK(a.bottom() <= (int(a.top() / band) + 1) * band,
                      texts[i].text + " crosses into the next form");
                for (qsizetype j = i + 1; j < texts.size(); ++j) {
                    // Glyph boxes include the font's spacing; a touch of it may meet.
                    const QRectF overlap =
                        a & QRectF(texts[j].x, texts[j].y, texts[j].width, texts[j].height);
                    CHECK(overlap.width() < 0.3 || overlap.height() < 0.3,
                          "\"" + texts[i].text + "\" over \"" + texts[j].text + "\"");
                }
            }
        }
    }

    // Slips: one- and two-form layouts with a copy set; both bills; receipts on 2 and 3 forms.
    void everyDocumentHasItsLayouts() {
        const QSet<int> slipHeader = QSet<int>{0, 2, 3, 4, 5, 6, 27, 28, 29, 30, 31} + range(7, 19);
        for (int type = 0; type <= 3; ++type) {
            QSet<int> blocks;
            for (const DocumentLayout& l : ofType(type)) {
                blocks.insert(l.kind.Block);
                CHECK(l.kind.Duplicate, "no copy set");
                CHECK(l.kind.Rows >= 8 && l.kind.RowHeight >= 4.5, "rows");
                for (int b = 1; b <= l.kind.Block; ++b) {
                    CHECK(listed(l, b).contains(slipHeader) && listed(l, b).contains(range(20, 26)),
                          "missing slip items");
                    CHECK(listed(l, b).contains(range(32, 39)) == (type == 0), "estimate terms");
                }
            }
            QVERIFY2(blocks.contains(1) && blocks.contains(2), qPrintable(QString::number(type)));
        }

        const QSet<int> billHeader = QSet<int>{0, 1, 5, 10, 14, 28, 29, 30} + range(52, 56);
        QVERIFY(!ofType(4).isEmpty() && !ofType(5).isEmpty());
        for (const DocumentLayout& l : ofType(4))
            CHECK(listed(l).contains(billHeader + QSet<int>{50, 51} + range(21, 26)) &&
                      l.kind.Rows >= 20,
                  "detailed bill");
        // A summary bill has totals only: the gathered lines never make a second page.
        for (const DocumentLayout& l : ofType(5))
            CHECK(listed(l).contains(billHeader) && DocumentItems::PageCount(500, l.kind.Rows) == 1,
                  "summary bill");

        QSet<int> receiptBlocks;
        for (const DocumentLayout& l : ofType(6)) {
            receiptBlocks.insert(l.kind.Block);
            CHECK(listed(l).contains(QSet<int>{0, 2, 3, 4, 5, 10, 14, 27, 28, 29} + range(41, 49)),
                  "receipt items");
        }
        QCOMPARE(receiptBlocks, (QSet<int>{2, 3}));
    }

    // Receipts carry their own copies: forms below the first are titled (控).
    void receiptsMarkTheirCopyBlocks() {
        for (const DocumentLayout& l : ofType(6)) {
            QCOMPARE(LayoutTables::SplitCodes(l.kind.Layout).size(), l.kind.Block);
            QVERIFY(!l.kind.Duplicate);
            RecordingCanvas canvas;
            PrintEngine engine(canvas, NumFormat);
            PrintEngine::ItemSource source;
            bool copy = false;
            source.header = [&](int code) -> std::optional<QString> {
                return code == 0 ? DocumentItems::Title(l.kind.Name, copy)
                                 : std::optional<QString>();
            };
            for (int b = 1; b <= l.kind.Block; ++b) {
                copy = DocumentItems::IsCopy(2, 1, 1, DocumentItems::BlockMark(l.kind.Layout, b));
                QCOMPARE(copy, b > 1);
                engine.DrawBlock(l, b, 0, 0, PrintEngine::BlockOffset(l.kind.Block, b), 0, source);
            }
            QList<RecordedOp> titles;
            for (const RecordedOp& op : canvas.texts(0))
                if (op.fontSize == TitlePoints)
                    titles << op;
            QCOMPARE(titles.size(), l.kind.Block);
            for (int b = 0; b < l.kind.Block; ++b) {
                QCOMPARE(titles[b].text, b == 0 ? u"領収書"_s : u"領収書(控)"_s);
                QCOMPARE(titles[b].y - titles[0].y, PrintEngine::BlockOffset(l.kind.Block, b + 1));
            }
        }
    }
};

KIVORA_TEST(TestLayouts)
#include "tst_layouts.moc"
