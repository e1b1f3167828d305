#!/usr/bin/env python3
"""A step that waits for the user lets the real program sleep until the user acts.

The program is started as a user starts it and brought to a step that waits (the intro, or the
rating step Assign SUD). From then on nobody touches it for 30 s, and the process's wake-ups are
counted: every voluntary context switch of every thread (/proc/PID/task/*/status) is one return
from a wait. Nothing moves on such a step, so nothing should wake it; the one wake-up allowed is
Qt's own pixmap cache ageing what the first paint put in it, 30 s after the window was made.

The desktop's wish for less motion is asked of a stand-in gsettings that answers at once, as a
GNOME desktop would: the program reads it just after its first paint, inside the 30 s watched.

Usage: idle_wakeups.py PROGRAM {intro|assign_sud}
"""

import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled  # noqa: E402
from window_tests import advance, layout_of  # noqa: E402

WATCHED_SECONDS = 30
ALLOWED_WAKEUPS = 1

# Space presses from the intro to the step watched.
STEPS = {"intro": 0, "assign_sud": 2}


def wakeups(pid):
    """Voluntary context switches of all the process's threads, by thread name and id."""
    counts = {}
    folder = "/proc/%d/task" % pid
    for tid in os.listdir(folder):
        name, switches = "?", 0
        try:
            with open(os.path.join(folder, tid, "status")) as f:
                for line in f:
                    if line.startswith("Name:"):
                        name = line.split(None, 1)[1].strip()
                    elif line.startswith("voluntary_ctxt_switches:"):
                        switches = int(line.split()[1])
        except OSError:
            continue  # a thread that ended meanwhile
        counts["%s/%s" % (name, tid)] = switches
    return counts


def stand_in_gsettings(folder):
    path = os.path.join(folder, "gsettings")
    with open(path, "w") as f:
        f.write("#!/bin/sh\necho true\n")
    os.chmod(path, 0o755)


def run(program_path, case):
    with Session("idle_wakeups_" + case, program_path) as s:
        tools = os.path.join(s.tmp, "bin")
        os.makedirs(tools)
        stand_in_gsettings(tools)
        p = s.start(extra_env={"PATH": tools + os.pathsep + os.environ.get("PATH", "")})
        lay = layout_of(p)
        advance(p, lay, STEPS[case])
        time.sleep(0.5)  # the last repaint and the key's release events handled

        pid = p.process.pid
        before = wakeups(pid)
        per_second = []
        last = sum(before.values())
        for _ in range(WATCHED_SECONDS):
            time.sleep(1)
            now = sum(wakeups(pid).values())
            per_second.append(now - last)
            last = now
        after = wakeups(pid)
        if not p.alive():
            raise Failure("the program ended while it was watched:\n" + p.process.log_text())

        woken = {t: after[t] - before.get(t, 0) for t in after if after[t] != before.get(t, 0)}
        total = sum(woken.values())
        print("wake-ups over %d s on %s: %d %s; second by second: %s"
              % (WATCHED_SECONDS, case, total, woken, " ".join(map(str, per_second))))
        if total > ALLOWED_WAKEUPS:
            raise Failure("the program woke %d times in %d s on a step that waits for the user "
                          "(at most %d allowed); by thread: %s; second by second: %s"
                          % (total, WATCHED_SECONDS, ALLOWED_WAKEUPS, woken,
                             " ".join(map(str, per_second))),
                          {"screen": s.x.screenshot()})


def main(argv):
    if len(argv) != 3 or argv[2] not in STEPS:
        sys.stderr.write("usage: %s PROGRAM {%s}\n" % (argv[0], "|".join(STEPS)))
        return 2
    return run_with_deadline(scaled(30) + WATCHED_SECONDS + 10, lambda: run(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
