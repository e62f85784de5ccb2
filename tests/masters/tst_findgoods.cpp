// The goods search as the slip and set windows meet it: two tables behind two tabs,
// conditions that narrow step by step, and what the dialog hands back — a goods line, or
// a set to expand or to take as one line. What it shares with the other search dialogs
// (refusals, Escape, Enter, the empty-search questions) is checked in tst_finddialogs.
#include "support/TestMain.h"
#include "core/Database.h"
#include "masters/KivoraFindGoods.h"
#include "support/TestEnv.h"

#include <QGroupBox>
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
        db->exec(QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES "
                                "('A0011', 'ボルト M10', 'ﾎﾞﾙﾄ', 20, '本'), "
                                "('C1', 'ボルト M8 ステン', 'ﾎﾞﾙﾄ', 30, '本'), "
                                "('A001', 'ボルト M8', 'ﾎﾞﾙﾄ', 12.5, '本'), "
                                "('A002', 'ナット M8', 'ﾅｯﾄ', 8, '個'), "
                                "('B100', 'ワッシャー', 'ﾜｯｼｬｰ', 3, NULL)"));
        db->exec(QStringLiteral("INSERT INTO セット商品 (Code, Name, Kana, UnitPrice, Unit) VALUES "
                                "('S02', '工具セット', 'ｺｳｸﾞ', 9800, '式'), "
                                "('S01', 'ボルトセット', 'ﾎﾞﾙﾄ', 1500, '組')"));
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

QStringList Column(const KivoraFindGoods& d, int column) {
    QStringList out;
    for (int r = 0; r < d.FxGridFindGoods->rowCount(); ++r) {
        const QTableWidgetItem* item = d.FxGridFindGoods->item(r, column);
        out << (item ? item->text() : QString());
    }
    return out;
}

QStringList Codes(const KivoraFindGoods& d) {
    return Column(d, 0);
}

QStringList Work(const AppState& s) {
    return {s.gWork[0], s.gWork[1], s.gWork[2], s.gWork[3]};
}

const QStringList Empty = {QString()};

} // namespace

