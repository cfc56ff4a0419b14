#include "profile_import/dxf_profile.h"

#include "core/profile_check.h"

#include <cmath>
#include <cstdio>
#include <dime/Input.h>
#include <dime/Model.h>
#include <dime/entities/Arc.h>
#include <dime/entities/Entity.h>
#include <dime/entities/LWPolyline.h>
#include <dime/entities/Line.h>
#include <dime/entities/Polyline.h>
#include <dime/entities/Spline.h>
#include <dime/entities/Vertex.h>
#include <dime/sections/EntitiesSection.h>
#include <dime/sections/HeaderSection.h>
#include <memory>
#include <numbers>
#include <optional>
#include <set>
#include <vector>

namespace quillmar {

namespace {

using Point = SectionPoint; // here still the drawing's x (z) and y (depth)

// A piece as drawn: an arc of the drawing by centre and counter-clockwise sweep.
struct DrawnPiece {
    Point from;
    Point to;
    bool arc = false;
    Point centre;
    double radius = 0;
};

DrawnPiece straightPiece(Point from, Point to) {
    DrawnPiece piece;
    piece.from = from;
    piece.to = to;
    return piece;
}

// dime keeps every arc as less than a full turn; a piece handed on must stay under a
// half turn, so larger sweeps are split.
constexpr double kLargestSweep = 170 * std::numbers::pi / 180;

void addArc(std::vector<DrawnPiece>& pieces, Point centre, double radius, double start,
            double sweep) {
    const int parts = static_cast<int>(std::ceil(std::fabs(sweep) / kLargestSweep));
    const auto at = [&](double angle) {
        return Point{centre.z + radius * std::cos(angle), centre.depth + radius * std::sin(angle)};
    };
    for (int i = 0; i < std::max(parts, 1); ++i) {
        const double a = start + sweep * i / parts;
        const double b = start + sweep * (i + 1) / parts;
        pieces.push_back({at(a), at(b), true, centre, radius});
    }
}

// A polyline's span from p to q with a bulge: the tangent of a quarter of its sweep,
// counter-clockwise when positive.
void addBulged(std::vector<DrawnPiece>& pieces, Point p, Point q, double bulge) {
    if (bulge == 0 || !std::isfinite(bulge)) {
        pieces.push_back(straightPiece(p, q));
        return;
    }
    const Point chord{q.z - p.z, q.depth - p.depth};
    const double length = std::hypot(chord.z, chord.depth);
    if (length == 0) {
        return;
    }
    const double offset = length * (1 - bulge * bulge) / (4 * bulge);
    const Point centre{(p.z + q.z) / 2 - offset * chord.depth / length,
                       (p.depth + q.depth) / 2 + offset * chord.z / length};
    const double radius = std::hypot(p.z - centre.z, p.depth - centre.depth);
    const double start = std::atan2(p.depth - centre.depth, p.z - centre.z);
    addArc(pieces, centre, radius, start, 4 * std::atan(bulge));
}

// A SPLINE becomes arcs and lines that stay within this of it (mm of the drawing's
// unit, far below a program's 0.001 mm).
constexpr double kSplineTolerance = 0.0005;
constexpr int kSamplesPerSpan = 32;
// Bounds on the work a drawing can ask for: control points of one spline, and samples
// one piece may cover.
constexpr int kMostControlPoints = 10000;
constexpr std::size_t kMostSamplesPerPiece = 256;

// A NURBS curve by its control points, weights and knots (de Boor's evaluation).
struct Nurbs {
    int degree = 0;
    std::vector<double> knots;
    std::vector<Point> points;
    std::vector<double> weights;

