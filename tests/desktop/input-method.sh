#!/usr/bin/env bash
# Types Japanese into the real program through a real input method (fcitx5
# with Mozc, reached through Qt 6's fcitx5 frontend), as a user of a Japanese
# desktop does: "yamada", Space to convert, Enter to commit, into 氏名 on the
# entry page; then registers the record, saves the book and checks the file.
# Everything runs on a private X server and a private D-Bus session bus.
#   input-method.sh PROGRAM OUTPUT_DIR
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "$2")
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -z "${PELCOR_IM_SESSION:-}" ]; then
  missing=()
  for tool in Xvfb xdotool fcitx5 dbus-run-session dbus-send iconv; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  plugin=$(find /usr/lib/*/qt6/plugins/platforminputcontexts -name 'libfcitx5platforminputcontextplugin.so' 2>/dev/null | head -1)
  [ -n "$plugin" ] || missing+=("fcitx5-frontend-qt6")
  [ -e /usr/lib/mozc/mozc_server ] || missing+=("fcitx5-mozc")
  [ ${#missing[@]} -eq 0 ] ||
    fail "cannot start the input method: missing ${missing[*]} (scripts/install-deps.sh installs them)"
  if [ "$(id -u)" -ne 0 ]; then
    exec env PELCOR_IM_SESSION=1 dbus-run-session -- bash "$0" "$@"
  fi
  # Mozc's server refuses to run as root (as on CI): the whole session runs
  # as nobody, its pictures kept in a folder of its own until it ends.
  stage=$(mktemp -d)
  chown nobody "$stage"
  status=0
  env PELCOR_IM_SESSION=1 setpriv --reuid=nobody --regid=nogroup --clear-groups \
    dbus-run-session -- bash "$0" "$program" "$stage" || status=$?
  cp "$stage"/*.xwd "$out"/ 2>/dev/null || true
  rm -rf "$stage"
  exit "$status"
fi

tmp=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    pkill -P "$pid" 2>/dev/null || true
    kill "$pid" 2>/dev/null || true
  done
  sleep 0.5
  for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$tmp"
}
trap cleanup EXIT

export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_DATA_HOME="$tmp/home/.local/share"
export XDG_RUNTIME_DIR="$tmp/run" PELCOR_HOME="$tmp/pelcor"
mkdir -p "$XDG_CONFIG_HOME/fcitx5" "$XDG_RUNTIME_DIR" "$PELCOR_HOME" "$out"
# Mozc keeps its profile under $HOME/.config/mozc and makes only the last folder.
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY
# One group, Mozc on in every new field.
cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=mozc

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=mozc
Layout=

[GroupOrder]
0=Default
PROFILE
printf '[Behavior]\nActiveByDefault=True\n' >"$XDG_CONFIG_HOME/fcitx5/config"

fb="$tmp/fb"
mkdir -p "$fb"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 -fbdir "$fb" 3>"$tmp/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || fail "cannot start the input method: Xvfb did not start"
export DISPLAY=":$(cat "$tmp/display")"

fcitx5 --disable=wayland,waylandim,notificationitem,kimpanel >"$tmp/fcitx5.txt" 2>&1 &
pids+=($!)
fcitx_running() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.ListNames 2>/dev/null | grep -q '"org.fcitx.Fcitx5"'
}
for _ in $(seq 100); do fcitx_running && break; sleep 0.1; done
fcitx_running || fail "cannot start the input method: fcitx5 did not come up: $(tail -5 "$tmp/fcitx5.txt")"

# A book of one record whose name is still to be typed.
printf 'やまだ,,100-0001,東京都千代田区千代田１－１,,,,,,,,,家族\r\n' | iconv -f UTF-8 -t CP932 >"$tmp/book.csv"

QT_QPA_PLATFORM=xcb QT_IM_MODULE=fcitx "$program" "$tmp/book.csv" >"$tmp/program.txt" 2>&1 &
app=$!
pids+=("$app")
window=""
for _ in $(seq 200); do
  window=$(xdotool search --pid "$app" --onlyvisible --name Pelcor 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the main window did not appear: $(cat "$tmp/program.txt")"
sleep 1 # the book named on the command line opens once the window is shown
xdotool windowfocus --sync "$window"
keys() { xdotool key --clearmodifiers --delay 150 "$@"; sleep 0.5; }

keys ctrl+e # the entry page, on the record, in ふりがな
keys Tab    # 氏名
xdotool type --delay 150 yamada
sleep 1
cp "$fb/Xvfb_screen0" "$out/input-method-preedit.xwd" # the reading being composed, for a person to look at
keys space  # convert
keys Return # commit
sleep 0.5
cp "$fb/Xvfb_screen0" "$out/input-method-committed.xwd"
# From 氏名 along the tab order to 登録: 連名, 関係, 会社名, 役職名, 〒 (two), 住所 (two),
# 電話, 携帯, FAX, 登録.
for _ in $(seq 12); do keys Tab; done
keys space
keys ctrl+s
keys alt+f x
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "ファイル → 終了 did not end the program: $(cat "$tmp/program.txt")"

name=$(iconv -f CP932 -t UTF-8 "$tmp/book.csv" | head -1 | cut -d, -f2 | tr -d "\"")
echo "氏名 saved as: $name"
[ -n "$name" ] || fail "nothing reached 氏名 (the book holds: $(iconv -f CP932 -t UTF-8 "$tmp/book.csv"))"
# Kanji only (U+4E00 to U+9FFF, and 々), whichever the engine offered first.
for unit in $(printf '%s' "$name" | iconv -f UTF-8 -t UTF-16BE | od -An -tx2 -v --endian=big); do
  (((16#$unit >= 0x4e00 && 16#$unit <= 0x9fff) || 16#$unit == 0x3005)) ||
    fail "氏名 holds \"$name\", not the converted kanji"
done
echo "input method: ok"
