#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

namespace quillmar {

// The data input form as drawn: every control's place in twips from the top left
// corner of the client area. Nothing in the form moves or stretches.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr TwipsRect kDialogClient{0, 0, 6810, 8010};
inline constexpr TwipsRect kDiagramArea{0, 0, 6810, 2040};

enum class CaptionFont { Gothic, Latin };

// One input field and the caption label at its left. Object names follow the form's
// control names; the FEED array's elements are "FEED0" to "FEED7" because object
// names cannot carry an index in parentheses.
struct FieldSpec {
    std::string_view name;
    TwipsRect box;
    std::string_view label;
    std::string_view caption;
    int labelLeft = 0;
    int labelWidth = 0;
    CaptionFont font = CaptionFont::Gothic;
};

// Caption labels sit 120 twips below the top of their box and are 255 twips high.
constexpr TwipsRect labelRect(const FieldSpec& field) {
    return {field.labelLeft, field.box.top + 120, field.labelWidth, 255};
}

namespace form_detail {
// Left and middle column captions reach up to their box; the FEED captions are 495 wide.
constexpr FieldSpec left(std::string_view name, int top, std::string_view label,
                         std::string_view caption, int labelLeft) {
    return {name,
            {1320, top, 1335, 375},
            label,
            caption,
            labelLeft,
            1320 - labelLeft,
            CaptionFont::Gothic};
}
constexpr FieldSpec middle(std::string_view name, int top, std::string_view label,
                           std::string_view caption) {
    return {name, {3360, top, 1215, 375}, label, caption, 2880, 480, CaptionFont::Latin};
}
constexpr FieldSpec feed(std::string_view name, int top, int height, std::string_view label,
                         std::string_view caption) {
    return {name, {5280, top, 1215, height}, label, caption, 4800, 495, CaptionFont::Latin};
}
} // namespace form_detail

// The 26 fields in tab order: the left column top to bottom, the middle column, then
// the Z steps.
inline constexpr std::array<FieldSpec, 26> kFields{
    form_detail::left("Text2", 2760, "Label2", QT_TRANSLATE_NOOP("DataInput", "ピッチ"), 480),
    form_detail::left("Text3", 3240, "Label3", QT_TRANSLATE_NOOP("DataInput", "幅"), 720),
    form_detail::left("Text1", 3720, "Label1", QT_TRANSLATE_NOOP("DataInput", "ノーズR"), 480),
    form_detail::left("Text12", 4200, "Label23", QT_TRANSLATE_NOOP("DataInput", "素材径"), 480),
    form_detail::left("Text13", 4680, "Label25", QT_TRANSLATE_NOOP("DataInput", "X軸 仕上げ代"),
                      120),
    form_detail::left("Text14", 5160, "Label26", QT_TRANSLATE_NOOP("DataInput", "Z軸 開始点"), 120),
    form_detail::left("Text15", 5640, "Label27", QT_TRANSLATE_NOOP("DataInput", "Z軸 終了点"), 120),
    form_detail::left("Text16", 6120, "Label28", QT_TRANSLATE_NOOP("DataInput", "テーパー角度"),
                      120),
    form_detail::left("Text17", 6600, "Label29", QT_TRANSLATE_NOOP("DataInput", "X軸退避位置"),
                      120),
    form_detail::middle("Text4", 2760, "Label4", "D 1"),
    form_detail::middle("Text5", 3240, "Label5", "D 2"),
    form_detail::middle("Text18", 3720, "Label30", "D 3"),
    form_detail::middle("Text6", 4200, "Label6", "A 1"),
    form_detail::middle("Text7", 4680, "Label7", "A 2"),
    form_detail::middle("Text8", 5160, "Label8", "R 1"),
    form_detail::middle("Text9", 5640, "Label9", "R 2"),
    form_detail::middle("Text10", 6120, "Label10", "R 3"),
    form_detail::middle("Text11", 6600, "Label11", "R 4"),
    form_detail::feed("FEED0", 2760, 405, "F0", "R1-F"),
    form_detail::feed("FEED1", 3240, 405, "F1", "A1-F"),
    form_detail::feed("FEED2", 3720, 405, "F2", "R2-F"),
    form_detail::feed("FEED3", 4200, 405, "F3", "D1-F"),
    form_detail::feed("FEED4", 4680, 405, "F4", "R3-F"),
    form_detail::feed("FEED5", 5160, 405, "F5", "A2-F"),
    form_detail::feed("FEED6", 5640, 405, "F6", "R4-F"),
    form_detail::feed("FEED7", 6120, 375, "F7", "D2-F"),
};

// A field accepts at most this many typed characters.
inline constexpr int kFieldTypingLimit = 8;

// Buttons, frames, option buttons and check boxes. Option buttons are placed within
// their frame.
struct ControlSpec {
    std::string_view name;
    std::string_view caption;
    TwipsRect rect;
};

inline constexpr ControlSpec kCommand1{
    "Command1", QT_TRANSLATE_NOOP("DataInput", "プログラム出力"), {3360, 7200, 1455, 615}};
inline constexpr ControlSpec kCommand2{
    "Command2", QT_TRANSLATE_NOOP("DataInput", "閉じる"), {5160, 7200, 1335, 615}};
inline constexpr ControlSpec kFrame1{
    "Frame1", QT_TRANSLATE_NOOP("DataInput", "加工位置"), {360, 2040, 2295, 615}};
inline constexpr ControlSpec kOption2{
    "Option2", QT_TRANSLATE_NOOP("DataInput", "内径"), {1200, 285, 975, 180}};
inline constexpr ControlSpec kOption1{
    "Option1", QT_TRANSLATE_NOOP("DataInput", "外径"), {120, 285, 975, 180}};
inline constexpr ControlSpec kFrame2{
    "Frame2", QT_TRANSLATE_NOOP("DataInput", "出力タイプ"), {3480, 2040, 2895, 615}};
inline constexpr ControlSpec kOsp{"OSP", "OSP", {480, 280, 735, 180}};
inline constexpr ControlSpec kFanuc{"Fanuc", "FANUC", {1560, 280, 975, 180}};
inline constexpr ControlSpec kCheckSn{
    "CheckSN", QT_TRANSLATE_NOOP("DataInput", "シーケンス番号"), {1080, 7200, 2055, 255}};
inline constexpr ControlSpec kCheckModin{
    "CheckModin", QT_TRANSLATE_NOOP("DataInput", "MODINの出力"), {1080, 7560, 2055, 255}};

} // namespace quillmar
