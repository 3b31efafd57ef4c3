#pragma once

#include <QString>

// Makes the database of a large school for the benchmarks: 60 classes, 80 tutors, 50 rooms,
// 40 subjects; a 5-day, 8-period timetable for each class, tutor and room (190 in all) with a
// lesson in every class cell and no clash; and 100,000 further slots on other days. A school
// `factor` times as large has `factor` times of each.
namespace SchoolGenerator {

struct Size {
    int classes = 60;
    int tutors = 80;
    int rooms = 50;
    int subjects = 40;
    int extraSlots = 100000;

    static Size scaledBy(int factor) {
        return {60 * factor, 80 * factor, 50 * factor, 40 * factor, 100000 * factor};
    }
    int timetables() const { return classes + tutors + rooms; }
    // A tutor who teaches nobody on Monday at 9:00; the next one is free then too.
    int tutorFreeOnMondayMorning() const { return classes + 2; }
};

// Writes a new database file at `path`; returns an empty string or the reason it failed.
QString generate(const QString& path, const Size& size = {});

} // namespace SchoolGenerator
