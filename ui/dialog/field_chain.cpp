#include "ui/dialog/field_chain.h"

#include <algorithm>
#include <array>

namespace quillmar {

namespace {

using enum JobField;

constexpr std::array kD2Targets{D3};
// R1-F fills every other step, R4-F included: a single step is the common case.
constexpr std::array kR1FTargets{StepA1, StepR2, StepD1, StepR3, StepA2, StepR4, StepD2};
constexpr std::array kA1FTargets{StepA2};
constexpr std::array kR2FTargets{StepR3};
constexpr std::array kD1FTargets{StepD2};

// The number of starts is not on the Enter walk: Enter there goes on to the button, as
// from the last step.
constexpr std::array<ChainLink, kJobFieldCount> kChain{{
    {Pitch, Width, {}},
    {Width, NoseRadius, {}},
    {NoseRadius, StockDiameter, {}},
    {StockDiameter, FinishAllowance, {}},
    {FinishAllowance, ZStart, {}},
    {ZStart, ZEnd, {}},
    {ZEnd, TaperAngle, {}},
    {TaperAngle, XRetract, {}},
    {XRetract, D1, {}},
    {D1, D2, {}},
    {D2, D3, kD2Targets},
    {D3, A1, {}},
    {A1, A2, {}},
    {A2, R1, {}},
    {R1, R2, {}},
    {R2, R3, {}},
    {R3, R4, {}},
    {R4, StepR1, {}},
    {StepR1, StepA1, kR1FTargets},
    {StepA1, StepR2, kA1FTargets},
    {StepR2, StepD1, kR2FTargets},
    {StepD1, StepR3, kD1FTargets},
    {StepR3, StepA2, {}},
    {StepA2, StepR4, {}},
    {StepR4, StepD2, {}},
    {StepD2, std::nullopt, {}},
    {Starts, std::nullopt, {}},
}};

// A field without a link, or with two, would stop Enter or skip a field.
constexpr bool everyFieldLinkedOnce() {
    std::array<int, kJobFieldCount> links{};
    for (const ChainLink& link : kChain) {
        ++links[fieldIndex(link.field)];
    }
    return std::all_of(links.begin(), links.end(), [](int n) { return n == 1; });
}
static_assert(everyFieldLinkedOnce());

} // namespace

std::span<const ChainLink> fieldChain() {
    return kChain;
}

const ChainLink& chainLinkOf(JobField field) {
    return *std::find_if(kChain.begin(), kChain.end(),
                         [field](const ChainLink& l) { return l.field == field; });
}

} // namespace quillmar
