#pragma once

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

class ModMain;
class frmMain;

// The large school of the benchmarks, made once per run, as the program's folder: every call
// points the program's folder and settings at it again.
QTemporaryDir* schoolFolder();

// The main window started on the school as the program starts it, every timetable open; null
// (with the benchmark marked failed) when the start-up fails.
std::unique_ptr<frmMain> startedWindow(ModMain& shared, benchmark::State& state);

// A fresh copy of the school for a benchmark that changes it, opened as `shared`'s connection.
bool useCopyOfSchool(ModMain& shared, benchmark::State& state);
