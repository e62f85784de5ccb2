#include "support/TestEnv.h"

#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "support/ScratchDatabase.h"

#include <QDir>
#include <QLocale>
#include <stdexcept>

TestEnv::TestEnv(int files) {
    QDir().mkpath(dataFolder());
    QDir().mkpath(path(QStringLiteral("runtime")));
    QFile::setPermissions(path(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", path(QStringLiteral("runtime")).toLocal8Bit());
    m_settings = std::make_unique<SettingsStore>(path(QStringLiteral("Norv.ini")));
    state.settings = m_settings.get();
    state.messages = &messages;
    SetFolders(state, installFolder());
    createFiles(files);
}

TestEnv::~TestEnv() {
    if (m_serverDatabases.isEmpty())
        return;
    try {
        Database admin(*testServer(), QString());
        for (const ServerDatabase& db : std::as_const(m_serverDatabases))
            ScratchDatabase::Drop(admin, db.database);
    } catch (const DatabaseError& e) {
        qWarning("TestEnv: could not drop the test databases: %s", qPrintable(e.detail()));
    }
}

std::optional<ServerDatabase> TestEnv::testServer() {
    const QString value = qEnvironmentVariable("KIVORA_TEST_PG");
    if (value.trimmed().isEmpty())
        return std::nullopt;
    try {
        return ServerDatabase::parse(value);
    } catch (const std::invalid_argument& e) {
        // A wrong setting must not quietly turn into "no server": the runs would be
        // skipped while the developer believes they ran.
        qFatal("KIVORA_TEST_PG is not usable (%s): %s", e.what(), qPrintable(value));
        return std::nullopt;
    }
}

const char* TestEnv::noServerMessage() {
    return "KIVORA_TEST_PG is not set: PostgreSQL case not run (start a server with "
           "scripts/pg-cluster.sh)";
}

ServerDatabase TestEnv::makeServerDatabase() {
    const std::optional<ServerDatabase> server = testServer();
    if (!server)
        throw std::logic_error("no test server");
    const QString name = ScratchDatabase::UniqueName(QStringLiteral("kivora_test"));
    Database admin(*server, QString());
    ScratchDatabase::Create(admin, name);
    m_serverDatabases << server->withDatabase(name);
    return m_serverDatabases.last();
}

QString TestEnv::sourceFile(const QString& relative) {
    return QStringLiteral(KIVORA_SOURCE_DIR) + QLatin1Char('/') + relative;
}

void TestEnv::createFiles(int files) {
    if (files & MainDb) {
        SchemaUpgrade::CreateMainDatabase(DbFileName(dataFolder(), 0),
                                          sourceFile(QStringLiteral("data/main.sql")));
        if (testServer()) {
            m_serverMain = makeServerDatabase();
            SchemaUpgrade::CreateMainDatabase(*m_serverMain,
                                              sourceFile(QStringLiteral("data/main.sql")));
            // The program started in this installation finds it there, as a seat would.
            settings().save(QStringLiteral("Server"), m_serverMain->keyValues());
        }
    }
    if (files & LayoutDb)
        Database::createFromScript(DbFileName(dataFolder(), 1),
                                   sourceFile(QStringLiteral("data/layout.sql")));
    if (files & PostDb)
        Database::createFromScript(dataFolder() + QStringLiteral("PostCode.mdb"),
                                   sourceFile(QStringLiteral("tests/support/postcode.sql")));
}

std::unique_ptr<Database> TestEnv::openMain() const {
    if (m_serverMain)
        return std::make_unique<Database>(*m_serverMain, MainDbMarkerTable());
    return std::make_unique<Database>(DbFileName(dataFolder(), 0), MainDbMarkerTable());
}

QStringList TestEnv::rows(const Database& db, const QString& sql, const QVariantList& values,
                          const QString& null) {
    QStringList out;
    for (RecordSet rs = db.select(sql, values); !rs.Eof(); rs.MoveNext()) {
        QStringList cells;
        for (int c = 0; c < rs.fields().size(); ++c) {
            const QVariant v = rs.value(c);
            if (v.isNull())
                cells << null;
            else if (v.typeId() == QMetaType::Bool)
                cells << QString::number(int(v.toBool()));
            else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float)
                cells << QString::number(v.toDouble(), 'f', QLocale::FloatingPointShortest);
            else
                cells << v.toString();
        }
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

FailingWrites::FailingWrites(Database& db, const QString& event, const QString& table,
                             const QString& condition)
    : m_db(db), m_table(table) {
    static QAtomicInt counter;
    m_name = QStringLiteral("test_failing_writes_%1").arg(counter.fetchAndAddRelaxed(1));
    const QString when =
        condition.isEmpty() ? QString() : QStringLiteral(" WHEN (%1)").arg(condition);
    if (db.engine() == Engine::PostgreSQL) {
        // A trigger there calls a function; one serves every table.
        db.exec(QStringLiteral(
            "CREATE OR REPLACE FUNCTION test_failing_write() RETURNS trigger LANGUAGE plpgsql "
            "AS $$ BEGIN RAISE EXCEPTION 'test: % on % refused', TG_OP, TG_TABLE_NAME; END $$"));
        db.exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW%4 EXECUTE "
                               "FUNCTION test_failing_write()")
                    .arg(m_name, event, table, when));
    } else {
        // TEMP: it belongs to this connection only and never stays in the file.
        db.exec(QStringLiteral("CREATE TEMP TRIGGER %1 BEFORE %2 ON %3%4 BEGIN SELECT "
                               "RAISE(ABORT, 'test: write refused'); END")
                    .arg(m_name, event, table, when));
    }
}

FailingWrites::~FailingWrites() {
    try {
        m_db.exec(m_db.engine() == Engine::PostgreSQL
                      ? QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(m_name, m_table)
                      : QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(m_name));
    } catch (const DatabaseError& e) {
        qWarning("FailingWrites: could not drop %s: %s", qPrintable(m_name),
                 qPrintable(e.detail()));
    }
}
