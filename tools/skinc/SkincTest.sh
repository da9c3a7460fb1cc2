#!/usr/bin/env bash
# Folder round trips through skinc and its refusals: SkincTest.sh SKINC WORKDIR
set -uo pipefail
skinc=$1
work=$2
rm -rf "$work"
mkdir -p "$work/src"
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Expects a non-zero exit and a message on stderr that contains TEXT.
refuses() {
  local text=$1
  shift
  if "$skinc" "$@" >"$work/out.txt" 2>"$work/err.txt"; then
    fail "skinc $* succeeded"
  elif ! grep -qF -- "$text" "$work/err.txt"; then
    fail "skinc $*: expected \"$text\", got: $(cat "$work/err.txt")"
  fi
}

# A folder of BMP-like files and a definition, without a manifest.
printf 'BM' >"$work/src/b_top.bmp"
head -c 30000 /dev/zero | tr '\0' '\200' >>"$work/src/b_top.bmp"
printf 'BM' >"$work/src/a_left.bmp"
head -c 7000 /dev/urandom >>"$work/src/a_left.bmp"
printf '[Personality]\r\nTop=b_top.bmp\r\n' >"$work/src/Skin.INI"
: >"$work/src/empty.bmp"

"$skinc" pack "$work/src" "$work/one.skn" >/dev/null || fail "pack"
"$skinc" info "$work/one.skn" >"$work/info.txt" || fail "info"
grep -q "version 20000" "$work/info.txt" || fail "info shows no version"
grep -q "4 entries" "$work/info.txt" || fail "info shows no entry count"
grep -q "definition: Skin.INI" "$work/info.txt" || fail "info shows no definition"
grep -q "ratio" "$work/info.txt" || fail "info shows no ratio"
# Sorted by name with the definition last.
order=$(sed -n 's/^ *[0-9][0-9]*  //p' "$work/info.txt" | tr '\n' ' ')
[[ "$order" == "a_left.bmp b_top.bmp empty.bmp Skin.INI " ]] || fail "entry order: $order"

"$skinc" unpack "$work/one.skn" "$work/out" >/dev/null || fail "unpack"
for f in a_left.bmp b_top.bmp empty.bmp Skin.INI; do
  cmp -s "$work/src/$f" "$work/out/$f" || fail "$f differs after the round trip"
done
[[ $(ls "$work/out" | wc -l) -eq 5 ]] || fail "unpack wrote other files: $(ls "$work/out")"
"$skinc" pack "$work/out" "$work/two.skn" >/dev/null || fail "pack of the unpacked folder"
cmp -s "$work/one.skn" "$work/two.skn" || fail "packing the unpacked folder gives another skin"

# A manifest decides the order; an unlisted definition still goes last.
printf '# order\nb_top.bmp\n\r\na_left.bmp\n' >"$work/src/manifest.txt"
"$skinc" pack "$work/src" "$work/three.skn" >/dev/null || fail "pack with a manifest"
"$skinc" info "$work/three.skn" >"$work/info.txt" || fail "info of the manifest skin"
order=$(sed -n 's/^ *[0-9][0-9]*  //p' "$work/info.txt" | tr '\n' ' ')
[[ "$order" == "b_top.bmp a_left.bmp Skin.INI " ]] || fail "manifest order: $order"

refuses "usage" pack "$work/src"
refuses "no folder" pack "$work/missing" "$work/x.skn"
printf 'nothere.bmp\n' >"$work/src/manifest.txt"
refuses "nothere.bmp" pack "$work/src" "$work/x.skn"
printf '../one.skn\n' >"$work/src/manifest.txt"
refuses "path separator" pack "$work/src" "$work/x.skn"
printf 'b_top.bmp\nB_TOP.bmp\n' >"$work/src/manifest.txt"
cp "$work/src/b_top.bmp" "$work/src/B_TOP.bmp"
refuses "twice" pack "$work/src" "$work/x.skn"
rm "$work/src/manifest.txt" "$work/src/B_TOP.bmp"
mkdir -p "$work/nodef"
cp "$work/src/a_left.bmp" "$work/nodef/"
refuses "no skin definition" pack "$work/nodef" "$work/x.skn"

refuses "cannot read" info "$work/missing.skn"
refuses "not a skin" info "$work/src/a_left.bmp"
refuses "not a skin" unpack "$work/src/Skin.INI" "$work/never"
[[ ! -e "$work/never" ]] || fail "unpack of a non-skin made its folder"
printf '\x03\x00' >"$work/short.skn"
refuses "not a skin" info "$work/short.skn"

# The stored form of a skin data component: its length (32 bits, little-endian), then the skin.
"$skinc" stored "$work/one.skn" "$work/one.skinstream" >/dev/null || fail "stored failed"
size=$(stat -c %s "$work/one.skn")
head -c 4 "$work/one.skinstream" | od -An -tu4 | grep -qw "$size" || fail "stored length is not the skin's size"
cmp -s <(tail -c +5 "$work/one.skinstream") "$work/one.skn" || fail "stored bytes differ from the skin"
refuses "not a skin" stored "$work/src/a_left.bmp" "$work/x.skinstream"

if [[ $failures -ne 0 ]]; then
  echo "$failures failures"
  exit 1
fi
echo "skinc: all checks passed"
