"""Drawing surface, palette and file writers shared by every image of the skin.

Everything is drawn at SS times the final size and reduced with LANCZOS, which gives clean
anti-aliased edges without relying on the anti-aliasing of ImageDraw (it has none).
"""

import io
import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFont

SS = 4  # supersampling factor

# The palette. The blues, the green, the orange and the greys are the program's own colours
# (links, tab text, hover frame, used/free space, highlighted figures, colour table).
ACCENT = (41, 144, 255)          # #2990ff: selected tab text, dialog titles, hover frame
ACCENT_HOVER = (84, 166, 255)
ACCENT_DARK = (22, 114, 222)
ACCENT_LIGHT = (169, 211, 255)   # free space in the device widget
ACCENT_PALE = (232, 243, 255)
ACCENT_WASH = (244, 249, 255)
SUCCESS = (85, 179, 104)
SUCCESS_PALE = (228, 245, 232)
WARNING = (247, 150, 31)         # #f7961f: highlighted figures
WARNING_PALE = (254, 241, 222)
ERROR = (229, 83, 75)
ERROR_DARK = (196, 58, 51)
ERROR_PALE = (252, 230, 228)
TEAL = (22, 163, 154)
VIOLET = (124, 108, 236)
SLATE = (97, 108, 114)           # colour table index 1: body text
INK = (60, 70, 79)               # device bodies and dark strokes
DARK = (88, 88, 88)              # colour table index 5
MID = (169, 169, 169)            # colour table index 7
TAB_GREY = (120, 120, 120)       # #787878: tab text when not selected
MINT = (204, 255, 238)           # colour table index 4
LINE = (221, 226, 231)
BORDER = (197, 206, 214)
GREY_FILL = (238, 241, 244)
GREY_SOFT = (229, 233, 237)
GREY_GLYPH = (178, 187, 195)
DISABLED = (222, 226, 230)
WHITE = (255, 255, 255)

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
_font_cache = {}


def font(size, bold=True):
    key = (size, bold)
    if key not in _font_cache:
        name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
        _font_cache[key] = ImageFont.truetype(os.path.join(FONT_DIR, name), size)
    return _font_cache[key]


def rgba(c, a=255):
    return (c[0], c[1], c[2], a if len(c) == 3 else c[3])


def mix(c1, c2, t):
    """Colour between c1 (t=0) and c2 (t=1)."""
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1[:3], c2[:3]))


def lighter(c, t=0.18):
    return mix(c, WHITE, t)


def darker(c, t=0.15):
    return mix(c, (0, 0, 0), t)


def ease(t):
    """Smooth ease-in-out on 0..1."""
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


class Canvas:
    """An RGBA picture addressed in final-size pixels (floats allowed)."""

    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), rgba(bg) if len(bg) == 3 else bg)

    # Every primitive draws on its own layer and is composited, so translucent colours blend
    # and opaque shapes keep anti-aliased edges when they overlap.
    def _layer(self, paint):
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        paint(ImageDraw.Draw(layer))
        self.img.alpha_composite(layer)

    @staticmethod
    def _s(v):
        return v * SS

    def rect(self, x0, y0, x1, y1, fill=None, r=0, outline=None, width=0):
        s = self._s
        box = [s(x0), s(y0), s(x1) - 1, s(y1) - 1]
        if box[2] <= box[0] or box[3] <= box[1]:
            return
        rr = min(s(r), (box[2] - box[0]) / 2, (box[3] - box[1]) / 2)
        fc = rgba(fill) if fill is not None else None
        oc = rgba(outline) if outline is not None else None
        self._layer(lambda d: d.rounded_rectangle(box, radius=rr, fill=fc, outline=oc,
                                                  width=int(round(s(width)))))

    def circle(self, cx, cy, r, fill=None, outline=None, width=0):
        s = self._s
        box = [s(cx - r), s(cy - r), s(cx + r) - 1, s(cy + r) - 1]
        fc = rgba(fill) if fill is not None else None
        oc = rgba(outline) if outline is not None else None
        self._layer(lambda d: d.ellipse(box, fill=fc, outline=oc, width=int(round(s(width)))))

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=0):
        s = self._s
        box = [s(x0), s(y0), s(x1) - 1, s(y1) - 1]
        fc = rgba(fill) if fill is not None else None
        oc = rgba(outline) if outline is not None else None
        self._layer(lambda d: d.ellipse(box, fill=fc, outline=oc, width=int(round(s(width)))))

    def poly(self, pts, fill=None, outline=None, width=0):
        s = self._s
        p = [(s(x), s(y)) for x, y in pts]
        fc = rgba(fill) if fill is not None else None
        oc = rgba(outline) if outline is not None else None

        def paint(d):
            d.polygon(p, fill=fc)
            if oc is not None and width:
                d.line(p + [p[0]], fill=oc, width=int(round(s(width))), joint="curve")
        self._layer(paint)
        if oc is not None and width:
            for x, y in pts:
                self.circle(x, y, width / 2, fill=outline)

    def line(self, pts, color, width, cap=True):
        """A polyline with round joints and, by default, round caps."""
        s = self._s
        p = [(s(x), s(y)) for x, y in pts]
        c = rgba(color)
        self._layer(lambda d: d.line(p, fill=c, width=int(round(s(width))), joint="curve"))
        if cap:
            ends = [pts[0], pts[-1]] if len(pts) > 1 else pts
            inner = pts[1:-1]
            for x, y in ends + inner:
                self.circle(x, y, width / 2, fill=color)

    def arc(self, cx, cy, r, start, end, color, width, cap=True):
        """A stroke along the circle of radius r (centre of the stroke), angles in degrees,
        clockwise from 3 o'clock as in Pillow."""
        s = self._s
        R = r + width / 2
        box = [s(cx - R), s(cy - R), s(cx + R) - 1, s(cy + R) - 1]
        c = rgba(color)
        self._layer(lambda d: d.arc(box, start, end, fill=c, width=int(round(s(width)))))
        if cap:
            for a in (start, end):
                x = cx + r * math.cos(math.radians(a))
                y = cy + r * math.sin(math.radians(a))
                self.circle(x, y, width / 2, fill=color)

    def pieslice(self, cx, cy, r, start, end, fill):
        s = self._s
        box = [s(cx - r), s(cy - r), s(cx + r) - 1, s(cy + r) - 1]
        c = rgba(fill)
        self._layer(lambda d: d.pieslice(box, start, end, fill=c))

    def text(self, cx, cy, txt, size, color, bold=True):
        """Text centred on (cx, cy), measured on the ink of the glyphs."""
        f = font(int(round(size * SS)), bold)
        c = rgba(color)

        def paint(d):
            x0, y0, x1, y1 = d.textbbox((0, 0), txt, font=f)
            d.text((self._s(cx) - (x0 + x1) / 2, self._s(cy) - (y0 + y1) / 2), txt, font=f, fill=c)
        self._layer(paint)

    def paste(self, other, x=0, y=0):
        """Composite another canvas (same scale) at (x, y)."""
        self.img.alpha_composite(other.img, (int(round(x * SS)), int(round(y * SS))))

    def clip_to(self, mask_canvas):
        """Keep only what lies inside the opaque part of mask_canvas."""
        a = self.img.getchannel("A")
        m = mask_canvas.img.getchannel("A")
        self.img.putalpha(ImageChops.multiply(a, m))

    def result(self, scale=1):
        """The picture at its final size, or `scale` times it for high-density screens."""
        size = (self.w * scale, self.h * scale)
        small = self.img.convert("RGBa").resize(size, Image.LANCZOS).convert("RGBA")
        return small


