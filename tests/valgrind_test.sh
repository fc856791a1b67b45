#!/bin/sh
# The POSIX stand-in under valgrind memcheck, on the worked example and on a
# missing settings file: no memory error, nothing leaked, exit code 0.
set -eu
launcher=$1
recorder=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/path" "$work/example" "$work/missing"
cp "$recorder" "$work/path/javaw"
printf '[Config]\r\nclient=a.jar\r\nlib=b.jar\r\nsoap=c.jar\r\nxerces=d.jar\r\nmail=e.jar\r\nactivation=f.jar\r\nmainclass=Main\r\nrouter=Rt\r\nconf=Cf\r\n' \
  >"$work/example/Brindoka.Ini"

for case in example missing; do
  status=0
  (cd "$work/$case" && PATH="$work/path:$PATH" valgrind --quiet \
    --error-exitcode=99 --leak-check=full --show-leak-kinds=all \
    --errors-for-leak-kinds=all "$launcher") || status=$?
  if [ "$status" -ne 0 ]; then
    echo "valgrind: $case: exit code $status" >&2
    exit 1
  fi
  echo "valgrind: $case: no errors, no leaks, exit code 0"
done
