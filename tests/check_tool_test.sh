#!/bin/sh
# brindoka-check from the outside: its exit status for a clean file (0), a
# file with warnings (1) and no file (2), a settings file named directly, and
# its --json output parsing as JSON with the same status.
#   check_tool_test.sh COMMAND...   (the tool, with an emulator before it)
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/clean" "$work/broken" "$work/empty"
for jar in a b c d e f; do : >"$work/clean/$jar.jar"; done
printf '[Config]\r\nclient=a.jar\r\nlib=b.jar\r\nsoap=c.jar\r\nxerces=d.jar\r\nmail=e.jar\r\nactivation=f.jar\r\nmainclass=Main\r\nrouter=Rt\r\nconf=Cf\r\n' \
  >"$work/clean/Brindoka.Ini"
printf '[Config] ; main\r\nclient = a.jar\r\n' >"$work/broken/Brindoka.Ini"

expect() {
  want=$1
  shift
  status=0
  "$@" >"$work/out" 2>&1 || status=$?
  if [ "$status" -ne "$want" ]; then
    echo "check tool: '$*' exited $status, not $want:" >&2
    cat "$work/out" >&2
    exit 1
  fi
}

expect 0 "$@" "$work/clean"
grep -q "No warnings" "$work/out"
expect 1 "$@" "$work/broken"
grep -q "comment after it is part of the header" "$work/out"
expect 1 "$@" "$work/broken/Brindoka.Ini"
expect 2 "$@" "$work/empty"
expect 3 "$@" --help
for folder in clean broken empty; do
  expect "$(case $folder in clean) echo 0;; broken) echo 1;; empty) echo 2;; esac)" \
    "$@" --json "$work/$folder"
  tr -d '\r' <"$work/out" >"$work/out.json"
  python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); assert d["status"] == int(sys.argv[2]), d' \
    "$work/out.json" "$(case $folder in clean) echo 0;; broken) echo 1;; empty) echo 2;; esac)"
done
echo "check tool: exit statuses 0, 1, 2, 3 and JSON as expected"
