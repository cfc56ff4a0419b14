#pragma once

#include <optional>

namespace quillmar::forms {

// The pitch diameter tolerance Td2 of an outer metric thread in micrometres as ISO 965-1
// tabulates it, for the diameter d, pitch p and grade (3 to 9); empty where the table
// we hold has no such cell, and the formula stands in.
std::optional<double> tabledPitchTolerance(double p, double d, int grade);

// The pitch diameter tolerance TD2 of an inner thread in micrometres as ISO 965-1
// tabulates it, in the cells we hold a print of (grades 4 to 8); empty elsewhere, where
// 1.32 Td2 rounded to R40 stands in.
std::optional<double> tabledInnerPitchTolerance(double p, double d, int grade);

// The minor diameter tolerance TD1 of an inner thread in micrometres as ISO 965-1
// tabulates it, for the pitches we hold (grades 4 to 8); empty elsewhere.
std::optional<double> tabledMinorTolerance(double p, int grade);

} // namespace quillmar::forms
