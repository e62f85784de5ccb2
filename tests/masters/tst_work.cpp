// The edit dialog of the registration: its fields by kind, the checks OK makes before
// anything is handed back, and Enter moving from field to field.
#include "support/TestMain.h"
#include "RegistFixture.h"

using namespace regist;

namespace {

// Sets the fields that `texts` has (null texts leave a field alone) and presses OK.
void Ok(KivoraWork& d, const QStringList& texts) {
    for (int i = 0; i < int(texts.size()); ++i)
        if (!texts[i].isNull())
            d.TextWork[i]->setText(texts[i]);
    d.BtnOK->click();
}

} // namespace

class TestWork : public QObject {
    Q_OBJECT

private slots:
    void workRefusesForbiddenCharactersAndAMissingCode() {
        Fixture f;
        f.open(0, "担当者の追加");
        f.state.gWork.fill(QString());
        KivoraWork d(f.state);
        d.show();
        QCOMPARE(d.windowTitle(), "担当者の追加");
        QCOMPARE(d.LabelWork[0]->text() + d.LabelWork[1]->text() + d.LabelWork[2]->text(),
                 "番号部署名氏名");
        QVERIFY(d.ComboWork->isHidden());
        // A forbidden character in any field stops OK with the field's caption as title.
        Ok(d, {"001", QString(), "山田｡太郎"});
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.lastText(), "以下の文字は使用出来ません。\r ｡");
        QCOMPARE(f.env.messages.shown().last().title, "氏名");
        QCOMPARE(f.state.gResult, qint16(-1));
        // A missing code.
        Ok(d, {"   ", QString(), "山田太郎"});
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.lastText(), "番号を入力して下さい｡");
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.state.gWork[0], "");
        // Accepted: the trimmed texts in table order.
        Ok(d, {" 001 ", "営業部 "});
        QVERIFY(!d.isVisible());
        QCOMPARE(f.state.gResult, qint16(0));
        QCOMPARE(QStringList(f.state.gWork.begin(), f.state.gWork.begin() + 3),
                 QStringList({"001", "営業部", "山田太郎"}));
    }

    void workForGoodsCodeCaptionLimitsAndEnter() {
        Fixture f;
        f.units({"個", "本"});
        f.open(2, "商品の追加");
        f.state.gWork.fill(QString());
        KivoraWork d(f.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.ComboWork->count(), 3); // an empty entry, then every unit
        QCOMPARE(d.LabelWork[3]->text(), "単位");
        Ok(d, {});
        QCOMPARE(f.env.messages.lastText(), "商品番号を入力して下さい｡");
        Ok(d, {"A001", "a!b#c"});
        QCOMPARE(f.env.messages.lastText(), "以下の文字は使用出来ません。\r ! #");
        QCOMPARE(f.env.messages.shown().last().title, "商品名");
        QVERIFY(d.TextWork[1]->hasFocus());
        // The code keeps 7 bytes, the name 39, the price 8 characters.
        d.TextWork[0]->setText("ABCDEFGHIJ");
        d.TextWork[1]->setText(QString(25, QChar(0x3042)));
        d.TextWork[2]->setText("1234567890");
        QCOMPARE(QStringList({d.TextWork[0]->text(), d.TextWork[1]->text(), d.TextWork[2]->text()}),
                 QStringList({"ABCDEFG", QString(19, QChar(0x3042)), "12345678"}));
        // Enter walks code → name → price → unit list → code, without pressing OK.
        const QList<QWidget*> route{d.TextWork[0], d.TextWork[1], d.TextWork[2], d.ComboWork,
                                    d.TextWork[0]};
        d.TextWork[0]->setFocus();
        for (int i = 0; i + 1 < route.size(); ++i) {
            QTest::keyClick(route[i], Qt::Key_Return);
            QVERIFY(route[i + 1]->hasFocus());
        }
        QVERIFY(d.isVisible());
    }
};

KIVORA_TEST(TestWork)
#include "tst_work.moc"
