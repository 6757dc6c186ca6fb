#include "FontInstaller.h"

#include "ContentPath.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStandardPaths>

void InstallFont(const QString& contentDir, const QString& fileName)
{
    const QString source = ContentPath::Join(contentDir, QStringLiteral("\\fonts\\") + fileName);
    const QString fontsDir = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
    if (!fontsDir.isEmpty() && QDir().mkpath(fontsDir)) {
        const QString target = QDir(fontsDir).filePath(fileName);
        if (!QFile::exists(target))
            QFile::copy(source, target);
    }
    QFontDatabase::addApplicationFont(source);
}
