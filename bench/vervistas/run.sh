#!/usr/bin/env bash
# syd ver-vistas against the sqlite3 shell: a generated script of 10,000 small
# batches (one CREATE TABLE, then INSERTs with an UPDATE every tenth batch),
# run by syd as GO-separated batches on a fresh embedded database, and by the
# shell as the same statements from one file on a fresh database file. The
# shell's file starts with the journal and durability settings the embedded
# engine opens its databases with (WAL, synchronous=FULL), so both commit the
# same way; the shell's defaults are timed too, for reference. Each case
# keeps its best of a few runs. Figures: bench/vervistas/README.md.
#
# Usage: bench/vervistas/run.sh [build folder]   (default: $TRAMVEL_BUILD_DIR or build)
#        BENCH_RUNS=5 BENCH_BATCHES=20000 bench/vervistas/run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${TRAMVEL_BUILD_DIR:-build}}
syd=$(realpath "$build_dir/bin/syd")
runs=${BENCH_RUNS:-3}
batches=${BENCH_BATCHES:-10000}
[ -x "$syd" ] || { echo "run.sh: $syd is missing; build first (scripts/setup)" >&2; exit 1; }
command -v sqlite3 >/dev/null || { echo "run.sh: the sqlite3 shell is missing (scripts/setup installs it)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vervistas-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/C" "$work/tmp"

# statements: one statement a line, as both runners get them.
awk -v n="$batches" 'BEGIN {
  print "CREATE TABLE BENCH (Id INT, Nombre NVARCHAR(40), Importe MONEY)"
  for (i = 1; i < n; i++) {
    if (i % 10 == 0) printf "UPDATE BENCH SET Importe = Importe + 1 WHERE Id = %d\n", i - 5
    else printf "INSERT INTO BENCH (Id, Nombre, Importe) VALUES (%d, %cArticulo %d%c, %d.25)\n", i, 39, i, 39, i
  }
}' > "$work/statements"
awk '{ printf "%s\r\nGO\r\n", $0 }' "$work/statements" > "$work/C/BENCH.SQL"
{ echo "PRAGMA journal_mode=WAL;"; echo "PRAGMA synchronous=FULL;"; sed 's/$/;/' "$work/statements"; } > "$work/same.sql"
sed 's/$/;/' "$work/statements" > "$work/defaults.sql"
echo "$(wc -l < "$work/statements") batches in $work"

export TRAMVEL_DRIVE_C=$work/C TEMP=$work/tmp
unset TRAMVEL_INI
connection="@Server=bench;@DbName=BENCH;@Usuario=sa;@Password=x;"

. bench/time_best.sh

fresh_syd='rm -rf "$work/C/TRAMVEL" "$work/tmp"/*; "$syd" "$connection" crear-base'
time_best "$fresh_syd" "$syd" "$connection" ver-vistas 'C:\BENCH.SQL'
syd_time=$best
rows=$(sqlite3 "$work/C/TRAMVEL/DATOS/bench/BENCH.sqlite" "SELECT COUNT(*) FROM BENCH")

fresh_shell='rm -f "$work/shell.sqlite"*'
time_best "$fresh_shell" sh -c "sqlite3 '$work/shell.sqlite' < '$work/same.sql'"
shell_time=$best
shell_rows=$(sqlite3 "$work/shell.sqlite" "SELECT COUNT(*) FROM BENCH")

time_best "$fresh_shell" sh -c "sqlite3 '$work/shell.sqlite' < '$work/defaults.sql'"
defaults_time=$best

printf 'syd ver-vistas         %8.3f s  (%s rows)\n' "$syd_time" "$rows"
printf 'sqlite3, same journal  %8.3f s  (%s rows)\n' "$shell_time" "$shell_rows"
printf 'sqlite3, its defaults  %8.3f s\n' "$defaults_time"
awk -v a="$syd_time" -v b="$shell_time" 'BEGIN { printf "ratio syd / sqlite3    %8.2f  (goal: 1.5 or less)\n", a / b }'
