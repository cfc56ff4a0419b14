#include "ui/main/files/recent_files.h"

#include <QDir>
#include <QFileInfo>

namespace quillmar {

void addRecentFile(QStringList& recent, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kRecentFileLimit) {
        recent.removeLast();
    }
}

QString recentFileCaption(qsizetype index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(u'&', QLatin1String("&&")); // an ampersand in a name is no mnemonic
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace quillmar
