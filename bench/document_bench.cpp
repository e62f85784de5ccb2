// Document operations on a main database grown to 300,000 documents and 1.5 million
// lines over 30,000 customers, each against the same statements on the bare SQLite
// interface on the same file in the same run:
//   saving a 99-line delivery note with its sale and reading it back, opening the
//   history of a customer with 1,000 documents, a goods name search over 9,999 goods,
//   and one commit of a grid cell: goods lookup by code, line amount and totals.
// The two sides take turns over several rounds; each figure is the median of its calls.
// When KIVORA_BENCH_PG names a PostgreSQL server, the same routines also take their turn
// on a database there filled with the same documents, next to their SQLite times.
//
//   bench_documents SOURCE_DIR
#include "BenchServer.h"
#include "BenchTiming.h"
#include "DataGenerator.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "customers/RecordSearch.h"
#include "documents/DocumentStore.h"
#include "documents/HistoryQuery.h"
#include "documents/SlipTotals.h"
#include "masters/GoodsLookup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int Customers = 30000;
constexpr int Goods = 9999;
constexpr int Documents = 300000;
constexpr int LinesPerDocument = 5;
constexpr int SavedLines = 99;
constexpr int GridRows = 99;
// The two sides take turns, since an open Database holds the file exclusively; taking
// several turns spreads the load of anything else running on the machine over both.
constexpr int Rounds = 5;

// The bare interface with the advantages the program's layer has too: each statement
// prepared once and kept, the file held in exclusive locking mode.
struct Raw {
    sqlite3* db = nullptr;
    QHash<QByteArray, sqlite3_stmt*> statements;

    explicit Raw(const QString& path) {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    }
    ~Raw() {
        for (sqlite3_stmt* stmt : std::as_const(statements))
            sqlite3_finalize(stmt);
        sqlite3_close(db);
    }

    void bind(sqlite3_stmt* s, int i, const QString& v) {
        sqlite3_bind_text16(s, i, v.utf16(), static_cast<int>(v.size() * 2), SQLITE_TRANSIENT);
    }
    void bind(sqlite3_stmt* s, int i, int v) { sqlite3_bind_int(s, i, v); }
    void bind(sqlite3_stmt* s, int i, qint64 v) { sqlite3_bind_int64(s, i, v); }
    void bind(sqlite3_stmt* s, int i, double v) { sqlite3_bind_double(s, i, v); }

