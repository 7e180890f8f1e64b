#!/usr/bin/env bash
# The builds ./test makes beside its test run: the core and mk21ctl optimised (Release: some
# warnings appear only there) and the fuzz targets with clang (only mk21core and tests/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DMK21_TESTS=OFF >/dev/null
cmake --build build-release --target mk21core mk21ctl
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMK21_FUZZ=ON >/dev/null
cmake --build build-fuzz
