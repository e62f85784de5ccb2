#pragma once
#include <QList>
#include <QString>
#include <optional>

class Database;

// Goods as a document line takes them.
struct GoodsRow {
    QString Code;
    QString Name;
    QString Unit;
    double UnitPrice = 0;
    int TaxType = 0; // the goods' default tax class (TaxClass); sets are standard
};

namespace GoodsLookup {
// The goods (商品) with this code.
std::optional<GoodsRow> FindGoods(const Database& db, const QString& code);
// The set goods (セット商品) with this code, as one line at its own price.
std::optional<GoodsRow> FindSet(const Database& db, const QString& code);
// The components of a set (商品構成) in their order, each with the component's goods
// code as Code and the tax class of that goods item (standard when it is not in 商品).
QList<GoodsRow> SetComponents(const Database& db, const QString& setCode);
} // namespace GoodsLookup
