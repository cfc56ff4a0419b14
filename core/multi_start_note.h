#pragma once

#include "core/thread_job.h"

#include <optional>

namespace quillmar {

// How far before Z start the last start of a multi-start thread's first pass begins:
// one lead (a single start keeps one pitch of approach), so a large lead reaches far
// out of the work. Nothing for a single start. The window tells it in its status bar,
// in the program's language.
inline std::optional<double> multiStartApproach(const ThreadJob& job) {
    if (job.starts <= 1) {
        return std::nullopt;
    }
    return job.pitch * job.starts;
}

} // namespace quillmar
