// The store behind the registration list: order, overwriting, row limits and unit codes.
#include "core/Database.h"
#include "masters/MasterStore.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    MasterStore store{*db};

    QString list(MasterKind kind) {
        QStringList out;
        for (const MasterRow& row : store.List(kind, env.settings()))
            out << (kind == MasterKind::Unit ? row.Code + ' ' + row.Unit : row.Code);
        return out.join(", ");
    }
    QString find(MasterKind kind, const QString& code) {
        const std::optional<MasterRow> r = store.Find(kind, code);
        return r ? QString("%1|%2|%3|%4|%5")
                       .arg(r->Code, r->Position, r->Name)
                       .arg(r->UnitPrice)
                       .arg(r->Unit)
                 : "<none>";
    }
};

} // namespace

class TestMasterStore : public QObject {
    Q_OBJECT

private slots:
    void saveAddsOrReplacesInTheStoredOrder() {
        Fixture f;
        f.db->exec(
            "INSERT INTO 商品 (Code, Name, Kana, UnitPrice) VALUES ('B001', 'りんご', 'ｶﾅ', 1), "
            "('A001', 'みかん', 'ｶﾅ', 1), ('C001', 'いちご', 'ｶﾅ', 1)");
        f.db->exec("INSERT INTO セット商品 (Code, Name) VALUES ('S2', 'a'), ('S1', 'b')");
        QCOMPARE(f.list(MasterKind::Goods), "A001, B001, C001");
        // By name, as the sort dialog stores it; the set goods keep their own order.
        f.env.settings().save("SortGoods", 1);
        QCOMPARE(f.list(MasterKind::Goods), "C001, A001, B001");
        QCOMPARE(f.list(MasterKind::Set), "S1, S2");
        // Replaced: every column, the reading too; then added under a new code.
        MasterRow row{"A001", "", "青りんご", 12.5, "箱"};
        QCOMPARE(f.store.Save(MasterKind::Goods, row), MasterStore::SaveResult::Replaced);
        QCOMPARE(f.find(MasterKind::Goods, "A001"), "A001||青りんご|12.5|箱");
        QCOMPARE(f.db->scalar("SELECT Kana FROM 商品 WHERE Code = 'A001'").toString(), "");
        row.Code = "A002";
        QCOMPARE(f.store.Save(MasterKind::Goods, row), MasterStore::SaveResult::Added);
        QCOMPARE(f.store.Count(MasterKind::Goods), 4);
        QCOMPARE(f.store.Save(MasterKind::Staff, {"001", "営業部", "山田太郎", 0, ""}),
                 MasterStore::SaveResult::Added);
        QCOMPARE(f.find(MasterKind::Staff, "001"), "001|営業部|山田太郎|0|");
    }

    void unitCodesStayOneToN() {
        Fixture f;
        // Gaps and a code without its leading zero, as a hand-edited file may hold them; even
        // a by-name order stored by hand cannot reorder the units; codes compare as text.
        f.db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('05', '本'), ('3', '枚')");
        f.env.settings().save("SortUnit", 1);
        QCOMPARE(f.list(MasterKind::Unit), "01 個, 05 本, 3 枚");
        // Adding a unit repairs the codes in that order and appends after the last one.
        QCOMPARE(f.store.AddUnit("箱"), "04");
        QCOMPARE(f.list(MasterKind::Unit), "01 個, 02 本, 03 枚, 04 箱");
        // Deleting one closes the gap; the next unit follows the last one.
        QVERIFY(f.store.Remove(MasterKind::Unit, "02"));
        QVERIFY(!f.store.Remove(MasterKind::Unit, "07"));
        QCOMPARE(f.list(MasterKind::Unit), "01 個, 02 枚, 03 箱");
        QCOMPARE(f.store.NextUnitCode(), "04");
    }

    void limits() {
        Fixture f;
        Transaction tx(*f.db);
        for (int i = 1; i <= 999; ++i) {
            f.db->exec("INSERT INTO 担当者 (Code, Name) VALUES (?, 'n')",
                       {QString("%1").arg(i, 4, 10, QChar('0'))});
            if (i < 99)
                f.db->exec("INSERT INTO 単位 (Code, Unit) VALUES (?, 'u')",
                           {MasterStore::UnitCode(i)});
        }
        tx.commit();
        QCOMPARE(f.store.AddUnit("九十九"), "99");
        QCOMPARE(f.store.AddUnit("百"), std::nullopt); // the 100th unit is refused
        QCOMPARE(f.store.Count(MasterKind::Unit), 99);
        MasterRow row{"1000", "", "千人目", 0, ""};
        QCOMPARE(f.store.Save(MasterKind::Staff, row), MasterStore::SaveResult::LimitReached);
        QCOMPARE(f.find(MasterKind::Staff, "1000"), "<none>");
        // A full list still takes changes of stored records.
        row.Code = "0500";
        QCOMPARE(f.store.Save(MasterKind::Staff, row), MasterStore::SaveResult::Replaced);
        QCOMPARE(f.find(MasterKind::Staff, "0500"), "0500||千人目|0|");
        QCOMPARE(f.store.Count(MasterKind::Staff), 999);
    }
};

KIVORA_TEST(TestMasterStore)
#include "tst_masterstore.moc"
