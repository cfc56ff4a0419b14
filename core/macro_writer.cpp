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
        const std::string xText = formatOspNumber(job.xRetract);
        const std::string zText = formatOspNumber(job.zEnd);
        const std::string fText = ospLeadText(job);
        appendLine(out, choices.sequenceNumbers ? "N000 MODIN OG34 XP=" : "MODIN OG34 XP=", xText,
                   " ZP=", zText, " FD=", fText);
    }
    out += headingLine(job);

    float counter = job.sequenceCounter;
    for (int i = 0; i <= job.lastPoint; ++i) {
        const double x = checkedFinite(programX(job, i));
        if (!insideStock(job, x)) {
            continue;
        }
        for (int k = 0; k < job.starts; ++k) {
            const std::string number = sequenceWord(counter, choices.sequenceNumbers);
            appendLine(out, number, "X", formatFixed3(x), " Z",
                       formatFixed3(checkedFinite(startZ(job, i, k))));
            counter = toSingle(static_cast<double>(counter) + 1.0);
        }
    }

    if (choices.modin && job.finishAllowance == 0) {
        appendLine(out, choices.sequenceNumbers ? "N000 MODOUT" : "MODOUT");
    }
}

} // namespace quillmar
