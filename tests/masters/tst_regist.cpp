// The registration list, driven as a user does: what each kind lists, adding, changing
// and deleting with their questions, the row limits, the unit codes, the sort dialog,
// the switch to the set goods, and the set window for set goods.
#include "support/TestMain.h"
#include "RegistFixture.h"
#include "masters/KivoraRegist.h"
#include "masters/KivoraSet.h"
#include "masters/KivoraSort.h"

using namespace regist;

class TestRegist : public QObject {
    Q_OBJECT

private slots:
    void eachKindListsItsColumnsAndButtons() {
        Fixture f;
        f.db->exec(
            "INSERT INTO 担当者 (Code, Position, Name) VALUES ('002', '経理部', '田中花子'), "
            "('001', '営業部', '山田太郎')");
        f.units({"個"});
        f.goods("A001", "りんご", 1234.5, "個");
        f.db->exec(
            "INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES ('S001', 'セットA', "
            "500, '式')");
        // Kind, table, column headers and rows; the sort button is for all but units, the
        // switch to the set goods for goods only.
        const std::tuple<quint8, const char*, const char*, const char*, bool, bool> kinds[] = {
            {0, "担当者", "番号|部署名|氏名", "001|営業部|山田太郎 002|経理部|田中花子", true,
             false},
            {1, "単位", "番号|単位", "01|個", false, false},
            {2, "商品", "商品番号|商品名|単価|単位", "A001|りんご|1,234.50|個", true, true},
            {3, "セット商品", "商品番号|商品名|単価|単位", "S001|セットA|500.00|式", true, false},
            // An empty list keeps one empty line.
            {4, "顧客分類", "番号|分類名", "|", true, false}};
        for (const auto& [kind, table, headers, rows, sort, set] : kinds) {
            f.open(kind, table);
            KivoraRegist w(f.state);
            QStringList shown;
            for (int c = 0; c < w.FxGridRegist->columnCount(); ++c)
                shown << w.FxGridRegist->horizontalHeaderItem(c)->text();
            QCOMPARE(w.windowTitle(), QString(table) + "の登録");
            QCOMPARE(shown.join('|'), headers);
            QCOMPARE(Rows(w.FxGridRegist).join(' '), rows);
            QCOMPARE(w.BtnSort->isHidden(), !sort);
            QCOMPARE(w.BtnSet->isHidden(), !set);
            // The empty line is no record: nothing can delete it.
            if (kind == 4) {
                QCOMPARE(w.recordCount(), 0);
                w.BtnDelete->click();
                QCOMPARE(f.env.messages.count(), 0);
            }
        }
    }

