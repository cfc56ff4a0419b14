#include "core/macro_writer.h"

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"
#include "core/program_lines.h"

namespace quillmar {

ModalCall writeModalCall(const ControlValues& values, int starts, bool wanted, bool numbered) {
    ModalCall call{{}, values};
    if (!wanted) {
        return call;
    }
    ControlValues& after = call.valuesAfter;
    const std::string xText = checkedPositionText(formatOspNumber(after.xRetract));
    const std::string zText = checkedPositionText(formatOspNumber(after.zEnd));
    // A single start writes the pitch itself; the lead of several starts is formed in a
    // temporary, so the pitch that spaces the starts stays as it was.
    double lead = leadOf(starts, after.pitch);
    const std::string fText = checkedFeedText(formatOspNumber(starts == 1 ? after.pitch : lead));
    appendLine(call.line, numbered ? "N000 MODIN OG34 XP=" : "MODIN OG34 XP=", xText, " ZP=", zText,
               " FD=", fText);
    return call;
}

std::string writeMacroBlock(const ModalCall& call, const PassPlan& plan, bool numbered) {
    std::string out;
    out.reserve((plan.passes.size() + 3) * 32);
    out += call.line;
    out += headingLine(plan);
    // The list is numbered on from the counter; the standard program that follows
    // numbers from the same counter again.
    for (const PlannedPass& pass : plan.passes) {
        appendLine(out, sequenceWord(pass.sequence, numbered), "X",
                   checkedPositionText(formatFixed3(pass.pointX)), " Z",
                   checkedPositionText(formatFixed3(pass.startZ)));
    }
    if (plan.modalTail) {
        appendLine(out, numbered ? "N000 MODOUT" : "MODOUT");
    }
    return out;
}

} // namespace quillmar
