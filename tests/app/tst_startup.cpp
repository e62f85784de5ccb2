// The program's start and end, driven as a user meets them: refusals, damaged files,
// the password at start-up, and the quit question.
#include "core/Database.h"
#include "core/DataPaths.h"
#include "core/Startup.h"
#include "customers/Kivora.h"
#include "options/KivoraPassword.h"
#include "options/PassFile.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

    static std::unique_ptr<Kivora> start(TestEnv& env) {
        Startup startup(env.state, env.installFolder(), env.lockFile());
        return startup.run();
    }

    static QByteArray digest(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    static void storePassword(const TestEnv& env, const QString& digits) {
        const StoredPassword record = MakeStoredPassword(digits);
        QString a = record.hash, b = record.salt;
        QVERIFY(PassFile(env.dataFolder() + QStringLiteral("Kivora.CPR"), false, a, b));
    }

    // Types `digits` into the start-up password window and presses OK, `times` times.
    static void answerPassword(const QString& digits, int times) {
        OnNextModal([digits, times](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraPassword*>(modal);
            QVERIFY(dialog);
            for (int i = 0; i < times && dialog->isVisible(); ++i) {
                dialog->TextPass[0]->setText(digits);
                dialog->BtnOK->click();
            }
        });
    }

private slots:
    void startsWithDefaults() {
        TestEnv env;
        env.settings().save(QStringLiteral("SetupFolder"), QStringLiteral("/somewhere/else"));
        auto window = start(env);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Kivora"));
        QCOMPARE(env.state.AppTitle, QStringLiteral("Kivora"));
        QVERIFY(env.state.DbMain);
        QVERIFY(env.state.DbPost);
        QCOMPARE(env.messages.count(), 0);
        // A moved installation is recorded at every start.
        QCOMPARE(QDir::fromNativeSeparators(env.settings().get(QStringLiteral("SetupFolder"))),
                 QDir::cleanPath(env.installFolder()));
        QCOMPARE(env.state.SelText, quint8(0));
        QCOMPARE(env.state.Zero, quint8(0));
        QCOMPARE(env.state.FindItem, quint8(0));
        QCOMPARE(env.state.NumFormat, QStringLiteral("#,#0.00"));
        QVERIFY(env.state.HelpFile.isEmpty());
        // The main database really is held: a second opener is refused.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, env.openMain());
    }

    void readsStoredPreferences() {
        TestEnv env;
        env.settings().save(QStringLiteral("SelText"), 1);
        env.settings().save(QStringLiteral("Zero"), 1);
        env.settings().save(QStringLiteral("FindItem"), QStringLiteral("x")); // not a number
        auto window = start(env);
        QVERIFY(window);
        QCOMPARE(env.state.SelText, quint8(1));
        QCOMPARE(env.state.Zero, quint8(1));
        QCOMPARE(env.state.FindItem, quint8(0));
        QCOMPARE(env.state.NumFormat, QStringLiteral("#,#0.##"));
    }

    void secondCopyIsRefused() {
        TestEnv env;
        QLockFile running(env.lockFile());
        QVERIFY(running.tryLock(0));
        auto window = start(env);
        QVERIFY(!window);
        QCOMPARE(env.messages.texts(), QStringList{QStringLiteral("既に起動しています｡")});
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Exclamation);
        QVERIFY(!env.messages.shown().first().withCancel);
        QVERIFY(!env.state.DbMain);
    }

    void staleLockOfACrashedRunIsIgnored() {
        TestEnv env;
        {
            QLockFile crashed(env.lockFile());
            QVERIFY(crashed.tryLock(0));
            // Keep the file but leave it as a run that died would: the lock's process
            // no longer exists.
            QFile f(env.lockFile());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QByteArray content = f.readAll();
            f.close();
            crashed.unlock();
            const qsizetype eol = content.indexOf('\n');
            content.replace(0, eol, "2147483000");
            writeFile(env.lockFile(), content);
        }
        auto window = start(env);
        QVERIFY(window);
        QCOMPARE(env.messages.count(), 0);
    }

    void missingFilesStopAtTheFirst_data() {
        QTest::addColumn<int>("files");
        QTest::newRow("only the main database") << int(TestEnv::MainDb);
        QTest::newRow("no layout database") << int(TestEnv::MainDb | TestEnv::PostDb);
        QTest::newRow("no postal directory") << int(TestEnv::MainDb | TestEnv::LayoutDb);
        QTest::newRow("no main database") << int(TestEnv::LayoutDb | TestEnv::PostDb);
    }

    void missingFilesStopAtTheFirst() {
        QFETCH(int, files);
        TestEnv env(files);
        // A damaged main database must not be reached: the presence of every file is
        // checked before anything is opened.
        if (files & TestEnv::MainDb)
            writeFile(env.state.DbNames[0], "not a database");
        auto window = start(env);
        QVERIFY(!window);
        QCOMPARE(env.messages.texts(), QStringList{QStringLiteral("ファイルが見つかりませんでした｡")});
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Stop);
        QVERIFY(!env.state.DbMain);
    }

    void unusableDatabasesAreNamedAndLeftAlone_data() {
        QTest::addColumn<int>("slot"); // 0 main, 1 layout, 2 postal
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("main is text") << 0 << QByteArray("顧客一覧\n") << QStringLiteral("Kivora0.MDB");
        QTest::newRow("layout is text") << 1 << QByteArray("x") << QStringLiteral("Kivora1.MDB");
        QTest::newRow("postal is empty") << 2 << QByteArray() << QStringLiteral("PostCode.mdb");
        QTest::newRow("main is garbage after a valid header")
            << 0 << QByteArray("SQLite format 3\0", 16) + QByteArray(4096, '\xff')
            << QStringLiteral("Kivora0.MDB");
    }

    void unusableDatabasesAreNamedAndLeftAlone() {
        QFETCH(int, slot);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        TestEnv env;
        const QString path = slot == 2 ? env.state.PostCodePath : env.state.DbNames[slot];
        writeFile(path, content);
        const QByteArray before = digest(path);
        auto window = start(env);
        QVERIFY(!window);
        QCOMPARE(env.messages.count(), 1);
        QVERIFY2(env.messages.lastText().contains(expected), qPrintable(env.messages.lastText()));
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Stop);
        QCOMPARE(digest(path), before);
        QVERIFY(!env.state.DbMain);
        QVERIFY(!env.state.DbPost);
    }

    void databaseInUseElsewhereIsReported() {
        TestEnv env;
        const QByteArray before = digest(env.state.DbNames[0]);
        {
            auto other = env.openMain();
            auto window = start(env);
            QVERIFY(!window);
            QCOMPARE(env.messages.count(), 1);
            QVERIFY(env.messages.lastText().contains(QStringLiteral("Kivora0.MDB")));
            QVERIFY(env.messages.lastText().contains(QStringLiteral("使用中")));
        }
        QCOMPARE(digest(env.state.DbNames[0]), before);
        // Once the other user has gone, the program starts.
        env.messages.clear();
        QVERIFY(start(env));
    }

    void passwordAtStartup() {
        TestEnv env;
        storePassword(env, QStringLiteral("2468"));
        answerPassword(QStringLiteral("2468"), 1);
        auto window = start(env);
        QVERIFY(window);
        QCOMPARE(env.state.gResult, qint16(0));
        QCOMPARE(env.messages.count(), 0);
    }

    void threeWrongPasswordsEndTheProgram() {
        TestEnv env;
        storePassword(env, QStringLiteral("2468"));
        answerPassword(QStringLiteral("1357"), 3);
        auto window = start(env);
        QVERIFY(!window);
        QCOMPARE(env.messages.texts(), QStringList(2, QStringLiteral("パスワードが違います｡")));
        QVERIFY(!env.state.DbMain); // the main window and its databases are gone
    }

    void cancelledPasswordEndsTheProgram() {
        TestEnv env;
        storePassword(env, QStringLiteral("2468"));
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraPassword*>(modal)->BtnCancel->click(); });
        QVERIFY(!start(env));
    }

    void passwordSetFromTheMenuIsAskedNextTime() {
        TestEnv env;
        {
            auto window = start(env);
            QVERIFY(window);
            OnNextModal([](QWidget* modal) {
                auto* dialog = qobject_cast<KivoraPassword*>(modal);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("パスワード設定"));
                dialog->TextPass[0]->setText(QStringLiteral("97"));
                dialog->BtnOK->click();
            });
            window->MenuTool[4]->trigger();
            QCOMPARE(env.state.gResult, qint16(0));
            window->close(); // the fake answers OK to the quit question
        }
        bool asked = false;
        OnNextModal([&asked](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraPassword*>(modal);
            asked = dialog != nullptr;
            if (dialog) {
                dialog->TextPass[0]->setText(QStringLiteral("97"));
                dialog->BtnOK->click();
            }
        });
        QVERIFY(start(env));
        QVERIFY(asked);
    }

    void quitAsksFirst() {
        TestEnv env;
        auto window = start(env);
        QVERIFY(window);
        env.messages.answer(MsgCancel);
        window->close();
        QVERIFY(window->isVisible());
        QVERIFY(env.state.DbMain);
        const MessageRequest question = env.messages.shown().last();
        QCOMPARE(question.text, QStringLiteral("Kivoraを終了します。"));
        QCOMPARE(question.icon, MsgIcon::Question);
        QVERIFY(question.withCancel);
        QCOMPARE(question.title, QStringLiteral("Kivora"));
        window->MenuBusiness[13]->trigger(); // Kivoraの終了(&E), answered OK
        QVERIFY(!window->isVisible());
        QVERIFY(!env.state.DbMain);
        QVERIFY(!env.state.DbPost);
        // Released for real: the file opens again.
        QVERIFY(env.openMain());
    }

    void helpFileBesideTheProgram() {
        TestEnv env;
        writeFile(env.installFolder() + QStringLiteral("/Kivora.HLP"), "<html></html>");
        QUrl opened;
        env.state.OpenUrl = [&opened](const QUrl& url) {
            opened = url;
            return true;
        };
        auto window = start(env);
        QVERIFY(window);
        QCOMPARE(env.state.HelpFile, env.installFolder() + QStringLiteral("/Kivora.HLP"));
        window->MenuHelp[0]->trigger();
        QCOMPARE(opened, QUrl::fromLocalFile(env.state.HelpFile));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
