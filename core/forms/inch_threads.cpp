#include "core/forms/family_forms.h"
#include "core/quoted_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <optional>

namespace quillmar::forms {

namespace {

constexpr std::string_view kUnifiedExample = "1/2-13 UNC, 1/2-20 UNF-2A, 3/8-24 UNF-2B, #10-24 UNC";
constexpr std::string_view kAcmeExample =
    "1-5 ACME, 1 1/4-5 ACME-2G, 1-5 ACME 2 START, 1-0.2P-0.4L ACME";
constexpr std::string_view kStubExample = "1/2-20 STUB ACME, 1-5 STUB ACME";
constexpr std::string_view kNptExample = "1/2-14 NPT, 1 1/4-11.5 NPT";
constexpr std::string_view kBswExample = "1/2 BSW, 1/2-12 BSW, 1 1/4 BSW";

struct InchSize {
    double diameter; // inches
    double tpi;
};

const std::vector<InchSize> kUnc{
    {0.073, 64},  {0.086, 56}, {0.099, 48}, {0.112, 40},  {0.125, 40}, {0.138, 32},  {0.164, 32},
    {0.190, 24},  {0.216, 24}, {0.25, 20},  {0.3125, 18}, {0.375, 16}, {0.4375, 14}, {0.5, 13},
    {0.5625, 12}, {0.625, 11}, {0.75, 10},  {0.875, 9},   {1, 8},      {1.125, 7},   {1.25, 7},
    {1.375, 6},   {1.5, 6},    {1.75, 5},   {2, 4.5},     {2.25, 4.5}, {2.5, 4},     {2.75, 4},
    {3, 4},       {3.25, 4},   {3.5, 4},    {3.75, 4},    {4, 4}};
const std::vector<InchSize> kUnf{{0.060, 80},  {0.073, 72},  {0.086, 64}, {0.099, 56},  {0.112, 48},
                                 {0.125, 44},  {0.138, 40},  {0.164, 36}, {0.190, 32},  {0.216, 28},
                                 {0.25, 28},   {0.3125, 24}, {0.375, 24}, {0.4375, 20}, {0.5, 20},
                                 {0.5625, 18}, {0.625, 18},  {0.75, 16},  {0.875, 14},  {1, 12},
                                 {1.125, 12},  {1.25, 12},   {1.375, 12}, {1.5, 12}};
const std::vector<InchSize> kUnef{
    {0.216, 32},  {0.25, 32},   {0.3125, 32}, {0.375, 32},  {0.4375, 28},
    {0.5, 28},    {0.5625, 24}, {0.625, 24},  {0.6875, 24}, {0.75, 20},
    {0.8125, 20}, {0.875, 20},  {0.9375, 20}, {1, 20},      {1.0625, 18},
    {1.125, 18},  {1.1875, 18}, {1.25, 18},   {1.3125, 18}, {1.375, 18},
    {1.4375, 18}, {1.5, 18},    {1.5625, 18}, {1.625, 18},  {1.6875, 18}};
const std::vector<InchSize> kAcme{{0.25, 16}, {0.3125, 14}, {0.375, 12}, {0.4375, 12}, {0.5, 10},
                                  {0.625, 8}, {0.75, 6},    {0.875, 6},  {1, 5},       {1.125, 5},
                                  {1.25, 5},  {1.375, 4},   {1.5, 4},    {1.75, 4},    {2, 4},
                                  {2.25, 3},  {2.5, 3},     {2.75, 3},   {3, 2},       {3.5, 2},
                                  {4, 2},     {4.5, 2},     {5, 2}};
const std::vector<InchSize> kBsw{
    {0.125, 40}, {0.1875, 24}, {0.25, 20},  {0.3125, 18}, {0.375, 16}, {0.4375, 14},
    {0.5, 12},   {0.5625, 12}, {0.625, 11}, {0.6875, 11}, {0.75, 10},  {0.875, 9},
    {1, 8},      {1.125, 7},   {1.25, 7},   {1.375, 6},   {1.5, 6},    {1.625, 5},
    {1.75, 5},   {1.875, 4.5}, {2, 4.5},    {2.25, 4},    {2.5, 4},    {2.75, 3.5},
    {3, 3.5},    {3.25, 3.25}, {3.5, 3.25}, {3.75, 3},    {4, 3}};

struct NptSize {
    double size;
    double outside; // pipe outside diameter, inches
    double tpi;
    double handTight; // L1, inches
};
// ASME B1.20.1, Table 2 (basic dimensions of the NPT taper pipe thread): every size of
// the table, 1/16 to 24, the sizes from 14 on named by their outside diameter.
const std::vector<NptSize> kNpt{
    {0.0625, 0.3125, 27, 0.160}, {0.125, 0.405, 27, 0.1615}, {0.25, 0.540, 18, 0.2278},
    {0.375, 0.675, 18, 0.240},   {0.5, 0.840, 14, 0.320},    {0.75, 1.050, 14, 0.339},
    {1, 1.315, 11.5, 0.400},     {1.25, 1.660, 11.5, 0.420}, {1.5, 1.900, 11.5, 0.420},
    {2, 2.375, 11.5, 0.436},     {2.5, 2.875, 8, 0.682},     {3, 3.500, 8, 0.766},
    {3.5, 4.000, 8, 0.821},      {4, 4.500, 8, 0.844},       {5, 5.563, 8, 0.937},
    {6, 6.625, 8, 0.958},        {8, 8.625, 8, 1.063},       {10, 10.750, 8, 1.210},
    {12, 12.750, 8, 1.360},      {14, 14.000, 8, 1.562},     {16, 16.000, 8, 1.812},
    {18, 18.000, 8, 2.000},      {20, 20.000, 8, 2.125},     {24, 24.000, 8, 2.375}};

constexpr double kNumberedSizes[][2] = {{0, 0.060},  {1, 0.073}, {2, 0.086}, {3, 0.099},
                                        {4, 0.112},  {5, 0.125}, {6, 0.138}, {8, 0.164},
                                        {10, 0.190}, {12, 0.216}};

enum class Series { Unc, Unf, Unef, Un, Acme, StubAcme, Npt, Bsw };

struct InchDesignation {
    Series series = Series::Unc;
    double diameter = 0; // inches
    std::string sizeText;
    double tpi = 0;  // 0 when left out
    double lead = 0; // inches, 0 when not given
    int starts = 1;
    std::string classText;
};

bool same(double a, double b) {
    return std::fabs(a - b) < 1e-9;
}

std::string seriesName(Series s) {
    switch (s) {
    case Series::Unc:
        return "UNC";
    case Series::Unf:
        return "UNF";
    case Series::Unef:
        return "UNEF";
    case Series::Un:
        return "UN";
    case Series::Acme:
        return "ACME";
    case Series::StubAcme:
        return "STUB ACME";
    case Series::Npt:
        return "NPT";
    default:
        return "BSW";
    }
}

std::string_view seriesExample(Series s) {
    switch (s) {
    case Series::Acme:
        return kAcmeExample;
    case Series::StubAcme:
        return kStubExample;
    case Series::Npt:
        return kNptExample;
    case Series::Bsw:
        return kBswExample;
    default:
        return kUnifiedExample;
    }
}

const std::vector<InchSize>* seriesTable(Series s) {
    switch (s) {
    case Series::Unc:
        return &kUnc;
    case Series::Unf:
        return &kUnf;
    case Series::Unef:
        return &kUnef;
    case Series::Acme:
    case Series::StubAcme:
        return &kAcme;
    case Series::Bsw:
        return &kBsw;
    default:
        return nullptr;
    }
}

std::optional<Series> readSeries(DesignationReader& reader) {
    if (reader.take("STUB ACME") || reader.take("STUB-ACME")) {
        return Series::StubAcme;
    }
    constexpr std::pair<std::string_view, Series> words[] = {
        {"UNEF", Series::Unef}, {"UNC", Series::Unc}, {"UNF", Series::Unf}, {"UN", Series::Un},
        {"ACME", Series::Acme}, {"NPT", Series::Npt}, {"BSW", Series::Bsw}};
    for (const auto& [word, series] : words) {
        const std::size_t start = reader.mark();
        if (reader.take(word)) {
            const std::string_view rest = reader.rest();
            if (rest.empty() || !std::isalpha(static_cast<unsigned char>(rest.front()))) {
                return series;
            }
        }
        reader.reset(start);
    }
    return std::nullopt;
}

Series guessSeries(std::string_view upper) {
    if (upper.find("STUB") != std::string_view::npos) {
        return Series::StubAcme;
    }
    if (upper.find("ACME") != std::string_view::npos) {
        return Series::Acme;
    }
    if (upper.find("NPT") != std::string_view::npos) {
        return Series::Npt;
    }
    if (upper.find("BSW") != std::string_view::npos) {
        return Series::Bsw;
    }
    return Series::Unc;
}

// "N START" or "-N START" at the end.
bool readStarts(DesignationReader& reader, InchDesignation& out) {
    const std::size_t start = reader.mark();
    reader.take("-");
    const auto n = reader.wholeNumber();
    if (n && (reader.take("START") || reader.take("STARTS"))) {
        out.starts = *n;
        return true;
    }
    reader.reset(start);
    return false;
}

FormExpected<InchDesignation> readInch(std::string_view designation) {
    std::string upper(designation);
    for (char& c : upper) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    const Series guessed = guessSeries(upper);
    const std::string_view example = seriesExample(guessed);
    DesignationReader reader(designation);
    InchDesignation out;
    const bool numbered = reader.take("#") || reader.take("NO.");
    const std::size_t sizeStart = reader.mark();
    const auto size = reader.inchSize();
    if (!size) {
        return notUnderstood(reader, MessageId::ExpectInchSize, example);
    }
    out.sizeText = std::string(reader.text().substr(sizeStart, reader.mark() - sizeStart));
    out.diameter = *size;
    const std::size_t afterSize = reader.mark();
    if (reader.take("-")) {
        const auto value = reader.number();
        if (!value) {
            return notUnderstood(reader, MessageId::ExpectTpiAfterDash, example);
        }
        if (reader.takeLetter('P')) { // pitch and lead in inches: 0.2P-0.4L
            if (!reader.take("-")) {
                return notUnderstood(reader, MessageId::ExpectDashAndLead, example);
            }
            const auto lead = reader.number();
            if (!lead || !reader.takeLetter('L')) {
                return notUnderstood(reader, MessageId::ExpectLeadAndL, example);
            }
            if (!(*value > 0) || !(*lead > 0)) {
                return refusal(MessageId::PitchLeadNotPositive,
                               {quotedText(designation), std::string(example)});
            }
            out.tpi = 1 / *value;
            out.lead = *lead;
            reader.take("-");
        } else if (*value > 0) {
            out.tpi = *value;
        } else {
            // 0 would read as "left out" and quietly take the table's threads per inch.
            return refusal(MessageId::TpiNotPositive,
                           {quotedText(designation), std::string(example)});
        }
    } else {
        reader.reset(afterSize);
    }
    const auto series = readSeries(reader);
    if (!series) {
        return notUnderstood(reader, MessageId::ExpectSeries, example);
    }
    out.series = *series;
    const std::string_view own = seriesExample(out.series);
    // A whole number up to 12 with a fine pitch is a numbered size (#10-24).
    if (out.series <= Series::Un) {
        for (const auto& [number, inches] : kNumberedSizes) {
            const bool wholeMatch = same(*size, number) && (numbered || out.tpi >= 24);
            if (wholeMatch) {
                out.diameter = inches;
                out.sizeText = "#" + numberText(number);
            }
        }
        if (numbered && out.sizeText.front() != '#') {
            return refusal(MessageId::NotNumberedSize, {"#" + out.sizeText, std::string(own)});
        }
    }
    if (!readStarts(reader, out) && reader.take("-")) {
        out.classText = reader.word();
        readStarts(reader, out);
    }
    if (!reader.atEnd()) {
        return notUnderstood(reader, MessageId::ExpectClassStartsOrNothing, own);
    }
    if (out.lead > 0) {
        const auto starts = startsFromLead(out.lead, 1 / out.tpi, own);
        if (!starts) {
            return unexpected(starts.error());
        }
        out.starts = *starts;
    }
    if (out.starts < 1 || out.starts > 99) {
        return refusal(MessageId::StartsOutOfRange, {std::string(own)});
    }
    return out;
}

// The series that take any threads per inch still start at their table's smallest
// size: below it the standard gives no thread, and the groove would reach the axis.
std::optional<FormMessage> belowTable(const InchDesignation& in) {
    const bool acme = in.series == Series::Acme || in.series == Series::StubAcme;
    if (!acme && in.series != Series::Un) {
        return std::nullopt;
    }
    const double smallest = acme ? kAcme.front().diameter : kUnf.front().diameter;
    if (in.diameter >= smallest - 1e-9) {
        return std::nullopt;
    }
    return FormMessage(MessageId::BelowSeries,
                       {in.sizeText, seriesName(in.series), acme ? "1/4 in." : "#0, 0.060 in.",
                        std::string(seriesExample(in.series))});
}

// Threads per inch from the table, or the check that the given one is the table's.
FormExpected<double> tableTpi(const InchDesignation& in) {
    const std::string name = in.sizeText + " " + seriesName(in.series);
    if (const auto below = belowTable(in)) {
        return unexpected(*below);
    }
    if (in.series == Series::Un) {
        if (in.tpi <= 0) {
            return refusal(MessageId::UnNeedsTpi);
        }
        return in.tpi;
    }
    const std::vector<InchSize>* table = seriesTable(in.series);
    for (const InchSize& size : *table) {
        if (!same(size.diameter, in.diameter)) {
            continue;
        }
        if (in.tpi <= 0 || same(in.tpi, size.tpi)) {
            return size.tpi;
        }
        if (in.series == Series::Acme || in.series == Series::StubAcme) {
            return in.tpi; // these series allow other pitches on a size
        }
        return refusal(MessageId::NoSuchTpi,
                       {name, numberText(in.tpi),
                        in.sizeText + "-" + numberText(size.tpi) + " " + seriesName(in.series)});
    }
    if ((in.series == Series::Acme || in.series == Series::StubAcme) && in.tpi > 0) {
        return in.tpi;
    }
    return refusal(MessageId::NotSeriesSize,
                   {in.sizeText, seriesName(in.series), std::string(seriesExample(in.series))});
}

// The unified tolerances in inches, from their formulas (ASME B1.1-2003 para. 5.8.1): the
// pitch diameter tolerance of class 2A for the standard length of engagement, which the
// tables of limits take equal to the basic major diameter.
double unifiedPitchTolerance2A(double d, double p) {
    return 0.0015 * std::cbrt(d) + 0.0015 * std::sqrt(d) + 0.015 * std::pow(p, 2.0 / 3.0);
}

// Limits, tolerances and allowances as the tables print them: inches to four decimals.
double printedLimit(double inches) {
    return std::round(inches * 1e4) / 1e4;
}

// A tolerance as the tables print it: to four decimals from its value to six. ASME B1.1
// Table 2 prints the 1/4-20 UNC-2B pitch diameter 0.2175 to 0.2224: 1.3 x the 2A
// tolerance is 0.00484998, 0.004850 to six decimals, so 0.0049 and not 0.0048.
double printedTolerance(double inches) {
    return printedLimit(std::round(inches * 1e6) / 1e6);
}

FormExpected<ThreadForm> unified(const InchDesignation& in, double tpi, Side side) {
    const std::string classText =
        in.classText.empty() ? (side == Side::Outer ? "2A" : "2B") : in.classText;
    const bool known = classText.size() == 2 && classText[0] >= '1' && classText[0] <= '3' &&
                       (classText[1] == 'A' || classText[1] == 'B');
    if (!known) {
        return refusal(MessageId::UnifiedClassBad,
                       {quotedText(classText), std::string(kUnifiedExample)});
    }
    if ((classText[1] == 'B') != (side == Side::Inner)) {
        return classForOtherSide(classText, side, "2A", "2B");
    }
    const int grade = classText[0] - '0';
    const double d = in.diameter;
    const double p = 1 / tpi;
    const double h = std::sqrt(3.0) / 2 * p;
    const double gradeFactor = grade == 1 ? 1.5 : grade == 2 ? 1.0 : 0.75;
    const double tolerance2A = unifiedPitchTolerance2A(d, p);
    const double allowance = grade == 3 ? 0 : printedLimit(0.3 * tolerance2A);
    const double basicPitchDiameter = printedLimit(d - 0.75 * h);
    const double inch = kMillimetresPerInch;
    ThreadForm form;
    form.family = "Unified";
    form.toleranceClass = classText;
    form.pitch = p * inch;
    setSymmetric(form, 30);
    form.basicMajor = d * inch;
    form.basicPitchDiameter = (d - 0.75 * h) * inch;
    if (side == Side::Outer) {
        const double td2 = printedTolerance(tolerance2A * gradeFactor);
        const double td = printedLimit((grade == 1 ? 0.090 : 0.060) * std::pow(p, 2.0 / 3.0));
        form.basicMinor = (d - 2 * (17.0 / 24.0) * h) * inch;
        // ASME B1.1-2003 para. 5.8: the major and pitch diameters' upper limits lie the
        // allowance below the basic sizes, each band one tolerance wide.
        form.limits.major = {(d - allowance - td) * inch, (d - allowance) * inch};
        form.limits.pitch = {(basicPitchDiameter - allowance - td2) * inch,
                             (basicPitchDiameter - allowance) * inch};
        form.crestDiameter = (d - allowance - td / 2) * inch;
        form.pitchDiameter = (basicPitchDiameter - allowance - td2 / 2) * inch;
        form.floorRadius = h / 6 * inch;
        form.notes.push_back({FormNoteId::UnifiedBoltRoot, {}});
    } else {
        // Below 1/4 in. and for class 3B the minor diameter tolerance has its own formula,
        // capped at 0.394 P; the tables print the minor diameters of classes 1B and 2B from
        // 1/4 in. up to three decimals.
        const bool smallOrClose = grade == 3 || d < 0.25;
        const double minorTol =
            smallOrClose ? std::min(0.05 * std::pow(p, 2.0 / 3.0) + 0.03 * p / d - 0.002, 0.394 * p)
                         : 0.25 * p - 0.40 * p * p;
        const double minorDigits = smallOrClose ? 1e4 : 1e3;
        const double basicMinor = d - 2 * (5.0 / 8.0) * h;
        const double minorMin = std::round(basicMinor * minorDigits) / minorDigits;
        // The upper limit is the lower one plus the tolerance, both first to four decimals
        // (#1-64 2B: 0.0561 + 0.0062 = 0.0623; 1/4-20 2B: 0.1959 + 0.0115 prints 0.207).
        const double minorMax =
            std::round((printedLimit(basicMinor) + printedLimit(minorTol)) * minorDigits) /
            minorDigits;
        const double td2 = printedTolerance(1.3 * tolerance2A * gradeFactor);
        form.basicMinor = basicMinor * inch;
        form.limits.minor = {minorMin * inch, minorMax * inch};
        form.limits.pitch = {basicPitchDiameter * inch, (basicPitchDiameter + td2) * inch};
        form.crestDiameter = (minorMin + minorMax) / 2 * inch;
        form.pitchDiameter = (basicPitchDiameter + td2 / 2) * inch;
        form.floorRadius = h / 12 * inch;
        form.notes.push_back({FormNoteId::NutRoot, {}});
    }
    if (in.classText.empty()) {
        form.notes.push_back({FormNoteId::DefaultClass, {classText}});
    }
    form.notes.push_back({FormNoteId::UnifiedClassMiddle, {classText}});
    return form;
}

// Clearance on the diameter at the roots (ASME B1.5-1997 para. 2.5, ASME B1.8 the same):
// 0.020 in. up to 10 threads per inch, 0.010 in. finer.
double acmeRootClearance(double tpi) {
    return tpi <= 10 ? 0.020 : 0.010;
}

// General purpose classes of ASME B1.5-1997 (Table 3, in inches, D the basic major
// diameter, P the pitch): the outer pitch diameter allowance 0.008, 0.006 or 0.004 x sqrt(D)
// and the pitch diameter tolerance of both sides 3.0, 1.4 or 1.0 x (0.002 sqrt(D) +
// 0.010 sqrt(P)) for 2G, 3G, 4G. The outer minor diameter tolerance is 1.5 x the pitch
// diameter tolerance; the outer major and the inner minor diameter tolerance 0.05 P, at
// least 0.005 in. As Table 5 prints them, each limit is the other one (itself to four
// decimals) less an allowance or tolerance to four decimals, the major diameter's lower
// limit to four decimals itself (5/8-8: 0.61875 prints 0.6188) (3/4-6 2G: 0.6667 - 0.0069
// prints 0.6598, less 0.0174 gives 0.6424; minor 0.5633 - 0.0262 = 0.5371).
struct AcmeClassFactors {
    double allowance;
    double tolerance;
};

std::optional<AcmeClassFactors> acmeClassFactors(std::string_view classText) {
    if (classText == "2G") {
        return AcmeClassFactors{0.008, 3.0};
    }
    if (classText == "3G") {
        return AcmeClassFactors{0.006, 1.4};
    }
    if (classText == "4G") {
        return AcmeClassFactors{0.004, 1.0};
    }
    return std::nullopt;
}

// The limits of a general purpose class on a thread of the given basic height (0.5 P for
// ACME, 0.3 P for Stub ACME): the basic pitch diameter is D - height, the basic minor
// diameter D - 2 height.
void setAcmeLimits(ThreadForm& form, double d, double p, double height, AcmeClassFactors factors,
                   double clearance, Side side) {
    const double inch = kMillimetresPerInch;
    const double pitchTolerance = factors.tolerance * (0.002 * std::sqrt(d) + 0.010 * std::sqrt(p));
    const double crestTolerance = std::max(0.05 * p, 0.005);
    const double basicPitchDiameter = d - height;
    const double basicMinor = d - 2 * height;
    if (side == Side::Outer) {
        const double pitchMax =
            printedLimit(basicPitchDiameter - printedLimit(factors.allowance * std::sqrt(d)));
        const double minorMax = printedLimit(basicMinor - clearance);
        form.limits.major = {printedLimit(d - crestTolerance) * inch, d * inch};
        form.limits.pitch = {(pitchMax - printedLimit(pitchTolerance)) * inch, pitchMax * inch};
        form.limits.minor = {(minorMax - printedLimit(1.5 * pitchTolerance)) * inch,
                             minorMax * inch};
    } else {
        // The inner major diameter has a lower limit only (d + the root clearance).
        const double minorMin = printedLimit(basicMinor);
        form.limits.minor = {minorMin * inch, (minorMin + printedLimit(crestTolerance)) * inch};
        form.limits.pitch = {printedLimit(basicPitchDiameter) * inch,
                             (printedLimit(basicPitchDiameter) + printedLimit(pitchTolerance)) *
                                 inch};
    }
}

// What sets ACME and Stub ACME apart: the name, the basic thread height and the note.
struct AcmeKind {
    std::string_view family;
    double heightPerPitch;
    std::string_view example;
    FormNoteId note;
    MessageId title;
};

constexpr AcmeKind kFullAcme{"ACME", 0.5, kAcmeExample, FormNoteId::AcmeClassMiddle,
                             MessageId::FamilyAcme};
// ASME/ANSI B1.8-1988 (Stub Acme screw threads), para. 1 and Table 2, as Machinery's
// Handbook and amesweb.info quote it: "The fit of Stub Acme threads corresponds to the
// Class 2G General Purpose Acme thread in American National Standard ANSI B1.5. For a fit
// having less backlash, the tolerances and allowances for Classes 3G or 4G General
// Purpose Acme threads may be used." Its basic height is h = 0.3 P, so D2 = D - h and
// D1 = D - 2h (Table 1); the major and minor diameter allowances and tolerances are
// those of the general purpose classes.
constexpr AcmeKind kStubAcme{"Stub ACME", 0.3, kStubExample, FormNoteId::StubAcmeClassMiddle,
                             MessageId::FamilyStubAcme};

// ACME and Stub ACME: the general purpose class's limits, the groove made to their
// middle. The inner floor is the major diameter's lower limit, the floor corners the
// largest fillet 0.06 P of ASME B1.5 (para. 2.6).
FormExpected<ThreadForm> acme(const InchDesignation& in, double tpi, Side side,
                              const AcmeKind& kind) {
    const std::string classText = in.classText.empty() ? "2G" : in.classText;
    const auto factors = acmeClassFactors(classText);
    if (!factors) {
        return refusal(MessageId::AcmeClassBad,
                       {quotedText(classText), kind.title, std::string(kind.example)});
    }
    const double d = in.diameter;
    const double p = 1 / tpi;
    const double height = kind.heightPerPitch * p;
    const double clearance = acmeRootClearance(tpi);
    const double inch = kMillimetresPerInch;
    ThreadForm form;
    form.family = std::string(kind.family);
    form.toleranceClass = classText;
    form.pitch = p * inch;
    setSymmetric(form, 14.5);
    form.basicMajor = d * inch;
    form.basicPitchDiameter = (d - height) * inch;
    form.basicMinor = (d - 2 * height) * inch;
    form.floorRadius = 0.06 * p * inch;
    setAcmeLimits(form, d, p, height, *factors, clearance, side);
    const GaugeLimits& limits = form.limits;
    form.pitchDiameter = limits.pitch.middle();
    if (side == Side::Outer) {
        form.crestDiameter = limits.major.middle();
        form.floorDiameter = limits.minor.middle();
    } else {
        form.crestDiameter = limits.minor.middle();
        form.floorDiameter = (d + clearance) * inch;
    }
    if (in.classText.empty()) {
        form.notes.push_back({FormNoteId::DefaultClass, {classText}});
    }
    form.notes.push_back({kind.note, {classText, numberText(clearance)}});
    return form;
}

FormExpected<ThreadForm> npt(const InchDesignation& in, Side side) {
    for (const NptSize& size : kNpt) {
        if (!same(size.size, in.diameter)) {
            continue;
        }
        if (in.tpi > 0 && !same(in.tpi, size.tpi)) {
            return refusal(MessageId::NoSuchTpi,
                           {in.sizeText + " NPT", numberText(in.tpi),
                            in.sizeText + "-" + numberText(size.tpi) + " NPT"});
        }
        const double inch = kMillimetresPerInch;
        const double p = 1 / size.tpi;
        const double e0 = size.outside - (0.05 * size.outside + 1.1) * p; // at the small end
        const double pitchDiameter = side == Side::Outer ? e0 : e0 + size.handTight / 16;
        ThreadForm form;
        form.family = "NPT";
        form.pitch = p * inch;
        setSymmetric(form, 30);
        form.basicMajor = (pitchDiameter + 0.8 * p) * inch;
        form.basicPitchDiameter = pitchDiameter * inch;
        form.pitchDiameter = form.basicPitchDiameter;
        form.basicMinor = (pitchDiameter - 0.8 * p) * inch;
        form.crestDiameter = side == Side::Outer ? form.basicMajor : form.basicMinor;
        form.floorRadius = 0.033 * p * inch; // the root truncation of the thread height 0.8 P
        form.taperAngle =
            (side == Side::Outer ? 1 : -1) * std::atan(1.0 / 32) * 180 / std::numbers::pi;
        // ASME B1.20.1 gauges the thread with an L1 ring or plug gauge screwed on by hand:
        // its face must come within one turn of the pipe's end or the fitting's face.
        const double e1 = e0 + size.handTight / 16;
        form.limits.gaugePlane = {e0 * inch,
                                  e1 * inch,
                                  size.handTight * inch,
                                  side == Side::Outer ? size.handTight * inch : 0,
                                  1.0 / 16,
                                  p * inch};
        form.notes.push_back(
            {side == Side::Outer ? FormNoteId::NptSmallEnd : FormNoteId::NptFittingFace, {}});
        form.notes.push_back(gaugePlaneNote(form.limits.gaugePlane, 1));
        return form;
    }
    return refusal(MessageId::NotNptSize, {in.sizeText, std::string(kNptExample)});
}

} // namespace

// The Whitworth form of a given major diameter and pitch, basic profile.
ThreadForm whitworthForm(double major, double pitch, Side side);

FormExpected<ThreadForm> inchForm(std::string_view designation, Side side) {
    const auto read = readInch(designation);
    if (!read) {
        return unexpected(read.error());
    }
    const InchDesignation& in = *read;
    FormExpected<ThreadForm> form = refusal(MessageId::Verbatim);
    if (in.series == Series::Npt) {
        form = npt(in, side);
    } else {
        const auto tpi = tableTpi(in);
        if (!tpi) {
            return unexpected(tpi.error());
        }
        if (in.series == Series::Acme || in.series == Series::StubAcme) {
            form = acme(in, *tpi, side, in.series == Series::Acme ? kFullAcme : kStubAcme);
        } else if (in.series == Series::Bsw) {
            // BS 84's close, medium and free classes stay out: no readable print of its
            // limits was found, and its tolerance formulas alone do not give them, since
            // medium and free bolts up to 3/4 in. also take an allowance the standard
            // tabulates (thegauge.co.uk, "BSW and BSF thread gauges"; Sutton tools'
            // catalogue, "The Whitworth screw thread tolerance system", Figure 6).
            if (!in.classText.empty()) {
                return refusal(MessageId::BswNoClass, {std::string(kBswExample)});
            }
            form =
                whitworthForm(in.diameter * kMillimetresPerInch, kMillimetresPerInch / *tpi, side);
        } else {
            form = unified(in, *tpi, side);
        }
        if (form && in.series != Series::Bsw) {
            form.value().designation =
                in.sizeText + "-" + numberText(*tpi) + " " + seriesName(in.series);
        } else if (form) {
            form.value().designation = in.sizeText + "-" + numberText(*tpi) + " BSW";
        }
    }
    if (!form) {
        return form;
    }
    ThreadForm& f = form.value();
    if (in.series == Series::Npt) {
        f.designation = in.sizeText + "-" + numberText(kMillimetresPerInch / f.pitch) + " NPT";
    }
    if (!f.toleranceClass.empty()) {
        f.designation += "-" + f.toleranceClass;
    }
    if (in.starts > 1) {
        f.designation += " " + std::to_string(in.starts) + " START";
    }
    f.starts = in.starts;
    f.example = std::string(seriesExample(in.series));
    return form;
}

std::vector<std::string> inchSizes(std::string_view series) {
    std::vector<std::string> out;
    // Only the unified series name their small sizes by number (#10): 1/8 BSW is 1/8.
    const bool unified = series == "UNC" || series == "UNF" || series == "UNEF";
    const auto sizeName = [unified](double d) {
        for (const auto& [number, inches] : kNumberedSizes) {
            if (unified && same(inches, d)) {
                return "#" + numberText(number);
            }
        }
        const double whole = std::floor(d);
        const double part = d - whole;
        std::string text = whole > 0 ? numberText(whole) : "";
        if (part > 0) {
            int denominator = 2;
            while (std::fabs(part * denominator - std::round(part * denominator)) > 1e-9) {
                denominator *= 2;
            }
            text += (text.empty() ? "" : " ") + numberText(std::round(part * denominator)) + "/" +
                    std::to_string(denominator);
        }
        return text;
    };
    if (series == "NPT") {
        for (const NptSize& size : kNpt) {
            out.push_back(sizeName(size.size) + "-" + numberText(size.tpi) + " NPT");
        }
        return out;
    }
    const std::vector<std::pair<std::string_view, Series>> all{{"UNC", Series::Unc},
                                                               {"UNF", Series::Unf},
                                                               {"UNEF", Series::Unef},
                                                               {"ACME", Series::Acme},
                                                               {"STUB ACME", Series::StubAcme},
                                                               {"BSW", Series::Bsw}};
    for (const auto& [name, s] : all) {
        if (name != series) {
            continue;
        }
        for (const InchSize& size : *seriesTable(s)) {
            out.push_back(sizeName(size.diameter) + "-" + numberText(size.tpi) + " " +
                          std::string(name));
        }
    }
    return out;
}

} // namespace quillmar::forms
