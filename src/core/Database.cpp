#include "core/Database.h"

#include <sqlite3.h>

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <memory>
#include <stdexcept>

namespace {

QString nextConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("kivora-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

// SQLite's primary result codes, as the Qt driver reports them.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADb = 26;

DatabaseError::Kind kindOf(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    if (code == SqliteBusy || code == SqliteLocked)
        return DatabaseError::Kind::Locked;
    if (code == SqliteCorrupt || code == SqliteNotADb)
        return DatabaseError::Kind::NotDatabase;
    return DatabaseError::Kind::CannotOpen;
}

bool hasDatabaseHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // let the open report why the file cannot be read
    static const QByteArray magic("SQLite format 3\0", 16);
    return file.size() >= 100 && file.read(16) == magic;
}

// The table that keeps a server database's schema version; SQLite has its header for it.
const QString VersionTable = QStringLiteral("kivora_schema_version");

// A name as PostgreSQL keeps it when it is written without quotes: ASCII letters in lower
// case, everything else (the Japanese names) as it is.
QString FoldName(const QString& name) {
    QString out = name;
    for (QChar& c : out) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return out;
}

// Statements PostgreSQL can prepare; anything else (schema changes, transaction
// control, CREATE DATABASE) is run as it is.
bool Preparable(const QString& sql) {
    static const char* const heads[] = {"SELECT", "INSERT", "UPDATE", "DELETE", "WITH", "VALUES"};
    const QString trimmed = sql.trimmed();
    for (const char* head : heads) {
        const QLatin1String word(head);
        if (trimmed.startsWith(word, Qt::CaseInsensitive) &&
            (trimmed.size() == word.size() || !trimmed.at(word.size()).isLetterOrNumber()))
            return true;
    }
    return false;
}

} // namespace

// Statements prepared once per text and kept for the connection's life.
struct Database::Statements {
    QHash<QString, QSqlQuery> queries;
    // The last statement run without preparing (PostgreSQL only).
    QSqlQuery direct;
};

Database::Database(const QString& path, const QString& requiredTable)
    : m_statements(std::make_unique<Statements>()), m_path(path), m_requiredTable(requiredTable),
      m_connection(nextConnectionName()) {
    open();
}

Database::Database(const ServerDatabase& server, const QString& requiredTable)
    : m_statements(std::make_unique<Statements>()), m_engine(Engine::PostgreSQL), m_server(server),
      m_path(server.display()), m_requiredTable(requiredTable), m_connection(nextConnectionName()) {
    open();
}

void Database::open() {
    if (m_engine == Engine::PostgreSQL)
        openServer();
    else
        openFile();
}

