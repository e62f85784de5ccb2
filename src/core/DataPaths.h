#pragma once
#include <QString>
#include <memory>

struct AppState;
class Database;

// Works out the folders and data file names below the installation folder.
void SetFolders(AppState& state, const QString& installFolder);

// Name of database slot `slot` (DbSlot): DataFolder + "Kivora" + slot + ".MDB".
QString DbFileName(const QString& dataFolder, int slot);

// Names of the tables that prove a file is the database it should be.
QString MainDbMarkerTable();
QString LayoutDbMarkerTable();
QString PostDbMarkerTable();

// Opens the main database: on the server AppState::MainServer names, else the file
// DbNames[Main]. Throws DatabaseError; a server text that is not of libpq's
// "key=value" form throws DatabaseError (CannotOpen) as well.
std::unique_ptr<Database> OpenMainDatabase(const AppState& state);

// True when the program may write `path`: a file (or folder) that carries no write
// permission at all is write-protected even for a user the system would let through.
bool IsWritablePath(const QString& path);
