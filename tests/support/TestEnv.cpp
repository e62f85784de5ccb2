#include "support/TestEnv.h"

#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"

#include <QDir>

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

QString TestEnv::sourceFile(const QString& relative) {
    return QStringLiteral(KIVORA_SOURCE_DIR) + QLatin1Char('/') + relative;
}

void TestEnv::createFiles(int files) {
    if (files & MainDb)
        SchemaUpgrade::CreateMainDatabase(DbFileName(dataFolder(), 0),
                                          sourceFile(QStringLiteral("data/main.sql")));
    if (files & LayoutDb)
        Database::createFromScript(DbFileName(dataFolder(), 1),
                                   sourceFile(QStringLiteral("data/layout.sql")));
    if (files & PostDb)
        Database::createFromScript(dataFolder() + QStringLiteral("PostCode.mdb"),
                                   sourceFile(QStringLiteral("tests/support/postcode.sql")));
}

std::unique_ptr<Database> TestEnv::openMain() const {
    return std::make_unique<Database>(DbFileName(dataFolder(), 0), MainDbMarkerTable());
}
