#include "ui/paint/readout_box.h"

namespace quillmar {

ReadoutBox::ReadoutBox(QWidget* parent) : QLabel(parent) {
    setFont(readoutFont());
    // Whatever the text holds, it is shown as it stands, never as markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
    setAutoFillBackground(true);
}

QFont ReadoutBox::readoutFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(11.25);
    return font;
}

} // namespace quillmar
