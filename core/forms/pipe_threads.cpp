#include "core/forms/family_forms.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace quillmar::forms {

namespace {

constexpr std::string_view kGExample = "G1/2, G 1 1/2, G3/4";
constexpr std::string_view kRExample = "R1/2, R 1 1/4, Rc1/2, Rc 3/4";

struct PipeSize {
    double size; // nominal, inches
    std::string_view name;
    double tpi;
    double major;       // mm, at the gauge plane for taper threads
    double gaugeLength; // mm from the small end of the pipe; 0: no taper size
};

const std::vector<PipeSize> kPipe{
    {0.0625, "1/16", 28, 7.723, 4.0},  {0.125, "1/8", 28, 9.728, 4.0},
    {0.25, "1/4", 19, 13.157, 6.0},    {0.375, "3/8", 19, 16.662, 6.4},
    {0.5, "1/2", 14, 20.955, 8.2},     {0.625, "5/8", 14, 22.911, 0},
    {0.75, "3/4", 14, 26.441, 9.5},    {0.875, "7/8", 14, 30.201, 0},
    {1, "1", 11, 33.249, 10.4},        {1.125, "1 1/8", 11, 37.897, 0},
    {1.25, "1 1/4", 11, 41.910, 12.7}, {1.5, "1 1/2", 11, 47.803, 12.7},
    {1.75, "1 3/4", 11, 53.746, 0},    {2, "2", 11, 59.614, 15.9},
    {2.25, "2 1/4", 11, 65.710, 0},    {2.5, "2 1/2", 11, 75.184, 17.5},
    {2.75, "2 3/4", 11, 81.534, 0},    {3, "3", 11, 87.884, 20.6},
    {3.5, "3 1/2", 11, 100.330, 22.2}, {4, "4", 11, 113.030, 25.4},
    {4.5, "4 1/2", 11, 125.730, 0},    {5, "5", 11, 138.430, 28.6},
    {5.5, "5 1/2", 11, 151.130, 0},    {6, "6", 11, 163.830, 28.6}};

// How far, in turns, the gauge plane may lie either side of its basic place: one turn on
// an outer thread, one and a quarter on an inner one, one and a half for both from 2 1/2
// on. JIS B 0203:1999 attached table 1 (which follows ISO 7-1:1994 Table 1) prints them in
// mm: +-b outside 0.91, 1.34, 1.81, 2.31 for 28, 19, 14, 11 threads per inch, +-c inside
// 1.13, 1.67, 2.27, 2.89, and 3.46 for both from 2 1/2 on.
double gaugePlaneTurns(const PipeSize& pipe, Side side) {
    if (pipe.size >= 2.5) {
        return 1.5;
    }
    return side == Side::Outer ? 1 : 1.25;
}

// ISO 228-1:2000 Table 1, the tolerances in mm, by pitch and from 2 1/4 on: the pitch diameter's,
// of the inner thread (above the basic size) and of the outer thread's class A and class B (below
// it); the outer major diameter's (below) and the inner minor diameter's (above). As Maryland
// Metrics reproduces the table (http://mdmetric.com/tech/thddat7.htm; transcribed in
// github.com/adrianschlatter/threadlib, design/BSPP_thread.csv). JIS B 0202:1999, which is
// ISO 228-1:1994 without technical change (its preface, kikakurui.com/b0/B0202-1999-01.html),
// gives G1 inner the same, 0 to +180 and 0 to +640 micrometres
// (https://neji-trivia.jp/2012/04/01/trivia34); ring-plug-thread-gages.com
// (ti-bs-Class A-vs-B) says both outer classes share the basic size, class B with twice
// class A's tolerance.
struct ParallelPipeTolerances {
    double pitch;       // the inner thread's, and the outer class A's
    double pitchClassB; // the outer class B's
    double major;
    double minor;
};

ParallelPipeTolerances parallelPipeTolerances(const PipeSize& pipe) {
    if (pipe.tpi == 28) {
        return {0.107, 0.214, 0.214, 0.282};
    }
    if (pipe.tpi == 19) {
        return {0.125, 0.250, 0.250, 0.445};
    }
    if (pipe.tpi == 14) {
        return {0.142, 0.284, 0.284, 0.541};
    }
    if (pipe.size <= 2) {
        return {0.180, 0.360, 0.360, 0.640};
    }
    return {0.217, 0.434, 0.434, 0.640};
}

// The class's limits, the groove made to their middle: ISO 228-1 puts the upper limits of
// the outer thread and the lower ones of the inner thread on the basic sizes, and lets the
// crests be cut flat anywhere inside their tolerance. The inner major diameter has a lower
// limit only and the outer minor diameter none: the floor stays the basic round.
void setParallelPipeLimits(ThreadForm& form, const PipeSize& pipe, std::string_view classText,
                           Side side) {
    // The basic sizes the limits start from, as the table prints them: GOST 6357-81 Table 1
    // takes the pitch 25.4 / n to three decimals and the depth h = 0.640327 P from it
    // (https://dokipedia.ru/document/5326901?pid=32), and ISO 228-1 prints d2 = d - h and
    // then d1 = d2 - h, each to three decimals (G1/2: 20.955 - 1.161553 = 19.793, less
    // 1.161553 again is 18.631, where d - 2h would print 18.632).
    const double depth = 0.640327 * std::round(kMillimetresPerInch / pipe.tpi * 1000) / 1000;
    form.basicPitchDiameter = std::round((pipe.major - depth) * 1000) / 1000;
    form.basicMinor = std::round((form.basicPitchDiameter - depth) * 1000) / 1000;
    const ParallelPipeTolerances tolerances = parallelPipeTolerances(pipe);
    GaugeLimits& limits = form.limits;
    if (side == Side::Outer) {
        const double pitchTolerance = classText == "B" ? tolerances.pitchClassB : tolerances.pitch;
        limits.major = {form.basicMajor - tolerances.major, form.basicMajor};
        limits.pitch = {form.basicPitchDiameter - pitchTolerance, form.basicPitchDiameter};
        form.crestDiameter = limits.major.middle();
        form.notes = {{FormNoteId::PipeParallelClassMiddle, {std::string(classText)}}};
    } else {
        limits.minor = {form.basicMinor, form.basicMinor + tolerances.minor};
        limits.pitch = {form.basicPitchDiameter, form.basicPitchDiameter + tolerances.pitch};
        form.crestDiameter = limits.minor.middle();
        form.notes = {{FormNoteId::PipeParallelInnerMiddle, {}}};
    }
    form.pitchDiameter = limits.pitch.middle();
}

// An outer thread without a class takes class A, the closer one, as a ring gauge marked A
// checks; an inner thread has the one class and takes none.
FormExpected<ThreadForm> withParallelClass(ThreadForm form, const PipeSize& pipe,
                                           const std::string& classText, Side side) {
    const std::string name = "G" + std::string(pipe.name);
    if (side == Side::Inner && !classText.empty()) {
        return refusal(MessageId::ParallelPipeInnerNoClass, {classText, name});
    }
    const bool untyped = classText.empty() && side == Side::Outer;
    form.toleranceClass = untyped ? "A" : classText;
    setParallelPipeLimits(form, pipe, form.toleranceClass, side);
    if (untyped) {
        form.notes.insert(form.notes.begin(), {FormNoteId::DefaultClass, {form.toleranceClass}});
    }
    form.designation = name + form.toleranceClass;
    return form;
}

} // namespace

