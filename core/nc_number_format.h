#pragma once

#include <string>

namespace quillmar {

// OSP number text. Truncates the referenced number to 0.001 in place (floor, so
// -0.0004 becomes -0.001) and returns its shortest plain decimal, without a point
// for whole numbers and with "0" before the point below 1. Callers that must not
// change a job field pass a temporary; the OSP writers pass the fields on purpose.
std::string formatOspNumber(double& value);

// The fixed display patterns. A negative value keeps its minus sign.
std::string formatFixed3(double value);    // "####0.000": exactly three decimals
std::string formatUpTo3(double value);     // "####0.0##": one to three decimals
std::string formatUpTo4(double value);     // "####0.0###": one to four decimals
std::string formatSequence3(double value); // "000 ": three digits, leading zeros, a blank
std::string formatSequence(double value);  // "####": integer without leading zeros

} // namespace quillmar
