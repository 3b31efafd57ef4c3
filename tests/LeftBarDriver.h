#pragma once

#include "app/NameBox.h"
#include "app/TreeBars.h"

#include <QString>

// Drives the left bar as a user does: clicks list items, types into name boxes, leaves them.
namespace LeftBarDriver {

// Opens the list's panel from its link, as a user must before clicking in its tree.
void expand(TreeBars& bars, int index);
// Opens the panel if needed and clicks the item.
void clickItem(TreeBars& bars, int index, const QString& text);
void type(TreeBars& bars, int index, const QString& keys);
void key(TreeBars& bars, int index, Qt::Key key);
// Moves the focus from the box to the other given box (the box's leave handling runs).
void leaveTo(TreeBars& bars, int from, int to);

} // namespace LeftBarDriver
