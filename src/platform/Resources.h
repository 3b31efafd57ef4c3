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

// A picture of resources/pictures by its name without extension ("logo").
QPixmap picture(const QString& name);

} // namespace Resources
