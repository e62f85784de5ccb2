// A database on a PostgreSQL server: where it is found, how it is opened, and how the
// server's failures are told apart.
#include "core/Database.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <stdexcept>

namespace {

// A statement on a server that failed because another seat got there first: a key it
// has just taken, or a row both wanted to change in an order that cannot stand
// (serialisation failure, deadlock). The action's transaction is rolled back and the
// user may simply try again. A SQLite file has one seat: there a taken key is a fault.
bool IsConflict(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("23505") || code == QLatin1String("40001") ||
           code == QLatin1String("40P01");
}

} // namespace

ServerDatabase ServerDatabase::parse(const QString& keyValues) {
    ServerDatabase server;
    const QStringList pairs = keyValues.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw std::invalid_argument("not key=value: " + pair.toStdString());
        const QString key = pair.left(eq);
        const QString value = pair.mid(eq + 1);
        if (key == QLatin1String("host")) {
            server.host = value;
        } else if (key == QLatin1String("port")) {
            bool ok = false;
            server.port = value.toInt(&ok);
            if (!ok || server.port <= 0 || server.port > 65535)
                throw std::invalid_argument("bad port: " + value.toStdString());
        } else if (key == QLatin1String("dbname")) {
            server.database = value;
        } else if (key == QLatin1String("user")) {
            server.user = value;
        } else {
            // A password in particular is refused: it belongs in ~/.pgpass.
            throw std::invalid_argument("unknown key: " + key.toStdString());
        }
    }
    if (server.database.isEmpty())
        throw std::invalid_argument("no dbname");
    return server;
}

QString ServerDatabase::keyValues() const {
    QStringList pairs;
    if (!host.isEmpty())
        pairs << QStringLiteral("host=") + host;
    pairs << QStringLiteral("port=%1").arg(port) << QStringLiteral("dbname=") + database;
    if (!user.isEmpty())
        pairs << QStringLiteral("user=") + user;
    return pairs.join(QLatin1Char(' '));
}

ServerDatabase ServerDatabase::withDatabase(const QString& name) const {
    ServerDatabase other = *this;
    other.database = name;
    return other;
}

QString ServerDatabase::display() const {
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

void Database::openServer() {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        db.setHostName(m_server.host);
        db.setPort(m_server.port);
        db.setDatabaseName(m_server.database);
        db.setUserName(m_server.user);
        // No password is set: libpq looks it up in ~/.pgpass or PGPASSFILE itself.
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
        if (!db.open()) {
            const DatabaseError error(DatabaseError::Kind::CannotOpen, m_path,
                                      db.lastError().text());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            throw error;
        }
    }
    bool found = false;
    try {
        // The server's notices (such as "table does not exist, skipping") are not the
        // user's business.
        exec(QStringLiteral("SET client_min_messages = warning"));
        found = tableExists(m_requiredTable);
    } catch (const DatabaseError& e) {
        closeConnection();
        throw DatabaseError(DatabaseError::Kind::NotDatabase, m_path, e.detail());
    }
    if (!found) {
        closeConnection();
        throw DatabaseError(DatabaseError::Kind::NotDatabase, m_path,
                            QStringLiteral("table %1 missing").arg(m_requiredTable));
    }
}

DatabaseError::Kind Database::failureKind(const QSqlError& error) const {
    if (m_engine == Engine::PostgreSQL) {
        if (IsConflict(error))
            return DatabaseError::Kind::Conflict;
        // libpq's words when the server ends or drops the connection, and the state
        // codes of a server shutting down or an administrator ending the session.
        const QString text = error.text();
        const QString code = error.nativeErrorCode();
        if (error.type() == QSqlError::ConnectionError || code.startsWith(QLatin1String("08")) ||
            code == QLatin1String("57P01") || code == QLatin1String("57P02") ||
            code == QLatin1String("57P03") ||
            text.contains(QLatin1String("server closed the connection")) ||
            text.contains(QLatin1String("no connection to the server")) ||
            text.contains(QLatin1String("terminating connection")) ||
            text.contains(QLatin1String("could not receive data from server")) ||
            text.contains(QLatin1String("could not send data to server"))) {
            m_lost = true;
            return DatabaseError::Kind::Disconnected;
        }
    }
    return DatabaseError::Kind::Statement;
}
