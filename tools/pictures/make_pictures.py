#!/usr/bin/python3
"""Draws every bitmap resource of Tickerdell and writes each as an 8-bit BMP with a full colour table.

Usage: make_pictures.py OUTPUT_DIR
Needs python3-pil and Debian's DejaVu and Liberation fonts. Every run writes the same bytes: the drawing
uses fixed seeds, the basic text layout and the median-cut quantiser without dithering.

Picture buttons draw nothing in their normal state, so each screen that carries them paints their normal
faces itself; the focus and pressed images are cut from the same screen drawn with that one face lit or
pressed, at the place the button draws them (one row below the top of the button), so they line up with
the screen pixel for pixel. The statement's Previous and Next also have a faded face, drawn while there is
no page to turn to.
"""
import itertools
import math
import os
import random
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# ---------------------------------------------------------------------------------------------------------
# House colours: trading-floor greens and navy, with gold and amber for accents.

NAVY_DEEP = (8, 14, 34)
GREEN_DEEP = (5, 34, 24)
GREEN = (16, 68, 44)
GOLD = (255, 204, 64)
GOLD_LIGHT = (255, 232, 150)
GOLD_DARK = (150, 104, 14)
AMBER = (255, 170, 28)
CREAM = (248, 240, 216)
UP = (92, 226, 124)
DOWN = (240, 84, 70)
TOP_BAND = (9, 15, 32)

FONT_DIRS = ("/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation")
_fonts = {}


def font(name, size):
    key = (name, size)
    if key not in _fonts:
        for folder in FONT_DIRS:
            path = os.path.join(folder, name + ".ttf")
            if os.path.exists(path):
                _fonts[key] = ImageFont.truetype(path, size, layout_engine=ImageFont.Layout.BASIC)
                break
        else:
            raise SystemExit("missing font " + name + " (install fonts-dejavu-core and fonts-liberation)")
    return _fonts[key]


SANS = "DejaVuSans"
SANS_BOLD = "DejaVuSans-Bold"
MONO_BOLD = "DejaVuSansMono-Bold"
SERIF_BOLD = "DejaVuSerif-Bold"
TIMES_BOLD = "LiberationSerif-Bold"
TIMES_ITALIC = "LiberationSerif-Italic"
ARIAL_BOLD = "LiberationSans-Bold"

SS = 4  # supersampling factor for smooth shapes


# ---------------------------------------------------------------------------------------------------------
# Drawing helpers. Pictures are RGB images; soft shapes are drawn as grey masks and painted through them.

def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def solid(size, colour):
    return Image.new("RGB", size, colour)


def vgradient(size, stops):
    """Vertical gradient through (position 0..1, colour) stops."""
    w, h = size
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(h - 1, 1)
        for i in range(len(stops) - 1):
            p0, c0 = stops[i]
            p1, c1 = stops[i + 1]
            if t <= p1 or i == len(stops) - 2:
                u = 0.0 if p1 == p0 else min(max((t - p0) / (p1 - p0), 0.0), 1.0)
                d.line([(0, y), (w - 1, y)], fill=mix(c0, c1, u))
                break
    return img


def hgradient(size, stops):
    return vgradient((size[1], size[0]), stops).transpose(Image.Transpose.ROTATE_270).transpose(
        Image.Transpose.FLIP_LEFT_RIGHT)


def paint(img, mask, colour, opacity=1.0, at=(0, 0)):
    """Paints a colour through a grey mask (255 = full colour)."""
    if opacity != 1.0:
        mask = mask.point(lambda v: int(v * opacity + 0.5))
    img.paste(solid(mask.size, colour), at, mask)


def paste_through(img, source, mask, at=(0, 0)):
    img.paste(source, at, mask)


def shape_mask(size, draw_fn, scale=SS):
    """Draws white shapes on black at a larger scale and shrinks them: smooth edges."""
    w, h = size
    big = Image.new("L", (w * scale, h * scale), 0)
    draw_fn(ImageDraw.Draw(big), scale)
    return big.resize((w, h), Image.Resampling.LANCZOS)


def text_mask(size, xy, text, fnt, anchor="la", stroke=0, spacing=0):
    mask = Image.new("L", size, 0)
    d = ImageDraw.Draw(mask)
    if spacing:
        spaced_text(d, xy, text, fnt, 255, spacing, anchor)
    else:
        d.text(xy, text, font=fnt, fill=255, anchor=anchor, stroke_width=stroke, stroke_fill=255)
    return mask


def spaced_width(text, fnt, spacing):
    return sum(fnt.getlength(c) for c in text) + spacing * (len(text) - 1)


def spaced_text(d, xy, text, fnt, fill, spacing, anchor="la"):
    x, y = xy
    width = spaced_width(text, fnt, spacing)
    if anchor[0] == "m":
        x -= width / 2
    elif anchor[0] == "r":
        x -= width
    for c in text:
        d.text((round(x), y), c, font=fnt, fill=fill, anchor="l" + anchor[1])
        x += fnt.getlength(c) + spacing


def text(img, xy, s, fnt, fill, anchor="la", shadow=None, offset=(1, 1), spacing=0):
    d = ImageDraw.Draw(img)
    if shadow is not None:
        sx, sy = xy[0] + offset[0], xy[1] + offset[1]
        if spacing:
            spaced_text(d, (sx, sy), s, fnt, shadow, spacing, anchor)
        else:
            d.text((sx, sy), s, font=fnt, fill=shadow, anchor=anchor)
    if spacing:
        spaced_text(d, xy, s, fnt, fill, spacing, anchor)
    else:
        d.text(xy, s, font=fnt, fill=fill, anchor=anchor)


def glow(img, mask, colour, radius, opacity):
    paint(img, mask.filter(ImageFilter.GaussianBlur(radius)), colour, opacity)


def fancy_text(img, xy, s, fnt, stops, outline, shadow_colour=(0, 0, 0), shadow_offset=(3, 4), blur=3,
               stroke=2, anchor="la", glow_colour=None, glow_radius=8, glow_opacity=0.5, spacing=0):
    """Text with a gradient fill, an outline, a soft drop shadow and an optional glow."""
    size = img.size
    body = text_mask(size, xy, s, fnt, anchor, spacing=spacing)
    box = body.getbbox()
    if box is None:
        return None
    ring = body if not stroke else text_mask(size, xy, s, fnt, anchor, stroke=stroke, spacing=spacing)
    if glow_colour is not None:
        glow(img, ring, glow_colour, glow_radius, glow_opacity)
    if shadow_colour is not None:
        shade = Image.new("L", size, 0)
        shade.paste(ring, shadow_offset)
        paint(img, shade.filter(ImageFilter.GaussianBlur(blur)), shadow_colour, 0.85)
    if stroke:
        paint(img, ring, outline)
    grad = Image.new("RGB", size, stops[0][1])
    top, bottom = box[1], box[3]
    grad.paste(vgradient((size[0], bottom - top), stops), (0, top))
    paste_through(img, grad, body)
    return box


def radial_glow(img, centre, radii, colour, opacity):
    rx, ry = radii
    g = Image.radial_gradient("L").resize((2 * rx, 2 * ry), Image.Resampling.BILINEAR)
    g = g.point(lambda v: max(0, 255 - v * 2 if v < 128 else 0))
    mask = Image.new("L", img.size, 0)
    mask.paste(g, (centre[0] - rx, centre[1] - ry))
    paint(img, mask, colour, opacity)


def rect_outline(d, box, colour, width=1):
    x0, y0, x1, y1 = box
    for i in range(width):
        d.rectangle([x0 + i, y0 + i, x1 - i, y1 - i], outline=colour)


def bevel(d, box, light, dark, width=2):
    """Raised edge: light on the top and left, dark on the bottom and right (swap for sunken)."""
    x0, y0, x1, y1 = box
    for i in range(width):
        d.line([(x0 + i, y1 - i), (x0 + i, y0 + i), (x1 - i, y0 + i)], fill=light[i] if isinstance(light, list)
               else light)
        d.line([(x0 + i + 1, y1 - i), (x1 - i, y1 - i), (x1 - i, y0 + i + 1)], fill=dark[i] if isinstance(
            dark, list) else dark)


def polyline_mask(size, points, width, scale=SS):
    def fn(d, s):
        pts = [(x * s, y * s) for x, y in points]
        d.line(pts, fill=255, width=int(width * s), joint="curve")
        r = width * s / 2
        for x, y in (pts[0], pts[-1]):
            d.ellipse([x - r, y - r, x + r, y + r], fill=255)
    return shape_mask(size, fn, scale)


def random_walk(rng, n, start, drift, vol, lo, hi):
    values = [start]
    for _ in range(n - 1):
        v = values[-1] + drift + rng.uniform(-vol, vol)
        values.append(min(max(v, lo), hi))
    return values


def grid(img, box, step_x, step_y, colour, dotted=False):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    x = x0
    while x <= x1:
        if dotted:
            for y in range(y0, y1 + 1, 3):
                d.point((x, y), fill=colour)
        else:
            d.line([(x, y0), (x, y1)], fill=colour)
        x += step_x
    y = y0
    while y <= y1:
        if dotted:
            for x in range(x0, x1 + 1, 3):
                d.point((x, y), fill=colour)
        else:
            d.line([(x0, y), (x1, y)], fill=colour)
        y += step_y


def placeholder_lines(d, box, colour, rng, line_gap=7, thickness=2, last_short=True):
    """Greyed 'text' lines: bars of slightly varying length, paragraph ends shorter."""
    x0, y0, x1, y1 = box
    y = y0
    n = 0
    while y + thickness <= y1:
        n += 1
        if rng.random() < 0.16 or (last_short and y + line_gap + thickness > y1):
            end = x0 + int((x1 - x0) * rng.uniform(0.35, 0.8))
        else:
            end = x1 - rng.randint(0, 4)
        # break the bar into 'words'
        x = x0 + (8 if n > 1 and rng.random() < 0.1 else 0)
        while x < end:
            wlen = rng.randint(6, 22)
            d.rectangle([x, y, min(x + wlen, end), y + thickness - 1], fill=colour)
            x += wlen + 3
        y += line_gap


# ---------------------------------------------------------------------------------------------------------
# Icons, drawn in a 32-unit box around (cx, cy); u is pixels per unit on the supersampled canvas.

