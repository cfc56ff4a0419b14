#pragma once

#include "core/groove_profile.h"
#include "core/side.h"

#include <array>

namespace quillmar {

// Pi as the generator has always used it: this exact decimal, read as a double.
// Changing it to the full-precision constant would move truncated numbers.
inline constexpr double kAnglePi = 3.141592653589;

inline constexpr int kPointCapacity = 2001;
inline constexpr int kMostStarts = 99;

// What the user typed into the data input dialog, as the program output command read it.
struct JobInputs {
    // Inputs, in the order the program output command reads them.
    Side side = Side::Inner;
    double noseRadius = 0;
    double pitch = 0;
    double width = 0;
    double d1 = 0;
    double d2 = 0;
    double d3 = 0;
    double a1 = 0;
    double a2 = 0;
    double r1 = 0;
    double r2 = 0;
    double r3 = 0;
    double r4 = 0;
    double stockDiameter = 0;
    double finishAllowance = 0;
    double zStart = 0;
    double zEnd = 0;
    double taperAngle = 0;
    double xRetract = 0;
    // Elements 0..7 come from FEED(0)..FEED(7); 8..10 are never written.
    std::array<float, 11> zSteps{};
    // Starts of a multi-start thread, 1 to 99; every pass feeds by the lead, starts x pitch.
    int starts = 1;
    // A groove drawn as a chain of lines and arcs (depth from the first crest): when
    // set it replaces the eight-segment form of the fields above, and its passes are
    // placed by `drawnCusp` (a scallop height) or, when that is 0, by the first step.
    SegmentChain drawnGroove;
    double drawnCusp = 0;

    // Before the first output every input field is unset: it counts as 0 in
    // arithmetic and refills the dialog as empty text.
    bool inputsSet = false;
};

// The one record of the current threading job: the inputs and the quantities the
// pass schedule derives from them. After an output, pitch, zEnd and xRetract hold the
// values the control will use (an OSP number text truncates them), as the graphics'
// scale and the dialog's refill have always shown them.
struct ThreadJob : JobInputs {
    double passLength = 0;
    double depth1 = 0;
    double depth2 = 0;
};

} // namespace quillmar
