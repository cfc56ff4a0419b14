#pragma once

#include "core/pass_values.h"
#include "core/thread_job.h"

#include <string>

namespace quillmar {

// The line that puts LinuxCNC into the modes its passes are written in.
inline constexpr const char* kLinuxCncModes = "G7 G18 G21 G90";

// K of a G33 move: LinuxCNC takes it as the distance per spindle revolution along the
// move itself, so a taper's lead along Z is scaled by the move's length over its Z run.
// X values are diameters (G7), so the radial run is half the X difference.
double linuxCncK(double leadAlongZ, double startX, double startZ, double endX, double endZ);

// Four lines a pass: the rapid to the start, the G33 move, the retract and the return.
void writeLinuxCncPass(const ThreadJob& job, const PassStart& pass, float counter, bool numbered,
                       double taper, std::string& out);

} // namespace quillmar
