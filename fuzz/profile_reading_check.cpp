#include "core/checked_arithmetic.h"
#include "core/pass_schedule.h"
#include "core/profile_check.h"
#include "fuzz/fuzz_checks.h"
#include "fuzz/fuzz_failure.h"
#include "profile_import/dxf_profile.h"
#include "profile_import/text_profile.h"

#include <cmath>
#include <string_view>

namespace quillmar::fuzz {

namespace {

// A chain the checks pass is cut without a fault other than a data error, and every
// pass lies at a finite diameter no deeper than the chain.
void cutChecked(const SegmentChain& chain, std::string_view bytes) {
    ThreadJob job;
    job.side = Side::Outer;
    job.noseRadius = 0.3;
    job.pitch = 5;
    job.d1 = 30;
    job.d2 = 26;
    job.zSteps[0] = 0.05f;
    job.drawnGroove = chain;
    std::vector<SchedulePoint> points;
    try {
        points = computePassSchedule(job);
    } catch (const DataError&) {
        return;
    }
    for (const SchedulePoint& point : points) {
        require(std::isfinite(point.diameter), "a drawn groove's pass lies at a finite diameter",
                bytes);
    }
}

} // namespace

void checkProfileReading(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    // The first byte picks the reader: "d" a DXF drawing, anything else a text profile.
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto chain = data[0] == 'd' ? readDxfProfile(bytes, "") : readTextProfile(bytes);
    if (!chain) {
        require(!chain.error().message.empty(), "a refused profile says why", bytes);
        return;
    }
    const auto checked = checkDrawnGroove(*chain, 5, 0);
    if (!checked) {
        require(!checked.error().reason.empty(), "a refused chain says why", bytes);
        return;
    }
    cutChecked(checked->segments, bytes);
}

} // namespace quillmar::fuzz
