#include "core/DataPaths.h"
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

// The database layer is where a user's data can be lost: a refused open must leave the
// file alone, a failed action must leave nothing half written, and typed text must never
// be read as SQL. These tests use real files, as the program does.
namespace {

std::optional<DatabaseError> errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const DatabaseError& e) {
        return e;
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

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT

private slots:
    void missingFileIsNotCreated();
    void foreignFileIsLeftAlone_data();
    void foreignFileIsLeftAlone();
    void databaseWithoutMarkerIsRefused();
    void secondOpenIsRefusedAsLocked();
    void boundValuesAreNeverSql();
    void selectScalarAndExecResults();
    void statementErrors_data();
    void statementErrors();
    void committedWorkPersists();
    void uncommittedWorkRollsBack();
    void nestedTransactions_data();
    void nestedTransactions();
    void splitScript_data();
    void splitScript();
    void createFromScript();
    void jetLikePatterns_data();
    void jetLikePatterns();
    void recordSetOnEmptyResult();
    void recordSetNavigation();
    void recordSetFindAndFields();
    void recordSetCloneIsIndependent();

private:
    // A throwaway SQLite file holding one table of names, for the LIKE tests.
    std::unique_ptr<Database> namesDb(QTemporaryDir& dir, const QStringList& names);
    void insertCustomer(Database& db, const QString& code, const QString& name, double excise = 0,
                        int fraction = 0);
    int customerCount(const Database& db) const {
        return db.scalar(QStringLiteral("SELECT count(*) FROM 顧客")).toInt();
    }
};

void TestDatabase::insertCustomer(Database& db, const QString& code, const QString& name,
                                  double excise, int fraction) {
    db.exec(QStringLiteral("INSERT INTO 顧客 (Code, Name, Excise, Fraction) VALUES (?, ?, ?, ?)"),
            {code, name, excise, fraction});
}

std::unique_ptr<Database> TestDatabase::namesDb(QTemporaryDir& dir, const QStringList& names) {
    const QString script = dir.filePath(QStringLiteral("names.sql"));
    if (!writeFile(script, "CREATE TABLE 名前 (Name TEXT);\n"))
        return nullptr;
    const QString path = dir.filePath(QStringLiteral("names.db"));
    Database::createFromScript(path, script);
    auto db = std::make_unique<Database>(path, QStringLiteral("名前"));
    Transaction tx(*db); // one write to disk instead of one per row
    for (const QString& name : names)
        db->exec(QStringLiteral("INSERT INTO 名前 (Name) VALUES (?)"), {name});
    tx.commit();
    return db;
}

// --- Opening ---------------------------------------------------------------------------

void TestDatabase::missingFileIsNotCreated() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kivora0.MDB"));
    const auto error = errorOf([&] { Database db(path, MainDbMarkerTable()); });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::NotFound);
    QVERIFY(error->userMessage().contains(QStringLiteral("Kivora0.MDB")));
    QVERIFY(!QFileInfo::exists(path));

    // A folder of that name is not a database file either, and stays a folder.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Kivora1.MDB")));
    const QString folder = dir.filePath(QStringLiteral("Kivora1.MDB"));
    const auto folderError = errorOf([&] { Database db(folder, MainDbMarkerTable()); });
    QVERIFY(folderError);
    QCOMPARE(folderError->kind(), DatabaseError::Kind::NotFound);
    QVERIFY(QFileInfo(folder).isDir());
}

void TestDatabase::foreignFileIsLeftAlone_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("short text") << QByteArray("hello\n");
    QTest::newRow("long text") << QByteArray("顧客一覧,山田太郎,03-1234-5678\r\n").repeated(300);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("truncated database header")
        << QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\xff');
}

void TestDatabase::foreignFileIsLeftAlone() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kivora0.MDB"));
    QVERIFY(writeFile(path, bytes));
    const auto error = errorOf([&] { Database db(path, MainDbMarkerTable()); });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::NotDatabase);
    QVERIFY(error->userMessage().contains(QStringLiteral("Kivora0.MDB")));
    QCOMPARE(contents(path), bytes);
    // No journal or lock file left beside it either.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Kivora0.MDB")});
}

