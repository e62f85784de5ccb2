#pragma once
#include <QString>
#include <QStringList>

// Pictures of the program's windows for the help guide: the program is started on a
// private copy of fresh databases holding a small shop's sample data, each window is
// opened through the menus a user would use, filled, saved as OUTDIR/<name>.png and
// closed again. The user's own data and settings are never touched.
namespace GuideShots {

// The pictures made, by name (the guide refers to images/<name>.png).
QStringList Names();

// `sourceDir` holds data/*.sql, `installFolder` the built DataFile folder (only its
// postal-code directory is copied). Returns the number of pictures that failed.
int MakeAll(const QString& sourceDir, const QString& installFolder, const QString& outDir);

} // namespace GuideShots
