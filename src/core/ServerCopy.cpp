#include "core/ServerCopy.h"

#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SchemaUpgrade.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

namespace {

const QString NothingWritten = QStringLiteral("サーバーには何も書き込んでいません｡");
const QString LeftEmpty = QStringLiteral("サーバーのデータベースは空のままです｡");

// Values bound in one INSERT: rows sent many at a time spare a round trip to the server
// each, which over a network is most of the time a copy takes.
constexpr int ValuesPerStatement = 1000;

// Table and column names go into the statements' text, since a name cannot be a bound
// value. They come from the file, so anything but a plain name is refused instead of
// quoted: the program's own scripts only ever use plain names, unquoted.
bool IsPlainName(const QString& name) {
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_');
    });
}

// A name compared across the engines: the server folds unquoted ASCII names to lower case.
QString NameKey(const QString& name) {
    return name.toLower();
}

// A copy of the user's file in `folder`, brought up to this program's schema, to read
// the rows from: the file itself stays exactly as it was, even when it is older.
std::unique_ptr<Database> UpToDateCopy(const QString& mainFile, const QTemporaryDir& folder) {
    const QString copy = folder.filePath(QFileInfo(mainFile).fileName());
    try {
        // Read-only, and refused while another copy of the program has the file open: it
        // could be half-way through a save when the bytes are copied.
        Database::checkFile(mainFile, MainDbMarkerTable());
        if (!QFile::copy(mainFile, copy) ||
            !QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner))
            throw DatabaseError(DatabaseError::Kind::CannotOpen, mainFile,
                                QStringLiteral("cannot copy to %1").arg(copy));
        auto db = std::make_unique<Database>(copy, MainDbMarkerTable());
        SchemaUpgrade::Upgrade(*db);
        return db;
    } catch (const DatabaseError& e) {
        // Told in the name of the user's file, not of the copy.
        throw ServerCopyError(DatabaseError(e.kind(), mainFile, e.detail()).userMessage() +
                                  NothingWritten,
                              e.detail());
    }
}

QString InsertStatement(const QString& table, const QStringList& columns, int rows) {
    const QString row = QLatin1Char('(') +
                        QStringList(columns.size(), QStringLiteral("?")).join(u", ") +
                        QLatin1Char(')');
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table, columns.join(u", "), QStringList(rows, row).join(u", "));
}

void InsertRows(Database& server, const QString& table, const RecordSet& rows) {
    const QStringList& columns = rows.fields();
    const int perStatement = std::max(1, ValuesPerStatement / int(columns.size()));
    for (int first = 0; first < rows.RecordCount(); first += perStatement) {
        const int count = std::min(perStatement, rows.RecordCount() - first);
        QVariantList values;
        values.reserve(count * columns.size());
        for (int i = first; i < first + count; ++i) {
            // The file's NULL comes back typed (a null text, say), which would be written
            // as an empty text; only a value without a type is written as NULL.
            for (const QVariant& value : rows.row(i))
                values << (value.isNull() ? QVariant() : value);
        }
        server.exec(InsertStatement(table, columns, count), values);
    }
}

} // namespace

