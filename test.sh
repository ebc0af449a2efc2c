#!/usr/bin/env bash
# Builds everything and runs every test. On a fresh Debian 12 machine it first installs
# what is missing.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

cmake --preset asan
cmake --build --preset asan -j2
ctest --preset asan -j2
