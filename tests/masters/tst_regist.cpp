// The registration list: adding, changing and deleting with their questions; units and sets.
#include "RegistFixture.h"
#include "masters/KivoraRegist.h"
#include "support/TestMain.h"

using namespace regist;

class TestRegist : public QObject {
    Q_OBJECT

private slots:
    void unitsKeepTheirCodesWithoutGaps() {
        Fixture f;
        f.db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '本'), ('03', '枚')");
        f.open(1, "単位");
        KivoraRegist w(f.state);
        // Delete asks first: Cancel keeps the unit, OK deletes it and the codes close up.
        w.FxGridRegist->setCurrentCell(1, 0);
        f.env.messages.answer(MsgCancel);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), "番号[02]を削除します｡");
        QCOMPARE(f.count("単位"), 3);
        w.FxGridRegist->setCurrentCell(1, 0);
        w.BtnDelete->click();
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"01|個", "02|枚"}));
        // The next unit gets the next code, whatever is typed into the code field.
        f.fillWork({"99", "箱"});
        w.BtnRegist[0]->click();
        // Changing a unit renames it under its code.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({QString(), "ケース"});
        w.BtnRegist[1]->click();
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"01|ケース", "02|枚", "03|箱"}));
    }

    void goodsAreAddedAndChanged() {
        Fixture f;
        f.db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱')");
        f.db->exec("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES ('A001', 'りんご', "
                   "'ｶﾅ', 100, '個')");
        f.open(2, "商品");
        KivoraRegist w(f.state);
        // Adding under a stored code asks to overwrite: Cancel keeps the goods as they were.
        f.env.messages.answer(MsgCancel);
        f.fillWork({"A001", "青りんご", "250"}, "箱");
        w.BtnRegist[0]->click();
        QCOMPARE(f.env.messages.lastText(), "商品番号[A001]は既に存在します､上書きで保存します｡");
        QCOMPARE(f.goodsRow("A001"), "りんご|ｶﾅ|100|個");
        // OK overwrites every column, the reading too.
        f.fillWork({"A001", "青りんご", "250"}, "箱");
        w.BtnRegist[0]->click();
        QCOMPARE(f.goodsRow("A001"), "青りんご||250|箱");
        // A price that is no number is refused and the dialog stays open until it is
        // corrected; an empty price is 0, the code is trimmed.
        QStringList whileOpen;
        OnNextModal([&](QWidget* modal) {
            auto* d = qobject_cast<KivoraWork*>(modal);
            QVERIFY(d);
            d->TextWork[0]->setText(" A011 ");
            d->TextWork[2]->setText("abc");
            d->BtnOK->click();
            whileOpen << QString::number(d->isVisible()) << f.env.messages.lastText()
                      << f.goodsRow("A011");
            d->TextWork[2]->clear();
            d->BtnOK->click();
        });
        w.BtnRegist[0]->click();
        QCOMPARE(whileOpen, QStringList({"1", "単価は数字を入力して下さい｡", ""}));
        QCOMPARE(f.goodsRow("A011"), "||0|");
        QCOMPARE(w.FxGridRegist->currentRow(), 1); // the new record is the current row
        // A change under a new code adds a record and keeps the old one.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({"A002"});
        w.BtnRegist[1]->click();
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"A001|青りんご|250.00|箱",
                                                    "A002|青りんご|250.00|箱", "A011||0.00|"}));
        QCOMPARE(f.state.gMode, quint8(2)); // the window's own kind is back after the dialog
    }

    void setsAreDeletedWithTheirComposition() {
        Fixture f;
        f.db->exec("INSERT INTO セット商品 (Code, Name, UnitPrice) VALUES ('S001', 'A', 1500), "
                   "('S002', 'B', 900)");
        f.db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode) VALUES ('S001', 1, 'A001')");
        f.open(3, "セット商品");
        KivoraRegist w(f.state);
        w.FxGridRegist->setCurrentCell(0, 0);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), "商品番号[S001]を削除します｡");
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"S002|B|900.00|"}));
        QCOMPARE(f.count("商品構成"), 0);
        // The goods list switches to the set goods: it closes and tells its caller which.
        f.open(2, "商品");
        KivoraRegist goods(f.state);
        goods.show();
        goods.BtnSet->click();
        QVERIFY(!goods.isVisible());
        QCOMPARE(f.state.gCaption + QString::number(f.state.gMode) +
                     QString::number(f.state.gResult),
                 "セット商品30");
    }
};

KIVORA_TEST(TestRegist)
#include "tst_regist.moc"
