#!/usr/bin/env bash
# The load of INTERFACERECEPMAESTROS.EXE on big deliveries: one MA_CLIENTES.csv
# of each size asked for (default 64 MiB and 1 GiB), generated here, loaded
# into a fresh embedded database; the wall time and the peak memory (maximum
# resident set size, from /usr/bin/time -v) of each load. The import reads a
# file a few rows at a time, so the peak should not grow with the file.
#
# Usage: bench/interfaces/big_delivery.sh [build folder]   (default: $TRAMVEL_BUILD_DIR or build)
#        BENCH_SIZES_MIB="16 256" bench/interfaces/big_delivery.sh
# Needs about three times the largest size in free space under ${TMPDIR:-/tmp}
# (the file, the database and its write-ahead log).
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${TRAMVEL_BUILD_DIR:-build}}
bin=$(realpath "$build_dir/bin")
sizes=${BENCH_SIZES_MIB:-64 1024}
[ -x "$bin/INTERFACERECEPMAESTROS.EXE" ] || { echo "big_delivery.sh: build first (scripts/setup)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "big_delivery.sh: /usr/bin/time is missing (scripts/setup installs it)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/big-delivery-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
printf '[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\TRAMVEL\\DATOS\\\n' >"$work/RO000vu.INI"
export TRAMVEL_DRIVE_C=$work/C TRAMVEL_INI=$work/RO000vu.INI TEMP=$work TMP=$work
connection="@Server=LOCAL;@DbName=GESTION;@Usuario=sa;@Password=x;"
text=" @server=LOCAL; @dbname=GESTION; @usuario=sa; @Password=x; @ParametroAdicional=AUTO;"

for mib in $sizes; do
  rm -rf "$work/C"
  mkdir -p "$work/C/RECIBIR"
  "$bin/syd" "$connection" crear-base COMPLETO.SQL >/dev/null
  /usr/bin/python3 - "$work/C/RECIBIR/MA_CLIENTES.csv" "$mib" <<'PY'
import sys

path, size = sys.argv[1], int(sys.argv[2]) * 1024 * 1024
with open(path, "w", encoding="utf-8", newline="") as out:
    out.write("CODIGO,RAZON_SOCIAL,CONTACTO,Domicilio,CPORTEC,FHCPORTEC,NotificarEMAIL,NotificarWEB\r\n")
    written, i, rows = 0, 0, []
    while written < size:
        row = (f'C{i:09d},Cliente número {i} S.L.,"Ana, de compras",Calle {i % 97} nº {i},S,'
               f'2014-05-06 18:37:05,1,0\r\n')
        rows.append(row)
        written += len(row.encode("utf-8"))
        i += 1
        if len(rows) == 10000:
            out.write("".join(rows))
            rows = []
    out.write("".join(rows))
PY
  bytes=$(stat -c %s "$work/C/RECIBIR/MA_CLIENTES.csv")
  rows=$(($(wc -l < "$work/C/RECIBIR/MA_CLIENTES.csv") - 1))
  /usr/bin/time -v -o "$work/time.txt" "$bin/INTERFACERECEPMAESTROS.EXE" "$text" >"$work/out.txt"
  peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { print $2 }' "$work/time.txt")
  printf '%6d MiB, %9d rows: %s wall, peak memory %d KiB  (%s)\n' \
    "$((bytes / 1024 / 1024))" "$rows" "$wall" "$peak" "$(tr -d '\n' < "$work/out.txt")"
done
