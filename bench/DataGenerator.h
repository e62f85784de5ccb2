#pragma once
#include <QString>

class Database;

// Fills a main database with a plausible business's data for benchmarks: Japanese
// customer names and addresses, classes, staff, units, goods and documents. The same seed gives the
// same data, so that figures of different runs compare, and a file and a server database
// filled alike hold the same rows.
namespace DataGenerator {

void AddCustomers(Database& db, int count, unsigned seed = 1);
void AddMasters(Database& db, int staff, int goods, unsigned seed = 1);
// Customer whose history the document benchmarks open, and how many delivery notes
// AddDocuments gives that customer.
inline const QString HistoryCustomer = QStringLiteral("1");
constexpr int HistoryDocuments = 1000;
// `documents` documents with `linesPerDocument` lines each, over the customers that
// AddCustomers made (call it first; AddMasters too, for goods codes and staff): the
// first HistoryDocuments are delivery notes of HistoryCustomer, the rest are estimates,
// orders, delivery notes and invoices spread over the other customers. Every delivery
// note is posted to 売掛, and 前回伝票 holds each customer's last numbers. Numbers are
// six characters 0-9/A-Z, unique over the whole set.
void AddDocuments(Database& db, int documents, int linesPerDocument, unsigned seed = 1);
// Customer whose ledger month the receivables benchmark opens, and that month.
inline const QString LedgerCustomer = QStringLiteral("1");
constexpr int LedgerYear = 2024;
constexpr int LedgerMonth = 6;
// `rows` rows of 売掛 over the customers that AddCustomers made, dated 2015-2024: about
// three sales to one payment (at most one payment per customer and date), a few of them
// refunds. LedgerCustomer gets a sale and a payment on each of the first 28 days of
// LedgerMonth.
void AddLedger(Database& db, int rows, unsigned seed = 1);
// A fresh main database at `path` from the delivered schema.
void CreateMainDatabase(const QString& path, const QString& sourceDir);

} // namespace DataGenerator
