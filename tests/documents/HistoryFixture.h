#pragma once
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QString>
#include <memory>

// Customer 100's delivery notes are stored with numbers, dates and storage order out of
// step, so that each order is a different list; one names staff 99, who does not exist.
// 100 also has an estimate, customer 200 two delivery notes.
struct HistoryFixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    HistoryFixture() {
        // The history of customer 100's delivery notes, as the slip window opens it.
        env.state.DbMain = db.get();
        env.state.gDocType = env.state.gMode = 2;
        env.state.gUserCode = QStringLiteral("100");
        env.state.gHandOff = QStringLiteral("kept");
        db->exec(QStringLiteral(
            "INSERT INTO 担当者 (Code, Name) VALUES ('01', '山田太郎'), ('02', '田中花子')"));
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
