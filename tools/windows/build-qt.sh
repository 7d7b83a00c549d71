#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine, from Debian's own qt6-base
# source, as static libraries for MinGW-w64, into a cache outside the checkout.
#
#   tools/windows/build-qt.sh            build (or resume) and print the prefix
#   tools/windows/build-qt.sh --prefix   print the prefix of a finished build;
#                                        exit 1 if there is none
#
# RW_CACHE (default ~/.cache/rulewright) holds the source, the build folder and
# the installed Qt. A second caller waits for the first one (flock). An
# interrupted build resumes where Ninja stopped.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
cache="${RW_CACHE:-$HOME/.cache/rulewright}"
qt_version=6.4.2
toolchain="$repo/cmake/mingw-w64-x86_64.cmake"

options=(
  -DBUILD_SHARED_LIBS=OFF
  -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_opengl=OFF
  -DFEATURE_dynamicgl=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_testlib=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_icu=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_sql_sqlite=OFF
)

# The cache key changes when the version, the options or the toolchain do.
key_text="$qt_version ${options[*]} $(cat "$toolchain")"
key="qt-$qt_version-mingw64-static-$(printf '%s' "$key_text" | sha256sum | cut -c1-12)"
prefix="$cache/$key"

if [ "${1:-}" = "--prefix" ]; then
  if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi
  exit 1
fi

mkdir -p "$cache"
exec 9>"$cache/build.lock"
flock 9
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

for tool in x86_64-w64-mingw32-g++-posix ninja dpkg-source cmake; do
  command -v "$tool" >/dev/null || { echo "build-qt: $tool is missing (make windows installs it)" >&2; exit 1; }
done
[ -d /usr/lib/x86_64-linux-gnu/cmake/Qt6CoreTools ] || {
  echo "build-qt: the host's Qt tools are missing (qt6-base-dev, qt6-base-dev-tools)" >&2; exit 1; }

# The source, through a private apt list: the machine's own apt set-up is untouched.
apt_dir="$cache/apt"
src_dir="$cache/src"
if [ ! -f "$src_dir/.unpacked" ]; then
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/archives/partial" "$src_dir"
  echo "deb-src http://deb.debian.org/debian bookworm main" > "$apt_dir/sources.list"
  apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/dev/null"
            -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache::Archives=$apt_dir/archives"
            -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=" -o "APT::Sandbox::User=root")
  apt-get "${apt_opts[@]}" update
  rm -rf "$src_dir"/*
  (cd "$src_dir" && apt-get "${apt_opts[@]}" source qt6-base)
  touch "$src_dir/.unpacked"
fi
source_root="$(find "$src_dir" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)"
[ -n "$source_root" ] || { echo "build-qt: no qt6-base-$qt_version source in $src_dir" >&2; exit 1; }

build_dir="$cache/build-$key"
if [ ! -f "$build_dir/build.ninja" ]; then
  mkdir -p "$build_dir"
  cmake -S "$source_root" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${options[@]}"
fi
cmake --build "$build_dir" -j "${JOBS:-$(nproc)}"
cmake --install "$build_dir"
touch "$prefix/.complete"
echo "$prefix"
