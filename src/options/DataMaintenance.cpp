#include "options/DataMaintenance.h"

#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

// The tables an initialisation keeps: the company information, and the date from which
// the ledger's sums are kept (with the ledger and its sums emptied, every kept sum is
// zero whatever that date, so it stays as it is).
const QStringList KeptTables = {QStringLiteral("自社情報"), QStringLiteral("売掛繰越日")};

QString WithSeparator(const QString& folder) {
    QString out = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (!out.endsWith(QLatin1Char('/')))
        out += QLatin1Char('/');
    return out;
}

QString MarkerTable(int slot) {
    return slot == DbSlot::Main ? MainDbMarkerTable() : LayoutDbMarkerTable();
}

QString NameOf(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Puts `from` in place of `to` in one step: a reader sees either the old file or the new
// one, never a half-written file, and on failure the old one is untouched.
void ReplaceFile(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(QFileInfo(from).filesystemAbsoluteFilePath(),
                            QFileInfo(to).filesystemAbsoluteFilePath(), error);
    if (error) {
        QFile::remove(from);
        throw MaintenanceError(QStringLiteral("ファイル「%1」を置き換えられませんでした｡"
                                              "ファイルは元のままです｡")
                                   .arg(NameOf(to)));
    }
}

// The main database released for the files to be copied: the shared record set and the
// connection go, and the database is opened again when the work ends, however it ends.
class ReleasedMain {
public:
    ReleasedMain(AppState& state, Database& db) : m_db(db) {
        state.RsWork.clear();
        m_db.close();
    }
    ~ReleasedMain() {
        try {
            m_db.reopen();
        } catch (...) {
            // The failure that brought us here is already on its way to the user; the
            // window finds the database closed and says so.
        }
    }
    // Opens it again now, so that a file that cannot be opened is reported.
    void reopen() { m_db.reopen(); }
    void close() { m_db.close(); }

    ReleasedMain(const ReleasedMain&) = delete;
    ReleasedMain& operator=(const ReleasedMain&) = delete;

private:
    Database& m_db;
};

} // namespace

Database& DataMaintenance::main() const {
    if (!m_state.DbMain)
        throw MaintenanceError(QStringLiteral("データベースが開かれていません｡"));
    return *m_state.DbMain;
}

bool DataMaintenance::IsDataFolder(const QString& folder) const {
    return WithSeparator(folder).compare(WithSeparator(m_state.DataFolder), Qt::CaseInsensitive) ==
           0;
}

bool DataMaintenance::HasBackupFiles(const QString& folder) {
    return !QDir(folder).entryList({QStringLiteral("Kivora*.MDB")}, QDir::Files).isEmpty();
}

QString DataMaintenance::SafetyCopyPath(const QString& dataFile) {
    return dataFile + QStringLiteral(".restore.bak");
}

QString DataMaintenance::CompactionFile() const {
    return m_state.DataFolder + QStringLiteral("Temp.MDB");
}

void DataMaintenance::requireWritable(const QString& folder) const {
    if (!IsWritablePath(folder))
        throw MaintenanceError(QStringLiteral("フォルダ「%1」に書き込めません(読み取り専用か、"
                                              "書き込みの権限がありません)｡")
                                   .arg(NameOf(QDir::cleanPath(folder))));
}

void DataMaintenance::copyChecked(const QString& source, const QString& target, int slot) const {
    // The copy is made beside the target and checked before it replaces the target, so
    // that a failed copy never costs an earlier good file.
    const QString scratch = target + QStringLiteral(".tmp");
    QFile::remove(scratch);
    if (!QFile::copy(source, scratch)) {
        QFile::remove(scratch);
        throw MaintenanceError(QStringLiteral("ファイル「%1」を「%2」にコピーできませんでした｡")
                                   .arg(NameOf(source), NameOf(target)));
    }
    bool sound = QFileInfo(scratch).size() == QFileInfo(source).size();
    try {
        if (sound)
            Database::checkFile(scratch, MarkerTable(slot));
    } catch (const DatabaseError&) {
        sound = false;
    }
    if (!sound) {
        QFile::remove(scratch);
        throw MaintenanceError(QStringLiteral("ファイル「%1」のコピーが元のファイルと"
                                              "一致しませんでした｡")
                                   .arg(NameOf(source)));
    }
    ReplaceFile(scratch, target);
}

void DataMaintenance::Backup(const QString& folder) {
    const QString target = WithSeparator(folder);
    requireWritable(target);
    ReleasedMain released(m_state, main());
    for (int slot : {DbSlot::Main, DbSlot::Layout})
        copyChecked(m_state.DbNames[slot], DbFileName(target, slot), slot);
    released.reopen();
}

void DataMaintenance::Restore(const QString& folder) {
    const QString source = WithSeparator(folder);
    // Everything that can be checked is checked before a file is touched: both files
    // present and intact, and the main one no newer than this program.
    const QString sourceMain = DbFileName(source, DbSlot::Main);
    const int version = Database::checkFile(sourceMain, MainDbMarkerTable());
    if (version > SchemaUpgrade::ProgramVersion())
        throw DatabaseError(DatabaseError::Kind::Newer, sourceMain,
                            QStringLiteral("schema version %1").arg(version));
    Database::checkFile(DbFileName(source, DbSlot::Layout), LayoutDbMarkerTable());
    requireWritable(m_state.DataFolder);

    Database& db = main();
    ReleasedMain released(m_state, db);
    for (int slot : {DbSlot::Main, DbSlot::Layout})
        copyChecked(m_state.DbNames[slot], SafetyCopyPath(m_state.DbNames[slot]), slot);
    try {
        for (int slot : {DbSlot::Main, DbSlot::Layout})
            copyChecked(DbFileName(source, slot), m_state.DbNames[slot], slot);
        released.reopen();
        const QString path = m_state.DbNames[DbSlot::Main];
        SchemaUpgrade::Upgrade(db, SchemaUpgrade::CopyPath(path, db.schemaVersion()));
    } catch (...) {
        // Back to the files as they were; the destructor opens the main one again.
        released.close();
        for (int slot : {DbSlot::Main, DbSlot::Layout}) {
            try {
                copyChecked(SafetyCopyPath(m_state.DbNames[slot]), m_state.DbNames[slot], slot);
            } catch (const MaintenanceError&) {
                // The safety copy stays beside the file for the user to put back.
            }
        }
        throw;
    }
}

void DataMaintenance::Compact() {
    Database& db = main();
    requireWritable(m_state.DataFolder);
    const QString scratch = CompactionFile();
    // A Temp.MDB left by an interrupted run is nobody's data.
    QFile::remove(scratch);
    m_state.RsWork.clear();
    try {
        db.compactInto(scratch);
        Database::checkFile(scratch, MainDbMarkerTable());
    } catch (const DatabaseError&) {
        QFile::remove(scratch);
        throw MaintenanceError(
            QStringLiteral("最適化できませんでした｡データベースは元のままです｡"));
    }
    ReleasedMain released(m_state, db);
    ReplaceFile(scratch, m_state.DbNames[DbSlot::Main]);
    released.reopen();
}

void DataMaintenance::Initialise(const TaxRateRows& rates) {
    Database& db = main();
    m_state.RsWork.clear();
    Transaction transaction(db);
    for (const QString& table : db.tableNames()) {
        // The names come from the database's own catalogue; quoted as identifiers.
        if (!KeptTables.contains(table))
            db.exec(QStringLiteral("DELETE FROM \"%1\"").arg(table));
    }
    TaxRateStore(db).Write(rates);
    transaction.commit();
}
