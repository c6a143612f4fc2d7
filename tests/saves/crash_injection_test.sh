#!/usr/bin/env bash
# Kills the text player (SIGKILL, through strace's fault injection) at every open, write,
# fsync, rename and close of the files that it rewrites (the names block in
# Source/Data0.zrx, Save/Save.zrx and the game files, with their temporary files and
# folders) while it signs in, saves, overwrites and saves again. After each kill the
# names block, the index and every listed game file must read back as the state before
# or after one command of the scenario, never as anything else.
# With a STRIDE above 1 only every STRIDE-th call is a kill point (the first, then
# 1 + STRIDE, ...), so that a slow build spreads a few kill points over the whole run.
# crash_injection_test.sh PLAYER STATE PACKAGES SCENARIO [MAX_POINTS_PER_CALL] [STRIDE]
set -u
player=$1 state=$2 packages=$3 scenario=$4 max=${5:-40} stride=${6:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prog=$work/prog

fresh() {
  rm -rf "$prog" && mkdir "$prog"
  for dir in "$packages"/*/; do cp -r "$dir" "$prog/"; done
}
# A sanitizer build reports a memory fault with an exit code of its own (a finished
# script ends with 0 or 1, a kill with 137); the plain build ignores these options.
# LeakSanitizer cannot run under strace: the runs without it look for leaks.
fault=86
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}exitcode=$fault:abort_on_error=0"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}exitcode=$fault:abort_on_error=0"
traced_asan="$ASAN_OPTIONS:detect_leaks=0"
play() { "$@" "$player" --folder "$prog" --seed 7 --script "$work/script" >/dev/null 2>"$work/stderr"; }
# Fails the test when the last run ended with a sanitizer's report.
checked() {
  [ "$1" != "$fault" ] && return 0
  echo "$2: the player reported a memory fault"; cat "$work/stderr"; exit 1
}

# Every state the scenario passes through: the files after each prefix of it.
lines=$(grep -c '' "$scenario")
: >"$work/states"
for ((k = 0; k <= lines; k++)); do
  fresh
  head -n "$k" "$scenario" >"$work/script"
  play
  checked $? "prefix $k"
  "$state" "$prog" >"$work/dump" || { echo "prefix $k: the files do not read"; cat "$work/dump"; exit 1; }
  md5sum <"$work/dump" | cut -d' ' -f1 >>"$work/states"
done
sort -u -o "$work/states" "$work/states"
cp "$scenario" "$work/script"

# The files of the whole run, named by path so that strace counts only their calls.
fresh
play
checked $? "the whole scenario"
paths=("$prog/Source" "$prog/Source/Data0.zrx" "$prog/Source/Data0.zrx.tmp" "$prog/Save")
for file in "$prog"/Save/Save.zrx "$prog"/Save/*.zrm; do paths+=("$file" "$file.tmp"); done
filter=()
for path in "${paths[@]}"; do filter+=(-P "$path"); done

tried=0 per_call=""
for call in openat write fsync rename close; do
  before=$tried
  for ((p = 0, n = 1; p < max; p++, n += stride)); do
    fresh
    # In a subshell of its own, so that the shell's notice of the kill stays quiet.
    (play env ASAN_OPTIONS="$traced_asan" strace -f -qq -o /dev/null -e trace="$call" \
       -e inject="$call":signal=SIGKILL:when="$n" "${filter[@]}") 2>/dev/null
    rc=$?
    checked "$rc" "$call #$n"
    [ "$rc" = 137 ] || break  # the run ended before its n-th call of this kind
    tried=$((tried + 1))
    if ! "$state" "$prog" >"$work/dump"; then
      echo "killed at $call #$n: the files do not read"; cat "$work/dump"; exit 1
    fi
    if ! grep -qx "$(md5sum <"$work/dump" | cut -d' ' -f1)" "$work/states"; then
      echo "killed at $call #$n: a state that no command left"; cat "$work/dump"; exit 1
    fi
  done
  per_call+=" $call $((tried - before))"
done
[ "$tried" -gt 0 ] || { echo "no kill point was reached"; exit 1; }
echo "kill points tried: $tried ($per_call ), every one left the old or the new state"
