#pragma once
#include <QList>
#include <QString>

class Database;
class SettingsStore;

// One document in a customer's history list.
struct HistoryRow {
    QString DocNumber;
    qint64 IssueYMD = 0;
    QString ChargeName; // empty when the document has no staff member
};

namespace HistoryQuery {
// The customer's documents of a type in the order the user chose for the history
// (stored sort and order, by number when nothing is stored), as the list shows them.
QList<HistoryRow> History(const Database& db, const SettingsStore& settings,
                          const QString& userCode, int docType);
} // namespace HistoryQuery
