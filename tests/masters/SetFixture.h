#pragma once
#include "core/Database.h"
#include "support/TestEnv.h"

#include <memory>

// A fresh main database for the set goods tests: set S001 "工具セット" of A001, B002 and
// C003, in that order, and goods D004 whose price is NULL.
struct SetFixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    SetFixture() {
        env.state.DbMain = db.get();
        db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '本'), ('03', '式')");
        db->exec("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES ('A001', "
                 "'ドライバー', '', 1200, '本'), ('B002', 'ペンチ', '', 980.5, '個'), ('C003', "
                 "'工具箱', '', 3500, '個'), ('D004', 'おまけシール', '', NULL, '')");
        db->exec("INSERT INTO セット商品 (Code, Name, Kana, UnitPrice, Unit) VALUES ('S001', "
                 "'工具セット', '', 5000, '式')");
        db->exec(
            "INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, Kana, UnitPrice, Unit) VALUES "
            "('S001', 1, 'A001', 'ドライバー', '', 1200, '本'), ('S001', 2, 'B002', 'ペンチ', "
            "'', 980.5, '個'), ('S001', 3, 'C003', '工具箱', '', 3500, '個')");
    }

    void fillSets(int count) {
        Transaction t(*db);
        for (int i = setCount(); i < count; ++i)
            db->exec("INSERT INTO セット商品 (Code, Name) VALUES (?, '詰め')",
                     {QString("X%1").arg(i)});
        t.commit();
    }

    // The stored composition of a set in Count order, "Count GoodsCode Name Price Unit" a row.
    QStringList composition(const QString& set) const {
        QStringList rows;
        RecordSet rs = db->select("SELECT Count, GoodsCode, Name, UnitPrice, Unit FROM 商品構成 "
                                  "WHERE Code = ? ORDER BY Count",
                                  {set});
        for (; !rs.Eof(); rs.MoveNext())
            rows << QStringList({rs.text("Count"), rs.text("GoodsCode"), rs.text("Name"),
                                 rs.text("UnitPrice"), rs.text("Unit")})
                        .join(' ');
        return rows;
    }

    QString setRow(const QString& code) const {
        return TestEnv::rows(
                   *db, "SELECT Name, Kana, UnitPrice, Unit FROM セット商品 WHERE Code = ?", {code})
            .value(0);
    }

    int setCount() const { return db->scalar("SELECT COUNT(*) FROM セット商品").toInt(); }
};
