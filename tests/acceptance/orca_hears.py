#!/usr/bin/python3
"""What a real screen reader makes of a session: the program and the desktop's screen reader
(orca) on a private X server with the accessibility bus, its speech going to the speech server's
silent output, its debug log on, and real key presses through the first steps and into a round.
The screen reader writes everything it speaks into its debug log as "SPEECH OUTPUT" lines, and
every event it handles with the object it came from and what it did with it.

Asserts that the focused control's description is read with it, and that every step and point
line is spoken, in order, while the keyboard focus stays on the Next button. (Qt 6.4's bridge
sends the changed object instead of the new text with a description change, so the lines reach
this reader through the window's invisible notification; the description changes it saw are
listed when a line is missing.)

    orca_hears.py PROGRAM

Run inside its own D-Bus session (dbus-run-session). Exits 77 (skipped) when the screen reader
or the accessibility bus is not installed.
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# The screen reader writes its debug log through a buffer that is flushed only now and then,
# and not at all when it is ended hard: run it with every debug line flushed as it is written.
READER = r'''
import runpy
import sys
import orca.debug as debug

_println = debug.println


def println(*args, **kwargs):
    _println(*args, **kwargs)
    if debug.debugFile:
        debug.debugFile.flush()


debug.println = println
path = sys.argv[1]
sys.argv = ["orca"] + sys.argv[2:]
runpy.run_path(path, run_name="__main__")
'''

# Speech goes to the speech server's silent output, never to a sound device; the server, which
# the screen reader starts on its own, ends a few seconds after its last client.
SPEECH_CONFIG = """AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
Timeout 5
"""

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)' ?{")
DESCRIPTION = re.compile(r"description='([^'\n]*)")
BLOCK_START = "PROCESS OBJECT EVENT object:property-change:accessible-description vvvvv"
BLOCK_END = "^^^^^ PROCESS OBJECT EVENT"
NOT_FOCUS = "Event is for object other than the locusOfFocus"
BAD_CONTENT = "SPEECH: bad content sent to speak()"

EXPECTED = [
    "Step: Select Issue",
    "Step: Assign SUD",
    "Step: Stimulate Thymus",
    "Step: Affirmation Statement, Karate chop - Left Hand",
    "Step: Explanation of Negative Sequence",
    "Point 1 of 16: Top Head. Say: ",
    "Point 2 of 16: Left Eyebrow. Say: ",
]


def _read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


class Change:
    """One description change as the screen reader processed it."""

    def __init__(self, block):
        text = DESCRIPTION.search(block)
        self.text = text.group(1) if text else ""
        self.followed = NOT_FOCUS not in block
        self.spoken = any(line.startswith(self.text) for line in
                          (m.group(1) for m in SPOKEN.finditer(block)))
        # What a bridge that sends the object instead of the text leads to.
        self.lost = BAD_CONTENT in block

    def __str__(self):
        return "%r%s%s%s" % (self.text, "" if self.followed else " (not the focus)",
                             " spoken" if self.spoken else "", " lost" if self.lost else "")


def description_changes(log_path):
    """The description changes on the control the screen reader follows, in order."""
    blocks = _read(log_path).split(BLOCK_START)[1:]
    changes = [Change(block.split(BLOCK_END)[0]) for block in blocks]
    return [c for c in changes if c.followed]


def keep_log(session, log_path):
    os.makedirs(session.artifacts, exist_ok=True)
    shutil.copy(log_path, os.path.join(session.artifacts, "orca-debug.txt"))


def spoken_lines(log_path):
    return [m.group(1) for m in (SPOKEN.search(line) for line in _read(log_path).splitlines())
            if m]


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    orca = shutil.which("orca")
    if orca is None:
        print("skipped: the screen reader (orca) is not installed")
        return SKIPPED
    if not os.access(BUS_LAUNCHER, os.X_OK) or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        print("skipped: no accessibility bus launcher (at-spi2-core) or no D-Bus session")
        return SKIPPED

    import harness
    from window_tests import advance, layout_of

    def body():
        with harness.AccessibleSession("orca_hears", argv[1]) as s:
            bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            log_path = os.path.join(s.tmp, "orca-debug.txt")
            env = s._base_env()
            env["HOME"] = s.tmp
            env["XDG_CONFIG_HOME"] = os.path.join(s.tmp, "orca-config")
            env["XDG_DATA_HOME"] = os.path.join(s.tmp, "orca-data")
            speech_config = os.path.join(env["XDG_CONFIG_HOME"], "speech-dispatcher")
            os.makedirs(speech_config)
            with open(os.path.join(speech_config, "speechd.conf"), "w") as f:
                f.write(SPEECH_CONFIG)
            reader = harness.Process(
                "orca", [sys.executable, "-c", READER, orca, "--replace", "-d", "braille",
                         "-u", os.path.join(s.tmp, "orca-prefs"), "--debug-file", log_path],
                env, os.path.join(s.tmp, "orca.log"))
            s.processes.append(reader)
            try:
                # It greets once it listens to the accessibility bus.
                harness.wait_for(lambda: spoken_lines(log_path), harness.scaled(30),
                                 "the screen reader to start")
                p = s.start()
                lay = layout_of(p)
                # One step at a time, each given time to be presented: the screen reader drops
                # an object's queued change when a newer one of the same kind follows it.
                for _ in range(6):
                    advance(p, lay, 1)
                    time.sleep(harness.scaled(0.8))
                # The round's timer moves on to the second point two seconds in.
                time.sleep(harness.scaled(2.2))
            finally:
                bus.terminate()
                bus.wait(10)
            heard = spoken_lines(log_path)
            # On focus the screen reader reads the focused control and its description.
            if "Step: Select Issue." not in heard:
                keep_log(s, log_path)
                raise harness.Failure("the screen reader did not read the focused control's "
                                      "description; it said:\n  %s" % "\n  ".join(heard))
            # Every step and point line is spoken, in order, while the focus stays put.
            position = 0
            for wanted in EXPECTED:
                found = [i for i in range(position, len(heard)) if wanted in heard[i]]
                if not found:
                    keep_log(s, log_path)
                    changes = description_changes(log_path)
                    raise harness.Failure(
                        "the screen reader never said %r; it said:\n  %s\nand saw these "
                        "description changes on the control it follows:\n  %s"
                        % (wanted, "\n  ".join(heard[position:]),
                           "\n  ".join(map(str, changes))))
                position = found[0] + 1
            print("the screen reader said all %d step and point lines, in order"
                  % len(EXPECTED))

    return harness.run_with_deadline(harness.scaled(90), body)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
