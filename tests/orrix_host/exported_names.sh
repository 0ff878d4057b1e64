#!/bin/sh
# The library exports exactly its four entry points: every other function and object of its
# own stays hidden. Argument: the path of liborrix.so.
set -eu
exported=$(nm -D --defined-only "$1" | awk '$2 ~ /^[TDBR]$/ && $3 !~ /^(_edata|_end|__bss_start)$/ { print $3 }' | sort)
expected=$(printf '%s\n' _TavGenerate _TavGetIcon _TavSplash _TavUpdateCheck)
if [ "$exported" != "$expected" ]; then
  echo "exported:"; echo "$exported"
  exit 1
fi
