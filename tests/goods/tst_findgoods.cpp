// The goods search as the slip and set windows meet it: two tables behind two tabs,
// conditions that narrow step by step, the questions and refusals on the way, and what
// the dialog hands back — a goods line, or a set to expand or to take as one line.
#include "core/Database.h"
#include "masters/KivoraFindGoods.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        const QList<QVariantList> goods = {
            {"A0011", QStringLiteral("ボルト M10"), QStringLiteral("ﾎﾞﾙﾄ"), 20.0,
             QStringLiteral("本")},
            {"C1", QStringLiteral("ボルト M8 ステン"), QStringLiteral("ﾎﾞﾙﾄ"), 30.0,
             QStringLiteral("本")},
            {"A001", QStringLiteral("ボルト M8"), QStringLiteral("ﾎﾞﾙﾄ"), 12.5,
             QStringLiteral("本")},
            {"A002", QStringLiteral("ナット M8"), QStringLiteral("ﾅｯﾄ"), 8.0, QStringLiteral("個")},
            {"B100", QStringLiteral("ワッシャー"), QStringLiteral("ﾜｯｼｬｰ"), 3.0, QString()},
        };
        for (const QVariantList& g : goods)
            db->exec(QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) "
                                    "VALUES (?, ?, ?, ?, ?)"),
                     g);
        db->exec(QStringLiteral("INSERT INTO セット商品 (Code, Name, Kana, UnitPrice, Unit) "
                                "VALUES (?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"),
                 {"S02", QStringLiteral("工具セット"), QStringLiteral("ｺｳｸﾞ"), 9800.0,
                  QStringLiteral("式"), "S01", QStringLiteral("ボルトセット"),
                  QStringLiteral("ﾎﾞﾙﾄ"), 1500.0, QStringLiteral("組")});
    }

    MessageRequest last() const { return env.messages.shown().last(); }
    QString stored(const QString& key) { return env.settings().get(key, QStringLiteral("-")); }
};

// Types a text as the user would, replacing what the field held.
void Type(QLineEdit* field, const QString& text) {
    field->clear();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
}

void Find(KivoraFindGoods& d, int option, const QString& text) {
    d.OptFindGoods[option]->click();
    Type(d.TextFindGoods, text);
    d.BtnFind->click();
}

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QTableWidgetItem* item = grid->item(r, column);
        out << (item ? item->text() : QString());
    }
    return out;
}

QStringList Codes(const KivoraFindGoods& d) {
    return Column(d.FxGridFindGoods, 0);
}

QStringList Headers(const QTableWidget* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << grid->horizontalHeaderItem(c)->text();
    return out;
}

const QStringList GoodsHeaders = {QStringLiteral("商品番号"), QStringLiteral("商品名"),
                                  QStringLiteral("単価"), QStringLiteral("単位")};
const QStringList Empty = {QString()};

QStringList Work(const AppState& s) {
    return {s.gWork[0], s.gWork[1], s.gWork[2], s.gWork[3]};
}

} // namespace

