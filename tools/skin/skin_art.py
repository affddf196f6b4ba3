"""The drawing of every image of the skin, chosen by the image's name.

make(name, w, h, kind) returns the bytes of the file. Families of names (button states, icon
sets, app pictures) share one drawer, so all members of a family look alike.
"""

import math
import re

from PIL import ImageChops

import skin_glyphs as g
from skin_canvas import (ACCENT, ACCENT_DARK, ACCENT_HOVER, ACCENT_LIGHT, ACCENT_PALE, ACCENT_WASH,
                         BORDER, DISABLED, ERROR, ERROR_DARK, ERROR_PALE, GREY_FILL, GREY_GLYPH,
                         GREY_SOFT, INK, LINE, SLATE, SUCCESS, SUCCESS_PALE, TAB_GREY, TEAL, VIOLET,
                         WARNING, WARNING_PALE, WHITE, Canvas, darker, ease, gif_bytes, lighter, mix,
                         png_bytes)

INDIGO = (84, 104, 196)
ROSE = (222, 92, 138)

# Third-party services are shown as their initial letter in a plain circle of our palette,
# deliberately not in the service's own brand colour.
SERVICES = {
    "whatsapp": ("W", VIOLET), "wechat": ("W", ACCENT), "snapchat": ("S", TEAL), "kik": ("K", ERROR),
    "spotify": ("S", INDIGO), "instagram": ("I", SLATE), "facebook": ("F", WARNING),
    "twitter": ("T", SUCCESS), "youtube": ("Y", ACCENT), "telegram": ("T", ROSE),
    "viber": ("V", SUCCESS), "skype": ("S", VIOLET), "chrome": ("C", ERROR), "line": ("L", WARNING),
    "firefox": ("F", ROSE), "google": ("G", INDIGO),
}

_registry = []


def drawer(pattern):
    """Register a drawer for the names that match pattern (a full-match regular expression)."""
    def wrap(fn):
        _registry.append((re.compile(pattern), fn))
        return fn
    return wrap


def make(name, w, h, kind, scale=1):
    """The file's bytes; `scale` 2 draws a still picture at twice the density (an animation
    is drawn once, at its size)."""
    for rx, fn in _registry:
        m = rx.fullmatch(name)
        if m:
            out = fn(m, w, h)
            if isinstance(out, Canvas):
                return png_bytes(out.result(scale))
            return out
    raise KeyError("no drawer for " + name)


def has_drawer(name):
    return any(rx.fullmatch(name) for rx, _ in _registry)


# ---------------------------------------------------------------------------------------------
# Window chrome

@drawer(r"title_bg_white\.png")
def _title_bg_white(m, w, h):
    cv = Canvas(w, h, WHITE)
    cv.rect(0, h - 1, w, h, fill=LINE)
    return cv


@drawer(r"title_bg\.png")
def _title_bg(m, w, h):
    cv = Canvas(w, h, ACCENT_WASH)
    cv.rect(0, h - 1, w, h, fill=(219, 232, 247))
    return cv


@drawer(r"dravofree_icon_\d+\.png")
def _logo(m, w, h):
    cv = Canvas(w, h)
    s = w
    cv.rect(0, 0, s, s, fill=ACCENT, r=s * 0.24)
    # a lighter lower half gives the flat tile a little depth without a gradient
    cv.rect(0, s * 0.55, s, s, fill=ACCENT_DARK, r=s * 0.24)
    cv.rect(0, s * 0.55, s, s * 0.75, fill=ACCENT_DARK)
    cv.rect(0, 0, s, s * 0.56, fill=ACCENT, r=s * 0.24)
    cv.rect(0, s * 0.3, s, s * 0.56, fill=ACCENT)
    g.phone(cv, s * 0.44, s * 0.52, s * 0.66, WHITE, sw=max(1.3, s * 0.075))
    g.sparkle(cv, s * 0.76, s * 0.26, s * 0.34, WHITE)
    return cv


_TITLE_GLYPH = {"close_icon": g.close_x, "win_close_icon": g.close_x, "win_icon": g.close_x,
                "mini_icon": g.minus, "tools_icon": g.menu, "feedback_icon": g.envelope}


@drawer(r"(close_icon|win_close_icon|win_icon|mini_icon|tools_icon|feedback_icon)_(normal|hover|pressing)\.png")
def _title_button(m, w, h):
    base, state = m.group(1), m.group(2)
    closing = base in ("close_icon", "win_close_icon", "win_icon")
    cv = Canvas(w, h)
    col = SLATE
    if state != "normal":
        if closing:
            cv.rect(0, 0, w, h, fill=ERROR if state == "hover" else ERROR_DARK, r=w * 0.2)
            col = WHITE
        else:
            cv.rect(0, 0, w, h, fill=GREY_SOFT if state == "hover" else (211, 218, 225), r=w * 0.2)
            col = INK
    s = w * (0.46 if base != "feedback_icon" else 0.56)
    _TITLE_GLYPH[base](cv, w / 2, h / 2, s, col, sw=1.5 if w >= 24 else 1.4)
    return cv


# ---------------------------------------------------------------------------------------------
# Tabs

def _tab_phone_cross(cv, cx, cy, s, col, bg):
    g.phone(cv, cx, cy, s, col, sw=1.8)
    g.cross(cv, cx, cy + s * 0.02, s * 0.36, col, sw=1.5)


def _tab_lock(cv, cx, cy, s, col, bg):
    g.padlock(cv, cx, cy + s * 0.04, s, col, sw=1.8, hole=bg)


_TAB_GLYPH = {
    "one_click": lambda cv, cx, cy, s, col, bg: g.bolt(cv, cx, cy, s, col),
    "erase_all_data": _tab_phone_cross,
    "erase_deleted_files": lambda cv, cx, cy, s, col, bg: g.trash(cv, cx, cy, s, col, sw=1.8),
    "erase_private_data": _tab_lock,
    "erase_fragements": lambda cv, cx, cy, s, col, bg: g.tiles(cv, cx, cy, s * 0.92, col),
}


@drawer(r"tab_(one_click|erase_all_data|erase_deleted_files|erase_private_data|erase_fragements)_(normal|selected)\.png")
def _tab(m, w, h):
    key, state = m.group(1), m.group(2)
    cv = Canvas(w, h)
    bg, col = (ACCENT, WHITE) if state == "selected" else (GREY_FILL, TAB_GREY)
    cv.circle(w / 2, h / 2, w / 2, fill=bg)
    _TAB_GLYPH[key](cv, w / 2, h / 2, w * 0.5, col, bg)
    return cv


# ---------------------------------------------------------------------------------------------
# Buttons: background only, Qt draws the text

