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
};

namespace GoodsLookup {
// The goods (商品) with this code.
std::optional<GoodsRow> FindGoods(const Database& db, const QString& code);
// The set goods (セット商品) with this code, as one line at its own price.
std::optional<GoodsRow> FindSet(const Database& db, const QString& code);
// The components of a set (商品構成) in their order, each with the component's goods
// code as Code.
QList<GoodsRow> SetComponents(const Database& db, const QString& setCode);
} // namespace GoodsLookup
