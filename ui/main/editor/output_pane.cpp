#include "ui/main/editor/output_pane.h"

#include "ui/main/editor/pane_accessibility.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// The blank around the text, as Qt's own text panes leave.
constexpr qreal kMargin = 4;

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

bool holdsText(const QMimeData* source) {
    return source != nullptr && source->hasText() && !source->text().isEmpty();
}

void acceptDrag(QDragMoveEvent& event) {
    if (!droppedFile(event.mimeData()).isEmpty() || holdsText(event.mimeData())) {
        event.acceptProposedAction();
    } else {
        event.ignore();
    }
}

bool isVertical(CaretMove move) {
    return move == CaretMove::PreviousLine || move == CaretMove::NextLine ||
           move == CaretMove::PreviousPage || move == CaretMove::NextPage;
}

// Only plain keys take the place of the window's shortcuts; Alt with a letter still
// opens a menu.
bool overridesShortcut(const QKeyEvent& key) {
    const PaneKey pane = paneKeyOf(key);
    if (pane.action == PaneKey::Action::Text) {
        return (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    }
    return pane.action != PaneKey::Action::None;
}

} // namespace

OutputPane::OutputPane(QWidget* parent) : QAbstractScrollArea(parent), advances_(programFont()) {
    makePanesAccessible();
    setFont(programFont());
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setBackground(QPalette::Button);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(int(std::ceil(advances_.blankWidth())));
    updateScrollBars();
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
    QString normalised = ProgramTextBuffer::withCrLfLineEnds(text);
    const QStringView current = programText();
    if (!current.isEmpty() && normalised.size() > current.size() &&
        QStringView(normalised).startsWith(current)) {
        // Appending a generated block: only the new block goes in.
        history_.clear();
        const qsizetype end = text_.size();
        text_.replace(end, end, QStringView(normalised).sliced(end));
        textChanged(end, text_.size(), false);
        return;
    }
    wholeTextReplaced(std::move(normalised), false);
}

void OutputPane::appendProgramText(const QString& text) {
    if (programText().isEmpty()) {
        setProgramText(text);
        return;
    }
    history_.clear();
    const qsizetype end = text_.size();
    text_.replace(end, end, ProgramTextBuffer::withCrLfLineEnds(text));
    textChanged(end, text_.size(), false);
}

void OutputPane::replaceAllAsEdit(const QString& text) {
    wholeTextReplaced(ProgramTextBuffer::withCrLfLineEnds(text), true);
}

void OutputPane::replaceAllAsNewHistory(const QString& text) {
    wholeTextReplaced(ProgramTextBuffer::withCrLfLineEnds(text), false);
}

// The old text goes into the history as it is (no copy) when the change is undoable.
void OutputPane::wholeTextReplaced(QString text, bool undoable) {
    const qsizetype length = text.size();
    if (undoable) {
        QString old = text_.takeText();
        text_.setText(std::move(text));
        if (!old.isEmpty() || length > 0) { // an empty pane emptied has nothing to undo
            history_.record(0, std::move(old), length, EditKind::Other);
        }
    } else {
        history_.clear();
        text_.setText(std::move(text));
    }
    caret_ = 0;
    anchor_ = 0;
    widestLine_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    textChanged(0, length, false);
}

QString OutputPane::selectedProgramText() const {
    return text_.textBetween(std::min(anchor_, caret_), std::max(anchor_, caret_));
}

void OutputPane::replaceSelection(const QString& text) {
    edit(std::min(anchor_, caret_), std::max(anchor_, caret_), text, EditKind::Other);
}

void OutputPane::edit(qsizetype from, qsizetype to, const QString& text, EditKind kind) {
    const QString normalised = ProgramTextBuffer::withCrLfLineEnds(text);
    if (from == to && normalised.isEmpty()) {
        return;
    }
    QString removed = text_.textBetween(from, to);
    text_.replace(from, to, normalised);
    announceTextChange(this, from, removed, normalised);
    history_.record(from, std::move(removed), normalised.size(), kind);
    caret_ = from + normalised.size();
    anchor_ = caret_;
    textChanged(from, caret_, true);
}

