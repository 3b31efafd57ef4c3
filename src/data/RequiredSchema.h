#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The tables and columns the program reads or writes. A file that lacks one is refused at open,
// before a drawing or an edit finds it missing.
namespace RequiredSchema {

struct Table {
    QString name;
    QStringList columns;
};

const QList<Table>& tables();

} // namespace RequiredSchema
