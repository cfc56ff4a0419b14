#pragma once

#include "core/machine/machine_run.h"

#include <QWidget>
#include <optional>

namespace quillmar {

// The run along Z: the work's face (Z 0), the run-in zone beyond it that every pass' start
// must clear, each start and end of the passes, and the run-out zone before the shoulder
// (or, without one, the last stretch of the passes where the axis slows down). A zone a
// pass falls into is drawn red. Empty without figures.
class MachineZones : public QWidget {
    Q_OBJECT
public:
    explicit MachineZones(QWidget* parent = nullptr);

    void show(std::optional<RunMachineFigures> run, std::optional<double> shoulderZ);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<RunMachineFigures> run_;
    std::optional<double> shoulderZ_;
};

} // namespace quillmar
