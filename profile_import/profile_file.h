#pragma once

#include "core/expected.h"
#include "core/groove_profile.h"
#include "profile_import/profile_read_error.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmar {

// A groove's file: a drawing (.dxf) or a text profile (.groove), told by the name's
// ending in any case.
enum class ProfileFileKind { Text, Drawing };
std::optional<ProfileFileKind> profileFileKind(std::string_view name);

// Reads a profile file's bytes as its kind says; `layer` picks a drawing's layer (empty:
// the one layer the entities lie on).
Expected<SegmentChain, ProfileReadError>
readProfileFile(std::string_view bytes, ProfileFileKind kind, const std::string& layer);

// "WHERE line N: what was not understood" (no line for the file as a whole).
std::string describeReadError(const ProfileReadError& error, std::string_view where);

} // namespace quillmar
