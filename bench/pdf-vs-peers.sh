#!/usr/bin/env bash
# Times `mirel36 --export-pdf` beside the programs a user could draw the same
# address sides with, on the same generated books, in one hyperfine run per
# book size, and prints each median, its ratio to ours and the peak memory.
#
# usage: bench/pdf-vs-peers.sh [N ...]            (default: 1000 10000)
# env:   MIREL36=build/mirel36                    the program to time
#        PEERS_DIR=../shared/bench-peers          gen_data.py and the peer scripts
#        PEERS="reportlab_cid reportlab_ttf pango"
#        RUNS=5                                   timed runs per command
#        OUT=/tmp/pelcor-pdf-bench                books, PDFs, hyperfine's JSON
#
# Needs hyperfine, GNU time and poppler-utils; the peers need Debian's
# python3-reportlab (both ReportLab peers) and python3-gi, python3-gi-cairo,
# gir1.2-pango-1.0 (the Pango peer):
#   apt-get install hyperfine time python3-reportlab python3-gi python3-gi-cairo gir1.2-pango-1.0
# A peer whose packages are missing is reported as unavailable and left out.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
MIREL36=$(realpath "${MIREL36:-$here/build/mirel36}")
PEERS_DIR=$(realpath "${PEERS_DIR:-$here/../shared/bench-peers}")
PEERS=${PEERS:-"reportlab_cid reportlab_ttf pango"}
RUNS=${RUNS:-5}
OUT=${OUT:-/tmp/pelcor-pdf-bench}
NS=${*:-1000 10000}
PY=/usr/bin/python3

for tool in hyperfine /usr/bin/time pdfinfo; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
[ -x "$MIREL36" ] || { echo "no program at $MIREL36 (build the mirel36 target)" >&2; exit 1; }
[ -f "$PEERS_DIR/gen_data.py" ] || { echo "no peers in $PEERS_DIR (set PEERS_DIR)" >&2; exit 1; }
mkdir -p "$OUT/home"

# Our settings: a postcard, and the sender every peer draws.
printf '[Edit]\r\ntext1=山田　太郎\r\ntext3=100\r\ntext4=0005\r\ntext5=東京都千代田区丸の内1-1-1\r\ntext6=丸の内ビルディング12階\r\n' |
    iconv -f UTF-8 -t CP932 > "$OUT/home/mirel36.ini"
export PELCOR_HOME=$OUT/home QT_QPA_PLATFORM=offscreen

peer_command() {
    case $1 in
        reportlab_cid) echo "$PY $PEERS_DIR/peer_reportlab_cid.py" ;;
        reportlab_ttf) echo "$PY $PEERS_DIR/peer_reportlab_ttf.py" ;;
        pango) echo "$PY $PEERS_DIR/peer_pango.py" ;;
    esac
}
available() {
    case $1 in
        reportlab_cid | reportlab_ttf) $PY -c 'import reportlab' 2>/dev/null ;;
        pango) $PY -c 'import gi, cairo; gi.require_version("PangoCairo", "1.0")' 2>/dev/null ;;
        *) return 1 ;;
    esac
}

peers=()
for p in $PEERS; do
    if available "$p"; then peers+=("$p"); else echo "$p: unavailable (packages missing)"; fi
done

printf '%-14s %6s %9s %8s %8s %8s\n' program N median_s ratio peak_MB pdf_MB
for n in $NS; do
    book=$OUT/addr$n.csv
    $PY "$PEERS_DIR/gen_data.py" "$n" "$book"
    names=(mirel36)
    commands=("$MIREL36 --export-pdf $OUT/mirel36-$n.pdf $book --kind 0")
    for p in "${peers[@]}"; do
        names+=("$p")
        commands+=("$(peer_command "$p") $book $OUT/$p-$n.pdf")
    done
    args=()
    for i in "${!names[@]}"; do args+=(--command-name "${names[$i]}" "${commands[$i]}"); done
    hyperfine --style none --warmup 1 --runs "$RUNS" --export-json "$OUT/hyperfine-$n.json" "${args[@]}" >/dev/null

    for i in "${!names[@]}"; do
        name=${names[$i]}
        pdf=$OUT/$name-$n.pdf
        pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/{print $2}')
        [ "${pages:-0}" = "$n" ] || echo "$name wrote ${pages:-no} pages for $n records" >&2
        # Peak resident memory of one more run.
        peak=$(/usr/bin/time -f '%M' ${commands[$i]} 2>&1 >/dev/null | tail -1)
        $PY - "$OUT/hyperfine-$n.json" "$name" "$n" "$peak" "$pdf" <<'EOF'
import json, os, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
name, n, peak, pdf = sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5]
ours = results["mirel36"]["median"]
fastest_peer = min((r["median"] for c, r in results.items() if c != "mirel36"), default=None)
median = results[name]["median"]
ratio = median / ours
print(f"{name:<14} {n:>6} {median:9.3f} {ratio:7.1f}x {peak / 1024:8.1f} {os.path.getsize(pdf) / 1048576:8.2f}")
if name == "mirel36" and fastest_peer:
    print(f"{'':14} {'':6} fastest peer is {fastest_peer / ours:.1f}x slower than mirel36")
EOF
    done
done
