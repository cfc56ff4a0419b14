#pragma once

#include "ui/main/editor/pane_keys.h"
#include "ui/main/editor/pane_painting.h"
#include "ui/main/editor/pane_undo_history.h"
#include "ui/main/editor/program_text_buffer.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QDeadlineTimer>
#include <string_view>

class QMimeData;

namespace quillmar {

// One of the two program panes. What the program reads from and sets into a pane is
// program text with CR LF line ends (see ProgramTextBuffer for the line-end rule); the
// clipboard carries the same text. The pane keeps the program once and lays out and
// paints only the lines in view, so that a program of millions of lines opens at the
// speed of the disk and types as fast as a short one. It looks like an edit field only
// while it has the focus.
class OutputPane : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit OutputPane(QWidget* parent = nullptr);

    // Valid until the next change of the pane's text.
    QStringView programText() const { return text_.text(); }
    std::u16string_view programTextView() const;
    // A copy of the program text that costs nothing to take, for a worker thread.
    SharedText sharedProgramText() const { return text_.sharedText(); }
    bool hasProgramText() const { return !programText().isEmpty(); }
    // What changed in the program text since the last call, for a graphic that draws
    // only what changed.
    TextEdit takeProgramTextEdit() { return text_.takeChange(); }
    // Replaces the whole text; the change notification runs before this returns.
    // Text set by the program is not undoable, and Undo goes back no further.
    void setProgramText(const QString& text);
    // Adds the text at the end, as setProgramText(programText() + text) would, without
    // going over the text already there.
    void appendProgramText(const QString& text);

    // The selection as program text (CR LF line ends).
    QString selectedProgramText() const;
    // Replaces the selection by the text, as typing it would (undoable).
    void replaceSelection(const QString& text);
    // Replaces the whole text as one edit that the pane's Undo takes back.
    void replaceAllAsEdit(const QString& text);
    // Replaces the whole text as the start of a new history: Undo goes back no further.
    void replaceAllAsNewHistory(const QString& text);

    // True while the pane holds text changed since it was last saved (or opened).
    bool holdsUnsavedText() const { return changedSinceSaved_ && hasProgramText(); }
    void markSaved() { changedSinceSaved_ = false; }

    // The caret and the selection, as places in the program text (a CR LF is two
    // characters; a place between them, or inside a grapheme cluster, is taken as the
    // one after it).
    qsizetype caretPosition() const { return caret_; }
    qsizetype anchorPosition() const { return anchor_; }
    void setSelection(qsizetype anchor, qsizetype caret);
    void moveCaretToStart() { setSelection(0, 0); }
    void moveCaretToEnd() { setSelection(text_.size(), text_.size()); }
    void selectAll() { setSelection(0, text_.size()); }
    // Selects the line (counted from 0) without its line end and shows it.
    void selectLine(qsizetype line);
    qsizetype lineCount() const { return text_.lineCount(); }
    qsizetype caretLine() const { return text_.lineOf(caret_); }
    QString lineText(qsizetype line) const { return text_.lineText(line).toString(); }
    // Where the line's characters end, before its line end.
    qsizetype lineEndPosition(qsizetype line) const { return text_.lineEnd(line); }
    void ensureCaretVisible();
    // Scrolls the place into view without moving the caret.
    void ensureVisible(qsizetype position);
    // Where a character is, in the pane's own coordinates, and the place nearest a point.
    QRect characterRectangle(qsizetype position) const;
    qsizetype positionAtPoint(const QPoint& point) const;

    bool overwriteMode() const { return overwrite_; }
    void setOverwriteMode(bool overwrite);

    bool isUndoAvailable() const { return history_.canUndo(); }
    bool isRedoAvailable() const { return history_.canRedo(); }
    void undo();
    void redo();
    // Copy and Cut leave the clipboard alone when nothing is selected; Paste without
    // text on the clipboard leaves the selection in place.
    void copy() const;
    void cut();
    void paste();

    // What an input method asks of the caret's line.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    static QFont programFont();

signals:
    // Once per change of the text, typed or set, after programText() is current.
    void programTextChanged();
    void focusEntered();
    void rightButtonPressed(const QPoint& globalPosition);
    void overwriteToggleRequested();
    // A local file was dropped onto the pane; the pane's text is not touched.
    void fileDropped(const QString& path);
    void undoAvailable(bool available);
    void redoAvailable(bool available);
    void copyAvailable(bool available);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    PaneView view() const;
    // Replaces [from, to) by program text as the user's edit; the caret goes after it.
    void edit(qsizetype from, qsizetype to, const QString& text, EditKind kind);
    void typeText(const QString& text);
    void deleteBackward(CaretMove move);
    void deleteForward(CaretMove move);
    void wholeTextReplaced(QString text, bool undoable);
    void textChanged(qsizetype from, qsizetype to, bool showCaret);
    void moveCaret(const PaneKey& key);
    qsizetype movedByLines(qsizetype position, qsizetype lines);
    qsizetype positionAt(const QPoint& point) const;
    qsizetype validPlace(qsizetype position) const;
    bool isThirdClick(const QPoint& point) const;
    void placeCaret(qsizetype anchor, qsizetype caret, bool keepGoalX = false);
    void updateScrollBars();
    void widenFor(qsizetype fromLine, qsizetype toLine);
    void restartBlinking();
    void setBackground(QPalette::ColorRole systemColour);
    bool insertFrom(const QMimeData* source);
    qsizetype visibleLines() const;
    void announceAvailability();

    ProgramTextBuffer text_;
    PaneUndoHistory history_;
    CharacterAdvances advances_;
    qsizetype caret_ = 0;
    qsizetype anchor_ = 0;
    qreal goalX_ = -1;          // where up and down keep the caret, while they go on
    mutable qreal caretX_ = -1; // the caret's distance from its line's start, once measured
    qreal widestLine_ = 0;
    QString preedit_;
    bool overwrite_ = false;
    bool caretShown_ = false;
    bool changedSinceSaved_ = false;
    QBasicTimer blink_;
    QDeadlineTimer thirdClickDeadline_; // expired unless a double click has just been made
    QPoint doubleClickPoint_;
    bool couldUndo_ = false;
    bool couldRedo_ = false;
    bool couldCopy_ = false;
};

} // namespace quillmar
