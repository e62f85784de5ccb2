// Moving an office's main database file to an empty database on a PostgreSQL server: the
// same rows in every table, the carried ledger sums not counted twice, the file left as
// it was, and nothing on the server after a refusal or a failure half-way. Needs a
// server named by KIVORA_TEST_PG; without it every case is skipped.
#include "app/CopyCommand.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "core/ServerCopy.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every row of `table` as text, sorted, in the file's column order: numbers to the last
// digit whatever type the engine hands back, NULL apart from an empty text.
QStringList rows(const Database& db, const QString& table, const QStringList& columns) {
    QStringList out;
    const RecordSet rs = db.select(u"SELECT %1 FROM %2"_s.arg(columns.join(u','), table));
    for (int r = 0; r < rs.RecordCount(); ++r) {
        QStringList row;
        for (const QVariant& v : rs.row(r)) {
            const int type = v.typeId();
            const bool number =
                type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong;
            row << (v.isNull() ? u"NULL"_s
                    : number   ? QString::number(v.toDouble(), 'g', 17)
                               : u"'%1'"_s.arg(v.toString()));
        }
        out << row.join(u'|');
    }
    out.sort();
    return out;
}

bool holdsNoTable(const ServerDatabase& server) {
    const Database db(server, QString());
    return db.tableNames().isEmpty() && !db.tableExists(u"kivora_schema_version"_s);
}

} // namespace

class TestServerCopy : public QObject {
    Q_OBJECT

    std::optional<TestEnv> m_env;
    QString m_file;

    // Three rows in every table that the scripts leave empty, in every column: texts with
    // quotes, dates, amounts beyond a 4-byte number, and a row of NULLs where allowed.
    // The ledger rows fall before the carry date, so the file's triggers keep sums.
    void fill() {
        Database db(m_file, MainDbMarkerTable());
        db.exec(u"UPDATE 売掛繰越日 SET CarryYMD = 20240401"_s);
        for (const QString& table : db.tableNames()) {
            if (db.scalar(u"SELECT count(*) FROM "_s + table).toInt() > 0)
                continue;
            const RecordSet info = db.select(
                u"SELECT name, type, \"notnull\" OR pk FROM pragma_table_info(?)"_s, {table});
            for (int r = 0; r < 3; ++r) {
                QStringList names, marks;
                QVariantList values;
                for (int c = 0; c < info.RecordCount(); ++c) {
                    const QVariantList& col = info.row(c);
                    names << col[0].toString();
                    marks << u"?"_s;
                    const QString type = col[1].toString();
                    if (r == 2 && !col[2].toBool())
                        values << QVariant();
                    else if (type == u"INTEGER")
                        values << 20240101 + r * 100 + c;
                    else if (type == u"REAL")
                        values << 98765432101.25 + r * 1000 + c;
                    else
                        values << u"%1 '値' %2"_s.arg(col[0].toString()).arg(r);
                }
                db.exec(u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(table, names.join(u','),
                                                                 marks.join(u',')),
                        values);
            }
        }
    }

private slots:
    void init() {
        if (!TestEnv::testServer())
            QSKIP(TestEnv::noServerMessage());
        m_env.emplace(TestEnv::None);
        m_file = DbFileName(m_env->dataFolder(), DbSlot::Main);
        SchemaUpgrade::CreateMainDatabase(m_file, TestEnv::sourceFile(u"data/main.sql"_s));
    }

    void cleanup() { m_env.reset(); }

    void copiesEveryRowOnce() {
        fill();
        const QByteArray before = bytes(m_file);
        const ServerDatabase target = m_env->makeServerDatabase();
        const ServerCopyCounts counts = CopyToServer(m_file, target);
        QCOMPARE(bytes(m_file), before);

        const Database file(m_file, MainDbMarkerTable());
        Database server(target, MainDbMarkerTable());
        QCOMPARE(server.schemaVersion(), SchemaUpgrade::ProgramVersion());
        const QStringList tables = file.tableNames();
        QCOMPARE(counts.size(), tables.size());
        for (int i = 0; i < tables.size(); ++i) {
            const QString& table = tables[i];
            const QStringList columns =
                file.select(u"SELECT * FROM %1 LIMIT 0"_s.arg(table)).fields();
            const QStringList expected = rows(file, table, columns);
            QVERIFY2(!expected.isEmpty(), qPrintable(table));
            QCOMPARE(rows(server, table, columns), expected);
            QCOMPARE(counts[i].table, table);
            QCOMPARE(counts[i].rows, expected.size());
        }
        // The sums came over as the file kept them, and the server keeps them from now on.
        const QString sums = u"SELECT Price FROM 売掛繰越 WHERE UserCode = ?"_s;
        const QVariant code = file.scalar(u"SELECT UserCode FROM 売掛繰越"_s);
        const double carried = file.scalar(sums, {code}).toDouble();
        QVERIFY(carried > 98765432101.0);
        server.exec(u"INSERT INTO 売掛 (UserCode, SaleYMD, Price) VALUES (?, 20240101, 7)"_s,
                    {code});
        QCOMPARE(server.scalar(sums, {code}).toDouble(), carried + 7);
    }

