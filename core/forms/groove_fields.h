#pragma once

#include "core/expected.h"
#include "core/forms/thread_form.h"
#include "core/job_fields.h"

#include <array>
#include <optional>
#include <string>

namespace quillmar::forms {

struct GrooveRequest {
    Side side = Side::Outer;
    double noseRadius = 0;
    std::optional<double> cusp; // the largest scallop height accepted; none: no steps
};

// The groove as made, in numbers, for the reader.
struct GrooveFigures {
    double crestDiameter = 0;
    double pitchDiameter = 0;
    double floorDiameter = 0;
    double depth = 0;
    double floorWidth = 0;
    // How much wider along the axis the groove is made than the form, for the scallops
    // the cusp leaves on the flanks (0 without a cusp or a class's pitch band).
    double scallopWidening = 0;
    double firstAngle = 0; // from the Z axis
    double secondAngle = 0;
    std::array<double, 4> radii{}; // r1..r4
    double largestNoseRadius = 0;  // the largest that fits, to the micrometre
};

struct GrooveFields {
    ThreadForm form;
    GrooveFigures figures;
    // The texts of the fields the form decides; the others are empty.
    FieldTexts<std::optional<std::string>> texts;
};

// The dialog's fields for one groove of the form, cut with a nose of the given radius.
// Refuses a nose too large for the floor corners, and steps that the generator could not
// walk or that leave more than the cusp height.
FormExpected<GrooveFields> grooveFields(const ThreadForm& form, const GrooveRequest& request);

// The same from a designation.
FormExpected<GrooveFields> grooveFields(std::string_view designation, const GrooveRequest& request);

// The job the program output command reads from these texts (the others left at 0).
ThreadJob jobFromTexts(const FieldTexts<std::optional<std::string>>& texts, Side side);

// A length or angle as a field text: plain, to at most six decimals, at most eight
// characters (the dialog's boxes take eight).
std::string fieldText(double value);

} // namespace quillmar::forms
