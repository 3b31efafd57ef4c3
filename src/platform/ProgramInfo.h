#pragma once

#include <QString>
#include <QUrl>

// Where the program lives and what it is called.
namespace ProgramInfo {

// The program's folder, which holds db.mdb and TipOfTheDay.txt.
QString folder();

// The executable's name without folder or extension ("periwell").
QString executableName();

// The full path of a file in the program's folder.
QString filePath(const QString& fileName);

// The maker's web page, for support and feedback.
QUrl makerWebPage();

// The names the splash and the about box show, and the program's legal notice.
QString productName();
QString companyName();
QString legalNotice();

} // namespace ProgramInfo

// A random value from 0 up to (not including) 1; one generator seeded from the clock per run.
double Rnd();
