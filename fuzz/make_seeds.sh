#!/usr/bin/env bash
# Writes a small starting corpus for each fuzz target into fuzz/corpus/<name>:
# bitmaps and JPEGs in their common forms (ImageMagick), and a few metafiles
# written record by record.
set -euo pipefail
out="${1:-$(dirname "$0")/corpus}"
mkdir -p "$out"/{bmp,jpeg,wmf,emf,csv_import,vcard}

printf '\xef\xbb\xbf氏名,フリガナ,〒,住所,携帯\r\n鈴木 花子,スズキ ハナコ,530-0001,"大阪府 北区\n2F",090\r\n' > "$out/csv_import/header.csv"
printf '姓\t名\tTEL\n山田\t太郎\t03\n' > "$out/csv_import/tabs.tsv"
printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E5=B1=B1;=E5=A4=AA=\r\n=E9=83=8E\r\nADR;HOME:;;a;b;c;123-4567;\r\nTEL;CELL:1\r\nEND:VCARD\r\n' > "$out/vcard/v21.vcf"
printf 'BEGIN:VCARD\nVERSION:4.0\nN;SORT-AS="a,b":x;y;;;\nitem1.TEL;VALUE=uri;TYPE="cell,voice":tel:+1\nORG:a\\;b;c\nCATEGORIES:x\\,y,z\nEND:VCARD\n' > "$out/vcard/v40.vcf"

convert -size 9x7 gradient:red-blue "$out/jpeg/base.jpg"
convert -size 9x7 gradient:red-blue -interlace Plane "$out/jpeg/progressive.jpg"
convert -size 9x7 gradient: -colorspace Gray "$out/jpeg/grey.jpg"
convert -size 9x7 gradient:red-blue -colorspace CMYK "$out/jpeg/cmyk.jpg"
convert -size 9x7 gradient:red-blue "BMP3:$out/bmp/rgb24.bmp"
convert -size 9x7 gradient:red-blue -type Palette "BMP3:$out/bmp/pal8.bmp"
convert -size 9x7 gradient:red-blue -colors 16 -compress RLE "BMP3:$out/bmp/rle.bmp"
convert -size 9x7 pattern:checkerboard -monochrome "BMP3:$out/bmp/mono.bmp"
convert -size 9x7 gradient:red-blue -define bmp:subtype=RGB565 "BMP:$out/bmp/rgb565.bmp"
convert -size 9x7 gradient:red-blue -alpha on "BMP:$out/bmp/v5.bmp"

python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]

def wmf_rec(fn, words=(), raw=b""):
    body = b"".join(struct.pack("<h", w) for w in words) + raw
    if len(body) % 2: body += b"\0"
    return struct.pack("<IH", 3 + len(body) // 2, fn) + body

recs = b"".join([
    wmf_rec(0x0103, [8]), wmf_rec(0x020B, [0, 0]), wmf_rec(0x020C, [100, 100]),
    wmf_rec(0x02FC, raw=struct.pack("<HIH", 2, 0xff, 3)), wmf_rec(0x012D, [0]),
    wmf_rec(0x02FA, raw=struct.pack("<HhhI", 1, 3, 0, 0x00ff00)), wmf_rec(0x012D, [1]),
    wmf_rec(0x041B, [60, 60, 10, 10]), wmf_rec(0x0817, [0, 50, 50, 100, 100, 100, 0, 0]),
    wmf_rec(0x0538, [2, 3, 3, 0, 0, 50, 0, 0, 50, 60, 60, 90, 60, 60, 90]),
    wmf_rec(0x02FB, raw=struct.pack("<hhhhh8B", -20, 0, 900, 0, 700, 0, 0, 0, 128, 0, 0, 0, 0) + b"\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9\0"),
    wmf_rec(0x012D, [2]), wmf_rec(0x0A32, [50, 50, 4, 6, 0, 0, 90, 90], b"\x93\xfa\x96\x7b" + struct.pack("<hh", 20, 20)),
    wmf_rec(0x0F43, [0x20, 0xcc, 0, 1, 1, 0, 0, 20, 20, 5, 5],
            struct.pack("<IiiHHIIiiII", 40, 1, 1, 1, 24, 0, 4, 0, 0, 0, 0) + b"\x10\x20\x30\0"),
    wmf_rec(0x001E), wmf_rec(0x0127, [-1]), wmf_rec(0x0000),
])
header = struct.pack("<HHHIHIH", 1, 9, 0x300, 9 + len(recs) // 2, 4, 20, 0)
place = struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, 100, 100, 96, 0, 0)
open(f"{out}/wmf/placeable.wmf", "wb").write(place + header + recs)
open(f"{out}/wmf/plain.wmf", "wb").write(header + recs)

def emf_rec(t, ints=(), raw=b""):
    body = b"".join(struct.pack("<i", v) for v in ints) + raw
    return struct.pack("<II", t, 8 + len(body)) + body

text = struct.pack("<4iiff2iIII4iI", 0, 0, 0, 0, 1, 0, 0, 10, 10, 2, 76, 0, 0, 0, 0, 0, 80) + "A漢".encode("utf-16-le") + struct.pack("<ii", 12, 12)
font = struct.pack("<I5i8B", 1, -16, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0) + "Arial".encode("utf-16-le").ljust(64, b"\0")
recs = b"".join([
    emf_rec(82, raw=font), emf_rec(37, [1]),
    emf_rec(39, [2, 0, 0x0000ff, 0]), emf_rec(37, [2]),
    emf_rec(95, [3, 0, 0, 0, 0, 0x2200, 4, 0, 0xff00, 0, 0]), emf_rec(37, [3]),
    emf_rec(17, [8]), emf_rec(9, [200, 200]), emf_rec(11, [96, 96]),
    emf_rec(43, [10, 10, 90, 90]), emf_rec(44, [20, 20, 80, 80, 10, 10]), emf_rec(47, [0, 0, 100, 100, 100, 50, 50, 0]),
    emf_rec(86, raw=struct.pack("<4iI6h", 0, 0, 0, 0, 3, 0, 0, 40, 0, 0, 40)),
    emf_rec(59), emf_rec(27, [5, 5]), emf_rec(54, [50, 5]), emf_rec(55, [0, 0, 60, 60, 60, 30, 30, 0]), emf_rec(61), emf_rec(60), emf_rec(63, [0, 0, 0, 0]),
    emf_rec(35, raw=struct.pack("<6f", 1, 0.2, 0, 1, 3, 3)), emf_rec(33), emf_rec(34, [-1]),
    emf_rec(84, raw=text),
    emf_rec(81, [0, 0, 0, 0, 5, 5, 0, 0, 1, 1, 80, 40, 120, 4, 0, 0xcc0020, 20, 20],
            struct.pack("<IiiHHIIiiII", 40, 1, 1, 1, 24, 0, 4, 0, 0, 0, 0) + b"\x10\x20\x30\0"),
    emf_rec(75, [48, 1], struct.pack("<IIII4i", 32, 1, 1, 16, 0, 0, 50, 50) + struct.pack("<4i", 0, 0, 50, 50)),
    emf_rec(14, [0, 16, 20]),
])
head = struct.pack("<II4i4iIIIIHHIIIiiii", 1, 88, 0, 0, 99, 99, 0, 0, 2646, 2646, 0x464D4520, 0x10000,
                   88 + len(recs), 30, 8, 0, 0, 0, 0, 1000, 1000, 264, 264)
open(f"{out}/emf/shapes.emf", "wb").write(head + recs)
PY
echo "seeds in $out"
