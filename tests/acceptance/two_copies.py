#!/usr/bin/env python3
"""A session file changed by another running copy while the real program edits it.

The session "Keep me" is opened in the editor (My sessions with Alt+G on Select Issue, Return
on the list); then, as another copy would, keep.json is rewritten whole with another set-up
statement. A new statement is typed and saved with Alt+S: the program must ask before it writes
over the other copy's words.

keep_both: Return takes the question's default, Keep both. keep.json must still hold the other
  copy's bytes exactly, and a second file must hold what was typed, titled "Keep me (2)".
overwrite: Alt+O answers Overwrite. keep.json must hold what was typed, and no other file
  may appear.
Either way My sessions is closed with Escape, the program with Alt+X, and the process must end.

What the program shows is read from its layout probe (MINDROVA_LAYOUT_PROBE): the question is
known by its box's caption, the probe leaving out the box's own text. The case runs under a
window manager, as a user's desktop has one: only there does the keyboard go back to My sessions
once the editor above it closes.
Usage: two_copies.py PROGRAM {keep_both|overwrite}
"""

import json
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from full_disk import KEEP, Probe, read_bytes  # noqa: E402
from harness import Failure, Session, run_with_deadline, scaled  # noqa: E402
from window_tests import advance, layout_of  # noqa: E402

OTHER = KEEP.replace("the statement saved before", "what the other copy wrote").encode("utf-8")
TYPED = "Even though another copy changed this I typed it with care"
QUESTION = "QMessageBox:My sessions"


def sessions_in(folder):
    """Title and set-up statement of every session file in folder, by file name."""
    found = {}
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            session = json.load(f)
        found[name] = (session.get("title"), session.get("setup"))
    return found


def run(program_path, answer):
    with Session("two_copies_" + answer, program_path, wm=True) as s:
        data = os.path.join(s.tmp, "data")
        sessions = os.path.join(data, "Quellbrook", "Mindrova", "sessions")
        os.makedirs(sessions, mode=0o700)
        keep = os.path.join(sessions, "keep.json")
        with open(keep, "w", encoding="utf-8") as f:
            f.write(KEEP)
        probe = Probe(os.path.join(s.tmp, "probe.txt"))
        p = s.start(extra_env={"XDG_DATA_HOME": data, "MINDROVA_LAYOUT_PROBE": probe.path})
        lay = layout_of(p)
        advance(p, lay, 1)  # Select Issue
        p.key("alt+g")  # Manage...: the My sessions dialog, its only session chosen
        probe.wait(lambda w, t: "frmPersonalSessions" in w, "the My sessions dialog")
        p.key("Return")  # Enter on the list edits the chosen session
        probe.wait(lambda w, t: "frmPersonalSessionEdit" in w, "the session editor")

        # Another copy saves the same session meanwhile: a new file put in place whole.
        other = keep + ".other"
        with open(other, "wb") as f:
            f.write(OTHER)
        os.replace(other, keep)

        p.key("Tab", "ctrl+a")  # from the title to the set-up statement
        s.xdotool("type", "--delay", "15", TYPED)
        p.key("alt+s")
        probe.wait(lambda w, t: QUESTION in w,
                   "the question whether to overwrite the session another copy changed")
        if answer == "keep_both":
            p.key("Return")  # the default: Keep both
        else:
            p.key("alt+o")
        probe.wait(lambda w, t: QUESTION not in w and "frmPersonalSessionEdit" not in w,
                   "the question and the editor to close once the session is saved")

        found = sessions_in(sessions)
        if answer == "keep_both":
            if read_bytes(keep) != OTHER:
                raise Failure("keep.json no longer holds the other copy's bytes:\n%s"
                              % read_bytes(keep).decode("utf-8", "replace"))
            second = {name: v for name, v in found.items() if name != "keep.json"}
            if list(second.values()) != [("Keep me (2)", TYPED)]:
                raise Failure("expected one more file holding %r as \"Keep me (2)\", found %s"
                              % (TYPED, found))
        else:
            if found != {"keep.json": ("Keep me", TYPED)}:
                raise Failure("expected keep.json alone, holding what was typed; found %s"
                              % found)

        p.key("Escape")  # closes My sessions
        probe.wait(lambda w, t: "frmPersonalSessions" not in w, "My sessions to close")
        p.key("alt+x")
        p.wait_exit()


CASES = ("keep_both", "overwrite")


def main(argv):
    if len(argv) != 3 or argv[2] not in CASES:
        sys.stderr.write("usage: %s PROGRAM {%s}\n" % (argv[0], "|".join(CASES)))
        return 2
    return run_with_deadline(scaled(60), lambda: run(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
