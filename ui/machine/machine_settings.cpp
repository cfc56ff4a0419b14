#include "ui/machine/machine_settings.h"

#include "core/machine/machine_keys.h"
#include "core/whole_text_number.h"
#include "ui/seams/setting_keys.h"

namespace quillmar {

std::optional<MachineEntryProblem> enterMachineFigure(MachineProfile& profile, std::string_view key,
                                                      const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        (void)setMachineValue(profile, key, std::nullopt);
        return std::nullopt;
    }
    const auto value = wholeTextNumber(trimmed.toStdString());
    if (!value) {
        return MachineEntryProblem::NotANumber;
    }
    if (setMachineValue(profile, key, *value)) {
        return machineKeyRange(key) == MachineRange::Percent ? MachineEntryProblem::NotAPercent
                                                             : MachineEntryProblem::NotPositive;
    }
    return std::nullopt;
}

MachineProfile storedMachineProfile(const SettingsStore& store) {
    MachineProfile profile;
    for (const setting::MachineSetting& row : setting::kMachineSettings) {
        if (enterMachineFigure(profile, row.key, store.value(*row.setting))) {
            (void)setMachineValue(profile, row.key, std::nullopt);
        }
    }
    return profile;
}

void storeMachineProfile(SettingsStore store, const MachineProfile& profile) {
    for (const setting::MachineSetting& row : setting::kMachineSettings) {
        store.setValue(*row.setting, QString::fromStdString(machineFigureText(profile, row.key)));
    }
}

} // namespace quillmar
