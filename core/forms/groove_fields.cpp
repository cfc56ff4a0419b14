#include "core/forms/groove_fields.h"

#include "core/checked_arithmetic.h"
#include "core/forms/cusp_steps.h"
#include "core/forms/designation_reader.h"
#include "core/forms/scallop_allowance.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace quillmar::forms {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The largest nose radius below the floor corner radius, to the micrometre: at the
// corner radius itself the nose centre would turn a sharp corner that no step meets.
double largestNose(double floorRadius) {
    return (std::ceil(floorRadius * 1000 - 1e-9) - 1) / 1000;
}

using Texts = FieldTexts<std::optional<std::string>>;

FormMessage diameterName(const std::string& diameter) {
    return diameter == "minor"   ? MessageId::DiameterMinor
           : diameter == "major" ? MessageId::DiameterMajor
                                 : MessageId::DiameterPitch;
}

FormMessage cuspTooLarge(const ThreadForm& form, double cusp, const CuspFit& fit) {
    const double largest = std::floor(fit.largest * 10000 + 1e-9) / 10000;
    const FormMessage remedy =
        largest > 0 ? FormMessage(MessageId::LargestCuspThatFits, {numberText(largest)})
                    : FormMessage(MessageId::NoCuspFits);
    return FormMessage(fit.centred ? MessageId::CuspSpreadOverBand
                                   : MessageId::CuspMovesOverHalfBand,
                       {numberText(cusp), form.designation, diameterName(fit.diameter),
                        numberText(cusp * fit.spreadPerCusp), numberText(fit.band), remedy});
}

void setSteps(Texts& t, const std::array<double, 8>& steps) {
    constexpr JobField kSteps[] = {JobField::StepR1, JobField::StepA1, JobField::StepR2,
                                   JobField::StepD1, JobField::StepR3, JobField::StepA2,
                                   JobField::StepR4, JobField::StepD2};
    for (std::size_t k = 0; k < 8; ++k) {
        t[kSteps[k]] = fieldText(steps[k]);
    }
}

// What the groove's crests leave for widening it: the room before its crest corners
// meet, and those corners, which give up radius beyond that.
struct CrestRoom {
    double room = 0;
    double radius = 0;
    double cornerRun = 0; // groove width per millimetre of corner radius
};

struct Widened {
    double widening = 0;
    double crestRadius = 0;
};

// The steps for the cusp, and where the class gives a pitch band, the floor widened so
// that each flank as cut stands, at the pitch diameter, halfway between its scallops'
// crests and hollows: the hollows touch the outline the nose centre walks, and a scallop
// h off a flank at b from the radial direction stands h / cos b from it along the axis.
// Widening the floor moves the second flank's passes and may change the floor's step:
// a few rounds settle it. A crest rounded tangent to both flanks has no room: its
// corners get smaller by what the thinner tooth needs, and the crest stays on the stock.
FormExpected<Widened> stepsCentredOnPitchLine(Texts& t, const ThreadForm& form,
                                              const GrooveFigures& g, const CrestRoom& crest,
                                              const GrooveRequest& request) {
    const double pitchDepth = std::fabs(form.pitchDiameter - form.crestDiameter) / 2;
    const double floorWidth = g.floorWidth;
    const double depth = g.depth;
    const double firstSlope = std::tan(form.firstFlank * kDegree);
    const double secondSlope = std::tan(form.secondFlank * kDegree);
    constexpr int kRounds = 6;
    // A twentieth of the 0.001 mm a program writes; the scallops' crests and hollows are
    // found to about a hundredth.
    constexpr double kSettled = 0.00005;
    double widening = 0;
    double bestMiss = std::numeric_limits<double>::infinity();
    Widened best{0, crest.radius};
    Texts bestTexts = t;
    for (int round = 0; round < kRounds && bestMiss > kSettled; ++round) {
        const double crestRadius =
            crest.radius - std::max(0.0, widening - crest.room) / crest.cornerRun;
        if (!(crestRadius >= 0) || floorWidth + widening < 0) {
            return refusal(MessageId::ScallopsWiderThanCrests,
                           {numberText(*request.cusp), form.designation, numberText(widening)});
        }
        t[JobField::Width] = fieldText(floorWidth + widening);
        t[JobField::R1] = fieldText(crestRadius);
        t[JobField::R4] = t[JobField::R1];
        const auto steps = cuspSteps(jobFromTexts(t, request.side), *request.cusp);
        if (!steps) {
            return unexpected(steps.error());
        }
        setSteps(t, *steps);
        if (!form.limits.pitch.known()) {
            return best;
        }
        // One scallop of each flank either side of the pitch line, kept off the corners.
        const double period = std::max((*steps)[1] / firstSlope, (*steps)[5] / secondSlope);
        const double span = std::min(period, 0.3 * std::min(pitchDepth, depth - pitchDepth));
        ThreadJob job = jobFromTexts(t, request.side);
        std::optional<double> width;
        try {
            width = scallopCentredWidth(job, computePassSchedule(job), pitchDepth, span, firstSlope,
                                        secondSlope);
        } catch (const DataError&) {
        }
        if (!width) {
            return refusal(MessageId::PassesMissPitchDiameter, {form.designation});
        }
        const double miss = form.widthAtPitch - *width;
        if (std::fabs(miss) < bestMiss) {
            bestMiss = std::fabs(miss);
            best = {widening, crestRadius};
            bestTexts = t;
        }
        widening += miss;
    }
    t = bestTexts;
    return best;
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
        const auto fit = cuspFit(form, request.side);
        if (fit && *request.cusp > fit->largest) {
            return FormFailure{cuspTooLarge(form, *request.cusp, *fit)};
        }
        const CrestRoom crest{form.pitch + kRounding - crestWidth, form.crestRadius, cornerRun};
        const auto widened = stepsCentredOnPitchLine(t, form, g, crest, request);
        if (!widened) {
            return unexpected(widened.error());
        }
        g.scallopWidening = widened->widening;
        g.floorWidth += widened->widening;
        g.radii[0] = g.radii[3] = widened->crestRadius;
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
