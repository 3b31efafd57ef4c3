#pragma once

#include "WizardPage.h"
#include "data/AutoFillStore.h"

class DBConnection;
class QComboBox;
class QListWidget;
class QListWidgetItem;

// The Auto Fill page that plans the lessons: subjects, each with the number of periods it is
// to fill, counted against the timetable's free periods.
class AutoFillSubjectsPage : public WizardPage {
    Q_OBJECT
public:
    AutoFillSubjectsPage(WizardProgress& progress, AutoFillAnswers& answers, const DBConnection& db,
                         int timetableId, const GridIds& grid, QWidget* parent);

    QComboBox& cboSubjects() const { return *m_cboSubjects; }
    QComboBox& cboPeriods() const { return *m_cboPeriods; }
    QListWidget& lstIncludeSubjects() const { return *m_lstIncludeSubjects; }
    int available() const { return m_available; }
    int filled() const { return m_filled; }

    void cmdAdd_Click();
    void cmdRemove_Click();

    // "Maths (fill 3 periods)", "Maths (fill 1 period)".
    static QString rowText(const QString& subject, int periods);

protected:
    bool storeAnswers() override;

private:
    void Form_Load(const DBConnection& db, int timetableId, const GridIds& grid);
    QListWidgetItem* listedRow(int subjectId) const;
    void addRow(int subjectId, int periods);
    void setCounters(int available, int filled);

    AutoFillAnswers& m_answers;
    QComboBox* m_cboSubjects = nullptr;
    QComboBox* m_cboPeriods = nullptr;
    QListWidget* m_lstIncludeSubjects = nullptr;
    QLabel* m_lblPeriodsAvailable = nullptr;
    QLabel* m_lblPeriodsFilled = nullptr;
    int m_available = 0;
    int m_filled = 0;
};
