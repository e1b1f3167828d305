#!/usr/bin/env python3
"""The real program on a real machine's faults: something other than a file where it reads one,
a fresh configuration folder that must come out private, and no display at all.

    file_faults.py PROGRAM CASE     (CASE as in CASES below, or "all")
"""

import os
import stat
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled, wait_for  # noqa: E402

SKIPPED = 77  # ctest's SKIP_RETURN_CODE

NO_DISPLAY_LINE = "Mindrova needs a graphical desktop: no display was found."

GOOD_SESSION = """{
    "format": 1,
    "title": "Fear of flying",
    "setup": "Even though I am afraid of flying, I deeply and completely accept myself.",
    "negative": ["This fear of flying", "My racing heart", "This tight chest", "The turbulence"],
    "positive": ["I can feel safe", "I choose calm", "My breath slows down", "I land softly"]
}
"""


def kind_of(path):
    try:
        mode = os.lstat(path).st_mode
    except FileNotFoundError:
        return "nothing"
    for test, name in ((stat.S_ISFIFO, "a FIFO"), (stat.S_ISDIR, "a folder"),
                       (stat.S_ISREG, "a file"), (stat.S_ISLNK, "a link")):
        if test(mode):
            return name
    return "something else"


def close_with_alt_x(program):
    program.focus()
    program.key("alt+x")
    program.wait_exit(scaled(10))


def case_settings_fifo(program_path):
    """A FIFO where the settings file should be: the window shows as usual, Alt+X ends the
    program, and the FIFO is left as it was (nothing waits on it, nothing replaces it)."""
    with Session("settings_fifo", program_path) as s:
        config, runtime = s.new_folders()
        os.makedirs(os.path.join(config, "Quellbrook"))
        fifo = os.path.join(config, "Quellbrook", "Mindrova.conf")
        os.mkfifo(fifo, 0o600)
        started = time.monotonic()
        p = s.start(config, runtime)
        print("window shown %.1f s after the start" % (time.monotonic() - started))
        close_with_alt_x(p)
        if kind_of(fifo) != "a FIFO":
            raise Failure("the settings FIFO is now %s" % kind_of(fifo))
        left = sorted(os.listdir(os.path.join(config, "Quellbrook")))
        if left != ["Mindrova.conf"]:
            raise Failure("the settings folder holds %s after the run" % left)


def move_window(session, program, x, y):
    session.xdotool("windowmove", "--sync", str(program.window), str(x), str(y), check=False)
    wait_for(lambda: program.geometry()[:2] == (x, y), scaled(5), "the window to move")


def case_settings_replaced(program_path):
    """The settings file turns into a FIFO, then a folder, while the program runs: closing with
    Alt+X still ends it at once, what stands there is left as it is, and once the file is back
    the next start opens where the window was last saved: nothing was lost."""
    with Session("settings_replaced", program_path) as s:
        config, runtime = s.new_folders()
        p = s.start(config, runtime)
        move_window(s, p, 100, 80)
        close_with_alt_x(p)
        settings = p.settings_file
        with open(settings, "rb") as f:
            saved = f.read()
        kept = os.path.join(s.tmp, "kept.conf")
        for kind, make in (("a FIFO", lambda path: os.mkfifo(path, 0o600)),
                           ("a folder", lambda path: os.mkdir(path, 0o700))):
            p = s.start(config, runtime)
            os.rename(settings, kept)
            make(settings)
            move_window(s, p, 300, 200)  # a position to save on the way out
            started = time.monotonic()
            close_with_alt_x(p)
            print("with %s in its place the program ended %.1f s after Alt+X"
                  % (kind, time.monotonic() - started))
            if kind_of(settings) != kind:
                raise Failure("%s in the settings file's place is now %s"
                              % (kind, kind_of(settings)))
            left = sorted(os.listdir(os.path.dirname(settings)))
            if left != ["Mindrova.conf"]:
                raise Failure("the settings folder holds %s after the run" % left)
            (os.rmdir if kind == "a folder" else os.remove)(settings)
            os.rename(kept, settings)
            with open(settings, "rb") as f:
                if f.read() != saved:
                    raise Failure("the settings file changed while %s stood in its place" % kind)
            again = s.start(config, runtime)
            if again.geometry()[:2] != (100, 80):
                raise Failure("restarted at %s, expected where it was saved before: (100, 80)"
                              % (again.geometry()[:2],))
            close_with_alt_x(again)
            with open(settings, "rb") as f:
                saved = f.read()