    void unitsKeepTheirCodesWithoutGaps() {
        Fixture f;
        f.units({"個", "本", "枚"});
        f.open(1, "単位");
        KivoraRegist w(f.state);
        // Delete asks first: Cancel keeps the unit, OK deletes it and the codes close up.
        w.FxGridRegist->setCurrentCell(1, 0);
        f.env.messages.answer(MsgCancel);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), "番号[02]を削除します｡");
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"01|個", "02|本", "03|枚"}));
        w.FxGridRegist->setCurrentCell(1, 0);
        w.BtnDelete->click();
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"01|個", "02|枚"}));

        // The next unit gets the next code; the dialog shows it without letting it be typed.
        QStringList shown;
        f.onNext<KivoraWork>([&](KivoraWork* d) {
            shown << d->TextWork[0]->text() << d->LabelWork[1]->text();
            const bool onlyUnit = d->TextWork[2]->isHidden() && d->ComboWork->isHidden();
            shown << QString::number(d->TextWork[0]->isReadOnly() && onlyUnit);
            d->TextWork[1]->setText("箱");
            d->BtnOK->click();
        });
        w.BtnRegist[0]->click();
        QCOMPARE(shown, QStringList({"03", "単位", "1"}));
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"01|個", "02|枚", "03|箱"}));
        // Changing a unit renames it under its code.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({QString(), "ケース"});
        w.BtnRegist[1]->click();
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"01|ケース", "02|枚", "03|箱"}));
        QCOMPARE(f.count("単位"), 3);
        QCOMPARE(f.unexpected, QString());
    }

    void addingAnExistingGoodsAsksToOverwrite() {
        Fixture f;
        f.units({"個", "箱"});
        f.goods("A001", "りんご", 100, "個");
        f.open(2, "商品");
        KivoraRegist w(f.state);
        f.env.messages.answer(MsgCancel);
        f.fillWork({"A001", "青りんご", "250"}, "箱");
        w.BtnRegist[0]->click();
        QCOMPARE(f.env.messages.lastText(), "商品番号[A001]は既に存在します､上書きで保存します｡");
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(f.goodsRow("A001"), "りんご|ｶﾅ|100.0|個");
        // OK overwrites every column, the reading too.
        f.fillWork({"A001", "青りんご", "250"}, "箱");
        w.BtnRegist[0]->click();
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.goodsRow("A001"), "青りんご||250.0|箱");
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"A001|青りんご|250.00|箱"}));
        QCOMPARE(f.unexpected, QString());
    }

    void goodsPriceIsANumberOrZero() {
        Fixture f;
        f.open(2, "商品");
        KivoraRegist w(f.state);
        // An empty price is stored as 0, the code trimmed.
        f.fillWork({" A010 ", "無料品", ""});
        w.BtnRegist[0]->click();
        QCOMPARE(f.goodsRow("A010"), "無料品||0.0|");
        QCOMPARE(f.env.messages.count(), 0);

        // A price that is no number is refused; the dialog stays open and writes nothing
        // until it is corrected.
        QStringList whileOpen;
        f.onNext<KivoraWork>([&](KivoraWork* d) {
            d->TextWork[0]->setText("A011");
            d->TextWork[2]->setText("abc");
            d->BtnOK->click();
            whileOpen << QString::number(d->isVisible()) << QString::number(f.state.gResult)
                      << f.env.messages.texts() << f.goodsRow("A011");
            d->TextWork[2]->setText("1,200.5");
            d->BtnOK->click();
        });
        w.BtnRegist[0]->click();
        QCOMPARE(whileOpen, QStringList({"1", "-1", "単価は数字を入力して下さい｡", ""}));
        QCOMPARE(f.goodsRow("A011"), "||1200.5|");
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"A010|無料品|0.00|", "A011||1,200.50|"}));
        // The new record is the current row.
        QCOMPARE(w.FxGridRegist->currentRow(), 1);
    }

    void changeWithANewCodeAddsAndKeepsTheOld() {
        Fixture f;
        f.goods("A001", "りんご", 100, "");
        f.goods("B001", "ばなな", 80, "");
        f.open(2, "商品");
        KivoraRegist w(f.state);
        w.FxGridRegist->setCurrentCell(0, 0);
        // The dialog starts with the stored record, the price as a plain number.
        QStringList shown;
        f.onNext<KivoraWork>([&](KivoraWork* d) {
            shown << d->windowTitle() << d->TextWork[0]->text() << d->TextWork[1]->text()
                  << d->TextWork[2]->text();
            d->TextWork[0]->setText("A002");
            d->BtnOK->click();
        });
        w.BtnRegist[1]->click();
        QCOMPARE(shown, QStringList({"商品の変更", "A001", "りんご", "100"}));
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(Rows(w.FxGridRegist),
                 QStringList({"A001|りんご|100.00|", "A002|りんご|100.00|", "B001|ばなな|80.00|"}));
        // The window's own kind and table are back after the dialog.
        QCOMPARE(f.state.gMode, quint8(2));
        QCOMPARE(f.state.gCaption, "商品");

        // Typing a stored code overwrites it without a question.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({"B001", "りんご", "100"});
        w.BtnRegist[1]->click();
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(f.goodsRow("B001"), "りんご||100.0|");
        QCOMPARE(f.count("商品"), 3);
        // Cancel writes nothing.
        f.onNext<KivoraWork>([](KivoraWork* d) {
            d->TextWork[1]->setText("変更");
            d->BtnCancel->click();
        });
        w.BtnRegist[1]->click();
        QCOMPARE(f.goodsRow("B001"), "りんご||100.0|");
        QCOMPARE(f.unexpected, QString());
    }

    void rowLimitsRefuseNewRecords() {
        Fixture f;
        Transaction tx(*f.db);
        for (int i = 1; i <= 999; ++i)
            f.db->exec("INSERT INTO 担当者 (Code, Name) VALUES (?, 'n')",
                       {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'))});
        tx.commit();
        f.open(0, "担当者");
        KivoraRegist w(f.state);
        // A full list says so instead of opening the dialog.
        QVERIFY(!f.opensDialog([&] { w.BtnRegist[0]->click(); }));
        QCOMPARE(f.env.messages.texts(), QStringList({"登録限度を超えました｡"}));
        QCOMPARE(f.count("担当者"), 999);
        // A change that would add a record under a new code meets the same limit; a
        // change of a stored record still goes through.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({"1000", "部", "千人目"});
        w.BtnRegist[1]->click();
        QCOMPARE(f.env.messages.texts(), QStringList(2, "登録限度を超えました｡"));
        QCOMPARE(f.count("担当者"), 999);
        f.fillWork({"0001", "部", "一人目"});
        w.BtnRegist[1]->click();
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.db->scalar("SELECT Name FROM 担当者 WHERE Code = '0001'").toString(), "一人目");
    }

    void setGoodsAreEditedInTheSetWindow() {
        Fixture f;
        f.db->exec(
            "INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES ('S001', 'セットA', "
            "1500, '式'), ('S002', 'セットB', 900, '')");
        f.db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode) VALUES ('S001', 1, 'A001')");
        f.open(3, "セット商品");
        KivoraRegist w(f.state);
        // A change hands the set over as listed, the price as a plain number.
        QStringList handed;
        f.onNext<KivoraSet>([&](KivoraSet* d) {
            handed = QStringList(f.state.gWork.begin(), f.state.gWork.begin() + 4);
            d->BtnCancel->click();
        });
        w.BtnRegist[1]->click();
        QCOMPARE(f.unexpected, QString());
        QCOMPARE(handed, QStringList({"S001", "セットA", "1500", "式"}));
        // A new set starts with an empty code; what the set window saves is listed.
        f.onNext<KivoraSet>([&](KivoraSet* d) {
            handed = QStringList(f.state.gWork.begin(), f.state.gWork.begin() + 1);
            f.db->exec("INSERT INTO セット商品 (Code, Name) VALUES ('S000', 'x')");
            d->BtnCancel->click();
        });
        w.BtnRegist[0]->click();
        QCOMPARE(handed, QStringList({""}));
        QCOMPARE(Rows(w.FxGridRegist).size(), 3);
        QCOMPARE(f.state.gMode, quint8(3));
        QCOMPARE(f.state.gResult, qint16(-1));
        // Deleting a set asks by its code and lists the sets left.
        w.FxGridRegist->setCurrentCell(1, 0);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), "商品番号[S001]を削除します｡");
        QCOMPARE(Rows(w.FxGridRegist), QStringList({"S000|x|0.00|", "S002|セットB|900.00|"}));
        QCOMPARE(f.count("商品構成"), 0);
    }

    void sortDialogOrdersTheGoods() {
        Fixture f;
        f.goods("B001", "りんご", 0, "");
        f.goods("A001", "みかん", 0, "");
        f.goods("C001", "いちご", 0, "");
        f.open(2, "商品");
        KivoraRegist w(f.state);
        QCOMPARE(Rows(w.FxGridRegist).join(' '),
                 "A001|みかん|0.00| B001|りんご|0.00| C001|いちご|0.00|");
        w.show();
        // The dialog opens for the goods' settings; by name, ascending.
        QString seen;
        f.onNext<KivoraSort>([&](KivoraSort* d) {
            seen = QStringLiteral("%1 %2").arg(f.state.gMode).arg(d->prefix());
            d->OptionItem[1]->click();
            d->OptionOrder[0]->click();
            d->BtnOK->click();
        });
        w.BtnSort->click();
        QCOMPARE(seen, "2 Goods");
        QCOMPARE(f.env.settings().get("SortGoods") + f.env.settings().get("OrderGoods"), "10");
        const QString sorted = "C001|いちご|0.00| A001|みかん|0.00| B001|りんご|0.00|";
        QCOMPARE(Rows(w.FxGridRegist).join(' '), sorted);
        // The list stays open with the new order.
        QVERIFY(w.isVisible());
        QCOMPARE(f.state.gResult, qint16(-1));
        QCOMPARE(f.state.gCaption, "商品");
        // A cancelled sort keeps the order.
        f.onNext<KivoraSort>([](KivoraSort* d) {
            d->OptionOrder[1]->click();
            d->BtnCancel->click();
        });
        w.BtnSort->click();
        QCOMPARE(Rows(w.FxGridRegist).join(' '), sorted);
        QCOMPARE(f.env.settings().get("OrderGoods"), "0");
    }

    void goodsSwitchToSetGoodsAndEnd() {
        Fixture f;
        f.open(2, "商品");
        {
            KivoraRegist w(f.state);
            w.show();
            w.BtnSet->click();
            QVERIFY(!w.isVisible());
            QCOMPARE(f.state.gMode, quint8(3));
            QCOMPARE(f.state.gCaption, "セット商品");
            QCOMPARE(f.state.gResult, qint16(0));
        }
        // The caller opens the window again with what BtnSet left; BtnEnd ends its loop.
        {
            KivoraRegist w(f.state);
            QCOMPARE(w.windowTitle(), "セット商品の登録");
            QCOMPARE(w.kind(), quint8(3));
            w.show();
            w.BtnEnd->click();
            QVERIFY(!w.isVisible());
            QCOMPARE(f.state.gResult, qint16(-1));
        }
        // Escape finishes as BtnEnd does.
        f.open(2, "商品");
        KivoraRegist w(f.state);
        w.show();
        f.state.gResult = 0;
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.state.gResult, qint16(-1));
    }
};

KIVORA_TEST(TestRegist)
#include "tst_regist.moc"
