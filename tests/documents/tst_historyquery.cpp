// The history list as the logic hands it to the window: which documents, and in which
// order for every stored sort choice. Dates, staff names and a failing read are checked
// through the window in tst_history.
#include "support/TestMain.h"
#include "HistoryFixture.h"
#include "documents/HistoryQuery.h"

#include <QtTest>

namespace {

QStringList Numbers(HistoryFixture& f, const QString& user, int type) {
    QStringList out;
    for (const HistoryRow& row : HistoryQuery::History(*f.db, f.env.settings(), user, type))
        out << row.DocNumber;
    return out;
}

} // namespace

class TestHistoryQuery : public QObject {
    Q_OBJECT

private slots:
    void orderFollowsTheStoredChoice_data() {
        QTest::addColumn<int>("sort");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("expected");
        const QStringList up{"A00001", "A00002", "A00003", "A00004"};
        // -1: the key is not stored at all.
        QTest::newRow("nothing stored: numbers ascending") << -1 << -1 << up;
        QTest::newRow("number, 昇順 (Order 0)") << 0 << 0 << up;
        QTest::newRow("number, 降順 (Order 1)")
            << 0 << 1 << QStringList{"A00004", "A00003", "A00002", "A00001"};
        // The two documents of 2001/03/05 are told apart by number, in the dates' direction.
        QTest::newRow("date, 昇順 (Order 0)")
            << 1 << 0 << QStringList{"A00002", "A00003", "A00004", "A00001"};
        QTest::newRow("date, 降順 (Order 1)")
            << 1 << 1 << QStringList{"A00001", "A00004", "A00003", "A00002"};
        QTest::newRow("date stored, order missing")
            << 1 << -1 << QStringList{"A00002", "A00003", "A00004", "A00001"};
        // A damaged value reads as the default, as the order clause reads it.
        QTest::newRow("damaged values") << 99999 << 99999 << up;
    }

    void orderFollowsTheStoredChoice() {
        QFETCH(int, sort);
        QFETCH(int, direction);
        QFETCH(QStringList, expected);
        HistoryFixture f;
        f.order(sort, direction);
        QCOMPARE(Numbers(f, QStringLiteral("100"), 2), expected);
    }

    void onlyTheCustomersDocumentsOfTheType() {
        HistoryFixture f;
        QCOMPARE(Numbers(f, "100", 0), QStringList{"E00001"});
        QCOMPARE(Numbers(f, "200", 2), QStringList({"B00001", "B00002"}));
        QVERIFY(Numbers(f, "300", 2).isEmpty());
        QVERIFY(Numbers(f, "100", 3).isEmpty());
        // The code is a bound value, and "10" is no prefix match of "100".
        QVERIFY(Numbers(f, "100' OR '1'='1", 2).isEmpty());
        QVERIFY(Numbers(f, "10", 2).isEmpty());
    }
};

KIVORA_TEST(TestHistoryQuery)
#include "tst_historyquery.moc"
