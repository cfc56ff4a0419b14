#include "cli/pane_pictures.h"

#include "cli/utf16_text.h"
#include "graphics/graphics.h"
#include "nc/nc_line_reader.h"

#include <string_view>

namespace quillmar {

PanePictures::PanePictures(PictureSize size) {
    // Text lines advance by the picture's own pixel height, as in a picture box.
    points_.setPixelHeight(size.height);
    cutting_.setPixelHeight(size.height);
}

void PanePictures::paneChanged(Pane pane, const std::string& text, const ThreadJob& job) {
    // A cutting graphic with no passes to draw leaves the picture as it was.
    if (pane == Pane::Standard && !cuttingGraphicDraws(job)) {
        return;
    }
    LastDrawing& last = last_[pane == Pane::Macro ? 0 : 1];
    last.due = true;
    last.textLength = text.size();
    last.job = job;
}

void PanePictures::draw(const std::string& macroText, const std::string& standardText) {
    // One reader for both, as in the window. Generated text leaves no comment open in
    // it, and every move line of a standard program names its G word, so what the
    // window's earlier drawings left in the reader changes nothing here.
    NcLineReader reader;
    // A drawing that stops early keeps what it drew, as the picture box does.
    if (last_[0].due) {
        const std::string_view text(macroText.data(), last_[0].textLength);
        drawPointGraphic(last_[0].job, utf16FromUtf8(text), reader, points_);
    }
    if (last_[1].due) {
        const std::string_view text(standardText.data(), last_[1].textLength);
        drawCuttingGraphic(last_[1].job, utf16FromUtf8(text), reader, cutting_);
    }
}

} // namespace quillmar
