// The narrowing search against a real main database: which rows a stack of conditions
// finds, in which order, how typed patterns reach the engine, and that a failed search
// leaves the conditions as they were.
#include "core/Database.h"
#include "customers/RecordSearch.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <stdexcept>

namespace {

using Source = RecordSearch::Source;

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    void customer(const QString& code, const QString& name, const QString& tel,
                  const QString& charge = QString()) {
        db->exec(
            QStringLiteral("INSERT INTO 顧客 (Code, Name, Kana, Address1, TEL, Charge1) "
                           "VALUES (?, ?, ?, ?, ?, ?)"),
            {code, name, QStringLiteral("ｶﾅ") + code, QStringLiteral("住所") + code, tel, charge});
    }
};

QStringList Column(const QList<QStringList>& rows, int column) {
    QStringList out;
    for (const QStringList& row : rows)
        out << row.value(column);
    return out;
}

} // namespace

class TestRecordSearch : public QObject {
    Q_OBJECT

private slots:
    void patterns() {
        QCOMPARE(RecordSearch::MakePattern(QStringLiteral("  田 "), false), QStringLiteral("*田*"));
        QCOMPARE(RecordSearch::MakePattern(QStringLiteral(" 12 "), true), QStringLiteral("12"));
        // An empty text matches everything, exact matching or not.
        QCOMPARE(RecordSearch::MakePattern(QString(), true), QStringLiteral("**"));
        QCOMPARE(RecordSearch::MakePattern(QStringLiteral("   "), false), QStringLiteral("**"));
    }

    void tiesKeepTheCodeOrder() {
        Fixture f;
        f.customer("30", "A", "", "01");
        f.customer("10", "B", "", "02");
        f.customer("20", "C", "", "01");
        RecordSearch search(Source::Customers);
        QCOMPARE(Column(search.search(*f.db, "Charge1", "**"), 0), QStringList({"20", "30", "10"}));
    }

    void wildcardsAndLiteralCharacters() {
        Fixture f;
        f.customer("1", QStringLiteral("100%還元"), "");
        f.customer("12", QStringLiteral("1000円均一"), "");
        f.customer("120", QStringLiteral("在庫_処分"), "");
        f.customer("2", QStringLiteral("在庫X処分"), "");
        RecordSearch search(Source::Customers);
        // "*" and "?" typed by the user are wildcards; "%" and "_" are plain characters.
        QCOMPARE(Column(search.search(*f.db, "Code", "1*"), 0), QStringList({"1", "12", "120"}));
        search.reset();
        QCOMPARE(Column(search.search(*f.db, "Code", "1?"), 0), QStringList({"12"}));
        search.reset();
        QCOMPARE(Column(search.search(*f.db, "Code", "12"), 0), QStringList({"12"}));
        search.reset();
        QCOMPARE(Column(search.search(*f.db, "Name", "*100%*"), 0), QStringList({"1"}));
        search.reset();
        QCOMPARE(Column(search.search(*f.db, "Name", QStringLiteral("*庫_処*")), 0),
                 QStringList({"120"}));
        search.reset();
        QVERIFY(search.search(*f.db, "Code", "%").isEmpty());
        // A quote in the pattern is only a character, never part of the statement.
        QVERIFY(search.search(*f.db, "Name", "*' OR ''='*").isEmpty());
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客")).toInt(), 4);
    }

