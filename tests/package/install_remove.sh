#!/usr/bin/env bash
# Installs the Debian package with dpkg as a site does, runs the upload as the
# jobs' own user by the service's command line and the shipped job file, then
# reinstalls, removes and purges it: the site's edit of RO000vu.INI survives
# the reinstall, its database survives remove and purge alike.
#
# All of it happens in a private mount namespace in which /etc, /var, /opt
# and /usr are overlays on a tmpfs and /run/systemd is empty, so neither dpkg
# nor the maintainer scripts reach this machine's system or its service
# manager. Where no such namespace can be made (not root, no overlayfs) the
# test is skipped (status 77).
#
# Usage: install_remove.sh PACKAGE_DIR FTP_SERVER_SCRIPT
set -euo pipefail
package_dir=$1
server_script=$2

skip() {
  echo "install_remove: $*; skipped"
  exit 77
}
if [ -z "${TRAMVEL_PRIVATE_NAMESPACE:-}" ]; then
  [ "$(id -u)" -eq 0 ] || skip "dpkg needs root"
  unshare --mount --propagation private true 2>/dev/null || skip "no private mount namespace can be made here"
  TRAMVEL_PRIVATE_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

me=install_remove
# shellcheck source=../support/scratch_site.sh
. "$(dirname "$0")/../support/scratch_site.sh"
find_package "$package_dir"

overlays=$work/overlays
mkdir -p "$overlays"
mount -t tmpfs tmpfs "$overlays" || skip "no tmpfs can be mounted"
# The overlays keep the detached tmpfs alive until the namespace ends.
trap 'umount -l "$overlays" 2>/dev/null || true; cleanup' EXIT
for folder in /etc /var /opt /usr; do
  mkdir -p "$overlays$folder/upper" "$overlays$folder/work"
  mount -t overlay overlay -o "lowerdir=$folder,upperdir=$overlays$folder/upper,workdir=$overlays$folder/work" "$folder" ||
    skip "no overlay can be mounted on $folder"
done
if [ -d /run/systemd ]; then
  mount -t tmpfs tmpfs /run/systemd || skip "/run/systemd cannot be hidden"
fi

# man-db's trigger would rebuild the whole manual database at every dpkg run.
rm -f /var/lib/man-db/auto-update
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i failed"; }
state=/var/lib/tramvel
[ "$(getent passwd tramvel | cut -d: -f6)" = "$state" ] || fail "no system user tramvel with the home $state"
for folder in "$state" "$state/C" "$state/tmp"; do
  [ "$(stat -c %U:%G "$folder")" = tramvel:tramvel ] || fail "$folder is not the jobs' user's"
done
[ -z "$(find /etc/systemd -name 'tramvel@*' 2>/dev/null)" ] || fail "the package enabled a unit"

start_ftp_server "$server_script"
ini=/opt/tramvel/bin/RO000vu.INI
sed -i "s/^Servidor=.*/Servidor=127.0.0.1:$port/" "$ini"

# As the unit runs it: its user, its environment and job file, its command.
unit=/lib/systemd/system/tramvel@.service
read -r -a unit_environment <<<"$(sed -n 's/^Environment=//p' "$unit")"
as_service() {
  local status=0
  (
    set -a
    # shellcheck source=/dev/null
    . /etc/tramvel/subir.env
    set +a
    cd "$state"
    exec setpriv --reuid=tramvel --regid=tramvel --init-groups env -u DISPLAY -u WAYLAND_DISPLAY -u TRAMVEL_INI \
      HOME="$state" "${unit_environment[@]}" timeout 60 "$@"
  ) >>"$work/jobs.log" 2>&1 || status=$?
  [ "$status" -eq 0 ] || { cat "$work/jobs.log" >&2; fail "$* ended with status $status"; }
}
as_service sh -c '/opt/tramvel/bin/syd "$TRAMVEL_PARAMETROS" crear-base COMPLETO.SQL'
read -r -a exec_start <<<"$(sed -n 's/^ExecStart=//p' "$unit" | sed 's/%i/subir/g')"
as_service "${exec_start[@]}"
database=$state/C/TRAMVEL/DATOS/LOCAL/GESTION.sqlite
[ -f "$database" ] || fail "the job's database is not under $state"
[ -n "$(ls -A "$work/server/Public_html/clientes/Vorin")" ] || fail "the upload sent nothing"
# The start went on past the search definitions it could not have written.
[ "$(sqlite3 "$database" "SELECT COUNT(*) FROM Control_Acceso")" = 1 ] || fail "the job logged no access"

dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "the reinstall failed"; }
grep -qx "Servidor=127.0.0.1:$port" "$ini" || fail "the reinstall replaced the site's RO000vu.INI"

dpkg -r tramvel >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -r failed"; }
[ ! -e /opt/tramvel/bin/tramvel ] || fail "remove left the program"
[ -f /etc/tramvel/subir.env ] && [ -f "$ini" ] || fail "remove took the configuration"
[ -f "$database" ] || fail "remove took the site's database"

dpkg -P tramvel >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -P failed"; }
[ ! -e /etc/tramvel ] && [ ! -e "$ini" ] || fail "purge left the configuration"
[ -f "$database" ] || fail "purge took the site's database"
getent passwd tramvel >/dev/null || fail "purge removed the user that owns the site's data"
echo "install_remove: installed, ran as tramvel, reinstalled, removed and purged; $state kept"
