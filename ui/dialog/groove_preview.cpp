#include "ui/dialog/groove_preview.h"

#include "core/checked_arithmetic.h"
#include "core/groove_profile.h"
#include "core/pass_schedule.h"

#include <QPainter>
#include <algorithm>

namespace quillmar {

namespace {

QPolygonF polygonOf(const SegmentChain& chain) {
    QPolygonF polygon;
    for (const SectionPoint& p : polyline(chain)) {
        polygon << QPointF(p.z, p.depth);
    }
    return polygon;
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
    unreachable_.clear();
    update();
}

void GroovePreview::showGroove(const ThreadJob& fields, bool withPasses) {
    clear();
    ThreadJob job = fields;
    GrooveProfile profile;
    try {
        profile = grooveProfile(job);
    } catch (const DataError&) {
        return;
    }
    outline_ = polygonOf(profile.segments);
    centrePath_ = polygonOf(quillmar::noseCentrePath(profile, job.noseRadius));
    if (withPasses) {
        try {
            for (const SchedulePoint& point : computePassSchedule(job)) {
                passes_ << QPointF(point.z, pointTipDepth(job, point.diameter) - job.noseRadius);
            }
        } catch (const DataError&) {
        }
    }
    update();
}

void GroovePreview::showDrawnGroove(const SegmentChain& groove, double pitch, double noseRadius,
                                    const std::vector<UnreachablePart>& unreachable) {
    clear();
    GrooveProfile profile;
    profile.pitch = pitch;
    profile.segments = groove;
    outline_ = polygonOf(groove);
    centrePath_ = polygonOf(quillmar::noseCentrePath(profile, noseRadius));
    for (const UnreachablePart& part : unreachable) {
        unreachable_ << QPointF(part.at.z, part.at.depth);
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
    // What the nose cannot reach: ringed in orange, large enough to be found at a glance.
    painter.setPen(QPen(QColor(255, 140, 0), 2.5 / scale));
    for (const QPointF& place : unreachable_) {
        painter.drawEllipse(place, 6 / scale, 6 / scale);
    }
}

} // namespace quillmar
