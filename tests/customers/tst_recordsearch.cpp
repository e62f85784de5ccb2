// The narrowing search: which rows a stack of conditions finds, and in which order.
#include "core/Database.h"
#include "customers/RecordSearch.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <stdexcept>

class TestRecordSearch : public QObject {
    Q_OBJECT

private slots:
    void conditionsPatternsAndOrder() {
        TestEnv env(TestEnv::MainDb);
        auto db = env.openMain();
        // Stored out of code order, so that ties cannot fall into code order by chance.
        db->exec("INSERT INTO 顧客 (Code, Name, TEL, Charge1) VALUES ('120', '在庫_処分', '03-1', "
                 "'01'), ('2', '在庫X処分', '03-2', '01'), ('12', '100円', '', '02'), ('1', "
                 "'100%還元', '', '01')");
        RecordSearch search(RecordSearch::Source::Customers);
        const auto codes = [&](const char* column, const QString& text, bool exact = false) {
            QStringList out;
            for (const QStringList& row :
                 search.search(*db, column, RecordSearch::MakePattern(text, exact)))
                out << row.value(0);
            return out.join(' ');
        };
        // Typed "*" and "?" are wildcards, "%", "_" and quotes plain characters; an empty text
        // matches everything; rows that tie on the searched column keep the code order.
        const std::tuple<const char*, const char*, bool, const char*> cases[] = {
            {"Code", " 1* ", true, "1 12 120"}, {"Code", "1?", true, "12"},
            {"Code", "12", true, "12"},         {"Code", "12", false, "12 120"},
            {"Name", "0%", false, "1"},         {"Name", "庫_処", false, "120"},
            {"Code", "%", false, ""},           {"Name", "' OR ''='", false, ""},
            {"Charge1", "", true, "1 120 2 12"}};
        for (const auto& [column, text, exact, found] : cases) {
            search.reset();
            QCOMPARE(codes(column, text, exact), found);
        }
        // A NUL ends a text for LIKE ("1" + NUL would match every code from 1): it finds
        // nothing, and the failed condition is not kept.
        search.reset();
        QCOMPARE(codes("Code", QStringLiteral("1") + QChar(0) + QStringLiteral("*"), true), "");
        QCOMPARE(search.count(), 0);
        // A condition that finds nothing is dropped: the next one narrows the earlier only.
        search.reset();
        QCOMPARE(codes("Name", "在庫"), "2 120");
        QCOMPARE(codes("TEL", "99"), "");
        QCOMPARE(codes("TEL", "03"), "120 2");
        // Five conditions at most: a sixth is refused and leaves them as they are.
        while (!search.isFull())
            codes("Name", "在庫");
        QVERIFY_THROWS_EXCEPTION(std::logic_error, search.search(*db, "Name", "**"));
        QCOMPARE(search.count(), RecordSearch::MaxConditions);
    }
};

KIVORA_TEST(TestRecordSearch)
#include "tst_recordsearch.moc"
