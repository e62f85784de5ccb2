// The history dialog and its sort dialog as the document windows and the user drive them:
// the list and its order, what OK, Enter, a double click and Cancel hand back, the sort
// that is stored and redraws the list, and the customer search of the copy command.
#include "support/TestMain.h"
#include "HistoryFixture.h"
#include "customers/KivoraFindUser.h"
#include "documents/KivoraHistory.h"
#include "masters/KivoraSort.h"
#include "support/ModalHelper.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << (grid->item(r, column) ? grid->item(r, column)->text() : QString());
    return out;
}

QPoint CellCentre(const QTableWidget* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

// A customer's delivery notes (type 2) as the slip window opens them; mode 3 is the copy
// command, which lists delivery notes for an invoice.
void Prepare(AppState& state, quint8 mode = 2, const QString& user = QStringLiteral("100"),
             const QString& name = QStringLiteral("山田商店")) {
    state.gDocType = 2;
    state.gMode = mode;
    state.gUserCode = user;
    state.gUserName = name;
    state.gCaption = QStringLiteral("伝票履歴");
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheCustomersDocumentsInTheStoredOrder() {
        HistoryFixture f;
        f.order(0, 1); // by number, descending
        Prepare(f.env.state);
        f.env.state.gResult = 5;
        KivoraHistory d(f.env.state);
        QCOMPARE(d.windowTitle(), QStringLiteral("伝票履歴"));
        QCOMPARE(d.LabelHistory[0]->text() + d.LabelHistory[1]->text(),
                 QStringLiteral("100山田商店"));
        // The customer search belongs to the copy command only.
        QVERIFY(d.BtnFind->isHidden());
        QCOMPARE(Column(d.FxGridHistory, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00004", "A00003", "A00002", "A00001"}));
        QCOMPARE(Column(d.FxGridHistory, 2),
                 QStringList({"2001/03/05", "2001/03/05", "2001/03/01", "2001/03/10"}));
        QCOMPARE(Column(d.FxGridHistory, 3),
                 QStringList({QString(), QString(), "田中花子", "山田太郎"}));
        QVERIFY(d.BtnOK->isEnabled() && d.BtnSort->isEnabled());
        QCOMPARE(d.FxGridHistory->editTriggers(), QAbstractItemView::NoEditTriggers);
        // Until a document is chosen, closing is a cancel.
        QCOMPARE(f.env.state.gResult, qint16(-1));
        const QFontMetrics metrics(d.FxGridHistory->font());
        QVERIFY(d.FxGridHistory->columnWidth(2) >= metrics.horizontalAdvance("2001/03/10"));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void emptyOrUnreadableHistoryOffersNothingToChoose_data() {
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("customer without documents") << false;
        QTest::newRow("history that cannot be read") << true;
    }

    void emptyOrUnreadableHistoryOffersNothingToChoose() {
        QFETCH(bool, unreadable);
        HistoryFixture f;
        // Customer 100 has documents, but without the staff table they cannot be read.
        Prepare(f.env.state, 2, unreadable ? QStringLiteral("100") : QStringLiteral("300"));
        if (unreadable)
            f.db->exec(QStringLiteral("DROP TABLE 担当者"));
        f.env.state.gHandOff = QStringLiteral("before");
        // Opened over its caller, it stands centred on it.
        QWidget caller;
        caller.setGeometry(100, 80, 900, 700);
        caller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller));
        KivoraHistory d(f.env.state, &caller);
        d.show();
        QVERIFY((d.frameGeometry().center() - caller.frameGeometry().center()).manhattanLength() <=
                4);
        // Only the failure is reported, as a stop message.
        QCOMPARE(f.env.messages.count(), unreadable ? 1 : 0);
        if (unreadable) {
            const MessageRequest& m = f.env.messages.shown().last();
            QVERIFY(m.icon == MsgIcon::Stop && m.title == QStringLiteral("Kivora") &&
                    !m.text.isEmpty());
        }
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({QString()}));
        QVERIFY(!d.BtnOK->isEnabled() && !d.BtnSort->isEnabled());
        // Neither a double click nor Enter on the empty line hands anything back.
        QTest::mouseDClick(d.FxGridHistory->viewport(), Qt::LeftButton, {},
                           CellCentre(d.FxGridHistory, 0, 1));
        QTest::keyClick(d.FxGridHistory, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("before"));
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
    }

    void choosingOrCancelling() {
        QFETCH(int, way);
        QFETCH(QString, number);
        HistoryFixture f;
        Prepare(f.env.state);
        f.env.state.gHandOff = QStringLiteral("kept");
        KivoraHistory d(f.env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTableWidget* grid = d.FxGridHistory;
        if (way == 0) {
            grid->setCurrentCell(1, 0);
            d.BtnOK->click();
        } else if (way == 1) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 3, 2));
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, 3, 2));
        } else if (way == 2) {
            QVERIFY(grid->hasFocus());
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Return);
        } else if (way == 3) {
            d.BtnCancel->click();
        } else {
            QTest::keyClick(&d, Qt::Key_Escape);
        }
        QVERIFY(!d.isVisible());
        const bool chosen = !number.isEmpty();
        QCOMPARE(d.result(), int(chosen ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(f.env.state.gHandOff, chosen ? number : QStringLiteral("kept"));
        QCOMPARE(f.env.state.gResult, qint16(chosen ? 0 : -1));
    }

    void customerSearchOfTheCopyCommand() {
        HistoryFixture f;
        Prepare(f.env.state, 3);
        KivoraHistory d(f.env.state);
        d.show();
        QVERIFY(d.BtnFind->isVisible());
        QVERIFY(!d.BtnFind->icon().isNull());
        // A cancelled search keeps the customer and the list.
        OnNextModal([](QWidget* w) {
            if (auto* search = qobject_cast<KivoraFindUser*>(w))
                search->BtnCancel->click();
        });
        d.BtnFind->click();
        QCOMPARE(d.LabelHistory[0]->text(), QStringLiteral("100"));
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00001", "A00002", "A00003", "A00004"}));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("100"));
        QCOMPARE(f.env.state.gResult, qint16(-1));

        quint8 modeSeen = 0;
        OnNextModal([&](QWidget* w) {
            auto* search = qobject_cast<KivoraFindUser*>(w);
            if (!search)
                return;
            modeSeen = f.env.state.gMode;
            search->OptFindUser[0]->click();
            search->TextFindUser->setText(QStringLiteral("200"));
            search->BtnFind->click();
            search->BtnOK->click();
        });
        d.BtnFind->click();
        QCOMPARE(modeSeen, quint8(2)); // the search knows the history opened it
        QCOMPARE(d.LabelHistory[0]->text() + d.LabelHistory[1]->text(),
                 QStringLiteral("200森田電気"));
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"B00001", "B00002"}));
        QCOMPARE(Column(d.FxGridHistory, 3), QStringList({QStringLiteral("山田太郎"), QString()}));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(d.isVisible());
        // The document chosen now belongs to the other customer.
        d.FxGridHistory->setCurrentCell(1, 1);
        d.BtnOK->click();
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("B00002"));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("200"));
    }

    void sortIsStoredAndRedrawsTheList() {
        HistoryFixture f;
        Prepare(f.env.state);
        KivoraHistory d(f.env.state);
        d.show();
        // What the sort dialog showed: caption, second option, starting by number ascending.
        QString seen;
        OnNextModal([&](QWidget* w) {
            auto* sort = qobject_cast<KivoraSort*>(w);
            if (!sort)
                return;
            seen =
                sort->windowTitle() + ' ' + sort->OptionItem[1]->text() + ' ' +
                (sort->OptionItem[0]->isChecked() && sort->OptionOrder[0]->isChecked() ? "1" : "0");
            sort->OptionItem[1]->click();
            sort->OptionOrder[1]->click();
            sort->BtnOK->click();
        });
        d.BtnSort->click();
        QCOMPARE(seen, QStringLiteral("伝票履歴の並び替え 作成日(&M) 1"));
        QCOMPARE(f.env.state.gMode, quint8(9));
        QCOMPARE(f.env.settings().get("SortHistory"), QStringLiteral("1"));
        QCOMPARE(f.env.settings().get("OrderHistory"), QStringLiteral("1"));
        // By date, newest first, numbered afresh; the sort's answer chooses no document.
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00001", "A00004", "A00003", "A00002"}));
        QCOMPARE(Column(d.FxGridHistory, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(d.isVisible());

        // A cancelled sort neither stores nor redraws, though the options were changed.
        d.FxGridHistory->item(0, 1)->setText(QStringLiteral("marker"));
        OnNextModal([](QWidget* w) {
            if (auto* sort = qobject_cast<KivoraSort*>(w)) {
                sort->OptionItem[0]->click();
                sort->BtnCancel->click();
            }
        });
        d.BtnSort->click();
        QCOMPARE(f.env.settings().get("SortHistory"), QStringLiteral("1"));
        QCOMPARE(d.FxGridHistory->item(0, 1)->text(), QStringLiteral("marker"));
        QCOMPARE(f.env.state.gResult, qint16(-1));
    }

    void sortDialogForOtherLists() {
        HistoryFixture f;
        f.env.settings().save(QStringLiteral("SortGoods"), 1);
        f.env.settings().save(QStringLiteral("OrderGoods"), 1);
        f.env.state.gMode = 2;
        {
            KivoraSort d(f.env.state);
            QCOMPARE(d.OptionItem[1]->text(), QStringLiteral("名称(&N)"));
            QVERIFY(d.OptionItem[1]->isChecked() && d.OptionOrder[1]->isChecked());
            // The two choices are independent of each other.
            d.OptionOrder[0]->click();
            QVERIFY(d.OptionItem[1]->isChecked());
            d.BtnOK->click();
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.env.settings().get("SortGoods"), QStringLiteral("1"));
        QCOMPARE(f.env.settings().get("OrderGoods"), QStringLiteral("0"));
        // Only the kind's own keys are written.
        QCOMPARE(f.env.settings().get("SortHistory", "none"), QStringLiteral("none"));

        // Staff: Escape is a cancel that leaves gResult 0 and stores nothing.
        f.env.state.gMode = 0;
        f.env.state.gResult = -1;
        KivoraSort staff(f.env.state);
        staff.show();
        QVERIFY(staff.OptionItem[0]->isChecked() && staff.OptionOrder[0]->isChecked());
        staff.OptionItem[1]->click();
        QTest::keyClick(&staff, Qt::Key_Escape);
        QVERIFY(!staff.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.env.settings().get("SortCharge", "none"), QStringLiteral("none"));
    }
};

KIVORA_TEST(TestHistory)
#include "tst_history.moc"
