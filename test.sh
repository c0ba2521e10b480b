#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest:
# the Release build (core, tools and widget tests), then the core tests again under
# AddressSanitizer + UndefinedBehaviorSanitizer together with short fuzzing runs.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/check-layers.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DGLYPH_BUILD_BENCH=ON
cmake --build build -j "$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGLYPH_SANITIZE=ON -DGLYPH_BUILD_UI=OFF -DGLYPH_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs")
