#pragma once

#include <QString>

#include <memory>

class ModMain;
class frmMain;
namespace benchmark {
class State;
}

// The large school every benchmark of a run shares (made once), and the main window on it.
namespace BenchSchool {

// Makes the school on first use and points the program and settings folders at it; returns
// the folder.
QString use();

// The main window started on the school as the program starts it, every timetable open; null
// (with the benchmark marked failed) when the start-up fails.
std::unique_ptr<frmMain> startedWindow(ModMain& shared, benchmark::State& state);

// For a benchmark that changes the school: a fresh copy of it, opened as `shared`'s connection
// (the program's own db.mdb stays as made). False, with the benchmark marked failed, on an error.
bool useCopy(ModMain& shared, benchmark::State& state);

} // namespace BenchSchool
