// The LinuxCNC dialect: spindle-synchronised G33 moves in diameter mode.
//
// LinuxCNC G-code reference (docs/src/gcode/g-code.adoc of the LinuxCNC documentation,
// sections "G33 Spindle Synchronized Motion", "G7 Lathe Diameter Mode", "G17 - G19.1
// Plane Select", "G20, G21 Units"): `G33 X- Y- Z- K-`, "K gives the distance moved in XYZ
// for each revolution of the spindle", and the note "K follows the drive line described
// by X- Y- Z-. K is not parallel to the Z axis if X or Y endpoints are used for example
// when cutting tapered threads". G33 takes no F word; it is an error if all axis words are
// omitted or the spindle is not turning, so the passes go into a program that starts the
// spindle, as the OSP and FANUC passes do. LinuxCNC has no start-angle word in its
// released versions: the starts of a multi-start thread are shifted along Z.

#include "core/controls/linuxcnc_dialect.h"

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"

#include <cmath>

namespace quillmar {

namespace {

// LinuxCNC reads plain decimals; three decimals are a micrometre on the diameter.
std::string position(double value) {
    return checkedPositionText(formatUpTo3(value));
}

} // namespace

double linuxCncK(double leadAlongZ, double startX, double startZ, double endX, double endZ) {
    const double zRun = std::abs(endZ - startZ);
    const double radialRun = (endX - startX) / 2;
    if (radialRun == 0) {
        return leadAlongZ;
    }
    const double moveLength = checkedSqrt(zRun * zRun + radialRun * radialRun);
    return checkedFinite(leadAlongZ * checkedDiv(moveLength, zRun));
}

void writeLinuxCncPass(const ThreadJob& job, const PassStart& pass, float counter, bool numbered,
                       double taper, std::string& out) {
    const double x = passStartX(job, pass, taper);
    const double z = checkedFinite(startZ(job, pass.i, pass.k));
    const std::string numberWord = numbered ? "N" + formatSequence(counter) + " " : "";
    appendLine(out, numberWord, "G0 X", position(x), " Z", position(z));
    const double lead = leadOf(job);
    if (job.taperAngle == 0) {
        const std::string kText = checkedFeedText(formatUpTo4(lead));
        appendLine(out, "G33 Z", position(job.zEnd), " K", kText);
    } else {
        const double endX = checkedFinite(x + ((z - job.zEnd) * taper) * 2);
        const std::string kText =
            checkedFeedText(formatUpTo4(linuxCncK(lead, x, z, endX, job.zEnd)));
        appendLine(out, "G33 X", position(endX), " Z", position(job.zEnd), " K", kText);
    }
    appendLine(out, "G0 X", position(job.xRetract));
    appendLine(out, "G0 Z", position(z));
}

} // namespace quillmar
