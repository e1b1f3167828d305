#!/usr/bin/env python3
"""The real program writing the user's files on a really full file system.

The data folder (XDG_DATA_HOME, and HOME, where the journal's export is offered) is a small tmpfs
this script mounts and fills to its last block. The program is started as a user starts it and
driven by keyboard alone.

session_save: My sessions (Alt+G on Select Issue), the session "Keep me" edited (a new set-up
  statement typed) and saved: keep.json must keep its old bytes, nothing may be left beside it,
  and the editor must stay open saying the session could not be saved. Once space is freed, Save
  again writes what was typed and closes the editor.
journal_export: the journal window (Menu, Journal...), Export CSV over an older journal.csv: the
  old file must stay whole, nothing may be left beside it, and a box must say the journal could
  not be exported (never the notice that it was).

What the program shows is read from its layout probe (MINDROVA_LAYOUT_PROBE, a file outside the
full file system). Mounting needs root: where it is refused the case is skipped (exit code 77).
Usage: full_disk.py PROGRAM session_save
       full_disk.py PROGRAM journal_export JOURNAL_WRITE_HELPER
"""

import contextlib
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled, wait_for  # noqa: E402
from window_tests import advance, layout_of  # noqa: E402

SKIPPED = 77
TMPFS_SIZE = "256k"

KEEP = """{
    "format": 1,
    "title": "Keep me",
    "setup": "Even though this is the statement saved before, I accept myself.",
    "negative": [
        "The old heavy line."
    ],
    "positive": [
        "The old light line."
    ]
}
"""
TYPED = "Even though the disk is full I typed this with care"


class Refused(Exception):
    pass


@contextlib.contextmanager
def tmpfs(path):
    os.makedirs(path, exist_ok=True)
    result = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=%s,mode=0700" % TMPFS_SIZE,
                             "tmpfs", path], capture_output=True, text=True)
    if result.returncode != 0:
        os.rmdir(path)
        raise Refused("a tmpfs could not be mounted (%s); a really full file system needs root"
                      % (result.stderr.strip() or "exit code %d" % result.returncode))
    try:
        yield path
    finally:
        subprocess.run(["umount", "-l", path], capture_output=True)
        with contextlib.suppress(OSError):
            os.rmdir(path)


def fill(folder):
    """Takes every free block with a filler file; returns its path."""
    filler = os.path.join(folder, ".filler")
    fd = os.open(filler, os.O_WRONLY | os.O_CREAT | os.O_APPEND, 0o600)
    try:
        for size in (65536, 4096, 1):
            with contextlib.suppress(OSError):
                while os.write(fd, b"f" * size) > 0:
                    pass
        try:
            os.write(fd, b"f")
        except OSError:
            return filler
        raise Failure("the tmpfs still takes bytes after filling")
    finally:
        os.close(fd)


class Probe:
    """The windows and label texts of the program's latest layout report."""

    def __init__(self, path):
        self.path = path

    def read(self):
        try:
            with open(self.path, encoding="utf-8") as f:
                lines = f.read().splitlines()
        except OSError:
            return None
        if not lines or not lines[0].startswith("time "):
            return None
        windows, texts = [], {}
        for line in lines[1:]:
            kind, _, rest = line.partition(" ")
            if kind == "window":
                # "<class> <name> ratio r frame x y w h client x y w h title <title>"
                parts = rest.split(" ")
                windows.append(parts[1])
                windows.append("%s:%s" % (parts[0], " ".join(parts[15:])))
            elif kind == "text":
                name, _, text = rest.partition(" ")
                texts[name] = text
        return windows, texts

    def wait(self, condition, what):
        def check():
            report = self.read()
            return report if report and condition(*report) else None
        return wait_for(check, scaled(10), what)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def case_session_save(program_path, _args):
    data = tempfile.mkdtemp(prefix="mindrova-full-data-")
    with tmpfs(data), Session("full_disk", program_path) as s:
        sessions = os.path.join(data, "Quellbrook", "Mindrova", "sessions")
        os.makedirs(sessions, mode=0o700)
        keep = os.path.join(sessions, "keep.json")
        with open(keep, "w", encoding="utf-8") as f:
            f.write(KEEP)
        before = read_bytes(keep)
        probe = Probe(os.path.join(s.tmp, "probe.txt"))
        p = s.start(extra_env={"XDG_DATA_HOME": data, "MINDROVA_LAYOUT_PROBE": probe.path})
        lay = layout_of(p)
        advance(p, lay, 1)  # Select Issue
        p.key("alt+g")  # Manage...: the My sessions dialog, its only session chosen
        probe.wait(lambda w, t: "frmPersonalSessions" in w, "the My sessions dialog")
        p.key("Return")  # Enter on the list edits the chosen session
        probe.wait(lambda w, t: "frmPersonalSessionEdit" in w, "the session editor")
        # Tab from the title to the set-up statement, and type a new one over it.
        p.key("Tab", "ctrl+a")
        s.xdotool("type", "--delay", "15", TYPED)

        filler = fill(data)
        p.key("alt+s")
        _, texts = probe.wait(
            lambda w, t: "frmPersonalSessionEdit" in w and "lblSaveProblem" in t,
            "the editor to say the session could not be saved")
        said = texts["lblSaveProblem"]
        if "could not be saved" not in said or "No space left on device" not in said:
            raise Failure("the editor says %r, expected that the session could not be "
                          "saved for want of space" % said, {"editor": s.x.screenshot()})
        if read_bytes(keep) != before:
            raise Failure("keep.json changed on a full disk: %r" % read_bytes(keep)[:200])
        left = sorted(set(os.listdir(sessions)) - {"keep.json"})
        if left:
            raise Failure("files left beside keep.json: %s" % left)

        # Room again: Save writes what is still typed in the editor, and the editor closes.
        os.remove(filler)
        p.key("alt+s")
        probe.wait(lambda w, t: "frmPersonalSessionEdit" not in w,
                   "the editor to close once the session is saved")
        saved = read_bytes(keep).decode("utf-8")
        if TYPED not in saved:
            raise Failure("keep.json does not hold what was typed:\n" + saved)


