"""Line glyphs in one style: each fits an s x s box centred on (cx, cy) and uses a stroke of
about s/11, so glyphs of the same size look alike wherever they appear."""

import math

from skin_canvas import WHITE


def _sw(s, sw):
    return sw if sw is not None else max(1.0, s * 0.09)


def check(cv, cx, cy, s, col, sw=None, t=1.0):
    """A check mark; t in 0..1 draws it partly (for the success animation)."""
    sw = _sw(s, sw) * 1.25
    a = (cx - 0.30 * s, cy + 0.02 * s)
    b = (cx - 0.08 * s, cy + 0.24 * s)
    c = (cx + 0.32 * s, cy - 0.22 * s)
    l1 = math.dist(a, b)
    l2 = math.dist(b, c)
    d = t * (l1 + l2)
    if d <= 0:
        return
    if d <= l1:
        k = d / l1
        cv.line([a, (a[0] + (b[0] - a[0]) * k, a[1] + (b[1] - a[1]) * k)], col, sw)
        return
    k = (d - l1) / l2
    cv.line([a, b, (b[0] + (c[0] - b[0]) * k, b[1] + (c[1] - b[1]) * k)], col, sw)


def cross(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw) * 1.2
    h = 0.26 * s
    cv.line([(cx - h, cy - h), (cx + h, cy + h)], col, sw)
    cv.line([(cx - h, cy + h), (cx + h, cy - h)], col, sw)


def dash(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw) * 1.25
    cv.line([(cx - 0.26 * s, cy), (cx + 0.26 * s, cy)], col, sw)


def exclamation(cv, cx, cy, s, col):
    """Drawn as shapes (no font): a tapered bar and a dot."""
    w = 0.13 * s
    cv.rect(cx - w / 2, cy - 0.36 * s, cx + w / 2, cy + 0.12 * s, fill=col, r=w / 2)
    cv.circle(cx, cy + 0.30 * s, w * 0.62, fill=col)


def info(cv, cx, cy, s, col):
    w = 0.13 * s
    cv.circle(cx, cy - 0.28 * s, w * 0.62, fill=col)
    cv.rect(cx - w / 2, cy - 0.10 * s, cx + w / 2, cy + 0.36 * s, fill=col, r=w / 2)


def question(cv, cx, cy, s, col):
    cv.text(cx, cy, "?", s * 0.78, col)


def bolt(cv, cx, cy, s, col):
    pts = [(0.10, -0.48), (-0.30, 0.06), (-0.02, 0.06), (-0.12, 0.48), (0.30, -0.08),
           (0.02, -0.08), (0.10, -0.48)]
    cv.poly([(cx + x * s, cy + y * s) for x, y in pts], fill=col, outline=col, width=s * 0.04)


def phone(cv, cx, cy, s, col, sw=None, screen=None, fill=None):
    """A phone seen from the front, s high."""
    sw = _sw(s, sw)
    w, h = 0.58 * s, 0.96 * s
    x0, y0 = cx - w / 2, cy - h / 2
    if fill is not None:
        cv.rect(x0, y0, x0 + w, y0 + h, fill=fill, r=0.14 * s)
    cv.rect(x0, y0, x0 + w, y0 + h, outline=col, width=sw, r=0.14 * s)
    if screen is not None:
        m = sw * 1.6
        cv.rect(x0 + m, y0 + m + 0.07 * s, x0 + w - m, y0 + h - m - 0.07 * s, fill=screen, r=0.04 * s)
    cv.line([(cx - 0.07 * s, y0 + sw * 1.7), (cx + 0.07 * s, y0 + sw * 1.7)], col, sw * 0.8)


