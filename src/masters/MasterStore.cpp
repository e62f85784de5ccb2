#include "masters/MasterStore.h"

#include "core/Database.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"

namespace {

// The columns a kind reads, in the order RowFrom takes them. Table and column names
// come from this fixed list only; values are always bound.
QString Columns(MasterKind kind) {
    switch (kind) {
    case MasterKind::Staff:
        return QStringLiteral("Code, Position, Name");
    case MasterKind::Unit:
        return QStringLiteral("Code, Unit");
    case MasterKind::Goods:
        return QStringLiteral("Code, Name, UnitPrice, Unit, TaxType");
    case MasterKind::Set:
        return QStringLiteral("Code, Name, UnitPrice, Unit");
    case MasterKind::Class:
        return QStringLiteral("Code, Name");
    }
    return QStringLiteral("Code");
}

MasterRow RowFrom(MasterKind kind, const RecordSet& rs) {
    MasterRow row;
    row.Code = rs.text(QStringLiteral("Code"));
    switch (kind) {
    case MasterKind::Staff:
        row.Position = rs.text(QStringLiteral("Position"));
        row.Name = rs.text(QStringLiteral("Name"));
        break;
    case MasterKind::Unit:
        row.Unit = rs.text(QStringLiteral("Unit"));
        break;
    case MasterKind::Goods:
    case MasterKind::Set:
        row.Name = rs.text(QStringLiteral("Name"));
        // A price left empty by another program reads as 0, as this one stores it.
        row.UnitPrice = rs.number(QStringLiteral("UnitPrice"));
        row.Unit = rs.text(QStringLiteral("Unit"));
        if (kind == MasterKind::Goods)
            row.TaxType = rs.value(QStringLiteral("TaxType")).toInt();
        break;
    case MasterKind::Class:
        row.Name = rs.text(QStringLiteral("Name"));
        break;
    }
    return row;
}

} // namespace

std::optional<MasterKind> MasterStore::KindOf(int mode) {
    if (mode < 0 || mode > 4)
        return std::nullopt;
    return static_cast<MasterKind>(mode);
}

QString MasterStore::TableName(MasterKind kind) {
    switch (kind) {
    case MasterKind::Staff:
        return QStringLiteral("担当者");
    case MasterKind::Unit:
        return QStringLiteral("単位");
    case MasterKind::Goods:
        return QStringLiteral("商品");
    case MasterKind::Set:
        return QStringLiteral("セット商品");
    case MasterKind::Class:
        return QStringLiteral("顧客分類");
    }
    return {};
}

int MasterStore::MaxRows(MasterKind kind) {
    switch (kind) {
    case MasterKind::Staff:
        return 999;
    case MasterKind::Unit:
        return 99;
    case MasterKind::Goods:
        return 9999;
    case MasterKind::Set:
        return 999;
    case MasterKind::Class:
        return 99;
    }
    return 0;
}

std::optional<double> MasterStore::PriceValue(const QString& text) {
    if (text.trimmed().isEmpty())
        return 0.0;
    // The same reading as the price cells of a slip, so that whatever the list shows
    // ("1,200.00") is accepted again when typed.
    return ParseNumber(text);
}

QString MasterStore::UnitCode(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QList<MasterRow> MasterStore::List(MasterKind kind, const SettingsStore& settings) const {
    // The unit codes are the order of every unit list in the program, so the units are
    // never sorted otherwise (their window offers no sort).
    const QString order = kind == MasterKind::Unit ? QStringLiteral(" ORDER BY Code DESC")
                                                   : OrderClause(settings, int(kind));
    RecordSet rs = m_db.select(QStringLiteral("SELECT ") + Columns(kind) +
                               QStringLiteral(" FROM ") + TableName(kind) + order);
    // The clause orders in the reverse of the chosen order, because the list is filled
    // from the last record backwards; the rows are handed out as the list shows them.
    QList<MasterRow> rows;
    rows.reserve(rs.RecordCount());
    for (rs.MoveLast(); !rs.Bof(); rs.MovePrevious())
        rows << RowFrom(kind, rs);
    return rows;
}

int MasterStore::Count(MasterKind kind) const {
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + TableName(kind)).toInt();
}

std::optional<MasterRow> MasterStore::Find(MasterKind kind, const QString& code) const {
    const RecordSet rs =
        m_db.select(QStringLiteral("SELECT ") + Columns(kind) + QStringLiteral(" FROM ") +
                        TableName(kind) + QStringLiteral(" WHERE Code = ?"),
                    {code});
    if (rs.isEmpty())
        return std::nullopt;
    return RowFrom(kind, rs);
}

