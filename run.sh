#!/usr/bin/env bash
# Corvalle Lyrabel — installs what is missing, builds into build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target corvalle-lyrabel
exec build/corvalle-lyrabel
