"""A few SVG building blocks; every picture is one SVG document."""

from theme import FONT


def document(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}" shape-rendering="geometricPrecision">'
            f"<defs>{defs}</defs>{body}</svg>")


def attrs(**kw):
    return "".join(f' {k.rstrip("_").replace("_", "-")}="{v}"' for k, v in kw.items() if v is not None)


def rect(x, y, w, h, fill="none", rx=None, **kw):
    return f"<rect{attrs(x=x, y=y, width=w, height=h, rx=rx, fill=fill, **kw)}/>"


def hairline_rect(x, y, w, h, stroke, rx=None, **kw):
    """A 1-pixel outline that sits exactly on the pixel grid of the box x, y, w, h."""
    return rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=rx, stroke=stroke, stroke_width=1, **kw)


def hline(x0, x1, y, stroke, **kw):
    return f"<path{attrs(d=f'M{x0} {y + 0.5}H{x1}', stroke=stroke, stroke_width=1, **kw)}/>"


def vline(x, y0, y1, stroke, **kw):
    return f"<path{attrs(d=f'M{x + 0.5} {y0}V{y1}', stroke=stroke, stroke_width=1, **kw)}/>"


def path(d, fill="none", **kw):
    return f"<path{attrs(d=d, fill=fill, **kw)}/>"


def circle(cx, cy, r, fill="none", **kw):
    return f"<circle{attrs(cx=cx, cy=cy, r=r, fill=fill, **kw)}/>"


def text(x, y, content, size, fill, weight="bold", anchor="middle", **kw):
    return (f"<text{attrs(x=x, y=y, font_family=FONT, font_size=size, font_weight=weight, fill=fill, text_anchor=anchor, **kw)}>"
            f"{content}</text>")


def group(body, **kw):
    return f"<g{attrs(**kw)}>{body}</g>"


def linear(ident, stops, x2=0, y2=1):
    """A gradient from top to bottom unless x2, y2 say otherwise; stops are (offset, colour[, opacity])."""
    parts = "".join(
        f'<stop offset="{s[0]}" stop-color="{s[1]}" stop-opacity="{s[2] if len(s) > 2 else 1}"/>' for s in stops)
    return f'<linearGradient id="{ident}" x1="0" y1="0" x2="{x2}" y2="{y2}">{parts}</linearGradient>'


def radial(ident, stops, cx=0.5, cy=0.5, r=0.5):
    parts = "".join(
        f'<stop offset="{s[0]}" stop-color="{s[1]}" stop-opacity="{s[2] if len(s) > 2 else 1}"/>' for s in stops)
    return f'<radialGradient id="{ident}" cx="{cx}" cy="{cy}" r="{r}">{parts}</radialGradient>'



def smooth_path(points, closed=True, tension=1.0):
    """A curve through the points (Catmull-Rom turned into cubic Beziers)."""
    n = len(points)
    if closed:
        pts = [points[-1]] + list(points) + [points[0], points[1]]
        segments = n
    else:
        pts = [points[0]] + list(points) + [points[-1]]
        segments = n - 1
    d = f"M{pts[1][0]:.2f} {pts[1][1]:.2f}"
    for i in range(1, segments + 1):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 6, p1[1] + (p2[1] - p0[1]) * tension / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 6, p2[1] - (p3[1] - p1[1]) * tension / 6)
        d += f"C{c1[0]:.2f} {c1[1]:.2f} {c2[0]:.2f} {c2[1]:.2f} {p2[0]:.2f} {p2[1]:.2f}"
    return d + ("Z" if closed else "")
