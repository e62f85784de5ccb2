// The store behind the registration list: the order the lists show, adding and
// overwriting records, the row limits, the unit codes that stay 01 ... n, and a set
// deleted with its composition.
#include "support/TestMain.h"
#include "core/Database.h"
#include "masters/MasterStore.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <memory>

namespace {

// A record as "Code|Position|Name|UnitPrice|Unit", or <none>.
QString Text(const std::optional<MasterRow>& r) {
    return r ? QStringList({r->Code, r->Position, r->Name, QString::number(r->UnitPrice), r->Unit})
                   .join('|')
             : QStringLiteral("<none>");
}

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    MasterStore store{*db};

    void unit(const QString& code, const QString& name) {
        db->exec("INSERT INTO 単位 (Code, Unit) VALUES (?, ?)", {code, name});
    }
    void goods(const QString& code, const QString& name, double price = 0) {
        db->exec(
            "INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES (?, ?, 'ｶﾅ', ?, '個')",
            {code, name, price});
    }
    // The codes in list order; for units "code unit".
    QStringList list(MasterKind kind) {
        QStringList out;
        for (const MasterRow& row : store.List(kind, env.settings()))
            out << (kind == MasterKind::Unit ? row.Code + ' ' + row.Unit : row.Code);
        return out;
    }
    void order(const char* kind, int sort, int order) {
        env.settings().save(QStringLiteral("Sort") + kind, sort);
        env.settings().save(QStringLiteral("Order") + kind, order);
    }
    int composition(const QString& set) {
        return db->scalar("SELECT COUNT(*) FROM 商品構成 WHERE Code = ?", {set}).toInt();
    }
};

} // namespace

class TestMasterStore : public QObject {
    Q_OBJECT

private slots:
    void listsInTheStoredOrder() {
        Fixture f;
        f.goods("B001", "りんご");
        f.goods("A001", "みかん");
        f.goods("C001", "いちご");
        // Nothing stored: ascending codes; then by name (the sort dialog's 名称) ascending
        // and descending, and by code descending.
        QCOMPARE(f.list(MasterKind::Goods), QStringList({"A001", "B001", "C001"}));
        f.order("Goods", 1, 0);
        QCOMPARE(f.list(MasterKind::Goods), QStringList({"C001", "A001", "B001"}));
        f.order("Goods", 1, 1);
        QCOMPARE(f.list(MasterKind::Goods), QStringList({"B001", "A001", "C001"}));
        f.order("Goods", 0, 1);
        QCOMPARE(f.list(MasterKind::Goods), QStringList({"C001", "B001", "A001"}));
        // The goods' order is theirs alone: the set goods keep the default.
        f.db->exec("INSERT INTO セット商品 (Code, Name) VALUES ('S2', 'a'), ('S1', 'b')");
        QCOMPARE(f.list(MasterKind::Set), QStringList({"S1", "S2"}));
        // The list carries every column the grid shows.
        f.goods("D001", "ぶどう", 1250.5);
        QCOMPARE(Text(f.store.List(MasterKind::Goods, f.env.settings()).first()),
                 "D001||ぶどう|1250.5|個");
    }

    void unitCodesStayOneToN() {
        Fixture f;
        // Gaps and a code without its leading zero, as another program might leave them.
        f.unit("01", "個");
        f.unit("05", "本");
        f.unit("3", "枚");
        // Even a by-name order stored by hand cannot reorder the units, whose table has no
        // name column to sort by; codes compare as text, so "3" comes after "05".
        f.order("Unit", 1, 1);
        QCOMPARE(f.list(MasterKind::Unit), QStringList({"01 個", "05 本", "3 枚"}));
        // Adding a unit repairs the codes in that order and appends after the last one.
        QCOMPARE(f.store.AddUnit("箱"), "04");
        QCOMPARE(f.list(MasterKind::Unit), QStringList({"01 個", "02 本", "03 枚", "04 箱"}));
        // Deleting one closes the gap; the next unit follows the last one.
        QVERIFY(f.store.Remove(MasterKind::Unit, "02"));
        QCOMPARE(f.list(MasterKind::Unit), QStringList({"01 個", "02 枚", "03 箱"}));
        QCOMPARE(f.store.NextUnitCode(), "04");
        // Deleting the last and then the first unit; a code not stored changes nothing.
        QVERIFY(f.store.Remove(MasterKind::Unit, "03"));
        QVERIFY(f.store.Remove(MasterKind::Unit, "01"));
        QVERIFY(!f.store.Remove(MasterKind::Unit, "07"));
        QCOMPARE(f.list(MasterKind::Unit), QStringList({"01 枚"}));
    }

