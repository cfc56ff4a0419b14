#pragma once

#include <optional>
#include <vector>

namespace quillmar {

// A point of the thread's axial section: z along the axis from the profile's start,
// depth from the first crest into the material (radial, not a diameter).
struct SectionPoint {
    double z = 0;
    double depth = 0;
};

// One piece of a groove: a straight line, or an arc of less than a half turn around
// `centre`. A concave arc has its centre on the air side (a floor corner), a convex
// one in the material (a crest corner).
struct ProfileSegment {
    SectionPoint from;
    SectionPoint to;
    bool arc = false;
    SectionPoint centre;
    double radius = 0;
    bool concave = false;
};

using SegmentChain = std::vector<ProfileSegment>;

// Which way an arc turns along its travel: +1 like a crest corner (centre in the
// material), -1 like a floor corner (centre on the air side). An arc of a half turn,
// whose ends alone cannot say, turns the way its `concave` flag says.
double arcTurning(const ProfileSegment& arc);

// Whether a point at the arc's distance from its centre lies within its sweep.
bool withinSweep(const ProfileSegment& arc, SectionPoint point);

ProfileSegment lineSegment(SectionPoint from, SectionPoint to);
ProfileSegment arcSegment(SectionPoint from, SectionPoint to, SectionPoint centre, double radius,
                          bool concave);

// The groove of one pitch as the finished thread shows it, piece after piece along z
// from the start of the first crest corner to the end of the pitch. However it was made
// (the dialog's eight-segment form, or any chain of lines and arcs), everything that
// needs the groove's shape reads it from here.
struct GrooveProfile {
    int side = 1;      // +1 outer thread (material below the crest), -1 inner
    double crestX = 0; // program X (a diameter) at depth 0
    double pitch = 0;
    SegmentChain segments;

    // The program X of a depth: larger depth is further into the material.
    double xAt(double depth) const { return crestX - 2 * side * depth; }
};

// The path of the centre of a round nose of this radius that follows the chain on its
// air side: every piece moved out by the radius, convex corners rounded about their
// vertex, concave corners the nose cannot reach cut off where its paths along the two
// neighbouring lines cross. Corners are mended one at a time: where an arc meets a
// corner the nose cannot reach, or the nose cannot reach a whole piece, the path is
// bridged with a straight piece rather than trimmed.
SegmentChain offsetChain(const SegmentChain& chain, double radius);

// The nose centre's path along the groove, from the first crest's corner to the end of
// the pitch, with `runOn` more of each crest before and after it. Either way the nose
// rolls round the groove's outer corners as it comes from and goes on to the crests.
SegmentChain noseCentrePath(const GrooveProfile& profile, double noseRadius, double runOn = 0);

// The depth of the chain at z: on the first piece that spans z, or at the nearer end of
// the chain for a z beyond it. None for an empty chain.
std::optional<double> depthAt(const SegmentChain& chain, double z);

// The shortest distance from a point to the chain.
double distanceTo(const SegmentChain& chain, SectionPoint point);

// The chain as a polyline, arcs divided into short chords (for drawing).
std::vector<SectionPoint> polyline(const SegmentChain& chain, int chordsPerArc = 24);

// Whether the groove runs forward along z piece after piece, every arc bowing the way
// its side says, reaches below its crest, and starts at z = 0 and ends within the
// pitch, each to within `tolerance`: only then is it a section of one pitch whose
// depth is known everywhere.
bool spansOnePitch(const GrooveProfile& profile, double tolerance);

} // namespace quillmar
