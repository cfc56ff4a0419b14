#!/usr/bin/python3
"""Writes the DXF drawings the profile reader is tested on, with ezdxf (python3-ezdxf),
so that the files come from a writer other than the reader. Run it in this folder:
    /usr/bin/python3 make_fixtures.py
Every groove is drawn with the drawing's X along the axis and Y up, out of the material:
its crest at Y 0 from X 0, the groove below it."""
import math

import ezdxf


def new(version, inches=False):
    doc = ezdxf.new(version)
    doc.header["$INSUNITS"] = 1 if inches else 4
    return doc


def bulge(sweep_degrees):
    # counter-clockwise positive, a quarter of the sweep's tangent
    return math.tan(math.radians(sweep_degrees) / 4)


def gothic_arch():
    """Ball-screw gothic arch, pitch 5: two hollow arcs from the crests meeting 1.6
    below them, each centred 0.1 past the groove's middle (so each falls all the way)."""
    e, half, depth = 0.1, 2.5, 1.6
    yc = ((half + e) ** 2 - e * e - depth * depth) / (2 * depth)
    return (0.0, 0.0), (half, -depth), math.hypot(half + e, yc)


def write_gothic(version, name):
    doc = new(version)
    msp = doc.modelspace()
    (x0, y0), (x1, y1), r = gothic_arch()
    # R12: ARC entities, each counter-clockwise along its underside; R2000: one
    # LWPOLYLINE whose positive bulges turn counter-clockwise (centres above)
    for start, end in (((x0, y0), (x1, y1)), ((x1, y1), (2 * x1, y0))):
        if version == "R12":
            mid = ((start[0] + end[0]) / 2, (start[1] + end[1]) / 2)
            dx, dy = end[0] - start[0], end[1] - start[1]
            chord = math.hypot(dx, dy)
            rise = math.sqrt(r * r - chord * chord / 4)
            # hollow (seen from above): the centre lies above the chord
            cx, cy = mid[0] - rise * dy / chord, mid[1] + rise * dx / chord
            if cy < mid[1]:
                cx, cy = mid[0] + rise * dy / chord, mid[1] - rise * dx / chord
            a0 = math.degrees(math.atan2(start[1] - cy, start[0] - cx))
            a1 = math.degrees(math.atan2(end[1] - cy, end[0] - cx))
            msp.add_arc((cx, cy), r, a0, a1)
        else:
            chord = math.dist(start, end)
            sweep = 2 * math.degrees(math.asin(chord / (2 * r)))
            msp.add_lwpolyline([(start[0], start[1], 0, 0, bulge(sweep)), (end[0], end[1])],
                               format="xyseb")
    doc.saveas(name)


def write_knuckle(name, inches=False):
    """Knuckle (round) thread, pitch 4 mm: four quarter arcs of R 1, 2 deep."""
    k = 1 / 25.4 if inches else 1
    doc = new("R2000", inches)
    msp = doc.modelspace()
    # crest corner, floor halves, crest corner: (centre, start angle, end angle)
    for centre, a0, a1 in (((0, -1), 0, 90), ((2, -1), 180, 270), ((2, -1), 270, 360),
                           ((4, -1), 90, 180)):
        msp.add_arc((centre[0] * k, centre[1] * k), 1 * k, a0, a1)
    doc.saveas(name)


def write_buttress(name):
    """Buttress with a radiused root, pitch 6: a 3 degree load flank, a 30 degree
    clearance flank, a root R 0.6, as an R12 POLYLINE with one bulge."""
    doc = new("R12")
    msp = doc.modelspace()
    depth, root = 3.0, 0.6
    # the root arc is tangent to both flanks: a 3 degree and a 30 degree flank from the
    # radial direction; its ends are found from the centre
    t1, t2 = math.radians(3), math.radians(30)
    cx = depth * math.tan(t1) + root * (1 / math.cos(t1) - math.tan(t1)) + 0.2
    cy = -depth + root
    p = (cx - root * math.cos(t1), cy - root * math.sin(t1))
    q = (cx + root * math.cos(t2), cy - root * math.sin(t2))
    start = (p[0] + p[1] * math.tan(t1), 0.0)
    end = (q[0] - q[1] * math.tan(t2), 0.0)
    sweep = 90 - 3 + 90 - 30
    points = [(start[0] - start[0], 0.0), (p[0] - start[0], p[1]), (q[0] - start[0], q[1]),
              (end[0] - start[0], 0.0), (6.0, 0.0)]
    polyline = msp.add_polyline2d(points[:2])
    polyline.append_vertices(points[2:])
    polyline.vertices[1].dxf.bulge = bulge(sweep)
    doc.saveas(name)


