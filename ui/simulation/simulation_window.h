#pragma once

#include "simulation/cut_simulation.h"
#include "simulation/roughing_planner.h"
#include "ui/simulation/latest_run.h"
#include "ui/simulation/simulation_host.h"

#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;

namespace quillmar {

class ChipChart;
class MachineZones;
class PictureBox;

// "切削シミュレーション": what the passes of the standard pane cut, kept up to date while the
// pane changes. A change is simulated once the pane has been still for a moment, on a
// worker thread, so neither typing nor the window ever waits for it: while it works the
// figures are marked "計算中", and a newer change stops it and takes its place. The
// slider picks a pass; so do a click on the chart or on the section, which also selects
// the pass's line in the pane. "荒加工計画" plans roughing runs for the largest chip area
// typed beside it on a worker too, with a progress bar and "キャンセル" (a cancelled plan
// changes nothing), and then presses "プログラム出力" once per run.
class SimulationWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimulationWindow(SimulationHost& host, QWidget* parent = nullptr);

    // The standard pane changed: simulate it again shortly.
    void programChanged();
    // Simulate now (what the timer runs), on the worker.
    void simulateNow();
    // The machine profile changed: its figures and zones again.
    void machineChanged() { showFigures(); }

    const SimulationResult& result() const { return *result_; }
    int selectedPass() const { return selectedPass_; }
    // A simulation or a plan is running or waiting.
    bool working() const { return simulation_.busy() || sectionRun_.busy() || planRun_.busy(); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the worker hands back: the passes read and what they cut.
    struct Simulated {
        std::shared_ptr<const PassReading> reading;
        std::shared_ptr<const SimulationResult> result;
    };
    // The section up to one pass, for the slider.
    struct SectionUpTo {
        int pass = -1;
        SimulationResult result;
    };
    struct Planned {
        DialogSnapshot dialog;
        PlanResult plan;
    };

    void buildWidgets();
    void showSimulated(Simulated simulated);
    void showFigures();
    void selectPass(int pass, bool selectLine);
    void drawSectionPicture();
    void planRoughing();
    void showPlanned(const Planned& planned);
    void cancelPlan();
    void showPlanning(bool planning);
    void showTrials(int trials);
    std::optional<double> limit() const;
    SimulationOptions options() const;
    void bodyAngleTyped();

    SimulationHost& host_;
    QTimer* settleTimer_ = nullptr;
    PictureBox* section_ = nullptr;
    MachineZones* machineZones_ = nullptr;
    QSlider* passSlider_ = nullptr;
    QLabel* passLabel_ = nullptr;
    ChipChart* chart_ = nullptr;
    QLabel* figures_ = nullptr;
    QLineEdit* maxChipArea_ = nullptr;
    QLineEdit* bodyAngle_ = nullptr;
    QPushButton* planButton_ = nullptr;
    QProgressBar* planProgress_ = nullptr;
    QPushButton* planCancel_ = nullptr;
    QLabel* planMessage_ = nullptr;

    std::shared_ptr<const PassReading> reading_ = std::make_shared<PassReading>();
    // Shared with the workers, which go on from its checkpoints.
    std::shared_ptr<const SimulationResult> result_ = std::make_shared<SimulationResult>();
    std::optional<forms::ThreadForm> form_; // of the job of the newest simulation
    SectionUpTo sectionUpTo_;
    int selectedPass_ = -1;
    double bodyHalfAngle_ = 0; // the last angle the box held that a tool can have

    LatestRun<Simulated> simulation_{[this](Simulated done) { showSimulated(std::move(done)); }};
    LatestRun<SectionUpTo> sectionRun_{[this](SectionUpTo done) {
        sectionUpTo_ = std::move(done);
        drawSectionPicture();
    }};
    LatestRun<Planned> planRun_{[this](Planned done) { showPlanned(done); }};
};

} // namespace quillmar
