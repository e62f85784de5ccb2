#include "support/TestMain.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
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
        if (e.file() == file && e.userMessage().contains(QFileInfo(file).fileName()))
            return e.kind();
        qWarning() << "an error about" << e.file() << "saying" << e.userMessage();
        return Kind(-1);
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

QStringList column(RecordSet rs, const QString& field) {
    QStringList out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        out << rs.text(field);
    return out;
}

QStringList codes(const Database& db) {
    return column(db.select("SELECT Code FROM 顧客 ORDER BY Code"), "Code");
}

void insertCustomer(Database& db, const QString& code, const QString& name = "名",
                    double excise = 0, int fraction = 0) {
    db.exec("INSERT INTO 顧客 (Code, Name, Excise, Fraction) VALUES (?, ?, ?, ?)",
            {code, name, excise, fraction});
}

// Applies `moves` to `rs` (F first, L last, N next, P previous, a digit Move(n), - Move(-1)) and
// lists where each leaves it: the row's Code, "bof", "eof", or "empty" when both hold.
QStringList walk(RecordSet& rs, const QString& moves) {
    QStringList seen;
    for (QChar m : moves) {
        m == 'F' ? rs.MoveFirst() : m == 'L' ? rs.MoveLast() : m == 'N' ? rs.MoveNext()
        : m == 'P' ? rs.MovePrevious() : rs.Move(m == '-' ? -1 : m.digitValue());
        seen << (rs.Bof() ? (rs.Eof() ? "empty" : "bof") : rs.Eof() ? "eof" : rs.text("Code"));
    }
    return seen;
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnv> m_env;
    // The main database of a new private installation, opened as the program does.
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
        QTest::newRow("short text") << "file" << QByteArray("hello\n");
        QTest::newRow("long text") << "file" << "顧客一覧,山田太郎,03-1234-5678\r\n"_ba.repeated(300);
        QTest::newRow("empty file") << "file" << QByteArray();
        QTest::newRow("torn file") << "file" << "SQLite format 3\0"_ba + QByteArray(200, '\xff');
        QTest::newRow("database without our marker table")
            << "database" << "CREATE TABLE other (x INTEGER);\nINSERT INTO other VALUES (1);\n"_ba;
    }

    void refusedOpenLeavesThePathAlone() {
        QFETCH(QString, setup);
        QFETCH(QByteArray, bytes);
        const Kind kind = setup == "none" || setup == "folder" ? Kind::NotFound : Kind::NotDatabase;
        QTemporaryDir dir;
        const QString path = dir.filePath("Kivora0.MDB"), script = dir.filePath("s.sql");
        if (setup == "folder")
            QVERIFY(QDir(dir.path()).mkdir("Kivora0.MDB"));
        if (setup == "file")
            QVERIFY(writeFile(path, bytes));
        if (setup == "database" && writeFile(script, bytes))
            Database::createFromScript(path, script);
        const auto entries = [&] { return QDir(dir.path()).entryList(); }; // read afresh each time
        const QStringList entriesBefore = entries();
        const QByteArray before = contents(path);
        QCOMPARE(failure([&] { Database db(path, MainDbMarkerTable()); }, path), Failure(kind));
        // Nothing created, changed or left beside it (no journal or lock file).
        QCOMPARE(contents(path), before);
        QCOMPARE(entries(), entriesBefore);
        QCOMPARE(QFileInfo(path).isDir(), setup == "folder");
        // The refusal released the file: it opens at once for the table it does have.
        if (setup == "database")
            QCOMPARE(Database(path, "other").scalar("SELECT x FROM other").toInt(), 1);
    }

    void secondOpenIsRefusedAsLocked() {
        auto first = freshMain();
        insertCustomer(*first, "001");
        const QString path = DbFileName(m_env->dataFolder(), 0);
        QCOMPARE(failure([&] { Database second(path, MainDbMarkerTable()); }, path),
                 Failure(Kind::Locked));
        // The refused attempt did not disturb the connection that holds the file.
        insertCustomer(*first, "002");
        QCOMPARE(codes(*first), (QStringList{"001", "002"}));
        first.reset();
        QCOMPARE(codes(*m_env->openMain()), (QStringList{"001", "002"}));
    }

    void boundValuesAreNeverSql() {
        auto db = freshMain();
        const QStringList names = {"O'Reilly", "'); DROP TABLE 顧客; --", "\"quoted\" ? :name @x $1",
                                   "改行\r\nと\ttab"};
        for (int i = 0; i < names.size(); ++i)
            insertCustomer(*db, QString("00%1").arg(i), names.at(i));
        QCOMPARE(column(db->select("SELECT Name FROM 顧客 ORDER BY Code"), "Name"), names);
        for (int i = 0; i < names.size(); ++i) { // bound in a WHERE clause, too
            const RecordSet rs = db->select("SELECT Code FROM 顧客 WHERE Name = ?", {names.at(i)});
            QCOMPARE(column(rs, "Code"), QStringList{QString("00%1").arg(i)});
        }
        // An empty text is stored as text, even from a null QString; an untyped value is NULL.
        db->exec("UPDATE 顧客 SET Remark = ?, Kana = ? WHERE Code = '000'", {QString(), QVariant()});
        const RecordSet rs = db->select("SELECT Code FROM 顧客 WHERE Remark = '' AND Kana IS NULL");
        QCOMPARE(column(rs, "Code"), QStringList{"000"});
    }

    void selectScalarAndExecResults() {
        auto db = freshMain();
        insertCustomer(*db, "002", "田中", 8);
        insertCustomer(*db, "001", "山田", 5);
        insertCustomer(*db, "003", "吉田", 10);
        QCOMPARE(db->exec("UPDATE 顧客 SET Remark = ? WHERE Excise > ?", {"高", 6}), 2);
        QCOMPARE(db->exec("DELETE FROM 顧客 WHERE Code = ?", {"999"}), 0);
        const RecordSet rs = db->select("SELECT * FROM 顧客 ORDER BY Code");
        QCOMPARE(column(rs, "Code"), (QStringList{"001", "002", "003"}));
        QCOMPARE(column(rs, "Remark"), (QStringList{"", "高", "高"}));
        QCOMPARE(db->scalar("SELECT SUM(Excise) FROM 顧客").toDouble(), 23.0);
        // A sum over no rows is a row holding null (callers count it as 0), unlike no row at all.
        const QVariant emptySum = db->scalar("SELECT SUM(Excise) FROM 顧客 WHERE Code = ?", {"999"});
        QVERIFY(emptySum.isValid() && emptySum.isNull());
        QVERIFY(!db->scalar("SELECT Name FROM 顧客 WHERE Code = ?", {"999"}).isValid());
    }

    void statementErrorsChangeNothing() {
        auto db = freshMain();
        insertCustomer(*db, "001", "山田");
        const QString insertCode = "INSERT INTO 顧客 (Code) VALUES (?)";
        const QList<std::function<void()>> failing = {
            [&] { db->exec("INSERT INTO 顧客 VALUES"); },
            [&] { db->exec("INSERT INTO 顧客 (Name) VALUES (?)", {"no key"}); },
            [&] { db->exec(insertCode, {"001"}); },        // duplicate key
            [&] { db->exec(insertCode, {"009", "x"}); },   // too many values
            [&] { db->exec("INSERT INTO 顧客 (Code, Name) VALUES (?, ?)", {"009"}); },
            [&] { db->select("SELECT Nothing FROM 顧客"); },
            [&] { db->scalar("SELEC 1"); }};
        for (int i = 0; i < failing.size(); ++i) {
            const Failure failed = failure(failing.at(i), db->path());
            QVERIFY2(failed == Kind::Statement, qPrintable(QString("statement %1").arg(i)));
            // The failed statement changed nothing, and the connection is still usable.
            QCOMPARE(column(db->select("SELECT Name FROM 顧客"), "Name"), QStringList{"山田"});
        }
    }

    void uncommittedWorkRollsBack() {
        auto db = freshMain();
        insertCustomer(*db, "001", "既存");
        { // an early return
            Transaction tx(*db);
            insertCustomer(*db, "002");
            db->exec("UPDATE 顧客 SET Name = ? WHERE Code = ?", {"変更", "001"});
        }
        QCOMPARE(db->transactionDepth(), 0);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, { // an exception of any kind
            Transaction tx(*db);
            insertCustomer(*db, "003");
            throw std::runtime_error("printer gone");
        });
        const Failure failed = failure([&] { // a failing statement after some work
            Transaction tx(*db);
            insertCustomer(*db, "004");
            insertCustomer(*db, "001", "重複");
            tx.commit();
        }, db->path());
        QCOMPARE(failed, Failure(Kind::Statement));
        QCOMPARE(db->transactionDepth(), 0);
        // Only the row from before survives, unchanged, even after reopening the file.
        db.reset();
        db = m_env->openMain();
        QCOMPARE(column(db->select("SELECT Code, Name FROM 顧客"), "Name"), QStringList{"既存"});
        // And the connection starts new transactions normally afterwards.
        Transaction tx(*db);
        insertCustomer(*db, "005");
        tx.commit();
        QCOMPARE(codes(*db), (QStringList{"001", "005"}));
    }

    void nestedTransactions_data() {
        QTest::addColumn<bool>("innerCommits");
        QTest::addColumn<bool>("outerCommits");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("inner rolled back, outer kept") << false << true << QStringList{"A", "C"};
        QTest::newRow("both commit") << true << true << QStringList{"A", "B", "C"};
        QTest::newRow("inner commits, outer rolls back") << true << false << QStringList{};
        QTest::newRow("neither commits") << false << false << QStringList{};
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
            if (outerCommits) {
                outer.commit();
                QCOMPARE(db->transactionDepth(), 0);
            }
        }
        QTEST(codes(*m_env->openMain()), "kept");
    }

    void splitScript_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");
        const auto row = [](const char* name, const char* script, const char* parts) {
            QTest::newRow(name) << QString(script) << QString(parts).split('|', Qt::SkipEmptyParts);
        };
        row("comments and blank lines",
            "-- header; with a semicolon\n\nCREATE TABLE t (x TEXT);\n  -- indented\nSELECT 'a';\n",
            "CREATE TABLE t (x TEXT)|SELECT 'a'");
        row("statement over several lines", "CREATE TABLE t (\n  x TEXT,\n  y INTEGER\n);\n",
            "CREATE TABLE t (\n  x TEXT,\n  y INTEGER\n)");
        row("semicolon at a line end inside quotes", "SELECT 'one;\ntwo';\nSELECT 3;\n",
            "SELECT 'one;\ntwo'|SELECT 3");
        row("comment-like and blank lines inside quotes", "SELECT 'a\n-- no;\n\nb';\n",
            "SELECT 'a\n-- no;\n\nb'");
        row("doubled quote inside a literal", "SELECT 'it''s;';\nSELECT 'x';\n",
            "SELECT 'it''s;'|SELECT 'x'");
        row("apostrophe in a comment", "-- don't\nSELECT 1;\nSELECT 2;\n", "SELECT 1|SELECT 2");
        row("windows line ends", "SELECT 1;\r\n-- c\r\nSELECT 2;\r\n", "SELECT 1|SELECT 2");
        row("last statement without terminator", "SELECT 1;\nSELECT 2", "SELECT 1|SELECT 2");
        row("only comments", "-- a\n\n-- b;\n", "");
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
        QTEST(got, "statements");
    }

    void createFromScript() {
        QTemporaryDir dir;
        const QString script = dir.filePath("s.sql"), path = dir.filePath("t.db");
        QVERIFY(writeFile(script, "-- test data\nCREATE TABLE t (x TEXT);\nINSERT INTO t VALUES\n"
                                  "('one;\ntwo'),\n('it''s');\n"));
        Database::createFromScript(path, script);
        QCOMPARE(column(Database(path, "t").select("SELECT x FROM t ORDER BY x"), "x"),
                 (QStringList{"it's", "one;\ntwo"}));
        // An existing file is never overwritten.
        const QByteArray before = contents(path);
        QVERIFY(failure([&] { Database::createFromScript(path, script); }, path));
        QCOMPARE(contents(path), before);
        // A script that fails half way leaves no file behind.
        const QString bad = dir.filePath("bad.sql"), badPath = dir.filePath("bad.db");
        QVERIFY(writeFile(bad, "CREATE TABLE t (x TEXT);\nINSERT INTO nowhere VALUES (1);\n"));
        QCOMPARE(failure([&] { Database::createFromScript(badPath, bad); }, badPath),
                 Failure(Kind::NotDatabase));
        QVERIFY(!QFileInfo::exists(badPath));
    }

    void jetLikePatterns_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("matches"); // in name order, separated by blanks
        QTest::newRow("contains") << "*田*" << "前田 吉田 山田太郎 本田 田 田中";
        QTest::newRow("one character then") << "?田" << "前田 吉田 本田";
        QTest::newRow("starts with") << "田*" << "田 田中";
        QTest::newRow("no wildcard is exact") << "田" << "田";
        QTest::newRow("literal percent") << "100%" << "100%";
        QTest::newRow("contains a percent") << "*%*" << "100% 50%off";
        QTest::newRow("literal underscore") << "a_b" << "a_b";
        QTest::newRow("underscore between any") << "?_?" << "a_b";
        QTest::newRow("literal backslash") << "C:\\dir" << "C:\\dir";
        QTest::newRow("contains a backslash") << "*\\*" << "C:\\dir";
        QTest::newRow("everything")
            << "*" << "100% 100円 50%off C:\\dir C:xdir a_b axb 前田 吉田 山田太郎 本田 田 田中";
    }

    void jetLikePatterns() {
        QFETCH(QString, pattern);
        auto db = freshMain();
        const QStringList names = {"山田太郎", "田中", "吉田", "本田", "前田", "田", "100%", "100円",
                                   "50%off", "a_b", "axb", "C:\\dir", "C:xdir"};
        for (const QString& name : names)
            insertCustomer(*db, name, name);
        const QString sql = "SELECT Name FROM 顧客 WHERE Name LIKE ? ESCAPE '\\' ORDER BY Name";
        QTEST(column(db->select(sql, {JetLikeToSql(pattern)}), "Name").join(' '), "matches");
    }

    void recordSetFindAndFields() {
        auto db = freshMain();
        RecordSet rs = db->select("SELECT Code, Name FROM 顧客 ORDER BY Code");
        QCOMPARE(rs.RecordCount(), 0);
        QCOMPARE(walk(rs, "0LF"), (QStringList{"empty", "empty", "empty"}));
        QVERIFY(!rs.value("Code").isValid());
        rs.FindFirst("Code", "001");
        QVERIFY(rs.NoMatch());
        // List windows write column titles even for an empty result.
        QCOMPARE(rs.fields(), (QStringList{"Code", "Name"}));
        insertCustomer(*db, "001", "山田", 5, 0);
        insertCustomer(*db, "002", "田中", 8, 1);
        insertCustomer(*db, "003", "吉田", 10, 1);
        rs = db->select("SELECT * FROM 顧客 ORDER BY Code");
        // Field names as the windows spell them, in any case.
        QCOMPARE(rs.text("CODE"), "001");
        QCOMPARE(rs.text("name"), "山田");
        QCOMPARE(rs.number("excise"), 5.0);
        QCOMPARE(rs.fieldIndex("nAmE"), rs.fields().indexOf("Name"));
        QCOMPARE(rs.fieldIndex("NoSuchField"), -1);
        QVERIFY(!rs.value("NoSuchField").isValid());
        // Searches start at the top; a failure keeps the position, a later success clears NoMatch.
        const auto found = [&] { return (rs.NoMatch() ? "none, at " : "") + rs.text("Code"); };
        rs.MoveLast();
        rs.FindFirst("name", "田中");
        QCOMPARE(found(), "002");
        rs.MoveLast();
        rs.FindFirst("Fraction", 1); // an integer column against an int
        QCOMPARE(found(), "002");
        rs.FindFirst("Excise", 10); // a real column against an int
        QCOMPARE(found(), "003");
        rs.Move(1);
        rs.FindFirst("Name", "鈴木");
        QCOMPARE(found(), "none, at 002");
        rs.FindFirst("NoSuchField", "山田");
        QCOMPARE(found(), "none, at 002");
        rs.FindFirst([](const RecordSet& r) { return r.number("Excise") > 6; });
        QCOMPARE(found(), "002");
    }

    void recordSetNavigationAndClone() {
        auto db = freshMain();
        for (const char* code : {"001", "002", "003"})
            insertCustomer(*db, code);
        RecordSet rs = db->select("SELECT * FROM 顧客 ORDER BY Code");
        QCOMPARE(rs.RecordCount(), 3);
        QCOMPARE(rs.text("Code"), "001");
        // History grids walk back from the last record; moves past either end stop just outside.
        QCOMPARE(walk(rs, "LPPPPN"), (QStringList{"003", "002", "001", "bof", "bof", "001"}));
        QCOMPARE(walk(rs, "LNNP"), (QStringList{"003", "eof", "eof", "003"}));
        QCOMPARE(walk(rs, "13-"), (QStringList{"002", "eof", "bof"}));
        QVERIFY(!rs.value("Code").isValid());
        // A clone starts at the top and moves and searches on its own.
        rs.MoveLast();
        RecordSet clone = rs.Clone();
        QCOMPARE(clone.RecordCount(), 3);
        QCOMPARE(walk(clone, "N"), QStringList{"002"});
        clone.FindFirst("Code", "nothing");
        QCOMPARE(rs.text("Code"), "003");
        QVERIFY(!rs.NoMatch());
        rs.MoveFirst();
        QCOMPARE(clone.text("Code"), "002");
    }
};

KIVORA_TEST(TestDatabase)
#include "tst_database.moc"
