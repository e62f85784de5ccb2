#pragma once
#include "core/AppState.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "support/FakeMessageService.h"

#include <QTemporaryDir>
#include <memory>

#include <optional>

// A private installation for one test: its own folder with DataFile, its own settings
// file, runtime folder and message script, and an AppState wired to them.
//
// When KIVORA_TEST_PG names a PostgreSQL server ("host=... port=... dbname=... user=...",
// as scripts/pg-cluster.sh prints it), the main database that openMain() opens lives on
// that server instead, in a database of its own made for this TestEnv and dropped with
// it; the named database only serves to make and drop it. The SQLite files are made all
// the same, for the code that still opens files by path.
class TestEnv {
public:
    enum Files { None = 0, MainDb = 1, LayoutDb = 2, PostDb = 4, AllFiles = 7 };
    explicit TestEnv(int files = AllFiles);
    ~TestEnv();

    // The server KIVORA_TEST_PG names, if it is set.
    static std::optional<ServerDatabase> testServer();
    // The line a PostgreSQL test skips with when there is no server.
    static const char* noServerMessage();
    // Makes a new, empty database on the test server and returns where it is; it is
    // dropped when this TestEnv goes. Requires testServer().
    ServerDatabase makeServerDatabase();
    // The main database on the server, when there is one.
    const std::optional<ServerDatabase>& serverMain() const { return m_serverMain; }

    QString installFolder() const { return m_dir.path() + QStringLiteral("/inst"); }
    QString dataFolder() const { return installFolder() + QStringLiteral("/DataFile/"); }
    QString path(const QString& relative) const {
        return m_dir.path() + QLatin1Char('/') + relative;
    }
    QString lockFile() const { return path(QStringLiteral("Kivora.lock")); }

    // Creates the named data files (from the delivered scripts and the test directory).
    void createFiles(int files);
    // Opens the main database of this installation (exclusively, as the program does).
    std::unique_ptr<Database> openMain() const;

    static QString sourceFile(const QString& relative);

    // Every row of a query as its columns joined by '|', written the same whichever engine
    // answered: numbers in their shortest form (PostgreSQL has no "100.0"), truth values
    // as 1 and 0, and NULL as `null`.
    static QStringList rows(const Database& db, const QString& sql, const QVariantList& values = {},
                            const QString& null = QString());

    SettingsStore& settings() { return *m_settings; }
    FakeMessageService messages;
    AppState state;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::optional<ServerDatabase> m_serverMain;
    QList<ServerDatabase> m_serverDatabases; // to drop
};

// Makes every `event` (INSERT, UPDATE or DELETE) on `table` fail while it lives, on either
// engine, so that a test can see what a write failing half-way leaves behind. `condition`,
// an SQL expression over NEW or OLD, narrows the failure to some rows.
class FailingWrites {
public:
    FailingWrites(Database& db, const QString& event, const QString& table,
                  const QString& condition = QString());
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;

private:
    Database& m_db;
    QString m_table;
    QString m_name;
};
