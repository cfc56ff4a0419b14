#pragma once

#include "core/forms/groove_fields.h"
#include "ui/dialog/dialog_host.h"
#include "ui/seams/typed_settings.h"
#include "ui/simulation/latest_run.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace quillmar {

class GroovePreview;

// "ねじ規格": a thread of a standard in, the groove's fields out. The groove and the
// figures follow every keystroke; OK is offered only while the groove can be made and
// hands its fields to the data input dialog; Cancel changes nothing. The last choices
// are kept in the settings store. With the form the dialog was opened over, "荒加工計画"
// plans the roughing runs for the largest chip typed, on a worker with "キャンセル", and
// hands the plan over with the fields; a plan that cannot be made is said here.
class ThreadStandardDialog : public QDialog {
    Q_OBJECT

public:
    ThreadStandardDialog(SettingsStore settings, bool outer, QWidget* parent = nullptr,
                         std::optional<DialogSnapshot> form = std::nullopt);

    // After OK: what goes into the data input dialog.
    const std::optional<ThreadStandardFill>& fill() const { return fill_; }

    void accept() override;

private:
    void buildControls(bool outer);
    void restoreChoices();
    void saveChoices();
    void familyChosen();
    void fillSizes();    // the family's sizes into the list, the typed text kept
    void offerClasses(); // the family's classes for the side, to the class box
    void followFamily(const std::string& family); // the family box to the typed one's
    void recompute();
    void planRoughing();
    void showPlanned(const PlanResult& plan);
    void showPlanning(bool planning);
    void refuse(const QString& why); // shows why and leaves OK disabled
    std::string familyKey() const;   // the chosen family's key (ThreadForm::family)
    std::string designation() const;

    SettingsStore settings_;
    QComboBox* family_ = nullptr;
    QComboBox* designation_ = nullptr;
    QLineEdit* class_ = nullptr;
    QRadioButton* outer_ = nullptr;
    QRadioButton* inner_ = nullptr;
    QLineEdit* noseRadius_ = nullptr;
    QLineEdit* cusp_ = nullptr;
    GroovePreview* preview_ = nullptr;
    QPlainTextEdit* figures_ = nullptr;
    QLineEdit* maxChipArea_ = nullptr;
    QPushButton* plan_ = nullptr;
    QProgressBar* planProgress_ = nullptr;
    QPushButton* planCancel_ = nullptr;
    QLabel* planMessage_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<forms::GrooveFields> groove_;
    std::optional<ThreadStandardFill> fill_;
    std::optional<DialogSnapshot> form_;
    LatestRun<PlanResult> planRun_{[this](PlanResult plan) { showPlanned(plan); }};
};

} // namespace quillmar
