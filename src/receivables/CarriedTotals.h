#pragma once
#include "core/RecordSet.h"

#include <QtGlobal>

class Database;
class QDate;
struct LedgerPeriod;

// Every customer's ledger sums before one date (売掛繰越), kept up to date by the
// database's triggers on every write to the ledger. The list of a month after that date
// adds them to the rows since, instead of summing a customer's whole history each time.
class CarriedTotals {
public:
    explicit CarriedTotals(Database& db) : m_db(db) {}

    // The date before which the sums are kept; 0 when none are.
    qint64 Date() const;
    // Sums every row before `ymd` afresh and keeps them from then on; one transaction.
    void MoveTo(qint64 ymd);
    // Moves the date to 1 January two years before `today` when it is older, so that the
    // months a shop looks at are listed from the kept sums (once a year, at start).
    void KeepFor(const QDate& today);

    // True when the list of `period` can be made from the kept sums.
    bool Covers(const LedgerPeriod& period) const;
    // The list's rows for `period` (Covers() must hold): per customer with a ledger row up
    // to the period's end, by code, Code, Name, PriceTotal and ReceiveTotal (up to the
    // end) and PeriodPrice and PeriodReceive (within the period).
    RecordSet ListRecords(const LedgerPeriod& period) const;

private:
    Database& m_db;
};
