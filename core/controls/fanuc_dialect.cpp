// The FANUC dialect: G32 threading moves, X and Z rounded to the thousandth, the feed
// to the ten-thousandth, sequence numbers on lines of their own.

#include "core/checked_arithmetic.h"
#include "core/controls/control_dialect.h"
#include "core/nc_number_format.h"
#include "core/program_lines.h"

namespace quillmar {

namespace {

std::string fanucPosition(double value) {
    return checkedPositionText(formatUpTo3(value));
}

void writePass(const PassPlan& plan, const PlannedPass& pass, bool numbered, StandardBlock& block) {
    std::string& out = block.text;
    if (numbered) {
        appendLine(out, "N", formatSequence(pass.sequence));
    }
    WrittenMove move;
    move.startX = fanucPosition(pass.startX);
    move.startZ = fanucPosition(pass.startZ);
    appendLine(out, "G00 X", move.startX, " Z", move.startZ);
    move.feed = checkedFeedText(formatUpTo4(pass.lead));
    move.endZ = fanucPosition(pass.endZ);
    if (plan.taperAngle == 0) {
        appendLine(out, "G32 Z", move.endZ, " F", move.feed);
    } else {
        move.endX = fanucPosition(pass.endX);
        appendLine(out, "G32 X", move.endX, " Z", move.endZ, " F", move.feed);
    }
    move.retractX = fanucPosition(plan.values.xRetract);
    appendLine(out, "G00 X", move.retractX);
    appendLine(out, "G00 Z", move.startZ);
    block.moves.push_back(std::move(move));
}

class FanucDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return writePlainBlock(plan, "", [&](const PlannedPass& pass, StandardBlock& block) {
            writePass(plan, pass, numbered, block);
        });
    }
    float threadingG() const override { return 32; }
    // A FANUC sequence number is N and at most five digits, N1 to N99999. No published
    // copy of FANUC's programming manual could be found to cite a page for it; five
    // digits is the smallest limit of the family in common use, so refusing above it
    // errs on the safe side.
    double largestSequenceNumber() const override { return kFiveDigitSequence; }
};

} // namespace

const ControlDialect& fanucDialect() {
    static const FanucDialect dialect;
    return dialect;
}

} // namespace quillmar
