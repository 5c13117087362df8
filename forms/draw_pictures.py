#!/usr/bin/env python3
"""Draws the pictures of the main program's windows (banner, navigation buttons,
strips, splash, About background, the memory page's buttons, the junk cleaner page's buttons
and tree images, the registry backup page's row image and please-wait picture, the system
optimizer's preset icons) into forms/main, forms/splash, forms/about, forms/memory, forms/junk, and the
updater's header into updater/program/forms.

Run with the system Python (it needs PIL):  /usr/bin/python3 forms/draw_pictures.py
The PNGs it writes are committed; run it again after changing a colour or a text."""
import math
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # supersampling factor for shapes; text is drawn at the final size

# Palette: a deep blue brand colour, light greys for the navigation column.
BRAND_DARK = (16, 52, 96)
BRAND = (30, 99, 182)
BRAND_LIGHT = (52, 140, 230)
ACCENT = (255, 176, 32)
TEXT = (52, 58, 66)
TEXT_SOFT = (96, 104, 114)
NAV_BG = (244, 244, 244)
LINE = (222, 224, 228)
HOVER = (228, 239, 251)
PRESS = (212, 229, 249)
WHITE = (255, 255, 255)

FONT_DIRS = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation"]


def font(size, bold=False):
    names = ["DejaVuSans-Bold.ttf", "LiberationSans-Bold.ttf"] if bold else \
            ["DejaVuSans.ttf", "LiberationSans-Regular.ttf"]
    for d in FONT_DIRS:
        for n in names:
            p = os.path.join(d, n)
            if os.path.exists(p):
                return ImageFont.truetype(p, size)
    return ImageFont.load_default()


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def vgradient(w, h, top, bottom):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line([(0, y), (w, y)], fill=lerp(top, bottom, y / max(1, h - 1)))
    return img


def diagonal_gradient(w, h, c0, c1):
    """Brand background: a diagonal blend with soft light circles on the right."""
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        for x in range(w):
            t = (x / w) * 0.75 + (y / h) * 0.25
            px[x, y] = lerp(c0, c1, t)
    overlay = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(overlay)
    for cx, cy, r, a in ((0.86, -0.2, 0.55, 13), (0.98, 0.9, 0.35, 11), (0.70, 1.15, 0.30, 9)):
        rr = r * h * SS * 1.6
        x0, y0 = cx * w * SS, cy * h * SS
        d.ellipse([x0 - rr, y0 - rr, x0 + rr, y0 + rr], fill=(255, 255, 255, a))
    overlay = overlay.resize((w, h), Image.LANCZOS)
    img = img.convert("RGBA")
    img.alpha_composite(overlay)
    return img.convert("RGB")