// After every change of the text: the scroll ranges follow it, the caret shows, and
// whoever reads the program hears of it once.
void OutputPane::textChanged(qsizetype from, qsizetype to, bool showCaret) {
    changedSinceSaved_ = true;
    goalX_ = -1;
    caretX_ = -1;
    widenFor(text_.lineOf(from), text_.lineOf(to));
    updateScrollBars();
    if (showCaret) {
        ensureCaretVisible();
    }
    restartBlinking();
    viewport()->update();
    announceAvailability();
    announceCaret(this, caret_);
    emit programTextChanged();
}

void OutputPane::typeText(const QString& typed) {
    qsizetype from = std::min(anchor_, caret_);
    qsizetype to = std::max(anchor_, caret_);
    if (from == to && overwrite_) {
        // Each typed character takes the place of one after the caret, up to the line end;
        // a surrogate pair is one character, typed or typed over.
        const qsizetype lineEnd = text_.lineEnd(text_.lineOf(caret_));
        const auto typedCharacters = qsizetype(typed.toUcs4().size());
        for (qsizetype typedAt = 0; typedAt < typedCharacters && to < lineEnd; ++typedAt) {
            to = movedInText(text_, to, CaretMove::NextChar);
        }
    }
    edit(from, to, typed, EditKind::Typing);
}

void OutputPane::deleteBackward(CaretMove move) {
    if (anchor_ != caret_) {
        replaceSelection(QString());
        return;
    }
    const qsizetype from = movedInText(text_, caret_, move);
    if (from < caret_) {
        edit(from, caret_, QString(), EditKind::DeletingBackward);
    }
}

void OutputPane::deleteForward(CaretMove move) {
    if (anchor_ != caret_) {
        replaceSelection(QString());
        return;
    }
    const qsizetype to = movedInText(text_, caret_, move);
    if (to > caret_) {
        edit(caret_, to, QString(), EditKind::DeletingForward);
    }
}

void OutputPane::undo() {
    if (const auto step = history_.undo(text_)) {
        caret_ = step->position + step->replacedLength;
        anchor_ = caret_;
        textChanged(step->position, caret_, true);
    }
}

void OutputPane::redo() {
    if (const auto step = history_.redo(text_)) {
        caret_ = step->position + step->replacedLength;
        anchor_ = caret_;
        textChanged(step->position, caret_, true);
    }
}

void OutputPane::copy() const {
    if (anchor_ != caret_) {
        QGuiApplication::clipboard()->setText(selectedProgramText());
    }
}

void OutputPane::cut() {
    if (anchor_ != caret_) {
        copy();
        replaceSelection(QString());
    }
}

void OutputPane::paste() {
    insertFrom(QGuiApplication::clipboard()->mimeData());
}

// No text, or an empty one, must not delete the selection.
bool OutputPane::insertFrom(const QMimeData* source) {
    if (!holdsText(source)) {
        return false;
    }
    replaceSelection(source->text());
    return true;
}

void OutputPane::setSelection(qsizetype anchor, qsizetype caret) {
    placeCaret(anchor, caret);
}

void OutputPane::selectLine(qsizetype line) {
    if (line < 0 || line >= text_.lineCount()) {
        return;
    }
    placeCaret(text_.lineStart(line), text_.lineEnd(line));
}

// A place between a CR and its LF, or between the halves of a surrogate pair (which a
// screen reader may ask for), is taken as the one after them: typing there would part
// them.
qsizetype OutputPane::validPlace(qsizetype position) const {
    return caretPlaceAt(text_, position);
}

void OutputPane::placeCaret(qsizetype anchor, qsizetype caret, bool keepGoalX) {
    if (!keepGoalX) {
        goalX_ = -1;
    }
    anchor_ = validPlace(anchor);
    caret_ = validPlace(caret);
    caretX_ = -1;
    history_.stopMerging();
    ensureCaretVisible();
    restartBlinking();
    viewport()->update();
    announceAvailability();
    announceCaret(this, caret_);
}

