#!/usr/bin/env python3
"""Draws the bitmaps of Quillstead's own skin (24-bit BMP, magenta = transparent).

Run from anywhere: `python3 skin/data/draw_skin.py`. It rewrites every .bmp
in this folder; skin.ini beside it names them and gives their margins and
frame counts, so a change of size here must be matched there. The output is
committed: building the programs does not need Python.

Look: flat light controls with a blue accent, a dark slate title bar with
rounded top corners, thin borders.
"""
import os

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))

KEY = (255, 0, 255)
WHITE = (255, 255, 255)
FACE = (243, 244, 246)
LINE = (200, 204, 210)
LINE_DARK = (138, 145, 153)
TEXT = (33, 37, 41)
MUTED = (160, 165, 171)
DISABLED_FILL = (236, 237, 239)
ACCENT = (0, 103, 192)
ACCENT_DARK = (0, 80, 156)
HOVER = (229, 241, 251)
PRESSED = (204, 228, 247)
TITLE = (32, 52, 78)
TITLE_INACTIVE = (104, 114, 126)
TITLE_GLYPH = (240, 243, 247)
# Caption glyphs of an inactive window or a disabled button: dimmer than the active ones on the
# active title, still plain on the inactive one.
TITLE_GLYPH_INACTIVE = (150, 160, 174)
CLOSE_HOVER = (196, 43, 28)
CLOSE_PRESSED = (150, 30, 20)

TITLE_HEIGHT = 30
BORDER = 4
CORNER = 6


def canvas(w, h, fill=KEY):
    return Image.new("RGB", (w, h), fill)


def row(cells):
    """Frames side by side."""
    w = sum(c.width for c in cells)
    out = canvas(w, max(c.height for c in cells))
    x = 0
    for c in cells:
        out.paste(c, (x, 0))
        x += c.width
    return out


def column(cells):
    """Frames stacked."""
    out = canvas(max(c.width for c in cells), sum(c.height for c in cells))
    y = 0
    for c in cells:
        out.paste(c, (0, y))
        y += c.height
    return out


def box(w, h, fill, outline=None, radius=0, width=1):
    """A (rounded) rectangle on magenta."""
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    if radius:
        d.rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=fill, outline=outline, width=width)
    else:
        d.rectangle((0, 0, w - 1, h - 1), fill=fill, outline=outline, width=width)
    return img


def save(name, img):
    img.save(os.path.join(HERE, name), "BMP")


def outside_corner(x, y, r):
    """True for pixels of an r x r corner square that lie outside a quarter circle."""
    dx, dy = r - x - 0.5, r - y - 0.5
    return dx > 0 and dy > 0 and dx * dx + dy * dy > r * r


# ---------------------------------------------------------------- window frame

def side_border(active, right):
    """Left (or mirrored right) border: title colour at the top, face below, an outer line."""
    title = TITLE if active else TITLE_INACTIVE
    h = TITLE_HEIGHT + 10
    img = canvas(BORDER, h, FACE)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, BORDER - 1, TITLE_HEIGHT - 1), fill=title)
    d.line((0, 0, 0, h - 1), fill=title)
    d.line((0, h - 1, BORDER - 1, h - 1), fill=title)
    for y in range(CORNER):
        for x in range(BORDER):
            if outside_corner(x, y, CORNER):
                img.putpixel((x, y), KEY)
    return img.transpose(Image.FLIP_LEFT_RIGHT) if right else img


def title_bar(active):
    title = TITLE if active else TITLE_INACTIVE
    img = canvas(64, TITLE_HEIGHT, title)
    d = ImageDraw.Draw(img)
    d.line((0, 0, 63, 0), fill=tuple(min(255, c + 24) for c in title))
    return img


def bottom_border(active):
    title = TITLE if active else TITLE_INACTIVE
    img = canvas(16, BORDER, FACE)
    ImageDraw.Draw(img).line((0, BORDER - 1, 15, BORDER - 1), fill=title)
    return img


def menu_bar(active):
    img = canvas(16, 20, FACE)
    ImageDraw.Draw(img).line((0, 19, 15, 19), fill=LINE if active else DISABLED_FILL)
    return img


# ------------------------------------------------------------ caption buttons