def logo(size):
    """The product mark: a rounded square with a white quill stroke and an amber nib."""
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, s - 1, s - 1], radius=s // 4, fill=(255, 255, 255, 46),
                        outline=(255, 255, 255, 150), width=max(SS, s // 28))
    # Feather: a leaf shape leaning to the right.
    pts = []
    for i in range(41):
        t = i / 40
        x = 0.28 + 0.48 * t
        y = 0.80 - 0.62 * t
        off = math.sin(t * math.pi) * 0.11
        pts.append(((x - off * 0.7) * s, (y - off * 0.7) * s))
    for i in range(40, -1, -1):
        t = i / 40
        x = 0.28 + 0.48 * t
        y = 0.80 - 0.62 * t
        off = math.sin(t * math.pi) * 0.11
        pts.append(((x + off * 0.7) * s, (y + off * 0.7) * s))
    d.polygon(pts, fill=(255, 255, 255, 255))
    d.line([(0.24 * s, 0.84 * s), (0.66 * s, 0.30 * s)], fill=BRAND + (255,), width=max(SS, s // 22))
    d.ellipse([0.17 * s, 0.77 * s, 0.31 * s, 0.91 * s], fill=ACCENT + (255,))
    return img.resize((size, size), Image.LANCZOS)


# ---- navigation icons, drawn on a 16x16 grid (scaled by SS) -------------------------------

def icon(name, colour, size=16):
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = colour + (255,)
    u = s / 16.0
    w = int(round(1.6 * u))

    def P(x, y):
        return (x * u, y * u)

    if name == "home":
        d.line([P(1.5, 8), P(8, 2), P(14.5, 8)], fill=c, width=w, joint="curve")
        d.rectangle([P(3.6, 7.2), P(12.4, 14)], outline=c, width=w)
        d.rectangle([P(6.8, 9.8), P(9.2, 14)], fill=c)
    elif name == "oneclick":
        d.polygon([P(9.5, 1), P(3, 9.2), P(7.6, 9.2), P(6.2, 15), P(13, 6.6), P(8.4, 6.6)], fill=c)
    elif name == "clean":
        def star(cx, cy, r):
            k = r * 0.28
            d.polygon([P(cx, cy - r), P(cx + k, cy - k), P(cx + r, cy), P(cx + k, cy + k),
                       P(cx, cy + r), P(cx - k, cy + k), P(cx - r, cy), P(cx - k, cy - k)], fill=c)
        star(6.5, 9, 6)
        star(12.5, 3.5, 3)
        star(13, 12.5, 2)
    elif name == "optimizer":
        d.arc([P(1.5, 2.5), P(14.5, 15.5)], start=150, end=390, fill=c, width=w)
        d.line([P(8, 9), P(11.8, 5.2)], fill=c, width=w)
        d.ellipse([P(6.6, 7.6), P(9.4, 10.4)], fill=c)
    elif name == "tools":
        for x, y in ((1.5, 1.5), (9, 1.5), (1.5, 9), (9, 9)):
            d.rounded_rectangle([P(x, y), P(x + 5.5, y + 5.5)], radius=1.2 * u,
                                fill=c if (x, y) != (9, 9) else None, outline=c, width=w)
    elif name == "backup":
        d.ellipse([P(2.5, 1.5), P(13.5, 5.5)], outline=c, width=w)
        d.line([P(2.5 + 0.1, 3.5), P(2.5 + 0.1, 12.5)], fill=c, width=w)
        d.line([P(13.5 - 0.1, 3.5), P(13.5 - 0.1, 12.5)], fill=c, width=w)
        d.arc([P(2.5, 6), P(13.5, 10)], start=0, end=180, fill=c, width=w)
        d.arc([P(2.5, 10.5), P(13.5, 14.5)], start=0, end=180, fill=c, width=w)
    elif name == "settings":
        cx, cy = 8 * u, 8 * u
        for i in range(8):
            a = i * math.pi / 4
            x, y = cx + math.cos(a) * 5.6 * u, cy + math.sin(a) * 5.6 * u
            d.ellipse([x - 1.6 * u, y - 1.6 * u, x + 1.6 * u, y + 1.6 * u], fill=c)
        d.ellipse([P(2.8, 2.8), P(13.2, 13.2)], fill=c)
        d.ellipse([P(5.8, 5.8), P(10.2, 10.2)], fill=(0, 0, 0, 0))
    elif name == "results":
        for x, top in ((2, 8), (6.5, 3), (11, 6)):
            d.rectangle([P(x, top), P(x + 3, 14)], fill=c)
        d.line([P(1, 15), P(15, 15)], fill=c, width=max(1, w // 2))
    else:
        raise ValueError(name)
    return img.resize((size, size), Image.LANCZOS)


def chevron(colour, size=8):
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.line([(s * 0.3, s * 0.15), (s * 0.7, s * 0.5), (s * 0.3, s * 0.85)], fill=colour + (255,),
           width=int(s * 0.18), joint="curve")
    return img.resize((size, size), Image.LANCZOS)


def text_mid(d, x, h, text, fnt, fill):
    """Draws text left-aligned at x, centred vertically in a band of height h."""
    top, bottom = fnt.getbbox("Hg")[1], fnt.getbbox("Hg")[3]
    y = (h - (bottom - top)) / 2 - top
    d.text((x, y), text, font=fnt, fill=fill)


# ---- the pictures --------------------------------------------------------------------------

NAV_W = 199
HEADER_H = 32
FEATURE_H = 28


def header_button(icon_name, text, look):
    if look == "normal":
        img = vgradient(NAV_W, HEADER_H, (250, 250, 250), (238, 239, 241))
        fg, ic = TEXT, BRAND
    elif look == "over":
        img = vgradient(NAV_W, HEADER_H, (238, 245, 253), (222, 235, 250))
        fg, ic = BRAND_DARK, BRAND
    else:
        img = vgradient(NAV_W, HEADER_H, BRAND_LIGHT, BRAND)
        fg, ic = WHITE, WHITE
    d = ImageDraw.Draw(img)
    d.line([(0, HEADER_H - 1), (NAV_W, HEADER_H - 1)], fill=LINE if look != "down" else BRAND_DARK)
    d.line([(0, 0), (NAV_W, 0)], fill=WHITE if look != "down" else BRAND_LIGHT)
    if look == "down":
        d.rectangle([0, 0, 3, HEADER_H - 1], fill=ACCENT)
        img.paste(chevron(WHITE), (NAV_W - 20, 12), chevron(WHITE))
    img.paste(icon(icon_name, ic), (14, 8), icon(icon_name, ic))
    text_mid(d, 40, HEADER_H, text, font(12, bold=True), fg)
    return img


def feature_button(text, look):
    if look == "normal":
        bg, fg, chev, fnt = WHITE, TEXT_SOFT, (176, 184, 194), font(12)
    elif look == "over":
        bg, fg, chev, fnt = HOVER, BRAND_DARK, BRAND, font(12)
    else:
        bg, fg, chev, fnt = PRESS, BRAND_DARK, BRAND, font(12, bold=True)
    img = Image.new("RGB", (NAV_W, FEATURE_H), bg)
    d = ImageDraw.Draw(img)
    d.line([(16, FEATURE_H - 1), (NAV_W - 12, FEATURE_H - 1)], fill=(236, 237, 240))
    if look == "down":
        d.rectangle([0, 0, 3, FEATURE_H - 1], fill=BRAND)
    img.paste(chevron(chev), (26, 10), chevron(chev))
    text_mid(d, 40, FEATURE_H, text, fnt, fg)
    return img


HEADERS = [
    ("btnHome", "home", "Home"),
    ("btnOneClick", "oneclick", "1-Click Maintenance"),
    ("btnClean", "clean", "Clean Center"),
    ("btnOptimizer", "optimizer", "Optimizer Center"),
    ("btnTools", "tools", "Advanced Tools"),
    ("btnBack", "backup", "Backup Center"),
    ("btnSettings", "settings", "Settings"),
    ("btnResults", "results", "Results"),
]

FEATURES = [
    ("btnRegsitryCleaner", "Registry Cleaner"),
    ("btnJunkCleaner", "Junk Cleaner"),
    ("btnEvidenceCleaner", "Evidence Cleaner"),
    ("btnFileCleaner", "File Shredder"),
    ("btnMemory", "Memory Optimizer"),
    ("btnSystem", "System Optimizer"),
    ("btnStartup", "Startup Manager"),
    ("btnUninstall", "Uninstall Manager"),
    ("btnProcess", "Process Manager"),
    ("btnService", "Service Manager"),
    ("btnBlockActivex", "Block Bad ActiveX"),
    ("btnReActive", "Re-Register ActiveX"),
    ("btnError", "Error Repair"),
    ("btnIE", "IE Manager"),
    ("btnLSP", "Winsock2 Repair"),
    ("btnFileAsso", "File Association Repair"),
    ("btnRegistryBack", "Registry Backup"),
    ("btnDriver", "Driver Backup"),
    ("btnIEFavorites", "Favorites Backup"),
    ("btnRestorePoint", "System Restore Point"),
]

MAIN_W = 787
BANNER_H = 110


def banner():
    img = diagonal_gradient(MAIN_W, BANNER_H, BRAND_DARK, BRAND_LIGHT)
    mark = logo(46)
    img.paste(mark, (22, 16), mark)
    d = ImageDraw.Draw(img)
    d.text((80, 14), "Quillstead", font=font(26, bold=True), fill=WHITE)
    d.text((82, 46), "Keep your PC clean, fast and healthy", font=font(11), fill=(205, 225, 246))
    # Darker band at the bottom that carries the section name.
    band = Image.new("RGBA", (MAIN_W, 34), (8, 30, 60, 70))
    base = img.convert("RGBA")
    base.alpha_composite(band, (0, BANNER_H - 34))
    d = ImageDraw.Draw(base)
    d.line([(0, BANNER_H - 34), (MAIN_W, BANNER_H - 34)], fill=(255, 255, 255, 40))
    d.rectangle([0, BANNER_H - 3, MAIN_W, BANNER_H - 1], fill=ACCENT + (255,))
    return base.convert("RGB")


def side_strip():
    img = vgradient(5, 433, (214, 222, 232), (232, 236, 241))
    return img


def footer():
    img = vgradient(MAIN_W, 22, (240, 242, 245), (226, 230, 235))
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (MAIN_W, 0)], fill=(200, 206, 214))
    return img


def splash():
    w, h = 517, 276
    img = diagonal_gradient(w, h, BRAND_DARK, BRAND_LIGHT)
    mark = logo(72)
    img.paste(mark, (36, 52), mark)
    d = ImageDraw.Draw(img)
    d.text((124, 52), "Quillstead", font=font(40, bold=True), fill=WHITE)
    d.text((127, 104), "PC maintenance made simple", font=font(14), fill=(205, 225, 246))
    d.line([(36, 196), (w - 36, 196)], fill=(120, 170, 225))
    d.rectangle([0, h - 4, w, h - 1], fill=ACCENT)
    return img


ABOUT_W, ABOUT_H = 420, 290


def about_background():
    img = Image.new("RGB", (ABOUT_W, ABOUT_H), WHITE)
    band = diagonal_gradient(ABOUT_W, 64, BRAND_DARK, BRAND_LIGHT)
    img.paste(band, (0, 0))
    mark = logo(40)
    img.paste(mark, (18, 12), mark)
    d = ImageDraw.Draw(img)
    d.text((68, 17), "Quillstead", font=font(22, bold=True), fill=WHITE)
    d.rectangle([0, 64, ABOUT_W, 66], fill=ACCENT)
    d.line([(16, 166), (ABOUT_W - 16, 166)], fill=LINE)
    d.rectangle([0, ABOUT_H - 40, ABOUT_W, ABOUT_H], fill=(245, 246, 248))
    d.line([(0, ABOUT_H - 40), (ABOUT_W, ABOUT_H - 40)], fill=LINE)
    return img


def updater_header():
    """The band across the top of the updater's window."""
    w, h = 453, 79
    img = diagonal_gradient(w, h, BRAND_DARK, BRAND_LIGHT)
    mark = logo(44)
    img.paste(mark, (18, 16), mark)
    d = ImageDraw.Draw(img)
    d.text((74, 16), "Quillstead Update Live", font=font(20, bold=True), fill=WHITE)
    d.text((76, 46), "Fetching the latest files for your program", font=font(11), fill=(205, 225, 246))
    d.rectangle([0, h - 3, w, h - 1], fill=ACCENT)
    return img


def app_icon(size):
    """The program icon: the product mark on a brand-blue rounded square."""
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, s - 1, s - 1], radius=s // 4, fill=255)
    fill = diagonal_gradient(s, s, BRAND_DARK, BRAND_LIGHT).convert("RGBA")
    img.paste(fill, (0, 0), mask)
    img = img.resize((size, size), Image.LANCZOS)
    mark = logo(size)
    img.alpha_composite(mark)
    return img


# ---- the junk cleaner page ----------------------------------------------------------------

ACTION_W, ACTION_H = 120, 36


def action_button(text, look):
    """A page's big action button: a rounded brand-coloured plate with white text."""
    top, bottom = {"normal": (BRAND_LIGHT, BRAND), "over": ((86, 162, 240), BRAND_LIGHT),
                   "down": (BRAND, BRAND_DARK)}[look]
    s = SS
    plate = vgradient(ACTION_W * s, ACTION_H * s, top, bottom)
    mask = Image.new("L", plate.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, plate.size[0] - 1, plate.size[1] - 1], radius=6 * s, fill=255)
    img = Image.new("RGB", plate.size, WHITE)
    img.paste(plate, (0, 0), mask)
    img = img.resize((ACTION_W, ACTION_H), Image.LANCZOS)
    d = ImageDraw.Draw(img)
    fnt = font(14, bold=True)
    width = d.textlength(text, font=fnt)
    text_mid(d, (ACTION_W - width) / 2 + (1 if look == "down" else 0), ACTION_H, text, fnt, WHITE)
    return img


JUNK_ACTIONS = [("btnScan", "Scan"), ("btnCancelScan", "Stop"), ("btnClear", "Clean"), ("btnFinish", "Finish")]

MASK_KEY = (255, 0, 255)


def junk_file(d, P, u):
    d.polygon([P(3, 1), P(10, 1), P(13, 4), P(13, 15), P(3, 15)], fill=(250, 250, 250, 255),
              outline=TEXT_SOFT + (255,), width=int(u))
    d.polygon([P(10, 1), P(10, 4), P(13, 4)], fill=(200, 204, 210, 255))
    for y in (7, 9.5, 12):
        d.line([P(5, y), P(11, y)], fill=(200, 120, 40, 255), width=int(u))


def junk_tree_strip():
    """The junk page's tree images, 16x16 each on the magenta mask colour: 0 drive, 1 drive being
    analysed, 2 drive finished with junk found, 3 junk file, 4 drive finished clean."""
    size = 16
    strip = Image.new("RGB", (size * 5, size), MASK_KEY)
    for index in range(5):
        s = size * SS
        img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        u = s / 16.0

        def P(x, y):
            return (x * u, y * u)

        if index == 3:
            junk_file(d, P, u)
        else:
            d.rounded_rectangle([P(1, 5), P(15, 12)], radius=1.5 * u, fill=(150, 158, 168, 255),
                                outline=(96, 104, 114, 255), width=int(u))
            d.rectangle([P(2.5, 9.6), P(13.5, 10.6)], fill=(120, 128, 138, 255))
            led = {0: (90, 200, 90), 1: ACCENT, 2: (214, 64, 52), 4: (60, 170, 70)}[index]
            d.ellipse([P(11.2, 6.6), P(13.6, 9)], fill=led + (255,))
            if index == 1:
                d.ellipse([P(6, 0.5), P(15.5, 10)], outline=BRAND + (255,), width=int(1.6 * u))
                d.line([P(13.8, 8.5), P(15.8, 11.5)], fill=BRAND + (255,), width=int(1.8 * u))
            elif index == 2:
                d.polygon([P(4, 0.5), P(8, 0.5), P(6, 4.5)], fill=(214, 64, 52, 255))
            elif index == 4:
                d.line([P(3, 2), P(5, 4), P(9, 0.5)], fill=(60, 170, 70, 255), width=int(1.8 * u))
        small = img.resize((size, size), Image.LANCZOS)
        # Hard edges: the image list masks by one colour, so no pixel may blend with the key.
        alpha = small.split()[3].point(lambda a: 255 if a >= 128 else 0)
        strip.paste(small.convert("RGB"), (index * size, 0), alpha)
    return strip


def save(img, rel):
    path = os.path.join(HERE, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, optimize=True)


# ---- the registry cleaner page (forms/regcleaner) -----------------------------------------

def no_image(d, P, u):
    pass


def row_scanning(d, P, u):
    d.ellipse([P(1, 1), P(11, 11)], outline=BRAND + (255,), width=int(2 * u))
    d.line([P(9.5, 9.5), P(15, 15)], fill=BRAND + (255,), width=int(2.6 * u))


def row_no_problems(d, P, u):
    d.ellipse([P(1, 1), P(15, 15)], fill=(60, 170, 70, 255))
    d.line([P(4.5, 8), P(7, 10.8), P(11.8, 5.2)], fill=(255, 255, 255, 255), width=int(2 * u))


def row_waiting(d, P, u):
    d.ellipse([P(2, 2), P(14, 14)], outline=(150, 158, 168, 255), width=int(1.6 * u))
    d.line([P(8, 4.5), P(8, 8.4), P(10.8, 10)], fill=(150, 158, 168, 255), width=int(1.4 * u))


def row_problems(d, P, u):
    d.ellipse([P(1, 1), P(15, 15)], fill=(214, 64, 52, 255))
    d.rectangle([P(7, 3.5), P(9, 9.5)], fill=(255, 255, 255, 255))
    d.rectangle([P(7, 11), P(9, 13)], fill=(255, 255, 255, 255))


def registry_problem(d, P, u):
    """The result rows' picture: the registry's blocks with a red warning badge."""
    for (x, y), colour in zip([(1, 3), (6.5, 3), (1, 8.5), (6.5, 8.5)],
                              [BRAND, BRAND_LIGHT, BRAND_LIGHT, (120, 170, 220)]):
        d.rectangle([P(x, y), P(x + 4.8, y + 4.8)], fill=colour + (255,))
    d.ellipse([P(8.5, 7.5), P(15.5, 14.5)], fill=(214, 64, 52, 255))
    d.rectangle([P(11.5, 8.8), P(12.5, 11.8)], fill=(255, 255, 255, 255))
    d.rectangle([P(11.5, 12.4), P(12.5, 13.4)], fill=(255, 255, 255, 255))


def regcleaner_pictures():
    for name, text in [("btnScan", "Scan"), ("btnCancelScan", "Stop"), ("btnClear", "Clean"),
                       ("btnFinish", "Finish")]:
        for look in ("normal", "over", "down"):
            save(page_button(text, look), f"regcleaner/{name}_{look}.png")
    # The category rows while scanning: 1 being scanned, 4 no problems, 6 waiting, 7 problems
    # found (the other places are empty).
    save(tree_strip([no_image, row_scanning, no_image, no_image, row_no_problems, no_image, row_waiting,
                     row_problems]), "regcleaner/rows16.bmp")
    save(tree_strip([registry_problem], 24), "regcleaner/result24.bmp")


# ---- the evidence cleaner and ActiveX blocking pages ---------------------------------------

TREE_KEY = (255, 0, 255)


def tree_strip(draw_calls, size=16):
    """Square tree images (16x16 unless told) side by side on the magenta mask colour, hard-edged
    so no pixel blends with the key. Each draw call works in a 16-unit square."""
    strip = Image.new("RGB", (size * len(draw_calls), size), TREE_KEY)
    for index, draw in enumerate(draw_calls):
        s = size * SS
        img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
        u = s / 16.0
        draw(ImageDraw.Draw(img), lambda x, y: (x * u, y * u), u)
        small = img.resize((size, size), Image.LANCZOS)
        alpha = small.split()[3].point(lambda a: 255 if a >= 128 else 0)
        strip.paste(small.convert("RGB"), (index * size, 0), alpha)
    return strip


def folder_open(d, P, u):
    d.polygon([P(1, 3), P(6, 3), P(7, 5), P(14, 5), P(14, 13), P(1, 13)], fill=(214, 160, 40, 255))
    d.polygon([P(3, 7), P(16, 7), P(13.5, 14), P(1, 14)], fill=ACCENT + (255,))


def folder_closed(d, P, u):
    d.polygon([P(1, 3), P(6, 3), P(7, 5), P(15, 5), P(15, 14), P(1, 14)], fill=ACCENT + (255,),
              outline=(200, 140, 30, 255))


def trace_item(d, P, u):
    d.rounded_rectangle([P(2, 2), P(14, 14)], radius=2 * u, fill=(250, 250, 250, 255), outline=BRAND + (255,),
                        width=int(u))
    for y in (5.5, 8, 10.5):
        d.line([P(4.5, y), P(11.5, y)], fill=BRAND_LIGHT + (255,), width=int(u))


def padlock(closed):
    def draw(d, P, u):
        colour = (196, 52, 44, 255) if closed else (60, 160, 70, 255)
        shackle = [P(4.5, 1.5), P(11.5, 10)] if closed else [P(8.5, 0.5), P(15.5, 9)]
        d.arc(shackle, 180, 360, fill=colour, width=int(1.8 * u))
        d.line([P(shackle[0][0] / u, 5.6), P(shackle[0][0] / u, 7.5)], fill=colour, width=int(1.8 * u))
        d.line([P(shackle[1][0] / u - 0.9, 5.6), P(shackle[1][0] / u - 0.9, 7.5)], fill=colour, width=int(1.8 * u))
        d.rounded_rectangle([P(2, 7), P(14, 15)], radius=1.5 * u, fill=colour)
        d.ellipse([P(7, 9.5), P(9, 11.5)], fill=(255, 255, 255, 255))
    return draw


def page_button(text, look):
    """A page's action button: a rounded brand-coloured plate with white text, 120x36."""
    w, h = 120, 36
    top, bottom = {"normal": (BRAND_LIGHT, BRAND), "over": ((86, 162, 240), BRAND_LIGHT),
                   "down": (BRAND, BRAND_DARK)}[look]
    plate = vgradient(w * SS, h * SS, top, bottom)
    mask = Image.new("L", plate.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, plate.size[0] - 1, plate.size[1] - 1], radius=6 * SS, fill=255)
    img = Image.new("RGB", plate.size, WHITE)
    img.paste(plate, (0, 0), mask)
    img = img.resize((w, h), Image.LANCZOS)
    d = ImageDraw.Draw(img)
    fnt = font(14, bold=True)
    text_mid(d, (w - d.textlength(text, font=fnt)) / 2 + (1 if look == "down" else 0), h, text, fnt, WHITE)
    return img


