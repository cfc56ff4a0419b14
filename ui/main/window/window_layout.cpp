#include "ui/main/window/window_layout.h"

namespace quillmar {

namespace {

constexpr float kRowTop = 680;
constexpr float kPaneLeft = 10;
constexpr float kPaneWidth = 4250;
constexpr float kPictureLeft = 4300;

std::optional<TwipsPlacement> placed(float left, float top, float width, float height) {
    // The control refuses a negative size; it then simply stays where it was.
    if (width < 0 || height < 0) {
        return std::nullopt;
    }
    return TwipsPlacement{left, top, width, height};
}

} // namespace

MainWindowLayout computeMainWindowLayout(const WindowMeasures& measures) {
    const float ch = measures.clientHeight;
    const float cw = measures.clientWidth;
    const float ow = measures.outerWidth;

    // The top row ends 30 twips above the bottom row; the bottom row is the taller
    // one and leaves 275 twips free above the window's bottom edge.
    const float half = (ch - 1100.0f) / 2.0f;
    const float topHeight = half - 30.0f;
    const float bottomTop = half + kRowTop;
    const float bottomHeight = (ch - kRowTop) / 2.0f - 65.0f;
    const float pictureWidth = ow - 4600.0f;

    MainWindowLayout layout;
    layout.txtDataA = placed(kPaneLeft, kRowTop, kPaneWidth, topHeight);
    layout.txtDataB = placed(kPaneLeft, bottomTop, kPaneWidth, bottomHeight);
    layout.picture1 = placed(kPictureLeft, kRowTop, pictureWidth, topHeight);
    layout.picture2 = placed(kPictureLeft, bottomTop, pictureWidth, bottomHeight);
    layout.picture3 = placed(cw - 2200.0f, 300.0f, 2300.0f, 600.0f);
    layout.line1Right = cw;
    layout.line2Right = cw;
    return layout;
}

} // namespace quillmar
