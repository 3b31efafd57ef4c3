#pragma once

class QDialog;

// Makes a dialog that has an owner block that owner (and the windows above it) only, not every
// window of the program: the help window stays usable beside it.
void blockOwnerOnly(QDialog& dialog);

// Shows a modal dialog or wizard page, blocking its owner only, and returns its result code.
// Tests answer it instead.
int runModal(QDialog& dialog);