_PRIMARY = {"normal": (ACCENT, None), "hover": (ACCENT_HOVER, None), "pressing": (ACCENT_DARK, None),
            "disable": (DISABLED, None)}
_SECONDARY = {"normal": (WHITE, BORDER), "hover": (ACCENT_WASH, ACCENT_LIGHT),
              "pressing": (ACCENT_PALE, ACCENT), "disable": ((246, 247, 248), (226, 230, 233))}


@drawer(r"(common1_button|common_button|button110|big_button160|back_button|stop_button)_(normal|hover|pressing|disable)\.png")
def _button(m, w, h):
    base, state = m.group(1), m.group(2)
    fill, edge = (_SECONDARY if base in ("back_button", "stop_button") else _PRIMARY)[state]
    cv = Canvas(w, h)
    r = max(4, h * 0.22)
    cv.rect(0, 0, w, h, fill=edge or fill, r=r)
    if edge:
        cv.rect(1, 1, w - 1, h - 1, fill=fill, r=r - 1)
    return cv


# ---------------------------------------------------------------------------------------------
# Check boxes: normal, hover, selected, selected_hover, half_selected, half_selected_hover

_CHECK_ORDER = ["normal", "hover", "selected", "selected_hover", "half_selected", "half_selected_hover"]


def _square_check(state, w, h):
    cv = Canvas(w, h)
    x0, y0, x1, y1 = 1, 1, w - 1, h - 1
    r = 3
    if state in ("normal", "hover"):
        cv.rect(x0, y0, x1, y1, fill=ACCENT if state == "hover" else BORDER, r=r)
        cv.rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill=WHITE, r=r - 1)
        return cv
    cv.rect(x0, y0, x1, y1, fill=ACCENT_HOVER if state.endswith("hover") else ACCENT, r=r)
    s = x1 - x0
    if state.startswith("half"):
        g.dash(cv, w / 2, h / 2, s, WHITE, sw=1.3)
    else:
        g.check(cv, w / 2, h / 2 + 0.3, s, WHITE, sw=1.25)
    return cv


@drawer(r"checkbox2_(normal|hover|selected|selected_hover|half_selected|half_selected_hover)\.png")
def _checkbox2(m, w, h):
    return _square_check(m.group(1), w, h)


@drawer(r"checkState([1-6])\.png")
def _check_state(m, w, h):
    # 1..6 follow the order of the other check box sets
    return _square_check(_CHECK_ORDER[int(m.group(1)) - 1], w, h)


@drawer(r"checkbox1_(normal|hover|selected|selected_hover|half_selected|half_selected_hover)\.png")
def _checkbox1(m, w, h):
    # Round, with a white ring and a dark veil so it reads on any photo.
    state = m.group(1)
    c, r = w / 2, w / 2 - 0.5
    if state == "normal":
        inner = (0, 0, 0, 80)
    elif state == "hover":
        inner = (41, 144, 255, 150)
    else:
        inner = ACCENT_HOVER if state.endswith("hover") else ACCENT
    inner_cv = Canvas(w, h)
    inner_cv.circle(c, c, r - 2, fill=inner)
    # the ring is opaque white; the centre is replaced, not blended, by the inner colour
    ring = Canvas(w, h)
    ring.circle(c, c, r, fill=(0, 0, 0, 40))
    ring.circle(c, c, r - 0.5, fill=WHITE)
    hole = Canvas(w, h)
    hole.circle(c, c, r - 2, fill=WHITE)
    a = ImageChops.subtract(ring.img.getchannel("A"), hole.img.getchannel("A"))
    ring.img.putalpha(a)
    out = Canvas(w, h)
    out.paste(inner_cv)
    out.paste(ring)
    if state.startswith("half"):
        g.dash(out, c, c, w * 0.8, WHITE, sw=1.6)
    elif state.startswith("selected"):
        g.check(out, c, c + 0.3, w * 0.82, WHITE, sw=1.45)
    return out


# ---------------------------------------------------------------------------------------------
# Progress bars

@drawer(r"ProgressBar_([12])\.png")
def _progress(m, w, h):
    cv = Canvas(w, h)
    cv.rect(0, 0, w, h, fill=GREY_SOFT if m.group(1) == "1" else ACCENT, r=h / 2)
    return cv


@drawer(r"cache_clean_processBar\.gif")
def _bar_indeterminate(m, w, h):
    frames, n = [], 24
    seg = w * 0.26
    for i in range(n):
        t = i / n
        cv = Canvas(w, h)
        cv.rect(0, 0, w, h, fill=GREY_SOFT, r=h / 2)
        x = -seg + (w + seg) * t
        part = Canvas(w, h)
        part.rect(x, 0, x + seg, h, fill=ACCENT, r=h / 2)
        mask = Canvas(w, h)
        mask.rect(0, 0, w, h, fill=WHITE, r=h / 2)
        part.clip_to(mask)
        cv.paste(part)
        frames.append(cv.result())
    return gif_bytes(frames, [60] * n)


@drawer(r"cache_clean_process_540x6\.gif")
def _bar_stripes(m, w, h):
    # Opaque light stripes, transparent between them: laid over the bar they move along it.
    frames, n = [], 16
    period, stripe = 16, 6
    for i in range(n):
        cv = Canvas(w, h)
        off = period * i / n
        x = -period * 2 + off
        while x < w + period:
            cv.poly([(x, h), (x + stripe, h), (x + stripe + h, 0), (x + h, 0)], fill=(125, 188, 255))
            x += period
        mask = Canvas(w, h)
        mask.rect(0, 0, w, h, fill=WHITE, r=h / 2)
        cv.clip_to(mask)
        frames.append(cv.result())
    return gif_bytes(frames, [50] * n)


# ---------------------------------------------------------------------------------------------
# Message box icons, badges and tips

def _disc_icon(w, h, col, glyph):
    cv = Canvas(w, h)
    r = w / 2 - max(1, w * 0.04)
    cv.circle(w / 2, h / 2, r, fill=col)
    glyph(cv, w / 2, h / 2, r * 2 * 0.62)
    return cv


@drawer(r"tip_warning\.png")
def _tip_warning(m, w, h):
    cv = Canvas(w, h)
    s = w
    pts = [(s / 2, s * 0.12), (s * 0.93, s * 0.86), (s * 0.07, s * 0.86)]
    cv.poly(pts, fill=WARNING, outline=WARNING, width=s * 0.12)
    g.exclamation(cv, s / 2, s * 0.60, s * 0.50, WHITE)
    return cv


