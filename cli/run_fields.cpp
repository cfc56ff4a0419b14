#include "cli/run_fields.h"

#include "cli/join_text.h"
#include "core/forms/groove_fields.h"
#include "core/job_fields.h"
#include "core/leading_number.h"
#include "core/quoted_text.h"
#include "core/whole_text_number.h"

namespace quillmar {

std::optional<JobFileError> fillFromForm(DialogSnapshot& dialog, const JobRun& run) {
    if (!run.form) {
        if (run.cusp && dialog.drawnGroove.empty()) {
            return JobFileError{run.cuspLine,
                                "cusp needs a form (form = Tr40x7) in the same run, or a profile"};
        }
        return std::nullopt;
    }
    // The thread standard dialog fills the eight-segment groove: a drawn one gives way.
    dialog.drawnGroove.clear();
    dialog.drawnCusp = 0;
    forms::GrooveRequest request;
    request.side = dialog.choices.side;
    const auto& nose = run.texts[JobField::NoseRadius];
    request.noseRadius = leadingNumberValue(nose ? *nose : dialog.text(JobField::NoseRadius));
    if (run.cusp) {
        const auto cusp = wholeTextNumber(*run.cusp);
        if (!cusp || !(*cusp > 0)) {
            return JobFileError{run.cuspLine,
                                joinText({"cusp ", quotedText(*run.cusp),
                                          " is not a height above 0 mm: give the largest scallop "
                                          "height in millimetres, e.g. cusp = 0.005"})};
        }
        request.cusp = *cusp;
    }
    const auto fields = forms::grooveFields(*run.form, request);
    if (!fields) {
        return JobFileError{run.formLine, fields.error()};
    }
    for (const JobFieldInfo& info : kJobFields) {
        if (fields->texts[info.field]) {
            dialog.text(info.field) = *fields->texts[info.field];
        }
    }
    return std::nullopt;
}

std::string runFieldsText(const std::vector<DialogSnapshot>& runs) {
    std::string out;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const DialogSnapshot& run = runs[i];
        if (i > 0) {
            out += "[run]\n";
        }
        const OutputChoices& c = run.choices;
        out += joinText({"side = ", c.side == Side::Outer ? "outer" : "inner", "\n"});
        out += joinText({"control = ", c.control, "\n"});
        out += joinText({"sequenceNumbers = ", c.sequenceNumbers ? "on" : "off", "\n"});
        out += joinText({"modin = ", c.modin ? "on" : "off", "\n"});
        out += joinText({"startShift = ", c.startShift == StartShift::Angle ? "angle" : "z", "\n"});
        for (const JobFieldInfo& info : kJobFields) {
            out += joinText({info.key, " = ", run.text(info.field), "\n"});
        }
    }
    return out;
}

} // namespace quillmar
