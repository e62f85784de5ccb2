#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// A set goods as the set window edits it. Prices are kept as the texts the window shows
// or was handed ("1200", "99.5", "" for no price); the store turns them into numbers.
struct SetHeader {
    QString Code;
    QString Name;
    QString UnitPrice;
    QString Unit;
};

// One component of a set, in the order of the composition.
struct SetComponent {
    QString GoodsCode;
    QString Name;
    QString UnitPrice;
    QString Unit;
};

// The set goods (セット商品) and their composition (商品構成). Every write is one
// transaction: a set is saved with its whole composition, or not at all.
class SetStore {
public:
    // The set list of the registration window holds at most this many sets.
    static constexpr int MaxSets = 999;

    explicit SetStore(Database& db) : m_db(db) {}

    // What saving under a code will do: change the stored set of that code, add a new
    // one, or nothing because the list is full.
    enum class Target { New, Existing, Full };
    Target SaveTarget(const QString& code) const;

    // The components of a set in their stored order. A price stored as NULL (an older
    // file) comes back as an empty text.
    QList<SetComponent> Components(const QString& setCode) const;

    // The indexes of the goods codes that are not empty and have no row in 商品; the
    // goods of those components were deleted since they were put into the set.
    QList<int> VanishedRows(const QStringList& goodsCodes) const;

    // Writes the set (a new row, or over the stored one of the same code) and replaces
    // its whole composition by `components`, numbered 1, 2, 3 … in their order; a
    // component with an empty goods code is left out. Returns false, writing nothing,
    // when the code is new and the list is full. Throws DatabaseError on a failed
    // statement; nothing is written then either.
    bool Save(const SetHeader& set, const QList<SetComponent>& components);

    // A price text as stored: the number it shows ("1,200.50", "¥300" are numbers too),
    // 0 for an empty text, nothing for a text that is no number.
    static std::optional<double> PriceValue(const QString& text);
    // The price as the price field shows it: the plain number without thousands
    // separators or trailing zeros ("1,200.00" → "1200"); other texts unchanged.
    static QString PlainPrice(const QString& text);

private:
    bool exists(const QString& code) const;
    int setCount() const;

    Database& m_db;
};
