#pragma once

#include <span>
#include <string_view>

namespace quillmar {

// Where Enter takes the user from each field, and which fields receive the field's
// text first. The copies fill the second half of the profile from the first, so a
// symmetric groove is typed once; every target lies later in the chain, so the user
// still passes over each copied value and can accept or overwrite it.
struct ChainLink {
    std::string_view field;
    std::string_view next;
    std::span<const std::string_view> copyTo;
};

// Every field in chain order, Text2 first; FEED7 leads to Command1.
std::span<const ChainLink> fieldChain();

// The link of a field, or nullptr for a name that is not a field.
const ChainLink* chainLinkOf(std::string_view field);

} // namespace quillmar
