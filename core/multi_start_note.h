#pragma once

#include "core/plain_number_text.h"
#include "core/thread_job.h"

#include <string>

namespace quillmar {

// What the status bar tells after a multi-start output: the last start of the first
// pass begins one lead before Z start (a single start keeps one pitch of approach),
// so a large lead reaches far out of the work. Empty for a single start.
inline std::string multiStartNote(const ThreadJob& job) {
    if (job.starts <= 1) {
        return {};
    }
    const double approach = job.pitch * job.starts;
    return std::to_string(job.starts) + "条ねじ: 最後の条は Z軸 開始点の " +
           plainNumberText(approach) + " mm 手前から始まります";
}

} // namespace quillmar
