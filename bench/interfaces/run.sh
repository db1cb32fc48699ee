#!/usr/bin/env bash
# The interface programs on a delivery of a few thousand rows per master
# table: the load of INTERFACERECEPMAESTROS.EXE (every row replaced, in one
# transaction) and the export of INTERFACEENVIOMAESTROS.EXE, each the best of
# a few runs. Goal: a few thousand rows load in well under a second.
#
# Usage: bench/interfaces/run.sh [build folder]   (default: $TRAMVEL_BUILD_DIR or build)
#        BENCH_ROWS=20000 BENCH_RUNS=5 bench/interfaces/run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source bench/time_best.sh

build_dir=${1:-${TRAMVEL_BUILD_DIR:-build}}
bin=$(realpath "$build_dir/bin")
rows=${BENCH_ROWS:-5000}
runs=${BENCH_RUNS:-3}
[ -x "$bin/INTERFACERECEPMAESTROS.EXE" ] || { echo "run.sh: build first (scripts/setup)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/interfaces-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/C/RECIBIR"
printf '[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\TRAMVEL\\DATOS\\\n' >"$work/RO000vu.INI"
export TRAMVEL_DRIVE_C=$work/C TRAMVEL_INI=$work/RO000vu.INI TEMP=$work TMP=$work
"$bin/syd" "@Server=LOCAL;@DbName=GESTION;@Usuario=sa;@Password=x;" crear-base COMPLETO.SQL

/usr/bin/python3 - "$work/C/RECIBIR" "$rows" <<'PY'
import os
import sys

inbox, rows = sys.argv[1], int(sys.argv[2])

def write(name, header, row):
    with open(os.path.join(inbox, name), "w", encoding="utf-8", newline="") as out:
        out.write(header + "\r\n")
        for i in range(rows):
            out.write(row(i) + "\r\n")

write("MA_ARTICULOS.csv", "IdArticulo,Descripcion,IdCategoria,ARETORNAR",
      lambda i: f'ART-{i:06d},"Artículo {i}, caja de 12",ENV,{i % 2}')
write("MA_CLIENTES.csv", "CODIGO,RAZON_SOCIAL,CONTACTO,Domicilio,CPORTEC,FHCPORTEC,NotificarEMAIL,NotificarWEB",
      lambda i: f'C{i:06d},Cliente número {i} S.L.,"",Calle {i % 97} nº {i},S,2014-05-06 18:37:05,1,')
write("TA_TARIFAS_ARTICULOS.csv",
      "TipoTarifa,Proveedor,IdTipoVehiculo,IdCategoria,IdArticulo,Fecha,TarifaIda,TarifaVuelta",
      lambda i: f'GEN,P{i % 50:02d},CAM,ENV,ART-{i:06d},2014-01-01 00:00:00,{i % 1000}.{i % 10000:04d},0.5')
PY

text=" @server=LOCAL; @dbname=GESTION; @usuario=sa; @Password=x; @ParametroAdicional=AUTO;"
total=$((rows * 3))
time_best : "$bin/INTERFACERECEPMAESTROS.EXE" "$text"
load=$best
time_best : "$bin/INTERFACEENVIOMAESTROS.EXE" "$text"
export_time=$best
awk -v n="$total" -v l="$load" -v e="$export_time" 'BEGIN {
  printf "load   %d rows (3 tables): %.3f s, %.0f rows/s\n", n, l, n / l
  printf "export %d rows (5 tables): %.3f s, %.0f rows/s\n", n, e, n / e
}'
