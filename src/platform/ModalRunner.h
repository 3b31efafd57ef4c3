#pragma once

class QDialog;

// Shows a modal dialog or wizard page and returns its result code. Tests answer it instead.
int runModal(QDialog& dialog);
