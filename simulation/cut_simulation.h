#pragma once

#include "core/thread_job.h"
#include "simulation/design_outline.h"
#include "simulation/height_field.h"
#include "simulation/threading_passes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace quillmar {

// How the section is laid out and what cuts it.
struct SectionSetup {
    double pitch = 0;      // the section's period (the groove's own pitch)
    double zReference = 0; // program Z of position 0; positions grow toward -Z
    int side = 1;          // +1 outer thread (material below), -1 inner (material outside)
    double stockDiameter = 0;
    double noseRadius = 0;
    double bodyHalfAngleDegrees = 0;
    int starts = 1;   // a multi-start thread's grooves along the axis belong to its starts in turn
    double taper = 0; // tan of the taper angle: the program puts every start on one cone
    std::optional<DesignOutline> outline;

    // Position within the pitch, [0, pitch), of a program Z.
    double positionOf(double z) const;
    // Which start's groove a program Z lies in (0 for a single start).
    int grooveOf(double z) const;
    // Whether two program Z lie at one place in the pitch (to a millionth of a cell).
    bool samePlace(double za, double zb) const;
    // Program Z of a position, in the pitch that starts at zReference.
    double zOf(double position) const { return zReference - position; }
    // The X a pass of start `start` would have in start 0's pitch: a taper program
    // moves each further start's X along the cone by its pitches further out, and the
    // section measures every groove against start 0's place on it.
    double xOnFirstPitch(double x, int start) const {
        return start == 0 ? x : x + ((start * pitch) * taper) * 2;
    }
    // Depth into the material of a program X (a diameter).
    double depthOf(double x) const { return -side * x / 2; }
    // Depth of a pass of start `start` started at X x, on start 0's place of the cone.
    double passDepth(double x, int start) const { return depthOf(xOnFirstPitch(x, start)); }
    double diameterOf(double depth) const { return -2 * depth / side; }
};

struct SimulationOptions {
    double bodyHalfAngleDegrees = 0; // 0: a body as wide as the nose
    double noseRadiusWithoutJob = 0.4;
};

// The section as a known job lays it out: its pitch (not the F word, which is the
// lead of a multi-start thread) and starts, zStart + pitch at position 0 (the
// schedule's z = 0), its side, stock, nose radius and design outline.
SectionSetup sectionFromJob(const ThreadJob& job, const SimulationOptions& options);

// Without a job: the F word of the first pass as the pitch, Z 0 at position 0, the
// side from where the tool retracts to, the shallowest pass's X as the stock.
SectionSetup sectionWithoutJob(const PassReading& reading, const SimulationOptions& options);

struct PassCut {
    int run = 0;  // 0-based
    int pass = 0; // 0-based over the whole program
    int line = 0; // 0-based line of the threading move
    double x = 0;
    double z = 0;
    double position = 0;      // within the pitch
    double chipArea = 0;      // mm^2
    double chipThickness = 0; // mm, the deepest cut measured radially
    double thicknessPosition = 0;
    bool air = true;
    int start = 0; // the start of a multi-start taper thread the pass belongs to
    // The uncut chip's thickness normal to the tool's edge, where it is, and the length
    // of the edge the chip lies on (mm).
    double chipThicknessNormal = 0;
    double normalThicknessPosition = 0;
    double engagedEdge = 0;
};

// The largest distance between the material left and the design outline on one side
// of it, measured radially, with where it is and the pass whose cut left it (-1: the
// stock, untouched).
struct Deviation {
    double height = 0;
    double position = 0;
    int pass = -1;
};

// Where a simulation stood before one pass: what every groove's field held and the
// figures so far, so that a simulation of a reading that is the same up to there goes on
// from it instead of cutting those passes again.
struct CutCheckpoint {
    int pass = 0;   // the next pass to cut
    int reach = -1; // the last pass of the reading this state was cut from
    bool twins = false;
    int shown = 0;
    std::vector<std::optional<HeightField>> fields; // per groove, once cut
    std::optional<HeightField> ahead;
    std::vector<CutFigures> shownFigures;
    double largestArea = 0;
    double largestThickness = 0;
    int largestChipPass = -1;
    int thickestChipPass = -1;
    double largestNormalThickness = 0;
    int thickestNormalChipPass = -1;
    int airPasses = 0;
    std::size_t runsEnded = 0;
};

struct SimulationResult {
    SectionSetup setup;
    std::vector<PassCut> passes;
    int runs = 0;
    bool readComplete = true;

    // The section over one pitch, one value per cell (cell k at (k + 0.5) cellWidth).
    double cellWidth = 0;
    std::vector<double> materialDepth;              // after every pass
    std::vector<std::vector<double>> depthAfterRun; // after each run
    std::vector<double> designDepth;                // empty without an outline

    std::optional<Deviation> cusp;  // material left above the outline; outline known only
    std::optional<Deviation> gouge; // cut below it; none when nothing is
    // The same measured normal to the outline (the shortest distance to it), each
    // where it is largest.
    std::optional<Deviation> cuspNormal;
    std::optional<Deviation> gougeNormal;

    int largestChipPass = -1; // -1 when every pass cut air
    int thickestChipPass = -1;
    int thickestNormalChipPass = -1; // by the thickness normal to the edge
    int airPasses = 0;

    // The shown groove just before the last simulated pass (the chip the section draws
    // for it); empty without passes.
    std::vector<double> materialDepthBeforeLast;
    // The caller stopped the simulation before its end: nothing in it is complete.
    bool stopped = false;
    // It stopped at a pass of the last run over the request's chip limit.
    bool overChipLimit = false;
    // Its figures are the chips' areas alone (SimulationRequest::chipsOnly).
    bool chipsOnly = false;
    // The pass it went on from an earlier result's checkpoint (0: cut from the stock).
    int resumedFrom = 0;
    // Along the passes, in order, the last one after them all; only in a whole result.
    std::shared_ptr<const std::vector<CutCheckpoint>> checkpoints;
};

// Deviations smaller than this count as the tool touching the outline.
inline constexpr double kTouchingTolerance = 0.0001;

// Polled between passes: true stops the simulation (a newer edit replaces it).
using SimulationStop = std::function<bool()>;

struct SimulationRequest {
    std::optional<int> passLimit; // stop after that many passes (the pass slider)
    SimulationStop stop;          // a newer edit replaces this simulation
    // Go on from the latest of its checkpoints that the reading still matches (same
    // section, same passes up to there); the figures are those of a whole simulation.
    const SimulationResult* earlier = nullptr;
    // Stop at the first pass of the last run that removes more (a trial of the planner).
    std::optional<double> chipLimit;
    // Only the chips' areas are wanted (the planner): no chip thickness, cusp or gouge is
    // measured and no section kept (materialDepth, depthAfterRun and the one before the
    // last pass stay empty), which took a trial of the planner more than half its time.
    bool chipsOnly = false;
    // Keep checkpoints along a whole simulation (not the planner's trials: a third of
    // their time).
    bool checkpoints = true;
};

// Simulates the threading passes of `passes` in order, as the request asks.
SimulationResult simulateCut(const PassReading& passes, const SectionSetup& setup,
                             const SimulationRequest& request);

// Simulates every threading pass of `passes` in order, stopping after `passLimit`
// passes when given, or early when `stop` says so.
SimulationResult simulateCut(const PassReading& passes, const SectionSetup& setup,
                             std::optional<int> passLimit = std::nullopt,
                             const SimulationStop& stop = {});

// The standard program text as the job (when known) lays it out.
SimulationResult simulateProgram(std::u16string_view text, const ThreadJob* job,
                                 const SimulationOptions& options = {});

} // namespace quillmar
