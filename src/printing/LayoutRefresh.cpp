#include "printing/LayoutRefresh.h"

#include "core/DataPaths.h"
#include "core/Database.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cmath>

// The delivered layouts are compiled into the logic library; a static library's
// resources are linked only when something asks for them by name.
static void InitLayoutResources() {
    Q_INIT_RESOURCE(layout);
}

namespace {

// A family of layout tables: its kind table and, for each other table, the kind-table
// column whose code selects its rows. The names come from this fixed list only.
struct Family {
    QString name;
    QString kindTable;
    QList<std::pair<QString, QString>> children; // table, code column of the kind row
};

const QList<Family>& families() {
    static const QList<Family> all = {
        {QStringLiteral("伝票"),
         QStringLiteral("伝票種類"),
         {{QStringLiteral("伝票項目"), QStringLiteral("ItemCode")},
          {QStringLiteral("伝票位置"), QStringLiteral("ItemCode")},
          {QStringLiteral("伝票罫線"), QStringLiteral("LineCode")},
          {QStringLiteral("伝票固定項目"), QStringLiteral("FixItemCode")}}},
        {QStringLiteral("一覧"),
         QStringLiteral("一覧種類"),
         {{QStringLiteral("一覧項目"), QStringLiteral("ItemCode")},
          {QStringLiteral("一覧位置"), QStringLiteral("ItemCode")},
          {QStringLiteral("一覧罫線"), QStringLiteral("LineCode")},
          {QStringLiteral("一覧固定項目"), QStringLiteral("FixItemCode")}}},
        {QStringLiteral("宛名"),
         QStringLiteral("宛名種類"),
         {{QStringLiteral("宛名項目"), QStringLiteral("ItemCode")},
          {QStringLiteral("宛名位置"), QStringLiteral("ItemCode")}}},
    };
    return all;
}

const Family* familyNamed(const QString& name) {
    for (const Family& f : families()) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

// A stored value as the fingerprint writes it: the same text whether the engine hands
// over 12, 12.0 or "12" for a whole number, six decimals at most otherwise. The script
// that fingerprints the earlier deliveries writes values the same way.
QString canonical(const QVariant& value) {
    if (value.isNull())
        return QStringLiteral("NULL");
    const int type = value.typeId();
    if (type == QMetaType::Double || type == QMetaType::Float) {
        const double v = value.toDouble();
        if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15)
            return QString::number(static_cast<qint64>(v));
        QString text = QString::number(v, 'f', 6);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        return text;
    }
    if (type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::ULongLong ||
        type == QMetaType::UInt || type == QMetaType::Bool)
        return QString::number(value.toLongLong());
    QString text = value.toString();
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

// The rows of a record set, each as its columns in name order, the rows sorted.
QStringList rowTexts(RecordSet& rs) {
    QStringList names = rs.fields();
    names.sort();
    QStringList rows;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        QStringList cells;
        for (const QString& name : names)
            cells << name + QLatin1Char('=') + canonical(rs.value(name));
        rows << cells.join(QLatin1Char('\t'));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

RecordSet kindRow(const Database& db, const Family& f, int code) {
    return db.select(
        QStringLiteral("SELECT * FROM ") + f.kindTable + QStringLiteral(" WHERE Code = ?"), {code});
}

RecordSet childRows(const Database& db, const QString& table, const QVariant& code) {
    return db.select(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE Code = ?"),
                     {code});
}

// Copies every row of `rows` into `table` of `db`.
void insertRows(Database& db, const QString& table, RecordSet& rows) {
    const QStringList names = rows.fields();
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
                        names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                        marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
        QVariantList values;
        for (const QString& name : names)
            values << rows.value(name);
        db.exec(sql, values);
    }
}

// True when no other layout of the family uses the codes of layout `kind` (the current
// row): its rows may then be replaced without touching another layout.
bool ownsItsRows(const Database& db, const Family& f, const RecordSet& kind) {
    for (const auto& [table, column] : f.children) {
        const QVariant shared =
            db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + f.kindTable +
                          QStringLiteral(" WHERE ") + column + QStringLiteral(" = ?"),
                      {kind.value(column)});
        if (shared.toInt() > 1)
            return false;
    }
    return true;
}

// True when none of the rows the delivered layout's codes select exist in `db` yet.
bool codesFree(const Database& db, const Family& f, const RecordSet& delivered) {
    for (const auto& [table, column] : f.children) {
        if (!childRows(db, table, delivered.value(column)).isEmpty())
            return false;
    }
    return true;
}

void addLayout(Database& db, const Database& delivered, const Family& f, RecordSet& kind) {
    for (const auto& [table, column] : f.children) {
        RecordSet rows = childRows(delivered, table, kind.value(column));
        insertRows(db, table, rows);
    }
    insertRows(db, f.kindTable, kind);
}

void removeLayout(Database& db, const Family& f, const RecordSet& kind) {
    for (const auto& [table, column] : f.children)
        db.exec(QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE Code = ?"),
                {kind.value(column)});
    db.exec(QStringLiteral("DELETE FROM ") + f.kindTable + QStringLiteral(" WHERE Code = ?"),
            {kind.value(QStringLiteral("Code"))});
}

// The layout version a script sets (its "PRAGMA user_version = N;" line); 0 without one.
int ScriptVersion(const QString& script) {
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression line(QStringLiteral("^PRAGMA user_version = (\\d+);"),
                                         QRegularExpression::MultilineOption |
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = line.match(QString::fromUtf8(file.readAll()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

DatabaseError notRefreshed(const QString& path, const QString& detail) {
    return DatabaseError(DatabaseError::Kind::NotUpgraded, path, detail);
}

} // namespace

namespace LayoutRefresh {

Deliveries ReadDeliveries(const QString& path) {
    InitLayoutResources();
    Deliveries out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() == 3)
            out[parts[0] + QLatin1Char('/') + parts[1]].insert(parts[2]);
    }
    return out;
}

QString Fingerprint(const Database& db, const QString& family, int code) {
    const Family* f = familyNamed(family);
    if (!f || !db.tableExists(f->kindTable))
        return {};
    RecordSet kind = kindRow(db, *f, code);
    if (kind.isEmpty())
        return {};
    kind.MoveFirst();
    QVariantList codes;
    for (const auto& child : f->children)
        codes << kind.value(child.second);
    QStringList parts{f->kindTable, rowTexts(kind).join(QLatin1Char('\n'))};
    for (qsizetype i = 0; i < f->children.size(); ++i) {
        const auto& [table, column] = f->children.at(i);
        RecordSet rows = childRows(db, table, codes.at(i));
        parts << table + QLatin1Char(':') + column << rowTexts(rows);
    }
    return QString::fromLatin1(
        QCryptographicHash::hash(parts.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha1)
            .toHex());
}

QStringList LayoutKeys(const Database& db) {
    QStringList keys;
    for (const Family& f : families()) {
        if (!db.tableExists(f.kindTable))
            continue;
        RecordSet rs = db.select(QStringLiteral("SELECT Code FROM ") + f.kindTable +
                                 QStringLiteral(" ORDER BY Code"));
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            keys << f.name + QLatin1Char('/') + rs.value(QStringLiteral("Code")).toString();
    }
    return keys;
}

Outcome RefreshFile(const QString& path, const QString& script, const QString& deliveriesPath) {
    InitLayoutResources();
    // SQLite would open a write-protected file read-only without a word (and an
    // administrator may write it anyway): a file the user protected is left alone.
    const QFileInfo info(path);
    constexpr QFile::Permissions anyWrite =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    Database db(path, LayoutDbMarkerTable());

    Outcome outcome;
    outcome.fromVersion = db.schemaVersion();
    outcome.toVersion = outcome.fromVersion;
    // A file as new as the program's layouts, or newer, is not touched; that is every
    // start but the first after an update, so it is told from the script's text alone.
    if (outcome.fromVersion >= ScriptVersion(script))
        return outcome;

    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw notRefreshed(path, QStringLiteral("no scratch folder"));
    const QString deliveredPath = scratch.filePath(QStringLiteral("layout.db"));
    Database::createFromScript(deliveredPath, script);
    const Database delivered(deliveredPath, LayoutDbMarkerTable());
    if (!info.isWritable() || !(info.permissions() & anyWrite))
        throw notRefreshed(path, QStringLiteral("write-protected"));

    const Deliveries earlier = ReadDeliveries(deliveriesPath);
    const QString copy = path + QStringLiteral(".v%1.bak").arg(outcome.fromVersion);
    // An earlier copy of the same version is an interrupted attempt's: the file has not
    // changed since, so the fresh copy replaces it.
    QFile::remove(copy);
    if (!QFile::copy(path, copy))
        throw notRefreshed(path, QStringLiteral("cannot copy to %1").arg(copy));

    try {
        Transaction all(db);
        for (const Family& f : families()) {
            if (!delivered.tableExists(f.kindTable))
                continue;
            if (!db.tableExists(f.kindTable))
                throw notRefreshed(path, QStringLiteral("no table %1").arg(f.kindTable));
            RecordSet codes = delivered.select(QStringLiteral("SELECT Code FROM ") + f.kindTable +
                                               QStringLiteral(" ORDER BY Code"));
            for (codes.MoveFirst(); !codes.Eof(); codes.MoveNext()) {
                const int code = codes.value(QStringLiteral("Code")).toInt();
                RecordSet fresh = kindRow(delivered, f, code);
                fresh.MoveFirst();
                RecordSet installed = kindRow(db, f, code);
                if (installed.isEmpty()) {
                    // A new layout; its codes may already be taken by a layout of the
                    // user's, which must not get rows added to it.
                    if (codesFree(db, f, fresh)) {
                        addLayout(db, delivered, f, fresh);
                        ++outcome.added;
                    } else {
                        ++outcome.kept;
                    }
                    continue;
                }
                installed.MoveFirst();
                const QString now = Fingerprint(db, f.name, code);
                if (now == Fingerprint(delivered, f.name, code))
                    continue; // already as delivered
                const bool asDelivered =
                    earlier.value(f.name + QLatin1Char('/') + QString::number(code)).contains(now);
                if (!asDelivered || !ownsItsRows(db, f, installed)) {
                    ++outcome.kept;
                    continue;
                }
                Transaction one(db);
                removeLayout(db, f, installed);
                if (!codesFree(db, f, fresh)) {
                    ++outcome.kept; // the new codes belong to another layout: leave it all
                    continue;       // (rolled back)
                }
                addLayout(db, delivered, f, fresh);
                one.commit();
                ++outcome.replaced;
            }
        }
        db.setSchemaVersion(delivered.schemaVersion());
        all.commit();
    } catch (const DatabaseError& e) {
        throw notRefreshed(path, e.detail());
    }
    outcome.toVersion = delivered.schemaVersion();
    return outcome;
}

} // namespace LayoutRefresh
