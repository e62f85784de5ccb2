// The set goods window driven as the registration list and the user use it: what it
// shows for a new and a stored set, components added through the goods search and
// removed, the check against the goods table, and what OK stores, asks and refuses.
#include "support/TestMain.h"
#include "SetFixture.h"
#include "masters/KivoraFindGoods.h"
#include "masters/KivoraSet.h"
#include "support/ModalHelper.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Types a text as the user would, replacing what the field held.
void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

// Every row of the composition grid with its cells joined by '|'.
QStringList Rows(const QTableWidget* grid) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        out << cells.join('|');
    }
    return out;
}

// Code, name, price and unit as the window shows them.
QString Fields(const KivoraSet& w) {
    return QStringList({w.TextSet[0]->text(), w.TextSet[1]->text(), w.TextSet[2]->text(),
                        w.ComboSet->currentText()})
        .join('|');
}

// The last message as "text|icon|whether it offered Cancel".
QString Asked(const FakeMessageService& messages) {
    const MessageRequest& m = messages.shown().last();
    return QStringLiteral("%1|%2|%3").arg(m.text).arg(int(m.icon)).arg(m.withCancel);
}

// What the registration list hands over for a change of set S001 (its price as the
// list shows it), or for a new set.
void HandOver(AppState& state, const QString& code = "S001", const QString& unit = "式") {
    state.gWork = {};
    if (!code.isEmpty())
        state.gWork = {code, "工具セット", "5,000.00", unit};
}

void Delete(KivoraSet& w, int row) {
    w.FxGridSet->setCurrentCell(row, 0);
    w.BtnDelete->click();
}

// Chooses a goods by code in the goods search as soon as it opens, or cancels it.
void ChooseInSearch(const QString& code, bool* goodsOnly = nullptr) {
    OnNextModal([code, goodsOnly](QWidget* modal) {
        auto* search = qobject_cast<KivoraFindGoods*>(modal);
        QVERIFY(search);
        if (goodsOnly)
            *goodsOnly = search->TabFindGoods->count() == 1;
        if (code.isEmpty())
            return search->BtnCancel->click();
        search->OptFindGoods[0]->setChecked(true);
        search->TextFindGoods->setText(code);
        search->BtnFind->click();
        search->BtnOK->click();
    });
}

const QString Exclamation = QString::number(int(MsgIcon::Exclamation));

} // namespace

class TestKivoraSet : public QObject {
    Q_OBJECT

private slots:
    void aNewSet() {
        SetFixture f;
        HandOver(f.env.state, QString());
        KivoraSet w(f.env.state);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(Fields(w), "|||");
        QCOMPARE(Rows(w.FxGridSet), QStringList({"|||"}));
        // The unit list offers no unit and every stored one.
        QStringList units;
        for (int i = 0; i < w.ComboSet->count(); ++i)
            units << w.ComboSet->itemText(i);
        QCOMPARE(units, QStringList({"", "個", "本", "式"}));
        // Enter walks the fields to the unit list and never saves by itself.
        w.TextSet[0]->setFocus();
        QTest::keyClick(w.TextSet[0], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.TextSet[1]);
        QTest::keyClick(w.TextSet[1], Qt::Key_Return);
        QTest::keyClick(w.TextSet[2], Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), w.ComboSet);
        QCOMPARE(f.env.messages.count(), 0);
        // The fields keep their byte lengths; full-width characters count two bytes.
        Type(w.TextSet[0], "ABCDEFGHIJ");
        Type(w.TextSet[1], QString(25, QChar(0x5DE5)));
        Type(w.TextSet[2], "123456789012");
        QCOMPARE(Fields(w), "ABCDEFGH|" + QString(20, QChar(0x5DE5)) + "|1234567890|");