def shield_picture():
    """The evidence page's picture beside its Scan button: a shield over a sheet of traces."""
    s = 36 * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    u = s / 36.0
    d.polygon([(18 * u, 2 * u), (32 * u, 8 * u), (30 * u, 22 * u), (18 * u, 34 * u), (6 * u, 22 * u),
               (4 * u, 8 * u)], fill=BRAND + (255,))
    d.line([(11 * u, 18 * u), (16 * u, 23 * u), (26 * u, 12 * u)], fill=WHITE + (255,), width=int(3 * u))
    return brought_down(img, 36)


def evidence_and_activex_pictures():
    for look in ("normal", "over", "down"):
        save(page_button("Scan", look), f"evidence/btnScan_{look}.png")
    save(shield_picture(), "evidence/ImageEx1.png")
    # 0 category expanded, 1 item, 2 category collapsed.
    save(tree_strip([folder_open, trace_item, folder_closed]), "evidence/tree16.bmp")
    # 0 blocked, 1 not blocked.
    save(tree_strip([padlock(True), padlock(False)]), "activex/tree16.bmp")


# ---- the driver and favorites backup pages ------------------------------------------------


def driver_chip(d, P, u):
    for x in (4, 7, 10):
        d.line([P(x + 1, 0.5), P(x + 1, 3)], fill=(150, 150, 150, 255), width=int(u))
        d.line([P(x + 1, 13), P(x + 1, 15.5)], fill=(150, 150, 150, 255), width=int(u))
    d.rounded_rectangle([P(2, 3), P(14, 13)], radius=1.5 * u, fill=(56, 64, 78, 255))
    d.rounded_rectangle([P(5, 6), P(11, 10)], radius=u, fill=BRAND_LIGHT + (255,))


