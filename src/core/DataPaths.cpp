#include "core/DataPaths.h"

#include "core/AppState.h"
#include "core/Database.h"

#include <QDir>
#include <QFileInfo>

void SetFolders(AppState& state, const QString& installFolder) {
    state.InstallFolder = QDir::cleanPath(installFolder);
    state.DataFolder = state.InstallFolder + QStringLiteral("/DataFile/");
    state.TextFolder = state.InstallFolder + QStringLiteral("/TextFile/");
    state.DbNames = {DbFileName(state.DataFolder, DbSlot::Main),
                     DbFileName(state.DataFolder, DbSlot::Layout), QString(), QString()};
    state.PostCodePath = state.DataFolder + QStringLiteral("PostCode.mdb");
}

QString DbFileName(const QString& dataFolder, int slot) {
    return dataFolder + QStringLiteral("Kivora") + QString::number(slot) + QStringLiteral(".MDB");
}

std::unique_ptr<Database> OpenMainDatabase(const AppState& state) {
    if (state.MainServer.isEmpty())
        return std::make_unique<Database>(state.DbNames[DbSlot::Main], MainDbMarkerTable());
    ServerDatabase server;
    try {
        server = ServerDatabase::parse(state.MainServer);
    } catch (const std::invalid_argument& e) {
        throw DatabaseError(DatabaseError::Kind::CannotOpen, state.MainServer,
                            QString::fromUtf8(e.what()));
    }
    return std::make_unique<Database>(server, MainDbMarkerTable());
}

QString MainDbMarkerTable() {
    return QStringLiteral("顧客");
}
QString LayoutDbMarkerTable() {
    return QStringLiteral("伝票種類");
}
QString PostDbMarkerTable() {
    return QStringLiteral("郵便区分");
}

bool IsWritablePath(const QString& path) {
    const QFileInfo info(path);
    // (The mode bits, not WriteUser: that one says what this user may do, and the
    // system lets an administrator write anything.)
    constexpr QFile::Permissions anyWrite =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}
