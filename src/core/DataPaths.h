#pragma once
#include <QString>

struct AppState;

// Works out the folders and data file names below the installation folder.
void SetFolders(AppState& state, const QString& installFolder);

// Name of database slot `slot` (DbSlot): DataFolder + "Kivora" + slot + ".MDB".
QString DbFileName(const QString& dataFolder, int slot);

// Names of the tables that prove a file is the database it should be.
QString MainDbMarkerTable();
QString LayoutDbMarkerTable();
QString PostDbMarkerTable();

// True when the program may write `path`: a file (or folder) that carries no write
// permission at all is write-protected even for a user the system would let through.
bool IsWritablePath(const QString& path);
