#pragma once

#include <QString>
#include <optional>

class QAction;
class QToolBar;
class QWidget;

namespace quillmar {

// What a toolbar button runs: the same command as the menu item of the same name.
enum class ToolbarCommand { New, Square, Save, Undo, Cut, Copy, CopyAll, Paste, Exit, Open };

// Compares the key exactly, case included, with the known keys in the order New,
// Square, Save, Undo, Cut, Copy, CopyAll, Paste, Exit, Open; nothing for any other key
// (the separators have none).
std::optional<ToolbarCommand> toolbarCommandForKey(const QString& key);

// The eleven buttons with their icons and tooltips, no captions, then a separator and
// Open. Each button's key
// is its action's data; the buttons never take the keyboard focus, so the commands
// act on the pane that had it.
QToolBar* buildMainToolbar(QWidget* parent);

// The key of a toolbar action, empty for a separator.
QString toolbarKey(const QAction* action);

} // namespace quillmar
