// The password file and window: what is stored, what is refused, and nothing given away.
#include "support/TestMain.h"
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

using namespace Qt::StringLiterals;

class TestPassword : public QObject {
    Q_OBJECT

    static QString cpr(const TestEnv& env) { return env.dataFolder() + u"Kivora.CPR"_s; }

    static void store(const TestEnv& env, const QString& digits) {
        const StoredPassword record = MakeStoredPassword(digits);
        QString a = record.hash, b = record.salt;
        QVERIFY(PassFile(cpr(env), false, a, b));
    }

    // The stored record, or "<unreadable>".
    static StoredPassword stored(const TestEnv& env) {
        StoredPassword record;
        if (!PassFile(cpr(env), true, record.hash, record.salt))
            record.hash = u"<unreadable>"_s;
        return record;
    }

    static bool storedIs(const TestEnv& env, const QString& digits) {
        const StoredPassword record = stored(env);
        return VerifyPassword(digits, record.hash, record.salt);
    }

    // Opens the window for the menu (gMode 1) or the start-up check (gMode 2).
    static std::unique_ptr<KivoraPassword> open(TestEnv& env, int mode) {
        env.state.gMode = static_cast<quint8>(mode);
        env.state.gCaption = u"パスワード"_s;
        auto dialog = std::make_unique<KivoraPassword>(env.state);
        dialog->show();
        return dialog;
    }

