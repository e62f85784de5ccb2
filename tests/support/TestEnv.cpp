#include "support/TestEnv.h"

#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"
#include "support/ScratchDatabase.h"

#include <QDir>
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
