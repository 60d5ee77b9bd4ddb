#!/usr/bin/env bash
# Draws Quimbly's picture panel (assets/panel.bmp) and program icon (assets/quimbly.ico)
# from scratch, then reads both back and fails loudly if the pixels the GUI tests probe
# or the icon's structure are not exactly as expected.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mkdir -p "$here/../../assets"
assets=$(cd "$here/../../assets" && pwd)
# /usr/local/bin may hold a wrapper named convert; the real ImageMagick 6 lives here.
IM=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ground='rgb(0,162,243)'
wire='rgb(40,185,250)'
steel='rgb(65,145,187)'

# ---------- panel.bmp: 161 x 75, three button pictures on a globe ----------

# Arguments that draw white text with a crisp one-pixel black outline: the text is
# stamped in black at the eight neighbouring offsets, then in white on top.
outlined() { # x y text -> sets the array TEXT
  TEXT=(-fill black)
  local dx dy
  for dx in -1 0 1; do for dy in -1 0 1; do
    if ((dx || dy)); then
      TEXT+=(-annotate "$(printf '%+d%+d' $(($1 + dx)) $(($2 + dy)))" "$3")
    fi
  done; done
  TEXT+=(-fill white -annotate "$(printf '%+d%+d' "$1" "$2")" "$3")
}

# One button: steel fill with an outlined word, then a 1-pixel black frame.
# Words share one font, size and baseline so they line up across the buttons.
button() { # name word width height
  outlined 0 3 "$2"
  "$IM" -size "$(($3 - 2))x$(($4 - 2))" "xc:$steel" \
    -font Helvetica-Narrow-Bold -pointsize 20 -gravity North "${TEXT[@]}" \
    -bordercolor black -border 1 "$work/$1.png"
}
button file File 43 34
button start Start 56 34
button stop Stop 49 34

outlined 0 1 'Quimbly v1 By: zyk'
# Wire-frame globe drawn crisp (no antialiasing) so each line is one exact colour.
# No centre meridian and parallels off rows 21/40, so the ground probes stay clear;
# the probe pixels and row 74 are re-filled anyway in case the globe is ever redrawn.
"$IM" -size 161x75 "xc:$ground" +antialias -fill none -stroke "$wire" -strokewidth 1 \
  -draw 'ellipse 80,37 44,35 0,360' \
  -draw 'ellipse 80,37 38,35 0,360' \
  -draw 'ellipse 80,37 22,35 0,360' \
  -draw 'line 36,37 124,37' \
  -draw 'line 42,19 118,19' -draw 'line 42,55 118,55' \
  -draw 'line 58,7 102,7' -draw 'line 58,67 102,67' \
  -stroke none -fill "$ground" \
  -draw 'point 46,40' -draw 'point 106,40' -draw 'point 80,21' \
  -draw 'point 20,68' -draw 'point 140,68' -draw 'rectangle 0,74 160,74' \
  -antialias -font Helvetica-Narrow-Bold -pointsize 12 -gravity North "${TEXT[@]}" \
  -gravity NorthWest \
  "$work/file.png" -geometry +2+28 -composite \
  "$work/start.png" -geometry +49+28 -composite \
  "$work/stop.png" -geometry +108+28 -composite \
  -type TrueColor -strip "BMP3:$assets/panel.bmp"
echo "wrote $assets/panel.bmp"

# ---------- quimbly.ico: grey 3-D question mark with a drop shadow ----------

# Drawn large (16x the small icon) so the extrusion and shadow, 16 pixels each here,
# come out as whole pixels at both icon sizes: 2 at 32 x 32, 1 at 16 x 16.
S=256 depth=16 drop=16
"$IM" -size ${S}x${S} xc:black -font Helvetica-Bold -pointsize 230 -fill white \
  -gravity center -annotate +0+0 '?' -trim +repage "$work/glyph.png"
read -r gw gh < <("$IM" "$work/glyph.png" -format '%w %h\n' info:)
# Lower the dot (the bottom fifth) a little so the gap above it survives the
# extrusion and still shows at 16 x 16.
cut=$((gh * 76 / 100)) gap=24
"$IM" -size "${gw}x$((gh + gap))" xc:black \
  \( "$work/glyph.png" -crop "${gw}x$cut+0+0" \) -geometry +0+0 -composite \
  \( "$work/glyph.png" -crop "${gw}x$((gh - cut))+0+$cut" \) -geometry "+0+$((cut + gap))" -composite \
  +repage "$work/glyph.png"
gh=$((gh + gap))
"$IM" -size ${S}x${S} xc:black "$work/glyph.png" \
  -geometry "+$(((S - gw - depth - drop) / 2))+$(((S - gh - depth - drop) / 2))" \
  -composite "$work/front.png"
