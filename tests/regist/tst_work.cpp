// The edit dialog of the registration: its fields by kind, the checks OK makes before
// anything is handed back, and Enter moving from field to field.
#include "RegistFixture.h"

#include <QLabel>

using namespace regist;

class TestWork : public QObject {
    Q_OBJECT

private slots:
    void workRefusesForbiddenCharactersAndAMissingCode() {
        Fixture f;
        f.state.gMode = 0;
        f.state.gCaption = QStringLiteral("担当者の追加");
        f.state.gWork.fill(QString());
        KivoraWork d(f.state);
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("担当者の追加"));
        QCOMPARE(d.LabelWork[0]->text(), QStringLiteral("番号"));
        QCOMPARE(d.LabelWork[1]->text(), QStringLiteral("部署名"));
        QCOMPARE(d.LabelWork[2]->text(), QStringLiteral("氏名"));
        QVERIFY(d.ComboWork->isHidden());

        // A forbidden character in any field stops OK with the field's caption as title.
        d.TextWork[0]->setText("001");
        d.TextWork[2]->setText(QStringLiteral("山田｡太郎"));
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("以下の文字は使用出来ません。\r ｡"));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("氏名"));
        QCOMPARE(f.state.gResult, qint16(-1));

        // A missing code.
        d.TextWork[0]->setText("   ");
        d.TextWork[2]->setText(QStringLiteral("山田太郎"));
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("番号を入力して下さい｡"));
        QCOMPARE(f.env.messages.count(), 2);
        QCOMPARE(f.state.gWork[0], QString());

        // Accepted: the trimmed texts in table order.
        d.TextWork[0]->setText(" 001 ");
        d.TextWork[1]->setText(QStringLiteral("営業部 "));
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(f.state.gResult, qint16(0));
        QCOMPARE(f.state.gWork[0], QStringLiteral("001"));
        QCOMPARE(f.state.gWork[1], QStringLiteral("営業部"));
        QCOMPARE(f.state.gWork[2], QStringLiteral("山田太郎"));
    }

    void workForGoodsCodeCaptionLimitsAndEnter() {
        Fixture f;
        f.units({QStringLiteral("個"), QStringLiteral("本")});
        f.state.gMode = 2;
        f.state.gCaption = QStringLiteral("商品の追加");
        f.state.gWork.fill(QString());
        KivoraWork d(f.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.ComboWork->count(), 3); // an empty entry, then every unit
        QCOMPARE(d.LabelWork[3]->text(), QStringLiteral("単位"));

        d.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("商品番号を入力して下さい｡"));
        d.TextWork[1]->setText(QStringLiteral("a!b#c"));
        d.TextWork[0]->setText("A001");
        d.BtnOK->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("以下の文字は使用出来ません。\r ! #"));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("商品名"));
        QVERIFY(d.TextWork[1]->hasFocus());

        // The code keeps 7 bytes, the name 39, the price 8 characters.
        d.TextWork[0]->setText("ABCDEFGHIJ");
        QCOMPARE(d.TextWork[0]->text(), QStringLiteral("ABCDEFG"));
        d.TextWork[1]->setText(QString(25, QChar(0x3042)));
        QCOMPARE(d.TextWork[1]->text(), QString(19, QChar(0x3042)));
        d.TextWork[2]->setText("1234567890");
        QCOMPARE(d.TextWork[2]->text(), QStringLiteral("12345678"));

        // Enter walks code → name → price → unit list → code, without pressing OK.
        d.TextWork[0]->setFocus();
        QTest::keyClick(d.TextWork[0], Qt::Key_Return);
        QVERIFY(d.TextWork[1]->hasFocus());
        QTest::keyClick(d.TextWork[1], Qt::Key_Return);
        QVERIFY(d.TextWork[2]->hasFocus());
        QTest::keyClick(d.TextWork[2], Qt::Key_Return);
        QVERIFY(d.ComboWork->hasFocus());
        QTest::keyClick(d.ComboWork, Qt::Key_Return);
        QVERIFY(d.TextWork[0]->hasFocus());
        QVERIFY(d.isVisible());
    }
};

QTEST_MAIN(TestWork)
#include "tst_work.moc"