void Database::openFile() {
    const QString& path = m_path;
    const QString& requiredTable = m_requiredTable;
    if (!QFileInfo(path).isFile())
        throw DatabaseError(DatabaseError::Kind::NotFound, path, QStringLiteral("file not found"));
    // The engine takes an empty or short file for a new database and may write to it
    // when the lock is taken. A file that is not ours must stay exactly as it is, so its
    // header is checked before the engine sees it.
    if (!requiredTable.isEmpty() && !hasDatabaseHeader(path))
        throw DatabaseError(DatabaseError::Kind::NotDatabase, path,
                            QStringLiteral("no database header"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        // mode=rw: never create a file that vanished between the check and the open.
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=0"));
        if (!db.open()) {
            const DatabaseError error(kindOf(db.lastError()), path, db.lastError().text());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            throw error;
        }
        // Exclusive locking keeps the lock taken by the first write for as long as the
        // file is open; the empty exclusive transaction takes it now, so that a file in
        // use elsewhere is refused at once instead of failing at the first save.
        const char* steps[] = {"PRAGMA locking_mode=EXCLUSIVE", "BEGIN EXCLUSIVE", "COMMIT"};
        for (const char* step : steps) {
            QSqlQuery q(db);
            if (!q.exec(QString::fromLatin1(step))) {
                const DatabaseError error(kindOf(q.lastError()), path, q.lastError().text());
                q = QSqlQuery();
                db.close();
                db = QSqlDatabase();
                QSqlDatabase::removeDatabase(m_connection);
                throw error;
            }
        }
    }
    bool found = false;
    try {
        found = tableExists(requiredTable);
    } catch (const DatabaseError& e) {
        closeConnection();
        throw DatabaseError(e.kind() == DatabaseError::Kind::Statement
                                ? DatabaseError::Kind::NotDatabase
                                : e.kind(),
                            path, e.detail());
    }
    if (!found) {
        closeConnection();
        throw DatabaseError(DatabaseError::Kind::NotDatabase, path,
                            QStringLiteral("table %1 missing").arg(requiredTable));
    }
}

Database::~Database() {
    closeConnection();
}

void Database::close() {
    if (m_depth != 0)
        throw statementError(QStringLiteral("close"),
                             QStringLiteral("cannot close inside a transaction"));
    closeConnection();
}

void Database::reopen() {
    if (isOpen())
        return;
    m_connection = nextConnectionName();
    open();
}

bool Database::isOpen() const {
    return QSqlDatabase::contains(m_connection) &&
           QSqlDatabase::database(m_connection, false).isOpen();
}

void Database::compactInto(const QString& path) {
    if (m_engine == Engine::PostgreSQL)
        throw statementError(QStringLiteral("compact"),
                             QStringLiteral("a server database is compacted on the server"));
    exec(QStringLiteral("VACUUM INTO ?"), {QFileInfo(path).absoluteFilePath()});
}

int Database::checkFile(const QString& path, const QString& requiredTable) {
    if (!QFileInfo(path).isFile())
        throw DatabaseError(DatabaseError::Kind::NotFound, path, QStringLiteral("file not found"));
    if (!hasDatabaseHeader(path))
        throw DatabaseError(DatabaseError::Kind::NotDatabase, path,
                            QStringLiteral("no database header"));
    const QString connection = nextConnectionName();
    int version = 0;
    QString failure;
    DatabaseError::Kind kind = DatabaseError::Kind::NotDatabase;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        // Read-only: a file being checked (a backup, a file to restore) stays as it is.
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=ro"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=0"));
        if (!db.open()) {
            kind = kindOf(db.lastError());
            failure = db.lastError().text();
        } else {
            QSqlQuery q(db);
            const auto fail = [&](const QString& detail) {
                if (q.lastError().isValid())
                    kind = kindOf(q.lastError());
                failure = detail;
            };
            if (!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next()) {
                fail(q.lastError().text());
            } else if (q.value(0).toString() != QLatin1String("ok")) {
                failure = q.value(0).toString();
            } else {
                q.prepare(QStringLiteral(
                    "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"));
                q.addBindValue(requiredTable);
                if (!q.exec() || !q.next() || q.value(0).toInt() == 0)
                    fail(QStringLiteral("table %1 missing").arg(requiredTable));
                else if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
                    fail(q.lastError().text());
                else
                    version = q.value(0).toInt();
            }
            q = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        throw DatabaseError(kind, path, failure);
    return version;
}

QStringList Database::tableNames() const {
    // Byte order, as SQLite sorts, whatever the server's collation.
    const RecordSet rs =
        m_engine == Engine::PostgreSQL
            ? select(QStringLiteral("SELECT tablename::text FROM pg_tables "
                                    "WHERE schemaname = current_schema() AND tablename <> ? "
                                    "ORDER BY tablename COLLATE \"C\""),
                     {VersionTable})
            : select(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                    "AND substr(name, 1, 7) <> 'sqlite_' ORDER BY name"));
    QStringList names;
    for (int i = 0; i < rs.RecordCount(); ++i)
        names << rs.row(i).value(0).toString();
    return names;
}