def glyph_close(d, cx, cy, colour, s=4):
    d.line((cx - s, cy - s, cx + s, cy + s), fill=colour)
    d.line((cx - s, cy + s, cx + s, cy - s), fill=colour)


def glyph_max(d, cx, cy, colour, s=4):
    d.rectangle((cx - s, cy - s, cx + s, cy + s), outline=colour)


def glyph_restore(d, cx, cy, colour, s=4):
    d.rectangle((cx - s, cy - s + 2, cx + s - 2, cy + s), outline=colour)
    d.line((cx - s + 2, cy - s, cx + s, cy - s), fill=colour)
    d.line((cx + s, cy - s, cx + s, cy + s - 2), fill=colour)


def glyph_min(d, cx, cy, colour, s=4):
    d.line((cx - s, cy + 1, cx + s, cy + 1), fill=colour)


def glyph_help(d, cx, cy, colour, s=4):
    d.line((cx - 2, cy - s + 1, cx - 1, cy - s), fill=colour)
    d.line((cx - 1, cy - s, cx + 1, cy - s), fill=colour)
    d.line((cx + 2, cy - s + 1, cx + 2, cy - 1), fill=colour)
    d.line((cx + 1, cy, cx, cy + 1), fill=colour)
    d.point((cx, cy + s), fill=colour)


