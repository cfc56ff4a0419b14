#pragma once

#include "simulation/cut_simulation.h"
#include "ui/simulation/simulation_host.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

namespace quillmar {

class ChipChart;
class PictureBox;

// "切削シミュレーション": what the passes of the standard pane cut, kept up to date while the
// pane changes. A change is simulated once the pane has been still for a moment, after
// the graphics, so typing never waits for it. The slider picks a pass; so do a click on
// the chart or on the section, which also selects the pass's line in the pane.
// "荒加工計画" plans roughing runs for the largest chip area typed beside it and presses
// "プログラム出力" once per run.
class SimulationWindow : public QWidget {
    Q_OBJECT
public:
    explicit SimulationWindow(SimulationHost& host, QWidget* parent = nullptr);

    // The standard pane changed: simulate it again shortly.
    void programChanged();
    // Simulate now (what the timer runs).
    void simulateNow();

    const SimulationResult& result() const { return result_; }
    int selectedPass() const { return selectedPass_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void selectPass(int pass, bool selectLine);
    void drawSectionPicture();
    void planRoughing();
    std::optional<double> limit() const;
    SimulationOptions options() const;
    void bodyAngleTyped();

    SimulationHost& host_;
    QTimer* settleTimer_ = nullptr;
    PictureBox* section_ = nullptr;
    QSlider* passSlider_ = nullptr;
    QLabel* passLabel_ = nullptr;
    ChipChart* chart_ = nullptr;
    QLabel* figures_ = nullptr;
    QLineEdit* maxChipArea_ = nullptr;
    QLineEdit* bodyAngle_ = nullptr;
    QPushButton* planButton_ = nullptr;
    QLabel* planMessage_ = nullptr;

    PassReading reading_;
    SimulationResult result_;
    int selectedPass_ = -1;
    double bodyHalfAngle_ = 0; // the last angle the box held that a tool can have
};

} // namespace quillmar