@drawer(r"tip_succeed\.png|eraseDataSuccess\.png|unloading_completed\.png")
def _ok_disc(m, w, h):
    return _disc_icon(w, h, SUCCESS, lambda cv, x, y, s: g.check(cv, x, y + s * 0.02, s, WHITE, sw=max(1.2, s * 0.1)))


@drawer(r"eraseFillDataFailed\.png")
def _fail_disc(m, w, h):
    return _disc_icon(w, h, ERROR, lambda cv, x, y, s: g.cross(cv, x, y, s * 0.9, WHITE, sw=max(1.2, s * 0.1)))


@drawer(r"tip_mark\.png|question_mark\.png")
def _question_disc(m, w, h):
    return _disc_icon(w, h, ACCENT, lambda cv, x, y, s: g.question(cv, x, y + s * 0.02, s * (1.05 if w < 20 else 1.0), WHITE))


@drawer(r"warning\.png")
def _warning_disc(m, w, h):
    return _disc_icon(w, h, ERROR, lambda cv, x, y, s: g.exclamation(cv, x, y, s, WHITE))


@drawer(r"tip_erase\.png")
def _tip_erase(m, w, h):
    return _disc_icon(w, h, ACCENT, lambda cv, x, y, s: g.info(cv, x, y, s, WHITE))


def _halo_disc(w, h, pale, col):
    cv = Canvas(w, h)
    cv.circle(w / 2, h / 2, w / 2 - 1, fill=pale)
    cv.circle(w / 2, h / 2, w * 0.38, fill=col)
    return cv


@drawer(r"stopped_icon\.png")
def _stopped(m, w, h):
    cv = _halo_disc(w, h, WARNING_PALE, WARNING)
    g.exclamation(cv, w / 2, h / 2, w * 0.44, WHITE)
    return cv


@drawer(r"succeed_icon\.gif")
def _succeed(m, w, h):
    # Plays once: the disc grows with a little overshoot, then the check is drawn; the last
    # frame (held) is the complete icon, where the program stops the movie.
    frames, durations = [], []
    n = 20
    for i in range(n):
        t = i / (n - 1)
        grow = min(1.0, t / 0.4)
        scale = 1.0 + 0.08 * math.sin(math.pi * grow) if grow < 1 else 1.0
        scale *= ease(grow) if grow < 1 else 1.0
        cv = Canvas(w, h)
        if scale > 0:
            cv.circle(w / 2, h / 2, (w / 2 - 1) * min(1.0, scale * 1.02), fill=SUCCESS_PALE)
            cv.circle(w / 2, h / 2, w * 0.38 * scale, fill=SUCCESS)
        k = max(0.0, min(1.0, (t - 0.35) / 0.5))
        if k > 0:
            g.check(cv, w / 2, h / 2 + 1, w * 0.46, WHITE, sw=w * 0.052, t=ease(k))
        frames.append(cv.result())
        durations.append(40)
    durations[-1] = 1500
    return gif_bytes(frames, durations, loop=False)


# ---------------------------------------------------------------------------------------------
# Icon tiles

_QUICK = {"junk_files": (WARNING, g.trash), "temp_files": (TEAL, g.clock), "photos": (VIOLET, g.picture),
          "large_files": (ACCENT, g.docs_stack), "apps": (SUCCESS, g.app_grid)}


@drawer(r"quick_(junk_files|temp_files|photos|large_files|apps)\.png")
def _quick(m, w, h):
    col, glyph = _QUICK[m.group(1)]
    cv = Canvas(w, h)
    cv.circle(w / 2, h / 2, w / 2 - 1, fill=col)
    glyph(cv, w / 2, h / 2, w * 0.48, WHITE, sw=2.2)
    return cv


_JUNK = {"crash_logs": g.crash_doc, "photo_caches": g.pictures_stack, "download": g.tray_down,
         "storage_files": g.folder, "itunes_caches": g.music}

_JUNK_STATE = {"normal": (ACCENT_PALE, ACCENT), "hover": (ACCENT_WASH, ACCENT_HOVER),
               "pressing": ((210, 230, 255), ACCENT_DARK), "selected": (ACCENT, WHITE),
               "no_item": (GREY_FILL, GREY_GLYPH)}


@drawer(r"(crash_logs|photo_caches|download|storage_files|itunes_caches)_(normal|hover|pressing|selected|no_item)\.png")
def _junk(m, w, h):
    bg, col = _JUNK_STATE[m.group(2)]
    cv = Canvas(w, h)
    cv.rect(2, 2, w - 2, h - 2, fill=bg, r=w * 0.24)
    if m.group(2) == "hover":
        cv.rect(2, 2, w - 2, h - 2, outline=ACCENT_LIGHT, width=1, r=w * 0.24)
    _JUNK[m.group(1)](cv, w / 2, h / 2, w * 0.52, col, sw=2.2)
    return cv


@drawer(r"label_size(_no_item)?\.png")
def _label_size(m, w, h):
    fill, edge = (GREY_FILL, LINE) if m.group(1) else (ACCENT_PALE, ACCENT_LIGHT)
    cv = Canvas(w, h)
    cv.rect(0, 0, w, h, fill=edge, r=h / 2)
    cv.rect(1, 1, w - 1, h - 1, fill=fill, r=h / 2 - 1)
    return cv


_SCAN = {"message": (ACCENT, lambda cv, x, y, s, c: g.bubble(cv, x, y, s, c, fill=c)),
         "contact": (VIOLET, lambda cv, x, y, s, c: g.person(cv, x, y + s * 0.02, s, c)),
         "calendar": (ERROR, lambda cv, x, y, s, c: g.calendar(cv, x, y, s, c, sw=1.6)),
         "call_history": (TEAL, lambda cv, x, y, s, c: g.handset(cv, x, y, s, c)),
         "note": (WARNING, lambda cv, x, y, s, c: g.notepad(cv, x, y, s, c, sw=1.6)),
         "safari": (INDIGO, lambda cv, x, y, s, c: g.globe(cv, x, y, s, c, sw=1.5)),
         "bookmark": (SUCCESS, lambda cv, x, y, s, c: g.bookmark(cv, x, y, s * 0.9, c, fill=c)),
         "photo": (ROSE, lambda cv, x, y, s, c: g.picture(cv, x, y, s, c, sw=1.6)),
         "voice": (TEAL, lambda cv, x, y, s, c: g.mic(cv, x, y, s, c, sw=1.6))}


@drawer(r"erase_scan_(message|contact|calendar|call_history|note|safari|bookmark|photo|voice)(_no_data)?\.png")
def _scan_category(m, w, h):
    col, glyph = _SCAN[m.group(1)]
    bg, fg = (GREY_SOFT, GREY_GLYPH) if m.group(2) else (col, WHITE)
    cv = Canvas(w, h)
    cv.rect(1, 1, w - 1, h - 1, fill=bg, r=w * 0.26)
    glyph(cv, w / 2, h / 2, w * 0.56, fg)
    return cv


