#pragma once
#include "core/DatabaseError.h"
#include "core/RecordSet.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

class QSqlQuery;
class QSqlError;

// The engines a database can live in. SQLite files beside the program need no set-up and
// stay the default; PostgreSQL lets several seats share one database on a server.
enum class Engine { SQLite, PostgreSQL };

// Where a database on a PostgreSQL server is found. There is deliberately no password:
// libpq reads it from the user's own ~/.pgpass (or the file PGPASSFILE names), so that it
// never stands in the program's settings or in memory of ours.
struct ServerDatabase {
    QString host; // a name, an address or the folder of a local socket
    int port = 5432;
    QString database;
    QString user;

    // Parses libpq's "key=value key=value" form (host, port, dbname, user); unknown keys
    // and a missing database name throw std::invalid_argument.
    static ServerDatabase parse(const QString& keyValues);
    // The libpq "key=value" form parse() reads (empty values left out): how the settings
    // keep it. Values with spaces are not supported by parse() either.
    QString keyValues() const;
    // The same database under another name on the same server.
    ServerDatabase withDatabase(const QString& name) const;
    // "postgresql://user@host:port/database": how errors and logs name it.
    QString display() const;
};

// One open database file. It is opened exclusively: while the program runs, no other
// program can change it behind the program's back. Every statement takes bound values
// only; every failure throws DatabaseError, so none can go unnoticed.
class Database {
public:
    // Opens `path` read-write and exclusively. `requiredTable` must exist in it, which
    // tells a database of ours from an empty or foreign file. Throws DatabaseError with
    // kind NotFound, NotDatabase, Locked or CannotOpen.
    Database(const QString& path, const QString& requiredTable);
    // Opens a database on a PostgreSQL server through Qt's QPSQL driver, with the same
    // check of `requiredTable`. Several seats may open it at once: the one-copy lock of
    // the program stays with each seat's local files. Throws DatabaseError (CannotOpen,
    // NotDatabase).
    Database(const ServerDatabase& server, const QString& requiredTable);
    // Creates a new database file at `path` from a script (see executeScript); fails
    // when the file exists. Used by the build, the tests and the benchmarks.
    static void createFromScript(const QString& path, const QString& scriptFile);
    // Fills an empty database on a server from a script; fails when it holds a table.
    static void createFromScript(const ServerDatabase& server, const QString& scriptFile);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Engine engine() const { return m_engine; }
    // The file's path; for a server database, its display() name.
    QString path() const { return m_path; }
    QString fileName() const;

    // Releases the file (and its lock) so that it can be copied or replaced; every
    // statement fails until reopen(). The object stays, so whoever holds it keeps it.
    void close();
    // Opens the same file again with the same checks as the constructor; the object is
    // left closed when that throws.
    void reopen();
    bool isOpen() const;

    // Writes a compacted copy of the open database to `path`, which must not exist.
    // SQLite only: a server database is compacted and backed up by the server's tools.
    void compactInto(const QString& path);
    // Checks a database file that is not open, without changing it: it must be intact,
    // hold `requiredTable` and be readable as a whole. Returns its schema version.
    // Throws DatabaseError (NotFound, NotDatabase, Locked or CannotOpen).
    static int checkFile(const QString& path, const QString& requiredTable);
    // The tables that hold data, without the engine's own (nor the table that keeps the
    // schema version on a server). PostgreSQL folds unquoted names to lower case, so
    // there an ASCII name comes back in lower case: compare names case-insensitively.
    QStringList tableNames() const;

