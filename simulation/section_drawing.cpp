#include "simulation/section_drawing.h"

#include "graphics/graphic_colours.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quillmar {

namespace {

constexpr int kMostColumns = 600;
constexpr Colour kMaterialBrown = Colour::rgb(110, 90, 70);
constexpr Colour kOutlineCyan = Colour::rgb(0, 255, 255);
constexpr Colour kToolWhite = Colour::rgb(255, 255, 255);
constexpr Colour kOverLimitRed = Colour::rgb(255, 40, 40);
constexpr Colour kChipRed = Colour::rgb(220, 0, 0);

// Each run's cut in its own shade, from deep orange to pale yellow.
Colour runShade(int run, int runs) {
    const double t = runs > 1 ? double(run) / (runs - 1) : 1.0;
    return Colour::rgb(255, std::uint8_t(120 + 120 * t), std::uint8_t(40 + 140 * t));
}

struct Frame {
    double top = 0;
    double bottom = 0;
};

} // namespace

bool drawSection(const SimulationResult& result, const SectionView& view, DrawingSurface& surface) {
    const SectionSetup& setup = result.setup;
    const int cells = int(result.materialDepth.size());
    surface.setBackground(kGraphicBackground);
    surface.clear();
    if (cells == 0 || !(result.cellWidth > 0)) {
        return false;
    }
    // Drawing y is minus the radius, as in the graphics: side x depth.
    const auto yOf = [&](double depth) { return setup.side * depth; };
    const auto xOf = [&](double position) { return setup.pitch - position; };

    double shallow = setup.depthOf(setup.stockDiameter);
    double deep = shallow;
    for (int k = 0; k < cells; ++k) {
        deep = std::max(deep, result.materialDepth[std::size_t(k)]);
        if (!result.designDepth.empty()) {
            deep = std::max(deep, result.designDepth[std::size_t(k)]);
            shallow = std::min(shallow, result.designDepth[std::size_t(k)]);
        }
    }
    const double depthSpan = std::max(deep - shallow, 0.1);
    double height = depthSpan * 1.3;
    double width = setup.pitch * 1.1;
    // To scale: pad whichever axis is short for the picture's shape.
    if (width / height < view.pixelAspect) {
        width = height * view.pixelAspect;
    } else {
        height = width / view.pixelAspect;
    }
    const double middleY = yOf((shallow + deep) / 2);
    const double left = setup.pitch / 2 - width / 2;
    const float top = float(middleY - height / 2);
    if (!std::isfinite(width) || !std::isfinite(height) ||
        !surface.setScale(float(left), top, float(width), float(height))) {
        return false;
    }
    // The material reaches to the picture's edge on its side.
    const double materialEdge = setup.side > 0 ? middleY + height / 2 : middleY - height / 2;

    const int columns = std::min(cells, kMostColumns);
    const auto cellOfColumn = [&](int c) {
        return std::min(cells - 1, int((c + 0.5) * cells / columns));
    };
    const double stockDepth = setup.depthOf(setup.stockDiameter);
    const int runs = int(result.depthAfterRun.size());
    for (int c = 0; c < columns; ++c) {
        const int cell = cellOfColumn(c);
        const double x = xOf((cell + 0.5) * result.cellWidth);
        surface.line(x, yOf(result.materialDepth[std::size_t(cell)]), x, materialEdge,
                     kMaterialBrown);
        double before = stockDepth;
        for (int run = 0; run < runs; ++run) {
            const double after = result.depthAfterRun[std::size_t(run)][std::size_t(cell)];
            if (after > before) {
                surface.line(x, yOf(before), x, yOf(after), runShade(run, runs));
            }
            before = std::max(before, after);
        }
        if (view.selectedPass && std::size_t(cell) < view.depthAfterSelected.size() &&
            std::size_t(cell) < view.depthBeforeSelected.size()) {
            const double was = view.depthBeforeSelected[std::size_t(cell)];
            const double now = view.depthAfterSelected[std::size_t(cell)];
            if (now > was) {
                surface.line(x, yOf(was), x, yOf(now), kChipRed);
            }
        }
    }

    surface.setLineStyle(LineStyle::Dotted);
    surface.line(xOf(0), yOf(stockDepth), xOf(setup.pitch), yOf(stockDepth), kStockBlue);
    surface.setLineStyle(LineStyle::Solid);
    if (!result.designDepth.empty()) {
        surface.point(xOf(0.5 * result.cellWidth), yOf(result.designDepth.front()), kOutlineCyan);
        for (int c = 0; c < columns; ++c) {
            const int cell = cellOfColumn(c);
            surface.lineTo(xOf((cell + 0.5) * result.cellWidth),
                           yOf(result.designDepth[std::size_t(cell)]), kOutlineCyan);
        }
    }

    // The nose and the body's sides up to the picture's edge on the open side.
    const double halfAngle = std::clamp(setup.bodyHalfAngleDegrees, 0.0, 89.0) * kAnglePi / 180;
    const auto drawTool = [&](const PassCut& pass, Colour colour) {
        const double centreDepth = setup.passDepth(pass.x, pass.start) - setup.noseRadius;
        const double x = xOf(pass.position);
        surface.circle(x, yOf(centreDepth), setup.noseRadius, colour);
        const double tangentDepth = centreDepth + setup.noseRadius * std::sin(halfAngle);
        const double edgeDepth = setup.side > 0 ? middleY - height / 2 : -(middleY + height / 2);
        const double spread = (tangentDepth - edgeDepth) * std::tan(halfAngle);
        for (const double sign : {-1.0, 1.0}) {
            const double foot = x + sign * setup.noseRadius * std::cos(halfAngle);
            surface.line(foot, yOf(tangentDepth), foot + sign * spread, yOf(edgeDepth), colour);
        }
    };
    if (view.maxChipArea) {
        for (const PassCut& pass : result.passes) {
            if (pass.chipArea > *view.maxChipArea) {
                surface.circle(xOf(pass.position),
                               yOf(setup.passDepth(pass.x, pass.start) - setup.noseRadius),
                               setup.noseRadius, kOverLimitRed);
            }
        }
    }
    if (view.selectedPass && *view.selectedPass >= 0 &&
        std::size_t(*view.selectedPass) < result.passes.size()) {
        drawTool(result.passes[std::size_t(*view.selectedPass)], kToolWhite);
    }
    return true;
}

} // namespace quillmar
