// What the database layer does for PostgreSQL without needing a server: reading the
// connection settings, and turning the schema scripts into what PostgreSQL accepts.
#include "core/Database.h"
#include "support/TestMain.h"

#include <QtTest>
#include <stdexcept>

using namespace Qt::StringLiterals;

class TestPostgres : public QObject {
    Q_OBJECT

private slots:
    void parseSettings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("display"); // empty: refused
        QTest::newRow("all keys") << u"host=/tmp/s port=5433 dbname=kv user=taro"_s
                                  << u"postgresql://taro@/tmp/s:5433/kv"_s;
        QTest::newRow("default port, extra spaces")
            << u"  dbname=kv   host=db.local user=x "_s << u"postgresql://x@db.local:5432/kv"_s;
        QTest::newRow("password refused") << u"dbname=kv password=secret"_s << QString();
        QTest::newRow("no database") << u"host=h user=u"_s << QString();
        QTest::newRow("port not a number") << u"dbname=kv port=54a"_s << QString();
        QTest::newRow("port out of range") << u"dbname=kv port=70000"_s << QString();
        QTest::newRow("not key=value") << u"dbname=kv oops"_s << QString();
    }

    void parseSettings() {
        QFETCH(QString, text);
        QFETCH(QString, display);
        QString got;
        try {
            got = ServerDatabase::parse(text).display();
        } catch (const std::invalid_argument&) {
            got.clear();
        }
        QCOMPARE(got, display);
    }

    void otherDatabaseOnSameServer() {
        const ServerDatabase a = ServerDatabase::parse(u"host=h port=6000 dbname=a user=u"_s);
        const ServerDatabase b = a.withDatabase(u"b"_s);
        QCOMPARE(b.display(), u"postgresql://u@h:6000/b"_s);
        QCOMPARE(a.database, u"a"_s);
    }

    void realBecomesDouble_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* in, const char* out) {
            QTest::newRow(name) << QString::fromUtf8(in) << QString::fromUtf8(out);
        };
        row("column types", "CREATE TABLE t (a REAL DEFAULT 0, b real, c INTEGER)",
            "CREATE TABLE t (a DOUBLE PRECISION DEFAULT 0, b DOUBLE PRECISION, c INTEGER)");
        row("line ends and commas", "CREATE TABLE t (\n  a REAL,\n  b REAL\n)",
            "CREATE TABLE t (\n  a DOUBLE PRECISION,\n  b DOUBLE PRECISION\n)");
        row("cast", "SELECT CAST(x AS REAL) FROM t", "SELECT CAST(x AS DOUBLE PRECISION) FROM t");
        row("names that contain it", "CREATE TABLE REALM (UNREAL TEXT, REAL_X TEXT, REAL2 TEXT)",
            "CREATE TABLE REALM (UNREAL TEXT, REAL_X TEXT, REAL2 TEXT)");
        row("Japanese names around it", "CREATE TABLE 実REAL額 (x TEXT)",
            "CREATE TABLE 実REAL額 (x TEXT)");
        row("text in quotes", "INSERT INTO t VALUES ('a REAL value', 'it''s REAL')",
            "INSERT INTO t VALUES ('a REAL value', 'it''s REAL')");
        row("after a quoted text", "ALTER TABLE t ADD COLUMN x REAL DEFAULT '0'",
            "ALTER TABLE t ADD COLUMN x DOUBLE PRECISION DEFAULT '0'");
        row("at both ends", "REAL", "DOUBLE PRECISION");
    }

    void realBecomesDouble() {
        QFETCH(QString, statement);
        QTEST(Database::forPostgres(statement), "expected");
    }

    // Every table of the schema scripts keeps its amounts in 8 bytes on the server.
    void schemaScriptsLeaveNoReal() {
        const QString root = QStringLiteral(KIVORA_SOURCE_DIR) + u"/data/"_s;
        const QStringList scripts{u"main.sql"_s, u"upgrade/0001-bill-amounts.sql"_s,
                                  u"upgrade/0004-qualified-invoice.sql"_s,
                                  u"upgrade/pg/0003-ledger-carried-totals.sql"_s};
        int reals = 0;
        for (const QString& name : scripts) {
            QFile file(root + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            const QString text = QString::fromUtf8(file.readAll());
            reals += int(text.count(QRegularExpression(u"\\bREAL\\b"_s)));
            for (const QString& statement : Database::splitScript(text))
                QVERIFY2(
                    !Database::forPostgres(statement).contains(QRegularExpression(u"\\bREAL\\b"_s)),
                    qPrintable(statement));
        }
        // The scripts do use the type; otherwise the check above proves nothing.
        QVERIFY(reals > 10);
    }
};

KIVORA_TEST(TestPostgres)
#include "tst_postgres.moc"
