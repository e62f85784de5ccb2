#pragma once
#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>

// The rows of one query, held in memory, with a current position that moves like a
// cursor. Opening a record set never keeps a statement open on the database.
class RecordSet {
public:
    RecordSet() = default;
    RecordSet(QStringList fields, QList<QVariantList> rows);

    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    bool Eof() const { return m_pos >= m_rows.size() || m_rows.isEmpty(); }
    bool Bof() const { return m_pos < 0 || m_rows.isEmpty(); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    void MoveFirst() { m_pos = 0; }
    void MoveLast() { m_pos = m_rows.isEmpty() ? 0 : m_rows.size() - 1; }
    void MoveNext() {
        if (m_pos < m_rows.size())
            ++m_pos;
    }
    void MovePrevious() {
        if (m_pos >= 0)
            --m_pos;
    }
    // Moves to the absolute row `index` (0-based); out of range leaves Eof or Bof set.
    void Move(int index) { m_pos = index; }
    int position() const { return static_cast<int>(m_pos); }
    // Row `index` (0-based, in range) as read, for a loop that reads many rows whole.
    const QVariantList& row(int index) const { return m_rows[index]; }

    // Moves to the first row (from the top) whose `field` equals `value`; NoMatch tells
    // whether none did, in which case the position is unchanged.
    void FindFirst(const QString& field, const QVariant& value);
    void FindFirst(const std::function<bool(const RecordSet&)>& predicate);
    bool NoMatch() const { return m_noMatch; }

    // Field of the current row by name (case-insensitive, like the engine's own names).
    // An invalid QVariant when there is no current row or no such field.
    QVariant value(const QString& field) const;
    QVariant value(int column) const;
    QString text(const QString& field) const { return value(field).toString(); }
    double number(const QString& field) const { return value(field).toDouble(); }
    bool isNull(const QString& field) const { return value(field).isNull(); }

    const QStringList& fields() const { return m_fields; }
    int fieldIndex(const QString& field) const;
    // A copy with its own position, at the first row.
    RecordSet Clone() const;
    void clear();

private:
    QStringList m_fields;
    QList<QVariantList> m_rows;
    qsizetype m_pos = 0;
    bool m_noMatch = false;
};
