// The set goods window: what OK stores, asks and refuses, components added through the goods
// search and removed, and the check of the components against the goods table.
#include "RegistFixture.h"
#include "SetFixture.h"
#include "masters/KivoraFindGoods.h"
#include "masters/KivoraSet.h"
#include "support/TestMain.h"

namespace {

using regist::Rows;

// What the registration list hands over for a change of set S001, or for a new set.
void HandOver(AppState& state, const QString& code = "S001") {
    state.gWork = {};
    if (!code.isEmpty())
        state.gWork = {code, "工具セット", "5,000.00", "式"};
}

void Delete(KivoraSet& w, int row) {
    w.FxGridSet->setCurrentCell(row, 0);
    w.BtnDelete->click();
}

} // namespace

class TestKivoraSet : public QObject {
    Q_OBJECT

private slots:
    void aNewSetFromTheGoodsSearch() {
        SetFixture f;
        HandOver(f.env.state, QString());
        KivoraSet w(f.env.state);
        for (const char* code : {"B002", "D004", "", "A001"}) { // one search cancelled
            OnNextModal([code](QWidget* modal) {
                auto* search = qobject_cast<KivoraFindGoods*>(modal);
                QVERIFY(search);
                search->TextFindGoods->setText(code);
                search->BtnFind->click();
                *code ? search->BtnOK->click() : search->BtnCancel->click();
            });
            w.BtnAdd->click();
        }
        QCOMPARE(Rows(w.FxGridSet), QStringList({"B002|ペンチ|980.50|個", "D004|おまけシール||",
                                                 "A001|ドライバー|1,200.00|本"}));
        // Each refusal keeps the window open and stores nothing.
        const std::tuple<const char*, const char*, const char*, const char*> refusals[] = {
            {"", "おまけ付き", "", "商品番号を入力して下さい｡"},
            {"S010", "おまけ付き", "12a", "単価は数字を入力して下さい｡"},
            {"S010", "おまけ!付き", "", "以下の文字は使用出来ません。\r !"}};
        for (const auto& [code, name, price, message] : refusals) {
            w.TextSet[0]->setText(code);
            w.TextSet[1]->setText(name);
            w.TextSet[2]->setText(price);
            w.BtnOK->click();
            QCOMPARE(f.env.messages.lastText(), message);
        }
        QCOMPARE(f.setCount(), 1);
        // Blanks around the texts are not stored; no price typed is 0, as for D004 in the set.
        w.TextSet[1]->setText(" おまけ付き ");
        w.ComboSet->setCurrentText("式");
        w.BtnOK->click();
        QCOMPARE(f.setRow("S010"), "おまけ付き||0|式");
        QCOMPARE(f.composition("S010"),
                 QStringList({"1 B002 ペンチ 980.5 個", "2 D004 おまけシール 0 ",
                              "3 A001 ドライバー 1200 本"}));
    }

    void aStoredSetIsOverwrittenOnlyAfterOK() {
        SetFixture f;
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        QCOMPARE(w.TextSet[2]->text(), "5000"); // the plain number, not the list's text
        w.TextSet[1]->setText("新しい名前");
        f.env.messages.answer(MsgCancel); // keeps B002
        Delete(w, 1);
        QCOMPARE(f.env.messages.lastText(), "商品番号[B002]を削除します｡");
        Delete(w, 1);
        QCOMPARE(Rows(w.FxGridSet).size(), 2);
        f.env.messages.answer(MsgCancel);
        w.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), "商品番号[S001]は既に存在します､上書きで保存します｡");
        QCOMPARE(f.setRow("S001"), "工具セット||5000|式");
        w.BtnOK->click();
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.setRow("S001"), "新しい名前||5000|式");
        // Rewritten without a gap.
        QCOMPARE(f.composition("S001"),
                 QStringList({"1 A001 ドライバー 1200 本", "2 C003 工具箱 3500 個"}));
    }

    void theCheckRemovesVanishedGoodsOneByOne() {
        SetFixture f;
        f.db->exec("DELETE FROM 商品 WHERE Code IN ('A001', 'B002', 'C003')");
        HandOver(f.env.state);
        KivoraSet w(f.env.state);
        // The check asks first; then each vanished row is asked for: A001 is kept; after B002
        // goes, C003 has moved up into its place and must still be asked for.
        for (int answer : {MsgOK, MsgCancel, MsgOK, MsgOK})
            f.env.messages.answer(answer);
        w.BtnCheck->click();
        QCOMPARE(f.env.messages.count(), 4);
        QVERIFY(f.env.messages.lastText().contains("[C003]"));
        QCOMPARE(Rows(w.FxGridSet), QStringList({"A001|ドライバー|1,200.00|本"}));
        // The grid only: the stored composition changes on OK, not on the check.
        QCOMPARE(f.composition("S001").size(), 3);
        w.BtnOK->click();
        QCOMPARE(f.composition("S001"), QStringList({"1 A001 ドライバー 1200 本"}));
    }
};

KIVORA_TEST(TestKivoraSet)
#include "tst_kivoraset.moc"
