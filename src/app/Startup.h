#pragma once

class ModMain;

// Starts the program: opens the database, shows the main window and runs until it closes.
// Returns the program's exit status.
int Main(ModMain& state);
