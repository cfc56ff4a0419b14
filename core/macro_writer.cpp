#include "core/macro_writer.h"

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"
#include "core/pass_values.h"

namespace quillmar {

void writeMacroBlock(ThreadJob& job, const OutputChoices& choices) {
    std::string& out = job.outputText;
    out.clear();
    out.reserve(static_cast<std::size_t>(job.lastPoint + 4) * 32 *
                static_cast<std::size_t>(job.starts));

    // A counter of 1 means nothing has been numbered since start-up or New: the list
    // opens with the modal call. Its fields are truncated in place on purpose, so the
    // rest of the run uses the values the control will use.
    if (choices.modin && job.sequenceCounter == 1) {
        const std::string xText = checkedPositionText(formatOspNumber(job.xRetract));
        const std::string zText = checkedPositionText(formatOspNumber(job.zEnd));
        const std::string fText = checkedFeedText(ospLeadText(job));
        appendLine(out, choices.sequenceNumbers ? "N000 MODIN OG34 XP=" : "MODIN OG34 XP=", xText,
                   " ZP=", zText, " FD=", fText);
    }
    out += headingLine(job);

    // The list is numbered on from the counter; the standard program that follows
    // numbers from the same counter again.
    forEachPass(job, job.sequenceCounter, [&](const PassStart& pass, float counter) {
        const std::string number = sequenceWord(counter, choices.sequenceNumbers);
        appendLine(out, number, "X", checkedPositionText(formatFixed3(pass.x)), " Z",
                   checkedPositionText(formatFixed3(checkedFinite(startZ(job, pass.i, pass.k)))));
    });

    if (choices.modin && job.finishAllowance == 0) {
        appendLine(out, choices.sequenceNumbers ? "N000 MODOUT" : "MODOUT");
    }
}

} // namespace quillmar