void Database::closeConnection() {
    m_statements->queries.clear();
    m_statements->direct = QSqlQuery();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QString Database::fileName() const {
    return QFileInfo(m_path).fileName();
}

DatabaseError Database::statementError(const QString& sql, const QString& detail,
                                       DatabaseError::Kind kind) const {
    return DatabaseError(kind, m_path, detail + QStringLiteral(" [") + sql + QStringLiteral("]"));
}

void Database::reconnectIfLost() const {
    if (!m_lost || m_depth != 0)
        return;
    // Only the connection is replaced; the object, and whoever holds it, stay.
    auto* self = const_cast<Database*>(this);
    self->closeConnection();
    self->m_connection = nextConnectionName();
    // Cleared before opening, whose own statements come through here; set again when
    // the server is still away, so that the next statement tries once more.
    m_lost = false;
    try {
        self->open();
    } catch (...) {
        m_lost = true;
        throw;
    }
}

QSqlQuery& Database::runDirect(const QString& sql) const {
    QSqlQuery& q = m_statements->direct;
    q = QSqlQuery(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        const QSqlError error = q.lastError();
        q = QSqlQuery();
        throw statementError(sql, error.text(), failureKind(error));
    }
    return q;
}

QSqlQuery& Database::run(const QString& sql, const QVariantList& values) const {
    reconnectIfLost();
    if (m_engine == Engine::PostgreSQL && !Preparable(sql)) {
        if (!values.isEmpty())
            throw statementError(sql, QStringLiteral("values for a statement that takes none"));
        return runDirect(sql);
    }
    // A cache that grows without bound would keep every search text ever typed; the
    // statements worth keeping are the few fixed ones, so the cache is simply emptied
    // when it gets large.
    if (m_statements->queries.size() > 64)
        m_statements->queries.clear();
    auto it = m_statements->queries.find(sql);
    if (it == m_statements->queries.end()) {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        q.setForwardOnly(true);
        if (!q.prepare(sql)) {
            const QString detail = q.lastError().text();
            // The program's statements are fixed: one that names a table or column the
            // file lacks means the file is damaged or not ours, not that a write failed.
            if (detail.contains(QLatin1String("no such table")) ||
                detail.contains(QLatin1String("no such column")) ||
                (m_engine == Engine::PostgreSQL &&
                 detail.contains(QLatin1String("does not exist"))))
                throw statementError(sql, detail, DatabaseError::Kind::NotDatabase);
            throw statementError(sql, detail);
        }
        it = m_statements->queries.insert(sql, q);
    }
    QSqlQuery& q = it.value();
    for (int i = 0; i < values.size(); ++i) {
        // The driver stores a null QString as NULL; a text the program writes is a text,
        // possibly empty. Only a value without type (QVariant()) means NULL.
        const QVariant& v = values[i];
        if (v.typeId() == QMetaType::QString && v.toString().isNull())
            q.bindValue(i, QStringLiteral(""));
        else
            q.bindValue(i, v);
    }
    if (!q.exec()) {
        const QSqlError error = q.lastError();
        q.finish();
        throw statementError(sql, error.text(), failureKind(error));
    }
    return q;
}

RecordSet Database::select(const QString& sql, const QVariantList& values) const {
    QSqlQuery& q = run(sql, values);
    const QSqlRecord record = q.record();
    QStringList fields;
    for (int i = 0; i < record.count(); ++i)
        fields << record.fieldName(i);
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        row.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row << q.value(i);
        rows << row;
    }
    const QSqlError error = q.lastError();
    q.finish();
    if (error.isValid())
        throw statementError(sql, error.text());
    return RecordSet(fields, rows);
}

namespace {

// A row of the engine's own statement: texts and numbers straight from its buffers.
class SqliteRow : public Database::Row {
public:
    explicit SqliteRow(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    QString text(int column) const override {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)),
                                 sqlite3_column_bytes(m_stmt, column));
    }
    double number(int column) const override { return sqlite3_column_double(m_stmt, column); }

private:
    sqlite3_stmt* m_stmt;
};

// A row of any other engine, through Qt SQL.
class QueryRow : public Database::Row {
public:
    explicit QueryRow(const QSqlQuery& query) : m_query(query) {}
    QString text(int column) const override { return m_query.value(column).toString(); }
    double number(int column) const override { return m_query.value(column).toDouble(); }

private:
    const QSqlQuery& m_query;
};

// The engine's handle of a Qt SQLite connection; null for any other engine.
sqlite3* SqliteHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

} // namespace