class MountRefused(Exception):
    """The test cannot mount a file system of its own here: it is skipped, not failed."""


def fill(folder):
    """Writes into folder until the file system is full."""
    with open(os.path.join(folder, "filler"), "wb", buffering=0) as f:
        block = b"f" * 1024
        try:
            while True:
                f.write(block)
        except OSError:
            pass


def case_settings_full_disk(program_path):
    """The settings folder on a small file system, filled up while the program runs but for a
    few pages: the close saves nothing, the settings file is byte for byte what it was, and the
    next start opens where the window was saved before."""
    config = tempfile.mkdtemp(prefix="mindrova-small-config-")
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k,mode=0700", "tmpfs",
                              config], capture_output=True)
    if mounted.returncode != 0:
        os.rmdir(config)
        raise MountRefused(mounted.stderr.decode(errors="replace").strip())
    try:
        with Session("settings_full_disk", program_path) as s:
            _, runtime = s.new_folders()
            p = s.start(config, runtime)
            move_window(s, p, 100, 80)
            close_with_alt_x(p)
            # Settings larger than the room left, as a long-kept file may grow: a writer that
            # buffers them whole learns of the full disk only once it has replaced the old file.
            with open(p.settings_file, "a") as f:
                f.write("\n[Notes]\nText=%s\n" % ("n" * 12000))
            with open(p.settings_file, "rb") as f:
                saved = f.read()
            p = s.start(config, runtime)
            spare = os.path.join(config, "spare")
            with open(spare, "wb") as f:
                f.write(b"s" * 8192)
            fill(config)
            os.remove(spare)  # eight KiB left: room for small files, not for the settings
            move_window(s, p, 300, 200)
            close_with_alt_x(p)
            with open(p.settings_file, "rb") as f:
                now = f.read()
            if now != saved:
                raise Failure("the settings file changed on the full disk: %d bytes, were %d"
                              % (len(now), len(saved)))
            left = sorted(os.listdir(os.path.join(config, "Quellbrook")))
            if left != ["Mindrova.conf"]:
                raise Failure("the settings folder holds %s after the run" % left)
            os.remove(os.path.join(config, "filler"))
            again = s.start(config, runtime)
            if again.geometry()[:2] != (100, 80):
                raise Failure("restarted at %s, expected where it was saved before: (100, 80)"
                              % (again.geometry()[:2],))
            close_with_alt_x(again)
    finally:
        subprocess.run(["umount", "-l", config], capture_output=True)
        os.rmdir(config)


def case_session_fifo(program_path):
    """A FIFO among the user's session files: the window shows, and on Select Issue the notice
    says one session file could not be read, while the good one is listed."""
    with Session("session_fifo", program_path) as s:
        data = os.path.join(s.tmp, "data")
        sessions = os.path.join(data, "Quellbrook", "Mindrova", "sessions")
        os.makedirs(sessions)
        with open(os.path.join(sessions, "fear-of-flying.json"), "w", encoding="utf-8") as f:
            f.write(GOOD_SESSION)
        fifo = os.path.join(sessions, "stuck.json")
        os.mkfifo(fifo, 0o600)
        probe = os.path.join(s.tmp, "probe.txt")
        p = s.start(extra_env={"XDG_DATA_HOME": data, "MINDROVA_LAYOUT_PROBE": probe})
        p.key("space")  # the introduction, then Select Issue with the sessions listed

        def notice():
            try:
                with open(probe, encoding="utf-8") as f:
                    lines = f.read().splitlines()
            except OSError:
                return None
            return next((line for line in lines if line.startswith("text lblSessionsNotice ")),
                        None)

        line = wait_for(notice, scaled(10), "the notice about the session file not read")
        expected = ("text lblSessionsNotice 1 of your session files could not be read. "
                    "Manage... shows which and why.")
        if line != expected:
            raise Failure("the notice reads %r, expected %r" % (line, expected))
        close_with_alt_x(p)
        if kind_of(fifo) != "a FIFO":
            raise Failure("the session FIFO is now %s" % kind_of(fifo))


def case_private_modes(program_path):
    """A first start with no configuration folder at all, under the usual umask 022: after a close
    the folders the program made are 0700 and the settings file 0600."""
    with Session("private_modes", program_path) as s:
        _, runtime = s.new_folders()
        config = os.path.join(s.tmp, "fresh-config")
        before = os.umask(0o022)
        try:
            p = s.start(config, runtime)
        finally:
            os.umask(before)
        close_with_alt_x(p)
        expected = {config: 0o700, os.path.join(config, "Quellbrook"): 0o700,
                    os.path.join(config, "Quellbrook", "Mindrova.conf"): 0o600}
        for path, mode in expected.items():
            if not os.path.exists(path):
                raise Failure("%s was not made" % path)
            found = stat.S_IMODE(os.lstat(path).st_mode)
            if found != mode:
                raise Failure("%s has mode %o, expected %o" % (path, found, mode))


