#include "ui/simulation/simulation_window.h"

#include "core/quoted_text.h"
#include "core/whole_text_number.h"
#include "simulation/body_angle.h"
#include "simulation/roughing_planner.h"
#include "simulation/section_drawing.h"
#include "ui/machine/machine_texts.h"
#include "ui/machine/machine_zones.h"
#include "ui/paint/picture_box.h"
#include "ui/simulation/chip_chart.h"
#include "ui/simulation/simulation_figures.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace quillmar {

namespace {

// Named as its context: lupdate files tr() inside the window's members under the
// struct's own name.
struct SimulationWindowTexts {
    Q_DECLARE_TR_FUNCTIONS(SimulationWindowTexts)
};

// Long enough for a typist's next key, short enough to feel live.
constexpr int kSettleMilliseconds = 150;

} // namespace

SimulationWindow::SimulationWindow(SimulationHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {
    setObjectName(QStringLiteral("frmSimulation"));
    setWindowTitle(SimulationWindowTexts::tr("切削シミュレーション"));
    settleTimer_ = new QTimer(this);
    settleTimer_->setSingleShot(true);
    settleTimer_->setInterval(kSettleMilliseconds);
    connect(settleTimer_, &QTimer::timeout, this, &SimulationWindow::simulateNow);
    buildWidgets();
    resize(900, 640);
}

void SimulationWindow::buildWidgets() {
    section_ = new PictureBox(this);
    section_->setObjectName(QStringLiteral("picSection"));
    section_->setMinimumSize(400, 220);
    section_->installEventFilter(this);

    machineZones_ = new MachineZones(this);
    machineZones_->setObjectName(QStringLiteral("picMachineZones"));
    machineZones_->hide();

    passSlider_ = new QSlider(Qt::Horizontal, this);
    passSlider_->setObjectName(QStringLiteral("sldPass"));
    passLabel_ = new QLabel(this);
    passLabel_->setObjectName(QStringLiteral("lblPass"));
    connect(passSlider_, &QSlider::valueChanged, this,
            [this](int value) { selectPass(value - 1, false); });

    chart_ = new ChipChart(this);
    chart_->setObjectName(QStringLiteral("chtChipArea"));
    chart_->setMinimumHeight(180);
    connect(chart_, &ChipChart::passClicked, this, [this](int pass) { selectPass(pass, true); });

    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("lblFigures"));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    maxChipArea_ = new QLineEdit(this);
    maxChipArea_->setObjectName(QStringLiteral("txtMaxChipArea"));
    maxChipArea_->setMaximumWidth(90);
    connect(maxChipArea_, &QLineEdit::textChanged, this, [this] {
        chart_->show(*result_, limit());
        chart_->setSelectedPass(selectedPass_);
        showFigures();
        drawSectionPicture();
    });
    planButton_ = new QPushButton(SimulationWindowTexts::tr("荒加工計画"), this);
    planButton_->setObjectName(QStringLiteral("cmdPlan"));
    connect(planButton_, &QPushButton::clicked, this, &SimulationWindow::planRoughing);
    // How many trial simulations the plan has run; it cannot know how many it needs.
    planProgress_ = new QProgressBar(this);
    planProgress_->setObjectName(QStringLiteral("prgPlan"));
    planProgress_->setRange(0, 0);
    planProgress_->setMaximumWidth(120);
    planProgress_->hide();
    planCancel_ = new QPushButton(SimulationWindowTexts::tr("キャンセル"), this);
    planCancel_->setObjectName(QStringLiteral("cmdPlanCancel"));
    planCancel_->hide();
    connect(planCancel_, &QPushButton::clicked, this, &SimulationWindow::cancelPlan);
    bodyAngle_ = new QLineEdit(this);
    bodyAngle_->setObjectName(QStringLiteral("txtBodyAngle"));
    bodyAngle_->setMaximumWidth(60);
    bodyAngle_->setText(QStringLiteral("0"));
    connect(bodyAngle_, &QLineEdit::textChanged, this, &SimulationWindow::bodyAngleTyped);
    planMessage_ = new QLabel(this);
    planMessage_->setObjectName(QStringLiteral("lblPlanMessage"));
    planMessage_->setWordWrap(true);

    auto* planRow = new QHBoxLayout;
    planRow->addWidget(new QLabel(SimulationWindowTexts::tr("刃物側面角 (片側 °)"), this));
    planRow->addWidget(bodyAngle_);
    planRow->addWidget(new QLabel(SimulationWindowTexts::tr("最大切りくず面積 (mm²)"), this));
    planRow->addWidget(maxChipArea_);
    planRow->addWidget(planButton_);
    planRow->addWidget(planProgress_);
    planRow->addWidget(planCancel_);
    planRow->addWidget(planMessage_, 1);

    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(passSlider_, 1);
    sliderRow->addWidget(passLabel_);

    auto* lower = new QHBoxLayout;
    lower->addWidget(chart_, 3);
    lower->addWidget(figures_, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(section_, 3);
    layout->addWidget(machineZones_);
    layout->addLayout(sliderRow);
    layout->addLayout(lower, 2);
    layout->addLayout(planRow);
}

void SimulationWindow::programChanged() {
    if (isVisible()) {
        settleTimer_->start();
    }
}

void SimulationWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Nothing to wait for: the pane is not being typed into. Started after the events
    // already waiting (the window's first paint among them).
    QTimer::singleShot(0, this, &SimulationWindow::simulateNow);
}