MasterStore::SaveResult MasterStore::Save(MasterKind kind, const MasterRow& row) {
    Transaction tx(m_db);
    const QString table = TableName(kind);
    const bool exists = m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table +
                                        QStringLiteral(" WHERE Code = ?"),
                                    {row.Code})
                            .toInt() > 0;
    if (!exists && Count(kind) >= MaxRows(kind))
        return SaveResult::LimitReached;

    QString columns;
    QVariantList values;
    switch (kind) {
    case MasterKind::Staff:
        columns = QStringLiteral("Position, Name");
        values = {row.Position, row.Name};
        break;
    case MasterKind::Unit:
        columns = QStringLiteral("Unit");
        values = {row.Unit};
        break;
    case MasterKind::Goods:
    case MasterKind::Set:
        // The registration never asks for a reading; an overwrite clears the old one.
        columns = QStringLiteral("Name, Kana, UnitPrice, Unit");
        values = {row.Name, QString(), row.UnitPrice, row.Unit};
        if (kind == MasterKind::Goods) {
            columns += QStringLiteral(", TaxType");
            values << row.TaxType;
        }
        break;
    case MasterKind::Class:
        columns = QStringLiteral("Name");
        values = {row.Name};
        break;
    }

    if (exists) {
        QString assignments = columns;
        assignments.replace(QStringLiteral(", "), QStringLiteral(" = ?, "));
        assignments += QStringLiteral(" = ?");
        m_db.exec(QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + assignments +
                      QStringLiteral(" WHERE Code = ?"),
                  values + QVariantList{row.Code});
    } else {
        QString marks = QStringLiteral("?");
        for (qsizetype i = 0; i < values.size(); ++i)
            marks += QStringLiteral(", ?");
        m_db.exec(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (Code, ") + columns +
                      QStringLiteral(") VALUES (") + marks + QLatin1Char(')'),
                  QVariantList{row.Code} + values);
    }
    tx.commit();
    return exists ? SaveResult::Replaced : SaveResult::Added;
}

QString MasterStore::NextUnitCode() const {
    return UnitCode(Count(MasterKind::Unit) + 1);
}

std::optional<QString> MasterStore::AddUnit(const QString& unit) {
    Transaction tx(m_db);
    QStringList names = UnitNamesInCodeOrder();
    if (names.size() >= MaxRows(MasterKind::Unit))
        return std::nullopt;
    // The new unit goes after the last one. Rewriting the whole table also closes gaps
    // that an edit outside this window may have left, so the new code is always n + 1
    // and never collides with a stored one.
    names << unit;
    WriteUnits(names);
    tx.commit();
    return UnitCode(int(names.size()));
}

bool MasterStore::Remove(MasterKind kind, const QString& code) {
    Transaction tx(m_db);
    const QString table = TableName(kind);
    const int removed = m_db.exec(
        QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE Code = ?"), {code});
    if (kind == MasterKind::Unit && removed > 0) {
        // The units below the deleted one move up a code each, so the codes stay
        // 01 ... n-1 and the unit lists keep their order.
        WriteUnits(UnitNamesInCodeOrder());
    } else if (kind == MasterKind::Set) {
        // A composition without its set could never be reached again; it goes too, even
        // when the set row itself was already gone.
        m_db.exec(QStringLiteral("DELETE FROM 商品構成 WHERE Code = ?"), {code});
    }
    tx.commit();
    return removed > 0;
}

void MasterStore::WriteUnits(const QStringList& names) {
    // Deleted and written afresh rather than moved code by code: codes typed by hand
    // ("1", "05") could otherwise collide with a code still in use.
    m_db.exec(QStringLiteral("DELETE FROM 単位"));
    for (int i = 0; i < int(names.size()); ++i)
        m_db.exec(QStringLiteral("INSERT INTO 単位 (Code, Unit) VALUES (?, ?)"),
                  {UnitCode(i + 1), names[i]});
}

QStringList MasterStore::UnitNamesInCodeOrder() const {
    RecordSet rs = m_db.select(QStringLiteral("SELECT Unit FROM 単位 ORDER BY Code"));
    QStringList names;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        names << rs.text(QStringLiteral("Unit"));
    return names;
}
