#include "ui/main/output_pane.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>
#include <QUrl>

namespace quillmar {

namespace {

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

bool isShiftedReturn(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           key->modifiers().testFlag(Qt::ShiftModifier);
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
        cursor.insertText(normalised.sliced(current.size()));
    } else {
        setPlainText(normalised);
    }
    document()->setUndoRedoEnabled(true);
}

QString OutputPane::selectedProgramText() const {
    return CrLfTextMirror::withCrLf(textCursor().selectedText());
}

void OutputPane::replaceSelection(const QString& text) {
    insertPlainText(withoutLineSeparators(text));
}

void OutputPane::replaceWholeText(const QString& text) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(withoutLineSeparators(text));
    cursor.endEditBlock();
    moveCursor(QTextCursor::Start);
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
    if (isShiftedReturn(event)) {
        QKeyEvent plainReturn(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                              event->text());
        QPlainTextEdit::keyPressEvent(&plainReturn);
        event->setAccepted(plainReturn.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
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
