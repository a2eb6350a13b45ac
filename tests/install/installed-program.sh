#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it from a folder outside
# the checkout, as a user of the installed program would.
#   installed-program.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

# Every shipped resource is installed.
diff <(cd "$source/resources" && find . -type f | sort) <(cd "$prefix/share/pelcor" && find . -type f | sort) ||
  fail "share/pelcor differs from resources/"

# The desktop entry and the AppStream metadata pass the desktop's own checks.
desktop-file-validate "$prefix/share/applications/jp.pelcor.Pelcor.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/jp.pelcor.Pelcor.metainfo.xml" >/dev/null ||
  fail "AppStream metadata"
for icon in scalable/apps/jp.pelcor.Pelcor.svg 48x48/apps/jp.pelcor.Pelcor.png 256x256/apps/jp.pelcor.Pelcor.png; do
  [ -s "$prefix/share/icons/hicolor/$icon" ] || fail "icon $icon missing"
done

# The package brings the input-method frontend a Japanese desktop needs.
grep -q 'CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6"' "$build/CPackConfig.cmake" ||
  fail "the package does not recommend fcitx5-frontend-qt6"

# Run from a folder of its own, with a home of its own.
mkdir -p "$tmp/work" "$tmp/home"
cd "$tmp/work"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share"
unset PELCOR_HOME
"$prefix/bin/mirel36" --version | grep -q '^mirel36 (Pelcor) ' || fail "--version"
# The postal-code dictionary is found in share/pelcor/.
[ "$("$prefix/bin/mirel36" --postal 1000005)" = "東京都千代田区丸の内" ] || fail "--postal"

printf 'やまだたろう,山田　太郎,100-0001,東京都千代田区千代田１－１,,花子,,03-0000-0000,,,,,家族\r\n' |
  iconv -f UTF-8 -t CP932 >book.csv
# Without a display the export lays the card out from the font files alone,
# silently.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/mirel36" --export-pdf out.pdf book.csv 2>err.txt ||
  fail "--export-pdf"
[ ! -s err.txt ] || fail "--export-pdf printed: $(cat err.txt)"
[ "$(head -c 5 out.pdf)" = "%PDF-" ] || fail "out.pdf is not a PDF"
pdftotext out.pdf - | grep -q '山田' || fail "out.pdf does not give back the name"

# Started with a window on a fresh account, the installed program keeps the
# user's folders in the XDG data folder, never beside itself, even though
# bin/ is writable here; quit from its menu, it keeps its settings.
command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  fail "Xvfb and xdotool are needed (scripts/install-deps.sh installs them)"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$tmp/display")"
QT_QPA_PLATFORM=xcb "$prefix/bin/mirel36" >"$tmp/program.txt" 2>&1 &
program=$!
window=""
for _ in $(seq 200); do
  window=$(xdotool search --pid "$program" --onlyvisible --name Pelcor 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { kill "$program" 2>/dev/null; fail "the main window did not appear"; }
[ -d "$XDG_DATA_HOME/pelcor/住所録" ] || fail "住所録 not made in the XDG data folder"
[ ! -e "$prefix/bin/住所録" ] || fail "住所録 made beside the installed executable"
# ファイル → 終了, from the keyboard.
xdotool windowfocus --sync "$window" key --delay 200 alt+f x
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program" 2>/dev/null; then
  xdotool search --pid "$program" --name . getwindowname %@ >&2 2>/dev/null || true
  kill "$program"
  fail "ファイル → 終了 did not end the program (a message box open?)"
fi
wait "$program" || fail "the program ended with status $?"
[ -s "$XDG_CONFIG_HOME/pelcor/mirel36.ini" ] || fail "no settings file in $XDG_CONFIG_HOME/pelcor"
echo "installed program: ok"
