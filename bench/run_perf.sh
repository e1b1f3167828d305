#!/usr/bin/env bash
# Measures the program against bare Qt programs, side by side in one run, under a private Xvfb.
#
#   bench/run_perf.sh          start-up, peak memory, CPU on a tapping point, idle wake-ups
#                              (about 3 minutes)
#   bench/run_perf.sh timing   wall-clock length of 10 tapping rounds with the other core busy
#                              (about 6 minutes)
#   bench/run_perf.sh quick-speech, bench/run_perf.sh timing-speech
#                              the same with spoken guidance on (flite), into the null sink of
#                              a private audio server
#
# Build first:
#   cmake --build --preset dev -j2 --target mindrova bare_window bare_ticker paint_watch
# RUNS (10) sets the start-up repeats; BUILD_DIR (build/dev) where the programs are.
#
# Start-up runs from the fork of the program to the end of its first paint: the last damage to
# the window's area before 300 ms without any, as the X server reports it (paint_watch). Every
# program is started and watched the same way. Wall-clock start-up grows with whatever else runs
# on the machine; the program's own CPU time up to its first paint does not.
set -euo pipefail

mode=${1:-quick}
here=$(cd "$(dirname "$0")" && pwd)
bin=${BUILD_DIR:-$here/../build/dev}
app=$bin/mindrova
bare=$bin/bench/bare_window
ticker=$bin/bench/bare_ticker
watch=$bin/bench/paint_watch
runs=${RUNS:-10}
for f in "$app" "$bare" "$ticker" "$watch"; do
    [ -x "$f" ] || { echo "missing $f: build it first (see the top of $0)" >&2; exit 1; }
