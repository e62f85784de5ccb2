// The receivables ledger on a main database of 30,000 customers and 400,000 ledger rows,
// each figure against the same statements on the bare SQLite interface on the same file
// in the same run:
//   the all-customers list of one month (the kept sums before the year and the rows
//   since), and one customer's ledger of a month (its rows and its carry-over).
// For comparison it also times once, on the bare interface, the list summed over the
// whole history in one grouped query, and with one period query per customer.
// The two sides take turns over several rounds; each figure is the median of its calls.
// When KIVORA_BENCH_PG names a PostgreSQL server, the same routines also take their turn
// on a database there filled with the same rows, next to their SQLite times.
//
//   bench_ledger SOURCE_DIR
#include "BenchServer.h"
#include "BenchTiming.h"
#include "DataGenerator.h"
#include "core/Database.h"
#include "receivables/CarriedTotals.h"
#include "receivables/Ledger.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int Customers = 30000;
constexpr int LedgerRows = 400000;
constexpr int Rounds = 5;

// The bare interface with the advantages the program's layer has too: statements
// prepared once and kept, the file held in exclusive locking mode.
struct Raw {
    sqlite3* db = nullptr;
    std::vector<std::pair<const char*, sqlite3_stmt*>> statements;

    explicit Raw(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~Raw() {
        for (auto& [sql, stmt] : statements)
            sqlite3_finalize(stmt);
        sqlite3_close(db);
    }
    sqlite3_stmt* prepare(const char* sql) {
        for (auto& [text, stmt] : statements) {
            if (text == sql) {
                sqlite3_reset(stmt);
                return stmt;
            }
        }
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "raw prepare failed: %s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        statements.emplace_back(sql, stmt);
        return stmt;
    }
    // Every row read, each column as the text or number it holds; the row count.
    int read(sqlite3_stmt* stmt) {
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                    (void)QString::fromUtf16(
                        static_cast<const char16_t*>(sqlite3_column_text16(stmt, c)),
                        sqlite3_column_bytes16(stmt, c) / 2);
                else
                    (void)sqlite3_column_double(stmt, c);
            }
            ++rows;
        }
        return rows;
    }
};

const char* const ListSql =
    "SELECT 顧客.Code AS Code, 顧客.Name AS Name, "
    "SUM(売掛.Price) AS PriceTotal, SUM(売掛.Receive) AS ReceiveTotal, "
    "SUM(CASE WHEN 売掛.SaleYMD >= ?1 THEN 売掛.Price ELSE 0 END) AS PeriodPrice, "
    "SUM(CASE WHEN 売掛.SaleYMD >= ?1 THEN 売掛.Receive ELSE 0 END) AS PeriodReceive "
    "FROM 売掛 INNER JOIN 顧客 ON 売掛.UserCode = 顧客.Code "
    "WHERE 売掛.SaleYMD <= ?2 GROUP BY 顧客.Code, 顧客.Name ORDER BY 顧客.Code";
// The list after the date of the kept sums: those sums and the rows since.
const char* const CustomersSql = "SELECT Code, Name FROM 顧客 ORDER BY Code";
const char* const CarriedSql = "SELECT UserCode, Price, Receive FROM 売掛繰越";
const char* const SinceSql =
    "SELECT UserCode, SUM(Price) AS Price, SUM(Receive) AS Receive, "
    "SUM(CASE WHEN SaleYMD >= ?1 THEN Price ELSE 0 END) AS PeriodPrice, "
    "SUM(CASE WHEN SaleYMD >= ?1 THEN Receive ELSE 0 END) AS PeriodReceive "
    "FROM 売掛 WHERE SaleYMD >= ?2 AND SaleYMD <= ?3 GROUP BY UserCode";
const char* const RowsSql = "SELECT * FROM 売掛 WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ? "
                            "ORDER BY SaleYMD, Division, DocType, DocNumber";
const char* const CarrySql = "SELECT SUM(Price - Receive) AS CarryOver FROM 売掛 "
                             "WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ?";
const char* const CumulativeSql =
    "SELECT Code, Name, SUM(Price) AS PriceTotal, SUM(Receive) AS ReceiveTotal FROM 売掛 "
    "INNER JOIN 顧客 ON (売掛.UserCode = 顧客.Code) WHERE SaleYMD BETWEEN ? AND ? "
    "GROUP BY Code, Name ORDER BY Code";
