#pragma once

#include "core/machine/machine_profile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar {

// The names of the profile's figures, as job keys and settings: spindleSpeed, maxFeedZ,
// timeConstant, acceleration, leadErrorAllowed, rapidRate, shoulderZ.
std::vector<std::string_view> machineKeyNames();
bool isMachineKey(std::string_view name);

// What a figure means, with its unit and what an empty one stands for, for a person:
// "the spindle speed, min^-1".
std::string_view machineKeyMeaning(std::string_view name);

// Which figures a value may take: more than 0, a share of the lead between 0 and 100 %,
// or any number (a Z position).
enum class MachineRange { Positive, Percent, AnyNumber };
MachineRange machineKeyRange(std::string_view name);
bool withinMachineRange(MachineRange range, double value);

// The figure `name` names as its key's text: empty when unknown, the default where it
// has one.
std::string machineFigureText(const MachineProfile& profile, std::string_view name);

// Sets the figure `name` names; nothing makes it unknown again (the time constant and
// the lead error go back to their defaults). Returns why a value is refused (out of the
// figure's range).
std::optional<std::string> setMachineValue(MachineProfile& profile, std::string_view name,
                                           std::optional<double> value);

// Sets the figure `key` names from its text, read as a job file reads its fields; an
// empty text makes it unknown again. Returns why a text is refused: not a number, or out
// of the figure's range.
std::optional<std::string> setMachineFigure(MachineProfile& profile, std::string_view key,
                                            std::string_view text);

} // namespace quillmar
