#include "ui/dialog/groove_preview.h"

#include "core/checked_arithmetic.h"
#include "core/pass_schedule.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

// The tip depth at z, walking the segments the way the pass schedule does.
std::optional<double> tipDepth(const GrooveOutline& o, double z) {
    const double ends[] = {o.z1, o.z2, o.zB, o.zC, o.z5, o.z6, o.zD};
    int k = 0;
    while (k < 7 && z >= ends[k]) {
        ++k;
    }
    try {
        return -segmentOffset(o, k, z);
    } catch (const DataError&) {
        return std::nullopt;
    }
}

} // namespace

GroovePreview::GroovePreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void GroovePreview::clear() {
    centrePath_.clear();
    outline_.clear();
    passes_.clear();
    update();
}

void GroovePreview::showGroove(const ThreadJob& fields, bool withPasses) {
    clear();
    ThreadJob job = fields;
    GrooveOutline o;
    try {
        o = grooveOutline(job);
    } catch (const DataError&) {
        return;
    }
    const double r = job.noseRadius;
    const double end = std::max(job.pitch, o.zD);
    constexpr int kSamples = 600;
    for (int i = 0; i <= kSamples; ++i) {
        const double z = end * i / kSamples;
        if (const auto t = tipDepth(o, z)) {
            centrePath_ << QPointF(z, *t - r);
        }
    }
    // The outline lies one nose radius from the centre path, on the material side.
    for (qsizetype i = 0; i < centrePath_.size(); ++i) {
        const QPointF a = centrePath_[std::max<qsizetype>(i - 1, 0)];
        const QPointF b = centrePath_[std::min<qsizetype>(i + 1, centrePath_.size() - 1)];
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        if (length > 0) {
            outline_ << centrePath_[i] + QPointF(-d.y(), d.x()) * (r / length);
        }
    }
    if (withPasses) {
        try {
            for (const SchedulePoint& point : computePassSchedule(job)) {
                passes_ << QPointF(point.z, -point.offset * signOf(job.side) - r);
            }
        } catch (const DataError&) {
        }
    }
    update();
}

void GroovePreview::paintEvent(QPaintEvent*) {
    if (centrePath_.isEmpty()) {
        return;
    }
    QRectF bounds = centrePath_.boundingRect().united(outline_.boundingRect());
    const double margin = 8;
    const double scale = std::min((width() - 2 * margin) / std::max(bounds.width(), 1e-6),
                                  (height() - 2 * margin) / std::max(bounds.height(), 1e-6));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Depth grows downwards: the material of an outer thread lies below its crest.
    painter.translate(margin - bounds.left() * scale, margin - bounds.top() * scale);
    painter.scale(scale, scale);
    QPen outlinePen(Qt::black, 0);
    painter.setPen(outlinePen);
    painter.drawPolyline(outline_);
    painter.setPen(QPen(Qt::red, 0));
    painter.drawPolyline(centrePath_);
    painter.setPen(QPen(Qt::blue, 0));
    for (const QPointF& pass : passes_) {
        painter.drawEllipse(pass, 1.5 / scale, 1.5 / scale);
    }
}

} // namespace quillmar
