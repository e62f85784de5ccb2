#include "core/DataPaths.h"

#include "core/AppState.h"

#include <QDir>

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

QString MainDbMarkerTable() {
    return QStringLiteral("顧客");
}
QString LayoutDbMarkerTable() {
    return QStringLiteral("伝票種類");
}
QString PostDbMarkerTable() {
    return QStringLiteral("郵便区分");
}
