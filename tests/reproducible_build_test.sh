#!/bin/sh
# Builds Brindoka.exe again from a copy of the sources in another directory
# and checks that it is byte for byte the one the build made: no timestamp
# and no build path may reach the executable.
set -eu
source_dir=$1
built_exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/elsewhere/src"
for part in CMakeLists.txt cmake ini launcher; do
  cp -r "$source_dir/$part" "$work/elsewhere/src/"
done
cmake -S "$work/elsewhere/src" -B "$work/other-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/elsewhere/src/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel -DBRINDOKA_TESTS=OFF -DBRINDOKA_BENCH=OFF >/dev/null
cmake --build "$work/other-build" --target Brindoka >/dev/null

if cmp "$built_exe" "$work/other-build/launcher/Brindoka.exe"; then
  echo "reproducible: $(wc -c <"$built_exe") bytes, identical from two directories"
else
  echo "reproducible: the two builds differ" >&2
  exit 1
fi
