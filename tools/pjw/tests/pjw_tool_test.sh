#!/usr/bin/env bash
# The pjw tool end to end: pack, list, extract, extract-all, and its answers to bad input.
set -uo pipefail
pjw=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
expect_status() { # expected-status description command...
  local want=$1 what=$2; shift 2
  "$@" >out.txt 2>err.txt; local got=$?
  [[ $got == "$want" ]] || fail "$what: status $got, wanted $want ($(cat err.txt))"
}

mkdir src
printf 'hello' >src/a.txt
printf '' >src/empty.bin
head -c 3000 /dev/urandom >src/noise.bin

expect_status 0 "pack" "$pjw" pack gui.pjw --key 200 src/a.txt src/empty.bin src/noise.bin
expect_status 0 "list" "$pjw" list gui.pjw
[[ "$(cat out.txt)" == $'a.txt 5\nempty.bin 0\nnoise.bin 3000' ]] || fail "list printed: $(cat out.txt)"

expect_status 0 "extract to standard output" "$pjw" extract gui.pjw a.txt
[[ "$(cat out.txt)" == hello ]] || fail "extract printed: $(cat out.txt)"
expect_status 0 "extract to a file" "$pjw" extract gui.pjw noise.bin copy.bin
cmp -s copy.bin src/noise.bin || fail "extracted noise.bin differs"
expect_status 0 "extract-all" "$pjw" extract-all gui.pjw all
for f in a.txt empty.bin noise.bin; do cmp -s "all/$f" "src/$f" || fail "extract-all: $f differs"; done

# Packing the same files again gives the same bytes.
expect_status 0 "pack again" "$pjw" pack again.pjw --key 200 src/a.txt src/empty.bin src/noise.bin
cmp -s gui.pjw again.pjw || fail "packing is not reproducible"

expect_status 1 "missing member" "$pjw" extract gui.pjw nothing.png
grep -q 'Failed to load file "nothing.png".' err.txt && grep -q 'Not found inside package.' err.txt ||
  fail "missing member said: $(cat err.txt)"
expect_status 1 "missing package" "$pjw" list nowhere.pjw
grep -q 'Read-mode opening failed.' err.txt || fail "missing package said: $(cat err.txt)"
printf 'PJW1\000\001a 99 xyz' >short.pjw
expect_status 1 "member data ending early" "$pjw" extract short.pjw a out.bin
grep -q 'ends before its stated size' err.txt || fail "short member said: $(cat err.txt)"
[[ ! -e out.bin ]] || fail "a partial output file was left"
printf 'PJW1\000\001abc' >cut.pjw
expect_status 1 "directory cut short" "$pjw" list cut.pjw
grep -q 'Package directory ends before its last entry.' err.txt || fail "cut directory said: $(cat err.txt)"
printf 'PJW1\000\001../evil 1 x' >evil.pjw
expect_status 1 "member name leaving the folder" "$pjw" extract-all evil.pjw safe
[[ ! -e evil ]] || fail "extract-all wrote outside its folder"
expect_status 1 "duplicate file names" "$pjw" pack dup.pjw --key 1 src/a.txt src/a.txt
[[ ! -e dup.pjw ]] || fail "a refused pack left a file"
expect_status 2 "key out of range" "$pjw" pack k.pjw --key 256 src/a.txt
expect_status 2 "no command" "$pjw"
expect_status 2 "unknown command" "$pjw" unpack gui.pjw

exit $((failures > 0))
