#pragma once
#include "masters/TaxRateStore.h"

#include <QString>
#include <stdexcept>

class Database;
struct AppState;

// A file operation of the data maintenance that could not be done. The data is as it was
// before; the text says what failed, in the user's words.
class MaintenanceError : public std::runtime_error {
public:
    explicit MaintenanceError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString userMessage() const { return m_message; }

private:
    QString m_message;
};

// Backup, restore, compaction and initialisation of the data files. Each works on the
// open main database (AppState::DbMain), releases it where the files must be copied or
// replaced, and leaves it open again, also when it fails. A failure throws
// MaintenanceError or DatabaseError and leaves the data files as they were.
class DataMaintenance {
public:
    explicit DataMaintenance(AppState& state) : m_state(state) {}

    // True when `folder` is the data folder itself (compared without regard to case or
    // a trailing separator): backing up into it would overwrite the files being copied.
    bool IsDataFolder(const QString& folder) const;
    // True when `folder` holds data files (Kivora*.MDB).
    static bool HasBackupFiles(const QString& folder);

    // Copies the main and layout databases into `folder` (as Kivora0.MDB and
    // Kivora1.MDB). Each copy is checked (same size, intact) before it replaces an
    // earlier backup there.
    void Backup(const QString& folder);
    // Replaces the main and layout databases with the backup in `folder`. The backup is
    // checked first; the current files are kept beside them (SafetyCopyPath) before
    // they are replaced and put back when anything fails. A backup of an older program
    // is upgraded as at start; one of a newer program is refused.
    void Restore(const QString& folder);
    // Compacts the main database into Temp.MDB, checks it and puts it in place of the
    // main file in one step; on any failure the main file stays as it was.
    void Compact();
    // Empties every table of the main database except the company information, then
    // stores `rates` as the tax rates; one transaction.
    void Initialise(const TaxRateRows& rates);

    // Where Restore keeps a data file as it was before the restore.
    static QString SafetyCopyPath(const QString& dataFile);
    // The scratch file the compaction writes, in the data folder.
    QString CompactionFile() const;

private:
    Database& main() const;
    void copyChecked(const QString& source, const QString& target, int slot) const;
    void requireWritable(const QString& folder) const;

    AppState& m_state;
};
