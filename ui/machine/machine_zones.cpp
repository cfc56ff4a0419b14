#include "ui/machine/machine_zones.h"

#include <QPainter>
#include <algorithm>

namespace quillmar {

namespace {

constexpr double kWorkFaceZ = 0;

bool failed(const MachineFigures& figures, MachineCheck::Kind kind) {
    return std::any_of(figures.failed.begin(), figures.failed.end(),
                       [kind](const MachineCheck& check) { return check.kind == kind; });
}

// The stretch of Z the picture spans: the passes, the face, the zones and the shoulder.
std::pair<double, double> zSpan(const RunMachineFigures& run, std::optional<double> shoulderZ,
                                double direction) {
    double low = kWorkFaceZ;
    double high = kWorkFaceZ;
    const auto take = [&low, &high](double z) {
        low = std::min(low, z);
        high = std::max(high, z);
    };
    for (const PlannedPass& pass : run.plan.passes) {
        take(pass.startZ);
        take(pass.endZ);
    }
    take(kWorkFaceZ + direction * run.figures.runIn.value_or(0));
    if (shoulderZ) {
        take(*shoulderZ);
    }
    const double margin = std::max(0.5, (high - low) * 0.04);
    return {low - margin, high + margin};
}

} // namespace

MachineZones::MachineZones(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(64);
}

void MachineZones::show(std::optional<RunMachineFigures> run, std::optional<double> shoulderZ) {
    run_ = std::move(run);
    shoulderZ_ = shoulderZ;
    setVisible(run_.has_value());
    update();
}

void MachineZones::paintEvent(QPaintEvent* /*event*/) {
    if (!run_ || run_->plan.passes.empty()) {
        return;
    }
    const MachineFigures& figures = run_->figures;
    const PlannedPass& first = run_->plan.passes.front();
    // +1 when the passes feed toward minus Z, away from the face.
    const double direction = first.endZ <= first.startZ ? 1.0 : -1.0;
    const auto [low, high] = zSpan(*run_, shoulderZ_, direction);
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const double scale = (width() - 20) / (high - low);
    const auto xOf = [&, low = low](double z) { return 10 + (z - low) * scale; };
    const int axisY = height() / 2;
    const auto band = [&](double from, double to, const QColor& colour) {
        const double left = std::min(xOf(from), xOf(to));
        painter.fillRect(QRectF(left, axisY - 12, std::abs(xOf(to) - xOf(from)), 24), colour);
    };
    const QColor ok(170, 220, 170);
    const QColor bad(240, 150, 150);
    double threadEnd = first.endZ;
    for (const PlannedPass& pass : run_->plan.passes) {
        threadEnd = direction > 0 ? std::min(threadEnd, pass.endZ) : std::max(threadEnd, pass.endZ);
    }
    // The work, from its face to the passes' end.
    band(kWorkFaceZ, threadEnd, QColor(215, 215, 215));
    if (figures.runIn) {
        band(kWorkFaceZ, kWorkFaceZ + direction * *figures.runIn,
             failed(figures, MachineCheck::Kind::RunIn) ? bad : ok);
    }
    if (figures.runOut) {
        const double end = shoulderZ_ ? *shoulderZ_ : threadEnd;
        band(end, end + direction * *figures.runOut,
             failed(figures, MachineCheck::Kind::RunOut) ? bad : QColor(245, 210, 150));
    }
    painter.setPen(palette().text().color());
    painter.drawLine(QPointF(xOf(low), axisY), QPointF(xOf(high), axisY));
    painter.setPen(QPen(Qt::blue, 1));
    for (const PlannedPass& pass : run_->plan.passes) {
        painter.drawLine(QPointF(xOf(pass.startZ), axisY - 16), QPointF(xOf(pass.startZ), axisY));
        painter.drawLine(QPointF(xOf(pass.endZ), axisY), QPointF(xOf(pass.endZ), axisY + 16));
    }
    painter.setPen(QPen(palette().text().color(), 2));
    painter.drawLine(QPointF(xOf(kWorkFaceZ), axisY - 20), QPointF(xOf(kWorkFaceZ), axisY + 20));
    painter.drawText(QPointF(xOf(kWorkFaceZ) + 3, axisY + 30), QStringLiteral("Z0"));
    if (shoulderZ_) {
        painter.drawLine(QPointF(xOf(*shoulderZ_), axisY - 20),
                         QPointF(xOf(*shoulderZ_), axisY + 20));
        painter.drawText(QPointF(xOf(*shoulderZ_) + 3, axisY + 30),
                         QStringLiteral("Z%1").arg(*shoulderZ_, 0, 'g', 6));
    }
    if (figures.runIn) {
        painter.drawText(QPointF(xOf(kWorkFaceZ + direction * *figures.runIn / 2) - 12, axisY - 16),
                         QStringLiteral("δ1"));
    }
}

} // namespace quillmar
