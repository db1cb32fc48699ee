#!/usr/bin/env bash
# Installs the build into a prefix of its own and runs, from <prefix>/bin and
# with nothing but what the installation laid there, what a site does: syd
# makes the embedded database from the script beside it, tramvel uploads
# (SUBIR) to a pyftpdlib server on 127.0.0.1 and downloads it back
# (DESCARGAR). The configuration is the installed RO000vu.INI, found beside
# the programs, with the server's port written into it; a second install over
# the folder must keep it.
#
# Usage: installed_jobs.sh CMAKE BUILD_DIR FTP_SERVER_SCRIPT
set -euo pipefail
cmake=$1
build_dir=$2
server_script=$3

me=installed_jobs
# shellcheck source=../support/scratch_site.sh
. "$(dirname "$0")/../support/scratch_site.sh"

"$cmake" --install "$build_dir" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log" >&2; fail "cmake --install failed"; }
bin=$work/prefix/bin
for name in tramvel syd zariz.exe INTERFACEENVIOMAESTROS.EXE INTERFACERECEPMAESTROS.EXE RO000vu.INI COMPLETO.SQL completodwe.sql; do
  [ -f "$bin/$name" ] || fail "$name is missing from the installed program folder"
done

mkdir -p "$work/C" "$work/tmp"
start_ftp_server "$server_script"
sed -i "s/^Servidor=.*/Servidor=127.0.0.1:$port/" "$bin/RO000vu.INI"

# A second install over the folder keeps the site's configuration.
"$cmake" --install "$build_dir" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log" >&2; fail "the second cmake --install failed"; }
grep -qx "Servidor=127.0.0.1:$port" "$bin/RO000vu.INI" || fail "a second install replaced the site's RO000vu.INI"

# No display and no TRAMVEL_INI: boxes go to standard error, the
# configuration is the one beside the program.
site() {
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u TRAMVEL_INI TRAMVEL_DRIVE_C="$work/C" TEMP="$work/tmp" TMP="$work/tmp" \
    timeout 60 "$@" >>"$work/jobs.log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    cat "$work/jobs.log" >&2
    fail "$(basename "$1") ${*:2} ended with status $status"
  fi
}
conexion="@Server=LOCAL;@DbName=GESTION;@Usuario=sa;@Password=x;"
tablas=(MA_ARTICULOS MA_CLIENTES MA_DESTINATARIOS TA_DISTLOCALIDADES TA_TARIFAS_ARTICULOS)
web=$work/server/Public_html/clientes/Vorin

site "$bin/syd" "$conexion" crear-base COMPLETO.SQL
[ -f "$work/C/TRAMVEL/DATOS/LOCAL/GESTION.sqlite" ] || fail "syd made no database under the installed configuration's folder"

site "$bin/tramvel" "@ParametroAdicional=SUBIR;$conexion"
for tabla in "${tablas[@]}"; do
  [ -f "$web/$tabla.csv" ] || fail "the upload did not bring $tabla.csv to the server"
done

site "$bin/tramvel" "@ParametroAdicional=DESCARGAR;$conexion"
[ -z "$(ls -A "$web")" ] || fail "the download left files on the server: $(ls "$web")"
for tabla in "${tablas[@]}"; do
  [ -n "$(find "$work/C/RECIBIR/TESTIGO" -name "$tabla.csv")" ] || fail "no witness copy of $tabla.csv"
done
# Each start connected first, wrote the search definitions beside the
# programs once and logged its access.
[ "$(stat -c %s "$bin/consultas.dwk")" = 13222 ] || fail "the start wrote no consultas.dwk of 11 records beside the programs"
accesos=$(/usr/bin/python3 -c 'import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute("SELECT COUNT(*) FROM Control_Acceso").fetchone()[0])' \
  "$work/C/TRAMVEL/DATOS/LOCAL/GESTION.sqlite")
[ "$accesos" = 2 ] || fail "the two starts left $accesos access rows, not 2"

# Without its database a job runs nothing and ends with status 2.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u TRAMVEL_INI TRAMVEL_DRIVE_C="$work/C" TEMP="$work/tmp" TMP="$work/tmp" \
  timeout 60 "$bin/tramvel" "@ParametroAdicional=SUBIR;@Server=LOCAL;@DbName=OTRA;@Usuario=sa;" >"$work/otra.log" 2>&1 || status=$?
[ "$status" = 2 ] || fail "a job without its database ended with status $status, not 2"
grep -q 'Cannot open database "OTRA"' "$work/otra.log" || fail "a job without its database did not say why: $(cat "$work/otra.log")"

echo "installed_jobs: both jobs ran from $bin"
