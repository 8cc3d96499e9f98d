"""Buttons, headers, indicators, tick boxes and slider tracks."""

from svg import document, rect, hairline_rect, hline, vline, path, circle, text, linear, radial
from theme import (INK, BASE, PANEL, RAISED, RIDGE, EDGE, SHEEN, MUTED, LIGHT, WHITE, RED_DARK, RED, RED_HOT,
                   RED_GLOW, TITLE)

# The three looks of a push button: resting, lit under the pointer, held down.
FACES = {
    "normal": dict(top=RAISED, bottom="#1b1d21", border=EDGE, accent=RED_DARK, glint=SHEEN, glyph=LIGHT),
    "over": dict(top="#a32a24", bottom="#6a1c1c", border=RED_HOT, accent=RED_GLOW, glint="#d85a50", glyph=WHITE),
    "leave": dict(top="#3a0f0f", bottom="#5e1a1a", border=RED, accent=RED_HOT, glint="#2a0b0b", glyph=WHITE),
    "disabled": dict(top=PANEL, bottom=PANEL, border=RIDGE, accent=RIDGE, glint=PANEL, glyph=MUTED),
}


def button_face(w, h, state, ground, accent=True, radius=3, visible_width=None):
    """An opaque button face; ground fills the corners so it sits on a flat surface of that colour."""
    f = FACES[state]
    fw = visible_width or w
    defs = linear("face", [(0, f["top"]), (1, f["bottom"])])
    body = rect(0, 0, w, h, fill=ground)
    body += rect(0, 0, fw, h, fill="url(#face)", rx=radius)
    body += hline(radius, fw - radius, 1, f["glint"], stroke_opacity=0.8)
    body += hairline_rect(0, 0, fw, h, f["border"], rx=radius)
    if accent:
        body += rect(1, 4, 2, h - 8, fill=f["accent"])
    return defs, body, f


def push_button(ground):
    def paint(w, h, state):
        defs, body, _ = button_face(w, h, state, ground)
        return document(w, h, body, defs)
    return paint


def config_button(w, h, state):
    defs, body, f = button_face(w, h, state, BASE)
    # A stack of profile cards: the caption is indented to leave room for it.
    cards = ""
    for i, y in enumerate((9, 13, 17)):
        cards += rect(8 + i, y + i, 11 - i, 3, fill=f["glyph"], rx=1, opacity=1 - 0.25 * i)
    return document(w, h, body + cards, defs)


def title_button(glyph):
    def paint(w, h, state):
        lit = state == "over"
        fill = RED if lit else "#1e2024"
        border = RED_HOT if lit else EDGE
        ink = WHITE if lit else LIGHT
        body = rect(0, 0, w, h, fill=TITLE) + rect(0, 0, w, h, fill=fill, rx=2)
        body += hairline_rect(0, 0, w, h, border, rx=2)
        if glyph == "close":
            body += path("M4.5 4.5L10.5 10.5M10.5 4.5L4.5 10.5", stroke=ink, stroke_width=1.4, stroke_linecap="round")
        elif glyph == "min":
            body += rect(4, 9, 7, 2, fill=ink)
        else:
            body += text(7.5, 11.5, "?", 10, ink)
        return document(w, h, body)
    return paint


def header(w, h, state, tall=False):
    defs = linear("bar", [(0, "#2b2e34"), (1, "#1f2125")])
    body = rect(0, 0, w, h, fill="url(#bar)")
    body += hline(0, w, 0, SHEEN, stroke_opacity=0.55) + hline(0, w, h - 1, INK)
    body += rect(0, 0, 2, h, fill=RED)
    mid = h / 2
    if tall:
        # A recorded sequence: a red record dot followed by key strokes of varying length.
        body += circle(w - 42, mid, 4, fill=RED_HOT)
        for i, (x, bar) in enumerate(((w - 33, 8), (w - 27, 14), (w - 21, 6), (w - 15, 11))):
            body += rect(x, mid - bar / 2, 3, bar, fill=MUTED, rx=1)
        body += hline(2, w, h - 2, RIDGE)
    else:
        body += path(f"M{w - 14} {mid - 2}l4 4l4 -4", stroke=MUTED, stroke_width=1.3)
    return document(w, h, body, defs)


def dropdown_box(w, h, state):
    lit = state == "over"
    defs = linear("f", [(0, "#a32a24" if lit else "#2a2d33"), (1, "#6a1c1c" if lit else "#202227")])
    body = rect(0, 0, w, h, fill=PANEL) + rect(0, 0, w, h, fill="url(#f)", rx=2)
    body += hairline_rect(0, 0, w, h, RED_HOT if lit else EDGE, rx=2)
    body += vline(w - 16, 3, h - 3, "#d85a50" if lit else RIDGE)
    arrow = WHITE if lit else MUTED
    body += path(f"M{w - 11} {h / 2 - 1.5}l3 3l3 -3", stroke=arrow, stroke_width=1.3, stroke_linecap="round")
    return document(w, h, body, defs)


def record_button(w, h, state):
    # Only the left 89 pixels are shown; the rest continues the panel behind the button.
    defs, body, f = button_face(w, h, "over" if state == "over" else "normal", PANEL, visible_width=89)
    return document(w, h, body, defs)


