#pragma once

#include "core/forms/form_messages.h"
#include "core/forms/form_notes.h"
#include "core/side.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::forms {

using quillmar::Side;

inline constexpr double kMillimetresPerInch = 25.4;

// A diameter's tolerance band as its class gives it; an unknown band has max <= min.
struct DiameterBand {
    double min = 0;
    double max = 0;
    bool known() const { return max > min; }
    double middle() const { return (min + max) / 2; }
};

// A taper thread is gauged by where a gauge of the basic size, screwed on by hand, comes
// to rest along the axis: the plane where the thread's pitch diameter is E1 must lie within
// +-tolerance of its basic place. Millimetres; an unknown limit has no tolerance.
struct GaugePlaneLimit {
    double smallEndPitchDiameter = 0; // E0, at the small end of the outer thread
    double gaugePitchDiameter = 0;    // E1, at the gauge plane
    double gaugeLength = 0;           // L1: from the small end to the gauge plane
    double fromDiameters = 0;         // from where the form's diameters hold to the gauge plane
    double taper = 0;                 // the change of diameter per unit of length (1/16)
    double tolerance = 0;             // +- along the axis
    bool known() const { return tolerance > 0 && taper > 0; }
    // How far along the axis the gauge plane lies from its basic place, for a thread whose
    // pitch diameter where the form's diameters hold is `pitchDiameter`: positive where the
    // thread is large (a ring gauge stops short of the pipe's end, a plug gauge goes in
    // past the fitting's face).
    double offset(double pitchDiameter) const {
        return (pitchDiameter + fromDiameters * taper - gaugePitchDiameter) / taper;
    }
};

// What the gauge of the class checks on this side, in millimetres: the as-cut thread
// passes when each known diameter lies inside its band and, on a taper thread, its gauge
// plane within its tolerance.
struct GaugeLimits {
    DiameterBand major;
    DiameterBand pitch;
    DiameterBand minor;
    GaugePlaneLimit gaugePlane;
};

// One thread of a standard, resolved for one side: the groove the tool must leave, as
// the standard and its class make it. Millimetres and degrees.
struct ThreadForm {
    std::string family;         // "ISO metric", "ISO trapezoidal", ...
    std::string designation;    // as understood, e.g. "M20x2.5-6g"
    std::string example;        // the family's syntax, for messages
    std::string toleranceClass; // empty where the family has none here
    double pitch = 0;           // the distance between neighbouring grooves
    int starts = 1;
    // Basic sizes of the standard, for the reader.
    double basicMajor = 0;
    double basicPitchDiameter = 0;
    double basicMinor = 0; // of this side
    // The targets the groove is made to (the middle of the class where there is one).
    double crestDiameter = 0; // the bar of an outer thread, the bore of an inner one
    double pitchDiameter = 0;
    double widthAtPitch = 0; // groove width at pitchDiameter, along the axis
    double firstFlank = 0;   // flank angles from the radial direction
    double secondFlank = 0;
    double crestRadius = 0; // convex corners at the crest
    double floorRadius = 0; // concave corners at the floor: the largest permitted
    // A flat floor at floorDiameter, or (floorDiameter 0) a floor rounded in one arc of
    // floorRadius tangent to both flanks, whose depth the flanks decide.
    double floorDiameter = 0;
    double taperAngle = 0; // half the included taper; the diameters hold at Z start
    GaugeLimits limits;    // of the class on this side; unknown bands where not built
    std::vector<FormNote> notes;
};

// Reads a designation ("M20x2.5-6g", "Tr 40 x 14 P 7", "1 1/4-5 ACME-2G") and resolves
// it for the side. Blanks and the case of letters do not matter.
FormExpected<ThreadForm> threadForm(std::string_view designation, Side side);

// The families and one example each, for lists and messages. The name is the family's
// key (ThreadForm::family, the settings, quillmar-gen's reports); the title is what a
// person reads, in either language.
struct FamilyInfo {
    std::string_view name;
    std::string_view example;
    MessageId title;
};
const std::vector<FamilyInfo>& threadFamilies();

// The family's title in the language; the key itself for a family not listed.
std::string familyTitle(std::string_view familyName, Language language);

// The designations of the family's sizes (for an editable list).
std::vector<std::string> familySizes(std::string_view familyName);

// The classes the family builds for the side, the one a designation without a class
// takes first; empty where the family takes no class.
std::vector<std::string> familyClasses(std::string_view familyName, Side side);

} // namespace quillmar::forms
