// kivora_postconv [--force] INPUT OUTPUT
// Builds PostCode.mdb from SKK-JISYO.zipcode; see PostalConverter.h.

#include "PostalConverter.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The SQL driver is a plugin, and plugins are only found once an application object
    // exists.
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kivora::postconv::runCommandLine(args, out, err);
}
