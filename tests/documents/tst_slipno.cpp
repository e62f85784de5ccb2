// The document number dialog: six positions spun through 0-9 and A-Z, started from the
// number last confirmed for the type, stored again and handed back on OK, and a stored
// value that is short or damaged.
#include "support/TestMain.h"
#include "documents/KivoraSlipNo.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

QString Shown(const KivoraSlipNo& d) {
    QString out;
    for (const QLineEdit* text : d.TextSlipNo)
        out += text->text();
    return out;
}

// Opened by a document window (the delivery note, type 2, unless told) for a new document.
void Prepare(TestEnv& env, quint8 docType = 2, quint8 mode = 2) {
    env.state.gDocType = docType;
    env.state.gMode = mode;
    env.state.gCaption = QStringLiteral("新規");
    env.state.gHandOff = QStringLiteral("before");
}

} // namespace

class TestSlipNo : public QObject {
    Q_OBJECT

private slots:
    void charactersOfTheValues() {
        QString all;
        for (int v = 0; v <= KivoraSlipNo::MaxValue; ++v) {
            all += KivoraSlipNo::ValueChar(v);
            QCOMPARE(KivoraSlipNo::CharValue(KivoraSlipNo::ValueChar(v)), v);
        }
        QCOMPARE(all, QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
        QCOMPARE(KivoraSlipNo::CharValue(QLatin1Char('z')), 35);
        for (const QChar c : QStringLiteral("#/@[`: ０Ａ"))
            QCOMPARE(KivoraSlipNo::CharValue(c), -1);
    }

    void storedNumberIsShownStoredAndHandedBack_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("way"); // 0 OK; 1 Cancel and 2 Escape hand back and store nothing
        const QString number = QStringLiteral("0/0/0/0/1/Z");
        QTest::newRow("a stored number") << number << QStringLiteral("00001Z") << 0;
        QTest::newRow("Cancel") << number << QStringLiteral("00001Z") << 1;
        QTest::newRow("Escape") << number << QStringLiteral("00001Z") << 2;
        QTest::newRow("nothing stored") << QString() << QStringLiteral("000000") << 0;
        QTest::newRow("two parts fill the first two")
            << QStringLiteral("1/2") << QStringLiteral("120000") << 0;
        QTest::newRow("extra parts are ignored")
            << QStringLiteral("1/2/3/4/5/6/7/8") << QStringLiteral("123456") << 0;
        // A hand-edited or damaged store: what cannot be a position starts from 0.
        QTest::newRow("damaged parts")
            << QStringLiteral("A/#/zz//é/9") << QStringLiteral("A00009") << 0;
        QTest::newRow("small letters")
            << QStringLiteral("a/b/c/x/y/z") << QStringLiteral("ABCXYZ") << 0;
        QTest::newRow("full-width characters")
            << QStringLiteral("０/Ａ/1/2/3/4") << QStringLiteral("001234") << 0;
        QTest::newRow("no separators") << QStringLiteral("00001Z") << QStringLiteral("000000") << 0;
        QTest::newRow("blanks around a part")
            << QStringLiteral(" 1 /2/3/4/5/6") << QStringLiteral("123456") << 0;
    }

