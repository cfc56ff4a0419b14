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

// Sets the figure `key` names from its text; an empty text makes it unknown again (the
// time constant and the lead error go back to their defaults). Returns why a text is
// refused: not a number, or out of the figure's range.
std::optional<std::string> setMachineFigure(MachineProfile& profile, std::string_view key,
                                            std::string_view text);

} // namespace quillmar
