#!/usr/bin/env bash
# The installed game: installs the build into a fresh prefix with
# `cmake --install` and checks one thing of what lands there.
# Usage: install_test.sh CHECK BUILD_DIR VERSION SCRIPT
#   layout    exactly the expected files, icons of the size their folder says
#   version   bin/prismel --version names the project's version
#   run       the installed game, started from /, reaches the menu and exits
#             by its Exit button (SCRIPT is the game script; needs an X server)
#   desktop   desktop-file-validate passes, Exec and Icon name installed files
#   metainfo  appstreamcli validate passes; the launchable, the newest release
#             and the screenshots match what is installed
#   man       the manual page lists exactly the options of --help
set -euo pipefail
check=$1
build=$2
version=$3
script=${4:-}
id=example.quillmoor.Prismel

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# cmake --install writes the list of what it installed to the build's
# install_manifest.txt, which a person may keep to uninstall a real install:
# the one there before is put back (ctest runs these checks one at a time).
manifest=$build/install_manifest.txt
kept=$prefix.manifest
[[ -f $manifest ]] && cp -p "$manifest" "$kept"
status=0
out=$(cmake --install "$build" --prefix "$prefix" 2>&1) || status=$?
if [[ -f $kept ]]; then mv -f "$kept" "$manifest"; else rm -f "$manifest"; fi
[[ $status == 0 ]] || { echo "$out"; echo "FAIL: cmake --install"; exit 1; }

fail() {
  echo "FAIL: $*"
  exit 1
}

# Width and height of a PNG, from its header.
png_size() {
  [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || { echo "not a PNG"; return; }
  od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}'
}

case $check in
  layout)
    expected="bin/prismel
bin/prismel-pak
bin/prismel-sim
share/applications/$id.desktop
share/doc/prismel/changelog
share/doc/prismel/copyright
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/prismel-pak.1
share/man/man1/prismel-sim.1
share/man/man6/prismel.6
share/metainfo/$id.metainfo.xml
share/prismel/data/audio.pak
share/prismel/data/models.pak
share/prismel/data/textures.pak
share/prismel/screenshots/complete.png
share/prismel/screenshots/menu.png
share/prismel/screenshots/tutorial.png"
    actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    diff <(LC_ALL=C sort <<<"$expected") <(echo "$actual") || fail "the installed files differ from the expected ones (< expected, > installed)"
    for program in prismel prismel-sim prismel-pak; do
      [[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"
    done
    for size in 48 128 256; do
      got=$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png")
      [[ $got == "${size}x${size}" ]] || fail "the ${size}x${size} icon is $got"
    done
    svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
    grep -q '<svg ' "$svg" && [[ $(tail -c 10 "$svg") == *'</svg>'* ]] || fail "the scalable icon is no whole SVG"
    ;;
  version)
    got=$("$prefix/bin/prismel" --version)
    [[ $got == "Prismel $version" ]] || fail "prismel --version printed [$got], not [Prismel $version]"
    ;;
  run)
    home=$(mktemp -d)
    trap 'rm -rf "$prefix" "$home"' EXIT
    log=$home/prismel.log
    status=0
    # No PRISMEL_DATA: the game must find the installed data by itself.
    (cd / && env -u PRISMEL_DATA XDG_DATA_HOME="$home/data" "$prefix/bin/prismel" --script "$script" --log "$log") ||
      status=$?
    [[ $status == 0 ]] || { cat "$log" 2>/dev/null || true; fail "the installed game ended with status $status"; }
    grep -q "Game resources initialized" "$log" || { cat "$log"; fail "the log does not say the resources were loaded"; }
    [[ -f $home/data/Prismel/config.dat ]] || fail "no config.dat in the per-user folder"
    ;;
  desktop)
    entry=$prefix/share/applications/$id.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate"
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    [[ -x $prefix/bin/${exec_line%% *} ]] || fail "Exec=$exec_line names no installed program"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    for file in 48x48/apps/$icon.png 128x128/apps/$icon.png 256x256/apps/$icon.png scalable/apps/$icon.svg; do
      [[ -f $prefix/share/icons/hicolor/$file ]] || fail "Icon=$icon: no $file in the icon theme"
    done
    ;;
  metainfo)
    info=$prefix/share/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net "$info" || fail "appstreamcli validate"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$info")
    [[ -f $prefix/share/applications/$launchable ]] || fail "the launchable [$launchable] is no installed desktop entry"
    newest=$(grep -o '<release version="[^"]*"' "$info" | sed -n 1p | cut -d'"' -f2)
    [[ $newest == "$version" ]] || fail "the newest release in the metainfo is [$newest], the game is $version"
    shots=$(sed -n 's|.*<image>https://quillmoor.example/prismel/screenshots/\(.*\)</image>.*|\1|p' "$info")
    [[ -n $shots ]] || fail "no screenshot under https://quillmoor.example/prismel/screenshots/"
    for shot in $shots; do
      [[ $(png_size "$prefix/share/prismel/screenshots/$shot") == *x* ]] || fail "screenshot $shot is not installed as a PNG"
    done
    others=$(grep -o '<image>[^<]*' "$info" | grep -v '<image>https://quillmoor.example/prismel/screenshots/' || true)
    [[ -z $others ]] || fail "a screenshot is not under https://quillmoor.example/prismel/screenshots/: $others"
    ;;
  man)
    page=$prefix/share/man/man6/prismel.6
    # The option words: "  --name" at the start of a --help line; every
    # \-\-name in the page's source.
    from_help=$("$prefix/bin/prismel" --help | grep -oE '^  --[a-z-]+' | tr -d ' ' | LC_ALL=C sort -u)
    from_page=$(grep -oE '\\-\\-[a-z][a-z-]*' "$page" | sed 's/\\//g' | LC_ALL=C sort -u)
    [[ -n $from_help ]] || fail "prismel --help lists no option"
    diff <(echo "$from_help") <(echo "$from_page") || fail "the manual page's options differ from --help (< help, > page)"
    ;;
  *)
    fail "unknown check [$check]"
    ;;
esac
echo "install $check: ok"
