#include "ui/dialog/chain_field.h"

#include "ui/dialog/form_layout.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace quillmar {

namespace {

bool isEnter(const QKeyEvent& event) {
    const bool enterKey = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    // Shift+Enter still types a carriage return; Ctrl, Alt and Meta chords do not.
    const auto chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return enterKey && !(event.modifiers() & chords);
}

bool selectsOnEntry(Qt::FocusReason reason) {
    // Coming back to the window or out of a context menu keeps the caret where the
    // user left it: selecting all then would let the next key wipe a half-edited value.
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ChainField::ChainField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kFieldTypingLimit);
    connect(this, &QLineEdit::textEdited, this, &ChainField::shrinkLimitToText);
}

void ChainField::setFieldText(const QString& text) {
    setMaxLength(std::max<qsizetype>(kFieldTypingLimit, text.size()));
    setText(text);
}

void ChainField::shrinkLimitToText() {
    const qsizetype limit = std::max<qsizetype>(kFieldTypingLimit, text().size());
    if (limit >= maxLength()) {
        return;
    }
    // Changing the limit sets the text again, which moves the caret to the end.
    const int caret = cursorPosition();
    setMaxLength(static_cast<int>(limit));
    setCursorPosition(caret);
}

void ChainField::keyPressEvent(QKeyEvent* event) {
    if (isEnter(*event)) {
        event->accept();
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ChainField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!selectsOnEntry(event->reason())) {
        return;
    }
    // A click places the caret after the focus arrives; select once it has.
    selectOnMousePress_ = event->reason() == Qt::MouseFocusReason;
    selectWholeText();
}

void ChainField::focusOutEvent(QFocusEvent* event) {
    selectOnMousePress_ = false;
    QLineEdit::focusOutEvent(event);
}

void ChainField::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnMousePress_) {
        selectOnMousePress_ = false;
        selectWholeText();
    }
}

void ChainField::selectWholeText() {
    // An empty field keeps its caret at the start.
    if (!text().isEmpty()) {
        setSelection(0, static_cast<int>(text().size()));
    }
}

} // namespace quillmar