void OutputPane::moveCaret(const PaneKey& key) {
    qsizetype to = caret_;
    if (isVertical(key.move)) {
        const bool page = key.move == CaretMove::PreviousPage || key.move == CaretMove::NextPage;
        const qsizetype lines = page ? visibleLines() : 1;
        const bool up = key.move == CaretMove::PreviousLine || key.move == CaretMove::PreviousPage;
        to = movedByLines(caret_, up ? -lines : lines);
        if (page) {
            QScrollBar* bar = verticalScrollBar();
            bar->setValue(bar->value() + int(up ? -lines : lines));
        }
    } else if (!key.extendsSelection && anchor_ != caret_ &&
               (key.move == CaretMove::PreviousChar || key.move == CaretMove::NextChar)) {
        // An arrow ends a selection at its side.
        to = key.move == CaretMove::PreviousChar ? std::min(anchor_, caret_)
                                                 : std::max(anchor_, caret_);
    } else {
        to = movedInText(text_, caret_, key.move);
    }
    placeCaret(key.extendsSelection ? anchor_ : to, to, isVertical(key.move));
}

// Up and down keep the caret as near as they can to where the first of them found it.
qsizetype OutputPane::movedByLines(qsizetype position, qsizetype lines) {
    const qsizetype line = text_.lineOf(position);
    const QStringView text = text_.lineText(line);
    if (goalX_ < 0) {
        goalX_ = advances_.width(text.first(position - text_.lineStart(line)));
    }
    const qsizetype target = std::clamp<qsizetype>(line + lines, 0, text_.lineCount() - 1);
    return text_.lineStart(target) + advances_.columnAt(text_.lineText(target), goalX_);
}

qsizetype OutputPane::visibleLines() const {
    return std::max<qsizetype>(
        1, qsizetype((viewport()->height() - kMargin) / advances_.lineHeight()));
}

void OutputPane::ensureCaretVisible() {
    ensureVisible(caret_);
}

void OutputPane::ensureVisible(qsizetype position) {
    QScrollBar* vertical = verticalScrollBar();
    const qsizetype line = text_.lineOf(position);
    if (line < vertical->value()) {
        vertical->setValue(int(line));
    } else if (line >= vertical->value() + visibleLines()) {
        vertical->setValue(int(line - visibleLines() + 1));
    }
    QScrollBar* horizontal = horizontalScrollBar();
    const QStringView text = text_.lineText(line);
    const qreal x = advances_.width(text.first(position - text_.lineStart(line)));
    const qreal room = viewport()->width() - 2 * kMargin - 1;
    if (x < horizontal->value()) {
        horizontal->setValue(int(std::floor(x)));
    } else if (x > horizontal->value() + room) {
        horizontal->setValue(int(std::ceil(x - room)));
    }
}

QRect OutputPane::characterRectangle(qsizetype position) const {
    PaneView at = view();
    at.caret = validPlace(position);
    at.caretX = -1;
    at.overwrite = true; // as wide as the character
    at.preedit.clear();
    return caretRectangle(at).toRect().translated(viewport()->pos());
}

// The horizontal range follows the widest line seen since the whole text was set: a
// line made shorter leaves it as it was, as it would cost a look at every line.
void OutputPane::widenFor(qsizetype fromLine, qsizetype toLine) {
    for (qsizetype line = fromLine; line <= toLine; ++line) {
        widestLine_ = std::max(widestLine_, advances_.width(text_.lineText(line)));
    }
}

void OutputPane::updateScrollBars() {
    const qsizetype lines = visibleLines();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setPageStep(int(lines));
    vertical->setRange(0, int(std::max<qsizetype>(0, text_.lineCount() - lines)));
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    horizontal->setPageStep(std::max(1, width));
    horizontal->setRange(0, std::max(0, int(std::ceil(widestLine_ + 2 * kMargin + 1)) - width));
}

PaneView OutputPane::view() const {
    if (caretX_ < 0) {
        const qsizetype line = text_.lineOf(caret_);
        caretX_ = advances_.width(text_.lineText(line).first(caret_ - text_.lineStart(line)));
    }
    return PaneView{text_,
                    advances_,
                    verticalScrollBar()->value(),
                    qreal(horizontalScrollBar()->value()),
                    kMargin,
                    std::min(anchor_, caret_),
                    std::max(anchor_, caret_),
                    caret_,
                    caretShown_ && hasFocus(),
                    overwrite_,
                    preedit_,
                    caretX_};
}

void OutputPane::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(viewport());
    painter.setFont(font());
    paintPaneLines(painter, view(), QRectF(viewport()->rect()), palette());
}

