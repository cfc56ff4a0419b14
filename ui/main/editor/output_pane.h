#pragma once

#include "ui/main/editor/crlf_text_mirror.h"

#include <QPlainTextEdit>
#include <string_view>

namespace quillmar {

// One of the two program panes. What the program reads from and sets into a pane is
// program text with CR LF line ends (see CrLfTextMirror for the line-end rule); the
// platform's own clipboard keys carry the same text. The pane looks like an edit field
// only while it has the focus.
class OutputPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit OutputPane(QWidget* parent = nullptr);

    // Valid until the next change of the pane's text.
    QStringView programText() const { return mirror_.text(); }
    std::u16string_view programTextView() const;
    // A copy of the program text that costs nothing to take, for a worker thread.
    SharedText sharedProgramText() const { return mirror_.sharedText(); }
    bool hasProgramText() const { return !programText().isEmpty(); }
    // What changed in the program text since the last call, for a graphic that draws
    // only what changed.
    TextEdit takeProgramTextEdit() { return mirror_.takeChange(); }
    // Replaces the whole text; the change notification runs before this returns.
    // Text set by the program is not undoable.
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

    static QFont programFont();

signals:
    // Once per change of the text, typed or set, after programText() is current.
    void programTextChanged();
    void focusEntered();
    void rightButtonPressed(const QPoint& globalPosition);
    void overwriteToggleRequested();
    // A local file was dropped onto the pane; the pane's text is not touched.
    void fileDropped(const QString& path);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A dropped file opens in the pane (fileDropped); dropped text is inserted.
    void dropEvent(QDropEvent* event) override;
    // Copy, Cut and the platform's clipboard keys all carry CR LF text; a dragged
    // local file may enter too (see dropEvent).
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void setBackground(QPalette::ColorRole systemColour);
    void replaceWholeText(const QString& normalised);
    void stepOverPieceBreaks(const QKeyEvent* key);

    CrLfTextMirror mirror_;
    bool changedSinceSaved_ = false;
};

} // namespace quillmar
