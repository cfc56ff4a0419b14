#pragma once

#include "core/job_fields.h"

#include <optional>
#include <span>

namespace quillmar {

// Where Enter takes the user from each field, and which fields receive the field's
// text first. The copies fill the second half of the profile from the first, so a
// symmetric groove is typed once; every target lies later in the chain, so the user
// still passes over each copied value and can accept or overwrite it.
struct ChainLink {
    JobField field;
    std::optional<JobField> next; // none: on to "プログラム出力"
    std::span<const JobField> copyTo;
};

// Every field once, in chain order, the pitch first.
std::span<const ChainLink> fieldChain();

// The link of a field.
const ChainLink& chainLinkOf(JobField field);

} // namespace quillmar