    Point at(double t) const {
        const int n = static_cast<int>(points.size());
        int span = degree;
        while (span < n - 1 && knots[static_cast<std::size_t>(span) + 1] <= t) {
            ++span;
        }
        std::vector<double> x, y, w;
        for (int i = span - degree; i <= span; ++i) {
            const auto k = static_cast<std::size_t>(i);
            x.push_back(points[k].z * weights[k]);
            y.push_back(points[k].depth * weights[k]);
            w.push_back(weights[k]);
        }
        for (int r = 1; r <= degree; ++r) {
            for (int j = degree; j >= r; --j) {
                const auto i = static_cast<std::size_t>(span - degree + j);
                const double left = knots[i];
                const double right = knots[i + static_cast<std::size_t>(degree) + 1 - r];
                const double a = right > left ? (t - left) / (right - left) : 0;
                const auto jj = static_cast<std::size_t>(j);
                x[jj] = (1 - a) * x[jj - 1] + a * x[jj];
                y[jj] = (1 - a) * y[jj - 1] + a * y[jj];
                w[jj] = (1 - a) * w[jj - 1] + a * w[jj];
            }
        }
        const auto d = static_cast<std::size_t>(degree);
        return {x[d] / w[d], y[d] / w[d]};
    }
};

double crossOf(Point a, Point b, Point c) {
    return (b.z - a.z) * (c.depth - a.depth) - (b.depth - a.depth) * (c.z - a.z);
}

// The circle through three points; none when they lie on a line.
std::optional<std::pair<Point, double>> circleThrough(Point a, Point b, Point c) {
    const double d = 2 * crossOf(a, b, c);
    if (std::fabs(d) < 1e-12) {
        return std::nullopt;
    }
    const double a2 = a.z * a.z + a.depth * a.depth;
    const double b2 = b.z * b.z + b.depth * b.depth;
    const double c2 = c.z * c.z + c.depth * c.depth;
    const Point centre{
        (a2 * (c.depth - b.depth) + b2 * (a.depth - c.depth) + c2 * (b.depth - a.depth)) / -d,
        (a2 * (c.z - b.z) + b2 * (a.z - c.z) + c2 * (b.z - a.z)) / d};
    return std::pair{centre, std::hypot(a.z - centre.z, a.depth - centre.depth)};
}

double lineGap(Point a, Point b, Point p) {
    const double l = std::hypot(b.z - a.z, b.depth - a.depth);
    return l == 0 ? std::hypot(p.z - a.z, p.depth - a.depth) : std::fabs(crossOf(a, b, p)) / l;
}

double turnAngle(Point centre, Point from, Point to) {
    const Point u{from.z - centre.z, from.depth - centre.depth};
    const Point v{to.z - centre.z, to.depth - centre.depth};
    return std::atan2(u.z * v.depth - u.depth * v.z, u.z * v.z + u.depth * v.depth);
}

// Whether samples i..j lie within the tolerance of one line or one arc of less than
// kLargestSweep; the piece is added when `pieces` is given.
bool fitPiece(const std::vector<Point>& s, std::size_t i, std::size_t j,
              std::vector<DrawnPiece>* pieces) {
    const std::size_t m = (i + j) / 2;
    const auto circle = circleThrough(s[i], s[m], s[j]);
    const bool straight = !circle || circle->second > 1e6;
    double sweep = 0;
    if (!straight) {
        sweep = turnAngle(circle->first, s[i], s[m]) + turnAngle(circle->first, s[m], s[j]);
        if (std::fabs(sweep) > kLargestSweep) {
            return false;
        }
    }
    for (std::size_t k = i + 1; k < j; ++k) {
        const double gap =
            straight
                ? lineGap(s[i], s[j], s[k])
                : std::fabs(std::hypot(s[k].z - circle->first.z, s[k].depth - circle->first.depth) -
                            circle->second);
        if (!(gap <= kSplineTolerance)) {
            return false;
        }
    }
    if (pieces != nullptr) {
        if (straight) {
            pieces->push_back(straightPiece(s[i], s[j]));
        } else {
            const Point c = circle->first;
            pieces->push_back({s[i], s[j], true, c, circle->second});
            (void)sweep;
        }
    }
    return true;
}

void addSpline(std::vector<DrawnPiece>& pieces, const Nurbs& curve) {
    const std::size_t spans = curve.points.size() - static_cast<std::size_t>(curve.degree);
    const double first = curve.knots[static_cast<std::size_t>(curve.degree)];
    const double last = curve.knots[curve.points.size()];
    const std::size_t count = spans * kSamplesPerSpan;
    std::vector<Point> samples;
    for (std::size_t k = 0; k <= count; ++k) {
        samples.push_back(
            curve.at(first + (last - first) * static_cast<double>(k) / static_cast<double>(count)));
    }
    std::size_t i = 0;
    while (i < count) {
        std::size_t j = std::min(i + 2, count);
        while (j < count && j - i < kMostSamplesPerPiece && fitPiece(samples, i, j + 1, nullptr)) {
            ++j;
        }
        if (!fitPiece(samples, i, j, &pieces)) {
            j = i + 1;
            pieces.push_back(straightPiece(samples[i], samples[j]));
        }
        i = j;
    }
}

Point planar(const dimeVec3f& v) {
    return {v.x, v.y};
}

double groupDouble(const dimeEntity& entity, int code) {
    dimeParam param;
    return entity.getRecord(code, param) ? param.double_data : 0.0;
}

struct Collector {
    const std::string& layer;
    std::vector<DrawnPiece> pieces;
    std::set<std::string> layers;
    std::string refused;

