#!/usr/bin/env python3
"""Closing the real program while spoken guidance is in a given state: the process must be gone
within two seconds of the close, the window's position must be in the settings file, and the
next start must show the session window rather than the question about a second copy.

    speech_close.py PROGRAM STATE

STATE is one of:
    speaking   guidance on, flite reading into a null sink of a private audio server
    paused     the same, paused with Esc on a tapping point while a phrase is read
    failed     guidance on with an engine that is not installed
    off        guidance never started
    no-audio   guidance on with flite, and no audio server at all

Each state is closed the three ways a person closes it: Alt+X, the close box (WM_DELETE_WINDOW)
and the menu's Exit chosen by keyboard (Shift+F10, Up, Return). While the session is paused every
key resumes it, so in the paused state Alt+X and Shift+F10 close a session resumed a moment before,
as they do for a person; the close box closes it paused.
"""

import os
import shutil
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import (Failure, Process, Session, run_with_deadline, scaled,  # noqa: E402
                     wait_for)
from window_tests import enter_first_point, read_position  # noqa: E402

STATES = ("speaking", "paused", "failed", "off", "no-audio")
CLOSE_WAYS = ("Alt+X", "close box", "menu Exit")
# The longest a close may take, from the key or the close box to the process being gone.
CLOSE_BOUND_S = 2.0
# How long guidance is given to start reading after the window shows.
SPEECH_START_S = 5.0

SETTINGS = {
    "speaking": "[Speech]\nEnabled=1\nEngine=flite\n",
    "paused": "[Speech]\nEnabled=1\nEngine=flite\n",
    "failed": "[Speech]\nEnabled=1\nEngine=no-such-engine\n",
    "off": "[Speech]\nEnabled=0\n",
    "no-audio": "[Speech]\nEnabled=1\nEngine=flite\n",
}


SKIPPED = 77


class AudioServer:
    """A private audio server with a null sink, in a runtime folder of its own."""

    def __init__(self, session, pulseaudio, pactl):
        self.pactl = pactl
        self.folder = os.path.join(session.tmp, "audio")
        os.makedirs(self.folder, mode=0o700)
        self.socket = os.path.join(self.folder, "native")
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.folder, HOME=self.folder,
                        XDG_CONFIG_HOME=os.path.join(self.folder, "config"))
        self.env.pop("PULSE_SERVER", None)
        # As root the server warns that it is not meant to run so; the warning is harmless here.
        self.process = Process("pulseaudio", [
            pulseaudio, "--daemonize=no", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
            "--load=module-null-sink sink_name=null",
            "--load=module-native-protocol-unix auth-anonymous=1 socket=" + self.socket],
            self.env, os.path.join(session.tmp, "pulseaudio.log"))
        session.processes.append(self.process)
        wait_for(lambda: self._answers() or not self.process.alive(), scaled(15),
                 "the audio server to answer")
        if not self.process.alive():
            raise Failure("the audio server did not start:\n" + self.process.log_text())
        self._pactl("set-default-sink", "null")

    def _pactl(self, *args):
        env = dict(self.env, PULSE_SERVER="unix:" + self.socket)
        return subprocess.run([self.pactl] + list(args), env=env, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=scaled(10))

    def _answers(self):
        return os.path.exists(self.socket) and self._pactl("info").returncode == 0

    def client_env(self):
        return {"PULSE_SERVER": "unix:" + self.socket}

    def streams(self):
        """The audio streams playing into the server now."""
        result = self._pactl("list", "short", "sink-inputs")
        return [line for line in result.stdout.decode(errors="replace").splitlines() if line]


def start_session_window(s, config, runtime, env, what):
    """Starts the program and waits for its session window; fails at once if a second-copy
    question shows instead."""
    known = {w.id for w in s.x.windows()}
    p = s.start(config, runtime, wait_window=False, extra_env=env)

    def shown():
        if not p.alive():
            raise Failure("%s: the program ended (exit code %s) before its window showed:\n%s"
                          % (what, p.process.proc.returncode, p.process.log_text()))
        boxes = [w for w in s.dialogs(exclude=known) if w.name == "Mindrova" and w.width < 900]
        if boxes:
            raise Failure("%s: the program asked about running another copy instead of showing "
                          "its session window: an earlier copy is still running" % what)
        return [w.id for w in s.main_windows() if w.id not in known]

    p.window = wait_for(shown, scaled(20), "%s: the session window" % what)[0]
    wait_for(lambda: s._painted(p.window), scaled(10), "%s: the first paint" % what)
    p.focus()
    return p


