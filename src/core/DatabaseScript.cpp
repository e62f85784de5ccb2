// Schema scripts: how they are split into statements, made fit for PostgreSQL and run.
#include "core/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool IsNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

QStringList Database::splitScript(const QString& script) {
    QStringList statements;
    QString current;
    bool inQuote = false;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (!inQuote && (line.isEmpty() || line.startsWith(QLatin1String("--"))))
            continue;
        current += rawLine + QLatin1Char('\n');
        // Track quotes so that a ";" at the end of a line inside a text literal does not
        // end the statement.
        for (QChar c : rawLine) {
            if (c == QLatin1Char('\''))
                inQuote = !inQuote;
        }
        if (!inQuote && line.endsWith(QLatin1Char(';'))) {
            statements << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

QString Database::forPostgres(const QString& statement) {
    static const QLatin1String real("REAL");
    static const QLatin1String wide("DOUBLE PRECISION");
    QString out;
    out.reserve(statement.size() + 16);
    bool inQuote = false;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        if (!inQuote &&
            QStringView(statement).mid(i, real.size()).compare(real, Qt::CaseInsensitive) == 0 &&
            (i == 0 || !IsNameChar(statement.at(i - 1))) &&
            (i + real.size() == statement.size() || !IsNameChar(statement.at(i + real.size())))) {
            out += wide;
            i += real.size() - 1;
            continue;
        }
        out += c;
    }
    return out;
}

void Database::executeScript(const QString& scriptFile) {
    QString chosen = scriptFile;
    if (m_engine == Engine::PostgreSQL) {
        const QFileInfo info(scriptFile);
        const QString variant = info.dir().filePath(QStringLiteral("pg/") + info.fileName());
        if (QFileInfo::exists(variant))
            chosen = variant;
    }
    QFile file(chosen);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(DatabaseError::Kind::NotFound, chosen, file.errorString());
    const QStringList statements = splitScript(QString::fromUtf8(file.readAll()));
    Transaction tx(*this);
    for (const QString& statement : statements)
        exec(m_engine == Engine::PostgreSQL ? forPostgres(statement) : statement);
    tx.commit();
}

void Database::createFromScript(const ServerDatabase& server, const QString& scriptFile) {
    Database db(server, QString());
    if (!db.tableNames().isEmpty())
        throw DatabaseError(DatabaseError::Kind::CannotOpen, db.path(),
                            QStringLiteral("refusing to fill a database that holds tables"));
    db.executeScript(scriptFile);
}