class TestFindGoods : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsControls() {
        Fixture f;
        f.env.state.gResult = 5;
        KivoraFindGoods d(f.env.state);
        QCOMPARE(d.TabFindGoods->count(), 2);
        QCOMPARE(d.TabFindGoods->tabText(0), QStringLiteral("商品"));
        QCOMPARE(d.TabFindGoods->tabText(1), QStringLiteral("セット商品"));
        QCOMPARE(d.FrameFindUser->title(), QStringLiteral("検索対照"));
        QCOMPARE(d.OptFindGoods[0]->text(), QStringLiteral("商品番号(&G)"));
        QCOMPARE(d.OptFindGoods[1]->text(), QStringLiteral("商品名(&N)"));
        QCOMPARE(d.OptFindGoods1[0]->text(), QStringLiteral("構成で適用(&D)"));
        QCOMPARE(d.OptFindGoods1[1]->text(), QStringLiteral("セットで適用(&S)"));
        QCOMPARE(d.Label1->text(), QStringLiteral("検索条件"));
        QCOMPARE(d.BtnFind->text(), QStringLiteral("検索(&F)"));
        QCOMPARE(d.BtnReset->text(), QStringLiteral("解除(&R)"));
        QCOMPARE(d.BtnCancel->text(), QStringLiteral("キャンセル"));
        QCOMPARE(Headers(d.FxGridFindGoods), GoodsHeaders);
        QCOMPARE(Codes(d), Empty);
        // Nothing stored yet: code column, sets expanded.
        QVERIFY(d.OptFindGoods[0]->isChecked());
        QVERIFY(d.OptFindGoods1[0]->isChecked());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(SettingsStore::defaultOf(QStringLiteral("FindGoodsItem")), QStringLiteral("0"));
        // 40 bytes at most.
        Type(d.TextFindGoods, QString(45, QLatin1Char('1')));
        QCOMPARE(d.TextFindGoods->text(), QString(40, QLatin1Char('1')));
        Type(d.TextFindGoods, QString(25, QChar(0x7530)));
        QCOMPARE(d.TextFindGoods->text(), QString(20, QChar(0x7530)));
    }

    void conditionsNarrowAndShowPrices() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        d.show();
        Find(d, 1, QStringLiteral("ボルト"));
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "C1"}));
        // The second word, confirmed with Enter, narrows the first result.
        d.TextFindGoods->clear();
        QTest::keyClicks(d.TextFindGoods, "M8");
        QTest::keyClick(d.TextFindGoods, Qt::Key_Return);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        QCOMPARE(Column(d.FxGridFindGoods, 2), QStringList({"12.50", "30.00"}));
        QCOMPARE(Column(d.FxGridFindGoods, 3),
                 QStringList({QStringLiteral("本"), QStringLiteral("本")}));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(f.env.messages.count(), 0);
        // The reading column, through the third option.
        KivoraFindGoods kana(f.env.state);
        Find(kana, 2, QStringLiteral("ﾎﾞﾙ"));
        QCOMPARE(Codes(kana), QStringList({"A001", "A0011", "C1"}));
        // A value not found is not kept: the list and the conditions stay.
        Find(d, 0, "B");
        QCOMPARE(f.last().text, QStringLiteral("見つかりませんでした｡"));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
    }

    void tabsSearchTheirOwnTable() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        d.show();
        Find(d, 1, QStringLiteral("ボルト"));
        d.TabFindGoods->setCurrentIndex(1);
        QCOMPARE(d.source(), RecordSearch::Source::SetGoods);
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Codes(d), Empty);
        QCOMPARE(Headers(d.FxGridFindGoods), GoodsHeaders);
        Find(d, 1, QStringLiteral("ボルト"));
        QCOMPARE(Codes(d), QStringList({"S01"}));
        Find(d, 0, "S");
        QCOMPARE(Codes(d), QStringList({"S01"}));
        QCOMPARE(Column(d.FxGridFindGoods, 2), QStringList({"1,500.00"}));
        d.TabFindGoods->setCurrentIndex(0);
        QCOMPARE(d.source(), RecordSearch::Source::Goods);
        QCOMPARE(d.conditionCount(), 0);
        Find(d, 0, "A00");
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "A002"}));
    }

    void listFollowsTheSortPreference() {
        Fixture f;
        f.env.settings().save(QStringLiteral("SortGoods"), 1);
        KivoraFindGoods byName(f.env.state);
        Find(byName, 0, "");
        QCOMPARE(Codes(byName), QStringList({"A002", "A0011", "A001", "C1", "B100"}));
        f.env.settings().save(QStringLiteral("SortGoods"), 0);
        f.env.settings().save(QStringLiteral("OrderGoods"), 1);
        KivoraFindGoods descending(f.env.state);
        Find(descending, 0, "");
        QCOMPARE(Codes(descending), QStringList({"C1", "B100", "A002", "A0011", "A001"}));
        // Sets keep their own preference, ascending by code here.
        descending.TabFindGoods->setCurrentIndex(1);
        Find(descending, 0, "");
        QCOMPARE(Codes(descending), QStringList({"S01", "S02"}));
    }

    void fiveConditionsStopSearching() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        d.show();
        for (const QString& part : {QStringLiteral("ボ"), QStringLiteral("ル"),
                                    QStringLiteral("ト"), QStringLiteral("M"), QStringLiteral("8")})
            Find(d, 1, part);
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        QVERIFY(!d.BtnFind->isEnabled());
        Type(d.TextFindGoods, QStringLiteral("ステン"));
        QTest::keyClick(d.TextFindGoods, Qt::Key_Return);
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        QCOMPARE(f.env.messages.count(), 0);
        QVERIFY(d.isVisible());
        // Another tab starts again.
        d.TabFindGoods->setCurrentIndex(1);
        QVERIFY(d.BtnFind->isEnabled());
        QCOMPARE(d.conditionCount(), 0);
    }

    void exactMatchPreference() {
        Fixture f;
        f.env.state.FindItem = 1;
        KivoraFindGoods exact(f.env.state);
        Find(exact, 0, " A001 ");
        QCOMPARE(Codes(exact), QStringList({"A001"}));
        f.env.state.FindItem = 0;
        KivoraFindGoods partial(f.env.state);
        Find(partial, 0, "A001");
        QCOMPARE(Codes(partial), QStringList({"A001", "A0011"}));
    }

    void emptySearchesAndReset() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        f.env.messages.answer(MsgCancel);
        Find(d, 0, "  ");
        QCOMPARE(f.last().text, QStringLiteral("全商品を表示します｡"));
        QCOMPARE(f.last().icon, MsgIcon::Question);
        QVERIFY(f.last().withCancel);
        QCOMPARE(Codes(d), Empty);
        QCOMPARE(d.conditionCount(), 0);
        Find(d, 0, "");
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "A002", "B100", "C1"}));
        f.env.messages.clear();
        Find(d, 1, "");
        QCOMPARE(f.env.messages.texts(),
                 QStringList({QStringLiteral("検索条件を入力して下さい｡")}));
        QCOMPARE(d.conditionCount(), 1);

        // Reset asks first; Cancel keeps everything, OK starts again from the same text.
        d.OptFindGoods[0]->click();
        Type(d.TextFindGoods, "A");
        f.env.messages.answer(MsgCancel);
        d.BtnReset->click();
        QCOMPARE(f.last().text, QStringLiteral("解除します｡"));
        QCOMPARE(f.last().icon, MsgIcon::Information);
        QVERIFY(f.last().withCancel);
        QCOMPARE(d.conditionCount(), 1);
        QCOMPARE(Codes(d).size(), 5);
        d.BtnReset->click();
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Codes(d), Empty);
        QVERIFY(d.BtnFind->isEnabled());
        QCOMPARE(d.TextFindGoods->text(), QStringLiteral("A"));
        d.BtnFind->click();
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "A002"}));
    }

    void forbiddenCharacterSearchesNothing() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        Find(d, 1, QStringLiteral("ボルト!"));
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.last().text, QStringLiteral("以下の文字は使用出来ません。\r !"));
        QCOMPARE(f.last().title, QStringLiteral("検索条件"));
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Codes(d), Empty);
    }

    void goodsAreHandedBack() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        d.show();
        Find(d, 1, QStringLiteral("ボルト"));
        d.FxGridFindGoods->setCurrentCell(0, 3);
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.env.state.gResult, qint16(0));
        // A goods is one line even with "構成で適用" chosen; the price is the stored number.
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("False"));
        QCOMPARE(Work(f.env.state),
                 QStringList({"A001", QStringLiteral("ボルト M8"), "12.5", QStringLiteral("本")}));
        QCOMPARE(f.stored(QStringLiteral("FindGoodsItem")), QStringLiteral("1"));
        QCOMPARE(f.stored(QStringLiteral("FindSet")), QStringLiteral("0"));

        // Opened modally by a caller: Down and Enter in the grid take the third row, and
        // a goods without a unit hands back an empty one.
        f.env.state.gWork[3] = QStringLiteral("old");
        QWidget caller;
        caller.setGeometry(300, 200, 900, 700);
        caller.show();
        OnNextModal([](QWidget* modal) {
            auto* g = qobject_cast<KivoraFindGoods*>(modal);
            QVERIFY(g);
            Find(*g, 0, "0");
            Find(*g, 0, "1");
            QCOMPARE(Codes(*g), QStringList({"A001", "A0011", "B100"}));
            g->FxGridFindGoods->setFocus();
            QTest::keyClick(g->FxGridFindGoods, Qt::Key_Down);
            QTest::keyClick(g->FxGridFindGoods, Qt::Key_Down);
            QTest::keyClick(g->FxGridFindGoods, Qt::Key_Return);
        });
        KivoraFindGoods m(f.env.state, &caller);
        QVERIFY((m.frameGeometry().center() - caller.frameGeometry().center()).manhattanLength() <=
                2);
        QCOMPARE(m.exec(), int(QDialog::Accepted));
        QCOMPARE(Work(f.env.state),
                 QStringList({"B100", QStringLiteral("ワッシャー"), "3", QString()}));
        QCOMPARE(f.stored(QStringLiteral("FindGoodsItem")), QStringLiteral("0"));
    }

    void setsAreExpandedOrTakenWhole() {
        Fixture f;
        {
            KivoraFindGoods d(f.env.state);
            d.TabFindGoods->setCurrentIndex(1);
            Find(d, 0, "S01");
            d.BtnOK->click();
            QCOMPARE(f.env.state.gResult, qint16(0));
            QCOMPARE(f.env.state.gHandOff, QStringLiteral("True"));
            QCOMPARE(Work(f.env.state), QStringList({"S01", QStringLiteral("ボルトセット"), "1500",
                                                     QStringLiteral("組")}));
            QCOMPARE(f.stored(QStringLiteral("FindSet")), QStringLiteral("0"));
        }
        {
            KivoraFindGoods d(f.env.state);
            QVERIFY(d.OptFindGoods1[0]->isChecked());
            d.OptFindGoods1[1]->click();
            d.TabFindGoods->setCurrentIndex(1);
            Find(d, 1, QStringLiteral("工具"));
            d.BtnOK->click();
            QCOMPARE(f.env.state.gResult, qint16(0));
            QCOMPARE(f.env.state.gHandOff, QStringLiteral("False"));
            QCOMPARE(f.env.state.gWork[0], QStringLiteral("S02"));
            QCOMPARE(f.stored(QStringLiteral("FindSet")), QStringLiteral("1"));
        }
        KivoraFindGoods next(f.env.state);
        QVERIFY(next.OptFindGoods1[1]->isChecked());
    }

    void searchColumnIsRemembered() {
        Fixture f;
        {
            KivoraFindGoods d(f.env.state);
            Find(d, 2, QStringLiteral("ﾅ"));
            d.BtnOK->click();
        }
        QCOMPARE(f.stored(QStringLiteral("FindGoodsItem")), QStringLiteral("2"));
        // The exact-match preference lives under its own key and is left alone.
        QCOMPARE(f.stored(QStringLiteral("FindItem")), QStringLiteral("-"));
        {
            KivoraFindGoods d(f.env.state);
            QVERIFY(d.OptFindGoods[2]->isChecked());
            d.OptFindGoods[1]->click();
            d.BtnCancel->click();
        }
        // Cancel stores nothing.
        QCOMPARE(f.stored(QStringLiteral("FindGoodsItem")), QStringLiteral("2"));
        f.env.settings().save(QStringLiteral("FindGoodsItem"), 1);
        KivoraFindGoods byName(f.env.state);
        QVERIFY(byName.OptFindGoods[1]->isChecked());
        f.env.settings().save(QStringLiteral("FindGoodsItem"), 9);
        KivoraFindGoods outOfRange(f.env.state);
        QVERIFY(outOfRange.OptFindGoods[0]->isChecked());
    }

    void cancelAndEmptyRowHandBackNothing() {
        Fixture f;
        f.env.state.gHandOff = QStringLiteral("keep");
        f.env.state.gWork[0] = QStringLiteral("keep");
        {
            KivoraFindGoods d(f.env.state);
            d.show();
            Find(d, 1, QStringLiteral("ボルト"));
            d.OptFindGoods1[1]->click();
            d.BtnCancel->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(f.env.state.gHandOff, QStringLiteral("keep"));
            QCOMPARE(f.env.state.gWork[0], QStringLiteral("keep"));
            QCOMPARE(f.stored(QStringLiteral("FindSet")), QStringLiteral("-"));
        }
        {
            // Escape cancels too, even after an earlier choice set gResult.
            KivoraFindGoods d(f.env.state);
            d.show();
            f.env.state.gResult = 0;
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gResult, qint16(-1));
        }
        {
            // OK on the empty row closes with an empty hand-off.
            KivoraFindGoods d(f.env.state);
            d.show();
            d.BtnOK->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(f.env.state.gHandOff, QString());
            QCOMPARE(f.env.state.gWork[0], QStringLiteral("keep"));
        }
    }

    void setWindowChoosesGoodsOnly() {
        Fixture f;
        f.env.state.gMode = 1;
        QWidget caller, parent;
        caller.setGeometry(500, 300, 700, 500);
        parent.setGeometry(0, 0, 300, 200);
        caller.show();
        f.env.state.gCaller = &caller;
        KivoraFindGoods d(f.env.state, &parent);
        QVERIFY((d.frameGeometry().center() - caller.frameGeometry().center()).manhattanLength() <=
                2);
        QCOMPARE(d.TabFindGoods->count(), 1);
        QCOMPARE(d.TabFindGoods->tabText(0), QStringLiteral("商品"));
        QVERIFY(!d.FrameFindSet->isEnabled());
        Find(d, 0, "A002");
        d.BtnOK->click();
        QCOMPARE(f.env.state.gHandOff, QStringLiteral("False"));
        QCOMPARE(f.env.state.gWork[0], QStringLiteral("A002"));
    }
};

QTEST_MAIN(TestFindGoods)
#include "tst_findgoods.moc"