def caption_button(glyph, w=28, h=20, close=False, s=4):
    """Four frames: normal, pressed, hot, inactive or disabled."""
    looks = [(KEY, TITLE_GLYPH),
             (CLOSE_PRESSED if close else (16, 30, 48), WHITE),
             (CLOSE_HOVER if close else (58, 80, 110), WHITE),
             (KEY, TITLE_GLYPH_INACTIVE)]
    cells = []
    for fill, colour in looks:
        img = box(w, h, fill, radius=0 if fill == KEY else 3)
        glyph(ImageDraw.Draw(img), w // 2, h // 2, colour, s)
        cells.append(img)
    return row(cells)


def mdi_controls():
    """Minimize, restore and close for a maximized MDI child: 3 x 4 frames of 16 x 14
    (normal, pressed, disabled, hot: these buttons show their fourth frame under the mouse)."""
    cells = []
    for glyph, close in ((glyph_min, False), (glyph_restore, False), (glyph_close, True)):
        looks = [(KEY, TEXT), (PRESSED, TEXT), (KEY, MUTED),
                 (CLOSE_HOVER if close else HOVER, WHITE if close else TEXT)]
        for fill, colour in looks:
            img = box(16, 14, fill, radius=0 if fill == KEY else 2)
            glyph(ImageDraw.Draw(img), 8, 7, colour, 3)
            cells.append(img)
    return row(cells)


# ------------------------------------------------------------------ controls

def push_button():
    """Five frames: normal, pressed, disabled, hot, default or focused."""
    return row([box(22, 22, WHITE, LINE_DARK, 3),
                box(22, 22, PRESSED, ACCENT_DARK, 3),
                box(22, 22, DISABLED_FILL, LINE, 3),
                box(22, 22, HOVER, ACCENT, 3),
                box(22, 22, WHITE, ACCENT, 3, 2)])


def check_mark(d, colour):
    d.line((3, 6, 5, 8), fill=colour)
    d.line((3, 7, 5, 9), fill=colour)
    d.line((5, 8, 9, 4), fill=colour)
    d.line((5, 9, 9, 5), fill=colour)


def check_box():
    """Twelve frames of 13 x 13: unchecked, checked and indeterminate, each as
    normal, hot, pressed and disabled."""
    looks = [(WHITE, LINE_DARK), (HOVER, ACCENT), (PRESSED, ACCENT_DARK), (DISABLED_FILL, LINE)]
    cells = []
    for state in ("off", "on", "mixed"):
        for n, (fill, outline) in enumerate(looks):
            disabled = n == 3
            if state != "off" and not disabled:
                fill, outline = ((ACCENT_DARK, ACCENT_DARK) if n == 2 else (ACCENT, ACCENT))
            img = box(13, 13, fill, outline, 2)
            d = ImageDraw.Draw(img)
            mark = MUTED if disabled else WHITE
            if state == "on":
                check_mark(d, mark)
            elif state == "mixed":
                d.rectangle((3, 5, 9, 7), fill=mark)
            cells.append(img)
    return row(cells)


def radio_button():
    """Eight frames of 13 x 13: unchecked and checked as normal, hot, pressed, disabled."""
    looks = [(WHITE, LINE_DARK), (HOVER, ACCENT), (PRESSED, ACCENT_DARK), (DISABLED_FILL, LINE)]
    cells = []
    for checked in (False, True):
        for n, (fill, outline) in enumerate(looks):
            img = canvas(13, 13)
            d = ImageDraw.Draw(img)
            d.ellipse((0, 0, 12, 12), fill=fill, outline=(ACCENT if checked and n < 3 else outline))
            if checked:
                d.ellipse((3, 3, 9, 9), fill=MUTED if n == 3 else (ACCENT_DARK if n == 2 else ACCENT))
            cells.append(img)
    return row(cells)


def progress():
    """Frame 1 the trough, frame 2 the bar."""
    return row([box(12, 12, DISABLED_FILL, LINE, 3), box(12, 12, ACCENT, ACCENT, 3)])


def progress_chunk():
    img = canvas(8, 12, KEY)
    ImageDraw.Draw(img).rectangle((0, 0, 6, 11), fill=ACCENT)
    return img


def group_box_edge():
    return row([box(16, 16, KEY, LINE, 3), box(16, 16, KEY, DISABLED_FILL, 3)])


def tabs():
    """Five frames of 24 x 24: normal, selected, hot, disabled, focused."""
    def tab(fill, outline, accent=None):
        img = canvas(24, 24)
        d = ImageDraw.Draw(img)
        d.rounded_rectangle((0, 0, 23, 27), radius=3, fill=fill, outline=outline)
        if accent:
            d.rectangle((1, 0, 22, 1), fill=accent)
        return img
    return row([tab(FACE, LINE), tab(WHITE, LINE, ACCENT), tab(HOVER, LINE), tab(DISABLED_FILL, LINE),
                tab(WHITE, ACCENT, ACCENT)])


def pane():
    return box(16, 16, WHITE, LINE)


def status_bar_edges():
    """Lowered panel, raised panel, flat panel."""
    lowered = canvas(12, 12, FACE)
    d = ImageDraw.Draw(lowered)
    d.line((0, 0, 11, 0), fill=LINE)
    d.line((0, 0, 0, 11), fill=LINE)
    d.line((11, 1, 11, 11), fill=WHITE)
    d.line((1, 11, 11, 11), fill=WHITE)
    raised = lowered.transpose(Image.ROTATE_180)
    return row([lowered, raised, canvas(12, 12, FACE)])


def tool_bars():
    """Toolbar button: normal (flat), pressed, disabled, hot, checked."""
    return row([box(22, 22, KEY), box(22, 22, PRESSED, ACCENT_DARK, 3), box(22, 22, KEY),
                box(22, 22, HOVER, ACCENT, 3), box(22, 22, PRESSED, ACCENT, 3)])


def combo_button():
    """The drop-down button's face: normal, pressed, disabled, hot."""
    def face(fill):
        img = canvas(18, 20, fill)
        ImageDraw.Draw(img).line((0, 2, 0, 17), fill=LINE)
        return img
    return row([face(KEY), face(PRESSED), face(KEY), face(HOVER)])


def sunk_edge():
    """Edit frame: normal, pressed, disabled, hot or focused."""
    return row([box(20, 20, WHITE, LINE_DARK, 2), box(20, 20, WHITE, ACCENT_DARK, 2),
                box(20, 20, DISABLED_FILL, LINE, 2), box(20, 20, WHITE, ACCENT, 2)])


def arrow(d, cx, cy, direction, colour, s=3):
    """A filled triangle pointing up, down, left or right."""
    if direction == "down":
        pts = [(cx - s, cy - 1), (cx + s, cy - 1), (cx, cy + s - 1)]
    elif direction == "up":
        pts = [(cx - s, cy + 1), (cx + s, cy + 1), (cx, cy - s + 1)]
    elif direction == "left":
        pts = [(cx + 1, cy - s), (cx + 1, cy + s), (cx - s + 1, cy)]
    else:
        pts = [(cx - 1, cy - s), (cx - 1, cy + s), (cx + s - 1, cy)]
    d.polygon(pts, fill=colour)


def extra_images():
    """Frames 1-4: drop-down arrow (normal, pressed, disabled, hot); frame 5: size grip."""
    cells = []
    for colour in (TEXT, ACCENT_DARK, MUTED, ACCENT):
        img = canvas(12, 12)
        arrow(ImageDraw.Draw(img), 6, 5, "down", colour)
        cells.append(img)
    grip = canvas(12, 12)
    d = ImageDraw.Draw(grip)
    for i in range(3):
        for j in range(3 - i):
            x, y = 9 - j * 3 - 0, 9 - i * 3
            d.rectangle((x, y, x + 1, y + 1), fill=LINE_DARK)
    cells.append(grip)
    return row(cells)


def header_bar():
    """Header item: normal, hot, pressed, disabled, sorted."""
    def item(fill):
        img = canvas(20, 22, fill)
        d = ImageDraw.Draw(img)
        d.line((0, 21, 19, 21), fill=LINE)
        d.line((19, 4, 19, 17), fill=LINE)
        return img
    return row([item(WHITE), item(HOVER), item(PRESSED), item(FACE), item(WHITE)])


def menu_item():
    """Normal (transparent), separator, unused, selected, unused."""
    sep = canvas(20, 9)
    ImageDraw.Draw(sep).line((2, 4, 17, 4), fill=LINE)
    # Selected in the highlight colour: the skin draws a selected item's text in HilightText.
    selected = box(20, 20, ACCENT, ACCENT_DARK, 3)
    return row([canvas(20, 20), _pad(sep, 20, 20), canvas(20, 20), selected,
                canvas(20, 20)])


def _pad(img, w, h):
    """Places img at the bottom of a magenta w x h cell (separators are taken from the bottom rows)."""
    out = canvas(w, h)
    out.paste(img, (0, h - img.height))
    return out


def menu_background():
    return box(16, 16, WHITE, LINE)


def scroll_bar():
    """23 frames of 16 x 16: arrows left, right, up, down (normal, pressed, unused, hot)
    and the grip glyphs of horizontal and vertical thumbs (normal, pressed, hot)."""
    cells = []
    for direction in ("left", "right", "up", "down"):
        for fill, colour in ((FACE, LINE_DARK), (PRESSED, ACCENT_DARK), (FACE, MUTED), (HOVER, ACCENT)):
            img = canvas(16, 16, fill)
            arrow(ImageDraw.Draw(img), 8, 8, direction, colour, 4)
            cells.append(img)
    for vertical in (False, True):
        for colour in (LINE_DARK, WHITE, WHITE):
            img = canvas(16, 16)
            d = ImageDraw.Draw(img)
            for k in (-2, 0, 2):
                if vertical:
                    d.line((5, 8 + k, 10, 8 + k), fill=colour)
                else:
                    d.line((8 + k, 5, 8 + k, 10), fill=colour)
            cells.append(img)
    cells.append(canvas(16, 16))
    return row(cells)


def scroll_track(vertical):
    """Track: enabled, pressed, disabled, hot."""
    cells = [canvas(16, 16, c) for c in (FACE, (232, 234, 237), (248, 248, 249), FACE)]
    for c in cells:
        d = ImageDraw.Draw(c)
        if vertical:
            d.line((0, 0, 0, 15), fill=(232, 234, 237))
        else:
            d.line((0, 0, 15, 0), fill=(232, 234, 237))
    return row(cells)


def scroll_thumb(vertical):
    """Thumb: normal, pressed, hot (a rounded bar inside a 16 x 16 cell)."""
    cells = []
    for fill in ((192, 197, 204), ACCENT_DARK, (150, 157, 166)):
        img = canvas(16, 16, FACE)
        d = ImageDraw.Draw(img)
        if vertical:
            d.rounded_rectangle((4, 0, 11, 15), radius=3, fill=fill)
        else:
            d.rounded_rectangle((0, 4, 15, 11), radius=3, fill=fill)
        cells.append(img)
    return row(cells)


def track_thumb(shape):
    """Track bar thumb in five frames (normal, pressed, hot, disabled, focused)."""
    looks = [(WHITE, LINE_DARK), (ACCENT, ACCENT_DARK), (HOVER, ACCENT), (DISABLED_FILL, LINE), (WHITE, ACCENT)]
    cells = []
    for fill, outline in looks:
        if shape == "horz":
            img = box(11, 20, fill, outline, 5)
        elif shape == "vert":
            img = box(20, 11, fill, outline, 5)
        else:
            w, h = (11, 20) if shape in ("up", "down") else (20, 11)
            img = canvas(w, h)
            d = ImageDraw.Draw(img)
            if shape == "down":
                pts = [(0, 0), (10, 0), (10, 14), (5, 19), (0, 14)]
            elif shape == "up":
                pts = [(5, 0), (10, 5), (10, 19), (0, 19), (0, 5)]
            elif shape == "right":
                pts = [(0, 0), (14, 0), (19, 5), (14, 10), (0, 10)]
            else:
                pts = [(5, 0), (19, 0), (19, 10), (5, 10), (0, 5)]
            d.polygon(pts, fill=fill, outline=outline)
        cells.append(img)
    return row(cells)


def up_down(vertical):
    """Button faces: first button normal, pressed, disabled, hot; then the second."""
    w, h = (16, 11) if vertical else (11, 16)
    looks = [(FACE, LINE), (PRESSED, ACCENT_DARK), (DISABLED_FILL, LINE), (HOVER, ACCENT)]
    faces = [box(w, h, fill, outline, 2) for fill, outline in looks]
    glyphs = []
    for direction in (("up", "down") if vertical else ("left", "right")):
        for colour in (TEXT, ACCENT_DARK, MUTED, ACCENT):
            img = canvas(9, 9)
            arrow(ImageDraw.Draw(img), 4, 4, direction, colour, 3)
            glyphs.append(img)
    return row(faces + faces), row(glyphs)


def track(vertical):
    """The channel is drawn without a key colour, so it has square corners."""
    img = box(16, 4, LINE, LINE_DARK)
    return img.transpose(Image.ROTATE_90) if vertical else img


def main():
    save("top.bmp", column([title_bar(True), title_bar(False)]))
    save("left.bmp", row([side_border(True, False), side_border(False, False)]))
    save("right.bmp", row([side_border(True, True), side_border(False, True)]))
    save("bottom.bmp", column([bottom_border(True), bottom_border(False)]))
    save("menubar.bmp", column([menu_bar(True), menu_bar(False)]))
    save("btn_close.bmp", caption_button(glyph_close, close=True))
    save("btn_max.bmp", caption_button(glyph_max))
    save("btn_restore.bmp", caption_button(glyph_restore))
    save("btn_min.bmp", caption_button(glyph_min))
    save("btn_help.bmp", caption_button(glyph_help))
    save("mdi_controls.bmp", mdi_controls())
    save("button.bmp", push_button())
    save("check.bmp", check_box())
    save("radio.bmp", radio_button())
    save("progress.bmp", progress())
    save("progress_chunk.bmp", progress_chunk())
    save("groupbox_edge.bmp", group_box_edge())
    save("groupbox.bmp", box(16, 16, FACE))
    save("tabs.bmp", tabs())
    save("tab_border.bmp", pane())
    save("tab_pane.bmp", pane())
    save("statusbar.bmp", status_bar_edges())
    save("toolbars.bmp", tool_bars())
    save("combo_button.bmp", combo_button())
    save("sunk_edge.bmp", sunk_edge())
    save("extra_images.bmp", extra_images())
    save("headerbar.bmp", header_bar())
    save("menu_item.bmp", menu_item())
    save("menu_background.bmp", menu_background())
    save("scrollbar.bmp", scroll_bar())
    save("hscroll.bmp", scroll_track(False))
    save("vscroll.bmp", scroll_track(True))
    save("hscroll_thumb.bmp", scroll_thumb(False))
    save("vscroll_thumb.bmp", scroll_thumb(True))
    for shape, name in (("horz", "horz"), ("vert", "vert"), ("left", "left"), ("right", "right"), ("up", "up"),
                        ("down", "down")):
        save("trackbar_thumb_%s.bmp" % name, track_thumb(shape))
    faces, glyphs = up_down(False)
    save("updown_horz.bmp", faces)
    save("updown_horz_glyph.bmp", glyphs)
    faces, glyphs = up_down(True)
    save("updown_vert.bmp", faces)
    save("updown_vert_glyph.bmp", glyphs)
    save("track.bmp", track(False))
    save("trackvert.bmp", track(True))


if __name__ == "__main__":
    main()