def _service(cv, key, cx, cy, d, empty=False):
    letter, col = SERVICES[key]
    if empty:
        g.monogram(cv, cx, cy, d, letter, GREY_SOFT, GREY_GLYPH)
    else:
        g.monogram(cv, cx, cy, d, letter, col)


@drawer(r"erase_scan_(wechat|whatsapp|viber|kik)(_no_data)?\.png")
def _scan_service(m, w, h):
    cv = Canvas(w, h)
    _service(cv, m.group(1), w / 2, h / 2, w - 2, bool(m.group(2)))
    return cv


@drawer(r"fragments_([a-z]+?)(_no_data|_mini)?\.png")
def _fragment(m, w, h):
    cv = Canvas(w, h)
    _service(cv, m.group(1), w / 2, h / 2, w - (4 if w >= 48 else 1), m.group(2) == "_no_data")
    return cv


@drawer(r"share_(facebook|twitter|google)_(normal|hover)\.png")
def _share(m, w, h):
    letter, col = SERVICES[m.group(1)]
    cv = Canvas(w, h)
    g.monogram(cv, w / 2, h / 2, w - 2, letter, lighter(col, 0.2) if m.group(2) == "hover" else col)
    return cv


# ---------------------------------------------------------------------------------------------
# Placeholders and list pictures

def _tile(w, h, bg, r=None):
    cv = Canvas(w, h)
    cv.rect(0, 0, w, h, fill=bg, r=r if r is not None else w * 0.12)
    return cv


@drawer(r"large_files_video_def\.png")
def _video_def(m, w, h):
    cv = _tile(w, h, ACCENT_PALE, w * 0.2)
    g.film(cv, w / 2, h / 2, w * 0.62, ACCENT, sw=1.8)
    return cv


@drawer(r"large_files_music_def\.png")
def _music_def(m, w, h):
    cv = _tile(w, h, WARNING_PALE, w * 0.2)
    g.music(cv, w / 2, h / 2, w * 0.56, WARNING, sw=2.0)
    return cv


@drawer(r"app_default\.png")
def _app_default(m, w, h):
    cv = _tile(w, h, ACCENT, w * 0.24)
    g.app_grid(cv, w / 2, h / 2, w * 0.5, WHITE)
    return cv


@drawer(r"default_photo\.png")
def _default_photo(m, w, h):
    cv = _tile(w, h, GREY_FILL)
    g.picture(cv, w / 2, h / 2, w * 0.44, GREY_GLYPH, sw=3)
    return cv


@drawer(r"default_video\.png")
def _default_video(m, w, h):
    cv = _tile(w, h, GREY_FILL)
    cv.circle(w / 2, h / 2, w * 0.2, fill=GREY_GLYPH)
    g.play(cv, w / 2 + w * 0.02, h / 2, w * 0.3, WHITE)
    return cv


@drawer(r"default_audio\.png")
def _default_audio(m, w, h):
    cv = _tile(w, h, ACCENT_PALE)
    g.waveform(cv, w / 2, h / 2, w * 0.5, ACCENT, sw=3.2)
    return cv


@drawer(r"photo_video\.png")
def _photo_video(m, w, h):
    cv = _tile(w, h, GREY_FILL)
    g.picture(cv, w / 2, h / 2 - 2, w * 0.44, GREY_GLYPH, sw=3)
    cv.circle(w * 0.74, h * 0.74, w * 0.12, fill=GREY_GLYPH)
    g.play(cv, w * 0.745, h * 0.74, w * 0.16, GREY_FILL)
    return cv


@drawer(r"avatar(_mini)?_def\.png")
def _avatar(m, w, h):
    cv = Canvas(w, h)
    cv.circle(w / 2, h / 2, w / 2, fill=GREY_SOFT)
    p = Canvas(w, h)
    g.person(p, w / 2, h / 2 + w * 0.08, w * 0.92, GREY_GLYPH)
    mask = Canvas(w, h)
    mask.circle(w / 2, h / 2, w / 2, fill=WHITE)
    p.clip_to(mask)
    cv.paste(p)
    return cv


# ---------------------------------------------------------------------------------------------
# Pictures

def _device(cv, cx, cy, hgt, screen=ACCENT_PALE, body=INK):
    """The device as a picture: white body, dark outline, tinted screen."""
    w = hgt * 0.56
    x0, y0 = cx - w / 2, cy - hgt / 2
    ow = max(2.0, hgt * 0.028)
    r = hgt * 0.12
    cv.rect(x0, y0, x0 + w, y0 + hgt, fill=body, r=r)
    cv.rect(x0 + ow, y0 + ow, x0 + w - ow, y0 + hgt - ow, fill=WHITE, r=r - ow)
    m = ow + hgt * 0.035
    sx0, sy0, sx1, sy1 = x0 + m, y0 + m + hgt * 0.05, x0 + w - m, y0 + hgt - m - hgt * 0.05
    cv.rect(sx0, sy0, sx1, sy1, fill=screen, r=hgt * 0.035)
    cv.rect(cx - hgt * 0.07, y0 + m + hgt * 0.012, cx + hgt * 0.07, y0 + m + hgt * 0.032, fill=body, r=hgt * 0.01)
    cv.rect(cx - hgt * 0.1, y0 + hgt - m - hgt * 0.028, cx + hgt * 0.1, y0 + hgt - m - hgt * 0.012, fill=BORDER,
            r=hgt * 0.008)
    return sx0, sy0, sx1, sy1


@drawer(r"device_space_default\.png|device_mini\.png")
def _device_picture(m, w, h):
    cv = Canvas(w, h)
    x0, y0, x1, y1 = _device(cv, w / 2, h / 2, h - 2)
    # a few app tiles on the screen so it reads as a device that is on
    cols, rows = 3, 4
    gap = (x1 - x0) * 0.1
    t = ((x1 - x0) - gap * (cols + 1)) / cols
    palette = [ACCENT, SUCCESS, WARNING, VIOLET, TEAL, ERROR, ACCENT_HOVER, INDIGO, ROSE, SUCCESS, ACCENT, WARNING]
    for r_ in range(rows):
        for c_ in range(cols):
            x = x0 + gap + c_ * (t + gap)
            y = y0 + gap * 1.5 + r_ * (t + gap)
            cv.rect(x, y, x + t, y + t, fill=lighter(palette[r_ * cols + c_], 0.35), r=t * 0.28)
    return cv


