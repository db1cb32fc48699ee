# Sourced by the benchmark scripts: keeps the best of a few runs, so that a
# stray hiccup of the machine does not decide a ratio.
#
# time_best SETUP COMMAND...: sets `best` to the shortest time in seconds of
# $runs runs of COMMAND (its output dropped), each run after `eval SETUP`.
time_best() {
  local setup=$1; shift
  best=
  for _ in $(seq "${runs:-3}"); do
    eval "$setup"
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    best=$(awk -v s="$start" -v e="$end" -v b="$best" 'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
  done
}
