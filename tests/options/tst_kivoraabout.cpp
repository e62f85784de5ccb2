// The about window: its texts and version, the hidden frame-style switch on OK, and
// closing.
#include "options/KivoraAbout.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

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
        QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(about.LabelAbout[0]->text(), QStringLiteral("顧客・伝票・売掛管理プログラム"));
        QCOMPARE(about.LabelAbout[1]->text(), QStringLiteral("Kivora"));
        QCOMPARE(about.LabelAbout[2]->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(about.LabelAbout[3]->text(),
                 QStringLiteral("Copyright (C) 2026 Norv. All rights reserved."));
        QVERIFY(!about.ImageAbout->pixmap().isNull());
        QCOMPARE(about.ImageAbout->parentWidget(), about.FrameAbout);
        showActive(about);
        // Labels 1-3 stand below label 0, in order.
        for (int i = 1; i < 4; ++i)
            QVERIFY(about.LabelAbout[i]->y() > about.LabelAbout[i - 1]->y());
    }

    void versionOfAPackagedBuild() {
        QCOMPARE(KivoraAbout::VersionText(), QStringLiteral("Version 1.0"));
        QCoreApplication::setApplicationVersion(QStringLiteral("2.13.4"));
        QCOMPARE(KivoraAbout::VersionText(), QStringLiteral("Version 2.13"));
        // A version that cannot be read leaves the compiled one.
        QCoreApplication::setApplicationVersion(QStringLiteral("beta"));
        QCOMPARE(KivoraAbout::VersionText(), QStringLiteral("Version 1.0"));
        QCoreApplication::setApplicationVersion(QString());
    }

    void ctrlShiftF12TogglesTheFrameStyle() {
        TestEnv env(TestEnv::None);
        const bool first = env.state.FrameStyle;
        {
            KivoraAbout about(env.state);
            showActive(about);
            // F12 alone or with only one of the two modifiers does nothing.
            for (const Qt::KeyboardModifiers other :
                 {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier),
                  Qt::KeyboardModifiers(Qt::ShiftModifier),
                  Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier}) {
                QTest::keyClick(about.BtnOK, Qt::Key_F12, other);
                QCOMPARE(env.state.FrameStyle, first);
            }
            // Ctrl+Shift with another key is not the switch either.
            QTest::keyClick(about.BtnOK, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(env.state.FrameStyle, first);
            QTest::keyClick(about.BtnOK, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(env.state.FrameStyle, !first);
            QVERIFY(about.isVisible());
        }
        {
            // Opened again and toggled once more: back to the first style.
            KivoraAbout about(env.state);
            showActive(about);
            QTest::keyClick(about.BtnOK, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(env.state.FrameStyle, first);
        }
        // The keys count only on the OK button.
        KivoraAbout about(env.state);
        showActive(about);
        QTest::keyClick(about.FrameAbout, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(env.state.FrameStyle, first);
    }

    void okCloses() {
        TestEnv env(TestEnv::None);
        KivoraAbout about(env.state);
        bool clicked = false;
        OnNextModal([&clicked](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraAbout*>(modal);
            QVERIFY(dialog);
            QVERIFY(dialog->BtnOK->hasFocus());
            dialog->BtnOK->click();
            clicked = true;
        });
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        QVERIFY(clicked);
        QVERIFY(!about.isVisible());
    }

    void centredOverTheMainWindow() {
        TestEnv env(TestEnv::None);
        QWidget main;
        main.setGeometry(200, 150, 900, 640);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        KivoraAbout about(env.state, &main);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QPoint offset = about.frameGeometry().center() - main.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(TestKivoraAbout)
#include "tst_kivoraabout.moc"