def _scene(w, h, pale=ACCENT_PALE):
    cv = Canvas(w, h)
    cv.circle(w / 2, h / 2, min(w, h) / 2 - 2, fill=pale)
    return cv


def _badge(cv, cx, cy, r, col, glyph):
    cv.circle(cx, cy, r + 3, fill=WHITE)
    cv.circle(cx, cy, r, fill=col)
    glyph(cv, cx, cy, r * 1.25)


@drawer(r"erase_private_data_icon\.png")
def _pic_private(m, w, h):
    cv = _scene(w, h)
    x0, y0, x1, y1 = _device(cv, w * 0.46, h * 0.5, h * 0.62)
    for i in range(4):
        y = y0 + 10 + i * 13
        cv.rect(x0 + 6, y, x0 + 14, y + 8, fill=ACCENT_LIGHT, r=4)
        cv.rect(x0 + 18, y + 2, x1 - 6 - (8 if i % 2 else 0), y + 6, fill=ACCENT_LIGHT, r=2)
    _badge(cv, w * 0.68, h * 0.68, w * 0.14, ACCENT,
           lambda c, x, y, s: g.padlock(c, x, y + s * 0.02, s * 0.8, WHITE, sw=2.2, hole=ACCENT))
    return cv


@drawer(r"erase_deleted_files_icon\.png")
def _pic_deleted(m, w, h):
    cv = _scene(w, h)
    g.document(cv, w * 0.40, h * 0.26, w * 0.24, ACCENT, sw=2.5, fill=WHITE, lines=2)
    g.document(cv, w * 0.60, h * 0.22, w * 0.20, ACCENT_HOVER, sw=2.5, fill=WHITE, lines=2)
    tb = Canvas(w, h)
    s = w * 0.46
    tb.rect(w / 2 - s * 0.29, h * 0.64 - s * 0.26, w / 2 + s * 0.29, h * 0.64 + s * 0.44, fill=WHITE)
    cv.paste(tb)
    g.trash(cv, w / 2, h * 0.64, s, INK, sw=3.2)
    _badge(cv, w * 0.72, h * 0.72, w * 0.11, ERROR, lambda c, x, y, s2: g.cross(c, x, y, s2 * 0.8, WHITE, sw=2.6))
    return cv


@drawer(r"erase_fragments_icon\.png|fragment_app\.png")
def _pic_fragments(m, w, h):
    # Three app tiles and the fourth being rubbed out by an eraser.
    cv = _scene(w, h)
    t, gap = w * 0.19, w * 0.05
    x0, y0 = w * 0.27, h * 0.25
    for i, (cx_, cy_) in enumerate(((0, 0), (1, 0), (0, 1), (1, 1))):
        x, y = x0 + cx_ * (t + gap), y0 + cy_ * (t + gap)
        cv.rect(x, y, x + t, y + t, fill=ACCENT if i < 3 else ACCENT_LIGHT, r=t * 0.26)
    ex, ey = x0 + 1.5 * t + gap + w * 0.10, y0 + 1.5 * t + gap + h * 0.08
    g.eraser(cv, ex, ey, w * 0.40, INK, (246, 198, 216), angle=-40)
    for (dx, dy, k) in ((0.80, 0.28, 0.10), (0.88, 0.42, 0.06), (0.22, 0.78, 0.07)):
        g.sparkle(cv, w * dx, h * dy, w * k, ACCENT_HOVER)
    return cv


@drawer(r"erase_all_data_safe_confirm_icon\.png")
def _pic_all(m, w, h):
    cv = _scene(w, h)
    x0, y0, x1, y1 = _device(cv, w * 0.44, h * 0.5, h * 0.62, screen=ACCENT_PALE)
    g.cross(cv, (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) * 0.7, ACCENT_LIGHT, sw=4)
    sx, sy = w * 0.68, h * 0.66
    cv.circle(sx, sy, w * 0.17, fill=WHITE)
    g.shield(cv, sx, sy, w * 0.27, ACCENT)
    g.check(cv, sx, sy - w * 0.005, w * 0.16, WHITE, sw=2.6)
    return cv


@drawer(r"all_find_iphone\.png")
def _pic_find(m, w, h):
    cv = _scene(w, h)
    x0, y0, x1, y1 = _device(cv, w * 0.44, h * 0.5, h * 0.62)
    # a map grid on the screen
    for i in range(1, 4):
        y = y0 + (y1 - y0) * i / 4
        cv.line([(x0 + 2, y), (x1 - 2, y)], ACCENT_LIGHT, 1.5, cap=False)
    for i in range(1, 3):
        x = x0 + (x1 - x0) * i / 3
        cv.line([(x, y0 + 2), (x, y1 - 2)], ACCENT_LIGHT, 1.5, cap=False)
    cv.circle(w * 0.70, h * 0.64, w * 0.15, fill=WHITE)
    g.pin(cv, w * 0.70, h * 0.62, w * 0.26, ACCENT)
    return cv


@drawer(r"all_screen_unlocked\.png")
def _pic_unlock(m, w, h):
    cv = _scene(w, h)
    x0, y0, x1, y1 = _device(cv, w * 0.44, h * 0.5, h * 0.62)
    for i in range(3):
        for j in range(3):
            cv.circle(x0 + (x1 - x0) * (j + 1) / 4, y0 + 24 + i * 14, 4, fill=ACCENT_LIGHT)
    for j in range(4):
        cv.circle(x0 + (x1 - x0) * (j + 1) / 5, y0 + 12, 2.2, fill=ACCENT if j < 2 else ACCENT_LIGHT)
    _badge(cv, w * 0.68, h * 0.68, w * 0.14, ACCENT,
           lambda c, x, y, s: g.padlock(c, x, y + s * 0.02, s * 0.8, WHITE, sw=2.2, hole=ACCENT))
    return cv


def _cells(cv, x0, y0, cols, rows, cell, gap, filled, on=ACCENT, off=ACCENT_LIGHT):
    for r_ in range(rows):
        for c_ in range(cols):
            k = r_ * cols + c_
            x = x0 + c_ * (cell + gap)
            y = y0 + r_ * (cell + gap)
            cv.rect(x, y, x + cell, y + cell, fill=on if k < filled else off, r=cell * 0.22)


@drawer(r"data_deletion_(success|failed)\.png")
def _pic_deletion(m, w, h):
    ok = m.group(1) == "success"
    cv = _scene(w, h, SUCCESS_PALE if ok else ERROR_PALE)
    g.trash(cv, w * 0.47, h * 0.5, w * 0.5, INK, sw=3)
    if ok:
        _badge(cv, w * 0.70, h * 0.70, w * 0.13, SUCCESS, lambda c, x, y, s: g.check(c, x, y, s, WHITE, sw=2.4))
    else:
        _badge(cv, w * 0.70, h * 0.70, w * 0.13, ERROR, lambda c, x, y, s: g.cross(c, x, y, s * 0.85, WHITE, sw=2.4))
    return cv


