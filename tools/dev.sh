#!/usr/bin/env bash
# Set-up, build and run, from a fresh Debian 12 machine (as root) to a developer's desk.
#   tools/dev.sh demo   installs what is missing, builds, and runs the demo: corvane-demo in
#                       a window, or without a display its sample session, which prints
#                       the change list and writes a screenshot
#   tools/dev.sh test   installs what is missing, checks the sources' format (.clang-format),
#                       builds and runs every test twice: the normal build (build/), then
#                       AddressSanitizer + UBSan (build-asan/); then a short smoke run of
#                       each fuzzer (clang, build-fuzz/)
#   tools/dev.sh format installs clang-format if missing and formats every source file
#   tools/dev.sh docs   installs doxygen if missing and writes the API reference of the
#                       public headers (docs/Doxyfile) into build/docs/html/
#   tools/dev.sh tidy   installs what is missing and clang-tidy, builds build/, and runs the
#                       checks of .clang-tidy over every source file; fails on any finding
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian packages the build needs (the README says why each is there).
packages=(g++ make cmake doxygen libgtest-dev libgmock-dev nlohmann-json3-dev qt6-base-dev
          libqt6sql6-sqlite qt6-tools-dev qt6-l10n-tools qt6-translations-l10n pkgconf
          fonts-dejavu-core fonts-dejavu-extra
          libbenchmark-dev clang libclang-rt-14-dev clang-format
          xvfb xauth openbox xdotool at-spi2-core dbus python3-pyatspi imagemagick libxtst-dev)

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

tidy() {  # tidy DIR FOLDERS: clang-tidy over the sources in FOLDERS (a regex) compiled in DIR
  local own='(readings|model|surface|control|toolkits|qt_widget|tools|tests|bench|fuzz|examples)'
  # GCC's own warning options are unknown to clang.
  run-clang-tidy-14 -quiet -j "$jobs" -p "$1" -extra-arg=-Wno-unknown-warning-option \
    -header-filter="^$PWD/$own/" "^$PWD/$2/.*\.cpp$"
}

# The project's C++ sources (the build trees are elsewhere).
sources() {
  find include readings model surface control toolkits qt_widget testing tools tests bench fuzz \
    examples \
    -name '*.cpp' -o -name '*.h' | sort
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
    if ! sources | xargs -r clang-format --dry-run --Werror; then
      echo "dev.sh: sources not formatted as .clang-format says; tools/dev.sh format fixes them" >&2
      exit 1
    fi
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
  tidy)
    packages+=(clang-tidy-14)
    install_missing
    # The normal build writes the compile commands and the generated headers (version, moc).
    build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    # The fuzz targets are only in the clang build; configuring it is enough.
    CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_FUZZ=ON \
      -DCORVANE_BUILD_TESTS=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    # The consumer's form host builds against an installed Corvane, with uic's header.
    cmake --install build --prefix build/tidy/prefix >/dev/null
    cmake -S tests/consumer -B build/tidy/consumer -DCMAKE_PREFIX_PATH="$PWD/build/tidy/prefix" \
      -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    cmake --build build/tidy/consumer --target form_host_autogen
    status=0
    tidy build '(control|editing|exchange|widgets|tools|tests|bench|examples)' || status=1
    tidy build-fuzz fuzz || status=1
    tidy build/tidy/consumer tests/consumer || status=1
    exit "$status"
    ;;
  format)
    packages=(clang-format)
    install_missing
    sources | xargs -r clang-format -i
    ;;
  docs)
    packages=(doxygen)  # all the reference needs: doxygen reads the headers, builds nothing
    install_missing
    version=$(sed -n 's/^project(Corvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    mkdir -p build/docs
    { cat docs/Doxyfile; echo "PROJECT_NUMBER = $version"; } | doxygen -
    echo "dev.sh: the API reference is in $PWD/build/docs/html/index.html" >&2
    ;;
  *)
    echo "usage: tools/dev.sh demo|test|format|docs|tidy" >&2
    exit 2
    ;;
esac