void OutputPane::restartBlinking() {
    caretShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0) {
        blink_.start(flash / 2, this);
    } else {
        blink_.stop();
    }
}

void OutputPane::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    caretShown_ = !caretShown_;
    viewport()->update(caretRectangle(view()).toAlignedRect().adjusted(-2, -2, 2, 2));
}

void OutputPane::scrollContentsBy(int /*dx*/, int /*dy*/) {
    viewport()->update();
}

void OutputPane::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void OutputPane::setOverwriteMode(bool overwrite) {
    overwrite_ = overwrite;
    viewport()->update();
}

void OutputPane::announceAvailability() {
    const bool canUndo = history_.canUndo();
    const bool canRedo = history_.canRedo();
    const bool canCopy = anchor_ != caret_;
    if (canUndo != couldUndo_) {
        emit undoAvailable(couldUndo_ = canUndo);
    }
    if (canRedo != couldRedo_) {
        emit redoAvailable(couldRedo_ = canRedo);
    }
    if (canCopy != couldCopy_) {
        emit copyAvailable(couldCopy_ = canCopy);
    }
}

bool OutputPane::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Ctrl+A belongs to the window's Copy all, not to an editor's own select-all.
        if (key->matches(QKeySequence::SelectAll) || !overridesShortcut(*key)) {
            event->ignore();
        } else {
            event->accept();
        }
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void OutputPane::focusInEvent(QFocusEvent* event) {
    emit focusEntered();
    setBackground(QPalette::Base);
    QAbstractScrollArea::focusInEvent(event);
    restartBlinking();
    viewport()->update();
}

void OutputPane::focusOutEvent(QFocusEvent* event) {
    setBackground(QPalette::Button);
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    history_.stopMerging();
    viewport()->update();
}

void OutputPane::keyPressEvent(QKeyEvent* event) {
    const PaneKey key = paneKeyOf(*event);
    switch (key.action) {
    case PaneKey::Action::None:
        event->ignore();
        return;
    case PaneKey::Action::ToggleOverwrite:
        emit overwriteToggleRequested();
        break;
    case PaneKey::Action::LineEnd:
        replaceSelection(QStringLiteral("\r\n"));
        break;
    case PaneKey::Action::Text:
        typeText(key.text);
        break;
    case PaneKey::Action::Move:
        moveCaret(key);
        break;
    case PaneKey::Action::DeleteBackward:
        deleteBackward(CaretMove::PreviousCodePoint);
        break;
    case PaneKey::Action::DeleteForward:
        deleteForward(CaretMove::NextChar);
        break;
    case PaneKey::Action::DeleteWordBackward:
        deleteBackward(CaretMove::PreviousWord);
        break;
    case PaneKey::Action::DeleteWordForward:
        deleteForward(CaretMove::NextWord);
        break;
    case PaneKey::Action::Copy:
        copy();
        break;
    case PaneKey::Action::Cut:
        cut();
        break;
    case PaneKey::Action::Paste:
        paste();
        break;
    case PaneKey::Action::Undo:
        undo();
        break;
    case PaneKey::Action::Redo:
        redo();
        break;
    }
    event->accept();
}

// Text an input method commits is typed; the text it is still composing shows at the
// caret until then.
void OutputPane::inputMethodEvent(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (event->replacementLength() > 0 && anchor_ == caret_) {
        const qsizetype line = text_.lineOf(caret_);
        const qsizetype from = std::clamp<qsizetype>(caret_ + event->replacementStart(),
                                                     text_.lineStart(line), text_.lineEnd(line));
        const qsizetype to =
            std::clamp<qsizetype>(from + event->replacementLength(), from, text_.lineEnd(line));
        // An input method that counts a character beyond the basic plane as one unit
        // names half of its surrogate pair: the whole character goes, never half of it.
        const QStringView text = text_.text();
        const auto splitsPair = [text](qsizetype at) {
            return at > 0 && at < text.size() && text[at - 1].isHighSurrogate() &&
                   text[at].isLowSurrogate();
        };
        edit(splitsPair(from) ? from - 1 : from, splitsPair(to) ? to + 1 : to, committed,
             EditKind::Other);
    } else if (!committed.isEmpty()) {
        typeText(committed);
    }
    preedit_ = event->preeditString();
    viewport()->update();
    event->accept();
}

