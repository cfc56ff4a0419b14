#include "ui/dialog/data_input_dialog.h"

#include "core/drawn_groove_review.h"
#include "simulation/roughing_planner.h"
#include "ui/dialog/chain_field.h"
#include "ui/dialog/dialog_fonts.h"
#include "ui/dialog/field_chain.h"
#include "ui/dialog/form_layout.h"
#include "ui/dialog/profile_diagram.h"
#include "ui/dialog/twips.h"
#include "ui/dialog/utf8_text.h"
#include "ui/machine/machine_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
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

// Whether the output still shows the thread of a standard: the side and every text it
// filled as it filled them.
bool filledAsOutput(const ThreadStandardFill& fill, const DialogSnapshot& typed) {
    if ((typed.choices.side == Side::Outer) != fill.outer) {
        return false;
    }
    for (const JobFieldInfo& info : kJobFields) {
        if (fill.texts[info.field] && *fill.texts[info.field] != typed.text(info.field)) {
            return false;
        }
    }
    return true;
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
    controlChoice_ = std::make_unique<ControlChoice>(*this, *ospChoice_, *fanucChoice_);
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
        if (const auto fill = host_.askThreadStandard(this, snapshot())) {
            applyThreadStandard(*fill);
            if (fill->plan) {
                runPlannedOutputCommands(*fill->plan);
            }
        }
    });

    grooveShape_ = placed(new QPushButton(captionText(kGrooveShape.caption), this), kGrooveShape);
    grooveShape_->setFont(gothicCaptionFont());
    grooveShape_->setAutoDefault(false);
    grooveShape_->setCheckable(true);
    connect(grooveShape_, &QPushButton::clicked, this, &DataInputDialog::chooseGrooveShape);
}

void DataInputDialog::chooseGrooveShape() {
    const auto choice = host_.askGrooveShape(this, snapshot(), drawnGrooveSource_);
    if (!choice) {
        showGrooveInUse(); // a click toggled the button: it shows the groove in use again
        return;
    }
    drawnGroove_ = choice->groove;
    drawnCusp_ = choice->cusp;
    drawnGrooveSource_ = choice->source;
    if (!drawnGroove_.empty()) {
        // The groove decides its depth: the diameters across from the crest follow.
        const Side side = outerSide_->isChecked() ? Side::Outer : Side::Inner;
        const auto crest = fields_[crestField(side)]->text().toStdString();
        const auto texts = depthFieldTexts(side, crest, choice->depth);
        applyThreadStandard({side == Side::Outer, texts, std::nullopt, std::nullopt});
    }
    showGrooveInUse();
}

// The button says which groove the output will cut: its tooltip names the file, and it
// stays pressed while a drawn groove replaces the fields' form.
void DataInputDialog::showGrooveInUse() {
    grooveShape_->setChecked(!drawnGroove_.empty());
    const QString fileName = QFileInfo(drawnGrooveSource_).fileName();
    grooveShape_->setToolTip(
        drawnGroove_.empty()
            ? QCoreApplication::translate("DataInputDialog", "入力欄の溝形状で出力します")
            : QCoreApplication::translate("DataInputDialog", "溝形状: %1")
                  .arg(fileName.isEmpty() ? QStringLiteral("-") : fileName));
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
             sequenceNumbersBox_, modinBox_, threadStandard_, grooveShape_,
             controlChoice_->controlBox(), controlChoice_->startShiftBox()}) {
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
    if (fill.plan && runPlannedOutputCommands(*fill.plan)) {
        return QDialog::Accepted; // the runs are in the panes, as after "プログラム出力"
    }
    showMachineVerdict();
    return exec();
}

// "プログラム出力" pressed once per planned run, the finish allowance set to each run's;
// the form keeps the user's own allowance afterwards.
bool DataInputDialog::runPlannedOutputCommands(const RoughingPlan& plan) {
    const DialogSnapshot typed = snapshot();
    bool succeeded = false;
    try {
        succeeded = runPlannedOutputs(job_, typed, plan, host_.outputPanes()).ok();
    } catch (const std::exception&) {
        succeeded = false; // out of memory on a huge pane: bad data, as for one run
    }
    if (!succeeded) {
        messages_.show(this, QCoreApplication::translate("DataInputDialog", "Error"),
                       QCoreApplication::translate("DataInputDialog", "データエラー "),
                       MessageIcon::Warning);
        return false;
    }
    outputForm_ = standardFill_ ? standardFill_->form : std::nullopt;
    accept();
    return true;
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
    standardFill_ = fill;
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
    if (job_.drawnGroove.empty()) {
        drawnGrooveSource_.clear();
    }
    drawnGroove_ = job_.drawnGroove;
    drawnCusp_ = job_.drawnCusp;
    showGrooveInUse();
    // The field that will hold the focus was given new text: offer it for typing over.
    if (auto* focused = qobject_cast<ChainField*>(focusWidget())) {
        focused->selectAll();
    }
}

