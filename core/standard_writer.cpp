#include "core/standard_writer.h"

#include "core/checked_arithmetic.h"
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
void writeOspPass(ThreadJob& job, int i, double x, float counter, bool numbered, double taper,
                  std::string& out) {
    const std::string first = sequenceWord(counter, numbered);
    const std::string_view prefix = numbered ? "N000 " : "";

    double startX = x;
    double startZ = checkedFinite(programZ(job, i));
    const std::string startXText = checkedPositionText(formatOspNumber(startX));
    appendLine(out, first, "G00 X", startXText, " Z", checkedPositionText(formatOspNumber(startZ)));

    if (job.taperAngle == 0) {
        const std::string zText = checkedPositionText(formatOspNumber(job.zEnd));
        appendLine(out, prefix, "G34 Z", zText, " F", checkedFeedText(formatOspNumber(job.pitch)));
    } else {
        taperEnd(job, x, checkedFinite(programZ(job, i)), taper);
        const std::string xText = checkedPositionText(formatOspNumber(job.taperEndX));
        const std::string zText = checkedPositionText(formatOspNumber(job.zEnd));
        appendLine(out, prefix, "G34 X", xText, " Z", zText, " F",
                   checkedFeedText(formatOspNumber(job.pitch)));
    }
    appendLine(out, prefix, "G00 X", checkedPositionText(formatOspNumber(job.xRetract)));
    double returnZ = checkedFinite(programZ(job, i));
    appendLine(out, prefix, "    Z", checkedPositionText(formatOspNumber(returnZ)));
}

// FANUC X and Z, rounded to the thousandth.
std::string fanucPosition(double value) {
    return checkedPositionText(formatUpTo3(value));
}

void writeFanucPass(ThreadJob& job, int i, double x, float counter, bool numbered, double taper,
                    std::string& out) {
    if (numbered) {
        appendLine(out, "N", formatSequence(counter));
    }
    const double startZ = checkedFinite(programZ(job, i));
    appendLine(out, "G00 X", fanucPosition(x), " Z", fanucPosition(startZ));
    const std::string feedText = checkedFeedText(formatUpTo4(job.pitch));
    if (job.taperAngle == 0) {
        appendLine(out, "G32 Z", fanucPosition(job.zEnd), " F", feedText);
    } else {
        const std::string xText = fanucPosition(taperEnd(job, x, startZ, taper));
        appendLine(out, "G32 X", xText, " Z", fanucPosition(job.zEnd), " F", feedText);
    }
    appendLine(out, "G00 X", fanucPosition(job.xRetract));
    appendLine(out, "G00 Z", fanucPosition(checkedFinite(programZ(job, i))));
}

} // namespace

void writeStandardBlock(ThreadJob& job, const OutputChoices& choices) {
    std::string& out = job.outputText;
    out.clear();
    out.reserve(static_cast<std::size_t>(job.lastPoint + 2) * 96);
    out += headingLine(job);

    const double taper =
        job.taperAngle == 0 ? 0.0 : checkedFinite(std::tan(job.taperAngle * (kAnglePi / 180)));
    float counter = job.sequenceCounter;
    for (int i = 0; i <= job.lastPoint; ++i) {
        const double x = checkedFinite(programX(job, i));
        if (!insideStock(job, x)) {
            continue;
        }
        if (choices.control == ControlFamily::Osp) {
            writeOspPass(job, i, x, counter, choices.sequenceNumbers, taper, out);
        } else {
            writeFanucPass(job, i, x, counter, choices.sequenceNumbers, taper, out);
        }
        counter = toSingle(static_cast<double>(counter) + 1.0);
    }
    job.sequenceCounter = counter;
}

} // namespace quillmar
