#include "BenchServer.h"

#include "ScratchDatabase.h"
#include "core/SchemaUpgrade.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace BenchServer {

std::optional<ServerDatabase> FromEnvironment() {
    const QString value = qEnvironmentVariable("KIVORA_BENCH_PG");
    if (value.trimmed().isEmpty())
        return std::nullopt;
    ServerDatabase server;
    try {
        server = ServerDatabase::parse(value);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "KIVORA_BENCH_PG is not usable (%s): %s\n", e.what(),
                     qPrintable(value));
        std::exit(2);
    }
    // Reached now, before minutes of filling the SQLite file, not after.
    try {
        Database admin(server, QString());
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "KIVORA_BENCH_PG names a server that cannot be reached (%s): %s\n",
                     qPrintable(server.display()), qPrintable(e.detail()));
        std::exit(2);
    }
    return server;
}

void Analyze(Database& db) {
    db.exec(QStringLiteral("ANALYZE"));
}

void Report(const char* name, double sqlite, double server) {
    std::printf("%s: sqlite %.3f ms, postgresql %.3f ms (ratio %.2f)\n", name, sqlite, server,
                server / sqlite);
}

} // namespace BenchServer

ServerMain::ServerMain(const ServerDatabase& server, const QString& sourceDir)
    : m_admin(server),
      m_main(server.withDatabase(ScratchDatabase::UniqueName(QStringLiteral("kivora_bench")))) {
    {
        Database admin(m_admin, QString());
        ScratchDatabase::Create(admin, m_main.database);
    }
    try {
        SchemaUpgrade::CreateMainDatabase(m_main, sourceDir + QStringLiteral("/data/main.sql"));
    } catch (...) {
        Database admin(m_admin, QString());
        ScratchDatabase::Drop(admin, m_main.database);
        throw;
    }
}

ServerMain::~ServerMain() {
    try {
        Database admin(m_admin, QString());
        ScratchDatabase::Drop(admin, m_main.database);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "could not drop %s: %s\n", qPrintable(m_main.display()),
                     qPrintable(e.detail()));
    }
}
