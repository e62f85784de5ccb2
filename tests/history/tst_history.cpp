// The history dialog and its sort dialog, driven as the document windows and the user
// use them: what the list shows and in which order, what OK, Enter, a double click and
// Cancel hand back, the sort that is stored and redraws the list, and the customer
// search of the copy command.
#include "HistoryFixture.h"
#include "customers/KivoraFindUser.h"
#include "documents/KivoraHistory.h"
#include "masters/KivoraSort.h"
#include "support/ModalHelper.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace {

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QTableWidgetItem* item = grid->item(r, column);
        out << (item ? item->text() : QString());
    }
    return out;
}

QStringList Headers(const QTableWidget* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << grid->horizontalHeaderItem(c)->text();
    return out;
}

QPoint CellCentre(const QTableWidget* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

// The history of customer 100's delivery notes as the slip window opens it.
void Prepare(AppState& state, quint8 docType = 2, quint8 mode = 2,
             const QString& user = QStringLiteral("100"),
             const QString& name = QStringLiteral("山田商店")) {
    state.gDocType = docType;
    state.gMode = mode;
    state.gUserCode = user;
    state.gUserName = name;
    state.gCaption = QStringLiteral("伝票履歴");
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheCustomersDocuments() {
        HistoryFixture f;
        Prepare(f.env.state);
        f.env.state.gResult = 5;
        KivoraHistory d(f.env.state);
        QCOMPARE(d.windowTitle(), QStringLiteral("伝票履歴"));
        QCOMPARE(d.LabelHistory[0]->text(), QStringLiteral("100"));
        QCOMPARE(d.LabelHistory[1]->text(), QStringLiteral("山田商店"));
        QCOMPARE(Headers(d.FxGridHistory),
                 QStringList({QString(), QStringLiteral("伝票番号"), QStringLiteral("作成日"),
                              QStringLiteral("担当者")}));
        QCOMPARE(Column(d.FxGridHistory, 0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00001", "A00002", "A00003", "A00004"}));
        QCOMPARE(Column(d.FxGridHistory, 2),
                 QStringList({"2001/03/10", "2001/03/01", "2001/03/05", "2001/03/05"}));
        QCOMPARE(Column(d.FxGridHistory, 3),
                 QStringList({QStringLiteral("山田太郎"), QStringLiteral("田中花子"), QString(),
                              QString()}));
        QCOMPARE(d.BtnCancel->text(), QStringLiteral("キャンセル"));
        QCOMPARE(d.BtnSort->text(), QStringLiteral("並び替え(&S)"));
        QVERIFY(d.BtnOK->isEnabled());
        QVERIFY(d.BtnSort->isEnabled());
        QCOMPARE(d.FxGridHistory->editTriggers(), QAbstractItemView::NoEditTriggers);
        // Until a document is chosen, closing is a cancel.
        QCOMPARE(f.env.state.gResult, qint16(-1));
        // Every column is wide enough for its widest text.
        const QFontMetrics metrics(d.FxGridHistory->font());
        QVERIFY(d.FxGridHistory->columnWidth(2) >= metrics.horizontalAdvance("2001/03/10"));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void storedOrderDecidesTheRows() {
        // The reference case: two documents, sorted with the stored Order 1.
        HistoryFixture f;
        f.db->exec(QStringLiteral("DELETE FROM 伝票管理"));
        f.add("100", 2, "A00001", 20010301, "");
        f.add("100", 2, "A00002", 20010305, "");
        f.order(0, 1);
        Prepare(f.env.state);
        {
            KivoraHistory d(f.env.state);
            QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00002", "A00001"}));
            QCOMPARE(Column(d.FxGridHistory, 0), QStringList({"1", "2"}));
        }
        f.order(1, 0);
        KivoraHistory byDate(f.env.state);
        QCOMPARE(Column(byDate.FxGridHistory, 1), QStringList({"A00001", "A00002"}));
    }

    void emptyHistoryOffersNothingToChoose() {
        HistoryFixture f;
        Prepare(f.env.state, 2, 2, QStringLiteral("300"), QStringLiteral("佐藤商事"));
        f.env.state.gHandOff = QStringLiteral("before");
        KivoraHistory d(f.env.state);
        d.show();
        QCOMPARE(d.FxGridHistory->rowCount(), 1);
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({QString()}));
        QVERIFY(!d.BtnOK->isEnabled());
        QVERIFY(!d.BtnSort->isEnabled());
        // Neither a double click nor Enter on the empty line hands anything back.
        QTest::mouseDClick(d.FxGridHistory->viewport(), Qt::LeftButton, {},
                           CellCentre(d.FxGridHistory, 0, 1));
        QTest::keyClick(d.FxGridHistory, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("before"));
        d.BtnCancel->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gResult, qint16(-1));
    }

    void okDoubleClickAndEnterHandBackTheNumber() {
        HistoryFixture f;
        Prepare(f.env.state);
        {
            KivoraHistory d(f.env.state);
            d.show();
            d.FxGridHistory->setCurrentCell(1, 0);
            d.BtnOK->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(f.env.state.gHandOff, QStringLiteral("A00002"));
            QCOMPARE(f.env.state.gResult, qint16(0));
        }
        {
            KivoraHistory d(f.env.state);
            d.show();
            QTest::mouseClick(d.FxGridHistory->viewport(), Qt::LeftButton, {},
                              CellCentre(d.FxGridHistory, 3, 2));
            QTest::mouseDClick(d.FxGridHistory->viewport(), Qt::LeftButton, {},
                               CellCentre(d.FxGridHistory, 3, 2));
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gHandOff, QStringLiteral("A00004"));
            QCOMPARE(f.env.state.gResult, qint16(0));
        }
        {
            KivoraHistory d(f.env.state);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QVERIFY(d.FxGridHistory->hasFocus());
            QTest::keyClick(d.FxGridHistory, Qt::Key_Down);
            QTest::keyClick(d.FxGridHistory, Qt::Key_Down);
            QTest::keyClick(d.FxGridHistory, Qt::Key_Return);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gHandOff, QStringLiteral("A00003"));
            QCOMPARE(f.env.state.gResult, qint16(0));
        }
    }

    void cancelAndEscapeChooseNothing() {
        HistoryFixture f;
        Prepare(f.env.state);
        f.env.state.gHandOff = QStringLiteral("kept");
        {
            KivoraHistory d(f.env.state);
            d.show();
            d.BtnCancel->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(f.env.state.gResult, qint16(-1));
        }
        {
            KivoraHistory d(f.env.state);
            d.show();
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gResult, qint16(-1));
        }
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("kept"));
    }

    void customerSearchOnlyInCopyMode() {
        HistoryFixture f;
        Prepare(f.env.state, 2, 2);
        {
            KivoraHistory normal(f.env.state);
            normal.show();
            QVERIFY(!normal.BtnFind->isVisible());
        }
        // Lines of a delivery note copied into an invoice (type 3).
        Prepare(f.env.state, 2, 3);
        KivoraHistory copy(f.env.state);
        copy.show();
        QVERIFY(copy.BtnFind->isVisible());
        QCOMPARE(copy.BtnFind->toolTip(), QStringLiteral("顧客を検索します｡"));
        QVERIFY(!copy.BtnFind->icon().isNull());
    }

    void customerSearchSwitchesTheList() {
        HistoryFixture f;
        Prepare(f.env.state, 2, 3);
        KivoraHistory d(f.env.state);
        d.show();
        quint8 modeSeen = 0;
        bool searchOpened = false;
        OnNextModal([&](QWidget* w) {
            auto* search = qobject_cast<KivoraFindUser*>(w);
            searchOpened = search != nullptr;
            if (!search)
                return;
            modeSeen = f.env.state.gMode;
            search->OptFindUser[0]->click();
            search->TextFindUser->setText(QStringLiteral("200"));
            search->BtnFind->click();
            search->FxGridFindUser->setCurrentCell(0, 0);
            search->BtnOK->click();
        });
        d.BtnFind->click();
        QVERIFY(searchOpened);
        QCOMPARE(modeSeen, quint8(2));
        QCOMPARE(d.LabelHistory[0]->text(), QStringLiteral("200"));
        QCOMPARE(d.LabelHistory[1]->text(), QStringLiteral("森田電気"));
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

    void cancelledCustomerSearchKeepsTheList() {
        HistoryFixture f;
        Prepare(f.env.state, 2, 3);
        KivoraHistory d(f.env.state);
        d.show();
        OnNextModal([](QWidget* w) {
            if (auto* search = qobject_cast<KivoraFindUser*>(w))
                search->BtnCancel->click();
        });
        d.BtnFind->click();
        QCOMPARE(d.LabelHistory[0]->text(), QStringLiteral("100"));
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00001", "A00002", "A00003", "A00004"}));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.env.state.gUserCode, QStringLiteral("100"));
    }

    void sortIsStoredAndRedrawsTheList() {
        HistoryFixture f;
        Prepare(f.env.state);
        KivoraHistory d(f.env.state);
        d.show();
        QString caption, itemCaption0, itemCaption1;
        bool startedByNumberAscending = false;
        OnNextModal([&](QWidget* w) {
            auto* sort = qobject_cast<KivoraSort*>(w);
            if (!sort)
                return;
            caption = sort->windowTitle();
            itemCaption0 = sort->OptionItem[0]->text();
            itemCaption1 = sort->OptionItem[1]->text();
            startedByNumberAscending =
                sort->OptionItem[0]->isChecked() && sort->OptionOrder[0]->isChecked();
            sort->OptionItem[1]->click();
            sort->OptionOrder[1]->click();
            sort->BtnOK->click();
        });
        d.BtnSort->click();
        QCOMPARE(caption, QStringLiteral("伝票履歴の並び替え"));
        QCOMPARE(itemCaption0, QStringLiteral("～番号(&C)"));
        QCOMPARE(itemCaption1, QStringLiteral("作成日(&M)"));
        QVERIFY(startedByNumberAscending);
        QCOMPARE(f.env.state.gMode, quint8(9));
        QCOMPARE(f.env.settings().get("SortHistory"), QStringLiteral("1"));
        QCOMPARE(f.env.settings().get("OrderHistory"), QStringLiteral("1"));
        // By date, newest first, and numbered afresh.
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({"A00001", "A00004", "A00003", "A00002"}));
        QCOMPARE(Column(d.FxGridHistory, 0), QStringList({"1", "2", "3", "4"}));
        // The sort's answer is not a choice of a document.
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(d.isVisible());
        QCOMPARE(d.windowTitle(), QStringLiteral("伝票履歴"));

        // A cancelled sort neither stores nor redraws, though the options were changed.
        d.FxGridHistory->item(0, 1)->setText(QStringLiteral("marker"));
        OnNextModal([](QWidget* w) {
            auto* sort = qobject_cast<KivoraSort*>(w);
            if (!sort)
                return;
            sort->OptionItem[0]->click();
            sort->BtnCancel->click();
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
        f.env.state.gCaption = QStringLiteral("商品の並べ替え");
        {
            KivoraSort d(f.env.state);
            QCOMPARE(d.windowTitle(), QStringLiteral("商品の並べ替え"));
            QCOMPARE(d.prefix(), QStringLiteral("Goods"));
            QCOMPARE(d.OptionItem[1]->text(), QStringLiteral("名称(&N)"));
            QCOMPARE(d.OptionOrder[0]->text(), QStringLiteral("昇順(&U)"));
            QCOMPARE(d.OptionOrder[1]->text(), QStringLiteral("降順(&D)"));
            QVERIFY(d.OptionItem[1]->isChecked() && !d.OptionItem[0]->isChecked());
            QVERIFY(d.OptionOrder[1]->isChecked() && !d.OptionOrder[0]->isChecked());
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
        QVERIFY(f.env.settings().get("SortCharge", "none") == QStringLiteral("none"));
        QVERIFY(f.env.settings().get("SortHistory", "none") == QStringLiteral("none"));

        // Staff: Escape and Cancel leave gResult 0 and store nothing.
        f.env.state.gMode = 0;
        for (int way = 0; way < 2; ++way) {
            f.env.state.gResult = -1;
            KivoraSort d(f.env.state);
            d.show();
            QVERIFY(d.OptionItem[0]->isChecked() && d.OptionOrder[0]->isChecked());
            d.OptionItem[1]->click();
            if (way == 0)
                d.BtnCancel->click();
            else
                QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gResult, qint16(0));
            QVERIFY(f.env.settings().get("SortCharge", "none") == QStringLiteral("none"));
        }
    }

    void dialogsCentreOverTheirCaller() {
        HistoryFixture f;
        Prepare(f.env.state);
        QWidget caller;
        caller.setGeometry(100, 80, 900, 700);
        caller.show();
        QVERIFY(QTest::qWaitForWindowExposed(&caller));
        KivoraHistory d(f.env.state, &caller);
        d.show();
        const QPoint centre = d.frameGeometry().center();
        const QPoint target = caller.frameGeometry().center();
        QVERIFY2((centre - target).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 vs %3,%4")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(target.x())
                                .arg(target.y())));
    }

    void unreadableHistoryIsReported() {
        HistoryFixture f;
        f.db->exec(QStringLiteral("DROP TABLE 担当者"));
        Prepare(f.env.state);
        KivoraHistory d(f.env.state);
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("Kivora"));
        QVERIFY(!f.env.messages.lastText().isEmpty());
        QCOMPARE(Column(d.FxGridHistory, 1), QStringList({QString()}));
        QVERIFY(!d.BtnOK->isEnabled());
        QVERIFY(!d.BtnSort->isEnabled());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
