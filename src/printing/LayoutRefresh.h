#pragma once
#include <QMap>
#include <QSet>
#include <QString>

class Database;

// The layout file (Kivora1.MDB) is the program's delivered data, but an installation
// keeps the file it was first made with. A program delivering newer layouts (a version
// number in data/layout.sql) refreshes an older file at start, all in one transaction
// and after keeping a copy beside it:
//  - a delivered layout the file lacks is added;
//  - a layout whose rows are exactly as some earlier version delivered them (its
//    fingerprint is among the earlier deliveries') is replaced by the new rows;
//  - a layout the user changed, or made, is kept as it is.
// A layout is one row of a kind table (伝票種類, 一覧種類, 宛名種類) with the rows its codes
// select in the family's other tables.
namespace LayoutRefresh {

// What a refresh did.
struct Outcome {
    int fromVersion = 0;
    int toVersion = 0;
    int added = 0;
    int replaced = 0;
    int kept = 0; // changed by the user, or sharing rows with another layout
    bool refreshed() const { return toVersion > fromVersion; }
};

// The fingerprints of every delivered version of every layout, keyed "family/code"
// (family: 伝票, 一覧, 宛名), as scripts/layout-fingerprints.py writes them.
using Deliveries = QMap<QString, QSet<QString>>;
Deliveries ReadDeliveries(const QString& path);

// The fingerprint of layout `code` of `family` as `db` holds it; empty when it has none.
// It covers the kind row and every row its codes select, whatever their order.
QString Fingerprint(const Database& db, const QString& family, int code);
// The families and their layout codes in `db`, keyed "family/code".
QStringList LayoutKeys(const Database& db);

// Refreshes the layout file at `path` when it is older than the layouts of `script`.
// The copy is kept at `path` + ".v" + old version + ".bak". Throws DatabaseError (the
// file is left as it was) when the file is damaged, write-protected, or the refresh
// fails.
Outcome RefreshFile(const QString& path,
                    const QString& script = QStringLiteral(":/layout/layout.sql"),
                    const QString& deliveries = QStringLiteral(":/layout/layout-deliveries.txt"));

} // namespace LayoutRefresh