        // Each refusal keeps the window open and puts the focus on the field at fault.
        const auto refused = [&](const char* message, int field) {
            w.BtnOK->click();
            QCOMPARE(f.env.messages.lastText(), message);
            QCOMPARE(QApplication::focusWidget(), w.TextSet[field]);
            QVERIFY(w.isVisible());
        };
        w.TextSet[0]->clear();
        refused("商品番号を入力して下さい｡", 0);
        Type(w.TextSet[0], "S050");
        Type(w.TextSet[2], "12a");
        refused("単価は数字を入力して下さい｡", 2);
        Type(w.TextSet[2], "1200");
        Type(w.TextSet[1], "工具!セット");
        refused("以下の文字は使用出来ません。\r !", 1);
        QCOMPARE(f.env.messages.shown().last().title, "商品名");
        QCOMPARE(f.setCount(), 1);
        // Blanks around the texts are not stored.
        Type(w.TextSet[1], " 工具セット2 ");
        Type(w.TextSet[2], " 1,500 ");
        w.BtnOK->click();
        QCOMPARE(f.setRow("S050"), "工具セット2||1500.0|");
    }

    void aStoredSet() {
        SetFixture f;
        HandOver(f.env.state);
        {
            // The price field shows the plain number, not the list's formatted text.
            KivoraSet w(f.env.state);
            QCOMPARE(Fields(w), "S001|工具セット|5000|式");
            QCOMPARE(Rows(w.FxGridSet),
                     QStringList({"A001|ドライバー|1,200.00|本", "B002|ペンチ|980.50|個",
                                  "C003|工具箱|3,500.00|個"}));
            // Cancel writes nothing.
            Type(w.TextSet[1], "変更");
            Delete(w, 0);
            f.env.messages.clear();
            w.BtnCancel->click();
            QCOMPARE(f.env.messages.count(), 0);
            QCOMPARE(w.result(), int(QDialog::Rejected));
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(f.setRow("S001"), "工具セット||5000.0|式");
            QCOMPARE(f.composition("S001").size(), 3);
        }
        {
            // OK asks before it overwrites: Cancel there stores nothing, OK everything.
            KivoraSet w(f.env.state);
            Type(w.TextSet[1], "新しい名前");
            Delete(w, 0);
            f.env.messages.clear();
            f.env.messages.answer(MsgCancel);
            w.BtnOK->click();
            QCOMPARE(Asked(f.env.messages),
                     "商品番号[S001]は既に存在します､上書きで保存します｡|" + Exclamation + "|1");
            QCOMPARE(f.setRow("S001"), "工具セット||5000.0|式");
            QCOMPARE(f.composition("S001").size(), 3);
            QVERIFY(w.result() != int(QDialog::Accepted));
            QCOMPARE(f.env.state.gResult, qint16(-1));
            w.BtnOK->click();
            QCOMPARE(f.setRow("S001"), "新しい名前||5000.0|式");
            QCOMPARE(f.composition("S001").size(), 2);
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QCOMPARE(f.env.state.gResult, qint16(0));
        }
        {
            // A new code adds a set, without a question, and keeps the old one.
            HandOver(f.env.state);
            KivoraSet w(f.env.state);
            Type(w.TextSet[0], "S002");
            f.env.messages.clear();
            w.BtnOK->click();
            QCOMPARE(f.env.messages.count(), 0);
            QCOMPARE(f.setCount(), 2);
            QCOMPARE(f.composition("S002"), f.composition("S001"));
        }
        // A unit deleted since the set was saved stays the set's unit.
        HandOver(f.env.state, "S001", "箱");
        KivoraSet w(f.env.state);
        QCOMPARE(w.ComboSet->currentText(), "箱");
        w.BtnOK->click();
        QCOMPARE(f.setRow("S001"), "工具セット||5000.0|箱");
    }

    void theDeleteButton() {
        SetFixture f;
        f.addComponent("S002", 1, "A001", "ドライバー", 1200, "本");
        HandOver(f.env.state);
        {
            KivoraSet w(f.env.state);
            w.BtnOK->click(); // the overwrite question is answered OK by default
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.composition("S001").size(), 3);
        {
            KivoraSet w(f.env.state);
            f.env.messages.clear();
            f.env.messages.answer(MsgCancel);
            Delete(w, 1);
            QCOMPARE(Asked(f.env.messages), "商品番号[B002]を削除します｡|" +
                                                QString::number(int(MsgIcon::Question)) + "|1");
            QCOMPARE(w.FxGridSet->rowCount(), 3);
            Delete(w, 1);
            QCOMPARE(Rows(w.FxGridSet).size(), 2);
            // Nothing is stored before OK; then the composition is rewritten without a gap,
            // and another set's composition is no part of the rewrite.
            QCOMPARE(f.composition("S001").size(), 3);
            w.BtnOK->click();
            QCOMPARE(f.composition("S001"),
                     QStringList({"1 A001 ドライバー 1200 本", "2 C003 工具箱 3500 個"}));
            QCOMPARE(f.env.state.gResult, qint16(0));
            QCOMPARE(f.composition("S002").size(), 1);
        }
        // The last component is emptied, not removed; an empty row is no component: no
        // question, nothing happens.
        KivoraSet w(f.env.state);
        Delete(w, 0);
        Delete(w, 0);
        QCOMPARE(Rows(w.FxGridSet), QStringList({"|||"}));
        const int shown = f.env.messages.count();
        Delete(w, 0);
        QCOMPARE(f.env.messages.count(), shown);
        w.BtnOK->click();
        QVERIFY(f.composition("S001").isEmpty());
    }

    void theCheckRemovesVanishedGoodsOneByOne() {
        SetFixture f;
        f.db->exec("DELETE FROM 商品 WHERE Code IN ('A001', 'B002', 'C003')");
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        // Cancel on the first question checks nothing.
        f.env.messages.answer(MsgCancel);
        w.BtnCheck->click();
        QCOMPARE(f.env.messages.texts(), QStringList({"登録商品の確認を行います｡"}));
        QCOMPARE(w.FxGridSet->rowCount(), 3);
        // Each vanished row is asked for: A001 is kept; after B002 goes, C003 has moved up
        // into its place and must still be asked for.
        f.env.messages.clear();
        for (int answer : {MsgOK, MsgCancel, MsgOK, MsgOK})
            f.env.messages.answer(answer);
        w.BtnCheck->click();
        QCOMPARE(
            f.env.messages.texts().mid(1),
            QStringList({"登録商品の中に[A001]は見つかりませんでした｡\rこの商品を削除します｡",
                         "登録商品の中に[B002]は見つかりませんでした｡\rこの商品を削除します｡",
                         "登録商品の中に[C003]は見つかりませんでした｡\rこの商品を削除します｡"}));
        QCOMPARE(Rows(w.FxGridSet), QStringList({"A001|ドライバー|1,200.00|本"}));
        // The grid only: the stored composition changes on OK, not on the check.
        QCOMPARE(f.composition("S001").size(), 3);
        w.BtnOK->click();
        QCOMPARE(f.composition("S001"), QStringList({"1 A001 ドライバー 1200 本"}));
    }

    void the1000thSetIsRefused() {
        SetFixture f;
        f.fillSets(998);
        HandOver(f.env.state, QString());
        {
            KivoraSet w(f.env.state);
            Type(w.TextSet[0], "S999");
            w.BtnOK->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.setCount(), 999);
        QCOMPARE(f.env.messages.count(), 0);
        KivoraSet w(f.env.state);
        Type(w.TextSet[0], "S100");
        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), "登録限度を超えました｡");
        QVERIFY(!f.env.messages.shown().last().withCancel);
        QCOMPARE(f.setCount(), 999);
        QCOMPARE(f.setRow("S100"), "");
        QVERIFY(w.result() != int(QDialog::Accepted));
    }

    void componentsComeFromTheGoodsSearch() {
        SetFixture f;
        HandOver(f.env.state, QString());
        f.env.state.gMode = 3;
        KivoraSet w(f.env.state);
        // The search offers goods only; the registration list's kind is back once it closed.
        bool goodsOnly = false;
        ChooseInSearch("B002", &goodsOnly);
        w.BtnAdd->click();
        QVERIFY(goodsOnly);
        QCOMPARE(f.env.state.gMode, quint8(3));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(Rows(w.FxGridSet), QStringList({"B002|ペンチ|980.50|個"}));
        // Goods without a price, a cancelled search, then more goods.
        ChooseInSearch("D004");
        w.BtnAdd->click();
        ChooseInSearch(QString());
        w.BtnAdd->click();
        ChooseInSearch("A001");
        w.BtnAdd->click();
        QCOMPARE(Rows(w.FxGridSet), QStringList({"B002|ペンチ|980.50|個", "D004|おまけシール||",
                                                 "A001|ドライバー|1,200.00|本"}));
        Type(w.TextSet[0], "S010");
        Type(w.TextSet[1], "おまけ付き");
        w.ComboSet->setCurrentText("式");
        w.BtnOK->click();
        // No price typed: stored as 0, as the goods without a price in the set.
        QCOMPARE(f.setRow("S010"), "おまけ付き||0.0|式");
        QCOMPARE(f.composition("S010"),
                 QStringList({"1 B002 ペンチ 980.5 個", "2 D004 おまけシール 0 ",
                              "3 A001 ドライバー 1200 本"}));
    }
};

KIVORA_TEST(TestKivoraSet)
#include "tst_kivoraset.moc"
