#include "profile_import/profile_file.h"

#include "profile_import/dxf_profile.h"
#include "profile_import/text_profile.h"

#include <algorithm>
#include <cctype>

namespace quillmar {

namespace {

bool endsWith(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) {
        return false;
    }
    return std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

} // namespace

std::optional<ProfileFileKind> profileFileKind(std::string_view name) {
    if (endsWith(name, ".dxf")) {
        return ProfileFileKind::Drawing;
    }
    if (endsWith(name, ".groove")) {
        return ProfileFileKind::Text;
    }
    return std::nullopt;
}

Expected<SegmentChain, ProfileReadError>
readProfileFile(std::string_view bytes, ProfileFileKind kind, const std::string& layer) {
    return kind == ProfileFileKind::Drawing ? readDxfProfile(bytes, layer) : readTextProfile(bytes);
}

std::string describeReadError(const ProfileReadError& error, std::string_view where) {
    std::string text(where);
    if (error.line > 0) {
        text += " line " + std::to_string(error.line);
    }
    return text + ": " + error.message;
}

} // namespace quillmar
