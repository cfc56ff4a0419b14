#include "core/forms/family_forms.h"
#include "core/forms/power_screw_table.h"
#include "core/forms/preferred_numbers.h"
#include "core/quoted_text.h"

#include <array>
#include <cmath>

namespace quillmar::forms {

const std::vector<PowerScrewSize>& powerScrewTable() {
    static const std::vector<PowerScrewSize> table{
        {8, {1.5}},         {9, {2, 1.5}},      {10, {2, 1.5}},     {11, {2, 3}},
        {12, {3, 2}},       {14, {3, 2}},       {16, {4, 2}},       {18, {4, 2}},
        {20, {4, 2}},       {22, {5, 3, 8}},    {24, {5, 3, 8}},    {26, {5, 3, 8}},
        {28, {5, 3, 8}},    {30, {6, 3, 10}},   {32, {6, 3, 10}},   {34, {6, 3, 10}},
        {36, {6, 3, 10}},   {38, {7, 3, 10}},   {40, {7, 3, 10}},   {42, {7, 3, 10}},
        {44, {7, 3, 12}},   {46, {8, 3, 12}},   {48, {8, 3, 12}},   {50, {8, 3, 12}},
        {52, {8, 3, 12}},   {55, {9, 3, 14}},   {60, {9, 3, 14}},   {65, {10, 4, 16}},
        {70, {10, 4, 16}},  {75, {10, 4, 16}},  {80, {10, 4, 16}},  {85, {12, 5, 18}},
        {90, {12, 5, 18}},  {95, {12, 5, 18}},  {100, {12, 5, 20}}, {110, {12, 5, 20}},
        {120, {14, 6, 22}}, {130, {14, 6, 22}}, {140, {14, 6, 24}}, {150, {16, 6, 24}},
        {160, {16, 6, 28}}, {170, {16, 6, 28}}, {180, {18, 8, 28}}, {190, {18, 8, 32}},
        {200, {18, 8, 32}},
    };
    return table;
}

const PowerScrewSize* findPowerScrewSize(double diameter) {
    for (const PowerScrewSize& size : powerScrewTable()) {
        if (std::fabs(size.diameter - diameter) < 1e-9) {
            return &size;
        }
    }
    return nullptr;
}

namespace {

constexpr std::string_view kTrExample = "Tr40x7, Tr 40 x 7, Tr60x9-7e, Tr40x14(P7), Tr 40 x 14 P 7";
constexpr std::string_view kSExample = "S40x7, S 40 x 7, S40x14(P7)";

struct PowerScrew {
    double diameter = 0;
    double pitch = 0;
    int starts = 1;
    std::string classText;
    std::string name; // as understood, without class
};

// "<prefix>d x Ph [(P p) | P p] [-class]": the size from the table, the pitch one of
// its pitches, the lead a whole number of pitches.
FormExpected<PowerScrew> readPowerScrew(std::string_view designation, std::string_view prefix,
                                        std::string_view example) {
    DesignationReader reader(designation);
    const auto d = nominalMillimetres(reader, prefix, example);
    if (!d) {
        return unexpected(d.error());
    }
    PowerScrew screw;
    const PowerScrewSize* size = findPowerScrewSize(*d);
    if (!size) {
        return refusal(MessageId::PowerScrewNotSize,
                       {std::string(prefix) + numberText(*d), std::string(example)});
    }
    screw.diameter = *d;
    const std::size_t afterSize = reader.mark();
    if (!reader.atEnd() && !reader.takeLetter('X') && !reader.take("-")) {
        return notUnderstood(reader, MessageId::ExpectXAndPitch, example);
    }
    reader.reset(afterSize);
    double lead = size->pitches.front();
    if (reader.takeLetter('X')) {
        const auto value = reader.number();
        if (!value) {
            return notUnderstood(reader, MessageId::ExpectPitchOrLeadAfterX, example);
        }
        lead = *value;
    }
    double pitch = lead;
    const bool bracket = reader.take("(");
    if (reader.takeLetter('P')) {
        const auto value = reader.number();
        if (!value || (bracket && !reader.take(")"))) {
            return notUnderstood(reader, MessageId::ExpectPitchAfterP, example);
        }
        pitch = *value;
    } else if (bracket) {
        return notUnderstood(reader, MessageId::ExpectPAndPitch, example);
    }
    bool inTable = false;
    for (double p : size->pitches) {
        inTable = inTable || std::fabs(p - pitch) < 1e-9;
    }
    if (!inTable) {
        return refusal(MessageId::NoSuchPitch,
                       {std::string(prefix) + numberText(*d), numberText(pitch),
                        pitchList(size->pitches, false)});
    }
    const auto starts = startsFromLead(lead, pitch, example);
    if (!starts) {
        return unexpected(starts.error());
    }
    screw.pitch = pitch;
    screw.starts = *starts;
    screw.name = std::string(prefix) + numberText(*d) + "x" + numberText(lead) +
                 (screw.starts > 1 ? "(P" + numberText(pitch) + ")" : "");
    if (reader.take("-")) {
        screw.classText = reader.word();
    }
    if (!reader.atEnd()) {
        return notUnderstood(reader, MessageId::ExpectClassOrNothing, example);
    }
    return screw;
}

constexpr double kMillimetre = 1000; // micrometres

double trapezoidalStepMean(double d) {
    constexpr std::array<double, 8> steps{5.6, 11.2, 22.4, 45, 90, 180, 355, 640};
    for (std::size_t i = 1; i < steps.size(); ++i) {
        if (d <= steps[i]) {
            return std::sqrt(steps[i - 1] * steps[i]);
        }
    }
    return std::sqrt(steps[6] * steps[7]);
}

double crestClearance(double p) {
    return p <= 1.5 ? 0.15 : p <= 5 ? 0.25 : p <= 12 ? 0.5 : 1.0;
}

struct TrapezoidalClass {
    int grade = 7;
    char position = 'e';
};

FormExpected<TrapezoidalClass> readTrapezoidalClass(std::string_view text, Side side) {
    TrapezoidalClass c;
    if (text.size() != 2 || text[0] < '7' || text[0] > '9' ||
        std::string_view("eH").find(text[1]) == std::string_view::npos) {
        return refusal(MessageId::TrapezoidalClassBad, {quotedText(text), std::string(kTrExample)});
    }
    c.grade = text[0] - '0';
    c.position = text[1];
    if ((c.position == 'H') != (side == Side::Inner)) {
        return classForOtherSide(text, side, "7e", "7H");
    }
    return c;
}

} // namespace

FormExpected<ThreadForm> trapezoidalForm(std::string_view designation, Side side) {
    const auto screw = readPowerScrew(designation, "Tr", kTrExample);
    if (!screw) {
        return unexpected(screw.error());
    }
    const std::string classText =
        screw->classText.empty() ? (side == Side::Outer ? "7e" : "7H") : screw->classText;
    const auto cls = readTrapezoidalClass(classText, side);
    if (!cls) {
        return unexpected(cls.error());
    }
    ThreadForm form;
    form.family = "ISO trapezoidal";
    form.example = std::string(kTrExample);
    form.designation = screw->name + "-" + classText;
    form.toleranceClass = classText;
    form.pitch = screw->pitch;
    form.starts = screw->starts;
    setSymmetric(form, 15);
    const double p = screw->pitch;
    const double d = screw->diameter;
    const double ac = crestClearance(p);
    form.basicMajor = d;
    form.basicPitchDiameter = d - 0.5 * p;
    form.floorRadius = ac; // R2 max at the root of both threads
    const double gradeFactor = cls->grade == 7 ? 1.25 : cls->grade == 8 ? 1.6 : 2.0;
    const double pitchTol6 = r40(90 * std::pow(p, 0.4) * std::pow(trapezoidalStepMean(d), 0.1));
    const double pitchTol = r40(pitchTol6 * gradeFactor);
    if (side == Side::Outer) {
        const double es = r40(50 + 11 * p) / kMillimetre;
        const double td2 = pitchTol / kMillimetre;
        const double td =
            r40(0.63 * r40(180 * std::pow(p, 2.0 / 3.0) - 3.15 / std::sqrt(p))) / kMillimetre;
        const double td3 = 1.25 * td2 + es;
        form.basicMinor = d - p - 2 * ac;
        // ISO 2903 (DIN 103-4): d and d3 have their upper limit at the basic size, d2 lies
        // es below it; Td3 = 1.25 Td2 + |es| takes the deviation in.
        form.limits.major = {d - td, d};
        form.limits.pitch = {form.basicPitchDiameter - es - td2, form.basicPitchDiameter - es};
        form.limits.minor = {form.basicMinor - td3, form.basicMinor};
        form.crestDiameter = d - td / 2;
        form.pitchDiameter = form.basicPitchDiameter - es - td2 / 2;
        form.floorDiameter = form.basicMinor - td3 / 2;
    } else {
        const double td2 = r40(1.32 * pitchTol) / kMillimetre;
        const double td1 = r40(0.63 * r40(230 * std::pow(p, 0.7))) / kMillimetre;
        form.basicMinor = d - p;
        // Position H: D1 and D2 start at their basic sizes; D4 has a lower limit only.
        form.limits.minor = {form.basicMinor, form.basicMinor + td1};
        form.limits.pitch = {form.basicPitchDiameter, form.basicPitchDiameter + td2};
        form.crestDiameter = form.basicMinor + td1 / 2;
        form.pitchDiameter = form.basicPitchDiameter + td2 / 2;
        form.floorDiameter = d + 2 * ac; // D4 has a lower limit only
        form.notes.push_back({FormNoteId::TrapezoidalNutFloor, {}});
    }
    if (screw->classText.empty()) {
        form.notes.push_back({FormNoteId::DefaultClass, {classText}});
    }
    form.notes.push_back({FormNoteId::TrapezoidalClearance, {numberText(ac)}});
    form.notes.push_back({FormNoteId::TrapezoidalClassMiddle, {classText}});
    return form;
}

FormExpected<ThreadForm> buttressForm(std::string_view designation, Side side) {
    const auto screw = readPowerScrew(designation, "S", kSExample);
    if (!screw) {
        return unexpected(screw.error());
    }
    if (!screw->classText.empty()) {
        return refusal(MessageId::ButtressNoClass, {std::string(kSExample)});
    }
    ThreadForm form;
    form.family = "Buttress";
    form.example = std::string(kSExample);
    form.designation = screw->name;
    form.pitch = screw->pitch;
    form.starts = screw->starts;
    const double p = screw->pitch;
    const double d = screw->diameter;
    form.firstFlank = 3; // the load flank
    form.secondFlank = 30;
    form.widthAtPitch = p / 2;
    form.basicMajor = d;
    form.basicPitchDiameter = d - 0.75 * p;
    form.pitchDiameter = form.basicPitchDiameter;
    // Both roots are one round tangent to both flanks, R = 0.124271 P; the outer root
    // comes out at d3 = d - 1.735534 P, the inner one a crest clearance beyond d.
    form.floorRadius = 0.124271 * p;
    if (side == Side::Outer) {
        form.basicMinor = d - 1.735534 * p;
        form.crestDiameter = d;
    } else {
        form.basicMinor = d - 1.5 * p;
        form.crestDiameter = form.basicMinor;
    }
    form.notes.push_back({FormNoteId::ButtressBasic, {}});
    form.notes.push_back({FormNoteId::ButtressLoadFlank, {}});
    return form;
}

namespace {

std::vector<std::string> powerScrewSizes(std::string_view prefix) {
    std::vector<std::string> out;
    for (const PowerScrewSize& size : powerScrewTable()) {
        for (double p : size.pitches) {
            out.push_back(std::string(prefix) + numberText(size.diameter) + "x" + numberText(p));
        }
    }
    return out;
}

} // namespace

std::vector<std::string> trapezoidalSizes() {
    return powerScrewSizes("Tr");
}

std::vector<std::string> buttressSizes() {
    return powerScrewSizes("S");
}

} // namespace quillmar::forms
