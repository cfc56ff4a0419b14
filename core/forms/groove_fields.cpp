#include "core/forms/groove_fields.h"

#include "core/checked_arithmetic.h"
#include "core/forms/cusp_steps.h"
#include "core/forms/designation_reader.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"

#include <cmath>
#include <numbers>

namespace quillmar::forms {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The largest nose radius below the floor corner radius, to the micrometre: at the
// corner radius itself the nose centre would turn a sharp corner that no step meets.
double largestNose(double floorRadius) {
    return (std::ceil(floorRadius * 1000 - 1e-9) - 1) / 1000;
}

} // namespace

ThreadJob jobFromTexts(const FieldTexts<std::optional<std::string>>& texts, Side side) {
    ThreadJob job;
    job.side = side;
    for (const JobFieldInfo& info : kJobFields) {
        if (!texts[info.field]) {
            continue;
        }
        const double value = leadingNumberValue(*texts[info.field]);
        if (info.member) {
            job.*(info.member) = value;
        } else if (info.stepIndex >= 0) {
            job.zSteps[static_cast<std::size_t>(info.stepIndex)] = static_cast<float>(value);
        }
    }
    return job;
}

std::string fieldText(double value) {
    for (int decimals = 6; decimals >= 0; --decimals) {
        const double scale = std::pow(10.0, decimals);
        const std::string text = plainNumberText(std::round(value * scale) / scale);
        if (text.size() <= 8) {
            return text;
        }
    }
    return plainNumberText(std::round(value));
}

FormExpected<GrooveFields> grooveFields(const ThreadForm& form, const GrooveRequest& request) {
    const double r = request.noseRadius;
    if (!(r >= 0) || !std::isfinite(r)) {
        return refusal(MessageId::NoseNotNumber);
    }
    GrooveFields out;
    out.form = form;
    GrooveFigures& g = out.figures;
    g.largestNoseRadius = largestNose(form.floorRadius);
    if (r > g.largestNoseRadius) {
        return refusal(MessageId::NoseTooLarge,
                       {numberText(r), form.designation, numberText(form.floorRadius),
                        numberText(g.largestNoseRadius)});
    }
    const double spread =
        std::tan(form.firstFlank * kDegree) + std::tan(form.secondFlank * kDegree);
    g.firstAngle = 90 - form.firstFlank;
    g.secondAngle = 90 - form.secondFlank;
    const double cornerRun =
        std::tan(g.firstAngle / 2 * kDegree) + std::tan(g.secondAngle / 2 * kDegree);
    const double pitchDepth = std::fabs(form.pitchDiameter - form.crestDiameter) / 2;
    if (form.floorDiameter > 0) {
        g.depth = std::fabs(form.floorDiameter - form.crestDiameter) / 2;
        g.floorWidth =
            form.widthAtPitch - (g.depth - pitchDepth) * spread - form.floorRadius * cornerRun;
    } else {
        // One round tangent to both flanks: the floor is where it is deepest.
        g.depth = pitchDepth + (form.widthAtPitch - form.floorRadius * cornerRun) / spread;
        g.floorWidth = 0;
    }
    const double crestWidth =
        form.widthAtPitch + pitchDepth * spread + form.crestRadius * cornerRun;
    // The standards give their radii to five or six digits: a few tenths of a micrometre
    // of overlap is rounding, anything more a groove that cannot be made.
    constexpr double kRounding = 0.0005;
    if (g.floorWidth < -kRounding || crestWidth > form.pitch + kRounding) {
        return refusal(MessageId::CornersDoNotFit, {form.designation});
    }
    g.floorWidth = std::max(0.0, g.floorWidth);
    const double towardsFloor = request.side == Side::Outer ? -1 : 1;
    g.crestDiameter = form.crestDiameter;
    g.pitchDiameter = form.pitchDiameter;
    g.floorDiameter = form.crestDiameter + towardsFloor * 2 * g.depth;
    if (!(g.floorDiameter > 0)) {
        return refusal(MessageId::FloorBelowAxis, {form.designation});
    }
    g.radii = {form.crestRadius, form.floorRadius, form.floorRadius, form.crestRadius};

    auto& t = out.texts;
    const bool outer = request.side == Side::Outer;
    t[JobField::NoseRadius] = plainNumberText(r);
    t[JobField::Pitch] = fieldText(form.pitch);
    t[JobField::Width] = fieldText(g.floorWidth);
    t[JobField::D1] = fieldText(outer ? g.crestDiameter : g.floorDiameter);
    t[JobField::D2] = fieldText(outer ? g.floorDiameter : g.crestDiameter);
    t[JobField::D3] = t[JobField::D2];
    t[JobField::A1] = fieldText(g.firstAngle);
    t[JobField::A2] = fieldText(g.secondAngle);
    t[JobField::R1] = fieldText(g.radii[0]);
    t[JobField::R2] = fieldText(g.radii[1]);
    t[JobField::R3] = fieldText(g.radii[2]);
    t[JobField::R4] = fieldText(g.radii[3]);
    t[JobField::StockDiameter] = fieldText(g.crestDiameter);
    t[JobField::TaperAngle] = fieldText(form.taperAngle);
    t[JobField::Starts] = std::to_string(form.starts);

    if (request.cusp) {
        const auto steps = cuspSteps(jobFromTexts(t, request.side), *request.cusp);
        if (!steps) {
            return unexpected(steps.error());
        }
        constexpr JobField kSteps[] = {JobField::StepR1, JobField::StepA1, JobField::StepR2,
                                       JobField::StepD1, JobField::StepR3, JobField::StepA2,
                                       JobField::StepR4, JobField::StepD2};
        for (std::size_t k = 0; k < 8; ++k) {
            t[kSteps[k]] = fieldText((*steps)[k]);
        }
    }
    return out;
}

FormExpected<GrooveFields> grooveFields(std::string_view designation,
                                        const GrooveRequest& request) {
    const auto form = threadForm(designation, request.side);
    if (!form) {
        return unexpected(form.error());
    }
    return grooveFields(*form, request);
}

} // namespace quillmar::forms