void TestDatabase::databaseWithoutMarkerIsRefused() {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("other.sql"));
    QVERIFY(writeFile(script, "CREATE TABLE other (x INTEGER);\nINSERT INTO other VALUES (1);\n"));
    const QString path = dir.filePath(QStringLiteral("Kivora0.MDB"));
    Database::createFromScript(path, script);
    const QByteArray before = contents(path);

    const auto error = errorOf([&] { Database db(path, MainDbMarkerTable()); });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::NotDatabase);
    QVERIFY(error->userMessage().contains(QStringLiteral("Kivora0.MDB")));
    QCOMPARE(contents(path), before);

    // The refusal released the file: it opens at once for the table it does have.
    Database db(path, QStringLiteral("other"));
    QCOMPARE(db.scalar(QStringLiteral("SELECT x FROM other")).toInt(), 1);
}

void TestDatabase::secondOpenIsRefusedAsLocked() {
    TestEnv env(TestEnv::MainDb);
    const QString path = DbFileName(env.dataFolder(), 0);
    auto first = env.openMain();
    insertCustomer(*first, QStringLiteral("001"), QStringLiteral("山田"));

    const auto error = errorOf([&] { Database second(path, MainDbMarkerTable()); });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::Locked);
    QVERIFY(error->userMessage().contains(QFileInfo(path).fileName()));

    // The refused attempt did not disturb the connection that holds the file.
    insertCustomer(*first, QStringLiteral("002"), QStringLiteral("田中"));
    QCOMPARE(customerCount(*first), 2);

    first.reset();
    auto again = env.openMain();
    QCOMPARE(customerCount(*again), 2);
}

// --- Statements ------------------------------------------------------------------------

void TestDatabase::boundValuesAreNeverSql() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    const QStringList names = {
        QStringLiteral("O'Reilly"), QStringLiteral("'); DROP TABLE 顧客; --"),
        QStringLiteral("\"quoted\" ? :name @x $1"), QStringLiteral("改行\r\nと\ttab")};
    for (int i = 0; i < names.size(); ++i)
        insertCustomer(*db, QStringLiteral("00%1").arg(i), names.at(i));

    QVERIFY(db->tableExists(QStringLiteral("顧客")));
    QCOMPARE(customerCount(*db), names.size());
    for (int i = 0; i < names.size(); ++i) {
        const RecordSet rs =
            db->select(QStringLiteral("SELECT Code, Name FROM 顧客 WHERE Name = ?"), {names.at(i)});
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("00%1").arg(i));
        QCOMPARE(rs.text(QStringLiteral("Name")), names.at(i));
    }
    // An empty text is stored as a text, even when the QString is null; only a value
    // without type is NULL.
    db->exec(QStringLiteral("UPDATE 顧客 SET Remark = ?, Kana = ? WHERE Code = '000'"),
             {QString(), QVariant()});
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客 WHERE Code = '000' AND Remark = ''")).toInt(), 1);
    QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客 WHERE Code = '000' AND Kana IS NULL")).toInt(), 1);
}

void TestDatabase::selectScalarAndExecResults() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    insertCustomer(*db, QStringLiteral("002"), QStringLiteral("田中"), 8);
    insertCustomer(*db, QStringLiteral("001"), QStringLiteral("山田"), 5);
    insertCustomer(*db, QStringLiteral("003"), QStringLiteral("吉田"), 10);

    QCOMPARE(db->exec(QStringLiteral("UPDATE 顧客 SET Remark = ? WHERE Excise > ?"), {"高", 6}), 2);
    QCOMPARE(db->exec(QStringLiteral("DELETE FROM 顧客 WHERE Code = ?"), {"999"}), 0);

    const RecordSet rs = db->select(QStringLiteral("SELECT * FROM 顧客 ORDER BY Code"));
    QCOMPARE(rs.RecordCount(), 3);
    QCOMPARE(column(rs, QStringLiteral("Code")), (QStringList{"001", "002", "003"}));
    QCOMPARE(column(rs, QStringLiteral("Remark")), (QStringList{"", "高", "高"}));

    QCOMPARE(db->scalar(QStringLiteral("SELECT SUM(Excise) FROM 顧客")).toDouble(), 23.0);
    // A sum over no rows is a row holding null, which callers count as 0; no row at all
    // is different, and callers tell the two apart.
    const QVariant emptySum =
        db->scalar(QStringLiteral("SELECT SUM(Excise) FROM 顧客 WHERE Code = ?"), {"999"});
    QVERIFY(emptySum.isValid());
    QVERIFY(emptySum.isNull());
    const QVariant noRow =
        db->scalar(QStringLiteral("SELECT Name FROM 顧客 WHERE Code = ?"), {"999"});
    QVERIFY(!noRow.isValid());
}

