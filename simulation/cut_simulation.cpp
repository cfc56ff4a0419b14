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

// Passes one pitch apart in Z to within the thousandth a program writes Z to (and a
// little more: two rounded values) are further starts of the same point.
constexpr double kNextStartTolerance = 0.0015;

// The start of every pass of a taper thread of several starts, where it matters: the
// generator writes each point once per start, start 0 first and every further start
// one pitch further out, so a pass one pitch beyond the one before it in the same run
// is that one's next start. Empty (start 0 for all) otherwise.
std::vector<int> passStarts(const PassReading& reading, const SectionSetup& setup, int count) {
    std::vector<int> starts;
    if (setup.starts <= 1 || setup.taper == 0) {
        return starts;
    }
    starts.assign(std::size_t(count), 0);
    for (int k = 1; k < count; ++k) {
        const ThreadingPass& before = reading.passes[std::size_t(k - 1)];
        const ThreadingPass& pass = reading.passes[std::size_t(k)];
        const int next = starts[std::size_t(k - 1)] + 1;
        if (pass.run == before.run && next < setup.starts &&
            std::fabs((pass.z - before.z) - setup.pitch) <= kNextStartTolerance) {
            starts[std::size_t(k)] = next;
        }
    }
    return starts;
}

std::optional<GrooveTwins> grooveTwins(const PassReading& reading, const SectionSetup& setup,
                                       const std::vector<int>& starts, int shown, int grooves) {
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
        const auto startOf = [&](int k) { return starts.empty() ? 0 : starts[std::size_t(k)]; };
        return setup.xOnFirstPitch(first.x, startOf(a)) ==
                   setup.xOnFirstPitch(second.x, startOf(b)) &&
               setup.samePlace(first.z, second.z);
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

// Checkpoints: one every so many passes (a pass slider's step re-cuts at most that
// many), fewer where the fields are large, within a memory budget.
constexpr int kPassesBetweenCheckpoints = 512;
constexpr std::size_t kCheckpointBudgetBytes = std::size_t(64) << 20;

int checkpointSpacing(int count, const CutCheckpoint& state) {
    const std::size_t cells = state.fields.empty() || !state.fields.front()
                                  ? 0
                                  : std::size_t(state.fields.front()->cellCount());
    const std::size_t fields = state.twins ? 2 : state.fields.size();
    const std::size_t bytes = std::max<std::size_t>(1, fields * cells * 24);
    const std::size_t most = kCheckpointBudgetBytes / bytes;
    if (most == 0) {
        return INT32_MAX;
    }
    const std::size_t spread = (std::size_t(count) + most - 1) / most;
    return int(std::max<std::size_t>(kPassesBetweenCheckpoints, spread));
}

CutCheckpoint compactedCopy(const CutCheckpoint& state, int pass, std::size_t runsEnded) {
    CutCheckpoint copy;
    copy.pass = pass;
    copy.reach = state.reach;
    copy.twins = state.twins;
    copy.shown = state.shown;
    copy.fields.reserve(state.fields.size());
    for (const auto& field : state.fields) {
        copy.fields.push_back(field ? std::optional<HeightField>(field->compacted())
                                    : std::nullopt);
    }
    if (state.ahead) {
        copy.ahead = state.ahead->compacted();
    }
    copy.shownFigures = state.shownFigures;
    copy.largestArea = state.largestArea;
    copy.largestThickness = state.largestThickness;
    copy.largestChipPass = state.largestChipPass;
    copy.thickestChipPass = state.thickestChipPass;
    copy.airPasses = state.airPasses;
    copy.runsEnded = runsEnded;
    return copy;
}

// Everything the cut depends on besides the passes (the outline is only measured against).
bool cutsAlike(const SectionSetup& a, const SectionSetup& b) {
    return a.pitch == b.pitch && a.zReference == b.zReference && a.side == b.side &&
           a.stockDiameter == b.stockDiameter && a.noseRadius == b.noseRadius &&
           a.bodyHalfAngleDegrees == b.bodyHalfAngleDegrees && a.starts == b.starts;
}

// The latest checkpoint of an earlier whole result that was cut from the same passes as
// the first passes of `reading`, before its pass `count` (the last pass is cut here).
const CutCheckpoint* resumePoint(const SimulationResult* earlier, const PassReading& reading,
                                 const SectionSetup& setup, int count, const CutCheckpoint& fresh) {
    if (earlier == nullptr || !earlier->checkpoints || !cutsAlike(earlier->setup, setup)) {
        return nullptr;
    }
    const std::size_t common = std::min(earlier->passes.size(), reading.passes.size());
    std::size_t same = 0;
    while (same < common) {
        const PassCut& was = earlier->passes[same];
        const ThreadingPass& is = reading.passes[same];
        if (was.run != is.run || was.x != is.x || was.z != is.z) {
            break;
        }
        ++same;
    }
    const auto& checkpoints = *earlier->checkpoints;
    for (auto at = checkpoints.rbegin(); at != checkpoints.rend(); ++at) {
        if (at->pass < count && at->reach < int(same) && at->twins == fresh.twins &&
            at->shown == fresh.shown && at->fields.size() == fresh.fields.size()) {
            return &*at;
        }
    }
    return nullptr;
}

// The design outline's depth per cell and the cusp and gouge over every groove's field.
// The same deviations normal to the outline, over every groove's field.
void measureNormalDeviations(SimulationResult& result,
                             const std::vector<std::optional<HeightField>>& fields) {
    std::optional<Deviation> cuspNormal;
    std::optional<Deviation> gougeNormal;
    for (const auto& field : fields) {
        if (!field) {
            continue;
        }
        for (const bool above : {true, false}) {
            auto& found = above ? cuspNormal : gougeNormal;
            const Deviation deviation =
                largestNormalDeviation(*field, result.designDepth, result.setup, above);
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
}

void measureDeviations(SimulationResult& result, const HeightField& shownField,
                       const std::vector<std::optional<HeightField>>& fields) {
    const SectionSetup& setup = result.setup;
    if (!setup.outline) {
        return;
    }
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
        const Deviation fieldCusp =
            largestDeviation(*field, result.designDepth, designAt,
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
    result.cusp = cusp && cusp->height > kTouchingTolerance ? *cusp : Deviation{};
    if (gouge && gouge->height > kTouchingTolerance) {
        result.gouge = gouge;
    }
    measureNormalDeviations(result, fields);
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

bool SectionSetup::samePlace(double za, double zb) const {
    const double apart = positionOf(za) - positionOf(zb);
    return std::fabs(std::remainder(apart, pitch)) <= kSamePlace;
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
    setup.taper = job.taperAngle == 0 ? 0.0 : std::tan(job.taperAngle * (kAnglePi / 180));
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
    return simulateCut(reading, setup,
                       SimulationRequest{passLimit, stop, nullptr, std::nullopt, false, true});
}

SimulationResult simulateCut(const PassReading& reading, const SectionSetup& setup,
                             const SimulationRequest& request) {
    SimulationResult result;
    result.setup = setup;
    result.chipsOnly = request.chipsOnly;
    result.runs = reading.runs;
    result.readComplete = reading.complete;
    const int count =
        std::min<int>(int(reading.passes.size()), request.passLimit.value_or(INT32_MAX));
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
    const int shown = count > 0 ? setup.grooveOf(reading.passes.front().z) : 0;
    const std::vector<int> starts = passStarts(reading, setup, count);
    const auto depthOfPass = [&](int k, const ThreadingPass& pass) {
        return setup.passDepth(pass.x, starts.empty() ? 0 : starts[std::size_t(k)]);
    };
    const std::optional<GrooveTwins> twins = grooveTwins(reading, setup, starts, shown, grooves);
    CutCheckpoint state;
    state.twins = twins.has_value();
    state.shown = shown;
    state.fields.resize(std::size_t(grooves));
    // The sections after each run and the last pass, drawn by the window; not for the
    // chips alone.
    const bool sections = !request.chipsOnly;
    // Figures of the chips' areas alone do not go on into a simulation that wants them all.
    const bool resumable =
        request.earlier != nullptr && (request.chipsOnly || !request.earlier->chipsOnly);
    if (const CutCheckpoint* from =
            resumable ? resumePoint(request.earlier, reading, setup, count, state) : nullptr) {
        state = *from;
        result.resumedFrom = from->pass;
        const SimulationResult& earlier = *request.earlier;
        result.passes.assign(earlier.passes.begin(), earlier.passes.begin() + from->pass);
        for (PassCut& cut : result.passes) {
            cut.line = reading.passes[std::size_t(cut.pass)].line;
        }
        if (sections) {
            result.depthAfterRun.assign(earlier.depthAfterRun.begin(),
                                        earlier.depthAfterRun.begin() +
                                            std::ptrdiff_t(from->runsEnded));
        }
    }
    const auto fieldOf = [&](int groove) -> HeightField& {
        auto& field = state.fields[std::size_t(groove)];
        if (!field) {
            field.emplace(setup.pitch, setup.depthOf(setup.stockDiameter), tool);
        }
        return *field;
    };
    HeightField& shownField = fieldOf(shown);
    result.cellWidth = shownField.cellWidth();
    const auto figuresInPlace = [&](int place) {
        while (int(state.shownFigures.size()) <= place) {
            if (!state.ahead) {
                state.ahead.emplace(shownField);
            }
            const int k = twins->shownPasses[state.shownFigures.size()];
            const ThreadingPass& pass = reading.passes[std::size_t(k)];
            state.shownFigures.push_back(state.ahead->cut(k, setup.positionOf(pass.z),
                                                          depthOfPass(k, pass), request.chipsOnly));
            state.reach = std::max(state.reach, k);
        }
        return state.shownFigures[std::size_t(place)];
    };
    const auto cutPass = [&](int k, const ThreadingPass& pass, double position) {
        const int groove = setup.grooveOf(pass.z);
        if (!twins) {
            return fieldOf(groove).cut(k, position, depthOfPass(k, pass), request.chipsOnly);
        }
        const int place = twins->place[std::size_t(k)];
        if (groove != shown) {
            return figuresInPlace(place);
        }
        const CutFigures figures =
            shownField.cut(k, position, depthOfPass(k, pass), request.chipsOnly);
        if (place == int(state.shownFigures.size())) {
            state.shownFigures.push_back(figures);
        }
        return figures;
    };
    const bool whole = !request.passLimit && request.checkpoints;
    auto checkpoints = std::make_shared<std::vector<CutCheckpoint>>();
    const int spacing = checkpointSpacing(count, state);
    for (int k = result.resumedFrom; k < count; ++k) {
        if (request.stop && k % kPassesBetweenStopChecks == 0 && request.stop()) {
            result.stopped = true;
            return result;
        }
        const ThreadingPass& pass = reading.passes[std::size_t(k)];
        if (whole && k > result.resumedFrom && k % spacing == 0) {
            checkpoints->push_back(compactedCopy(state, k, result.depthAfterRun.size()));
        }
        if (sections && k > 0 && pass.run != reading.passes[std::size_t(k - 1)].run) {
            result.depthAfterRun.push_back(shownField.centreDepths());
        }
        if (sections && k == count - 1) {
            result.materialDepthBeforeLast = shownField.centreDepths();
        }
        PassCut cut{pass.run, k, pass.line, pass.x, pass.z, setup.positionOf(pass.z)};
        cut.start = starts.empty() ? 0 : starts[std::size_t(k)];
        const CutFigures figures = cutPass(k, pass, cut.position);
        state.reach = std::max(state.reach, k);
        cut.chipArea = figures.area;
        cut.chipThickness = figures.thickness;
        cut.thicknessPosition = figures.thicknessPosition;
        cut.chipThicknessNormal = figures.normalThickness;
        cut.normalThicknessPosition = figures.normalThicknessPosition;
        cut.engagedEdge = figures.engagedEdge;
        cut.air = !(figures.area > kAirArea);
        if (cut.air) {
            ++state.airPasses;
        }
        if (!cut.air && figures.area > state.largestArea) {
            state.largestArea = figures.area;
            state.largestChipPass = k;
        }
        if (!cut.air && figures.thickness > state.largestThickness) {
            state.largestThickness = figures.thickness;
            state.thickestChipPass = k;
        }
        if (!cut.air && figures.normalThickness > state.largestNormalThickness) {
            state.largestNormalThickness = figures.normalThickness;
            state.thickestNormalChipPass = k;
        }
        result.passes.push_back(cut);
        if (request.chipLimit && pass.run == reading.runs - 1 &&
            figures.area > *request.chipLimit) {
            result.stopped = true;
            result.overChipLimit = true;
            return result;
        }
    }
    if (sections && count > 0) {
        result.depthAfterRun.push_back(shownField.centreDepths());
    }
    if (sections) {
        result.materialDepth = shownField.centreDepths();
    }
    result.airPasses = state.airPasses;
    result.largestChipPass = state.largestChipPass;
    result.thickestChipPass = state.thickestChipPass;
    result.thickestNormalChipPass = state.thickestNormalChipPass;
    if (!request.chipsOnly) {
        measureDeviations(result, shownField, state.fields);
    }
    if (whole) {
        state.pass = count;
        state.runsEnded = sections ? result.depthAfterRun.size() - (count > 0 ? 1 : 0) : 0;
        checkpoints->push_back(std::move(state));
        result.checkpoints = std::move(checkpoints);
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
