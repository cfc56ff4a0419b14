#include "cli/run_profiles.h"

#include "cli/file_io.h"
#include "cli/join_text.h"
#include "profile_import/profile_file.h"
#include "profile_import/text_profile.h"

#include <filesystem>

namespace quillmar {

namespace {

std::string besideJobFile(const std::string& name, const std::string& jobFile) {
    const std::filesystem::path path(name);
    if (path.is_absolute() || jobFile == "-") {
        return name;
    }
    return (std::filesystem::path(jobFile).parent_path() / path).string();
}

std::string readFault(const ProfileReadError& error, std::string_view where) {
    return "profile " + describeReadError(error, where);
}

Expected<SegmentChain, std::string> loadProfile(const JobRun& run, const std::string& jobFile) {
    const std::string& value = *run.profile;
    const auto kind = profileFileKind(value);
    if (!kind) {
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
    auto chain = readProfileFile(*bytes, *kind, run.layer.value_or(""));
    if (!chain) {
        return unexpected(readFault(chain.error(), path));
    }
    return std::move(*chain);
}

} // namespace

std::string profileAsRead(const std::string& profile, const std::string& jobFile) {
    if (!profileFileKind(profile)) {
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
