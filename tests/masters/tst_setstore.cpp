// The set goods store on a real database, for what the window tests do not reach:
// reading in Count order whatever the order of storing, the check of components against
// the goods table, and that a failed save leaves everything as it was.
#include "support/TestMain.h"
#include "SetFixture.h"
#include "masters/SetStore.h"

#include <QtTest>

namespace {

// "GoodsCode Name UnitPrice Unit" of each component.
QStringList Texts(const QList<SetComponent>& components) {
    QStringList out;
    for (const SetComponent& c : components)
        out << QStringList({c.GoodsCode, c.Name, c.UnitPrice, c.Unit}).join(' ');
    return out;
}

} // namespace

class TestSetStore : public QObject {
    Q_OBJECT

private slots:
    void readsTheCompositionInItsOrder() {
        SetFixture f;
        // Stored out of order on purpose: the Count decides, not the insertion.
        f.addComponent("S002", 2, "C003", "工具箱", 3500, "個");
        f.addComponent("S002", 1, "A001", "ドライバー", 1200, "本");
        f.db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice) VALUES "
                   "('S002', 3, 'D004', 'x', NULL)");
        SetStore store(*f.db);
        QCOMPARE(Texts(store.Components("S001")),
                 QStringList(
                     {"A001 ドライバー 1200 本", "B002 ペンチ 980.5 個", "C003 工具箱 3500 個"}));
        QCOMPARE(Texts(store.Components("S002")),
                 QStringList({"A001 ドライバー 1200 本", "C003 工具箱 3500 個", "D004 x  "}));
        QVERIFY(store.Components("S999").isEmpty());
    }

    void findsComponentsWhoseGoodsVanished() {
        SetFixture f;
        SetStore store(*f.db);
        QVERIFY(store.VanishedRows({"A001", "B002", "C003"}).isEmpty());
        f.db->exec("DELETE FROM 商品 WHERE Code = 'B002'");
        QCOMPARE(store.VanishedRows({"A001", "B002", "C003"}), QList<int>({1}));
        // Empty rows are skipped; a code is compared whole, not as a pattern.
        QCOMPARE(store.VanishedRows({"", "A00_", "C003", "ZZZ", ""}), QList<int>({1, 3}));
        // Goods codes and set codes are separate: a set code is no goods.
        QCOMPARE(store.VanishedRows({"S001"}), QList<int>({0}));
    }

    void aFailedSaveWritesNothing() {
        SetFixture f;
        // The third component cannot be written: the set and its stored composition must
        // both stay as they were, and a new set must not appear.
        f.db->exec("CREATE TRIGGER refuse BEFORE INSERT ON 商品構成 WHEN NEW.GoodsCode = 'BAD' "
                   "BEGIN SELECT RAISE(ABORT, 'no'); END");
        SetStore store(*f.db);
        const QStringList before = f.composition("S001");
        const QList<SetComponent> components{{"C003", "工具箱", "3500", "個"},
                                             {"A001", "ドライバー", "1200", "本"},
                                             {"BAD", "不良", "1", ""}};
        QVERIFY_THROWS_EXCEPTION(DatabaseError, store.Save({"S001", "変更", "1", ""}, components));
        QCOMPARE(f.setRow("S001"), "工具セット||5000.0|式");
        QCOMPARE(f.composition("S001"), before);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, store.Save({"S002", "新規", "1", ""}, components));
        QCOMPARE(f.setCount(), 1);
        QCOMPARE(f.db->transactionDepth(), 0);
    }

    void pricesAsTextsAndNumbers() {
        const std::pair<const char*, double> prices[] = {
            {"", 0}, {"  ", 0}, {"1,200.5", 1200.5}, {"１２０", 120}};
        for (const auto& [text, value] : prices)
            QCOMPARE(SetStore::PriceValue(text), std::optional<double>(value));
        for (const char* text : {"12a", "千円", "1e3"})
            QVERIFY2(!SetStore::PriceValue(text), text);
        QCOMPARE(QStringList({SetStore::PlainPrice("1,200.00"), SetStore::PlainPrice("980.50"),
                              SetStore::PlainPrice("")}),
                 QStringList({"1200", "980.5", ""}));
    }
};

KIVORA_TEST(TestSetStore)
#include "tst_setstore.moc"
