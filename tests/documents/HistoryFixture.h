#pragma once
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QString>
#include <memory>

// Staff 01 山田太郎, 02 田中花子. Customer 100's delivery notes (type 2) are stored out of
// number order, with numbers and dates out of step, so that number, date and storage order
// are three different lists (staff 99 does not exist); 100 also has an estimate (type 0).
// Customer 200 (森田電気) has two delivery notes, customer 300 none.
struct HistoryFixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    HistoryFixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        db->exec(QStringLiteral(
            "INSERT INTO 担当者 (Code, Name) VALUES ('01', '山田太郎'), ('02', '田中花子')"));
        db->exec(QStringLiteral("INSERT INTO 顧客 (Code, Name) VALUES ('100', '山田商店'), "
                                "('200', '森田電気'), ('300', '佐藤商事')"));
        db->exec(QStringLiteral(
            "INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, ChargeCode) VALUES "
            "('100', 2, 'A00001', 20010310, '01'), ('100', 2, 'A00004', 20010305, ''), "
            "('100', 2, 'A00002', 20010301, '02'), ('100', 2, 'A00003', 20010305, '99'), "
            "('100', 0, 'E00001', 20010201, '01'), ('200', 2, 'B00002', 20020102, ''), "
            "('200', 2, 'B00001', 20020103, '01')"));
    }

    // Stores the history's order as the sort dialog does; a negative value stores nothing.
    void order(int sort, int direction) {
        if (sort >= 0)
            env.settings().save(QStringLiteral("SortHistory"), sort);
        if (direction >= 0)
            env.settings().save(QStringLiteral("OrderHistory"), direction);
    }
};
