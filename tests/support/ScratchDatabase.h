#pragma once
// Databases of their own on a PostgreSQL server, made for one test or one benchmark run
// and dropped after it, so that runs side by side on one server never meet. Shared by
// TestEnv and the benchmarks.
#include "core/Database.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QString>

namespace ScratchDatabase {

// "<prefix>_<pid>_<n>": no other process, nor another call of this one, makes the same.
inline QString UniqueName(const QString& prefix) {
    static QAtomicInt counter;
    return QStringLiteral("%1_%2_%3")
        .arg(prefix)
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1));
}

// Makes the empty database `name` through `admin`, a connection to another database on
// the same server. Byte order and UTF-8 whatever the cluster's defaults, as the SQLite
// files sort.
inline void Create(Database& admin, const QString& name) {
    admin.exec(QStringLiteral("DROP DATABASE IF EXISTS \"%1\"").arg(name));
    admin.exec(QStringLiteral("CREATE DATABASE \"%1\" TEMPLATE template0 ENCODING 'UTF8' "
                              "LC_COLLATE 'C' LC_CTYPE 'C'")
                   .arg(name));
}

// FORCE: a run that failed half-way may still hold a connection to it.
inline void Drop(Database& admin, const QString& name) {
    admin.exec(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name));
}

} // namespace ScratchDatabase
