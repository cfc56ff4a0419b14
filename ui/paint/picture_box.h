#pragma once

#include "graphics/recording_surface.h"

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
    // What has been drawn. Changing it directly marks the picture for repainting.
    RecordingSurface& recording();
    const RecordingSurface& recording() const;

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

    RecordingSurface recording_;
    std::unique_ptr<Surface> surface_;
    // What the last paint showed, reused until the picture, its size or palette change.
    QImage picture_;
    bool userScaleSet_ = false;
    bool repaintRequested_ = false; // update() asked for, paintEvent not yet run
};

} // namespace quillmar
