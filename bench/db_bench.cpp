// SPDX-License-Identifier: MIT
// Speed of the database layer on a database shaped like the shipped one: a
// selection run sends about a hundred statements and must stay well under a
// millisecond.
#include <benchmark/benchmark.h>

#include <string>

#include "base/format_text.h"
#include "db/lookups.h"
#include "db/performance_database.h"
#include "support/opened_fixture.h"

namespace keld {
namespace {

// A grid of 9 LWT rows by 12 OAT columns, an altitude table of 19 rows, a
// pressure-drop table of 17 rows and a unit table of 60 rows.
std::string BenchmarkSchema() {
    std::string sql = "create table [CapacityQTK090&180GN5](LWT REAL";
    for (int oat = -5; oat <= 50; oat += 5) sql += FormatText(", [%dOAT] REAL", oat);
    sql += ");";
    for (int lwt = 5; lwt <= 21; lwt += 2) {
        sql += FormatText("insert into [CapacityQTK090&180GN5] values(%d", lwt);
        for (int oat = -5; oat <= 50; oat += 5) sql += FormatText(", %f", 1.2 - oat * 0.005 + lwt * 0.01);
        sql += ");";
    }
    sql += "create table High(Highth REAL, Capacity REAL, PowerC REAL, HotCapacity REAL, PowerH REAL);";
    for (int h = 0; h <= 1800; h += 100) {
        sql += FormatText("insert into High values(%d, %f, %f, %f, %f);", h, 1 - h * 2e-5, 1 + h * 1e-5,
                          1 - h * 1e-5, 1 + h * 2e-5);
    }
    sql += "create table WaterPD(Flow REAL, Conference REAL);";
    for (int i = 0; i <= 16; ++i)
        sql += FormatText("insert into WaterPD values(%f, %f);", 0.5 + i * 0.05, 0.3 + i * 0.1);
    sql +=
        "create table ALL_Model(ModelName TEXT, Type INTEGER, Refrig INTEGER, Version INTEGER, Recycle "
        "INTEGER,"
        " capacity REAL, Power REAL, Connect TEXT, Flow_7 REAL, FlowRange_C TEXT, WaterPress TEXT, Flow_Tow "
        "TEXT);";
    for (int i = 0; i < 60; ++i) {
        sql += FormatText(
            "insert into ALL_Model values('QTK%03dGN5-LQE', 0, 0, 0, 0, %d, %f, '%d', %f, '10-40', '45', "
            "'20');",
            i, 300 + i * 20, 60 + i * 4.0, i % 6, 15 + i * 0.9);
    }
    return sql;
}

test::OpenedFixture& Database() {
    static test::OpenedFixture database(BenchmarkSchema());
    return database;
}

// One run's worth of database work: the correction and grid lookups, the
// candidate query and two pressure-drop lookups per candidate, walking the
// candidates meanwhile.
void BM_SelectionRunStatements(benchmark::State& state) {
    PerformanceDatabase& db = Database().db;
    int statements = 0;
    for (auto _ : state) {
        double sum = 0;
        for (const char* column : {"Capacity", "PowerC", "HotCapacity", "PowerH"}) {
            sum += LookupByKey(db, 250, column, "High", "Highth");  // 3 statements each
        }
        for (int i = 0; i < 4; ++i) sum += LookupOatLwt(db, "CapacityQTK090&180GN5", 33.5f, 8.0f);  // 5 each
        Recordset candidates;
        db.OpenRecordset(candidates,
                         FormatText("select * from ALL_Model where Type=%d and Refrig=%d  and Version=%d"
                                    " and Recycle=%d and capacity >%f and capacity <%f order by ModelName",
                                    0, 0, 0, 0, 425.0, 575.0));
        for (; !candidates.IsEOF(); candidates.MoveNext()) {
            double flow = candidates.ReadFieldDouble("Flow_7");
            sum += LookupByKey(db, static_cast<float>(0.55 + flow * 0.01), "Conference", "WaterPD", "Flow");
            sum += LookupByKey(db, static_cast<float>(0.65 + flow * 0.01), "Conference", "WaterPD", "Flow");
            sum += candidates.ReadFieldNumber("capacity");
        }
        statements = 4 * 3 + 4 * 5 + 1 + candidates.RecordCount() * 2 * 3;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["statements"] = statements;
}
BENCHMARK(BM_SelectionRunStatements)->Unit(benchmark::kMicrosecond);

void BM_OpenRecordsetOfAGridRow(benchmark::State& state) {
    PerformanceDatabase& db = Database().db;
    const std::string sql = "select * from [CapacityQTK090&180GN5] where [LWT]=7.000000 ";
    for (auto _ : state) {
        db.OpenRecordset(db.CurrentRecordset(), sql);
        benchmark::DoNotOptimize(db.CurrentRecordset().ReadFieldNumber("35OAT"));
    }
}
BENCHMARK(BM_OpenRecordsetOfAGridRow);

}  // namespace
}  // namespace keld

BENCHMARK_MAIN();
