#include "NewTimetablePresets.h"

#include <array>

namespace {

struct HourRange {
    int startHour;
    int endHour;
};

// The list texts are for the user only: the hours come from here, by position.
constexpr std::array<HourRange, 4> HourRanges{{{8, 15}, {7, 16}, {8, 16}, {9, 17}}};
constexpr std::array<int, 2> IncrementMinutes{60, 120};

} // namespace

namespace NewTimetablePresets {

const QStringList& dayChoices() {
    static const QStringList choices{QStringLiteral("Mon, Tue, Wed, Thu and Fri"),
                                     QStringLiteral("Mon, Tue, Wed, Thu, Fri, Sat and Sun"),
                                     QStringLiteral("Mon to Fri, for 2 weeks")};
    return choices;
}

QStringList days(int choice) {
    const QStringList week{QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                           QStringLiteral("Thu"), QStringLiteral("Fri")};
    switch (choice) {
    case 0:
        return week;
    case 1:
        return week + QStringList{QStringLiteral("Sat"), QStringLiteral("Sun")};
    case 2: {
        QStringList twoWeeks;
        for (int weekNumber : {1, 2}) {
            for (const QString& day : week)
                twoWeeks << QStringLiteral("Wk %1 %2").arg(weekNumber).arg(day);
        }
        return twoWeeks;
    }
    default:
        return {};
    }
}

const QStringList& hourChoices() {
    static const QStringList choices{
        QStringLiteral("8.00am to 3.00pm"), QStringLiteral("7.00am to 4.00pm"),
        QStringLiteral("8.00am to 4.00pm"), QStringLiteral("9.00am to 5.00pm")};
    return choices;
}

const QStringList& incrementChoices() {
    static const QStringList choices{QStringLiteral("60 minutes"), QStringLiteral("120 minutes")};
    return choices;
}

QList<QTime> boundaries(int hoursChoice, int incrementChoice) {
    if (hoursChoice < 0 || hoursChoice >= int(HourRanges.size()) || incrementChoice < 0 ||
        incrementChoice >= int(IncrementMinutes.size()))
        return {};
    const HourRange range = HourRanges[hoursChoice];
    const int step = IncrementMinutes[incrementChoice];
    QList<QTime> times;
    for (int minute = range.startHour * 60; minute <= range.endHour * 60; minute += step)
        times << QTime(minute / 60, minute % 60);
    return times;
}

} // namespace NewTimetablePresets
