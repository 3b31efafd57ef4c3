#pragma once

#include "data/Result.h"

class QWidget;

// Shows a failed database step in a critical message box: what could not be done, and why.
void reportError(const QString& what, const Error& error, QWidget* parent = nullptr);
