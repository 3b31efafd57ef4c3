#include "AutoFillSubjectsPage.h"

#include "app/ErrorReport.h"
#include "app/ListHelpers.h"
#include "data/NameLists.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A row keeps its subject's id, as every list does, and its number of periods apart from its
// text, which a subject's name could confuse.
constexpr int PeriodsRole = Qt::UserRole + 1;

int periodsOf(const QListWidgetItem& row) {
    return row.data(PeriodsRole).toInt();
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = LiteralText::label(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

AutoFillSubjectsPage::AutoFillSubjectsPage(WizardProgress& progress, AutoFillAnswers& answers,
                                           const DBConnection& db, int timetableId,
                                           const GridIds& grid, QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers) {
    setObjectName(QStringLiteral("frmScr_AutoFill_Subjects"));
    setWindowTitle(QStringLiteral("Choose the subjects to include in the timetable"));
    addMessage(QStringLiteral("Choose the subjects you would like to include in this timetable."));

    m_cboSubjects = new QComboBox(this);
    m_cboSubjects->setObjectName(QStringLiteral("cboSubjects"));
    m_cboPeriods = new QComboBox(this);
    m_cboPeriods->setObjectName(QStringLiteral("cboPeriods"));
    m_lstIncludeSubjects = new QListWidget(this);
    m_lstIncludeSubjects->setObjectName(QStringLiteral("lstIncludeSubjects"));
    m_lblPeriodsAvailable = LiteralText::label(QString(), this);
    m_lblPeriodsAvailable->setObjectName(QStringLiteral("lblPeriodsAvailable"));
    m_lblPeriodsFilled = LiteralText::label(QString(), this);
    m_lblPeriodsFilled->setObjectName(QStringLiteral("lblPeriodsFilled"));
    auto* cmdAdd = new QPushButton(QStringLiteral("&Add"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    auto* cmdRemove = new QPushButton(QStringLiteral("&Remove"), this);
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    for (QPushButton* button : {cmdAdd, cmdRemove})
        button->setAutoDefault(false);

    auto* layout = new QGridLayout;
    layout->addWidget(
        caption(QStringLiteral("Select the Subject to include:"), m_cboSubjects, this), 0, 0);
    layout->addWidget(caption(QStringLiteral("Periods to fill:"), m_cboPeriods, this), 0, 1);
    layout->addWidget(m_cboSubjects, 1, 0);
    layout->addWidget(m_cboPeriods, 1, 1);
    layout->addWidget(cmdAdd, 1, 2);
    layout->addWidget(
        caption(QStringLiteral("Included subjects in this timetable:"), m_lstIncludeSubjects, this),
        2, 0, 1, 2);
    layout->addWidget(m_lstIncludeSubjects, 3, 0, 1, 2);
    layout->addWidget(cmdRemove, 3, 2, Qt::AlignTop);
    auto* counters = new QHBoxLayout;
    counters->addWidget(LiteralText::label(QStringLiteral("Periods available:"), this));
    counters->addWidget(m_lblPeriodsAvailable);
    counters->addSpacing(24);
    counters->addWidget(LiteralText::label(QStringLiteral("Periods filled:"), this));
    counters->addWidget(m_lblPeriodsFilled);
    counters->addStretch();
    layout->addLayout(counters, 4, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    body().addLayout(layout);

    connect(cmdAdd, &QPushButton::clicked, this, &AutoFillSubjectsPage::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &AutoFillSubjectsPage::cmdRemove_Click);
    Form_Load(db, timetableId, grid);
}

void AutoFillSubjectsPage::Form_Load(const DBConnection& db, int timetableId, const GridIds& grid) {
    for (int periods = 1; periods <= 10; ++periods)
        m_cboPeriods->addItem(QString::number(periods));
    m_cboPeriods->setCurrentIndex(0);

    Result<QList<NameLists::Entry>> subjects = NameLists::readAll(db, NameLists::Subject);
    if (!subjects)
        reportError(QStringLiteral("The subjects could not be read."), subjects.error(), this);
    else
        for (const NameLists::Entry& subject : subjects.value())
            m_cboSubjects->addItem(subject.name, subject.id);
    m_cboSubjects->setCurrentIndex(m_cboSubjects->count() > 0 ? 0 : -1);

    Result<PeriodCount> count = AutoFillStore::countPeriods(db, timetableId, grid);
    if (!count)
        reportError(QStringLiteral("The periods of the timetable could not be read."),
                    count.error(), this);
    setCounters(count ? count.value().available : 0, count ? count.value().filled : 0);

    // Shown again as the last Next left it.
    for (qsizetype i = 0; i < m_answers.subjectIds.size(); ++i) {
        const int periods = m_answers.subjectPeriods.value(i);
        addRow(m_answers.subjectIds[i], periods);
        setCounters(m_available - periods, m_filled + periods);
    }
}

QString AutoFillSubjectsPage::rowText(const QString& subject, int periods) {
    // One pass, so a name holding "%2" stays as it is.
    return QStringLiteral("%1 (fill %2 period%3)")
        .arg(subject, QString::number(periods), periods == 1 ? QString() : QStringLiteral("s"));
}

QListWidgetItem* AutoFillSubjectsPage::listedRow(int subjectId) const {
    for (int i = 0; i < m_lstIncludeSubjects->count(); ++i) {
        QListWidgetItem* row = m_lstIncludeSubjects->item(i);
        if (row->data(Qt::UserRole).toInt() == subjectId)
            return row;
    }
    return nullptr;
}

void AutoFillSubjectsPage::addRow(int subjectId, int periods) {
    auto* row = new QListWidgetItem(
        rowText(GetListTextByItemData(*m_cboSubjects, subjectId), periods), m_lstIncludeSubjects);
    row->setData(Qt::UserRole, subjectId);
    row->setData(PeriodsRole, periods);
}

void AutoFillSubjectsPage::setCounters(int available, int filled) {
    m_available = available;
    m_filled = filled;
    m_lblPeriodsAvailable->setText(QString::number(available));
    m_lblPeriodsFilled->setText(QString::number(filled));
}

void AutoFillSubjectsPage::cmdAdd_Click() {
    if (m_cboSubjects->currentIndex() < 0)
        return; // no subject to choose
    const int periods = m_cboPeriods->currentText().toInt();
    const int subjectId = m_cboSubjects->currentData().toInt();
    QListWidgetItem* listed = listedRow(subjectId);
    if (m_available - periods < 0) {
        MsgBox(listed ? QStringLiteral("Their is not enough space to add this Subject. To add this "
                                       "Subject, first remove some existing Subjects.")
                      : QStringLiteral("Their is not enough room to add this Subject. To add this "
                                       "Subject, first remove some existing entries."),
               vb::vbCritical, this);
        return;
    }
    if (listed) {
        const int total = periodsOf(*listed) + periods;
        listed->setText(rowText(m_cboSubjects->currentText(), total));
        listed->setData(PeriodsRole, total);
    } else {
        addRow(subjectId, periods);
    }
    setCounters(m_available - periods, m_filled + periods);
}

void AutoFillSubjectsPage::cmdRemove_Click() {
    const QList<QListWidgetItem*> selected = m_lstIncludeSubjects->selectedItems();
    if (selected.isEmpty()) {
        MsgBox(QStringLiteral("Please select an item to remove."), vb::vbCritical, this);
        m_lstIncludeSubjects->setFocus();
        return;
    }
    const int periods = periodsOf(*selected.first());
    RemoveListItem(*m_lstIncludeSubjects, selected.first());
    setCounters(m_available + periods, m_filled - periods);
}

bool AutoFillSubjectsPage::storeAnswers() {
    if (m_lstIncludeSubjects->count() == 0) {
        MsgBox(QStringLiteral("Please select some Subjects to fill the timetable with."),
               vb::vbCritical, this);
        return false;
    }
    m_answers.subjectIds.clear();
    m_answers.subjectPeriods.clear();
    for (int i = 0; i < m_lstIncludeSubjects->count(); ++i) {
        const QListWidgetItem& row = *m_lstIncludeSubjects->item(i);
        m_answers.subjectIds << row.data(Qt::UserRole).toInt();
        m_answers.subjectPeriods << periodsOf(row);
    }
    return true;
}
