#include "resources/StringTable.h"

#include <QStringList>
#include <QTest>

// The windows compute resource numbers from codes (101 + document type,
// 410 + document type, 500 + division, 2001/2011 + separator index), so these
// tests check that the numbering lines up with those codes, not just that
// some texts exist.
class TestStringTable : public QObject {
    Q_OBJECT

private slots:
    void productTitle() { QCOMPARE(Res::text(1), QStringLiteral("Kivora")); }

    void documentNamesFollowTypeCodes() {
        const QStringList names = {QStringLiteral("見積書"), QStringLiteral("注文書"), QStringLiteral("納品書"), QStringLiteral("請求書")};
        for (int type = 0; type < 4; ++type)
            QCOMPARE(Res::text(101 + type), names.at(type));
        QCOMPARE(Res::text(105), QStringLiteral("領収証"));
        QCOMPARE(Res::text(107), QStringLiteral("明細請求書"));
        QCOMPARE(Res::text(108), QStringLiteral("合計請求書"));
        // The work bar's sixth image (receivables) shares the numbering.
        QCOMPARE(Res::text(106), QStringLiteral("売掛管理"));
    }

    void copyMenuMatchesDocumentNames() {
        // Copy item k is "<name of type k>から(&X)".
        for (int k = 0; k < 4; ++k)
            QVERIFY2(Res::text(401 + k).startsWith(Res::text(101 + k) + QStringLiteral("から(&")),
                     qPrintable(Res::text(401 + k)));
    }

    void copyMasksExcludeOwnType() {
        for (int type = 0; type < 4; ++type) {
            const QString mask = Res::text(410 + type);
            QCOMPARE(mask.size(), 4);
            for (int k = 0; k < 4; ++k)
                QCOMPARE(mask.at(k), QChar(k == type ? u'0' : u'1'));
        }
        QCOMPARE(Res::text(416), QStringLiteral("1111"));
    }

    void paymentKindsInDivisionOrder() {
        const QStringList kinds = {QStringLiteral("現金"), QStringLiteral("小切手"), QStringLiteral("振込"),
                                   QStringLiteral("手形"), QStringLiteral("相殺"), QStringLiteral("その他")};
        for (int division = 1; division <= 6; ++division)
            QCOMPARE(Res::text(500 + division), kinds.at(division - 1));
        QVERIFY(!Res::has(507));
    }

    void toolBarSeparatorsAndCaptions() {
        for (int button = 1; button <= 12; ++button) {
            const bool separator = button == 1 || button == 4 || button == 6 || button == 11;
            QCOMPARE(Res::text(200 + button) == QStringLiteral("-"), separator);
        }
        QCOMPARE(Res::text(205), QStringLiteral("顧客検索"));
        QCOMPARE(Res::text(212), QStringLiteral("終了"));
    }

    void searchTipUsesHalfWidthStop() {
        // Appended to a caption; the stop is the half-width "｡" (U+FF61).
        QCOMPARE(QStringLiteral("顧客") + Res::text(1009), QStringLiteral("顧客を検索します\uFF61"));
    }

    void exportSamplesDifferOnlyByQuoting() {
        const QChar separators[] = {u',', u'･', u' ', u';'};
        const QStringList fields = {QStringLiteral("100"), QStringLiteral("見本太郎"), QStringLiteral("123-4567")};
        for (int i = 0; i < 4; ++i) {
            const QStringList quoted = Res::text(2001 + i).split(separators[i]);
            QCOMPARE(quoted.size(), fields.size());
            for (int f = 0; f < fields.size(); ++f)
                QCOMPARE(quoted.at(f), QLatin1Char('"') + fields.at(f) + QLatin1Char('"'));

            QStringList plain = Res::text(2011 + i).split(separators[i], Qt::SkipEmptyParts);
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

QTEST_APPLESS_MAIN(TestStringTable)
#include "tst_stringtable.moc"
