// The delivered document layouts of data/layout.sql: every one reads back, prints only
// what its document knows, has a place for every item it lists, stays on the paper and
// inside its own part of a shared sheet, keeps its labels and typical values inside
// their boxes, and draws no text over another. Each document type has the forms the
// print dialog offers.
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

namespace {

constexpr double PaperWidth = 210.0;
constexpr double PaperHeight = 297.0;
// Most printers cannot reach the last few millimetres of the sheet.
constexpr double Margin = 4.0;
constexpr double TitlePoints = 18.0;
const QString NumFormat = QStringLiteral("#,#0.00");

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
    if (docType == 4 || docType == 5)
        return DocumentItems::IsBillDetail(code);
    return false;
}

// Typical values at the long end of what a small shop's documents hold; numbers as the
// windows hand them over, so the positions' formatting applies.
QString Sample(int code) {
    switch (code) {
    case 1:
    case 50:
        return QStringLiteral("20241231");
    case 2:
    case 32:
    case 35:
        return QStringLiteral("2024");
    case 3:
    case 33:
    case 36:
        return QStringLiteral("12");
    case 4:
    case 34:
    case 37:
        return QStringLiteral("31");
    case 5:
    case 13:
    case 51:
        return QStringLiteral("000128");
    case 6:
        return QStringLiteral("佐藤 花子");
    case 7:
    case 15:
        return QStringLiteral("〒100-0005");
    case 8:
        return QStringLiteral("東京都千代田区丸の内1-2-3");
    case 9:
        return QStringLiteral("丸の内センタービル12階");
    case 10:
        return QStringLiteral("株式会社さくら商事 御中");
    case 11:
        return QStringLiteral("総務部 購買課  田中 一郎 様");
    case 12:
    case 18:
        return QStringLiteral("TEL:03-1234-5678 FAX:03-1234-5679");
    case 14:
        return QStringLiteral("みどり文具株式会社");
    case 16:
        return QStringLiteral("石川県金沢市本町2丁目15番1号");
    case 17:
        return QStringLiteral("ポルテ金沢8階");
    case 19:
        return QStringLiteral("北陸中央銀行 金沢駅前支店 普通 1234567");
    case 20:
        return QStringLiteral("SD-4501A");
    // 40 bytes, the most the slip grid takes.
    case 21:
        return QStringLiteral("業務用シュレッダー クロスカット A4対応型");
    case 22:
        return QStringLiteral("-1234.5");
    case 23:
        return QStringLiteral("ケース");
    case 24:
        return QStringLiteral("148500");
    case 25:
        return QStringLiteral("-12345678");
    case 26:
        return QStringLiteral("取寄せ品");
    case 27:
        return QStringLiteral("春季展示会用 事務用品一式");
    case 28:
    case 29:
    case 30:
    case 52:
    case 53:
    case 54:
    case 55:
        return QStringLiteral("¥12,345,678");
    case 31:
        return QStringLiteral("12/12");
    case 38:
        return QStringLiteral("貴社 本社3階 総務部");
    case 39:
        return QStringLiteral("月末締め 翌月末 銀行振込");
    case 40:
        return QStringLiteral("営業第一課");
    case 41:
    case 42:
    case 43:
    case 44:
    case 45:
    case 46:
        return QStringLiteral("-1,234,567");
    case 47:
        return QStringLiteral("お品代として");
    case 48:
        return QStringLiteral("AB012345");
    case 49:
        return QStringLiteral("2024/12/31");
    case 56:
        return QStringLiteral("31");
    default:
        return QStringLiteral("?");
    }
}

QString Where(const DocumentLayout& layout, const QString& what) {
    return QStringLiteral("layout %1 (%2): %3").arg(layout.kind.Code).arg(layout.kind.Name, what);
}

QRectF RectOf(const RecordedOp& op) {
    return QRectF(op.x, op.y, op.width, op.height);
}

