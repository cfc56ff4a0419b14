#pragma once

#include <QLineEdit>

namespace quillmar {

// One input field of the data input form. Enter (character 13, from either Enter key)
// is reported as enterPressed() and consumed here, so the dialog never turns it into a
// button press. Entering the field by Enter, Tab, a shortcut or a click selects its
// whole text, so that typing replaces the old value. Typing is limited to eight
// characters; nothing else is filtered.
class ChainField : public QLineEdit {
    Q_OBJECT

public:
    explicit ChainField(QWidget* parent = nullptr);

    // Shows a text put there by the program, in full even where it is longer than the
    // typing limit (a refilled "-0.123456" has nine characters). Such a text can be
    // shortened, never lengthened, and the limit returns to eight with it.
    void setFieldText(const QString& text);

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void shrinkLimitToText();
    void selectWholeText();

    bool selectOnMousePress_ = false;
};

} // namespace quillmar
