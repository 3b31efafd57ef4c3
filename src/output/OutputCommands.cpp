#include "OutputCommands.h"

#include "app/frmMain.h"

OutputCommands::OutputCommands(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("OutputCommands"));
}
