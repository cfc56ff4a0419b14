#include "ui/dialog/thread_standard_dialog.h"

#include "core/forms/thread_form.h"
#include "core/leading_number.h"
#include "core/quoted_text.h"
#include "core/whole_text_number.h"
#include "ui/dialog/dialog_fonts.h"
#include "ui/dialog/groove_preview.h"
#include "ui/seams/setting_keys.h"
#include "ui/simulation/simulation_figures.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace quillmar {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The installed texts say which language the window speaks; the form's messages, made
// below Qt, are said in the same one.
forms::Language spokenLanguage() {
    const QString japanese = QStringLiteral("日本語");
    return QCoreApplication::translate("ThreadStandardDialog", "日本語") == japanese
               ? forms::Language::Japanese
               : forms::Language::English;
}

QString said(const forms::FormMessage& message) {
    return text(forms::messageText(message, spokenLanguage()));
}

QString familyTitle(const std::string& family) {
    return text(forms::familyTitle(family, spokenLanguage()));
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The figures of the groove as the reader wants them, in the dialog's words.
QString figuresText(const forms::GrooveFields& g) {
    const auto mm = [](double v) { return text(forms::fieldText(v)); };
    const forms::GrooveFigures& f = g.figures;
    QStringList lines;
    lines << QStringLiteral("%1  %2").arg(familyTitle(g.form.family), text(g.form.designation));
    lines << QCoreApplication::translate("ThreadStandardDialog", "ピッチ %1   条数 %2")
                 .arg(mm(g.form.pitch))
                 .arg(g.form.starts);
    lines << QCoreApplication::translate("ThreadStandardDialog",
                                         "外径 %1   有効径 %2   内径 %3 (基準)")
                 .arg(mm(g.form.basicMajor), mm(g.form.basicPitchDiameter), mm(g.form.basicMinor));
    lines << QCoreApplication::translate("ThreadStandardDialog",
                                         "山径 %1   有効径 %2   谷径 %3 (加工)")
                 .arg(mm(f.crestDiameter), mm(f.pitchDiameter), mm(f.floorDiameter));
    lines << QCoreApplication::translate("ThreadStandardDialog", "深さ %1   谷幅 %2")
                 .arg(mm(f.depth), mm(f.floorWidth));
    lines << QCoreApplication::translate("ThreadStandardDialog", "A1 %1°   A2 %2°")
                 .arg(mm(f.firstAngle), mm(f.secondAngle));
    lines << QStringLiteral("R1 %1   R2 %2   R3 %3   R4 %4")
                 .arg(mm(f.radii[0]), mm(f.radii[1]), mm(f.radii[2]), mm(f.radii[3]));
    lines << QCoreApplication::translate("ThreadStandardDialog", "ノーズR 最大 %1")
                 .arg(mm(f.largestNoseRadius));
    if (g.texts[JobField::StepR1]) {
        QStringList steps;
        for (JobField step :
             {JobField::StepR1, JobField::StepA1, JobField::StepR2, JobField::StepD1,
              JobField::StepR3, JobField::StepA2, JobField::StepR4, JobField::StepD2}) {
            steps << text(*g.texts[step]);
        }
        lines << QCoreApplication::translate("ThreadStandardDialog", "送り %1")
                     .arg(steps.join(QStringLiteral(" ")));
    }
    for (const forms::FormNote& note : g.form.notes) {
        const std::string_view source = forms::formNoteText(note.id);
        QString said = QCoreApplication::translate("FormNotes", std::string(source).c_str());
        for (const std::string& value : note.values) {
            said = said.arg(text(value));
        }
        lines << said;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

ThreadStandardDialog::ThreadStandardDialog(SettingsStore settings, bool outer, QWidget* parent,
                                           std::optional<DialogSnapshot> form)
    : QDialog(parent), settings_(settings), form_(std::move(form)) {
    setObjectName(QStringLiteral("frmThreadStandard"));
    setWindowTitle(QCoreApplication::translate("ThreadStandardDialog", "ねじ規格"));
    buildControls(outer);
    restoreChoices();
    recompute();
}

void ThreadStandardDialog::buildControls(bool outer) {
    family_ = named(new QComboBox(this), "cboFamily");
    for (const forms::FamilyInfo& info : forms::threadFamilies()) {
        const std::string key(info.name);
        family_->addItem(familyTitle(key), text(key)); // shown in the program's language
    }
    designation_ = named(new QComboBox(this), "cboDesignation");
    designation_->setEditable(true);
    designation_->setInsertPolicy(QComboBox::NoInsert);
    class_ = named(new QLineEdit(this), "txtClass");
    auto* classes = new QCompleter(new QStringListModel(this), this);
    class_->setCompleter(classes);
    auto* side =
        new QGroupBox(QCoreApplication::translate("ThreadStandardDialog", "加工位置"), this);
    outer_ =
        named(new QRadioButton(QCoreApplication::translate("ThreadStandardDialog", "外径"), side),
              "optOuter");
    inner_ =
        named(new QRadioButton(QCoreApplication::translate("ThreadStandardDialog", "内径"), side),
              "optInner");
    (outer ? outer_ : inner_)->setChecked(true);
    auto* sideRow = new QHBoxLayout(side);
    sideRow->addWidget(outer_);
    sideRow->addWidget(inner_);
    noseRadius_ = named(new QLineEdit(this), "txtNoseRadius");
    cusp_ = named(new QLineEdit(this), "txtCusp");
    cusp_->setPlaceholderText(
        QCoreApplication::translate("ThreadStandardDialog", "空欄: 送りは入れない"));

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("ThreadStandardDialog", "規格"), family_);
    form->addRow(QCoreApplication::translate("ThreadStandardDialog", "呼び"), designation_);
    form->addRow(QCoreApplication::translate("ThreadStandardDialog", "等級"), class_);
    form->addRow(side);
    form->addRow(QCoreApplication::translate("ThreadStandardDialog", "ノーズR"), noseRadius_);
    form->addRow(QCoreApplication::translate("ThreadStandardDialog", "カスプ高さ"), cusp_);

    preview_ = named(new GroovePreview(this), "picGroove");
    figures_ = named(new QPlainTextEdit(this), "txtFigures");
    figures_->setReadOnly(true);
    // One face for every figure: a Japanese Gothic holds the Latin digits too, where a
    // Latin face would leave the Japanese words to a smaller fallback.
    figures_->setFont(figuresFont());
    figures_->setMinimumWidth(360);

    ok_ = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cancel_ = named(
        new QPushButton(QCoreApplication::translate("ThreadStandardDialog", "キャンセル"), this),
        "cmdCancel");
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    // The roughing planner's row: the largest chip, the button, and while it plans a bar
    // and "キャンセル" in place of the button.
    maxChipArea_ = named(new QLineEdit(this), "txtMaxChipArea");
    plan_ = named(
        new QPushButton(QCoreApplication::translate("ThreadStandardDialog", "荒加工計画"), this),
        "cmdPlan");
    plan_->setAutoDefault(false);
    planProgress_ = named(new QProgressBar(this), "prgPlan");
    planProgress_->setRange(0, 0); // the plan cannot know how many trials it needs
    planProgress_->hide();
    planCancel_ = named(
        new QPushButton(QCoreApplication::translate("ThreadStandardDialog", "キャンセル"), this),
        "cmdPlanCancel");
    planCancel_->setAutoDefault(false);
    planCancel_->hide();
    planMessage_ = named(new QLabel(this), "lblPlanMessage");
    planMessage_->setWordWrap(true);
    auto* planRow = new QHBoxLayout;
    planRow->addWidget(maxChipArea_, 1);
    planRow->addWidget(plan_);
    planRow->addWidget(planProgress_, 1);
    planRow->addWidget(planCancel_);
    form->addRow(QCoreApplication::translate("ThreadStandardDialog", "最大切りくず面積 (mm²)"),
                 planRow);
    form->addRow(planMessage_);
    const bool planned = form_.has_value(); // a plan needs the rest of the job
    maxChipArea_->setEnabled(planned);
    plan_->setEnabled(planned);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(preview_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(figures_, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(buttons);

    connect(family_, &QComboBox::currentIndexChanged, this, &ThreadStandardDialog::familyChosen);
    connect(designation_, &QComboBox::currentTextChanged, this, &ThreadStandardDialog::recompute);
    for (QLineEdit* box : {class_, noseRadius_, cusp_}) {
        connect(box, &QLineEdit::textChanged, this, &ThreadStandardDialog::recompute);
    }
    for (QRadioButton* button : {outer_, inner_}) {
        connect(button, &QRadioButton::toggled, this, &ThreadStandardDialog::offerClasses);
        connect(button, &QRadioButton::toggled, this, &ThreadStandardDialog::recompute);
    }
    connect(plan_, &QPushButton::clicked, this, &ThreadStandardDialog::planRoughing);
    connect(planCancel_, &QPushButton::clicked, this, [this] {
        planRun_.cancel();
        showPlanning(false);
        planMessage_->setText(planRefusalText(PlanRefusal{PlanRefusal::Reason::Cancelled, 0, {}}));
    });
    connect(ok_, &QPushButton::clicked, this, &ThreadStandardDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &ThreadStandardDialog::reject);
}

// A family picked from the box offers its first size.
void ThreadStandardDialog::familyChosen() {
    fillSizes();
    {
        const QSignalBlocker quiet(designation_);
        designation_->setCurrentIndex(0);
    }
    offerClasses();
    recompute();
}

void ThreadStandardDialog::fillSizes() {
    const QSignalBlocker quiet(designation_);
    const QString typed = designation_->currentText();
    const int cursor = designation_->lineEdit()->cursorPosition();
    designation_->clear();
    for (const std::string& size : forms::familySizes(familyKey())) {
        designation_->addItem(text(size));
    }
    designation_->setEditText(typed); // the typed text stays as it is, no size chosen for it
    designation_->lineEdit()->setCursorPosition(cursor);
}

void ThreadStandardDialog::offerClasses() {
    QStringList classes;
    const auto side = outer_->isChecked() ? forms::Side::Outer : forms::Side::Inner;
    for (const std::string& name : forms::familyClasses(familyKey(), side)) {
        classes << text(name);
    }
    static_cast<QStringListModel*>(class_->completer()->model())->setStringList(classes);
    class_->setPlaceholderText(classes.isEmpty()
                                   ? QCoreApplication::translate("ThreadStandardDialog", "等級なし")
                                   : classes.join(QStringLiteral(", ")));
}

// The family box names the family of the thread typed, whichever family it was on.
void ThreadStandardDialog::followFamily(const std::string& family) {
    const int index = family_->findData(text(family));
    if (index < 0 || index == family_->currentIndex()) {
        return;
    }
    {
        const QSignalBlocker quiet(family_);
        family_->setCurrentIndex(index);
    }
    fillSizes();
    offerClasses();
}

std::string ThreadStandardDialog::familyKey() const {
    return family_->currentData().toString().toStdString();
}

std::string ThreadStandardDialog::designation() const {
    std::string typed = designation_->currentText().trimmed().toStdString();
    const std::string cls = class_->text().trimmed().toStdString();
    if (!cls.empty()) {
        // Parallel pipe threads write their class straight after the size (G1/2A).
        typed += (familyKey() == "Pipe parallel" ? "" : "-") + cls;
    }
    return typed;
}

void ThreadStandardDialog::recompute() {
    if (planRun_.busy()) { // a plan of the groove as it was is of no use now
        planRun_.cancel();
        showPlanning(false);
        planMessage_->clear();
    }
    forms::GrooveRequest request;
    request.side = outer_->isChecked() ? forms::Side::Outer : forms::Side::Inner;
    request.noseRadius = leadingNumberValue(noseRadius_->text().toStdString());
    if (!cusp_->text().trimmed().isEmpty()) {
        const std::string typed = cusp_->text().toStdString();
        request.cusp = wholeTextNumber(typed);
        if (!request.cusp) {
            refuse(QCoreApplication::translate(
                       "ThreadStandardDialog",
                       "カスプ高さ %1 は数ではありません: 削り残しの最大高さを mm で入力して"
                       "ください (例: 0.005)")
                       .arg(text(quotedText(typed))));
            return;
        }
    }
    auto result = forms::grooveFields(designation(), request);
    if (!result) {
        refuse(said(result.error()));
        return;
    }
    groove_ = std::move(result.value());
    followFamily(groove_->form.family);
    preview_->showGroove(forms::jobFromTexts(groove_->texts, request.side),
                         request.cusp.has_value());
    figures_->setPlainText(figuresText(*groove_));
    ok_->setEnabled(true);
}

void ThreadStandardDialog::refuse(const QString& why) {
    groove_.reset();
    preview_->clear();
    figures_->setPlainText(why);
    ok_->setEnabled(false);
}

void ThreadStandardDialog::planRoughing() {
    const std::string typed = maxChipArea_->text().toStdString();
    const auto limit = wholeTextNumber(typed);
    if (!groove_ || !form_ || !limit) {
        planMessage_->setText(
            groove_
                ? QCoreApplication::translate("ThreadStandardDialog",
                                              "最大切りくず面積 %1 は数ではありません: "
                                              "1 パスで削る断面積の上限を mm² で入力して"
                                              "ください (例: 0.5)")
                      .arg(text(quotedText(typed)))
                : QCoreApplication::translate("ThreadStandardDialog",
                                              "ねじが決まっていません: 上の説明を見てください"));
        return;
    }
    DialogSnapshot dialog = *form_;
    dialog.choices.side = outer_->isChecked() ? Side::Outer : Side::Inner;
    for (const JobFieldInfo& info : kJobFields) {
        if (const auto& value = groove_->texts[info.field]) {
            dialog.text(info.field) = *value;
        }
    }
    planRun_.start([dialog, value = *limit](const LatestRun<PlanResult>::Stop& stop) {
        PlanWatch watch;
        watch.cancelled = stop;
        return quillmar::planRoughing(dialog, value, {}, watch);
    });
    showPlanning(true);
}

void ThreadStandardDialog::showPlanning(bool planning) {
    plan_->setVisible(!planning);
    planProgress_->setVisible(planning);
    planCancel_->setVisible(planning);
    ok_->setEnabled(!planning && groove_.has_value());
    if (planning) {
        planMessage_->setText(QCoreApplication::translate("ThreadStandardDialog", "計算中"));
    }
}

void ThreadStandardDialog::showPlanned(const PlanResult& plan) {
    showPlanning(false);
    if (!plan.ok()) {
        // The rest of the job is the data input form's: say where to mend it.
        const bool dataError = plan.error().reason == PlanRefusal::Reason::DataError;
        planMessage_->setText(
            dataError ? QCoreApplication::translate(
                            "ThreadStandardDialog",
                            "データエラー : Z軸 開始点、Z軸 終了点、X軸退避位置を「データ入力」で"
                            "確かめてください")
                      : planRefusalText(plan.error()));
        return;
    }
    planMessage_->clear();
    accept();
    if (fill_) {
        fill_->plan = plan.value();
    }
}

void ThreadStandardDialog::accept() {
    if (!groove_ || planRun_.busy()) {
        return;
    }
    fill_ = ThreadStandardFill{outer_->isChecked(), groove_->texts, groove_->form, std::nullopt};
    saveChoices();
    QDialog::accept();
}

void ThreadStandardDialog::restoreChoices() {
    const int family = family_->findData(settings_.value(setting::kThreadFamily));
    family_->setCurrentIndex(std::max(family, 0));
    familyChosen();
    const QString designation = settings_.value(setting::kThreadDesignation);
    if (!designation.isEmpty()) {
        designation_->setCurrentText(designation);
    }
    class_->setText(settings_.value(setting::kThreadClass));
    noseRadius_->setText(settings_.value(setting::kThreadNoseRadius));
    cusp_->setText(settings_.value(setting::kThreadCusp));
}

void ThreadStandardDialog::saveChoices() {
    settings_.setValue(setting::kThreadFamily, family_->currentData().toString());
    settings_.setValue(setting::kThreadDesignation, designation_->currentText());
    settings_.setValue(setting::kThreadClass, class_->text());
    settings_.setValue(setting::kThreadNoseRadius, noseRadius_->text());
    settings_.setValue(setting::kThreadCusp, cusp_->text());
}

} // namespace quillmar
