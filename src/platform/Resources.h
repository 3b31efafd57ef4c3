#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The help pages, icons and pictures compiled into the program (resources/periwell.qrc).
namespace Resources {

// Makes the resources reachable under ":/". The library that holds them is static, so the
// linker keeps them only when this is called; every reader of ":/" calls it first.
void init();

// An icon of resources/icons by its name without extension ("busy", "new").
QIcon icon(const QString& name);

// The program's own icon, for its windows: drawn at 64 pixels for title bars and at 256 for
// large views.
QIcon programIcon();

// A picture of resources/pictures by its name without extension ("logo").
QPixmap picture(const QString& name);

} // namespace Resources
