#pragma once
#include "core/RecordSet.h"
#include "printing/ListPrint.h"

class Database;

// Sample rows for every list kind, as the list windows and the ledger hand them over:
// enough rows for more than one page, with repeated departments and payment kinds (the
// ditto mark), a zero and a negative amount, and empty optional fields.
namespace GalleryLists {
// The list print hand-off of `kind` with `count` rows. For one customer's transactions
// the carried balance is read from `mainDb`, where StoreLedger() has put it.
ListPrintInput Input(int kind, int count);
// Ledger rows before the sample month, so that the transaction list opens with a balance.
void StoreLedger(Database& mainDb);
} // namespace GalleryLists