OLD_CSV = b"\xef\xbb\xbfStarted,Issue\r\n" + b"2026-01-02 09:05,An older export\r\n" * 20


def case_journal_export(program_path, args):
    if not args:
        raise Failure("the journal_export case needs the journal write helper")
    data = tempfile.mkdtemp(prefix="mindrova-full-data-")
    with tmpfs(data), Session("full_disk_journal_export", program_path) as s:
        home = os.path.join(data, "home")
        os.makedirs(home, mode=0o700)
        journal = os.path.join(data, "Quellbrook", "Mindrova", "journal.sqlite")
        os.makedirs(os.path.dirname(journal), mode=0o700)
        written = subprocess.run([args[0], journal, "3", "entry-"], capture_output=True,
                                 text=True, timeout=scaled(20))
        if written.returncode != 0:
            raise Failure("the journal's entries could not be written: " + written.stderr)
        export = os.path.join(home, "journal.csv")
        with open(export, "wb") as f:
            f.write(OLD_CSV)
        probe = Probe(os.path.join(s.tmp, "probe.txt"))
        p = s.start(extra_env={"XDG_DATA_HOME": data, "HOME": home,
                               "MINDROVA_LAYOUT_PROBE": probe.path})
        # The menu opens on Keyboard Shortcuts; Journal... is the fourth item.
        p.key("Menu")
        probe.wait(lambda w, t: "mnuPopUp" in w, "the menu")
        p.key("Down", "Down", "Down", "Return")
        probe.wait(lambda w, t: "frmJournal" in w, "the journal window")
        p.key("alt+e")  # Export CSV...: the file dialog offers journal.csv in the home folder
        probe.wait(lambda w, t: "dlgJournalExport" in w, "the export's file dialog")

        filler = fill(data)
        p.key("Return")
        # The file dialog asks before it replaces the older export: Yes.
        probe.wait(lambda w, t: any(x.startswith("QMessageBox:") for x in w),
                   "the question whether to replace journal.csv")
        p.key("alt+y")
        windows, texts = probe.wait(
            lambda w, t: "dlgJournalExport" not in w and (
                "QMessageBox:Journal" in w or "was exported" in t.get("lblJournalStatus", "")),
            "the export's outcome")
        status = texts.get("lblJournalStatus", "")
        if "was exported" in status or "QMessageBox:Journal" not in windows:
            raise Failure("the journal window says %r on a full disk, and no box says the "
                          "export failed" % status, {"journal": s.x.screenshot()})
        if read_bytes(export) != OLD_CSV:
            raise Failure("journal.csv changed on a full disk: %r" % read_bytes(export)[:200])
        left = sorted(set(os.listdir(home)) - {"journal.csv"})
        if left:
            raise Failure("files left beside journal.csv: %s" % left)
        os.remove(filler)


CASES = {"session_save": case_session_save, "journal_export": case_journal_export}


def main(argv):
    if len(argv) < 3 or argv[2] not in CASES:
        sys.stderr.write("usage: %s PROGRAM {%s} [HELPER]\n" % (argv[0], "|".join(CASES)))
        return 2
    try:
        return run_with_deadline(scaled(60), lambda: CASES[argv[2]](argv[1], argv[3:]))
    except Refused as why:
        print("SKIPPED: %s" % why, flush=True)
        return SKIPPED


if __name__ == "__main__":
    sys.exit(main(sys.argv))
