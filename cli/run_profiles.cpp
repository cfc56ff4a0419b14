#include "cli/run_profiles.h"

#include "cli/file_io.h"
#include "cli/join_text.h"
#include "profile_import/dxf_profile.h"
#include "profile_import/text_profile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

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

std::string besideJobFile(const std::string& name, const std::string& jobFile) {
    const std::filesystem::path path(name);
    if (path.is_absolute() || jobFile == "-") {
        return name;
    }
    return (std::filesystem::path(jobFile).parent_path() / path).string();
}

std::string readFault(const ProfileReadError& error, std::string_view where) {
    const std::string line = error.line > 0 ? joinText({" line ", std::to_string(error.line)}) : "";
    return joinText({"profile ", where, line, ": ", error.message});
}

Expected<SegmentChain, std::string> loadProfile(const JobRun& run, const std::string& jobFile) {
    const std::string& value = *run.profile;
    const bool drawing = endsWith(value, ".dxf");
    if (!drawing && !endsWith(value, ".groove")) {
        auto chain = readTextProfile(value);
        if (!chain) {
            return unexpected(readFault(chain.error(), "item"));
        }
        return std::move(*chain);
    }
    const std::string path = besideJobFile(value, jobFile);
    const auto bytes = readJobFile(path);
    if (!bytes) {
        return unexpected(joinText({"profile ", path, ": ", bytes.error().reason}));
    }
    auto chain = drawing ? readDxfProfile(*bytes, run.layer.value_or("")) : readTextProfile(*bytes);
    if (!chain) {
        return unexpected(readFault(chain.error(), path));
    }
    return std::move(*chain);
}

} // namespace

std::string profileAsRead(const std::string& profile, const std::string& jobFile) {
    if (!endsWith(profile, ".dxf") && !endsWith(profile, ".groove")) {
        return profile;
    }
    std::error_code failed;
    const auto path = std::filesystem::absolute(besideJobFile(profile, jobFile), failed);
    return failed ? besideJobFile(profile, jobFile) : path.string();
}

Expected<RunGrooves, JobFileError> loadRunProfiles(const std::vector<JobRun>& runs,
                                                   const std::string& jobFile) {
    RunGrooves grooves;
    for (const JobRun& run : runs) {
        if (!run.profile) {
            grooves.emplace_back();
            continue;
        }
        auto chain = loadProfile(run, jobFile);
        if (!chain) {
            return unexpected(JobFileError{run.profileLine, chain.error()});
        }
        grooves.emplace_back(std::move(*chain));
    }
    return grooves;
}

} // namespace quillmar
