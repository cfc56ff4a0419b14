#include "ui/simulation/chip_chart.h"

#include <QCoreApplication>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// Named as its context: lupdate files tr() inside the chart's members under the
// struct's own name.
struct ChipChartTexts {
    Q_DECLARE_TR_FUNCTIONS(ChipChartTexts)
};

QScatterSeries* scatter(QChart* chart, const QString& name, const QColor& colour, qreal size) {
    auto* series = new QScatterSeries(chart);
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerSize(size);
    return series;
}

// A chart is a few hundred pixels wide: beyond this many passes each marker stands for a
// run of neighbouring passes (the one with the largest chip), and the line goes through
// each run's smallest and largest chip. Qt Charts makes an item of every marker, and
// tens of thousands of them hold the window for a tenth of a second at every change.
constexpr int kMostMarkers = 1000;

struct ChartPoints {
    QList<QPointF> line;
    QList<QPointF> markers;
    QList<QPointF> overLimit;
};

ChartPoints chartPoints(const SimulationResult& result, std::optional<double> maxChipArea) {
    ChartPoints points;
    const std::size_t passes = result.passes.size();
    const std::size_t bunch = std::max<std::size_t>(1, (passes + kMostMarkers - 1) / kMostMarkers);
    const auto pointOf = [&](std::size_t k) {
        return QPointF(result.passes[k].pass + 1, result.passes[k].chipArea);
    };
    for (std::size_t first = 0; first < passes; first += bunch) {
        const std::size_t end = std::min(passes, first + bunch);
        std::size_t smallest = first;
        std::size_t largest = first;
        for (std::size_t k = first; k < end; ++k) {
            smallest = result.passes[k].chipArea < result.passes[smallest].chipArea ? k : smallest;
            largest = result.passes[k].chipArea > result.passes[largest].chipArea ? k : largest;
        }
        points.line.append(pointOf(std::min(smallest, largest)));
        if (smallest != largest) {
            points.line.append(pointOf(std::max(smallest, largest)));
        }
        points.markers.append(pointOf(largest));
        if (maxChipArea && result.passes[largest].chipArea > *maxChipArea) {
            points.overLimit.append(pointOf(largest));
        }
    }
    return points;
}

} // namespace

// The view's own chart is dressed rather than replaced: a chart handed to setChart()
// releases the view's first one without deleting it.
ChipChart::ChipChart(QWidget* parent) : QChartView(parent) {
    QChart* chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    line_ = new QLineSeries(chart);
    points_ = scatter(chart, QStringLiteral("chip"), QColor(40, 110, 200), 7);
    overLimit_ = scatter(chart, QStringLiteral("over"), QColor(220, 0, 0), 9);
    selected_ = scatter(chart, QStringLiteral("selected"), QColor(0, 0, 0, 0), 14);
    selected_->setBorderColor(QColor(0, 160, 0));
    limit_ = new QLineSeries(chart);
    QPen dashed(QColor(220, 0, 0));
    dashed.setStyle(Qt::DashLine);
    limit_->setPen(dashed);
    passAxis_ = new QValueAxis(chart);
    passAxis_->setTitleText(ChipChartTexts::tr("パス"));
    passAxis_->setLabelFormat(QStringLiteral("%d"));
    areaAxis_ = new QValueAxis(chart);
    areaAxis_->setTitleText(ChipChartTexts::tr("切りくず面積 mm²"));
    chart->addAxis(passAxis_, Qt::AlignBottom);
    chart->addAxis(areaAxis_, Qt::AlignLeft);
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{line_, limit_, points_, overLimit_, selected_}) {
        chart->addSeries(series);
        series->attachAxis(passAxis_);
        series->attachAxis(areaAxis_);
    }
    for (QScatterSeries* series : {points_, overLimit_, selected_}) {
        connect(series, &QXYSeries::clicked, this, [this](const QPointF& point) {
            emit passClicked(int(std::lround(point.x())) - 1);
        });
    }
    setRenderHint(QPainter::Antialiasing);
}

void ChipChart::show(const SimulationResult& result, std::optional<double> maxChipArea) {
    areas_.clear();
    double largest = 0;
    for (const PassCut& cut : result.passes) {
        areas_.push_back(cut.chipArea);
        largest = std::max(largest, cut.chipArea);
    }
    const ChartPoints points = chartPoints(result, maxChipArea);
    line_->replace(points.line);
    points_->replace(points.markers);
    overLimit_->replace(points.overLimit);
    const double passes = std::max<double>(1, double(result.passes.size()));
    if (maxChipArea) {
        limit_->replace({QPointF(0.5, *maxChipArea), QPointF(passes + 0.5, *maxChipArea)});
        largest = std::max(largest, *maxChipArea);
    } else {
        limit_->clear();
    }
    passAxis_->setRange(0.5, passes + 0.5);
    areaAxis_->setRange(0, largest > 0 ? largest * 1.1 : 1);
    selected_->clear();
}

void ChipChart::setSelectedPass(int pass) {
    selected_->clear();
    if (pass >= 0 && std::size_t(pass) < areas_.size()) {
        selected_->append(QPointF(pass + 1, areas_[std::size_t(pass)]));
    }
}

QPoint ChipChart::pointOfPass(int pass) const {
    if (pass < 0 || std::size_t(pass) >= areas_.size()) {
        return {};
    }
    const QPointF scene =
        chart()->mapToPosition(QPointF(pass + 1, areas_[std::size_t(pass)]), points_);
    return mapFromScene(chart()->mapToScene(scene));
}

} // namespace quillmar
