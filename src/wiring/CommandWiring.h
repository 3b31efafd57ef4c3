#pragma once

class OutputCommands;
class SetupCommands;
class frmMain;

// The command objects of the layers above the main window, children of it.
struct WiredCommands {
    SetupCommands* setup = nullptr;
    OutputCommands* output = nullptr;
};

// Builds the setup and output commands on a main window that has not loaded yet, and connects
// them to what the window announces. The program and the tests' fixture both wire through it.
WiredCommands wireCommands(frmMain& main);
