#pragma once

#include <QList>

#include <functional>

// A source of random values from 0 up to (not including) 1.
using RandomDraw = std::function<double()>;

// The index in a list of `count` entries that the draw `r` picks, each equally likely. A draw
// of 1 (or more) still picks the last entry, so the index never leaves the list.
int drawIndex(double r, int count);

// Shuffles the list in place, from the last entry down to the first, one draw per entry: each
// entry is swapped with a drawn one at or before it.
void RandomizeArray(QList<int>& ArrayIn, const RandomDraw& draw);
