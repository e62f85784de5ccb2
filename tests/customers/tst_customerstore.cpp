// The customer store: a row read and written whole with its row of last document numbers,
// deleting that spares the documents, and stepping in text order of the code.
#include "core/Database.h"
#include "customers/CustomerStore.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>

namespace {

using Step = CustomerStore::Step;

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();
    CustomerStore store{*db};

    int count(const QString& table) { return db->scalar("SELECT COUNT(*) FROM " + table).toInt(); }
};

QString CustomerRow::*const kTexts[] = {
    &CustomerRow::Name,      &CustomerRow::Kana,     &CustomerRow::Prefix1,
    &CustomerRow::ZipCode,   &CustomerRow::Address1, &CustomerRow::Address2,
    &CustomerRow::TEL,       &CustomerRow::FAX,      &CustomerRow::Portable,
    &CustomerRow::Position1, &CustomerRow::Charge1,  &CustomerRow::Position2,
    &CustomerRow::Charge2,   &CustomerRow::Prefix2,  &CustomerRow::Remark,
    &CustomerRow::ClassName};
int CustomerRow::*const kNumbers[] = {&CustomerRow::Fraction, &CustomerRow::ClosingDay,
                                      &CustomerRow::Payment, &CustomerRow::Mail,
                                      &CustomerRow::ClosingType};

QString Fields(const std::optional<CustomerRow>& r) {
    if (!r)
        return "<none>";
    QStringList out{r->Code, r->Class};
    for (auto text : kTexts)
        out << (*r).*text;
    for (auto number : kNumbers)
        out << QString::number((*r).*number);
    return out.join('|') + QString("|%1|%2").arg(r->BusinessYMD).arg(r->Excise);
}

// A customer whose every field holds a value of its own, so that no two can be swapped unseen.
CustomerRow Sample(const QString& code, const QString& name = "山田商店") {
    CustomerRow r;
    r.Code = code;
    for (int i = 0; i < 15; ++i)
        r.*kTexts[i] = QString("%1-%2").arg(code).arg(i);
    for (int i = 0; i < 5; ++i)
        r.*kNumbers[i] = i + 1;
    r.Name = name;
    r.Class = "A1";
    r.BusinessYMD = 20010401;
    r.Excise = 8;
    return r;
}

} // namespace

class TestCustomerStore : public QObject {
    Q_OBJECT

private slots:
    void savedRowsReadBackWhole() {
        Fixture f;
        f.db->exec("INSERT INTO 顧客分類 (Code, Name) VALUES ('A1', '小売')");
        QVERIFY(!f.store.Read("7"));
        CustomerRow row = Sample("7");
        f.store.Save(row); // added
        row.ClassName = "小売";
        QCOMPARE(Fields(f.store.Read("7")), Fields(row));
        QVERIFY(f.store.Exists("7") && !f.store.Exists("77"));
        // Replaced in place: one row, every column, and the bank columns no window keeps emptied.
        f.db->exec("UPDATE 顧客 SET Bank = 'x', AccountType = 3");
        row = Sample("7", "山田商会");
        row.Class.clear();
        row.Excise = 10;
        row.ClosingType = 7;
        f.store.Save(row);
        QCOMPARE(Fields(f.store.Read("7")), Fields(row));
        QCOMPARE(f.db->scalar("SELECT Bank || AccountType FROM 顧客").toString(), "0");
        QCOMPARE(f.store.Count(), 1);
        // Each customer has one row of last document numbers, however often it is saved.
        f.db->exec("DELETE FROM 前回伝票");
        f.store.Save(row);
        f.store.Save(row);
        QCOMPARE(f.count("前回伝票 WHERE UserCode = '7'"), 1);
    }

    void deleteSparesTheDocuments() {
        Fixture f;
        f.store.Save(Sample("8"));
        f.store.Save(Sample("9"));
        f.db->exec("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber) VALUES ('8', 2, '1')");
        f.db->exec(
            "INSERT INTO 売掛 (UserCode, DocType, DocNumber, Price) VALUES ('8', 2, '1', 1)");
        f.store.Delete("8");
        f.store.Delete("55"); // not stored: nothing happens
        QList<int> counts;
        for (const char* table :
             {"顧客", "前回伝票", "前回伝票 WHERE UserCode = '8'", "伝票管理", "売掛"})
            counts << f.count(table);
        QCOMPARE(counts, QList<int>({1, 1, 0, 1, 1}));
    }

    void stepping_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("reached");
        // Customers 2, 10 and 9: in text order 10, 2, 9.
        const auto row = [](const char* name, Step step, const char* from, const char* reached) {
            QTest::newRow(name) << int(step) << QString(from) << QString(reached);
        };
        row("first", Step::First, "9", "10");
        row("last", Step::Last, "", "9");
        row("next", Step::Next, "10", "2");
        row("next stays at the last", Step::Next, "9", "9");
        row("previous", Step::Previous, "9", "2");
        row("previous stays at the first", Step::Previous, "10", "10");
        // From no customer, stepping starts at the first one.
        row("next from nothing", Step::Next, "", "2");
        row("previous from nothing", Step::Previous, "", "10");
        row("next from an unknown code", Step::Next, "55", "2");
        row("previous from an unknown code", Step::Previous, "3", "10");
    }

    void stepping() {
        QFETCH(int, step);
        QFETCH(QString, from);
        Fixture f;
        QVERIFY(!f.store.Move(Step(step), from)); // no customer at all
        for (const char* code : {"2", "10", "9"})
            f.store.Save(Sample(code, QString("客") + code));
        const std::optional<CustomerRow> reached = f.store.Move(Step(step), from);
        QVERIFY(reached);
        QTEST(reached->Code, "reached");
        QCOMPARE(reached->Name, "客" + reached->Code);
    }
};

KIVORA_TEST(TestCustomerStore)
#include "tst_customerstore.moc"
