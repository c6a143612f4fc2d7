#!/usr/bin/env bash
# Runs zrx-text on a script in a fresh program folder and checks the transcript.
# run_script_test.sh PLAYER PACKAGES SEED SCRIPT EXPECTED STATUS [DICE]
#   PACKAGES: a folder whose package folders are copied, or a program that writes them
#   EXPECTED: lines (or parts of lines) that the transcript must contain, in any order;
#             when its first line is "# in order", in that order
#   DICE: "generated" (default) or "manual"
set -u
player=$1 packages=$2 seed=$3 script=$4 expected=$5 status=$6 dice=${7:-generated}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -d "$packages" ]; then
  for dir in "$packages"/*/; do cp -r "$dir" "$work/"; done
else
  "$packages" "$work" || { echo "cannot write the packages"; exit 1; }
fi
transcript=$("$player" --folder "$work" --seed "$seed" --dice "$dice" --script "$script")
rc=$?
ok=1
if [ "$rc" != "$status" ]; then echo "exit status $rc, expected $status"; ok=0; fi
ordered=0
[ "$(head -n 1 "$expected")" = "# in order" ] && ordered=1
rest=$transcript
while IFS= read -r line; do
  [ -z "$line" ] || [ "$line" = "# in order" ] && continue
  if [ $ordered = 1 ]; then
    # The transcript after the first line that holds this one.
    at=$(grep -nF -m 1 -- "$line" <<<"$rest" | cut -d: -f1)
    if [ -z "$at" ]; then echo "missing, or out of order: $line"; ok=0; continue; fi
    rest=$(tail -n +"$((at + 1))" <<<"$rest")
  elif ! grep -qF -- "$line" <<<"$transcript"; then
    echo "missing: $line"; ok=0
  fi
done <"$expected"
if [ $ok = 0 ]; then
  echo "--- transcript ---"
  echo "$transcript"
  exit 1
fi
