#pragma once

#include "core/machine/machine_profile.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace quillmar {

class MessageBoxes;

// "機械の設定": the machine profile, one box a figure (empty: unknown). OK reads every box
// as a whole number text and refuses the first that is not one, or is out of its range,
// with a message, the box keeping the focus; the profile changes only on an accepted OK.
class MachineSettingsDialog : public QDialog {
    Q_OBJECT
public:
    MachineSettingsDialog(const MachineProfile& profile, MessageBoxes& messages,
                          QWidget* parent = nullptr);

    const MachineProfile& profile() const { return profile_; }

public slots:
    void accept() override;

private:
    MachineProfile profile_;
    MessageBoxes& messages_;
    std::array<QLineEdit*, 7> boxes_{};
};

} // namespace quillmar
