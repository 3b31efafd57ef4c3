#include "OkCancelButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

OkCancelButtons OkCancelButtons::make(QWidget& dialog, const QString& okCaption) {
    OkCancelButtons made;
    made.cmdOK = new QPushButton(okCaption, &dialog);
    made.cmdOK->setObjectName(QStringLiteral("cmdOK"));
    made.cmdOK->setDefault(true);
    made.cmdCancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    made.cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    made.cmdCancel->setAutoDefault(false);
    made.row = new QHBoxLayout;
    made.row->addStretch();
    made.row->addWidget(made.cmdOK);
    made.row->addWidget(made.cmdCancel);
    return made;
}
