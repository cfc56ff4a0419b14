#pragma once

#include "graphics/display_pieces.h"
#include "graphics/recording_surface.h"
#include "render/piece_composite.h"

#include <QImage>
#include <QWidget>
#include <memory>

namespace quillmar {

// The picture box of a graphic: the graphics draw into its surface, which keeps their
// calls; the widget paints them at every paint event, so the picture survives being
// covered and follows the widget's size. The pointer is reported in the user scale
// of the last drawing.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Draw here: besides recording, the widget repaints and takes on the recorded
    // mouse pointer and visibility at once.
    DrawingSurface& surface();
    // What has been drawn since the last display list in pieces was shown (all that
    // has been drawn when none was), and the surface's state. Changing it directly
    // marks the picture for repainting.
    RecordingSurface& recording();
    const RecordingSurface& recording() const;

    // Shows a display list kept in pieces, leaving the surface in `after` as drawing
    // the list would: a paint then draws only the pieces that are new since the last.
    void showDisplayList(const PiecewiseDisplayList& list, const SurfaceState& after);
    // The whole display list the picture shows, and its length.
    std::vector<DrawCommand> displayList() const;
    std::size_t commandCount() const;

    // The user position of a point of the widget, in single precision as the pointer
    // events deliver it. Until a drawing sets a user scale the picture measures in
    // twips from its top left corner.
    QPointF userPosition(QPointF widgetPosition) const;

signals:
    void pointerMoved(float x, float y);
    void gotFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Surface;

    void pictureChanged();
    void applyMousePointer(MousePointer pointer);
    UserScale pointerScale() const;

    // The picture is head_, pieces_ and then what recording_ holds; a clear drops the
    // first two.
    std::vector<DrawCommand> head_;
    std::vector<std::shared_ptr<const DisplayPiece>> pieces_;
    RecordingSurface recording_;
    PieceComposite composite_;
    std::unique_ptr<Surface> surface_;
    // What the last paint showed, reused until the picture, its size or palette change.
    QImage picture_;
    bool userScaleSet_ = false;
    bool repaintRequested_ = false; // update() asked for, paintEvent not yet run
};

} // namespace quillmar
