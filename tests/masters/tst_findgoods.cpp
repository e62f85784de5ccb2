// The goods search as the slip and set windows meet it: two tables behind two tabs, and
// what it hands back — a goods line, or a set to expand or to take as one line.
#include "core/Database.h"
#include "masters/KivoraFindGoods.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        db->exec(
            "INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES ('A0011', 'ボルト M10', "
            "'ﾎﾞﾙﾄ', 20, '本'), ('C1', 'ボルト M8 ステン', 'ﾎﾞﾙﾄ', 30, '本'), ('A001', "
            "'ボルト M8', 'ﾎﾞﾙﾄ', 12.5, '本'), ('B100', 'ワッシャー', 'ﾜｯｼｬｰ', 3, NULL)");
        db->exec("INSERT INTO セット商品 (Code, Name, Kana, UnitPrice, Unit) VALUES ('S02', "
                 "'工具セット', 'ｺｳｸﾞ', 9800, '式'), ('S01', 'ボルトセット', 'ﾎﾞﾙﾄ', 1500, '組')");
    }
};

void Find(KivoraFindGoods& d, int option, const QString& text) {
    d.OptFindGoods[option]->click();
    d.TextFindGoods->setText(text);
    d.BtnFind->click();
}

} // namespace

class TestFindGoods : public QObject {
    Q_OBJECT

private slots:
    void rowIsHandedBackAndChoicesRemembered_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("set"); // 0 構成で適用 (expand a set), 1 セットで適用
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("handedBack"); // gHandOff, then gWork 0-3
        // A goods is one line even with "構成で適用"; the price is the stored number.
        const auto row = [](const char* name, int tab, int set, int option, const char* text,
                            const char* handedBack) {
            QTest::newRow(name) << tab << set << option << QString(text) << QString(handedBack);
        };
        row("goods", 0, 0, 1, "ボルト M8", "False A001|ボルト M8|12.5|本");
        row("goods without a unit", 0, 1, 2, "ﾜｯｼｬ", "False B100|ワッシャー|3|");
        row("set to expand", 1, 0, 0, "S01", "True S01|ボルトセット|1500|組");
        row("set as one line", 1, 1, 1, "工具", "False S02|工具セット|9800|式");
    }

    void rowIsHandedBackAndChoicesRemembered() {
        QFETCH(int, tab);
        QFETCH(int, set);
        QFETCH(int, option);
        QFETCH(QString, text);
        Fixture f;
        {
            KivoraFindGoods d(f.env.state);
            d.OptFindGoods1[set]->click();
            d.TabFindGoods->setCurrentIndex(tab);
            Find(d, option, text);
            d.FxGridFindGoods->setCurrentCell(0, 3);
            d.BtnOK->click();
        }
        QCOMPARE(f.env.state.gResult, qint16(0));
        const QStringList work(f.env.state.gWork.begin(), f.env.state.gWork.begin() + 4);
        QTEST(f.env.state.gHandOff + ' ' + work.join('|'), "handedBack");
        // The column searched and the way sets are applied are offered again next time.
        KivoraFindGoods next(f.env.state);
        QVERIFY(next.OptFindGoods[option]->isChecked() && next.OptFindGoods1[set]->isChecked());
    }
};

KIVORA_TEST(TestFindGoods)
#include "tst_findgoods.moc"
