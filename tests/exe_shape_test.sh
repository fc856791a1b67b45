#!/bin/sh
# Checks the shape of Brindoka.exe: a 32-bit GUI-subsystem PE that imports
# only KERNEL32, SHELL32 and msvcrt, and whose only resource is icon group 101
# holding one 32x32 image with 256 colours.
set -eu
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "exe shape: $*" >&2; exit 1; }

headers=$(i686-w64-mingw32-objdump -p "$exe")
echo "$headers" | grep -q "^Magic.*010b.*(PE32)" || fail "not a PE32 image"
i686-w64-mingw32-objdump -f "$exe" | grep -q "architecture: i386" ||
  fail "not built for i386"
echo "$headers" | grep -q "^Subsystem.*00000002.*(Windows GUI)" ||
  fail "not the GUI subsystem"

dlls=$(echo "$headers" | sed -n 's/.*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
[ "$dlls" = "KERNEL32.DLL MSVCRT.DLL SHELL32.DLL " ] ||
  fail "imports $dlls instead of KERNEL32, MSVCRT and SHELL32 only"

resources=$(wrestool -l "$exe" | sed 's/ offset=.*//')
expected="--type=3 --name=1 --language=1033 [type=icon
--type=14 --name=101 --language=1033 [type=group_icon"
[ "$resources" = "$expected" ] || fail "resources are:
$resources"

wrestool -x --type=group_icon --name=101 -o "$work/icon.ico" "$exe"
images=$(icotool -l "$work/icon.ico")
[ "$images" = "--icon --index=1 --width=32 --height=32 --bit-depth=8 --palette-size=256" ] ||
  fail "icon images are: $images"
echo "exe shape: PE32 i386, GUI subsystem, imports $dlls, one 32x32 256-colour icon (101)"