void Database::forEach(const QString& sql, const QVariantList& values,
                       const std::function<void(const Row&)>& row) const {
    sqlite3* handle = SqliteHandle(QSqlDatabase::database(m_connection, false));
    if (!handle) {
        QSqlQuery& q = run(sql, values);
        const QueryRow current(q);
        while (q.next())
            row(current);
        const QSqlError error = q.lastError();
        q.finish();
        if (error.isValid())
            throw statementError(sql, error.text());
        return;
    }
    sqlite3_stmt* stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        throw statementError(sql, QString::fromUtf8(sqlite3_errmsg(handle)));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> owner(stmt, sqlite3_finalize);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Bool:
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(stmt, i + 1, v.toDouble());
            break;
        default:
            if (!v.isValid()) {
                sqlite3_bind_null(stmt, i + 1);
            } else {
                const QByteArray utf8 = v.toString().toUtf8();
                sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()),
                                  SQLITE_TRANSIENT);
            }
            break;
        }
    }
    const SqliteRow current(stmt);
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(stmt)) == SQLITE_ROW)
        row(current);
    if (status != SQLITE_DONE)
        throw statementError(sql, QString::fromUtf8(sqlite3_errmsg(handle)));
}

QVariant Database::scalar(const QString& sql, const QVariantList& values) const {
    QSqlQuery& q = run(sql, values);
    QVariant value;
    if (q.next())
        value = q.value(0);
    const QSqlError error = q.lastError();
    q.finish();
    if (error.isValid())
        throw statementError(sql, error.text());
    return value;
}

int Database::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery& q = run(sql, values);
    const int affected = q.numRowsAffected();
    q.finish();
    return affected;
}

void Database::createFromScript(const QString& path, const QString& scriptFile) {
    if (QFileInfo::exists(path))
        throw DatabaseError(DatabaseError::Kind::CannotOpen, path,
                            QStringLiteral("refusing to overwrite an existing file"));
    const QString connection = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            const QString detail = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connection);
            throw DatabaseError(DatabaseError::Kind::CannotOpen, path, detail);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    // The file exists now (empty); open it as any other database to run the script.
    try {
        Database db(path, QString());
        db.executeScript(scriptFile);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

int Database::schemaVersion() const {
    if (m_engine == Engine::PostgreSQL) {
        if (!tableExists(VersionTable))
            return 0;
        return scalar(QStringLiteral("SELECT version FROM ") + VersionTable).toInt();
    }
    return scalar(QStringLiteral("PRAGMA user_version")).toInt();
}

void Database::setSchemaVersion(int version) {
    if (m_engine == Engine::PostgreSQL) {
        // Both steps in one transaction, so that the table never stands empty.
        Transaction tx(*this);
        if (!tableExists(VersionTable))
            exec(QStringLiteral("CREATE TABLE %1 (version INTEGER NOT NULL)").arg(VersionTable));
        exec(QStringLiteral("DELETE FROM ") + VersionTable);
        exec(QStringLiteral("INSERT INTO %1 (version) VALUES (?)").arg(VersionTable), {version});
        tx.commit();
        return;
    }
    // A pragma takes no bound value; the version is the program's own number.
    exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
}

bool Database::tableExists(const QString& table) const {
    if (m_engine == Engine::PostgreSQL) {
        if (table.isEmpty()) {
            scalar(QStringLiteral("SELECT count(*) FROM pg_tables"));
            return true;
        }
        return scalar(QStringLiteral("SELECT count(*) FROM pg_tables "
                                     "WHERE schemaname = current_schema() AND tablename = ?"),
                      {FoldName(table)})
                   .toInt() > 0;
    }
    if (table.isEmpty()) {
        // Reading the schema is enough to prove the file is a database.
        scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        return true;
    }
    return scalar(QStringLiteral(
                      "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"),
                  {table})
               .toInt() > 0;
}

QString JetLikeToSql(const QString& pattern) {
    QString out;
    out.reserve(pattern.size() + 4);
    for (QChar c : pattern) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('*')) {
            out += QLatin1Char('%');
        } else if (c == QLatin1Char('?')) {
            out += QLatin1Char('_');
        } else {
            out += c;
        }
    }
    return out;
}
