#!/usr/bin/env bash
# Installs what is missing, builds Glyphmosaic (the game and its tools, no tests) in Release
# into build/, assembles build/dist/ and starts the game there.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DGLYPH_BUILD_BENCH=OFF
cmake --build build
cd build/dist
exec ./glyphmosaic "$@"
