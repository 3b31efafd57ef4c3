#pragma once

#include <QString>

class QLabel;
class QWidget;

// The labels that the splash and the about box share: the names in Arial, the legal notice and
// the pictures, each named as the window's control.
namespace ProgramLabels {

QLabel* productName(QWidget* parent, double points);
QLabel* companyProduct(QWidget* parent, double points);
QLabel* disclaimer(QWidget* parent);
// A picture of resources/pictures ("logo") shown by a label named `objectName`.
QLabel* picture(QWidget* parent, const QString& objectName, const QString& picture);

} // namespace ProgramLabels
