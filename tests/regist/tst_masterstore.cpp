// The store behind the registration list: the order the lists show, adding and
// overwriting records, the row limits, the unit codes that stay 01 ... n, and a set
// deleted with its composition.
#include "core/Database.h"
#include "masters/MasterStore.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <memory>

namespace {

QStringList Codes(const QList<MasterRow>& rows) {
    QStringList out;
    for (const MasterRow& row : rows)
        out << row.Code;
    return out;
}

QStringList Units(const QList<MasterRow>& rows) {
    QStringList out;
    for (const MasterRow& row : rows)
        out << row.Code + QLatin1Char(' ') + row.Unit;
    return out;
}

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    MasterStore store{*db};

    void unit(const QString& code, const QString& name) {
        db->exec(QStringLiteral("INSERT INTO 単位 (Code, Unit) VALUES (?, ?)"), {code, name});
    }
    void goods(const QString& code, const QString& name, double price = 0) {
        db->exec(QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) "
                                "VALUES (?, ?, ?, ?, ?)"),
                 {code, name, QStringLiteral("ｶﾅ"), price, QStringLiteral("個")});
    }
    // `count` staff members with the codes 0001, 0002 ...
    void staff(int count) {
        Transaction tx(*db);
        for (int i = 1; i <= count; ++i)
            db->exec(
                QStringLiteral("INSERT INTO 担当者 (Code, Name) VALUES (?, ?)"),
                {QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("氏名")});
        tx.commit();
    }
    QList<MasterRow> list(MasterKind kind) { return store.List(kind, env.settings()); }
};

} // namespace

class TestMasterStore : public QObject {
    Q_OBJECT

private slots:
    void listsInTheStoredOrder() {
        Fixture f;
        f.goods("B001", QStringLiteral("りんご"));
        f.goods("A001", QStringLiteral("みかん"));
        f.goods("C001", QStringLiteral("いちご"));
        // Nothing stored: ascending codes.
        QCOMPARE(Codes(f.list(MasterKind::Goods)), QStringList({"A001", "B001", "C001"}));
        // By name, ascending (the sort dialog's 名称 and 昇順).
        f.env.settings().save(QStringLiteral("SortGoods"), 1);
        f.env.settings().save(QStringLiteral("OrderGoods"), 0);
        QCOMPARE(Codes(f.list(MasterKind::Goods)), QStringList({"C001", "A001", "B001"}));
        // By name, descending.
        f.env.settings().save(QStringLiteral("OrderGoods"), 1);
        QCOMPARE(Codes(f.list(MasterKind::Goods)), QStringList({"B001", "A001", "C001"}));
        // By code, descending.
        f.env.settings().save(QStringLiteral("SortGoods"), 0);
        QCOMPARE(Codes(f.list(MasterKind::Goods)), QStringList({"C001", "B001", "A001"}));
        // The goods' order is theirs alone: the set goods keep the default.
        f.db->exec(
            QStringLiteral("INSERT INTO セット商品 (Code, Name) VALUES ('S2', 'a'), ('S1', 'b')"));
        QCOMPARE(Codes(f.list(MasterKind::Set)), QStringList({"S1", "S2"}));
        // The list carries every column the grid shows.
        f.goods("D001", QStringLiteral("ぶどう"), 1250.5);
        const MasterRow d = f.list(MasterKind::Goods).first();
        QCOMPARE(d.Name, QStringLiteral("ぶどう"));
        QCOMPARE(d.UnitPrice, 1250.5);
        QCOMPARE(d.Unit, QStringLiteral("個"));
    }

    void unitsAlwaysListInCodeOrder() {
        Fixture f;
        f.unit("02", QStringLiteral("あ"));
        f.unit("01", QStringLiteral("ん"));
        // Even a by-name order stored by hand cannot reorder the units, whose table has
        // no name column to sort by.
        f.env.settings().save(QStringLiteral("SortUnit"), 1);
        f.env.settings().save(QStringLiteral("OrderUnit"), 1);
        QCOMPARE(Units(f.list(MasterKind::Unit)),
                 QStringList({QStringLiteral("01 ん"), QStringLiteral("02 あ")}));
    }

