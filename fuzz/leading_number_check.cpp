#include "core/leading_number.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_failure.h"

#include <cmath>
#include <string>
#include <string_view>

namespace quillmar::fuzz {

void checkLeadingNumber(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const double narrow = leadingNumberValue(bytes);
    require(std::isfinite(narrow), "leading number of bytes is finite", bytes);

    // The same bytes widened one to one: the UTF-16 reading must agree, since every
    // character the rule looks at is ASCII.
    const std::u16string widened(bytes.begin(), bytes.end());
    const double wide = leadingNumberValue(widened);
    require(std::isfinite(wide), "leading number of UTF-16 text is finite", bytes);
    const bool bothZero = narrow == 0 && wide == 0; // +0 and -0 read alike
    require(bothZero || std::signbit(narrow) == std::signbit(wide),
            "UTF-8 and UTF-16 readings agree in sign", bytes);
    require(narrow == wide, "UTF-8 and UTF-16 readings agree", bytes);

    // Pairs of bytes as UTF-16 code units: surrogates and all.
    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    }
    require(std::isfinite(leadingNumberValue(units)), "leading number of code units is finite",
            bytes);
}

} // namespace quillmar::fuzz
