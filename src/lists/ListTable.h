#pragma once
#include "core/RecordSet.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <Qt>

// The grid of a list as the display shows it and the export writes it: the header
// row(s), the record rows, and the total row when there is one. Every cell is the text
// shown, so that the file holds exactly what the user saw.
struct ListTable {
    int HeaderRows = 1;
    int RowsPerRecord = 1;
    int Records = 0;
    int AmountColumn = -1; // the summed column, -1 for lists without a total
    bool HasTotal = false;
    QList<QStringList> Cells; // every row has columnCount() cells
    QList<Qt::Alignment> Alignment;

    int columnCount() const { return static_cast<int>(Alignment.size()); }
    int rowCount() const { return static_cast<int>(Cells.size()); }
    // The record a grid row shows, -1 for a header or the total row.
    int recordOf(int row) const;
    // Every second record, starting with the first, is shaded across the row(s).
    bool shaded(int row) const;
};

struct ListTableOptions {
    // The staff list leaves out the department column when it shows one department.
    bool ByDepartment = false;
    // Address labels: the codes of the customers whose output mark the user cleared.
    const QSet<QString>* Cleared = nullptr;
};

// Output marks of the address-label list.
namespace ListMark {
inline const QString On = QStringLiteral("○");
inline const QString Off = QStringLiteral("×");
} // namespace ListMark

// Builds the grid of list `kind` from its rows (the record set is read, not moved).
ListTable BuildListTable(int kind, const RecordSet& rows, const ListTableOptions& options = {});

// The sort list (ListKind) whose stored order a list kind follows; -1 when it has none.
int SortListOf(int kind);

// The rows in the order a " ORDER BY <column>[ DESC]" clause names; equal keys keep
// their order. Numbers compare as numbers, texts as texts (codes are texts).
RecordSet SortRecords(const RecordSet& rows, const QString& orderClause);
