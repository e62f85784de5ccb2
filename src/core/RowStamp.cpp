#include "core/RowStamp.h"

#include "core/Database.h"

#include <QRandomGenerator>

namespace RowStamp {

qint64 Fresh() {
    return QRandomGenerator::global()->bounded(1, 0x7fffffff);
}

std::optional<qint64> Read(const Database& db, const StampedRow& row) {
    const QVariant stamp = db.scalar(QStringLiteral("SELECT Stamp FROM ") + row.table +
                                         QStringLiteral(" WHERE ") + row.where,
                                     row.key);
    if (!stamp.isValid())
        return std::nullopt;
    // Rows written before stamps existed read as 0 (or NULL), which is a stamp like any.
    return stamp.toLongLong();
}

qint64 Claim(Database& db, const StampedRow& row, const Expect& expect) {
    const qint64 fresh = Fresh();
    QString key = row.table + QLatin1Char('|') + row.where;
    for (const QVariant& value : row.key)
        key += QLatin1Char('|') + value.toString();
    db.lockKey(key);
    if (expect.absent()) {
        // A row that appears between this check and the caller's insert (another seat's
        // save of the same key) makes the insert fail on the key instead.
        if (const auto current = Read(db, row))
            throw ChangedElsewhere(current);
        return fresh;
    }
    QVariantList values{fresh};
    QString sql =
        QStringLiteral("UPDATE ") + row.table + QStringLiteral(" SET Stamp = ? WHERE ") + row.where;
    values += row.key;
    if (!expect.anything()) {
        sql += QStringLiteral(" AND COALESCE(Stamp, 0) = ?");
        values << expect.stamp();
    }
    if (db.exec(sql, values) == 0 && !expect.anything())
        throw ChangedElsewhere(Read(db, row));
    return fresh;
}

} // namespace RowStamp
