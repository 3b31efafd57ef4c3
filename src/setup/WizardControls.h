#pragma once

#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;
class QWidget;

// Controls that several wizard pages share.
namespace WizardControls {

// A single-choice list of fixed items with the item at `chosen` selected.
QListWidget* choiceList(const QString& name, const QStringList& items, int chosen, QWidget* parent);
// The selected row of a choice list; the first when none is.
int chosenRow(const QListWidget& list);

// A button beside or under a list ("&Add", "&Remove", "Custom..."), never the default.
QPushButton* listButton(const QString& name, const QString& text, QWidget* parent);

} // namespace WizardControls
