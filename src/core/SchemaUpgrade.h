#pragma once
#include <QString>

class Database;
struct ServerDatabase;

// The main database's schema version and the ordered steps that bring an older file up
// to the version this program writes. A fresh file is the base schema plus every step,
// so that a new installation and an upgraded one end up the same.
namespace SchemaUpgrade {

// The version this program writes: the number of its steps.
int ProgramVersion();

// Applies the steps `db` lacks, all in one transaction: on any failure the file stays
// exactly as it was. Before the first step a copy of the file is kept at `copyPath`
// (none when empty); the steps are not run when the copy cannot be made. A server
// database has no file to copy: there the one transaction is the whole safeguard and
// `copyPath` is not used. A file newer
// than the program is refused (DatabaseError::Kind::Newer) and left untouched. Other
// failures throw DatabaseError::Kind::NotUpgraded. `stepsFolder` holds NNNN-name.sql
// files; the program's own steps by default.
void Upgrade(Database& db, const QString& copyPath = {},
             const QString& stepsFolder = QStringLiteral(":/upgrade"));

// The base schema (data/main.sql) as the program carries it.
QString BaseScript();

// Creates the main database at `path` from the base schema `baseScript` and every step.
void CreateMainDatabase(const QString& path, const QString& baseScript);
// The same in an empty database on a PostgreSQL server.
void CreateMainDatabase(const ServerDatabase& server, const QString& baseScript);

// Where the copy of `path` taken before upgrading from `version` is kept: beside it.
QString CopyPath(const QString& path, int version);

} // namespace SchemaUpgrade
