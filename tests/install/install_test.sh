#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and plays the installed text player against
# it: the first start lays out the player's own folder from the installed packages, the
# player's name and saved games go there, and nothing under the prefix changes.
# install_test.sh CMAKE BUILD_DIR
set -u
cmake=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }

for program in zrx zrx-text zrx-book; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for file in share/zrx/Source/Data0.zrx share/zrx/Save/Save.zrx share/icons/hicolor/scalable/apps/zrx.svg; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
# Each PNG icon has the size its folder names (width and height from the PNG header).
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/zrx.png
  if [ ! -f "$png" ]; then fail "no ${size}x${size} icon"; continue; fi
  read -r w3 w2 w1 w0 h3 h2 h1 h0 < <(od -An -tu1 -j16 -N8 "$png")
  w=$(((w3 << 24) | (w2 << 16) | (w1 << 8) | w0)) h=$(((h3 << 24) | (h2 << 16) | (h1 << 8) | h0))
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

desktop-file-validate "$prefix/share/applications/hu.zrx.ZRX.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/hu.zrx.ZRX.metainfo.xml" || fail "appstreamcli validate"
# The tree check also finds the desktop entry that the metadata launches.
appstreamcli validate-tree --no-net --strict "$prefix" || fail "appstreamcli validate-tree"
grep -qx 'Exec=zrx %f' "$prefix/share/applications/hu.zrx.ZRX.desktop" || fail "the desktop entry does not start zrx"

# The package archive's file type: the desktop entry opens it, and the MIME database built
# from the installed definition (in a copy, the prefix stays as installed) knows it by its
# name and by its first bytes.
grep -qx 'MimeType=application/x-zrx-package;' "$prefix/share/applications/hu.zrx.ZRX.desktop" ||
  fail "the desktop entry does not open package archives"
if [ -f "$prefix/share/mime/packages/hu.zrx.ZRX.xml" ]; then
  mkdir -p "$work/mime/packages"
  cp "$prefix/share/mime/packages/hu.zrx.ZRX.xml" "$work/mime/packages/"
  env XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
  [ ! -s "$work/mime.log" ] || fail "update-mime-database warns: $(cat "$work/mime.log")"
  grep -q '^50:application/x-zrx-package:\*\.zrxcs$' "$work/mime/globs2" || fail "no glob for *.zrxcs"
  grep -qa 'zrx-csomag.txt' "$work/mime/magic" || fail "no magic for package archives"
else
  fail "the MIME type of package archives is not installed"
fi

# Every file under the prefix with its kind, mode, size and checksum.
snapshot() {
  (cd "$prefix" && find . -printf '%p %y %m %s\n' | LC_ALL=C sort &&
    find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}
snapshot >"$work/before"

# play CASE: runs the installed player with the environment of CASE on standard input, and
# prints what it shows; its exit status is the player's.
play() {
  local case=$1
  case $case in
    xdg) env HOME="$work/xdg-home" XDG_DATA_HOME="$work/xdg-data" "$prefix/bin/zrx-text" ;;
    home) env -u XDG_DATA_HOME HOME="$work/home" "$prefix/bin/zrx-text" ;;
  esac
}

# Case, and the player's folder it must use.
cases=(
  "xdg $work/xdg-data/zrx"
  "home $work/home/.local/share/zrx"
)
mkdir -p "$work/xdg-home" "$work/home"
for row in "${cases[@]}"; do
  read -r case user <<<"$row"
  # Sign in, start a book and end it; the load command reads the save index and, with no
  # saved game, says so (a missing index would end the program in the error window).
  first=$(printf '%s\n' Vándor 'új Source 1 Könnyű' befejezés igen betöltés kilépés igen | play "$case")
  grep -qF "=== Szabályok ===" <<<"$first" || fail "$case: the book did not start"
  grep -qF "Nincs mentésed a jelenlegi" <<<"$first" || fail "$case: the load command found no save index"
  grep -qxF "Kilépés!" <<<"$first" || fail "$case: the player did not reach its end"
  for package in "$prefix"/share/zrx/*/; do
    name=$(basename "$package")
    [ -d "$user/$name" ] || fail "$case: $name is not in the player's folder"
  done
  [ -f "$user/Save/Save.zrx" ] || fail "$case: no save index in the player's folder"
  [ -d "$user/Other" ] || fail "$case: no Other folder in the player's folder"
  # The name was written into the player's copy of the packages and is known at the next start.
  second=$(printf '%s\n' Vándor kilépés igen | play "$case")
  grep -qF "Ismert játékosok: Vándor" <<<"$second" || fail "$case: the player's name was not kept"
  if [ $failures != 0 ]; then
    echo "--- $case: first start ---"; echo "$first"
    echo "--- $case: second start ---"; echo "$second"
  fi
done
# With $XDG_DATA_HOME set, nothing lands in the home folder.
[ -z "$(ls -A "$work/xdg-home")" ] || fail "files were written into \$HOME: $(ls -A "$work/xdg-home")"

# Update on start: a player's copy of Source that an earlier program laid out (no manifest, a
# book file of another build) with two names and a saved game is brought to the installed
# version at the next start, with the names and the saved game intact.
old=$work/old-data
mkdir -p "$work/old-home"
older() { env HOME="$work/old-home" XDG_DATA_HOME="$old" "$prefix/bin/zrx-text" --seed 7; }
printf '%s\n' Íjász kilépés igen | older >/dev/null
saved=$(printf '%s\n' Vándor 'új Source 2 Könnyű' 'tovább 0' 1 2 tárgyak 'kiválaszt 1' igen 5 \
  41 szerencse 52 41 szerencse 52 41 szerencse 52 41 szerencse 52 'mentés Kikötő' kilépés igen igen | older)
grep -qF "Mentve: Kikötő" <<<"$saved" || fail "update: the game was not saved"
copy=$old/zrx/Source
rm -f "$copy/zrx-csomag.txt"
printf 'older build' >>"$copy/DataS1.zrx"
saves=$(cd "$old/zrx" && find Save Other -printf '%p %s\n' | LC_ALL=C sort && find Save -type f -exec sha256sum {} + | LC_ALL=C sort)
updated=$(printf '%s\n' Vándor mentések kilépés igen | older)
grep -qF "Ismert játékosok: Vándor, Íjász" <<<"$updated" || fail "update: the player's names were not kept"
grep -qF "1) Kikötő" <<<"$updated" || fail "update: the saved game is not listed"
for file in "$prefix"/share/zrx/Source/*; do
  name=$(basename "$file")
  [ "$name" = Data0.zrx ] || cmp -s "$file" "$copy/$name" || fail "update: Source/$name is not the installed one"
done
after=$(cd "$old/zrx" && find Save Other -printf '%p %s\n' | LC_ALL=C sort && find Save -type f -exec sha256sum {} + | LC_ALL=C sort)
[ "$saves" = "$after" ] || fail "update: Save/ or Other/ changed"
[ -z "$(find "$old/zrx" -maxdepth 1 -name '.*')" ] || fail "update: a temporary folder was left behind"
[ $failures = 0 ] || { echo "--- update: saving ---"; echo "$saved"; echo "--- update: next start ---"; echo "$updated"; }

snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "files under the prefix changed"

[ $failures = 0 ] || exit 1
echo "installed and played from $prefix"
