#pragma once

#include <QIcon>

namespace quillmar {

// The program's own 32 by 32 icon (window, About box).
QIcon programIcon();

// The toolbar picture for a button key ("New", "Square", "Save", "Undo", "Cut", "Copy",
// "CopyAll", "Paste", "Exit"); an empty icon for any other key.
QIcon toolbarIcon(const QString& key);

} // namespace quillmar
