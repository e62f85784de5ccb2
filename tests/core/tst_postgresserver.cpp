// The main database on a PostgreSQL server, through the same database layer as the
// SQLite files: the schema and its version, amounts to the yen, the carried ledger sums
// kept by the server's own triggers, and transactions that leave nothing half written.
// Needs a server named by KIVORA_TEST_PG (scripts/pg-cluster.sh starts one); without it
// every case is skipped, and CTest reports the class as skipped, not passed.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QString column(const Database& db, const QString& sql, const QVariantList& values = {}) {
    QStringList out;
    for (RecordSet rs = db.select(sql, values); !rs.Eof(); rs.MoveNext())
        out << rs.value(0).toString();
    return out.join(' ');
}

QStringList lowerSorted(QStringList names) {
    for (QString& name : names)
        name = name.toLower();
    names.sort();
    return names;
}

QString carried(const Database& db) {
    return column(db, u"SELECT UserCode || ':' || CAST(Price AS INTEGER) || '/' || "
                      u"CAST(Receive AS INTEGER) FROM 売掛繰越 ORDER BY UserCode"_s);
}

void ledgerRow(Database& db, const QString& code, int ymd, double price, double receive) {
    db.exec(u"INSERT INTO 売掛 (UserCode, SaleYMD, Price, Receive) VALUES (?, ?, ?, ?)"_s,
            {code, ymd, price, receive});
}

} // namespace

class TestPostgresServer : public QObject {
    Q_OBJECT

    std::optional<TestEnv> m_env;
    std::unique_ptr<Database> m_db;

private slots:
    void init() {
        if (!TestEnv::testServer())
            QSKIP(TestEnv::noServerMessage());
        m_env.emplace(TestEnv::MainDb);
        m_db = m_env->openMain();
    }

    void cleanup() {
        m_db.reset();
        m_env.reset();
    }

    void freshDatabaseMatchesTheFile() {
        QCOMPARE(m_db->engine(), Engine::PostgreSQL);
        QCOMPARE(m_db->schemaVersion(), SchemaUpgrade::ProgramVersion());
        const Database file(DbFileName(m_env->dataFolder(), 0), MainDbMarkerTable());
        QCOMPARE(file.engine(), Engine::SQLite);
        const QStringList names = m_db->tableNames();
        // The same tables, the version table not among them; only the case differs.
        QCOMPARE(lowerSorted(names), lowerSorted(file.tableNames()));
        QVERIFY(names.contains(u"売掛繰越"_s));
        QVERIFY(m_db->tableExists(u"売掛繰越日"_s));
        QVERIFY(!m_db->tableExists(u"売掛繰越なし"_s));
        // Upgrading a database that is up to date changes nothing.
        SchemaUpgrade::Upgrade(*m_db);
        QCOMPARE(m_db->schemaVersion(), SchemaUpgrade::ProgramVersion());
    }

    void amountsKeepEveryYen() {
        const double amounts[] = {16777217.0, 123456789.0, 98765432101.0, -2147483649.0};
        for (double amount : amounts)
            ledgerRow(*m_db, u"A"_s, 20240101, amount, amount / 2);
        const RecordSet rs = m_db->select(u"SELECT Price, Receive FROM 売掛 ORDER BY SaleYMD"_s);
        QCOMPARE(rs.RecordCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(rs.row(i).value(0).toDouble(), amounts[i]);
            QCOMPARE(rs.row(i).value(1).toDouble(), amounts[i] / 2);
        }
        double sum = 0;
        m_db->forEach(u"SELECT UserCode, Price FROM 売掛 WHERE UserCode = ?"_s, {u"A"_s},
                      [&](const Database::Row& row) {
                          QCOMPARE(row.text(0), u"A"_s);
                          sum += row.number(1);
                      });
        QCOMPARE(sum, 16777217.0 + 123456789.0 + 98765432101.0 - 2147483649.0);
    }

    // The server's triggers keep the same sums as the file's, change for change.
    void carriedSumsFollowTheLedger() {
        Database file(DbFileName(m_env->dataFolder(), 0), MainDbMarkerTable());
        for (Database* db : {m_db.get(), &file}) {
            db->exec(u"UPDATE 売掛繰越日 SET CarryYMD = 20240401"_s);
            ledgerRow(*db, u"A"_s, 20240301, 1000, 0);
            ledgerRow(*db, u"A"_s, 20240315, 500, 200);
            ledgerRow(*db, u"B"_s, 20240310, 7000, 7000);
            ledgerRow(*db, u"A"_s, 20240401, 9999, 0); // on the date: not carried
            ledgerRow(*db, u"C"_s, 20240501, 300, 0);
        }
        QCOMPARE(carried(*m_db), u"A:1500/200 B:7000/7000"_s);
        for (Database* db : {m_db.get(), &file}) {
            // Across the date both ways, to another customer, deleted.
            db->exec(u"UPDATE 売掛 SET SaleYMD = 20240501 WHERE UserCode = 'A' AND Price = 500"_s);
            db->exec(u"UPDATE 売掛 SET SaleYMD = 20240101 WHERE UserCode = 'C'"_s);
            db->exec(u"UPDATE 売掛 SET UserCode = 'C' WHERE UserCode = 'B'"_s);
            db->exec(u"DELETE FROM 売掛 WHERE UserCode = 'A' AND Price = 1000"_s);
            db->exec(u"UPDATE 売掛 SET Price = NULL WHERE UserCode = 'A' AND Price = 9999"_s);
        }
        QCOMPARE(carried(*m_db), u"A:0/0 B:0/0 C:7300/7000"_s);
        QCOMPARE(carried(*m_db), carried(file));
    }

