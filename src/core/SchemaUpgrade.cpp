#include "core/SchemaUpgrade.h"

#include "core/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The steps are compiled into the logic library; a static library's resources are
// linked only when something asks for them by name.
static void InitUpgradeResources() {
    Q_INIT_RESOURCE(upgrade);
    Q_INIT_RESOURCE(schema);
}

namespace {

// The step files of `folder` in order; step N must be the N-th file.
QStringList StepFiles(const QString& folder) {
    InitUpgradeResources();
    QStringList files = QDir(folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (QString& file : files)
        file = QDir(folder).filePath(file);
    return files;
}

DatabaseError NotUpgraded(const Database& db, const QString& detail) {
    return DatabaseError(DatabaseError::Kind::NotUpgraded, db.path(), detail);
}

} // namespace

namespace SchemaUpgrade {

int ProgramVersion() {
    return static_cast<int>(StepFiles(QStringLiteral(":/upgrade")).size());
}

QString BaseScript() {
    InitUpgradeResources();
    return QStringLiteral(":/schema/main.sql");
}

void CreateMainDatabase(const QString& path, const QString& baseScript) {
    Database::createFromScript(path, baseScript);
    try {
        Database db(path, QString());
        Upgrade(db);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

void CreateMainDatabase(const ServerDatabase& server, const QString& baseScript) {
    // Schema changes are transactional on the server, but the base schema and the steps
    // are separate transactions; a failure leaves the tables behind for whoever made
    // the database to drop it.
    Database::createFromScript(server, baseScript);
    Database db(server, QString());
    Upgrade(db);
}

QString CopyPath(const QString& path, int version) {
    return path + QStringLiteral(".v%1.bak").arg(version);
}

void Upgrade(Database& db, const QString& copyPath, const QString& stepsFolder) {
    const QStringList steps = StepFiles(stepsFolder);
    const int version = db.schemaVersion();
    if (version > steps.size())
        throw DatabaseError(
            DatabaseError::Kind::Newer, db.path(),
            QStringLiteral("schema version %1, program %2").arg(version).arg(steps.size()));
    if (version == steps.size())
        return;
    if (!copyPath.isEmpty() && db.engine() == Engine::SQLite) {
        // An earlier copy of the same version is an earlier, interrupted attempt's; the
        // file has not changed since, so the fresh copy replaces it.
        QFile::remove(copyPath);
        if (!QFile::copy(db.path(), copyPath))
            throw NotUpgraded(db, QStringLiteral("cannot copy to %1").arg(copyPath));
    }
    try {
        Transaction all(db);
        // Two seats starting at once on an older server database: the second waits for
        // the first's upgrade and then finds nothing left to do.
        db.lockKey(QStringLiteral("schema upgrade"));
        for (qsizetype step = db.schemaVersion(); step < steps.size(); ++step) {
            Transaction one(db);
            db.executeScript(steps.at(step));
            db.setSchemaVersion(static_cast<int>(step + 1));
            one.commit();
        }
        all.commit();
    } catch (const DatabaseError& e) {
        throw NotUpgraded(db, e.detail());
    }
}

} // namespace SchemaUpgrade
