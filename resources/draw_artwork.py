#!/usr/bin/env python3
"""Draws the program's artwork: the splash band, emblem and strip, the dialog field tile, the
three button faces and the icon. Writes the BMP and ICO files beside this script.

Needs Debian's python3-pil and fonts-dejavu-core:  /usr/bin/python3 resources/draw_artwork.py
"""
import math
import os
import random
import re
import struct

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONTS = "/usr/share/fonts/truetype/dejavu/"



def program_palette():
    """The program's colours by name, as palette.h names them for the program itself."""
    with open(os.path.join(HERE, "palette.h"), encoding="utf-8") as f:
        found = re.findall(r"(\w+) = RGB\((\d+), (\d+), (\d+)\)", f.read())
    return {name: tuple(int(c) for c in rgb) for name, *rgb in found}


PALETTE = program_palette()
CREAM = PALETTE["background"]    # every background of the program
SAND = PALETTE["staticBackground"]  # behind static texts
NIGHT_TOP = (46, 32, 66)         # deep plum night
NIGHT_LOW = (122, 56, 72)        # warm dusk near the horizon
MIDNIGHT = (20, 12, 30)          # darkens the night behind the emblem
GOLD = (236, 196, 116)
PALE_GOLD = (248, 226, 176)
TERRACOTTA = (176, 82, 52)
TERRACOTTA_DARK = (128, 54, 34)
INK = (72, 40, 40)
DUNE = (214, 170, 120)           # the emblem's faint lines, mixed into the sand

SUPER = 4  # shapes are drawn at four times the size and scaled down for soft edges


def font(name, size):
    return ImageFont.truetype(FONTS + name, size)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def vertical_gradient(width, height, top, bottom):
    image = Image.new("RGB", (width, height))
    draw = ImageDraw.Draw(image)
    for y in range(height):
        draw.line([(0, y), (width - 1, y)], fill=lerp(top, bottom, y / max(1, height - 1)))
    return image


def star(draw, cx, cy, radius, colour, points=4, inner=0.32):
    corners = []
    for i in range(points * 2):
        angle = math.pi / points * i - math.pi / 2
        r = radius if i % 2 == 0 else radius * inner
        corners.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    draw.polygon(corners, fill=colour)


def save_bmp(image, name):
    # Pillow writes RGB images as 24-bit, bottom-up, without a palette.
    image.convert("RGB").save(os.path.join(HERE, name), format="BMP")


