// The set goods window driven as the registration list and the user use it: what it
// shows for a new and a stored set, components added through the goods search and
// removed, the check against the goods table, and what OK stores, asks and refuses.
#include "SetFixture.h"
#include "masters/KivoraFindGoods.h"
#include "masters/KivoraSet.h"
#include "support/ModalHelper.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

namespace {

// Types a text as the user would, replacing what the field held.
void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

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

QStringList Items(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

// What the registration list hands over for a change of set S001 (its price as the
// list shows it), or for a new set.
void HandOver(AppState& state, const QString& code = QStringLiteral("S001"),
              const QString& unit = QStringLiteral("式")) {
    state.gWork = {};
    if (code.isEmpty())
        return;
    state.gWork[0] = code;
    state.gWork[1] = QStringLiteral("工具セット");
    state.gWork[2] = QStringLiteral("5,000.00");
    state.gWork[3] = unit;
}

void SelectRow(KivoraSet& w, int row) {
    w.FxGridSet->setCurrentCell(row, 0);
}

// Chooses a goods by code in the goods search as soon as it opens.
void ChooseInSearch(const QString& code, bool* goodsOnly = nullptr) {
    OnNextModal([code, goodsOnly](QWidget* modal) {
        auto* search = qobject_cast<KivoraFindGoods*>(modal);
        QVERIFY(search);
        if (goodsOnly)
            *goodsOnly = search->TabFindGoods->count() == 1;
        search->OptFindGoods[0]->setChecked(true);
        search->TextFindGoods->setText(code);
        search->BtnFind->click();
        search->BtnOK->click();
    });
}

void CancelSearch() {
    OnNextModal([](QWidget* modal) {
        auto* search = qobject_cast<KivoraFindGoods*>(modal);
        QVERIFY(search);
        search->BtnCancel->click();
    });
}

} // namespace

class TestKivoraSet : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyForANewSet() {
        SetFixture f;
        HandOver(f.env.state, QString());
        KivoraSet w(f.env.state);
        QCOMPARE(f.env.state.gResult, qint16(-1));
        for (const QLineEdit* field : w.TextSet)
            QVERIFY(field->text().isEmpty());
        QCOMPARE(Items(w.ComboSet), QStringList({QString(), QStringLiteral("個"),
                                                 QStringLiteral("本"), QStringLiteral("式")}));
        QCOMPARE(w.ComboSet->currentText(), QString());
        QCOMPARE(Headers(w.FxGridSet),
                 QStringList({QStringLiteral("商品番号"), QStringLiteral("商品名"),
                              QStringLiteral("単価"), QStringLiteral("単位")}));
        QCOMPARE(w.FxGridSet->rowCount(), 1);
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({QString()}));
        QCOMPARE(f.env.messages.count(), 0);

