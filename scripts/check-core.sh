#!/usr/bin/env bash
# Keeps the core libraries free of widgets.
#   scripts/check-core.sh [BUILD_DIR]
# Fails when a core source (one outside the ui/ and printer/ folders)
# includes a Qt Widgets or Qt PrintSupport header or one of our widget
# headers; with BUILD_DIR, also when a core archive needs a widget, printer or
# QApplication symbol.
set -euo pipefail
cd "$(dirname "$0")/.."

qt_include=$(dirname "$(find /usr/include -maxdepth 4 -type d -path '*qt6/QtWidgets' | head -n1)")
if [ ! -d "$qt_include/QtWidgets" ]; then
  echo "check-core: Qt Widgets headers not found" >&2
  exit 2
fi

is_widget() { [[ "$1" =~ /(ui|printer)/ ]]; }

failed=0
while IFS= read -r src; do
  is_widget "$src" && continue
  [ "$(basename "$src")" = main.cpp ] && continue
  while IFS= read -r header; do
    case "$header" in
      QtWidgets/* | QtPrintSupport/*) bad=1 ;;
      *) bad=0
         [ -e "$qt_include/QtWidgets/$header" ] && bad=1
         [ -e "$qt_include/QtPrintSupport/$header" ] && bad=1 ;;
    esac
    if [ "$bad" = 1 ]; then
      echo "$src: core source includes <$header>"
      failed=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\([^>]*\)>.*/\1/p' "$src")
  while IFS= read -r header; do
    if is_widget "$header"; then
      echo "$src: core source includes the widget header \"$header\""
      failed=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$src")
done < <(git ls-files -- 'platform/*' 'records/*' 'render/*' 'postal/*' 'book/*' 'message/*' 'print/*' 'editor/*' 'cli/*' 'app/*' |
         grep -E '\.(cpp|h)$')

if [ -n "${1:-}" ]; then
  shopt -s nullglob
  archives=("$1"/libpelcor_*_core.a)
  if [ ${#archives[@]} -eq 0 ]; then
    echo "check-core: no core archives in $1" >&2
    exit 2
  fi
  for a in "${archives[@]}"; do
    if nm -C -u "$a" | grep -E '(^|[^A-Za-z])(QWidget|QAbstractButton|QPrinter|QApplication)([^A-Za-z]|$)' | head -n5 |
       sed "s|^|$(basename "$a") needs |" | grep .; then
      failed=1
    fi
  done
fi

if [ "$failed" = 1 ]; then
  echo "check-core: widgets reached a core library; move the source into a ui/ folder or split it" >&2
  exit 1
fi
