#pragma once

#include <optional>

namespace quillmar::forms {

// The pitch diameter tolerance Td2 of an outer metric thread in micrometres as ISO 965-1
// tabulates it, for the diameter d, pitch p and grade (3 to 9); empty where the table
// we hold has no such cell, and the formula stands in.
std::optional<double> tabledPitchTolerance(double p, double d, int grade);

} // namespace quillmar::forms
