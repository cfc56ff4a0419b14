#pragma once

#include "core/pass_plan.h"

#include <string_view>

namespace quillmar {

// The sequence counter is a single-precision number: from 2^24 on, adding 1 leaves it
// where it is, and every further block would carry the same number.
inline constexpr double kCounterLimit = 16777216;

// The largest sequence number FANUC and RS274/NGC controls read: N and at most five
// digits.
inline constexpr double kFiveDigitSequence = 99999;

// Refuses a run whose numbered passes, counted from `first`, would pass `largest` (the
// most the control reads, never more than the counter counts) with a DataError that
// gives the number reached. Nothing is written: the count is the plan's.
void checkSequenceNumbers(const PassPlan& plan, double first, double largest,
                          std::string_view control);

} // namespace quillmar
