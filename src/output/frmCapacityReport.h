#pragma once

#include "data/TutorCapacity.h"

#include <QDialog>
#include <QList>

class FlexGrid;
class QLabel;
class QPushButton;
class frmMain;

// "Capacity Report": how many periods each tutor teaches across the whole database.
class frmCapacityReport : public QDialog {
    Q_OBJECT
public:
    frmCapacityReport(const QList<TutorPeriods>& tutors, QWidget* parent = nullptr);

    // Reads the report and shows it modally; a failed read shows its error instead.
    static void showModal(frmMain& main);

    FlexGrid& g() const { return *m_grid; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    void cmdCancel_Click();

private:
    void Form_Load(const QList<TutorPeriods>& tutors);

    QLabel* m_label = nullptr;
    FlexGrid* m_grid = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
