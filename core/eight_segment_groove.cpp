#include "core/eight_segment_groove.h"

#include "core/checked_arithmetic.h"

#include <cmath>

namespace quillmar {

namespace {

double square(double value) {
    return checkedFinite(value * value);
}

int sideOf(const ThreadJob& job) {
    return signOf(job.side) < 0 ? -1 : 1;
}

} // namespace

GrooveOutline grooveOutline(const ThreadJob& job) {
    GrooveOutline o;
    // Flank angles are converted as (angle x pi) / 180, in this order.
    o.a1 = checkedFinite((job.a1 * kAnglePi) / 180);
    o.a2 = checkedFinite((job.a2 * kAnglePi) / 180);
    const double r = job.noseRadius;
    o.r1 = checkedFinite(r + job.r1);
    o.r2 = checkedFinite(job.r2 - r);
    o.r3 = checkedFinite(job.r3 - r);
    o.r4 = checkedFinite(r + job.r4);
    o.h1 = checkedFinite((job.d1 - job.d2) / 2);
    o.h2 = checkedFinite((job.d1 - job.d3) / 2);
    // Not checked: the schedule never reads it, so it must not stop the schedule.
    o.secondCrest = sideOf(job) * (job.d2 - job.d3) / 2;

    // With different crest diameters the second flank keeps the Z run that the first
    // side's depth gives at the typed angle and steepens to reach its own depth.
    if (job.d3 != job.d2) {
        const double run = checkedDiv(o.h1, std::tan(o.a2));
        o.a2 = std::atan(checkedDiv(o.h2, run));
    }

    o.z1 = checkedFinite(std::sin(o.a1) * o.r1);
    o.zB = checkedFinite((std::tan(o.a1 / 2) * o.r2 + checkedDiv(o.h1, std::tan(o.a1))) +
                         std::tan(o.a1 / 2) * o.r1);
    o.z2 = checkedFinite(o.zB - std::sin(o.a1) * o.r2);
    o.zC = checkedFinite(o.zB + job.width);
    o.z5 = checkedFinite(o.zC + std::sin(o.a2) * o.r3);
    o.zD = checkedFinite(((o.zC + std::tan(o.a2 / 2) * o.r3) + checkedDiv(o.h2, std::tan(o.a2))) +
                         std::tan(o.a2 / 2) * o.r4);
    o.z6 = checkedFinite(o.zD - std::sin(o.a2) * o.r4);
    return o;
}

double segmentOffset(const GrooveOutline& o, int k, double z) {
    switch (k) {
    case 0:
        return checkedSqrt(square(o.r1) - square(z)) - o.r1;
    case 1:
        return checkedFinite((z - std::tan(o.a1 / 2) * o.r1) * (-std::tan(o.a1)));
    case 2:
        return checkedFinite(((-o.h1) - checkedSqrt(square(o.r2) - square(o.zB - z))) + o.r2);
    case 3:
        return -o.h1;
    case 4:
        return checkedFinite(((-o.h2) - checkedSqrt(square(o.r3) - square(z - o.zC))) + o.r3);
    case 5:
        return checkedFinite(((o.zD - z) - std::tan(o.a2 / 2) * o.r4) * (-std::tan(o.a2)));
    case 6:
        return checkedSqrt(square(o.r4) - square(o.zD - z)) - o.r4;
    default:
        return 0;
    }
}

GrooveProfile grooveProfile(const ThreadJob& job) {
    const GrooveOutline o = grooveOutline(job);
    GrooveProfile profile;
    profile.side = sideOf(job);
    profile.crestX = profile.side > 0 ? job.d1 : job.d2;
    profile.pitch = job.pitch;

    // The corners of the finished groove share their centres with the nose centre's
    // arcs; their radii are the typed ones. Each tangent point lies along the normal of
    // its flank, which is at a1 (a2) from the axis.
    const double s1 = std::sin(o.a1);
    const double c1 = std::cos(o.a1);
    const double s2 = std::sin(o.a2);
    const double c2 = std::cos(o.a2);
    const double floor2 = o.secondCrest + o.h2;
    const SectionPoint centre1{0, job.r1};
    const SectionPoint centre2{o.zB, o.h1 - job.r2};
    const SectionPoint centre3{o.zC, floor2 - job.r3};
    const SectionPoint centre4{o.zD, o.secondCrest + job.r4};
    const SectionPoint end1{s1 * job.r1, job.r1 - c1 * job.r1};
    const SectionPoint start2{o.zB - s1 * job.r2, centre2.depth + c1 * job.r2};
    const SectionPoint floorStart{o.zB, o.h1};
    const SectionPoint floorEnd{o.zC, o.h1};
    const SectionPoint start3{o.zC, floor2};
    const SectionPoint end3{o.zC + s2 * job.r3, centre3.depth + c2 * job.r3};
    const SectionPoint start4{o.zD - s2 * job.r4, centre4.depth - c2 * job.r4};
    const SectionPoint crest2{o.zD, o.secondCrest};

    SegmentChain& chain = profile.segments;
    chain.push_back(arcSegment({0, 0}, end1, centre1, job.r1, false));
    chain.push_back(lineSegment(end1, start2));
    chain.push_back(arcSegment(start2, floorStart, centre2, job.r2, true));
    chain.push_back(lineSegment(floorStart, floorEnd));
    if (start3.depth != floorEnd.depth) {
        // An outer thread with D3 unlike D2 steps at the floor's end: its second half
        // hangs from D3 while the writers lift both halves by D1 - D2.
        chain.push_back(lineSegment(floorEnd, start3));
    }
    chain.push_back(arcSegment(start3, end3, centre3, job.r3, true));
    chain.push_back(lineSegment(end3, start4));
    chain.push_back(arcSegment(start4, crest2, centre4, job.r4, false));
    if (job.pitch > o.zD) {
        chain.push_back(lineSegment(crest2, {job.pitch, o.secondCrest}));
    }
    return profile;
}

double pointTipDepth(const ThreadJob& job, double pointDiameter) {
    return sideOf(job) * (job.d2 - pointDiameter) / 2;
}

} // namespace quillmar
