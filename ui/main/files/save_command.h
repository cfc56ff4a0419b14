#pragma once

#include <QString>
#include <QStringView>
#include <optional>

class QWidget;

namespace quillmar {

class MessageBoxes;
class SaveFileDialog;

// The folder the save dialog opens in. A folder that is gone, or the "\" of a first
// run, opens the user's home folder instead.
QString saveDialogFolder(const QString& openPathName);

// What Save needs: the focused pane's text (none when no pane has the focus), the
// last-used folder it reads and updates, and the seams that would wait for a person.
struct SaveRequest {
    std::optional<QStringView> focusedPaneText;
    QString& openPathName;
    SaveFileDialog& dialog;
    MessageBoxes& messages;
    QWidget* parent = nullptr;
};

// The Save command: the focused pane's text and one more CR LF, as Shift-JIS, into a
// file chosen in the save dialog. Every failure is told in a "Save error" box. Gives
// the file written, none when nothing was (a failure, or the dialog cancelled).
std::optional<QString> runSaveCommand(const SaveRequest& request);

} // namespace quillmar
