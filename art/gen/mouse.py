"""The mouse drawn from the top, the left side and the back, and the numbered hot-spots.

All coordinates here are client pixels of the main window, the space in which the
window places the view pictures and the hot-spots; each picture shifts them by its
own corner."""

from svg import document, path, circle, rect, text, linear, radial, group, smooth_path
from theme import INK, RAISED, MUTED, LIGHT, WHITE, RED_DARK, RED, RED_HOT, RED_GLOW

OUTLINE = "#a3a9b2"
SEAM = "#4e535c"
BADGE = 24

# Picture corners, as the window draws them.
FRONT_AT, SIDE_AT, BACK_AT = (403, 0), (285, 232), (394, 46)

# Top view: centre line and the right half of the outline (offset from the centre line, y).
TOP_CX = 517
TOP_HALF = [(0, 34), (40, 37), (72, 50), (90, 80), (97, 130), (97, 190), (94, 235), (96, 285), (104, 335),
            (106, 385), (98, 430), (75, 462), (38, 476), (0, 480)]

# Side view (front to the left): the top edge and the rest of the silhouette.
SIDE_OUTLINE = [(289, 300), (300, 288), (337, 277), (372, 269), (404, 263), (440, 256), (492, 246), (519, 242),
                (570, 236), (622, 240), (668, 256), (704, 284), (724, 320), (728, 352), (721, 376), (708, 389), (690, 393), (660, 393),
                (600, 393), (500, 393), (400, 393), (330, 393), (312, 391), (300, 384), (293, 366), (291, 330)]

# Back view: rear silhouette around its centre line.
BACK_CX = 527
BACK_HALF = [(0, 228), (40, 231), (74, 244), (104, 270), (122, 306), (130, 352), (128, 396), (112, 424),
             (80, 432), (0, 433)]

# Where each hot-spot's leader ends on the drawing (None: the badge sits on the part itself).
# Keys are the numbers of the hot-spot files; values are the picture corner and the leader end.
FRONT_SPOTS = {1: ((370, 102), (436, 114)), 2: ((560, 102), None), 3: ((505, 175), None),
               4: ((350, 222), (418, 234)), 5: ((355, 275), (418, 287)), 6: ((505, 230), None),
               7: ((505, 265), None)}
SIDE_SPOTS = {1: ((400, 154), (404, 268)), 2: ((325, 146), (337, 284)), 3: ((415, 255), None),
              4: ((490, 280), None), 5: ((535, 272), None), 6: ((480, 140), (492, 240)),
              7: ((507, 140), (519, 236))}
# The back view marks the two buttons of screen rows 7 and 6 with the pictures numbered 4 and 5.
BACK_SPOTS = {4: ((577, 209), None), 5: ((582, 248), None)}
BACK_ROW = {4: 7, 5: 6}


def mirrored(cx, half):
    right = [(cx + dx, y) for dx, y in half]
    left = [(cx - dx, y) for dx, y in reversed(half[1:-1])]
    return right + left


def shift(origin):
    return f"translate({-origin[0]} {-origin[1]})"


def body_defs():
    defs = linear("shell", [(0, "#1a1c20"), (0.5, "#2f333a"), (1, "#1a1c20")], x2=1, y2=0)
    defs += linear("shellv", [(0, "#30343b"), (1, "#17191c")])
    defs += radial("palm", [(0, "#3a3f47", 0.9), (1, "#3a3f47", 0)], cx=0.5, cy=0.5, r=0.5)
    defs += linear("led", [(0, RED, 0), (0.5, RED_HOT), (1, RED, 0)])
    defs += '<filter id="soft" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="6"/></filter>'
    return defs


def shadow(d):
    return path(d, fill="#000", opacity=0.55, filter="url(#soft)", transform="translate(0 8)")


