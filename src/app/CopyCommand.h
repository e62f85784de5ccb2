#pragma once
#include <QStringList>

class QTextStream;

// True when the program was started to copy its data to a server, not to show a window.
bool IsCopyCommand(int argc, char* argv[]);

// `Kivora --copy-to-server "host=... port=... dbname=... user=..." [FILE]`: copies the
// main database file FILE (the installation's own by default) to an empty database on a
// PostgreSQL server (see CopyToServer). Prints one line per table with its rows and a
// closing line on `out`, or the reason on `err`; returns the exit status (0 when copied).
// No password is taken: libpq reads it from ~/.pgpass.
int RunCopyCommand(const QStringList& arguments, const QString& installFolder, QTextStream& out,
                   QTextStream& err);
