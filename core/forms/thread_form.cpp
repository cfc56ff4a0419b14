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

FormMessage knownFamilies() {
    FormMessage list(MessageId::ListSemicolon);
    for (const FamilyInfo& family : threadFamilies()) {
        list.values.push_back(
            FormMessage(MessageId::FamilyExample, {family.title, std::string(family.example)}));
    }
    return list;
}

} // namespace

void setSymmetric(ThreadForm& form, double halfAngle) {
    form.firstFlank = halfAngle;
    form.secondFlank = halfAngle;
    form.widthAtPitch = form.pitch / 2;
}

FormMessage pitchList(const std::vector<double>& pitches, bool firstIsCoarse) {
    FormMessage list(MessageId::ListComma);
    for (std::size_t i = 0; i < pitches.size(); ++i) {
        FormMessage pitch(numberText(pitches[i]));
        list.values.push_back(i == 0 && firstIsCoarse ? FormMessage(MessageId::CoarsePitch, {pitch})
                                                      : pitch);
    }
    return list;
}

FormFailure classForOtherSide(std::string_view classText, Side side, std::string_view outerExample,
                              std::string_view innerExample) {
    const bool outer = side == Side::Outer;
    return refusal(outer ? MessageId::ClassIsForInner : MessageId::ClassIsForOuter,
                   {std::string(classText), std::string(outer ? outerExample : innerExample)});
}

const std::vector<FamilyInfo>& threadFamilies() {
    using enum MessageId;
    static const std::vector<FamilyInfo> families{
        {"ISO metric", "M20x2.5-6g", FamilyIsoMetric},
        {"ISO trapezoidal", "Tr40x7", FamilyTrapezoidal},
        {"ACME", "1-5 ACME", FamilyAcme},
        {"Stub ACME", "1/2-20 STUB ACME", FamilyStubAcme},
        {"Round", "Rd40x1/6", FamilyRound},
        {"Buttress", "S40x7", FamilyButtress},
        {"Whitworth", "1/2 BSW", FamilyWhitworth},
        {"Pipe parallel", "G1/2", FamilyPipeParallel},
        {"Unified", "1/2-13 UNC", FamilyUnified},
        {"NPT", "1/2-14 NPT", FamilyNpt},
        {"Pipe taper", "R1/2", FamilyPipeTaper},
    };
    return families;
}

std::string familyTitle(std::string_view familyName, Language language) {
    for (const FamilyInfo& family : threadFamilies()) {
        if (family.name == familyName) {
            return std::string(messageTemplate(family.title, language));
        }
    }
    return std::string(familyName);
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
    if (familyName == "Round") {
        return {outer ? "7h" : "7H"};
    }
    if (familyName == "Pipe parallel" && outer) {
        return {"A", "B"};
    }
    return {};
}

namespace {

FormExpected<ThreadForm> familyForm(std::string_view designation, Side side);

// A pitch too coarse for its size makes a thread whose root reaches the axis: no
// lathe can cut it, and its program would move across the spindle's axis.
FormExpected<ThreadForm> checkedDepth(FormExpected<ThreadForm> form) {
    if (!form) {
        return form;
    }
    const ThreadForm& f = *form;
    if (f.basicMinor > 0 && f.crestDiameter > 0 && f.pitchDiameter > 0 && f.floorDiameter >= 0) {
        return form;
    }
    return refusal(MessageId::DeeperThanRadius, {f.designation, f.example});
}

} // namespace

FormExpected<ThreadForm> threadForm(std::string_view designation, Side side) {
    return checkedDepth(familyForm(designation, side));
}

namespace {

FormExpected<ThreadForm> familyForm(std::string_view designation, Side side) {
    const std::string text = normalizeDesignation(designation);
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (upper.empty()) {
        return refusal(MessageId::NoDesignation, {knownFamilies()});
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
    return refusal(MessageId::UnknownFamily, {quotedText(text), knownFamilies()});
}

} // namespace

} // namespace quillmar::forms
