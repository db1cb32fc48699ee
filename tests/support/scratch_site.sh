# Sourced by the shell tests that run an installed program folder: a scratch
# folder $work, removed at the end with the FTP test server stopped first;
# fail MESSAGE; start_ftp_server SCRIPT. The sourcing script names itself in
# $me first.

work=$(mktemp -d "${TMPDIR:-/tmp}/tramvel-$me-XXXXXX")
server_pid=
cleanup() {
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$me: $*" >&2
  exit 1
}

# pyftpdlib (Debian's, under /usr/bin/python3) on a free port of 127.0.0.1,
# serving $work/server; sets $port once it listens.
start_ftp_server() {
  mkdir -p "$work/server"
  coproc SERVER { exec /usr/bin/python3 "$1" --root "$work/server" 2>"$work/server.log"; }
  server_pid=$SERVER_PID
  if ! read -r -t 30 port <&"${SERVER[0]}"; then
    cat "$work/server.log" >&2
    fail "the FTP server did not start"
  fi
}

# The one package the fixture made in folder $1; sets $deb.
find_package() {
  local debs=("$1"/tramvel_*_*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single tramvel_*.deb in $1"
  deb=${debs[0]}
}
