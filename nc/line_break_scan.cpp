#include "nc/line_break_scan.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillmar {

namespace {

std::size_t findCrLfScalar(std::u16string_view text, std::size_t from) {
    for (std::size_t i = from; i + 1 < text.size(); ++i) {
        if (text[i] == u'\r' && text[i + 1] == u'\n') {
            return i;
        }
    }
    return std::u16string_view::npos;
}

} // namespace

std::size_t findCrLf(std::u16string_view text, std::size_t from) {
#if defined(__SSE2__)
    // Eight code units at a time: a lane matches where it holds CR and the lane
    // after it holds LF. The second load reads one unit further on, so the loop
    // stops while nine units remain.
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i lf = _mm_set1_epi16(u'\n');
    const char16_t* data = text.data();
    std::size_t i = from;
    for (; i + 9 <= text.size(); i += 8) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi16(here, cr), _mm_cmpeq_epi16(next, lf));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(both));
        if (mask != 0) {
            return i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2;
        }
    }
    return findCrLfScalar(text, i);
#else
    return findCrLfScalar(text, from);
#endif
}

} // namespace quillmar
