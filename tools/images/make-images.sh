#!/usr/bin/env bash
# Draws Quimbly's picture panel (assets/panel.bmp, plus panel-125/150/200.bmp for 120,
# 144 and 192 DPI) and program icon (assets/quimbly.ico) from scratch, then reads them
# back and fails loudly if the pixels the GUI tests probe or the icon's structure are
# not exactly as expected.
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
# The same picture is drawn at each DPI scale the program lays itself out at. Measures
# below are 96-DPI pixels; q is the scale in quarters (4 = 96 DPI, 5 = 120, 6 = 144,
# 8 = 192). An edge or length converts as the program converts its layout: once,
# rounding half up. Lines one pixel wide at 96 DPI (button frames, letter outlines,
# globe wires) become $(px 1) pixels: 1, 1, 2, 2.
px() { echo $((($1 * q + 2) / 4)); }
# Globe geometry is drawn at fractional places instead, so the curves keep their shape:
# the centre of a 96-DPI pixel goes to the centre of the same spot at scale, lengths scale.
at() { awk -v v="$1" -v q="$q" 'BEGIN { printf "%.10g", (v + 0.5) * q / 4 - 0.5 }'; }
len() { awk -v v="$1" -v q="$q" 'BEGIN { printf "%.10g", v * q / 4 }'; }
# A draw primitive that fills the area of one 96-DPI pixel at scale.
spot() { # x y
  local l t r b
  l=$(px "$1") t=$(px "$2") r=$(($(px $(($1 + 1))) - 1)) b=$(($(px $(($2 + 1))) - 1))
  if ((l == r && t == b)); then echo "point $l,$t"; else echo "rectangle $l,$t $r,$b"; fi
}

# Arguments that draw white text with a crisp black outline $o pixels thick: the text is
# stamped in black at every offset of the square around it, then in white on top.
outlined() { # x y text -> sets the array TEXT
  TEXT=(-fill black)
  local dx dy
  for ((dx = -o; dx <= o; dx++)); do for ((dy = -o; dy <= o; dy++)); do
    if ((dx || dy)); then
      TEXT+=(-annotate "$(printf '%+d%+d' $(($1 + dx)) $(($2 + dy)))" "$3")
    fi
  done; done
  TEXT+=(-fill white -annotate "$(printf '%+d%+d' "$1" "$2")" "$3")
}

# One button: steel fill with an outlined word, then a black frame. Its outer edges
# are scaled as edges (left and right-exclusive each rounded once), so neighbouring
# buttons keep their gaps. Words share one font, size and baseline so they line up;
# their top sits 4 pixels (at 96 DPI) below the button's outer top.
button() { # name word left right top bottom (96-DPI pixels, inclusive) -> sets GEOMETRY
  local l=$(px "$3") r=$(px $(($4 + 1))) t=$(px "$5") b=$(px $(($6 + 1))) f=$(px 1)
  outlined 0 $(($(px 4) - f)) "$2"
  "$IM" -size "$((r - l - 2 * f))x$((b - t - 2 * f))" "xc:$steel" \
    -font Helvetica-Narrow-Bold -pointsize "$(len 20)" -gravity North "${TEXT[@]}" \
    -bordercolor black -border "$f" "$work/$1.png"
  GEOMETRY=+$l+$t
}

