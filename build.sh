#!/usr/bin/env bash
# Sets up a Debian 12 machine for Ribemo and builds it, then starts it or runs the test suite.
#   bash build.sh run       install what is missing, build, start Ribemo
#   bash build.sh test      install what is missing, build, run every test headless
#   bash build.sh package   install what is missing, build, make the Debian package build/ribemo_*.deb
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ pkg-config clang-format ccache
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-charts-dev qt6-translations-l10n
  libgl-dev libxkbcommon-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic xvfb xauth x11-utils imagemagick xdotool python3
  fcitx5 fcitx5-anthy fcitx5-frontend-qt6 dbus-daemon at-spi2-core python3-pyatspi
  dpkg-dev file desktop-file-utils appstream lintian devscripts
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Product and test code must be as the committed .clang-format writes it.
format_check() {
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
  echo "format check: every C++ file as .clang-format writes it"
}

# CTest pads every test name to the longest one with dots, and GoogleTest adds the bytes of each
# parameter to its line; the dots are folded to three and the parameter bytes left out, so that
# the log reads at 120 columns. The names themselves stay whole.
readable() {
  sed -u -E -e 's/ \.{4,}/ .../' -e 's/  # GetParam\(\) = .*//'
}

# With targets, only those and what they need (the program: its engine module and help page);
# without, everything, the test suites and benchmarks included.
build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  cmake --build build -j"$(nproc)" ${1:+--target "$@"}
}

# The whole suite once more with AddressSanitizer and UndefinedBehaviorSanitizer; any finding fails.
sanitizer_tests() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRIBEMO_SANITIZE=ON -DRIBEMO_BENCH=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  cmake --build build-asan -j"$(nproc)" --target rules_tests window_tests e2e_tests
  (
    cd build-asan
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_odr_violation=0"
    export LSAN_OPTIONS="suppressions=$PWD/../tests/support/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -LE "e2e|journey|package" | readable
    # The browser engine's own code frees some objects through a base of another size, which the
    # sanitizer reports from inside the engine's library; that one check is off where it runs,
    # and what the engine keeps for the process's life is added to the leak suppressions there.
    cat ../tests/support/lsan.supp ../tests/support/lsan_engine.supp >lsan_e2e.supp
    ASAN_OPTIONS="$ASAN_OPTIONS:new_delete_type_mismatch=0" LSAN_OPTIONS="suppressions=$PWD/lsan_e2e.supp:print_suppressions=0" \
      QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -L e2e | readable
  )
}

case "${1:-}" in
  run)
    install_missing
    build ribemo
    exec build/ribemo
    ;;
  test)
    install_missing
    format_check
    build
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" | readable)
    sanitizer_tests
    ;;
  package)
    install_missing
    build
    (cd build && cpack -G DEB)
    ;;
  *)
    echo "usage: bash build.sh run|test|package" >&2
    exit 2
    ;;
esac
