#include "render/command_rasterizer.h"
#include "render/picture_painting.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <system_error>
#include <thread>
#include <variant>

namespace quillmar {

namespace {

constexpr double kMetresPerInch = 0.0254;

// Below this many commands in each half, a second thread costs more than it saves.
constexpr std::size_t kMinCommandsPerThread = 16384;
// The second thread's layer is as large as the picture; beyond this many pixels (a
// 16 MB layer) the picture is drawn by one thread rather than take twice the memory.
constexpr qint64 kMaxLayerPixels = 4 * 1024 * 1024;

// Commands that need every pixel drawn before them: a clear fills the whole picture
// and a text is blended into what lies under it.
bool needsAllBefore(const DrawCommand& command) {
    return std::holds_alternative<ClearCommand>(command) ||
           std::holds_alternative<PrintCommand>(command);
}

struct Span {
    std::size_t begin;
    std::size_t end;
};

// Where a list cannot be shared out between threads (clears and texts), and the user
// scale in force from each command on where it changes; found in one pass, since a
// long list takes a while to walk.
class Landmarks {
public:
    explicit Landmarks(const std::vector<DrawCommand>& commands) {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            if (const auto* clear = std::get_if<ClearCommand>(&commands[i])) {
                scales_.push_back({i, clear->scale});
            } else if (const auto* scale = std::get_if<ScaleCommand>(&commands[i])) {
                scales_.push_back({i, scale->scale});
            }
            if (needsAllBefore(commands[i])) {
                barriers_.push_back(i);
            }
        }
    }

    const std::vector<std::size_t>& barriers() const { return barriers_; }

    // The scale the command at `index` is drawn in.
    UserScale scaleAt(std::size_t index) const {
        const auto after = std::partition_point(scales_.begin(), scales_.end(),
                                                [&](const Change& c) { return c.index < index; });
        return after == scales_.begin() ? UserScale{} : std::prev(after)->scale;
    }

private:
    struct Change {
        std::size_t index;
        UserScale scale;
    };
    std::vector<std::size_t> barriers_;
    std::vector<Change> scales_;
};

// Every pixel that the layer drew takes the layer's colour. Drawn pixels are opaque,
// the others wholly transparent, so the top bit of a layer pixel says which it is.
void layOver(QImage& image, const QImage& layer) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb drawn = 0u - (from[x] >> 31);
            to[x] = (from[x] & drawn) | (to[x] & ~drawn);
        }
    }
}

void drawInOrder(const std::vector<DrawCommand>& commands, Span span,
                 CommandRasterizer& rasterizer) {
    for (std::size_t i = span.begin; i < span.end; ++i) {
        rasterizer(commands[i]);
    }
}

// Draws a picture, sharing each long run of lines, points and circles with a second
// thread: that thread draws the second half of the run on a transparent layer of its
// own while this one draws the first half; the layer is then laid over the picture.
// Since every command of a run just sets the pixels it touches to a colour, each
// pixel ends as drawing in order would leave it. Clears and texts, which need all
// that came before them, are drawn in order between the runs.
class PictureRenderer {
public:
    PictureRenderer(const std::vector<DrawCommand>& commands, QImage& image,
                    const SystemColours& system, const QFont& baseFont)
        : commands_(commands), landmarks_(commands), image_(image), system_(system),
          baseFont_(baseFont), rasterizer_(image, system, baseFont) {
        image.fill(rasterizer_.rgb(Colour::named(SystemColour::ButtonFace)));
    }

    void draw() {
        std::size_t begin = 0;
        for (const std::size_t barrier : landmarks_.barriers()) {
            drawRun({begin, barrier});
            rasterizer_(commands_[barrier]);
            begin = barrier + 1;
        }
        drawRun({begin, commands_.size()});
    }

private:
    void drawRun(Span run) {
        if (run.end - run.begin < 2 * kMinCommandsPerThread || !drawInTwoHalves(run)) {
            drawInOrder(commands_, run, rasterizer_);
        }
    }

    // False, with nothing drawn, when no thread or layer can be had.
    bool drawInTwoHalves(Span run) {
        if (qint64(image_.width()) * image_.height() > kMaxLayerPixels) {
            return false;
        }
        if (!layer_) {
            layer_.emplace(image_.size(), QImage::Format_ARGB32);
        }
        if (layer_->isNull()) {
            return false;
        }
        layer_->fill(0);
        const std::size_t middle = run.begin + (run.end - run.begin) / 2;
        CommandRasterizer second(*layer_, system_, baseFont_, landmarks_.scaleAt(middle));
        try {
            std::jthread thread([&] { drawInOrder(commands_, {middle, run.end}, second); });
            drawInOrder(commands_, {run.begin, middle}, rasterizer_);
        } catch (const std::system_error&) {
            return false; // no thread: the first half was not drawn either
        }
        rasterizer_.closePainter();
        layOver(image_, *layer_);
        rasterizer_.setScale(landmarks_.scaleAt(run.end));
        return true;
    }

    const std::vector<DrawCommand>& commands_;
    const Landmarks landmarks_;
    QImage& image_;
    const SystemColours& system_;
    const QFont& baseFont_;
    CommandRasterizer rasterizer_;
    std::optional<QImage> layer_;
};

} // namespace

QImage renderPicture(const std::vector<DrawCommand>& commands, QSize pixels,
                     const SystemColours& system, const QFont& baseFont, double dotsPerInch) {
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const int dotsPerMetre = int(std::lround(dotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    PictureRenderer(commands, image, system, baseFont).draw();
    return image;
}

} // namespace quillmar