def icon_phone(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    lw = max(1, int(1.3 * u))
    # base
    d.polygon([p(-10, -2), p(10, -2), p(14, 13), p(-14, 13)], fill=fill, outline=line)
    d.line([p(-10, -2), p(10, -2), p(14, 13), p(-14, 13), p(-10, -2)], fill=line, width=lw, joint="curve")
    # dial
    d.ellipse([*p(-6, 0), *p(6, 12)], fill=dark, outline=line, width=lw)
    d.ellipse([*p(-2.2, 3.8), *p(2.2, 8.2)], fill=fill)
    for k in range(8):
        a = math.radians(-60 + k * 30)
        x, y = 4.3 * math.cos(a), 6 + 4.3 * math.sin(a)
        d.ellipse([*p(x - 0.9, y - 0.9), *p(x + 0.9, y + 0.9)], fill=fill)
    # handset
    d.rounded_rectangle([*p(-15, -13), *p(15, -7)], radius=3 * u, fill=fill, outline=line, width=lw)
    d.rounded_rectangle([*p(-16, -13), *p(-7, -3)], radius=3 * u, fill=fill, outline=line, width=lw)
    d.rounded_rectangle([*p(7, -13), *p(16, -3)], radius=3 * u, fill=fill, outline=line, width=lw)
    d.rectangle([*p(-14.5, -11.6), *p(14.5, -8.4)], fill=fill)


def icon_briefcase(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    lw = max(1, int(1.3 * u))
    d.rounded_rectangle([*p(-6.5, -14), *p(6.5, -5)], radius=3 * u, outline=line, width=int(4.2 * u))
    d.rounded_rectangle([*p(-5.5, -13), *p(5.5, -6)], radius=2.4 * u, outline=fill, width=int(2 * u))
    d.rounded_rectangle([*p(-16, -8), *p(16, 13)], radius=3.5 * u, fill=fill, outline=line, width=lw)
    d.line([p(-15.5, 1), p(15.5, 1)], fill=line, width=lw)
    d.rounded_rectangle([*p(-3.5, -2), *p(3.5, 4)], radius=1 * u, fill=dark, outline=line, width=lw)
    d.line([p(-10, -8), p(-10, 13)], fill=line, width=lw)
    d.line([p(10, -8), p(10, 13)], fill=line, width=lw)


def icon_discover(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    # handle
    d.line([p(4, 4), p(14, 14)], fill=line, width=int(7.5 * u))
    d.line([p(5, 5), p(13.5, 13.5)], fill=fill, width=int(4.5 * u))
    # lens
    d.ellipse([*p(-15, -15), *p(7, 7)], fill=line)
    d.ellipse([*p(-13.6, -13.6), *p(5.6, 5.6)], fill=fill)
    d.ellipse([*p(-11, -11), *p(3, 3)], fill=dark)
    # a rising line seen through the glass
    pts = [p(-9.5, -1), p(-6, -4), p(-3.5, -2.5), p(0.5, -8)]
    d.line(pts, fill=UP, width=int(1.8 * u), joint="curve")
    d.polygon([p(2.2, -10.2), p(-1.6, -9.2), p(1.4, -6.2)], fill=UP)
    d.arc([*p(-10.5, -10.5), *p(2.5, 2.5)], 200, 250, fill=(255, 255, 255), width=int(1.2 * u))


def icon_about(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    lw = max(1, int(1.4 * u))
    d.ellipse([*p(-15, -15), *p(15, 15)], fill=fill, outline=line, width=lw)
    d.ellipse([*p(-2.6, -10.5), *p(2.6, -5.3)], fill=dark)
    d.rounded_rectangle([*p(-2.4, -2.5), *p(2.4, 9)], radius=0.8 * u, fill=dark)
    d.rectangle([*p(-5, -2.5), *p(2.4, -0.6)], fill=dark)
    d.rectangle([*p(-5, 8), *p(5, 10)], fill=dark)


def icon_exit(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    lw = max(1, int(1.3 * u))
    # door frame and the dark doorway
    d.rectangle([*p(-15, -15), *p(3, 15)], fill=line)
    d.rectangle([*p(-13, -13), *p(1, 15)], fill=dark)
    # the door, swung open
    d.polygon([p(-13, -13), p(-4, -10), p(-4, 15.5), p(-13, 15)], fill=fill, outline=line)
    d.line([p(-13, -13), p(-4, -10), p(-4, 15.5)], fill=line, width=lw)
    d.ellipse([*p(-7.2, 1), *p(-5.2, 3)], fill=line)
    # the way out
    d.polygon([p(-1, -3), p(7, -3), p(7, -9), p(16.5, 0), p(7, 9), p(7, 3), p(-1, 3)], fill=line)
    d.polygon([p(0.6, -1.6), p(8.4, -1.6), p(8.4, -5.8), p(14.5, 0), p(8.4, 5.8), p(8.4, 1.6), p(0.6, 1.6)],
              fill=CREAM)


def icon_arrow_left(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    pts = [p(-15, 0), p(-3, -11), p(-3, -5), p(14, -5), p(14, 5), p(-3, 5), p(-3, 11)]
    d.polygon(pts, fill=fill, outline=line)
    d.line(pts + [pts[0]], fill=line, width=max(1, int(1.3 * u)), joint="curve")


def icon_arrow_right(d, cx, cy, u, fill, line, dark):
    def p(x, y):
        return (cx + x * u, cy + y * u)
    pts = [p(15, 0), p(3, -11), p(3, -5), p(-14, -5), p(-14, 5), p(3, 5), p(3, 11)]
    d.polygon(pts, fill=fill, outline=line)
    d.line(pts + [pts[0]], fill=line, width=max(1, int(1.3 * u)), joint="curve")


# ---------------------------------------------------------------------------------------------------------
# Button faces. A face is painted into a screen picture at its rectangle, in one of three states.

NORMAL, FOCUS, PRESSED, DISABLED = "normal", "focus", "pressed", "disabled"

BOARD_STYLE = {
    NORMAL: dict(top=(46, 124, 84), bottom=(14, 62, 40), icon=(255, 206, 84), label=CREAM,
                 outline=(3, 10, 6), light=[(150, 210, 166), (86, 158, 112)], dark=[(4, 26, 14), (10, 44, 27)]),
    FOCUS: dict(top=(60, 146, 100), bottom=(20, 80, 52), icon=(255, 230, 128), label=GOLD_LIGHT,
                outline=(255, 214, 80), light=[(255, 244, 180), (150, 214, 168)],
                dark=[(190, 130, 20), (12, 48, 30)]),
    PRESSED: dict(top=(10, 46, 30), bottom=(26, 86, 56), icon=(214, 168, 60), label=(222, 200, 150),
                  outline=(3, 10, 6), light=[(2, 14, 8), (8, 32, 20)], dark=[(120, 180, 140), (60, 120, 84)]),
}

PAPER_STYLE = {
    NORMAL: dict(top=(236, 242, 232), bottom=(196, 212, 198), icon=(30, 104, 66), label=(14, 52, 32),
                 outline=(20, 44, 30), light=[(255, 255, 255), (226, 236, 226)],
                 dark=[(88, 112, 96), (150, 170, 154)]),
    FOCUS: dict(top=(255, 246, 212), bottom=(236, 208, 130), icon=(24, 96, 58), label=(60, 36, 0),
                outline=(20, 44, 30), light=[(255, 214, 80), (255, 240, 190)],
                dark=[(176, 118, 10), (214, 170, 70)]),
    PRESSED: dict(top=(168, 186, 170), bottom=(206, 220, 206), icon=(22, 78, 48), label=(14, 44, 28),
                  outline=(20, 44, 30), light=[(70, 92, 78), (124, 146, 130)],
                  dark=[(246, 250, 246), (226, 236, 226)]),
    # a page button with no page to turn to: flat, its icon and label faded into the paper
    DISABLED: dict(top=(232, 236, 230), bottom=(222, 228, 222), icon=(214, 220, 214), label=(164, 176, 168),
                   outline=(176, 188, 180), light=[(240, 244, 238), (232, 236, 230)],
                   dark=[(206, 214, 208), (218, 224, 218)], line=(172, 184, 176)),
}


def draw_face(img, box, state, icon, label, style, label_font, frame=1, icon_size=30, label_gap=6):
    """Paints one button face into img over box = (x, y, w, h)."""
    x, y, w, h = box
    st = style[state]
    shift = 2 if state == PRESSED else 0
    # body and icon on a larger canvas, then shrunk for smooth edges
    big = vgradient((w * SS, h * SS), [(0, st["top"]), (1, st["bottom"])])
    gloss = Image.new("L", big.size, 0)
    ImageDraw.Draw(gloss).rounded_rectangle([3 * SS, 3 * SS, (w - 4) * SS, int(h * 0.46) * SS],
                                            radius=6 * SS, fill=255)
    if state not in (PRESSED, DISABLED):
        paint(big, gloss.filter(ImageFilter.GaussianBlur(2 * SS)), (255, 255, 255), 0.10)
    fh = label_font.getbbox("Ag")
    text_h = fh[3] - fh[1]
    total = icon_size + label_gap + text_h
    top = (h - total) / 2
    icon_cy = top + icon_size / 2
    u = icon_size / 32.0 * SS
    dark = mix(st["bottom"], (0, 0, 0), 0.55)
    line = st.get("line", (24, 16, 4) if style is BOARD_STYLE else (12, 40, 24))
    if style is PAPER_STYLE:
        dark = (250, 250, 244)
    icon(ImageDraw.Draw(big), (w / 2 + shift) * SS, (icon_cy + shift) * SS, u, st["icon"], line, dark)
    face = big.resize((w, h), Image.Resampling.LANCZOS)
    d = ImageDraw.Draw(face)
    # label
    ty = top + icon_size + label_gap - fh[1] + shift
    shadow = (0, 20, 10) if style is BOARD_STYLE else (255, 255, 255)
    if state == PRESSED and style is BOARD_STYLE:
        shadow = (0, 12, 6)
    text(face, (w / 2 + shift, ty), label, label_font, st["label"], anchor="ma", shadow=shadow)
    # edges
    for i in range(frame):
        d.rectangle([i, i, w - 1 - i, h - 1 - i], outline=st["outline"])
    bevel(d, (frame, frame, w - 1 - frame, h - 1 - frame), st["light"], st["dark"], 2)
    if state == FOCUS:
        # a soft golden glow inside the lit edge
        ring = Image.new("L", (w, h), 0)
        rd = ImageDraw.Draw(ring)
        rd.rectangle([frame + 2, frame + 2, w - 3 - frame, h - 3 - frame], outline=255, width=2)
        ring = ring.filter(ImageFilter.GaussianBlur(1.6))
        inner = Image.new("L", (w, h), 0)
        ImageDraw.Draw(inner).rectangle([frame + 2, frame + 2, w - 3 - frame, h - 3 - frame], fill=255)
        ring = Image.composite(ring, Image.new("L", (w, h), 0), inner)
        paint(face, ring, GOLD, 0.7 if style is BOARD_STYLE else 0.35)
    img.paste(face, (x, y))


def cut_state_images(screen, painter, args, focus_name, pressed_name):
    """Draws the screen again with one face lit, then pressed, and cuts each image out where the button
    draws it: at (0, 1) inside its rectangle."""
    bx, by = args["rect"][:2]
    images = {}
    for name, state in ((focus_name, FOCUS), (pressed_name, PRESSED)):
        lit = screen.copy()
        painter(lit, args, state)
        w, h = SIZES[name]
        images[name] = lit.crop((bx, by + 1, bx + w, by + 1 + h))
    return images


# ---------------------------------------------------------------------------------------------------------
# The main screen, TD_TITLE, and its button images.

MAIN_BUTTON_Y = 42
MAIN_BUTTON_W, MAIN_BUTTON_H = 104, 70
MAIN_BUTTONS = [  # focus image, pressed image, label, icon, x
    ("BT_RTB", "BT_RTB1", "Ring Broker", icon_phone, 20),
    ("BT_PORT", "BT_PORT1", "Portfolio", icon_briefcase, 144),
    ("BT_CAR", "BT_CAR1", "Discover", icon_discover, 268),
    ("BT_ABOUT", "BT_ABOU1", "About", icon_about, 392),
    ("BT_EXIT", "BT_EXIT1", "Exit", icon_exit, 516),
]

# The About logo's strip names companies and the way each moved, never a price. The title's board is
# left empty: the game writes the day's movers on it from the market it loads.
TICKER = [("ALDERMOOR BANK", 1), ("FAIRHAVEN OIL", -1), ("VANTRELL SYS", 1), ("PELLINOR GOLD", 1),
          ("OTTERY MALT", -1), ("KESSOCK TURB", 1)]


def skyline(img, box, seed, body, lit, unlit_ratio=0.72):
    """City blocks along the bottom of box with a few lit windows."""
    x0, y0, x1, y1 = box
    rng = random.Random(seed)
    d = ImageDraw.Draw(img)
    x = x0 - 6
    while x < x1:
        bw = rng.randint(18, 46)
        bh = rng.randint(int((y1 - y0) * 0.25), y1 - y0)
        top = y1 - bh
        col = mix(body, (0, 0, 0), rng.uniform(0.0, 0.35))
        d.rectangle([x, top, x + bw, y1], fill=col)
        roof = rng.random()
        if roof < 0.18:
            d.rectangle([x + bw // 2 - 1, top - rng.randint(8, 22), x + bw // 2, top], fill=col)
        elif roof < 0.32:
            d.polygon([(x, top), (x + bw // 2, top - rng.randint(6, 16)), (x + bw, top)], fill=col)
        elif roof < 0.45:
            d.rectangle([x + 4, top - 6, x + bw - 4, top], fill=col)
        for wy in range(top + 5, y1 - 3, 6):
            for wx in range(x + 4, x + bw - 4, 5):
                if rng.random() > unlit_ratio:
                    d.rectangle([wx, wy, wx + 1, wy + 2], fill=mix(lit, col, rng.uniform(0.0, 0.5)))
        x += bw + rng.randint(-4, 3)


def price_line_points(rng, box, n, start=0.7, drift=-0.012, vol=0.08):
    x0, y0, x1, y1 = box
    vals = random_walk(rng, n, start, drift, vol, 0.05, 0.95)
    return [(x0 + (x1 - x0) * i / (n - 1), y0 + (y1 - y0) * v) for i, v in enumerate(vals)]


def scan_lines(img, box, opacity):
    x0, y0, x1, y1 = box
    lines = Image.new("L", img.size, 0)
    ld = ImageDraw.Draw(lines)
    for yy in range(y0, y1, 3):
        ld.line([(x0, yy), (x1, yy)], fill=255)
    paint(img, lines, (0, 0, 0), opacity)


def ticker_board(img, box, rows):
    """The empty board: the game writes the day's movers on it, from the market it loads."""
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    d.rectangle(box, fill=(3, 6, 8))
    rect_outline(d, (x0 - 3, y0 - 3, x1 + 3, y1 + 3), (40, 32, 10))
    d.rectangle([x0 - 2, y0 - 2, x1 + 2, y1 + 2], outline=GOLD_DARK)
    d.rectangle([x0 - 1, y0 - 1, x1 + 1, y1 + 1], outline=(12, 16, 18))
    # LED scan lines and the dividers between the rows
    scan_lines(img, (x0, y0 + 1, x1, y1), 0.4)
    line_h = (y1 - y0) // rows
    for r in range(1, rows):
        d.line([(x0, y0 + line_h * r), (x1, y0 + line_h * r)], fill=(30, 26, 12))


def main_background():
    W, H = 640, 480
    img = vgradient((W, H), [(0, NAVY_DEEP), (0.25, (10, 30, 40)), (0.62, GREEN_DEEP), (1, (4, 20, 16))])
    d = ImageDraw.Draw(img)
    # trading-floor chart grid over the middle of the screen
    grid(img, (0, 128, W - 1, 478), 32, 24, (14, 48, 40), dotted=True)
    # faint moving averages behind the title
    rng = random.Random(1997)
    for seed_col, width, op in (((40, 120, 90), 3, 0.55), ((60, 90, 150), 2, 0.45)):
        pts = price_line_points(rng, (-10, 150, W + 10, 300), 26, start=0.85, drift=-0.03, vol=0.12)
        paint(img, polyline_mask((W, H), pts, width), seed_col, op)
    # dusk sky and city along the bottom
    sky = vgradient((W, 130), [(0, (6, 26, 30)), (0.7, (26, 62, 52)), (1, (58, 84, 50))])
    sky_mask = vgradient((W, 130), [(0, (0, 0, 0)), (0.5, (200, 200, 200)), (1, (255, 255, 255))]).convert("L")
    img.paste(sky, (0, 342), sky_mask)
    radial_glow(img, (470, 470), (260, 90), (255, 170, 60), 0.35)
    skyline(img, (0, 372, W, 468), 42, (10, 22, 30), (255, 196, 90), unlit_ratio=0.7)
    skyline(img, (0, 398, W, 468), 7, (5, 12, 18), (255, 214, 120), unlit_ratio=0.66)
    # the market's line over the city: up and to the right
    rng = random.Random(2111)
    pts = price_line_points(rng, (18, 352, 622, 440), 30, start=0.92, drift=-0.034, vol=0.11)
    m = polyline_mask((W, H), pts, 3)
    glow(img, m, AMBER, 5, 0.8)
    paint(img, m, GOLD)
    last = pts[-1]
    paint(img, shape_mask((W, H), lambda dd, s: dd.ellipse(
        [(last[0] - 5) * s, (last[1] - 5) * s, (last[0] + 5) * s, (last[1] + 5) * s], fill=255)), GOLD_LIGHT)
    glow(img, shape_mask((W, H), lambda dd, s: dd.ellipse(
        [(last[0] - 5) * s, (last[1] - 5) * s, (last[0] + 5) * s, (last[1] + 5) * s], fill=255)),
        (255, 255, 200), 6, 0.9)
    # street level
    d.rectangle([0, 466, W - 1, H - 1], fill=(4, 10, 10))
    d.line([(0, 466), (W - 1, 466)], fill=GOLD_DARK)
    # no version here: the About box's label shows the one version the build sets
    text(img, (630, 468), "A Dellwood Pixel Works game", font(SANS, 9), (170, 140, 70), anchor="ra")
    text(img, (10, 468), "Prices are for play: no real money changes hands", font(SANS, 9), (110, 130, 110))

    # ticker board
    ticker_board(img, (20, 280, 619, 326), 2)

    # the name, large
    f = font(SERIF_BOLD, 96)
    title = "Tickerdell"
    tx = (W - f.getlength(title)) / 2
    box = fancy_text(img, (tx, 124), title, f,
                     [(0, (255, 246, 196)), (0.45, (255, 206, 72)), (0.55, (230, 160, 30)), (1, (255, 214, 96))],
                     outline=(58, 34, 0), stroke=3, glow_colour=(255, 170, 40), glow_radius=14, glow_opacity=0.35)
    # a rising line with an arrow head running under the name
    base = box[3] + 13
    sweep = [(box[0] + 10, base + 6), (box[0] + 110, base + 2), (box[0] + 170, base + 5), (box[0] + 280, base - 1),
             (box[0] + 340, base + 1), (box[2] - 16, base - 6)]
    sm = polyline_mask((W, H), sweep, 3)
    shade = Image.new("L", (W, H), 0)
    shade.paste(sm, (2, 3))
    paint(img, shade.filter(ImageFilter.GaussianBlur(2)), (0, 0, 0), 0.7)
    paint(img, sm, (255, 214, 90))
    ex, ey = sweep[-1]
    head = shape_mask((W, H), lambda dd, s: dd.polygon(
        [((ex + 13) * s, (ey - 5) * s), ((ex - 3) * s, (ey - 9) * s), ((ex + 1) * s, (ey + 6) * s)], fill=255))
    paint(img, head, (255, 214, 90))
    # strapline
    f2 = font(SANS_BOLD, 14)
    sy = base + 16
    label = "THE SHARE DEALING GAME"
    lw = spaced_width(label, f2, 4)
    text(img, (W / 2, sy), label, f2, CREAM, anchor="ma", shadow=(0, 0, 0), spacing=4)
    for side in (-1, 1):
        xa = W / 2 + side * (lw / 2 + 14)
        xb = W / 2 + side * (lw / 2 + 110)
        d.line([(xa, sy + 8), (xb, sy + 8)], fill=GOLD_DARK, width=1)
        d.line([(xa, sy + 10), (xb, sy + 10)], fill=(80, 60, 14), width=1)
        d.ellipse([xa - 2, sy + 7, xa + 2, sy + 11], fill=GOLD)

    # the shelf under the five buttons
    shelf = vgradient((W, 92), [(0, (24, 40, 80)), (0.5, (16, 30, 62)), (1, (10, 20, 44))])
    img.paste(shelf, (0, 34))
    for yy in range(36, 124, 4):
        d.line([(0, yy), (W - 1, yy)], fill=(20, 36, 72))
    d.line([(0, 34), (W - 1, 34)], fill=GOLD_DARK)
    d.line([(0, 35), (W - 1, 35)], fill=(60, 46, 12))
    d.line([(0, 124), (W - 1, 124)], fill=(60, 46, 12))
    d.line([(0, 125), (W - 1, 125)], fill=GOLD_DARK)
    for _, _, _, _, x in MAIN_BUTTONS:
        # a recessed well for each button; the face itself covers rows 43 to 111
        d.rectangle([x - 3, MAIN_BUTTON_Y - 2, x + MAIN_BUTTON_W + 2, MAIN_BUTTON_Y + MAIN_BUTTON_H + 2],
                    fill=(4, 8, 20))
        d.line([(x - 3, MAIN_BUTTON_Y + MAIN_BUTTON_H + 2), (x + MAIN_BUTTON_W + 2, MAIN_BUTTON_Y + MAIN_BUTTON_H + 2),
                (x + MAIN_BUTTON_W + 2, MAIN_BUTTON_Y - 2)], fill=(52, 72, 120))
    # the calm band along the top, where the game writes its date line in yellow
    d.rectangle([0, 0, W - 1, 33], fill=TOP_BAND)
    return img


def paint_main_face(img, args, state):
    draw_face(img, args["face"], state, args["icon"], args["label"], BOARD_STYLE, font(SANS_BOLD, 12))


def main_screen():
    background = main_background()
    faces = []
    for focus_name, pressed_name, label, icon, x in MAIN_BUTTONS:
        args = dict(rect=(x, MAIN_BUTTON_Y, MAIN_BUTTON_W, MAIN_BUTTON_H),
                    face=(x, MAIN_BUTTON_Y + 1, MAIN_BUTTON_W, MAIN_BUTTON_H - 1), icon=icon, label=label)
        faces.append((focus_name, pressed_name, args))
    screen = background.copy()
    for _, _, args in faces:
        paint_main_face(screen, args, NORMAL)
    images = {"TD_TITLE": screen}
    for focus_name, pressed_name, args in faces:
        images.update(cut_state_images(screen, paint_main_face, args, focus_name, pressed_name))
    return images


# ---------------------------------------------------------------------------------------------------------
# The news screen: a newspaper front page with blank places for the game's headline and stories.

def news_page():
    W, H = 640, 480
    rng = random.Random(521)
    img = solid((W, H), (52, 40, 30))
    paper = vgradient((W - 12, H - 8), [(0, (244, 238, 222)), (1, (234, 226, 204))])
    shadow = Image.new("L", (W, H), 0)
    ImageDraw.Draw(shadow).rectangle([10, 8, W - 2, H - 1], fill=255)
    paint(img, shadow.filter(ImageFilter.GaussianBlur(4)), (0, 0, 0), 0.6)
    img.paste(paper, (6, 4))
    d = ImageDraw.Draw(img)
    ink = (26, 24, 22)
    grey = (176, 170, 156)
    # masthead
    fm = font(TIMES_BOLD, 42)
    text(img, (W / 2, 46), "The Tickerdell Gazette", fm, ink, anchor="ms")
    # ears
    for ex, lines in ((22, ("LATE CITY", "EDITION")), (W - 22 - 76, ("PRICE 40p", "Est. 1887"))):
        d.rectangle([ex, 16, ex + 76, 64], outline=ink)
        d.rectangle([ex + 2, 18, ex + 74, 62], outline=(120, 112, 100))
        text(img, (ex + 38, 25), lines[0], font(ARIAL_BOLD, 11), ink, anchor="ma")
        text(img, (ex + 38, 42), lines[1], font(TIMES_ITALIC, 12), ink, anchor="ma")
    text(img, (W / 2, 52), "\u2014  THE PAPER THAT READS THE MARKET  \u2014", font(ARIAL_BOLD, 8), (80, 74, 64),
         anchor="ma", spacing=1)
    d.line([(22, 76), (W - 23, 76)], fill=ink, width=3)
    d.line([(22, 80), (W - 23, 80)], fill=ink, width=1)
    # no date and no issue number: the page stays the same while the game's day moves on
    fi = font(TIMES_ITALIC, 12)
    text(img, (24, 84), "Weekly City Edition", fi, ink)
    text(img, (W / 2, 84), "CITY \u00b7 MARKETS \u00b7 BUSINESS", font(ARIAL_BOLD, 10), ink, anchor="ma")
    text(img, (W - 24, 84), "For the dealing floor", fi, ink, anchor="ra")
    d.line([(22, 100), (W - 23, 100)], fill=ink, width=1)
    d.line([(22, 103), (W - 23, 103)], fill=ink, width=2)
    # the headline (116-170) and the two story columns (186-454 and 322-582) stay blank; the folio line
    # under them ends above the paper's edge
    d.line([(36, 180), (592, 180)], fill=(90, 84, 74), width=1)
    d.line([(306, 188), (306, 454)], fill=(150, 142, 126))
    # 'in brief' strip down the right margin
    d.line([(598, 110), (598, 454)], fill=(150, 142, 126))
    text(img, (617, 110), "IN", font(ARIAL_BOLD, 9), ink, anchor="ma")
    text(img, (617, 120), "BRIEF", font(ARIAL_BOLD, 8), ink, anchor="ma")
    y = 136
    while y < 448:
        placeholder_lines(d, (604, y, 628, min(y + rng.randint(30, 54), 450)), grey, rng, line_gap=6)
        y += rng.randint(46, 66)
        if y < 444:
            d.line([(604, y - 8), (628, y - 8)], fill=(200, 192, 176))
    # the market report box under the right column
    box = (322, 416, 582, 454)
    d.rectangle(box, outline=(120, 112, 100))
    d.rectangle([box[0], box[1], box[0] + 76, box[3]], fill=(226, 218, 196))
    text(img, (box[0] + 38, box[1] + 4), "MARKET", font(ARIAL_BOLD, 9), ink, anchor="ma")
    text(img, (box[0] + 38, box[1] + 14), "REPORT", font(ARIAL_BOLD, 9), ink, anchor="ma")
    # a tiny chart in the box
    pts = price_line_points(random.Random(7), (box[0] + 8, box[1] + 25, box[0] + 68, box[3] - 4), 12,
                            start=0.8, drift=-0.06, vol=0.15)
    paint(img, polyline_mask((W, H), pts, 1.4), ink)
    placeholder_lines(d, (box[0] + 84, box[1] + 6, box[2] - 8, box[3] - 4), grey, rng, line_gap=6)
    # folio line
    text(img, (24, 467), "Continued on page 2", font(TIMES_ITALIC, 9), (90, 84, 74), anchor="ls")
    text(img, (W - 24, 467), "The Tickerdell Gazette \u00b7 1", font(TIMES_ITALIC, 9), (90, 84, 74), anchor="rs")
    # a little age on the paper
    age = Image.new("L", (W, H), 0)
    ImageDraw.Draw(age).rectangle([6, 4, W - 7, H - 5], outline=255, width=3)
    paint(img, age.filter(ImageFilter.GaussianBlur(3)), (190, 170, 130), 0.35)
    return img


# ---------------------------------------------------------------------------------------------------------
# Top earners and popular shares: board screens with empty tables.

def board_backdrop(W, H, seed):
    img = vgradient((W, H), [(0, (10, 18, 42)), (0.55, (8, 40, 34)), (1, (4, 22, 18))])
    grid(img, (0, 0, W - 1, H - 1), 32, 24, (18, 50, 50), dotted=True)
    rng = random.Random(seed)
    return img, rng


def title_bar(img, y, title, subtitle):
    W = img.size[0]
    d = ImageDraw.Draw(img)
    band = vgradient((W, 64), [(0, (20, 34, 76)), (1, (10, 20, 46))])
    img.paste(band, (0, y))
    d.line([(0, y + 64), (W - 1, y + 64)], fill=GOLD_DARK)
    d.line([(0, y + 65), (W - 1, y + 65)], fill=(40, 30, 8))
    fancy_text(img, (W / 2, y + 8), title, font(SERIF_BOLD, 32),
               [(0, (255, 244, 190)), (0.5, GOLD), (1, (214, 146, 24))], outline=(50, 30, 0),
               stroke=2, anchor="ma", shadow_offset=(2, 3), blur=2)
    text(img, (W / 2, y + 46), subtitle, font(SANS, 11), (200, 210, 200), anchor="ma", spacing=1)


def table_panel(img, box, caption, caption_colour, columns, rows, arrow=None):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    shade = Image.new("L", img.size, 0)
    ImageDraw.Draw(shade).rectangle([x0 + 4, y0 + 5, x1 + 4, y1 + 5], fill=255)
    paint(img, shade.filter(ImageFilter.GaussianBlur(4)), (0, 0, 0), 0.7)
    body = Image.new("L", img.size, 0)
    ImageDraw.Draw(body).rectangle(box, fill=255)
    paint(img, body, (4, 10, 20), 0.74)
    head = vgradient((x1 - x0 + 1, 28), [(0, mix(caption_colour, (255, 255, 255), 0.15)),
                                          (1, mix(caption_colour, (0, 0, 0), 0.35))])
    img.paste(head, (x0, y0))
    d.rectangle(box, outline=GOLD_DARK)
    d.rectangle([x0 + 1, y0 + 1, x1 - 1, y1 - 1], outline=(30, 40, 60))
    cx = (x0 + x1) / 2
    f = font(SANS_BOLD, 15)
    if arrow:
        aw = f.getlength(caption) / 2 + 16
        ac = GOLD_LIGHT
        tri = [(cx - aw - 6, y0 + 19), (cx - aw + 6, y0 + 19), (cx - aw, y0 + 8)] if arrow == "up" else \
            [(cx - aw - 6, y0 + 9), (cx - aw + 6, y0 + 9), (cx - aw, y0 + 20)]
        d.polygon(tri, fill=ac, outline=(40, 24, 0))
    text(img, (cx, y0 + 14), caption, f, (255, 255, 255), anchor="mm", shadow=(0, 0, 0))
    # column headings and empty rows
    fh = font(SANS_BOLD, 10)
    hy = y0 + 34
    for label, frac, align in columns:
        hx = x0 + (x1 - x0) * frac
        text(img, (hx, hy), label, fh, GOLD, anchor=align + "a")
    d.line([(x0 + 8, hy + 16), (x1 - 8, hy + 16)], fill=GOLD_DARK)
    row_h = (y1 - hy - 24) / rows
    for r in range(rows):
        ry = hy + 20 + r * row_h
        if r % 2 == 0:
            stripe = Image.new("L", img.size, 0)
            ImageDraw.Draw(stripe).rectangle([x0 + 8, ry, x1 - 8, ry + row_h - 1], fill=255)
            paint(img, stripe, (30, 60, 80), 0.35)
        text(img, (x0 + 14, ry + row_h / 2), str(r + 1) + ".", font(SANS, 10), (110, 130, 140), anchor="lm")
        d.line([(x0 + 8, ry + row_h - 1), (x1 - 8, ry + row_h - 1)], fill=(28, 46, 60))


def earner_screen():
    W, H = 640, 420
    img, rng = board_backdrop(W, H, 4006)
    # a rising chart behind everything, with no figures: the tables are the game's to fill
    pts = price_line_points(rng, (0, 90, W, 400), 34, start=0.95, drift=-0.028, vol=0.09)
    area = shape_mask((W, H), lambda dd, s: dd.polygon([(x * s, y * s) for x, y in pts] + [(W * s, H * s),
                                                                                          (0, H * s)], fill=255))
    paint(img, area, (40, 150, 90), 0.16)
    m = polyline_mask((W, H), pts, 3)
    glow(img, m, UP, 6, 0.6)
    paint(img, m, (150, 250, 170), 0.9)
    title_bar(img, 0, "Top Earners", "THE WEEK'S BIGGEST MOVERS ON THE TICKERDELL EXCHANGE")
    cols = [("SHARE", 0.12, "l"), ("PRICE (p)", 0.72, "r"), ("CHANGE", 0.94, "r")]
    table_panel(img, (24, 86, 308, 386), "Highest Earners", (24, 110, 62), cols, 9, arrow="up")
    table_panel(img, (332, 86, 616, 386), "Greatest Losers", (130, 32, 30), cols, 9, arrow="down")
    text(img, (W / 2, 398), "Click anywhere to return", font(SANS, 10), (150, 170, 160), anchor="ma")
    return img


def banknote(size, value, seed):
    """An invented banknote: guilloche-like pattern, a value and a portrait oval (no real design)."""
    w, h = size
    rng = random.Random(seed)
    base = (196, 222, 190) if value == "50" else (214, 206, 170)
    ink = (40, 92, 62) if value == "50" else (120, 84, 40)
    note = vgradient((w * SS, h * SS), [(0, mix(base, (255, 255, 255), 0.35)), (1, base)])
    d = ImageDraw.Draw(note)
    s = SS
    d.rounded_rectangle([2 * s, 2 * s, (w - 3) * s, (h - 3) * s], radius=4 * s, outline=ink, width=int(1.5 * s))
    d.rounded_rectangle([6 * s, 6 * s, (w - 7) * s, (h - 7) * s], radius=3 * s, outline=mix(ink, base, 0.5),
                        width=s)
    for k in range(14):
        r = (8 + k * 2.2) * s
        cx, cy = w * 0.66 * s, h * 0.5 * s
        d.ellipse([cx - r * 1.3, cy - r, cx + r * 1.3, cy + r], outline=mix(ink, base, 0.65), width=s)
    for k in range(0, w, 6):
        off = math.sin(k / 9.0 + rng.random()) * 3
        d.line([(k * s, (h - 14 + off) * s), ((k + 6) * s, (h - 14 - off) * s)], fill=mix(ink, base, 0.6),
               width=s)
    d.ellipse([w * 0.08 * s, h * 0.22 * s, w * 0.34 * s, h * 0.78 * s], fill=mix(base, (255, 255, 255), 0.5),
              outline=ink, width=s)
    note = note.resize((w, h), Image.Resampling.LANCZOS)
    nd = ImageDraw.Draw(note)
    text(note, (w - 12, 8), "\u00a3" + value, font(SERIF_BOLD, 18), ink, anchor="ra")
    text(note, (w * 0.21, h * 0.5), "T", font(SERIF_BOLD, 20), mix(ink, base, 0.3), anchor="mm")
    text(note, (w * 0.62, h - 12), "BANK OF TICKERDELL", font(SANS_BOLD, 7), ink, anchor="mm")
    nd.rectangle([0, 0, w - 1, h - 1], outline=mix(ink, (0, 0, 0), 0.3))
    return note


def paste_rotated(img, piece, centre, angle):
    rgba = piece.convert("RGBA")
    rot = rgba.rotate(angle, resample=Image.Resampling.BICUBIC, expand=True)
    alpha = rot.getchannel("A")
    shade = Image.new("L", img.size, 0)
    shade.paste(alpha, (int(centre[0] - rot.width / 2 + 4), int(centre[1] - rot.height / 2 + 5)))
    paint(img, shade.filter(ImageFilter.GaussianBlur(3)), (0, 0, 0), 0.55)
    img.paste(rot.convert("RGB"), (int(centre[0] - rot.width / 2), int(centre[1] - rot.height / 2)), alpha)


def hand_with_notes(img, origin):
    """A fan of banknotes gripped in a fist, seen from the knuckle side."""
    ox, oy = origin
    W, H = img.size
    for i, angle in enumerate((32, 16, 0, -16, -32)):
        a = math.radians(angle)
        centre = (ox - math.sin(a) * 66, oy - 8 - math.cos(a) * 66)
        paste_rotated(img, banknote((150, 76), "50" if i % 2 else "20", i), centre, 90 + angle)
    skin_top, skin_bottom, skin_dark = (246, 200, 160), (214, 150, 108), (150, 92, 58)
    fill_img = vgradient((W, H), [(0, skin_top), (1, skin_bottom)])

    def part(fn, edge=True, drop=False):
        m = shape_mask((W, H), lambda d, s: fn(d, s, lambda x, y: ((ox + x) * s, (oy + y) * s)))
        if drop:
            sh = Image.new("L", (W, H), 0)
            sh.paste(m, (3, 4))
            paint(img, sh.filter(ImageFilter.GaussianBlur(3)), (0, 0, 0), 0.5)
        img.paste(fill_img, (0, 0), m)
        if edge:
            paint(img, m.filter(ImageFilter.FIND_EDGES), skin_dark)
        return m

    # sleeve and cuff
    sleeve = shape_mask((W, H), lambda d, s: d.rounded_rectangle(
        [(ox - 30) * s, (oy + 34) * s, (ox + 38) * s, (oy + 160) * s], radius=6 * s, fill=255))
    img.paste(hgradient((W, H), [(0, (22, 36, 80)), (0.5, (44, 66, 130)), (1, (18, 30, 66))]), (0, 0), sleeve)
    d = ImageDraw.Draw(img)
    d.rectangle([ox - 32, oy + 32, ox + 40, oy + 46], fill=(238, 238, 232), outline=(150, 150, 150))
    d.ellipse([ox + 18, oy + 35, ox + 28, oy + 43], fill=GOLD, outline=GOLD_DARK)
    # back of the hand, then four curled fingers across the notes, then the thumb over them
    part(lambda dd, s, p: dd.rounded_rectangle([*p(-24, -22), *p(36, 40)], radius=16 * s, fill=255), drop=True)
    for k in range(4):
        top = -20 + 13 * k
        part(lambda dd, s, p, t=top, k=k: dd.rounded_rectangle([*p(-34 + k, t), *p(24, t + 14)], radius=7 * s,
                                                               fill=255))
    part(lambda dd, s, p: dd.rounded_rectangle([*p(-20, -34), *p(30, -19)], radius=7 * s, fill=255))
    part(lambda dd, s, p: dd.rounded_rectangle([*p(-18, -32), *p(-6, -22)], radius=4 * s, fill=255))
    nail = shape_mask((W, H), lambda dd, s: dd.rounded_rectangle(
        [(ox - 17) * s, (oy - 31) * s, (ox - 7) * s, (oy - 23) * s], radius=4 * s, fill=255))
    paint(img, nail, (252, 226, 206))
    # knuckle creases
    for k in range(4):
        y = oy - 13 + 13 * k
        d.line([(ox - 30 + k, y), (ox - 26 + k, y)], fill=skin_dark)


POP_RECT = (514, 332, 102, 68)


def paint_pop_face(img, args, state):
    draw_face(img, args["face"], state, icon_exit, "Exit", BOARD_STYLE, font(SANS_BOLD, 13), icon_size=28)


def pshare_screen():
    W, H = 640, 420
    img, rng = board_backdrop(W, H, 4008)
    radial_glow(img, (130, 250), (200, 180), (255, 190, 70), 0.22)
    title_bar(img, 0, "Most Popular Shares", "THE SHARES EVERYONE IS DEALING IN THIS WEEK")
    hand_with_notes(img, (128, 262))
    cols = [("SHARE", 0.10, "l"), ("DEALS", 0.66, "r"), ("PRICE (p)", 0.93, "r")]
    table_panel(img, (262, 86, 616, 318), "Most Dealt In", (30, 52, 110), cols, 7)
    d = ImageDraw.Draw(img)
    # a frame around the place of the Exit button
    bx, by, bw, bh = POP_RECT
    d.rectangle([bx - 4, by - 3, bx + bw + 3, by + bh + 3], fill=(4, 8, 20))
    d.rectangle([bx - 5, by - 4, bx + bw + 4, by + bh + 4], outline=GOLD_DARK)
    text(img, (bx - 14, by + bh / 2), "Back to the floor \u25b6", font(SANS_BOLD, 11), CREAM, anchor="rm",
         shadow=(0, 0, 0))
    return img


def pshare_and_buttons():
    background = pshare_screen()
    bx, by, bw, bh = POP_RECT
    args = dict(rect=POP_RECT, face=(bx, by + 1, bw, bh - 1))
    screen = background.copy()
    paint_pop_face(screen, args, NORMAL)
    images = {"PSHARE": screen}
    images.update(cut_state_images(screen, paint_pop_face, args, "BT_POP", "BT_POP1"))
    return images


# ---------------------------------------------------------------------------------------------------------
# The transaction statement: a bank statement with room for the game's columns, rows and totals.

STATE_BUTTONS = [  # focus image, pressed image, disabled image, label, icon, x
    ("BT_STPV", "BT_STPV1", "BT_STPV2", "Previous", icon_arrow_left, 270),
    ("BT_STNX", "BT_STNX1", "BT_STNX2", "Next", icon_arrow_right, 378),
    ("BT_STEX", "BT_STEX1", None, "Exit", icon_exit, 484),
]
STATE_BUTTON_Y, STATE_BUTTON_W, STATE_BUTTON_H = 414, 98, 52
# Where the game prints over the page (views/Statement.h): the table's rules and heading band span x 32
# to 631, the headings and columns 40 to 623 in "Courier New" 15; the page total's box spans 328 to 631
# by 372 to 398, its label at 336 and the total right-aligned at 624.
STATE_TABLE_LEFT, STATE_TABLE_RIGHT = 32, 631
STATE_TOTAL_BOX = (328, 372, 631, 398)
STATE_MARGIN = 40  # the letterhead and notes line up with the headings


def statement_background():
    W, H = 640, 480
    L, R, M = STATE_TABLE_LEFT, STATE_TABLE_RIGHT, STATE_MARGIN
    img = vgradient((W, H), [(0, (250, 250, 244)), (1, (240, 242, 232))])
    d = ImageDraw.Draw(img)
    # faint security pattern over the paper
    pat = Image.new("L", (W, H), 0)
    pd = ImageDraw.Draw(pat)
    for k in range(-H, W, 9):
        pd.line([(k, 0), (k + H, H)], fill=255)
    paint(img, pat, (214, 230, 216), 0.35)
    # the green edge strip
    strip = vgradient((24, H), [(0, (30, 96, 62)), (1, (10, 54, 34))])
    img.paste(strip, (0, 0))
    for yy in range(0, H, 6):
        d.line([(3, yy), (20, yy + 6)], fill=(40, 112, 74))
    d.line([(24, 0), (24, H - 1)], fill=GOLD_DARK)
    d.line([(26, 0), (26, H - 1)], fill=(200, 170, 90))
    # letterhead with the house mark
    mark = (M, 14, M + 44, 58)
    d.rounded_rectangle(mark, radius=8, fill=GREEN, outline=(8, 40, 24))
    pts = [(M + 6, 46), (M + 14, 38), (M + 20, 42), (M + 30, 28), (M + 38, 22)]
    paint(img, polyline_mask((W, H), pts, 3), GOLD)
    for k, hgt in enumerate((8, 13, 6, 16, 11)):
        d.rectangle([M + 7 + k * 6, 54 - hgt // 2, M + 10 + k * 6, 54], fill=(200, 220, 200))
    text(img, (M + 54, 14), "Tickerdell Securities", font(SERIF_BOLD, 20), (14, 58, 36))
    text(img, (M + 55, 40), "Share Dealing Service \u00b7 1 Exchange Row, Tickerdell", font(SANS, 10),
         (70, 96, 80))
    # the big word, below the statement number that the game prints at (550, 20) right-aligned
    text(img, (R - 7, 40), "STATEMENT", font(SANS_BOLD, 26), (20, 80, 50), anchor="ra", spacing=2)
    d.line([(L, 76), (R, 76)], fill=(20, 80, 50), width=2)
    d.line([(L, 79), (R, 79)], fill=(190, 160, 70))
    # account details box
    fs = font(SANS, 10)
    fsb = font(SANS_BOLD, 10)
    d.rectangle([L, 88, R, 126], fill=(236, 244, 236), outline=(150, 180, 160))
    for x, label, value in ((M, "ACCOUNT", "Private Client Dealing"), (240, "ACCOUNT NO.", "TKD-100000"),
                            (410, "CURRENCY", "Pounds sterling (\u00a3)")):
        text(img, (x, 94), label, fs, (90, 120, 100))
        text(img, (x, 108), value, fsb, (20, 50, 34))
    # the table: headings at y 140 and 155, ten rows from 175, 15 pixels each
    d.rectangle([L, 136, R, 171], fill=(220, 236, 224))
    d.line([(L, 136), (R, 136)], fill=(20, 80, 50), width=1)
    d.line([(L, 171), (R, 171)], fill=(20, 80, 50), width=1)
    for k in range(10):
        y = 175 + 15 * k
        if k % 2 == 1:
            d.rectangle([L, y, R, y + 14], fill=(236, 244, 234))
        d.line([(L, y + 14), (R, y + 14)], fill=(222, 230, 220))
    d.line([(L, 325), (R, 325)], fill=(20, 80, 50))
    # the page commission total's box, with a gold line under it
    bl, bt, br, bb = STATE_TOTAL_BOX
    d.rectangle([bl, bt, br, bb], fill=(246, 248, 238), outline=(150, 180, 160))
    d.line([(bl, bb + 1), (br, bb + 1)], fill=(190, 160, 70))
    text(img, (M, 338), "Deals are settled at the close of the trading day on which the broker is rung.",
         font(SANS, 9), (110, 130, 116))
    text(img, (M, 350), "Sales are shown in brackets. Commission: 0.2% of the deal value plus \u00a310.",
         font(SANS, 9), (110, 130, 116))
    # the button plinth along the bottom
    d.rectangle([260, 406, 590, 474], fill=(226, 234, 224), outline=(170, 190, 176))
    text(img, (M, 440), "Tickerdell Securities is a", font(SANS, 9), (120, 140, 126))
    text(img, (M, 452), "fictional broker. For play only.", font(SANS, 9), (120, 140, 126))
    return img


def paint_state_face(img, args, state):
    draw_face(img, args["face"], state, args["icon"], args["label"], PAPER_STYLE, font(SANS_BOLD, 11), frame=2,
              icon_size=24, label_gap=3)


def statement_and_buttons():
    background = statement_background()
    faces = []
    for focus_name, pressed_name, disabled_name, label, icon, x in STATE_BUTTONS:
        args = dict(rect=(x, STATE_BUTTON_Y, STATE_BUTTON_W, STATE_BUTTON_H),
                    face=(x, STATE_BUTTON_Y + 1, STATE_BUTTON_W, STATE_BUTTON_H - 1), icon=icon, label=label)
        faces.append((focus_name, pressed_name, disabled_name, args))
    screen = background.copy()
    for _, _, _, args in faces:
        paint_state_face(screen, args, NORMAL)
    images = {"STATE": screen}
    for focus_name, pressed_name, disabled_name, args in faces:
        images.update(cut_state_images(screen, paint_state_face, args, focus_name, pressed_name))
        if disabled_name:
            # the whole face, drawn where the button draws it, at (0, 1) inside its rectangle
            faded = screen.copy()
            paint_state_face(faded, args, DISABLED)
            fx, fy, fw, fh = args["face"]
            images[disabled_name] = faded.crop((fx, fy, fx + fw, fy + fh))
    return images


# ---------------------------------------------------------------------------------------------------------
# The graph's dark plot background.

def graph_dark():
    W, H = 561, 377
    img = vgradient((W, H), [(0, (10, 18, 42)), (0.6, (6, 12, 30)), (1, (3, 8, 20))])
    radial_glow(img, (W // 2, H // 2), (420, 300), (22, 40, 72), 0.55)
    d = ImageDraw.Draw(img)
    for x in range(0, W, 20):
        for y in range(0, H, 2):
            d.point((x, y), fill=(16, 28, 52))
    for y in range(0, H, 20):
        for x in range(0, W, 2):
            d.point((x, y), fill=(16, 28, 52))
    d.rectangle([0, 0, W - 1, H - 1], outline=(30, 46, 80))
    return img


# ---------------------------------------------------------------------------------------------------------
# The About box logo, the credits, the other-games backdrop and the 'Discover' poster.

def logo_mark(img, box):
    """The house mark: a green board with volume bars and a rising gold line."""
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    W, H = img.size

    def board(d, s):
        d.rounded_rectangle([x0 * s, y0 * s, x1 * s, y1 * s], radius=w * 0.18 * s, fill=255)
    m = shape_mask((W, H), board)
    shade = Image.new("L", (W, H), 0)
    shade.paste(m, (3, 4))
    paint(img, shade.filter(ImageFilter.GaussianBlur(3)), (0, 0, 0), 0.6)
    img.paste(vgradient((W, H), [(0, (30, 110, 72)), (1, (10, 52, 32))]), (0, 0), m)
    inner = shape_mask((W, H), lambda d, s: d.rounded_rectangle(
        [(x0 + 3) * s, (y0 + 3) * s, (x1 - 3) * s, (y1 - 3) * s], radius=w * 0.15 * s, outline=255, width=s))
    paint(img, inner, GOLD, 0.8)
    d = ImageDraw.Draw(img)
    for k in (1, 2, 3):
        yy = y0 + k * h // 4
        d.line([(x0 + 8, yy), (x1 - 8, yy)], fill=(50, 120, 84))
    bars = [0.35, 0.55, 0.30, 0.70, 0.50]
    bw = (w - 20) / (2 * len(bars))
    for i, v in enumerate(bars):
        bx = x0 + 10 + i * 2 * bw + bw / 2
        d.rectangle([bx, y1 - 8 - v * h * 0.3, bx + bw, y1 - 8], fill=(214, 232, 214))
    pts = [(0.12, 0.64), (0.32, 0.45), (0.46, 0.57), (0.66, 0.30), (0.86, 0.16)]
    xy = [(x0 + x * w, y0 + y * h) for x, y in pts]
    lm = polyline_mask((W, H), xy, max(3, w / 14))
    sh = Image.new("L", (W, H), 0)
    sh.paste(lm, (2, 2))
    paint(img, sh, (90, 60, 0))
    paint(img, lm, GOLD)


def about_logo():
    W, H = 288, 151
    img = vgradient((W, H), [(0, (16, 34, 70)), (0.55, (10, 44, 40)), (1, (4, 24, 20))])
    grid(img, (0, 0, W - 1, H - 1), 16, 16, (20, 56, 56), dotted=True)
    radial_glow(img, (170, 60), (160, 80), (255, 190, 80), 0.18)
    logo_mark(img, (14, 26, 86, 98))
    box = fancy_text(img, (98, 36), "Tickerdell", font(SERIF_BOLD, 30),
                     [(0, (255, 246, 196)), (0.45, (255, 206, 72)), (0.55, (230, 160, 30)), (1, (255, 214, 96))],
                     outline=(58, 34, 0), stroke=2, shadow_offset=(2, 3), blur=2)
    d = ImageDraw.Draw(img)
    mid = (box[0] + box[2]) / 2
    d.line([(box[0], box[3] + 9), (box[2], box[3] + 9)], fill=GOLD_DARK)
    text(img, (mid, box[3] + 15), "THE SHARE DEALING GAME", font(SANS_BOLD, 8), CREAM, anchor="ma", spacing=1)
    # a strip of ticker along the bottom
    d.rectangle([0, 116, W - 1, 138], fill=(3, 6, 8))
    d.line([(0, 115), (W - 1, 115)], fill=GOLD_DARK)
    d.line([(0, 139), (W - 1, 139)], fill=GOLD_DARK)
    # the title's companies and arrows, with no prices, as many as fit whole
    f = font(MONO_BOLD, 11)
    x = 6
    for name, direction in TICKER:
        short = name.split()[0]
        arrow = "\u25b2" if direction > 0 else "\u25bc"
        if x + f.getlength(short) + 4 + f.getlength(arrow) > W - 6:
            break
        text(img, (x, 127), short, f, AMBER, anchor="lm")
        x += f.getlength(short) + 4
        text(img, (x, 127), arrow, f, UP if direction > 0 else DOWN, anchor="lm")
        x += f.getlength(arrow) + 12
    scan_lines(img, (0, 117, W - 1, 139), 0.3)
    d.rectangle([0, 0, W - 1, H - 1], outline=GOLD_DARK)
    d.rectangle([1, 1, W - 2, H - 2], outline=(6, 12, 20))
    return img


def credit_picture():
    W, H = 422, 238
    img = vgradient((W, H), [(0, (252, 248, 236)), (1, (238, 232, 212))])
    # engraved-note lines, very faint, so black text on top stays clear
    pat = Image.new("L", (W, H), 0)
    pd = ImageDraw.Draw(pat)
    for k in range(0, 40):
        r = 20 + k * 7
        pd.ellipse([300 - r * 1.4, 120 - r, 300 + r * 1.4, 120 + r], outline=255)
    for x in range(0, W, 4):
        off = math.sin(x / 11.0) * 4
        pd.line([(x, H - 12 + off), (x + 4, H - 12 - off)], fill=255)
    paint(img, pat, (200, 216, 196), 0.45)
    # watermark rising line
    pts = [(150, 200), (200, 170), (236, 184), (290, 130), (330, 140), (400, 70)]
    paint(img, polyline_mask((W, H), pts, 10), (232, 222, 190), 0.9)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, W - 1, H - 1], outline=(20, 80, 50))
    d.rectangle([2, 2, W - 3, H - 3], outline=(190, 160, 70))
    # the studio's seal in the free space at the right
    cx, cy, r = 372, 84, 36

    def seal(dd, s):
        dd.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)
    sm = shape_mask((W, H), seal)
    sh = Image.new("L", (W, H), 0)
    sh.paste(sm, (2, 3))
    paint(img, sh.filter(ImageFilter.GaussianBlur(2)), (120, 100, 60), 0.5)
    img.paste(vgradient((W, H), [(0, (40, 120, 80)), (1, (12, 60, 36))]), (0, 0), sm)
    ring = shape_mask((W, H), lambda dd, s: dd.ellipse(
        [(cx - r + 4) * s, (cy - r + 4) * s, (cx + r - 4) * s, (cy + r - 4) * s], outline=255, width=int(1.5 * s)))
    paint(img, ring, GOLD)
    text(img, (cx, cy - 15), "DELLWOOD", font(SANS_BOLD, 9), GOLD_LIGHT, anchor="mm")
    text(img, (cx, cy + 1), "\u2605", font(SANS_BOLD, 14), GOLD, anchor="mm")
    text(img, (cx, cy + 15), "PIXEL WORKS", font(SANS_BOLD, 8), GOLD_LIGHT, anchor="mm")
    text(img, (cx, cy + r + 10), "made by the", font(TIMES_ITALIC, 10), (90, 100, 80), anchor="ma")
    text(img, (cx, cy + r + 22), "Dellwood team", font(TIMES_ITALIC, 10), (90, 100, 80), anchor="ma")
    return img


def other_games_picture():
    W, H = 640, 460
    img = vgradient((W, H), [(0, (14, 22, 56)), (0.5, (8, 30, 44)), (1, (4, 16, 20))])
    rng = random.Random(105)
    d = ImageDraw.Draw(img)
    for _ in range(140):
        x, y = rng.randrange(W), rng.randrange(H)
        c = rng.randint(40, 120)
        d.point((x, y), fill=(c, c, min(255, c + 40)))
    radial_glow(img, (320, 40), (300, 80), (255, 190, 80), 0.2)
    fancy_text(img, (W / 2, 16), "More from Dellwood Pixel Works", font(SERIF_BOLD, 30),
               [(0, (255, 244, 190)), (0.5, GOLD), (1, (214, 146, 24))], outline=(50, 30, 0), stroke=2,
               anchor="ma", shadow_offset=(2, 3), blur=2)
    d.line([(120, 62), (520, 62)], fill=GOLD_DARK)
    d.ellipse([316, 59, 324, 65], fill=GOLD)
    # a dark panel behind the white paragraphs (x 38-610, y 88-392)
    panel = Image.new("L", (W, H), 0)
    ImageDraw.Draw(panel).rounded_rectangle([24, 78, 616, 402], radius=10, fill=255)
    shade = Image.new("L", (W, H), 0)
    shade.paste(panel, (4, 5))
    paint(img, shade.filter(ImageFilter.GaussianBlur(4)), (0, 0, 0), 0.6)
    img.paste(vgradient((W, H), [(0, (16, 30, 58)), (0.3, (6, 14, 30)), (1, (3, 10, 18))]), (0, 0), panel)
    inner = Image.new("L", (W, H), 0)
    ImageDraw.Draw(inner).rounded_rectangle([25, 79, 615, 401], radius=10, fill=255)
    grid_img = img.copy()
    grid(grid_img, (24, 78, 616, 402), 24, 24, (14, 30, 48), dotted=True)
    img.paste(grid_img, (0, 0), inner)
    pts = price_line_points(random.Random(230), (40, 150, 600, 390), 28, start=0.9, drift=-0.03, vol=0.1)
    paint(img, polyline_mask((W, H), pts, 6), (22, 44, 60), 0.8)
    ring = shape_mask((W, H), lambda dd, s: dd.rounded_rectangle(
        [24 * s, 78 * s, 616 * s, 402 * s], radius=10 * s, outline=255, width=s))
    paint(img, ring, GOLD_DARK)
    # three little game boxes along the bottom, their names still a secret
    motifs = ("ship", "rail", "flag")
    for i, (col, motif) in enumerate(zip(((40, 92, 170), (170, 60, 44), (34, 128, 76)), motifs)):
        bx, by = 190 + i * 92, 410
        box_img = vgradient((68 * SS, 40 * SS), [(0, mix(col, (255, 255, 255), 0.3)), (1, mix(col, (0, 0, 0), 0.3))])
        bd = ImageDraw.Draw(box_img)

        def q(x, y):
            return (x * SS, y * SS)
        if motif == "ship":
            bd.polygon([q(14, 28), q(54, 28), q(48, 35), q(20, 35)], fill=(30, 24, 20))
            bd.polygon([q(34, 6), q(34, 26), q(20, 26)], fill=CREAM)
            bd.polygon([q(36, 9), q(36, 26), q(48, 26)], fill=(230, 230, 220))
            bd.line([q(6, 37), q(62, 37)], fill=(200, 230, 255), width=SS)
        elif motif == "rail":
            for k in range(8):
                bd.line([q(8 + k * 7, 30), q(10 + k * 7, 36)], fill=(60, 40, 20), width=2 * SS)
            bd.line([q(4, 31), q(64, 31)], fill=(200, 200, 210), width=SS)
            bd.line([q(4, 35), q(64, 35)], fill=(200, 200, 210), width=SS)
            bd.rounded_rectangle([q(16, 14), q(42, 28)], radius=2 * SS, fill=(30, 30, 36))
            bd.rectangle([q(36, 8), q(46, 28)], fill=(30, 30, 36))
            bd.rectangle([q(20, 6), q(24, 14)], fill=(30, 30, 36))
            bd.ellipse([q(12, 2), q(22, 8)], fill=(230, 230, 230))
        else:
            bd.ellipse([q(-10, 26), q(78, 60)], fill=(60, 170, 80))
            bd.line([q(38, 6), q(38, 30)], fill=(250, 250, 250), width=SS)
            bd.polygon([q(39, 6), q(52, 10), q(39, 14)], fill=(230, 50, 40))
            bd.ellipse([q(24, 26), q(28, 30)], fill=(255, 255, 255))
        box_img = box_img.resize((68, 40), Image.Resampling.LANCZOS)
        d.rectangle([bx + 3, by + 3, bx + 71, by + 43], fill=(0, 0, 0))
        img.paste(box_img, (bx + 1, by + 1))
        d.rectangle([bx, by, bx + 69, by + 41], outline=GOLD)
    text(img, (170, 431), "Coming soon", font(TIMES_ITALIC, 14), CREAM, anchor="rm")
    text(img, (470, 431), "Click to return", font(SANS, 10), (150, 170, 160), anchor="lm")
    return img


def discover_poster():
    W, H = 640, 480
    img = vgradient((W, H), [(0, (10, 20, 52)), (0.55, (8, 46, 42)), (1, (3, 22, 16))])
    radial_glow(img, (470, 190), (330, 240), (255, 180, 60), 0.32)
    radial_glow(img, (120, 80), (200, 120), (90, 140, 255), 0.12)
    grid(img, (0, 150, W - 1, H - 1), 40, 30, (26, 70, 62), dotted=False)
    rng = random.Random(10111)
    # candlesticks climbing
    d = ImageDraw.Draw(img)
    level = 410.0
    for i in range(22):
        x = 60 + i * 26
        o = level
        level -= rng.uniform(-10, 22)
        c = level
        hi, lo = min(o, c) - rng.uniform(4, 14), max(o, c) + rng.uniform(4, 14)
        col = (70, 200, 110) if c < o else (200, 70, 60)
        d.line([(x + 5, hi), (x + 5, lo)], fill=mix(col, (0, 0, 0), 0.3), width=1)
        d.rectangle([x, min(o, c), x + 10, max(o, c)], fill=mix(col, (0, 0, 0), 0.15), outline=mix(col, (0, 0, 0),
                                                                                                      0.5))
    # the big rising line with a glow and a soft fill beneath
    pts = price_line_points(rng, (30, 170, 610, 420), 26, start=0.95, drift=-0.038, vol=0.10)
    area = shape_mask((W, H), lambda dd, s: dd.polygon([(x * s, y * s) for x, y in pts] +
                                                       [(610 * s, 470 * s), (30 * s, 470 * s)], fill=255))
    fade = vgradient((W, H), [(0, (120, 120, 120)), (1, (0, 0, 0))]).convert("L")
    paint(img, ImageChops.multiply(area, fade), (255, 190, 60), 0.55)
    m = polyline_mask((W, H), pts, 4)
    glow(img, m, (255, 160, 40), 8, 0.9)
    paint(img, m, GOLD_LIGHT)
    ex, ey = pts[-1]
    head = shape_mask((W, H), lambda dd, s: dd.polygon(
        [((ex + 8) * s, (ey - 16) * s), ((ex - 14) * s, (ey - 8) * s), ((ex + 2) * s, (ey + 8) * s)], fill=255))
    paint(img, head, GOLD_LIGHT)
    # headline
    text(img, (40, 34), "READY FOR THE REAL THING?", font(SANS_BOLD, 15), (190, 220, 255), spacing=3,
         shadow=(0, 0, 0))
    fancy_text(img, (36, 56), "Discover the", font(SERIF_BOLD, 44),
               [(0, (255, 255, 255)), (1, (200, 214, 230))], outline=(10, 20, 40), stroke=2, shadow_offset=(3, 4))
    fancy_text(img, (36, 106), "Stock Market", font(SERIF_BOLD, 58),
               [(0, (255, 246, 196)), (0.45, (255, 206, 72)), (0.55, (230, 160, 30)), (1, (255, 214, 96))],
               outline=(58, 34, 0), stroke=3, shadow_offset=(3, 5), glow_colour=(255, 160, 40), glow_radius=12,
               glow_opacity=0.3)
    # the pitch, in a glassy panel
    panel_box = (36, 196, 300, 342)
    pm = Image.new("L", (W, H), 0)
    ImageDraw.Draw(pm).rounded_rectangle(panel_box, radius=10, fill=255)
    paint(img, pm, (2, 8, 20), 0.7)
    ring = shape_mask((W, H), lambda dd, s: dd.rounded_rectangle([v * s for v in panel_box], radius=10 * s,
                                                                 outline=255, width=s))
    paint(img, ring, GOLD_DARK)
    gl = Image.new("L", (W, H), 0)
    ImageDraw.Draw(gl).rounded_rectangle([panel_box[0] + 2, panel_box[1] + 2, panel_box[2] - 2,
                                          panel_box[1] + 30], radius=9, fill=255)
    paint(img, gl, (255, 255, 255), 0.07)
    lines = ["You have learnt the ropes on the", "Tickerdell floor. Real companies,",
             "real shares and real news are out", "there waiting for you."]
    for i, s in enumerate(lines):
        text(img, (52, 208 + i * 18), s, font(SANS, 12), (230, 236, 240), shadow=(0, 0, 0))
    for i, s in enumerate(("Read the city pages", "Follow a few companies", "Start small, think long")):
        y = 288 + i * 17
        d.ellipse([54, y + 3, 62, y + 11], fill=GOLD, outline=GOLD_DARK)
        text(img, (70, y), s, font(SANS_BOLD, 12), GOLD_LIGHT, shadow=(0, 0, 0))
    # small print
    d.rectangle([0, 446, W - 1, H - 1], fill=(2, 8, 8))
    d.line([(0, 446), (W - 1, 446)], fill=GOLD_DARK)
    text(img, (20, 457), "The value of shares can go down as well as up.", font(SANS, 10), (160, 170, 160))
    text(img, (W - 20, 457), "Click anywhere to return", font(SANS_BOLD, 10), GOLD, anchor="ra")
    return img


# ---------------------------------------------------------------------------------------------------------
# 8-bit BMP output.

SIZES = {
    "TD_TITLE": (640, 480), "X_TRADTR": (640, 480), "EARNER": (640, 420), "PSHARE": (640, 420),
    "STATE": (640, 480), "GRAPDARK": (561, 377), "X_TD_LOG": (288, 151), "CREDIT": (422, 238),
    "OGPIC": (640, 460), "FORREAL": (640, 480),
    "BT_RTB": (104, 69), "BT_RTB1": (104, 69), "BT_PORT": (104, 69), "BT_PORT1": (104, 69),
    "BT_ABOUT": (104, 69), "BT_ABOU1": (104, 69), "BT_EXIT": (104, 69), "BT_EXIT1": (104, 69),
    "BT_CAR": (104, 69), "BT_CAR1": (104, 69), "BT_POP": (104, 69), "BT_POP1": (104, 69),
    "BT_STPV": (99, 53), "BT_STNX": (99, 53), "BT_STEX": (99, 53),
    "BT_STPV1": (97, 51), "BT_STNX1": (97, 51), "BT_STEX1": (96, 51),
    "BT_STPV2": (98, 51), "BT_STNX2": (98, 51),
}


# The main screen's 256 colours, as first chosen for the title and its ten button images. They are kept
# fixed so that redrawing the title does not re-colour the button images cut from it: each image must
# match the title pixel for pixel wherever the game draws it.
MAIN_PALETTE = bytes.fromhex(
    "fff4b9fff19effe99affe583ffda6affd65cffd650ffd257ffcc45f9e7acfbce58f9c74cf5bf42e7d390eebf4b98d4a8"
    "d0c3905cdf7aefb539ecae2ff9aa20eaa423d5ac4796a968c99b38a3905177ab765b9e6d55966a4a936d558d5e488f69"
    "468d68438964418662b07e1e9b681196680ea264178f712f647b4141825f636f41635a303f82603e7f5e3b815d3d7d5c"
    "397c5a3c7857387858397556376d4d2d755029704c296d4b286a49236846296441216543235e3d1e60401c5c3d1e593c"
    "1b583a1a5739195437195336185236185136624214473c1b3d34153e2807383d25372b0f34486e303d273035202e321f"
    "2e2a16233d31233524263121252e22202d1f232b221e2b221c2b1f2426181c2822174f34174e33164d32164b31154930"
    "15492f14493014482f153e2e163029182a1e17274e16264c15244914244814234816252c16262617272517281d16251c"
    "13472e12452d13442c11432c12412a113f2910412a103d280e3d280f3b270f39260e38250d36230d35220e33250c3221"
    "0b3120103029112e29102d260c30200a2c1b0e2a240d282311271d0c27201223250e241f10241a0c241d0b241f0a231e"
    "0a231c481d143a22013a22003a1b0d36200328200a2d1d06211f122319091f1406112133112224111e3b151f15151912"
    "15140c161007130d07100b050d20260b1f270c22200a221e0c21190d19350b162f0b1d1f0b17190b152e0a142d0a151d"
    "0d15130c11130d110c0c0d090c0a070b080409221d08221d09211f091f2408202109211c08201c082016081f1809171b"
    "09141b09131a081219091216081118081117091113090f20090f1208090807221d07211d06211d06211c06211b06221a"
    "06211a07211607201e071f1a071f18052118051f17051f16031f13061e18061e17051e19051e17051e16021e1403190e"
    "061015040e0e050c11050b11060c10040b10060b0b060a0d040a10040a0f040a0a040a08000c07030a06010a09000a04"
    "04081404090d05090c03080c070808050708040708060605010807030608010604050505030405020405000201000000"
)


def shared_palette(images):
    """One 256-colour palette for a group of pictures, so a button image matches its screen exactly."""
    width = max(im.width for im in images)
    height = sum(im.height for im in images)
    sheet = Image.new("RGB", (width, height))
    y = 0
    for im in images:
        sheet.paste(im, (0, y))
        y += im.height
    return sheet.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)


def fixed_palette(rgb_bytes):
    palette = Image.new("P", (1, 1))
    palette.putpalette(rgb_bytes)
    return palette


def to_indexed(img, palette_image):
    return img.convert("RGB").quantize(palette=palette_image, dither=Image.Dither.NONE)


def bmp_bytes(indexed):
    w, h = indexed.size
    pal = indexed.getpalette()[:768]
    pal += [0] * (768 - len(pal))
    table = bytearray()
    for i in range(256):
        r, g, b = pal[3 * i:3 * i + 3]
        table += bytes((b, g, r, 0))
    stride = (w + 3) & ~3
    raw = indexed.tobytes()
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        rows += raw[y * w:(y + 1) * w] + bytes(stride - w)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + bytes(table) + bytes(rows)


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: make_pictures.py OUTPUT_DIR")
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    groups = [(main_screen(), fixed_palette(MAIN_PALETTE)), (statement_and_buttons(), None),
              (pshare_and_buttons(), None)]
    for single, fn in (("X_TRADTR", news_page), ("EARNER", earner_screen), ("GRAPDARK", graph_dark),
                       ("X_TD_LOG", about_logo), ("CREDIT", credit_picture), ("OGPIC", other_games_picture),
                       ("FORREAL", discover_poster)):
        groups.append(({single: fn()}, None))
    written = set()
    for group, palette in groups:
        names = sorted(group)
        palette = palette or shared_palette([group[n] for n in names])
        for name in names:
            img = group[name]
            if img.size != SIZES[name]:
                raise SystemExit("%s drawn at %s, expected %s" % (name, img.size, SIZES[name]))
            with open(os.path.join(out_dir, name + ".bmp"), "wb") as f:
                f.write(bmp_bytes(to_indexed(img, palette)))
            written.add(name)
    missing = set(SIZES) - written
    if missing:
        raise SystemExit("not drawn: " + ", ".join(sorted(missing)))


if __name__ == "__main__":
    main()
