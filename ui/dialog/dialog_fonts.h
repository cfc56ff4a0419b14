#pragma once

#include <QFont>

namespace quillmar {

// The form's fonts. Each names the Windows family it was designed with first and then
// families found on Linux desktops, so the Japanese captions always get a real
// Japanese face. Sizes are set in pixels through the twips conversion, so text keeps
// its proportion to the boxes it sits in.
QFont fieldFont();         // "System" 13.5 pt: the 26 input fields
QFont gothicCaptionFont(); // "ＭＳ Ｐゴシック" 9.75 pt: left captions, frames, check boxes, buttons
QFont latinCaptionFont(); // "Arial" 9.75 pt: "D 1" … "R 4", "R1-F" … "D2-F"
QFont dialogDefaultFont(); // "ＭＳ Ｐゴシック" 9 pt: the form itself and the diagram's captions
QFont figuresFont(); // a fixed-pitch Japanese Gothic 9.75 pt: the "ねじ規格" dialog's figures

} // namespace quillmar
