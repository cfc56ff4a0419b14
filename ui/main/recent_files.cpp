#include "ui/main/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace quillmar {

void addRecentFile(QStringList& recent, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentFileLimit) {
        recent.removeLast();
    }
}

namespace {

bool isPlainPath(const QString& path) {
    constexpr qsizetype kLongestPath = 4096; // PATH_MAX of Linux
    if (path.isEmpty() || path.size() > kLongestPath || !QDir::isAbsolutePath(path)) {
        return false;
    }
    return std::none_of(path.begin(), path.end(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control;
    });
}

} // namespace

QStringList recentFilesFromSettings(const QStringList& stored) {
    QStringList recent;
    for (const QString& path : stored) {
        if (recent.size() == kRecentFileLimit) {
            break;
        }
        if (isPlainPath(path) && !recent.contains(path)) {
            recent.append(path);
        }
    }
    return recent;
}

QString recentFileCaption(qsizetype index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(u'&', QLatin1String("&&")); // an ampersand in a name is no mnemonic
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace quillmar
