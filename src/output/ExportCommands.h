#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class frmMain;
class frmTableWindow;

// File > Save As CSV, Web Page and Image: the active timetable window's grid as drawn, in a
// file the user names. Nothing happens without a timetable window; a cancel writes nothing.
class ExportCommands : public QObject {
    Q_OBJECT
public:
    ExportCommands(frmMain& main, QObject* parent);

    void mnuFileSaveAsCSV_Click();
    void mnuFileSaveAsWebPage_Click();
    void mnuFileSaveAsImage_Click();

private:
    struct FileType {
        QString caption;
        QString filter;
        QString extension; // given to a name typed without one, unless the filter chosen has one
    };
    using Content = std::function<Result<QByteArray>(const frmTableWindow&)>;
    void saveAs(const FileType& type, const Content& content);

    frmMain& m_main;
};
