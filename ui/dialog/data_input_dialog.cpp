#include "ui/dialog/data_input_dialog.h"

#include "ui/dialog/chain_field.h"
#include "ui/dialog/dialog_fonts.h"
#include "ui/dialog/field_chain.h"
#include "ui/dialog/form_layout.h"
#include "ui/dialog/profile_diagram.h"
#include "ui/dialog/twips.h"
#include "ui/dialog/utf8_text.h"
#include "ui/machine/machine_texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <exception>
#include <string>

namespace quillmar {

namespace {

QRect rectOf(const TwipsRect& r) {
    return twipsRect(r.left, r.top, r.width, r.height);
}

template <typename Widget>
Widget* placed(Widget* widget, std::string_view name, const TwipsRect& r) {
    widget->setObjectName(qtText(name));
    widget->setGeometry(rectOf(r));
    return widget;
}

template <typename Widget> Widget* placed(Widget* widget, const ControlSpec& spec) {
    return placed(widget, spec.name, spec.rect);
}

// Option buttons are designed 180 twips high, less than the indicator and the
// caption need here; they grow about their centre line so nothing is cut off.
template <typename Widget> Widget* grownToFit(Widget* widget) {
    const QRect designed = widget->geometry();
    const int needed = widget->sizeHint().height();
    if (needed > designed.height()) {
        widget->setGeometry(designed.x(), designed.center().y() - (needed - 1) / 2,
                            designed.width(), needed);
    }
    return widget;
}

} // namespace

DataInputDialog::DataInputDialog(ThreadJob& job, DialogHost& host, MessageBoxes& messages,
                                 QWidget* parent)
    : QDialog(parent), job_(job), host_(host), messages_(messages) {
    setObjectName(QStringLiteral("DataInput1"));
    setWindowTitle(QCoreApplication::translate("DataInputDialog", "データ入力"));
    // A fixed drawing to fill in: no minimise or maximise, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(rectOf(kDialogClient).size());
    setFont(dialogDefaultFont());

    placed(new ProfileDiagram(this), "Diagram", kDiagramArea);
    buildChoices();
    buildFields();
    buildButtons();
    chainTabOrder();
    machineVerdict_ = placed(new QLabel(this), "lblMachineVerdict", kMachineVerdict);
    machineVerdict_->setFont(gothicCaptionFont());
    machineVerdict_->hide();
    fields_[JobField::Pitch]->setFocus();
}

void DataInputDialog::buildFields() {
    // Captions first, so that a box overlapping its caption by a pixel stays on top.
    for (const FieldSpec& spec : kFields) {
        auto* label =
            placed(new QLabel(captionText(spec.caption), this), spec.label, labelRect(spec));
        label->setFont(spec.font == CaptionFont::Gothic ? gothicCaptionFont() : latinCaptionFont());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (const FieldSpec& spec : kFields) {
        auto* box = placed(new ChainField(this), spec.name, spec.box);
        box->setFont(fieldFont());
        connect(box, &ChainField::enterPressed, this,
                [this, field = spec.field] { enterPressedIn(field); });
        connect(box, &ChainField::textChanged, this, &DataInputDialog::showMachineVerdict);
        fields_[spec.field] = box;
    }
}

void DataInputDialog::buildChoices() {
    auto* frame1 = placed(new QGroupBox(captionText(kFrame1.caption), this), kFrame1);
    frame1->setFont(gothicCaptionFont());
    innerSide_ =
        grownToFit(placed(new QRadioButton(captionText(kOption2.caption), frame1), kOption2));
    outerSide_ =
        grownToFit(placed(new QRadioButton(captionText(kOption1.caption), frame1), kOption1));
    innerSide_->setChecked(true);

    auto* frame2 = placed(new QGroupBox(captionText(kFrame2.caption), this), kFrame2);
    frame2->setFont(gothicCaptionFont());
    ospChoice_ = grownToFit(placed(new QRadioButton(captionText(kOsp.caption), frame2), kOsp));
    fanucChoice_ =
        grownToFit(placed(new QRadioButton(captionText(kFanuc.caption), frame2), kFanuc));
    ospChoice_->setChecked(true);
    connect(outerSide_, &QRadioButton::toggled, this, &DataInputDialog::showMachineVerdict);

    sequenceNumbersBox_ = placed(new QCheckBox(captionText(kCheckSn.caption), this), kCheckSn);
    modinBox_ = placed(new QCheckBox(captionText(kCheckModin.caption), this), kCheckModin);
    for (QCheckBox* box : {sequenceNumbersBox_, modinBox_}) {
        box->setFont(gothicCaptionFont());
        box->setChecked(true);
        grownToFit(box);
    }
}

void DataInputDialog::buildButtons() {
    outputButton_ = placed(new QPushButton(captionText(kCommand1.caption), this), kCommand1);
    closeButton_ = placed(new QPushButton(captionText(kCommand2.caption), this), kCommand2);
    for (QPushButton* button : {outputButton_, closeButton_}) {
        button->setFont(gothicCaptionFont());
        // No default button: Enter in a field walks the chain, and on an option
        // button or a check box it presses nothing. A focused button is pressed by
        // Enter (keyPressEvent) or Space.
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(outputButton_, &QPushButton::clicked, this, &DataInputDialog::runProgramOutputCommand);
    connect(closeButton_, &QPushButton::clicked, this, &DataInputDialog::reject);

    threadStandard_ =
        placed(new QPushButton(captionText(kThreadStandard.caption), this), kThreadStandard);
    threadStandard_->setFont(gothicCaptionFont());
    threadStandard_->setAutoDefault(false);
    connect(threadStandard_, &QPushButton::clicked, this, [this] {
        if (const auto fill = host_.askThreadStandard(this, outerSide_->isChecked())) {
            applyThreadStandard(*fill);
        }
    });
}

void DataInputDialog::chainTabOrder() {
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    };
    for (const FieldSpec& spec : kFields) {
        chain(fields_[spec.field]);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             outputButton_, closeButton_, innerSide_, outerSide_, ospChoice_, fanucChoice_,
             sequenceNumbersBox_, modinBox_, threadStandard_}) {
        chain(control);
    }
}

void DataInputDialog::enterPressedIn(JobField field) {
    const ChainLink& link = chainLinkOf(field);
    for (JobField target : link.copyTo) {
        fields_[target]->setFieldText(fields_[field]->text());
    }
    QWidget* next = link.next ? static_cast<QWidget*>(fields_[*link.next]) : outputButton_;
    next->setFocus(Qt::TabFocusReason);
}

void DataInputDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && button != nullptr && (button == outputButton_ || button == closeButton_)) {
        event->accept();
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

int DataInputDialog::openModal() {
    refillFromJob();
    showMachineVerdict();
    return exec();
}

int DataInputDialog::openModalWith(const ThreadStandardFill& fill) {
    refillFromJob();
    applyThreadStandard(fill);
    showMachineVerdict();
    return exec();
}

// What the machine says of the run the form would make now, as one line that fits.
void DataInputDialog::showMachineVerdict() {
    const MachineProfile profile = host_.machineProfile();
    const bool shown = !profile.empty();
    machineVerdict_->setVisible(shown);
    const int height = shown ? kClientHeightWithVerdict : kDialogClient.height;
    setFixedSize(rectOf({0, 0, kDialogClient.width, height}).size());
    if (!shown) {
        return;
    }
    DialogSnapshot dialog = snapshot();
    const QString verdict = machineVerdict(machineFiguresForRun(job_, 1, dialog, profile, false));
    machineVerdict_->setToolTip(verdict);
    machineVerdict_->setText(machineVerdict_->fontMetrics().elidedText(verdict, Qt::ElideRight,
                                                                       machineVerdict_->width()));
}

void DataInputDialog::applyThreadStandard(const ThreadStandardFill& fill) {
    (fill.outer ? outerSide_ : innerSide_)->setChecked(true);
    for (const FieldSpec& spec : kFields) {
        if (const auto& value = fill.texts[spec.field]) {
            fields_[spec.field]->setFieldText(QString::fromStdString(*value));
        }
    }
}

void DataInputDialog::refillFromJob() {
    const DialogSnapshot values = dialogTextsFromJob(job_);
    (values.choices.side == Side::Outer ? outerSide_ : innerSide_)->setChecked(true);
    for (const FieldSpec& spec : kFields) {
        fields_[spec.field]->setFieldText(QString::fromStdString(values.text(spec.field)));
    }
    // The field that will hold the focus was given new text: offer it for typing over.
    if (auto* focused = qobject_cast<ChainField*>(focusWidget())) {
        focused->selectAll();
    }
}

DialogSnapshot DataInputDialog::snapshot() const {
    DialogSnapshot values;
    values.choices.side = outerSide_->isChecked() ? Side::Outer : Side::Inner;
    values.choices.control = fanucChoice_->isChecked() ? kFanucControl : kOspControl;
    values.choices.sequenceNumbers = sequenceNumbersBox_->isChecked();
    values.choices.modin = modinBox_->isChecked();
    for (const FieldSpec& spec : kFields) {
        values.text(spec.field) = fields_[spec.field]->text().toStdString();
    }
    return values;
}

void DataInputDialog::runProgramOutputCommand() {
    bool succeeded = false;
    try {
        succeeded = runProgramOutput(job_, snapshot(), host_.outputPanes()).ok();
    } catch (const std::exception&) {
        // Out of memory on a huge pane, say: the same answer as bad data, and the
        // form stays as the user typed it.
        succeeded = false;
    }
    if (succeeded) {
        accept();
        return;
    }
    messages_.show(this, QCoreApplication::translate("DataInputDialog", "Error"),
                   QCoreApplication::translate("DataInputDialog", "データエラー "),
                   MessageIcon::Warning);
}

void DataInputDialog::reject() {
    QDialog::reject();
    OutputPanes& panes = host_.outputPanes();
    if (!panes.paneText(Pane::Macro).empty()) {
        host_.redrawPointGraphic();
    }
    if (!panes.paneText(Pane::Standard).empty()) {
        host_.redrawCuttingGraphic();
    }
}

} // namespace quillmar
