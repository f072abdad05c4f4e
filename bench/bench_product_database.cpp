// The shipped product database as start-up opens it: the whole Open (key
// derivation, schema, check of every page), and the page check alone on a
// fresh connection whose schema has been read, as Open runs it.

#include "app/DatabaseManager.h"
#include "app/ProductDatabaseKey.h"
#include "bench/BenchSupport.h"

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <string>

namespace {

QString ShippedDatabase()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Product.db");
}

int KeepVerdict(void* verdict, int, char** cells, char**)
{
    *static_cast<std::string*>(verdict) = cells[0] != nullptr ? cells[0] : "";
    return 0;
}

} // namespace

static void BM_OpenShippedProductDatabase(benchmark::State& state)
{
    CDatabaseManager db;
    for (auto _ : state) {
        if (db.Open(ShippedDatabase().toStdWString()) != 1) {
            state.SkipWithError("Product.db does not open");
            break;
        }
    }
}
BENCHMARK(BM_OpenShippedProductDatabase)->Unit(benchmark::kMillisecond);

// Each connection derives its key again (tens of milliseconds, outside the
// timing), so a fixed number of rounds keeps the run short.
static void BM_QuickCheckOfShippedProductDatabase(benchmark::State& state)
{
    const QByteArray path = ShippedDatabase().toUtf8();
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_key(db, kProductDatabasePassphrase, kProductDatabasePassphraseLength);
        sqlite3_exec(db, "select count(*) from sqlite_master where type = 'table'", nullptr, nullptr, nullptr);
        std::string verdict;
        state.ResumeTiming();
        sqlite3_exec(db, "PRAGMA quick_check", KeepVerdict, &verdict, nullptr);
        state.PauseTiming();
        sqlite3_close(db);
        if (verdict != "ok") {
            state.SkipWithError("Product.db fails its quick check");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QuickCheckOfShippedProductDatabase)->Unit(benchmark::kMicrosecond)->Iterations(40);

int main(int argc, char** argv)
{
    UseOffscreenUnlessAsked();
    QCoreApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
