#include "ui/main/editor/pane_texts.h"

#include "ui/main/editor/output_pane.h"

namespace quillmar {

std::string PaneTexts::paneText(Pane pane) const {
    return paneFor(pane).programText().toUtf8().toStdString();
}

void PaneTexts::setPaneText(Pane pane, const std::string& text) {
    paneFor(pane).setProgramText(QString::fromStdString(text));
}

void PaneTexts::appendToPane(Pane pane, std::string_view block) {
    paneFor(pane).appendProgramText(
        QString::fromUtf8(block.data(), static_cast<qsizetype>(block.size())));
}

} // namespace quillmar