class TestFindGoods : public QObject {
    Q_OBJECT

private slots:
    void opensThenNarrowsAndShowsPrices() {
        Fixture f;
        f.env.state.gResult = 5;
        KivoraFindGoods d(f.env.state);
        d.show();
        QCOMPARE(d.TabFindGoods->count(), 2);
        QCOMPARE(Codes(d), Empty);
        // Nothing stored yet: code column, sets expanded.
        QVERIFY(d.OptFindGoods[0]->isChecked() && d.OptFindGoods1[0]->isChecked());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        // 40 bytes at most.
        Type(d.TextFindGoods, QString(45, QLatin1Char('1')));
        QCOMPARE(d.TextFindGoods->text(), QString(40, QLatin1Char('1')));
        // An empty first search asks before listing every goods; Cancel lists nothing.
        f.env.messages.answer(MsgCancel);
        Find(d, 0, "  ");
        QCOMPARE(f.last().text, QStringLiteral("全商品を表示します｡"));
        QCOMPARE(f.last().icon, MsgIcon::Question);
        QCOMPARE(Codes(d), Empty);
        QCOMPARE(d.conditionCount(), 0);

        Find(d, 1, QStringLiteral("ボルト"));
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "C1"}));
        // The second word, confirmed with Enter, narrows the first result.
        d.TextFindGoods->clear();
        QTest::keyClicks(d.TextFindGoods, "M8");
        QTest::keyClick(d.TextFindGoods, Qt::Key_Return);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        QCOMPARE(Column(d, 2), QStringList({"12.50", "30.00"}));
        QCOMPARE(Column(d, 3), QStringList({"本", "本"}));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(f.env.messages.count(), 1); // the question only
        // A value not found is not kept: the list and the conditions stay.
        Find(d, 0, "B");
        QCOMPARE(f.last().text, QStringLiteral("見つかりませんでした｡"));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        // Reset asks first; Cancel keeps everything, OK starts again from the same text,
        // here a reading for the third option.
        d.OptFindGoods[2]->click();
        Type(d.TextFindGoods, QStringLiteral("ﾎﾞﾙ"));
        f.env.messages.answer(MsgCancel);
        d.BtnReset->click();
        QCOMPARE(f.last().text, QStringLiteral("解除します｡"));
        QCOMPARE(d.conditionCount(), 2);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        d.BtnReset->click();
        QCOMPARE(d.conditionCount(), 0);
        QCOMPARE(Codes(d), Empty);
        QCOMPARE(d.TextFindGoods->text(), QStringLiteral("ﾎﾞﾙ"));
        d.BtnFind->click();
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "C1"}));
    }

    void tabsSearchTheirOwnTable() {
        Fixture f;
        KivoraFindGoods d(f.env.state);
        d.show();
        for (const char* part : {"ボ", "ル", "ト", "M", "8"})
            Find(d, 1, QString::fromUtf8(part));
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(Codes(d), QStringList({"A001", "C1"}));
        QVERIFY(!d.BtnFind->isEnabled());
        // Another tab starts again from nothing, even after five conditions.
        d.TabFindGoods->setCurrentIndex(1);
        QCOMPARE(d.source(), RecordSearch::Source::SetGoods);
        QCOMPARE(d.conditionCount(), 0);
        QVERIFY(d.BtnFind->isEnabled());
        QCOMPARE(Codes(d), Empty);
        Find(d, 1, QStringLiteral("ボルト"));
        QCOMPARE(Codes(d), QStringList({"S01"}));
        Find(d, 0, "S");
        QCOMPARE(Codes(d), QStringList({"S01"}));
        QCOMPARE(Column(d, 2), QStringList({"1,500.00"}));
        d.TabFindGoods->setCurrentIndex(0);
        QCOMPARE(d.source(), RecordSearch::Source::Goods);
        QCOMPARE(d.conditionCount(), 0);
        Find(d, 0, "A00");
        QCOMPARE(Codes(d), QStringList({"A001", "A0011", "A002"}));
        // With the exact-match preference, a trimmed code finds only itself.
        f.env.state.FindItem = 1;
        d.BtnReset->click();
        Find(d, 0, " A001 ");
        QCOMPARE(Codes(d), QStringList({"A001"}));
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

    void rowIsHandedBackAndChoicesRemembered_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("set"); // 0 構成で適用 (expand a set), 1 セットで適用
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("work");
        QTest::addColumn<QString>("handOff");
        // A goods is one line even with "構成で適用"; the price is the stored number.
        QTest::newRow("goods") << 0 << 0 << 1 << QStringLiteral("ボルト M8")
                               << QStringList({"A001", "ボルト M8", "12.5", "本"}) << "False";
        QTest::newRow("goods without a unit")
            << 0 << 1 << 2 << QStringLiteral("ﾜｯｼｬ") << QStringList({"B100", "ワッシャー", "3", ""})
            << "False";
        QTest::newRow("set to expand")
            << 1 << 0 << 0 << QStringLiteral("S01")
            << QStringList({"S01", "ボルトセット", "1500", "組"}) << "True";
        QTest::newRow("set as one line")
            << 1 << 1 << 1 << QStringLiteral("工具")
            << QStringList({"S02", "工具セット", "9800", "式"}) << "False";
    }

    void rowIsHandedBackAndChoicesRemembered() {
        QFETCH(int, tab);
        QFETCH(int, set);
        QFETCH(int, option);
        QFETCH(QString, text);
        QFETCH(QStringList, work);
        QFETCH(QString, handOff);
        Fixture f;
        for (QString& value : f.env.state.gWork)
            value = QStringLiteral("old");
        // Opened over its parent when no caller left itself in gCaller.
        QWidget caller;
        caller.setGeometry(100, 80, 600, 450);
        caller.show();
        {
            KivoraFindGoods d(f.env.state, &caller);
            QVERIFY(
                (d.frameGeometry().center() - caller.frameGeometry().center()).manhattanLength() <=
                2);
            d.show();
            d.OptFindGoods1[set]->click();
            d.TabFindGoods->setCurrentIndex(tab);
            Find(d, option, text);
            d.FxGridFindGoods->setCurrentCell(0, 3);
            d.BtnOK->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.env.state.gHandOff, handOff);
        QCOMPARE(Work(f.env.state), work);
        // The column searched and the way sets are applied are offered again next time.
        QCOMPARE(f.stored(QStringLiteral("FindGoodsItem")), QString::number(option));
        QCOMPARE(f.stored(QStringLiteral("FindSet")), QString::number(set));
        KivoraFindGoods next(f.env.state);
        QVERIFY(next.OptFindGoods[option]->isChecked() && next.OptFindGoods1[set]->isChecked());
        // The exact-match preference lives under its own key and is left alone.
        QCOMPARE(f.stored(QStringLiteral("FindItem")), QStringLiteral("-"));
    }

    void cancelAndEmptyRowHandBackNothing() {
        Fixture f;
        f.env.state.gHandOff = QStringLiteral("keep");
        f.env.state.gWork[0] = QStringLiteral("keep");
        {
            // Cancel stores nothing and leaves what was handed back before.
            KivoraFindGoods d(f.env.state);
            d.show();
            Find(d, 1, QStringLiteral("ボルト"));
            d.OptFindGoods1[1]->click();
            d.BtnCancel->click();
            QVERIFY(!d.isVisible());
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(f.env.state.gHandOff + f.env.state.gWork[0], QStringLiteral("keepkeep"));
            QCOMPARE(f.stored(QStringLiteral("FindSet")), QStringLiteral("-"));
            QCOMPARE(f.stored(QStringLiteral("FindGoodsItem")), QStringLiteral("-"));
        }
        // OK on the empty row closes with an empty hand-off.
        KivoraFindGoods d(f.env.state);
        d.show();
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.env.state.gHandOff, QString());
        QCOMPARE(f.env.state.gWork[0], QStringLiteral("keep"));
        // A stored column out of range opens on the first.
        f.env.settings().save(QStringLiteral("FindGoodsItem"), 9);
        QVERIFY(KivoraFindGoods(f.env.state).OptFindGoods[0]->isChecked());
    }

    void setWindowChoosesGoodsOnly() {
        Fixture f;
        f.env.state.gMode = 1;
        // Opened over the caller that left itself in gCaller, not over the parent.
        QWidget caller, parent;
        caller.setGeometry(150, 100, 600, 450);
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

KIVORA_TEST(TestFindGoods)
#include "tst_findgoods.moc"
