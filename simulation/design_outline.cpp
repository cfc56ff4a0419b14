#include "simulation/design_outline.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

double arcRise(double radius, double distance) {
    return std::sqrt(std::max(0.0, radius * radius - distance * distance));
}

} // namespace

std::optional<DesignOutline> DesignOutline::fromJob(const ThreadJob& job) {
    DesignOutline o;
    o.side_ = signOf(job.side);
    o.pitch_ = job.pitch;
    o.d1_ = job.d1;
    o.d2_ = job.d2;
    o.d3_ = job.d3;
    o.h1_ = (job.d1 - job.d2) / 2;
    o.h2_ = (job.d1 - job.d3) / 2;
    o.r1_ = job.r1;
    o.r2_ = job.r2;
    o.r3_ = job.r3;
    o.r4_ = job.r4;
    const double a1 = (job.a1 * kAnglePi) / 180;
    double a2 = (job.a2 * kAnglePi) / 180;
    if (!(a1 > 0 && a1 < kAnglePi / 2 && a2 > 0 && a2 < kAnglePi / 2) || !(o.h1_ > 0)) {
        return std::nullopt;
    }
    if (job.d3 != job.d2) {
        // The second flank keeps the run a depth of H1 gives and reaches H2 over it,
        // as the pass schedule lays it out.
        a2 = std::atan(o.h2_ / (o.h1_ / std::tan(a2)));
    }
    o.tanA1_ = std::tan(a1);
    o.tanA2_ = std::tan(a2);
    // The corner arcs have the same centres as the schedule's nose-centre arcs; the
    // nose radius cancels out of the floor's ends.
    o.vertex1_ = std::tan(a1 / 2) * o.r1_;
    o.z1_ = std::sin(a1) * o.r1_;
    o.zB_ = std::tan(a1 / 2) * o.r2_ + o.h1_ / o.tanA1_ + o.vertex1_;
    o.z2_ = o.zB_ - std::sin(a1) * o.r2_;
    o.zC_ = o.zB_ + job.width;
    o.z5_ = o.zC_ + std::sin(a2) * o.r3_;
    o.zD_ = o.zC_ + std::tan(a2 / 2) * o.r3_ + o.h2_ / o.tanA2_ + std::tan(a2 / 2) * o.r4_;
    o.vertex2_ = o.zD_ - std::tan(a2 / 2) * o.r4_;
    o.z6_ = o.zD_ - std::sin(a2) * o.r4_;
    const bool ordered = o.r1_ >= 0 && o.r2_ >= 0 && o.r3_ >= 0 && o.r4_ >= 0 && o.h2_ > 0 &&
                         job.width >= 0 && 0 <= o.z1_ && o.z1_ <= o.z2_ && o.z2_ <= o.zB_ &&
                         o.zC_ <= o.z5_ && o.z5_ <= o.z6_ && o.z6_ <= o.zD_ && o.zD_ <= o.pitch_;
    if (!ordered || !std::isfinite(o.zD_)) {
        return std::nullopt;
    }
    return o;
}

double DesignOutline::depthAt(double w) const {
    if (w <= 0 || w >= zD_) {
        return 0; // a crest
    }
    if (w < z1_) {
        return r1_ - arcRise(r1_, w);
    }
    if (w < z2_) {
        return (w - vertex1_) * tanA1_;
    }
    if (w < zB_) {
        return h1_ - r2_ + arcRise(r2_, zB_ - w);
    }
    if (w < zC_) {
        return h1_;
    }
    if (w < z5_) {
        return h2_ - r3_ + arcRise(r3_, w - zC_);
    }
    if (w < z6_) {
        return (vertex2_ - w) * tanA2_;
    }
    return r4_ - arcRise(r4_, zD_ - w);
}

double DesignOutline::diameterAt(double w) const {
    // The first half hangs from D2, the second from D3, as the schedule's points do;
    // an outer thread's writers add the groove depth to bring the crest to D1.
    const double base = w < zC_ ? d2_ : d3_;
    const double outerShift = side_ > 0 ? d1_ - d2_ : 0;
    return outerShift + base - 2 * side_ * depthAt(w);
}

} // namespace quillmar
