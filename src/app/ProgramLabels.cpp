#include "ProgramLabels.h"

#include "platform/LiteralText.h"
#include "platform/ProgramInfo.h"
#include "platform/Resources.h"

#include <QLabel>

namespace ProgramLabels {

namespace {

QLabel* arialLabel(QWidget* parent, const QString& objectName, const QString& text, double points,
                   bool bold) {
    auto* label = LiteralText::label(text, parent);
    label->setObjectName(objectName);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

QLabel* productName(QWidget* parent, double points) {
    return arialLabel(parent, QStringLiteral("lblProductName"), ProgramInfo::productName(), points,
                      true);
}

QLabel* companyProduct(QWidget* parent, double points) {
    return arialLabel(parent, QStringLiteral("lblCompanyProduct"), ProgramInfo::companyName(),
                      points, false);
}

QLabel* disclaimer(QWidget* parent) {
    auto* label = LiteralText::label(ProgramInfo::legalNotice(), parent);
    label->setObjectName(QStringLiteral("lblDisclaimer"));
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    return label;
}

QLabel* picture(QWidget* parent, const QString& objectName, const QString& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(Resources::picture(picture));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace ProgramLabels
