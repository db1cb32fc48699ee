#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root (dpkg -x) and checks it as a site would meet it: the declared dependencies
# and configuration files, the units (systemd-analyze verify, where present),
# and the jobs themselves, started by the service's own command line with the
# shipped job files against a pyftpdlib server on 127.0.0.1. While a job of
# the site holds the lock a second one either gives up at once with status 1
# or waits, and runs only once the first has ended.
#
# Usage: package_jobs.sh PACKAGE_DIR FTP_SERVER_SCRIPT SOURCE_DIR
set -euo pipefail
package_dir=$1
server_script=$2
source_dir=$3

me=package_jobs
# shellcheck source=../support/scratch_site.sh
. "$(dirname "$0")/../support/scratch_site.sh"

find_package "$package_dir"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsqlite3-0 libcurl4 adduser; do
  [[ $depends == *"$library"* ]] || fail "Depends does not name $library: $depends"
done
prefix=/opt/tramvel
mkdir "$work/control"
dpkg-deb -e "$deb" "$work/control"
for conffile in $prefix/bin/RO000vu.INI /etc/tramvel/subir.env /etc/tramvel/descargar.env; do
  grep -qx "$conffile" "$work/control/conffiles" || fail "$conffile is not a conffile"
done
for script in postinst prerm postrm; do
  [ -x "$work/control/$script" ] || fail "the package has no $script"
done

root=$work/root
dpkg -x "$deb" "$root"
bin=$root$prefix/bin
for name in tramvel syd zariz.exe INTERFACEENVIOMAESTROS.EXE INTERFACERECEPMAESTROS.EXE tramvel-job; do
  [ -x "$bin/$name" ] || fail "$name is missing from the package's program folder"
  [ -s "$root/usr/share/man/man1/$name.1.gz" ] || fail "no man page for $name"
done
cmp -s "$source_dir/tests/startup/fixtures/consultas.dwk" "$bin/consultas.dwk" ||
  fail "the package does not ship the search definitions consultas.dwk"
# However the install rule lays the configuration, the package ships it.
cmp -s "$source_dir/src/app/RO000vu.INI" "$bin/RO000vu.INI" || fail "the package does not ship the default RO000vu.INI"
for job in subir descargar; do
  [ "$(stat -c %a "$root/etc/tramvel/$job.env")" = 600 ] || fail "/etc/tramvel/$job.env is readable by others"
done

units=$root/lib/systemd/system
[ -f "$units/tramvel@.service" ] && [ -f "$units/tramvel@.timer" ] || fail "the units are missing"
if command -v systemd-analyze >/dev/null && [ -d /lib/systemd/system ]; then
  # The units the jobs' units lean on (sysinit.target, timers.target, ...) are
  # this machine's; a warning counts as a failure.
  cp -an /lib/systemd/system/. "$units/"
  systemd-analyze verify --root="$root" --man=no "$units/tramvel@subir.service" "$units/tramvel@descargar.timer" \
    >"$work/verify.log" 2>&1 || true
  [ ! -s "$work/verify.log" ] || { cat "$work/verify.log" >&2; fail "systemd-analyze verify found faults in the units"; }
else
  echo "package_jobs: no systemd-analyze here; the units are not verified"
fi

# The service's command line as the unit states it, run by hand in the
# scratch root: the program folder moved under the root, the drive folder
# and the temporary folder the test's own.
exec_start=$(sed -n 's/^ExecStart=//p' "$units/tramvel@.service")
[[ $exec_start == "$prefix/bin/tramvel-job %i" ]] || fail "unexpected ExecStart: $exec_start"
mkdir -p "$work/C" "$work/tmp"
start_ftp_server "$server_script"
sed -i "s/^Servidor=.*/Servidor=127.0.0.1:$port/" "$bin/RO000vu.INI"

# Runs the unit's command for job $1 with the environment the unit gives it
# (its job file included); extra arguments are VARIABLE=value for env.
service() {
  local job=$1
  shift
  local command
  read -r -a command <<<"${exec_start//%i/$job}"
  command[0]=$root${command[0]}
  (
    set -a
    # shellcheck source=/dev/null
    . "$root/etc/tramvel/$job.env"
    set +a
    exec env -u DISPLAY -u WAYLAND_DISPLAY -u TRAMVEL_INI -u TRAMVEL_LOCK \
      TRAMVEL_DRIVE_C="$work/C" TEMP="$work/tmp" TMP="$work/tmp" "$@" \
      timeout 60 "${command[@]}"
  )
}
web=$work/server/Public_html/clientes/Vorin
tablas=(MA_ARTICULOS MA_CLIENTES MA_DESTINATARIOS TA_DISTLOCALIDADES TA_TARIFAS_ARTICULOS)

# The demo's database, named by the shipped job files.
(. "$root/etc/tramvel/subir.env" && env TRAMVEL_DRIVE_C="$work/C" TEMP="$work/tmp" \
  "$bin/syd" "$TRAMVEL_PARAMETROS" crear-base COMPLETO.SQL) >"$work/syd.log" 2>&1 || { cat "$work/syd.log" >&2; fail "syd crear-base failed"; }

service subir >"$work/subir.log" 2>&1 || { cat "$work/subir.log" >&2; fail "tramvel@subir's command failed"; }
for tabla in "${tablas[@]}"; do
  [ -f "$web/$tabla.csv" ] || fail "the upload did not bring $tabla.csv to the server"
done
grep -q "PROCESO FINALIZADO" "$work/subir.log" || fail "the upload's status lines are not on its output"

# A job of the site holds the lock: this shell, on descriptor 8.
lock=$work/C.lock
exec 8<"$lock"
flock -n 8 || fail "the lock beside the drive folder is still held after the upload"

status=0
service descargar TRAMVEL_LOCK_WAIT=0 >"$work/refused.log" 2>&1 8<&- || status=$?
[ "$status" -eq 1 ] || { cat "$work/refused.log" >&2; fail "a job started while another ran ended with status $status, not 1"; }
grep -q "another job of this site is running" "$work/refused.log" || { cat "$work/refused.log" >&2; fail "no clear message for the refused job"; }
[ ! -e "$work/C/RECIBIR" ] || fail "the refused download touched the inbox"

# A job that may wait says so, and does nothing until the lock is free.
coproc WAITING { service descargar TRAMVEL_LOCK_WAIT=60 2>&1 8<&-; }
waiting_pid=$WAITING_PID
exec 7<&"${WAITING[0]}"
read -r -t 30 first <&7 || fail "the waiting job said nothing"
[[ $first == *"DESCARGAR waits up to 60 s"* ]] || fail "the waiting job said: $first"
[ ! -e "$work/C/RECIBIR" ] && [ "$(ls "$web" | wc -l)" -eq ${#tablas[@]} ] || fail "the waiting job ran while the lock was held"
flock -u 8
cat <&7 >"$work/descargar.log"
status=0
wait "$waiting_pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/descargar.log" >&2; fail "the download ended with status $status once the lock was free"; }
[ -z "$(ls -A "$web")" ] || fail "the download left files on the server: $(ls "$web")"
for tabla in "${tablas[@]}"; do
  [ -n "$(find "$work/C/RECIBIR/TESTIGO" -name "$tabla.csv")" ] || fail "no witness copy of $tabla.csv"
done
echo "package_jobs: $(basename "$deb") unpacked, both jobs ran from $prefix/bin under the site's lock"
