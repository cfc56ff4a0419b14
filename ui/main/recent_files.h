#pragma once

#include <QStringList>

namespace quillmar {

inline constexpr qsizetype kRecentFileLimit = 8;

// The files last opened or saved, the latest first: the path moves to the front (a
// path already listed is not listed twice) and the list keeps at most eight.
void addRecentFile(QStringList& recent, const QString& path);

// The list as the settings file gives it, made safe to show: the first eight entries
// that are plain paths (absolute, no control characters, not listed before); anything
// else a hand-edited or damaged settings file holds is dropped.
QStringList recentFilesFromSettings(const QStringList& stored);

// The caption of the list's entry at `index` (from 0): "&1 /path/to/FILE.NC".
QString recentFileCaption(qsizetype index, const QString& path);

} // namespace quillmar
