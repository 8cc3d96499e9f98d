"""Window backgrounds, panels, pages and the brand marks."""

from svg import document, rect, hairline_rect, hline, vline, path, circle, text, linear, radial, group
from theme import (INK, BASE, PANEL, RAISED, RIDGE, EDGE, SHEEN, MUTED, LIGHT, WHITE, RED_DARK, RED, RED_HOT,
                   LIST_FILL, TITLE)

TITLE_HEIGHT = 28


def title_bar(w, height=TITLE_HEIGHT, x0=0):
    """The flat title strip with its red rule; the shared title-bar buttons expect this colour."""
    defs = linear("rule", [(0, RED_HOT), (0.35, RED), (1, RED_DARK, 0.2)], x2=1, y2=0)
    body = rect(x0, 0, w, height, fill=TITLE) + rect(x0, height - 1, w, 1, fill="url(#rule)")
    return defs, body


def emblem(x, y, scale, fill, stroke=None):
    """The brand mark: two slanted blades forming an N, drawn in a 24 x 20 box."""
    blades = "M0 20L7 0H12L5 20Z M12 20L19 0H24L17 20Z M5 20L12 0H16L9 20Z"
    kw = dict(fill=fill)
    if stroke:
        kw.update(stroke=stroke, stroke_width=1 / scale)
    return group(path(blades, **kw), transform=f"translate({x} {y}) scale({scale})")


def wordmark(x, y, size, fill):
    return text(x, y, "NORVALE", size, fill, anchor="start", letter_spacing=size * 0.18, font_stretch="condensed")


def logo(w, h):
    defs = linear("blade", [(0, RED_HOT), (1, RED)])
    body = emblem(2, 20, 1.5, "url(#blade)")
    body += wordmark(48, 44, 25, WHITE)
    body += rect(48, 53, 150, 1, fill=RED, opacity=0.9) + rect(198, 53, 40, 1, fill=EDGE)
    return document(w, h, body, defs)


def monogram(w, h):
    defs = linear("fade", [(0, RED_DARK, 0), (0.5, RED_DARK, 0.9), (1, RED_DARK, 0)], x2=1, y2=0)
    body = emblem(72, 14, 2.3, "none", stroke=RED_DARK)
    body += rect(0, 64, w, 1, fill="url(#fade)")
    return document(w, h, body, defs)


def card(w, h, body="", defs=""):
    """A panel of the left column or the page column: flat panel colour, a thin frame."""
    out = rect(0, 0, w, h, fill=PANEL) + hairline_rect(0, 0, w, h, RIDGE)
    return document(w, h, out + body, defs)


def assignment_panel(w, h):
    body = ""
    for row in range(7):
        top = 25 + 20 * row
        if row % 2 == 0:
            body += rect(1, top, w - 2, 20, fill=RAISED, opacity=0.55)
    # Names on the left of the rule, their function boxes on the right.
    body += vline(97, 25, 165, RIDGE)
    return card(w, h, body)


def axis_panel(w, h):
    body = ""
    for top in (40, 100):
        for k in range(10):
            body += vline(24 + 21 * k + 3, top + 11, top + 14, EDGE)
    body += hline(10, w - 10, 72, RIDGE)
    return card(w, h, body)


def lift_off_panel(w, h):
    return card(w, h, hline(10, w - 10, h - 12, RIDGE))


def left_column(w, h):
    defs = linear("fade", [(0, BASE), (1, INK)])
    return document(w, h, rect(0, 0, w, h, fill="url(#fade)") + vline(w - 1, 0, h, RIDGE, stroke_opacity=0.6), defs)


def right_column(w, h):
    defs = linear("fade", [(0, BASE), (1, INK)])
    return document(w, h, rect(0, 0, w, h, fill="url(#fade)") + vline(0, 0, h, RIDGE), defs)


def stage(w, h):
    """Backdrop of the mouse views: a drafting grid that fades out towards the edges."""
    defs, bar = title_bar(w, TITLE_HEIGHT - 2)
    defs += radial("glow", [(0, "#22252b"), (1, INK)], cx=0.5, cy=0.48, r=0.62)
    defs += radial("mask", [(0, WHITE, 1), (0.7, WHITE, 0.35), (1, WHITE, 0)], cx=0.5, cy=0.5, r=0.55)
    defs += '<mask id="m"><rect width="100%" height="100%" fill="url(#mask)"/></mask>'
    grid = ""
    for x in range(8, w, 24):
        grid += vline(x, 26, h, "#2a2d33")
    for y in range(38, h, 24):
        grid += hline(0, w, y, "#2a2d33")
    body = rect(0, 0, w, h, fill="url(#glow)") + group(grid, mask="url(#m)", opacity=0.7)
    for cx, cy, sx, sy in ((12, 38, 1, 1), (w - 12, 38, -1, 1), (12, h - 12, 1, -1), (w - 12, h - 12, -1, -1)):
        body += path(f"M{cx} {cy + 14 * sy}V{cy}H{cx + 14 * sx}", stroke=SHEEN, stroke_width=1,
                     transform="translate(0.5 0.5)")
    return document(w, h, body + bar, defs)


