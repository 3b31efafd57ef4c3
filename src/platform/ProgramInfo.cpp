#include "ProgramInfo.h"

#include "Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <random>

namespace ProgramInfo {

QString folder() {
    if (!seams().programFolder.isEmpty())
        return seams().programFolder;
    return QCoreApplication::applicationDirPath();
}

QString executableName() {
    if (!seams().executableName.isEmpty())
        return seams().executableName;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString filePath(const QString& fileName) {
    return QDir(folder()).filePath(fileName);
}

QUrl makerWebPage() {
    return QUrl(QStringLiteral("https://www.example.com/periwell/support"));
}

QString productName() {
    return QStringLiteral("Periwell");
}

QString companyName() {
    return QStringLiteral("Quorvane");
}

QString legalNotice() {
    return QStringLiteral(
        "Copyright \u00A9 Quorvane. All rights reserved. This program is protected "
        "by copyright law. It is licensed for use by the school, college or "
        "university that acquired it; copying it or passing it on, in whole or "
        "in part, without the written permission of Quorvane is not allowed.");
}

} // namespace ProgramInfo

double Rnd() {
    if (seams().rnd)
        return seams().rnd();
    static std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}
