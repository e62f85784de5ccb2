// The set goods store on a real database, for what the window tests do not reach:
// reading in Count order whatever the order of storing, the check of components against
// the goods table, and that a failed save leaves everything as it was.
#include "SetFixture.h"
#include "masters/SetStore.h"

#include <QtTest>

class TestSetStore : public QObject {
    Q_OBJECT

private slots:
    void readsTheCompositionInItsOrder() {
        SetFixture f;
        // Stored out of order on purpose: the Count decides, not the insertion.
        f.addComponent("S002", 2, "C003", QStringLiteral("工具箱"), 3500, QStringLiteral("個"));
        f.addComponent("S002", 1, "A001", QStringLiteral("ドライバー"), 1200, QStringLiteral("本"));
        f.db->exec(QStringLiteral("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice) "
                                  "VALUES ('S002', 3, 'D004', 'x', NULL)"));
        SetStore store(*f.db);

        const QList<SetComponent> s1 = store.Components("S001");
        QCOMPARE(s1.size(), 3);
        QCOMPARE(s1[0].GoodsCode, QStringLiteral("A001"));
        QCOMPARE(s1[1].GoodsCode, QStringLiteral("B002"));
        QCOMPARE(s1[1].Name, QStringLiteral("ペンチ"));
        QCOMPARE(s1[1].UnitPrice, QStringLiteral("980.5"));
        QCOMPARE(s1[1].Unit, QStringLiteral("個"));
        QCOMPARE(s1[2].GoodsCode, QStringLiteral("C003"));

        const QList<SetComponent> s2 = store.Components("S002");
        QCOMPARE(s2.size(), 3);
        QCOMPARE(s2[0].GoodsCode, QStringLiteral("A001"));
        QCOMPARE(s2[1].GoodsCode, QStringLiteral("C003"));
        QCOMPARE(s2[2].UnitPrice, QString());

        QVERIFY(store.Components("S999").isEmpty());
    }

    void findsComponentsWhoseGoodsVanished() {
        SetFixture f;
        SetStore store(*f.db);
        QVERIFY(store.VanishedRows({"A001", "B002", "C003"}).isEmpty());
        f.db->exec(QStringLiteral("DELETE FROM 商品 WHERE Code = 'B002'"));
        QCOMPARE(store.VanishedRows({"A001", "B002", "C003"}), QList<int>({1}));
        // Empty rows are skipped; a code is compared whole, not as a pattern.
        QCOMPARE(store.VanishedRows({"", "A00_", "C003", "ZZZ", ""}), QList<int>({1, 3}));
        // Goods codes and set codes are separate: a set code is no goods.
        QCOMPARE(store.VanishedRows({"S001"}), QList<int>({0}));
    }

    void aFailedSaveWritesNothing() {
        SetFixture f;
        // The third component cannot be written: the set and its stored composition must
        // both stay as they were.
        f.db->exec(
            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON 商品構成 "
                           "WHEN NEW.GoodsCode = 'BAD' BEGIN SELECT RAISE(ABORT, 'no'); END"));
        SetStore store(*f.db);
        const QStringList before = f.composition("S001");
        const QList<SetComponent> components{
            {"C003", QStringLiteral("工具箱"), "3500", QStringLiteral("個")},
            {"A001", QStringLiteral("ドライバー"), "1200", QStringLiteral("本")},
            {"BAD", QStringLiteral("不良"), "1", ""},
        };
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 store.Save({"S001", QStringLiteral("変更"), "1", ""}, components));
        QCOMPARE(f.setRow("S001").at(0).toString(), QStringLiteral("工具セット"));
        QCOMPARE(f.composition("S001"), before);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 store.Save({"S002", QStringLiteral("新規"), "1", ""}, components));
        QVERIFY(f.setRow("S002").isEmpty());
        QCOMPARE(f.db->transactionDepth(), 0);
    }

    void pricesAsTextsAndNumbers() {
        QCOMPARE(SetStore::PriceValue(""), std::optional<double>(0.0));
        QCOMPARE(SetStore::PriceValue("  "), std::optional<double>(0.0));
        QCOMPARE(SetStore::PriceValue("1,200.5"), std::optional<double>(1200.5));
        QCOMPARE(SetStore::PriceValue(QStringLiteral("１２０")), std::optional<double>(120.0));
        QVERIFY(!SetStore::PriceValue("12a"));
        QVERIFY(!SetStore::PriceValue(QStringLiteral("千円")));
        QVERIFY(!SetStore::PriceValue("1e3"));
        QCOMPARE(SetStore::PlainPrice("1,200.00"), QStringLiteral("1200"));
        QCOMPARE(SetStore::PlainPrice("980.50"), QStringLiteral("980.5"));
        QCOMPARE(SetStore::PlainPrice(""), QString());
    }
};

QTEST_GUILESS_MAIN(TestSetStore)
#include "tst_setstore.moc"