def favorite_star(d, P, u):
    points = []
    for k in range(10):
        r = 7.2 if k % 2 == 0 else 3.0
        a = math.pi / 2 + k * math.pi / 5
        points.append(P(8 + r * math.cos(a), 8.6 - r * math.sin(a)))
    d.polygon(points, fill=(240, 180, 30, 255), outline=(196, 130, 20, 255))


def backup_pictures():
    save(tree_strip([driver_chip]), "driver/tree16.bmp")
    # 0 a shortcut, 1 a folder of shortcuts.
    save(tree_strip([favorite_star, folder_closed]), "favorites/tree16.bmp")


# ---- the registry backup page and its please-wait window -----------------------------------

def registry_file(d, P, u):
    """A backup row: a sheet with a folded corner holding three registry blocks."""
    d.polygon([P(2.5, 1), P(10.5, 1), P(14, 4.5), P(14, 15), P(2.5, 15)], fill=(250, 250, 250, 255),
              outline=BRAND + (255,))
    d.polygon([P(10.5, 1), P(10.5, 4.5), P(14, 4.5)], fill=BRAND_LIGHT + (255,))
    for x, y in ((4.5, 7), (8.5, 7), (4.5, 11)):
        d.rectangle([P(x, y), P(x + 3, y + 3)], fill=BRAND + (255,))
    d.rectangle([P(8.5, 11), P(11.5, 14)], fill=ACCENT + (255,))


