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

} // namespace ProgramInfo

double Rnd() {
    if (seams().rnd)
        return seams().rnd();
    static std::mt19937 generator(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}
