// A customer's document history: the list and its order for every stored sort choice, and
// what OK, a double click, Enter and Cancel hand back, an unreadable history included.
#include "HistoryFixture.h"
#include "documents/HistoryQuery.h"
#include "documents/KivoraHistory.h"
#include "support/TestMain.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << (grid->item(r, column) ? grid->item(r, column)->text() : QString());
    return out;
}

QStringList Numbers(HistoryFixture& f, const QString& user, int type) {
    QStringList out;
    for (const HistoryRow& row : HistoryQuery::History(*f.db, f.env.settings(), user, type))
        out << row.DocNumber;
    return out;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    // Sort 0 by number, 1 by date; order 0 ascending, 1 descending; -1 stores nothing. The
    // two documents of 2001/03/05 are told apart by number, in the dates' direction.
    void orderFollowsTheStoredChoice() {
        const std::tuple<int, int, const char*> cases[] = {
            {-1, -1, "A00001 A00002 A00003 A00004"}, {0, 1, "A00004 A00003 A00002 A00001"},
            {1, 0, "A00002 A00003 A00004 A00001"},   {1, 1, "A00001 A00004 A00003 A00002"},
            {1, -1, "A00002 A00003 A00004 A00001"},  {9999, 9999, "A00001 A00002 A00003 A00004"}};
        for (const auto& [sort, direction, expected] : cases) {
            HistoryFixture f;
            f.order(sort, direction);
            QCOMPARE(Numbers(f, "100", 2).join(' '), QString(expected));
        }
    }

    void onlyTheCustomersDocumentsOfTheType() {
        HistoryFixture f;
        QCOMPARE(Numbers(f, "100", 0) + Numbers(f, "200", 2),
                 QStringList({"E00001", "B00001", "B00002"}));
        // The code is a bound value, and "10" is no prefix match of "100".
        QVERIFY(Numbers(f, "100' OR '1'='1", 2).isEmpty() && Numbers(f, "10", 2).isEmpty());
        // The list shows dates and staff names; a code without a staff member shows none.
        f.env.state.gResult = 5;
        KivoraHistory d(f.env.state);
        QCOMPARE(Column(d.FxGridHistory, 2),
                 QStringList({"2001/03/10", "2001/03/01", "2001/03/05", "2001/03/05"}));
        QCOMPARE(Column(d.FxGridHistory, 3), QStringList({"山田太郎", "田中花子", "", ""}));
        // Until a document is chosen, closing is a cancel.
        QCOMPARE(f.env.state.gResult, qint16(-1));
    }

    void choosingOrCancelling_data() {
        QTest::addColumn<int>("way");
        QTest::addColumn<QString>("number"); // empty: nothing is chosen
        QTest::newRow("OK on the second row") << 0 << QStringLiteral("A00002");
        QTest::newRow("double click on the fourth row") << 1 << QStringLiteral("A00004");
        QTest::newRow("Down, Down, Enter") << 2 << QStringLiteral("A00003");
        QTest::newRow("Cancel") << 3 << QString();
        QTest::newRow("Escape") << 4 << QString();
        QTest::newRow("unreadable history") << 5 << QString();
    }
    void choosingOrCancelling() {
        QFETCH(int, way);
        QFETCH(QString, number);
        HistoryFixture f;
        if (way == 5)
            f.db->exec(QStringLiteral("DROP TABLE 担当者"));
        KivoraHistory d(f.env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTableWidget* grid = d.FxGridHistory;
        const QPoint fourth = grid->visualRect(grid->model()->index(3, 2)).center();
        if (way == 0) {
            grid->setCurrentCell(1, 0);
            d.BtnOK->click();
        } else if (way == 1) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, fourth);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, fourth);
        } else if (way == 2 || way == 5) {
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Return);
        } else if (way == 3) {
            d.BtnCancel->click();
        } else {
            QTest::keyClick(&d, Qt::Key_Escape);
        }
        // An unreadable history is told, offers nothing and stays open.
        QCOMPARE(f.env.messages.count(), way == 5 ? 1 : 0);
        QCOMPARE(d.isVisible(), way == 5);
        QCOMPARE(f.env.state.gHandOff, number.isEmpty() ? QStringLiteral("kept") : number);
        QCOMPARE(f.env.state.gResult, qint16(number.isEmpty() ? -1 : 0));
    }
};

KIVORA_TEST(TestHistory)
#include "tst_history.moc"
