#pragma once

#include "SchoolGenerator.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <memory>

class ModMain;
class frmMain;

// The folder of the large school of the benchmarks at a size factor (1 is the school of 190
// timetables), made once per run (or kept in PERIWELL_BENCH_SCHOOLS), as the program's folder:
// every call points the program's folder and settings at it again.
QString schoolFolder(int factor = 1);
SchoolGenerator::Size schoolSize(int factor);

// The size factors a benchmark of the school runs at: those listed in PERIWELL_BENCH_SIZES
// ("1,8" from scripts/bench.sh --8x), else 1 alone, which keeps the default run short.
void atSchoolSizes(benchmark::internal::Benchmark* benchmark);

// The main window started on the school as the program starts it, every timetable open; null
// (with the benchmark marked failed) when the start-up fails.
std::unique_ptr<frmMain> startedWindow(ModMain& shared, benchmark::State& state);

// A fresh copy of the school (of the last schoolFolder call) for a benchmark that changes it,
// opened as `shared`'s connection.
bool useCopyOfSchool(ModMain& shared, benchmark::State& state);