draw_panel() { # q, then the output arguments
  local q=$1 o g1 g2 g3
  shift
  o=$(px 1)
  button file File 2 44 28 61
  g1=$GEOMETRY
  button start Start 49 104 28 61
  g2=$GEOMETRY
  button stop Stop 108 156 28 61
  g3=$GEOMETRY
  outlined 0 "$(px 1)" 'Quimbly v1 By: zyk'
  # Wire-frame globe drawn crisp (no antialiasing) so each line is one exact colour.
  # No centre meridian and parallels off rows 21/40, so the ground probes stay clear;
  # the probe pixels and the bottom row are re-filled anyway in case the globe is ever redrawn.
  "$IM" -size "$(px 161)x$(px 75)" "xc:$ground" +antialias -fill none -stroke "$wire" -strokewidth "$(px 1)" \
    -draw "ellipse $(at 80),$(at 37) $(len 44),$(len 35) 0,360" \
    -draw "ellipse $(at 80),$(at 37) $(len 38),$(len 35) 0,360" \
    -draw "ellipse $(at 80),$(at 37) $(len 22),$(len 35) 0,360" \
    -draw "line $(at 36),$(at 37) $(at 124),$(at 37)" \
    -draw "line $(at 42),$(at 19) $(at 118),$(at 19)" -draw "line $(at 42),$(at 55) $(at 118),$(at 55)" \
    -draw "line $(at 58),$(at 7) $(at 102),$(at 7)" -draw "line $(at 58),$(at 67) $(at 102),$(at 67)" \
    -stroke none -fill "$ground" \
    -draw "$(spot 46 40)" -draw "$(spot 106 40)" -draw "$(spot 80 21)" \
    -draw "$(spot 20 68)" -draw "$(spot 140 68)" -draw "rectangle 0,$(px 74) $(($(px 161) - 1)),$(($(px 75) - 1))" \
    -antialias -font Helvetica-Narrow-Bold -pointsize "$(len 12)" -gravity North "${TEXT[@]}" \
    -gravity NorthWest \
    "$work/file.png" -geometry "$g1" -composite \
    "$work/start.png" -geometry "$g2" -composite \
    "$work/stop.png" -geometry "$g3" -composite \
    "$@"
}

draw_panel 4 -type TrueColor -strip "BMP3:$assets/panel.bmp"
echo "wrote $assets/panel.bmp"
scaled=()
for q in 5 6 8; do
  draw_panel $q -depth 8 "rgb:$work/panel-$((q * 25)).rgb"
  scaled+=("$q:$(px 161)x$(px 75)")
done

# The larger panels go into the program too, so they are stored as 8-bit BI_RLE8 BMPs:
# the palette is the picture's 256 commonest colours (the flat ground, wire, steel, black
# and white among them, so those stay exact) and any rarer colour, all in the soft
# edges of letters, becomes its nearest palette entry. Each row is cut into encoded runs
# and absolute stretches by a shortest-path search, so it is as small as RLE8 allows
# without delta escapes; every row ends with an end-of-line, the picture with end-of-bitmap.
python3 - "$work" "$assets" "${scaled[@]}" <<'PY'
import struct, sys
from collections import Counter
work, assets = sys.argv[1:3]

def encode_row(row):
    n = len(row)
    cost = [0] * (n + 1)   # fewest bytes that encode the first j pixels
    piece = [None] * (n + 1)  # the last piece of that encoding: (start, absolute?)
    a = [0] * (n + 1)      # cost[i] - i, so an absolute stretch i..j costs a[i] + j + 2 (+1 if odd)
    same = 0               # how many pixels up to j-1 share row[j-1]
    for j in range(1, n + 1):
        same = same + 1 if j > 1 and row[j - 1] == row[j - 2] else 1
        lo = j - min(same, 255)
        best = min(cost[lo:j])
        last = lo + cost[lo:j].index(best), False
        best += 2
        first = max(0, j - 255)
        if j >= 3:
            for parity in (0, 1):  # stretches of even, then odd, length
                s = first + ((j - first) % 2 != parity)
                if s <= j - 3:
                    m = min(a[s:j - 2:2])
                    if m + j + 2 + parity < best:
                        best, last = m + j + 2 + parity, (s + 2 * a[s:j - 2:2].index(m), True)
        cost[j], piece[j], a[j] = best, last, best - j
    pieces, j = [], n
    while j:
        pieces.append((piece[j][0], j, piece[j][1]))
        j = piece[j][0]
    out = bytearray()
    for i, j, absolute in reversed(pieces):
        if not absolute:
            out += bytes((j - i, row[i]))
        else:
            out += bytes((0, j - i)) + bytes(row[i:j]) + b"\0" * ((j - i) % 2)
    return out + b"\0\0"

