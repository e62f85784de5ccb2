#include "core/RecordSet.h"

RecordSet::RecordSet(QStringList fields, QList<QVariantList> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

int RecordSet::fieldIndex(const QString& field) const {
    // The program names columns as the schema spells them: the exact match is tried
    // first, being many times cheaper than the case-blind one it falls back to.
    const qsizetype exact = m_fields.indexOf(field);
    if (exact >= 0)
        return static_cast<int>(exact);
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].compare(field, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QVariant RecordSet::value(int column) const {
    if (Eof() || Bof() || column < 0 || column >= m_fields.size())
        return {};
    return m_rows[m_pos][column];
}

QVariant RecordSet::value(const QString& field) const {
    return value(fieldIndex(field));
}

void RecordSet::FindFirst(const QString& field, const QVariant& value) {
    const int column = fieldIndex(field);
    FindFirst([&](const RecordSet& rs) { return column >= 0 && rs.value(column) == value; });
}

void RecordSet::FindFirst(const std::function<bool(const RecordSet&)>& predicate) {
    const qsizetype saved = m_pos;
    for (m_pos = 0; m_pos < m_rows.size(); ++m_pos) {
        if (predicate(*this)) {
            m_noMatch = false;
            return;
        }
    }
    m_pos = saved;
    m_noMatch = true;
}

RecordSet RecordSet::Clone() const {
    return RecordSet(m_fields, m_rows);
}

void RecordSet::clear() {
    m_fields.clear();
    m_rows.clear();
    m_pos = 0;
    m_noMatch = false;
}