def small_button(state, glyph=None):
    """Blended buttons of the dialogs: a rounded face with optional glyph."""
    def paint(w, h):
        f = FACES[state]
        defs = linear("face", [(0, f["top"]), (1, f["bottom"])])
        body = rect(0.5, 0.5, w - 1, h - 1, fill="url(#face)", rx=3, stroke=f["border"], stroke_width=1)
        body += hline(3, w - 3, 1, f["glint"], stroke_opacity=0.8)
        if glyph == "close":
            cx, cy = w / 2, h / 2
            body += path(f"M{cx - 4} {cy - 4}l8 8M{cx + 4} {cy - 4}l-8 8", stroke=f["glyph"], stroke_width=1.6,
                         stroke_linecap="round")
        return document(w, h, body, defs)
    return paint


def indicator(on, size):
    """Round option mark: a lit red jewel when chosen, a dark hollow ring otherwise."""
    c = size / 2
    if on:
        defs = radial("j", [(0, "#ff9a8a"), (0.45, RED_HOT), (1, RED)], cx=0.4, cy=0.35, r=0.6)
        body = circle(c, c, c - 0.5, fill="url(#j)", stroke="#ff7a6a", stroke_width=1, stroke_opacity=0.7)
    else:
        defs = ""
        body = circle(c, c, c - 1, fill=INK, stroke=MUTED, stroke_width=1)
        body += circle(c, c, c - 2.5, fill="none", stroke=INK, stroke_width=1)
    return document(size, size, body, defs)


def tick_box(ticked, size):
    body = rect(0.5, 0.5, size - 1, size - 1, fill=INK, rx=2, stroke=RED_HOT if ticked else MUTED, stroke_width=1)
    if ticked:
        s = size / 14
        body += path(f"M{3.2 * s} {7.4 * s}L{6 * s} {10.2 * s}L{11 * s} {4 * s}", stroke=WHITE, stroke_width=1.8 * s,
                     stroke_linecap="round", stroke_linejoin="round")
    return document(size, size, body)


def round_symbol(kind):
    """The small add and remove marks of the profile list."""
    def paint(w, h):
        c = w / 2
        lit = RED_HOT if kind == "add" else MUTED
        body = circle(c, c, c - 0.5, fill=INK, stroke=lit, stroke_width=1)
        body += rect(3, c - 0.75, w - 6, 1.5, fill=WHITE)
        if kind == "add":
            body += rect(c - 0.75, 3, 1.5, h - 6, fill=WHITE)
        return document(w, h, body)
    return paint


def value_box(w, h):
    return document(w, h, rect(0.5, 0.5, w - 1, h - 1, fill=INK, rx=2, stroke=EDGE, stroke_width=1))


def scroll_lines_box(w, h):
    body = rect(0.5, 0.5, 35, h - 1, fill=INK, stroke=EDGE, stroke_width=1)
    for y0, up in ((0, True), (8, False)):
        body += rect(40.5, y0 + 0.5, 9, 5, fill=RAISED, rx=1, stroke=EDGE, stroke_width=1)
        tip, foot = (y0 + 1.5, y0 + 4) if up else (y0 + 4.5, y0 + 2)
        body += path(f"M42.5 {foot}L45 {tip}L47.5 {foot}Z", fill=LIGHT)
    return document(w, h, body)


def horizontal_track(full, groove_top, groove_height):
    """Track of a horizontal slider on a flat panel; the full one is the lit bar."""
    def paint(w, h):
        body = rect(0, 0, w, h, fill=PANEL)
        if full:
            defs = linear("lit", [(0, RED_GLOW), (0.5, RED_HOT), (1, RED)])
            body += rect(0, groove_top - 1, w, groove_height + 2, fill=RED_DARK, opacity=0.6)
            body += rect(0, groove_top, w, groove_height, fill="url(#lit)")
            body += hline(0, w, groove_top, "#ff8a7a", stroke_opacity=0.6)
        else:
            defs = ""
            body += rect(0, groove_top, w, groove_height, fill=INK)
            body += hline(0, w, groove_top, "#08090a") + hline(0, w, groove_top + groove_height - 1, RIDGE)
        return document(w, h, body, defs)
    return paint


def vertical_track(full):
    """DPI stage track, 7 pixels wide. The full picture's top rows show at the top of the fill,
    so it starts with the slider's knob and continues with the lit bar."""
    def paint(w, h):
        body = rect(0, 0, w, h, fill=PANEL)
        if full:
            defs = linear("lit", [(0, RED), (0.5, RED_HOT), (1, RED)], x2=1, y2=0)
            defs += linear("knob", [(0, "#f0f0f0"), (1, "#9aa0a8")])
            body += rect(2, 3, 3, h - 3, fill="url(#lit)")
            body += rect(0.5, 0.5, 6, 6, fill="url(#knob)", rx=1.5, stroke=INK, stroke_width=1)
            body += hline(2, 5, 3, RED_HOT)
        else:
            defs = ""
            body += rect(2, 0, 3, h, fill=INK)
            body += vline(4, 0, h, RIDGE)
            for y in range(4, h, 21):
                body += hline(0, 1, y, EDGE) + hline(6, 7, y, EDGE)
        return document(w, h, body, defs)
    return paint