def front_view(w, h):
    outline = smooth_path(mirrored(TOP_CX, TOP_HALF))
    cx = TOP_CX
    body = shadow(outline) + path(outline, fill="url(#shell)")
    body += rect(cx - 70, 300, 140, 150, fill="url(#palm)")
    # Main buttons end in a curve; the centre groove holds the wheel.
    body += path(f"M{cx - 96} 222C{cx - 50} 212 {cx + 50} 212 {cx + 96} 222", stroke=SEAM, stroke_width=1.2)
    body += path(f"M{cx} 36V140M{cx} 226V300", stroke=SEAM, stroke_width=1.2)
    body += rect(cx - 10, 140, 20, 86, fill=INK, rx=8, stroke=SEAM, stroke_width=1)
    body += rect(cx - 6, 148, 12, 70, fill="url(#shellv)", rx=5, stroke=OUTLINE, stroke_width=0.8)
    for y in range(154, 214, 6):
        body += path(f"M{cx - 4} {y}H{cx + 4}", stroke=SEAM, stroke_width=1)
    for top in (233, 268):
        body += rect(cx - 8, top, 16, 18, fill=RAISED, rx=4, stroke=OUTLINE, stroke_width=0.8)
    # Thumb buttons on the left flank.
    for top, height in ((219, 30), (270, 34)):
        body += rect(411, top, 14, height, fill=RAISED, rx=5, stroke=OUTLINE, stroke_width=0.8)
    # Light strips along both flanks and the mark on the palm.
    for sx in (-1, 1):
        body += path(f"M{cx + sx * 99} 320C{cx + sx * 104} 370 {cx + sx * 100} 420 {cx + sx * 80} 452",
                     stroke="url(#led)", stroke_width=2.2, stroke_linecap="round")
    body += group(path("M0 20L7 0H12L5 20Z M12 20L19 0H24L17 20Z M5 20L12 0H16L9 20Z", fill=RED_DARK),
                  transform=f"translate({cx - 12} 392)")
    body += path(outline, stroke=OUTLINE, stroke_width=1.3)
    return document(w, h, group(body, transform=shift(FRONT_AT)), body_defs())


def side_view(w, h):
    outline = smooth_path(SIDE_OUTLINE)
    body = shadow(outline) + path(outline, fill="url(#shellv)")
    body += f'<clipPath id="inside"><path d="{outline}"/></clipPath>'
    inner = ""
    # The skirt along the desk and the hollow the thumb rests in.
    inner += rect(280, 374, 460, 30, fill="#131417")
    inner += path(smooth_path([(446, 300), (520, 292), (600, 288), (650, 300), (660, 340), (620, 362),
                               (520, 364), (455, 352), (436, 326)]), fill="#16181b", stroke=SEAM, stroke_width=1)
    # The main button's side edge, from the tip back to where it meets the palm shell.
    inner += path("M292 304C360 300 430 294 470 290C482 284 488 266 490 250", stroke=SEAM, stroke_width=1.2)
    inner += path("M294 374H724", stroke=SEAM, stroke_width=1)
    inner += path("M310 372C450 375 600 375 712 366", stroke="url(#led)", stroke_width=2.2, stroke_linecap="round")
    body += group(inner, clip_path="url(#inside)")
    # Wheel above the shell and the two stage buttons behind it.
    body += rect(413, 250, 32, 14, fill=INK, rx=6, stroke=OUTLINE, stroke_width=1)
    for x in (484, 511):
        body += rect(x, 240, 16, 8, fill=RAISED, rx=3, stroke=OUTLINE, stroke_width=0.8)
    # Thumb buttons along the top of the hollow.
    for x, y in ((478, 283), (532, 276)):
        body += rect(x, y, 50, 18, fill=RAISED, rx=7, stroke=OUTLINE, stroke_width=0.9)
    for x in (330, 660):
        body += rect(x, 390, 40, 3, fill=INK, rx=1.5)
    body += path(outline, stroke=OUTLINE, stroke_width=1.3)
    return document(w, h, group(body, transform=shift(SIDE_AT)), body_defs())


