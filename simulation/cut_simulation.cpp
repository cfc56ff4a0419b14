#include "simulation/cut_simulation.h"

#include "simulation/height_field.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace quillmar {

namespace {

// A pass that removes less than this has cut air.
constexpr double kAirArea = 1e-9;
// How many of the largest sampled deviations are refined against the exact surface.
constexpr int kRefinedCandidates = 8;
// A pass takes some 70 microseconds: a stop is seen within a few milliseconds.
constexpr int kPassesBetweenStopChecks = 32;

double degreesToRadians(double degrees) {
    return std::clamp(degrees, 0.0, 89.0) * kAnglePi / 180;
}

// The largest of f(design depth, material depth) over the section, refined around
// the best local maxima of its samples at the cell centres.
template <class F>
Deviation largestDeviation(const HeightField& field, const std::vector<double>& design,
                           const std::function<double(double)>& designAt, F f) {
    const int cells = field.cellCount();
    const auto& material = field.centreDepths();
    const auto& owners = field.owners();
    const auto sample = [&](int k) { return f(design[k], material[k], owners[k]); };
    std::vector<std::pair<double, int>> peaks;
    for (int k = 0; k < cells; ++k) {
        const double value = sample(k);
        if (value >= sample((k + cells - 1) % cells) && value >= sample((k + 1) % cells)) {
            peaks.emplace_back(value, k);
        }
    }
    const auto keep = std::min<std::size_t>(peaks.size(), kRefinedCandidates);
    std::partial_sort(peaks.begin(), peaks.begin() + std::ptrdiff_t(keep), peaks.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    Deviation best{-std::numeric_limits<double>::infinity(), 0, -1};
    for (std::size_t p = 0; p < keep; ++p) {
        const int cell = peaks[p].second;
        const auto [at, height] = field.refineAround(cell, [&](double u, HeightField::Surface s) {
            return f(designAt(u), s.depth, s.pass);
        });
        if (height > best.height) {
            const double position = std::fmod(at + field.cellCount() * field.cellWidth(),
                                              field.cellCount() * field.cellWidth());
            best = {height, position, field.exactSurface(at, cell).pass};
        }
    }
    return best;
}

// The largest distance normal to the outline of the material on one side of it
// (`above`: left above it; else cut below it, by a pass). It is never more than the
// radial distance at the same place, so the radial peaks are tried largest first until
// they cannot beat the best so far; the best few are refined against the exact surface.
Deviation largestNormalDeviation(const HeightField& field, const std::vector<double>& design,
                                 const SectionSetup& setup, bool above) {
    const auto& material = field.centreDepths();
    const auto& owners = field.owners();
    const int cells = field.cellCount();
    const auto radial = [&](int k) {
        if (!above && owners[std::size_t(k)] < 0) {
            return -std::numeric_limits<double>::infinity();
        }
        const double apart = design[std::size_t(k)] - material[std::size_t(k)];
        return above ? apart : -apart;
    };
    std::vector<std::pair<double, int>> peaks;
    for (int k = 0; k < cells; ++k) {
        const double value = radial(k);
        if (value > kTouchingTolerance && value >= radial((k + cells - 1) % cells) &&
            value >= radial((k + 1) % cells)) {
            peaks.emplace_back(value, k);
        }
    }
    std::sort(peaks.begin(), peaks.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    const DesignOutline& outline = *setup.outline;
    const auto normalAt = [&](double u, double depth) {
        return outline.distanceTo(u, setup.diameterOf(depth));
    };
    std::vector<std::pair<double, int>> normals;
    double bestSoFar = 0;
    for (const auto& [height, cell] : peaks) {
        if (height <= bestSoFar) {
            break;
        }
        const double normal = normalAt(field.cellPosition(cell), material[std::size_t(cell)]);
        bestSoFar = std::max(bestSoFar, normal);
        normals.emplace_back(normal, cell);
    }
    const auto keep = std::min<std::size_t>(normals.size(), kRefinedCandidates);
    std::partial_sort(normals.begin(), normals.begin() + std::ptrdiff_t(keep), normals.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    const double period = cells * field.cellWidth();
    Deviation best{0, 0, -1};
    for (std::size_t p = 0; p < keep; ++p) {
        const int cell = normals[p].second;
        const auto [at, height] = field.refineAround(cell, [&](double u, HeightField::Surface s) {
            const double apart =
                setup.depthOf(outline.diameterAt(std::fmod(u + period, period))) - s.depth;
            const bool onSide = above ? apart > 0 : apart < 0 && s.pass >= 0;
            return onSide ? normalAt(u, s.depth) : 0.0;
        });
        if (height > best.height) {
            best = {height, std::fmod(at + period, period), field.exactSurface(at, cell).pass};
        }
    }
    return best;
}

// Places within the pitch closer than this are one place (a millionth of a cell).
constexpr double kSamePlace = 1e-9;

// A multi-start program's passes where every start's grooves get the same passes as the
// shown groove (the same X at the same place in the pitch, in the same order), as the
// generator writes them: then the shown groove's field stands for every groove, and a
// pass of another start takes the figures of the shown groove's pass in its place.
struct GrooveTwins {
    std::vector<int> place;       // per pass, its place among its own groove's passes
    std::vector<int> shownPasses; // the shown groove's passes in order
};

std::optional<GrooveTwins> grooveTwins(const PassReading& reading, const SectionSetup& setup,
                                       int shown, int grooves) {
    if (grooves <= 1) {
        return std::nullopt;
    }
    std::vector<std::vector<int>> members(static_cast<std::size_t>(grooves));
    GrooveTwins twins;
    twins.place.reserve(reading.passes.size());
    for (std::size_t k = 0; k < reading.passes.size(); ++k) {
        auto& own = members[std::size_t(setup.grooveOf(reading.passes[k].z))];
        twins.place.push_back(int(own.size()));
        own.push_back(int(k));
    }
    twins.shownPasses = members[std::size_t(shown)];
    const auto same = [&](int a, int b) {
        const ThreadingPass& first = reading.passes[std::size_t(a)];
        const ThreadingPass& second = reading.passes[std::size_t(b)];
        const double apart = setup.positionOf(first.z) - setup.positionOf(second.z);
        return first.x == second.x && std::fabs(std::remainder(apart, setup.pitch)) <= kSamePlace;
    };
    for (const auto& own : members) {
        if (own.empty()) {
            continue;
        }
        if (own.size() != twins.shownPasses.size() ||
            !std::equal(own.begin(), own.end(), twins.shownPasses.begin(), same)) {
            return std::nullopt;
        }
    }
    return twins;
}

} // namespace

int SectionSetup::grooveOf(double z) const {
    const double groove = std::floor((zReference - z) / pitch);
    if (!std::isfinite(groove) || starts <= 1) {
        return 0;
    }
    const double index = std::fmod(groove, double(starts));
    return int(index < 0 ? index + starts : index);
}

double SectionSetup::positionOf(double z) const {
    double w = std::fmod(zReference - z, pitch);
    if (w < 0) {
        w += pitch;
    }
    return w >= pitch ? w - pitch : w;
}

SectionSetup sectionFromJob(const ThreadJob& job, const SimulationOptions& options) {
    SectionSetup setup;
    setup.pitch = job.pitch;
    setup.zReference = job.zStart + job.pitch;
    setup.side = signOf(job.side);
    setup.stockDiameter = job.stockDiameter;
    setup.noseRadius = job.noseRadius;
    setup.starts = job.starts;
    setup.bodyHalfAngleDegrees = options.bodyHalfAngleDegrees;
    setup.outline = DesignOutline::fromJob(job);
    return setup;
}

SectionSetup sectionWithoutJob(const PassReading& reading, const SimulationOptions& options) {
    SectionSetup setup;
    setup.noseRadius = options.noseRadiusWithoutJob;
    setup.bodyHalfAngleDegrees = options.bodyHalfAngleDegrees;
    if (reading.passes.empty()) {
        return setup;
    }
    const ThreadingPass& first = reading.passes.front();
    setup.pitch = first.feed;
    setup.side = first.retracted && first.retractX < first.x ? -1 : 1;
    setup.stockDiameter = first.x;
    for (const ThreadingPass& pass : reading.passes) {
        setup.stockDiameter = setup.side > 0 ? std::max(setup.stockDiameter, pass.x)
                                             : std::min(setup.stockDiameter, pass.x);
    }
    return setup;
}

SimulationResult simulateCut(const PassReading& reading, const SectionSetup& setup,
                             std::optional<int> passLimit, const SimulationStop& stop) {
    SimulationResult result;
    result.setup = setup;
    result.runs = reading.runs;
    result.readComplete = reading.complete;
    const int count = std::min<int>(int(reading.passes.size()), passLimit.value_or(INT32_MAX));
    // Beyond these a section means nothing on any lathe, and squares would overflow.
    constexpr double kLargestLength = 1e6;
    const bool laidOut = setup.pitch > 0 && setup.pitch <= kLargestLength &&
                         std::fabs(setup.stockDiameter) <= 1e12 && setup.noseRadius >= 0 &&
                         setup.noseRadius <= kLargestLength;
    if (!laidOut) {
        for (int k = 0; k < count; ++k) {
            const ThreadingPass& pass = reading.passes[std::size_t(k)];
            result.passes.push_back(
                PassCut{pass.run, k, pass.line, pass.x, pass.z, 0, 0, 0, 0, true});
        }
        result.airPasses = count;
        return result; // no pitch: no section to cut
    }

    // Each start of a multi-start thread cuts grooves of its own: every groove along the
    // axis has a field (one for all where the starts' passes are twins), and the section
    // shows the first one cut.
    const ToolShape tool(setup.noseRadius, degreesToRadians(setup.bodyHalfAngleDegrees));
    const int grooves = std::clamp(setup.starts, 1, kMostStarts);
    std::vector<std::unique_ptr<HeightField>> fields(static_cast<std::size_t>(grooves));
    const auto fieldOf = [&](int groove) -> HeightField& {
        auto& field = fields[std::size_t(groove)];
        if (!field) {
            field = std::make_unique<HeightField>(setup.pitch, setup.depthOf(setup.stockDiameter),
                                                  tool);
        }
        return *field;
    };
    const int shown = count > 0 ? setup.grooveOf(reading.passes.front().z) : 0;
    HeightField& shownField = fieldOf(shown);
    result.cellWidth = shownField.cellWidth();
    const std::optional<GrooveTwins> twins = grooveTwins(reading, setup, shown, grooves);
    std::vector<CutFigures> shownFigures; // by place, where twins stand for each other
    std::unique_ptr<HeightField> ahead;   // the shown groove cut ahead of the program's order
    const auto figuresInPlace = [&](int place) {
        while (int(shownFigures.size()) <= place) {
            if (!ahead) {
                ahead = std::make_unique<HeightField>(shownField);
            }
            const int k = twins->shownPasses[shownFigures.size()];
            const ThreadingPass& pass = reading.passes[std::size_t(k)];
            shownFigures.push_back(ahead->cut(k, setup.positionOf(pass.z), setup.depthOf(pass.x)));
        }
        return shownFigures[std::size_t(place)];
    };
    const auto cutPass = [&](int k, const ThreadingPass& pass, double position) {
        const int groove = setup.grooveOf(pass.z);
        if (!twins) {
            return fieldOf(groove).cut(k, position, setup.depthOf(pass.x));
        }
        const int place = twins->place[std::size_t(k)];
        if (groove != shown) {
            return figuresInPlace(place);
        }
        const CutFigures figures = shownField.cut(k, position, setup.depthOf(pass.x));
        if (place == int(shownFigures.size())) {
            shownFigures.push_back(figures);
        }
        return figures;
    };
    double largestArea = 0;
    double largestThickness = 0;
    double largestNormalThickness = 0;
    for (int k = 0; k < count; ++k) {
        if (stop && k % kPassesBetweenStopChecks == 0 && stop()) {
            result.stopped = true;
            return result;
        }
        const ThreadingPass& pass = reading.passes[std::size_t(k)];
        if (k > 0 && pass.run != reading.passes[std::size_t(k - 1)].run) {
            result.depthAfterRun.push_back(shownField.centreDepths());
        }
        if (k == count - 1) {
            result.materialDepthBeforeLast = shownField.centreDepths();
        }
        PassCut cut{pass.run, k, pass.line, pass.x, pass.z, setup.positionOf(pass.z)};
        const CutFigures figures = cutPass(k, pass, cut.position);
        cut.chipArea = figures.area;
        cut.chipThickness = figures.thickness;
        cut.thicknessPosition = figures.thicknessPosition;
        cut.chipThicknessNormal = figures.normalThickness;
        cut.normalThicknessPosition = figures.normalThicknessPosition;
        cut.engagedEdge = figures.engagedEdge;
        cut.air = !(figures.area > kAirArea);
        if (cut.air) {
            ++result.airPasses;
        }
        if (!cut.air && figures.area > largestArea) {
            largestArea = figures.area;
            result.largestChipPass = k;
        }
        if (!cut.air && figures.thickness > largestThickness) {
            largestThickness = figures.thickness;
            result.thickestChipPass = k;
        }
        if (!cut.air && figures.normalThickness > largestNormalThickness) {
            largestNormalThickness = figures.normalThickness;
            result.thickestNormalChipPass = k;
        }
        result.passes.push_back(cut);
    }
    if (count > 0) {
        result.depthAfterRun.push_back(shownField.centreDepths());
    }
    result.materialDepth = shownField.centreDepths();

    if (setup.outline) {
        const auto designAt = [&](double u) { return setup.depthOf(setup.outline->diameterAt(u)); };
        result.designDepth.resize(std::size_t(shownField.cellCount()));
        for (int k = 0; k < shownField.cellCount(); ++k) {
            result.designDepth[std::size_t(k)] = designAt(shownField.cellPosition(k));
        }
        std::optional<Deviation> cusp;
        std::optional<Deviation> gouge;
        for (const auto& field : fields) {
            if (!field) {
                continue;
            }
            const Deviation fieldCusp = largestDeviation(
                *field, result.designDepth, designAt,
                [](double design, double material, int) { return design - material; });
            if (!cusp || fieldCusp.height > cusp->height) {
                cusp = fieldCusp;
            }
            // Only a cut gouges: stock that was already short of the outline is not.
            const Deviation fieldGouge = largestDeviation(
                *field, result.designDepth, designAt, [](double design, double material, int pass) {
                    return pass < 0 ? -std::numeric_limits<double>::infinity() : material - design;
                });
            if (!gouge || fieldGouge.height > gouge->height) {
                gouge = fieldGouge;
            }
        }
        std::optional<Deviation> cuspNormal;
        std::optional<Deviation> gougeNormal;
        for (const auto& field : fields) {
            if (!field) {
                continue;
            }
            for (const bool above : {true, false}) {
                auto& found = above ? cuspNormal : gougeNormal;
                const Deviation deviation =
                    largestNormalDeviation(*field, result.designDepth, setup, above);
                if (!found || deviation.height > found->height) {
                    found = deviation;
                }
            }
        }
        result.cuspNormal =
            cuspNormal && cuspNormal->height > kTouchingTolerance ? *cuspNormal : Deviation{};
        if (gougeNormal && gougeNormal->height > kTouchingTolerance) {
            result.gougeNormal = gougeNormal;
        }
        result.cusp = cusp && cusp->height > kTouchingTolerance ? *cusp : Deviation{};
        if (gouge && gouge->height > kTouchingTolerance) {
            result.gouge = gouge;
        }
    }
    return result;
}

SimulationResult simulateProgram(std::u16string_view text, const ThreadJob* job,
                                 const SimulationOptions& options) {
    const PassReading reading = readThreadingPasses(text);
    const SectionSetup setup =
        job ? sectionFromJob(*job, options) : sectionWithoutJob(reading, options);
    return simulateCut(reading, setup);
}

} // namespace quillmar
