#include "cli/run_fields.h"

#include "cli/join_text.h"
#include "core/forms/groove_fields.h"
#include "core/job_fields.h"
#include "core/leading_number.h"
#include "core/machine/machine_keys.h"
#include "core/plain_number_text.h"
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
        // quillmar-gen speaks English, as its other messages do.
        return JobFileError{run.formLine,
                            forms::messageText(fields.error(), forms::Language::English)};
    }
    for (const JobFieldInfo& info : kJobFields) {
        if (fields->texts[info.field]) {
            dialog.text(info.field) = *fields->texts[info.field];
        }
    }
    return std::nullopt;
}

namespace {

// What the keys that are not the dialog's own mean; the dialog's fields have their
// captions in the window.
std::string keyMeanings() {
    std::string out = "# The machine's keys (empty: unknown, nothing checked):\n";
    for (std::string_view key : machineKeyNames()) {
        out += joinText({"#   ", key, ": ", machineKeyMeaning(key), "\n"});
    }
    out += "# profile: a drawn groove (.groove or .dxf file, or its segments) instead of the "
           "fields' groove, listed in the run that names it\n"
           "# layer: the drawing's layer that holds the groove\n";
    return out;
}

} // namespace

std::string runFieldsText(const std::vector<ListedRun>& runs) {
    std::string out = keyMeanings();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const DialogSnapshot& run = runs[i].dialog;
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
        for (std::string_view key : machineKeyNames()) {
            out += joinText({key, " = ", machineFigureText(runs[i].machine, key), "\n"});
        }
        if (runs[i].profile) {
            out += joinText({"profile = ", *runs[i].profile, "\n"});
            if (runs[i].layer) {
                out += joinText({"layer = ", *runs[i].layer, "\n"});
            }
            // The steps over a drawn groove come from its scallop height, not the fields.
            if (run.drawnCusp > 0) {
                out += joinText({"cusp = ", plainNumberText(run.drawnCusp), "\n"});
            }
        }
    }
    return out;
}

} // namespace quillmar
