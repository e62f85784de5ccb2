#pragma once
#include "customers/CustomerStore.h"
#include "documents/Slip.h"
#include "masters/CompanyStore.h"

#include <QList>
#include <QString>
#include <optional>

class Database;

// What a document print run reads from the main database before it draws anything:
// the customer, the own company and the stored lines. Reading everything first means a
// database failure stops the run before a single page exists.
namespace PrintData {
// The customer's row; nothing when no customer has this code.
std::optional<CustomerRow> Customer(const Database& mainDb, const QString& userCode);
// The own company's row; nothing when 自社情報 is empty.
std::optional<CompanyRow> Company(const Database& mainDb);
// The stored lines of an estimate, order, delivery note or invoice in their order.
QList<SlipLine> SlipLines(const Database& mainDb, const QString& userCode, int docType,
                          const QString& number);
// The balance a customer carries into a list of its transactions: sales less payments
// from `from` to `to` (the ledger's own sum).
double CarryOver(const Database& mainDb, const QString& userCode, qint64 from, qint64 to);
} // namespace PrintData
