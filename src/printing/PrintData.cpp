#include "printing/PrintData.h"

#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "receivables/Ledger.h"

namespace {

// The stores take a writable database because they also save; the readers used here
// are const and only select, so printing can keep its promise not to change anything.
Database& ForReading(const Database& db) {
    return const_cast<Database&>(db);
}

} // namespace

std::optional<CustomerRow> PrintData::Customer(const Database& mainDb, const QString& userCode) {
    return CustomerStore(ForReading(mainDb)).Read(userCode);
}

std::optional<CompanyRow> PrintData::Company(const Database& mainDb) {
    return CompanyStore(ForReading(mainDb)).Read();
}

QList<SlipLine> PrintData::SlipLines(const Database& mainDb, const QString& userCode, int docType,
                                     const QString& number) {
    return DocumentStore(ForReading(mainDb)).ReadLines(userCode, docType, number);
}

double PrintData::CarryOver(const Database& mainDb, const QString& userCode, qint64 from,
                            qint64 to) {
    return Ledger(ForReading(mainDb)).CarryOver(userCode, from, to);
}
