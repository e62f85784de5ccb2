#include "app/CopyCommand.h"

#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/ServerCopy.h"

#include <QTextStream>
#include <cstring>
#include <stdexcept>

namespace {

const char* const CopyOption = "--copy-to-server";

} // namespace

bool IsCopyCommand(int argc, char* argv[]) {
    return argc > 1 && std::strcmp(argv[1], CopyOption) == 0;
}

int RunCopyCommand(const QStringList& arguments, const QString& installFolder, QTextStream& out,
                   QTextStream& err) {
    if ((arguments.size() != 3 && arguments.size() != 4) ||
        arguments.at(1) != QLatin1String(CopyOption)) {
        err << QStringLiteral("使い方: Kivora --copy-to-server \"host=... port=... dbname=... "
                              "user=...\" [データファイル]")
            << Qt::endl;
        return 1;
    }
    ServerDatabase server;
    try {
        server = ServerDatabase::parse(arguments.at(2));
    } catch (const std::invalid_argument& e) {
        // A password among them is refused too: it belongs in ~/.pgpass.
        err << QStringLiteral("接続先の指定を読めません(%1)｡host、port、dbname、user だけを"
                              "指定してください｡パスワードは ~/.pgpass に書いてください｡")
                   .arg(QString::fromUtf8(e.what()))
            << Qt::endl;
        return 1;
    }
    QString file = arguments.value(3);
    if (file.isEmpty()) {
        AppState state;
        SetFolders(state, installFolder);
        file = state.DbNames[DbSlot::Main];
    }
    try {
        const ServerCopyCounts counts = CopyToServer(file, server);
        qint64 total = 0;
        for (const ServerCopyCount& count : counts) {
            out << count.table << '\t' << count.rows << Qt::endl;
            total += count.rows;
        }
        out << QStringLiteral("%1 の %2 表、合わせて %3 行を %4 へ写しました｡")
                   .arg(file)
                   .arg(counts.size())
                   .arg(total)
                   .arg(server.display())
            << Qt::endl;
        return 0;
    } catch (const ServerCopyError& e) {
        err << e.userMessage() << Qt::endl << e.detail() << Qt::endl;
        return 1;
    }
}