for job in sys.argv[3:]:
    q, size = job.split(":")
    w, h = map(int, size.split("x"))
    raw = open(f"{work}/panel-{int(q) * 25}.rgb", "rb").read()
    assert len(raw) == 3 * w * h, f"panel at {q}/4: {len(raw)} bytes of pixels for {w}x{h}"
    pixels = [raw[i:i + 3] for i in range(0, len(raw), 3)]
    counts = Counter(pixels)
    palette = sorted(counts, key=lambda c: (-counts[c], c))[:256]
    index = {c: i for i, c in enumerate(palette)}
    for c in counts:
        if c not in index:
            index[c] = min(range(len(palette)),
                           key=lambda i: (sum((u - v) ** 2 for u, v in zip(c, palette[i])), i))
    bits = b"".join(encode_row([index[p] for p in pixels[y * w:(y + 1) * w]])
                    for y in reversed(range(h))) + b"\0\1"
    table = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    offset = 14 + 40 + len(table)
    data = (struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
            + struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(bits), 0, 0, len(palette), 0)
            + table + bits)
    name = f"{assets}/panel-{int(q) * 25}.bmp"
    open(name, "wb").write(data)
    print(f"wrote {name} ({len(data)} bytes, {len(counts)} colours drawn, {len(palette)} kept)")
PY

# ---------- quimbly.ico: grey 3-D question mark with a drop shadow ----------

# Drawn large (16x the small icon) so the extrusion and shadow, 16 pixels each here,
# come out as whole pixels at 32 x 32 (2), 16 x 16 (1) and 48 x 48 (3); at 24 x 24 they
# are a pixel and a half, so that size's edges come out a little softer.
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

# Each size: box-filter down (an area average), cut alpha to the 1-bit mask,
# and dump raw palette-ready colours (transparent parts black) plus the mask.
for n in 32 16 48 24; do
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
for n in (32, 16, 48, 24):
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

# ---------- read everything back and check it ----------
python3 - "$assets" "$work" <<'PY'
import struct, sys
assets, work = sys.argv[1:3]
errors = []
def need(ok, what):
    if not ok:
        errors.append(what)

ground, wire, steel, black, white = (0, 162, 243), (40, 185, 250), (65, 145, 187), (0, 0, 0), (255, 255, 255)

def read_bmp24(data, W, H):
    """panel.bmp: 24-bit, uncompressed, bottom-up, BITMAPINFOHEADER."""
    stride = (W * 3 + 3) // 4 * 4
    need(data[:2] == b"BM", "panel: not a BMP")
    off, hsize, w, h, planes, bpp, comp = struct.unpack_from("<10xI IiiHHI", data)
    need((hsize, w, h, planes, bpp, comp) == (40, W, H, 1, 24, 0),
         f"panel: header size/width/height/planes/bits/compression = {(hsize, w, h, planes, bpp, comp)}")
    need(len(data) >= off + stride * H, "panel: pixel data truncated")
    return lambda x, y: tuple(data[off + (H - 1 - y) * stride + 3 * x:][:3][::-1])

