#include "ui/simulation/chip_chart.h"

#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

QScatterSeries* scatter(QChart* chart, const QString& name, const QColor& colour, qreal size) {
    auto* series = new QScatterSeries(chart);
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerSize(size);
    return series;
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
    passAxis_->setTitleText(QStringLiteral("パス"));
    passAxis_->setLabelFormat(QStringLiteral("%d"));
    areaAxis_ = new QValueAxis(chart);
    areaAxis_->setTitleText(QStringLiteral("切りくず面積 mm²"));
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
    QList<QPointF> all;
    QList<QPointF> over;
    areas_.clear();
    double largest = 0;
    for (const PassCut& cut : result.passes) {
        const QPointF point(cut.pass + 1, cut.chipArea);
        all.append(point);
        if (maxChipArea && cut.chipArea > *maxChipArea) {
            over.append(point);
        }
        areas_.push_back(cut.chipArea);
        largest = std::max(largest, cut.chipArea);
    }
    line_->replace(all);
    points_->replace(all);
    overLimit_->replace(over);
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