@drawer(r"data_erasure_failed\.png")
def _pic_erasure(m, w, h):
    cv = _scene(w, h, ERROR_PALE)
    cell, gap = w * 0.1, w * 0.035
    total = 4 * cell + 3 * gap
    _cells(cv, w * 0.46 - total / 2, h * 0.48 - total / 2, 4, 4, cell, gap, 9, on=INK, off=BORDER)
    _badge(cv, w * 0.70, h * 0.70, w * 0.13, ERROR, lambda c, x, y, s: g.cross(c, x, y, s * 0.85, WHITE, sw=2.4))
    return cv


@drawer(r"erase_scanning_no_data\.png")
def _pic_no_data(m, w, h):
    cv = _scene(w, h, GREY_FILL)
    cx, cy = w / 2, h * 0.56
    bw, bh = w * 0.42, h * 0.26
    # an open, empty box
    cv.poly([(cx - bw / 2, cy - bh / 2), (cx - bw / 2 - w * 0.07, cy - bh / 2 - h * 0.12), (cx - w * 0.02, cy - bh / 2 - h * 0.12),
             (cx, cy - bh / 2)], fill=GREY_SOFT)
    cv.poly([(cx + bw / 2, cy - bh / 2), (cx + bw / 2 + w * 0.07, cy - bh / 2 - h * 0.12), (cx + w * 0.02, cy - bh / 2 - h * 0.12),
             (cx, cy - bh / 2)], fill=GREY_SOFT)
    cv.rect(cx - bw / 2, cy - bh / 2 - 3, cx + bw / 2, cy - bh / 2 + 8, fill=(200, 207, 214), r=2)
    cv.rect(cx - bw / 2, cy - bh / 2, cx + bw / 2, cy + bh / 2, fill=GREY_GLYPH, r=6)
    cv.rect(cx - bw * 0.18, cy - bh * 0.18, cx + bw * 0.18, cy - bh * 0.06, fill=GREY_SOFT, r=3)
    g.magnifier(cv, w * 0.72, h * 0.30, w * 0.26, SLATE, sw=4.5, lens=WHITE)
    return cv


@drawer(r"erasing_all_the free_bg\.png")
def _pic_fill_bg(m, w, h):
    cv = Canvas(w, h)
    cv.rect(0, 0, w, h, fill=ACCENT_WASH, r=16)
    _device(cv, w * 0.27, h / 2, h * 0.72)
    for i in range(3):
        x = w * 0.47 + i * 14
        cv.line([(x, h / 2 - 8), (x + 8, h / 2), (x, h / 2 + 8)], mix(ACCENT_LIGHT, ACCENT, i / 2), 3.5)
    cell, gap = 18, 7
    _cells(cv, w * 0.62, h / 2 - (4 * cell + 3 * gap) / 2, 4, 4, cell, gap, 10)
    return cv


# ---------------------------------------------------------------------------------------------
# Animations

def _frames(n, paint, w, h):
    out = []
    for i in range(n):
        cv = Canvas(w, h)
        paint(cv, i / n)
        out.append(cv.result())
    return out


def _screen_content(cv, kind, x0, y0, x1, y1):
    W = x1 - x0
    if kind == "files":
        for i in range(5):
            y = y0 + 10 + i * 19
            cv.rect(x0 + 7, y, x0 + 19, y + 14, fill=WHITE, r=2)
            cv.rect(x0 + 7, y, x0 + 19, y + 14, outline=ACCENT_LIGHT, width=1.5, r=2)
            cv.rect(x0 + 24, y + 2, x1 - 8 - (10 if i % 2 else 0), y + 6, fill=ACCENT_LIGHT, r=2)
            cv.rect(x0 + 24, y + 9, x1 - 22, y + 12, fill=(212, 230, 250), r=1.5)
    elif kind == "photos":
        t = (W - 4 * 5) / 3
        cols = [ACCENT_LIGHT, (196, 228, 204), (253, 214, 170), (214, 207, 250), (170, 226, 221), (246, 198, 216)]
        for r_ in range(4):
            for c_ in range(3):
                x = x0 + 5 + c_ * (t + 5)
                y = y0 + 6 + r_ * (t + 5)
                cv.rect(x, y, x + t, y + t, fill=cols[(r_ * 3 + c_) % len(cols)], r=3)
                cv.poly([(x + 2, y + t - 2), (x + t * 0.4, y + t * 0.45), (x + t * 0.7, y + t - 2)],
                        fill=darker(cols[(r_ * 3 + c_) % len(cols)], 0.12))
    else:
        t = (W - 4 * 6) / 3
        palette = [ACCENT, SUCCESS, WARNING, VIOLET, TEAL, ERROR, INDIGO, ROSE, ACCENT_HOVER, SUCCESS, WARNING, TEAL]
        for r_ in range(4):
            for c_ in range(3):
                x = x0 + 6 + c_ * (t + 6)
                y = y0 + 8 + r_ * (t + 6)
                cv.rect(x, y, x + t, y + t, fill=lighter(palette[r_ * 3 + c_], 0.25), r=t * 0.28)


@drawer(r"(files|photos)_scanning\.gif|apps_uninstall_sanning\.gif")
def _scanning(m, w, h):
    kind = m.group(1) or "apps"
    base = _scene(w, h, ACCENT_WASH)
    screen = _device(base, w / 2, h / 2, h * 0.66)
    x0, y0, x1, y1 = screen
    _screen_content(base, kind, x0, y0, x1, y1)
    mask = Canvas(w, h)
    mask.rect(x0, y0, x1, y1, fill=WHITE, r=4)

    def paint(cv, t):
        cv.paste(base)
        # the beam goes down and up once per cycle
        p = ease(t * 2) if t < 0.5 else ease(2 - t * 2)
        by = y0 + 4 + (y1 - y0 - 8) * p
        beam = Canvas(w, h)
        up = 1 if t < 0.5 else -1
        for k in range(10):
            a = int(70 * (1 - k / 10))
            beam.rect(x0, by - up * k * 2.4 - 1.2, x1, by - up * k * 2.4 + 1.2, fill=(41, 144, 255, a))
        beam.rect(x0, by - 1.2, x1, by + 1.2, fill=ACCENT)
        beam.clip_to(mask)
        cv.paste(beam)
        cv.arc(w / 2, h / 2, min(w, h) / 2 - 9, t * 360 - 90, t * 360 - 30, ACCENT, 4)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


