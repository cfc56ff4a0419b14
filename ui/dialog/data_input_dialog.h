#pragma once

#include "core/program_output.h"
#include "core/thread_job.h"
#include "ui/dialog/control_choice.h"
#include "ui/dialog/dialog_host.h"
#include "ui/dialog/form_layout.h"
#include "ui/seams/message_boxes.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quillmar {

class ChainField;

// "データ入力": the form in which one thread job is described. Created once and then
// only shown and hidden, so the output type and the two check boxes keep the user's
// last setting for the run of the program; the side and the 27 fields are refilled
// from the job record before every showing.
class DataInputDialog : public QDialog {
    Q_OBJECT

public:
    DataInputDialog(ThreadJob& job, DialogHost& host, MessageBoxes& messages,
                    QWidget* parent = nullptr);

    // The data input command: refill from the job, show modally and return once the
    // dialog is hidden again, by a successful "プログラム出力" (Accepted) or by
    // "閉じる", Esc or the close box (Rejected).
    int openModal();

    // Puts the job's side and values into the form. Setting the texts runs no copy
    // rule: those belong to the Enter key alone.
    void refillFromJob();

    // Everything "プログラム出力" reads, as the form holds it now.
    DialogSnapshot snapshot() const;

    // Puts a thread's side and field texts into the form as if typed; the fields the
    // thread does not decide keep their texts.
    void applyThreadStandard(const ThreadStandardFill& fill);
    // The thread of a standard the last program output was made from: the form filled
    // last, when every text it filled was output as filled; none otherwise.
    const std::optional<forms::ThreadForm>& outputForm() const { return outputForm_; }

    // The data input command after "ねじ規格" from the menu: refill from the job, put
    // the thread's fields in, show modally.
    int openModalWith(const ThreadStandardFill& fill);
    // Presses "プログラム出力" once per planned run; true when every run was output.
    bool runPlannedOutputCommands(const RoughingPlan& plan);

public slots:
    // "閉じる": hide without reading the form, then redraw the graphics whose pane
    // holds text. Esc and the title bar's close button end up here too.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFields();
    void buildChoices();
    void buildButtons();
    void chainTabOrder();
    void runProgramOutputCommand();
    void showRefusal(const ControlRefusal& refusal);
    void enterPressedIn(JobField field);
    void chooseGrooveShape();
    void showGrooveInUse();
    void showMachineVerdict();

    ThreadJob& job_;
    DialogHost& host_;
    MessageBoxes& messages_;
    FieldTexts<ChainField*> fields_;
    QRadioButton* outerSide_ = nullptr;
    QRadioButton* innerSide_ = nullptr;
    QRadioButton* ospChoice_ = nullptr;
    QRadioButton* fanucChoice_ = nullptr;
    QCheckBox* sequenceNumbersBox_ = nullptr;
    QCheckBox* modinBox_ = nullptr;
    std::unique_ptr<ControlChoice> controlChoice_;
    QPushButton* outputButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* threadStandard_ = nullptr;
    QPushButton* grooveShape_ = nullptr;
    // The groove "溝形状..." took (empty: the fields' own form), its scallop height and
    // the file it came from.
    SegmentChain drawnGroove_;
    double drawnCusp_ = 0;
    QString drawnGrooveSource_;
    std::optional<ThreadStandardFill> standardFill_;
    std::optional<forms::ThreadForm> outputForm_;
    QLabel* machineVerdict_ = nullptr;
};

} // namespace quillmar