def main_window(w, h):
    defs, bar = title_bar(w)
    body = rect(0, 0, w, h, fill=BASE) + bar
    # The command strip along the bottom edge.
    body += rect(0, 597, w, h - 597, fill=BASE) + hline(0, w, 597, RIDGE)
    # The tray holding the view buttons under the mouse views.
    body += rect(443, 523, 136, 37, fill=INK, rx=4) + hairline_rect(443, 523, 136, 37, RIDGE, rx=4)
    body += hairline_rect(0, 0, w, h, RIDGE)
    return document(w, h, body, defs)


def page(extra=None):
    def paint(w, h):
        defs = linear("sheen", [(0, RAISED, 0.6), (1, PANEL, 0)])
        body = rect(0, 0, w, h, fill=PANEL) + rect(0, 0, w, 18, fill="url(#sheen)")
        body += hairline_rect(0, 0, w, h, RIDGE)
        if extra:
            more_defs, more = extra(w, h)
            defs += more_defs
            body += more
        return document(w, h, body, defs)
    return paint


def dpi_page_details(w, h):
    body = ""
    for y in range(7, 174, 21):
        body += hline(12, w - 12, y, RIDGE, stroke_opacity=0.7)
    for s in range(7):
        d = 30 * s
        body += hairline_rect(24 + d, 214, 12, 12, EDGE)
    body += hline(12, w - 12, 178, EDGE)
    return "", body


def lighting_page_details(w, h):
    # Effect names on the left, their sliders on the right; finger tapping below its own rule.
    return "", vline(94, 8, 90, RIDGE) + hline(8, w - 8, 97, RIDGE)


def polling_page_details(w, h):
    return radial("halo", [(0, RED_DARK, 0.35), (1, PANEL, 0)]), circle(121, 66, 70, fill="url(#halo)")


def speed_page_details(w, h):
    return "", hline(8, 48, 91, EDGE) + hline(194, w - 8, 91, EDGE)


def angle_page_details(w, h):
    # Snapping drawn: a wavering stroke that the mouse straightens into a line.
    wave = "M196 26c4 -4 7 4 11 0s7 4 11 0s7 4 11 0"
    body = path(wave, stroke=MUTED, stroke_width=1.3, stroke_linecap="round")
    body += path("M196 42H229", stroke=RED_HOT, stroke_width=1.6, stroke_linecap="round")
    body += path("M212 31v6M209 34l3 3l3 -3", stroke=MUTED, stroke_width=1, fill="none")
    return "", body


def dialog(w, h, body_fn, mark=False):
    """A borderless dialog: title strip, panel body, frame. Dialogs that write no title carry the mark."""
    defs, bar = title_bar(w, 31)
    if mark:
        bar += emblem(12, 9, 0.55, RED_HOT)
    dfs, inner = body_fn(w, h)
    defs += linear("body", [(0, PANEL), (1, BASE)])
    body = rect(0, 0, w, h, fill="url(#body)") + bar + inner + hairline_rect(0, 0, w, h, RED_DARK)
    return document(w, h, body, defs + dfs)


def well(x, y, w, h, fill=INK):
    return rect(x, y, w, h, fill=fill) + hairline_rect(x - 1, y - 1, w + 2, h + 2, EDGE)


def profile_window(w, h):
    def inner(w, h):
        body = rect(0, 31, w, 544, fill=LIST_FILL)
        body += rect(0, 575, w, h - 575, fill=RAISED) + hline(0, w, 575, EDGE)
        body += vline(105, 580, h - 5, RIDGE)
        return "", body
    return dialog(w, h, inner)


def keycap(x, y, size):
    """A single key seen from above at an angle: the graphic of the key dialog."""
    s = size
    defs = linear("cap", [(0, "#3a3e45"), (1, "#202227")])
    body = rect(x, y + s * 0.12, s, s * 0.88, fill=INK, rx=s * 0.14, stroke=EDGE, stroke_width=1)
    body += rect(x + s * 0.12, y, s * 0.76, s * 0.72, fill="url(#cap)", rx=s * 0.1, stroke=SHEEN, stroke_width=1)
    body += rect(x + s * 0.3, y + s * 0.52, s * 0.4, 2, fill=RED_HOT, rx=1)
    return defs, body


