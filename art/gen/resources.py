"""Pictures compiled into the executable (the application icon and the scroll-bar
bitmap) and the side picture of the installer's first and last pages."""

from svg import document, rect, path, linear, vline
from theme import INK, BASE, RAISED, RIDGE, MUTED, LIGHT, WHITE, RED_DARK, RED, RED_HOT
from windows import emblem, wordmark

ICON_SIZES = (16, 32, 48, 256)

# Scroll-bar bitmap: nine 13 x 16 parts side by side, one row per state.
PART_W, PART_H = 13, 16
STATES = ("normal", "hot", "pressed")


def icon(size):
    """The emblem on a dark tile; the small sizes drop the frame so the mark stays legible."""
    defs = linear("tile", [(0, "#2a2d33"), (1, INK)]) + linear("blade", [(0, RED_HOT), (1, RED)])
    s = size / 256
    if size <= 16:
        body = rect(0, 0, 16, 16, fill=INK, rx=3) + emblem(1, 2.5, 14 / 24, "url(#blade)")
    else:
        body = rect(0, 0, size, size, fill="url(#tile)", rx=44 * s)
        body += rect(4 * s, 4 * s, size - 8 * s, size - 8 * s, fill="none", rx=40 * s, stroke=RED_DARK,
                     stroke_width=max(1, 6 * s))
        body += emblem(40 * s, 60 * s, 176 / 24 * s, "url(#blade)")
    return document(size, size, body, defs)


def arrow(cx, cy, direction, colour):
    points = {"up": "M-3.5 1.5L0 -2L3.5 1.5", "down": "M-3.5 -1.5L0 2L3.5 -1.5",
              "left": "M1.5 -3.5L-2 0L1.5 3.5", "right": "M-1.5 -3.5L2 0L-1.5 3.5"}[direction]
    return path(points, stroke=colour, stroke_width=1.5, stroke_linecap="round", stroke_linejoin="round",
                transform=f"translate({cx} {cy})")


def scroll_part(column, state):
    x, y = column * PART_W, STATES.index(state) * PART_H
    face = {"normal": BASE, "hot": RAISED, "pressed": RED}[state]
    ink = {"normal": MUTED, "hot": LIGHT, "pressed": WHITE}[state]
    thumb = {"normal": "#3d4148", "hot": "#5a2222", "pressed": RED_HOT}[state]
    track = rect(x, y, PART_W, PART_H, fill=INK)
    kind = column % 4 if column < 8 else None
    vertical = column < 4
    if kind in (0, 1):
        direction = ("up", "down")[kind] if vertical else ("left", "right")[kind]
        return rect(x, y, PART_W, PART_H, fill=face) + arrow(x + 6.5, y + 8, direction, ink)
    if kind == 2:
        if vertical:
            # Rounded caps in the top and bottom six rows; the rows between are tiled along the thumb.
            return track + rect(x + 3, y + 1, 7, 8, fill=thumb, rx=3) + rect(x + 3, y + 7, 7, 8, fill=thumb, rx=3)
        return track + rect(x, y + 4, PART_W, 8, fill=thumb, rx=3)
    if kind == 3:
        return track + (vline(x, y, y + PART_H, RIDGE) if vertical else "")
    return rect(x, y, PART_W, PART_H, fill=INK)


def scroll_bar_bitmap(w, h):
    body = "".join(scroll_part(c, s) for c in range(9) for s in STATES)
    return document(w, h, body)


# The installer's welcome and finish pages show a picture of this size at their left.
INSTALLER_SIDE_W, INSTALLER_SIDE_H = 164, 314


def installer_side(w=INSTALLER_SIDE_W, h=INSTALLER_SIDE_H):
    defs = linear("side", [(0, RAISED), (1, INK)]) + linear("blade", [(0, RED_HOT), (1, RED)])
    body = rect(0, 0, w, h, fill="url(#side)") + rect(w - 3, 0, 3, h, fill=RED_DARK)
    body += emblem(34, 40, 96 / 24, "url(#blade)")
    body += wordmark(22, 150, 17, LIGHT)
    return document(w, h, body, defs)