FormNote gaugePlaneNote(const GaugePlaneLimit& plane, double turns) {
    return {FormNoteId::TaperGaugePosition,
            {numberText(plane.gaugeLength), numberText(plane.smallEndPitchDiameter),
             numberText(plane.gaugePitchDiameter), numberText(plane.tolerance), numberText(turns)}};
}

ThreadForm whitworthForm(double major, double pitch, Side side) {
    ThreadForm form;
    form.family = "Whitworth";
    form.pitch = pitch;
    setSymmetric(form, 27.5);
    const double h = 0.640327 * pitch; // the rounded thread's depth
    form.basicMajor = major;
    form.basicPitchDiameter = major - h;
    form.basicMinor = major - 2 * h;
    form.pitchDiameter = form.basicPitchDiameter;
    form.crestRadius = 0.137329 * pitch;
    form.floorRadius = 0.137329 * pitch;
    form.crestDiameter = side == Side::Outer ? major : form.basicMinor;
    form.notes.push_back({FormNoteId::WhitworthBasic, {}});
    return form;
}

FormExpected<ThreadForm> pipeForm(std::string_view designation, Side side) {
    DesignationReader reader(designation);
    bool parallel = false;
    bool internalTaper = false;
    if (reader.take("Rc")) {
        internalTaper = true;
    } else if (reader.takeLetter('R')) {
    } else {
        reader.takeLetter('G');
        parallel = true;
    }
    const std::string_view example = parallel ? kGExample : kRExample;
    const std::string prefix = parallel ? "G" : internalTaper ? "Rc" : "R";
    const auto size = reader.inchSize();
    if (!size) {
        return notUnderstood(reader, MessageId::ExpectPipeSize, example);
    }
    std::string classText;
    const std::size_t beforeClass = reader.mark();
    if (parallel && !reader.atEnd()) {
        classText = reader.word(); // A or B of the outer thread's pitch tolerance
    }
    if (!classText.empty() && classText != "A" && classText != "B") {
        reader.reset(beforeClass); // the message quotes the class that was not understood
    }
    if (!reader.atEnd() || (!classText.empty() && classText != "A" && classText != "B")) {
        return notUnderstood(
            reader, parallel ? MessageId::ExpectNothingOrPipeClass : MessageId::ExpectNothing,
            example);
    }
    if (!parallel && internalTaper != (side == Side::Inner)) {
        return refusal(internalTaper ? MessageId::TaperIsInner : MessageId::TaperIsOuter, {prefix});
    }
    for (const PipeSize& pipe : kPipe) {
        if (std::fabs(pipe.size - *size) > 1e-9) {
            continue;
        }
        if (!parallel && pipe.gaugeLength == 0) {
            break;
        }
        double major = pipe.major;
        if (!parallel && side == Side::Outer) {
            major -= pipe.gaugeLength / 16; // from the gauge plane to the small end
        }
        ThreadForm form = whitworthForm(major, kMillimetresPerInch / pipe.tpi, side);
        form.family = parallel ? "Pipe parallel" : "Pipe taper";
        form.example = std::string(example);
        if (parallel) {
            return withParallelClass(std::move(form), pipe, classText, side);
        }
        form.designation = prefix + std::string(pipe.name);
        form.taperAngle =
            (side == Side::Outer ? 1 : -1) * std::atan(1.0 / 32) * 180 / std::numbers::pi;
        form.notes.push_back(
            {side == Side::Outer ? FormNoteId::TaperSmallEnd : FormNoteId::TaperGaugePlane, {}});
        // A ring gauge on the outer thread, a plug gauge in the inner one, each of the
        // basic size, screwed on by hand (ISO 7-2).
        const double e1 = pipe.major - 0.640327 * form.pitch;
        const double turns = gaugePlaneTurns(pipe, side);
        form.limits.gaugePlane = {e1 - pipe.gaugeLength / 16,
                                  e1,
                                  pipe.gaugeLength,
                                  side == Side::Outer ? pipe.gaugeLength : 0,
                                  1.0 / 16,
                                  turns * form.pitch};
        form.notes.push_back(gaugePlaneNote(form.limits.gaugePlane, turns));
        return form;
    }
    return refusal(parallel ? MessageId::ParallelPipeNotSize : MessageId::TaperPipeNotSize,
                   {prefix + numberText(*size), std::string(example)});
}

std::vector<std::string> pipeSizes(std::string_view prefix) {
    std::vector<std::string> out;
    for (const PipeSize& pipe : kPipe) {
        if (prefix == "G" || pipe.gaugeLength > 0) {
            out.push_back(std::string(prefix) + std::string(pipe.name));
        }
    }
    return out;
}

} // namespace quillmar::forms
