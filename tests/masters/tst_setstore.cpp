// The set goods store: composition order, vanished goods, the set limit and a failed save.
#include "SetFixture.h"
#include "masters/SetStore.h"
#include "support/TestMain.h"

#include <QtTest>

class TestSetStore : public QObject {
    Q_OBJECT

private slots:
    void compositionAndVanishedGoods() {
        SetFixture f;
        SetStore store(*f.db);
        // Stored out of order on purpose: the Count decides, not the insertion.
        f.db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice) VALUES "
                   "('S002', 2, 'C003', 'y', 3500), ('S002', 1, 'D004', 'x', NULL)");
        QStringList read;
        for (const SetComponent& c : store.Components("S002"))
            read << QStringList({c.GoodsCode, c.Name, c.UnitPrice, c.Unit}).join(' ');
        QCOMPARE(read, QStringList({"D004 x  ", "C003 y 3500 "}));
        // Empty rows are skipped; a code is compared whole, not as a pattern; a set is no goods.
        f.db->exec("DELETE FROM 商品 WHERE Code = 'B002'");
        QCOMPARE(store.VanishedRows({"A001", "B002", "", "A00_", "S001", "C003"}),
                 QList<int>({1, 3, 4}));
    }

    void theListHoldsAtMost999Sets() {
        SetFixture f;
        SetStore store(*f.db);
        f.fillSets(998);
        QVERIFY(store.Save({"S999", "最後", "1", ""}, {}));
        QCOMPARE(store.SaveTarget("S1000"), SetStore::Target::Full);
        QVERIFY(!store.Save({"S1000", "超過", "1", ""}, {{"A001", "ドライバー", "1200", "本"}}));
        QCOMPARE(f.setCount(), 999);
        QCOMPARE(f.composition("S1000"), QStringList());
        // A full list still takes changes of a stored set.
        QVERIFY(store.Save({"S001", "変更", "", "式"}, {}));
        QCOMPARE(f.setRow("S001"), "変更||0|式");
    }

    void aFailedSaveWritesNothing() {
        SetFixture f;
        // The third component cannot be written: the set and its stored composition must
        // both stay as they were, and a new set must not appear.
        FailingWrites failing(*f.db, "INSERT", "商品構成", "NEW.GoodsCode = 'BAD'");
        SetStore store(*f.db);
        const QStringList before = f.composition("S001");
        const QList<SetComponent> components{{"C003", "工具箱", "3500", "個"},
                                             {"BAD", "", "1", ""}};
        QVERIFY_THROWS_EXCEPTION(DatabaseError, store.Save({"S001", "変更", "1", ""}, components));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, store.Save({"S002", "新規", "1", ""}, components));
        QCOMPARE(f.setRow("S001"), "工具セット||5000|式");
        QCOMPARE(f.composition("S001"), before);
        QCOMPARE(f.setCount(), 1);
    }
};

KIVORA_TEST(TestSetStore)
#include "tst_setstore.moc"
