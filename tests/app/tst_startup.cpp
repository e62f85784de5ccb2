// The program's start and end: refusals, damaged files, the password, the quit question.
#include "support/TestMain.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "app/Startup.h"
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

using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT

    static std::unique_ptr<Kivora> start(TestEnv& env) {
        return Startup(env.state, env.installFolder(), env.lockFile()).run();
    }

    static QByteArray digest(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly)
                   ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                   : QByteArray();
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // The preferences read at start: SelText, Zero, FindItem and the quantity format.
    static QString preferences(const AppState& s) {
        return u"%1 %2 %3 %4"_s.arg(s.SelText).arg(s.Zero).arg(s.FindItem).arg(s.NumFormat);
    }

    // Answers the start-up password window: `digits` and OK `times` times, or Cancel.
    static void answerPassword(const QString& digits, int times = 1) {
        OnNextModal([digits, times](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraPassword*>(modal);
            QVERIFY(dialog && !dialog->TextPass[1]->isVisible());
            QCOMPARE(dialog->windowTitle(), u"パスワード確認"_s);
            if (digits.isEmpty())
                dialog->BtnCancel->click();
            for (int i = 0; i < times && dialog->isVisible(); ++i) {
                dialog->TextPass[0]->setText(digits);
                dialog->BtnOK->click();
            }
        });
    }