def registry_wait_picture():
    """The please-wait window's picture: a brand disc with a registry block and a turning arrow."""
    size = 48
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    u = s / 48.0
    d.ellipse([2 * u, 2 * u, 46 * u, 46 * u], fill=BRAND + (255,))
    d.arc([9 * u, 9 * u, 39 * u, 39 * u], start=200, end=500, fill=WHITE + (255,), width=int(3.2 * u))
    d.polygon([(9 * u, 17 * u), (5 * u, 27 * u), (15 * u, 25 * u)], fill=WHITE + (255,))
    for x, y, colour in ((17, 17, WHITE), (25, 17, WHITE), (17, 25, WHITE), (25, 25, ACCENT)):
        d.rectangle([x * u, y * u, (x + 6) * u, (y + 6) * u], fill=colour + (255,))
    small = img.resize((size, size), Image.LANCZOS)
    out = Image.new("RGB", (size, size), WHITE)
    out.paste(small, (0, 0), small)
    return out


def registry_backup_pictures():
    save(tree_strip([registry_file]), "regbackup/LargeImages.bmp")
    save(registry_wait_picture(), "regbackup/flash.png")


def wrench_picture():
    """The error repair page's picture beside its heading: a wrench over a round badge."""
    s = 36 * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    u = s / 36.0
    d.ellipse([1 * u, 1 * u, 35 * u, 35 * u], fill=BRAND + (255,))
    d.line([(11 * u, 25 * u), (22 * u, 14 * u)], fill=WHITE + (255,), width=int(5 * u))
    d.ellipse([19 * u, 7 * u, 29 * u, 17 * u], fill=WHITE + (255,))
    d.polygon([(24 * u, 6 * u), (30 * u, 6 * u), (30 * u, 12 * u)], fill=BRAND + (255,))
    d.ellipse([8 * u, 22 * u, 14 * u, 28 * u], fill=WHITE + (255,))
    return brought_down(img, 36)


