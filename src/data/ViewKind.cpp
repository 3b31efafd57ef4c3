#include "ViewKind.h"

std::optional<ViewKind> viewKindFromText(const QString& viewBy) {
    for (ViewKind kind : {ViewKind::Class, ViewKind::Tutor, ViewKind::Room}) {
        if (viewBy == viewKindText(kind))
            return kind;
    }
    return std::nullopt;
}

QString viewKindText(ViewKind kind) {
    switch (kind) {
    case ViewKind::Class:
        return QStringLiteral("Class");
    case ViewKind::Tutor:
        return QStringLiteral("Tutor");
    case ViewKind::Room:
        return QStringLiteral("Room");
    }
    return {};
}

QString ownerColumn(ViewKind kind) {
    return viewKindText(kind) + QStringLiteral("ID");
}

std::array<ViewKind, 2> otherResources(ViewKind kind) {
    switch (kind) {
    case ViewKind::Class:
        return {ViewKind::Tutor, ViewKind::Room};
    case ViewKind::Tutor:
        return {ViewKind::Class, ViewKind::Room};
    case ViewKind::Room:
        return {ViewKind::Class, ViewKind::Tutor};
    }
    return {ViewKind::Tutor, ViewKind::Room};
}
