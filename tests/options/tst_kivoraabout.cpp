// The about window: texts and version, the hidden frame-style switch, closing.
#include "support/TestMain.h"
#include "options/KivoraAbout.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestKivoraAbout : public QObject {
    Q_OBJECT

    // Shows the window with the focus on OK, as it opens.
    static void showActive(KivoraAbout& about) {
        about.show();
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTRY_VERIFY(about.BtnOK->hasFocus());
    }

private slots:
    void textsOfTheVersionRecord() {
        TestEnv env(TestEnv::None);
        KivoraAbout about(env.state);
        QCOMPARE(about.windowTitle(), u"バージョン情報"_s);
        QStringList texts;
        for (const QLabel* label : about.LabelAbout)
            texts << label->text();
        QCOMPARE(texts, (QStringList{"顧客・伝票・売掛管理プログラム", "Kivora", "Version 1.0",
                                     "Copyright (C) 2026 Norv. All rights reserved."}));
        QVERIFY(!about.ImageAbout->pixmap().isNull());
    }

    // A packaged build shows major.minor; an unreadable version leaves the compiled one.
    void versionOfAPackagedBuild() {
        QCoreApplication::setApplicationVersion(u"2.13.4"_s);
        QCOMPARE(KivoraAbout::VersionText(), u"Version 2.13"_s);
        QCoreApplication::setApplicationVersion(u"beta"_s);
        QCOMPARE(KivoraAbout::VersionText(), u"Version 1.0"_s);
        QCoreApplication::setApplicationVersion(QString());
    }

    // Ctrl+Shift+F12 on OK toggles the frame style, and only that key on that button.
    void ctrlShiftF12TogglesTheFrameStyle() {
        TestEnv env(TestEnv::None);
        const bool first = env.state.FrameStyle;
        const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
        {
            KivoraAbout about(env.state);
            showActive(about);
            const std::pair<Qt::Key, Qt::KeyboardModifiers> others[] = {
                {Qt::Key_F12, Qt::NoModifier},
                {Qt::Key_F12, Qt::ControlModifier},
                {Qt::Key_F12, Qt::ShiftModifier},
                {Qt::Key_F12, both | Qt::AltModifier},
                {Qt::Key_F11, both}};
            for (const auto& [key, modifiers] : others) {
                QTest::keyClick(about.BtnOK, key, modifiers);
                QCOMPARE(env.state.FrameStyle, first);
            }
            QTest::keyClick(about.FrameAbout, Qt::Key_F12, both);
            QCOMPARE(env.state.FrameStyle, first);
            QTest::keyClick(about.BtnOK, Qt::Key_F12, both);
            QCOMPARE(env.state.FrameStyle, !first);
            QVERIFY(about.isVisible());
        }
        KivoraAbout again(env.state);
        showActive(again);
        QTest::keyClick(again.BtnOK, Qt::Key_F12, both);
        QCOMPARE(env.state.FrameStyle, first);
    }

    void okCloses() {
        TestEnv env(TestEnv::None);
        KivoraAbout about(env.state);
        bool clicked = false;
        OnNextModal([&clicked](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraAbout*>(modal);
            QVERIFY(dialog && dialog->BtnOK->hasFocus());
            dialog->BtnOK->click();
            clicked = true;
        });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        QVERIFY(clicked && !about.isVisible());
    }
};

KIVORA_TEST(TestKivoraAbout)
#include "tst_kivoraabout.moc"