        Type(w.TextSet[0], QStringLiteral("ABCDEFGHIJ"));
        QCOMPARE(w.TextSet[0]->text(), QStringLiteral("ABCDEFGH"));
        // Full-width characters count two bytes: 40 bytes are 20 of them.
        Type(w.TextSet[1], QString(25, QChar(0x5DE5)));
        QCOMPARE(w.TextSet[1]->text(), QString(20, QChar(0x5DE5)));
        Type(w.TextSet[2], QStringLiteral("123456789012"));
        QCOMPARE(w.TextSet[2]->text(), QStringLiteral("1234567890"));
    }

    void opensAStoredSetWithItsComposition() {
        SetFixture f;
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        QCOMPARE(w.TextSet[0]->text(), QStringLiteral("S001"));
        QCOMPARE(w.TextSet[1]->text(), QStringLiteral("工具セット"));
        // The price field shows the plain number, not the list's formatted text.
        QCOMPARE(w.TextSet[2]->text(), QStringLiteral("5000"));
        QCOMPARE(w.ComboSet->currentText(), QStringLiteral("式"));
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"A001", "B002", "C003"}));
        QCOMPARE(Column(w.FxGridSet, 1),
                 QStringList({QStringLiteral("ドライバー"), QStringLiteral("ペンチ"),
                              QStringLiteral("工具箱")}));
        QCOMPARE(Column(w.FxGridSet, 2), QStringList({"1,200.00", "980.50", "3,500.00"}));
        QCOMPARE(Column(w.FxGridSet, 3),
                 QStringList({QStringLiteral("本"), QStringLiteral("個"), QStringLiteral("個")}));

        // A unit deleted since the set was saved stays the set's unit.
        HandOver(f.env.state, QStringLiteral("S001"), QStringLiteral("箱"));
        KivoraSet again(f.env.state);
        QCOMPARE(again.ComboSet->currentText(), QStringLiteral("箱"));
        again.BtnOK->click();
        QCOMPARE(f.setRow("S001").at(3).toString(), QStringLiteral("箱"));
    }

    void removedRowLeavesNoGapInCount() {
        SetFixture f;
        f.addComponent("S002", 1, "A001", QStringLiteral("ドライバー"), 1200, QStringLiteral("本"));
        HandOver(f.env.state);
        {
            KivoraSet w(f.env.state);
            w.BtnOK->click(); // the overwrite question is answered OK by default
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.composition("S001").size(), 3);

        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        f.env.messages.clear();
        SelectRow(w, 1);
        f.env.messages.answer(MsgCancel);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("商品番号[B002]を削除します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(w.FxGridSet->rowCount(), 3);

        SelectRow(w, 1);
        w.BtnDelete->click();
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"A001", "C003"}));
        // Nothing is stored before OK.
        QCOMPARE(f.composition("S001").size(), 3);
        w.BtnOK->click();
        QCOMPARE(f.composition("S001"), QStringList({QStringLiteral("1 A001 ドライバー 1200 本"),
                                                     QStringLiteral("2 C003 工具箱 3500 個")}));
        QCOMPARE(f.env.state.gResult, qint16(0));
        // Another set's composition is not part of the rewrite.
        QCOMPARE(f.composition("S002").size(), 1);
    }

    void theLastComponentIsEmptiedNotRemoved() {
        SetFixture f;
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        for (int i = 0; i < 3; ++i) {
            SelectRow(w, 0);
            w.BtnDelete->click();
        }
        QCOMPARE(w.FxGridSet->rowCount(), 1);
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({QString()}));
        QCOMPARE(Column(w.FxGridSet, 2), QStringList({QString()}));
        // An empty row is no component: no question, nothing happens.
        const int shown = f.env.messages.count();
        SelectRow(w, 0);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.count(), shown);
        w.BtnOK->click();
        QVERIFY(f.composition("S001").isEmpty());
    }

    void theCheckRemovesOnlyVanishedGoods() {
        SetFixture f;
        f.db->exec(QStringLiteral("DELETE FROM 商品 WHERE Code = 'B002'"));
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        w.BtnCheck->click();
        QCOMPARE(f.env.messages.texts(),
                 QStringList({QStringLiteral("登録商品の確認を行います｡"),
                              QStringLiteral("登録商品の中に[B002]は見つかりませんでした｡\r"
                                             "この商品を削除します｡")}));
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"A001", "C003"}));
        // The grid only: the stored composition changes on OK, not on the check.
        QCOMPARE(f.composition("S001").size(), 3);
    }

    void theCheckKeepsARowOnCancel() {
        SetFixture f;
        f.db->exec(QStringLiteral("DELETE FROM 商品 WHERE Code IN ('A001', 'B002')"));
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        f.env.messages.answer(MsgOK);
        f.env.messages.answer(MsgCancel); // keep A001
        f.env.messages.answer(MsgOK);     // remove B002
        w.BtnCheck->click();
        QCOMPARE(f.env.messages.count(), 3);
        QVERIFY(f.env.messages.texts().at(1).contains(QStringLiteral("[A001]")));
        QVERIFY(f.env.messages.texts().at(2).contains(QStringLiteral("[B002]")));
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"A001", "C003"}));

        // Cancel on the first question checks nothing.
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.BtnCheck->click();
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"A001", "C003"}));
    }

    void theCheckAsksForEachOfNeighbouringRows() {
        SetFixture f;
        // Two vanished rows next to each other: after the first goes, the second has
        // moved up into its place and must still be asked for.
        f.db->exec(QStringLiteral("DELETE FROM 商品 WHERE Code IN ('B002', 'C003')"));
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        w.BtnCheck->click();
        QCOMPARE(f.env.messages.count(), 3);
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"A001"}));
        w.BtnOK->click();
        QCOMPARE(f.composition("S001"), QStringList({QStringLiteral("1 A001 ドライバー 1200 本")}));
    }

    void theOverwriteQuestionDecides() {
        SetFixture f;
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        Type(w.TextSet[1], QStringLiteral("新しい名前"));
        SelectRow(w, 0);
        w.BtnDelete->click();
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(),
                 QStringLiteral("商品番号[S001]は既に存在します､上書きで保存します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(f.setRow("S001").at(0).toString(), QStringLiteral("工具セット"));
        QCOMPARE(f.composition("S001").size(), 3);
        QVERIFY(w.result() != int(QDialog::Accepted));
        QCOMPARE(f.env.state.gResult, qint16(-1));

        w.BtnOK->click();
        QCOMPARE(f.setRow("S001"), QVariantList({QStringLiteral("新しい名前"), QString(), 5000.0,
                                                 QStringLiteral("式")}));
        QCOMPARE(f.composition("S001").size(), 2);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(f.env.state.gResult, qint16(0));
    }

    void aNewCodeAddsASetAndKeepsTheOld() {
        SetFixture f;
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        Type(w.TextSet[0], QStringLiteral("S002"));
        f.env.messages.clear();
        w.BtnOK->click();
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(f.setCount(), 2);
        QCOMPARE(f.composition("S002").size(), 3);
        QCOMPARE(f.composition("S001").size(), 3);
    }

    void the1000thSetIsRefused() {
        SetFixture f;
        f.fillSets(998);
        HandOver(f.env.state, QString());
        {
            KivoraSet w(f.env.state);
            Type(w.TextSet[0], QStringLiteral("S999"));
            w.BtnOK->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.setCount(), 999);
        QCOMPARE(f.env.messages.count(), 0);

        KivoraSet w(f.env.state);
        Type(w.TextSet[0], QStringLiteral("S100"));
        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("登録限度を超えました｡"));
        QVERIFY(!f.env.messages.shown().last().withCancel);
        QCOMPARE(f.setCount(), 999);
        QVERIFY(f.setRow("S100").isEmpty());
        QVERIFY(w.result() != int(QDialog::Accepted));
    }

    void componentsComeFromTheGoodsSearch() {
        SetFixture f;
        HandOver(f.env.state, QString());
        f.env.state.gMode = 3;
        KivoraSet w(f.env.state);

        bool goodsOnly = false;
        ChooseInSearch(QStringLiteral("B002"), &goodsOnly);
        w.BtnAdd->click();
        QVERIFY(goodsOnly);
        // The registration list's kind is back once the search is closed.
        QCOMPARE(f.env.state.gMode, quint8(3));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(w.FxGridSet->rowCount(), 1);
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"B002"}));
        QCOMPARE(Column(w.FxGridSet, 2), QStringList({"980.50"}));
        QCOMPARE(Column(w.FxGridSet, 3), QStringList({QStringLiteral("個")}));

        ChooseInSearch(QStringLiteral("D004"));
        w.BtnAdd->click();
        CancelSearch();
        w.BtnAdd->click();
        ChooseInSearch(QStringLiteral("A001"));
        w.BtnAdd->click();
        QCOMPARE(Column(w.FxGridSet, 0), QStringList({"B002", "D004", "A001"}));
        QCOMPARE(Column(w.FxGridSet, 2), QStringList({"980.50", "", "1,200.00"}));

        Type(w.TextSet[0], QStringLiteral("S010"));
        Type(w.TextSet[1], QStringLiteral("おまけ付き"));
        w.ComboSet->setCurrentText(QStringLiteral("式"));
        w.BtnOK->click();
        // No price typed: stored as 0, as the goods without a price in the set.
        QCOMPARE(f.setRow("S010"), QVariantList({QStringLiteral("おまけ付き"), QString(), 0.0,
                                                 QStringLiteral("式")}));
        QCOMPARE(f.composition("S010"), QStringList({QStringLiteral("1 B002 ペンチ 980.5 個"),
                                                     QStringLiteral("2 D004 おまけシール 0 "),
                                                     QStringLiteral("3 A001 ドライバー 1200 本")}));
    }

    void refusalsStoreNothing() {
        SetFixture f;
        HandOver(f.env.state, QString());
        KivoraSet w(f.env.state);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("商品番号を入力して下さい｡"));
        QCOMPARE(QApplication::focusWidget(), w.TextSet[0]);

        Type(w.TextSet[0], QStringLiteral("S050"));
        Type(w.TextSet[2], QStringLiteral("12a"));
        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("単価は数字を入力して下さい｡"));
        QCOMPARE(QApplication::focusWidget(), w.TextSet[2]);

        Type(w.TextSet[2], QStringLiteral("1200"));
        Type(w.TextSet[1], QStringLiteral("工具!セット"));
        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("以下の文字は使用出来ません。\r !"));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("商品名"));
        QCOMPARE(QApplication::focusWidget(), w.TextSet[1]);

        QCOMPARE(f.setCount(), 1);
        QVERIFY(w.isVisible());

        // Blanks around the texts are not stored.
        Type(w.TextSet[1], QStringLiteral(" 工具セット2 "));
        Type(w.TextSet[2], QStringLiteral(" 1,500 "));
        w.BtnOK->click();
        QCOMPARE(f.setRow("S050"),
                 QVariantList({QStringLiteral("工具セット2"), QString(), 1500.0, QString()}));
    }

    void cancelWritesNothing() {
        SetFixture f;
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        Type(w.TextSet[1], QStringLiteral("変更"));
        SelectRow(w, 0);
        w.BtnDelete->click();
        f.env.messages.clear();
        w.BtnCancel->click();
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.setRow("S001").at(0).toString(), QStringLiteral("工具セット"));
        QCOMPARE(f.composition("S001").size(), 3);
    }

    void enterMovesThroughTheFields() {
        SetFixture f;
        HandOver(f.env.state, QString());
        KivoraSet w(f.env.state);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.TextSet[0]->setFocus();
        QTest::keyClick(w.TextSet[0], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TextSet[1]);
        QTest::keyClick(w.TextSet[1], Qt::Key_Return);
        QTest::keyClick(w.TextSet[2], Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), w.ComboSet);
        // Enter never saves by itself.
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestKivoraSet)
#include "tst_kivoraset.moc"