    void storedNumberIsShownStoredAndHandedBack() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(int, way);
        TestEnv env(TestEnv::None);
        if (!stored.isNull())
            env.settings().save(QStringLiteral("SlipNo1"), stored);
        Prepare(env, 1, 1);
        KivoraSlipNo d(env.state);
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("注文書(新規)"));
        QCOMPARE(Shown(d), shown);
        // Every scroll bar agrees with its character, so a spin starts from what is shown.
        QStringList parts;
        for (int k = 0; k < KivoraSlipNo::Positions; ++k) {
            QCOMPARE(KivoraSlipNo::ValueChar(d.ScrollSlipNo[k]->value()), shown[k]);
            parts << QString(shown[k]);
        }
        if (way == 0) {
            d.BtnOK->click();
        } else {
            d.ScrollSlipNo[0]->setValue(20);
            if (way == 1)
                d.BtnCancel->click();
            else
                QTest::keyClick(&d, Qt::Key_Escape);
        }
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(way == 0 ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(env.state.gHandOff, way == 0 ? shown : QString());
        QCOMPARE(env.settings().get("SlipNo1"), way == 0 ? parts.join(QLatin1Char('/')) : stored);
    }

    void spinningChangesThePosition() {
        TestEnv env(TestEnv::None);
        env.settings().save(QStringLiteral("SlipNo2"), QStringLiteral("0/0/0/0/1/Z"));
        env.settings().save(QStringLiteral("SlipNo0"), QStringLiteral("9/9/9/9/9/9"));
        Prepare(env);
        KivoraSlipNo d(env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // The positions are spun, never typed: Tab walks past the characters as well.
        for (int k = 0; k < KivoraSlipNo::Positions; ++k) {
            QVERIFY(d.TextSlipNo[k]->isReadOnly());
            QCOMPARE(d.TextSlipNo[k]->focusPolicy(), Qt::NoFocus);
            QVERIFY(d.ScrollSlipNo[k]->minimum() == 0 && d.ScrollSlipNo[k]->maximum() == 35);
        }
        QTest::keyClicks(d.TextSlipNo[0], "7");
        QCOMPARE(d.TextSlipNo[0]->text(), QStringLiteral("0"));
        d.ScrollSlipNo[0]->setFocus();
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) == nullptr);
        }
        // The arrows of the last position: past 9 comes A.
        d.ScrollSlipNo[5]->setValue(9);
        QCOMPARE(d.TextSlipNo[5]->text(), QStringLiteral("9"));
        d.ScrollSlipNo[5]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(d.TextSlipNo[5]->text(), QStringLiteral("A"));
        // Z is the end: one more step stays on Z.
        d.ScrollSlipNo[0]->setValue(35);
        d.ScrollSlipNo[0]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(d.TextSlipNo[0]->text(), QStringLiteral("Z"));
        d.ScrollSlipNo[0]->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(d.TextSlipNo[0]->text(), QStringLiteral("Y"));
        // From the keyboard: the scroll bars take the focus and the arrow keys.
        d.ScrollSlipNo[4]->setFocus();
        QVERIFY(d.ScrollSlipNo[4]->hasFocus());
        QTest::keyClick(d.ScrollSlipNo[4], Qt::Key_Down);
        QCOMPARE(d.TextSlipNo[4]->text(), QStringLiteral("2"));
        d.BtnOK->click();
        QCOMPARE(env.state.gHandOff, QStringLiteral("Y0002A"));
        QCOMPARE(env.settings().get("SlipNo2"), QStringLiteral("Y/0/0/0/2/A"));
        // Each type keeps its own number.
        QCOMPARE(env.settings().get("SlipNo0"), QStringLiteral("9/9/9/9/9/9"));
    }

    void receiptsAndTheirOwnKey() {
        TestEnv env(TestEnv::None);
        env.settings().save(QStringLiteral("SlipNo6"), QStringLiteral("R/0/0/0/0/7"));
        // The receipt window passes type 6 and mode 4, so the caption names the receipt.
        Prepare(env, 6, 4);
        env.state.gCaption = QStringLiteral("修正");
        // Opened over the document window, it stands centred on it.
        QWidget slip;
        slip.setGeometry(100, 80, 600, 450);
        slip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slip));
        KivoraSlipNo d(env.state, &slip);
        d.show();
        QVERIFY((d.frameGeometry().center() - slip.frameGeometry().center()).manhattanLength() <=
                4);
        QCOMPARE(d.windowTitle(), QStringLiteral("領収証(修正)"));
        QCOMPARE(Shown(d), QStringLiteral("R00007"));
        d.ScrollSlipNo[5]->setValue(8);
        d.BtnOK->click();
        QCOMPARE(env.settings().get("SlipNo6"), QStringLiteral("R/0/0/0/0/8"));
        QVERIFY(env.settings().get("SlipNo4").isEmpty());
    }
};

KIVORA_TEST(TestSlipNo)
#include "tst_slipno.moc"
