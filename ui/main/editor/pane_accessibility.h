#pragma once

#include <QString>

class QObject;

namespace quillmar {

// Screen readers read a pane's text and follow its caret through Qt's accessibility
// text interface. Installed once, by the first pane made.
void makePanesAccessible();
// Tells an active screen reader where the caret of the pane now is.
void announceCaret(QObject* pane, qsizetype caret);
// Tells an active screen reader that `removed` at the position became `inserted`.
void announceTextChange(QObject* pane, qsizetype position, const QString& removed,
                        const QString& inserted);

} // namespace quillmar
