#include "core/forms/thread_form.h"

#include "core/forms/family_forms.h"
#include "core/quoted_text.h"

#include <cmath>

namespace quillmar::forms {

namespace {

bool startsWith(std::string_view upper, std::string_view prefix) {
    if (upper.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view rest = upper.substr(prefix.size());
    return !rest.empty() && (rest.front() == ' ' || (rest.front() >= '0' && rest.front() <= '9'));
}

std::string knownFamilies() {
    std::string text;
    for (const FamilyInfo& family : threadFamilies()) {
        text += (text.empty() ? "" : "; ") + std::string(family.name) + ": " +
                std::string(family.example);
    }
    return text;
}

} // namespace

void setSymmetric(ThreadForm& form, double halfAngle) {
    form.firstFlank = halfAngle;
    form.secondFlank = halfAngle;
    form.widthAtPitch = form.pitch / 2;
}

std::string pitchList(const std::vector<double>& pitches, bool firstIsCoarse) {
    std::string text;
    for (std::size_t i = 0; i < pitches.size(); ++i) {
        text += (i == 0 ? "" : ", ") + numberText(pitches[i]) +
                (i == 0 && firstIsCoarse ? " (coarse)" : "");
    }
    return text;
}

Failure classForOtherSide(std::string_view classText, Side side, std::string_view outerExample,
                          std::string_view innerExample) {
    return Failure{"The class " + std::string(classText) + " is for " +
                   (side == Side::Outer ? "inner" : "outer") + " threads; an " +
                   (side == Side::Outer ? "outer" : "inner") + " thread takes a class such as " +
                   std::string(side == Side::Outer ? outerExample : innerExample)};
}

const std::vector<FamilyInfo>& threadFamilies() {
    static const std::vector<FamilyInfo> families{
        {"ISO metric", "M20x2.5-6g"}, {"ISO trapezoidal", "Tr40x7"},
        {"ACME", "1-5 ACME"},         {"Stub ACME", "1/2-20 STUB ACME"},
        {"Round", "Rd40x1/6"},        {"Buttress", "S40x7"},
        {"Whitworth", "1/2 BSW"},     {"Pipe parallel", "G1/2"},
        {"Unified", "1/2-13 UNC"},    {"NPT", "1/2-14 NPT"},
        {"Pipe taper", "R1/2"},
    };
    return families;
}

std::vector<std::string> familySizes(std::string_view familyName) {
    if (familyName == "ISO metric") {
        return metricSizes();
    }
    if (familyName == "ISO trapezoidal") {
        return trapezoidalSizes();
    }
    if (familyName == "Buttress") {
        return buttressSizes();
    }
    if (familyName == "Round") {
        return roundSizes();
    }
    if (familyName == "ACME" || familyName == "Stub ACME") {
        return inchSizes(familyName == "ACME" ? "ACME" : "STUB ACME");
    }
    if (familyName == "Whitworth") {
        return inchSizes("BSW");
    }
    if (familyName == "Unified") {
        std::vector<std::string> all = inchSizes("UNC");
        for (std::string_view series : {"UNF", "UNEF"}) {
            for (std::string& size : inchSizes(series)) {
                all.push_back(std::move(size));
            }
        }
        return all;
    }
    if (familyName == "NPT") {
        return inchSizes("NPT");
    }
    if (familyName == "Pipe parallel") {
        return pipeSizes("G");
    }
    if (familyName == "Pipe taper") {
        std::vector<std::string> all = pipeSizes("R");
        for (std::string& size : pipeSizes("Rc")) {
            all.push_back(std::move(size));
        }
        return all;
    }
    return {};
}

std::vector<std::string> familyClasses(std::string_view familyName, Side side) {
    const bool outer = side == Side::Outer;
    if (familyName == "ISO metric") {
        return outer ? std::vector<std::string>{"6g", "6h", "6e", "6f", "4h", "4g6g", "8g"}
                     : std::vector<std::string>{"6H", "6G", "5H", "7H", "4H"};
    }
    if (familyName == "ISO trapezoidal") {
        return outer ? std::vector<std::string>{"7e", "8e", "9e"}
                     : std::vector<std::string>{"7H", "8H", "9H"};
    }
    if (familyName == "ACME" || familyName == "Stub ACME") {
        return {"2G", "3G", "4G"};
    }
    if (familyName == "Unified") {
        return outer ? std::vector<std::string>{"2A", "1A", "3A"}
                     : std::vector<std::string>{"2B", "1B", "3B"};
    }
    if (familyName == "Pipe parallel" && outer) {
        return {"A", "B"};
    }
    return {};
}

namespace {

Expected<ThreadForm> familyForm(std::string_view designation, Side side);

// A pitch too coarse for its size makes a thread whose root reaches the axis: no
// lathe can cut it, and its program would move across the spindle's axis.
Expected<ThreadForm> checkedDepth(Expected<ThreadForm> form) {
    if (!form) {
        return form;
    }
    const ThreadForm& f = *form;
    if (f.basicMinor > 0 && f.crestDiameter > 0 && f.pitchDiameter > 0 && f.floorDiameter >= 0) {
        return form;
    }
    return Failure{f.designation +
                   " is deeper than its radius: its minor diameter would not be above 0 mm. "
                   "Give a finer pitch (more threads per inch) or a larger size. Example: " +
                   f.example};
}

} // namespace

Expected<ThreadForm> threadForm(std::string_view designation, Side side) {
    return checkedDepth(familyForm(designation, side));
}

namespace {

Expected<ThreadForm> familyForm(std::string_view designation, Side side) {
    const std::string text = normalizeDesignation(designation);
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (upper.empty()) {
        return Failure{"No designation given. Known families: " + knownFamilies()};
    }
    if (startsWith(upper, "TR")) {
        return trapezoidalForm(text, side);
    }
    if (startsWith(upper, "RD")) {
        return roundForm(text, side);
    }
    if (startsWith(upper, "RC") || startsWith(upper, "R") || startsWith(upper, "G")) {
        return pipeForm(text, side);
    }
    if (startsWith(upper, "S")) {
        return buttressForm(text, side);
    }
    if (startsWith(upper, "M")) {
        return metricForm(text, side);
    }
    // Inch sizes: 1/2, .5, #10 and No. 10 (the inch reader takes both numbered spellings).
    if ((upper.front() >= '0' && upper.front() <= '9') || upper.front() == '#' ||
        upper.front() == '.' || upper.rfind("NO.", 0) == 0) {
        return inchForm(text, side);
    }
    return Failure{quotedText(text) +
                   " is not a designation of a known family. Known families: " + knownFamilies()};
}

} // namespace

} // namespace quillmar::forms
