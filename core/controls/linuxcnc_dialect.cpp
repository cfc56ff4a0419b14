// The LinuxCNC dialect: spindle-synchronised G33 moves in diameter mode.
//
// LinuxCNC G-code reference (docs/src/gcode/g-code.adoc of the LinuxCNC documentation,
// sections "G33 Spindle Synchronized Motion", "G7 Lathe Diameter Mode", "G17 - G19.1
// Plane Select", "G20, G21 Units"): `G33 X- Y- Z- K-`, "K gives the distance moved in XYZ
// for each revolution of the spindle", and the note "K follows the drive line described
// by X- Y- Z-. K is not parallel to the Z axis if X or Y endpoints are used for example
// when cutting tapered threads". G33 takes no F word; it is an error if all axis words are
// omitted or the spindle is not turning, so the passes go into a program that starts the
// spindle, as the OSP and FANUC passes do. The reference names no range of K, and
// LinuxCNC's own interpreter (rs274 of Debian 12's linuxcnc-uspace 2.9.0~pre1) takes
// K0, K-1 and K100000 alike; its velocity limits are the machine's ini file's, which a
// job does not know. So no K is refused here beyond a lead not above 0, which no
// dialect writes.
// LinuxCNC has no start-angle word in its released versions: the starts of a
// multi-start thread are shifted along Z.

#include "core/checked_arithmetic.h"
#include "core/controls/control_dialect.h"
#include "core/nc_number_format.h"
#include "core/program_lines.h"

#include <cmath>

namespace quillmar {

namespace {

// LinuxCNC reads plain decimals; three decimals are a micrometre on the diameter.
std::string position(double value) {
    return checkedPositionText(formatUpTo3(value));
}

// K of a G33 move: LinuxCNC takes it as the distance per spindle revolution along the
// move itself, so a taper's lead along Z is scaled by the move's length over its Z run.
// X values are diameters (G7), so the radial run is half the X difference.
double kAlongMove(double leadAlongZ, double startX, double startZ, double endX, double endZ) {
    const double zRun = std::abs(endZ - startZ);
    const double radialRun = (endX - startX) / 2;
    if (radialRun == 0) {
        return leadAlongZ;
    }
    const double moveLength = checkedSqrt(zRun * zRun + radialRun * radialRun);
    return checkedFinite(leadAlongZ * checkedDiv(moveLength, zRun));
}

// Four lines a pass: the rapid to the start, the G33 move, the retract and the return.
// The move's feed is the planned lead along Z, as the simulation reads it back.
void writePass(const PassPlan& plan, const PlannedPass& pass, bool numbered, StandardBlock& block) {
    std::string& out = block.text;
    WrittenMove move;
    move.startX = position(pass.startX);
    move.startZ = position(pass.startZ);
    const std::string number = numbered ? "N" + formatSequence(pass.sequence) + " " : "";
    appendLine(out, number, "G0 X", move.startX, " Z", move.startZ);
    move.feed = checkedFeedText(formatUpTo4(pass.lead));
    move.endZ = position(pass.endZ);
    if (plan.taperAngle == 0) {
        appendLine(out, "G33 Z", move.endZ, " K", move.feed);
    } else {
        move.endX = position(pass.endX);
        const std::string k = checkedFeedText(
            formatUpTo4(kAlongMove(pass.lead, pass.startX, pass.startZ, pass.endX, pass.endZ)));
        appendLine(out, "G33 X", move.endX, " Z", move.endZ, " K", k);
    }
    move.retractX = position(plan.values.xRetract);
    appendLine(out, "G0 X", move.retractX);
    appendLine(out, "G0 Z", move.startZ);
    block.moves.push_back(std::move(move));
}

class LinuxCncDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        // Diameter mode, the XZ plane, millimetres, absolute positions.
        return writePlainBlock(plan, openingLine(),
                               [&](const PlannedPass& pass, StandardBlock& block) {
                                   writePass(plan, pass, numbered, block);
                               });
    }
    float threadingG() const override { return 33; }
    std::string_view openingLine() const override { return "G7 G18 G21 G90"; }
    char16_t leadWord() const override { return u'K'; }
    bool leadAlongMove() const override { return true; }
    // The NIST RS274/NGC Interpreter, Version 3 (NISTIR 6556), 3.3.1 "Line Number": "the
    // letter N followed by an integer (with no sign) between 0 and 99999 written with no
    // more than five digits"; the interpreter refuses more with "Line number greater
    // than 99999".
    double largestSequenceNumber() const override { return kFiveDigitSequence; }
};

} // namespace

const ControlDialect& linuxCncDialect() {
    static const LinuxCncDialect dialect;
    return dialect;
}

} // namespace quillmar
