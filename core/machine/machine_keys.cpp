#include "core/machine/machine_keys.h"

#include "core/leading_number.h"
#include "core/plain_number_text.h"

#include <array>
#include <cmath>

namespace quillmar {

namespace {

struct MachineKey {
    std::string_view name;
    MachineRange range;
    std::optional<double> MachineProfile::*known; // a figure that may be unknown
    double MachineProfile::*withDefault;          // a figure with a default
    std::string_view meaning;
};

constexpr std::array<MachineKey, 7> kMachineKeys{{
    {"spindleSpeed", MachineRange::Positive, &MachineProfile::spindleSpeed, nullptr,
     "the spindle speed of the threading passes, min^-1"},
    {"maxFeedZ", MachineRange::Positive, &MachineProfile::maxFeedZ, nullptr,
     "the Z axis' largest feed, mm/min"},
    {"timeConstant", MachineRange::Positive, nullptr, &MachineProfile::timeConstant,
     "the control's time constant T1 of the threading move, s (default 0.033)"},
    {"acceleration", MachineRange::Positive, &MachineProfile::acceleration, nullptr,
     "the Z axis' acceleration, mm/s^2, for a control that accelerates linearly "
     "(instead of timeConstant)"},
    {"leadErrorAllowed", MachineRange::Percent, nullptr, &MachineProfile::leadErrorAllowed,
     "the lead error accepted at the thread's start, % of the lead (default 1)"},
    {"rapidRate", MachineRange::Positive, &MachineProfile::rapidRate, nullptr,
     "the rapid rate for the cycle time, mm/min (default maxFeedZ)"},
    {"shoulderZ", MachineRange::AnyNumber, &MachineProfile::shoulderZ, nullptr,
     "program Z of a shoulder behind the thread's end (empty: the end is not checked)"},
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
    if (withinMachineRange(key.range, value)) {
        return std::nullopt;
    }
    const std::string name(key.name);
    return key.range == MachineRange::Percent ? name + " must be more than 0 and less than 100 (%)"
                                              : name + " must be more than 0";
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

std::string_view machineKeyMeaning(std::string_view name) {
    const MachineKey* key = findKey(name);
    return key != nullptr ? key->meaning : std::string_view();
}

MachineRange machineKeyRange(std::string_view name) {
    const MachineKey* key = findKey(name);
    return key != nullptr ? key->range : MachineRange::AnyNumber;
}

bool withinMachineRange(MachineRange range, double value) {
    switch (range) {
    case MachineRange::Positive:
        return value > 0 && std::isfinite(value);
    case MachineRange::Percent:
        return value > 0 && value < 100;
    case MachineRange::AnyNumber:
        break;
    }
    return std::isfinite(value);
}

std::string machineFigureText(const MachineProfile& profile, std::string_view name) {
    const MachineKey* key = findKey(name);
    if (key == nullptr) {
        return {};
    }
    if (key->known) {
        const std::optional<double>& value = profile.*key->known;
        return value ? plainNumberText(*value) : std::string();
    }
    return plainNumberText(profile.*key->withDefault);
}

std::optional<std::string> setMachineValue(MachineProfile& profile, std::string_view name,
                                           std::optional<double> value) {
    const MachineKey* key = findKey(name);
    if (key == nullptr) {
        return "unknown machine figure " + std::string(name);
    }
    if (value) {
        if (auto problem = rangeProblem(*key, *value)) {
            return problem;
        }
    }
    if (key->known) {
        profile.*key->known = value;
    } else {
        profile.*key->withDefault = value.value_or(MachineProfile{}.*key->withDefault);
    }
    return std::nullopt;
}

std::optional<std::string> setMachineFigure(MachineProfile& profile, std::string_view name,
                                            std::string_view text) {
    if (text.empty()) {
        return setMachineValue(profile, name, std::nullopt);
    }
    if (isMachineKey(name) && !hasLeadingNumber(text)) {
        return std::string(name) + " must be a number (or empty: unknown)";
    }
    return setMachineValue(profile, name, leadingNumberValue(text));
}

} // namespace quillmar