DialogSnapshot DataInputDialog::snapshot() const {
    DialogSnapshot values;
    values.choices.side = outerSide_->isChecked() ? Side::Outer : Side::Inner;
    values.choices.control = controlChoice_->control();
    values.choices.startShift = controlChoice_->startShift();
    values.choices.sequenceNumbers = sequenceNumbersBox_->isChecked();
    values.choices.modin = modinBox_->isChecked();
    for (const FieldSpec& spec : kFields) {
        values.text(spec.field) = fields_[spec.field]->text().toStdString();
    }
    values.drawnGroove = drawnGroove_;
    values.drawnCusp = drawnCusp_;
    values.machine = host_.machineProfile();
    return values;
}

void DataInputDialog::runProgramOutputCommand() {
    bool succeeded = false;
    ProgramOutputResult result;
    const DialogSnapshot typed = snapshot();
    try {
        result = runProgramOutput(job_, typed, host_.outputPanes());
        if (result.refusal) {
            showRefusal(*result.refusal);
            return;
        }
        succeeded = result.ok();
    } catch (const std::exception&) {
        // Out of memory on a huge pane, say: the same answer as bad data, and the
        // form stays as the user typed it.
        succeeded = false;
    }
    if (!drawnGroove_.empty()) {
        host_.showGrooveRefusal(
            succeeded || result.reason.empty()
                ? QString()
                : QCoreApplication::translate("DataInputDialog", "溝形状を切削できません: %1")
                      .arg(QString::fromStdString(result.reason)));
    }
    if (succeeded) {
        outputForm_ = standardFill_ && filledAsOutput(*standardFill_, typed) ? standardFill_->form
                                                                             : std::nullopt;
        accept();
        return;
    }
    messages_.show(this, QCoreApplication::translate("DataInputDialog", "Error"),
                   QCoreApplication::translate("DataInputDialog", "データエラー "),
                   MessageIcon::Warning);
}

// What the chosen control cannot do, named with its limit; the form stays as typed.
void DataInputDialog::showRefusal(const ControlRefusal& refusal) {
    const QString control = QString::fromStdString(refusal.control);
    const ControlRefusal::Figures& figures = refusal.figures;
    QString text;
    switch (refusal.limit) {
    case ControlRefusal::Limit::NoStartAngleWord:
        text = QCoreApplication::translate("DataInputDialog",
                                           "%1 には開始角度の指令がありません。"
                                           "多条の割出しは「Z方向」にしてください。")
                   .arg(control);
        break;
    case ControlRefusal::Limit::TaperTooSteep:
        text = QCoreApplication::translate("DataInputDialog",
                                           "%1 のねじ切りはテーパー角度 %2° までです"
                                           "（テーパー角度 %3°）。")
                   .arg(control, QString::number(figures.allowed), QString::number(figures.asked));
        break;
    case ControlRefusal::Limit::LeadOutOfRange:
        text = QCoreApplication::translate("DataInputDialog",
                                           "%1 のリードは %2～%3 mm です（リード %4 mm）。")
                   .arg(control, QString::number(figures.smallest),
                        QString::number(figures.allowed), QString::number(figures.asked));
        break;
    case ControlRefusal::Limit::FeedTooFast:
        text = QCoreApplication::translate("DataInputDialog",
                                           "%1 はリード×主軸回転数が Z 軸の最大送りの %2 を"
                                           "超えるねじ切りを受け付けません（リード %3 mm では"
                                           "主軸回転数 %4 min⁻¹ まで、設定 %5 min⁻¹）。")
                   .arg(control, QString::number(figures.feedShare), QString::number(figures.lead),
                        QString::number(figures.allowed), QString::number(figures.asked));
        break;
    }
    messages_.show(this, QCoreApplication::translate("DataInputDialog", "Error"), text,
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
