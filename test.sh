#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole program, then the
# engine again under AddressSanitizer with UndefinedBehaviorSanitizer and under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

sanitize() {  # folder, flags
  cmake -S . -B "$1" -DCMAKE_BUILD_TYPE=Debug -DFIF_ENGINE_ONLY=ON \
    -DCMAKE_CXX_FLAGS="$2 -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS="$2" >/dev/null
  cmake --build "$1" -j"$jobs"
  (cd "$1" && ctest --output-on-failure -j"$jobs")
}
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 sanitize build-asan "-fsanitize=address,undefined -fno-sanitize-recover=all"
TSAN_OPTIONS=halt_on_error=1 sanitize build-tsan "-fsanitize=thread"
