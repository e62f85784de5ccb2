#pragma once
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QString>
#include <QVariantList>
#include <memory>

// A fresh main database with a few goods, units and one stored set for the set goods
// tests: set S001 "工具セット" of A001, B002 and C003, in that order.
struct SetFixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    SetFixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        db->exec(QStringLiteral("INSERT INTO 単位 (Code, Unit) VALUES ('01', ?), ('02', ?), "
                                "('03', ?)"),
                 {QStringLiteral("個"), QStringLiteral("本"), QStringLiteral("式")});
        addGoods("A001", QStringLiteral("ドライバー"), 1200, QStringLiteral("本"));
        addGoods("B002", QStringLiteral("ペンチ"), 980.5, QStringLiteral("個"));
        addGoods("C003", QStringLiteral("工具箱"), 3500, QStringLiteral("個"));
        // A goods without a price, as an older file may hold it.
        db->exec(QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) "
                                "VALUES ('D004', ?, '', NULL, '')"),
                 {QStringLiteral("おまけシール")});
        db->exec(QStringLiteral("INSERT INTO セット商品 (Code, Name, Kana, UnitPrice, Unit) "
                                "VALUES ('S001', ?, '', 5000, ?)"),
                 {QStringLiteral("工具セット"), QStringLiteral("式")});
        addComponent("S001", 1, "A001", QStringLiteral("ドライバー"), 1200, QStringLiteral("本"));
        addComponent("S001", 2, "B002", QStringLiteral("ペンチ"), 980.5, QStringLiteral("個"));
        addComponent("S001", 3, "C003", QStringLiteral("工具箱"), 3500, QStringLiteral("個"));
    }

    void addGoods(const QString& code, const QString& name, double price, const QString& unit) {
        db->exec(QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) "
                                "VALUES (?, ?, '', ?, ?)"),
                 {code, name, price, unit});
    }

    void addComponent(const QString& set, int count, const QString& goods, const QString& name,
                      double price, const QString& unit) {
        db->exec(QStringLiteral("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, Kana, "
                                "UnitPrice, Unit) VALUES (?, ?, ?, ?, '', ?, ?)"),
                 {set, count, goods, name, price, unit});
    }

    // Fills the set list up to `count` sets with codes X0001, X0002 …
    void fillSets(int count) {
        Transaction t(*db);
        const int stored = db->scalar(QStringLiteral("SELECT COUNT(*) FROM セット商品")).toInt();
        for (int i = stored; i < count; ++i)
            db->exec(
                QStringLiteral("INSERT INTO セット商品 (Code, Name) VALUES (?, ?)"),
                {QStringLiteral("X%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("詰め")});
        t.commit();
    }

    // The stored composition of a set in Count order, one "Count GoodsCode Name Price Unit"
    // text per row.
    QStringList composition(const QString& set) const {
        RecordSet rs = db->select(QStringLiteral("SELECT Count, GoodsCode, Name, UnitPrice, Unit "
                                                 "FROM 商品構成 WHERE Code = ? ORDER BY Count"),
                                  {set});
        QStringList rows;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << rs.value(c).toString();
            rows << cells.join(QLatin1Char(' '));
        }
        return rows;
    }

    // Name, Kana, UnitPrice and Unit of a stored set, or an empty list.
    QVariantList setRow(const QString& code) const {
        RecordSet rs = db->select(
            QStringLiteral("SELECT Name, Kana, UnitPrice, Unit FROM セット商品 WHERE Code = ?"),
            {code});
        if (rs.isEmpty())
            return {};
        return {rs.value(0), rs.value(1), rs.value(2), rs.value(3)};
    }

    int setCount() const {
        return db->scalar(QStringLiteral("SELECT COUNT(*) FROM セット商品")).toInt();
    }
};
