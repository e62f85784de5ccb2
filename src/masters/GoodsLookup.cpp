#include "masters/GoodsLookup.h"

#include "core/Database.h"

namespace GoodsLookup {
namespace {

// Column order shared by the three queries below.
GoodsRow RowFrom(const RecordSet& rs) {
    GoodsRow row;
    row.Code = rs.value(0).toString();
    row.Name = rs.value(1).toString();
    row.Unit = rs.value(2).toString();
    // A price left empty in an older file reads as 0, as the registration stores it.
    row.UnitPrice = rs.value(3).toDouble();
    return row;
}

std::optional<GoodsRow> FindIn(const Database& db, const QString& sql, const QString& code) {
    // A code cell is typed freely; an empty one must not find a row whose code is empty.
    if (code.isEmpty())
        return std::nullopt;
    const RecordSet rs = db.select(sql, {code});
    if (rs.isEmpty())
        return std::nullopt;
    return RowFrom(rs);
}

} // namespace

std::optional<GoodsRow> FindGoods(const Database& db, const QString& code) {
    return FindIn(db, QStringLiteral("SELECT Code, Name, Unit, UnitPrice FROM 商品 WHERE Code = ?"),
                  code);
}

std::optional<GoodsRow> FindSet(const Database& db, const QString& code) {
    return FindIn(
        db, QStringLiteral("SELECT Code, Name, Unit, UnitPrice FROM セット商品 WHERE Code = ?"),
        code);
}

QList<GoodsRow> SetComponents(const Database& db, const QString& setCode) {
    RecordSet rs = db.select(QStringLiteral("SELECT GoodsCode, Name, Unit, UnitPrice FROM 商品構成 "
                                            "WHERE Code = ? ORDER BY Count"),
                             {setCode});
    QList<GoodsRow> rows;
    rows.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        rows << RowFrom(rs);
    return rows;
}

} // namespace GoodsLookup
