#include "core/sequence_limit.h"

#include "core/checked_arithmetic.h"
#include "core/nc_number_format.h"

#include <algorithm>
#include <string>

namespace quillmar {

void checkSequenceNumbers(const PassPlan& plan, double first, double largest,
                          std::string_view control) {
    if (plan.passes.empty()) {
        return;
    }
    const double limit = std::min(largest, kCounterLimit);
    const double last = first + static_cast<double>(plan.passes.size()) - 1;
    if (last <= limit) {
        return;
    }
    throw DataError("the sequence numbers of this run would reach N" + formatSequence(last) +
                    ", past N" + formatSequence(limit) + ", the largest " + std::string(control) +
                    " takes: turn sequence numbers off, or split the program into shorter ones");
}

} // namespace quillmar