def sketch(size, grid):
    """A transparent supersampled drawing surface for a size x size picture: the image, its
    drawer, and the length of one unit of a grid x grid layout."""
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img), s / float(grid)


def brought_down(img, size):
    """A supersampled RGBA drawing brought down to size x size, its background left clear: the
    pages it stands on take the skin's face colour."""
    return img.resize((size, size), Image.LANCZOS)


# ---- the uninstall manager page -----------------------------------------------------------

def program_box(d, P, u):
    """The default picture of an installed program: an application window with a title bar."""
    d.rounded_rectangle([P(1, 2), P(15, 14)], radius=1.5 * u, fill=(250, 250, 250, 255), outline=BRAND + (255,),
                        width=max(1, int(u)))
    d.rectangle([P(1.5, 2.5), P(14.5, 5)], fill=BRAND + (255,))
    d.rectangle([P(3.5, 7), P(7.5, 11.5)], fill=BRAND_LIGHT + (255,))
    for y in (7.5, 9.5, 11.5):
        d.line([P(9, y), P(13, y)], fill=TEXT_SOFT + (255,), width=max(1, int(0.8 * u)))


def program_picture(size):
    """program_box at a larger size, for the page's detail area."""
    img, d, u = sketch(size, 16)
    program_box(d, lambda x, y: (x * u, y * u), u)
    return brought_down(img, size)


# ---- the system optimizer's preset icons --------------------------------------------------

def preset_icon(draw):
    """A 16x16 icon beside a preset's radio button, drawn supersampled with a clear background."""
    size = 16
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    u = s / 16.0
    draw(ImageDraw.Draw(img), lambda x, y: (x * u, y * u), u)
    return img.resize((size, size), Image.LANCZOS)


def preset_default(d, P, u):
    """Windows default: four coloured panes."""
    for (x, y), c in zip(((1, 1), (8.5, 1), (1, 8.5), (8.5, 8.5)),
                         ((230, 80, 40), (110, 180, 40), (40, 140, 230), (250, 190, 30))):
        d.rectangle([P(x, y), P(x + 6.5, y + 6.5)], fill=c + (255,))


def preset_campus(d, P, u):
    """Campus: a mortarboard."""
    d.polygon([P(8, 2), P(15.5, 6), P(8, 10), P(0.5, 6)], fill=BRAND_DARK + (255,))
    d.polygon([P(3.5, 8), P(12.5, 8), P(12.5, 12), P(8, 14), P(3.5, 12)], fill=BRAND + (255,))
    d.line([P(14, 6.5), P(14, 12)], fill=ACCENT + (255,), width=int(1.2 * u))


def preset_internet(d, P, u):
    """Internet cafe: a globe."""
    c = BRAND + (255,)
    w = int(1.3 * u)
    d.ellipse([P(1.5, 1.5), P(14.5, 14.5)], fill=(220, 236, 252, 255), outline=c, width=w)
    d.ellipse([P(5, 1.5), P(11, 14.5)], outline=c, width=w)
    d.line([P(1.5, 8), P(14.5, 8)], fill=c, width=w)
    d.line([P(8, 1.5), P(8, 14.5)], fill=c, width=w)


def preset_notebook(d, P, u):
    """Notebook: an open laptop."""
    d.rounded_rectangle([P(3, 2), P(13, 10)], radius=u, fill=(56, 64, 78, 255))
    d.rectangle([P(4.2, 3.2), P(11.8, 8.8)], fill=BRAND_LIGHT + (255,))
    d.polygon([P(1, 11), P(15, 11), P(16, 14), P(0, 14)], fill=(150, 156, 166, 255))


def preset_office(d, P, u):
    """Office: a briefcase."""
    d.rounded_rectangle([P(5.5, 1.5), P(10.5, 5)], radius=u, outline=(120, 72, 30, 255), width=int(1.4 * u))
    d.rounded_rectangle([P(1, 4.5), P(15, 14.5)], radius=1.5 * u, fill=(166, 104, 48, 255))
    d.rectangle([P(1, 8.5), P(15, 9.5)], fill=(120, 72, 30, 255))
    d.rectangle([P(7, 7.5), P(9, 10.5)], fill=ACCENT + (255,))


def preset_home(d, P, u):
    """Home: a house."""
    d.polygon([P(8, 1), P(15.5, 8), P(0.5, 8)], fill=(200, 60, 40, 255))
    d.rectangle([P(2.5, 7.5), P(13.5, 15)], fill=(250, 236, 200, 255), outline=(150, 110, 60, 255))
    d.rectangle([P(6.5, 10), P(9.5, 15)], fill=BRAND + (255,))


def service_preset_pictures():
    for name, draw in (("default", preset_default), ("campus", preset_campus), ("internet", preset_internet),
                       ("notebook", preset_notebook), ("office", preset_office), ("home", preset_home)):
        save(preset_icon(draw), f"service/{name}.png")


def uninstall_pictures():
    save(tree_strip([program_box]), "uninstall/default16.bmp")
    save(program_picture(32), "uninstall/default32.png")


