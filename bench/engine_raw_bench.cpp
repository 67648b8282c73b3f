// SPDX-License-Identifier: MIT
// The engine against the database it reads: the default run of each series
// on the sample database, timed beside a raw replay of the very statements
// that run sends, prepared once and each stepped to its end on a connection
// of its own. engine/raw compares with the stepping alone, engine/raw_read
// with the stepping and fetching every cell. What the engine adds to the
// database's own work: reading cells, interpolating, rounding, filling rows.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "db/cipher_settings.h"
#include "db/performance_database.h"
#include "sample_session.h"
#include "selection/page/page_controls.h"
#include "selection/run_selection.h"

namespace keld {
namespace {

// The statements of every connection opened in this process, while recording.
struct StatementLog {
    bool recording = false;
    std::vector<std::string> statements;
};

StatementLog& Log() {
    static StatementLog log;
    return log;
}

int TraceStatement(unsigned, void*, void* statement, void*) {
    if (Log().recording) Log().statements.emplace_back(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    return 0;
}

int TraceEveryConnection(sqlite3* db, char**, const void*) {
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, TraceStatement, nullptr);
    return SQLITE_OK;
}

// A connection of its own to the sample database, opened as the engine opens
// it, with each statement of the list prepared once.
class RawReplay {
public:
    explicit RawReplay(const std::vector<std::string>& statements) {
        sqlite3_open_v2(bench::BenchDatabasePath(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr);
        // The engine's settings: its cipher settings, a page cache that
        // holds the whole file, the shared lock kept.
        const std::string settings = std::string("PRAGMA key = '") + kDatabasePassword + "';" +
                                     kCipherSettings +
                                     "PRAGMA cache_size = -1048576; PRAGMA locking_mode = EXCLUSIVE;";
        sqlite3_exec(db_, settings.c_str(), nullptr, nullptr, nullptr);
        std::map<std::string, sqlite3_stmt*> prepared;
        for (const std::string& sql : statements) {
            sqlite3_stmt*& statement = prepared[sql];
            if (statement == nullptr &&
                sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
                failure_ = sqlite3_errmsg(db_);
            }
            if (statement != nullptr) list_.push_back(statement);
        }
        for (auto& [sql, statement] : prepared) unique_.push_back(statement);
    }
    ~RawReplay() {
        for (sqlite3_stmt* statement : unique_) sqlite3_finalize(statement);
        sqlite3_close(db_);
    }
    RawReplay(const RawReplay&) = delete;
    RawReplay& operator=(const RawReplay&) = delete;

    // Why a statement did not prepare ("" when all did).
    const std::string& failure() const { return failure_; }

    // Steps every statement to its end; the number of rows they gave. With
    // `readCells` every cell of every row is fetched too, as a program that
    // uses the rows would fetch them.
    double run(bool readCells) {
        double sum = 0;
        for (sqlite3_stmt* statement : list_) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                sum += 1;
                if (!readCells) continue;
                for (int column = sqlite3_column_count(statement) - 1; column >= 0; --column) {
                    if (sqlite3_column_type(statement, column) == SQLITE_TEXT) {
                        sum += sqlite3_column_bytes(statement, column);
                    } else {
                        sum += sqlite3_column_double(statement, column);
                    }
                }
            }
            sqlite3_reset(statement);
        }
        return sum;
    }

private:
    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> list_;
    std::vector<sqlite3_stmt*> unique_;
    std::string failure_;
};

double Microseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

// Moves the duty off every grid and table point, so each lookup reads
// between rows: the ambient, the leaving water, fouling and altitude.
void DutyBetweenGridPoints(SelectionPage& page) {
    for (auto [control, text] : {std::pair{kCoolingAmbientEdit, "36.5"},
                                 {kCoolingOutletEdit, "7.5"},
                                 {kCoolingInletEdit, "12.5"},
                                 {kFoulingEdit, "0.03"},
                                 {kAltitudeEdit, "250"}}) {
        page.setEditText(control, text);
        page.leaveField(control);
    }
}

void BM_EngineAgainstRaw(benchmark::State& state, const char* launchText, bool screw, bool between) {
    static const bool tracing =
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(TraceEveryConnection)) == SQLITE_OK;
    if (!tracing) {
        state.SkipWithError("cannot trace the statements");
        return;
    }
    bench::SampleSession session(launchText, screw);
    if (!session.open(state)) return;
    if (between) DutyBetweenGridPoints(session.page);

    RunSelection(session.page, session.db);  // warm the caches of both sides alike
    Log().statements.clear();
    Log().recording = true;
    RunSelection(session.page, session.db);
    Log().recording = false;
    RawReplay raw(Log().statements);
    if (!raw.failure().empty()) {
        state.SkipWithError(("the raw replay cannot prepare: " + raw.failure()).c_str());
        return;
    }
    raw.run(true);

    using Clock = std::chrono::steady_clock;
    double engineTotal = 0;
    double rawTotal = 0;
    double rawReadTotal = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(RunSelection(session.page, session.db));
        const Clock::time_point engineDone = Clock::now();
        benchmark::DoNotOptimize(raw.run(false));
        const Clock::time_point rawDone = Clock::now();
        benchmark::DoNotOptimize(raw.run(true));
        rawReadTotal += Microseconds(Clock::now() - rawDone);
        engineTotal += Microseconds(engineDone - start);
        rawTotal += Microseconds(rawDone - engineDone);
        state.SetIterationTime(std::chrono::duration<double>(engineDone - start).count());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["statements"] = static_cast<double>(Log().statements.size());
    state.counters["engine_us"] = engineTotal / iterations;
    state.counters["raw_us"] = rawTotal / iterations;
    state.counters["engine/raw"] = engineTotal / rawTotal;
    state.counters["engine/raw_read"] = engineTotal / rawReadTotal;
    state.counters["rows"] = session.page.results().rowCount();
}
BENCHMARK_CAPTURE(BM_EngineAgainstRaw, Qtk, "", false, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineAgainstRaw, Qhk, "", true, false)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineAgainstRaw, Gv5, "BREXAL", true, false)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineAgainstRaw, QtkBetweenGridPoints, "", false, true)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineAgainstRaw, QhkBetweenGridPoints, "", true, true)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EngineAgainstRaw, Gv5BetweenGridPoints, "BREXAL", true, true)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();
