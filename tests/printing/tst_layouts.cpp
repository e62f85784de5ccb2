// Document layouts: reading them from a layout database with the test's own rows, and the
// delivered layouts of data/layout.sql, whole and inside their part of the sheet.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "printing/DocumentItems.h"
#include "printing/LayoutTables.h"
#include "printing/PrintCodes.h"
#include "printing/PrintEngine.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// A check on layout `l`, naming it when it fails.
#define CHECK(cond, what)                                                                          \
    QVERIFY2(cond, qPrintable(u"layout %1 (%2): "_s.arg(l.kind.Code).arg(l.kind.Name) + (what)))

namespace {

constexpr double Margin = 4.0; // most printers cannot reach the last few millimetres

// The values of a read row, space-separated, to compare a whole row at once.
template <typename... T> QString row(const T&... v) {
    QStringList s;
    (s << ... << QVariant::fromValue(v).toString());
    return s.join(QLatin1Char(' '));
}

QString kindRow(const DocumentLayoutKind& k) {
    return row(k.Code, k.DocType, k.Name, k.Duplicate, k.ItemCode, k.LineCode, k.FixItemCode,
               k.Block, k.Rows, k.RowHeight, k.FontSize, k.Layout);
}

// Whether a document's print routine gives item `code` a value, and whether per line.
bool Known(int docType, int code) {
    // The registration number, the per-rate lines, the note and the line mark.
    const bool invoice = code >= LayoutItem::RegistNumber && code <= LayoutItem::LineTaxMark;
    if (docType <= 3)
        return (code >= 0 && code <= 40) || invoice;
    if (docType == 6)
        return QList<int>{0, 2, 3, 4, 5, 10, 11, 13, 27, 28, 29, 57}.contains(code) ||
               (code >= 14 && code <= 18) || (code >= 41 && code <= 49);
    return (code >= 0 && code <= 31 && code != 20) || (code >= 50 && code <= 56) || invoice;
}

bool IsDetail(int docType, int code) {
    return docType <= 3 ? DocumentItems::IsSlipDetail(code)
                        : docType < 6 && DocumentItems::IsBillDetail(code);
}

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

    QList<DocumentLayout> m_layouts;

private slots:
    void initTestCase() {
        TestEnv env(TestEnv::LayoutDb);
        Database db(env.state.DbNames[1], LayoutDbMarkerTable());
        for (int type = 0; type <= 6; ++type) {
            const QList<DocumentLayoutKind> kinds = LayoutTables::DocumentLayouts(db, type);
            QVERIFY2(!kinds.isEmpty(), qPrintable(QString::number(type)));
            for (const DocumentLayoutKind& kind : kinds)
                m_layouts << LayoutTables::ReadDocumentLayout(db, kind.Code).value();
        }
        // Nothing of another document type hides in the table.
        QCOMPARE(m_layouts.size(), db.scalar(u"SELECT COUNT(*) FROM 伝票種類"_s).toInt());
    }

    void splitCodes() {
        const std::pair<const char*, QList<int>> cases[] = {
            {"31/5/20", {31, 5, 20}}, {"", {}},          {"0/-1", {0, -1}},
            {" 4 / 5 ", {4, 5}},      {"1//2/", {1, 2}}, {"a/3/x7/8", {3, 8}}};
        for (const auto& [text, codes] : cases)
            QCOMPARE(LayoutTables::SplitCodes(text), codes);
    }

