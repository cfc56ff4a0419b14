// The OSP dialect: G34 threading moves, numbers truncated to the thousandth.

#include "core/checked_arithmetic.h"
#include "core/controls/control_dialect.h"
#include "core/nc_number_format.h"
#include "core/program_lines.h"

namespace quillmar {

namespace {

// The OSP number text truncates what it writes, and the control runs on with what it
// read: pitch, zEnd and xRetract are truncated where they are first written, and the
// later lines of the run (the return Z of the first pass included) use those values.
class OspRun {
public:
    OspRun(const PassPlan& plan, bool numbered)
        : plan_(plan), numbered_(numbered), values_(plan.values) {}

    StandardBlock write() {
        block_.text.reserve((plan_.passes.size() + 1) * 96);
        block_.moves.reserve(plan_.passes.size());
        block_.text += headingLine(plan_);
        for (const PlannedPass& pass : plan_.passes) {
            writePass(pass);
        }
        block_.valuesAfter = values_;
        return std::move(block_);
    }

private:
    // A single start writes the pitch itself, truncating it; the lead of several starts
    // is formed in a temporary, so the pitch that spaces the starts stays as it was.
    std::string leadText() {
        if (plan_.starts == 1) {
            return formatOspNumber(values_.pitch);
        }
        double lead = leadOf(plan_.starts, values_.pitch);
        return formatOspNumber(lead);
    }

    void writePass(const PlannedPass& pass) {
        const std::string first = sequenceWord(pass.sequence, numbered_);
        const std::string_view prefix = numbered_ ? "N000 " : "";
        WrittenMove move;

        double x = passStartX(plan_, pass, values_.pitch);
        double z = checkedFinite(passStartZ(plan_, pass, values_.pitch));
        move.startX = checkedPositionText(formatOspNumber(x));
        move.startZ = checkedPositionText(formatOspNumber(z));
        appendLine(block_.text, first, "G00 X", move.startX, " Z", move.startZ);

        if (plan_.taperAngle == 0) {
            move.endZ = checkedPositionText(formatOspNumber(values_.zEnd));
            move.feed = checkedFeedText(leadText());
            appendLine(block_.text, prefix, "G34 Z", move.endZ, " F", move.feed);
        } else {
            double endX =
                passTaperEndX(plan_, pass, passStartX(plan_, pass, values_.pitch),
                              checkedFinite(passStartZ(plan_, pass, values_.pitch)), values_.zEnd);
            move.endX = checkedPositionText(formatOspNumber(endX));
            move.endZ = checkedPositionText(formatOspNumber(values_.zEnd));
            move.feed = checkedFeedText(leadText());
            appendLine(block_.text, prefix, "G34 X", move.endX, " Z", move.endZ, " F", move.feed);
        }
        move.retractX = checkedPositionText(formatOspNumber(values_.xRetract));
        appendLine(block_.text, prefix, "G00 X", move.retractX);
        double returnZ = checkedFinite(passStartZ(plan_, pass, values_.pitch));
        appendLine(block_.text, prefix, "    Z", checkedPositionText(formatOspNumber(returnZ)));
        block_.moves.push_back(std::move(move));
    }

    const PassPlan& plan_;
    const bool numbered_;
    ControlValues values_;
    StandardBlock block_;
};

class OspDialect : public ControlDialect {
public:
    StandardBlock write(const PassPlan& plan, bool numbered) const override {
        return OspRun(plan, numbered).write();
    }
    float threadingG() const override { return 34; }
    // No limit of OSP sequence numbers was found published: the counter's own holds.
};

} // namespace

const ControlDialect& ospDialect() {
    static const OspDialect dialect;
    return dialect;
}

} // namespace quillmar