ServerCopyCounts CopyToServer(const QString& mainFile, const ServerDatabase& server) {
    const QString fileName = QFileInfo(mainFile).fileName();
    QTemporaryDir folder;
    if (!folder.isValid())
        throw ServerCopyError(
            QStringLiteral("ファイル「%1」を読むための作業用フォルダーを作れませんでした｡")
                    .arg(fileName) +
                NothingWritten,
            folder.errorString());
    const std::unique_ptr<Database> source = UpToDateCopy(mainFile, folder);

    const QString where = server.display();
    std::unique_ptr<Database> target;
    try {
        target = std::make_unique<Database>(server, QString());
    } catch (const DatabaseError& e) {
        throw ServerCopyError(e.userMessage(), e.detail());
    }

    ServerCopyCounts counts;
    // What the user is told when the engine fails in the step under way.
    QString failure;
    try {
        failure = QStringLiteral("サーバーのデータベース「%1」を調べられませんでした｡"
                                 "サーバーのデータベースは変更していません｡")
                      .arg(where);
        // An empty version table, left by an earlier attempt, is taken over as it is.
        if (!target->tableNames().isEmpty() || target->schemaVersion() != 0)
            throw ServerCopyError(
                QStringLiteral("サーバーのデータベース「%1」には既に表があります｡"
                               "写す先には表のない空のデータベースを指定してください｡"
                               "サーバーのデータベースは変更していません｡")
                    .arg(where),
                QStringLiteral("%1 holds tables").arg(where));

        // One transaction from the first table made to the last row counted: the server
        // undoes its schema changes with the rows, so that no failure leaves half an
        // office's data behind for the next attempt to trip over.
        Transaction all(*target);
        failure = QStringLiteral("サーバーのデータベース「%1」に表を作れませんでした｡").arg(where) +
                  LeftEmpty;
        target->executeScript(SchemaUpgrade::BaseScript());
        SchemaUpgrade::Upgrade(*target);

        // Both sides now stand at the same schema version, so they hold the same tables;
        // anything else is a file that was changed by something other than this program.
        const QStringList sourceTables = source->tableNames();
        const QStringList serverTables = target->tableNames();
        QSet<QString> serverKeys;
        for (const QString& table : serverTables)
            serverKeys.insert(NameKey(table));
        QSet<QString> sourceKeys;
        for (const QString& table : sourceTables) {
            if (!IsPlainName(table) || !serverKeys.contains(NameKey(table)))
                throw ServerCopyError(QStringLiteral("ファイル「%1」の表「%2」はこのプログラムの"
                                                     "表と合わないため、写せません｡")
                                              .arg(fileName, table) +
                                          NothingWritten,
                                      QStringLiteral("table %1 not in the schema").arg(table));
            sourceKeys.insert(NameKey(table));
        }
        for (const QString& table : serverTables) {
            if (!sourceKeys.contains(NameKey(table)))
                throw ServerCopyError(QStringLiteral("ファイル「%1」には表「%2」がないため、"
                                                     "写せません｡")
                                              .arg(fileName, table) +
                                          NothingWritten,
                                      QStringLiteral("table %1 missing in the file").arg(table));
        }

        // The rows the scripts deliver (the sample company, the tax rates, the carry date)
        // give way to the file's own. The triggers stay off while the rows go in: the sums
        // they keep are rows of the file too, copied as they are; with a trigger on, every
        // ledger row copied after the carry date would be added to them a second time, and
        // whether it is would hang on the order of the tables.
        for (const QString& table : serverTables) {
            target->exec(QStringLiteral("ALTER TABLE %1 DISABLE TRIGGER USER").arg(table));
            target->exec(QStringLiteral("DELETE FROM %1").arg(table));
        }
        for (const QString& table : sourceTables) {
            failure =
                QStringLiteral("ファイル「%1」の表「%2」を読めませんでした｡").arg(fileName, table) +
                LeftEmpty;
            const RecordSet rows = source->select(QStringLiteral("SELECT * FROM %1").arg(table));
            for (const QString& column : rows.fields()) {
                if (!IsPlainName(column))
                    throw ServerCopyError(
                        QStringLiteral("ファイル「%1」の表「%2」の列「%3」はこのプログラムの"
                                       "ものではないため、写せません｡")
                                .arg(fileName, table, column) +
                            NothingWritten,
                        QStringLiteral("column %1.%2 not plain").arg(table, column));
            }
            failure = QStringLiteral("表「%1」の行をサーバーのデータベースが受け付けません"
                                     "でした｡")
                          .arg(table) +
                      LeftEmpty;
            InsertRows(*target, table, rows);
            counts << ServerCopyCount{table, rows.RecordCount()};
        }

        failure = QStringLiteral("サーバーのデータベース「%1」へ写せませんでした｡").arg(where) +
                  LeftEmpty;
        for (const ServerCopyCount& count : std::as_const(counts)) {
            const int onServer =
                target->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(count.table)).toInt();
            if (onServer != count.rows)
                throw ServerCopyError(
                    QStringLiteral("表「%1」の行数がファイル(%2 行)とサーバー(%3 行)で"
                                   "合いません｡")
                            .arg(count.table)
                            .arg(count.rows)
                            .arg(onServer) +
                        LeftEmpty,
                    QStringLiteral("%1: %2 rows read, %3 on the server")
                        .arg(count.table)
                        .arg(count.rows)
                        .arg(onServer));
        }
        for (const QString& table : serverTables)
            target->exec(QStringLiteral("ALTER TABLE %1 ENABLE TRIGGER USER").arg(table));
        all.commit();
    } catch (const DatabaseError& e) {
        throw ServerCopyError(failure, e.detail());
    }
    return counts;
}
