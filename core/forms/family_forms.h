#pragma once

#include "core/forms/designation_reader.h"
#include "core/forms/thread_form.h"

#include <string>
#include <vector>

namespace quillmar::forms {

// Each family reads the whole designation and resolves it for the side.
FormExpected<ThreadForm> metricForm(std::string_view designation, Side side);
FormExpected<ThreadForm> trapezoidalForm(std::string_view designation, Side side);
FormExpected<ThreadForm> buttressForm(std::string_view designation, Side side);
FormExpected<ThreadForm> roundForm(std::string_view designation, Side side);
FormExpected<ThreadForm> inchForm(std::string_view designation, Side side); // UN, ACME, NPT, BSW
FormExpected<ThreadForm> pipeForm(std::string_view designation, Side side); // G, R, Rc

std::vector<std::string> metricSizes();
std::vector<std::string> trapezoidalSizes();
std::vector<std::string> buttressSizes();
std::vector<std::string> roundSizes();
std::vector<std::string> inchSizes(std::string_view series); // "UNC", "ACME", "NPT", "BSW"...
std::vector<std::string> pipeSizes(std::string_view prefix); // "G", "R", "Rc"

// The pitches of a size as a message lists them: "2.5 (coarse), 2, 1.5, 1".
FormMessage pitchList(const std::vector<double>& pitches, bool firstIsCoarse);

// A symmetric form of the given half angle, the groove half a pitch wide at the pitch
// diameter.
void setSymmetric(ThreadForm& form, double halfAngle);

// What the note says of a taper thread's gauge plane; `turns` its tolerance in turns.
FormNote gaugePlaneNote(const GaugePlaneLimit& plane, double turns);

// The class letter of the wrong side, said plainly.
FormFailure classForOtherSide(std::string_view classText, Side side, std::string_view outerExample,
                              std::string_view innerExample);

} // namespace quillmar::forms