    void failedStatementUndoesOnlyItsTransaction() {
        {
            Transaction outer(*m_db);
            m_db->exec(u"INSERT INTO 顧客 (Code, Name) VALUES (?, ?)"_s, {u"1"_s, u"残る"_s});
            try {
                Transaction inner(*m_db);
                m_db->exec(u"INSERT INTO 顧客 (Code, Name) VALUES (?, ?)"_s, {u"2"_s, u"消える"_s});
                m_db->exec(u"INSERT INTO 存在しない表 (x) VALUES (1)"_s);
                inner.commit();
                QFAIL("a statement on a missing table went through");
            } catch (const DatabaseError& e) {
                QCOMPARE(e.kind(), DatabaseError::Kind::NotDatabase);
            }
            // The server would refuse everything after an error unless the savepoint
            // was rolled back.
            m_db->exec(u"INSERT INTO 顧客 (Code, Name) VALUES (?, ?)"_s, {u"3"_s, u"残る"_s});
            outer.commit();
        }
        QCOMPARE(column(*m_db, u"SELECT Code FROM 顧客 ORDER BY Code"_s), u"1 3"_s);
        {
            Transaction dropped(*m_db);
            m_db->exec(u"DELETE FROM 顧客"_s);
            m_db->setSchemaVersion(99);
        }
        QCOMPARE(m_db->transactionDepth(), 0);
        QCOMPARE(column(*m_db, u"SELECT Code FROM 顧客 ORDER BY Code"_s), u"1 3"_s);
        QCOMPARE(m_db->schemaVersion(), SchemaUpgrade::ProgramVersion());
    }

    void typedTextIsNeverSql() {
        const QString name = u"O'Brien'); DROP TABLE 顧客; -- 100%_\\"_s;
        m_db->exec(u"INSERT INTO 顧客 (Code, Name) VALUES (?, ?)"_s, {u"1"_s, name});
        m_db->exec(u"INSERT INTO 顧客 (Code, Name) VALUES (?, ?)"_s, {u"2"_s, u"100 x"_s});
        QCOMPARE(m_db->scalar(u"SELECT Name FROM 顧客 WHERE Code = ?"_s, {u"1"_s}).toString(),
                 name);
        // "%" and "_" typed by the user match only themselves.
        const QString sql = u"SELECT Code FROM 顧客 WHERE Name LIKE ? ESCAPE '\\' ORDER BY Code"_s;
        QCOMPARE(column(*m_db, sql, {JetLikeToSql(u"*100%_\\"_s)}), u"1"_s);
        QCOMPARE(column(*m_db, sql, {JetLikeToSql(u"*100*"_s)}), u"1 2"_s);
        QCOMPARE(column(*m_db, sql, {JetLikeToSql(u"100?x"_s)}), u"2"_s);
    }

    void newerDatabaseIsRefused() {
        m_db->setSchemaVersion(SchemaUpgrade::ProgramVersion() + 1);
        try {
            SchemaUpgrade::Upgrade(*m_db);
            QFAIL("a newer database was upgraded");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::Newer);
        }
        QCOMPARE(m_db->schemaVersion(), SchemaUpgrade::ProgramVersion() + 1);
    }

    // An old database is brought up to date on the server as a file is: the steps run,
    // the PostgreSQL form of the ledger step among them.
    void olderDatabaseIsUpgraded() {
        const ServerDatabase empty = m_env->makeServerDatabase();
        Database::createFromScript(empty, TestEnv::sourceFile(u"data/main.sql"_s));
        Database old(empty, MainDbMarkerTable());
        QCOMPARE(old.schemaVersion(), 0);
        QVERIFY(!old.tableExists(u"売掛繰越"_s));
        SchemaUpgrade::Upgrade(old, u"/nonexistent/copy"_s);
        QCOMPARE(old.schemaVersion(), SchemaUpgrade::ProgramVersion());
        old.exec(u"UPDATE 売掛繰越日 SET CarryYMD = 20240101"_s);
        ledgerRow(old, u"Z"_s, 20231231, 25000000, 1);
        QCOMPARE(carried(old), u"Z:25000000/1"_s);
    }

    void foreignDatabasesAreRefused() {
        const ServerDatabase empty = m_env->makeServerDatabase();
        try {
            Database db(empty, MainDbMarkerTable());
            QFAIL("an empty database opened as ours");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::NotDatabase);
            QCOMPARE(e.file(), empty.display());
        }
        try {
            Database::createFromScript(*m_env->serverMain(),
                                       TestEnv::sourceFile(u"data/main.sql"_s));
            QFAIL("a database with tables was filled again");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::CannotOpen);
        }
        try {
            Database db(m_env->serverMain()->withDatabase(u"kivora_no_such_db"_s), QString());
            QFAIL("a missing database opened");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::CannotOpen);
        }
    }
};

KIVORA_TEST(TestPostgresServer)
#include "tst_postgresserver.moc"
