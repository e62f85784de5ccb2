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
    // A class column is read by the goods and component queries only; null is standard.
    if (rs.fields().size() > 4)
        row.TaxType = rs.value(4).toInt();
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
    return FindIn(
        db, QStringLiteral("SELECT Code, Name, Unit, UnitPrice, TaxType FROM 商品 WHERE Code = ?"),
        code);
}

std::optional<GoodsRow> FindSet(const Database& db, const QString& code) {
    return FindIn(
        db, QStringLiteral("SELECT Code, Name, Unit, UnitPrice FROM セット商品 WHERE Code = ?"),
        code);
}

QList<GoodsRow> SetComponents(const Database& db, const QString& setCode) {
    RecordSet rs =
        db.select(QStringLiteral("SELECT 商品構成.GoodsCode, 商品構成.Name, 商品構成.Unit, "
                                 "商品構成.UnitPrice, 商品.TaxType FROM 商品構成 "
                                 "LEFT JOIN 商品 ON 商品構成.GoodsCode = 商品.Code "
                                 "WHERE 商品構成.Code = ? ORDER BY 商品構成.Count"),
                  {setCode});
    QList<GoodsRow> rows;
    rows.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        rows << RowFrom(rs);
    return rows;
}

} // namespace GoodsLookup