    template <typename... Args> sqlite3_stmt* prepare(const char* sql, const Args&... args) {
        sqlite3_stmt*& stmt = statements[QByteArray(sql)];
        if (!stmt && sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "raw prepare failed: %s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        sqlite3_reset(stmt);
        int i = 0;
        (bind(stmt, ++i, args), ...);
        return stmt;
    }
    // A statement that writes: the number of rows it changed.
    template <typename... Args> int exec(const char* sql, const Args&... args) {
        sqlite3_stmt* stmt = prepare(sql, args...);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            std::fprintf(stderr, "raw step failed: %s\n", sqlite3_errmsg(db));
            std::exit(1);
        }
        return sqlite3_changes(db);
    }
    // A query: every row read, every column taken as the text or number it holds.
    template <typename... Args> int select(const char* sql, const Args&... args) {
        sqlite3_stmt* stmt = prepare(sql, args...);
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

QString GoodsCode(int index) {
    return QStringLiteral("G%1").arg(index, 5, 10, QLatin1Char('0'));
}

// A delivery note as the window hands it over: 99 named lines, staff shown, posted.
struct Note {
    SlipHeader header;
    QList<SlipLine> lines;
    double total = 0;
};

Note MakeNote(const QString& user, const QString& number) {
    Note note;
    note.header.UserCode = user;
    note.header.DocType = 2;
    note.header.DocNumber = number;
    note.header.IssueYMD = 20240315;
    note.header.AddUpSale = true;
    note.header.ChargeCode = QStringLiteral("7");
    note.header.ChargeName = QStringLiteral("山田担当");
    note.header.Remark = QStringLiteral("三月分");
    for (int i = 1; i <= SavedLines; ++i) {
        SlipLine line;
        line.GoodsCode = GoodsCode(i * 97 % Goods + 1);
        line.Goods = QStringLiteral("商品%1").arg(i);
        line.Quantity = 1 + i % 12;
        line.Unit = QStringLiteral("個");
        line.UnitPrice = 150.0 + i;
        line.Price = *line.Quantity * *line.UnitPrice;
        line.Remark = QStringLiteral("");
        note.lines << line;
        note.total += *line.Price;
    }
    note.total = std::floor(note.total * 1.1);
    return note;
}

// The amount column of a grid with most lines filled, as the window hands it over.
QStringList AmountCells() {
    QStringList cells;
    for (int i = 1; i <= GridRows; ++i)
        cells << (i % 10 == 0 ? QString() : Format(1000.0 * i + 37, QStringLiteral("#,#0")));
    return cells;
}

// What the grid's arithmetic amounts to without the program's parser: separators
// dropped, the rest read as a double.
double PlainNumber(const QString& cell) {
    QString text = cell;
    text.remove(QLatin1Char(','));
    return text.toDouble();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_documents SOURCE_DIR\n");
        return 2;
    }
    const std::optional<ServerDatabase> server = BenchServer::FromEnvironment();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Kivora0.MDB");
    DataGenerator::CreateMainDatabase(path, QString::fromLocal8Bit(argv[1]));
    // Fills a database of either engine alike; false when the rows counted back from it,
    // so that a generator fault cannot pass unseen, are not what was asked for.
    auto fill = [](Database& db, const char* where) {
        QElapsedTimer clock;
        clock.start();
        DataGenerator::AddCustomers(db, Customers);
        DataGenerator::AddMasters(db, 50, Goods);
        DataGenerator::AddDocuments(db, Documents, LinesPerDocument, 1);
        if (db.engine() == Engine::PostgreSQL)
            BenchServer::Analyze(db);
        const double seconds = clock.elapsed() / 1000.0;
        const int headers = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 伝票管理")).toInt();
        int lines = 0;
        for (int type = 0; type <= 3; ++type)
            lines +=
                db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + DocumentStore::LineTable(type))
                    .toInt();
        const int sales = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 売掛")).toInt();
        std::fprintf(stderr, "generated %d documents, %d lines, %d sales%s in %.1f s\n", headers,
                     lines, sales, where, seconds);
        return headers == Documents && lines == Documents * LinesPerDocument;
    };
    {
        Database db(path, QStringLiteral("顧客"));
        if (!fill(db, ""))
            return 1;
    }
    std::unique_ptr<ServerMain> serverMain;
    std::unique_ptr<Database> serverDb;
    if (server) {
        serverMain = std::make_unique<ServerMain>(*server, QString::fromLocal8Bit(argv[1]));
        serverDb = std::make_unique<Database>(serverMain->where(), QStringLiteral("顧客"));
        if (!fill(*serverDb, " on the server"))
            return 1;
    }
    SettingsStore settings(dir.path() + QStringLiteral("/Norv.ini"));
    const QString historyOrder = OrderClause(settings, 9);

    std::mt19937 random(11);
    std::vector<QString> lookupCodes;
    for (int i = 0; i <= 400; ++i)
        lookupCodes.push_back(GoodsCode(1 + static_cast<int>(random() % Goods)));
    const QStringList amounts = AmountCells();
    const QString quantityCell = QStringLiteral("3.00");
    // Each save is a new note of another customer, so both sides do the same work.
    auto saveUser = [](bool raw, int i) { return QString::number(raw ? 100 + i : 5000 + i); };
    auto saveNumber = [](bool raw, int i) {
        return QStringLiteral("%1%2")
            .arg(raw ? QLatin1Char('R') : QLatin1Char('K'))
            .arg(i, 5, 10, QLatin1Char('0'));
    };