def popups(s):
    return {w.id for w in s.x.windows()
            if w.override_redirect and w.viewable and w.width > 20 and w.height > 20}


def close(s, p, how):
    """Closes the window as a person would; returns the moment of the close."""
    if how == "close box":
        started = time.monotonic()
        s.x.send_close(p.window)
        return started
    p.focus()
    if how == "Alt+X":
        started = time.monotonic()
        p.key("alt+x")
        return started
    before = popups(s)
    p.key("shift+F10")
    wait_for(lambda: popups(s) - before, scaled(5), "the menu after Shift+F10")
    # The menu opens with its first item chosen; Up wraps round to the last, Exit.
    p.key("Up")
    started = time.monotonic()
    p.key("Return")
    return started


def run_state(program_path, state):
    with Session("speech_close-" + state, program_path) as s:
        env = {}
        audio = None
        if state in ("speaking", "paused"):
            audio = AudioServer(s, shutil.which("pulseaudio"), shutil.which("pactl"))
            env.update(audio.client_env())
        elif state == "no-audio":
            # A server named where none listens: the audio library neither finds nor starts one.
            env["PULSE_SERVER"] = "unix:" + os.path.join(s.tmp, "no-audio-server")
        config, runtime = s.new_folders()
        settings = os.path.join(config, "Quellbrook", "Mindrova.conf")
        os.makedirs(os.path.dirname(settings), exist_ok=True)
        with open(settings, "w") as f:
            f.write(SETTINGS[state])

        for number, how in enumerate(CLOSE_WAYS):
            what = "%s, closed with %s" % (state, how)
            p = start_session_window(s, config, runtime, env, what)
            # A place of its own for each close, so that the file shows this close saved it.
            x, y = 60 + 70 * number, 40 + 50 * number
            s.xdotool("windowmove", "--sync", str(p.window), str(x), str(y), check=False)
            wait_for(lambda: p.geometry()[:2] == (x, y), scaled(5), "the window to move")
            time.sleep(scaled(SPEECH_START_S))
            if state == "paused":
                enter_first_point(p)
                # Into the point's phrase, then Esc.
                time.sleep(scaled(0.6))
                p.key("Escape")
                time.sleep(scaled(0.5))
            if audio is not None and not audio.streams():
                raise Failure("%s: guidance plays no sound into the audio server before the "
                              "close, so the state is not the one meant" % what)
            if not p.alive():
                raise Failure("%s: the program ended before the close:\n%s"
                              % (what, p.process.log_text()))

            started = close(s, p, how)
            bound = scaled(CLOSE_BOUND_S)
            try:
                code = p.process.proc.wait(timeout=max(0.0, started + bound - time.monotonic()))
            except subprocess.TimeoutExpired:
                raise Failure("%s: the process was still running %.1f s after the close:\n%s"
                              % (what, bound, p.process.log_text()))
            took = time.monotonic() - started
            print("%s: gone after %.2f s, exit code %d" % (what, took, code), flush=True)
            if code != 0:
                raise Failure("%s: the program ended with exit code %d:\n%s"
                              % (what, code, p.process.log_text()))
            saved = read_position(settings) if os.path.exists(settings) else {}
            if (saved.get("Left"), saved.get("Top")) != (x * 15, y * 15):
                raise Failure("%s at %d,%d: the settings file holds the position %s"
                              % (what, x, y, saved))

        # The next start after the last close.
        start_session_window(s, config, runtime, env, "%s, started again" % state)


def main(argv):
    if len(argv) != 3 or argv[2] not in STATES:
        sys.stderr.write("usage: %s PROGRAM {%s}\n" % (argv[0], "|".join(STATES)))
        return 2
    if argv[2] in ("speaking", "paused") and not (shutil.which("pulseaudio") and
                                                 shutil.which("pactl")):
        print("skipped: pulseaudio and pactl are needed for an audio server "
              "(scripts/install-deps.sh installs them)")
        return SKIPPED
    return run_with_deadline(scaled(80), lambda: run_state(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
