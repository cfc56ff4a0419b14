#include "ui/dialog/field_chain.h"

#include <algorithm>
#include <array>

namespace quillmar {

namespace {

constexpr std::array<std::string_view, 1> kD2Targets{"Text18"};
// R1-F fills every other step, R4-F included: a single step is the common case.
constexpr std::array<std::string_view, 7> kR1FTargets{"FEED1", "FEED2", "FEED3", "FEED4",
                                                      "FEED5", "FEED6", "FEED7"};
constexpr std::array<std::string_view, 1> kA1FTargets{"FEED5"};
constexpr std::array<std::string_view, 1> kR2FTargets{"FEED4"};
constexpr std::array<std::string_view, 1> kD1FTargets{"FEED7"};

// The number of starts is not on the Enter walk: Enter there goes on to the button, as
// from the last step.
constexpr std::array<ChainLink, 27> kChain{{
    {"Text2", "Text3", {}},          {"Text3", "Text1", {}},
    {"Text1", "Text12", {}},         {"Text12", "Text13", {}},
    {"Text13", "Text14", {}},        {"Text14", "Text15", {}},
    {"Text15", "Text16", {}},        {"Text16", "Text17", {}},
    {"Text17", "Text4", {}},         {"Text4", "Text5", {}},
    {"Text5", "Text18", kD2Targets}, {"Text18", "Text6", {}},
    {"Text6", "Text7", {}},          {"Text7", "Text8", {}},
    {"Text8", "Text9", {}},          {"Text9", "Text10", {}},
    {"Text10", "Text11", {}},        {"Text11", "FEED0", {}},
    {"FEED0", "FEED1", kR1FTargets}, {"FEED1", "FEED2", kA1FTargets},
    {"FEED2", "FEED3", kR2FTargets}, {"FEED3", "FEED4", kD1FTargets},
    {"FEED4", "FEED5", {}},          {"FEED5", "FEED6", {}},
    {"FEED6", "FEED7", {}},          {"FEED7", "Command1", {}},
    {"TextStarts", "Command1", {}},
}};

} // namespace

std::span<const ChainLink> fieldChain() {
    return kChain;
}

const ChainLink* chainLinkOf(std::string_view field) {
    const auto* link = std::find_if(kChain.begin(), kChain.end(),
                                    [field](const ChainLink& l) { return l.field == field; });
    return link == kChain.end() ? nullptr : &*link;
}

} // namespace quillmar
