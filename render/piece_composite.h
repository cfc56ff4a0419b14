#pragma once

#include "graphics/display_pieces.h"
#include "render/system_colours.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace quillmar {

// The picture of a display list kept in pieces, kept up to date piece by piece: after
// a change only the pieces that are new are drawn, and the pixels that a piece that
// went away had the last word on are taken from the piece now on top there.
//
// It rests on the pieces holding nothing but lines, points and circles, each of which
// just sets the pixels it touches: a pixel then shows the colour of the last shape of
// the topmost piece that touches it, or the head's picture where none does. Each
// piece keeps one bit a pixel saying which pixels it touches, and every pixel the
// piece that has the last word on it.
class PieceComposite {
public:
    // The picture that drawing head, pieces and tail in order onto `pixels` makes, as
    // renderPicture() paints it.
    QImage render(const PiecewiseDisplayList& list, QSize pixels, const SystemColours& system,
                  const QFont& baseFont, double dotsPerInch);

    // How many pieces the last render drew, for finding out what it saved.
    std::size_t piecesDrawn() const { return piecesDrawn_; }

private:
    struct Layer {
        std::shared_ptr<const DisplayPiece> piece;
        std::vector<std::uint64_t> touched; // one bit a pixel
        std::uint32_t rank = 0;             // place in the list; kept layers only
        bool kept = false;
    };

    bool sameTarget(QSize pixels, const SystemColours& system, const QFont& baseFont,
                    double dotsPerInch) const;
    void startOver(const std::vector<DrawCommand>& head, QSize pixels, const SystemColours& system,
                   const QFont& baseFont, double dotsPerInch);
    void uncover(const std::vector<std::uint32_t>& gone);
    void drawNew(std::uint32_t layer);
    void drawInOrder(std::uint32_t layer);
    template <typename Visit>
    void forEachShape(const DisplayPiece& piece, const QRect& within, Visit&& visit) const;
    // Every pixel of every shape of the piece, or of those that reach into `within`
    // when it is a valid rectangle.
    template <typename Plot>
    void forEachPixel(const DisplayPiece& piece, const QRect& within, Plot&& plot) const;
    std::uint32_t newLayer(std::shared_ptr<const DisplayPiece> piece);

    // What the picture was made for.
    std::vector<DrawCommand> head_;
    QSize pixels_;
    SystemColours system_;
    QFont font_;
    double dotsPerInch_ = 0;
    UserScale scale_; // in force after the head: the pieces are drawn in it

    QImage base_;                      // the head alone
    QImage image_;                     // head and pieces
    std::vector<std::uint32_t> owner_; // a pixel's layer + 1, or 0 for the head
    std::vector<std::uint32_t> want_;  // while uncovering: the layer to take a pixel from
    std::vector<Layer> layers_;
    std::vector<std::uint32_t> freeLayers_;
    std::unordered_map<const DisplayPiece*, std::uint32_t> layerOf_;
    bool valid_ = false;
    std::size_t piecesDrawn_ = 0;
};

} // namespace quillmar