    RecordSet select(const QString& sql, const QVariantList& values = {}) const;
    // One row handed to forEach(): its values, read as they are asked for.
    class Row {
    public:
        virtual ~Row() = default;
        virtual QString text(int column) const = 0;
        virtual double number(int column) const = 0;
    };
    // Hands each row to `row` in turn without keeping it: for the few reads of tens of
    // thousands of rows that are summed or merged as they come, where making a QVariant
    // of every value would cost more than the query.
    void forEach(const QString& sql, const QVariantList& values,
                 const std::function<void(const Row&)>& row) const;
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& values = {}) const;
    // Runs a statement that changes data; returns the number of rows affected.
    int exec(const QString& sql, const QVariantList& values = {});
    // Runs every statement of a script file: statements end with ";" at the end of a
    // line, "--" comments stand on lines of their own. On PostgreSQL, a file of the same
    // name in the sibling folder "pg" is run instead when there is one (for what only
    // SQLite understands, such as its triggers), and each statement goes through
    // forPostgres().
    void executeScript(const QString& scriptFile);
    static QStringList splitScript(const QString& script);
    // A statement of the schema scripts as PostgreSQL needs it: REAL, an 8-byte number
    // in SQLite, is a 4-byte one there, which would round amounts above 16,777,216 yen;
    // the type becomes DOUBLE PRECISION. Text in quotes and longer names are left alone.
    static QString forPostgres(const QString& statement);

    bool tableExists(const QString& table) const;
    // The schema version the file carries (0 for the base schema), and setting it; set
    // inside a transaction, it is rolled back with it. SQLite keeps it in the file's
    // header (user_version); a server database in a one-row table of its own.
    int schemaVersion() const;
    void setSchemaVersion(int version);

    // Inside a transaction: waits until no other seat's transaction holds `key`, then
    // holds it until this transaction ends. Seats that write the same record take the
    // same key first, so that "is it there?" and the write that follows are one step for
    // them. A server database only: a SQLite file has one seat, holding it exclusively.
    void lockKey(const QString& key);
    // Inside a transaction: keeps other seats from writing `table` until it ends (they
    // wait), for a rebuild of figures from the whole table. A server database only.
    void holdWrites(const QString& table);

    // Depth of open transactions; 0 when none.
    int transactionDepth() const { return m_depth; }

private:
    friend class Transaction;
    friend class ReadSnapshot;
    void begin();
    // Opens a read-only transaction that sees one committed state throughout (server
    // only); false when there is nothing to open (SQLite, or inside a transaction).
    bool beginSnapshot();
    void commit();
    void rollback();
    DatabaseError statementError(const QString& sql, const QString& detail,
                                 DatabaseError::Kind kind = DatabaseError::Kind::Statement) const;
    // Runs `sql` with `values` on a statement prepared once per text and kept, so that
    // the small queries behind every keystroke skip the compile step.
    QSqlQuery& run(const QString& sql, const QVariantList& values) const;
    void closeConnection();
    void open();
    void openFile();
    void openServer();
    // Runs a statement PostgreSQL cannot prepare (schema changes, transaction control)
    // as it is; it takes no values.
    QSqlQuery& runDirect(const QString& sql) const;

    // Qt SQL stays inside this class: no window can reach the engine but through it.
    struct Statements;
    std::unique_ptr<Statements> m_statements;

    Engine m_engine = Engine::SQLite;
    ServerDatabase m_server;
    QString m_path;
    QString m_requiredTable;
    QString m_connection;
    int m_depth = 0;
    // The server connection broke; the next statement outside a transaction opens a
    // new one, so that the program goes on once the server is back.
    mutable bool m_lost = false;
    void reconnectIfLost() const;
    DatabaseError::Kind failureKind(const QSqlError& error) const;
};

// One user action that writes: everything inside happens whole or not at all. A
// Transaction that goes out of scope without commit() (an early return, an exception)
// rolls back. Nested transactions become savepoints of the outer one.
// Reads that must agree with each other (a customer's ledger rows and the balance
// carried into them, a bill's documents and payments): on a server they all see the
// state other seats had committed when the first of them ran, not a save that lands in
// between. A SQLite file has one seat, and inside a transaction the reads already see
// one state; there it does nothing.
class ReadSnapshot {
public:
    explicit ReadSnapshot(const Database& db);
    ~ReadSnapshot();
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    Database& m_db;
    bool m_open = false;
};

class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

// Jet LIKE pattern ("*" any run, "?" one character) as an SQLite pattern for
// "LIKE ? ESCAPE '\'": characters that are wildcards only in SQL ("%", "_") and the
// escape character itself are matched literally.
QString JetLikeToSql(const QString& pattern);
