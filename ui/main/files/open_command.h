#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace quillmar {

class MessageBoxes;
class SaveFileDialog;

// Asks for a program file in the file dialog, opening in the last-used folder. The
// chosen file's folder becomes the last-used folder. Empty when cancelled.
QString askProgramFileToOpen(SaveFileDialog& dialog, QString& openPathName, QWidget* parent);

// The file's text for a pane, or nothing after an "Open error" box naming the file
// and saying why.
std::optional<QString> loadProgramFile(const QString& path, MessageBoxes& messages,
                                       QWidget* parent);

// Says that a file of the recent list is gone (it is then taken off the list).
void tellRecentFileMissing(const QString& path, MessageBoxes& messages, QWidget* parent);

} // namespace quillmar
