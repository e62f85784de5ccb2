#pragma once
#include "core/DatabaseError.h"
#include "core/RecordSet.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>

class QSqlQuery;

// One open database file. It is opened exclusively: while the program runs, no other
// program can change it behind the program's back. Every statement takes bound values
// only; every failure throws DatabaseError, so none can go unnoticed.
class Database {
public:
    // Opens `path` read-write and exclusively. `requiredTable` must exist in it, which
    // tells a database of ours from an empty or foreign file. Throws DatabaseError with
    // kind NotFound, NotDatabase, Locked or CannotOpen.
    Database(const QString& path, const QString& requiredTable);
    // Creates a new database file at `path` from a script (see executeScript); fails
    // when the file exists. Used by the build, the tests and the benchmarks.
    static void createFromScript(const QString& path, const QString& scriptFile);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

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
    void compactInto(const QString& path);
    // Checks a database file that is not open, without changing it: it must be intact,
    // hold `requiredTable` and be readable as a whole. Returns its schema version.
    // Throws DatabaseError (NotFound, NotDatabase, Locked or CannotOpen).
    static int checkFile(const QString& path, const QString& requiredTable);
    // The tables that hold data, without the engine's own.
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
    // line, "--" comments stand on lines of their own.
    void executeScript(const QString& scriptFile);
    static QStringList splitScript(const QString& script);

    bool tableExists(const QString& table) const;
    // The schema version the file carries (0 for the base schema), and setting it; set
    // inside a transaction, it is rolled back with it.
    int schemaVersion() const;
    void setSchemaVersion(int version);

    // Depth of open transactions; 0 when none.
    int transactionDepth() const { return m_depth; }

private:
    friend class Transaction;
    void begin();
    void commit();
    void rollback();
    DatabaseError statementError(const QString& sql, const QString& detail,
                                 DatabaseError::Kind kind = DatabaseError::Kind::Statement) const;
    // Runs `sql` with `values` on a statement prepared once per text and kept, so that
    // the small queries behind every keystroke skip the compile step.
    QSqlQuery& run(const QString& sql, const QVariantList& values) const;
    void closeConnection();
    void open();

    // Qt SQL stays inside this class: no window can reach the engine but through it.
    struct Statements;
    std::unique_ptr<Statements> m_statements;

    QString m_path;
    QString m_requiredTable;
    QString m_connection;
    int m_depth = 0;
};

// One user action that writes: everything inside happens whole or not at all. A
// Transaction that goes out of scope without commit() (an early return, an exception)
// rolls back. Nested transactions become savepoints of the outer one.
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
