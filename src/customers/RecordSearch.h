#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class Database;

// The narrowing search behind the search dialogs: every search adds one condition
// (column LIKE pattern) to those already applied, up to five, and lists the rows that
// meet all of them. A search that finds nothing, or fails, leaves the conditions as they
// were, so the user can try another value on the previous result.
//
// Tables and columns come from a fixed list per source; the patterns typed by the user
// only ever reach the database as bound values.
class RecordSearch {
public:
    static constexpr int MaxConditions = 5;

    // What can be searched. Each source fixes its table, the columns a condition may
    // test and the columns of a result row.
    enum class Source {
        Customers, // 顧客: Code, Name, Kana, Address1, TEL, Charge1 -> Code, Name, Address1, TEL
        Staff,     // 担当者: Code, Name -> Code, Name, Position
        Classes,   // 顧客分類: Code, Name -> Code, Name
        Goods,     // 商品: Code, Name, Kana -> Code, Name, UnitPrice, Unit
        SetGoods,  // セット商品: as 商品
    };

    struct Condition {
        QString column;
        QString pattern; // "*" any run, "?" one character, as the user sees patterns
    };

    explicit RecordSearch(Source source);

    Source source() const { return m_source; }
    QString table() const;
    const QStringList& searchColumns() const;
    const QStringList& resultColumns() const;

    // The pattern for a typed text: with exact matching and a non-empty text, the
    // trimmed text itself (a "*" or "?" in it still matches anything); otherwise the
    // trimmed text between two "*", so an empty text matches every row.
    static QString MakePattern(const QString& text, bool exactMatch);

    int count() const { return static_cast<int>(m_conditions.size()); }
    bool isFull() const { return count() >= MaxConditions; }
    const QList<Condition>& conditions() const { return m_conditions; }

    // Adds `column` LIKE `pattern` to the conditions and returns the matching rows
    // (values of resultColumns(), in that order), ascending by `column`: the query
    // orders by it descending and the rows are handed back from the last to the first,
    // which is how the dialogs fill their grids. With no row found the condition is
    // dropped again and the list is empty. A DatabaseError also drops it, then
    // propagates. Throws std::invalid_argument for a column the source does not allow
    // and std::logic_error when MaxConditions are already applied.
    QList<QStringList> search(const Database& db, const QString& column, const QString& pattern);

    // As above, but the rows come in the query's own order, sorted by `orderColumn`
    // (a search or result column of the source), for windows that sort by a stored
    // preference instead of by the column searched last.
    QList<QStringList> search(const Database& db, const QString& column, const QString& pattern,
                              const QString& orderColumn, bool descending);

    // Forgets every condition.
    void reset() { m_conditions.clear(); }

    // The statement run for the current conditions, sorted by `orderColumn`.
    QString statement(const QString& orderColumn, bool descending) const;

private:
    QList<QStringList> run(const Database& db, const QString& column, const QString& pattern,
                           const QString& orderColumn, bool descending);

    Source m_source;
    QList<Condition> m_conditions;
};
