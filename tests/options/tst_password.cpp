// The password file and the password window: what is stored, what is refused, and that
// the stored text does not give the password away.
#include "core/SharedRoutines.h"
#include "options/KivoraPassword.h"
#include "options/PassFile.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

class TestPassword : public QObject {
    Q_OBJECT

    static QString cpr(const TestEnv& env) { return env.dataFolder() + QStringLiteral("Kivora.CPR"); }

    static void store(const TestEnv& env, const QString& digits) {
        const StoredPassword record = MakeStoredPassword(digits);
        QString a = record.hash, b = record.salt;
        QVERIFY(PassFile(cpr(env), false, a, b));
    }

    static QString storedFirst(const TestEnv& env) {
        QString a, b;
        PassFile(cpr(env), true, a, b);
        return a;
    }

    // Opens the window for the menu (gMode 1) or the start-up check (gMode 2).
    static std::unique_ptr<KivoraPassword> open(TestEnv& env, int mode) {
        env.state.gMode = static_cast<quint8>(mode);
        env.state.gCaption = QStringLiteral("パスワード");
        auto dialog = std::make_unique<KivoraPassword>(env.state);
        dialog->show();
        return dialog;
    }

    static void type(KivoraPassword& dialog, int field, const QString& text) {
        dialog.TextPass[field]->clear();
        QTest::keyClicks(dialog.TextPass[field], text);
    }

private slots:
    void passFileLayout() {
        TestEnv env(TestEnv::None);
        QString first = QStringLiteral("abc"), second = QStringLiteral("ｱｲ");
        QVERIFY(PassFile(cpr(env), false, first, second));
        QFile file(cpr(env));
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Two texts, each a 16-bit little-endian byte count and Shift_JIS bytes.
        QCOMPARE(file.readAll(), QByteArray("\x03\x00" "abc" "\x02\x00" "\xb1\xb2", 9));
        QString a, b;
        QVERIFY(PassFile(cpr(env), true, a, b));
        QCOMPARE(a, first);
        QCOMPARE(b, second);
    }

    void passFileMissingEmptyAndDamaged() {
        TestEnv env(TestEnv::None);
        QString a = QStringLiteral("x"), b = QStringLiteral("y");
        QVERIFY(PassFile(cpr(env), true, a, b)); // missing: no password
        QVERIFY(a.isEmpty() && b.isEmpty());
        QFile file(cpr(env));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x09\x00" "12", 4)); // length says 9, only 2 bytes follow
        file.close();
        a = QStringLiteral("x");
        QVERIFY(!PassFile(cpr(env), true, a, b));
        QVERIFY(a.isEmpty() && b.isEmpty());
    }

    void storedTextHidesThePassword() {
        const StoredPassword one = MakeStoredPassword(QStringLiteral("2794"));
        const StoredPassword two = MakeStoredPassword(QStringLiteral("2794"));
        QVERIFY(!one.hash.contains(QStringLiteral("2794")));
        QVERIFY(one.hash != two.hash); // fresh salt every time
        QVERIFY(one.salt != two.salt);
        QVERIFY(VerifyPassword(QStringLiteral("2794"), one.hash, one.salt));
        QVERIFY(VerifyPassword(QStringLiteral("2794"), two.hash, two.salt));
        QVERIFY(!VerifyPassword(QStringLiteral("2795"), one.hash, one.salt));
        QVERIFY(!VerifyPassword(QStringLiteral("2794"), one.hash, two.salt));
        QVERIFY(!VerifyPassword(QString(), one.hash, one.salt));
        QVERIFY(MakeStoredPassword(QString()).hash.isEmpty());
    }

    void earlierScrambledRecordsStillWork() {
        // Digit d picks letter d + 1 of the table; its character code is written out.
        const QString table = QStringLiteral("QWERTYUIOP");
        QCOMPARE(MakeCipher(QStringLiteral("0"), table), QStringLiteral("81"));
        QCOMPARE(MakeCipher(QStringLiteral("19"), table), QStringLiteral("8780"));
        QVERIFY(VerifyPassword(QStringLiteral("19"), QStringLiteral("8780"), table));
        QVERIFY(!VerifyPassword(QStringLiteral("91"), QStringLiteral("8780"), table));
    }