private slots:
    void startsWithDefaults() {
        TestEnv env;
        env.settings().save(u"SetupFolder"_s, u"/somewhere/else"_s);
        auto window = start(env);
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), u"Kivora"_s);
        QCOMPARE(env.state.AppTitle, u"Kivora"_s);
        QVERIFY(env.state.DbMain && env.state.DbPost);
        QCOMPARE(env.messages.count(), 0);
        // A moved installation is recorded at every start.
        QCOMPARE(QDir::fromNativeSeparators(env.settings().get(u"SetupFolder"_s)),
                 QDir::cleanPath(env.installFolder()));
        QCOMPARE(preferences(env.state), u"0 0 0 #,#0.00"_s);
        QVERIFY(env.state.HelpFile.isEmpty());
        // The main database really is held: a second opener is refused.
        QVERIFY_THROWS_EXCEPTION(DatabaseError, env.openMain());
    }

    void readsStoredPreferences() {
        TestEnv env;
        env.settings().save(u"SelText"_s, 1);
        env.settings().save(u"Zero"_s, 1);
        env.settings().save(u"FindItem"_s, u"x"_s); // not a number
        QVERIFY(start(env));
        QCOMPARE(preferences(env.state), u"1 1 0 #,#0.##"_s);
    }

    void secondCopyIsRefused() {
        TestEnv env;
        QLockFile running(env.lockFile());
        QVERIFY(running.tryLock(0));
        QVERIFY(!start(env));
        QCOMPARE(env.messages.texts(), QStringList{u"既に起動しています｡"_s});
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Exclamation);
        QVERIFY(!env.messages.shown().first().withCancel);
        QVERIFY(!env.state.DbMain);
    }

    // A lock left by a run that died (its process no longer exists) is ignored.
    void staleLockOfACrashedRunIsIgnored() {
        TestEnv env;
        {
            QLockFile crashed(env.lockFile());
            QVERIFY(crashed.tryLock(0));
            QFile f(env.lockFile());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QByteArray content = f.readAll();
            f.close();
            crashed.unlock();
            content.replace(0, content.indexOf('\n'), "2147483000");
            writeFile(env.lockFile(), content);
        }
        QVERIFY(start(env));
        QCOMPARE(env.messages.count(), 0);
    }

    // Every file is checked before any is opened, so a damaged main database is not reached.
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
        if (files & TestEnv::MainDb)
            writeFile(env.state.DbNames[0], "not a database");
        QVERIFY(!start(env));
        QCOMPARE(env.messages.texts(), QStringList{u"ファイルが見つかりませんでした｡"_s});
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Stop);
        QVERIFY(!env.state.DbMain);
    }

    void unusableDatabasesAreNamedAndLeftAlone_data() {
        QTest::addColumn<int>("slot"); // 0 main, 1 layout, 2 postal
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("main is text") << 0 << QByteArray("顧客一覧\n") << "Kivora0.MDB";
        QTest::newRow("layout is text") << 1 << QByteArray("x") << "Kivora1.MDB";
        QTest::newRow("postal is empty") << 2 << QByteArray() << "PostCode.mdb";
        QTest::newRow("main is garbage after a valid header")
            << 0 << QByteArray("SQLite format 3\0", 16) + QByteArray(4096, '\xff') << "Kivora0.MDB";
    }
    void unusableDatabasesAreNamedAndLeftAlone() {
        QFETCH(int, slot);
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        TestEnv env;
        const QString path = slot == 2 ? env.state.PostCodePath : env.state.DbNames[slot];
        writeFile(path, content);
        const QByteArray before = digest(path);
        QVERIFY(!start(env));
        QCOMPARE(env.messages.count(), 1);
        QVERIFY2(env.messages.lastText().contains(expected), qPrintable(env.messages.lastText()));
        QCOMPARE(env.messages.shown().first().icon, MsgIcon::Stop);
        QCOMPARE(digest(path), before);
        QVERIFY(!env.state.DbMain && !env.state.DbPost);
    }

    // A database in use elsewhere is named and left alone; later the program starts.
    void databaseInUseElsewhereIsReported() {
        TestEnv env;
        const QByteArray before = digest(env.state.DbNames[0]);
        {
            auto other = env.openMain();
            QVERIFY(!start(env));
            QCOMPARE(env.messages.count(), 1);
            QVERIFY(env.messages.lastText().contains(u"Kivora0.MDB"_s));
            QVERIFY(env.messages.lastText().contains(u"使用中"_s));
        }
        QCOMPARE(digest(env.state.DbNames[0]), before);
        QVERIFY(start(env));
    }

    // The right password starts the program; three wrong (two told) or a cancel end it.
    void passwordAtStartup_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("times");
        QTest::addColumn<bool>("started");
        QTest::addColumn<int>("told");
        QTest::newRow("right") << "2468" << 1 << true << 0;
        QTest::newRow("three wrong") << "1357" << 3 << false << 2;
        QTest::newRow("cancelled") << "" << 0 << false << 0;
    }
    void passwordAtStartup() {
        QFETCH(QString, answer);
        QFETCH(int, times);
        QFETCH(bool, started);
        QFETCH(int, told);
        TestEnv env;
        const QString cpr = env.dataFolder() + u"Kivora.CPR"_s;
        StoredPassword record = MakeStoredPassword(u"2468"_s);
        QVERIFY(PassFile(cpr, false, record.hash, record.salt));
        const QByteArray before = digest(cpr);
        answerPassword(answer, times);
        auto window = start(env);
        QCOMPARE(bool(window), started);
        QCOMPARE(env.messages.texts(), QStringList(told, u"パスワードが違います｡"_s));
        QCOMPARE(bool(env.state.DbMain), started);
        if (started)
            QCOMPARE(env.state.gResult, qint16(0));
        QCOMPARE(digest(cpr), before); // checking never rewrites the file
    }

    void passwordSetFromTheMenuIsAskedNextTime() {
        TestEnv env;
        {
            auto window = start(env);
            QVERIFY(window);
            OnNextModal([](QWidget* modal) {
                auto* dialog = qobject_cast<KivoraPassword*>(modal);
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), u"パスワード設定"_s);
                dialog->TextPass[0]->setText(u"97"_s);
                dialog->BtnOK->click();
            });
            window->MenuTool[4]->trigger();
            QCOMPARE(env.state.gResult, qint16(0));
            window->close(); // the fake answers OK to the quit question
        }
        env.state.gResult = -1;
        answerPassword(u"97"_s);
        QVERIFY(start(env));
        QCOMPARE(env.state.gResult, qint16(0)); // set by the password window
    }

    // Quitting asks first; cancelled nothing changes; OK releases the databases for real.
    void quitAsksFirst() {
        TestEnv env;
        auto window = start(env);
        QVERIFY(window);
        env.messages.answer(MsgCancel);
        window->close();
        QVERIFY(window->isVisible() && env.state.DbMain);
        const MessageRequest question = env.messages.shown().last();
        QCOMPARE(question.text, u"Kivoraを終了します。"_s);
        QCOMPARE(question.icon, MsgIcon::Question);
        QVERIFY(question.withCancel);
        QCOMPARE(question.title, u"Kivora"_s);
        window->MenuBusiness[13]->trigger(); // Kivoraの終了(&E)
        QVERIFY(!window->isVisible() && !env.state.DbMain && !env.state.DbPost);
        QVERIFY(env.openMain());
    }

    void helpFileBesideTheProgram() {
        TestEnv env;
        writeFile(env.installFolder() + u"/Kivora.HLP"_s, "<html></html>");
        QUrl opened;
        env.state.OpenUrl = [&opened](const QUrl& url) {
            opened = url;
            return true;
        };
        auto window = start(env);
        QVERIFY(window);
        QCOMPARE(env.state.HelpFile, env.installFolder() + u"/Kivora.HLP"_s);
        window->MenuHelp[0]->trigger();
        QCOMPARE(opened, QUrl::fromLocalFile(env.state.HelpFile));
    }
};

KIVORA_TEST(TestStartup)
#include "tst_startup.moc"
