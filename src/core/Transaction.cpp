// Transactions, savepoints, read snapshots and the locks seats take on a server.
#include "core/Database.h"

void Database::lockKey(const QString& key) {
    if (m_depth == 0)
        throw statementError(QStringLiteral("lock"), QStringLiteral("no transaction"));
    if (m_engine != Engine::PostgreSQL)
        return;
    // The server's own 64-bit hash of the text, the same for every seat.
    scalar(QStringLiteral("SELECT pg_advisory_xact_lock(hashtextextended(?, 0))"), {key});
}

void Database::holdWrites(const QString& table) {
    if (m_depth == 0)
        throw statementError(QStringLiteral("lock"), QStringLiteral("no transaction"));
    if (m_engine != Engine::PostgreSQL)
        return;
    // Readers go on; writers (and their triggers) wait for the commit.
    exec(QStringLiteral("LOCK TABLE ") + table + QStringLiteral(" IN SHARE MODE"));
}

bool Database::beginSnapshot() {
    if (m_engine != Engine::PostgreSQL || m_depth > 0)
        return false;
    exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
    ++m_depth;
    return true;
}

ReadSnapshot::ReadSnapshot(const Database& db) : m_db(const_cast<Database&>(db)) {
    // Only the transaction state changes, never the data: the reads stay const.
    m_open = m_db.beginSnapshot();
}

ReadSnapshot::~ReadSnapshot() {
    if (!m_open)
        return;
    try {
        m_db.rollback(); // nothing was written: ending it is all there is to do
    } catch (...) {
        // A connection lost meanwhile has ended the transaction already.
    }
}

void Database::begin() {
    // SQLite takes the write lock at once, so that a transaction never fails half-way
    // for want of it; PostgreSQL locks row by row as the statements go.
    const QString first = m_engine == Engine::PostgreSQL ? QStringLiteral("BEGIN")
                                                         : QStringLiteral("BEGIN IMMEDIATE");
    exec(m_depth == 0 ? first : QStringLiteral("SAVEPOINT sp%1").arg(m_depth));
    ++m_depth;
}

void Database::commit() {
    --m_depth;
    try {
        exec(m_depth == 0 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE sp%1").arg(m_depth));
    } catch (...) {
        ++m_depth;
        throw;
    }
}

void Database::rollback() {
    --m_depth;
    if (m_depth == 0) {
        exec(QStringLiteral("ROLLBACK"));
    } else {
        exec(QStringLiteral("ROLLBACK TO sp%1").arg(m_depth));
        exec(QStringLiteral("RELEASE sp%1").arg(m_depth));
    }
}

Transaction::Transaction(Database& db) : m_db(db) {
    m_db.begin();
}

Transaction::~Transaction() {
    if (m_done)
        return;
    try {
        m_db.rollback();
    } catch (...) {
        // A failed rollback leaves nothing more to undo from here; the error that made
        // us roll back is already on its way to the user.
    }
}

void Transaction::commit() {
    m_db.commit();
    m_done = true;
}
