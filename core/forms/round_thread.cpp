#include "core/forms/family_forms.h"
#include "core/quoted_text.h"

#include <cmath>

namespace quillmar::forms {

namespace {

constexpr std::string_view kExample = "Rd40x1/6, Rd 40 x 1/6, Rd40, Rd40x1/6-7h";

// Threads per inch by nominal diameter.
int roundThreadsPerInch(double d) {
    return d <= 12 ? 10 : d <= 38 ? 8 : d <= 100 ? 6 : 4;
}

const std::vector<double>& roundDiameters() {
    static const std::vector<double> sizes{
        8,   9,   10,  11,  12,  14,  16,  18,  20,  22,  24,  26,  28,  30,  32,  34,
        36,  38,  40,  42,  44,  46,  48,  50,  52,  55,  58,  60,  62,  65,  68,  70,
        72,  75,  78,  80,  82,  85,  88,  90,  92,  95,  98,  100, 105, 110, 115, 120,
        125, 130, 135, 140, 145, 150, 155, 160, 165, 170, 175, 180, 185, 190, 195, 200};
    return sizes;
}

} // namespace

FormExpected<ThreadForm> roundForm(std::string_view designation, Side side) {
    DesignationReader reader(designation);
    const auto d = nominalMillimetres(reader, "Rd", kExample);
    if (!d) {
        return unexpected(d.error());
    }
    bool known = false;
    for (double size : roundDiameters()) {
        known = known || std::fabs(size - *d) < 1e-9;
    }
    if (!known) {
        return refusal(MessageId::RoundNotSize, {"Rd" + numberText(*d), std::string(kExample)});
    }
    const int tableTpi = roundThreadsPerInch(*d);
    double tpi = tableTpi;
    if (reader.takeLetter('X')) {
        const auto pitchInches = reader.fraction();
        if (!pitchInches) {
            return notUnderstood(reader, MessageId::ExpectRoundPitch, kExample);
        }
        tpi = 1 / *pitchInches;
    }
    if (!std::isfinite(tpi)) { // a pitch of 0/6
        return refusal(MessageId::RoundZeroPitch,
                       {"Rd" + numberText(*d), std::to_string(tableTpi)});
    }
    if (std::fabs(tpi - tableTpi) > 1e-9) {
        return refusal(MessageId::RoundWrongPitch,
                       {"Rd" + numberText(*d), numberText(tpi), std::to_string(tableTpi)});
    }
    std::string typedClass;
    if (reader.take("-")) {
        typedClass = reader.word();
    }
    if (!reader.atEnd()) {
        return notUnderstood(reader, MessageId::ExpectRoundClassOrNothing, kExample);
    }
    // DIN 405-2 gives one class a side: 7h for the bolt, 7H for the nut.
    const std::string classText =
        typedClass.empty() ? (side == Side::Outer ? "7h" : "7H") : typedClass;
    if (classText != "7h" && classText != "7H") {
        return refusal(MessageId::RoundClassBad, {quotedText(classText)});
    }
    if ((classText == "7H") != (side == Side::Inner)) {
        return classForOtherSide(classText, side, "7h", "7H");
    }
    ThreadForm form;
    form.family = "Round";
    form.example = std::string(kExample);
    form.toleranceClass = classText;
    form.designation = "Rd" + numberText(*d) + "x1/" + std::to_string(tableTpi) + "-" + classText;
    const double p = kMillimetresPerInch / tableTpi;
    form.pitch = p;
    setSymmetric(form, 15);
    form.basicMajor = *d;
    form.basicPitchDiameter = *d - 0.5 * p;
    form.pitchDiameter = form.basicPitchDiameter;
    // Crests and roots are rounds tangent to the flanks: crest R1 = 0.23851 P, root
    // R2 = 0.22105 P, so that the roots lie a clearance ac = 0.05 P beyond the crests.
    form.crestRadius = 0.23851 * p;
    form.floorRadius = 0.22105 * p;
    if (side == Side::Outer) {
        form.basicMinor = *d - 1.1 * p;
        form.crestDiameter = *d;
    } else {
        form.basicMinor = *d - p;
        form.crestDiameter = form.basicMinor;
    }
    if (typedClass.empty()) {
        form.notes.push_back({FormNoteId::DefaultClass, {classText}});
    }
    form.notes.push_back({FormNoteId::RoundBasic, {}});
    // DIN 405-2's deviations and tolerances were not found in a published copy: the class
    // is named but its limits stay unknown, and the gauge does not judge it.
    form.notes.push_back({FormNoteId::ClassLimitsUnknown, {classText}});
    return form;
}

std::vector<std::string> roundSizes() {
    std::vector<std::string> out;
    for (double d : roundDiameters()) {
        out.push_back("Rd" + numberText(d) + "x1/" + std::to_string(roundThreadsPerInch(d)));
    }
    return out;
}

} // namespace quillmar::forms