    void deletingAUnitClosesTheGap() {
        Fixture f;
        f.unit("01", QStringLiteral("個"));
        f.unit("02", QStringLiteral("本"));
        f.unit("03", QStringLiteral("枚"));
        QVERIFY(f.store.Remove(MasterKind::Unit, "02"));
        QCOMPARE(Units(f.list(MasterKind::Unit)),
                 QStringList({QStringLiteral("01 個"), QStringLiteral("02 枚")}));
        // The next unit follows the last one.
        QCOMPARE(f.store.NextUnitCode(), QStringLiteral("03"));
        QCOMPARE(f.store.AddUnit(QStringLiteral("箱")), std::optional<QString>("03"));
        QCOMPARE(Units(f.list(MasterKind::Unit)),
                 QStringList(
                     {QStringLiteral("01 個"), QStringLiteral("02 枚"), QStringLiteral("03 箱")}));
        // Deleting the last and then the first unit.
        QVERIFY(f.store.Remove(MasterKind::Unit, "03"));
        QVERIFY(f.store.Remove(MasterKind::Unit, "01"));
        QCOMPARE(Units(f.list(MasterKind::Unit)), QStringList({QStringLiteral("01 枚")}));
        // A code that is not stored changes nothing.
        QVERIFY(!f.store.Remove(MasterKind::Unit, "07"));
        QCOMPARE(Units(f.list(MasterKind::Unit)), QStringList({QStringLiteral("01 枚")}));
    }

    void addingAUnitRepairsCodesEditedElsewhere() {
        Fixture f;
        // Gaps and a code without its leading zero, as another program might leave them.
        f.unit("01", QStringLiteral("個"));
        f.unit("05", QStringLiteral("本"));
        f.unit("3", QStringLiteral("枚"));
        // The units keep the order every unit list showed them in: codes compared as
        // text, so "3" came after "05".
        QCOMPARE(f.store.AddUnit(QStringLiteral("箱")), std::optional<QString>("04"));
        QCOMPARE(Units(f.list(MasterKind::Unit)),
                 QStringList({QStringLiteral("01 個"), QStringLiteral("02 本"),
                              QStringLiteral("03 枚"), QStringLiteral("04 箱")}));
    }

    void unitLimit() {
        Fixture f;
        for (int i = 1; i <= 98; ++i)
            f.unit(MasterStore::UnitCode(i), QStringLiteral("u%1").arg(i));
        QCOMPARE(f.store.AddUnit(QStringLiteral("九十九")), std::optional<QString>("99"));
        // The 100th unit is refused and nothing changes.
        QCOMPARE(f.store.AddUnit(QStringLiteral("百")), std::nullopt);
        QCOMPARE(f.store.Count(MasterKind::Unit), 99);
        QCOMPARE(f.store.Find(MasterKind::Unit, "99")->Unit, QStringLiteral("九十九"));
    }

    void saveAddsOrReplaces() {
        Fixture f;
        f.goods("A001", QStringLiteral("りんご"), 100);
        MasterRow row;
        row.Code = "A001";
        row.Name = QStringLiteral("青りんご");
        row.UnitPrice = 0;
        row.Unit = QStringLiteral("箱");
        QCOMPARE(f.store.Save(MasterKind::Goods, row), MasterStore::SaveResult::Replaced);
        const RecordSet rs =
            f.db->select(QStringLiteral("SELECT * FROM 商品 WHERE Code = ?"), {"A001"});
        QCOMPARE(rs.RecordCount(), 1);
        QCOMPARE(rs.text("Name"), QStringLiteral("青りんご"));
        QCOMPARE(rs.text("Kana"), QString()); // the reading is replaced too
        QCOMPARE(rs.number("UnitPrice"), 0.0);
        QCOMPARE(rs.text("Unit"), QStringLiteral("箱"));

        row.Code = "A002";
        row.UnitPrice = 12.5;
        QCOMPARE(f.store.Save(MasterKind::Goods, row), MasterStore::SaveResult::Added);
        QCOMPARE(f.store.Find(MasterKind::Goods, "A002")->UnitPrice, 12.5);
        QCOMPARE(f.store.Count(MasterKind::Goods), 2);

        MasterRow staff;
        staff.Code = "001";
        staff.Position = QStringLiteral("営業部");
        staff.Name = QStringLiteral("山田太郎");
        QCOMPARE(f.store.Save(MasterKind::Staff, staff), MasterStore::SaveResult::Added);
        const std::optional<MasterRow> back = f.store.Find(MasterKind::Staff, "001");
        QVERIFY(back);
        QCOMPARE(back->Position, QStringLiteral("営業部"));
        QCOMPARE(back->Name, QStringLiteral("山田太郎"));

        MasterRow cls;
        cls.Code = "01";
        cls.Name = QStringLiteral("小売");
        QCOMPARE(f.store.Save(MasterKind::Class, cls), MasterStore::SaveResult::Added);
        QCOMPARE(f.store.Find(MasterKind::Class, "01")->Name, QStringLiteral("小売"));
        QVERIFY(!f.store.Find(MasterKind::Class, "02"));
    }

