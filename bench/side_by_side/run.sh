#!/usr/bin/env bash
# vibcalc beside a short numpy script that reads the same random profile and prints the
# same three results, timed in alternation (median of 20 runs each), then a library of
# 10,000 profiles in one vibcalc run on one and on two threads. Figures, not a gate.
# Usage: bench/side_by_side/run.sh [VIBCALC]   (default build/cli/vibcalc)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
vibcalc=${1:-$here/build/cli/vibcalc}
python=/usr/bin/python3   # Debian's, which python3-numpy serves
script=$here/bench/side_by_side/asd_results.py
runs=20

if ! "$python" -c "import numpy" 2>/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq python3-numpy >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
profile=$work/navmat.prf
cp "$here/tests/data/corpus/random/ok-default.prf" "$profile"

# Both must give the same numbers before their times mean anything.
"$python" - "$("$vibcalc" random "$profile")" "$("$python" "$script" "$profile")" <<'PY'
import json, sys
a, b = json.loads(sys.argv[1]), json.loads(sys.argv[2])
for k in ("gref", "vref", "dref"):
    if abs(a[k] - b[k]) > 1e-5 * abs(a[k]):
        sys.exit(f"{k}: vibcalc {a[k]} against numpy {b[k]}")
print("same results: gref %.4f, vref %.4f, dref %.3f" % (a["gref"], a["vref"], a["dref"]))
PY

seconds() {  # wall time of the command, in seconds
  local t0=$EPOCHREALTIME t1
  "$@" >/dev/null
  t1=$EPOCHREALTIME
  echo "$t1 - $t0" | bc -l
}
median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# /bin/true is the floor: what starting any process costs on this machine.
: >"$work/vibcalc.t"
: >"$work/numpy.t"
: >"$work/true.t"
for _ in $(seq "$runs"); do
  seconds "$vibcalc" random "$profile" >>"$work/vibcalc.t"
  seconds "$python" "$script" "$profile" >>"$work/numpy.t"
  seconds /bin/true >>"$work/true.t"
done
v=$(median <"$work/vibcalc.t")
n=$(median <"$work/numpy.t")
t=$(median <"$work/true.t")
ms() { echo "$1 * 1000" | bc -l; }
echo "machine: $(nproc) processors, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
printf 'one profile, median of %d: vibcalc %.2f ms, numpy %.1f ms, vibcalc %.0fx faster' \
  "$runs" "$(ms "$v")" "$(ms "$n")" "$(echo "$n / $v" | bc -l)"
printf ' (/bin/true %.2f ms)\n' "$(ms "$t")"

mkdir "$work/library"
for i in $(seq 10000); do cp "$profile" "$work/library/p$i.prf"; done
(cd "$work/library" && ls) | sed "s|^|$work/library/|" >"$work/list"
for jobs in 1 2; do
  t=$(seconds "$vibcalc" random --files-from "$work/list" --fields gref,vref,dref --jobs "$jobs")
  printf '10,000 profiles, --jobs %d: %.2f s, %.0f profiles/s\n' "$jobs" "$t" "$(echo "10000 / $t" | bc -l)"
done
