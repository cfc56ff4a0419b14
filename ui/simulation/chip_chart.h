#pragma once

#include "simulation/cut_simulation.h"

#include <QtCharts/QChartView>
#include <optional>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace quillmar {

// The chip area of every pass as a chart: a line through one point a pass, passes
// above the limit in red, the limit as a dashed line, the selected pass ringed.
// Clicking a point picks its pass.
class ChipChart : public QChartView {
    Q_OBJECT
public:
    explicit ChipChart(QWidget* parent = nullptr);

    void show(const SimulationResult& result, std::optional<double> maxChipArea);
    void setSelectedPass(int pass);

    // Where a pass's point is drawn, in the view's viewport coordinates.
    QPoint pointOfPass(int pass) const;

signals:
    void passClicked(int pass);

private:
    QLineSeries* line_ = nullptr;
    QScatterSeries* points_ = nullptr;
    QScatterSeries* overLimit_ = nullptr;
    QScatterSeries* selected_ = nullptr;
    QLineSeries* limit_ = nullptr;
    QValueAxis* passAxis_ = nullptr;
    QValueAxis* areaAxis_ = nullptr;
    std::vector<double> areas_;
};

} // namespace quillmar