    void staffLimit() {
        Fixture f;
        f.staff(999);
        MasterRow row;
        row.Code = "1000";
        row.Name = QStringLiteral("千人目");
        QCOMPARE(f.store.Save(MasterKind::Staff, row), MasterStore::SaveResult::LimitReached);
        QVERIFY(!f.store.Find(MasterKind::Staff, "1000"));
        // A full list still takes changes of stored records.
        row.Code = "0500";
        QCOMPARE(f.store.Save(MasterKind::Staff, row), MasterStore::SaveResult::Replaced);
        QCOMPARE(f.store.Find(MasterKind::Staff, "0500")->Name, QStringLiteral("千人目"));
        QCOMPARE(f.store.Count(MasterKind::Staff), 999);
    }

    void limitsByKind() {
        QCOMPARE(MasterStore::MaxRows(MasterKind::Staff), 999);
        QCOMPARE(MasterStore::MaxRows(MasterKind::Unit), 99);
        QCOMPARE(MasterStore::MaxRows(MasterKind::Goods), 9999);
        QCOMPARE(MasterStore::MaxRows(MasterKind::Set), 999);
        QCOMPARE(MasterStore::MaxRows(MasterKind::Class), 99);
        QCOMPARE(MasterStore::KindOf(3), std::optional<MasterKind>(MasterKind::Set));
        QCOMPARE(MasterStore::KindOf(5), std::nullopt);
        QCOMPARE(MasterStore::TableName(MasterKind::Class), QStringLiteral("顧客分類"));
    }

    void priceTexts() {
        QCOMPARE(MasterStore::PriceValue(QString()), std::optional<double>(0.0));
        QCOMPARE(MasterStore::PriceValue(QStringLiteral("  ")), std::optional<double>(0.0));
        QCOMPARE(MasterStore::PriceValue(QStringLiteral("1200")), std::optional<double>(1200.0));
        QCOMPARE(MasterStore::PriceValue(QStringLiteral("1,200.50")),
                 std::optional<double>(1200.5));
        QCOMPARE(MasterStore::PriceValue(QStringLiteral("-3")), std::optional<double>(-3.0));
        QCOMPARE(MasterStore::PriceValue(QStringLiteral("abc")), std::nullopt);
        QCOMPARE(MasterStore::PriceValue(QStringLiteral("12a")), std::nullopt);
    }

    void removingASetTakesItsComposition() {
        Fixture f;
        f.db->exec(
            QStringLiteral("INSERT INTO セット商品 (Code, Name) VALUES ('S1', 'a'), ('S2', 'b')"));
        f.db->exec(QStringLiteral("INSERT INTO 商品構成 (Code, Count, GoodsCode) VALUES "
                                  "('S1', 1, 'A001'), ('S1', 2, 'A002'), ('S2', 1, 'A001')"));
        // Goods share codes with components but are another table: they stay.
        f.goods("A001", QStringLiteral("りんご"));
        QVERIFY(f.store.Remove(MasterKind::Set, "S1"));
        QCOMPARE(
            f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 商品構成 WHERE Code = 'S1'")).toInt(),
            0);
        QCOMPARE(
            f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 商品構成 WHERE Code = 'S2'")).toInt(),
            1);
        QCOMPARE(Codes(f.list(MasterKind::Set)), QStringList({"S2"}));
        QVERIFY(f.store.Find(MasterKind::Goods, "A001"));
        // Deleting goods never touches a composition.
        QVERIFY(f.store.Remove(MasterKind::Goods, "A001"));
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 商品構成")).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestMasterStore)
#include "tst_masterstore.moc"
