#!/usr/bin/env bash
# Checks that a program was built with the hardening a distribution asks for:
# position independent, read-only relocations bound at start (full RELRO),
# stack protector and fortified libc calls. Reads the ELF file with readelf
# (binutils, which the compiler brings), so it needs nothing beyond the build.
# Usage: scripts/hardening_check.sh PROGRAM
# Prints one line per property and fails if any is missing.
set -euo pipefail
program=${1:?usage: $0 PROGRAM}
[ -f "$program" ] || { echo "no such program: $program" >&2; exit 2; }

header=$(readelf --file-header --wide "$program")
segments=$(readelf --program-headers --wide "$program")
dynamic=$(readelf --dynamic --wide "$program")
# The libc functions the program calls, without their version suffix.
imports=$(readelf --dyn-syms --wide "$program" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }' |
          sort -u)

failed=0
report() {
  local name=$1 verdict=$2 detail=$3
  echo " $name: $verdict${detail:+ ($detail)}"
  [ "$verdict" = yes ] || failed=1
}

echo "$program:"
if grep -q 'Type:.*DYN' <<<"$header" && grep -q 'FLAGS_1.*PIE' <<<"$dynamic"; then
  report "Position Independent Executable" yes ""
else
  report "Position Independent Executable" no "not linked with -pie"
fi

if grep -qx '__stack_chk_fail' <<<"$imports"; then
  report "Stack protected" yes ""
else
  report "Stack protected" no "no call of __stack_chk_fail: -fstack-protector missing"
fi

# _FORTIFY_SOURCE turns calls whose buffer size the compiler knows into their
# checking __*_chk forms; none at all means it never reached the compiler.
fortified=$(grep -E '^__.+_chk$' <<<"$imports" | grep -vx '__stack_chk_fail' | tr '\n' ' ' || true)
if [ -n "$fortified" ]; then
  report "Fortify Source functions" yes "${fortified% }"
else
  report "Fortify Source functions" no "no __*_chk call: -D_FORTIFY_SOURCE missing or not optimised"
fi

if grep -q 'GNU_RELRO' <<<"$segments"; then
  report "Read-only relocations" yes ""
else
  report "Read-only relocations" no "no GNU_RELRO segment: -Wl,-z,relro missing"
fi

if grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic"; then
  report "Immediate binding" yes ""
else
  report "Immediate binding" no "symbols bound lazily: -Wl,-z,now missing"
fi

exit "$failed"