    // An older file is copied at this program's version; the file itself is not upgraded.
    void olderFileStaysAsItWas() {
        QFile::remove(m_file);
        Database::createFromScript(m_file, TestEnv::sourceFile(u"data/main.sql"_s));
        Database(m_file, MainDbMarkerTable())
            .exec(u"INSERT INTO 顧客 (Code, Name) VALUES ('7', '旧版')"_s);
        const QByteArray before = bytes(m_file);
        const ServerDatabase target = m_env->makeServerDatabase();
        CopyToServer(m_file, target);
        QCOMPARE(bytes(m_file), before);
        const Database server(target, MainDbMarkerTable());
        QCOMPARE(server.schemaVersion(), SchemaUpgrade::ProgramVersion());
        QCOMPARE(server.scalar(u"SELECT Name FROM 顧客 WHERE Code = '7'"_s).toString(), u"旧版"_s);
        QVERIFY(server.tableExists(u"売掛繰越"_s));
    }

    void refusalsAndFailuresLeaveTheServerAsItWas() {
        const ServerDatabase target = m_env->makeServerDatabase();
        const auto refused = [&](const QString& expected) {
            try {
                CopyToServer(m_file, target);
                QFAIL("the copy went through");
            } catch (const ServerCopyError& e) {
                QVERIFY2(e.userMessage().contains(expected), qPrintable(e.userMessage()));
            }
        };
        {
            Database(m_file, MainDbMarkerTable())
                .setSchemaVersion(SchemaUpgrade::ProgramVersion() + 1);
            const QByteArray before = bytes(m_file);
            refused(u"新しい版"_s);
            QCOMPARE(bytes(m_file), before);
            QVERIFY(holdsNoTable(target));
            Database(m_file, MainDbMarkerTable()).setSchemaVersion(SchemaUpgrade::ProgramVersion());
        }
        // A value the server will not take, in a table well after the first ones.
        Database(m_file, MainDbMarkerTable())
            .exec(u"INSERT INTO 顧客 (Code, ClosingDay) VALUES ('1', '末日')"_s);
        refused(u"表「顧客」の行"_s);
        QVERIFY(holdsNoTable(target));

        {
            Database other(target, QString());
            other.exec(u"CREATE TABLE 他の表 (x INTEGER)"_s);
            other.exec(u"INSERT INTO 他の表 (x) VALUES (5)"_s);
        }
        Database(m_file, MainDbMarkerTable()).exec(u"DELETE FROM 顧客"_s);
        refused(u"既に表があります"_s);
        const Database server(target, u"他の表"_s);
        QCOMPARE(server.tableNames(), QStringList{u"他の表"_s});
        QCOMPARE(server.scalar(u"SELECT x FROM 他の表"_s).toInt(), 5);
        QCOMPARE(server.schemaVersion(), 0);
    }

    void commandLine() {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const auto run = [&](const QStringList& arguments) {
            out.clear();
            err.clear();
            return RunCopyCommand(QStringList{u"Kivora"_s, u"--copy-to-server"_s} + arguments,
                                  m_env->installFolder(), outStream, errStream);
        };
        const ServerDatabase target = m_env->makeServerDatabase();
        const QString where = u"host=%1 port=%2 dbname=%3 user=%4"_s.arg(target.host)
                                  .arg(target.port)
                                  .arg(target.database, target.user);
        QCOMPARE(run({where + u" password=x"_s}), 1);
        QVERIFY(err.contains(u"~/.pgpass"_s));
        QVERIFY(holdsNoTable(target));
        // The installation's own file by default.
        QCOMPARE(run({where}), 0);
        const QStringList lines = out.trimmed().split(u'\n');
        QCOMPARE(lines.size(), Database(m_file, MainDbMarkerTable()).tableNames().size() + 1);
        QVERIFY(lines.contains(u"税率\t2"_s));
        QVERIFY(lines.last().contains(u"写しました"_s));
        QVERIFY(err.isEmpty());
        QCOMPARE(run({where, m_file}), 1);
        QVERIFY(err.contains(u"既に表があります"_s));
    }
};

KIVORA_TEST(TestServerCopy)
#include "tst_servercopy.moc"
