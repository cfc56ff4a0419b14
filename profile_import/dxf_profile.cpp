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
#include <dime/entities/Vertex.h>
#include <dime/sections/EntitiesSection.h>
#include <dime/sections/HeaderSection.h>
#include <memory>
#include <numbers>
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
        pieces.push_back({p, q});
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
            pieces.push_back({planar(line.getCoords(0)), planar(line.getCoords(1))});
        } else if (name == "ARC") {
            addDrawnArc(static_cast<dimeArc&>(entity));
        } else if (name == "LWPOLYLINE") {
            addLightPolyline(static_cast<dimeLWPolyline&>(entity));
        } else if (name == "POLYLINE") {
            addPolyline(static_cast<dimePolyline&>(entity));
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
    Collector collector{layer};
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
