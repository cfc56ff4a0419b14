#include "graphics/graphic_basis.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

constexpr double kSmallestRange = 1;        // mm
constexpr double kBottomMarginRadius = 0.5; // mm of radius below the smallest diameter

// Height of the picture per mm of |D1 - D2|.
double heightFactor(GraphicKind kind) {
    return kind == GraphicKind::Points ? 1.3 : 1.4;
}

} // namespace

std::optional<ProgramExtent> programExtent(std::u16string_view text, NcLineReader reader) {
    std::optional<ProgramExtent> extent;
    reader.walkProgramText(text, [&](const NcMove& move) {
        widenExtent(extent, ProgramExtent{move.x, move.x, move.z, move.z});
    });
    return extent;
}

void widenExtent(std::optional<ProgramExtent>& extent, const ProgramExtent& more) {
    if (!extent) {
        extent = more;
        return;
    }
    extent->minX = std::min(extent->minX, more.minX);
    extent->maxX = std::max(extent->maxX, more.maxX);
    extent->minZ = std::min(extent->minZ, more.minZ);
    extent->maxZ = std::max(extent->maxZ, more.maxZ);
}

GraphicBasis basisFromExtent(const ProgramExtent& extent, GraphicKind kind) {
    GraphicBasis basis;
    const double zRange = std::max(extent.maxZ - extent.minZ, kSmallestRange);
    if (kind == GraphicKind::Points) {
        basis.zStart = extent.minZ;
        basis.pitch = zRange;
    } else {
        basis.zStart = extent.maxZ;
        basis.zEnd = extent.minZ;
        basis.passLength = zRange;
    }
    basis.d1 = extent.maxX;
    const double top = -std::floor(basis.d1 / 2) - 1.7;
    const double needed = (-extent.minX / 2 + kBottomMarginRadius - top) / heightFactor(kind);
    basis.d2 = basis.d1 - std::max({extent.maxX - extent.minX, needed, kSmallestRange});
    return basis;
}

GraphicBasis basisFromJob(const ThreadJob& job, GraphicKind kind) {
    GraphicBasis basis{job.pitch,
                       job.d1,
                       job.d2,
                       job.zStart,
                       job.zEnd,
                       job.passLength,
                       job.stockDiameter,
                       std::max(job.starts, 1)};
    if (kind == GraphicKind::Cutting && job.starts > 1) {
        // A multi-start thread's passes reach out one pitch further per start, and
        // its feed moves advance one lead (starts x pitch) a turn.
        basis.passLength = job.passLength + (job.starts - 1) * job.pitch;
        basis.pitch = job.pitch * job.starts;
    }
    return basis;
}

GraphicBasis graphicBasis(const ThreadJob& job, std::u16string_view text,
                          const NcLineReader& reader, GraphicKind kind) {
    if (!job.inputsSet) {
        if (const std::optional<ProgramExtent> extent = programExtent(text, reader)) {
            return basisFromExtent(*extent, kind);
        }
    }
    return basisFromJob(job, kind);
}

} // namespace quillmar