def write_trapezoidal(name):
    """The inner Tr 40 x 7 of the examples (nose 0.2, floor 1.5, D1 41, D2 = D3 33, 75
    degree flanks, corners 0.25 / 0.5) drawn as the eight-segment form makes it."""
    r, pitch, width, h = 0.2, 7.0, 1.5, 4.0
    a = 75 * 3.141592653589 / 180
    r1, r2, r3, r4 = 0.25, 0.5, 0.5, 0.25
    zb = (math.tan(a / 2) * (r2 - r) + h / math.tan(a)) + math.tan(a / 2) * (r + r1)
    zc = zb + width
    zd = ((zc + math.tan(a / 2) * (r3 - r)) + h / math.tan(a)) + math.tan(a / 2) * (r + r4)
    s, c = math.sin(a), math.cos(a)
    doc = new("R2000")
    msp = doc.modelspace()
    down = lambda p: (p[0], -p[1])  # depth into the material is down in the drawing
    end1 = (s * r1, r1 - c * r1)
    start2 = (zb - s * r2, h - r2 + c * r2)
    end3 = (zc + s * r3, h - r3 + c * r3)
    start4 = (zd - s * r4, r4 - c * r4)

    def arc(centre, radius, p, q):
        a0 = math.degrees(math.atan2(-p[1] + centre[1], p[0] - centre[0]))
        a1 = math.degrees(math.atan2(-q[1] + centre[1], q[0] - centre[0]))
        return (centre[0], -centre[1]), radius, a0, a1

    for centre, radius, a0, a1 in (
            arc((0, r1), r1, (0, 0), end1),
            arc((zb, h - r2), r2, start2, (zb, h)),
            arc((zc, h - r3), r3, (zc, h), end3),
            arc((zd, r4), r4, start4, (zd, 0))):
        # ezdxf draws counter-clockwise from the start angle: order the ends so
        if (a1 - a0) % 360 > 180:
            a0, a1 = a1, a0
        msp.add_arc(centre, radius, a0, a1)
    for p, q in ((end1, start2), ((zb, h), (zc, h)), (end3, start4), ((zd, 0), (pitch, 0))):
        msp.add_line(down(p), down(q))
    doc.saveas(name)


def write_rope(name):
    """A rope thread's groove, pitch 3, as one cubic SPLINE by its control points."""
    doc = new("R2000")
    points = [(0, 0), (0.5, -0.9), (1.5, -1.6), (2.5, -0.9), (3, 0)]
    spline = doc.modelspace().add_open_spline(points, degree=3)
    doc.saveas(name)
    # ezdxf's own evaluation of the curve, 200 points, for the reader's arcs to keep to
    with open(name.replace(".dxf", "-points.csv"), "w") as csv:
        csv.write("x,y\n")
        for p in spline.construction_tool().approximate(200):
            csv.write(f"{p.x:.9f},{p.y:.9f}\n")


def write_fitted_spline(name):
    """A SPLINE given by fit points only, which a CAD program still has to solve."""
    doc = new("R2000")
    doc.modelspace().add_spline([(0, 0), (1, -1), (2, 0)])
    doc.saveas(name)


def write_two_layers(name):
    doc = new("R2000")
    msp = doc.modelspace()
    msp.add_line((0, 0), (1, -1), dxfattribs={"layer": "GROOVE"})
    msp.add_line((1, -1), (2, 0), dxfattribs={"layer": "GROOVE"})
    msp.add_line((0, 1), (2, 1), dxfattribs={"layer": "OUTLINE"})
    doc.saveas(name)


def write_circle(name):
    doc = new("R12")
    doc.modelspace().add_circle((1, -1), 1)
    doc.saveas(name)


def write_gap(name):
    doc = new("R12")
    msp = doc.modelspace()
    msp.add_line((0, 0), (1, -1))
    msp.add_line((1.01, -1), (2, 0))
    doc.saveas(name)


write_gothic("R12", "gothic-arch-r12.dxf")
write_gothic("R2000", "gothic-arch-r2000.dxf")
write_knuckle("knuckle-r2000.dxf")
write_knuckle("knuckle-inch-r2000.dxf", inches=True)
write_buttress("buttress-r12.dxf")
write_trapezoidal("trapezoidal-r2000.dxf")
write_rope("rope-spline-r2000.dxf")
write_fitted_spline("fitted-spline-r2000.dxf")
write_two_layers("two-layers-r2000.dxf")
write_circle("circle-r12.dxf")
write_gap("gap-r12.dxf")
