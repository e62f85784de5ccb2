// The program's start and end: refusals, damaged files, the password, the quit question.
#include "app/Startup.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "customers/Kivora.h"
#include "options/KivoraPassword.h"
#include "options/PassFile.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QLockFile>
#include <QScopeGuard>
#include <QtTest>
#include <QtWidgets>

class TestStartup : public QObject {
    Q_OBJECT

    static std::unique_ptr<Kivora> start(TestEnv& env) {
        return Startup(env.state, env.installFolder(), env.lockFile()).run();
    }

    static QByteArray digest(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Answers the next password window titled `title`: `digits` and OK `times` times, or
    // Cancel when `digits` is empty. The window is closed on every path, so that a
    // password wrongly refused fails the test instead of holding it up until it times out.
    static void answerPassword(const QString& title, const QString& digits, int times = 1) {
        OnNextModal([title, digits, times](QWidget* modal) {
            auto* dialog = qobject_cast<KivoraPassword*>(modal);
            const QString shown = modal->windowTitle();
            if (dialog && shown == title) {
                if (digits.isEmpty())
                    dialog->BtnCancel->click();
                for (int i = 0; i < times && dialog->isVisible(); ++i) {
                    dialog->TextPass[0]->setText(digits);
                    dialog->BtnOK->click();
                }
            }
            const bool leftOpen = modal->isVisible();
            if (auto* other = qobject_cast<QDialog*>(modal); leftOpen && other)
                other->reject();
            QVERIFY2(dialog, qPrintable("not the password window: " + shown));
            QCOMPARE(shown, title);
            QVERIFY2(!leftOpen, "the password window was still open after the answers");
        });
    }

private slots:
    void startsWithStoredPreferences() {
        TestEnv env;
        env.settings().save("SetupFolder", "/somewhere/else");
        env.settings().save("Zero", 1);
        env.settings().save("FindItem", "x"); // not a number
        auto window = start(env);
        QVERIFY(window && window->isVisible() && env.state.DbPost && env.messages.count() == 0);
        // A moved installation is recorded at every start.
        QCOMPARE(QDir::cleanPath(env.settings().get("SetupFolder")),
                 QDir::cleanPath(env.installFolder()));
        QCOMPARE(QString("%1 %2").arg(env.state.FindItem).arg(env.state.NumFormat), "0 #,#0.##");
        // The main file really is held: a second opener is refused. On a server a second
        // seat is what it is for.
        if (env.serverMain())
            QVERIFY(env.openMain());
        else
            QVERIFY_THROWS_EXCEPTION(DatabaseError, env.openMain());
        // Quitting asks first; cancelled nothing changes; OK releases the databases.
        env.messages.answer(MsgCancel);
        window->close();
        QVERIFY(window->isVisible() && env.state.DbMain);
        QCOMPARE(env.messages.lastText(), "Kivoraを終了します。");
        window->MenuBusiness[13]->trigger(); // Kivoraの終了(&E)
        QVERIFY(!window->isVisible() && !env.state.DbMain && !env.state.DbPost);
        QVERIFY(env.openMain());
    }

    // An older layout file gets the delivered layouts at start; one that cannot take them
    // is reported, left as it was, and the program starts with it.
    void olderLayoutFileAtStart() {
        for (const bool writable : {true, false}) {
            TestEnv env;
            const QString path = env.state.DbNames[DbSlot::Layout];
            {
                Database db(path, LayoutDbMarkerTable());
                db.setSchemaVersion(0);
                for (const char* table : {"宛名種類", "宛名項目", "宛名位置"})
                    db.exec(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
            }
            if (!writable)
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
            const QByteArray before = digest(path);
            auto window = start(env);
            QVERIFY(window);
            window.reset();
            const Database db(path, LayoutDbMarkerTable());
            QCOMPARE(db.scalar("SELECT COUNT(*) FROM 宛名種類").toInt(), writable ? 4 : 0);
            QCOMPARE(env.messages.count(), writable ? 0 : 1);
            if (!writable) {
                QVERIFY(env.messages.lastText().contains("更新できませんでした"));
                QCOMPARE(digest(path), before);
            }
        }
    }

    // Every file is checked before any is opened, and nothing is changed on the way out.
    void refusedStarts_data() {
        QTest::addColumn<QString>("what"); // what stands in the way
        QTest::addColumn<QString>("told"); // what the one message shown names
        const auto row = [](const char* name, const char* what, const char* told) {
            QTest::newRow(name) << QString(what) << QString(told);
        };
        row("second copy", "lock", "既に起動しています｡");
        row("no postal directory", "nopost", "ファイルが見つかりませんでした｡");
        row("main is text", "0", "Kivora0.MDB");
        row("postal is empty", "2", "PostCode.mdb");
        row("main in use elsewhere", "held", "Kivora0.MDB");
        row("main lacks a table", "notable", "「Kivora0.MDB」はデータベースとして読めません");
        row("main write-protected", "rofile", "「Kivora0.MDB」に書き込めません");
        row("data folder write-protected", "rofolder", "「DataFile」に書き込めません");
        row("main from a newer program", "newer", "「Kivora0.MDB」はこのプログラムより新しい版");
    }
    void refusedStarts() {
        QFETCH(QString, what);
        QFETCH(QString, told);
        if (TestEnv::testServer()) {
            // The main database is on the server: its file is not looked at, and a server
            // database is named by its address.
            if (QStringList{"0", "held", "rofile"}.contains(what))
                QSKIP("the main file is not used with the main database on a server");
            if (what == "notable")
                told = "このプログラムのデータベースではありません";
            if (what == "newer")
                told = "はこのプログラムより新しい版";
        }
        TestEnv env(what == "nopost" ? TestEnv::MainDb | TestEnv::LayoutDb : TestEnv::AllFiles);
        const QStringList paths{env.state.DbNames[0], env.state.DbNames[1], env.state.PostCodePath};
        if (what.size() == 1 || what == "nopost")
            writeFile(paths[what == "nopost" ? 0 : what.toInt()], what == "2" ? "" : "顧客一覧\n");
        if (what == "notable")
            env.openMain()->exec("DROP TABLE 自社情報");
        if (what == "newer")
            env.openMain()->setSchemaVersion(SchemaUpgrade::ProgramVersion() + 1);
        const QString protectedPath = what == "rofile" ? paths[0] : env.dataFolder();
        const auto permissions = QFile::permissions(protectedPath);
        if (what.startsWith("ro"))
            QFile::setPermissions(protectedPath, QFile::ReadOwner | QFile::ReadUser |
                                                     QFile::ExeOwner | QFile::ExeUser);
        const auto restore =
            qScopeGuard([&] { QFile::setPermissions(protectedPath, permissions); });
        // Every start-up message is in front: the title window, which stays on top, is gone.
        bool titleShown = false;
        env.messages.onShow = [&](const MessageRequest&) {
            for (QWidget* w : QApplication::topLevelWidgets())
                titleShown |= w->isVisible() && (w->windowFlags() & Qt::WindowStaysOnTopHint);
        };
        QList<QByteArray> before;
        for (const QString& path : paths)
            before << digest(path);
        QLockFile running(env.lockFile());
        QVERIFY(what != "lock" || running.tryLock(0));
        {
            auto other = what == "held" ? env.openMain() : nullptr;
            QVERIFY(!start(env));
        }
        QCOMPARE(env.messages.count(), 1);
        QVERIFY(!titleShown);
        QVERIFY2(env.messages.lastText().contains(told), qPrintable(env.messages.lastText()));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(digest(paths[i]), before[i]);
        QVERIFY(!env.state.DbMain && !env.state.DbPost);
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
        const QString cpr = env.dataFolder() + "Kivora.CPR";
        StoredPassword record = MakeStoredPassword("2468");
        QVERIFY(PassFile(cpr, false, record.hash, record.salt));
        const QByteArray before = digest(cpr);
        answerPassword("パスワード確認", answer, times);
        const auto window = start(env);
        QCOMPARE(bool(window), started);
        QCOMPARE(env.messages.texts(), QStringList(told, "パスワードが違います｡"));
        QCOMPARE(bool(env.state.DbMain), started);
        QCOMPARE(digest(cpr), before); // checking never rewrites the file
    }
};

KIVORA_TEST(TestStartup)
#include "tst_startup.moc"
