#pragma once

class QDialog;

// Shows a modal dialog or wizard page and returns its result code. Tests answer it instead. A
// dialog with an owner blocks that owner's window only, not every window of the program: the help
// window stays usable beside it.
int runModal(QDialog& dialog);
