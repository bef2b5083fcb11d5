#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/src/app/findinfiles ]; then
  exec build/src/app/findinfiles "$@"
fi
echo "Built the engine; the window is not part of this build yet."