# ---- the file shredder page -------------------------------------------------------------

def shredder_picture():
    """The page's picture beside its heading: a sheet going into a shredder, strips below."""
    size = 40
    img, d, u = sketch(size, 40)
    d.rectangle([11 * u, 2 * u, 29 * u, 16 * u], fill=(250, 250, 250, 255), outline=BRAND + (255,), width=int(u))
    for y in (6, 9, 12):
        d.line([14 * u, y * u, 26 * u, y * u], fill=BRAND_LIGHT + (255,), width=int(u))
    d.rounded_rectangle([4 * u, 15 * u, 36 * u, 24 * u], radius=2 * u, fill=BRAND + (255,))
    d.rectangle([9 * u, 18.5 * u, 31 * u, 20.5 * u], fill=BRAND_DARK + (255,))
    for x in range(12, 29, 4):
        d.rectangle([x * u, 24 * u, (x + 2) * u, 37 * u], fill=(200, 204, 210, 255))
    return brought_down(img, size)


def warning_picture():
    """A small red warning triangle beside the page's warning."""
    size = 16
    img, d, u = sketch(size, 16)
    d.polygon([(8 * u, 1 * u), (15.5 * u, 14.5 * u), (0.5 * u, 14.5 * u)], fill=(214, 52, 44, 255))
    d.rectangle([7.2 * u, 5 * u, 8.8 * u, 10 * u], fill=WHITE + (255,))
    d.rectangle([7.2 * u, 11.5 * u, 8.8 * u, 13 * u], fill=WHITE + (255,))
    return brought_down(img, size)


def shredder_pictures():
    save(shredder_picture(), "shredder/Image3.png")
    save(warning_picture(), "shredder/Image6.png")
    # The rule under the heading, stretched across the page.
    save(Image.new("RGB", (8, 2), LINE), "shredder/Image7.png")


# ---- the startup manager and Winsock2 pages ---------------------------------------------------


def program_window(d, P, u):
    """A generic program: a window with a title bar."""
    d.rounded_rectangle([P(1, 2), P(15, 14)], radius=1.5 * u, fill=(250, 250, 250, 255), outline=BRAND + (255,),
                        width=max(1, int(u)))
    d.rectangle([P(1, 2), P(15, 5)], fill=BRAND + (255,))
    d.line([P(4, 8), P(12, 8)], fill=BRAND_LIGHT + (255,), width=max(1, int(u)))
    d.line([P(4, 10.5), P(10, 10.5)], fill=BRAND_LIGHT + (255,), width=max(1, int(u)))


def default_program_picture():
    """The startup page's detail picture before a row is chosen: the program window, 32x32."""
    s = 32 * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    u = s / 16.0
    program_window(ImageDraw.Draw(img), lambda x, y: (x * u, y * u), u)
    return brought_down(img, 32)


def provider_present(d, P, u):
    d.ellipse([P(1, 1), P(15, 15)], fill=(60, 160, 70, 255))
    d.line([P(4.5, 8.5), P(7, 11), P(11.5, 5)], fill=(255, 255, 255, 255), width=int(2 * u))


def provider_missing(d, P, u):
    d.ellipse([P(1, 1), P(15, 15)], fill=(196, 52, 44, 255))
    d.line([P(5, 5), P(11, 11)], fill=(255, 255, 255, 255), width=int(2 * u))
    d.line([P(11, 5), P(5, 11)], fill=(255, 255, 255, 255), width=int(2 * u))


def startup_and_lsp_pictures():
    save(tree_strip([program_window]), "startup/default16.bmp")
    save(default_program_picture(), "startup/default.png")
    # 0 the provider file exists, 1 it is missing.
    save(tree_strip([provider_present, provider_missing]), "lsp/state16.bmp")


# ---- the home page and one-click maintenance (forms/home, forms/oneclick) ------------------

GOOD = (60, 170, 70)
BAD = (214, 64, 52)
MEDIUM = (240, 160, 30)


def gauge_picture(tenths):
    """The home page's score gauge, 144x148: a dark dial under the white "Overall" label with a
    ring filled to tenths/10 of its sweep, red for a low score, amber for a medium one, green
    for a good one. The score itself is a label the page puts over it."""
    w, h = 144, 148
    img = Image.new("RGBA", (w * SS, h * SS), WHITE + (255,))
    d = ImageDraw.Draw(img)
    # The disc takes all the width the ring leaves: the page writes its widest score text,
    # "Unknown", across it.
    cx, cy, r = 72 * SS, 74 * SS, 72 * SS
    ring = 6 * SS
    box = [cx - r, cy - r, cx + r, cy + r]
    start, sweep = 135, 270
    d.arc(box, start, start + sweep, fill=LINE + (255,), width=ring)
    colour = BAD if tenths < 8 else MEDIUM if tenths < 10 else GOOD
    if tenths > 0:
        d.arc(box, start, start + sweep * tenths / 10, fill=colour + (255,), width=ring)
    inner = r - ring - 1 * SS
    d.ellipse([cx - inner, cy - inner, cx + inner, cy + inner], fill=BRAND_DARK + (255,))
    # Tick marks at every tenth of the sweep.
    for i in range(11):
        a = math.radians(start + sweep * i / 10)
        r0, r1 = r + 1 * SS, r - ring - 1 * SS
        d.line([(cx + r0 * math.cos(a), cy + r0 * math.sin(a)), (cx + r1 * math.cos(a), cy + r1 * math.sin(a))],
               fill=WHITE + (255,), width=SS)
    return img.resize((w, h), Image.LANCZOS).convert("RGB")


def row_registry(d, P, u):
    for (x, y), colour in zip([(1, 2), (6.5, 2), (1, 7.5), (6.5, 7.5)],
                              [BRAND, BRAND_LIGHT, BRAND_LIGHT, (120, 170, 220)]):
        d.rectangle([P(x, y), P(x + 4.8, y + 4.8)], fill=colour + (255,))


