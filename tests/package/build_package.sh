#!/usr/bin/env bash
# The package tests' fixture: the Debian package of the build, made afresh in
# a folder of its own so that scripts/package's is untouched.
#
# Usage: build_package.sh CPACK BUILD_DIR OUTPUT_DIR
set -euo pipefail
cpack=$1
build_dir=$2
out=$3
rm -rf "$out"
mkdir -p "$out"
cd "$build_dir"
"$cpack" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; exit 1; }
ls "$out"/tramvel_*_*.deb
