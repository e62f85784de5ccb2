// Creates a database file from one of the schema scripts, for the build's DataFile
// folder. An existing file is a user's data and is never touched.
#include "core/Database.h"
#include "core/SchemaUpgrade.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    // --upgrade: the main database, whose base schema is followed by the upgrade steps.
    const bool upgrade = args.size() == 4 && args[3] == QStringLiteral("--upgrade");
    if (args.size() != 3 && !upgrade) {
        std::fprintf(stderr, "usage: kivora_initdb SCRIPT.sql DATABASE [--upgrade]\n");
        return 2;
    }
    const QString script = args[1];
    const QString target = args[2];
    if (QFileInfo::exists(target)) {
        std::printf("%s exists, left as it is\n", qPrintable(target));
        return 0;
    }
    try {
        if (upgrade)
            SchemaUpgrade::CreateMainDatabase(target, script);
        else
            Database::createFromScript(target, script);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "kivora_initdb: %s: %s\n", qPrintable(e.file()),
                     qPrintable(e.detail()));
        return 1;
    }
    std::printf("created %s\n", qPrintable(target));
    return 0;
}