    // Types the old (or only) and new password and presses OK.
    static void enter(KivoraPassword& dialog, const QString& first, const QString& second = {}) {
        for (int i = 0; i < 2; ++i) {
            dialog.TextPass[i]->clear();
            QTest::keyClicks(dialog.TextPass[i], i == 0 ? first : second);
        }
        dialog.BtnOK->click();
    }

private slots:
    // Two texts, each a 16-bit LE byte count and Shift_JIS; missing: none; damaged: fails.
    void passFileLayout() {
        TestEnv env(TestEnv::None);
        QString a = u"x"_s, b = u"y"_s;
        QVERIFY(PassFile(cpr(env), true, a, b));
        QVERIFY(a.isEmpty() && b.isEmpty());
        a = u"abc"_s;
        b = u"ｱｲ"_s;
        QVERIFY(PassFile(cpr(env), false, a, b));
        QFile file(cpr(env));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\x03\x00"
                                            "abc"
                                            "\x02\x00"
                                            "\xb1\xb2",
                                            9));
        file.close();
        QString c, d;
        QVERIFY(PassFile(cpr(env), true, c, d));
        QCOMPARE(c + d, a + b);

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x09\x00"
                              "12",
                              4)); // length says 9, only 2 bytes follow
        file.close();
        QVERIFY(!PassFile(cpr(env), true, c, d));
        QVERIFY(c.isEmpty() && d.isEmpty());
    }

    // Fresh salts; only the right password with its salt verifies; old ciphers still work.
    void storedTextHidesThePassword() {
        const StoredPassword one = MakeStoredPassword(u"2794"_s);
        const StoredPassword two = MakeStoredPassword(u"2794"_s);
        QVERIFY(!one.hash.contains(u"2794"_s));
        QVERIFY(one.hash != two.hash && one.salt != two.salt);
        QVERIFY(VerifyPassword(u"2794"_s, one.hash, one.salt));
        QVERIFY(VerifyPassword(u"2794"_s, two.hash, two.salt));
        QVERIFY(!VerifyPassword(u"2795"_s, one.hash, one.salt));
        QVERIFY(!VerifyPassword(u"2794"_s, one.hash, two.salt));
        QVERIFY(!VerifyPassword(QString(), one.hash, one.salt));
        QVERIFY(MakeStoredPassword(QString()).hash.isEmpty());

        const QString table = u"QWERTYUIOP"_s;
        QCOMPARE(MakeCipher(u"0"_s, table), u"81"_s);
        QCOMPARE(MakeCipher(u"19"_s, table), u"8780"_s);
        QVERIFY(VerifyPassword(u"19"_s, u"8780"_s, table));
        QVERIFY(!VerifyPassword(u"91"_s, u"8780"_s, table));
    }

    // No stored password: one masked field of ten digits; non-digits refused, empty ignored.
    void setFromMenuWithoutStoredPassword() {
        TestEnv env(TestEnv::None);
        auto dialog = open(env, 1);
        QCOMPARE(dialog->windowTitle(), u"パスワード設定"_s);
        QCOMPARE(env.state.gMode, quint8(0));
        QVERIFY(!dialog->TextPass[1]->isVisible());
        QLineEdit* field = dialog->TextPass[0];
        QTest::keyClicks(field, u"123456789012"_s);
        QCOMPARE(field->text(), u"1234567890"_s);
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QCOMPARE(field->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, field),
                 int('*'));

        enter(*dialog, u"12a4"_s);
        QCOMPARE(env.messages.lastText(), u"パスワードは数字を入力して下さい｡"_s);
        QCOMPARE(env.messages.shown().last().icon, MsgIcon::Exclamation);
        QVERIFY(dialog->isVisible() && !QFile::exists(cpr(env)));
        enter(*dialog, QString());
        QCOMPARE(env.messages.count(), 1);
        QVERIFY(dialog->isVisible());

        enter(*dialog, u"4321"_s);
        QCOMPARE(env.state.gResult, qint16(0));
        QVERIFY(!dialog->isVisible());
        QVERIFY(storedIs(env, u"4321"_s));
        QFile file(cpr(env));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("4321"));
    }

    // A change needs the old password: two wrong tries are told, the third gives up.
    void changeNeedsTheOldPasswordThreeTries() {
        TestEnv env(TestEnv::None);
        store(env, u"1111"_s);
        const QString before = stored(env).hash;
        auto dialog = open(env, 1);
        QCOMPARE(env.state.gMode, quint8(1));
        QCOMPARE(dialog->LabelPass[0]->text() + dialog->LabelPass[1]->text(),
                 u"旧パスワード新パスワード"_s);
        for (int attempt = 1; attempt <= 2; ++attempt) {
            enter(*dialog, u"9999"_s, u"2222"_s);
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.messages.lastText(), u"パスワードが違います｡"_s);
            QCOMPARE(env.messages.shown().last().icon, MsgIcon::Stop);
        }
        enter(*dialog, u"9999"_s, u"2222"_s);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(env.state.gResult, qint16(-1));
        QCOMPARE(env.messages.count(), 2);
        QCOMPARE(stored(env).hash, before);
    }

    // Cancel keeps the password; the old one changes it; an empty new one removes it.
    void cancelChangeAndRemove() {
        TestEnv env(TestEnv::None);
        store(env, u"1111"_s);
        auto dialog = open(env, 1);
        dialog->TextPass[0]->setText(u"1111"_s);
        dialog->TextPass[1]->setText(u"3333"_s);
        dialog->BtnCancel->click();
        QCOMPARE(env.state.gResult, qint16(-1));
        QVERIFY(storedIs(env, u"1111"_s));

        enter(*open(env, 1), u"1111"_s, u"2222"_s);
        QCOMPARE(env.state.gResult, qint16(0));
        QVERIFY(storedIs(env, u"2222"_s) && !storedIs(env, u"1111"_s));
        enter(*open(env, 1), u"2222"_s);
        QCOMPARE(env.state.gResult, qint16(0));
        QVERIFY(stored(env).hash.isEmpty());
    }

    void enterMovesToTheNextControl() {
        TestEnv env(TestEnv::None);
        store(env, u"1"_s);
        auto dialog = open(env, 1);
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        dialog->TextPass[0]->setFocus();
        QTest::keyClick(dialog->TextPass[0], Qt::Key_Return);
        QVERIFY(dialog->TextPass[1]->hasFocus() && dialog->isVisible());
        QCOMPARE(env.messages.count(), 0);
    }
};

KIVORA_TEST(TestPassword)
#include "tst_password.moc"
