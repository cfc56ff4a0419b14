#pragma once

#include "core/machine/machine_profile.h"
#include "ui/seams/typed_settings.h"

#include <QString>
#include <optional>
#include <string_view>

namespace quillmar {

// Why a typed figure is refused: not a number as a whole text, or out of its range.
enum class MachineEntryProblem { NotANumber, NotPositive, NotAPercent };

// Sets the figure `key` names (a job key: spindleSpeed ...) from a typed text, read whole
// (exponents and full-width digits too); an empty text makes it unknown, or its default.
std::optional<MachineEntryProblem> enterMachineFigure(MachineProfile& profile, std::string_view key,
                                                      const QString& text);

// The profile the window keeps: a stored figure that cannot be read is unknown.
MachineProfile storedMachineProfile(const SettingsStore& store);
void storeMachineProfile(SettingsStore store, const MachineProfile& profile);

} // namespace quillmar