done
for t in Xvfb xdotool python3; do
    command -v "$t" >/dev/null || { echo "missing $t: run scripts/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A private server, a fresh settings folder and lock folder: nothing left by a person's own
# session changes the figures, and a second copy is never refused.
Xvfb -displayfd 5 -screen 0 2400x1024x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
log=$work/programs.log

field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"; }
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", b ? a/b : 0}'; }

# Starts a program, waits for its first paint and leaves it running; sets $pid and $wid.
launch() {
    local out
    if ! out=$("$watch" -k -- "$@" 2>>"$log"); then
        echo "$1 did not paint:" >&2
        cat "$log" >&2
        exit 1
    fi
    pid=$(field pid "$out")
    wid=$(field window "$out")
    pids+=("$pid")
}
stop() { kill "$1" 2>/dev/null || true; }

# "utime+stime run_ns switches" of every thread of $1: the first counted in clock ticks, the
# second the scheduler's own nanoseconds, finer than the ticks.
usage() {
    local s
    read -r s <"/proc/$1/stat"
    set -- "$1" ${s##*") "}
    echo "$((${13} + ${14}))" \
        "$(cat /proc/"$1"/task/*/schedstat | awk '{n += $1} END {printf "%d", n}')" \
        "$(cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}')"
}

# Over $1 seconds, "cpu_ms run_ms switches" of each following pid, a line each. The programs are
# measured over the same seconds, so whatever else runs on the machine weighs on both alike.
measure() {
    local secs=$1 hz p i=0 a b before=()
    shift
    hz=$(getconf CLK_TCK)
    for p; do before+=("$(usage "$p")"); done
    sleep "$secs"
    for p; do
        a=(${before[i++]}) b=($(usage "$p"))
        echo "$(((b[0] - a[0]) * 1000 / hz)) $(((b[1] - a[1]) / 1000000)) $((b[2] - a[2]))"
    done
}

press_next() {  # $1 Space presses, as a person paces them
    local i
    xdotool windowfocus "$wid"
    for ((i = 0; i < $1; i++)); do xdotool key space; sleep 0.3; done
}

row() { printf '%-44s %12s %12s %8s  %s\n' "$@"; }

quick() {
    echo "Start-up and memory: $runs runs each, alternating (display $DISPLAY)"
    local i out a_paint=() b_paint=() a_map=() b_map=() a_run=() b_run=() a_hwm=() b_hwm=()
    for ((i = 0; i < runs; i++)); do
        out=$("$watch" -h 2000 -- "$bare" 2>>"$log")
        b_paint+=("$(field paint_ms "$out")") b_map+=("$(field map_ms "$out")")
        b_run+=("$(field run_ms "$out")") b_hwm+=("$(field hwm_kb "$out")")
        out=$("$watch" -h 2000 -- "$app" 2>>"$log")
        a_paint+=("$(field paint_ms "$out")") a_map+=("$(field map_ms "$out")")
        a_run+=("$(field run_ms "$out")") a_hwm+=("$(field hwm_kb "$out")")
    done
    echo "  first paint, mindrova ms: ${a_paint[*]}"
    echo "  first paint, bare ms:     ${b_paint[*]}"

    echo "Idle on the intro (10 s) and CPU on a tapping point (32 s), the two programs side by side"
    local apid awid bpid tpid a_idle b_idle a_tap t_tap
    launch "$bare"
    bpid=$pid
    launch "$app"
    apid=$pid awid=$wid
    sleep 1
    { read -r -a a_idle && read -r -a b_idle; } < <(measure 10 "$apid" "$bpid")
    stop "$bpid"
    launch "$ticker"
    tpid=$pid
    # Side by side, so neither hides the other's repaints.
    xdotool windowmove "$awid" 0 0 windowmove "$wid" 1200 0
    wid=$awid
    press_next 6
    sleep 1
    { read -r -a a_tap && read -r -a t_tap; } < <(measure 32 "$apid" "$tpid")
    stop "$apid"
    stop "$tpid"
    # A tapping point wakes the program 100 times a second; far fewer means the keys missed.
    [ "${a_tap[2]}" -ge 1600 ] || echo "WARNING: mindrova did not reach a tapping point" >&2

    local am bm af bf amap bmap ar br ah bh
    am=$(median "${a_paint[@]}") bm=$(median "${b_paint[@]}")
    af=$(printf '%s\n' "${a_paint[@]}" | sort -g | head -1)
    bf=$(printf '%s\n' "${b_paint[@]}" | sort -g | head -1)
    amap=$(median "${a_map[@]}") bmap=$(median "${b_map[@]}")
    ar=$(median "${a_run[@]}") br=$(median "${b_run[@]}")
    ah=$(median "${a_hwm[@]}") bh=$(median "${b_hwm[@]}")
    echo
    row "figure" "mindrova" "bare" "ratio" "goal"
    row "start-up to first paint, median ms" "$am" "$bm" "$(ratio "$am" "$bm")" "<= 1.30"
    row "start-up to first paint, fastest ms" "$af" "$bf" "$(ratio "$af" "$bf")" ""
    row "start-up to window mapped, median ms" "$amap" "$bmap" "$(ratio "$amap" "$bmap")" ""
    row "CPU time to first paint, median ms" "$ar" "$br" "$(ratio "$ar" "$br")" ""
    row "peak resident memory (VmHWM), median KiB" "$ah" "$bh" "$(ratio "$ah" "$bh")" "<= 1.30"
    row "CPU utime+stime, 32 s tapping, ms" "${a_tap[0]}" "${t_tap[0]}" \
        "$(ratio "${a_tap[0]}" "${t_tap[0]}")" "<= 1.00"
    row "CPU run time (schedstat), 32 s tapping, ms" "${a_tap[1]}" "${t_tap[1]}" \
        "$(ratio "${a_tap[1]}" "${t_tap[1]}")" "<= 1.00"
    row "context switches, 32 s tapping" "${a_tap[2]}" "${t_tap[2]}" \
        "$(ratio "${a_tap[2]}" "${t_tap[2]}")" ""
    row "context switches, 10 s idle on the intro" "${a_idle[2]}" "${b_idle[2]}" "" "0"
    row "CPU run time, 10 s idle on the intro, ms" "${a_idle[1]}" "${b_idle[1]}" "" ""
    echo "(bare: a plain 1152x781 window with a label; for the tapping rows a 100 Hz ticker)"
}

# Ten rounds are 32000 ticks. They are timed between two appearances of the second marker of
# the round, 10 rounds apart: the first point can be short (the step's clock keeps the
# milliseconds it had when Next was pressed), the later ones change on whole ticks.
timing() {
    echo "Timing: 10 tapping rounds (nominal 320 s) with the other core busy (display $DISPLAY)"
    launch "$app"
    sh -c 'while :; do :; done' &
    pids+=($!)
    press_next 5  # to the explanation before the first point: the log starts on a still window
    "$watch" -l 328 >"$work/damage.log" &
    pids+=($!)
    local logger=$!
    sleep 0.3
    xdotool key space
    wait "$logger"
    stop "$pid"
    python3 - "$work/damage.log" <<'EOF'
import sys
# Marker toggles damage one small square; the other repaints are larger.
events = [(float(t), (x, y, w, h)) for t, x, y, w, h in
          (line.split() for line in open(sys.argv[1])) if int(w) <= 40 and int(h) <= 40]
bursts = {}  # square -> its bursts (a point's 2 s of blinking), each a list of event times
for t, r in events:
    runs = bursts.setdefault(r, [])
    if not runs or t - runs[-1][-1] > 3000:
        runs.append([])
    runs[-1].append(t)
# A lone repaint of a square (a colour change) is not a point's blinking.
starts = {r: [b[0] for b in runs if len(b) >= 3] for r, runs in bursts.items()}
order = sorted((r for r in starts if len(starts[r]) >= 11), key=lambda r: starts[r][0])
if len(order) < 2:
    sys.exit("timing: the second point did not come back 10 times; log too short?")
times = starts[order[1]][:11]
rounds = [(b - a) / 1000 for a, b in zip(times, times[1:])]
total = (times[10] - times[0]) / 1000
print(f"  marker square {order[1]}, round lengths s: " + " ".join(f"{r:.3f}" for r in rounds))
print(f"\n{'figure':44} {'mindrova':>12} {'nominal':>12} {'ratio':>8}  goal")
print(f"{'10 rounds, wall clock s':44} {total:12.3f} {'320.000':>12} {total / 320:8.4f}  "
      f"within 0.1% (off by {100 * (total - 320) / 320:+.3f}%)")
EOF
}

# Spoken guidance saved as on with the flite engine, and an audio server of our own whose only
# sink is a null sink; the server ends with the other programs.
speech_on() {
    command -v pulseaudio >/dev/null || { echo "missing pulseaudio" >&2; exit 1; }
    mkdir -p "$XDG_CONFIG_HOME/Quellbrook"
    printf '[Speech]\nEnabled=1\nEngine=flite\n' >"$XDG_CONFIG_HOME/Quellbrook/Mindrova.conf"
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=null" \
        --load=module-native-protocol-unix 2>>"$work/pulse.log" &
    pids+=($!)
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
    pactl info >/dev/null 2>&1 || { echo "the audio server did not start" >&2; exit 1; }
    echo "Spoken guidance on (flite into a null sink)"
}

case $mode in
    quick) quick ;;
    timing) timing ;;
    quick-speech) speech_on && quick ;;
    timing-speech) speech_on && timing ;;
    *) echo "usage: $0 [quick|timing|quick-speech|timing-speech]" >&2; exit 2 ;;
esac
