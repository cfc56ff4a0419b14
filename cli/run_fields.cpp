#include "cli/run_fields.h"

#include "cli/join_text.h"
#include "core/forms/groove_fields.h"
#include "core/job_fields.h"
#include "core/leading_number.h"

#include <charconv>

namespace quillmar {
namespace {

// The dialog box a field fills: "Text<n>" or "FEED<k>"; none for a field the dialog
// snapshot does not carry.
template <typename Snapshot> auto dialogBox(Snapshot& dialog, const JobFieldInfo& info) {
    using Box = decltype(&dialog.texts[0]);
    const auto number = [&](std::string_view prefix) -> std::optional<int> {
        if (info.widgetName.substr(0, prefix.size()) != prefix) {
            return std::nullopt;
        }
        const std::string_view digits = info.widgetName.substr(prefix.size());
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (error != std::errc() || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        return value;
    };
    if (const auto text = number("Text"); text && *text >= 1 && *text <= 18) {
        return Box{&dialog.texts[static_cast<std::size_t>(*text - 1)]};
    }
    if (const auto feed = number("FEED"); feed && *feed >= 0 && *feed <= 7) {
        return Box{&dialog.feeds[static_cast<std::size_t>(*feed)]};
    }
    return Box{nullptr};
}

} // namespace

std::optional<JobFileError> fillFromForm(DialogSnapshot& dialog, const JobRun& run) {
    if (!run.form) {
        if (run.cusp) {
            return JobFileError{run.cuspLine, "cusp needs a form in the same run (form = Tr40x7)"};
        }
        return std::nullopt;
    }
    forms::GrooveRequest request;
    request.side = dialog.choices.outer ? forms::Side::Outer : forms::Side::Inner;
    request.noseRadius = leadingNumberValue(run.texts[0] ? *run.texts[0] : dialog.text(1));
    if (run.cusp) {
        const double cusp = leadingNumberValue(*run.cusp);
        if (!(cusp > 0)) {
            return JobFileError{run.cuspLine,
                                joinText({"cusp \"", *run.cusp, "\" is not a height above 0 mm"})};
        }
        request.cusp = cusp;
    }
    const auto fields = forms::grooveFields(*run.form, request);
    if (!fields) {
        return JobFileError{run.formLine, fields.error()};
    }
    // The programs are written with the pitch as the feed: a thread of several starts
    // would come out with the wrong lead.
    if (fields->form.starts > 1) {
        return JobFileError{
            run.formLine,
            joinText({fields->form.designation, " has ", std::to_string(fields->form.starts),
                      " starts; quillmar-gen writes single-start threads only"})};
    }
    for (const JobFieldInfo& info : kJobFields) {
        std::string* box = dialogBox(dialog, info);
        if (box && fields->texts[info.field]) {
            *box = *fields->texts[info.field];
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
        out += joinText({"side = ", c.outer ? "outer" : "inner", "\n"});
        out += joinText({"control = ", c.control == ControlFamily::Osp ? "osp" : "fanuc", "\n"});
        out += joinText({"sequenceNumbers = ", c.sequenceNumbers ? "on" : "off", "\n"});
        out += joinText({"modin = ", c.modin ? "on" : "off", "\n"});
        for (const JobFieldInfo& info : kJobFields) {
            if (const std::string* box = dialogBox(run, info)) {
                out += joinText({info.key, " = ", *box, "\n"});
            }
        }
    }
    return out;
}

} // namespace quillmar
