#pragma once

#include <QtGlobal>

class QObject;

namespace quillmar {

// Screen readers read a pane's text and follow its caret through Qt's accessibility
// text interface. Installed once, by the first pane made.
void makePanesAccessible();
// Tells an active screen reader where the caret of the pane now is.
void announceCaret(QObject* pane, qsizetype caret);

} // namespace quillmar