void TestDatabase::statementErrors_data() {
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QVariantList>("values");
    QTest::newRow("syntax") << "exec"
                            << "INSERT INTO 顧客 VALUES" << QVariantList{};
    QTest::newRow("unknown table") << "exec"
                                   << "INSERT INTO 無い表 (Code) VALUES (?)" << QVariantList{"9"};
    QTest::newRow("missing key") << "exec"
                                 << "INSERT INTO 顧客 (Name) VALUES (?)" << QVariantList{"x"};
    QTest::newRow("duplicate key") << "exec"
                                   << "INSERT INTO 顧客 (Code) VALUES (?)" << QVariantList{"001"};
    QTest::newRow("too few values")
        << "exec"
        << "INSERT INTO 顧客 (Code, Name) VALUES (?, ?)" << QVariantList{"009"};
    QTest::newRow("too many values")
        << "exec"
        << "INSERT INTO 顧客 (Code) VALUES (?)" << QVariantList{"009", "x"};
    QTest::newRow("select unknown column") << "select"
                                           << "SELECT Nothing FROM 顧客" << QVariantList{};
    QTest::newRow("scalar syntax") << "scalar"
                                   << "SELEC 1" << QVariantList{};
}

void TestDatabase::statementErrors() {
    QFETCH(QString, call);
    QFETCH(QString, sql);
    QFETCH(QVariantList, values);
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    insertCustomer(*db, QStringLiteral("001"), QStringLiteral("山田"));

    const auto error = errorOf([&] {
        if (call == QLatin1String("exec"))
            db->exec(sql, values);
        else if (call == QLatin1String("select"))
            db->select(sql, values);
        else
            db->scalar(sql, values);
    });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::Statement);
    QCOMPARE(error->file(), db->path());
    QVERIFY(error->userMessage().contains(db->fileName()));
    // The failed statement changed nothing, and the connection is still usable.
    const RecordSet rs = db->select(QStringLiteral("SELECT Code, Name FROM 顧客"));
    QCOMPARE(rs.RecordCount(), 1);
    QCOMPARE(rs.text(QStringLiteral("Name")), QStringLiteral("山田"));
}

// --- Transactions ----------------------------------------------------------------------

void TestDatabase::committedWorkPersists() {
    TestEnv env(TestEnv::MainDb);
    {
        auto db = env.openMain();
        Transaction tx(*db);
        insertCustomer(*db, QStringLiteral("001"), QStringLiteral("山田"));
        QCOMPARE(db->transactionDepth(), 1);
        tx.commit();
        QCOMPARE(db->transactionDepth(), 0);
    }
    auto db = env.openMain();
    QCOMPARE(customerCount(*db), 1);
}

void TestDatabase::uncommittedWorkRollsBack() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    insertCustomer(*db, QStringLiteral("001"), QStringLiteral("既存"));

    { // an early return
        Transaction tx(*db);
        insertCustomer(*db, QStringLiteral("002"), QStringLiteral("途中"));
        db->exec(QStringLiteral("UPDATE 顧客 SET Name = ? WHERE Code = ?"), {"変更", "001"});
    }
    QCOMPARE(db->transactionDepth(), 0);

    try { // an exception of any kind
        Transaction tx(*db);
        insertCustomer(*db, QStringLiteral("003"), QStringLiteral("途中"));
        throw std::runtime_error("printer gone");
    } catch (const std::runtime_error&) {
    }

    const auto error = errorOf([&] { // a failing statement after some work
        Transaction tx(*db);
        insertCustomer(*db, QStringLiteral("004"), QStringLiteral("途中"));
        insertCustomer(*db, QStringLiteral("001"), QStringLiteral("重複"));
        tx.commit();
    });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::Statement);
    QCOMPARE(db->transactionDepth(), 0);

    // Only the row from before survives, unchanged, even after reopening the file.
    db.reset();
    db = env.openMain();
    const RecordSet rs = db->select(QStringLiteral("SELECT Code, Name FROM 顧客"));
    QCOMPARE(rs.RecordCount(), 1);
    QCOMPARE(rs.text(QStringLiteral("Name")), QStringLiteral("既存"));

    // And the connection starts new transactions normally afterwards.
    Transaction tx(*db);
    insertCustomer(*db, QStringLiteral("005"), QStringLiteral("後"));
    tx.commit();
    QCOMPARE(customerCount(*db), 2);
}