const char* const PeriodSql = "SELECT SUM(Price) AS PriceTotal, SUM(Receive) AS ReceiveTotal "
                              "FROM 売掛 WHERE UserCode = ? AND SaleYMD BETWEEN ? AND ?";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_ledger SOURCE_DIR\n");
        return 2;
    }
    const std::optional<ServerDatabase> server = BenchServer::FromEnvironment();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Kivora0.MDB");
    DataGenerator::CreateMainDatabase(path, QString::fromLocal8Bit(argv[1]));
    ClosingRule rule;
    {
        QElapsedTimer clock;
        clock.start();
        Database db(path, QStringLiteral("顧客"));
        DataGenerator::AddCustomers(db, Customers);
        DataGenerator::AddLedger(db, LedgerRows);
        const int rows = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 売掛")).toInt();
        std::fprintf(stderr, "generated %d ledger rows in %.1f s\n", rows, clock.elapsed() / 1e3);
        if (rows != LedgerRows)
            return 1;
        rule = Ledger(db).Closing();
        // As the program keeps it when started in the second year after the data's year.
        CarriedTotals(db).KeepFor(QDate(DataGenerator::LedgerYear + 2, 1, 1));
    }
    const qint64 carryDate = DataGenerator::LedgerYear * 10000 + 101;
    const LedgerPeriod period =
        Ledger::Period(DataGenerator::LedgerYear, DataGenerator::LedgerMonth, rule);
    const QString customer = DataGenerator::LedgerCustomer;
    const QByteArray customerUtf8 = customer.toUtf8();

    // The same rows on the server, with the same kept sums.
    std::unique_ptr<ServerMain> serverMain;
    std::unique_ptr<Database> serverDb;
    if (server) {
        QElapsedTimer clock;
        clock.start();
        serverMain = std::make_unique<ServerMain>(*server, QString::fromLocal8Bit(argv[1]));
        serverDb = std::make_unique<Database>(serverMain->where(), QStringLiteral("顧客"));
        DataGenerator::AddCustomers(*serverDb, Customers);
        DataGenerator::AddLedger(*serverDb, LedgerRows);
        CarriedTotals(*serverDb).KeepFor(QDate(DataGenerator::LedgerYear + 2, 1, 1));
        BenchServer::Analyze(*serverDb);
        const int rows = serverDb->scalar(QStringLiteral("SELECT COUNT(*) FROM 売掛")).toInt();
        std::fprintf(stderr, "generated %d ledger rows on the server in %.1f s\n", rows,
                     clock.elapsed() / 1e3);
        if (rows != LedgerRows)
            return 1;
    }

    int listed = -1, perCustomerListed = -1, serverListed = -1;
    double perCustomer = 0, wholeHistory = 0;
    Samples rawList, rawCustomer, list, customerLedger, serverList, serverCustomer;
    for (int round = 0; round < Rounds; ++round) {
        {
            // Raw first, on the file alone: the program's connection would hold it.
            Raw raw(path);
            rawList.run(5, [&] {
                raw.read(raw.prepare(CustomersSql));
                raw.read(raw.prepare(CarriedSql));
                sqlite3_stmt* since = raw.prepare(SinceSql);
                sqlite3_bind_int64(since, 1, period.Start);
                sqlite3_bind_int64(since, 2, carryDate);
                sqlite3_bind_int64(since, 3, period.End);
                raw.read(since);
            });
            if (round == 0) {
                QElapsedTimer clock;
                clock.start();
                sqlite3_stmt* stmt = raw.prepare(ListSql);
                sqlite3_bind_int64(stmt, 1, period.Start);
                sqlite3_bind_int64(stmt, 2, period.End);
                raw.read(stmt);
                wholeHistory = clock.nsecsElapsed() / 1e6;
            }
            rawCustomer.run(20, [&] {
                sqlite3_stmt* rows = raw.prepare(RowsSql);
                sqlite3_bind_text(rows, 1, customerUtf8.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(rows, 2, period.Start);
                sqlite3_bind_int64(rows, 3, period.End);
                if (raw.read(rows) != 56)
                    std::exit(1);
                sqlite3_stmt* carry = raw.prepare(CarrySql);
                sqlite3_bind_text(carry, 1, customerUtf8.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(carry, 2, LedgerOrigin);
                sqlite3_bind_int64(carry, 3, period.PreviousEnd);
                raw.read(carry);
            });
            if (round == 0) {
                // The list the slow way: the cumulative sums, then one query per customer.
                QElapsedTimer clock;
                clock.start();
                sqlite3_stmt* all = raw.prepare(CumulativeSql);
                sqlite3_bind_int64(all, 1, LedgerOrigin);
                sqlite3_bind_int64(all, 2, period.End);
                std::vector<QByteArray> codes;
                while (sqlite3_step(all) == SQLITE_ROW)
                    codes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(all, 0)));
                perCustomerListed = 0;
                for (const QByteArray& code : codes) {
                    sqlite3_stmt* own = raw.prepare(PeriodSql);
                    sqlite3_bind_text(own, 1, code.constData(), -1, SQLITE_TRANSIENT);
                    sqlite3_bind_int64(own, 2, period.Start);
                    sqlite3_bind_int64(own, 3, period.End);
                    perCustomerListed += raw.read(own);
                }
                perCustomer = clock.nsecsElapsed() / 1e6;
            }
        }
        {
            Database db(path, QStringLiteral("顧客"));
            const Ledger ledger(db);
            list.run(5, [&] { listed = int(ledger.ReadList(period).Records.RecordCount()); });
            customerLedger.run(20, [&] {
                if (ledger.ReadCustomer(customer, period).Entries.size() != 56)
                    std::exit(1);
            });
        }
        if (serverDb) {
            const Ledger ledger(*serverDb);
            serverList.run(
                5, [&] { serverListed = int(ledger.ReadList(period).Records.RecordCount()); });
            serverCustomer.run(20, [&] {
                if (ledger.ReadCustomer(customer, period).Entries.size() != 56)
                    std::exit(1);
            });
        }
    }
    if (listed != perCustomerListed) {
        std::fprintf(stderr, "the grouped list has %d customers, the per-customer one %d\n", listed,
                     perCustomerListed);
        return 1;
    }
    if (serverDb && serverListed != listed) {
        std::fprintf(stderr, "the server's list has %d customers, the file's %d\n", serverListed,
                     listed);
        return 1;
    }
    report("ledger_list_month_30000_customers", list.median(), rawList.median());
    report("ledger_customer_month", customerLedger.median(), rawCustomer.median());
    std::printf("ledger_list_whole_history_query: %.3f ms (one run, bare interface)\n",
                wholeHistory);
    std::printf("ledger_list_per_customer_queries: %.3f ms (one run, bare interface)\n",
                perCustomer);
    if (serverDb) {
        BenchServer::Report("ledger_list_month_30000_customers", list.median(),
                            serverList.median());
        BenchServer::Report("ledger_customer_month", customerLedger.median(),
                            serverCustomer.median());
    }
    return 0;
}
