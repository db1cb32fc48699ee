#!/usr/bin/env bash
# The whole schema upgrade on the embedded engine: a fresh database made by
# COMPLETO.SQL, brought through the 99 dated steps to 08/10/2013 by
# syd verificar-campos --confirmar (two calls of VerificaCampos, 130 script
# runs). Also times one call at the final key, which only checks and leaves,
# as a program that calls VerificaCampos at every start pays it. Each case
# keeps its best of a few runs.
#
# Usage: bench/upgrade/run.sh [build folder]   (default: $TRAMVEL_BUILD_DIR or build)
#        BENCH_RUNS=5 bench/upgrade/run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${TRAMVEL_BUILD_DIR:-build}}
syd=$(realpath "$build_dir/bin/syd")
runs=${BENCH_RUNS:-3}
[ -x "$syd" ] || { echo "run.sh: $syd is missing; build first (scripts/setup)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/upgrade-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/C" "$work/tmp"
export TRAMVEL_DRIVE_C=$work/C TEMP=$work/tmp
unset TRAMVEL_INI
connection="@Server=bench;@DbName=BENCH;@Usuario=sa;@Password=x;"

. bench/time_best.sh

fresh='rm -rf "$work/C/TRAMVEL" "$work/tmp"/*; "$syd" "$connection" crear-base COMPLETO.SQL'
time_best "$fresh" sh -c "'$syd' '$connection' verificar-campos --confirmar 2>/dev/null"
chain=$best
final=$("$syd" "$connection" estado-esquema | head -1)

time_best "" sh -c "'$syd' '$connection' verificar-campos 2>/dev/null"
again=$best

printf 'whole chain, 02/07/2004 to 08/10/2013  %8.3f s  (%s)\n' "$chain" "$final"
printf 'one call at the final key              %8.3f s\n' "$again"
