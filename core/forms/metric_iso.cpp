#include "core/forms/family_forms.h"
#include "core/forms/metric_pitch_tolerances.h"
#include "core/forms/preferred_numbers.h"
#include "core/quoted_text.h"

#include <array>
#include <cmath>

namespace quillmar::forms {

namespace {

constexpr std::string_view kExample = "M20, M20x2.5, M24x1.5, M8x1.25-6g, M30x2-6H";

struct MetricSize {
    double diameter;
    double coarse; // 0: the size has fine pitches only
    std::vector<double> fine;
};

// The sizes and pitches of the general plan, first to third choice.
const std::vector<MetricSize>& metricTable() {
    static const std::vector<MetricSize> table = [] {
        std::vector<MetricSize> t{
            {1, 0.25, {0.2}},
            {1.1, 0.25, {0.2}},
            {1.2, 0.25, {0.2}},
            {1.4, 0.3, {0.2}},
            {1.6, 0.35, {0.2}},
            {1.8, 0.35, {0.2}},
            {2, 0.4, {0.25}},
            {2.2, 0.45, {0.25}},
            {2.5, 0.45, {0.35}},
            {3, 0.5, {0.35}},
            {3.5, 0.6, {0.35}},
            {4, 0.7, {0.5}},
            {4.5, 0.75, {0.5}},
            {5, 0.8, {0.5}},
            {5.5, 0, {0.5}},
            {6, 1, {0.75}},
            {7, 1, {0.75}},
            {8, 1.25, {1, 0.75}},
            {9, 1.25, {1, 0.75}},
            {10, 1.5, {1.25, 1, 0.75}},
            {11, 1.5, {1, 0.75}},
            {12, 1.75, {1.5, 1.25, 1}},
            {14, 2, {1.5, 1.25, 1}},
            {15, 0, {1.5, 1}},
            {16, 2, {1.5, 1}},
            {17, 0, {1.5, 1}},
            {18, 2.5, {2, 1.5, 1}},
            {20, 2.5, {2, 1.5, 1}},
            {22, 2.5, {2, 1.5, 1}},
            {24, 3, {2, 1.5, 1}},
            {25, 0, {2, 1.5, 1}},
            {26, 0, {1.5}},
            {27, 3, {2, 1.5, 1}},
            {28, 0, {2, 1.5, 1}},
            {30, 3.5, {3, 2, 1.5, 1}},
            {32, 0, {2, 1.5}},
            {33, 3.5, {3, 2, 1.5}},
            {35, 0, {1.5}},
            {36, 4, {3, 2, 1.5}},
            {38, 0, {1.5}},
            {39, 4, {3, 2, 1.5}},
            {40, 0, {3, 2, 1.5}},
            {42, 4.5, {4, 3, 2, 1.5}},
            {45, 4.5, {4, 3, 2, 1.5}},
            {48, 5, {4, 3, 2, 1.5}},
            {50, 0, {3, 2, 1.5}},
            {52, 5, {4, 3, 2, 1.5}},
            {55, 0, {4, 3, 2, 1.5}},
            {56, 5.5, {4, 3, 2, 1.5}},
            {58, 0, {4, 3, 2, 1.5}},
            {60, 5.5, {4, 3, 2, 1.5}},
            {62, 0, {4, 3, 2, 1.5}},
            {64, 6, {4, 3, 2, 1.5}},
            {65, 0, {4, 3, 2, 1.5}},
            {68, 6, {4, 3, 2, 1.5}},
            {70, 0, {6, 4, 3, 2, 1.5}},
            {72, 0, {6, 4, 3, 2, 1.5}},
            {75, 0, {4, 3, 2, 1.5}},
            {76, 0, {6, 4, 3, 2, 1.5}},
            {78, 0, {2}},
            {80, 0, {6, 4, 3, 2, 1.5}},
            {82, 0, {2}},
        };
        for (double d = 85; d <= 150; d += 5) {
            t.push_back({d, 0, {6, 4, 3, 2}});
        }
        return t;
    }();
    return table;
}

// Tolerance grades and positions of one diameter pair: the pitch diameter and the
// crest diameter (major of an outer thread, minor of an inner one).
struct MetricClass {
    int pitchGrade = 6;
    int crestGrade = 6;
    char position = 'g';
};

double pitchGradeFactor(int grade) {
    constexpr std::array<double, 7> factors{0.5, 0.63, 0.8, 1.0, 1.25, 1.6, 2.0}; // 3..9
    return factors[static_cast<std::size_t>(grade - 3)];
}

// Geometric mean of the diameter step that holds d.
double diameterStepMean(double d) {
    constexpr std::array<double, 11> steps{0.99, 1.4, 2.8, 5.6, 11.2, 22.4, 45, 90, 180, 355, 600};
    for (std::size_t i = 1; i < steps.size(); ++i) {
        if (d <= steps[i]) {
            return std::sqrt(steps[i - 1] * steps[i]);
        }
    }
    return std::sqrt(steps[9] * steps[10]);
}

// A fundamental deviation in millimetres: its formula's value as a preferred number, to
// the whole micrometre, halves to the even one (as the tables give 42 for 42.5 and 32
// for 31.5).
double micrometres(double value) {
    return std::copysign(std::nearbyint(r40(std::fabs(value))), value) / 1000.0;
}

// Td2 in micrometres: ISO 965-1's table where we hold it, else its formula rounded to R40.
double pitchTolerance(double p, double d, int grade) {
    if (const auto tabled = tabledPitchTolerance(p, d, grade)) {
        return *tabled;
    }
    return r40(r40(90 * std::pow(p, 0.4) * std::pow(diameterStepMean(d), 0.1)) *
               pitchGradeFactor(grade));
}

// TD2 in micrometres: 1.32 Td2 rounded to R40, but for the cells ISO 965-1 tables apart.
double innerPitchTolerance(double p, double d, int grade) {
    if (const auto tabled = tabledInnerPitchTolerance(p, d, grade)) {
        return *tabled;
    }
    return r40(1.32 * pitchTolerance(p, d, grade));
}

double majorTolerance(double p, int grade) {
    const double t6 = 180 * std::pow(p, 2.0 / 3.0) - 3.15 / std::sqrt(p);
    return r40(r40(t6) * (grade == 4 ? 0.63 : grade == 8 ? 1.6 : 1.0));
}

double minorTolerance(double p, int grade) {
    if (const auto tabled = tabledMinorTolerance(p, grade)) {
        return *tabled;
    }
    const double t6 = p < 1 ? 433 * p - 190 * std::pow(p, 1.22) : 230 * std::pow(p, 0.7);
    return r40(r40(t6) * pitchGradeFactor(grade));
}

double fundamentalDeviation(double p, char position) {
    switch (position) {
    case 'e':
        return -(50 + 11 * p);
    case 'f':
        return -(30 + 11 * p);
    case 'g':
        return -(15 + 11 * p);
    case 'G':
        return 15 + 11 * p;
    default:
        return 0; // h, H
    }
}

// The fundamental deviation in millimetres. ISO 965-1's table gives g and G 22 um at
// P 0.75, where the formula's R40 value is 24: ASME B1.13M Table 13 prints M10x0.75-6g
// with the allowance 0.022 (scribd 604040407), the Yamawa tap catalogue (p. 645) 6G of
// M4.5x0.75 with EI +22.
double deviationMillimetres(double p, char position) {
    const bool gPosition = position == 'g' || position == 'G';
    if (gPosition && std::fabs(p - 0.75) < 1e-9) {
        return (position == 'g' ? -22 : 22) / 1000.0;
    }
    return micrometres(fundamentalDeviation(p, position));
}

bool isGrade(int grade, Side side, bool crest) {
    if (side == Side::Inner) {
        return grade >= 4 && grade <= 8;
    }
    return crest ? (grade == 4 || grade == 6 || grade == 8) : (grade >= 3 && grade <= 9);
}

FormExpected<MetricClass> readClass(std::string_view text, Side side) {
    const std::string_view outer = "efgh";
    const std::string_view inner = "GH";
    MetricClass c;
    const auto bad = [&](MessageId why) {
        return refusal(MessageId::BadClass, {quotedText(text), why, std::string(kExample)});
    };
    const auto part = [&](std::string_view t, int& grade, char& position) {
        if (t.size() != 2 || t[0] < '0' || t[0] > '9') {
            return false;
        }
        grade = t[0] - '0';
        position = t[1];
        return true;
    };
    char crestPosition = 0;
    bool read = false;
    if (text.size() == 2) {
        read = part(text, c.pitchGrade, c.position);
        c.crestGrade = c.pitchGrade;
        crestPosition = c.position;
    } else if (text.size() == 4) {
        read = part(text.substr(0, 2), c.pitchGrade, c.position) &&
               part(text.substr(2), c.crestGrade, crestPosition);
    }
    if (!read || crestPosition != c.position) {
        return bad(MessageId::MetricClassShape);
    }
    const bool known = outer.find(c.position) != std::string_view::npos ||
                       inner.find(c.position) != std::string_view::npos;
    if (!known) {
        return bad(MessageId::MetricClassPosition);
    }
    const bool innerClass = inner.find(c.position) != std::string_view::npos;
    if (innerClass != (side == Side::Inner)) {
        return classForOtherSide(text, side, "6g", "6H");
    }
    if (!isGrade(c.pitchGrade, side, false) || !isGrade(c.crestGrade, side, true)) {
        return bad(side == Side::Outer ? MessageId::MetricOuterGrades
                                       : MessageId::MetricInnerGrades);
    }
    return c;
}

const MetricSize* findSize(double d) {
    for (const MetricSize& size : metricTable()) {
        if (std::fabs(size.diameter - d) < 1e-9) {
            return &size;
        }
    }
    return nullptr;
}

} // namespace

FormExpected<ThreadForm> metricForm(std::string_view designation, Side side) {
    DesignationReader reader(designation);
    const auto d = nominalMillimetres(reader, "M", kExample);
    if (!d) {
        return unexpected(d.error());
    }
    const MetricSize* size = findSize(*d);
    if (!size) {
        return refusal(MessageId::MetricNotSize, {"M" + numberText(*d), std::string(kExample)});
    }
    double pitch = size->coarse;
    const std::size_t afterSize = reader.mark();
    if (!reader.atEnd() && !reader.takeLetter('X') && !reader.take("-")) {
        return notUnderstood(reader, MessageId::ExpectXAndPitch, kExample);
    }
    reader.reset(afterSize);
    const bool pitchGiven = reader.takeLetter('X');
    if (pitchGiven) {
        const auto p = reader.number();
        if (!p) {
            return notUnderstood(reader, MessageId::ExpectPitchAfterX, kExample);
        }
        pitch = *p;
    }
    std::vector<double> pitches = size->fine;
    if (size->coarse > 0) {
        pitches.insert(pitches.begin(), size->coarse);
    }
    bool inTable = false;
    for (double p : pitches) {
        inTable = inTable || std::fabs(p - pitch) < 1e-9;
    }
    if (!pitchGiven && pitch == 0) {
        return refusal(MessageId::NoCoarsePitch,
                       {"M" + numberText(*d), pitchList(pitches, false),
                        "M" + numberText(*d) + "x" + numberText(pitches.front())});
    }
    if (!inTable) {
        return refusal(MessageId::NoSuchPitch, {"M" + numberText(*d), numberText(pitch),
                                                pitchList(pitches, size->coarse > 0)});
    }
    std::string classText = side == Side::Outer ? "6g" : "6H";
    const bool classGiven = reader.take("-");
    if (classGiven) {
        classText = reader.word();
    }
    if (!reader.atEnd()) {
        return notUnderstood(reader, MessageId::ExpectClassOrNothing, kExample);
    }
    const auto cls = readClass(classText, side);
    if (!cls) {
        return unexpected(cls.error());
    }

    ThreadForm form;
    form.family = "ISO metric";
    form.example = std::string(kExample);
    form.toleranceClass = classText;
    form.pitch = pitch;
    form.designation = "M" + numberText(*d) +
                       (pitch == size->coarse ? "" : "x" + numberText(pitch)) + "-" + classText;
    setSymmetric(form, 30);
    const double p = pitch;
    const double h = std::sqrt(3.0) / 2 * p; // the fundamental triangle
    form.basicMajor = *d;
    form.basicPitchDiameter = *d - 0.75 * h;
    const double deviation = deviationMillimetres(p, cls->position);
    const double outerPitchTol = pitchTolerance(p, *d, cls->pitchGrade);
    const double pitchTol =
        (side == Side::Inner ? innerPitchTolerance(p, *d, cls->pitchGrade) : outerPitchTol) / 1000;
    // ISO 965-1:1998 clause 5 (fig. 2 and 3): an outer thread's limits lie below the basic
    // sizes by es, an inner one's above them by EI, each band one tolerance wide. The
    // outer minor diameter and the inner major diameter have one limit only: not gauged.
    if (side == Side::Outer) {
        const double majorTol = majorTolerance(p, cls->crestGrade) / 1000;
        form.limits.major = {*d + deviation - majorTol, *d + deviation};
        form.limits.pitch = {form.basicPitchDiameter + deviation - pitchTol,
                             form.basicPitchDiameter + deviation};
        form.basicMinor = *d - 2 * (17.0 / 24.0) * h;
        form.crestDiameter = *d + deviation - majorTol / 2;
        form.pitchDiameter = form.basicPitchDiameter + deviation - pitchTol / 2;
        form.floorRadius = h / 6;
        form.notes.push_back({FormNoteId::MetricBoltRoot, {}});
    } else {
        form.basicMinor = *d - 2 * (5.0 / 8.0) * h;
        const double minorTol = minorTolerance(p, cls->crestGrade) / 1000;
        form.limits.minor = {form.basicMinor + deviation, form.basicMinor + deviation + minorTol};
        form.limits.pitch = {form.basicPitchDiameter + deviation,
                             form.basicPitchDiameter + deviation + pitchTol};
        form.crestDiameter = form.basicMinor + deviation + minorTol / 2;
        form.pitchDiameter = form.basicPitchDiameter + deviation + pitchTol / 2;
        // The nut's root has only a lower limit; a round that keeps both tangent points
        // outside the basic major diameter is the largest that never touches the bolt.
        form.floorRadius = h / 12;
        form.notes.push_back({FormNoteId::NutRoot, {}});
    }
    if (!classGiven) {
        form.notes.push_back({FormNoteId::DefaultClass, {classText}});
    }
    form.notes.push_back({FormNoteId::MetricClassMiddle, {classText}});
    return form;
}

std::vector<std::string> metricSizes() {
    std::vector<std::string> out;
    for (const MetricSize& size : metricTable()) {
        const std::string name = "M" + numberText(size.diameter);
        if (size.coarse > 0) {
            out.push_back(name);
        }
        for (double p : size.fine) {
            out.push_back(name + "x" + numberText(p));
        }
    }
    return out;
}

} // namespace quillmar::forms