def single_key_window(w, h):
    def inner(w, h):
        defs, cap = keycap(262, 84, 86)
        body = rect(14, 92, 218, 64, fill=INK, rx=4, opacity=0.55) + hairline_rect(14, 92, 218, 64, RIDGE, rx=4)
        body += rect(70, 125, 84, 22, fill=WHITE, rx=3) + hairline_rect(69, 124, 86, 24, RED, rx=3)
        body += cap
        body += hline(12, w - 12, 238, RIDGE)
        return defs, body
    return dialog(w, h, inner, mark=True)


def macro_key_window(w, h):
    def inner(w, h):
        body = rect(12, 60, 180, 170, fill=INK, rx=4, opacity=0.45) + hairline_rect(12, 60, 180, 170, RIDGE, rx=4)
        # The drop-down field: the name shows on the left, the arrow sits in the picture.
        body += rect(42, 128, 109, 16, fill=LIST_FILL) + hairline_rect(41, 127, 111, 18, EDGE)
        body += rect(136, 128, 15, 16, fill=RAISED) + vline(135, 128, 144, EDGE)
        body += path("M140 134l3.5 3.5l3.5 -3.5", stroke=LIGHT, stroke_width=1.3, fill="none")
        for top in (70, 120, 170):
            body += rect(206, top, 184, 32, fill=RAISED, rx=3, opacity=0.5)
        body += hline(12, w - 12, 238, RIDGE)
        return "", body
    return dialog(w, h, inner, mark=True)


def macro_manager_window(w, h):
    def inner(w, h):
        body = ""
        for x0, x1 in ((12, 139), (144, 271), (277, 404)):
            body += rect(x0, 56, x1 - x0, 300, fill=INK, rx=4, opacity=0.45)
            body += hairline_rect(x0, 56, x1 - x0, 300, RIDGE, rx=4)
            body += hline(x0 + 6, x1 - 6, 79, RED_DARK)
        body += well(21, 82, 109, 271, "#6d6d6d") + well(153, 82, 109, 271, "#6d6d6d")
        body += rect(296, 330, 84, 18, fill="#221815") + hairline_rect(295, 329, 86, 20, EDGE)
        body += hline(286, 396, 126, RIDGE) + hline(286, 396, 290, RIDGE)
        # The side band: the brand mark over a column of recorded strokes.
        band = rect(414, 56, 64, 300, fill=INK, rx=4, opacity=0.45) + hairline_rect(414, 56, 64, 300, RIDGE, rx=4)
        for i in range(11):
            length = (14, 30, 22, 40, 18, 34, 26, 12, 36, 20, 28)[i]
            band += rect(446 - length / 2, 110 + 20 * i, length, 4, fill=RED_DARK if i % 3 else RED, rx=2,
                         opacity=0.85)
        band += emblem(428, 72, 1.5, RED)
        body += band + hline(12, w - 12, 382, RIDGE)
        # The wide close button hangs below the title strip in a tab of its own.
        body += path("M421 0V41Q421 47 427 47H478Q484 47 484 41V0Z", fill=TITLE)
        body += path("M421 30V41Q421 47 427 47H478Q484 47 484 41V30", stroke=RED_DARK, stroke_width=1,
                     transform="translate(0.5 0)")
        return "", body
    return dialog(w, h, inner)


def splash(w, h):
    defs = radial("glow", [(0, "#2a1616"), (0.6, "#16171a"), (1, INK)], cx=0.5, cy=0.42, r=0.7)
    defs += linear("blade", [(0, RED_HOT), (1, RED)])
    defs += linear("rule", [(0, RED, 0), (0.5, RED_HOT), (1, RED, 0)], x2=1, y2=0)
    body = rect(0, 0, w, h, fill="url(#glow)")
    for i in range(0, w + h, 14):
        body += path(f"M{i} 0L{i - h} {h}", stroke="#1d1f23", stroke_width=1)
    body += emblem(w / 2 - 36, 64, 3, "url(#blade)")
    body += text(w / 2, 178, "NORVALE", 38, WHITE, letter_spacing=9, font_stretch="condensed")
    body += rect(60, 196, w - 120, 1, fill="url(#rule)")
    for k in range(5):
        body += rect(w / 2 - 38 + 16 * k, 228, 10, 3, fill=RED_HOT if k == 0 else EDGE, rx=1.5)
    body += hairline_rect(0, 0, w, h, RED_DARK)
    return document(w, h, body, defs)
