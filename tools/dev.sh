#!/usr/bin/env bash
# Set-up, build and run, from a fresh Debian 12 machine (as root) to a developer's desk.
#   tools/dev.sh demo   installs what is missing, builds, and runs the demo: corvane-demo in
#                       a window, or without a display its sample session, which prints
#                       the change list and writes a screenshot
#   tools/dev.sh test   installs what is missing, builds and runs every test twice:
#                       the normal build (build/), then AddressSanitizer + UBSan (build-asan/);
#                       then a short smoke run of each fuzzer (clang, build-fuzz/)
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian packages the build needs (the README says why each is there).
packages=(g++ make cmake libgtest-dev libgmock-dev nlohmann-json3-dev qt6-base-dev
          libqt6sql6-sqlite qt6-tools-dev pkgconf fonts-dejavu-core libbenchmark-dev
          clang libclang-rt-14-dev)

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "dev.sh: installing ${missing[*]}" >&2
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
  demo)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      ./build/tools/corvane_demo/corvane-demo
    else
      rm -f build/demo.sqlite
      ./build/tools/corvane_demo/corvane-demo --database build/demo.sqlite \
        --screenshot build/demo.png
    fi
    ;;
  test)
    install_missing
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build --output-on-failure -j "$jobs"
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
    # Only the fuzzers here (and the libraries they instrument): the suite ran above.
    CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON \
      -DCORVANE_BUILD_TESTS=OFF
    cmake --build build-fuzz -j "$jobs" --target corvane_fuzzers
    ctest --test-dir build-fuzz/fuzz --output-on-failure -j "$jobs" -R fuzz --no-tests=error
    ;;
  *)
    echo "usage: tools/dev.sh demo|test" >&2
    exit 2
    ;;
esac