def read_rle8(name, data, W, H):
    """An RLE8 reader written apart from the encoder and stricter than most: every row
    must be filled exactly and closed with end-of-line, and no delta escapes."""
    magic, fsize, off = struct.unpack_from("<2sI4xI", data)
    hsize, w, h, planes, bpp, comp, isize, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
    need((magic, fsize) == (b"BM", len(data)), f"{name}: file header {magic, fsize}, file is {len(data)} bytes")
    need((hsize, w, h, planes, bpp, comp) == (40, W, H, 1, 8, 1),
         f"{name}: header size/width/height/planes/bits/compression = {(hsize, w, h, planes, bpp, comp)}")
    need(0 < used <= 256 and off == 54 + 4 * used, f"{name}: {used} palette entries, pixels at {off}")
    need(isize == len(data) - off, f"{name}: biSizeImage {isize}, compressed data is {len(data) - off} bytes")
    if errors:
        return None
    pal = [tuple(data[54 + 4 * i:54 + 4 * i + 3][::-1]) for i in range(used)]
    rows, row, i = [], [], off
    while True:
        if i + 2 > len(data):
            need(False, f"{name}: data ends without end-of-bitmap")
            return None
        count, value = data[i], data[i + 1]
        i += 2
        if count:
            row += [value] * count
        elif value == 0:
            need(len(row) == W, f"{name}: row {len(rows)} holds {len(row)} pixels")
            rows.append(row)
            row = []
        elif value == 1:
            break
        elif value == 2:
            need(False, f"{name}: delta escape at byte {i - 2}")
            return None
        else:
            row += data[i:i + value]
            i += value + value % 2
    need(not row and len(rows) == H, f"{name}: {len(rows)} rows closed, {len(row)} pixels left over")
    need(i == len(data), f"{name}: {len(data) - i} bytes after end-of-bitmap")
    need(all(v < used for r in rows for v in r), f"{name}: pixel beyond the palette")
    if errors:
        return None
    return lambda x, y: pal[rows[H - 1 - y][x]]

