#pragma once

#include "data/Result.h"

#include <functional>
#include <memory>

class ModMain;
class frmMain;

// Builds what the layers above the main window hang on it, between its making and its load.
using MainWindowWiring = std::function<void(frmMain&)>;

// Runs the start-up until the user takes over: the splash, the main window's load, the tip of
// the day, the first-run prompts. Returns the main window, or the error that ends the program.
Result<std::unique_ptr<frmMain>> StartUp(ModMain& state, const MainWindowWiring& wire);

// Starts the program and runs it until the main window closes; returns the exit status.
int Main(ModMain& state, const MainWindowWiring& wire);