void TestDatabase::nestedTransactions_data() {
    QTest::addColumn<bool>("innerCommits");
    QTest::addColumn<bool>("outerCommits");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("inner rolled back, outer kept") << false << true << QStringList{"A", "C"};
    QTest::newRow("both commit") << true << true << QStringList{"A", "B", "C"};
    QTest::newRow("inner commits, outer rolls back") << true << false << QStringList{};
    QTest::newRow("neither commits") << false << false << QStringList{};
}

void TestDatabase::nestedTransactions() {
    QFETCH(bool, innerCommits);
    QFETCH(bool, outerCommits);
    QFETCH(QStringList, kept);
    TestEnv env(TestEnv::MainDb);
    {
        auto db = env.openMain();
        Transaction outer(*db);
        insertCustomer(*db, QStringLiteral("A"), QStringLiteral("外"));
        {
            Transaction inner(*db);
            QCOMPARE(db->transactionDepth(), 2);
            insertCustomer(*db, QStringLiteral("B"), QStringLiteral("内"));
            if (innerCommits)
                inner.commit();
        }
        QCOMPARE(db->transactionDepth(), 1);
        // The outer transaction goes on after its savepoint, whatever became of it.
        insertCustomer(*db, QStringLiteral("C"), QStringLiteral("外"));
        if (outerCommits)
            outer.commit();
    }
    auto db = env.openMain();
    QCOMPARE(db->transactionDepth(), 0);
    QCOMPARE(column(db->select(QStringLiteral("SELECT Code FROM 顧客 ORDER BY Code")),
                    QStringLiteral("Code")),
             kept);
}

// --- Scripts ---------------------------------------------------------------------------

void TestDatabase::splitScript_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("two statements, comments and blank lines")
        << "-- header; with a semicolon\n\nCREATE TABLE t (x TEXT);\n  -- indented comment\n"
           "INSERT INTO t VALUES ('a');\n"
        << QStringList{"CREATE TABLE t (x TEXT)", "INSERT INTO t VALUES ('a')"};
    QTest::newRow("statement over several lines")
        << "CREATE TABLE t (\n    x TEXT,\n    y INTEGER\n);\n"
        << QStringList{"CREATE TABLE t (\n    x TEXT,\n    y INTEGER\n)"};
    QTest::newRow("semicolon at a line end inside quotes")
        << "INSERT INTO t VALUES ('one;\ntwo');\nINSERT INTO t VALUES ('3');\n"
        << QStringList{"INSERT INTO t VALUES ('one;\ntwo')", "INSERT INTO t VALUES ('3')"};
    QTest::newRow("comment-like and blank lines inside quotes are data")
        << "INSERT INTO t VALUES ('a\n-- not a comment;\n\nb');\n"
        << QStringList{"INSERT INTO t VALUES ('a\n-- not a comment;\n\nb')"};
    QTest::newRow("doubled quote inside a literal")
        << "INSERT INTO t VALUES ('it''s;');\nINSERT INTO t VALUES ('x');\n"
        << QStringList{"INSERT INTO t VALUES ('it''s;')", "INSERT INTO t VALUES ('x')"};
    QTest::newRow("apostrophe in a comment") << "-- don't split here\nSELECT 1;\nSELECT 2;\n"
                                             << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("windows line ends") << "SELECT 1;\r\n-- c\r\nSELECT 2;\r\n"
                                       << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("last statement without terminator")
        << "SELECT 1;\nSELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("only comments") << "-- a\n\n-- b;\n" << QStringList{};
}

void TestDatabase::splitScript() {
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QStringList got = Database::splitScript(script);
    // Whether a statement keeps its terminator does not matter to the engine.
    for (QString& s : got) {
        s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        s = s.trimmed();
        if (s.endsWith(QLatin1Char(';')))
            s.chop(1);
    }
    QCOMPARE(got, statements);
}

