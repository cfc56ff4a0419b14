#include "core/standard_writer.h"

#include "core/checked_arithmetic.h"
#include "core/controls/linuxcnc_dialect.h"
#include "core/nc_number_format.h"
#include "core/pass_values.h"

#include <cmath>

namespace quillmar {

namespace {

// The X at zEnd of a taper pass: the pass's own start X moved along the taper, so a
// roughing pass keeps its finishing allowance all the way to the end of the thread.
double taperEnd(ThreadJob& job, double startX, double startZ, double taper) {
    job.taperEndX = checkedFinite(startX + ((startZ - job.zEnd) * taper) * 2);
    return job.taperEndX;
}

// Four lines a pass. The fields zEnd, pitch, xRetract and taperEndX are truncated in
// place as they are written, so later lines of the run (the return Z included) use
// the values the control will use.
void writeOspPass(ThreadJob& job, const PassStart& pass, float counter, bool numbered, double taper,
                  std::string& out) {
    const std::string first = sequenceWord(counter, numbered);
    const std::string_view prefix = numbered ? "N000 " : "";

    double x = passStartX(job, pass, taper);
    double z = checkedFinite(startZ(job, pass.i, pass.k));
    const std::string startXText = checkedPositionText(formatOspNumber(x));
    appendLine(out, first, "G00 X", startXText, " Z", checkedPositionText(formatOspNumber(z)));

    if (job.taperAngle == 0) {
        const std::string zText = checkedPositionText(formatOspNumber(job.zEnd));
        appendLine(out, prefix, "G34 Z", zText, " F", checkedFeedText(ospLeadText(job)));
    } else {
        taperEnd(job, passStartX(job, pass, taper), checkedFinite(startZ(job, pass.i, pass.k)),
                 taper);
        const std::string xText = checkedPositionText(formatOspNumber(job.taperEndX));
        const std::string zText = checkedPositionText(formatOspNumber(job.zEnd));
        appendLine(out, prefix, "G34 X", xText, " Z", zText, " F",
                   checkedFeedText(ospLeadText(job)));
    }
    appendLine(out, prefix, "G00 X", checkedPositionText(formatOspNumber(job.xRetract)));
    double returnZ = checkedFinite(startZ(job, pass.i, pass.k));
    appendLine(out, prefix, "    Z", checkedPositionText(formatOspNumber(returnZ)));
}

// FANUC X and Z, rounded to the thousandth.
std::string fanucPosition(double value) {
    return checkedPositionText(formatUpTo3(value));
}

void writeFanucPass(ThreadJob& job, const PassStart& pass, float counter, bool numbered,
                    double taper, std::string& out) {
    if (numbered) {
        appendLine(out, "N", formatSequence(counter));
    }
    const double x = passStartX(job, pass, taper);
    const double z = checkedFinite(startZ(job, pass.i, pass.k));
    appendLine(out, "G00 X", fanucPosition(x), " Z", fanucPosition(z));
    const std::string feedText = checkedFeedText(formatUpTo4(leadOf(job)));
    if (job.taperAngle == 0) {
        appendLine(out, "G32 Z", fanucPosition(job.zEnd), " F", feedText);
    } else {
        const std::string xText = fanucPosition(taperEnd(job, x, z, taper));
        appendLine(out, "G32 X", xText, " Z", fanucPosition(job.zEnd), " F", feedText);
    }
    appendLine(out, "G00 X", fanucPosition(job.xRetract));
    appendLine(out, "G00 Z", fanucPosition(checkedFinite(startZ(job, pass.i, pass.k))));
}

} // namespace

void writeStandardBlock(ThreadJob& job, const OutputChoices& choices) {
    std::string& out = job.outputText;
    out.clear();
    out.reserve(static_cast<std::size_t>(job.lastPoint + 2) * 96 *
                static_cast<std::size_t>(job.starts));
    out += headingLine(job);
    if (choices.control == ControlFamily::LinuxCnc) {
        appendLine(out, kLinuxCncModes);
    }

    const double taper =
        job.taperAngle == 0 ? 0.0 : checkedFinite(std::tan(job.taperAngle * (kAnglePi / 180)));
    job.sequenceCounter =
        forEachPass(job, job.sequenceCounter, [&](const PassStart& pass, float counter) {
            switch (choices.control) {
            case ControlFamily::Osp:
                writeOspPass(job, pass, counter, choices.sequenceNumbers, taper, out);
                break;
            case ControlFamily::Fanuc:
                writeFanucPass(job, pass, counter, choices.sequenceNumbers, taper, out);
                break;
            case ControlFamily::LinuxCnc:
                writeLinuxCncPass(job, pass, counter, choices.sequenceNumbers, taper, out);
                break;
            }
        });
}

} // namespace quillmar
