#pragma once

#include "cli/job_file.h"
#include "core/expected.h"
#include "core/groove_profile.h"

#include <optional>
#include <string>
#include <vector>

namespace quillmar {

// The drawn groove each run loads (none where the run has no profile key).
using RunGrooves = std::vector<std::optional<SegmentChain>>;

// Reads every run's profile: a file ending in .groove (a text profile) or .dxf (a
// drawing), relative to the job file's folder, or the segments typed into the key. A
// profile that cannot be read is a fault of the job file at the key's line.
Expected<RunGrooves, JobFileError> loadRunProfiles(const std::vector<JobRun>& runs,
                                                   const std::string& jobFile);

// The run's profile key as a job file anywhere reads it: a file's path made absolute
// (it was relative to the job file's folder), segments as typed.
std::string profileAsRead(const std::string& profile, const std::string& jobFile);

} // namespace quillmar
