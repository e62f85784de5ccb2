#pragma once
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QString>
#include <memory>

// A main database with staff and the documents the history tests list:
//   customer 100, delivery notes (type 2), numbers and dates deliberately out of step
//   and stored out of number order, so that number order, date order and storage
//   order are three different lists:
//     A00001 2001/03/10 staff 01 (山田太郎)
//     A00004 2001/03/05 no staff
//     A00002 2001/03/01 staff 02 (田中花子)
//     A00003 2001/03/05 staff 99 (no such staff member)
//   customer 100, an estimate (type 0) E00001 2001/02/01 staff 01
//   customer 200 (森田電気), delivery notes B00002 2002/01/02 and B00001 2002/01/03
//   customer 300, nothing stored.
struct HistoryFixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    HistoryFixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        db->exec(
            QStringLiteral("INSERT INTO 担当者 (Code, Name, Position) VALUES (?, ?, ?), (?, ?, ?)"),
            {"01", QStringLiteral("山田太郎"), QStringLiteral("営業部"), "02",
             QStringLiteral("田中花子"), QStringLiteral("経理部")});
        db->exec(QStringLiteral("INSERT INTO 顧客 (Code, Name) VALUES (?, ?), (?, ?), (?, ?)"),
                 {"100", QStringLiteral("山田商店"), "200", QStringLiteral("森田電気"), "300",
                  QStringLiteral("佐藤商事")});
        add("100", 2, "A00001", 20010310, "01");
        add("100", 2, "A00004", 20010305, "");
        add("100", 2, "A00002", 20010301, "02");
        add("100", 2, "A00003", 20010305, "99");
        add("100", 0, "E00001", 20010201, "01");
        add("200", 2, "B00002", 20020102, "");
        add("200", 2, "B00001", 20020103, "01");
    }

    void add(const QString& user, int type, const QString& number, qint64 ymd,
             const QString& charge) {
        db->exec(QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, "
                                "ChargeCode) VALUES (?, ?, ?, ?, ?)"),
                 {user, type, number, ymd, charge});
    }

    // Stores the history's order as the sort dialog does; a negative value removes it.
    void order(int sort, int direction) {
        if (sort >= 0)
            env.settings().save(QStringLiteral("SortHistory"), sort);
        if (direction >= 0)
            env.settings().save(QStringLiteral("OrderHistory"), direction);
    }
};
