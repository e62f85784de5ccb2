#include "masters/MasterLookup.h"

#include "core/Database.h"

namespace MasterLookup {

QStringList ExciseTexts(const Database& db) {
    RecordSet rs = db.select(QStringLiteral("SELECT Excise FROM 税率 ORDER BY Code"));
    QStringList out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        out << QString::number(rs.number(QStringLiteral("Excise"))) + QLatin1Char('%');
    return out;
}

QStringList UnitNames(const Database& db) {
    RecordSet rs = db.select(QStringLiteral("SELECT Unit FROM 単位 ORDER BY Code"));
    QStringList out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        out << rs.text(QStringLiteral("Unit"));
    return out;
}

std::optional<Staff> FindStaff(const Database& db, const QString& code) {
    RecordSet rs =
        db.select(QStringLiteral("SELECT Name, Position FROM 担当者 WHERE Code = ?"), {code});
    if (rs.isEmpty())
        return std::nullopt;
    return Staff{rs.text(QStringLiteral("Name")), rs.text(QStringLiteral("Position"))};
}

} // namespace MasterLookup
