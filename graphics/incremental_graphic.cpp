#include "graphics/incremental_graphic.h"

#include "core/checked_arithmetic.h"
#include "graphics/graphic_basis.h"
#include "graphics/graphic_pens.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace quillmar {

namespace {

// Lines between two starts of a full walk. A change walks again at least the lines
// of its piece, and a picture keeps the pieces' commands once.
constexpr std::size_t kLinesPerPiece = 2048;

template <typename T> bool sameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool sameReaderState(const NcLineReader& a, const NcLineReader& b) {
    return sameBits(a.currentX, b.currentX) && sameBits(a.currentZ, b.currentZ) &&
           sameBits(a.modalG, b.modalG) && a.inComment == b.inComment &&
           a.commentSeen == b.commentSeen;
}

// Where a piece starts: the offset of its first line in the text and everything the
// drawing holds before reading it.
template <typename Pen> struct WalkPoint {
    std::size_t offset = 0;
    NcLineReader reader;
    SurfaceState surface;
    Pen pen;

    bool sameStateAs(const WalkPoint& other) const {
        return sameReaderState(reader, other.reader) && surface.drawsLike(other.surface) &&
               pen.sameAs(other.pen);
    }
    // Whether walking on from here draws what the earlier walk drew on from `old` to
    // its end `oldEnd`.
    bool drawsOnLike(const WalkPoint& old, const WalkPoint& oldEnd) const {
        return sameReaderState(reader, old.reader) && surface.drawsLike(old.surface) &&
               pen.drawsOnLike(old.pen, oldEnd.pen);
    }
};

template <typename Pen> class PieceWalk {
public:
    // Walks the text from `start`, reusing the pieces of the last walk that the edit
    // left alone; false on a reading failure.
    bool walk(std::u16string_view text, const TextEdit& edit, const WalkPoint<Pen>& start);
    void forget() {
        valid_ = false;
        starts_.clear();
        pieces_.clear();
        extents_.clear();
    }
    // Whether the last walk went through, so that extent() is the text's.
    bool walked() const { return valid_; }
    // The extent of the moves the pieces hold, as programExtent gives it.
    std::optional<ProgramExtent> extent() const {
        std::optional<ProgramExtent> all;
        for (const std::optional<ProgramExtent>& piece : extents_) {
            if (piece) {
                widenExtent(all, *piece);
            }
        }
        return all;
    }

    const std::vector<std::shared_ptr<const DisplayPiece>>& pieces() const { return pieces_; }
    const WalkPoint<Pen>& end() const { return end_; }
    std::vector<std::size_t> starts() const {
        std::vector<std::size_t> offsets;
        for (const WalkPoint<Pen>& start : starts_) {
            offsets.push_back(start.offset);
        }
        return offsets;
    }
    std::size_t linesWalked() const { return linesWalked_; }

private:
    bool canReuse(std::u16string_view text, const TextEdit& edit) const {
        return valid_ && !edit.everything && edit.position + edit.removed <= textLength_ &&
               textLength_ - edit.removed + edit.added == text.size();
    }

    std::vector<WalkPoint<Pen>> starts_; // starts_[i] is where pieces_[i] begins
    std::vector<std::shared_ptr<const DisplayPiece>> pieces_;
    std::vector<std::optional<ProgramExtent>> extents_; // of the moves of each piece
    WalkPoint<Pen> end_; // where the walk ended: the end of the text or a failure
    bool failed_ = false;
    std::size_t textLength_ = 0;
    bool valid_ = false;
    std::size_t linesWalked_ = 0;
};

template <typename Pen>
bool PieceWalk<Pen>::walk(std::u16string_view text, const TextEdit& edit,
                          const WalkPoint<Pen>& start) {
    const bool reusable = canReuse(text, edit);
    // The walk starts again at the last piece that starts before the change: a change
    // right at a piece's first character may join its line to the one before.
    std::size_t restart = 0;
    if (reusable && starts_.front().sameStateAs(start)) {
        const auto after =
            std::partition_point(starts_.begin(), starts_.end(), [&](const WalkPoint<Pen>& point) {
                return point.offset < edit.position;
            });
        restart = after == starts_.begin() ? 0 : std::size_t(after - starts_.begin()) - 1;
    }
    const WalkPoint<Pen>& from = restart == 0 ? start : starts_[restart];
    // An old start can be met again only where neither it nor the CR before it changed.
    std::size_t next = starts_.size();
    if (reusable) {
        next = restart + 1;
        while (next < starts_.size() && !edit.changesNothing() &&
               starts_[next].offset <= edit.position + edit.removed) {
            ++next;
        }
    }
    const auto shifted = [&](std::size_t j) {
        return starts_[j].offset - edit.removed + edit.added;
    };

    std::vector<WalkPoint<Pen>> starts(starts_.begin(), starts_.begin() + std::ptrdiff_t(restart));
    std::vector<std::shared_ptr<const DisplayPiece>> pieces(
        pieces_.begin(), pieces_.begin() + std::ptrdiff_t(restart));
    std::vector<std::optional<ProgramExtent>> extents(extents_.begin(),
                                                      extents_.begin() + std::ptrdiff_t(restart));
    std::optional<ProgramExtent> pieceExtent;
    NcLineReader reader = from.reader;
    Pen pen = from.pen;
    RecordingSurface surface(from.surface);
    std::size_t position = from.offset;
    WalkPoint<Pen> pieceStart = from;
    std::size_t lines = 0;
    linesWalked_ = 0;

    // Whether an old start comes within half a piece's lines, judged by the length of
    // the lines so far: a piece is not cut just before one.
    const auto oldStartNear = [&](std::size_t j, std::size_t at) {
        return j < starts_.size() &&
               (shifted(j) - at) * lines < (at - pieceStart.offset) * (kLinesPerPiece / 2);
    };
    const auto here = [&] { return WalkPoint<Pen>{position, reader, surface.state(), pen}; };
    const auto cut = [&](const WalkPoint<Pen>& at) {
        starts.push_back(pieceStart);
        pieces.push_back(std::make_shared<const DisplayPiece>(surface.takeCommands()));
        extents.push_back(std::exchange(pieceExtent, std::nullopt));
        pieceStart = at;
        lines = 0;
    };
    const auto commit = [&] {
        starts_ = std::move(starts);
        pieces_ = std::move(pieces);
        extents_ = std::move(extents);
        textLength_ = text.size();
        valid_ = true;
        return !failed_;
    };

    for (;;) {
        while (next < starts_.size() && shifted(next) < position) {
            ++next;
        }
        if (next < starts_.size() && shifted(next) == position) {
            const WalkPoint<Pen> at = here();
            if (at.drawsOnLike(starts_[next], end_)) {
                // From here on the old walk stands: its pieces, its end.
                cut(at);
                const Pen old = starts_[next].pen;
                for (std::size_t j = next; j < starts_.size(); ++j) {
                    starts.push_back(starts_[j]);
                    starts.back().offset = shifted(j);
                    at.pen.carry(old, starts.back().pen);
                    pieces.push_back(pieces_[j]);
                    extents.push_back(extents_[j]);
                }
                end_.offset = end_.offset - edit.removed + edit.added;
                at.pen.carry(old, end_.pen);
                return commit();
            }
            if (lines >= kLinesPerPiece / 2) {
                cut(at);
            }
        } else if (lines >= 2 * kLinesPerPiece ||
                   (lines >= kLinesPerPiece && !oldStartNear(next, position))) {
            cut(here());
        }
        const WalkStep step = walkOneLine(reader, text, position, [&](const NcMove& move) {
            widenExtent(pieceExtent, ProgramExtent{move.x, move.x, move.z, move.z});
            pen.drawMove(move, reader, surface);
        });
        if (step != WalkStep::Read) {
            end_ = here();
            cut(end_);
            failed_ = step == WalkStep::Failed;
            return commit();
        }
        ++lines;
        ++linesWalked_;
    }
}

} // namespace

