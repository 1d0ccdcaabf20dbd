#!/usr/bin/env bash
# Builds Velmora's Debian package and prints its path as the last line.
#
#   bash scripts/package-deb.sh             a Release build of the program
#                                           alone, in build-deb/
#   bash scripts/package-deb.sh BUILD_DIR   packages the program of an existing
#                                           build (the test command passes its
#                                           normal build, so nothing is compiled
#                                           twice)
#
# Installs what is missing first: the compiler, CMake and Qt for the build,
# dpkg-dev for dpkg-shlibdeps, which finds the libraries the binary needs,
# and file, which CPack uses to find the binaries to hand it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --for package

build=${1:-build-deb}
configure=(-S . -B "$build")
# Installing must not wait for every test program to be built: the package
# holds the program alone.
configure+=(-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON)
[ -f "$build/CMakeCache.txt" ] || configure+=(-DCMAKE_BUILD_TYPE=Release)
cmake "${configure[@]}" > /dev/null
cmake --build "$build" --target velmora -j "$(nproc)"

out=$build/package
rm -f "$out"/*.deb
cpack --config "$build/CPackConfig.cmake" -B "$out" >&2
deb=$(ls "$out"/velmora_*.deb)
echo "$(realpath "$deb")"
