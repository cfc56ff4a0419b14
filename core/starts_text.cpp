#include "core/starts_text.h"

#include "core/thread_job.h"
#include "core/whole_text_number.h"

#include <cmath>

namespace quillmar {

std::optional<int> startsFromText(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return 1;
    }
    const auto starts = wholeTextNumber(text);
    if (!starts || !(*starts >= 1 && *starts <= kMostStarts) || *starts != std::floor(*starts)) {
        return std::nullopt;
    }
    return static_cast<int>(*starts);
}

} // namespace quillmar
