#include "cli/pane_pictures.h"

#include "cli/utf16_text.h"
#include "graphics/graphics.h"

namespace quillmar {

PanePictures::PanePictures(PictureSize size) {
    // Text lines advance by the picture's own pixel height, as in a picture box.
    points_.setPixelHeight(size.height);
    cutting_.setPixelHeight(size.height);
}

void PanePictures::paneChanged(Pane pane, const std::string& text, const ThreadJob& job) {
    const std::u16string paneText = utf16FromUtf8(text);
    // A drawing that stops early keeps what it drew, as the picture box does; the
    // result only decides whether the window shows its read-out box.
    if (pane == Pane::MacroA) {
        drawPointGraphic(job, paneText, reader_, points_);
    } else {
        drawCuttingGraphic(job, paneText, reader_, cutting_);
    }
}

} // namespace quillmar
