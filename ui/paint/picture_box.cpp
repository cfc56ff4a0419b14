#include "ui/paint/picture_box.h"

#include "render/device_mapping.h"
#include "render/picture_painting.h"
#include "render/system_colours.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quillmar {

namespace {

constexpr float kTwipsPerInch = 1440;

} // namespace

// Passes every call on to the recording and keeps the widget in step with it.
class PictureBox::Surface final : public DrawingSurface {
public:
    explicit Surface(PictureBox& box) : box_(box), recording_(box.recording_) {}

    void setBackground(Colour colour) override {
        recording_.setBackground(colour);
        box_.pictureChanged();
    }
    void clear() override {
        recording_.clear();
        box_.pictureChanged();
    }
    bool setScale(float left, float top, float width, float height) override {
        if (!recording_.setScale(left, top, width, height)) {
            return false;
        }
        box_.userScaleSet_ = true;
        box_.pictureChanged();
        return true;
    }
    UserScale scale() const override { return recording_.scale(); }

    void line(double x1, double y1, double x2, double y2, Colour colour) override {
        recording_.line(x1, y1, x2, y2, colour);
        box_.pictureChanged();
    }
    void lineTo(double x, double y, Colour colour) override {
        recording_.lineTo(x, y, colour);
        box_.pictureChanged();
    }
    void setLineStyle(LineStyle style) override { recording_.setLineStyle(style); }
    void point(double x, double y, Colour colour) override {
        recording_.point(x, y, colour);
        box_.pictureChanged();
    }
    void circle(double x, double y, double radius, Colour colour) override {
        recording_.circle(x, y, radius, colour);
        box_.pictureChanged();
    }

    void setFontSize(float points) override { recording_.setFontSize(points); }
    void setTextColour(Colour colour) override { recording_.setTextColour(colour); }
    void setTextPosition(double x, double y) override { recording_.setTextPosition(x, y); }
    void print(std::string_view text) override {
        recording_.print(text);
        box_.pictureChanged();
    }

    void setMousePointer(MousePointer pointer) override {
        recording_.setMousePointer(pointer);
        box_.applyMousePointer(pointer);
    }
    void setVisible(bool visible) override {
        recording_.setVisible(visible);
        box_.setVisible(visible);
    }

private:
    PictureBox& box_;
    RecordingSurface& recording_;
};

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), surface_(std::make_unique<Surface>(*this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    recording_.setPixelHeight(height());
}

PictureBox::~PictureBox() = default;

DrawingSurface& PictureBox::surface() {
    return *surface_;
}

RecordingSurface& PictureBox::recording() {
    pictureChanged();
    return recording_;
}

const RecordingSurface& PictureBox::recording() const {
    return recording_;
}

void PictureBox::pictureChanged() {
    // A drawing makes hundreds of thousands of calls; one request for a paint is
    // enough for all of them, and asking again each time cost more than the drawing.
    if (!picture_.isNull()) {
        picture_ = QImage();
    }
    if (!repaintRequested_) {
        repaintRequested_ = true;
        update();
    }
}

void PictureBox::applyMousePointer(MousePointer pointer) {
    if (pointer == MousePointer::Crosshair) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
}

UserScale PictureBox::pointerScale() const {
    if (userScaleSet_ || !(recording_.scale() == UserScale{})) {
        return recording_.scale();
    }
    return UserScale{0, 0, float(width()) * kTwipsPerInch / float(logicalDpiX()),
                     float(height()) * kTwipsPerInch / float(logicalDpiY())};
}

QPointF PictureBox::userPosition(QPointF widgetPosition) const {
    const DeviceMapping mapping(pointerScale(), size());
    return QPointF(float(mapping.userX(widgetPosition.x())),
                   float(mapping.userY(widgetPosition.y())));
}

void PictureBox::paintEvent(QPaintEvent*) {
    repaintRequested_ = false;
    // Drawn in device pixels, so that lines stay one pixel thin on a high-density
    // screen and the text is sharp there.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (picture_.size() != pixels) {
        picture_ = renderPicture(recording_.commands(), pixels, systemColoursFrom(palette()),
                                 font(), logicalDpiY() * ratio);
        picture_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    painter.drawImage(QPoint(0, 0), picture_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    recording_.setPixelHeight(height());
    QWidget::resizeEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF position = userPosition(event->position());
    emit pointerMoved(float(position.x()), float(position.y()));
    QWidget::mouseMoveEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit gotFocus();
}

void PictureBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        pictureChanged();
    }
    QWidget::changeEvent(event);
}

} // namespace quillmar
