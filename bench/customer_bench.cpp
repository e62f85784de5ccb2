// Customer operations on 30,000 generated customers, each against the same query on
// the bare SQLite interface on the same file in the same run:
//   read by code, step to the next customer, and a name search "*田*".
// When KIVORA_BENCH_PG names a PostgreSQL server, the same routines also run on a
// database there filled with the same customers, next to their SQLite times.
#include "BenchServer.h"
#include "BenchTiming.h"
#include "DataGenerator.h"
#include "core/Database.h"
#include "customers/CustomerStore.h"
#include "customers/RecordSearch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <sqlite3.h>
#include <vector>

namespace {

double medianMs(int repeats, const std::function<void(int)>& work) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer clock;
        clock.start();
        work(i);
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The same statement through the bare interface: prepare, bind, step through every row,
// read every column as text.
struct Raw {
    sqlite3* db = nullptr;
    explicit Raw(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        // Held like the program holds its files, so both sides skip the same locking.
        sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~Raw() { sqlite3_close(db); }
    int run(const char* sql, const QStringList& values) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        for (int i = 0; i < values.size(); ++i) {
            const QByteArray v = values[i].toUtf8();
            sqlite3_bind_text(stmt, i + 1, v.constData(), static_cast<int>(v.size()),
                              SQLITE_TRANSIENT);
        }
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                (void)QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            ++rows;
        }
        sqlite3_finalize(stmt);
        return rows;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_customers SOURCE_DIR\n");
        return 2;
    }
    const std::optional<ServerDatabase> server = BenchServer::FromEnvironment();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Kivora0.MDB");
    DataGenerator::CreateMainDatabase(path, QString::fromLocal8Bit(argv[1]));
    {
        Database db(path, QStringLiteral("顧客"));
        DataGenerator::AddCustomers(db, 30000);
    }
    std::mt19937 random(7);
    std::vector<QString> codes;
    for (int i = 0; i < 400; ++i)
        codes.push_back(QString::number(1 + random() % 30000));

    // Raw first, on the file alone (the program's connection holds it exclusively).
    double rawRead, rawNext, rawSearch;
    {
        Raw raw(path);
        rawRead = medianMs(400, [&](int i) {
            raw.run("SELECT 顧客.*, 顧客分類.Name AS ClassName FROM 顧客 LEFT JOIN 顧客分類 ON "
                    "顧客.Class = 顧客分類.Code WHERE 顧客.Code = ?",
                    {codes[i]});
        });
        rawNext = medianMs(400, [&](int i) {
            raw.run("SELECT 顧客.*, 顧客分類.Name AS ClassName FROM 顧客 LEFT JOIN 顧客分類 ON "
                    "顧客.Class = 顧客分類.Code WHERE 顧客.Code > ? ORDER BY 顧客.Code LIMIT 1",
                    {codes[i]});
        });
        rawSearch = medianMs(15, [&](int) {
            raw.run("SELECT Code, Name, Address1, TEL FROM 顧客 WHERE Name LIKE ? ESCAPE '\\' "
                    "ORDER BY Name DESC",
                    {QStringLiteral("%田%")});
        });
    }
    // The program's routines, on whichever engine `db` lives in.
    struct Times {
        double read, next, search;
    };
    auto timeRoutines = [&codes](Database& db) {
        CustomerStore store(db);
        Times t;
        t.read = medianMs(400, [&](int i) { store.Read(codes[i]); });
        t.next = medianMs(400, [&](int i) { store.Move(CustomerStore::Step::Next, codes[i]); });
        t.search = medianMs(15, [&](int) {
            RecordSearch search(RecordSearch::Source::Customers);
            search.search(db, QStringLiteral("Name"),
                          RecordSearch::MakePattern(QStringLiteral("田"), false));
        });
        return t;
    };
    Times file;
    {
        Database db(path, QStringLiteral("顧客"));
        file = timeRoutines(db);
    }
    report("customer_read_by_code", file.read, rawRead);
    report("customer_move_next", file.next, rawNext);
    report("customer_search_name", file.search, rawSearch);

    if (server) {
        ServerMain main(*server, QString::fromLocal8Bit(argv[1]));
        Database db(main.where(), QStringLiteral("顧客"));
        QElapsedTimer clock;
        clock.start();
        DataGenerator::AddCustomers(db, 30000);
        BenchServer::Analyze(db);
        std::fprintf(stderr, "generated 30000 customers on the server in %.1f s\n",
                     clock.elapsed() / 1e3);
        const Times t = timeRoutines(db);
        BenchServer::Report("customer_read_by_code", file.read, t.read);
        BenchServer::Report("customer_move_next", file.next, t.next);
        BenchServer::Report("customer_search_name", file.search, t.search);
    }
    return 0;
}