@drawer(r"cache_clean_process\.gif")
def _cleaning(m, w, h):
    base = _scene(w, h, ACCENT_WASH)
    x0, y0, x1, y1 = _device(base, w / 2, h * 0.58, h * 0.60)
    for i in range(4):
        y = y0 + 12 + i * 18
        base.rect(x0 + 8, y, x1 - 8 - (12 if i % 2 else 0), y + 6, fill=ACCENT_LIGHT, r=3)
    bits = [(0.30, 0.00, WARNING), (0.55, 0.22, GREY_GLYPH), (0.42, 0.47, ACCENT_HOVER), (0.68, 0.63, WARNING),
            (0.36, 0.80, GREY_GLYPH), (0.62, 0.40, ACCENT_HOVER)]

    def paint(cv, t):
        cv.paste(base)
        for fx, ph, col in bits:
            k = (t + ph) % 1.0
            x = x0 + (x1 - x0) * fx + math.sin((k + fx) * math.pi * 2) * 6
            y = y1 - 12 - k * (y1 - y0 + 34)
            s = 14 * (1 - k) + 3
            cv.rect(x - s / 2, y - s / 2, x + s / 2, y + s / 2, fill=col, r=s * 0.3)
        tw = 0.5 + 0.5 * math.sin(t * math.pi * 2)
        g.sparkle(cv, x1 + 10, y0 - 6, 10 + 8 * tw, WARNING)
        g.sparkle(cv, x0 - 12, y0 + 16, 6 + 6 * (1 - tw), ACCENT_HOVER)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


def _item_photo(cv, x, y, s):
    cv.rect(x - s / 2, y - s * 0.4, x + s / 2, y + s * 0.4, fill=WHITE, r=s * 0.12)
    g.picture(cv, x, y, s, VIOLET, sw=max(1.4, s * 0.08))


def _item_file(cv, x, y, s):
    g.document(cv, x, y, s, ACCENT, sw=max(1.4, s * 0.08), fill=WHITE, lines=2)


@drawer(r"(photos|large_files)_exporting\.gif")
def _exporting(m, w, h):
    item = _item_photo if m.group(1) == "photos" else _item_file
    base = _scene(w, h, ACCENT_WASH)
    px, py = w * 0.32, h * 0.54
    sx0, sy0, sx1, sy1 = _device(base, px, py, h * 0.5)
    fx, fy = w * 0.72, h * 0.60
    g.folder(base, fx, fy, w * 0.30, WARNING, sw=3, fill=WARNING_PALE)

    def paint(cv, t):
        cv.paste(base)
        for j in range(3):
            k = (t + j / 3) % 1.0
            x = px + (fx - px) * k
            y = py - 10 + (fy - 4 - (py - 10)) * k - math.sin(k * math.pi) * 46
            s = 34 * (1 - 0.45 * k) * min(1.0, k * 6) if k < 0.9 else 34 * 0.55 * (1 - (k - 0.9) * 10)
            if s > 8:
                item(cv, x, y, s)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


@drawer(r"photos_deleting\.gif")
def _deleting(m, w, h):
    base = _scene(w, h, ACCENT_WASH)
    px, py = w * 0.32, h * 0.50
    _device(base, px, py, h * 0.5)
    tx, ty = w * 0.72, h * 0.66
    body = Canvas(w, h)
    body.rect(tx - 17, ty - 15, tx + 17, ty + 26, fill=WHITE)
    base.paste(body)
    g.trash(base, tx, ty, w * 0.30, ERROR, sw=3)

    def paint(cv, t):
        cv.paste(base)
        for j in range(2):
            k = (t + j / 2) % 1.0
            x = px + (tx - px) * min(1.0, k * 1.25)
            y = py - 14 - math.sin(min(1.0, k * 1.25) * math.pi) * 36 + max(0.0, k - 0.8) * 150
            s = 34 * (1 - 0.5 * k) * min(1.0, k * 6)
            if k < 0.9 and s > 8:
                _item_photo(cv, x, y, s)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


@drawer(r"photos_compressed\.gif")
def _compressing(m, w, h):
    base = _scene(w, h, ACCENT_WASH)

    def paint(cv, t):
        cv.paste(base)
        p = ease(t * 2) if t < 0.5 else ease(2 - t * 2)
        s = 96 * (1 - 0.42 * p)
        cx, cy = w / 2, h / 2
        cv.rect(cx - s / 2, cy - s * 0.4, cx + s / 2, cy + s * 0.4, fill=WHITE, r=s * 0.1)
        g.picture(cv, cx, cy, s, VIOLET, sw=max(2.0, s * 0.05))
        gap = s / 2 + 14
        for d in (-1, 1):
            ax = cx + d * gap
            cv.line([(ax + d * 22, cy), (ax, cy)], WARNING, 4)
            cv.line([(ax + d * 9, cy - 9), (ax, cy), (ax + d * 9, cy + 9)], WARNING, 4)
        # the saving grows as the photo shrinks
        bw = 110
        cv.rect(cx - bw / 2, h * 0.82, cx + bw / 2, h * 0.82 + 6, fill=ACCENT_LIGHT, r=3)
        cv.rect(cx - bw / 2, h * 0.82, cx - bw / 2 + bw * (1 - 0.6 * p), h * 0.82 + 6, fill=ACCENT, r=3)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


def _cable_scene(w, h, connected):
    base = Canvas(w, h)
    px, py = w * 0.28, h * 0.44
    _device(base, px, py, h * 0.62, screen=ACCENT_PALE if connected else GREY_FILL)
    mx, my = w * 0.73, h * 0.44
    g.monitor(base, mx, my, w * 0.36, INK, sw=3.2, screen=ACCENT_WASH if connected else GREY_FILL)
    return base, (px, py + h * 0.31), (mx, my + w * 0.36 * 0.40)


@drawer(r"device_not_connect\.gif")
def _not_connected(m, w, h):
    base, (pbx, pby), (mbx, mby) = _cable_scene(w, h, False)

    def paint(cv, t):
        cv.paste(base)
        p = ease(t * 2) if t < 0.5 else ease(2 - t * 2)
        plug_top = pby + 3 + 20 * (1 - p)
        cable_y = h * 0.95
        cv.line([(mbx, mby), (mbx, cable_y), (pbx, cable_y), (pbx, plug_top + 14)], SLATE, 3)
        cv.rect(pbx - 7, plug_top, pbx + 7, plug_top + 16, fill=SLATE, r=3)
        cv.rect(pbx - 4, plug_top - 6, pbx + 4, plug_top + 1, fill=GREY_GLYPH, r=1.5)
    return gif_bytes(_frames(20, paint, w, h), [80] * 20)


