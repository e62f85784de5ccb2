#pragma once
#include <QList>
#include <QString>
#include <optional>

class Database;
class SettingsStore;

// The simple masters the registration list keeps, by the kind the menus open it with.
enum class MasterKind { Staff = 0, Unit = 1, Goods = 2, Set = 3, Class = 4 };

// One record of any simple master; a kind uses only its own columns:
//   staff   Code, Position, Name
//   units   Code, Unit
//   goods   Code, Name, UnitPrice, Unit, TaxType (sets the same without TaxType)
//   classes Code, Name
struct MasterRow {
    QString Code;
    QString Position;
    QString Name;
    double UnitPrice = 0;
    QString Unit;
    int TaxType = 0; // goods: the tax class a line takes when filled by code (TaxClass)
};

// Reads and writes the staff, unit, goods, set goods and customer class tables for the
// registration list. Each write is one transaction. Throws DatabaseError.
class MasterStore {
public:
    explicit MasterStore(Database& db) : m_db(db) {}

    // The kind for a gMode value, if it names one of the five masters.
    static std::optional<MasterKind> KindOf(int mode);
    static QString TableName(MasterKind kind);
    // How many records a kind may hold: 999, 99, 9999, 999, 99.
    static int MaxRows(MasterKind kind);
    // The price a text stands for: 0 when empty, nothing when it is not a number.
    static std::optional<double> PriceValue(const QString& text);
    // Unit number n (1-based) as its stored code: 1 -> "01".
    static QString UnitCode(int number);

    // Every record in the order the list shows it: the stored order of the kind
    // (OrderClause) for all but units, which always show in code order.
    QList<MasterRow> List(MasterKind kind, const SettingsStore& settings) const;
    int Count(MasterKind kind) const;
    std::optional<MasterRow> Find(MasterKind kind, const QString& code) const;

    enum class SaveResult { Added, Replaced, LimitReached };
    // Writes the row under its code: replaces the record with that code, or adds one
    // when the kind still has room. Goods and sets get an empty reading.
    SaveResult Save(MasterKind kind, const MasterRow& row);

    // The code the next unit gets: one past the number of stored units.
    QString NextUnitCode() const;
    // Appends a unit after the last one, closing any gaps in the codes first, and
    // returns its code; nothing when the 99 units are already stored.
    std::optional<QString> AddUnit(const QString& unit);

    // Deletes the record; units below it move up one code, a set takes its
    // composition with it. False when no record had the code.
    bool Remove(MasterKind kind, const QString& code);

private:
    // Rewrites the unit table as `names` under the codes 01, 02 ... in that order.
    void WriteUnits(const QStringList& names);
    QStringList UnitNamesInCodeOrder() const;

    Database& m_db;
};
