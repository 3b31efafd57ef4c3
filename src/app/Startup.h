#pragma once

#include "data/Result.h"

#include <memory>

class ModMain;
class frmMain;

// Runs the start-up until the user takes over: the splash, the main window's load, the tip of
// the day, the first-run prompts. Returns the main window, or the error that ends the program.
Result<std::unique_ptr<frmMain>> StartUp(ModMain& state);

// Starts the program and runs it until the main window closes; returns the exit status.
int Main(ModMain& state);