// Draws every block of a sheet with the sample values and a full page of lines.
void DrawSheet(RecordingCanvas& canvas, const DocumentLayout& layout) {
    PrintEngine engine(canvas, NumFormat);
    const int docType = layout.kind.DocType;
    PrintEngine::ItemSource source;
    source.isDetail = [docType](int code) { return IsDetail(docType, code); };
    source.header = [&layout](int code) -> std::optional<QString> {
        if (code == 0)
            return DocumentItems::Title(layout.kind.Name, true);
        return Sample(code);
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

    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<Database> m_db;
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
        QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho")});
        QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")});
        m_env = std::make_unique<TestEnv>(TestEnv::LayoutDb);
        m_db = std::make_unique<Database>(m_env->state.DbNames[1], LayoutDbMarkerTable());
        for (int type = 0; type <= 6; ++type) {
            for (const DocumentLayoutKind& kind : LayoutTables::DocumentLayouts(*m_db, type)) {
                const std::optional<DocumentLayout> layout =
                    LayoutTables::ReadDocumentLayout(*m_db, kind.Code);
                QVERIFY2(layout, qPrintable(QString::number(kind.Code)));
                m_layouts << *layout;
            }
        }
        // Nothing of another document type hides in the table.
        const int all = m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM 伝票種類")).toInt();
        QCOMPARE(m_layouts.size(), all);
        QVERIFY(all >= 12);
    }

    // Each layout reads back whole: a printed title, sane sizes, an item list per block,
    // lines and fixed texts, and codes that point at its own rows.
    void everyLayoutReadsWhole() {
        QSet<int> codes;
        for (const DocumentLayout& l : m_layouts) {
            const DocumentLayoutKind& k = l.kind;
            QVERIFY2(!codes.contains(k.Code), qPrintable(Where(l, QStringLiteral("code twice"))));
            codes.insert(k.Code);
            const qsizetype open = k.Name.indexOf(QLatin1Char('('));
            const qsizetype close = k.Name.indexOf(QLatin1Char(')'), open + 1);
            QVERIFY2(open > 0 && close > open + 1, qPrintable(Where(l, QStringLiteral("title"))));
            QCOMPARE(DocumentItems::Title(k.Name, false), k.Name.mid(open + 1, close - open - 1));
            QVERIFY2(k.FontSize >= 8 && k.FontSize <= 12,
                     qPrintable(Where(l, QStringLiteral("font size"))));
            QVERIFY2(k.Block >= 1 && k.Block <= 3, qPrintable(Where(l, QStringLiteral("blocks"))));
            QCOMPARE(l.items.size(), k.Block);
            for (int b = 1; b <= k.Block; ++b)
                QVERIFY2(!l.items.value(b).isEmpty(),
                         qPrintable(Where(l, QStringLiteral("empty block"))));
            QVERIFY2(!l.lines.isEmpty() && !l.fixedTexts.isEmpty(),
                     qPrintable(Where(l, QStringLiteral("no lines or fixed texts"))));
            QVERIFY2(!l.positions.isEmpty(), qPrintable(Where(l, QStringLiteral("no positions"))));
        }
    }

    // The print routines skip a listed code without a position; on a delivered form that
    // would be a value silently missing. Codes must also be ones the document prints.
    void everyListedItemHasAPlace() {
        for (const DocumentLayout& l : m_layouts) {
            const QSet<int> known = KnownCodes(l.kind.DocType);
            for (auto it = l.items.cbegin(); it != l.items.cend(); ++it) {
                QSet<int> seen;
                for (int code : it.value()) {
                    const QString item = QStringLiteral("block %1 item %2").arg(it.key()).arg(code);
                    QVERIFY2(l.positions.contains(code),
                             qPrintable(Where(l, item + QStringLiteral(" has no position"))));
                    QVERIFY2(known.contains(code),
                             qPrintable(Where(
                                 l, item + QStringLiteral(" is not printed by this document"))));
                    QVERIFY2(!seen.contains(code),
                             qPrintable(Where(l, item + QStringLiteral(" listed twice"))));
                    seen.insert(code);
                }
            }
        }
    }

    // Formatting kinds follow what the values are: quantities and unit prices in the
    // quantity format, line amounts grouped, bill dates as dates.
    void valuesUseTheirFormats() {
        for (const DocumentLayout& l : m_layouts) {
            const auto kindOf = [&l](int code) { return l.positions.value(code).DataType; };
            const QList<int> listed = l.items.value(1);
            if (listed.contains(22))
                QCOMPARE(kindOf(22), 3);
            if (listed.contains(24))
                QCOMPARE(kindOf(24), 3);
            if (listed.contains(25))
                QCOMPARE(kindOf(25), 1);
            if (listed.contains(50))
                QCOMPARE(kindOf(50), 4);
            if (listed.contains(1) && l.kind.DocType >= 4)
                QCOMPARE(kindOf(1), 4);
            // Amounts line up on the right of their column, names on the left.
            for (int code : {22, 24, 25, 28, 29, 30, 52, 53, 54, 55})
                if (listed.contains(code))
                    QVERIFY2(l.positions.value(code).Align == 1,
                             qPrintable(
                                 Where(l, QStringLiteral("item %1 not right-aligned").arg(code))));
        }
    }

    // Every position, fixed text and line is on the paper, off its unprintable edge, and
    // within the band of the first form: the other forms of the sheet are the same rows
    // moved down by the block offset, the last one ending at the paper's lower edge. The
    // line area of a full page fits too. Only the dashed cut line runs along the band's
    // edge.
    void everythingStaysInItsBand() {
        for (const DocumentLayout& l : m_layouts) {
            const double band = Band(l.kind.Block);
            const double em = l.kind.FontSize * 25.4 / 72.0;
            const auto inside = [&](double x1, double x2, double top, double bottom,
                                    const QString& what) {
                QVERIFY2(x1 >= Margin && x2 <= PaperWidth - Margin && x1 < x2,
                         qPrintable(Where(l, what + QStringLiteral(" off the paper across"))));
                QVERIFY2(top >= Margin && bottom <= band - Margin,
                         qPrintable(Where(l, what + QStringLiteral(" outside its band"))));
            };
            for (const LayoutPosition& p : l.positions) {
                const bool detail = IsDetail(l.kind.DocType, p.ItemNo);
                const double h = p.ItemNo == 0 ? TitlePoints * 25.4 / 72.0 : em;
                const double last = detail ? (l.kind.Rows - 1) * l.kind.RowHeight : 0;
                inside(p.X1, p.X2, p.Y1, p.Y1 + last + h, QStringLiteral("item %1").arg(p.ItemNo));
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
                       QStringLiteral("line at %1,%2").arg(line.X1).arg(line.Y1));
            }
            // A sheet of several forms shows where to cut it.
            QCOMPARE(cut, l.kind.Block > 1);
        }
    }

    // Labels fit their cells, and values at the long end of the usual fit theirs: a
    // column that is too narrow for an amount would print it across the next column.
    void textsFitTheirBoxes() {
        RecordingCanvas canvas;
        for (const DocumentLayout& l : m_layouts) {
            canvas.setFontName(PrintEngine::OtherFont(0));
            canvas.setFontSize(l.kind.FontSize);
            for (const LayoutFixedText& f : l.fixedTexts) {
                const double room = f.X2 - f.X1 - (f.Align == 2 ? 0.0 : 1.0);
                QVERIFY2(canvas.textWidth(f.Character) <= room + 0.01,
                         qPrintable(Where(l, f.Character + QStringLiteral(" wider than its box"))));
            }
            for (const LayoutPosition& p : l.positions) {
                QString text;
                if (p.ItemNo == 0) {
                    canvas.setFontSize(TitlePoints);
                    text = DocumentItems::Title(l.kind.Name, true);
                } else {
                    canvas.setFontName(PrintEngine::BodyFont(0));
                    canvas.setFontSize(l.kind.FontSize);
                    text = PrintEngine::FormatValue(Sample(p.ItemNo), p.DataType, NumFormat)
                               .value_or(QString());
                }
                const double room = p.X2 - p.X1 - (p.Align == 2 ? 0.0 : 1.0);
                QVERIFY2(canvas.textWidth(text) <= room + 0.01,
                         qPrintable(Where(l, QStringLiteral("item %1 \"%2\" wider than its box")
                                                 .arg(p.ItemNo)
                                                 .arg(text))));
            }
        }
    }

    // Drawn as the print routines draw it, a full sheet has no text over another text,
    // and everything lands inside its own form's part of the sheet.
    void aFullSheetHasNoOverlaps() {
        for (const DocumentLayout& l : m_layouts) {
            RecordingCanvas canvas;
            DrawSheet(canvas, l);
            const double band = Band(l.kind.Block);
            const QList<RecordedOp> texts = canvas.texts(0);
            QVERIFY(!texts.isEmpty());
            for (qsizetype i = 0; i < texts.size(); ++i) {
                const QRectF a = RectOf(texts[i]);
                QVERIFY2(a.left() >= Margin && a.right() <= PaperWidth - Margin &&
                             a.top() >= Margin && a.bottom() <= PaperHeight - Margin,
                         qPrintable(
                             Where(l, texts[i].text + QStringLiteral(" off the printable area"))));
                // Which form it belongs to: it must not cross into the next one.
                const int form = static_cast<int>(a.top() / band);
                QVERIFY2(a.bottom() <= (form + 1) * band,
                         qPrintable(Where(l, texts[i].text +
                                                 QStringLiteral(" crosses into the next form"))));
                for (qsizetype j = i + 1; j < texts.size(); ++j) {
                    const QRectF b = RectOf(texts[j]);
                    // Glyph boxes include the font's spacing; a touch of it may meet.
                    const QRectF overlap = a.intersected(b);
                    QVERIFY2(overlap.width() < 0.3 || overlap.height() < 0.3,
                             qPrintable(Where(l, QStringLiteral("\"%1\" over \"%2\"")
                                                     .arg(texts[i].text, texts[j].text))));
                }
            }
        }
    }

    // What the print dialog offers per document type: estimates, orders, delivery notes
    // and invoices each a one-form and a two-form layout that may print a copy set and
    // carry the document's values; bills of both kinds; receipts on two and three forms.
    void everyDocumentHasItsLayouts() {
        const QSet<int> slipHeader = QSet<int>{0, 2, 3, 4, 5, 6, 27, 28, 29, 30, 31} + range(7, 19);
        const QSet<int> slipLines = range(20, 26);
        const QSet<int> estimateTerms = range(32, 39);
        for (int type = 0; type <= 3; ++type) {
            QSet<int> blocks;
            for (const DocumentLayout& l : ofType(type)) {
                blocks.insert(l.kind.Block);
                QVERIFY2(l.kind.Duplicate, qPrintable(Where(l, QStringLiteral("no copy set"))));
                QVERIFY(l.kind.Rows >= 8 && l.kind.RowHeight >= 4.5);
                for (int b = 1; b <= l.kind.Block; ++b) {
                    const QSet<int> listed(l.items.value(b).cbegin(), l.items.value(b).cend());
                    QVERIFY2(listed.contains(slipHeader) && listed.contains(slipLines),
                             qPrintable(Where(l, QStringLiteral("missing slip items"))));
                    QCOMPARE(listed.contains(estimateTerms), type == 0);
                }
            }
            QVERIFY2(blocks.contains(1) && blocks.contains(2),
                     qPrintable(QStringLiteral("type %1").arg(type)));
        }

        const QSet<int> billHeader = QSet<int>{0, 1, 5, 10, 14, 28, 29, 30} + range(52, 56);
        const QList<DocumentLayout> detailed = ofType(4);
        QVERIFY(!detailed.isEmpty());
        for (const DocumentLayout& l : detailed) {
            const QSet<int> listed(l.items.value(1).cbegin(), l.items.value(1).cend());
            QVERIFY(listed.contains(billHeader));
            QVERIFY(listed.contains(QSet<int>{50, 51} + range(21, 26)));
            QVERIFY(l.kind.Rows >= 20);
        }
        const QList<DocumentLayout> summary = ofType(5);
        QVERIFY(!summary.isEmpty());
        for (const DocumentLayout& l : summary) {
            const QSet<int> listed(l.items.value(1).cbegin(), l.items.value(1).cend());
            QVERIFY(listed.contains(billHeader));
            // Totals only: the gathered lines never make a second page.
            QCOMPARE(DocumentItems::PageCount(500, l.kind.Rows), 1);
        }

        const QList<DocumentLayout> receipts = ofType(6);
        QSet<int> receiptBlocks;
        for (const DocumentLayout& l : receipts) {
            receiptBlocks.insert(l.kind.Block);
            const QSet<int> listed(l.items.value(1).cbegin(), l.items.value(1).cend());
            QVERIFY(listed.contains(QSet<int>{0, 2, 3, 4, 5, 10, 14, 27, 28, 29} + range(41, 49)));
        }
        QCOMPARE(receiptBlocks, (QSet<int>{2, 3}));
    }

    // A receipt sheet carries its own copy: the first form is the receipt, the ones
    // below are marked as copies and get "(控)"; so no separate copy set is offered.
    void receiptsMarkTheirCopyBlocks() {
        for (const DocumentLayout& l : ofType(6)) {
            const QList<int> marks = LayoutTables::SplitCodes(l.kind.Layout);
            QCOMPARE(marks.size(), l.kind.Block);
            QVERIFY(!DocumentItems::IsCopy(2, 1, 1, DocumentItems::BlockMark(l.kind.Layout, 1)));
            for (int b = 2; b <= l.kind.Block; ++b)
                QVERIFY(DocumentItems::IsCopy(2, 1, 1, DocumentItems::BlockMark(l.kind.Layout, b)));
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
                engine.DrawBlock(l, b, 0, 0, PrintEngine::BlockOffset(l.kind.Block, b), 0, source);
            }
            QList<RecordedOp> titles;
            for (const RecordedOp& op : canvas.texts(0))
                if (op.fontSize == TitlePoints)
                    titles << op;
            QCOMPARE(titles.size(), l.kind.Block);
            QCOMPARE(titles[0].text, QStringLiteral("領収書"));
            for (int b = 1; b < l.kind.Block; ++b) {
                QCOMPARE(titles[b].text, QStringLiteral("領収書(控)"));
                QCOMPARE(titles[b].y - titles[0].y, PrintEngine::BlockOffset(l.kind.Block, b + 1));
            }
        }
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
