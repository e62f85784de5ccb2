#pragma once
// The PostgreSQL side of the database benchmarks: the server KIVORA_BENCH_PG names
// (libpq's "key=value" form, as ServerDatabase::parse takes it), and a main database of
// the run's own on it, filled through the program's Database as the SQLite file is.
// Without the variable the benchmarks time SQLite alone; bench/run.sh sets it, starting
// a throw-away server when none is given.
#include "core/Database.h"

#include <optional>

namespace BenchServer {

// The server KIVORA_BENCH_PG names, or nothing when it is unset. A value that does not
// parse, or a server that cannot be reached, stops the run: the server figures must not
// go missing unnoticed.
std::optional<ServerDatabase> FromEnvironment();

// Gathers the planner's statistics of a freshly filled database, as the server's own
// autovacuum does soon after a load of this size; without them the first plans are
// guesses that no running shop would see for long.
void Analyze(Database& db);

// Prints a figure on both engines in the same run:
//   name: sqlite 0.050 ms, postgresql 0.210 ms (ratio 4.20)
void Report(const char* name, double sqlite, double server);

} // namespace BenchServer

// A fresh main database on the server from the delivered schema (data/main.sql and
// every upgrade step), under a name of its own; dropped when this goes.
class ServerMain {
public:
    ServerMain(const ServerDatabase& server, const QString& sourceDir);
    ~ServerMain();
    ServerMain(const ServerMain&) = delete;
    ServerMain& operator=(const ServerMain&) = delete;

    const ServerDatabase& where() const { return m_main; }

private:
    ServerDatabase m_admin;
    ServerDatabase m_main;
};