def row_junk(d, P, u):
    c = (110, 118, 128, 255)
    d.rectangle([P(2, 3), P(14, 4.5)], fill=c)
    d.rectangle([P(6, 1), P(10, 3)], outline=c, width=int(u))
    d.polygon([P(3, 5.5), P(13, 5.5), P(12, 15), P(4, 15)], fill=c)
    for x in (6, 8, 10):
        d.line([P(x, 7.5), P(x, 13)], fill=(255, 255, 255, 255), width=int(u))


def row_privacy(d, P, u):
    d.ellipse([P(1, 4), P(15, 12)], outline=BRAND + (255,), width=int(1.4 * u))
    d.ellipse([P(5.5, 5.5), P(10.5, 10.5)], fill=BRAND + (255,))
    d.line([P(2, 14), P(14, 2)], fill=BAD + (255,), width=int(1.6 * u))


def row_activex(d, P, u):
    d.polygon([P(8, 1), P(14.5, 3.5), P(13.5, 10), P(8, 15), P(2.5, 10), P(1.5, 3.5)], fill=BRAND + (255,))
    d.line([P(5, 8), P(7.3, 10.5), P(11.5, 5.5)], fill=(255, 255, 255, 255), width=int(1.6 * u))


def row_file(d, P, u):
    d.polygon([P(3, 1), P(10, 1), P(13, 4), P(13, 15), P(3, 15)], fill=(250, 250, 250, 255),
              outline=BRAND + (255,))
    d.line([P(5, 7), P(11, 7)], fill=BRAND_LIGHT + (255,), width=int(u))
    d.line([P(5, 10), P(11, 10)], fill=BRAND_LIGHT + (255,), width=int(u))
    d.ellipse([P(8, 9), P(15, 16)], fill=ACCENT + (255,))


def row_system(d, P, u):
    c = (96, 104, 114, 255)
    for i in range(8):
        a = math.radians(i * 45)
        d.line([P(8 + 3 * math.cos(a), 8 + 3 * math.sin(a)), P(8 + 7 * math.cos(a), 8 + 7 * math.sin(a))],
               fill=c, width=int(2.4 * u))
    d.ellipse([P(3.2, 3.2), P(12.8, 12.8)], fill=c)
    d.ellipse([P(6, 6), P(10, 10)], fill=(255, 255, 255, 255))


def status_problems(d, P, u):
    d.ellipse([P(1, 1), P(15, 15)], fill=BAD + (255,))
    d.rectangle([P(7, 3.5), P(9, 9.5)], fill=(255, 255, 255, 255))
    d.rectangle([P(7, 11), P(9, 13)], fill=(255, 255, 255, 255))


def status_good(d, P, u):
    d.ellipse([P(1, 1), P(15, 15)], fill=GOOD + (255,))
    d.line([P(4.5, 8), P(7, 10.8), P(11.8, 5.2)], fill=(255, 255, 255, 255), width=int(2 * u))


def status_picture(draw, size=48):
    """An area's status picture on the one-click page: the status icon large."""
    s = size * SS
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    u = s / 16.0
    draw(ImageDraw.Draw(img), lambda x, y: (x * u, y * u), u)
    return brought_down(img, size)


def home_and_oneclick_pictures():
    for tenths in range(11):
        save(gauge_picture(tenths), f"home/gauge{tenths * 10}.png")
    # The recommendation rows, top to bottom: registry, junk, privacy, ActiveX, start-up
    # (file associations), system.
    save(tree_strip([row_registry, row_junk, row_privacy, row_activex, row_file, row_system]), "home/rows16.bmp")
    for look in ("normal", "over", "down"):
        save(page_button("Scan Now", look), f"home/btnStart_{look}.png")
        save(page_button("Start Scan", look), f"oneclick/btnScan_{look}.png")
    # The result trees' rows: 0 to 2 the evidence list as on the evidence page, 3 a junk file, 8 a
    # blocked and 9 an open ActiveX control (the places between are empty).
    save(tree_strip([folder_open, trace_item, folder_closed, junk_file, no_image, no_image, no_image, no_image,
                     padlock(True), padlock(False)]), "oneclick/tree16.bmp")
    # The summary rows' status: 0 problems, 1 good.
    save(tree_strip([status_problems, status_good], 24), "oneclick/status24.bmp")
    save(status_picture(status_problems), "oneclick/bad.png")
    save(status_picture(status_good), "oneclick/good.png")


def main():
    for name, ic, text in HEADERS:
        for look in ("normal", "over", "down"):
            save(header_button(ic, text, look), f"main/{name}_{look}.png")
    for name, text in FEATURES:
        for look in ("normal", "over", "down"):
            save(feature_button(text, look), f"main/{name}_{look}.png")
    save(banner(), "main/banner.png")
    save(side_strip(), "main/strip_side.png")
    save(footer(), "main/footer.png")
    # A bitmap, not a PNG: the splash shows before anything else and should not wait for a
    # PNG decoder to start.
    save(splash(), "splash/splash.bmp")
    save(about_background(), "about/background.png")
    for look in ("normal", "over", "down"):
        save(page_button("Optimize", look), f"memory/btnOptimize_{look}.png")
    save(updater_header(), "../updater/program/forms/header.png")
    for name, text in JUNK_ACTIONS:
        for look in ("normal", "over", "down"):
            save(action_button(text, look), f"junk/{name}_{look}.png")
    save(junk_tree_strip(), "junk/tree16.bmp")
    regcleaner_pictures()
    icon_path = os.path.join(HERE, "icon/quillstead.ico")
    os.makedirs(os.path.dirname(icon_path), exist_ok=True)
    app_icon(256).save(icon_path, sizes=[(16, 16), (24, 24), (32, 32), (48, 48), (256, 256)])
    evidence_and_activex_pictures()
    backup_pictures()
    registry_backup_pictures()
    uninstall_pictures()
    shredder_pictures()
    service_preset_pictures()
    save(wrench_picture(), "error/Image3.png")
    startup_and_lsp_pictures()
    home_and_oneclick_pictures()


if __name__ == "__main__":
    main()
