"""The polling-rate dial (four quarters) and the eleven-step half dial of the pointer pages."""

import math

from svg import document, path, circle, text, radial, linear, hline
from theme import INK, RAISED, RIDGE, EDGE, MUTED, WHITE, RED, RED_HOT

RATES = {125: (180, 270), 1000: (270, 360), 500: (0, 90), 250: (90, 180)}  # screen angles, clockwise from east


def ring_segment(cx, cy, r0, r1, a0, a1, gap):
    """Annular sector between screen angles a0 and a1 (degrees, y down), trimmed by gap pixels at both ends."""
    def point(r, a):
        return cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))
    t0, t1 = math.degrees(gap / r1), math.degrees(gap / r0)
    outer = (point(r1, a0 + t0), point(r1, a1 - t0))
    inner = (point(r0, a1 - t1), point(r0, a0 + t1))
    large = 1 if (a1 - a0) > 180 else 0
    return (f"M{outer[0][0]:.2f} {outer[0][1]:.2f}A{r1} {r1} 0 {large} 1 {outer[1][0]:.2f} {outer[1][1]:.2f}"
            f"L{inner[0][0]:.2f} {inner[0][1]:.2f}A{r0} {r0} 0 {large} 0 {inner[1][0]:.2f} {inner[1][1]:.2f}Z")


def polling_dial(selected):
    def paint(w, h):
        cx, cy = 64, 61  # the page's hit-test centre (121, 66) seen from the dial's corner (57, 5)
        defs = radial("lit", [(0.55, RED_HOT), (1, RED)], cx=0.5, cy=0.5, r=0.5)
        defs += radial("hub", [(0, "#2a2d33"), (1, INK)])
        body = circle(cx, cy, 63.5, stroke=RIDGE, stroke_width=1)
        for rate, (a0, a1) in RATES.items():
            on = rate == selected
            seg = ring_segment(cx, cy, 36, 61, a0, a1, 2.5)
            if on:
                body += path(seg, fill=RED_HOT, opacity=0.35, filter="url(#glow)")
            body += path(seg, fill="url(#lit)" if on else RAISED, stroke=RED_HOT if on else EDGE, stroke_width=1)
            mid = math.radians((a0 + a1) / 2)
            tx, ty = cx + 48.5 * math.cos(mid), cy + 48.5 * math.sin(mid) + 3.5
            body += text(f"{tx:.1f}", f"{ty:.1f}", str(rate), 9.5, WHITE if on else MUTED)
        body += circle(cx, cy, 31, fill="url(#hub)", stroke=EDGE, stroke_width=1)
        body += text(cx, cy + 3, str(selected), 15, WHITE)
        body += text(cx, cy + 15, "Hz", 8, MUTED, weight="normal")
        defs += '<filter id="glow" x="-30%" y="-30%" width="160%" height="160%"><feGaussianBlur stdDeviation="2.5"/></filter>'
        return document(w, h, body, defs)
    return paint


def speed_segments():
    """Angular span (degrees from the right, counter-clockwise) of each value, as the page hit-tests it."""
    spans = {v: (18 * (11 - v), 18 * (12 - v)) for v in range(3, 12)}
    spans[2] = (162, 175)
    spans[1] = (175, 180)
    return spans


def speed_dial(value):
    def paint(w, h):
        cx, cy = 71, 71  # the page's centre (121, 91) seen from the dial's corner (50, 20)
        defs = linear("lit", [(0, RED), (1, RED_HOT)], x2=1, y2=0)
        defs += radial("hub", [(0, "#2a2d33"), (1, INK)])
        body = path(f"M2 {cy}A{cx - 2} {cy - 2} 0 0 1 {w - 2} {cy}", stroke=RIDGE, stroke_width=1)
        for v, (g0, g1) in speed_segments().items():
            # Screen angles run clockwise, so the span from g0 to g1 above the centre is -g1 .. -g0.
            on = v <= value
            seg = ring_segment(cx, cy, 46, 66, -g1, -g0, 1.0)
            body += path(seg, fill="url(#lit)" if on else RAISED, stroke=RED_HOT if on else EDGE, stroke_width=0.8,
                         opacity=1 if on else 0.9)
        body += path(f"M{cx - 40} {cy}A40 40 0 0 1 {cx + 40} {cy}Z", fill="url(#hub)", stroke=EDGE, stroke_width=1)
        body += text(cx, cy - 12, str(value), 20, WHITE)
        body += hline(4, w - 4, cy, EDGE)
        return document(w, h, body, defs)
    return paint
