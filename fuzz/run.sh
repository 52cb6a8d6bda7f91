#!/usr/bin/env bash
# make fuzz: builds the fuzz targets with clang in build-fuzz/, makes a seed
# corpus for each from the game's real files (the built-in levels, the
# generated models, pictures and sounds, a score file, a config.dat, the
# files that once broke a reader), runs each target for FUZZ_SECONDS
# (default 60) and prints one line per target. Exit status 1 when any
# target found something; its input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD:-build-fuzz}
jobs=$(nproc)

if [ ! -f "$build/build.ninja" ]; then
  mkdir -p "$build"
  cmake -S . -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPRISMEL_FUZZ=ON -DPRISMEL_SERVICE=OFF -DBUILD_TESTING=OFF > "$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
fi
cmake --build "$build" -j "$jobs" --target fuzz_all > "$build/fuzz-build.log" 2>&1 || { tail -40 "$build/fuzz-build.log"; exit 1; }

corpus=$build/corpus
rm -rf "$corpus" && mkdir -p "$corpus" "$build/findings"
seed() {  # seed TARGET FILE...
  mkdir -p "$corpus/$1"
  local t=$1; shift
  for f in "$@"; do [ -f "$f" ] && cp "$f" "$corpus/$t/" || true; done
}
extract() {  # extract TARGET ARCHIVE PATTERN
  mkdir -p "$corpus/$1"
  "$build/prismel-pak" list "$build/data/$2" | awk '{print $1}' | grep -E "$3" | while read -r name; do
    "$build/prismel-pak" extract "$build/data/$2" "$name" "$corpus/$1" || true
  done
}
seed fuzz_level_text levels/builtin/*.txt
extract fuzz_model models.pak '\.dat$'
rm -f "$corpus"/fuzz_model/wall_*.dat
extract fuzz_wall models.pak '^wall_'
seed fuzz_pak "$build/data/models.pak"
extract fuzz_png textures.pak '\.png$'
seed fuzz_png tests/bad_files/*.png
extract fuzz_font_list textures.pak '\.txt$'
extract fuzz_ogg audio.pak '\.ogg$'
seed fuzz_ogg tests/bad_files/*.ogg
seed fuzz_config fuzz/seeds/config.dat
seed fuzz_score fuzz/seeds/001.001
seed fuzz_scan levels/builtin/level_00*.txt fuzz/seeds/numbers.txt

dict_of() {
  case $1 in
    fuzz_level_text) echo fuzz/dict/level_text.dict ;;
    fuzz_config) echo fuzz/dict/config.dict ;;
    fuzz_score) echo fuzz/dict/score.dict ;;
    fuzz_png) echo fuzz/dict/png.dict ;;
    fuzz_ogg) echo fuzz/dict/ogg.dict ;;
    fuzz_pak) echo fuzz/dict/pak.dict ;;
    *) echo fuzz/dict/numbers.dict ;;
  esac
}

failed=0
for target in fuzz_level_text fuzz_model fuzz_wall fuzz_pak fuzz_png fuzz_font_list fuzz_ogg fuzz_config fuzz_score fuzz_scan; do
  log=$build/$target.log
  mkdir -p "$corpus/$target"
  set +e
  ALSOFT_DRIVERS=null ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS=suppressions=$root/tests/sanitizer.supp:print_suppressions=0 \
    "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
    -dict="$(dict_of $target)" -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
    "$corpus/$target" > "$log" 2>&1
  status=$?
  set -e
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  if [ $status -eq 0 ]; then
    echo "$target: $runs runs in ${seconds} s, no finding"
  else
    echo "$target: FINDING after $runs runs (exit $status); see $log and $build/findings/"
    failed=1
  fi
done
exit $failed
