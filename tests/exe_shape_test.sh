#!/bin/sh
# Checks the shape of a Windows executable of ours: a 32-bit PE that imports
# nothing but KERNEL32, SHELL32 and msvcrt.
#   exe_shape_test.sh launcher Brindoka.exe
#     also: the GUI subsystem, all three imports, and no resource but icon
#     group 101 holding one 32x32 image with 256 colours
#   exe_shape_test.sh tool brindoka-check.exe
#     also: the console subsystem
set -eu
kind=$1
exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "exe shape: $exe: $*" >&2; exit 1; }

headers=$(i686-w64-mingw32-objdump -p "$exe")
echo "$headers" | grep -q "^Magic.*010b.*(PE32)" || fail "not a PE32 image"
i686-w64-mingw32-objdump -f "$exe" | grep -q "architecture: i386" ||
  fail "not built for i386"
dlls=$(echo "$headers" | sed -n 's/.*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
for dll in $dlls; do
  case "$dll" in
    KERNEL32.DLL|MSVCRT.DLL|SHELL32.DLL) ;;
    *) fail "imports $dll" ;;
  esac
done

if [ "$kind" = tool ]; then
  echo "$headers" | grep -q "^Subsystem.*00000003.*(Windows CUI)" ||
    fail "not the console subsystem"
  echo "exe shape: $exe: PE32 i386, console subsystem, imports $dlls"
  exit 0
fi

echo "$headers" | grep -q "^Subsystem.*00000002.*(Windows GUI)" ||
  fail "not the GUI subsystem"
[ "$dlls" = "KERNEL32.DLL MSVCRT.DLL SHELL32.DLL " ] ||
  fail "imports $dlls instead of KERNEL32, MSVCRT and SHELL32"

resources=$(wrestool -l "$exe" | sed 's/ offset=.*//')
expected="--type=3 --name=1 --language=1033 [type=icon
--type=14 --name=101 --language=1033 [type=group_icon"
[ "$resources" = "$expected" ] || fail "resources are:
$resources"

wrestool -x --type=group_icon --name=101 -o "$work/icon.ico" "$exe"
images=$(icotool -l "$work/icon.ico")
[ "$images" = "--icon --index=1 --width=32 --height=32 --bit-depth=8 --palette-size=256" ] ||
  fail "icon images are: $images"
echo "exe shape: $exe: PE32 i386, GUI subsystem, imports $dlls, one 32x32 256-colour icon (101)"
