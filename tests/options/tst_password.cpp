// The password file and window: what is stored, what is refused, and nothing given away.
#include "options/KivoraPassword.h"
#include "options/PassFile.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

class TestPassword : public QObject {
    Q_OBJECT

    static QString cpr(const TestEnv& env) { return env.dataFolder() + "Kivora.CPR"; }

    static StoredPassword stored(const TestEnv& env) {
        StoredPassword record;
        PassFile(cpr(env), true, record.hash, record.salt);
        return record;
    }

    // Opens the window for the menu, after storing `digits` when given, types the old (or
    // only) and the new password and presses OK; the window when it stays open.
    static std::unique_ptr<KivoraPassword> enter(TestEnv& env, const QString& first,
                                                 const QString& second = {},
                                                 const QString& digits = {}) {
        StoredPassword record = MakeStoredPassword(digits);
        if (!digits.isEmpty())
            PassFile(cpr(env), false, record.hash, record.salt);
        env.state.gMode = 1;
        env.state.gCaption = "パスワード";
        auto dialog = std::make_unique<KivoraPassword>(env.state);
        dialog->show();
        QTest::keyClicks(dialog->TextPass[0], first);
        QTest::keyClicks(dialog->TextPass[1], second);
        dialog->BtnOK->click();
        return dialog->isVisible() ? std::move(dialog) : nullptr;
    }

private slots:
    // Two texts, each a 16-bit LE byte count and Shift_JIS; missing: none; damaged: fails.
    void passFileLayout() {
        TestEnv env(TestEnv::None);
        QString a = "x", b = "y";
        QVERIFY(PassFile(cpr(env), true, a, b) && a.isEmpty() && b.isEmpty());
        a = "abc";
        b = "ｱｲ";
        QVERIFY(PassFile(cpr(env), false, a, b));
        QFile file(cpr(env));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QCOMPARE(file.readAll().toHex(), "0300616263"
                                         "0200b1b2");
        QVERIFY(file.resize(7)); // the second length says 2, only 1 byte follows
        file.close();
        QVERIFY(!PassFile(cpr(env), true, a, b) && a.isEmpty() && b.isEmpty());
    }

    void storedTextHidesThePassword() {
        // A salted hash of one size whatever the password: never the digits or a cipher of them.
        const StoredPassword one = MakeStoredPassword("2794"), two = MakeStoredPassword("2794");
        const StoredPassword longer = MakeStoredPassword("1234567890");
        QVERIFY(one.hash != "2794" && longer.hash != "1234567890");
        QCOMPARE(one.hash.size(), longer.hash.size());
        QVERIFY(one.hash != two.hash && one.salt != two.salt);
        QVERIFY(VerifyPassword("2794", two.hash, two.salt));
        QVERIFY(!VerifyPassword("2795", one.hash, one.salt));
        QVERIFY(MakeStoredPassword(QString()).hash.isEmpty());
        // A scrambled record (digits through a ten-letter table) is recognised too.
        QCOMPARE(MakeCipher("19", "QWERTYUIOP"), "8780");
        QVERIFY(VerifyPassword("19", "8780", "QWERTYUIOP"));
        QVERIFY(!VerifyPassword("91", "8780", "QWERTYUIOP"));
    }

    void setChangeAndRemove() {
        TestEnv env(TestEnv::None);
        // Digits only; nothing typed does nothing.
        QVERIFY(enter(env, "12a4"));
        QCOMPARE(env.messages.texts(), QStringList{"パスワードは数字を入力して下さい｡"});
        QVERIFY(enter(env, "") && !QFile::exists(cpr(env)));
        QVERIFY(!enter(env, "4321"));
        QCOMPARE(env.state.gResult, qint16(0));
        QVERIFY(VerifyPassword("4321", stored(env).hash, stored(env).salt));
        QCOMPARE(stored(env).hash.size(), MakeStoredPassword("1").hash.size());
        // The old password changes it; an empty new one removes it.
        QVERIFY(!enter(env, "4321", "2222"));
        QVERIFY(VerifyPassword("2222", stored(env).hash, stored(env).salt));
        QVERIFY(!enter(env, "2222"));
        QVERIFY(stored(env).hash.isEmpty());
    }

    // A change needs the old password: two wrong tries are told, the third gives up.
    void changeNeedsTheOldPasswordThreeTries() {
        TestEnv env(TestEnv::None);
        auto dialog = enter(env, "9999", "2222", "1111");
        for (int attempt = 2; dialog && attempt <= 3; ++attempt) {
            QTest::keyClick(dialog->TextPass[0], Qt::Key_Backspace); // still wrong
            dialog->BtnOK->click();
            QCOMPARE(dialog->isVisible(), attempt < 3);
        }
        QCOMPARE(env.messages.texts(), QStringList(2, "パスワードが違います｡"));
        QCOMPARE(env.state.gResult, qint16(-1));
        QVERIFY(VerifyPassword("1111", stored(env).hash, stored(env).salt));
    }
};

KIVORA_TEST(TestPassword)
#include "tst_password.moc"
