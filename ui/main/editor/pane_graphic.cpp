#include "ui/main/editor/pane_graphic.h"

#include "graphics/graphics.h"
#include "ui/main/editor/output_pane.h"
#include "ui/paint/picture_box.h"

#include <utility>

namespace quillmar {

PaneGraphic::PaneGraphic(PaneGraphicKind kind, OutputPane& pane, PictureBox& picture)
    : graphic_(kind), pane_(pane), picture_(picture) {}

bool PaneGraphic::redraw(const ThreadJob& job, NcLineReader& reader) {
    const auto outcome = graphic_.draw(job, pane_.programTextView(), pane_.takeProgramTextEdit(),
                                       reader, std::as_const(picture_).recording().state());
    if (outcome.drawn) {
        picture_.showDisplayList(graphic_.displayList(), graphic_.stateAfter());
    }
    return outcome.completed;
}

void PaneGraphic::clear() {
    picture_.surface().setBackground(Colour::named(SystemColour::ButtonFace));
    picture_.surface().clear();
}

} // namespace quillmar
