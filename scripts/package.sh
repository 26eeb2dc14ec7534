#!/usr/bin/env bash
# Installs what is missing, builds vorns in release mode and makes the Debian
# package build-package/vorns_<version>_<arch>.deb; `apt install ./vorns_*.deb`
# installs it with what it needs and puts vorns in the desktop's menu.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNS_BUILD_TESTS=OFF -DVORNS_BUILD_BENCH=OFF \
      >/dev/null
cmake --build build-package -j "$(nproc)"
rm -f build-package/vorns_*.deb
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/vorns_*.deb
