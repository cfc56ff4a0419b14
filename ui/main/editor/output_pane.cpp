#include "ui/main/editor/output_pane.h"

#include "ui/main/editor/long_lines.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>

namespace quillmar {

namespace {

// Up to this many lines a new width lays the pane out again as Qt does (a few
// milliseconds).
constexpr int kLinesLaidOutOnResize = 10000;

// A line separator would read back as part of a line, not as a line end: it enters a
// pane as a plain line break instead.
QString withoutLineSeparators(QString text) {
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

// The first local file among dropped URLs; a file manager also offers its path as
// text, which must not be inserted.
QString droppedFile(const QMimeData* source) {
    if (source == nullptr || !source->hasUrls()) {
        return {};
    }
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

// Return and Enter, with or without Shift, end the line.
bool isLineEndKey(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

bool movesOrDeletesBackward(const QKeyEvent* key) {
    return key->matches(QKeySequence::MoveToPreviousChar) ||
           key->matches(QKeySequence::SelectPreviousChar) || key->key() == Qt::Key_Backspace;
}

bool movesOrDeletesForward(const QKeyEvent* key) {
    return key->matches(QKeySequence::MoveToNextChar) ||
           key->matches(QKeySequence::SelectNextChar) || key->matches(QKeySequence::Delete);
}

} // namespace

OutputPane::OutputPane(QWidget* parent) : QPlainTextEdit(parent), mirror_(*document()) {
    setFont(programFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Tab walks the window's controls; NC programs hold no tab characters.
    setTabChangesFocus(true);
    setBackground(QPalette::Button);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                mirror_.noteChange(position, removed, added);
            });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        mirror_.sync();
        changedSinceSaved_ = true;
        emit programTextChanged();
    });
}

QFont OutputPane::programFont() {
    QFont font;
    // The Windows font first; on other systems a Japanese fixed-pitch face in its place.
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic"),
                      QStringLiteral("TakaoGothic"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(12);
    return font;
}

std::u16string_view OutputPane::programTextView() const {
    const QStringView text = programText();
    return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}

void OutputPane::setProgramText(const QString& text) {
    const QString normalised = withoutLineSeparators(text);
    const QStringView current = programText();
    document()->setUndoRedoEnabled(false);
    if (!current.isEmpty() && normalised.size() > current.size() &&
        QStringView(normalised).startsWith(current)) {
        // Appending a generated block: only the new block goes into the document.
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        insertProgramText(cursor, QStringView(normalised).sliced(current.size()));
    } else if (!holdsLongLine(normalised)) {
        mirror_.expectWholeText(readBackProgramText(normalised));
        setPlainText(normalised);
        mirror_.expectWholeText(std::nullopt);
    } else {
        replaceWholeText(normalised);
    }
    document()->setUndoRedoEnabled(true);
}

void OutputPane::appendProgramText(const QString& text) {
    if (programText().isEmpty()) {
        setProgramText(text);
        return;
    }
    // Only the new block goes into the document.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    insertProgramText(cursor, withoutLineSeparators(text));
    document()->setUndoRedoEnabled(true);
}

// The program text is known already: the mirror takes it instead of reading a whole
// program back out of the document.
void OutputPane::replaceWholeText(const QString& normalised) {
    mirror_.expectWholeText(readBackProgramText(normalised));
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    insertProgramText(cursor, normalised);
    mirror_.expectWholeText(std::nullopt);
}

QString OutputPane::selectedProgramText() const {
    const QTextCursor cursor = textCursor();
    return programTextBetween(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

void OutputPane::replaceSelection(const QString& text) {
    QTextCursor cursor = textCursor();
    insertProgramText(cursor, withoutLineSeparators(text));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void OutputPane::replaceAllAsEdit(const QString& text) {
    replaceWholeText(withoutLineSeparators(text));
}

void OutputPane::replaceAllAsNewHistory(const QString& text) {
    // Without undo records the document also spares a record of every line it takes.
    document()->setUndoRedoEnabled(false);
    replaceWholeText(withoutLineSeparators(text));
    document()->setUndoRedoEnabled(true);
}

// A piece break is no character of the program: a key that moves over or deletes the
// character before or after the caret acts on the character beyond it.
void OutputPane::stepOverPieceBreaks(const QKeyEvent* key) {
    const bool backward = movesOrDeletesBackward(key);
    if (!backward && !movesOrDeletesForward(key)) {
        return;
    }
    QTextCursor cursor = textCursor();
    const bool deletes = key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace;
    if (deletes && cursor.hasSelection()) {
        return;
    }
    const auto mode = cursor.hasSelection() || key->modifiers().testFlag(Qt::ShiftModifier)
                          ? QTextCursor::KeepAnchor
                          : QTextCursor::MoveAnchor;
    bool stepped = false;
    while ((backward ? cursor.atBlockStart() && continuesLine(cursor.block())
                     : cursor.atBlockEnd() && continuesLine(cursor.block().next())) &&
           cursor.movePosition(
               backward ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter, mode)) {
        stepped = true;
    }
    if (stepped) {
        setTextCursor(cursor);
    }
}

bool OutputPane::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+A belongs to the window's Copy all, not to the editor's own select-all.
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void OutputPane::focusInEvent(QFocusEvent* event) {
    emit focusEntered();
    setBackground(QPalette::Base);
    QPlainTextEdit::focusInEvent(event);
}

void OutputPane::focusOutEvent(QFocusEvent* event) {
    setBackground(QPalette::Button);
    QPlainTextEdit::focusOutEvent(event);
}

void OutputPane::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        emit overwriteToggleRequested();
        return;
    }
    if (isLineEndKey(event)) {
        // Not the editor's own line break, which would take the paragraph format of
        // a long line's piece and so be no line end.
        replaceSelection(QStringLiteral("\n"));
        event->accept();
        return;
    }
    stepOverPieceBreaks(event);
    QPlainTextEdit::keyPressEvent(event);
}

void OutputPane::resizeEvent(QResizeEvent* event) {
    // A new width makes Qt lay out every line again, though a pane that does not wrap
    // lays out no differently: a text layout kept for every line, hundreds of bytes each
    // and seconds on a long program. Only the horizontal scroll range follows the width,
    // and on a long program the widest line seen keeps it.
    if (lineWrapMode() == NoWrap && document()->blockCount() > kLinesLaidOutOnResize &&
        event->size().width() != event->oldSize().width()) {
        QResizeEvent sameWidth(event->size(),
                               QSize(event->size().width(), event->oldSize().height()));
        QPlainTextEdit::resizeEvent(&sameWidth);
        return;
    }
    QPlainTextEdit::resizeEvent(event);
}

void OutputPane::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        emit rightButtonPressed(event->globalPosition().toPoint());
    }
}

bool OutputPane::canInsertFromMimeData(const QMimeData* source) const {
    return !droppedFile(source).isEmpty() ||
           (source != nullptr && source->hasText() && !source->text().isEmpty());
}

QMimeData* OutputPane::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(selectedProgramText());
    return data;
}

void OutputPane::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    // After the drop has ended: opening may show a message box.
    QMetaObject::invokeMethod(
        this, [this, file] { emit fileDropped(file); }, Qt::QueuedConnection);
}

void OutputPane::insertFromMimeData(const QMimeData* source) {
    // No text, or an empty one, must not delete the selection.
    if (source != nullptr && source->hasText() && !source->text().isEmpty()) {
        replaceSelection(source->text());
    }
}

void OutputPane::setBackground(QPalette::ColorRole systemColour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(systemColour));
    setPalette(palette);
}

} // namespace quillmar