class IncrementalGraphic::Walks {
public:
    explicit Walks(PaneGraphicKind kind) {
        if (kind == PaneGraphicKind::Cutting) {
            walk_.emplace<PieceWalk<CuttingPen>>();
        }
    }

    Outcome draw(const ThreadJob& job, std::u16string_view text, const TextEdit& edit,
                 NcLineReader& reader, const SurfaceState& before) {
        return std::visit(
            [&](auto& walk) { return drawWith(walk, job, text, edit, reader, before); }, walk_);
    }

    PiecewiseDisplayList list;
    SurfaceState after;

    std::size_t linesWalked() const {
        return std::visit([](const auto& walk) { return walk.linesWalked(); }, walk_);
    }
    std::vector<std::size_t> pieceStarts() const {
        return std::visit([](const auto& walk) { return walk.starts(); }, walk_);
    }

private:
    // Before a program output the scale comes from the whole text's extent. The walk
    // keeps each piece's extent: drawn on at the scale of the last drawing, its pieces
    // tell the new text's extent, and only when that moved is the whole text drawn
    // again at the new scale.
    template <typename Pen>
    Outcome drawWith(PieceWalk<Pen>& walk, const ThreadJob& job, std::u16string_view text,
                     const TextEdit& edit, NcLineReader& reader, const SurfaceState& before) {
        if (job.inputsSet) {
            drawnExtent_.reset();
            return drawOn(walk, basisFromJob(job, Pen::kKind), text, edit, reader, before);
        }
        std::optional<ProgramExtent> extent;
        if (drawnExtent_) {
            const NcLineReader readerBefore = reader;
            const Outcome outcome = drawOn(walk, basisFromExtent(*drawnExtent_, Pen::kKind), text,
                                           edit, reader, before);
            if (walk.walked()) {
                extent = walk.extent();
                if (extent && sameBits(*extent, *drawnExtent_)) {
                    return outcome;
                }
            } else {
                extent = programExtent(text, readerBefore);
            }
            reader = readerBefore;
        } else {
            extent = programExtent(text, reader);
        }
        walk.forget();
        drawnExtent_ = extent;
        return drawOn(walk,
                      extent ? basisFromExtent(*extent, Pen::kKind) : basisFromJob(job, Pen::kKind),
                      text, edit, reader, before);
    }