    // A type's layouts in code order with every column, names bound as values; a layout
    // reads its rows by its three codes only, up to its block count; shared codes share
    // rows and codes without rows still read.
    void layoutsAndTheirRows() {
        TestEnv env(TestEnv::LayoutDb);
        Database db(env.state.DbNames[1], LayoutDbMarkerTable());
        for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
            db.exec(u"DELETE FROM "_s + QString::fromUtf8(table));
        const QString odd = u"O'Brien; DROP TABLE 伝票種類(見積書)"_s;
        db.exec(u"INSERT INTO 伝票種類 VALUES (30, 2, '納品書 2枚(納品書)', 1, 11, 12, 13, 2, 12, "
                u"6.5, 9.5, '0/-1'), (9, 3, '請求書(請求書)', 0, 11, 99, 99, 1, 20, 7, 10, '')"_s);
        db.exec(u"INSERT INTO 伝票種類 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                {20, 2, odd, 0, 6, 7, 8, 3, 20, 7, 10, ""});
        QStringList kinds;
        for (const DocumentLayoutKind& k : LayoutTables::DocumentLayouts(db, 2))
            kinds << kindRow(k);
        QCOMPARE(kinds, (QStringList{"20 2 " + odd + " false 6 7 8 3 20 7 10 ",
                                     "30 2 納品書 2枚(納品書) true 11 12 13 2 12 6.5 9.5 0/-1"}));

        db.exec(u"INSERT INTO 伝票項目 VALUES (11, 1, '0/5/21'), (11, 2, '0/31'), (11, 3, '99'), "
                "(12, 1, '77')"_s);
        db.exec(u"INSERT INTO 伝票位置 VALUES (11, 21, 40, 120, 60, 0, 0), (11, 0, 60, 150, 10, "
                "2, 0), (11, 5, 150, 200, 20.5, 1, 3), (13, 6, 1, 2, 3, 0, 0)"_s);
        db.exec(u"INSERT INTO 伝票罫線 VALUES (12, 10, 55, 200, 140, 12615744, 3, 6, 1), (11, 0, "
                "0, 1, 1, 0, 1, 0, 0)"_s);
        db.exec(u"INSERT INTO 伝票固定項目 VALUES (13, 10, 40, 55, '商品番号', 2), (12, 0, 0, 0, "
                "'別', 0)"_s);
        const DocumentLayout layout = LayoutTables::ReadDocumentLayout(db, 30).value();
        QCOMPARE(kindRow(layout.kind), kinds[1]);
        QCOMPARE(layout.items, (QMap<int, QList<int>>{{1, {0, 5, 21}}, {2, {0, 31}}}));
        QStringList found;
        for (const LayoutPosition& p : layout.positions)
            found << row(p.ItemNo, p.X1, p.X2, p.Y1, p.Align, p.DataType);
        for (const LayoutLine& l : layout.lines)
            found << row(l.X1, l.Y1, l.X2, l.Y2, l.Color, l.Width, l.Style, l.Type);
        for (const LayoutFixedText& t : layout.fixedTexts)
            found << row(t.X1, t.X2, t.Y1, t.Character, t.Align);
        QCOMPARE(found, (QStringList{"0 60 150 10 2 0", "5 150 200 20.5 1 3", "21 40 120 60 0 0",
                                     "10 55 200 140 12615744 3 6 1", "10 40 55 商品番号 2"}));
        QVERIFY(!LayoutTables::ReadDocumentLayout(db, 8));
        const DocumentLayout sharing = LayoutTables::ReadDocumentLayout(db, 9).value();
        QCOMPARE(sharing.items, (QMap<int, QList<int>>{{1, {0, 5, 21}}}));
        QCOMPARE(sharing.positions.size(), 3);
        QVERIFY(sharing.lines.isEmpty() && sharing.fixedTexts.isEmpty());
    }

    // Every listed code has a position, is printed by its document, and appears once.
    void everyDeliveredLayoutIsWhole() {
        for (const DocumentLayout& l : m_layouts) {
            CHECK(DocumentItems::Title(l.kind.Name, false) != l.kind.Name, "title");
            CHECK(l.kind.Block >= 1 && l.items.size() == l.kind.Block, "blocks");
            for (int b = 1; b <= l.kind.Block; ++b) {
                const QList<int> codes = l.items.value(b);
                CHECK(!codes.isEmpty() &&
                          QSet<int>(codes.begin(), codes.end()).size() == codes.size(),
                      "block items");
                for (int code : codes)
                    CHECK(l.positions.contains(code) && Known(l.kind.DocType, code),
                          u"item %1"_s.arg(code));
            }
        }
    }

    // Everything within the printable band of the first form (a full page of lines too);
    // only the dashed cut line of a multi-form sheet runs along the band's edge.
    void deliveredLayoutsStayInTheirBand() {
        for (const DocumentLayout& l : m_layouts) {
            const double band = l.kind.Block == 1 ? 297 : PrintEngine::BlockOffset(l.kind.Block, 2);
            const double em = l.kind.FontSize * 25.4 / 72.0;
            const auto inside = [&](double x1, double x2, double top, double bottom,
                                    const QString& what) {
                CHECK(x1 >= Margin && x2 <= 210 - Margin && x1 < x2, what + " across");
                CHECK(top >= Margin && bottom <= band - Margin, what + " outside its band");
            };
            for (const LayoutPosition& p : l.positions) {
                const double last =
                    IsDetail(l.kind.DocType, p.ItemNo) ? (l.kind.Rows - 1) * l.kind.RowHeight : 0;
                inside(p.X1, p.X2, p.Y1, p.Y1 + last + em, u"item %1"_s.arg(p.ItemNo));
            }
            bool cut = false;
            for (const LayoutLine& line : l.lines) {
                if (line.Type == 0 && line.Style == 1 && line.Y1 == band && line.Y2 == band) {
                    cut = true;
                    continue;
                }
                const double r = line.Type > 1 ? line.X2 : 0; // circles: centre and radius
                inside(std::min(line.X1, r ? line.X1 - r : line.X2),
                       std::max(line.X1, r ? line.X1 + r : line.X2) + 0.1,
                       std::min(line.Y1, r ? line.Y1 - r : line.Y2),
                       std::max(line.Y1, r ? line.Y1 + r : line.Y2),
                       u"line at %1,%2"_s.arg(line.X1).arg(line.Y1));
            }
            CHECK(cut == (l.kind.Block > 1), "cut line");
        }
    }

    // A seal of 15 mm, placed 40 mm right of the company name's box, covers no other item
    // of the header (the name is printed over it, as it should be).
    void sealCoversNothing() {
        constexpr double Seal = 15.0;
        for (const DocumentLayout& l : m_layouts) {
            if (l.kind.DocType > 3 || !l.positions.contains(LayoutItem::CompanyName))
                continue;
            const LayoutPosition name = l.positions.value(LayoutItem::CompanyName);
            const QRectF seal(name.X1 + 40.0, name.Y1, Seal, Seal);
            CHECK(seal.right() <= 210 - Margin, "seal off the paper");
            const double em = l.kind.FontSize * 25.4 / 72.0;
            for (const LayoutPosition& p : l.positions) {
                if (p.ItemNo == LayoutItem::CompanyName || IsDetail(l.kind.DocType, p.ItemNo))
                    continue;
                const QRectF box(QPointF(p.X1, p.Y1), QPointF(p.X2, p.Y1 + em));
                CHECK(!seal.intersects(box), u"seal over item %1"_s.arg(p.ItemNo));
            }
        }
    }
};

KIVORA_TEST(TestLayouts)
#include "tst_layouts.moc"
