#pragma once

#include <QWidget>

class FlexGrid;
class QLabel;

// The child window that shows one stored timetable as a grid of days by periods.
class frmTableWindow : public QWidget {
    Q_OBJECT
public:
    explicit frmTableWindow(int timetableId, QWidget* parent = nullptr);

    // The TimeTableView id of the timetable this window shows.
    int Tag() const { return m_tag; }

    FlexGrid& g() const { return *m_grid; }
    QLabel& lblTitle() const { return *m_title; }

private:
    int m_tag;
    QLabel* m_title = nullptr;
    FlexGrid* m_grid = nullptr;
};