# The solid: the front face swept down-right, one copy per pixel of depth.
sweep=()
for ((k = 1; k <= depth; k++)); do sweep+=("$work/front.png" -geometry "+$k+$k" -composite); done
"$IM" "$work/front.png" -compose lighten "${sweep[@]}" "$work/solid.png"
"$IM" -size ${S}x${S} xc:black "$work/solid.png" -geometry "+$drop+$drop" \
  -compose lighten -composite "$work/shadow.png"
# Front face lit from the top left, so it reads as rounded.
"$IM" "$work/front.png" -blur 0x8 -shade 135x40 -auto-level +level 55%,100% "$work/face.png"
cutout() { # colour-source mask out: the colour, shaped by the mask
  "$IM" "$1" "$2" -alpha off -compose copyopacity -composite "$3"
}
"$IM" -size ${S}x${S} xc:'#2e2e2e' "$work/dark.png"
"$IM" -size ${S}x${S} gradient:'#7a7a7a-#4e4e4e' "$work/side.png"
cutout "$work/dark.png" "$work/shadow.png" "$work/l1.png"
cutout "$work/side.png" "$work/solid.png" "$work/l2.png"
cutout "$work/face.png" "$work/front.png" "$work/l3.png"
"$IM" "$work/l1.png" "$work/l2.png" -composite "$work/l3.png" -composite "$work/big.png"

# Each size: box-filter down (an exact area average), cut alpha to the 1-bit mask,
# and dump raw palette-ready colours (transparent parts black) plus the mask.
for n in 32 16; do
  "$IM" "$work/big.png" -filter Box -resize ${n}x${n} -channel A -threshold 50% +channel \
    "$work/icon$n.png"
  "$IM" "$work/icon$n.png" -background black -alpha remove +dither -colors 256 \
    -depth 8 "rgb:$work/icon$n.rgb"
  "$IM" "$work/icon$n.png" -alpha extract -depth 8 "gray:$work/icon$n.alpha"
done

# ImageMagick 6 picks each ICO entry's bit depth from the image type (a grey image
# comes out 32-bit), so the 8-bit entries are packed here: 256-colour palette with black first (transparent pixels point at it),
# bottom-up XOR rows, then the 1-bit AND mask (1 = transparent), rows padded to 32 bits.
python3 - "$work" "$assets/quimbly.ico" <<'PY'
import struct, sys
work, out = sys.argv[1], sys.argv[2]
entries = []
for n in (32, 16):
    rgb = open(f"{work}/icon{n}.rgb", "rb").read()
    alpha = open(f"{work}/icon{n}.alpha", "rb").read()
    assert len(rgb) == 3 * n * n and len(alpha) == n * n, "unexpected raw sizes"
    pixels = [rgb[i:i + 3] for i in range(0, len(rgb), 3)]
    opaque = [a >= 128 for a in alpha]
    colours = [b"\0\0\0"] + sorted({p for p, o in zip(pixels, opaque) if o} - {b"\0\0\0"})
    if len(colours) > 256:
        sys.exit(f"icon {n}: {len(colours)} colours do not fit a 256-entry palette")
    index = {c: i for i, c in enumerate(colours)}
    palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
    palette += b"\0" * (1024 - len(palette))
    xor, mask = b"", b""
    mask_row_bytes = (n + 31) // 32 * 4
    for y in reversed(range(n)):
        row = range(y * n, y * n + n)
        xor += bytes(index[pixels[i]] if opaque[i] else 0 for i in row)
        bits = 0
        for i in row:
            bits = bits << 1 | (not opaque[i])
        mask += (bits << (mask_row_bytes * 8 - n)).to_bytes(mask_row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 8, 0, len(xor) + len(mask), 0, 0, 0, 0)
    entries.append((n, header + palette + xor + mask))
data = struct.pack("<HHH", 0, 1, len(entries))
offset = len(data) + 16 * len(entries)
for n, image in entries:
    data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 8, len(image), offset)
    offset += len(image)
data += b"".join(image for _, image in entries)
open(out, "wb").write(data)
PY
echo "wrote $assets/quimbly.ico ($(stat -c %s "$assets/quimbly.ico") bytes)"

# ---------- read both files back and check them ----------
python3 - "$assets/panel.bmp" "$assets/quimbly.ico" <<'PY'
import struct, sys
bmp, ico = (open(p, "rb").read() for p in sys.argv[1:3])
errors = []
def need(ok, what):
    if not ok:
        errors.append(what)

