#!/usr/bin/env bash
# zariz.exe against the curl command line, both sending and fetching the same
# files through the same pyftpdlib server on 127.0.0.1: 200 files of 256 KiB,
# then one file of 200 MiB. The runs of zariz and curl alternate, so that what
# the machine does meanwhile (write-back, other work) falls on both alike, and
# each keeps its best time.
#
# Two curl lines for a send: the plain one (-T with a glob) and one that does
# what zariz does, sending each file under a temporary name and renaming it
# when complete (a config file with one entry per file, on one connection).
# zariz fsyncs every file it receives before renaming it into place; curl
# does not, so the fetch ratios include that price of never losing a file.
# The curl command line of libcurl 7.88 often waits a second before opening
# the data connection of a reused control connection, so its runs with 200
# files can take minutes.
#
# Usage: bench/zariz/run.sh [build folder]   (default: $TRAMVEL_BUILD_DIR or build)
#        BENCH_RUNS=5 bench/zariz/run.sh      (runs per case, default 3)
set -euo pipefail
cd "$(dirname "$0")/../.."

build_dir=${1:-${TRAMVEL_BUILD_DIR:-build}}
zariz=$(realpath "$build_dir/bin/zariz.exe")
runs=${BENCH_RUNS:-3}
[ -x "$zariz" ] || { echo "run.sh: $zariz is missing; build first (scripts/setup)" >&2; exit 1; }
command -v curl >/dev/null || { echo "run.sh: the curl command line is missing (scripts/setup installs it)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/zariz-bench-XXXXXX")
server_pid=
cleanup() {
  if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "preparing files in $work"
mkdir -p "$work/small" "$work/large" "$work/server"
for i in $(seq -w 1 200); do head -c $((256 * 1024)) /dev/urandom > "$work/small/f$i.bin"; done
head -c $((200 * 1024 * 1024)) /dev/urandom > "$work/large/big.bin"

# The server prints its port once it listens.
coproc SERVER { exec /usr/bin/python3 tests/support/ftp_server.py --root "$work/server" 2>"$work/server.log"; }
server_pid=$SERVER_PID
read -r port <&"${SERVER[0]}"
host=127.0.0.1:$port
base=ftp://qa417205:Pol1984@$host
echo "pyftpdlib on $host; best of $runs runs per line"

# The local folders reach zariz as the job writes them, through drive C.
export TRAMVEL_DRIVE_C="$work/C"
zariz_text() { # MODE WEB LOCAL
  echo "DOWNLOAD=$1;SERVER=$host;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;DIRWEB=$2;DIRDESTINO=$3;PROXY=;PROXYPASS=;"
}

seconds() { # COMMAND...: runs it, prints how long it took
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }'
}
lower() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }
ratio() { awk -v z="$1" -v c="$2" 'BEGIN { printf "%.2f", z / c }'; }

zariz_send() { rm -rf "$work/server/z" "$work/C"; mkdir -p "$work/C"; ln -s "$1" "$work/C/ENVIAR"; "$zariz" "$(zariz_text NO z/ 'C:\ENVIAR\')"; }
curl_send() { rm -rf "$work/server/c"; curl -sS --ftp-create-dirs -T "$1/$2" "$base/c/"; }
curl_send_renaming() { rm -rf "$work/server/r"; curl -sS -K "$1"; }
zariz_fetch() { rm -rf "$work/C/RECIBIR"; "$zariz" "$(zariz_text SI 'z\' 'C:\RECIBIR\')"; }
curl_fetch() { rm -rf "$work/curl-received"; curl -sS --create-dirs "$base/c/$1" -o "$work/curl-received/#1"; }

# One entry per file: sent under its temporary name, renamed once complete.
renaming_config() { # FOLDER CONFIG
  local file name separator=""
  : > "$2"
  for file in "$1"/*; do
    name=$(basename "$file")
    printf '%surl = "%s/r/%s.zariz-part"\nupload-file = "%s"\nftp-create-dirs\nquote = "-RNFR %s.zariz-part"\nquote = "-RNTO %s"\n' \
      "$separator" "$base" "$name" "$file" "$name" "$name" >> "$2"
    separator=$'next\n'
  done
}

lines=()
bench_case() { # LABEL SOURCE-FOLDER CURL-GLOB
  local label=$1 source=$2 glob=$3 config="$work/$1.curlrc"
  local zs="" cs="" rs="" zf="" cf=""
  renaming_config "$source" "$config"
  for _ in $(seq "$runs"); do
    zs=$(lower "$zs" "$(seconds zariz_send "$source")")
    cs=$(lower "$cs" "$(seconds curl_send "$source" "$glob")")
    rs=$(lower "$rs" "$(seconds curl_send_renaming "$config")")
  done
  for _ in $(seq "$runs"); do
    zf=$(lower "$zf" "$(seconds zariz_fetch)")
    cf=$(lower "$cf" "$(seconds curl_fetch "$glob")")
  done
  cmp -s <(cd "$source" && cat -- *) <(cd "$work/C/RECIBIR" && cat -- *) ||
    { echo "run.sh: zariz fetched other bytes than were sent" >&2; exit 1; }
  lines+=("$(printf '%-18s %8s %12s %8s %12s %8s' "send $label" "$zs" "$cs" "$(ratio "$zs" "$cs")" "$rs" "$(ratio "$zs" "$rs")")")
  lines+=("$(printf '%-18s %8s %12s %8s %12s %8s' "fetch $label" "$zf" "$cf" "$(ratio "$zf" "$cf")" "-" "-")")
}

bench_case "200x256KiB" "$work/small" "f[001-200].bin"
bench_case "1x200MiB" "$work/large" "big.bin"

echo
printf '%-18s %8s %12s %8s %12s %8s\n' "seconds" "zariz" "curl" "ratio" "curl+rename" "ratio"
printf '%s\n' "${lines[@]}"