std::optional<double> SimulationWindow::limit() const {
    const auto value = wholeTextNumber(maxChipArea_->text().toStdString());
    return value && *value > 0 ? value : std::nullopt;
}

SimulationOptions SimulationWindow::options() const {
    SimulationOptions options;
    options.bodyHalfAngleDegrees = bodyHalfAngle_;
    return options;
}

// The box takes what quillmar-gen's --body-angle takes; anything else is said beside
// the planner and leaves the simulation as it was.
void SimulationWindow::bodyAngleTyped() {
    const std::string typed = bodyAngle_->text().toStdString();
    const auto angle = bodyHalfAngleFromText(typed);
    if (!angle) {
        planMessage_->setText(
            SimulationWindowTexts::tr(
                "刃物側面角 %1 は使えません: 0 以上 90 未満の度数を入れてください")
                .arg(QString::fromStdString(quotedText(typed))));
        return;
    }
    planMessage_->clear();
    bodyHalfAngle_ = *angle;
    settleTimer_->start();
}

void SimulationWindow::simulateNow() {
    settleTimer_->stop();
    // The worker reads copies: the pane and the job go on changing meanwhile. The text
    // is shared with the pane, not copied: a 200,000-line program took the window's
    // thread 25 ms to copy.
    SharedText text = host_.standardProgramText();
    std::optional<ThreadJob> job;
    if (const ThreadJob* known = host_.knownJob()) {
        job = *known;
    }
    const forms::ThreadForm* form = host_.knownForm();
    form_ = form ? std::optional(*form) : std::nullopt;
    // It goes on from the shown result's last checkpoint before the first changed pass.
    simulation_.start([text = std::move(text), job = std::move(job), chosen = options(),
                       earlier = result_](const SimulationStop& stop) mutable {
        Simulated simulated;
        auto reading = std::make_shared<PassReading>(readThreadingPasses(text.view()));
        // Let go of the pane's characters at once: an edit while they are shared copies them.
        text = {};
        const SectionSetup setup =
            job ? sectionFromJob(*job, chosen) : sectionWithoutJob(*reading, chosen);
        simulated.result = std::make_shared<const SimulationResult>(
            simulateCut(*reading, setup, {std::nullopt, stop, earlier.get(), std::nullopt, false}));
        simulated.reading = std::move(reading);
        return simulated;
    });
    showFigures();
}

void SimulationWindow::showSimulated(Simulated simulated) {
    reading_ = std::move(simulated.reading);
    result_ = std::move(simulated.result);
    sectionRun_.cancel(); // a section of the passes before
    sectionUpTo_ = {};
    const int passes = int(result_->passes.size());
    passSlider_->blockSignals(true);
    passSlider_->setRange(passes > 0 ? 1 : 0, passes);
    passSlider_->setValue(passes);
    passSlider_->blockSignals(false);
    selectedPass_ = passes - 1;
    chart_->show(*result_, limit());
    chart_->setSelectedPass(selectedPass_);
    showFigures();
    passLabel_->setText(QStringLiteral("%1 / %2").arg(passes).arg(passes));
    drawSectionPicture();
}

void SimulationWindow::showFigures() {
    QString figures = simulationFiguresText(*result_, limit(), form_ ? &*form_ : nullptr);
    // The machine's word on the last program output, only once the user set a profile.
    const MachineProfile profile = host_.machineProfile();
    std::optional<RunMachineFigures> machine;
    if (const ThreadJob* job = host_.knownJob(); job != nullptr && !profile.empty()) {
        DialogSnapshot dialog = host_.reopenedDialog();
        machine = machineFiguresForRun(*job, 1, dialog, profile, false);
    }
    if (machine) {
        figures += QLatin1Char('\n') + machineFigureLines(*machine).join(QLatin1Char('\n'));
    }
    machineZones_->show(std::move(machine), profile.shoulderZ);
    figures_->setText(simulation_.busy()
                          ? SimulationWindowTexts::tr("計算中") + QLatin1Char('\n') + figures
                          : figures);
}

void SimulationWindow::selectPass(int pass, bool selectLine) {
    if (pass < 0 || std::size_t(pass) >= result_->passes.size()) {
        return;
    }
    selectedPass_ = pass;
    passSlider_->blockSignals(true);
    passSlider_->setValue(pass + 1);
    passSlider_->blockSignals(false);
    passLabel_->setText(QStringLiteral("%1 / %2").arg(pass + 1).arg(result_->passes.size()));
    chart_->setSelectedPass(pass);
    drawSectionPicture();
    if (selectLine) {
        host_.selectStandardLine(result_->passes[std::size_t(pass)].line);
    }
}

