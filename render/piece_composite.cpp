#include "render/piece_composite.h"

#include "render/command_rasterizer.h"
#include "render/picture_painting.h"
#include "render/shape_maker.h"
#include "render/shape_pixels.h"

#include <algorithm>
#include <bit>
#include <variant>

namespace quillmar {

namespace {

bool drawsOnlyShapes(const DisplayPiece& piece) {
    bool onlyShapes = true;
    piece.forEach([&](const DrawCommand& c) {
        onlyShapes = onlyShapes && (std::holds_alternative<LineCommand>(c) ||
                                    std::holds_alternative<PointCommand>(c) ||
                                    std::holds_alternative<CircleCommand>(c));
    });
    return onlyShapes;
}

bool drawsPixels(const std::vector<DrawCommand>& commands) {
    return std::any_of(commands.begin(), commands.end(), [](const DrawCommand& c) {
        return !std::holds_alternative<MousePointerCommand>(c) &&
               !std::holds_alternative<VisibleCommand>(c) &&
               !std::holds_alternative<FontSizeCommand>(c) &&
               !std::holds_alternative<TextColourCommand>(c) &&
               !std::holds_alternative<BackgroundCommand>(c);
    });
}

// The pixels a shape can set lie within this rectangle.
QRect bounds(const PaintPlan::Shape& shape) {
    switch (shape.kind) {
    case PaintPlan::Kind::Point:
        return QRect(shape.a, shape.b, 1, 1);
    case PaintPlan::Kind::Circle:
        return QRect(QPoint(shape.a - shape.c, shape.b - shape.c),
                     QPoint(shape.a + shape.c, shape.b + shape.c));
    default:
        return QRect(QPoint(std::min(shape.a, shape.c), std::min(shape.b, shape.d)),
                     QPoint(std::max(shape.a, shape.c), std::max(shape.b, shape.d)));
    }
}

UserScale scaleAfter(const std::vector<DrawCommand>& commands) {
    UserScale scale;
    for (const DrawCommand& command : commands) {
        if (const auto* clear = std::get_if<ClearCommand>(&command)) {
            scale = clear->scale;
        } else if (const auto* set = std::get_if<ScaleCommand>(&command)) {
            scale = set->scale;
        }
    }
    return scale;
}

bool sameColours(const SystemColours& a, const SystemColours& b) {
    return a.buttonFace == b.buttonFace && a.buttonShadow == b.buttonShadow &&
           a.windowBackground == b.windowBackground && a.highlight3D == b.highlight3D;
}

// Calls visit(word, bits) for every 64-pixel word with bits set.
template <typename Visit> void forEachWord(const std::vector<std::uint64_t>& bits, Visit&& visit) {
    for (std::size_t word = 0; word < bits.size(); ++word) {
        if (bits[word] != 0) {
            visit(word, bits[word]);
        }
    }
}

template <typename Visit> void forEachBit(std::size_t word, std::uint64_t bits, Visit&& visit) {
    while (bits != 0) {
        visit(word * 64 + std::size_t(std::countr_zero(bits)));
        bits &= bits - 1;
    }
}

} // namespace

QImage PieceComposite::render(const PiecewiseDisplayList& list, QSize pixels,
                              const SystemColours& system, const QFont& baseFont,
                              double dotsPerInch) {
    piecesDrawn_ = 0;
    if (!valid_ || !sameTarget(pixels, system, baseFont, dotsPerInch)) {
        startOver(list.head, pixels, system, baseFont, dotsPerInch);
    } else if (!(list.head == head_)) {
        // Another head may paint the same picture in the same scale (a clear records
        // the scale it replaces, which the next drawing sees changed): then the
        // pieces stand.
        const QImage base = renderPicture(list.head, pixels, system, baseFont, dotsPerInch);
        if (scaleAfter(list.head) == scale_ && base == base_) {
            head_ = list.head;
        } else {
            startOver(list.head, pixels, system, baseFont, dotsPerInch);
        }
    }
    for (Layer& layer : layers_) {
        layer.kept = false;
    }
    std::vector<std::uint32_t> fresh;
    std::size_t keptFromBefore = 0;
    bool drawable = valid_;
    for (std::size_t i = 0; i < list.pieces.size() && drawable; ++i) {
        const auto found = layerOf_.find(list.pieces[i].get());
        std::uint32_t layer = 0;
        if (found != layerOf_.end() && !layers_[found->second].kept) {
            layer = found->second;
            ++keptFromBefore;
        } else if (found == layerOf_.end() && drawsOnlyShapes(*list.pieces[i])) {
            layer = newLayer(list.pieces[i]);
            fresh.push_back(layer);
        } else {
            drawable = false; // a piece twice over, or one with texts or clears in it
            break;
        }
        layers_[layer].kept = true;
        layers_[layer].rank = std::uint32_t(i);
    }
    if (!drawable) {
        valid_ = false;
        return renderPicture(list.flattened(), pixels, system, baseFont, dotsPerInch);
    }

    std::vector<std::uint32_t> gone;
    for (std::uint32_t layer = 0; layer < layers_.size(); ++layer) {
        if (layers_[layer].piece && !layers_[layer].kept) {
            gone.push_back(layer);
        }
    }
    uncover(gone);
    const bool allNew = keptFromBefore == 0;
    for (const std::uint32_t layer : fresh) {
        if (allNew) {
            drawInOrder(layer);
        } else {
            drawNew(layer);
        }
    }
    piecesDrawn_ = fresh.size();

    if (!drawsPixels(list.tail)) {
        return image_;
    }
    QImage picture = image_.copy();
    CommandRasterizer rasterizer(picture, system_, font_, scale_);
    for (const DrawCommand& command : list.tail) {
        rasterizer(command);
    }
    rasterizer.closePainter();
    return picture;
}

bool PieceComposite::sameTarget(QSize pixels, const SystemColours& system, const QFont& baseFont,
                                double dotsPerInch) const {
    return pixels == pixels_ && dotsPerInch == dotsPerInch_ && sameColours(system, system_) &&
           baseFont == font_;
}

void PieceComposite::startOver(const std::vector<DrawCommand>& head, QSize pixels,
                               const SystemColours& system, const QFont& baseFont,
                               double dotsPerInch) {
    head_ = head;
    pixels_ = pixels;
    system_ = system;
    font_ = baseFont;
    dotsPerInch_ = dotsPerInch;
    scale_ = scaleAfter(head);
    layers_.clear();
    freeLayers_.clear();
    layerOf_.clear();
    base_ = renderPicture(head, pixels, system, baseFont, dotsPerInch);
    image_ = base_.copy();
    valid_ = !base_.isNull() && !image_.isNull();
    const std::size_t count =
        valid_ ? std::size_t(pixels.width()) * std::size_t(pixels.height()) : 0;
    owner_.assign(count, 0);
    want_.assign(count, 0);
}

std::uint32_t PieceComposite::newLayer(std::shared_ptr<const DisplayPiece> piece) {
    std::uint32_t layer = 0;
    if (freeLayers_.empty()) {
        layer = std::uint32_t(layers_.size());
        layers_.emplace_back();
    } else {
        layer = freeLayers_.back();
        freeLayers_.pop_back();
    }
    layerOf_[piece.get()] = layer;
    layers_[layer].piece = std::move(piece);
    layers_[layer].touched.assign((owner_.size() + 63) / 64, 0);
    return layer;
}

template <typename Visit>
void PieceComposite::forEachShape(const DisplayPiece& piece, const QRect& within,
                                  Visit&& visit) const {
    std::vector<PaintPlan::Text> noTexts;
    ShapeMaker maker(pixels_, system_, noTexts);
    maker.setScale(scale_);
    piece.forEach([&](const DrawCommand& command) {
        const auto shape = std::visit(maker, command);
        if (shape && (!within.isValid() || within.intersects(bounds(*shape)))) {
            visit(*shape, shape->colour | 0xff000000u);
        }
    });
}

template <typename Plot>
void PieceComposite::forEachPixel(const DisplayPiece& piece, const QRect& within,
                                  Plot&& plot) const {
    const int width = pixels_.width();
    const int height = pixels_.height();
    const std::size_t stride = std::size_t(image_.bytesPerLine() / 4);
    forEachShape(piece, within, [&](const PaintPlan::Shape& shape, QRgb colour) {
        forEachShapePixel(shape, width, height, [&](int x, int y) {
            plot(std::size_t(y) * std::size_t(width) + std::size_t(x),
                 std::size_t(y) * stride + std::size_t(x), colour);
        });
    });
}

// The pixels that the layers gone had the last word on take the colour of the topmost
// layer left that touches them, or the head's.
void PieceComposite::uncover(const std::vector<std::uint32_t>& gone) {
    if (gone.empty()) {
        return;
    }
    std::vector<std::uint64_t> open((owner_.size() + 63) / 64, 0);
    for (const std::uint32_t layer : gone) {
        forEachWord(layers_[layer].touched, [&](std::size_t word, std::uint64_t bits) {
            forEachBit(word, bits, [&](std::size_t pixel) {
                if (owner_[pixel] == layer + 1) {
                    open[word] |= std::uint64_t(1) << (pixel % 64);
                }
            });
        });
        layerOf_.erase(layers_[layer].piece.get());
        layers_[layer] = Layer{};
        freeLayers_.push_back(layer);
    }

    std::vector<std::uint32_t> below; // the layers left, topmost first
    for (std::uint32_t layer = 0; layer < layers_.size(); ++layer) {
        if (layers_[layer].piece && !layers_[layer].touched.empty()) {
            below.push_back(layer);
        }
    }
    std::sort(below.begin(), below.end(),
              [&](std::uint32_t a, std::uint32_t b) { return layers_[a].rank > layers_[b].rank; });

    auto* pixels = reinterpret_cast<QRgb*>(image_.bits());
    const auto* basePixels = reinterpret_cast<const QRgb*>(base_.constBits());
    const std::size_t stride = std::size_t(image_.bytesPerLine() / 4);
    const std::size_t width = std::size_t(pixels_.width());
    const auto at = [&](std::size_t pixel) { return (pixel / width) * stride + pixel % width; };
    // For each layer, the rectangle of the pixels it is to give its colour to: only
    // its shapes that reach into it are drawn again.
    std::vector<QRect> redraw(layers_.size());
    forEachWord(open, [&](std::size_t word, std::uint64_t bits) {
        for (const std::uint32_t layer : below) {
            const std::uint64_t hit = bits & layers_[layer].touched[word];
            if (hit != 0) {
                forEachBit(word, hit, [&](std::size_t pixel) {
                    want_[pixel] = layer + 1;
                    redraw[layer] |= QRect(int(pixel % width), int(pixel / width), 1, 1);
                });
                bits &= ~hit;
                if (bits == 0) {
                    return;
                }
            }
        }
        forEachBit(word, bits, [&](std::size_t pixel) {
            pixels[at(pixel)] = basePixels[at(pixel)];
            owner_[pixel] = 0;
        });
    });
    for (std::uint32_t layer = 0; layer < layers_.size(); ++layer) {
        if (!redraw[layer].isEmpty()) {
            ++piecesDrawn_;
            forEachPixel(*layers_[layer].piece, redraw[layer],
                         [&](std::size_t pixel, std::size_t offset, QRgb colour) {
                             if (want_[pixel] == layer + 1) {
                                 pixels[offset] = colour;
                                 owner_[pixel] = layer + 1;
                             }
                         });
        }
    }
    forEachWord(open, [&](std::size_t word, std::uint64_t bits) {
        forEachBit(word, bits, [&](std::size_t pixel) { want_[pixel] = 0; });
    });
}

// A new piece over the layers below it and under those above it.
void PieceComposite::drawNew(std::uint32_t layer) {
    auto* pixels = reinterpret_cast<QRgb*>(image_.bits());
    std::vector<std::uint32_t> ranks(layers_.size() + 1, 0); // by owner: layer + 1
    for (std::size_t kept = 0; kept < layers_.size(); ++kept) {
        ranks[kept + 1] = layers_[kept].rank;
    }
    Layer& drawn = layers_[layer];
    const std::uint32_t rank = drawn.rank;
    std::uint64_t* touched = drawn.touched.data();
    forEachPixel(*drawn.piece, QRect(), [&](std::size_t pixel, std::size_t offset, QRgb colour) {
        touched[pixel / 64] |= std::uint64_t(1) << (pixel % 64);
        const std::uint32_t owner = owner_[pixel];
        if (owner == 0 || ranks[owner] <= rank) {
            pixels[offset] = colour;
            owner_[pixel] = layer + 1;
        }
    });
}

// With no piece left from before, the new pieces drawn in their order: each pixel just
// takes the colour of the shape drawn last, and a row of a line is filled at once.
void PieceComposite::drawInOrder(std::uint32_t layer) {
    auto* pixels = reinterpret_cast<QRgb*>(image_.bits());
    const std::size_t stride = std::size_t(image_.bytesPerLine() / 4);
    const int width = pixels_.width();
    const int height = pixels_.height();
    std::uint64_t* touched = layers_[layer].touched.data();
    const std::uint32_t mark = layer + 1;
    const auto plot = [&](int x, int y, QRgb colour) {
        const std::size_t pixel = std::size_t(y) * std::size_t(width) + std::size_t(x);
        touched[pixel / 64] |= std::uint64_t(1) << (pixel % 64);
        owner_[pixel] = mark;
        pixels[std::size_t(y) * stride + std::size_t(x)] = colour;
    };
    forEachShape(*layers_[layer].piece, QRect(), [&](const PaintPlan::Shape& shape, QRgb colour) {
        if (shape.kind != PaintPlan::Kind::Line || shape.b != shape.d) {
            forEachShapePixel(shape, width, height, [&](int x, int y) { plot(x, y, colour); });
            return;
        }
        // The same pixels as forEachShapePixel gives a row.
        const int from = std::max(std::min(shape.a, shape.c), 0);
        const int to = std::min(std::max(shape.a, shape.c), width - 1);
        if (unsigned(shape.b) >= unsigned(height) || from > to) {
            return;
        }
        const std::size_t row = std::size_t(shape.b) * std::size_t(width);
        const auto count = std::size_t(to - from + 1);
        std::fill_n(pixels + std::size_t(shape.b) * stride + std::size_t(from), count, colour);
        std::fill_n(owner_.begin() + std::ptrdiff_t(row + std::size_t(from)), count, mark);
        for (std::size_t pixel = row + std::size_t(from); pixel <= row + std::size_t(to);) {
            const std::size_t bit = pixel % 64;
            const std::size_t bits =
                std::min<std::size_t>(64 - bit, row + std::size_t(to) + 1 - pixel);
            const std::uint64_t ones =
                bits == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << bits) - 1);
            touched[pixel / 64] |= ones << bit;
            pixel += bits;
        }
    });
}

} // namespace quillmar
