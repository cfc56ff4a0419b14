#pragma once

#include "core/job_fields.h"

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
    JobField field;
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
// Object names and captions come from the field table.
constexpr FieldSpec spec(JobField field, TwipsRect box, std::string_view label, int labelLeft,
                         int labelWidth, CaptionFont font) {
    const JobFieldInfo& info = fieldInfo(field);
    return {field, info.widgetName, box, label, info.caption, labelLeft, labelWidth, font};
}
constexpr FieldSpec left(JobField field, int top, std::string_view label, int labelLeft) {
    return spec(field, {1320, top, 1335, 375}, label, labelLeft, 1320 - labelLeft,
                CaptionFont::Gothic);
}
constexpr FieldSpec middle(JobField field, int top, std::string_view label) {
    return spec(field, {3360, top, 1215, 375}, label, 2880, 480, CaptionFont::Latin);
}
constexpr FieldSpec feed(JobField field, int top, int height, std::string_view label) {
    return spec(field, {5280, top, 1215, height}, label, 4800, 495, CaptionFont::Latin);
}
} // namespace form_detail

// Every field in tab order: the left column top to bottom, the middle column, the Z
// steps, then the number of starts in the free place under the steps.
inline constexpr std::array<FieldSpec, kJobFieldCount> kFields{
    form_detail::left(JobField::Pitch, 2760, "Label2", 480),
    form_detail::left(JobField::Width, 3240, "Label3", 720),
    form_detail::left(JobField::NoseRadius, 3720, "Label1", 480),
    form_detail::left(JobField::StockDiameter, 4200, "Label23", 480),
    form_detail::left(JobField::FinishAllowance, 4680, "Label25", 120),
    form_detail::left(JobField::ZStart, 5160, "Label26", 120),
    form_detail::left(JobField::ZEnd, 5640, "Label27", 120),
    form_detail::left(JobField::TaperAngle, 6120, "Label28", 120),
    form_detail::left(JobField::XRetract, 6600, "Label29", 120),
    form_detail::middle(JobField::D1, 2760, "Label4"),
    form_detail::middle(JobField::D2, 3240, "Label5"),
    form_detail::middle(JobField::D3, 3720, "Label30"),
    form_detail::middle(JobField::A1, 4200, "Label6"),
    form_detail::middle(JobField::A2, 4680, "Label7"),
    form_detail::middle(JobField::R1, 5160, "Label8"),
    form_detail::middle(JobField::R2, 5640, "Label9"),
    form_detail::middle(JobField::R3, 6120, "Label10"),
    form_detail::middle(JobField::R4, 6600, "Label11"),
    form_detail::feed(JobField::StepR1, 2760, 405, "F0"),
    form_detail::feed(JobField::StepA1, 3240, 405, "F1"),
    form_detail::feed(JobField::StepR2, 3720, 405, "F2"),
    form_detail::feed(JobField::StepD1, 4200, 405, "F3"),
    form_detail::feed(JobField::StepR3, 4680, 405, "F4"),
    form_detail::feed(JobField::StepA2, 5160, 405, "F5"),
    form_detail::feed(JobField::StepR4, 5640, 405, "F6"),
    form_detail::feed(JobField::StepD2, 6120, 375, "F7"),
    // Its caption reaches left into the free space after the middle column's boxes, so
    // that the English "Starts" fits as well as "条数".
    form_detail::spec(JobField::Starts, {5280, 6600, 1215, 375}, "Label31", 4620, 660,
                      CaptionFont::Gothic),
};

namespace form_detail {
// A field placed twice, or not at all, would leave a box empty or two on one place.
constexpr bool everyFieldPlacedOnce() {
    std::array<int, kJobFieldCount> places{};
    for (const FieldSpec& spec : kFields) {
        ++places[fieldIndex(spec.field)];
    }
    for (int n : places) {
        if (n != 1) {
            return false;
        }
    }
    return true;
}
static_assert(everyFieldPlacedOnce());
} // namespace form_detail

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
// "ねじ規格": in the diagram's free top right corner, right of the pitch dimension and
// above the stock line, so that no control of the form moves.
inline constexpr ControlSpec kThreadStandard{
    "cmdThreadStandard", QT_TRANSLATE_NOOP("DataInput", "ねじ規格..."), {5400, 120, 1335, 375}};
// "制御装置" and how the starts of a multi-start thread are set apart: in the diagram's
// free top left corner, left of the pitch dimension and above the profile's base line,
// so that no control of the form moves.
inline constexpr ControlSpec kControlLabel{
    "lblControl", QT_TRANSLATE_NOOP("DataInput", "制御装置"), {60, 60, 1230, 240}};
inline constexpr ControlSpec kControlBox{"cboControl", "", {60, 300, 1230, 330}};
inline constexpr ControlSpec kStartShiftLabel{
    "lblStartShift", QT_TRANSLATE_NOOP("DataInput", "多条の割出し"), {60, 690, 1230, 240}};
inline constexpr ControlSpec kStartShiftBox{"cboStartShift", "", {60, 930, 1230, 330}};
// The items of the start shift box, in the order of StartShift.
inline constexpr std::array<std::string_view, 2> kStartShiftItems{
    QT_TRANSLATE_NOOP("DataInput", "Z方向"), QT_TRANSLATE_NOOP("DataInput", "角度")};
// "溝形状...": under "ねじ規格...", in the diagram's free right edge beside the groove's
// depth dimension, so that no control of the form moves.
inline constexpr ControlSpec kGrooveShape{
    "cmdGrooveShape", QT_TRANSLATE_NOOP("DataInput", "溝形状..."), {5400, 555, 1335, 375}};
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
// The machine's verdict, one line under the buttons: shown only with a machine profile,
// when the client area grows by its height, so that no control of the form moves.
inline constexpr TwipsRect kMachineVerdict{120, 7860, 6570, 270};
inline constexpr int kClientHeightWithVerdict = 8220;
inline constexpr ControlSpec kCheckSn{
    "CheckSN", QT_TRANSLATE_NOOP("DataInput", "シーケンス番号"), {1080, 7200, 2055, 255}};
inline constexpr ControlSpec kCheckModin{
    "CheckModin", QT_TRANSLATE_NOOP("DataInput", "MODINの出力"), {1080, 7560, 2055, 255}};

} // namespace quillmar
