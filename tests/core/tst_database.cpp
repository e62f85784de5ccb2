#include "core/DataPaths.h"
#include "core/Database.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <functional>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

// Where a user's data can be lost: a refused open must leave the file alone, a failed action
// must leave nothing half written, typed text must never be read as SQL. Real files throughout.
namespace {

using Kind = DatabaseError::Kind;
using Failure = std::optional<Kind>;

// The kind of DatabaseError that `action` throws, provided the error is about `file` and
// names it to the user; nothing when `action` goes through.
Failure failure(const std::function<void()>& action, const QString& file) {
    try {
        action();
    } catch (const DatabaseError& e) {
        const bool aboutFile =
            e.file() == file && e.userMessage().contains(QFileInfo(file).fileName());
        return aboutFile ? e.kind() : Kind(-1);
    }
    return std::nullopt;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString column(const Database& db, const QString& sql, const QVariantList& values = {}) {
    QStringList out;
    for (RecordSet rs = db.select(sql, values); !rs.Eof(); rs.MoveNext())
        out << rs.value(0).toString();
    return out.join(' ');
}

QString customers(const Database& db) {
    return column(db, "SELECT Code || ':' || Name FROM 顧客");
}

void insertCustomer(Database& db, const QString& code, const QString& name = "名") {
    db.exec("INSERT INTO 顧客 (Code, Name) VALUES (?, ?)", {code, name});
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<Database> freshMain() {
        m_env = std::make_unique<TestEnv>(TestEnv::MainDb);
        return m_env->openMain();
    }

private slots:
    void cleanup() { m_env.reset(); }

    void refusedOpenLeavesThePathAlone_data() {
        QTest::addColumn<QString>("setup"); // what stands at the path: none, folder, file, database
        QTest::addColumn<QByteArray>("bytes"); // of the file, or the script making the database
        QTest::newRow("nothing") << "none" << QByteArray();
        QTest::newRow("a folder") << "folder" << QByteArray();
        QTest::newRow("torn file") << "file"
                                   << "SQLite format 3\0"_ba + QByteArray(200, '\xff');
        QTest::newRow("database without our marker table")
            << "database"
            << "CREATE TABLE other (x INTEGER);\nINSERT INTO other VALUES (1);\n"_ba;
    }

    void refusedOpenLeavesThePathAlone() {
        QFETCH(QString, setup);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Kivora0.MDB"), script = dir.filePath("s.sql");
        if (setup == "folder")
            QVERIFY(QDir(dir.path()).mkdir("Kivora0.MDB"));
        if (setup == "file")
            QVERIFY(writeFile(path, bytes));
        if (setup == "database" && writeFile(script, bytes))
            Database::createFromScript(path, script);
        const QStringList entriesBefore = QDir(dir.path()).entryList();
        const QByteArray before = contents(path);
        const Kind kind = setup == "none" || setup == "folder" ? Kind::NotFound : Kind::NotDatabase;
        QCOMPARE(failure([&] { Database db(path, MainDbMarkerTable()); }, path), Failure(kind));
        // Nothing created, changed or left beside it (no journal or lock file).
        QCOMPARE(contents(path), before);
        QCOMPARE(QDir(dir.path()).entryList(), entriesBefore);
    }

    void boundValuesAreNeverSql() {
        auto db = freshMain();
        const QStringList names = {"O'Reilly", "'); DROP TABLE 顧客; --", "\"q\" ? :name @x $1"};
        for (int i = 0; i < names.size(); ++i)
            insertCustomer(*db, QString::number(i), names.at(i));
        // An empty text is stored as text, even from a null QString; an untyped value is NULL.
        db->exec("UPDATE 顧客 SET Remark = ?, Kana = ? WHERE Code = '0'", {QString(), QVariant()});
        QCOMPARE(column(*db, "SELECT Code FROM 顧客 WHERE Remark = '' AND Kana IS NULL"), "0");
    }

    // Each way of leaving a transaction without commit() undoes its work at once, on the same
    // connection, and the next transaction starts normally.
    void uncommittedWorkRollsBack() {
        auto db = freshMain();
        insertCustomer(*db, "001", "既存");
        const auto undoneAndNextSaveWorks = [&] {
            QCOMPARE(db->transactionDepth(), 0);
            QCOMPARE(customers(*db), "001:既存");
            Transaction tx(*db);
            insertCustomer(*db, "100");
            tx.commit();
            QCOMPARE(customers(*db), "001:既存 100:名");
            db->exec("DELETE FROM 顧客 WHERE Code = '100'");
        };
        { // an early return
            Transaction tx(*db);
            insertCustomer(*db, "002");
            db->exec("UPDATE 顧客 SET Name = ? WHERE Code = ?", {"変更", "001"});
        }
        undoneAndNextSaveWorks();
        try { // an exception that is no database error
            Transaction tx(*db);
            insertCustomer(*db, "003");
            throw std::runtime_error("printer gone");
        } catch (const std::runtime_error&) {
        }
        undoneAndNextSaveWorks();
        const Failure failed = failure( // a failing statement after some work
            [&] {
                Transaction tx(*db);
                insertCustomer(*db, "004");
                insertCustomer(*db, "001", "重複");
                tx.commit();
            },
            db->path());
        // A key taken twice: on a server, where another seat may have taken it, a conflict.
        QCOMPARE(failed,
                 Failure(db->engine() == Engine::PostgreSQL ? Kind::Conflict : Kind::Statement));
        undoneAndNextSaveWorks();
    }

    // A COMMIT the engine refuses (here a deferred foreign key, as a full disk would) is
    // rolled back, and the connection is ready for the next save.
    void refusedCommitRollsBack() {
        QTemporaryDir dir;
        const QString script = dir.filePath("s.sql"), path = dir.filePath("t.db");
        QVERIFY(writeFile(script, "CREATE TABLE parent (id INTEGER PRIMARY KEY);\n"
                                  "CREATE TABLE child (id INTEGER, parent INTEGER REFERENCES "
                                  "parent (id) DEFERRABLE INITIALLY DEFERRED);\n"
                                  "INSERT INTO parent VALUES (1);\n"));
        Database::createFromScript(path, script);
        Database db(path, "child");
        db.exec("PRAGMA foreign_keys = ON");
        const Failure failed = failure(
            [&] {
                Transaction tx(db);
                db.exec("INSERT INTO child VALUES (1, 99)"); // accepted until the commit
                tx.commit();
            },
            path);
        QCOMPARE(failed, Failure(Kind::Statement));
        QCOMPARE(db.transactionDepth(), 0);
        Transaction tx(db);
        db.exec("INSERT INTO child VALUES (2, 1)");
        tx.commit();
        QCOMPARE(column(db, "SELECT id FROM child"), "2");
    }

    void nestedTransactions_data() {
        QTest::addColumn<bool>("innerCommits");
        QTest::addColumn<bool>("outerCommits");
        QTest::addColumn<QString>("kept");
        QTest::newRow("inner rolled back, outer kept") << false << true << "A C";
        QTest::newRow("both commit") << true << true << "A B C";
        QTest::newRow("inner commits, outer rolls back") << true << false << "";
    }

    void nestedTransactions() {
        QFETCH(bool, innerCommits);
        QFETCH(bool, outerCommits);
        {
            auto db = freshMain();
            Transaction outer(*db);
            insertCustomer(*db, "A");
            {
                Transaction inner(*db);
                QCOMPARE(db->transactionDepth(), 2);
                insertCustomer(*db, "B");
                if (innerCommits)
                    inner.commit();
            }
            QCOMPARE(db->transactionDepth(), 1);
            // The outer transaction goes on after its savepoint, whatever became of it.
            insertCustomer(*db, "C");
            if (outerCommits)
                outer.commit();
        }
        QTEST(column(*m_env->openMain(), "SELECT Code FROM 顧客"), "kept");
    }

    void splitScript_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("statements"); // separated by '|', without terminators
        const auto row = [](const char* name, const char* script, const char* statements) {
            QTest::newRow(name) << QString(script) << QString(statements);
        };
        row("comments, blank lines",
            "-- a; b\n\nCREATE TABLE t (\n  x TEXT);\n  -- c\nSELECT 'a';\n",
            "CREATE TABLE t (\n  x TEXT)|SELECT 'a'");
        row("semicolon, comment and blank line in quotes", "SELECT 'a;\n-- no;\n\nb';\nSELECT 3;\n",
            "SELECT 'a;\n-- no;\n\nb'|SELECT 3");
        row("doubled quote", "SELECT 'it''s;';\nSELECT 'x';\n", "SELECT 'it''s;'|SELECT 'x'");
        row("windows line ends, no last terminator", "SELECT 1;\r\n-- c\r\nSELECT 2",
            "SELECT 1|SELECT 2");
    }

    void splitScript() {
        QFETCH(QString, script);
        QStringList got = Database::splitScript(script);
        // Whether a statement keeps its terminator does not matter to the engine.
        for (QString& s : got) {
            s = s.replace("\r\n", "\n").trimmed();
            if (s.endsWith(';'))
                s.chop(1);
        }
        QTEST(got.join('|'), "statements");
    }
};

KIVORA_TEST(TestDatabase)
#include "tst_database.moc"
