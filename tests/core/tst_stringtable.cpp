#include "support/TestMain.h"
#include "resources/StringTable.h"

#include <QStringList>
#include <QTest>

// The windows compute resource numbers from codes, so these check that the numbering lines up
// with those codes, not just that some texts exist.
class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    void numberingFollowsTheCodes() {
        QCOMPARE(Res::text(1), "Kivora");
        // 101 + document type; 106 (receivables) is the work bar's sixth image.
        const QStringList documents = {"見積書", "注文書",   "納品書",     "請求書",
                                       "領収証", "売掛管理", "明細請求書", "合計請求書"};
        const QStringList payments = {"現金", "小切手", "振込", "手形", "相殺", "その他"};
        for (int i = 0; i < documents.size(); ++i) { // 501 + i is division i + 1; 507 on are unused
            QCOMPARE(Res::text(101 + i), documents.at(i));
            QCOMPARE(Res::text(501 + i), payments.value(i));
        }
        // Copy item k is "<name of type k>から(&X)"; its mask hides the document's own type.
        for (int type = 0; type < 4; ++type) {
            QVERIFY2(Res::text(401 + type).startsWith(documents.at(type) + "から(&"),
                     qPrintable(Res::text(401 + type)));
            QString mask = "1111";
            mask[type] = u'0';
            QCOMPARE(Res::text(410 + type), mask);
        }
        QCOMPARE(Res::text(416), "1111");
        // Tool-bar button n is 200 + n; "-" makes a separator.
        const QList<int> separators = {1, 4, 6, 11};
        for (int button = 1; button <= 12; ++button)
            QCOMPARE(Res::text(200 + button) == "-", separators.contains(button));
        // Appended to a caption; the stop is the half-width "｡" (U+FF61).
        QCOMPARE("顧客" + Res::text(1009), "顧客を検索します\uFF61");
    }

    void exportSamplesDifferOnlyByQuoting() {
        const QChar separators[] = {u',', u'･', u' ', u';'};
        const QStringList fields = {"100", "見本太郎", "123-4567"};
        for (int i = 0; i < 4; ++i) {
            const QString sep = separators[i];
            QCOMPARE(Res::text(2001 + i), '"' + fields.join('"' + sep + '"') + '"');
            QStringList plain = Res::text(2011 + i).split(sep, Qt::SkipEmptyParts);
            for (QString& p : plain)
                p = p.trimmed();
            QCOMPARE(plain, fields);
        }
    }

    void definedIdsHaveText() {
        for (int id = -1; id <= 3000; ++id)
            QCOMPARE(Res::has(id), !Res::text(id).isEmpty());
        QVERIFY(!Res::has(0));
    }
};

KIVORA_TEST(TestStringTable)
#include "tst_stringtable.moc"
