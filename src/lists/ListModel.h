#pragma once
#include "lists/ListTable.h"

#include <QAbstractTableModel>

// Shows a ListTable in a view without copying it into items: a list of every customer
// has tens of thousands of rows.
class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(ListTable table);
    const ListTable& table() const { return m_table; }
    // Changes one cell (the output mark of a label row).
    void setCell(int row, int column, const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ListTable m_table;
};
