#!/usr/bin/env bash
# The test command: installs what is needed, then builds every preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
export VX_ROOT=$PWD
start=$(date +%s)

bash scripts/setup.sh

jobs=$(nproc)
werror=-DVX_WERROR=ON

build() {  # preset: configure, build, and install into dist/<preset> (end-to-end tests use it)
    echo "=== configure and build: $1"
    cmake --preset "$1" $werror >/dev/null
    cmake --build --preset "$1" -j "$jobs"
    cmake --install "build/$1" --prefix "dist/$1" >/dev/null
}

run_tests() {  # preset
    echo "=== test: $1"
    ctest --preset "$1" -j "$jobs" --timeout 600
}

build linux-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_tests linux-asan

build linux
run_tests linux

# ThreadSanitizer: only the threaded tests are built and run.
echo "=== configure and build: linux-tsan (threaded tests)"
cmake --preset linux-tsan $werror >/dev/null
cmake --build --preset linux-tsan -j "$jobs" --target files_thread_tests
run_tests linux-tsan

build win64
source scripts/wine-env.sh
trap vx_wine_stop EXIT
run_tests win64

# 32-bit Windows: this machine runs no 32-bit code; the libraries and programs are built and inspected.
build win32
bash scripts/check-exports.sh

# The clang build: the libFuzzer targets, each run briefly over its seeds.
echo "=== configure and build: fuzz"
cmake --preset fuzz $werror >/dev/null
cmake --build --preset fuzz -j "$jobs"
bash scripts/fuzz.sh 5

echo "=== all presets built and tested in $(( $(date +%s) - start )) s"
