// The narrowing search against a real main database: which rows a stack of conditions
// finds, in which order, how typed patterns reach the engine, and that a failed search
// leaves the conditions as they were. The rows of each source are checked through the
// search dialogs (tst_finddialogs, tst_findgoods).
#include "support/TestMain.h"
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

    void customer(const QString& code, const QString& name, const QString& tel = QString(),
                  const QString& charge = QString()) {
        db->exec(QStringLiteral("INSERT INTO 顧客 (Code, Name, TEL, Charge1) VALUES (?, ?, ?, ?)"),
                 {code, name, tel, charge});
    }
};

QStringList Codes(const QList<QStringList>& rows) {
    QStringList out;
    for (const QStringList& row : rows)
        out << row.value(0);
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

    void wildcardsLiteralCharactersAndTies() {
        Fixture f;
        // Stored out of code order, so that ties cannot fall into code order by chance.
        f.customer("120", QStringLiteral("在庫_処分"), "", "01");
        f.customer("2", QStringLiteral("在庫X処分"), "", "01");
        f.customer("12", QStringLiteral("1000円均一"), "", "02");
        f.customer("1", QStringLiteral("100%還元"), "", "01");
        RecordSearch search(Source::Customers);
        const auto codes = [&](const char* column, const QString& pattern) {
            search.reset();
            return Codes(search.search(*f.db, column, pattern));
        };
        // "*" and "?" typed by the user are wildcards; "%" and "_" are plain characters.
        QCOMPARE(codes("Code", "1*"), QStringList({"1", "12", "120"}));
        QCOMPARE(codes("Code", "1?"), QStringList({"12"}));
        QCOMPARE(codes("Code", "12"), QStringList({"12"}));
        QCOMPARE(codes("Name", "*100%*"), QStringList({"1"}));
        QCOMPARE(codes("Name", QStringLiteral("*庫_処*")), QStringList({"120"}));
        QVERIFY(codes("Code", "%").isEmpty());
        // A quote in the pattern is only a character, never part of the statement.
        QVERIFY(codes("Name", "*' OR ''='*").isEmpty());
        QCOMPARE(f.db->scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客")).toInt(), 4);
        // Rows that tie on the searched column keep the code order.
        QCOMPARE(codes("Charge1", "**"), QStringList({"1", "120", "2", "12"}));
    }

    void failedSearchesKeepTheEarlierConditions() {
        Fixture f;
        f.customer("5", QStringLiteral("山田商店"), "03-1111-2222");
        f.customer("12", QStringLiteral("田中工務店"), "0776-12-3456");
        f.customer("7", QStringLiteral("佐藤商事"), "03-5555-0000");
        RecordSearch search(Source::Customers);
        QCOMPARE(search.search(*f.db, "Name", QStringLiteral("*田*")).size(), 2);
        QVERIFY(search.search(*f.db, "TEL", "*99*").isEmpty());
        QCOMPARE(search.count(), 1);
        // The next search narrows only by the name, not by the failed TEL condition.
        QCOMPARE(Codes(search.search(*f.db, "TEL", "*0*")), QStringList({"5", "12"}));
        // Five conditions at most: a sixth is refused and leaves them as they are.
        for (int i = search.count(); i < RecordSearch::MaxConditions; ++i) {
            QVERIFY(!search.isFull());
            QCOMPARE(search.search(*f.db, "Name", QStringLiteral("*田*")).size(), 2);
        }
        QVERIFY(search.isFull());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, search.search(*f.db, "Name", "**"));
        QCOMPARE(search.count(), RecordSearch::MaxConditions);

        // A failing statement drops its condition too, and the error reaches the caller.
        RecordSearch other(Source::Customers);
        other.search(*f.db, "Name", QStringLiteral("*田*"));
        f.db->exec(QStringLiteral("DROP TABLE 顧客"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, other.search(*f.db, "Code", "**"));
        QCOMPARE(other.count(), 1);
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
};

KIVORA_TEST(TestRecordSearch)
#include "tst_recordsearch.moc"
