#!/usr/bin/env bash
# Start-up of an automatic job on the embedded engine: the whole tramvel
# process under /usr/bin/time -v, from its start to the start of its first
# outside program, with stand-in programs in its program folder (the export
# program a script that notes the moment it starts, then the recording
# stand-in of the tests). The business database is made by COMPLETO.SQL,
# the statistics database DW_ESTADISTICAS by completodwe.sql. Two cases:
# the first start of a program folder, which writes consultas.dwk, and a
# later one, which finds it. Each case keeps its best of a few runs (time)
# and its largest peak resident memory.
#
# Usage: bench/startup/run.sh [build folder]   (default: $TRAMVEL_BUILD_DIR or build)
#        BENCH_RUNS=10 bench/startup/run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${TRAMVEL_BUILD_DIR:-build}}
bin=$(realpath "$build_dir/bin")
standin=$(realpath "$build_dir/tests/standin")
runs=${BENCH_RUNS:-5}
for file in "$bin/tramvel" "$bin/syd" "$standin"; do
  [ -x "$file" ] || { echo "run.sh: $file is missing; build first (scripts/setup)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/startup-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
programs=$work/programs
mkdir -p "$programs" "$work/C" "$work/tmp"
export TRAMVEL_DRIVE_C=$work/C TEMP=$work/tmp TMP=$work/tmp
unset TRAMVEL_INI DISPLAY WAYLAND_DISPLAY
connection="@Server=LOCAL;@DbName=DEMO;@Usuario=sa;@Password=x;"

cp "$bin/tramvel" "$bin/COMPLETO.SQL" "$programs/"
printf '[FTP]\nServidor=127.0.0.1:9\n\n[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\TRAMVEL\\DATOS\\\n' >"$programs/RO000vu.INI"
cp "$standin" "$programs/zariz.exe"
cp "$standin" "$programs/INTERFACERECEPMAESTROS.EXE"
cp "$standin" "$programs/standin-envio"
cat >"$programs/INTERFACEENVIOMAESTROS.EXE" <<'SCRIPT'
#!/bin/sh
date +%s%N >"$(dirname "$0")/primer-programa"
exec "$(dirname "$0")/standin-envio" "$@"
SCRIPT
chmod +x "$programs/INTERFACEENVIOMAESTROS.EXE"
cp "$bin/completodwe.sql" "$programs/"
export TRAMVEL_INI=$programs/RO000vu.INI
"$bin/syd" "$connection" crear-base "$programs/COMPLETO.SQL" >/dev/null
"$bin/syd" "@Server=LOCAL;@DbName=DW_ESTADISTICAS;@Usuario=sa;@Password=x;" crear-base "$programs/completodwe.sql" >/dev/null
unset TRAMVEL_INI

# One start: sets `ms` (process start to the first outside program) and
# `kb` (peak resident memory of the process).
start_once() {
  rm -f "$programs/primer-programa"
  local t0
  t0=$(date +%s%N)
  /usr/bin/time -v -o "$work/time.txt" "$programs/tramvel" "@ParametroAdicional=SUBIR;$connection" \
    >/dev/null 2>"$work/errors.txt" || { cat "$work/errors.txt" >&2; exit 1; }
  [ -f "$programs/primer-programa" ] || { echo "run.sh: the job started no outside program" >&2; exit 1; }
  ms=$(awk -v a="$t0" -v b="$(cat "$programs/primer-programa")" 'BEGIN { printf "%.1f", (b - a) / 1e6 }')
  kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
}

# Runs a case `runs` times: sets `best_ms` and `peak_mb`.
measure() {
  local setup=$1
  best_ms=
  local peak_kb=0
  for _ in $(seq "$runs"); do
    eval "$setup"
    start_once
    best_ms=$(awk -v t="$ms" -v b="$best_ms" 'BEGIN { if (b == "" || t < b) b = t; print b }')
    [ "$kb" -gt "$peak_kb" ] && peak_kb=$kb
  done
  peak_mb=$(awk -v k="$peak_kb" 'BEGIN { printf "%.1f", k / 1024 }')
}

measure 'rm -f "$programs/consultas.dwk"'
printf 'first start (writes consultas.dwk)   %7.1f ms to the first program, peak %6.1f MB\n' "$best_ms" "$peak_mb"
measure ''
printf 'later start                          %7.1f ms to the first program, peak %6.1f MB\n' "$best_ms" "$peak_mb"
rows=$(/usr/bin/python3 -c 'import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute("SELECT COUNT(*) FROM Control_Acceso").fetchone()[0])' \
  "$work/C/TRAMVEL/DATOS/LOCAL/DEMO.sqlite")
timeout_row=$(/usr/bin/python3 -c 'import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE Clave = ?", ("TIMEOUT",)).fetchone()[0])' \
  "$work/C/TRAMVEL/DATOS/LOCAL/DW_ESTADISTICAS.sqlite")
echo "($((2 * runs)) starts, $rows access rows, $timeout_row TIMEOUT row in DW_ESTADISTICAS; target: 150 ms and 80 MB)"