# panel.bmp: 24-bit, uncompressed, bottom-up, BITMAPINFOHEADER.
W, H = 161, 75
stride = (W * 3 + 3) // 4 * 4
need(bmp[:2] == b"BM", "panel: not a BMP")
off, hsize, w, h, planes, bpp, comp = struct.unpack_from("<10xI IiiHHI", bmp)
need((hsize, w, h, planes, bpp, comp) == (40, W, H, 1, 24, 0),
     f"panel: header size/width/height/planes/bits/compression = {(hsize, w, h, planes, bpp, comp)}")
need(len(bmp) >= off + stride * H, "panel: pixel data truncated")
def px(x, y):
    i = off + (H - 1 - y) * stride + 3 * x
    return tuple(bmp[i:i + 3][::-1])

ground, wire, steel, black = (0, 162, 243), (40, 185, 250), (65, 145, 187), (0, 0, 0)
probes = {p: ground for p in [(46, 40), (106, 40), (80, 21), (20, 68), (140, 68)]}
probes.update({(x, 74): ground for x in range(W)})
buttons = [(2, 44), (49, 104), (108, 156)]
top, bottom = 28, 61
for x0, x1 in buttons:
    for d, colour in ((0, black), (1, steel)):  # the frame ring, then the ring just inside it
        l, r, t, b = x0 + d, x1 - d, top + d, bottom - d
        ring = [(x, y) for x in range(l, r + 1) for y in (t, b)] + [(x, y) for y in range(t, b + 1) for x in (l, r)]
        probes.update({p: colour for p in ring})
    probes.update({(x0 + 3, top + 3): steel, (x1 - 3, bottom - 3): steel})
bad = [f"{p} is {px(*p)}, want {c}" for p, c in probes.items() if px(*p) != c]
need(not bad, "panel probes: " + "; ".join(bad[:10]))
# Title letters stay within rows 3..16: the other rows outside the buttons hold only ground and globe.
rows = [y for y in range(H) if not 3 <= y <= 16]
stray = [(x, y) for y in rows for x in range(W)
         if px(x, y) not in (ground, wire) and not any(x0 <= x <= x1 and top <= y <= bottom for x0, x1 in buttons)]
need(not stray, f"panel: unexpected colours outside the title rows and buttons, e.g. {stray[:5]}")
inked = {y for y in range(3, 17) for x in range(W) if px(x, y) not in (ground, wire)}
need(inked == set(range(3, 17)), f"panel: title does not span rows 3..16 (inked rows {sorted(inked)})")

# quimbly.ico: two 8-bit palettized images with AND masks.
reserved, kind, count = struct.unpack_from("<HHH", ico)
need((reserved, kind, count) == (0, 1, 2), f"icon: directory header {(reserved, kind, count)}")
end = 6 + 16 * count
for e in range(count):
    n, n2, ncol, res, planes, bpp, size, at = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * e)
    need((n, n2, ncol, planes, bpp) == ((32, 16)[e],) * 2 + (0, 1, 8), f"icon entry {e}: {(n, n2, ncol, planes, bpp)}")
    need(at == end, f"icon entry {e}: offset {at}, expected {end}")
    hsize, w, h, planes, bpp, comp = struct.unpack_from("<IiiHHI", ico, at)
    need((hsize, w, h, planes, bpp, comp) == (40, n, 2 * n, 1, 8, 0), f"icon {n}: header {(hsize, w, h, planes, bpp, comp)}")
    mask_row = (n + 31) // 32 * 4
    need(size == 40 + 1024 + n * n + mask_row * n, f"icon {n}: image size {size} leaves no room for palette/XOR/AND")
    pal = ico[at + 40:at + 1064]
    xor = ico[at + 1064:at + 1064 + n * n]
    andm = ico[at + 1064 + n * n:at + size]
    clear = [andm[r * mask_row + x // 8] >> (7 - x % 8) & 1 for r in range(n) for x in range(n)]
    need(0 < sum(clear) < n * n, f"icon {n}: mask is all one value")
    need(all(pal[4 * xor[i]:4 * xor[i] + 3] == b"\0\0\0" for i in range(n * n) if clear[i]),
         f"icon {n}: transparent pixels not black in the XOR image")
    end += size
need(end == len(ico), f"icon: {len(ico)} bytes, entries end at {end}")

if errors:
    sys.exit("CHECK FAILED:\n  " + "\n  ".join(errors))
print(f"check ok: panel.bmp 161x75 24-bit, {len(probes)} probe pixels exact, title within rows 3..16")
print(f"check ok: quimbly.ico {len(ico)} bytes, 32x32 + 16x16, 8 bits per pixel, 256-entry palettes, AND masks")
PY
