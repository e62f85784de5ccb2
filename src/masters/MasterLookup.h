#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class Database;

// Reads of the master tables that the shared list loaders and lookups need.
namespace MasterLookup {

// Every tax rate in list order, as the lists show it: "10%", "8%".
QStringList ExciseTexts(const Database& db);
// Every unit name in list order.
QStringList UnitNames(const Database& db);

struct Staff {
    QString name;
    QString position;
};
// The staff member with this code, if any.
std::optional<Staff> FindStaff(const Database& db, const QString& code);

} // namespace MasterLookup
