#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole program, then again
# under AddressSanitizer with UndefinedBehaviorSanitizer, then the engine under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

run_suite() {  # folder, extra cmake arguments...
  local folder=$1
  shift
  cmake -S . -B "$folder" "$@" >/dev/null
  cmake --build "$folder" -j"$jobs"
  (cd "$folder" && ctest --output-on-failure -j"$jobs")
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFIF_ENGINE_ONLY=OFF

asan="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DFIF_ENGINE_ONLY=OFF -DCMAKE_CXX_FLAGS="$asan" -DCMAKE_EXE_LINKER_FLAGS="$asan"

tsan="-fsanitize=thread"
TSAN_OPTIONS=halt_on_error=1 \
  run_suite build-tsan -DCMAKE_BUILD_TYPE=Debug -DFIF_ENGINE_ONLY=ON -DCMAKE_CXX_FLAGS="$tsan" -DCMAKE_EXE_LINKER_FLAGS="$tsan"
