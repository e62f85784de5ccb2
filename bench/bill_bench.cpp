// Gathering one customer's bill for a month in which it has 1,000 posted delivery-note
// lines, on a main database of 3,000 customers, 60,000 ledger rows and 40,000 other
// delivery-note lines, against the same three statements (lines, payments, previous
// amount) on the bare SQLite interface on the same file in the same run. The two sides
// take turns over several rounds; each figure is the median of its calls.
//
//   bench_bill SOURCE_DIR
#include "BenchTiming.h"
#include "DataGenerator.h"
#include "core/Database.h"
#include "documents/BillGathering.h"
#include "documents/DocumentStore.h"
#include "receivables/Ledger.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int Rounds = 5;
constexpr int BillLines = 1000;

const char* const LinesSql =
    "SELECT 伝票管理.IssueYMD, 伝票管理.DocNumber, 納品.Goods, 納品.Quantity, 納品.Unit, "
    "納品.UnitPrice, 納品.Price, 納品.Remark FROM 伝票管理 INNER JOIN 納品 "
    "ON 伝票管理.UserCode = 納品.UserCode AND 伝票管理.DocNumber = 納品.Number "
    "WHERE 伝票管理.UserCode = ?1 AND 伝票管理.DocType = 2 AND 伝票管理.AddUpSale = 1 "
    "AND 伝票管理.IssueYMD BETWEEN ?2 AND ?3 "
    "ORDER BY 伝票管理.IssueYMD, 伝票管理.DocNumber, 納品.Count";
const char* const ReceiveSql = "SELECT SUM(Receive) FROM 売掛 WHERE UserCode = ?1 AND SaleYMD "
                               "BETWEEN ?2 AND ?3 AND (DocType = 0 OR DocType = 2)";
const char* const PreviousSql =
    "SELECT COALESCE(SUM(Price), 0) - COALESCE(SUM(Receive), 0) FROM 売掛 WHERE UserCode = ?1 "
    "AND SaleYMD BETWEEN 19900101 AND ?2 AND (DocType = 0 OR DocType = 2)";

// The bare interface with statements prepared once; each row read whole.
struct Raw {
    sqlite3* db = nullptr;
    sqlite3_stmt* lines = nullptr;
    sqlite3_stmt* receive = nullptr;
    sqlite3_stmt* previous = nullptr;
    explicit Raw(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db, LinesSql, -1, &lines, nullptr);
        sqlite3_prepare_v2(db, ReceiveSql, -1, &receive, nullptr);
        sqlite3_prepare_v2(db, PreviousSql, -1, &previous, nullptr);
    }
    ~Raw() {
        for (sqlite3_stmt* s : {lines, receive, previous})
            sqlite3_finalize(s);
        sqlite3_close(db);
    }
    static int read(sqlite3_stmt* stmt) {
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
        sqlite3_reset(stmt);
        return rows;
    }
};

// `notes` posted delivery notes of `lines` lines each for a customer, dated in turn
// over the days of the bill's month.
void AddNotes(Database& db, const QString& user, int notes, int lines, int firstNumber) {
    DocumentStore store(db);
    for (int n = 0; n < notes; ++n) {
        SlipHeader h;
        h.UserCode = user;
        h.DocType = 2;
        h.DocNumber = QString::number(firstNumber + n);
        h.IssueYMD = 20240601 + n % 28;
        h.AddUpSale = true;
        QList<SlipLine> rows;
        for (int i = 0; i < lines; ++i)
            rows << SlipLine{{}, QStringLiteral("商品%1").arg(i), 2, QStringLiteral("個"), 150, 300,
                             {}};
        store.Save(h, rows, 330.0 * lines);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_bill SOURCE_DIR\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Kivora0.MDB");
    DataGenerator::CreateMainDatabase(path, QString::fromLocal8Bit(argv[1]));
    const QString customer = DataGenerator::LedgerCustomer;
    {
        Database db(path, QStringLiteral("顧客"));
        DataGenerator::AddCustomers(db, 3000);
        DataGenerator::AddLedger(db, 60000);
        AddNotes(db, customer, 100, BillLines / 100, 500000);
        for (int c = 2; c <= 400; ++c)
            AddNotes(db, QString::number(c), 10, 10, 100000 + c * 100);
    }
    const BillPeriod period = *BillGathering::Period(2024, 6, 2024, 5, 31, 0);
    const QByteArray code = customer.toUtf8();
    Samples raw, program;
    for (int round = 0; round < Rounds; ++round) {
        {
            Raw r(path);
            raw.run(20, [&] {
                sqlite3_bind_text(r.lines, 1, code.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(r.lines, 2, period.Start);
                sqlite3_bind_int64(r.lines, 3, period.End);
                if (Raw::read(r.lines) != BillLines)
                    std::exit(1);
                sqlite3_bind_text(r.receive, 1, code.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(r.receive, 2, period.Start);
                sqlite3_bind_int64(r.receive, 3, period.End);
                Raw::read(r.receive);
                sqlite3_bind_text(r.previous, 1, code.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(r.previous, 2, period.PreviousEnd);
                Raw::read(r.previous);
            });
        }
        Database db(path, QStringLiteral("顧客"));
        const BillGathering gathering(db);
        program.run(20, [&] {
            const GatheredBill bill = gathering.Gather(customer, period, 2);
            if (bill.Lines.size() != BillLines)
                std::exit(1);
        });
    }
    std::printf("bill_gather_1000_lines: %.3f ms (baseline %.3f ms, ratio %.2f)\n",
                program.median(), raw.median(), program.median() / raw.median());
    return 0;
}