def trash(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    top = cy - 0.26 * s
    cv.line([(cx - 0.38 * s, top), (cx + 0.38 * s, top)], col, sw)
    cv.line([(cx - 0.12 * s, top), (cx - 0.10 * s, cy - 0.40 * s), (cx + 0.10 * s, cy - 0.40 * s),
             (cx + 0.12 * s, top)], col, sw)
    body = [(cx - 0.29 * s, top), (cx - 0.23 * s, cy + 0.44 * s), (cx + 0.23 * s, cy + 0.44 * s),
            (cx + 0.29 * s, top)]
    cv.line(body, col, sw)
    for dx in (-0.09, 0.09):
        cv.line([(cx + dx * s, cy - 0.10 * s), (cx + dx * s, cy + 0.28 * s)], col, sw * 0.85)


def padlock(cv, cx, cy, s, col, sw=None, body_fill=None, hole=WHITE, open_=False):
    sw = _sw(s, sw)
    bw, bh = 0.66 * s, 0.48 * s
    by = cy - 0.02 * s
    r = 0.20 * s
    if open_:
        cv.arc(cx + 0.28 * s, by, r, 180, 330, col, sw * 1.2)
    else:
        cv.arc(cx, by, r, 180, 360, col, sw * 1.2)
        cv.line([(cx - r, by), (cx - r, by + 0.04 * s)], col, sw * 1.2)
        cv.line([(cx + r, by), (cx + r, by + 0.04 * s)], col, sw * 1.2)
    cv.rect(cx - bw / 2, by, cx + bw / 2, by + bh, fill=body_fill or col, r=0.08 * s)
    cv.circle(cx, by + bh * 0.42, 0.06 * s, fill=hole)
    cv.rect(cx - 0.025 * s, by + bh * 0.42, cx + 0.025 * s, by + bh * 0.72, fill=hole, r=0.02 * s)


def tiles(cv, cx, cy, s, col, sw=None, scatter=True):
    """Four small tiles, the last one broken away: fragments."""
    t = 0.34 * s
    g = 0.08 * s
    r = 0.08 * s
    cv.rect(cx - t - g / 2, cy - t - g / 2, cx - g / 2, cy - g / 2, fill=col, r=r)
    cv.rect(cx + g / 2, cy - t - g / 2, cx + t + g / 2, cy - g / 2, fill=col, r=r)
    cv.rect(cx - t - g / 2, cy + g / 2, cx - g / 2, cy + t + g / 2, fill=col, r=r)
    if scatter:
        # the fourth tile, tilted and pushed out
        ox, oy = cx + t / 2 + g / 2 + 0.08 * s, cy + t / 2 + g / 2 + 0.06 * s
        a = math.radians(22)
        h = t * 0.42
        pts = []
        for px, py in ((-h, -h), (h, -h), (h, h), (-h, h)):
            pts.append((ox + px * math.cos(a) - py * math.sin(a), oy + px * math.sin(a) + py * math.cos(a)))
        cv.poly(pts, fill=col, outline=col, width=r * 0.8)
    else:
        cv.rect(cx + g / 2, cy + g / 2, cx + t + g / 2, cy + t + g / 2, fill=col, r=r)


def document(cv, cx, cy, s, col, sw=None, lines=3, fill=None):
    sw = _sw(s, sw)
    w, h = 0.64 * s, 0.84 * s
    x0, y0 = cx - w / 2, cy - h / 2
    f = 0.22 * s
    pts = [(x0, y0), (x0 + w - f, y0), (x0 + w, y0 + f), (x0 + w, y0 + h), (x0, y0 + h)]
    if fill is not None:
        cv.poly(pts, fill=fill)
    cv.line(pts + [(x0, y0)], col, sw)
    cv.line([(x0 + w - f, y0), (x0 + w - f, y0 + f), (x0 + w, y0 + f)], col, sw * 0.85)
    for i in range(lines):
        y = y0 + 0.40 * s + i * 0.15 * s
        x1 = x0 + w - 0.14 * s - (0.12 * s if i == lines - 1 else 0)
        cv.line([(x0 + 0.14 * s, y), (x1, y)], col, sw * 0.8)


def crash_doc(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    document(cv, cx, cy, s, col, sw, lines=0)
    cv.line([(cx - 0.20 * s, cy + 0.06 * s), (cx - 0.07 * s, cy - 0.06 * s), (cx + 0.02 * s, cy + 0.14 * s),
             (cx + 0.12 * s, cy - 0.02 * s), (cx + 0.20 * s, cy + 0.08 * s)], col, sw)


def docs_stack(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    w, h = 0.52 * s, 0.70 * s
    x0, y0 = cx - w / 2 + 0.08 * s, cy - h / 2 + 0.06 * s
    cv.line([(x0 - 0.16 * s, y0 + h - 0.12 * s), (x0 - 0.16 * s, y0 - 0.16 * s), (x0 + w - 0.16 * s, y0 - 0.16 * s)],
            col, sw)
    cv.rect(x0, y0, x0 + w, y0 + h, outline=col, width=sw, r=0.06 * s)
    for i in range(3):
        y = y0 + 0.20 * s + i * 0.15 * s
        cv.line([(x0 + 0.12 * s, y), (x0 + w - 0.12 * s - (0.1 * s if i == 2 else 0), y)], col, sw * 0.8)


def picture(cv, cx, cy, s, col, sw=None, fill=None):
    sw = _sw(s, sw)
    w, h = 0.86 * s, 0.70 * s
    x0, y0 = cx - w / 2, cy - h / 2
    if fill is not None:
        cv.rect(x0, y0, x0 + w, y0 + h, fill=fill, r=0.10 * s)
    cv.rect(x0, y0, x0 + w, y0 + h, outline=col, width=sw, r=0.10 * s)
    cv.circle(x0 + w * 0.70, y0 + h * 0.32, 0.07 * s, fill=col)
    cv.line([(x0 + sw, y0 + h * 0.84), (x0 + w * 0.34, y0 + h * 0.46), (x0 + w * 0.58, y0 + h * 0.74),
             (x0 + w * 0.72, y0 + h * 0.60), (x0 + w - sw, y0 + h * 0.82)], col, sw)


def pictures_stack(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    cv.line([(cx - 0.44 * s, cy + 0.16 * s), (cx - 0.44 * s, cy - 0.36 * s), (cx + 0.26 * s, cy - 0.36 * s)], col, sw)
    picture(cv, cx + 0.07 * s, cy + 0.07 * s, s * 0.86, col, sw)


def tray_down(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    cv.line([(cx, cy - 0.42 * s), (cx, cy + 0.10 * s)], col, sw)
    cv.line([(cx - 0.18 * s, cy - 0.08 * s), (cx, cy + 0.10 * s), (cx + 0.18 * s, cy - 0.08 * s)], col, sw)
    cv.line([(cx - 0.40 * s, cy + 0.06 * s), (cx - 0.40 * s, cy + 0.38 * s), (cx + 0.40 * s, cy + 0.38 * s),
             (cx + 0.40 * s, cy + 0.06 * s)], col, sw)


def folder(cv, cx, cy, s, col, sw=None, fill=None):
    sw = _sw(s, sw)
    x0, x1 = cx - 0.44 * s, cx + 0.44 * s
    y0, y1 = cy - 0.32 * s, cy + 0.34 * s
    pts = [(x0, y1), (x0, y0), (x0 + 0.30 * s, y0), (x0 + 0.38 * s, y0 + 0.10 * s), (x1, y0 + 0.10 * s), (x1, y1)]
    if fill is not None:
        cv.poly(pts, fill=fill)
    cv.line(pts + [(x0, y1)], col, sw)
    cv.line([(x0, y0 + 0.22 * s), (x1, y0 + 0.22 * s)], col, sw * 0.85)


def music(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    xl, xr = cx - 0.16 * s, cx + 0.30 * s
    cv.line([(xl, cy + 0.28 * s), (xl, cy - 0.30 * s), (xr, cy - 0.40 * s), (xr, cy + 0.18 * s)], col, sw, cap=False)
    cv.ellipse(xl - 0.22 * s, cy + 0.18 * s, xl + 0.04 * s, cy + 0.40 * s, fill=col)
    cv.ellipse(xr - 0.22 * s, cy + 0.08 * s, xr + 0.04 * s, cy + 0.30 * s, fill=col)


def clock(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    cv.circle(cx, cy, 0.40 * s, outline=col, width=sw)
    cv.line([(cx, cy - 0.22 * s), (cx, cy), (cx + 0.16 * s, cy + 0.10 * s)], col, sw)


def app_grid(cv, cx, cy, s, col, sw=None):
    t = 0.30 * s
    g = 0.10 * s
    for ix in (-1, 1):
        for iy in (-1, 1):
            x = cx + ix * (g / 2 + t / 2)
            y = cy + iy * (g / 2 + t / 2)
            cv.rect(x - t / 2, y - t / 2, x + t / 2, y + t / 2, fill=col, r=0.08 * s)


def bubble(cv, cx, cy, s, col, sw=None, fill=None, dots=None):
    sw = _sw(s, sw)
    x0, y0, x1, y1 = cx - 0.42 * s, cy - 0.34 * s, cx + 0.42 * s, cy + 0.22 * s
    tail = [(cx - 0.22 * s, y1 - sw), (cx - 0.28 * s, cy + 0.42 * s), (cx - 0.02 * s, y1 - sw)]
    if fill is not None:
        cv.rect(x0, y0, x1, y1, fill=fill, r=0.16 * s)
        cv.poly(tail, fill=fill)
    else:
        cv.rect(x0, y0, x1, y1, outline=col, width=sw, r=0.16 * s)
        cv.line(tail, col, sw)
        cv.line([(tail[0][0] + sw * 0.6, y1 - sw * 0.5), (tail[2][0] - sw * 0.6, y1 - sw * 0.5)], WHITE, sw * 0.4, cap=False)
    if dots is not None:
        for dx in (-0.2, 0, 0.2):
            cv.circle(cx + dx * s, (y0 + y1) / 2, 0.055 * s, fill=dots)


def person(cv, cx, cy, s, col, sw=None, fill=True):
    if fill:
        cv.circle(cx, cy - 0.16 * s, 0.19 * s, fill=col)
        cv.pieslice(cx, cy + 0.44 * s, 0.36 * s, 180, 360, fill=col)
    else:
        sw = _sw(s, sw)
        cv.circle(cx, cy - 0.16 * s, 0.17 * s, outline=col, width=sw)
        cv.arc(cx, cy + 0.42 * s, 0.32 * s, 195, 345, col, sw)


def calendar(cv, cx, cy, s, col, sw=None, fill=None):
    sw = _sw(s, sw)
    x0, y0, x1, y1 = cx - 0.40 * s, cy - 0.32 * s, cx + 0.40 * s, cy + 0.40 * s
    if fill is not None:
        cv.rect(x0, y0, x1, y1, fill=fill, r=0.10 * s)
    cv.rect(x0, y0, x1, y1, outline=col, width=sw, r=0.10 * s)
    cv.rect(x0, y0, x1, y0 + 0.20 * s, fill=col, r=0.10 * s)
    cv.rect(x0, y0 + 0.10 * s, x1, y0 + 0.20 * s, fill=col)
    for dx in (-0.2, 0.2):
        cv.line([(cx + dx * s, cy - 0.44 * s), (cx + dx * s, cy - 0.26 * s)], col, sw)
    for iy in range(2):
        for ix in range(3):
            cv.circle(cx + (ix - 1) * 0.22 * s, cy + 0.06 * s + iy * 0.18 * s, 0.05 * s, fill=col)


def handset(cv, cx, cy, s, col, sw=None):
    """A telephone handset: a curved handle with the ear and mouth cups turned inwards."""
    ox, oy = cx + 0.25 * s, cy - 0.25 * s   # centre of the handle's curve, up and right
    ro, ri = 0.64 * s, 0.46 * s
    a0, a1 = 92, 178
    pts = []
    for a in range(a0, a1 + 1, 4):
        pts.append((ox + ro * math.cos(math.radians(a)), oy + ro * math.sin(math.radians(a))))
    for a in range(a1, a0 - 1, -4):
        pts.append((ox + ri * math.cos(math.radians(a)), oy + ri * math.sin(math.radians(a))))
    cv.poly(pts, fill=col, outline=col, width=0.05 * s)

    def cup(a, side):
        # a block across the end of the handle, reaching towards the centre of the curve
        ux, uy = math.cos(math.radians(a)), math.sin(math.radians(a))
        vx, vy = -uy * side, ux * side           # along the handle, away from its middle
        k = 0.06 * s                             # corner rounding, taken off every side
        r_out, r_in = ro - k, ri - 0.16 * s + k
        back, front = -0.02 * s + k, 0.19 * s - k
        quad = [(ox + ux * r_out + vx * back, oy + uy * r_out + vy * back),
                (ox + ux * r_out + vx * front, oy + uy * r_out + vy * front),
                (ox + ux * r_in + vx * front, oy + uy * r_in + vy * front),
                (ox + ux * r_in + vx * back, oy + uy * r_in + vy * back)]
        cv.poly(quad, fill=col, outline=col, width=2 * k)
    cup(a0, -1)
    cup(a1, 1)


def notepad(cv, cx, cy, s, col, sw=None, fill=None):
    sw = _sw(s, sw)
    x0, y0, x1, y1 = cx - 0.34 * s, cy - 0.38 * s, cx + 0.34 * s, cy + 0.42 * s
    if fill is not None:
        cv.rect(x0, y0, x1, y1, fill=fill, r=0.08 * s)
    cv.rect(x0, y0, x1, y1, outline=col, width=sw, r=0.08 * s)
    for dx in (-0.16, 0, 0.16):
        cv.line([(cx + dx * s, cy - 0.46 * s), (cx + dx * s, cy - 0.30 * s)], col, sw)
    for i in range(3):
        y = cy - 0.10 * s + i * 0.16 * s
        cv.line([(x0 + 0.14 * s, y), (x1 - 0.14 * s - (0.12 * s if i == 2 else 0), y)], col, sw * 0.85)


def globe(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    r = 0.42 * s
    cv.circle(cx, cy, r, outline=col, width=sw)
    cv.ellipse(cx - 0.18 * s, cy - r, cx + 0.18 * s, cy + r, outline=col, width=sw * 0.85)
    cv.line([(cx - r, cy), (cx + r, cy)], col, sw * 0.85, cap=False)
    for dy in (-0.21, 0.21):
        half = math.sqrt(max(0.0, r * r - (dy * s) ** 2)) - sw * 0.3
        cv.line([(cx - half, cy + dy * s), (cx + half, cy + dy * s)], col, sw * 0.75, cap=False)


def bookmark(cv, cx, cy, s, col, sw=None, fill=None):
    pts = [(cx - 0.28 * s, cy - 0.42 * s), (cx + 0.28 * s, cy - 0.42 * s), (cx + 0.28 * s, cy + 0.44 * s),
           (cx, cy + 0.20 * s), (cx - 0.28 * s, cy + 0.44 * s)]
    if fill is not None:
        cv.poly(pts, fill=fill, outline=fill, width=0.06 * s)
    else:
        cv.line(pts + [pts[0]], col, _sw(s, sw))


def mic(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    cv.rect(cx - 0.15 * s, cy - 0.44 * s, cx + 0.15 * s, cy + 0.10 * s, fill=col, r=0.15 * s)
    cv.arc(cx, cy - 0.04 * s, 0.28 * s, 20, 160, col, sw)
    cv.line([(cx, cy + 0.25 * s), (cx, cy + 0.42 * s)], col, sw)
    cv.line([(cx - 0.16 * s, cy + 0.42 * s), (cx + 0.16 * s, cy + 0.42 * s)], col, sw)


def waveform(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw) * 1.1
    hs = [0.20, 0.46, 0.70, 0.40, 0.80, 0.52, 0.28]
    n = len(hs)
    for i, hh in enumerate(hs):
        x = cx + (i - (n - 1) / 2) * 0.13 * s
        cv.line([(x, cy - hh * s / 2), (x, cy + hh * s / 2)], col, sw)


def film(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    x0, y0, x1, y1 = cx - 0.42 * s, cy - 0.32 * s, cx + 0.42 * s, cy + 0.32 * s
    cv.rect(x0, y0, x1, y1, outline=col, width=sw, r=0.08 * s)
    cv.poly([(cx - 0.10 * s, cy - 0.16 * s), (cx + 0.18 * s, cy), (cx - 0.10 * s, cy + 0.16 * s)], fill=col,
            outline=col, width=0.04 * s)


def play(cv, cx, cy, s, col):
    cv.poly([(cx - 0.16 * s, cy - 0.24 * s), (cx + 0.26 * s, cy), (cx - 0.16 * s, cy + 0.24 * s)], fill=col,
            outline=col, width=0.06 * s)


def envelope(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    x0, y0, x1, y1 = cx - 0.40 * s, cy - 0.28 * s, cx + 0.40 * s, cy + 0.30 * s
    cv.rect(x0, y0, x1, y1, outline=col, width=sw, r=0.06 * s)
    cv.line([(x0 + sw, y0 + sw), (cx, cy + 0.04 * s), (x1 - sw, y0 + sw)], col, sw)


def menu(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    for dy in (-0.26, 0, 0.26):
        cv.line([(cx - 0.34 * s, cy + dy * s), (cx + 0.34 * s, cy + dy * s)], col, sw)


def minus(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    cv.line([(cx - 0.32 * s, cy), (cx + 0.32 * s, cy)], col, sw)


def close_x(cv, cx, cy, s, col, sw=None):
    sw = _sw(s, sw)
    h = 0.30 * s
    cv.line([(cx - h, cy - h), (cx + h, cy + h)], col, sw)
    cv.line([(cx - h, cy + h), (cx + h, cy - h)], col, sw)


def magnifier(cv, cx, cy, s, col, sw=None, lens=None):
    sw = _sw(s, sw)
    r = 0.28 * s
    gx, gy = cx - 0.08 * s, cy - 0.08 * s
    if lens is not None:
        cv.circle(gx, gy, r, fill=lens)
    cv.circle(gx, gy, r, outline=col, width=sw)
    k = (r + sw / 2) / math.sqrt(2)
    cv.line([(gx + k, gy + k), (cx + 0.40 * s, cy + 0.40 * s)], col, sw * 1.5)


def pin(cv, cx, cy, s, col, hole=WHITE):
    r = 0.26 * s
    top = cy - 0.14 * s
    cv.circle(cx, top, r, fill=col)
    a = math.radians(35)
    cv.poly([(cx - r * math.cos(a), top + r * math.sin(a)), (cx, cy + 0.44 * s),
             (cx + r * math.cos(a), top + r * math.sin(a))], fill=col, outline=col, width=0.03 * s)
    cv.circle(cx, top, r * 0.42, fill=hole)


def shield(cv, cx, cy, s, col, fill=None):
    pts = [(cx, cy - 0.46 * s), (cx + 0.38 * s, cy - 0.32 * s), (cx + 0.38 * s, cy - 0.02 * s)]
    for i in range(1, 9):
        t = i / 9
        pts.append((cx + 0.38 * s * (1 - t) ** 1.2, cy - 0.02 * s + 0.48 * s * math.sin(t * math.pi / 2)))
    pts.append((cx, cy + 0.46 * s))
    left = [(2 * cx - x, y) for x, y in reversed(pts[1:-1])]
    outline = pts + left
    cv.poly(outline, fill=fill or col, outline=fill or col, width=0.04 * s)


def sparkle(cv, cx, cy, s, col):
    r, k = 0.5 * s, 0.13 * s
    cv.poly([(cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k), (cx, cy + r), (cx - k, cy + k),
             (cx - r, cy), (cx - k, cy - k)], fill=col)


def monitor(cv, cx, cy, s, col, sw=None, screen=None):
    sw = _sw(s, sw)
    x0, y0, x1, y1 = cx - 0.48 * s, cy - 0.36 * s, cx + 0.48 * s, cy + 0.24 * s
    if screen is not None:
        cv.rect(x0, y0, x1, y1, fill=screen, r=0.06 * s)
    cv.rect(x0, y0, x1, y1, outline=col, width=sw, r=0.06 * s)
    cv.line([(cx, y1), (cx, cy + 0.40 * s)], col, sw)
    cv.line([(cx - 0.20 * s, cy + 0.40 * s), (cx + 0.20 * s, cy + 0.40 * s)], col, sw)


def eraser(cv, cx, cy, s, col, tip, angle=-35):
    """A block eraser tilted by angle degrees; tip is the colour of its working end."""
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    vx, vy = -uy, ux
    L, W = 0.46 * s, 0.20 * s

    def quad(t0, t1):
        return [(cx + ux * t0 + vx * W, cy + uy * t0 + vy * W), (cx + ux * t1 + vx * W, cy + uy * t1 + vy * W),
                (cx + ux * t1 - vx * W, cy + uy * t1 - vy * W), (cx + ux * t0 - vx * W, cy + uy * t0 - vy * W)]
    cv.poly(quad(-L, L * 0.1), fill=tip, outline=tip, width=0.05 * s)
    cv.poly(quad(L * 0.1, L), fill=col, outline=col, width=0.05 * s)


def monogram(cv, cx, cy, d, letter, col, fg=WHITE):
    """A service's initial letter in a plain circle of our own colours (no third-party logos)."""
    cv.circle(cx, cy, d / 2, fill=col)
    cv.text(cx, cy, letter, d * 0.50, fg)
