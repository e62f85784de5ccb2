#include "customers/RecordSearch.h"

#include "core/Database.h"
#include "core/SharedRoutines.h"

#include <algorithm>
#include <stdexcept>

namespace {

struct SourceInfo {
    QString table;
    QStringList searchColumns;
    QStringList resultColumns;
};

const SourceInfo& Info(RecordSearch::Source source) {
    // Goods and set goods share their shape; the third goods column is the reading.
    static const SourceInfo customers{QStringLiteral("顧客"),
                                      {"Code", "Name", "Kana", "Address1", "TEL", "Charge1"},
                                      {"Code", "Name", "Address1", "TEL"}};
    static const SourceInfo staff{
        QStringLiteral("担当者"), {"Code", "Name"}, {"Code", "Name", "Position"}};
    static const SourceInfo classes{QStringLiteral("顧客分類"), {"Code", "Name"}, {"Code", "Name"}};
    static const SourceInfo goods{
        QStringLiteral("商品"), {"Code", "Name", "Kana"}, {"Code", "Name", "UnitPrice", "Unit"}};
    static const SourceInfo setGoods{QStringLiteral("セット商品"), goods.searchColumns,
                                     goods.resultColumns};
    switch (source) {
    case RecordSearch::Source::Customers:
        return customers;
    case RecordSearch::Source::Staff:
        return staff;
    case RecordSearch::Source::Classes:
        return classes;
    case RecordSearch::Source::Goods:
        return goods;
    case RecordSearch::Source::SetGoods:
        return setGoods;
    }
    throw std::invalid_argument("unknown search source");
}

// Every table of the search has its key in Code: rows that tie on the sort column keep
// a fixed order between searches instead of whatever order the engine happens to use.
const QString KeyColumn = QStringLiteral("Code");

QString TextOf(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

RecordSearch::RecordSearch(Source source) : m_source(source) {
    Info(source);
}

QString RecordSearch::table() const {
    return Info(m_source).table;
}

const QStringList& RecordSearch::searchColumns() const {
    return Info(m_source).searchColumns;
}

const QStringList& RecordSearch::resultColumns() const {
    return Info(m_source).resultColumns;
}

QString RecordSearch::MakePattern(const QString& text, bool exactMatch) {
    const QString trimmed = text.trimmed();
    if (exactMatch && !trimmed.isEmpty())
        return trimmed;
    return QLatin1Char('*') + trimmed + QLatin1Char('*');
}

QString RecordSearch::statement(const QString& orderColumn, bool descending) const {
    const SourceInfo& info = Info(m_source);
    if (!info.searchColumns.contains(orderColumn) && !info.resultColumns.contains(orderColumn))
        throw std::invalid_argument("column not allowed for this search: " +
                                    orderColumn.toStdString());
    QStringList where;
    for (const Condition& condition : m_conditions)
        where << condition.column + QStringLiteral(" LIKE ? ESCAPE '\\'");
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    QString sql = QStringLiteral("SELECT ") + info.resultColumns.join(QStringLiteral(", ")) +
                  QStringLiteral(" FROM ") + info.table;
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY ") + orderColumn + direction;
    if (orderColumn != KeyColumn)
        sql += QStringLiteral(", ") + KeyColumn + direction;
    return sql;
}

QList<QStringList> RecordSearch::search(const Database& db, const QString& column,
                                        const QString& pattern) {
    QList<QStringList> rows = run(db, column, pattern, column, true);
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QList<QStringList> RecordSearch::search(const Database& db, const QString& column,
                                        const QString& pattern, const QString& orderColumn,
                                        bool descending) {
    return run(db, column, pattern, orderColumn, descending);
}

QList<QStringList> RecordSearch::run(const Database& db, const QString& column,
                                     const QString& pattern, const QString& orderColumn,
                                     bool descending) {
    if (!searchColumns().contains(column))
        throw std::invalid_argument("column not searchable here: " + column.toStdString());
    if (isFull())
        throw std::logic_error("the search already has its five conditions");

    // No stored text holds a control character (every field refuses them), and SQLite's
    // LIKE would stop comparing at a NUL and match rows the user never asked for.
    if (ContainsControlChar(pattern))
        return {};
    m_conditions.append({column, pattern});
    QList<QStringList> rows;
    try {
        const QString sql = statement(orderColumn, descending);
        QVariantList binds;
        for (const Condition& condition : m_conditions)
            binds << JetLikeToSql(condition.pattern);
        RecordSet result = db.select(sql, binds);
        const int columns = static_cast<int>(resultColumns().size());
        for (result.MoveFirst(); !result.Eof(); result.MoveNext()) {
            QStringList row;
            row.reserve(columns);
            for (int c = 0; c < columns; ++c)
                row << TextOf(result.value(c));
            rows << row;
        }
    } catch (...) {
        m_conditions.removeLast();
        throw;
    }
    if (rows.isEmpty())
        m_conditions.removeLast();
    return rows;
}