def back_view(w, h):
    outline = smooth_path(mirrored(BACK_CX, BACK_HALF))
    cx = BACK_CX
    body = shadow(outline) + path(outline, fill="url(#shell)")
    body += path(f"M{cx - 118} 330C{cx - 60} 316 {cx + 60} 316 {cx + 118} 330", stroke=SEAM, stroke_width=1.1)
    body += path(f"M{cx - 112} 404C{cx - 40} 412 {cx + 40} 412 {cx + 112} 404", stroke="url(#led)",
                 stroke_width=2.2)
    # The wheel and the stage buttons peek over the crest; the thumb buttons stand out on the left flank.
    body += rect(cx - 6, 222, 12, 8, fill=INK, rx=3, stroke=OUTLINE, stroke_width=0.8)
    body += rect(cx - 18, 226, 36, 6, fill=RAISED, rx=3, stroke=OUTLINE, stroke_width=0.8)
    body += rect(cx - 136, 296, 10, 40, fill=RAISED, rx=4, stroke=OUTLINE, stroke_width=0.8)
    body += group(path("M0 20L7 0H12L5 20Z M12 20L19 0H24L17 20Z M5 20L12 0H16L9 20Z", fill=RED_DARK),
                  transform=f"translate({cx - 12} 350)")
    body += path(outline, stroke=OUTLINE, stroke_width=1.3)
    # Leaders from the stage buttons to the two numbered spots beside the crest.
    for (x, y), _ in BACK_SPOTS.values():
        body += path(f"M{cx + 10} 229L{x} {y + BADGE / 2}", stroke=MUTED, stroke_width=1)
        body += circle(cx + 10, 229, 2, fill=MUTED)
    return document(w, h, group(body, transform=shift(BACK_AT)), body_defs())


def badge(number, lit, corner, leader_end):
    """A numbered hot-spot: a grey marker at rest, a glowing red one while its button is selected.
    A leader, when there is one, runs from the marker to the part it names."""
    def paint(w, h):
        x0, y0 = corner
        c = BADGE / 2
        defs = radial("lit", [(0, "#ff8a78"), (0.55, RED_HOT), (1, RED)], cx=0.4, cy=0.35, r=0.65)
        defs += '<filter id="glow" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="1.6"/></filter>'
        body = ""
        if leader_end:
            ex, ey = leader_end[0] - x0, leader_end[1] - y0
            sx, sy = (BADGE, c) if abs(ex - c) > abs(ey - c) else (c, BADGE)
            colour = RED_HOT if lit else MUTED
            if lit:
                body += path(f"M{sx} {sy}L{ex} {ey}", stroke=RED_GLOW, stroke_width=3, opacity=0.5,
                             filter="url(#glow)")
            body += path(f"M{sx} {sy}L{ex} {ey}", stroke=colour, stroke_width=1.3 if lit else 1)
            body += circle(ex, ey, 2.5 if lit else 2, fill=RED_GLOW if lit else MUTED)
        if lit:
            body += circle(c, c, 11, fill=RED_GLOW, opacity=0.8, filter="url(#glow)")
            body += circle(c, c, 9.5, fill="url(#lit)", stroke="#ffb0a0", stroke_width=1)
            body += text(c, c + 4, str(number), 11, WHITE)
        else:
            body += circle(c, c, 9.5, fill=INK, opacity=0.78)
            body += circle(c, c, 9.5, stroke=MUTED, stroke_width=1)
            body += text(c, c + 4, str(number), 10.5, LIGHT)
        return document(w, h, body, defs)
    return paint


def hot_spots():
    """Painter per file name for every hot-spot picture of the three views."""
    out = {}
    for folder, prefix, spots in (("Front", "F", FRONT_SPOTS), ("Side", "S", SIDE_SPOTS), ("Back", "B", BACK_SPOTS)):
        for n, (corner, end) in spots.items():
            shown = BACK_ROW.get(n, n) if prefix == "B" else n
            for state in ("normal", "over"):
                out[f"Skins/Mouse/{folder}/{prefix}-{n}-{state}.png"] = badge(shown, state == "over", corner, end)
    return out
