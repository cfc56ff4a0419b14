#include "core/machine/machine_keys.h"

#include "core/leading_number.h"

#include <array>
#include <cmath>

namespace quillmar {

namespace {

enum class Range { Positive, Percent, AnyNumber };

struct MachineKey {
    std::string_view name;
    Range range;
    std::optional<double> MachineProfile::*known; // a figure that may be unknown
    double MachineProfile::*withDefault;          // a figure with a default
};

constexpr std::array<MachineKey, 7> kMachineKeys{{
    {"spindleSpeed", Range::Positive, &MachineProfile::spindleSpeed, nullptr},
    {"maxFeedZ", Range::Positive, &MachineProfile::maxFeedZ, nullptr},
    {"timeConstant", Range::Positive, nullptr, &MachineProfile::timeConstant},
    {"acceleration", Range::Positive, &MachineProfile::acceleration, nullptr},
    {"leadErrorAllowed", Range::Percent, nullptr, &MachineProfile::leadErrorAllowed},
    {"rapidRate", Range::Positive, &MachineProfile::rapidRate, nullptr},
    {"shoulderZ", Range::AnyNumber, &MachineProfile::shoulderZ, nullptr},
}};

const MachineKey* findKey(std::string_view name) {
    for (const MachineKey& key : kMachineKeys) {
        if (key.name == name) {
            return &key;
        }
    }
    return nullptr;
}

std::optional<std::string> rangeProblem(const MachineKey& key, double value) {
    const std::string name(key.name);
    switch (key.range) {
    case Range::Positive:
        return value > 0 ? std::nullopt : std::optional(name + " must be more than 0");
    case Range::Percent:
        return value > 0 && value < 100
                   ? std::nullopt
                   : std::optional(name + " must be more than 0 and less than 100 (%)");
    case Range::AnyNumber:
        break;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string_view> machineKeyNames() {
    std::vector<std::string_view> names;
    for (const MachineKey& key : kMachineKeys) {
        names.push_back(key.name);
    }
    return names;
}

bool isMachineKey(std::string_view name) {
    return findKey(name) != nullptr;
}

std::optional<std::string> setMachineFigure(MachineProfile& profile, std::string_view name,
                                            std::string_view text) {
    const MachineKey* key = findKey(name);
    if (key == nullptr) {
        return "unknown machine figure " + std::string(name);
    }
    if (text.empty()) {
        if (key->known) {
            (profile.*key->known).reset();
        } else {
            profile.*key->withDefault = MachineProfile{}.*key->withDefault;
        }
        return std::nullopt;
    }
    if (!hasLeadingNumber(text)) {
        return std::string(name) + " must be a number (or empty: unknown)";
    }
    const double value = leadingNumberValue(text);
    if (auto problem = rangeProblem(*key, value)) {
        return problem;
    }
    if (key->known) {
        profile.*key->known = value;
    } else {
        profile.*key->withDefault = value;
    }
    return std::nullopt;
}

} // namespace quillmar
