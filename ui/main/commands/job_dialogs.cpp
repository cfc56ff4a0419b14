#include "ui/main/commands/job_dialogs.h"

#include "ui/dialog/data_input_dialog.h"
#include "ui/dialog/thread_standard_dialog.h"
#include "ui/machine/machine_settings.h"

#include <utility>

namespace quillmar {

JobDialogs::JobDialogs(Services services, QWidget& window)
    : services_(std::move(services)), window_(window) {}

JobDialogs::~JobDialogs() {
    discard();
}

DataInputDialog& JobDialogs::dataInputDialog() {
    if (dataInput_ == nullptr) {
        dataInput_ = new DataInputDialog(services_.job, *this, services_.messages, &window_);
    }
    return *dataInput_;
}

bool JobDialogs::dataInput() {
    return dataInputDialog().openModal() == QDialog::Accepted;
}

bool JobDialogs::threadStandard() {
    DataInputDialog& form = dataInputDialog();
    form.refillFromJob(); // the job a plan runs on is the one the form then shows
    const auto fill = askThreadStandard(&window_, form.snapshot());
    return fill && dataInputDialog().openModalWith(*fill) == QDialog::Accepted;
}

std::optional<OutputChoices> JobDialogs::outputChoices() const {
    if (dataInput_ == nullptr) {
        return std::nullopt;
    }
    return dataInput_->snapshot().choices;
}

const forms::ThreadForm* JobDialogs::outputForm() const {
    if (dataInput_ == nullptr || !dataInput_->outputForm()) {
        return nullptr;
    }
    return &*dataInput_->outputForm();
}

void JobDialogs::discard() {
    if (dataInput_ != nullptr) {
        dataInput_->hide();
        delete dataInput_;
        dataInput_ = nullptr;
    }
}

OutputPanes& JobDialogs::outputPanes() {
    return services_.panes;
}

void JobDialogs::redrawPointGraphic() {
    services_.redrawPointGraphic();
}

void JobDialogs::redrawCuttingGraphic() {
    services_.redrawCuttingGraphic();
}

MachineProfile JobDialogs::machineProfile() const {
    return storedMachineProfile(services_.settings);
}

std::optional<ThreadStandardFill> JobDialogs::askThreadStandard(QWidget* parent,
                                                                const DialogSnapshot& form) {
    ThreadStandardDialog dialog(services_.settings, form.choices.side == Side::Outer, parent, form);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.fill();
}

std::optional<GrooveShapeChoice>
JobDialogs::askGrooveShape(QWidget* parent, const DialogSnapshot& form, const QString& source) {
    GrooveShapeDialog dialog(form, source, services_.askProfileFile, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

void JobDialogs::showGrooveRefusal(const QString& why) {
    if (services_.showStatus) {
        services_.showStatus(why);
    }
}

} // namespace quillmar