@drawer(r"device_connect\.gif")
def _connecting(m, w, h):
    base, (pbx, pby), (mbx, mby) = _cable_scene(w, h, True)
    cable_y = h * 0.95
    path = [(mbx, mby), (mbx, cable_y), (pbx, cable_y), (pbx, pby + 6)]
    base.line(path, SLATE, 3)
    base.rect(pbx - 7, pby + 2, pbx + 7, pby + 18, fill=SLATE, r=3)
    lens = [math.dist(path[i], path[i + 1]) for i in range(len(path) - 1)]
    total = sum(lens)

    def at(d):
        for i, L in enumerate(lens):
            if d <= L:
                k = d / L
                return (path[i][0] + (path[i + 1][0] - path[i][0]) * k, path[i][1] + (path[i + 1][1] - path[i][1]) * k)
            d -= L
        return path[-1]

    def paint(cv, t):
        cv.paste(base)
        for j in range(4):
            d = ((t + j / 4) % 1.0) * (total - 16)
            x, y = at(d)
            cv.circle(x, y, 4, fill=ACCENT)
        cx, cy = w * 0.28, h * 0.44
        cv.arc(cx, cy, 13, t * 360, t * 360 + 250, ACCENT, 3.5)
    return gif_bytes(_frames(20, paint, w, h), [70] * 20)


@drawer(r"erase_analyzing\.gif")
def _analyzing(m, w, h):
    base = _scene(w, h, ACCENT_WASH)
    x0, y0 = w * 0.24, h * 0.28
    for i in range(5):
        y = y0 + i * 16
        base.rect(x0, y, x0 + 10, y + 10, fill=ACCENT_LIGHT, r=3)
        base.rect(x0 + 16, y + 2, w * 0.76 - (16 if i % 2 else 0), y + 8, fill=ACCENT_LIGHT, r=3)

    def paint(cv, t):
        cv.paste(base)
        a = t * math.pi * 2
        cx, cy = w * 0.50 + math.cos(a) * 16, h * 0.48 + math.sin(a) * 12
        g.magnifier(cv, cx, cy, w * 0.46, INK, sw=5, lens=(255, 255, 255, 170))
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


@drawer(r"erase_process\.gif")
def _erasing(m, w, h):
    rows = 4
    x0, x1 = w * 0.22, w * 0.78
    ys = [h * 0.30 + i * h * 0.14 for i in range(rows)]

    def paint(cv, t):
        base = _scene(w, h, ACCENT_WASH)
        cv.paste(base)
        sweep = 0.76
        for i, y in enumerate(ys):
            x_end = x1 - (w * 0.1 if i % 2 else 0)
            if t < sweep:
                k = t / sweep * rows - i      # progress of the eraser on this row
                if k >= 1:
                    continue
                start = x0 + (x_end - x0) * max(0.0, k)
                cv.rect(start, y - 4, x_end, y + 4, fill=ACCENT_LIGHT if start > x0 else ACCENT_LIGHT, r=4)
            else:
                a = int(255 * ease((t - sweep) / (1 - sweep)))
                cv.rect(x0, y - 4, x_end, y + 4, fill=(169, 211, 255, a), r=4)
        if t < sweep:
            k = t / sweep * rows
            i = min(rows - 1, int(k))
            x_end = x1 - (w * 0.1 if i % 2 else 0)
            ex = x0 + (x_end - x0) * (k - i)
            g.eraser(cv, ex + 8, ys[i] - 12, w * 0.34, ACCENT, (246, 198, 216), angle=-50)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)


@drawer(r"fill_process_gif\.gif")
def _filling(m, w, h):
    cols = rows = 5
    cell, gap = w * 0.1, w * 0.035
    total = cols * cell + (cols - 1) * gap
    ox, oy = (w - total) / 2, (h - total) / 2

    def paint(cv, t):
        cv.paste(_scene(w, h, ACCENT_WASH))
        n = cols * rows
        fill_until = 0.8
        for k in range(n):
            r_, c_ = divmod(k, cols)
            x, y = ox + c_ * (cell + gap), oy + r_ * (cell + gap)
            if t < fill_until:
                on = min(1.0, max(0.0, t / fill_until * n - k))
            else:
                on = 1 - ease((t - fill_until) / (1 - fill_until))
            col = mix(ACCENT_LIGHT, ACCENT, on)
            pop = 1 + 0.18 * math.sin(math.pi * on) if t < fill_until else 1
            s = cell * pop
            cv.rect(x + (cell - s) / 2, y + (cell - s) / 2, x + (cell + s) / 2, y + (cell + s) / 2, fill=col, r=s * 0.24)
    return gif_bytes(_frames(20, paint, w, h), [80] * 20)


@drawer(r"erase_scanning_data\.gif")
def _radar(m, w, h):
    cx, cy = w / 2, h / 2
    R = min(w, h) / 2 - 4
    base = Canvas(w, h)
    base.circle(cx, cy, R, fill=ACCENT_WASH)
    for k in (1, 2, 3):
        base.circle(cx, cy, R * k / 3.2, outline=ACCENT_PALE if k < 3 else ACCENT_LIGHT, width=2)
    base.line([(cx - R + 4, cy), (cx + R - 4, cy)], ACCENT_PALE, 1.5, cap=False)
    base.line([(cx, cy - R + 4), (cx, cy + R - 4)], ACCENT_PALE, 1.5, cap=False)
    dots = [(40, 0.55), (115, 0.78), (160, 0.35), (215, 0.62), (290, 0.45), (330, 0.82)]

    def paint(cv, t):
        cv.paste(base)
        lead = t * 360
        for k in range(12):
            cv.pieslice(cx, cy, R - 2, lead - (k + 1) * 6, lead - k * 6, (41, 144, 255, int(80 * (1 - k / 12))))
        cv.line([(cx, cy), (cx + (R - 2) * math.cos(math.radians(lead)), cy + (R - 2) * math.sin(math.radians(lead)))],
                ACCENT, 2.5)
        for ang, rr in dots:
            behind = (lead - ang) % 360
            glow = max(0.0, 1 - behind / 200)
            if glow > 0:
                x = cx + R * rr * math.cos(math.radians(ang))
                y = cy + R * rr * math.sin(math.radians(ang))
                cv.circle(x, y, 4 + 2 * glow, fill=mix(ACCENT_LIGHT, ACCENT, glow))
        cv.circle(cx, cy, 5, fill=ACCENT)
    return gif_bytes(_frames(24, paint, w, h), [70] * 24)