    void setFromMenuWithoutStoredPassword() {
        TestEnv env(TestEnv::None);
        auto dialog = open(env, 1);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("パスワード設定"));
        QCOMPARE(env.state.gMode, quint8(0));
        QVERIFY(!dialog->TextPass[1]->isVisible());
        type(*dialog, 0, QStringLiteral("4321"));
        dialog->BtnOK->click();
        QCOMPARE(env.state.gResult, qint16(0));
        QVERIFY(!dialog->isVisible());
        QString a, b;
        QVERIFY(PassFile(cpr(env), true, a, b));
        QVERIFY(VerifyPassword(QStringLiteral("4321"), a, b));
        QFile file(cpr(env));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("4321"));
    }

    void nonDigitsAreRefusedAndNothingStored() {
        TestEnv env(TestEnv::None);
        auto dialog = open(env, 1);
        type(*dialog, 0, QStringLiteral("12a4"));
        dialog->BtnOK->click();
        QCOMPARE(env.messages.lastText(), QStringLiteral("パスワードは数字を入力して下さい｡"));
        QCOMPARE(env.messages.shown().last().icon, MsgIcon::Exclamation);
        QVERIFY(dialog->isVisible());
        QVERIFY(!QFile::exists(cpr(env)));
        // An empty field does nothing at all.
        dialog->TextPass[0]->clear();
        env.messages.clear();
        dialog->BtnOK->click();
        QCOMPARE(env.messages.count(), 0);
        QVERIFY(dialog->isVisible());
    }

    void fieldKeepsTenDigitsAndMasksThem() {
        TestEnv env(TestEnv::None);
        auto dialog = open(env, 1);
        type(*dialog, 0, QStringLiteral("123456789012"));
        QCOMPARE(dialog->TextPass[0]->text(), QStringLiteral("1234567890"));
        QCOMPARE(dialog->TextPass[0]->echoMode(), QLineEdit::Password);
        QCOMPARE(dialog->TextPass[0]->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter,
                                                          nullptr, dialog->TextPass[0]),
                 int('*'));
    }

    void changeNeedsTheOldPasswordThreeTries() {
        TestEnv env(TestEnv::None);
        store(env, QStringLiteral("1111"));
        const QString before = storedFirst(env);
        auto dialog = open(env, 1);
        QCOMPARE(env.state.gMode, quint8(1));
        QCOMPARE(dialog->LabelPass[0]->text(), QStringLiteral("旧パスワード"));
        QCOMPARE(dialog->LabelPass[1]->text(), QStringLiteral("新パスワード"));
        type(*dialog, 1, QStringLiteral("2222"));
        for (int attempt = 1; attempt <= 2; ++attempt) {
            type(*dialog, 0, QStringLiteral("9999"));
            dialog->BtnOK->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.messages.lastText(), QStringLiteral("パスワードが違います｡"));
            QCOMPARE(env.messages.shown().last().icon, MsgIcon::Stop);
        }
        type(*dialog, 0, QStringLiteral("9999"));
        dialog->BtnOK->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(env.state.gResult, qint16(-1));
        QCOMPARE(env.messages.count(), 2);
        QCOMPARE(storedFirst(env), before);
    }

    void changeAndRemove() {
        TestEnv env(TestEnv::None);
        store(env, QStringLiteral("1111"));
        {
            auto dialog = open(env, 1);
            type(*dialog, 0, QStringLiteral("1111"));
            type(*dialog, 1, QStringLiteral("2222"));
            dialog->BtnOK->click();
            QCOMPARE(env.state.gResult, qint16(0));
        }
        QString a, b;
        PassFile(cpr(env), true, a, b);
        QVERIFY(VerifyPassword(QStringLiteral("2222"), a, b));
        QVERIFY(!VerifyPassword(QStringLiteral("1111"), a, b));
        {
            // An empty new password removes the password.
            auto dialog = open(env, 1);
            type(*dialog, 0, QStringLiteral("2222"));
            dialog->BtnOK->click();
            QCOMPARE(env.state.gResult, qint16(0));
        }
        QVERIFY(storedFirst(env).isEmpty());
    }

    void cancelLeavesThePasswordAlone() {
        TestEnv env(TestEnv::None);
        store(env, QStringLiteral("1111"));
        const QString before = storedFirst(env);
        auto dialog = open(env, 1);
        type(*dialog, 0, QStringLiteral("1111"));
        type(*dialog, 1, QStringLiteral("3333"));
        dialog->BtnCancel->click();
        QCOMPARE(env.state.gResult, qint16(-1));
        QCOMPARE(storedFirst(env), before);
    }

    void startupCheckAcceptsOnlyTheStoredPassword() {
        TestEnv env(TestEnv::None);
        store(env, QStringLiteral("5678"));
        const QString before = storedFirst(env);
        auto dialog = open(env, 2);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("パスワード確認"));
        QCOMPARE(dialog->LabelPass[0]->text(), QStringLiteral("パスワード"));
        QVERIFY(!dialog->TextPass[1]->isVisible());
        type(*dialog, 0, QStringLiteral("5678"));
        dialog->BtnOK->click();
        QCOMPARE(env.state.gResult, qint16(0));
        QCOMPARE(storedFirst(env), before); // checking never rewrites the file
    }

    void enterMovesToTheNextControl() {
        TestEnv env(TestEnv::None);
        store(env, QStringLiteral("1"));
        auto dialog = open(env, 1);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->TextPass[0]->setFocus();
        QTest::keyClick(dialog->TextPass[0], Qt::Key_Return);
        QVERIFY(dialog->TextPass[1]->hasFocus());
        QVERIFY(dialog->isVisible());
        QCOMPARE(env.messages.count(), 0);
    }
};

QTEST_MAIN(TestPassword)
#include "tst_password.moc"