    void add(dimeEntity& entity) {
        const std::string name = entity.getEntityName();
        const std::string onLayer = entity.getLayerName() ? entity.getLayerName() : "0";
        if (!layer.empty() && onLayer != layer) {
            return;
        }
        if (name == "TEXT" || name == "MTEXT" || name == "POINT" || name == "DIMENSION") {
            return;
        }
        layers.insert(onLayer);
        if (name == "LINE") {
            const auto& line = static_cast<dimeLine&>(entity);
            pieces.push_back(straightPiece(planar(line.getCoords(0)), planar(line.getCoords(1))));
        } else if (name == "ARC") {
            addDrawnArc(static_cast<dimeArc&>(entity));
        } else if (name == "LWPOLYLINE") {
            addLightPolyline(static_cast<dimeLWPolyline&>(entity));
        } else if (name == "POLYLINE") {
            addPolyline(static_cast<dimePolyline&>(entity));
        } else if (name == "SPLINE") {
            addDrawnSpline(static_cast<dimeSpline&>(entity));
        } else if (refused.empty()) {
            refused = name;
        }
    }

    void addDrawnArc(const dimeArc& arc) {
        dimeVec3f c;
        arc.getCenter(c);
        double start = arc.getStartAngle() * std::numbers::pi / 180;
        double end = arc.getEndAngle() * std::numbers::pi / 180;
        Point centre = planar(c);
        if (arc.getExtrusionDir().z < 0) {
            // Drawn from below: its plane's x runs the other way.
            centre.z = -centre.z;
            start = std::numbers::pi - start;
            end = std::numbers::pi - end;
            std::swap(start, end);
        }
        double sweep = std::remainder(end - start, 2 * std::numbers::pi);
        if (sweep <= 0) {
            sweep += 2 * std::numbers::pi;
        }
        addArc(pieces, centre, arc.getRadius(), start, sweep);
    }

    void addDrawnSpline(const dimeSpline& spline) {
        Nurbs curve;
        curve.degree = spline.getDegree();
        const int count = spline.getNumControlPoints();
        if (count > kMostControlPoints) {
            refused = "SPLINE of more than 10000 control points";
            return;
        }
        if (curve.degree < 1 || count <= curve.degree ||
            spline.getNumKnots() != count + curve.degree + 1) {
            refused = "SPLINE without control points and knots (by fit points only)";
            return;
        }
        for (int i = 0; i < spline.getNumKnots(); ++i) {
            curve.knots.push_back(spline.getKnotValue(i));
        }
        for (int i = 0; i < count; ++i) {
            curve.points.push_back(planar(spline.getControlPoint(i)));
            const double w =
                spline.hasWeights() && i < spline.getNumWeights() ? spline.getWeight(i) : 1.0;
            curve.weights.push_back(w > 0 ? w : 1.0);
        }
        for (std::size_t i = 1; i < curve.knots.size(); ++i) {
            if (!(curve.knots[i] >= curve.knots[i - 1]) || !std::isfinite(curve.knots[i])) {
                refused = "SPLINE whose knots do not rise";
                return;
            }
        }
        if (!(curve.knots[curve.points.size()] >
              curve.knots[static_cast<std::size_t>(curve.degree)])) {
            refused = "SPLINE of no length";
            return;
        }
        addSpline(pieces, curve);
    }

    void addLightPolyline(const dimeLWPolyline& polyline) {
        const int count = polyline.getNumVertices();
        const dxfdouble* x = polyline.getXCoords();
        const dxfdouble* y = polyline.getYCoords();
        const dxfdouble* bulges = polyline.getBulges();
        const bool closed = (polyline.getFlags() & 1) != 0;
        for (int i = 0; i + 1 < count + (closed ? 1 : 0); ++i) {
            const int j = (i + 1) % count;
            addBulged(pieces, {x[i], y[i]}, {x[j], y[j]}, bulges ? bulges[i] : 0.0);
        }
    }

