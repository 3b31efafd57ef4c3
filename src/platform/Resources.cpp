#include "Resources.h"

// The resource initialiser is declared by the macro and must live outside any namespace.
static void registerPeriwellResources() {
    Q_INIT_RESOURCE(periwell);
}

namespace Resources {

void init() {
    [[maybe_unused]] static const bool registered = (registerPeriwellResources(), true);
}

QIcon icon(const QString& name) {
    init();
    return QIcon(QStringLiteral(":/icons/%1.png").arg(name));
}

QIcon programIcon() {
    QIcon made = icon(QStringLiteral("periwell"));
    made.addFile(QStringLiteral(":/icons/periwell-256.png"));
    return made;
}

QPixmap picture(const QString& name) {
    init();
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(name));
}

} // namespace Resources
