// Reading document layouts; the delivered rows are removed so each test sees its own.
#include "support/TestMain.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "printing/LayoutTables.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<Database> emptyLayoutDb(TestEnv& env) {
    auto db = std::make_unique<Database>(env.state.DbNames[1], LayoutDbMarkerTable());
    for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
        db->exec(u"DELETE FROM "_s + QString::fromUtf8(table));
    return db;
}

// The values of a read row, space-separated, to compare a whole row at once.
template <typename... T> QString row(const T&... v) {
    QStringList s;
    (s << ... << QVariant::fromValue(v).toString());
    return s.join(QLatin1Char(' '));
}

QStringList rows(const QList<DocumentLayoutKind>& kinds) {
    QStringList out;
    for (const DocumentLayoutKind& k : kinds)
        out << row(k.Code, k.DocType, k.Name, k.Duplicate, k.ItemCode, k.LineCode, k.FixItemCode,
                   k.Block, k.Rows, k.RowHeight, k.FontSize, k.Layout);
    return out;
}

} // namespace

class TestLayoutTables : public QObject {
    Q_OBJECT

private slots:
    void splitCodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("codes");
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

    // One type's layouts in code order with every column; names are bound values.
    void layoutsOfATypeInCodeOrder() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        const QString odd = u"O'Brien; DROP TABLE 伝票種類(見積書)"_s;
        db->exec(u"INSERT INTO 伝票種類 VALUES (30, 2, '納品書 2枚(納品書)', 1, 3, 4, 5, 2, 12, "
                 u"6.5, 9.5,"
                 " '0/-1'), (10, 2, '納品書 A4(納品書)', 0, 1, 1, 1, 1, 20, 7, 10, ''),"
                 " (15, 3, '請求書 A4(請求書)', 1, 1, 1, 1, 1, 20, 7, 10, '')"_s);
        db->exec(u"INSERT INTO 伝票種類 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                 {20, 2, odd, 1, 6, 7, 8, 3, 20, 7, 10, ""});
        QCOMPARE(rows(LayoutTables::DocumentLayouts(*db, 2)),
                 (QStringList{"10 2 納品書 A4(納品書) false 1 1 1 1 20 7 10 ",
                              "20 2 " + odd + " true 6 7 8 3 20 7 10 ",
                              "30 2 納品書 2枚(納品書) true 3 4 5 2 12 6.5 9.5 0/-1"}));
        QCOMPARE(rows(LayoutTables::DocumentLayouts(*db, 3)),
                 QStringList{"15 3 請求書 A4(請求書) true 1 1 1 1 20 7 10 "});
        QVERIFY(LayoutTables::DocumentLayouts(*db, 6).isEmpty());
        QVERIFY(db->tableExists(u"伝票種類"_s));
    }

    // A layout reads its rows by its three codes only, up to its block count; shared codes
    // share rows, and codes without rows still read.
    void layoutWithItsRows() {
        TestEnv env(TestEnv::LayoutDb);
        auto db = emptyLayoutDb(env);
        db->exec(u"INSERT INTO 伝票種類 VALUES (7, 0, '見積書(御見積書)', 1, 11, 12, "
                 "13, 2, 20, 7, 10, ''),"
                 " (9, 3, '請求書(請求書)', 0, 11, 99, 99, 1, 20, 7, 10, '');"_s);
        db->exec(u"INSERT INTO 伝票項目 VALUES (11, 1, '0/5/20/21'), (11, 2, '0/31'),"
                 " (11, 3, '99'), (12, 1, '77')"_s);
        db->exec(u"INSERT INTO 伝票位置 VALUES (11, 21, 40, 120, 60, 0, 0),"
                 " (11, 0, 60, 150, 10, 2, 0), (11, 5, 150, 200, 20.5, 1, 3),"
                 " (13, 6, 1, 2, 3, 0, 0)"_s);
        db->exec(u"INSERT INTO 伝票罫線 VALUES (12, 10, 55, 200, 140, 12615744, 3, 6, 1),"
                 " (12, 10, 62, 200, 62, 0, 1, 2, 0), (11, 0, 0, 1, 1, 0, 1, 0, 0)"_s);
        db->exec(u"INSERT INTO 伝票固定項目 VALUES (13, 10, 40, 55, '商品番号', 2),"
                 " (12, 0, 0, 0, '別の固定項目', 0)"_s);

        const std::optional<DocumentLayout> layout = LayoutTables::ReadDocumentLayout(*db, 7);
        QVERIFY(layout);
        QCOMPARE(rows({layout->kind}).first(), u"7 0 見積書(御見積書) true 11 12 13 2 20 7 10 "_s);
        QCOMPARE(layout->items, (QMap<int, QList<int>>{{1, {0, 5, 20, 21}}, {2, {0, 31}}}));
        QStringList found;
        for (const LayoutPosition& p : layout->positions)
            found << row(p.ItemNo, p.X1, p.X2, p.Y1, p.Align, p.DataType);
        QCOMPARE(found, (QStringList{"0 60 150 10 2 0", "5 150 200 20.5 1 3", "21 40 120 60 0 0"}));
        found.clear();
        for (const LayoutLine& l : layout->lines)
            found << row(l.X1, l.Y1, l.X2, l.Y2, l.Color, l.Width, l.Style, l.Type);
        found.sort();
        QCOMPARE(found, (QStringList{"10 55 200 140 12615744 3 6 1", "10 62 200 62 0 1 2 0"}));
        QCOMPARE(layout->fixedTexts.size(), 1);
        const LayoutFixedText& fixed = layout->fixedTexts[0];
        QCOMPARE(row(fixed.X1, fixed.X2, fixed.Y1, fixed.Character, fixed.Align),
                 u"10 40 55 商品番号 2"_s);
        QVERIFY(!LayoutTables::ReadDocumentLayout(*db, 8));

        const auto sharing = LayoutTables::ReadDocumentLayout(*db, 9);
        QVERIFY(sharing);
        QCOMPARE(sharing->items, (QMap<int, QList<int>>{{1, {0, 5, 20, 21}}}));
        QCOMPARE(sharing->positions.size(), 3);
        QVERIFY(sharing->lines.isEmpty() && sharing->fixedTexts.isEmpty());
    }
};

KIVORA_TEST(TestLayoutTables)
#include "tst_layouttables.moc"