    const QByteArray historySql =
        (QStringLiteral("SELECT 伝票管理.DocNumber AS DocNumber, 伝票管理.IssueYMD AS IssueYMD, "
                        "担当者.Name AS ChargeName FROM 伝票管理 LEFT JOIN 担当者 ON "
                        "伝票管理.ChargeCode = 担当者.Code WHERE 伝票管理.UserCode = ? AND "
                        "伝票管理.DocType = ?") +
         historyOrder)
            .toUtf8();
    auto lookupCode = [&](int i) {
        return lookupCodes[static_cast<size_t>(i) % lookupCodes.size()];
    };
    Samples rawSave, rawHistory, rawSearch, rawCommit;
    // The program's routines on the file and on the server, each with its own samples.
    struct Program {
        Samples save, history, search, commit;
    };
    Program onFile, onServer;
    auto timeProgram = [&](Database& db, Program& p) {
        DocumentStore store(db);
        p.save.run(6, [&](int i) {
            const Note note = MakeNote(saveUser(false, i), saveNumber(false, i));
            store.Save(note.header, note.lines, note.total);
            store.ReadHeader(note.header.UserCode, 2, note.header.DocNumber);
            if (store.ReadLines(note.header.UserCode, 2, note.header.DocNumber).size() !=
                SavedLines)
                std::exit(1);
        });
        p.history.run(6, [&](int) {
            if (HistoryQuery::History(db, settings, DataGenerator::HistoryCustomer, 2).size() !=
                DataGenerator::HistoryDocuments)
                std::exit(1);
        });
        p.search.run(3, [&](int) {
            RecordSearch goods(RecordSearch::Source::Goods);
            goods.search(db, QStringLiteral("Name"),
                         RecordSearch::MakePattern(QStringLiteral("1"), false));
        });
        p.commit.run(80, [&](int i) {
            QStringList cells = amounts;
            const std::optional<GoodsRow> goods = GoodsLookup::FindGoods(db, lookupCode(i));
            if (!goods)
                std::exit(1);
            const QString priceCell = Format(goods->UnitPrice, QStringLiteral("#,#0.00"));
            cells[i % GridRows] = SlipTotals::LineAmount(quantityCell, priceCell, 0);
            volatile double total = SlipTotals::Calc(cells, 10, 0).total;
            (void)total;
        });
    };
    for (int round = 0; round < Rounds; ++round) {
        {
            // Raw first, on the file alone: the program's connection would hold it.
            Raw raw(path);
            rawSave.run(6, [&](int i) {
                const Note note = MakeNote(saveUser(true, i), saveNumber(true, i));
                const SlipHeader& h = note.header;
                const QString empty = QStringLiteral("");
                const qint64 date = h.IssueYMD;
                raw.exec("BEGIN IMMEDIATE");
                if (raw.exec("UPDATE 伝票管理 SET IssueYMD = ?, AddUpSale = ?, ChargeCode = ?, "
                             "Remark = ?, Deliver = ?, Business = ? "
                             "WHERE UserCode = ? AND DocType = ? AND DocNumber = ?",
                             date, 1, h.ChargeCode, h.Remark, empty, empty, h.UserCode, 2,
                             h.DocNumber) == 0)
                    raw.exec(
                        "INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, AddUpSale, "
                        "ChargeCode, Remark, Deliver, Business) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        h.UserCode, 2, h.DocNumber, date, 1, h.ChargeCode, h.Remark, empty, empty);
                raw.exec("DELETE FROM 納品 WHERE UserCode = ? AND Number = ?", h.UserCode,
                         h.DocNumber);
                int count = 0;
                for (const SlipLine& l : note.lines)
                    raw.exec("INSERT INTO 納品 (UserCode, Number, Count, GoodsCode, Goods, "
                             "Quantity, Unit, UnitPrice, Price, Remark, GoodsType, TaxType) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0)",
                             h.UserCode, h.DocNumber, ++count, l.GoodsCode, l.Goods, *l.Quantity,
                             l.Unit, *l.UnitPrice, *l.Price, l.Remark);
                if (raw.exec("UPDATE 売掛 SET SaleYMD = ?, Price = ?, Receive = 0, Division = 0, "
                             "ChargeCode = ?, Charge = ? WHERE UserCode = ? AND DocNumber = ? AND "
                             "DocType = ?",
                             date, note.total, h.ChargeCode, h.ChargeName, h.UserCode, h.DocNumber,
                             2) == 0)
                    raw.exec(
                        "INSERT INTO 売掛 (SaleYMD, UserCode, DocNumber, DocType, Price, Receive, "
                        "Division, Charge, ChargeCode) VALUES (?, ?, ?, ?, ?, 0, 0, ?, ?)",
                        date, h.UserCode, h.DocNumber, 2, note.total, h.ChargeName, h.ChargeCode);
                if (raw.exec("UPDATE 前回伝票 SET DocNumD = ? WHERE UserCode = ?", h.DocNumber,
                             h.UserCode) == 0)
                    raw.exec("INSERT INTO 前回伝票 (UserCode, DocNumD) VALUES (?, ?)", h.UserCode,
                             h.DocNumber);
                raw.exec("COMMIT");
                raw.select("SELECT 伝票管理.IssueYMD, 伝票管理.AddUpSale, 伝票管理.Remark, "
                           "伝票管理.FixDate, 伝票管理.Term, 伝票管理.Deliver, 伝票管理.Business, "
                           "担当者.Code, 担当者.Name, 担当者.Position FROM 伝票管理 LEFT JOIN "
                           "担当者 ON 伝票管理.ChargeCode = "
                           "担当者.Code WHERE 伝票管理.UserCode = ? AND 伝票管理.DocType = ? AND "
                           "伝票管理.DocNumber = ?",
                           h.UserCode, 2, h.DocNumber);
                if (raw.select("SELECT GoodsCode, Goods, Quantity, Unit, UnitPrice, Price, Remark "
                               "FROM 納品 WHERE UserCode = ? AND Number = ? ORDER BY Count",
                               h.UserCode, h.DocNumber) != SavedLines)
                    std::exit(1);
            });
            rawHistory.run(6, [&](int) {
                if (raw.select(historySql.constData(), DataGenerator::HistoryCustomer, 2) !=
                    DataGenerator::HistoryDocuments)
                    std::exit(1);
            });
            rawSearch.run(3, [&](int) {
                raw.select(
                    "SELECT Code, Name, UnitPrice, Unit FROM 商品 WHERE Name LIKE ? ESCAPE '\\' "
                    "ORDER BY Name DESC, Code DESC",
                    QStringLiteral("%1%"));
            });
            rawCommit.run(80, [&](int i) {
                QStringList cells = amounts;
                sqlite3_stmt* stmt = raw.prepare(
                    "SELECT Code, Name, Unit, UnitPrice FROM 商品 WHERE Code = ?", lookupCode(i));
                if (sqlite3_step(stmt) != SQLITE_ROW)
                    std::exit(1);
                (void)QString::fromUtf16(
                    static_cast<const char16_t*>(sqlite3_column_text16(stmt, 1)));
                (void)QString::fromUtf16(
                    static_cast<const char16_t*>(sqlite3_column_text16(stmt, 2)));
                const QString priceCell =
                    Format(sqlite3_column_double(stmt, 3), QStringLiteral("#,#0.00"));
                const double amount =
                    RoundFraction(PlainNumber(quantityCell) * PlainNumber(priceCell), 0);
                cells[i % GridRows] = Format(amount, QStringLiteral("#,#0"));
                double subtotal = 0;
                for (const QString& cell : std::as_const(cells))
                    if (!cell.isEmpty())
                        subtotal += PlainNumber(cell);
                volatile double total = subtotal + RoundFraction(10.0 / 100.0 * subtotal, 0);
                (void)total;
            });
        }
        {
            Database db(path, QStringLiteral("顧客"));
            timeProgram(db, onFile);
        }
        if (serverDb)
            timeProgram(*serverDb, onServer);
    }
    report("document_save_99_lines", onFile.save.median(), rawSave.median());
    report("history_1000_documents", onFile.history.median(), rawHistory.median());
    report("goods_search_9999", onFile.search.median(), rawSearch.median());
    report("grid_commit_lookup", onFile.commit.median(), rawCommit.median());
    if (serverDb) {
        BenchServer::Report("document_save_99_lines", onFile.save.median(), onServer.save.median());
        BenchServer::Report("history_1000_documents", onFile.history.median(),
                            onServer.history.median());
        BenchServer::Report("goods_search_9999", onFile.search.median(), onServer.search.median());
        BenchServer::Report("grid_commit_lookup", onFile.commit.median(), onServer.commit.median());
    }
    return 0;
}
