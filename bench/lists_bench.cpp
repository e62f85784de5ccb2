// The customer list of 30,000 customers, each figure against the bare SQLite interface in
// the same run:
//   displayed: the selection read, sorted and shown in the list display, against the
//   same statement read on the bare interface;
//   exported: the selection read and written as a Shift_JIS text file, against the bare
//   statement plus one plain write of the same bytes.
// The two sides take turns over several rounds; each figure is the median of its calls.
//
//   bench_lists SOURCE_DIR
#include "BenchTiming.h"
#include "DataGenerator.h"
#include "core/AppState.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "lists/KivoraDisp.h"
#include "lists/ListQueries.h"
#include "lists/ListTable.h"
#include "lists/TextExport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int Customers = 30000;
constexpr int Rounds = 5;

const char* const ListSql =
    "SELECT 顧客.*, 顧客分類.Code AS ClassCode, 顧客分類.Name AS ClassName FROM 顧客 "
    "LEFT JOIN 顧客分類 ON 顧客.Class = 顧客分類.Code";

// The statement on the bare interface, every column read as text or number.
int RawRead(sqlite3* db) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, ListSql, -1, &stmt, nullptr);
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
    sqlite3_finalize(stmt);
    return rows;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_lists SOURCE_DIR\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Kivora0.MDB");
    DataGenerator::CreateMainDatabase(path, QString::fromLocal8Bit(argv[1]));
    {
        Database db(path, QStringLiteral("顧客"));
        DataGenerator::AddMasters(db, 20, 100);
        DataGenerator::AddCustomers(db, Customers);
    }
    SettingsStore settings(dir.path() + QStringLiteral("/Kivora.ini"));
    const QString file = dir.path() + QStringLiteral("/KOKYAKU.TXT");
    const QString plain = dir.path() + QStringLiteral("/PLAIN.TXT");
    QByteArray bytes;

    Samples rawDisplay, rawExport, display, exported;
    for (int round = 0; round < Rounds; ++round) {
        {
            sqlite3* raw = nullptr;
            sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
            rawDisplay.run(3, [&] {
                if (RawRead(raw) != Customers)
                    std::exit(1);
            });
            if (!bytes.isEmpty())
                rawExport.run(3, [&] {
                    RawRead(raw);
                    QFile out(plain);
                    out.open(QIODevice::WriteOnly);
                    out.write(bytes);
                });
            sqlite3_close(raw);
        }
        Database db(path, QStringLiteral("顧客"));
        AppState state;
        state.DbMain = &db;
        state.settings = &settings;
        state.gDocType = ListType::Customers;
        display.run(3, [&] {
            state.RsWork = ListQueries(db).Customers({}).Rows;
            KivoraDisp window(state);
            if (window.table().Records != Customers)
                std::exit(1);
        });
        exported.run(3, [&] {
            const ListTable table =
                BuildListTable(ListType::Customers, ListQueries(db).Customers({}).Rows);
            if (!WriteExportFile(file, table, ExportFormat::fromSettings(settings)).ok())
                std::exit(1);
        });
        if (bytes.isEmpty()) {
            QFile in(file);
            in.open(QIODevice::ReadOnly);
            bytes = in.readAll();
        }
    }
    std::fprintf(stderr, "export file: %lld bytes\n", static_cast<long long>(bytes.size()));
    report("customer list displayed (30000 customers)", display.median(), rawDisplay.median());
    report("customer list exported (30000 customers)", exported.median(), rawExport.median());
    return 0;
}
