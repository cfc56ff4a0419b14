#pragma once

#include "core/forms/thread_form.h"
#include "simulation/cut_simulation.h"

#include <optional>
#include <vector>

namespace quillmar {

// One flank of the as-cut thread over the middle of its depth (the crest and root
// corners left out): its angle from the radial direction, from the least-squares line
// through its surface, and its straightness, the distance normal to that line between
// the two lines parallel to it that hold every point of the flank's middle.
struct FlankReading {
    double angleDegrees = 0;
    double straightness = 0;
};

// What a gauge and a thread micrometer read on the thread as cut, over one pitch of
// the simulated section. Diameters in mm.
struct ThreadGauge {
    double majorDiameter = 0;
    double minorDiameter = 0;
    // Where the thread's thickness along the axis is half the pitch; none when the
    // groove is nowhere as wide as half the pitch.
    std::optional<double> pitchDiameter;
    // The flank from the first crest (toward +Z) and the one after the groove's floor.
    std::optional<FlankReading> firstFlank;
    std::optional<FlankReading> secondFlank;
};

// The fraction of the thread's depth left out of each flank at the crest and at the root.
inline constexpr double kFlankEndsLeftOut = 0.2;

// The thread the simulation left in its shown section; none without a cut groove.
std::optional<ThreadGauge> gaugeThread(const SimulationResult& result);

// One diameter against its class's band.
struct DiameterVerdict {
    std::optional<double> value; // none: the thread has no such diameter (fails)
    forms::DiameterBand band;
    bool inside = false;
    // How far inside the nearer limit (inside), or beyond it (outside); 0 without a value.
    double by = 0;
};

// Each diameter whose band the class gives; none where it is unknown. A taper thread's
// gauge plane is judged the same way: its offset along the axis from its basic place
// (forms::GaugePlaneLimit::offset) against the band -tolerance to +tolerance.
struct GaugeVerdict {
    std::optional<DiameterVerdict> major;
    std::optional<DiameterVerdict> pitch;
    std::optional<DiameterVerdict> minor;
    std::optional<DiameterVerdict> gaugePlane;
    bool judged() const { return major || pitch || minor || gaugePlane; }
    bool passes() const;
};

GaugeVerdict judgeThread(const ThreadGauge& gauge, const forms::GaugeLimits& limits);

} // namespace quillmar
