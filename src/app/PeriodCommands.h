#pragma once

#include "data/Result.h"

#include <QObject>

class FlexGrid;
class frmMain;
class frmTableWindow;

// The commands that mark the active timetable's selected periods (clear, unavailable, lunch,
// break), turn a period column into a lunch column and back, and give all period columns or
// all day rows one size. Every cell is written through the main window's cell editor, so the
// slot rules, the clash check and undo apply as for any edit.
class PeriodCommands : public QObject {
    Q_OBJECT
public:
    explicit PeriodCommands(frmMain& main);

public slots:
    void DoBlank();
    void DoUnavailable();
    void DoLunch();
    void DoBreak();
    // Writes `iSpecialSlotID` with none in the other ids into every cell of the selected block,
    // all cells or none.
    void SetSpecialCells(int iSpecialSlotID);
    void mnuFormatDefineLunchColumn_Click();
    void mnuFormatSameSizeColumns_Click();
    void mnuFormatSameSizeRows_Click();

private:
    // Asks `question` first when a block is selected; false when the user declines.
    bool confirmBlock(const QString& question) const;
    bool ask(const QString& question) const;
    // Fails when the write failed in the database (reported already).
    Result<void> writeSpecialCell(frmTableWindow& f, int row, int col, int iSpecialSlotID);
    // Writes every cell of the selected block; false once a write failed (reported already).
    bool writeBlock(frmTableWindow& f, int iSpecialSlotID);

    frmMain& m_main;
};
