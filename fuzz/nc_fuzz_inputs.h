#pragma once

#include "fuzz/byte_reader.h"

#include <cfloat>
#include <cstdint>
#include <string>

// The job values and pane texts the NC targets draw from their input.
namespace quillmar::fuzz {

constexpr double kExtremes[] = {
    0,       -0.0,
    1,       -1,
    0.5,     6,
    12.7,    30,
    34,      28,
    -80,     17.7,
    1e-300,  5e-324,
    1e-9,    1e6,
    1e9,     1e15,
    1e20,    1e300,
    DBL_MAX, -DBL_MAX,
    FLT_MAX, -FLT_MAX,
    3.5e38,  32767,
    -32768,  32768.5,
    65536,   -1e9,
    1e-3,    2e-3,
    -1e300,  4503599627370496.0,
};

inline double jobValue(ByteReader& in) {
    switch (in.pick(4)) {
    case 0:
        return kExtremes[in.pick(sizeof kExtremes / sizeof kExtremes[0])];
    case 1:
        return in.finiteDouble();
    case 2:
        return double(std::int8_t(in.byte())) / 4;
    default:
        return double(in.raw<std::int16_t>()) / 10;
    }
}

// What a pane of an NC program is made of, with the line break twice as likely.
constexpr char16_t kNcAlphabet[] = u"GXZNPFM0123456789.+-*/=()\t ;\r\n\r\nxz\uFF10\u3042";

inline std::u16string paneText(ByteReader& in, bool rawUnits, std::size_t units) {
    std::u16string text;
    for (std::size_t i = 0; i < units && in.remaining() > 0; ++i) {
        if (rawUnits) {
            text += in.raw<char16_t>();
        } else {
            text += kNcAlphabet[in.pick(sizeof kNcAlphabet / sizeof kNcAlphabet[0] - 1)];
        }
    }
    return text;
}

} // namespace quillmar::fuzz