    void failedSearchKeepsTheEarlierConditions() {
        Fixture f;
        f.customer("5", QStringLiteral("山田商店"), "03-1111-2222");
        f.customer("12", QStringLiteral("田中工務店"), "0776-12-3456");
        f.customer("7", QStringLiteral("佐藤商事"), "03-5555-0000");
        RecordSearch search(Source::Customers);
        QCOMPARE(search.search(*f.db, "Name", QStringLiteral("*田*")).size(), 2);
        QVERIFY(search.search(*f.db, "TEL", "*99*").isEmpty());
        QCOMPARE(search.count(), 1);
        // The next search narrows only by the name, not by the failed TEL condition.
        QCOMPARE(Column(search.search(*f.db, "TEL", "*0*"), 0), QStringList({"5", "12"}));

        // A failing statement drops its condition too, and the error reaches the caller.
        f.db->exec(QStringLiteral("DROP TABLE 顧客"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, search.search(*f.db, "Code", "**"));
        QCOMPARE(search.count(), 2);
    }

    void fiveConditionsAtMost() {
        Fixture f;
        f.customer("5", QStringLiteral("山田商店"), "03-1111-2222");
        RecordSearch search(Source::Customers);
        for (int i = 0; i < RecordSearch::MaxConditions; ++i) {
            QVERIFY(!search.isFull());
            QCOMPARE(search.search(*f.db, "Name", QStringLiteral("*田*")).size(), 1);
        }
        QVERIFY(search.isFull());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, search.search(*f.db, "Name", "**"));
        QCOMPARE(search.count(), RecordSearch::MaxConditions);
    }

    void onlyKnownColumns() {
        Fixture f;
        RecordSearch staff(Source::Staff);
        // Position is shown but not searchable; anything else never reaches the statement.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, staff.search(*f.db, "Position", "**"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 staff.search(*f.db, "Name LIKE '%' OR Code", "**"));
        QVERIFY_THROWS_EXCEPTION(
            std::invalid_argument,
            staff.search(*f.db, "Name", "**", "Name; DROP TABLE 担当者", true));
        QCOMPARE(staff.count(), 0);
        QVERIFY(f.db->tableExists(QStringLiteral("担当者")));
    }

    void staffClassesAndGoods() {
        Fixture f;
        f.db->exec(QStringLiteral("INSERT INTO 担当者 (Code, Name, Position) VALUES (?, ?, ?), "
                                  "(?, ?, ?)"),
                   {"01", QStringLiteral("山田太郎"), QStringLiteral("営業部"), "02",
                    QStringLiteral("田中花子"), QStringLiteral("経理部")});
        f.db->exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) VALUES (?, ?), (?, ?)"),
                   {"1", QStringLiteral("卸売"), "2", QStringLiteral("小売")});
        f.db->exec(QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) "
                                  "VALUES (?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"),
                   {"A001", QStringLiteral("ボルト"), QStringLiteral("ﾎﾞﾙﾄ"), 12.5,
                    QStringLiteral("個"), "A002", QStringLiteral("ナット"), QStringLiteral("ﾅｯﾄ"),
                    1200, QStringLiteral("箱")});

        RecordSearch staff(Source::Staff);
        QCOMPARE(
            staff.search(*f.db, "Name", QStringLiteral("*田*")),
            QList<QStringList>({{"01", QStringLiteral("山田太郎"), QStringLiteral("営業部")},
                                {"02", QStringLiteral("田中花子"), QStringLiteral("経理部")}}));
        RecordSearch classes(Source::Classes);
        QCOMPARE(
            classes.search(*f.db, "Code", "**"),
            QList<QStringList>({{"1", QStringLiteral("卸売")}, {"2", QStringLiteral("小売")}}));

        // The goods search sorts by its stored preference and takes the rows as queried.
        RecordSearch goods(Source::Goods);
        QCOMPARE(
            goods.search(*f.db, "Kana", "**", "Name", true),
            QList<QStringList>({{"A001", QStringLiteral("ボルト"), "12.5", QStringLiteral("個")},
                                {"A002", QStringLiteral("ナット"), "1200", QStringLiteral("箱")}}));
        RecordSearch sets(Source::SetGoods);
        QCOMPARE(sets.table(), QStringLiteral("セット商品"));
        QVERIFY(sets.search(*f.db, "Code", "**", "Code", false).isEmpty());
        QCOMPARE(sets.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRecordSearch)
#include "tst_recordsearch.moc"
