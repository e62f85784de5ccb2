// The registration list, driven as a user does: what each kind lists, adding, changing
// and deleting with their questions, the row limits, the unit codes, the sort dialog,
// the switch to the set goods, and the set window for set goods.
#include "RegistFixture.h"
#include "masters/KivoraRegist.h"
#include "masters/KivoraSet.h"
#include "masters/KivoraSort.h"

#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>

using namespace regist;

class TestRegist : public QObject {
    Q_OBJECT

private slots:
    void eachKindListsItsColumnsAndButtons() {
        Fixture f;
        f.db->exec(QStringLiteral("INSERT INTO 担当者 (Code, Position, Name) VALUES "
                                  "('002', '経理部', '田中花子'), ('001', '営業部', '山田太郎')"));
        f.open(0, QStringLiteral("担当者"));
        {
            KivoraRegist w(f.state);
            QCOMPARE(w.windowTitle(), QStringLiteral("担当者の登録"));
            QCOMPARE(Headers(w.FxGridRegist), QStringList({"番号", "部署名", "氏名"}));
            QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"001", "002"}));
            QCOMPARE(Column(w.FxGridRegist, 2), QStringList({"山田太郎", "田中花子"}));
            QCOMPARE(w.recordCount(), 2);
            QVERIFY(!w.BtnSort->isHidden());
            QVERIFY(w.BtnSet->isHidden());
            QCOMPARE(w.BtnRegist[0]->text(), QStringLiteral("追加(&A)"));
            QCOMPARE(w.BtnRegist[1]->text(), QStringLiteral("変更(&C)"));
            QCOMPARE(w.BtnDelete->text(), QStringLiteral("削除(&D)"));
            QCOMPARE(w.BtnSort->text(), QStringLiteral("並べ替え(&S)"));
            QCOMPARE(w.BtnEnd->text(), QStringLiteral("終了(&E)"));
        }
        f.units({QStringLiteral("個")});
        f.open(1, QStringLiteral("単位"));
        {
            KivoraRegist w(f.state);
            QCOMPARE(Headers(w.FxGridRegist), QStringList({"番号", "単位"}));
            QVERIFY(w.BtnSort->isHidden());
            QVERIFY(w.BtnSet->isHidden());
        }
        f.goods("A001", QStringLiteral("りんご"), 1234.5, QStringLiteral("個"));
        f.open(2, QStringLiteral("商品"));
        {
            KivoraRegist w(f.state);
            QCOMPARE(Headers(w.FxGridRegist), QStringList({"商品番号", "商品名", "単価", "単位"}));
            QCOMPARE(w.FxGridRegist->item(0, 2)->text(), QStringLiteral("1,234.50"));
            QCOMPARE(w.FxGridRegist->item(0, 3)->text(), QStringLiteral("個"));
            QVERIFY(!w.BtnSet->isHidden());
            QCOMPARE(w.BtnSet->text(), QStringLiteral("セット商品(&P)"));
        }
        f.open(4, QStringLiteral("顧客分類"));
        {
            KivoraRegist w(f.state);
            QCOMPARE(w.windowTitle(), QStringLiteral("顧客分類の登録"));
            QCOMPARE(Headers(w.FxGridRegist), QStringList({"番号", "分類名"}));
            // An empty list keeps one empty line, which nothing can change or delete.
            QCOMPARE(w.FxGridRegist->rowCount(), 1);
            QCOMPARE(w.recordCount(), 0);
            w.BtnDelete->click();
            QCOMPARE(f.env.messages.count(), 0);
        }
    }

    void unitsKeepTheirCodesWithoutGaps() {
        Fixture f;
        f.units({QStringLiteral("個"), QStringLiteral("本"), QStringLiteral("枚")});
        f.open(1, QStringLiteral("単位"));
        KivoraRegist w(f.state);
        w.FxGridRegist->setCurrentCell(1, 0);
        // Cancel keeps the unit.
        f.env.messages.answer(MsgCancel);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("番号[02]を削除します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(Column(w.FxGridRegist, 1), QStringList({"個", "本", "枚"}));

        w.FxGridRegist->setCurrentCell(1, 0);
        w.BtnDelete->click();
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"01", "02"}));
        QCOMPARE(Column(w.FxGridRegist, 1), QStringList({"個", "枚"}));

        // The next unit gets the next code; the dialog shows it without letting it be typed.
        QString shownCode;
        bool codeLocked = false;
        bool onlyUnitShown = false;
        f.onNext<KivoraWork>([&](KivoraWork* d) {
            shownCode = d->TextWork[0]->text();
            codeLocked = d->TextWork[0]->isReadOnly();
            onlyUnitShown = d->TextWork[2]->isHidden() && d->ComboWork->isHidden() &&
                            d->LabelWork[1]->text() == QStringLiteral("単位");
            d->TextWork[1]->setText(QStringLiteral("箱"));
            d->BtnOK->click();
        });
        w.BtnRegist[0]->click();
        QCOMPARE(f.unexpected, QString());
        QCOMPARE(shownCode, QStringLiteral("03"));
        QVERIFY(codeLocked);
        QVERIFY(onlyUnitShown);
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"01", "02", "03"}));
        QCOMPARE(Column(w.FxGridRegist, 1), QStringList({"個", "枚", "箱"}));

        // Changing a unit renames it under its code.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({QString(), QStringLiteral("ケース")});
        w.BtnRegist[1]->click();
        QCOMPARE(Column(w.FxGridRegist, 1), QStringList({"ケース", "枚", "箱"}));
        QCOMPARE(f.count(QStringLiteral("単位")), 3);
    }

    void addingAnExistingGoodsAsksToOverwrite() {
        Fixture f;
        f.units({QStringLiteral("個"), QStringLiteral("箱")});
        f.goods("A001", QStringLiteral("りんご"), 100, QStringLiteral("個"));
        f.open(2, QStringLiteral("商品"));
        KivoraRegist w(f.state);

        f.env.messages.answer(MsgCancel);
        f.fillWork({"A001", QStringLiteral("青りんご"), "250"}, QStringLiteral("箱"));
        w.BtnRegist[0]->click();
        QCOMPARE(f.env.messages.lastText(),
                 QStringLiteral("商品番号[A001]は既に存在します､上書きで保存します｡"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QVERIFY(f.env.messages.shown().last().withCancel);
        QCOMPARE(f.goodsRow("A001").text("Name"), QStringLiteral("りんご"));
        QCOMPARE(f.goodsRow("A001").number("UnitPrice"), 100.0);

        f.fillWork({"A001", QStringLiteral("青りんご"), "250"}, QStringLiteral("箱"));
        w.BtnRegist[0]->click();
        QCOMPARE(f.env.messages.count(), 2);
        const RecordSet rs = f.goodsRow("A001");
        QCOMPARE(rs.text("Name"), QStringLiteral("青りんご"));
        QCOMPARE(rs.text("Kana"), QString());
        QCOMPARE(rs.number("UnitPrice"), 250.0);
        QCOMPARE(rs.text("Unit"), QStringLiteral("箱"));
        QCOMPARE(f.count(QStringLiteral("商品")), 1);
        QCOMPARE(Column(w.FxGridRegist, 2), QStringList({"250.00"}));
        QCOMPARE(f.unexpected, QString());
    }

    void goodsPriceIsANumberOrZero() {
        Fixture f;
        f.open(2, QStringLiteral("商品"));
        KivoraRegist w(f.state);
        // An empty price is stored as 0.
        f.fillWork({" A010 ", QStringLiteral("無料品"), ""});
        w.BtnRegist[0]->click();
        QCOMPARE(f.goodsRow("A010").RecordCount(), 1); // stored trimmed
        QCOMPARE(f.goodsRow("A010").number("UnitPrice"), 0.0);
        QVERIFY(!f.goodsRow("A010").isNull("UnitPrice"));
        QCOMPARE(f.env.messages.count(), 0);

        // A price that is no number is refused; the dialog stays open and writes nothing.
        bool stillOpen = false;
        QStringList messages;
        qint16 resultWhileOpen = 0;
        f.onNext<KivoraWork>([&](KivoraWork* d) {
            d->TextWork[0]->setText("A011");
            d->TextWork[2]->setText("abc");
            d->BtnOK->click();
            stillOpen = d->isVisible();
            messages = f.env.messages.texts();
            resultWhileOpen = f.state.gResult;
            // Corrected, it goes through.
            d->TextWork[2]->setText("1,200.5");
            d->BtnOK->click();
        });
        w.BtnRegist[0]->click();
        QVERIFY(stillOpen);
        QCOMPARE(resultWhileOpen, qint16(-1));
        QCOMPARE(f.goodsRow("A011").RecordCount(), 1);
        QCOMPARE(messages, QStringList({QStringLiteral("単価は数字を入力して下さい｡")}));
        QCOMPARE(f.goodsRow("A011").number("UnitPrice"), 1200.5);
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"A010", "A011"}));
        // The new record is the current row.
        QCOMPARE(w.FxGridRegist->currentRow(), 1);
    }

    void changeWithANewCodeAddsAndKeepsTheOld() {
        Fixture f;
        f.goods("A001", QStringLiteral("りんご"), 100, QString());
        f.goods("B001", QStringLiteral("ばなな"), 80, QString());
        f.open(2, QStringLiteral("商品"));
        KivoraRegist w(f.state);
        w.FxGridRegist->setCurrentCell(RowOf(w.FxGridRegist, "A001"), 0);

        // The dialog starts with the stored record; the price as a plain number.
        QStringList shown;
        QString title;
        f.onNext<KivoraWork>([&](KivoraWork* d) {
            title = d->windowTitle();
            shown = {d->TextWork[0]->text(), d->TextWork[1]->text(), d->TextWork[2]->text()};
            d->TextWork[0]->setText("A002");
            d->BtnOK->click();
        });
        w.BtnRegist[1]->click();
        QCOMPARE(title, QStringLiteral("商品の変更"));
        QCOMPARE(shown, QStringList({"A001", QStringLiteral("りんご"), "100"}));
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"A001", "A002", "B001"}));
        QCOMPARE(f.goodsRow("A001").text("Name"), QStringLiteral("りんご"));
        QCOMPARE(f.goodsRow("A002").text("Name"), QStringLiteral("りんご"));
        // The window's own kind and table are back after the dialog.
        QCOMPARE(f.state.gMode, quint8(2));
        QCOMPARE(f.state.gCaption, QStringLiteral("商品"));

        // Typing a stored code overwrites it without a question.
        w.FxGridRegist->setCurrentCell(RowOf(w.FxGridRegist, "A001"), 0);
        f.fillWork({"B001", QStringLiteral("りんご"), "100"});
        w.BtnRegist[1]->click();
        QCOMPARE(f.env.messages.count(), 0);
        QCOMPARE(f.goodsRow("B001").text("Name"), QStringLiteral("りんご"));
        QCOMPARE(f.count(QStringLiteral("商品")), 3);

        // Cancel writes nothing.
        f.onNext<KivoraWork>([](KivoraWork* d) {
            d->TextWork[1]->setText(QStringLiteral("変更"));
            d->BtnCancel->click();
        });
        w.BtnRegist[1]->click();
        QCOMPARE(f.goodsRow("B001").text("Name"), QStringLiteral("りんご"));
        QCOMPARE(f.unexpected, QString());
    }

    void rowLimitsRefuseNewRecords() {
        Fixture f;
        QStringList many;
        for (int i = 1; i <= 99; ++i)
            many << QStringLiteral("u%1").arg(i);
        f.units(many);
        f.open(1, QStringLiteral("単位"));
        {
            KivoraRegist w(f.state);
            QCOMPARE(w.recordCount(), 99);
            QVERIFY(!f.opensDialog([&] { w.BtnRegist[0]->click(); }));
            QCOMPARE(f.env.messages.lastText(), QStringLiteral("登録限度を超えました｡"));
            QCOMPARE(f.count(QStringLiteral("単位")), 99);
        }

        {
            Transaction tx(*f.db);
            for (int i = 1; i <= 999; ++i)
                f.db->exec(QStringLiteral("INSERT INTO 担当者 (Code, Name) VALUES (?, ?)"),
                           {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), "n"});
            tx.commit();
        }
        f.env.messages.clear();
        f.open(0, QStringLiteral("担当者"));
        KivoraRegist w(f.state);
        QVERIFY(!f.opensDialog([&] { w.BtnRegist[0]->click(); }));
        QCOMPARE(f.env.messages.texts(), QStringList({QStringLiteral("登録限度を超えました｡")}));
        QCOMPARE(f.count(QStringLiteral("担当者")), 999);

        // A change that would add a record under a new code meets the same limit; a
        // change of a stored record still goes through.
        w.FxGridRegist->setCurrentCell(0, 0);
        f.fillWork({"1000", QStringLiteral("部"), QStringLiteral("千人目")});
        w.BtnRegist[1]->click();
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("登録限度を超えました｡"));
        QCOMPARE(f.count(QStringLiteral("担当者")), 999);
        f.fillWork({"0001", QStringLiteral("部"), QStringLiteral("一人目")});
        w.BtnRegist[1]->click();
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(
            f.db->scalar(QStringLiteral("SELECT Name FROM 担当者 WHERE Code = '0001'")).toString(),
            QStringLiteral("一人目"));
    }

    void deletingASetRemovesItsComposition() {
        Fixture f;
        f.db->exec(QStringLiteral("INSERT INTO セット商品 (Code, Name, UnitPrice) VALUES "
                                  "('S001', 'セットA', 500), ('S002', 'セットB', 900)"));
        f.db->exec(QStringLiteral("INSERT INTO 商品構成 (Code, Count, GoodsCode) VALUES "
                                  "('S001', 1, 'A001'), ('S001', 2, 'A002'), ('S002', 1, 'A001')"));
        f.open(3, QStringLiteral("セット商品"));
        KivoraRegist w(f.state);
        QCOMPARE(w.windowTitle(), QStringLiteral("セット商品の登録"));
        QVERIFY(w.BtnSet->isHidden());
        w.FxGridRegist->setCurrentCell(0, 0);
        w.BtnDelete->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("商品番号[S001]を削除します｡"));
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"S002"}));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 商品構成 WHERE Code = 'S001'"))
                     .toInt(),
                 0);
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 商品構成 WHERE Code = 'S002'"))
                     .toInt(),
                 1);
    }

    void setGoodsAreEditedInTheSetWindow() {
        Fixture f;
        f.db->exec(QStringLiteral("INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES "
                                  "('S001', 'セットA', 1500, '式')"));
        f.open(3, QStringLiteral("セット商品"));
        KivoraRegist w(f.state);
        std::array<QString, 6> handed;
        f.onNext<KivoraSet>([&](KivoraSet* d) {
            handed = f.state.gWork;
            d->BtnCancel->click();
        });
        w.BtnRegist[1]->click();
        QCOMPARE(f.unexpected, QString());
        QCOMPARE(handed[0], QStringLiteral("S001"));
        QCOMPARE(handed[1], QStringLiteral("セットA"));
        QCOMPARE(handed[2], QStringLiteral("1500"));
        QCOMPARE(handed[3], QStringLiteral("式"));

        // A new set starts with an empty code; what the set window saves is listed.
        f.onNext<KivoraSet>([&](KivoraSet* d) {
            handed = f.state.gWork;
            f.db->exec(QStringLiteral("INSERT INTO セット商品 (Code, Name) VALUES ('S000', 'x')"));
            d->BtnCancel->click();
        });
        w.BtnRegist[0]->click();
        QCOMPARE(handed[0], QString());
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"S000", "S001"}));
        QCOMPARE(f.state.gMode, quint8(3));
        QCOMPARE(f.state.gResult, qint16(-1));
    }

    void sortDialogOrdersTheGoods() {
        Fixture f;
        f.goods("B001", QStringLiteral("りんご"), 0, QString());
        f.goods("A001", QStringLiteral("みかん"), 0, QString());
        f.goods("C001", QStringLiteral("いちご"), 0, QString());
        f.open(2, QStringLiteral("商品"));
        KivoraRegist w(f.state);
        QCOMPARE(Column(w.FxGridRegist, 0), QStringList({"A001", "B001", "C001"}));
        w.show();
        quint8 modeSeen = 99;
        QString prefix;
        f.onNext<KivoraSort>([&](KivoraSort* d) {
            modeSeen = f.state.gMode;
            prefix = d->prefix();
            d->OptionItem[1]->click();
            d->OptionOrder[0]->click();
            d->BtnOK->click();
        });
        w.BtnSort->click();
        QCOMPARE(modeSeen, quint8(2));
        QCOMPARE(prefix, QStringLiteral("Goods"));
        QCOMPARE(f.env.settings().get(QStringLiteral("SortGoods")), QStringLiteral("1"));
        QCOMPARE(f.env.settings().get(QStringLiteral("OrderGoods")), QStringLiteral("0"));
        QCOMPARE(Column(w.FxGridRegist, 1), QStringList({"いちご", "みかん", "りんご"}));
        // The list stays open with the new order.
        QVERIFY(w.isVisible());
        QCOMPARE(f.state.gResult, qint16(-1));
        QCOMPARE(f.state.gCaption, QStringLiteral("商品"));

        // A cancelled sort keeps the order.
        f.onNext<KivoraSort>([](KivoraSort* d) {
            d->OptionOrder[1]->click();
            d->BtnCancel->click();
        });
        w.BtnSort->click();
        QCOMPARE(Column(w.FxGridRegist, 1), QStringList({"いちご", "みかん", "りんご"}));
        QCOMPARE(f.env.settings().get(QStringLiteral("OrderGoods")), QStringLiteral("0"));
    }

    void goodsSwitchToSetGoodsAndEnd() {
        Fixture f;
        f.open(2, QStringLiteral("商品"));
        {
            KivoraRegist w(f.state);
            w.show();
            w.BtnSet->click();
            QVERIFY(!w.isVisible());
            QCOMPARE(f.state.gMode, quint8(3));
            QCOMPARE(f.state.gCaption, QStringLiteral("セット商品"));
            QCOMPARE(f.state.gResult, qint16(0));
        }
        // The caller opens the window again with what BtnSet left.
        {
            KivoraRegist w(f.state);
            QCOMPARE(w.windowTitle(), QStringLiteral("セット商品の登録"));
            QCOMPARE(w.kind(), quint8(3));
            w.show();
            w.BtnEnd->click();
            QVERIFY(!w.isVisible());
            QCOMPARE(f.state.gResult, qint16(-1));
        }
        // Escape finishes as BtnEnd does, so the caller's loop ends.
        f.open(2, QStringLiteral("商品"));
        KivoraRegist w(f.state);
        w.show();
        f.state.gResult = 0;
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.state.gResult, qint16(-1));
    }
};

QTEST_MAIN(TestRegist)
#include "tst_regist.moc"
