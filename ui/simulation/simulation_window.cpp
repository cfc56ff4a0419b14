#include "ui/simulation/simulation_window.h"

#include "core/quoted_text.h"
#include "core/whole_text_number.h"
#include "simulation/body_angle.h"
#include "simulation/roughing_planner.h"
#include "simulation/section_drawing.h"
#include "ui/paint/picture_box.h"
#include "ui/simulation/chip_chart.h"
#include "ui/simulation/simulation_figures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace quillmar {

namespace {

// Long enough for a typist's next key, short enough to feel live.
constexpr int kSettleMilliseconds = 150;

} // namespace

SimulationWindow::SimulationWindow(SimulationHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {
    setObjectName(QStringLiteral("frmSimulation"));
    setWindowTitle(QStringLiteral("切削シミュレーション"));
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
        chart_->show(result_, limit());
        chart_->setSelectedPass(selectedPass_);
        figures_->setText(simulationFiguresText(result_, limit()));
        drawSectionPicture();
    });
    planButton_ = new QPushButton(QStringLiteral("荒加工計画"), this);
    planButton_->setObjectName(QStringLiteral("cmdPlan"));
    connect(planButton_, &QPushButton::clicked, this, &SimulationWindow::planRoughing);
    bodyAngle_ = new QLineEdit(this);
    bodyAngle_->setObjectName(QStringLiteral("txtBodyAngle"));
    bodyAngle_->setMaximumWidth(60);
    bodyAngle_->setText(QStringLiteral("0"));
    connect(bodyAngle_, &QLineEdit::textChanged, this, &SimulationWindow::bodyAngleTyped);
    planMessage_ = new QLabel(this);
    planMessage_->setObjectName(QStringLiteral("lblPlanMessage"));
    planMessage_->setWordWrap(true);

    auto* planRow = new QHBoxLayout;
    planRow->addWidget(new QLabel(QStringLiteral("刃物側面角 (片側 °)"), this));
    planRow->addWidget(bodyAngle_);
    planRow->addWidget(new QLabel(QStringLiteral("最大切りくず面積 (mm²)"), this));
    planRow->addWidget(maxChipArea_);
    planRow->addWidget(planButton_);
    planRow->addWidget(planMessage_, 1);

    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(passSlider_, 1);
    sliderRow->addWidget(passLabel_);

    auto* lower = new QHBoxLayout;
    lower->addWidget(chart_, 3);
    lower->addWidget(figures_, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(section_, 3);
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
    settleTimer_->start();
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
            QStringLiteral("刃物側面角 %1 は使えません: 0 以上 90 未満の度数を入れてください")
                .arg(QString::fromStdString(quotedText(typed))));
        return;
    }
    planMessage_->clear();
    bodyHalfAngle_ = *angle;
    settleTimer_->start();
}

void SimulationWindow::simulateNow() {
    settleTimer_->stop();
    reading_ = readThreadingPasses(host_.standardProgramText());
    const ThreadJob* job = host_.knownJob();
    const SectionSetup setup =
        job ? sectionFromJob(*job, options()) : sectionWithoutJob(reading_, options());
    result_ = simulateCut(reading_, setup);
    const int passes = int(result_.passes.size());
    passSlider_->blockSignals(true);
    passSlider_->setRange(passes > 0 ? 1 : 0, passes);
    passSlider_->setValue(passes);
    passSlider_->blockSignals(false);
    selectedPass_ = passes - 1;
    chart_->show(result_, limit());
    chart_->setSelectedPass(selectedPass_);
    figures_->setText(simulationFiguresText(result_, limit()));
    passLabel_->setText(QStringLiteral("%1 / %2").arg(passes).arg(passes));
    drawSectionPicture();
}

void SimulationWindow::selectPass(int pass, bool selectLine) {
    if (pass < 0 || std::size_t(pass) >= result_.passes.size()) {
        return;
    }
    selectedPass_ = pass;
    passSlider_->blockSignals(true);
    passSlider_->setValue(pass + 1);
    passSlider_->blockSignals(false);
    passLabel_->setText(QStringLiteral("%1 / %2").arg(pass + 1).arg(result_.passes.size()));
    chart_->setSelectedPass(pass);
    drawSectionPicture();
    if (selectLine) {
        host_.selectStandardLine(result_.passes[std::size_t(pass)].line);
    }
}

void SimulationWindow::drawSectionPicture() {
    SectionView view;
    view.pixelAspect = double(std::max(1, section_->width())) / std::max(1, section_->height());
    view.maxChipArea = limit();
    if (selectedPass_ < 0) {
        drawSection(result_, view, section_->surface());
        return;
    }
    // The material as it stands after the chosen pass, with the chip it took.
    const SimulationResult upTo = simulateCut(reading_, result_.setup, selectedPass_ + 1);
    view.selectedPass = selectedPass_;
    view.depthBeforeSelected = simulateCut(reading_, result_.setup, selectedPass_).materialDepth;
    view.depthAfterSelected = upTo.materialDepth;
    drawSection(upTo, view, section_->surface());
}

bool SimulationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == section_ && event->type() == QEvent::MouseButtonPress &&
        !result_.passes.empty() && result_.cellWidth > 0) {
        // The pass whose nose centre lies nearest the click, across the pitch's seam too.
        const QPointF user = section_->userPosition(static_cast<QMouseEvent*>(event)->position());
        const double position = result_.setup.pitch - user.x();
        int nearest = -1;
        double best = 0;
        for (const PassCut& cut : result_.passes) {
            double distance =
                std::fabs(std::remainder(cut.position - position, result_.setup.pitch));
            const double depth = result_.setup.depthOf(cut.x) - result_.setup.noseRadius;
            distance += std::fabs(result_.setup.side * depth - user.y());
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
            QStringLiteral(
                "最大切りくず面積 %1 は数値ではありません: mm² で入れてください (例 0.3)")
                .arg(QString::fromStdString(quotedText(typed))));
        return;
    }
    const DialogSnapshot dialog = host_.reopenedDialog();
    const PlanResult plan = quillmar::planRoughing(dialog, *value, options());
    if (!plan.ok()) {
        planMessage_->setText(planRefusalText(plan.error()));
        return;
    }
    const ProgramOutputResult output = host_.runPlannedRuns(dialog, plan.value());
    if (!output.ok()) {
        planMessage_->setText(QStringLiteral("データエラー "));
        return;
    }
    planMessage_->setText(QStringLiteral("%1 回: 仕上げ代 %2")
                              .arg(plan.value().allowances.size())
                              .arg(QString::fromStdString([&] {
                                  std::string list;
                                  for (const std::string& allowance : plan.value().allowances) {
                                      list += (list.empty() ? "" : ", ") + allowance;
                                  }
                                  return list;
                              }())));
    simulateNow();
}

} // namespace quillmar