QVariant OutputPane::inputMethodQuery(Qt::InputMethodQuery query) const {
    const qsizetype line = text_.lineOf(caret_);
    const qsizetype lineStart = text_.lineStart(line);
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return caretRectangle(view()).toRect().translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(caret_ - lineStart);
    case Qt::ImAnchorPosition:
        return int(std::clamp(anchor_, lineStart, text_.lineEnd(line)) - lineStart);
    case Qt::ImSurroundingText:
        return text_.lineText(line).toString();
    case Qt::ImCurrentSelection:
        return selectedProgramText();
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

qsizetype OutputPane::positionAtPoint(const QPoint& point) const {
    return positionAt(point - viewport()->pos());
}

qsizetype OutputPane::positionAt(const QPoint& point) const {
    const qsizetype line = std::clamp<qsizetype>(
        verticalScrollBar()->value() +
            qsizetype(std::floor((point.y() - kMargin) / advances_.lineHeight())),
        0, text_.lineCount() - 1);
    const qreal x = point.x() - kMargin + horizontalScrollBar()->value();
    const QStringView text = text_.lineText(line);
    const qsizetype start = text_.lineStart(line);
    const qsizetype at = start + advances_.columnAt(text, x);
    const qsizetype after = validPlace(at);
    if (after == at) {
        return at;
    }
    // Inside a cluster: the nearer of its two ends, as a click in QPlainTextEdit.
    const qsizetype before = movedInText(text_, after, CaretMove::PreviousChar);
    return x - advances_.width(text.first(before - start)) <
                   advances_.width(text.first(after - start)) - x
               ? before
               : after;
}

void OutputPane::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && isThirdClick(point)) {
        // The line with its line end, as a triple click in QPlainTextEdit selects it.
        thirdClickDeadline_ = QDeadlineTimer();
        const qsizetype line = text_.lineOf(positionAt(point));
        placeCaret(text_.lineStart(line),
                   line + 1 < text_.lineCount() ? text_.lineStart(line + 1) : text_.lineEnd(line));
    } else if (event->button() == Qt::LeftButton) {
        const qsizetype at = positionAt(point);
        placeCaret(event->modifiers().testFlag(Qt::ShiftModifier) ? anchor_ : at, at);
    } else if (event->button() == Qt::RightButton) {
        emit rightButtonPressed(event->globalPosition().toPoint());
    }
    event->accept();
}

void OutputPane::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton)) {
        placeCaret(anchor_, positionAt(event->position().toPoint()));
    }
    event->accept();
}

// The press was the pane's, so is its release: the widget around must not act on it.
void OutputPane::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

// A double click selects the word (or the run of blanks or of signs) under the pointer.
void OutputPane::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    doubleClickPoint_ = event->position().toPoint();
    thirdClickDeadline_ = QDeadlineTimer(QApplication::doubleClickInterval());
    const auto [from, to] = runAround(text_, positionAt(doubleClickPoint_));
    placeCaret(from, to);
    event->accept();
}

// A press soon after a double click, near where it was made.
bool OutputPane::isThirdClick(const QPoint& point) const {
    return !thirdClickDeadline_.hasExpired() &&
           (point - doubleClickPoint_).manhattanLength() < QApplication::startDragDistance();
}

void OutputPane::dragEnterEvent(QDragEnterEvent* event) {
    acceptDrag(*event);
}

void OutputPane::dragMoveEvent(QDragMoveEvent* event) {
    acceptDrag(*event);
}

// A dropped file opens in the pane (fileDropped); dropped text goes in where it fell.
void OutputPane::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) {
        if (holdsText(event->mimeData())) {
            const qsizetype at = positionAt(event->position().toPoint());
            placeCaret(at, at);
            insertFrom(event->mimeData());
            event->acceptProposedAction();
        }
        return;
    }
    event->acceptProposedAction();
    // After the drop has ended: opening may show a message box.
    QMetaObject::invokeMethod(
        this, [this, file] { emit fileDropped(file); }, Qt::QueuedConnection);
}

void OutputPane::setBackground(QPalette::ColorRole systemColour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(systemColour));
    setPalette(palette);
}

} // namespace quillmar