    void limits() {
        Fixture f;
        for (int i = 1; i <= 98; ++i)
            f.unit(MasterStore::UnitCode(i), QStringLiteral("u%1").arg(i));
        QCOMPARE(f.store.AddUnit("九十九"), "99");
        // The 100th unit is refused and nothing changes.
        QCOMPARE(f.store.AddUnit("百"), std::nullopt);
        QCOMPARE(f.store.Count(MasterKind::Unit), 99);
        QCOMPARE(f.store.Find(MasterKind::Unit, "99")->Unit, "九十九");

        Transaction tx(*f.db);
        for (int i = 1; i <= 999; ++i)
            f.db->exec("INSERT INTO 担当者 (Code, Name) VALUES (?, '氏名')",
                       {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'))});
        tx.commit();
        MasterRow row{"1000", "", "千人目", 0, ""};
        QCOMPARE(f.store.Save(MasterKind::Staff, row), MasterStore::SaveResult::LimitReached);
        QCOMPARE(Text(f.store.Find(MasterKind::Staff, "1000")), "<none>");
        // A full list still takes changes of stored records.
        row.Code = "0500";
        QCOMPARE(f.store.Save(MasterKind::Staff, row), MasterStore::SaveResult::Replaced);
        QCOMPARE(Text(f.store.Find(MasterKind::Staff, "0500")), "0500||千人目|0|");
        QCOMPARE(f.store.Count(MasterKind::Staff), 999);
        // Staff, units, goods, sets and classes; gMode values beyond the five name none.
        QList<int> maxRows;
        for (int kind = 0; kind < 5; ++kind)
            maxRows << MasterStore::MaxRows(MasterKind(kind));
        QCOMPARE(maxRows, QList<int>({999, 99, 9999, 999, 99}));
        QCOMPARE(MasterStore::KindOf(3), std::optional<MasterKind>(MasterKind::Set));
        QCOMPARE(MasterStore::KindOf(5), std::nullopt);
    }

    void saveAddsOrReplaces() {
        Fixture f;
        f.goods("A001", "りんご", 100);
        MasterRow row{"A001", "", "青りんご", 0, "箱"};
        QCOMPARE(f.store.Save(MasterKind::Goods, row), MasterStore::SaveResult::Replaced);
        // One row, every column replaced, the reading too.
        QCOMPARE(Text(f.store.Find(MasterKind::Goods, "A001")), "A001||青りんご|0|箱");
        QCOMPARE(f.db->scalar("SELECT COUNT(*) || '|' || IFNULL(Kana, '') FROM 商品").toString(),
                 "1|");
        row.Code = "A002";
        row.UnitPrice = 12.5;
        QCOMPARE(f.store.Save(MasterKind::Goods, row), MasterStore::SaveResult::Added);
        QCOMPARE(Text(f.store.Find(MasterKind::Goods, "A002")), "A002||青りんご|12.5|箱");
        QCOMPARE(f.store.Count(MasterKind::Goods), 2);
        QCOMPARE(f.store.Save(MasterKind::Staff, {"001", "営業部", "山田太郎", 0, ""}),
                 MasterStore::SaveResult::Added);
        QCOMPARE(Text(f.store.Find(MasterKind::Staff, "001")), "001|営業部|山田太郎|0|");
        QCOMPARE(f.store.Save(MasterKind::Class, {"01", "", "小売", 0, ""}),
                 MasterStore::SaveResult::Added);
        QCOMPARE(Text(f.store.Find(MasterKind::Class, "01")), "01||小売|0|");
        QCOMPARE(Text(f.store.Find(MasterKind::Class, "02")), "<none>");
    }

    void priceTexts() {
        const std::pair<const char*, double> prices[] = {
            {"", 0}, {"  ", 0}, {"1200", 1200}, {"1,200.50", 1200.5}, {"-3", -3}};
        for (const auto& [text, value] : prices)
            QCOMPARE(MasterStore::PriceValue(text), std::optional<double>(value));
        QVERIFY(!MasterStore::PriceValue("abc") && !MasterStore::PriceValue("12a"));
    }

    void removingASetTakesItsComposition() {
        Fixture f;
        f.db->exec("INSERT INTO セット商品 (Code, Name) VALUES ('S1', 'a'), ('S2', 'b')");
        f.db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode) VALUES ('S1', 1, 'A001'), "
                   "('S1', 2, 'A002'), ('S2', 1, 'A001')");
        // Goods share codes with components but are another table: they stay.
        f.goods("A001", "りんご");
        QVERIFY(f.store.Remove(MasterKind::Set, "S1"));
        QCOMPARE(QList<int>({f.composition("S1"), f.composition("S2")}), QList<int>({0, 1}));
        QCOMPARE(f.list(MasterKind::Set), QStringList({"S2"}));
        QCOMPARE(f.list(MasterKind::Goods), QStringList({"A001"}));
        // Deleting goods never touches a composition.
        QVERIFY(f.store.Remove(MasterKind::Goods, "A001"));
        QCOMPARE(f.composition("S2"), 1);
    }
};

KIVORA_TEST(TestMasterStore)
#include "tst_masterstore.moc"
