// The document number dialog: six positions spun through 0-9 and A-Z, started from the
// number last confirmed for the type, stored again and handed back on OK, and a stored
// value that is short or damaged.
#include "documents/KivoraSlipNo.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

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

} // namespace

class TestSlipNo : public QObject {
    Q_OBJECT

private slots:
    // The first parts fill the first positions; what cannot be a position starts from 0.
    void storedNumbers() {
        const std::pair<const char*, const char*> cases[] = {{"", "000000"},
                                                             {"1/2", "120000"},
                                                             {"1/2/3/4/5/6/7/8", "123456"},
                                                             {"A/#/zz//é/9", "A00009"},
                                                             {"a/b/c/x/y/z", "ABCXYZ"},
                                                             {"０/Ａ/1/2/3/4", "001234"},
                                                             {"00001Z", "000000"},
                                                             {" 1 /2/3/4/5/6", "123456"}};
        for (const auto& [stored, shown] : cases) {
            QString read;
            for (int v : KivoraSlipNo::ParseStored(QString::fromUtf8(stored)))
                read += KivoraSlipNo::ValueChar(v);
            QCOMPARE(read, QString::fromUtf8(shown));
        }
    }

    void spinStoreAndHandBack() {
        TestEnv env(TestEnv::None);
        env.settings().save(KivoraSlipNo::SettingsKey(2), QStringLiteral("0/0/0/0/1/Z"));
        env.state.gDocType = 2;
        for (const bool ok : {false, true}) {
            KivoraSlipNo d(env.state);
            d.show();
            QVERIFY(QTest::qWaitForWindowActive(&d));
            QCOMPARE(Shown(d), QStringLiteral("00001Z"));
            // Past 9 comes A; Z is the end; the positions are spun from the keyboard too.
            d.ScrollSlipNo[5]->setValue(9);
            d.ScrollSlipNo[5]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            d.ScrollSlipNo[0]->setValue(35);
            d.ScrollSlipNo[0]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            d.ScrollSlipNo[4]->setFocus();
            QTest::keyClick(d.ScrollSlipNo[4], Qt::Key_Down);
            QCOMPARE(Shown(d), QStringLiteral("Z0002A"));
            // Cancel hands back nothing and stores nothing; OK both.
            ok ? d.BtnOK->click() : d.BtnCancel->click();
            QCOMPARE(env.state.gHandOff, ok ? QStringLiteral("Z0002A") : QString());
            QCOMPARE(env.settings().get(KivoraSlipNo::SettingsKey(2)),
                     ok ? QStringLiteral("Z/0/0/0/2/A") : QStringLiteral("0/0/0/0/1/Z"));
        }
        QVERIFY(env.settings().get(KivoraSlipNo::SettingsKey(0)).isEmpty()); // each type its own
    }
};

KIVORA_TEST(TestSlipNo)
#include "tst_slipno.moc"