    void addPolyline(dimePolyline& polyline) {
        if (polyline.getType() != dimePolyline::POLYLINE) {
            refused = "POLYLINE (a mesh)";
            return;
        }
        const int count = polyline.getNumCoordVertices();
        const bool closed = (polyline.getFlags() & 1) != 0;
        for (int i = 0; i + 1 < count + (closed ? 1 : 0); ++i) {
            const dimeVertex* from = polyline.getCoordVertex(i);
            const dimeVertex* to = polyline.getCoordVertex((i + 1) % count);
            addBulged(pieces, planar(from->getCoords()), planar(to->getCoords()),
                      groupDouble(*from, 42));
        }
    }
};

// Millimetres per drawing unit from $INSUNITS (none: millimetres); 0 for a unit a
// thread is not drawn in.
double unitScale(dimeModel& model) {
    auto* header = static_cast<dimeHeaderSection*>(model.findSection("HEADER"));
    if (header == nullptr) {
        return 1;
    }
    int code = 0;
    dimeParam param;
    if (header->getVariable("$INSUNITS", &code, &param, 1) != 1) {
        return 1;
    }
    switch (param.int16_data) {
    case 0: // unitless
    case 4:
        return 1;
    case 1:
        return 25.4;
    case 5:
        return 10;
    case 6:
        return 1000;
    default:
        return 0;
    }
}

double distance(Point a, Point b) {
    return std::hypot(a.z - b.z, a.depth - b.depth);
}

// Joins the pieces end to end from the one furthest left, each turned to run onwards,
// in the core's terms: z from that start, depth below it.
Expected<SegmentChain, ProfileReadError> joined(std::vector<DrawnPiece> pieces, double scale) {
    std::size_t first = 0;
    bool firstReversed = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (const bool reversed : {false, true}) {
            const Point p = reversed ? pieces[i].to : pieces[i].from;
            const Point best = firstReversed ? pieces[first].to : pieces[first].from;
            if (p.z < best.z || (p.z == best.z && p.depth > best.depth)) {
                first = i;
                firstReversed = reversed;
            }
        }
    }
    const Point origin = firstReversed ? pieces[first].to : pieces[first].from;
    const auto section = [&](Point p) {
        return Point{(p.z - origin.z) * scale, (origin.depth - p.depth) * scale};
    };
    SegmentChain chain;
    std::vector<bool> used(pieces.size(), false);
    std::size_t next = first;
    bool reversed = firstReversed;
    while (true) {
        used[next] = true;
        DrawnPiece piece = pieces[next];
        if (reversed) {
            std::swap(piece.from, piece.to);
        }
        const Point from = section(piece.from);
        const Point to = section(piece.to);
        if (!piece.arc) {
            chain.push_back(lineSegment(from, to));
        } else {
            const Point centre = section(piece.centre);
            const double turn = (from.z - centre.z) * (to.depth - centre.depth) -
                                (from.depth - centre.depth) * (to.z - centre.z);
            chain.push_back(arcSegment(from, to, centre, piece.radius * scale, turn < 0));
        }
        // The piece whose end lies nearest this one's end goes on.
        double nearest = kProfileGapTolerance / scale;
        bool found = false;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            for (const bool flip : {false, true}) {
                const double d = distance(piece.to, flip ? pieces[i].to : pieces[i].from);
                if (!used[i] && d <= nearest) {
                    nearest = d;
                    next = i;
                    reversed = flip;
                    found = true;
                }
            }
        }
        if (!found) {
            break;
        }
    }
    if (chain.size() != pieces.size()) {
        return unexpected(ProfileReadError{
            0, std::to_string(pieces.size() - chain.size()) + " of the " +
                   std::to_string(pieces.size()) + " pieces are not joined to the chain that " +
                   "starts at the left end (a gap of 0.001 mm or more, or a branch)"});
    }
    return chain;
}

// dime reads only from a file: the bytes go through a memory stream.
std::unique_ptr<dimeModel> readModel(std::string_view bytes) {
    std::string copy(bytes);
    std::FILE* stream = fmemopen(copy.data(), copy.size(), "rb");
    if (stream == nullptr) {
        return nullptr;
    }
    auto model = std::make_unique<dimeModel>();
    dimeInput input;
    const bool read = input.setFileHandle(stream) && model->read(&input);
    std::fclose(stream);
    return read ? std::move(model) : nullptr;
}

} // namespace

Expected<SegmentChain, ProfileReadError> readDxfProfile(std::string_view bytes,
                                                        const std::string& layer) {
    if (bytes.empty()) {
        return unexpected(ProfileReadError{0, "the file is empty"});
    }
    const std::unique_ptr<dimeModel> model = readModel(bytes);
    if (!model) {
        return unexpected(ProfileReadError{0, "not a DXF drawing dime can read"});
    }
    const double scale = unitScale(*model);
    if (scale == 0) {
        return unexpected(
            ProfileReadError{0, "drawn in a unit other than mm, cm, m or inch ($INSUNITS)"});
    }
    auto* entities = static_cast<dimeEntitiesSection*>(model->findSection("ENTITIES"));
    Collector collector{layer, {}, {}, {}};
    for (int i = 0; entities != nullptr && i < entities->getNumEntities(); ++i) {
        collector.add(*entities->getEntity(i));
    }
    if (!collector.refused.empty()) {
        return unexpected(ProfileReadError{
            0, "holds a " + collector.refused +
                   ", which is not read (draw the groove with LINE, ARC, LWPOLYLINE or POLYLINE)"});
    }
    if (collector.layers.size() > 1) {
        std::string names;
        for (const std::string& name : collector.layers) {
            names += (names.empty() ? "" : ", ") + name;
        }
        return unexpected(ProfileReadError{0, "draws on several layers (" + names +
                                                  "): name the groove's one with layer = NAME"});
    }
    if (collector.pieces.empty()) {
        return unexpected(ProfileReadError{
            0, layer.empty() ? "draws no line or arc" : "draws no line or arc on layer " + layer});
    }
    return joined(std::move(collector.pieces), scale);
}

} // namespace quillmar