def png_bytes(img):
    buf = io.BytesIO()
    # No ancillary chunks (no time stamp), so identical pictures give identical files.
    img.save(buf, format="PNG", optimize=True)
    return buf.getvalue()


def _gif_frames(frames, transparent):
    """RGBA frames to paletted frames sharing one palette. Edges are blended against white (the
    pages' background); nearly transparent pixels become the transparent index 255."""
    w, h = frames[0].size
    white = Image.new("RGBA", (w, h), (255, 255, 255, 255))
    flats = [Image.alpha_composite(white, f).convert("RGB") for f in frames]
    strip = Image.new("RGB", (w, h * len(flats)))
    for i, f in enumerate(flats):
        strip.paste(f, (0, h * i))
    pal = strip.quantize(colors=TRANSPARENT_INDEX, method=Image.MEDIANCUT, dither=Image.NONE)
    colours = pal.getpalette()[:TRANSPARENT_INDEX * 3]
    colours += colours[:3] * (TRANSPARENT_INDEX - len(colours) // 3)
    pal.putpalette(colours + colours[:3])
    # index 255 repeats the colour of index 0 while mapping; an opaque pixel that lands on it
    # is moved to index 0 so that it cannot turn transparent
    to_zero = bytes(range(TRANSPARENT_INDEX)) + bytes([0])
    out = []
    for f, flat in zip(frames, flats):
        q = flat.quantize(palette=pal, dither=Image.NONE)
        p = Image.frombytes("P", q.size, q.tobytes().translate(to_zero))
        if transparent:
            p.paste(TRANSPARENT_INDEX, mask=f.getchannel("A").point(lambda a: 255 if a < 40 else 0))
        p.putpalette(colours + [255, 255, 255])
        out.append(p)
    return out


TRANSPARENT_INDEX = 255


def _decoded_matches(data, pframes, transparent):
    """Whether a decoder that composes frames shows exactly the frames that were meant."""
    with Image.open(io.BytesIO(data)) as im:
        for i, want in enumerate(pframes):
            im.seek(i)
            got = im.convert("RGBA")
            w = want.convert("RGBA")
            if transparent:
                idx = Image.frombytes("L", want.size, want.tobytes())
                w.putalpha(idx.point(lambda v: 0 if v == TRANSPARENT_INDEX else 255))
                # colour under a transparent pixel is irrelevant
                got = Image.composite(got, Image.new("RGBA", got.size), got.getchannel("A"))
                w = Image.composite(w, Image.new("RGBA", w.size), w.getchannel("A"))
            if ImageChops.difference(got, w).getbbox() is not None:
                return False
    return True


def gif_bytes(frames, durations, loop=True, transparent=True):
    """A multi-frame GIF. loop=False leaves out the looping extension: the movie plays once.

    Frames are first stored as changes to the previous frame (small files); when that cannot
    show a frame right (something moves over a transparent area), every frame is stored whole."""
    pframes, durs = [], []
    for p, d in zip(_gif_frames(frames, transparent), durations):
        if pframes and p.tobytes() == pframes[-1].tobytes():
            durs[-1] += d           # a held frame: one frame shown longer
        else:
            pframes.append(p)
            durs.append(d)
    durations = durs
    for disposal in (1, 2):
        buf = io.BytesIO()
        kw = dict(format="GIF", save_all=True, append_images=pframes[1:], duration=list(durations),
                  disposal=disposal, optimize=False)
        if transparent:
            kw["transparency"] = TRANSPARENT_INDEX
        if loop:
            kw["loop"] = 0
        pframes[0].save(buf, **kw)
        data = buf.getvalue()
        if _decoded_matches(data, pframes, transparent):
            return data
    raise RuntimeError("GIF frames do not decode as drawn")
