#include "lists/ListModel.h"

#include <QColor>
#include <QFont>

void ListModel::setTable(ListTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

void ListModel::setCell(int row, int column, const QString& text) {
    m_table.Cells[row][column] = text;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.rowCount();
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    const bool header = row < m_table.HeaderRows;
    switch (role) {
    case Qt::DisplayRole:
        return m_table.Cells[row][index.column()];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(header ? Qt::Alignment(Qt::AlignCenter)
                                          : m_table.Alignment[index.column()]);
    case Qt::BackgroundRole:
        // Light yellow bands let the eye follow a record across a wide row.
        if (header)
            return QColor(Qt::lightGray);
        if (m_table.shaded(row))
            return QColor(0xFF, 0xFF, 0xC0);
        return {};
    default:
        return {};
    }
}
