#pragma once
#include <QList>
#include <QString>
#include <stdexcept>

struct ServerDatabase;

// How many rows of one table went to the server, for the user to compare with what he
// knows of his data. The table is named as the file names it.
struct ServerCopyCount {
    QString table;
    int rows = 0;
};
using ServerCopyCounts = QList<ServerCopyCount>;

// Why a copy to the server did not happen. Whatever the cause, the file is as it was and
// the server database holds nothing of the copy.
class ServerCopyError : public std::runtime_error {
public:
    ServerCopyError(QString userMessage, QString detail)
        : std::runtime_error(detail.toStdString()), m_userMessage(std::move(userMessage)),
          m_detail(std::move(detail)) {}
    // What the user is told, in the program's words.
    QString userMessage() const { return m_userMessage; }
    // The engine's own words, for whoever looks after the server.
    QString detail() const { return m_detail; }

private:
    QString m_userMessage;
    QString m_detail;
};

// Moves an office's data from the main database file `mainFile` to `server`, which must
// hold no table yet. The file is never written: a copy of it is brought up to this
// program's schema version and read instead (a file of a newer program is refused). On
// the server the schema and every row are written in a single transaction, and the row
// count of every table is compared before it is committed, so that a failure at any
// point leaves the server database empty. Returns the rows per table, in the file's
// table order. Throws ServerCopyError.
ServerCopyCounts CopyToServer(const QString& mainFile, const ServerDatabase& server);