def run_bare(program_path, env, seconds):
    """Runs the program without any X server: (exit code, or None if still running; output)."""
    proc = subprocess.Popen([program_path], env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            start_new_session=True)
    try:
        out, err = proc.communicate(timeout=seconds)
        return proc.returncode, out.decode(errors="replace"), err.decode(errors="replace")
    except subprocess.TimeoutExpired:
        proc.kill()
        out, err = proc.communicate()
        return None, out.decode(errors="replace"), err.decode(errors="replace")


def case_no_display(program_path):
    """No DISPLAY, no WAYLAND_DISPLAY, no platform that needs none: one line and exit code 1,
    instead of Qt's abort; with the offscreen platform the program still starts."""
    with tempfile.TemporaryDirectory(prefix="mindrova-nodisplay-") as tmp:
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM")}
        runtime = os.path.join(tmp, "runtime")
        os.mkdir(runtime, 0o700)
        env.update({"XDG_CONFIG_HOME": os.path.join(tmp, "config"), "XDG_RUNTIME_DIR": runtime,
                    "XDG_DATA_HOME": os.path.join(tmp, "data"), "LANGUAGE": "en",
                    "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(tmp, "no-bus")})
        code, out, err = run_bare(program_path, env, scaled(10))
        if code != 1 or err != NO_DISPLAY_LINE + "\n" or out:
            raise Failure("without a display: exit code %r, stderr %r, stdout %r; expected 1 and "
                          "the one line %r" % (code, err, out, NO_DISPLAY_LINE))
        print("without a display: exit code 1 and the one line")
        for number, (name, extra, args) in enumerate(
                (("QT_QPA_PLATFORM=offscreen", {"QT_QPA_PLATFORM": "offscreen"}, []),
                 ("-platform offscreen", {}, ["-platform", "offscreen"]))):
            # Each run has a runtime folder of its own: a second copy would ask first.
            own_runtime = os.path.join(tmp, "runtime-%d" % number)
            os.mkdir(own_runtime, 0o700)
            extra = dict(extra, XDG_RUNTIME_DIR=own_runtime)
            proc = subprocess.Popen([program_path] + args, env=dict(env, **extra),
                                    stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                    stderr=subprocess.PIPE, start_new_session=True)
            try:
                # Running after three seconds: the window is up, not refused.
                try:
                    proc.wait(timeout=scaled(3))
                    raise Failure("with %s the program ended (exit code %s): %s" % (
                        name, proc.returncode, proc.stderr.read().decode(errors="replace")))
                except subprocess.TimeoutExpired:
                    pass
            finally:
                if proc.poll() is None:
                    os.killpg(proc.pid, 15)
                _, err = proc.communicate(timeout=scaled(10))
            if NO_DISPLAY_LINE in err.decode(errors="replace"):
                raise Failure("with %s the program said it found no display" % name)
            print("with %s the program starts" % name)


CASES = {
    "settings_fifo": (case_settings_fifo, 40),
    "settings_replaced": (case_settings_replaced, 60),
    "settings_full_disk": (case_settings_full_disk, 60),
    "session_fifo": (case_session_fifo, 40),
    "private_modes": (case_private_modes, 40),
    "no_display": (case_no_display, 40),
}


def main(argv):
    if len(argv) != 3 or (argv[2] not in CASES and argv[2] != "all"):
        sys.stderr.write("usage: %s PROGRAM {%s|all}\n" % (argv[0], "|".join(CASES)))
        return 2
    names = list(CASES) if argv[2] == "all" else [argv[2]]
    status = 0
    skipped = False
    for name in names:
        body, budget = CASES[name]
        print("== %s" % name, flush=True)
        try:
            status |= run_with_deadline(scaled(budget), lambda: body(argv[1]))
        except MountRefused as refusal:
            print("SKIPPED: a small file system cannot be mounted here (%s); a full disk needs "
                  "root or a mount namespace" % refusal)
            skipped = True
    return status if status or not skipped else SKIPPED


if __name__ == "__main__":
    sys.exit(main(sys.argv))