void SimulationWindow::drawSectionPicture() {
    SectionView view;
    view.pixelAspect = double(std::max(1, section_->width())) / std::max(1, section_->height());
    view.maxChipArea = limit();
    if (selectedPass_ < 0) {
        drawSection(*result_, view, section_->surface());
        return;
    }
    // The material as it stands after the chosen pass, with the chip it took: the whole
    // result for the last pass, otherwise simulated on the worker from the whole result's
    // nearest checkpoint before it (the picture keeps what it shows until that arrives).
    const bool last = selectedPass_ + 1 == int(result_->passes.size());
    if (!last && sectionUpTo_.pass != selectedPass_) {
        sectionRun_.start([reading = reading_, whole = result_,
                           pass = selectedPass_](const SimulationStop& stop) {
            return SectionUpTo{pass, simulateCut(*reading, whole->setup,
                                                 {pass + 1, stop, whole.get(), {}, false})};
        });
        return;
    }
    const SimulationResult& upTo = last ? *result_ : sectionUpTo_.result;
    view.selectedPass = selectedPass_;
    view.depthBeforeSelected = upTo.materialDepthBeforeLast;
    view.depthAfterSelected = upTo.materialDepth;
    drawSection(upTo, view, section_->surface());
}

bool SimulationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == section_ && event->type() == QEvent::MouseButtonPress &&
        !result_->passes.empty() && result_->cellWidth > 0) {
        // The pass whose nose centre lies nearest the click, across the pitch's seam too.
        const QPointF user = section_->userPosition(static_cast<QMouseEvent*>(event)->position());
        const double position = result_->setup.pitch - user.x();
        int nearest = -1;
        double best = 0;
        for (const PassCut& cut : result_->passes) {
            double distance =
                std::fabs(std::remainder(cut.position - position, result_->setup.pitch));
            const double depth =
                result_->setup.passDepth(cut.x, cut.start) - result_->setup.noseRadius;
            distance += std::fabs(result_->setup.side * depth - user.y());
            if (nearest < 0 || distance < best) {
                nearest = cut.pass;
                best = distance;
            }
        }
        selectPass(nearest, true);
        return true;
    }
    if (watched == section_ && event->type() == QEvent::Resize) {
        drawSectionPicture();
    }
    return QWidget::eventFilter(watched, event);
}

void SimulationWindow::planRoughing() {
    const std::string typed = maxChipArea_->text().toStdString();
    const auto value = wholeTextNumber(typed);
    if (!value) {
        planMessage_->setText(
            SimulationWindowTexts::tr(
                "最大切りくず面積 %1 は数値ではありません: mm² で入れてください (例 0.3)")
                .arg(QString::fromStdString(quotedText(typed))));
        return;
    }
    // The plan cannot know how many trials it needs: the bar shows that it works, the
    // message how many trials it has run, told through the window's event queue (the
    // window outlives the worker: it waits for it when it closes).
    planRun_.start([this, dialog = host_.reopenedDialog(), value = *value,
                    chosen = options()](const std::function<bool()>& stop) {
        PlanWatch watch;
        watch.cancelled = stop;
        watch.progress = [this](int trials) {
            QMetaObject::invokeMethod(
                this, [this, trials] { showTrials(trials); }, Qt::QueuedConnection);
        };
        return Planned{dialog, quillmar::planRoughing(dialog, value, chosen, watch)};
    });
    showPlanning(true);
}

void SimulationWindow::cancelPlan() {
    planRun_.cancel();
    showPlanning(false);
    planMessage_->setText(planRefusalText(PlanRefusal{PlanRefusal::Reason::Cancelled, 0, {}}));
}

void SimulationWindow::showTrials(int trials) {
    if (!planCancel_->isHidden()) { // still planning: not after a cancel
        planMessage_->setText(SimulationWindowTexts::tr("計算中: 試算 %1 回").arg(trials));
    }
}

void SimulationWindow::showPlanning(bool planning) {
    planButton_->setEnabled(!planning);
    planProgress_->setVisible(planning);
    planCancel_->setVisible(planning);
    if (planning) {
        planMessage_->clear();
    }
}

void SimulationWindow::showPlanned(const Planned& planned) {
    showPlanning(false);
    if (!planned.plan.ok()) {
        planMessage_->setText(planRefusalText(planned.plan.error()));
        return;
    }
    const RoughingPlan& plan = planned.plan.value();
    const ProgramOutputResult output = host_.runPlannedRuns(planned.dialog, plan);
    if (!output.ok()) {
        planMessage_->setText(SimulationWindowTexts::tr("データエラー "));
        return;
    }
    QStringList allowances;
    for (const std::string& allowance : plan.allowances) {
        allowances << QString::fromStdString(allowance);
    }
    planMessage_->setText(SimulationWindowTexts::tr("%1 回: 仕上げ代 %2")
                              .arg(plan.allowances.size())
                              .arg(allowances.join(QStringLiteral(", "))));
    simulateNow();
}

} // namespace quillmar
