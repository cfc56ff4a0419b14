#pragma once

#include "core/thread_job.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace quillmar {

// Every value of a job that the user types: the dialog's text boxes, the job file's keys
// and the refill all name a field by this enumeration, never by a box number. The order
// is the order in which the program output command reads the fields, so a failure part
// way leaves exactly the earlier fields written.
enum class JobField : std::size_t {
    NoseRadius,
    Pitch,
    Width,
    D1,
    D2,
    D3,
    A1,
    A2,
    R1,
    R2,
    R3,
    R4,
    StockDiameter,
    FinishAllowance,
    ZStart,
    ZEnd,
    TaperAngle,
    XRetract,
    StepR1,
    StepA1,
    StepR2,
    StepD1,
    StepR3,
    StepA2,
    StepR4,
    StepD2,
    Starts,
};

inline constexpr std::size_t kJobFieldCount = static_cast<std::size_t>(JobField::Starts) + 1;

constexpr std::size_t fieldIndex(JobField field) {
    return static_cast<std::size_t>(field);
}

// What a field's text becomes in the job.
enum class FieldKind {
    Number, // a double of the job (member)
    Step,   // one single-precision Z step (stepIndex)
    Starts, // the number of starts, a whole number
};

// One row of the field table.
struct JobFieldInfo {
    JobField field;
    std::string_view key;        // job-file key
    std::string_view widgetName; // the dialog box's object name
    std::string_view caption;    // the caption beside the box
    double ThreadJob::*member = nullptr;
    int stepIndex = -1;
    FieldKind kind = member != nullptr ? FieldKind::Number
                     : stepIndex >= 0  ? FieldKind::Step
                                       : FieldKind::Starts;
};

inline constexpr std::array<JobFieldInfo, kJobFieldCount> kJobFields{{
    {JobField::NoseRadius, "noseRadius", "Text1", "ノーズR", &ThreadJob::noseRadius},
    {JobField::Pitch, "pitch", "Text2", "ピッチ", &ThreadJob::pitch},
    {JobField::Width, "width", "Text3", "幅", &ThreadJob::width},
    {JobField::D1, "d1", "Text4", "D 1", &ThreadJob::d1},
    {JobField::D2, "d2", "Text5", "D 2", &ThreadJob::d2},
    {JobField::D3, "d3", "Text18", "D 3", &ThreadJob::d3},
    {JobField::A1, "a1", "Text6", "A 1", &ThreadJob::a1},
    {JobField::A2, "a2", "Text7", "A 2", &ThreadJob::a2},
    {JobField::R1, "r1", "Text8", "R 1", &ThreadJob::r1},
    {JobField::R2, "r2", "Text9", "R 2", &ThreadJob::r2},
    {JobField::R3, "r3", "Text10", "R 3", &ThreadJob::r3},
    {JobField::R4, "r4", "Text11", "R 4", &ThreadJob::r4},
    {JobField::StockDiameter, "stockDiameter", "Text12", "素材径", &ThreadJob::stockDiameter},
    {JobField::FinishAllowance, "finishAllowance", "Text13", "X軸 仕上げ代",
     &ThreadJob::finishAllowance},
    {JobField::ZStart, "zStart", "Text14", "Z軸 開始点", &ThreadJob::zStart},
    {JobField::ZEnd, "zEnd", "Text15", "Z軸 終了点", &ThreadJob::zEnd},
    {JobField::TaperAngle, "taperAngle", "Text16", "テーパー角度", &ThreadJob::taperAngle},
    {JobField::XRetract, "xRetract", "Text17", "X軸退避位置", &ThreadJob::xRetract},
    {JobField::StepR1, "stepR1", "FEED0", "R1-F", nullptr, 0},
    {JobField::StepA1, "stepA1", "FEED1", "A1-F", nullptr, 1},
    {JobField::StepR2, "stepR2", "FEED2", "R2-F", nullptr, 2},
    {JobField::StepD1, "stepD1", "FEED3", "D1-F", nullptr, 3},
    {JobField::StepR3, "stepR3", "FEED4", "R3-F", nullptr, 4},
    {JobField::StepA2, "stepA2", "FEED5", "A2-F", nullptr, 5},
    {JobField::StepR4, "stepR4", "FEED6", "R4-F", nullptr, 6},
    {JobField::StepD2, "stepD2", "FEED7", "D2-F", nullptr, 7},
    {JobField::Starts, "starts", "TextStarts", "条数"},
}};

constexpr const JobFieldInfo& fieldInfo(JobField field) {
    return kJobFields[fieldIndex(field)];
}

// The field a job-file key names, or nothing.
constexpr std::optional<JobField> fieldForKey(std::string_view key) {
    for (const JobFieldInfo& info : kJobFields) {
        if (info.key == key) {
            return info.field;
        }
    }
    return std::nullopt;
}

// The table is indexed by the enumeration: a row out of place would fill the wrong box.
constexpr bool tableFollowsEnumeration() {
    for (std::size_t i = 0; i < kJobFields.size(); ++i) {
        if (fieldIndex(kJobFields[i].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tableFollowsEnumeration());

// A text per field, indexed by the enumeration.
template <typename Text> struct FieldTexts {
    std::array<Text, kJobFieldCount> values{};
    Text& operator[](JobField field) { return values[fieldIndex(field)]; }
    const Text& operator[](JobField field) const { return values[fieldIndex(field)]; }
};

} // namespace quillmar
