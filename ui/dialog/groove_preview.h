#pragma once

#include "core/profile_check.h"
#include "core/thread_job.h"

#include <QPolygonF>
#include <QWidget>
#include <optional>

namespace quillmar {

// One groove drawn to scale: the outline the tool leaves (black) and the path of the
// nose centre (red), with the pass start points on it when there are steps.
class GroovePreview : public QWidget {
    Q_OBJECT

public:
    explicit GroovePreview(QWidget* parent = nullptr);

    // The groove of these fields; nothing is drawn for fields that make no groove.
    void showGroove(const ThreadJob& fields, bool withPasses);
    // A drawn groove of one pitch, with the places a nose of this radius cannot reach
    // marked.
    void showDrawnGroove(const SegmentChain& groove, double pitch, double noseRadius,
                         const std::vector<UnreachablePart>& unreachable);
    void clear();

    // In millimetres, z along the axis and depth into the material (for tests).
    const QPolygonF& noseCentrePath() const { return centrePath_; }
    const QPolygonF& outline() const { return outline_; }
    const QPolygonF& unreachableMarks() const { return unreachable_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPolygonF centrePath_;
    QPolygonF outline_;
    QPolygonF passes_;
    QPolygonF unreachable_;
};

} // namespace quillmar