void TestDatabase::createFromScript() {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("s.sql"));
    QVERIFY(writeFile(script,
                      "-- test data\nCREATE TABLE t (x TEXT);\n"
                      "INSERT INTO t VALUES ('one;\ntwo');\nINSERT INTO t VALUES ('it''s');\n"));
    const QString path = dir.filePath(QStringLiteral("t.db"));
    Database::createFromScript(path, script);
    {
        Database db(path, QStringLiteral("t"));
        QCOMPARE(
            column(db.select(QStringLiteral("SELECT x FROM t ORDER BY x")), QStringLiteral("x")),
            (QStringList{"it's", "one;\ntwo"}));
    }

    // An existing file is never overwritten.
    const QByteArray before = contents(path);
    QVERIFY(errorOf([&] { Database::createFromScript(path, script); }));
    QCOMPARE(contents(path), before);

    // A script that fails half way leaves no file behind.
    const QString bad = dir.filePath(QStringLiteral("bad.sql"));
    QVERIFY(writeFile(bad, "CREATE TABLE t (x TEXT);\nINSERT INTO nowhere VALUES (1);\n"));
    const QString badPath = dir.filePath(QStringLiteral("bad.db"));
    const auto error = errorOf([&] { Database::createFromScript(badPath, bad); });
    QVERIFY(error);
    QCOMPARE(error->kind(), DatabaseError::Kind::Statement);
    QVERIFY(!QFileInfo::exists(badPath));
}

// --- LIKE patterns ---------------------------------------------------------------------

void TestDatabase::jetLikePatterns_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("matches");

    QTest::newRow("contains") << "*田*"
                              << QStringList{"前田", "吉田", "山田太郎", "本田", "田", "田中"};
    QTest::newRow("one character then") << "?田" << QStringList{"前田", "吉田", "本田"};
    QTest::newRow("starts with") << "田*" << QStringList{"田", "田中"};
    QTest::newRow("no wildcard is exact") << "田" << QStringList{"田"};
    QTest::newRow("literal percent") << "100%" << QStringList{"100%"};
    QTest::newRow("contains a percent") << "*%*" << QStringList{"100%", "50%off"};
    QTest::newRow("literal underscore") << "a_b" << QStringList{"a_b"};
    QTest::newRow("underscore between any") << "?_?" << QStringList{"a_b"};
    QTest::newRow("literal backslash") << "C:\\dir" << QStringList{"C:\\dir"};
    QTest::newRow("contains a backslash") << "*\\*" << QStringList{"C:\\dir"};
    QTest::newRow("everything") << "*"
                                << QStringList{"100%", "100円", "50%off", "C:\\dir", "C:xdir",
                                               "a_b",  "axb",   "前田",   "吉田",    "山田太郎",
                                               "本田", "田",    "田中"};
}

void TestDatabase::jetLikePatterns() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, matches);
    QTemporaryDir dir;
    auto db = namesDb(dir, {"山田太郎", "田中", "吉田", "本田", "前田", "田", "100%", "100円",
                            "50%off", "a_b", "axb", "C:\\dir", "C:xdir"});
    QVERIFY(db);
    const RecordSet rs = db->select(
        QStringLiteral("SELECT Name FROM 名前 WHERE Name LIKE ? ESCAPE '\\' ORDER BY Name"),
        {JetLikeToSql(pattern)});
    QCOMPARE(column(rs, QStringLiteral("Name")), matches);
}

// --- RecordSet -------------------------------------------------------------------------

void TestDatabase::recordSetOnEmptyResult() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    RecordSet rs = db->select(QStringLiteral("SELECT Code, Name FROM 顧客 ORDER BY Code"));
    QCOMPARE(rs.RecordCount(), 0);
    QVERIFY(rs.Bof());
    QVERIFY(rs.Eof());
    // List windows write column titles even for an empty result.
    QCOMPARE(rs.fields(), (QStringList{"Code", "Name"}));
    rs.MoveLast();
    QVERIFY(rs.Bof() && rs.Eof());
    rs.MoveFirst();
    QVERIFY(rs.Bof() && rs.Eof());
    QVERIFY(!rs.value(QStringLiteral("Code")).isValid());
    rs.FindFirst(QStringLiteral("Code"), QStringLiteral("001"));
    QVERIFY(rs.NoMatch());
}