def splash_tile():
    """161: the night band, 127 x 78, seamless along a row."""
    w, h = 127, 78
    big = vertical_gradient(w * SUPER, h * SUPER, NIGHT_TOP, NIGHT_LOW)
    draw = ImageDraw.Draw(big)
    rng = random.Random(161)
    # Small stars that stay clear of the tile's left and right edges, so the row has no seams.
    for _ in range(26):
        x = rng.uniform(4, w - 4)
        y = rng.uniform(3, 60)
        r = rng.choice([0.6, 0.7, 0.8, 1.0])
        shade = lerp(PALE_GOLD, (255, 255, 255), rng.random() * 0.6)
        draw.ellipse([(x - r) * SUPER, (y - r) * SUPER, (x + r) * SUPER, (y + r) * SUPER], fill=shade)
    for x, y, r in [(30, 16, 3.2), (92, 9, 2.6), (70, 40, 3.6), (112, 34, 2.2), (14, 46, 2.4)]:
        star(draw, x * SUPER, y * SUPER, r * SUPER, GOLD)
    # A faint constellation: a few stars joined by thin lines.
    points = [(48, 22), (58, 14), (66, 24), (80, 18)]
    draw.line([(x * SUPER, y * SUPER) for x, y in points], fill=lerp(NIGHT_TOP, PALE_GOLD, 0.35), width=SUPER // 2)
    for x, y in points:
        draw.ellipse([(x - 1.1) * SUPER, (y - 1.1) * SUPER, (x + 1.1) * SUPER, (y + 1.1) * SUPER], fill=PALE_GOLD)
    tile = big.resize((w, h), Image.LANCZOS)
    save_bmp(tile, "splash_tile.bmp")
    return tile


def splash_strip():
    """169: the border along the band's lower edge, 128 x 15; its last column repeats its first,
    since the tiles are laid 127 pixels apart."""
    period, h = 127, 15
    big = vertical_gradient(period * SUPER, h * SUPER, lerp(NIGHT_LOW, TERRACOTTA_DARK, 0.5), TERRACOTTA_DARK)
    draw = ImageDraw.Draw(big)
    draw.rectangle([0, 0, period * SUPER, 1 * SUPER - 1], fill=GOLD)
    draw.rectangle([0, (h - 2) * SUPER, period * SUPER, (h - 1) * SUPER - 1], fill=lerp(GOLD, TERRACOTTA_DARK, 0.4))
    draw.rectangle([0, (h - 1) * SUPER, period * SUPER, h * SUPER], fill=CREAM)
    # Twelve small diamonds for the twelve signs, evenly over two tiles' width... one period holds
    # diamonds every 127/6 pixels, alternating with dots.
    step = period / 6
    for i in range(6):
        x = (i + 0.5) * step
        y = 7.5
        d = 2.6
        draw.polygon([((x) * SUPER, (y - d) * SUPER), ((x + d) * SUPER, y * SUPER),
                      (x * SUPER, (y + d) * SUPER), ((x - d) * SUPER, y * SUPER)], fill=GOLD)
        for dx in (-step / 2 + 0.01,):
            cx = x + dx if i > 0 else x + dx + period
            r = 0.9
            draw.ellipse([(cx - r) * SUPER, (y - r) * SUPER, (cx + r) * SUPER, (y + r) * SUPER], fill=PALE_GOLD)
    r = 0.9
    draw.ellipse([(-r) * SUPER, (7.5 - r) * SUPER, r * SUPER, (7.5 + r) * SUPER], fill=PALE_GOLD)
    small = big.resize((period, h), Image.LANCZOS)
    strip = Image.new("RGB", (128, h))
    strip.paste(small, (0, 0))
    strip.paste(small.crop((0, 0, 1, h)), (127, 0))
    save_bmp(strip, "splash_strip.bmp")
    return strip


def splash_emblem(tile):
    """162: the program's name on a plaque, 111 x 47, drawn over the band at (2, 13)."""
    w, h = 111, 47
    # The plaque sits on the band: start from what lies beneath it so its corners blend in.
    under = Image.new("RGB", (w, h))
    for x0 in range(-2, w, 127):
        under.paste(tile.crop((0, 13, 127, 13 + h)), (x0, 0))
    big = under.resize((w * SUPER, h * SUPER), Image.NEAREST)
    draw = ImageDraw.Draw(big)
    draw.rounded_rectangle([1 * SUPER, 2 * SUPER, (w - 2) * SUPER, (h - 3) * SUPER], radius=9 * SUPER,
                           fill=lerp(NIGHT_TOP, MIDNIGHT, 0.3), outline=GOLD, width=SUPER)
    # A crescent moon at the left.
    cx, cy, r = 16, 23, 9
    draw.ellipse([(cx - r) * SUPER, (cy - r) * SUPER, (cx + r) * SUPER, (cy + r) * SUPER], fill=GOLD)
    draw.ellipse([(cx - r + 4.5) * SUPER, (cy - r - 2) * SUPER, (cx + r + 3.5) * SUPER, (cy + r - 2) * SUPER],
                 fill=lerp(NIGHT_TOP, MIDNIGHT, 0.3))
    star(draw, 25 * SUPER, 11 * SUPER, 2.4 * SUPER, PALE_GOLD)
    emblem = big.resize((w, h), Image.LANCZOS)
    draw = ImageDraw.Draw(emblem)
    # The name and the word under it, centred between the moon and the plaque's right edge.
    for label, face, size, y, colour in [("Kalmira", "DejaVuSerif-Bold.ttf", 15, 8, PALE_GOLD),
                                         ("HOROSKOP", "DejaVuSans-Bold.ttf", 8, 28, GOLD)]:
        text_font = font(face, size)
        left, _, right, _ = draw.textbbox((0, 0), label, font=text_font)
        draw.text((round(30 + (76 - (right - left)) / 2 - left), y), label, font=text_font, fill=colour)
    save_bmp(emblem, "splash_emblem.bmp")


def field_tile():
    """171: the soft tile behind the birth-date fields, 113 x 85."""
    w, h = 113, 85
    big = Image.new("RGB", (w * SUPER, h * SUPER), SAND)
    draw = ImageDraw.Draw(big)
    rng = random.Random(171)
    faint = lerp(SAND, DUNE, 0.35)
    for _ in range(14):
        x, y = rng.uniform(4, w - 4), rng.uniform(4, h - 4)
        star(draw, x * SUPER, y * SUPER, rng.uniform(1.2, 2.2) * SUPER, faint)
    points = [(12, 70), (30, 58), (52, 64), (70, 48), (96, 54)]
    draw.line([(x * SUPER, y * SUPER) for x, y in points], fill=lerp(SAND, DUNE, 0.25), width=SUPER // 2)
    tile = big.resize((w, h), Image.LANCZOS).filter(ImageFilter.SMOOTH)
    save_bmp(tile, "field_tile.bmp")


def button(name, size, label, text_size):
    """A flat button face: warm terracotta with a gold edge and its label in cream."""
    w, h = size
    big = Image.new("RGB", (w * SUPER, h * SUPER), CREAM)
    draw = ImageDraw.Draw(big)
    draw.rounded_rectangle([0, 0, w * SUPER - 1, h * SUPER - 1], radius=5 * SUPER, fill=TERRACOTTA_DARK)
    draw.rounded_rectangle([SUPER, SUPER, (w - 1) * SUPER - 1, (h - 1) * SUPER - 1], radius=4 * SUPER,
                           fill=TERRACOTTA)
    face = big.resize((w, h), Image.LANCZOS)
    draw = ImageDraw.Draw(face)
    text_font = font("DejaVuSans-Bold.ttf", text_size)
    left, top, right, bottom = draw.textbbox((0, 0), label, font=text_font)
    x = (w - (right - left)) / 2 - left
    y = (h - (bottom - top)) / 2 - top
    draw.text((round(x), round(y)), label, font=text_font, fill=(255, 246, 232))
    save_bmp(face, name)


def icon():
    """180: a crescent and a star on a night disc, 32 x 32 in 16 colours."""
    size = 32
    big = Image.new("RGBA", (size * SUPER, size * SUPER), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    draw.ellipse([SUPER, SUPER, (size - 1) * SUPER, (size - 1) * SUPER], fill=NIGHT_TOP + (255,),
                 outline=GOLD + (255,), width=2 * SUPER)
    cx, cy, r = 14, 17, 9
    draw.ellipse([(cx - r) * SUPER, (cy - r) * SUPER, (cx + r) * SUPER, (cy + r) * SUPER], fill=GOLD + (255,))
    draw.ellipse([(cx - r + 5) * SUPER, (cy - r - 2) * SUPER, (cx + r + 4) * SUPER, (cy + r - 2) * SUPER],
                 fill=NIGHT_TOP + (255,))
    star(draw, 23 * SUPER, 10 * SUPER, 4 * SUPER, PALE_GOLD + (255,))
    image = big.resize((size, size), Image.LANCZOS)
    alpha = image.getchannel("A").point(lambda a: 255 if a >= 128 else 0)
    rgb = Image.new("RGB", (size, size), CREAM)
    rgb.paste(image.convert("RGB"), mask=alpha)
    indexed = rgb.quantize(colors=16, method=Image.Quantize.MEDIANCUT)
    palette = indexed.getpalette()[: 16 * 3]
    palette += [0] * (48 - len(palette))
    pixels = indexed.load()
    mask = alpha.load()

    # A classic icon resource: BITMAPINFOHEADER, 16-entry palette, 4-bit XOR image, 1-bit AND mask.
    xor_row = size // 2  # bytes per row at 4 bits per pixel (already a multiple of 4)
    and_row = 4          # 32 bits, padded to 4 bytes
    xor = bytearray()
    andmask = bytearray()
    for y in range(size - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(0, size, 2):
            row.append((pixels[x, y] << 4) | pixels[x + 1, y])
        xor += row
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (0 if mask[x, y] else 1)
        andmask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(andmask), 0, 0, 16, 0)
    colours = b"".join(struct.pack("BBBB", palette[i * 3 + 2], palette[i * 3 + 1], palette[i * 3], 0)
                       for i in range(16))
    image_data = header + colours + bytes(xor) + bytes(andmask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                                                              len(image_data), 6 + 16)
    with open(os.path.join(HERE, "kalmira.ico"), "wb") as f:
        f.write(directory + image_data)
    rgb.save(os.path.join(HERE, "..", "build", "icon-preview.png")) if os.path.isdir(
        os.path.join(HERE, "..", "build")) else None


def main():
    tile = splash_tile()
    splash_strip()
    splash_emblem(tile)
    field_tile()
    button("button_compute.bmp", (50, 19), "Vyvešti", 10)
    button("button_cancel.bmp", (90, 19), "Zavrieť", 10)
    button("button_about.bmp", (68, 17), "O programe", 9)
    icon()


main()