    template <typename Pen>
    Outcome drawOn(PieceWalk<Pen>& walk, const GraphicBasis& basis, std::u16string_view text,
                   const TextEdit& edit, NcLineReader& reader, const SurfaceState& before) {
        if (!Pen::canDraw(basis)) {
            walk.forget();
            return {};
        }
        RecordingSurface head(before);
        Pen pen;
        bool headDrawn = false;
        try {
            headDrawn = pen.drawHead(basis, head);
        } catch (const DataError&) {
            headDrawn = false; // what was drawn stays, as in a whole drawing
        }
        list.head = head.takeCommands();
        list.pieces.clear();
        list.tail.clear();
        after = head.state();
        if (!headDrawn) {
            walk.forget();
            return {true, false};
        }
        reader.startWalk();
        const bool walked = walk.walk(text, edit, WalkPoint<Pen>{0, reader, head.state(), pen});
        const WalkPoint<Pen>& end = walk.end();
        reader = end.reader;
        // The walk draws nothing that sets the pointer or the visibility: they stand
        // as the head left them, whatever the pieces taken over from earlier walks say.
        SurfaceState endSurface = end.surface;
        endSurface.mousePointer = head.state().mousePointer;
        endSurface.visible = head.state().visible;
        RecordingSurface tail(endSurface);
        end.pen.drawTail(tail);
        if (walked) {
            tail.setMousePointer(MousePointer::Crosshair);
        }
        list.pieces = walk.pieces();
        list.tail = tail.takeCommands();
        after = tail.state();
        return {true, walked};
    }

    std::variant<PieceWalk<PointPen>, PieceWalk<CuttingPen>> walk_;
    // The extent the pieces were drawn to the scale of, before a program output.
    std::optional<ProgramExtent> drawnExtent_;
};

IncrementalGraphic::IncrementalGraphic(PaneGraphicKind kind)
    : walks_(std::make_unique<Walks>(kind)) {}

IncrementalGraphic::~IncrementalGraphic() = default;

IncrementalGraphic::Outcome IncrementalGraphic::draw(const ThreadJob& job, std::u16string_view text,
                                                     const TextEdit& edit, NcLineReader& reader,
                                                     const SurfaceState& before) {
    return walks_->draw(job, text, edit, reader, before);
}

const PiecewiseDisplayList& IncrementalGraphic::displayList() const {
    return walks_->list;
}

const SurfaceState& IncrementalGraphic::stateAfter() const {
    return walks_->after;
}

std::size_t IncrementalGraphic::linesWalked() const {
    return walks_->linesWalked();
}

std::vector<std::size_t> IncrementalGraphic::pieceStarts() const {
    return walks_->pieceStarts();
}

} // namespace quillmar
