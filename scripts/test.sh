#!/usr/bin/env bash
# Installs what is missing, checks that the sources keep to the layers of
# docs/ARCHITECTURE.md (scripts/check_layers.py), builds the whole test suite
# and runs it twice: once as built normally and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, warnings as errors both times; in between, the
# window tests once more on a French desktop (process locale fr_FR.UTF-8) and
# the check of the Debian package (tests/package/check_package.sh); then
# fuzzes the load for about a minute (scripts/fuzz.sh). Any failure or finding
# fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

echo "== vorns: the layers"
python3 scripts/check_layers.py

echo "== vorns: build and test"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORNS_WERROR=ON >/dev/null
cmake --build build-test -j "$jobs"
(cd build-test && ctest --output-on-failure -j "$jobs") | tee build-test/ctest.log

echo "== vorns: the window tests on a French desktop"
LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 build-test/bin/test_app --gtest_brief=1 | tee build-test/french.log

echo "== vorns: the Debian package, unpacked and used by a user who cannot write its folder"
bash scripts/package.sh | tee build-test/package.log
bash tests/package/check_package.sh build-package/vorns_*.deb build-test/lib/libvorns_drive.so 2>&1 |
  tee -a build-test/package.log

echo "== vorns: build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORNS_WERROR=ON -DVORNS_SANITIZE=ON \
      -DVORNS_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j "$jobs") | tee build-asan/ctest.log

echo "== vorns: fuzz the load"
bash scripts/fuzz.sh 60 2>&1 | tee build-test/fuzz.log

# The results together, last, where a reader of the log looks.
echo "== vorns: summary"
echo "normal build:    $(grep -E 'tests passed|tests failed' build-test/ctest.log)"
echo "French desktop:  $(grep -E '^\[  PASSED  \]' build-test/french.log) (window tests, fr_FR.UTF-8)"
echo "Debian package:  $(tail -n 1 build-test/package.log)"
echo "with sanitizers: $(grep -E 'tests passed|tests failed' build-asan/ctest.log)"
echo "fuzzing:         no finding, $(grep -E '^Done [0-9]+ runs' build-test/fuzz.log)"
