// The history list as the logic hands it to the window: which documents, in which order
// for every stored sort choice, and the staff name beside each.
#include "HistoryFixture.h"
#include "documents/HistoryQuery.h"

#include <QtTest>

namespace {

QStringList Numbers(const QList<HistoryRow>& rows) {
    QStringList out;
    for (const HistoryRow& row : rows)
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
        // -1: the key is not stored at all.
        QTest::newRow("nothing stored: numbers ascending")
            << -1 << -1 << QStringList{"A00001", "A00002", "A00003", "A00004"};
        QTest::newRow("number, 昇順 (Order 0)")
            << 0 << 0 << QStringList{"A00001", "A00002", "A00003", "A00004"};
        QTest::newRow("number, 降順 (Order 1)")
            << 0 << 1 << QStringList{"A00004", "A00003", "A00002", "A00001"};
        // Two documents of 2001/03/05: the number decides between them, in the same
        // direction as the dates.
        QTest::newRow("date, 昇順 (Order 0)")
            << 1 << 0 << QStringList{"A00002", "A00003", "A00004", "A00001"};
        QTest::newRow("date, 降順 (Order 1)")
            << 1 << 1 << QStringList{"A00001", "A00004", "A00003", "A00002"};
        QTest::newRow("date stored, order missing")
            << 1 << -1 << QStringList{"A00002", "A00003", "A00004", "A00001"};
        // A damaged value reads as the default, as the order clause reads it.
        QTest::newRow("damaged values")
            << 99999 << 99999 << QStringList{"A00001", "A00002", "A00003", "A00004"};
    }

    void orderFollowsTheStoredChoice() {
        QFETCH(int, sort);
        QFETCH(int, direction);
        QFETCH(QStringList, expected);
        HistoryFixture f;
        f.order(sort, direction);
        const QList<HistoryRow> rows =
            HistoryQuery::History(*f.db, f.env.settings(), QStringLiteral("100"), 2);
        QCOMPARE(Numbers(rows), expected);
    }

    void onlyTheCustomersDocumentsOfTheType() {
        HistoryFixture f;
        QCOMPARE(Numbers(HistoryQuery::History(*f.db, f.env.settings(), "100", 0)),
                 QStringList{"E00001"});
        QCOMPARE(Numbers(HistoryQuery::History(*f.db, f.env.settings(), "200", 2)),
                 QStringList({"B00001", "B00002"}));
        QVERIFY(HistoryQuery::History(*f.db, f.env.settings(), "300", 2).isEmpty());
        QVERIFY(HistoryQuery::History(*f.db, f.env.settings(), "100", 3).isEmpty());
        // The code is a value, not a piece of the statement.
        QVERIFY(HistoryQuery::History(*f.db, f.env.settings(), "100' OR '1'='1", 2).isEmpty());
        // "10" is not a prefix match of "100".
        QVERIFY(HistoryQuery::History(*f.db, f.env.settings(), "10", 2).isEmpty());
    }

    void datesAndStaffNames() {
        HistoryFixture f;
        const QList<HistoryRow> rows = HistoryQuery::History(*f.db, f.env.settings(), "100", 2);
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[0].IssueYMD, 20010310);
        QCOMPARE(rows[0].ChargeName, QStringLiteral("山田太郎"));
        QCOMPARE(rows[1].IssueYMD, 20010301);
        QCOMPARE(rows[1].ChargeName, QStringLiteral("田中花子"));
        // A code of a staff member who no longer exists, and no code at all: no name.
        QCOMPARE(rows[2].DocNumber, QStringLiteral("A00003"));
        QVERIFY(rows[2].ChargeName.isEmpty());
        QCOMPARE(rows[3].DocNumber, QStringLiteral("A00004"));
        QVERIFY(rows[3].ChargeName.isEmpty());
    }

    void failureReachesTheCaller() {
        HistoryFixture f;
        f.db->exec(QStringLiteral("DROP TABLE 担当者"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 HistoryQuery::History(*f.db, f.env.settings(), "100", 2));
    }
};

QTEST_GUILESS_MAIN(TestHistoryQuery)
#include "tst_historyquery.moc"
