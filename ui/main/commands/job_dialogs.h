#pragma once

#include "core/program_output.h"
#include "ui/dialog/dialog_host.h"
#include "ui/seams/typed_settings.h"

#include <functional>
#include <optional>

class QWidget;

namespace quillmar {

class DataInputDialog;
class MessageBoxes;

// The host of the data input dialog and the "ねじ規格" dialog: the data input dialog is
// made once on first use and then only shown and hidden, so its output choices last
// for the run; the thread standard dialog keeps its last choices in the settings store.
class JobDialogs : public DialogHost {
public:
    struct Services {
        ThreadJob& job;
        OutputPanes& panes;
        MessageBoxes& messages;
        SettingsStore settings;
        std::function<void()> redrawPointGraphic;
        std::function<void()> redrawCuttingGraphic;
        // The file dialog seam asked for a groove's profile file.
        GrooveShapeDialog::AskProfileFile askProfileFile;
        std::function<void(const QString&)> showStatus;
    };
    JobDialogs(Services services, QWidget& window);
    ~JobDialogs() override;
    JobDialogs(const JobDialogs&) = delete;
    JobDialogs& operator=(const JobDialogs&) = delete;

    // "データ入力": true when the programs were written.
    bool dataInput();
    // "ねじ規格" from the menu: the thread's fields go into the data input dialog, which
    // opens with them so that the user sees them and can still change them. True when
    // the programs were written.
    bool threadStandard();
    // The output choices the data input dialog holds, once it has been opened.
    std::optional<OutputChoices> outputChoices() const;
    // The thread of a standard the last program output was made from, if any.
    const forms::ThreadForm* outputForm() const;
    // The window closes: the dialog goes with it.
    void discard();

    OutputPanes& outputPanes() override;
    void redrawPointGraphic() override;
    void redrawCuttingGraphic() override;
    std::optional<ThreadStandardFill> askThreadStandard(QWidget* parent,
                                                        const DialogSnapshot& form) override;
    std::optional<GrooveShapeChoice> askGrooveShape(QWidget* parent, const DialogSnapshot& form,
                                                    const QString& source) override;
    void showGrooveRefusal(const QString& why) override;
    MachineProfile machineProfile() const override;

private:
    DataInputDialog& dataInputDialog();

    Services services_;
    QWidget& window_;
    DataInputDialog* dataInput_ = nullptr; // a child of the window
};

} // namespace quillmar