void TestDatabase::recordSetNavigation() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    insertCustomer(*db, QStringLiteral("001"), QStringLiteral("山田"));
    insertCustomer(*db, QStringLiteral("002"), QStringLiteral("田中"));
    insertCustomer(*db, QStringLiteral("003"), QStringLiteral("吉田"));
    RecordSet rs = db->select(QStringLiteral("SELECT * FROM 顧客 ORDER BY Code"));
    QCOMPARE(rs.RecordCount(), 3);
    QVERIFY(!rs.Bof() && !rs.Eof());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("001"));

    // The history grids walk from the last record backwards.
    QStringList backwards;
    for (rs.MoveLast(); !rs.Bof(); rs.MovePrevious())
        backwards << rs.text(QStringLiteral("Code"));
    QCOMPARE(backwards, (QStringList{"003", "002", "001"}));
    QVERIFY(!rs.Eof());
    QVERIFY(!rs.value(QStringLiteral("Code")).isValid());
    rs.MovePrevious(); // already before the first row: stays there
    QVERIFY(rs.Bof());
    rs.MoveNext();
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("001"));

    rs.MoveLast();
    rs.MoveNext();
    QVERIFY(rs.Eof() && !rs.Bof());
    rs.MoveNext(); // already past the last row: stays there
    QVERIFY(rs.Eof());
    rs.MovePrevious();
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("003"));

    rs.Move(1);
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("002"));
    rs.Move(3);
    QVERIFY(rs.Eof());
    rs.Move(-1);
    QVERIFY(rs.Bof());
}

void TestDatabase::recordSetFindAndFields() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    insertCustomer(*db, QStringLiteral("001"), QStringLiteral("山田"), 5, 0);
    insertCustomer(*db, QStringLiteral("002"), QStringLiteral("田中"), 8, 1);
    insertCustomer(*db, QStringLiteral("003"), QStringLiteral("吉田"), 10, 1);
    RecordSet rs = db->select(QStringLiteral("SELECT * FROM 顧客 ORDER BY Code"));

    // Field names as the windows spell them, in any case.
    QCOMPARE(rs.text(QStringLiteral("CODE")), QStringLiteral("001"));
    QCOMPARE(rs.text(QStringLiteral("name")), QStringLiteral("山田"));
    QCOMPARE(rs.number(QStringLiteral("excise")), 5.0);
    QCOMPARE(rs.fieldIndex(QStringLiteral("nAmE")), rs.fieldIndex(QStringLiteral("Name")));
    QVERIFY(rs.fieldIndex(QStringLiteral("Name")) >= 0);
    QCOMPARE(rs.fieldIndex(QStringLiteral("NoSuchField")), -1);
    QVERIFY(!rs.value(QStringLiteral("NoSuchField")).isValid());

    rs.MoveLast();
    rs.FindFirst(QStringLiteral("name"), QStringLiteral("田中"));
    QVERIFY(!rs.NoMatch());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("002"));

    // The search starts at the top, wherever the record set stands.
    rs.MoveLast();
    rs.FindFirst(QStringLiteral("Fraction"), 1); // an integer column against an int
    QVERIFY(!rs.NoMatch());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("002"));

    rs.FindFirst(QStringLiteral("Excise"), 10); // a real column against an int
    QVERIFY(!rs.NoMatch());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("003"));

    // A failed search leaves the position where it was.
    rs.Move(1);
    rs.FindFirst(QStringLiteral("Name"), QStringLiteral("鈴木"));
    QVERIFY(rs.NoMatch());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("002"));
    rs.FindFirst(QStringLiteral("NoSuchField"), QStringLiteral("山田"));
    QVERIFY(rs.NoMatch());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("002"));

    // A later success clears NoMatch again.
    rs.FindFirst([](const RecordSet& r) { return r.number(QStringLiteral("Excise")) > 6; });
    QVERIFY(!rs.NoMatch());
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("002"));
}

void TestDatabase::recordSetCloneIsIndependent() {
    TestEnv env(TestEnv::MainDb);
    auto db = env.openMain();
    for (const char* code : {"001", "002", "003"})
        insertCustomer(*db, QString::fromLatin1(code), QStringLiteral("名"));
    RecordSet rs = db->select(QStringLiteral("SELECT Code FROM 顧客 ORDER BY Code"));
    rs.MoveLast();

    RecordSet clone = rs.Clone();
    QCOMPARE(clone.RecordCount(), 3);
    QCOMPARE(clone.text(QStringLiteral("Code")), QStringLiteral("001"));
    clone.MoveNext();
    clone.FindFirst(QStringLiteral("Code"), QStringLiteral("nothing"));
    QCOMPARE(rs.text(QStringLiteral("Code")), QStringLiteral("003"));
    QVERIFY(!rs.NoMatch());
    rs.MoveFirst();
    QCOMPARE(clone.text(QStringLiteral("Code")), QStringLiteral("002"));
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