def check_panel(name, q, W, H, px):
    """Probe the places the GUI relies on, at scale q/4 (96-DPI measures, edges rounded half up)."""
    s = lambda v: (v * q + 2) // 4
    need((W, H) == (s(161), s(75)), f"{name}: {W}x{H}")
    f = s(1)  # frame thickness
    area = lambda x, y: [(i, j) for i in range(s(x), s(x + 1)) for j in range(s(y), s(y + 1))]
    probes = {}
    for x, y in [(46, 40), (106, 40), (80, 21), (20, 68), (140, 68)]:
        probes.update({p: ground for p in area(x, y)})
    probes.update({(x, y): ground for x in range(W) for y in range(s(74), H)})
    top, bottom = s(28), s(62) - 1
    painted = []
    for x0, x1 in [(2, 44), (49, 104), (108, 156)]:
        l, r = s(x0), s(x1 + 1) - 1
        painted.append((l, r))
        for d in range(f + 1):  # the frame rings, then the ring just inside them
            L, R, T, B = l + d, r - d, top + d, bottom - d
            ring = [(x, y) for x in range(L, R + 1) for y in (T, B)] + [(x, y) for y in range(T, B + 1) for x in (L, R)]
            probes.update({p: black if d < f else steel for p in ring})
        probes.update({p: steel for p in area(x0 + 3, 31) + area(x1 - 3, 58)})
        probes.update({((l + r) // 2, y): steel for y in range(s(55), s(60))})  # under the word
    bad = [f"{p} is {px(*p)}, want {c}" for p, c in probes.items() if px(*p) != c]
    need(not bad, f"{name} probes: " + "; ".join(bad[:10]))
    # The title sits in the band of 96-DPI rows 3..16: the other rows outside the
    # buttons hold only ground and globe. Scaled, the faintest edge row of the letters
    # may round into the ground colour, so the title may fall one row short at either end.
    band = range(s(3), s(17))
    stray = [(x, y) for y in range(H) if y not in band for x in range(W)
             if px(x, y) not in (ground, wire) and not any(l <= x <= r and top <= y <= bottom for l, r in painted)]
    need(not stray, f"{name}: unexpected colours outside the title rows and buttons, e.g. {stray[:5]}")
    inked = sorted({y for y in band for x in range(W) if px(x, y) not in (ground, wire)})
    slack = q != 4
    need(inked and inked == list(range(inked[0], inked[-1] + 1))
         and inked[0] <= band[0] + slack and inked[-1] >= band[-1] - slack,
         f"{name}: title rows {inked[:1]}..{inked[-1:]}, want {band[0]}..{band[-1]}")
    # Click areas: twips at 96 DPI are the 1x columns 0..40, 48..104, 112..160, rows 24..64.
    dpi = 24 * q
    tw = lambda t: (2 * t * dpi + 1440) // 2880
    clicks = [(tw(l), tw(l + w)) for l, w in [(0, 615), (720, 855), (1680, 735)]]
    ct, cb = tw(360), tw(360 + 615)
    if q == 4:
        need(clicks == [(0, 41), (48, 105), (112, 161)] and (ct, cb) == (24, 65),
             f"{name}: click areas at 96 DPI {clicks}, rows {ct}..{cb - 1}")
    for i, ((l, r), (cl, cr)) in enumerate(zip(painted, clicks)):
        for mx in {(l + r) // 2, (l + r + 1) // 2}:
            for my in {(top + bottom) // 2, (top + bottom + 1) // 2}:
                need(cl <= mx < cr and ct <= my < cb,
                     f"{name}: button {i} middle {(mx, my)} outside its click area {cl}..{cr - 1} x {ct}..{cb - 1}")
        if i:
            need(l >= clicks[i - 1][1], f"{name}: button {i} starts at {l}, under click area {i - 1} (to {clicks[i - 1][1] - 1})")
    return len(probes)

W, H = 161, 75
n = check_panel("panel.bmp", 4, W, H, read_bmp24(open(f"{assets}/panel.bmp", "rb").read(), W, H))
report = [f"panel.bmp {W}x{H} 24-bit, {n} probe pixels exact, title within rows 3..16"]

for q in (5, 6, 8):
    name = f"panel-{q * 25}.bmp"
    W, H = (161 * q + 2) // 4, (75 * q + 2) // 4
    data = open(f"{assets}/{name}", "rb").read()
    px = read_rle8(name, data, W, H)
    if px is None:
        continue
    # Against the drawing: flat colours exact, the soft edges of letters near their own.
    raw = open(f"{work}/panel-{q * 25}.rgb", "rb").read()
    drawn = lambda x, y: tuple(raw[3 * (y * W + x):3 * (y * W + x) + 3])
    moved = [(x, y) for y in range(H) for x in range(W) if px(x, y) != drawn(x, y)]
    flat = [p for p in moved if drawn(*p) in (ground, wire, steel, black, white)]
    far = [p for p in moved if max(abs(u - v) for u, v in zip(px(*p), drawn(*p))) > 48]
    need(not flat and not far and len(moved) < W * H // 20,
         f"{name}: {len(moved)} pixels off the drawing, {len(flat)} of them flat colours, {len(far)} far off")
    n = check_panel(name, q, W, H, px)
    report.append(f"{name} {W}x{H} RLE8 {len(data)} bytes, {n} probe pixels exact, {len(moved)} edge pixels remapped")

# quimbly.ico: four 8-bit palettized images with AND masks, 32 and 16 first.
ico = open(f"{assets}/quimbly.ico", "rb").read()
sizes = (32, 16, 48, 24)
reserved, kind, count = struct.unpack_from("<HHH", ico)
need((reserved, kind, count) == (0, 1, len(sizes)), f"icon: directory header {(reserved, kind, count)}")
end = 6 + 16 * count
for e in range(count):
    n, n2, ncol, res, planes, bpp, size, at = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * e)
    need((n, n2, ncol, planes, bpp) == (sizes[e],) * 2 + (0, 1, 8), f"icon entry {e}: {(n, n2, ncol, planes, bpp)}")
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
report.append(f"quimbly.ico {len(ico)} bytes, {' + '.join(f'{n}x{n}' for n in sizes)}, 8 bits per pixel, 256-entry palettes, AND masks")

if errors:
    sys.exit("CHECK FAILED:\n  " + "\n  ".join(errors))
print("\n".join("check ok: " + line for line in report))
PY
