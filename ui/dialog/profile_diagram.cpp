#include "ui/dialog/profile_diagram.h"

#include "ui/dialog/twips.h"
#include "ui/dialog/utf8_text.h"

#include <QPainter>
#include <array>

namespace quillmar {

namespace {

constexpr DiagramLine blue(DiagramLine line) {
    line.ink = Ink::Blue;
    return line;
}

constexpr DiagramLine red(DiagramLine line) {
    line.ink = Ink::Red;
    return line;
}

// The profile runs from the base line (y 1320) over the flanks to the top line
// (y 840); diameters are dimensioned from the axis side (y 1920).
constexpr std::array kLines{
    // Profile.
    DiagramLine{840, 1320, 2160, 1320},
    DiagramLine{2160, 1320, 2760, 840},
    DiagramLine{2760, 840, 3720, 840},
    DiagramLine{3720, 840, 4440, 1320},
    DiagramLine{4440, 1320, 5880, 1320},
    // Corner radius leaders.
    DiagramLine{4440, 1320, 4560, 1080},
    DiagramLine{3720, 840, 3600, 1080},
    DiagramLine{2760, 840, 2880, 1080},
    DiagramLine{2160, 1320, 2040, 1080},
    // Corner ticks.
    DiagramLine{3720, 840, 3720, 960},
    DiagramLine{3720, 840, 3600, 900},
    DiagramLine{2760, 840, 2760, 960},
    DiagramLine{2760, 860, 2880, 900},
    // Pitch.
    DiagramLine{1320, 300, 5280, 300},
    DiagramLine{1320, 1320, 1320, 240},
    DiagramLine{5295, 1335, 5295, 240},
    DiagramLine{1320, 300, 1440, 240},
    DiagramLine{1320, 300, 1440, 360},
    DiagramLine{5280, 300, 5160, 240},
    DiagramLine{5280, 300, 5160, 360},
    // Floor width.
    DiagramLine{2880, 600, 3600, 600},
    DiagramLine{2880, 1080, 2880, 480},
    DiagramLine{3600, 1080, 3600, 480},
    DiagramLine{2880, 600, 3000, 540},
    DiagramLine{2880, 600, 3000, 660},
    DiagramLine{3600, 600, 3480, 540},
    DiagramLine{3600, 600, 3480, 660},
    // D1, D2, D3.
    DiagramLine{3360, 840, 3360, 1920},
    DiagramLine{3360, 840, 3300, 960},
    DiagramLine{3360, 840, 3420, 960},
    DiagramLine{4920, 1320, 4920, 1920},
    DiagramLine{4920, 1320, 4860, 1440},
    DiagramLine{4920, 1320, 4980, 1440},
    DiagramLine{1560, 1320, 1560, 1920},
    DiagramLine{1560, 1320, 1500, 1440},
    DiagramLine{1560, 1320, 1620, 1440},
    // Flank angles.
    DiagramLine{4500, 1320, 3960, 1320},
    DiagramLine{4440, 1320, 4440, 1200},
    DiagramLine{4440, 1320, 4560, 1260},
    DiagramLine{2100, 1320, 2580, 1320},
    DiagramLine{2160, 1320, 2160, 1200},
    DiagramLine{2160, 1320, 2100, 1320},
    DiagramLine{2160, 1320, 2040, 1260},
    // Stock diameter.
    DiagramLine{1800, 1440, 5880, 1440, Ink::Blue, Stroke::DashDotDot},
    blue({5640, 1440, 5640, 2040}),
    blue({5640, 1440, 5700, 1560}),
    blue({5640, 1440, 5580, 1560}),
    // Finishing allowance on the diameter.
    DiagramLine{2280, 1440, 2760, 1080, Ink::Red, Stroke::Dotted},
    DiagramLine{2760, 1080, 3720, 1080, Ink::Red, Stroke::Dotted},
    DiagramLine{3720, 1080, 4200, 1440, Ink::Red, Stroke::Dotted},
    red({3100, 600, 3100, 1920}),
    red({3100, 1080, 3160, 1200}),
    red({3100, 1080, 3040, 1200}),
    red({3160, 720, 3100, 840}),
    red({3040, 720, 3100, 840}),
};

constexpr TwipsRect caption(int left, int top, int width = 195, int height = 195) {
    return {left, top, width, height};
}

constexpr std::array kCaptions{
    DiagramCaption{"R1", caption(4500, 900)},
    DiagramCaption{"R2", caption(3480, 1080)},
    DiagramCaption{"R3", caption(2760, 1080)},
    DiagramCaption{"R4", caption(1920, 900)},
    DiagramCaption{QT_TRANSLATE_NOOP("DataInput", "ピッチ"), caption(3060, 60, 555)},
    DiagramCaption{QT_TRANSLATE_NOOP("DataInput", "幅"), caption(3105, 360)},
    DiagramCaption{"D1", caption(3120, 1620)},
    DiagramCaption{"D2", caption(4680, 1620)},
    DiagramCaption{"D3", caption(1320, 1620)},
    DiagramCaption{"A1", caption(3840, 1140, 195, 135)},
    DiagramCaption{"A2", caption(2460, 1140)},
    DiagramCaption{QT_TRANSLATE_NOOP("DataInput", "素材径"), caption(5685, 1740, 795), Ink::Blue},
    DiagramCaption{QT_TRANSLATE_NOOP("DataInput", "仕上げ代(径)"), caption(2040, 1620, 1035, 435),
                   Ink::Red},
};

QColor colourOf(Ink ink) {
    switch (ink) {
    case Ink::Blue:
        return QColor(0, 0, 255);
    case Ink::Red:
        return QColor(255, 0, 0);
    case Ink::Black:
        break;
    }
    return QColor(0, 0, 0);
}

Qt::PenStyle penStyleOf(Stroke stroke) {
    switch (stroke) {
    case Stroke::DashDotDot:
        return Qt::DashDotDotLine;
    case Stroke::Dotted:
        return Qt::DotLine;
    case Stroke::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

std::span<const DiagramLine> diagramLines() {
    return kLines;
}

std::span<const DiagramCaption> diagramCaptions() {
    return kCaptions;
}

ProfileDiagram::ProfileDiagram(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ProfileDiagram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    for (const DiagramLine& line : kLines) {
        painter.setPen(QPen(colourOf(line.ink), 0, penStyleOf(line.stroke)));
        painter.drawLine(twipsPoint(line.x1, line.y1), twipsPoint(line.x2, line.y2));
    }
    // Captions are drawn whole even where their design box is smaller than the text
    // ("A1" has a box 135 twips high): a clipped caption would be unreadable.
    painter.setFont(font());
    for (const DiagramCaption& text : kCaptions) {
        const TwipsRect& r = text.rect;
        painter.setPen(colourOf(text.ink));
        painter.drawText(twipsRect(r.left, r.top, r.width, r.height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip,
                         captionText(text.text));
    }
}

} // namespace quillmar
