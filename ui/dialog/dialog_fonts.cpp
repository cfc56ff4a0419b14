#include "ui/dialog/dialog_fonts.h"

#include "ui/dialog/twips.h"

#include <QStringList>

namespace quillmar {

namespace {

QFont makeFont(const QStringList& families, QFont::StyleHint hint, double points) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pointsToPixels(points));
    return font;
}

// "System" was a fixed-pitch face: its stand-ins are the fixed-pitch Japanese Gothics.
const QStringList kSystemFamilies{"System",    "IPAGothic",  "IPAゴシック", "Noto Sans Mono CJK JP",
                                  "VL Gothic", "TakaoGothic"};
const QStringList kProportionalGothicFamilies{"ＭＳ Ｐゴシック", "MS PGothic",       "IPAPGothic",
                                              "IPA Pゴシック",   "Noto Sans CJK JP", "VL PGothic",
                                              "TakaoPGothic",    "IPAGothic"};
const QStringList kArialFamilies{"Arial", "Liberation Sans", "Arimo", "DejaVu Sans", "Noto Sans"};

} // namespace

QFont fieldFont() {
    return makeFont(kSystemFamilies, QFont::TypeWriter, 13.5);
}

QFont gothicCaptionFont() {
    return makeFont(kProportionalGothicFamilies, QFont::SansSerif, 9.75);
}

QFont latinCaptionFont() {
    return makeFont(kArialFamilies, QFont::SansSerif, 9.75);
}

QFont figuresFont() {
    return makeFont(kSystemFamilies, QFont::TypeWriter, 9.75);
}

QFont dialogDefaultFont() {
    return makeFont(kProportionalGothicFamilies, QFont::SansSerif, 9);
}

} // namespace quillmar
