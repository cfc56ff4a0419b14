#include "ui/main/pane_texts.h"

#include "ui/main/output_pane.h"

namespace quillmar {

std::string PaneTexts::paneText(Pane pane) const {
    return paneFor(pane).programText().toUtf8().toStdString();
}

void PaneTexts::setPaneText(Pane pane, const std::string& text) {
    paneFor(pane).setProgramText(QString::fromStdString(text));
}

} // namespace quillmar
