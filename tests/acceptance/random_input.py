#!/usr/bin/env python3
"""Random input against the real window, under a window manager.

A seeded stream of key presses, clicks and double-clicks anywhere on the window, resizes (also
while minimized), minimize/restore and menu openings, started from a saved position that may be
off every screen or absurdly large. The program must stay alive and responsive, open no
unexpected window, keep the window on the screen, lay it out again after a restore, and never
show more than one tapping-point marker.

    random_input.py PROGRAM [SECONDS]

Environment:
    MINDROVA_RANDOM_SEED     the seed (default 20240611); printed, so a failure can be replayed
    MINDROVA_SOAK_SECONDS    a long soak instead of the short run, e.g. 3600; not run by ctest:
                             MINDROVA_SOAK_SECONDS=3600 tests/acceptance/random_input.py \\
                                 build/dev/mindrova
"""

import collections
import os
import random
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled, wait_for  # noqa: E402
from window_tests import Layout  # noqa: E402

DEFAULT_SEED = 20240611
SHORTCUTS_TITLE = "Keboard Shortcuts"

PLAIN_KEYS = ["space", "n", "p", "N", "P", "Left", "Right", "Up", "Down", "Escape", "Return",
              "Tab", "shift+Tab", "BackSpace", "Prior", "Next", "KP_Enter", "shift+n",
              "ctrl+Right", "a", "b", "e", "f", "q", "x", "z", "1", "0", "Home", "End",
              "Delete", "Insert", "minus", "period"]
# Alt + X is Exit: it would end the run, so it is left out on purpose.
ALT_KEYS = ["alt+a", "alt+e", "alt+n", "alt+p", "alt+f", "alt+c", "alt+k"]
SIZES = [(1, 1), (10, 10), (60, 40), (200, 150), (400, 300), (640, 480), (800, 600),
         (1152, 781), (1300, 900), (1600, 1000), (2400, 1800), (4000, 3000)]


class Monkey:
    def __init__(self, session, program, rng, log):
        self.s = session
        self.p = program
        self.rng = rng
        self.log = log
        self.max_markers = 0
        self.samples = 0

    # -- where things are ----------------------------------------------------------------------

    def layout(self):
        # The window lays itself out from its client area.
        _, _, w, h = self.p.geometry()
        return Layout(w * 15, h * 15)

    def forbidden(self, layout):
        """Client rectangles never to click: Exit, Feedback (opens a browser), the menu button."""
        zones = []
        for rect in (layout.exit_button, layout.feedback_button, layout.menu_button):
            x, y, w, h = Layout.pixels(rect)
            zones.append((x - 8, y - 8, w + 16, h + 16))
        return zones

    def on_screen(self, cx, cy):
        gx, gy, _, _ = self.p.geometry()
        sw, sh = self.s.x.screen_size
        return 2 <= gx + cx < sw - 2 and 2 <= gy + cy < sh - 2

    # -- actions -------------------------------------------------------------------------------

    def ensure_focus(self):
        if self.s.x.focus() != self.p.window:
            self.p.focus()

    def key(self):
        keys = [self.rng.choice(PLAIN_KEYS) for _ in range(self.rng.randint(1, 4))]
        self.log.append("keys " + " ".join(keys))
        self.ensure_focus()
        self.p.key(*keys)

    def alt_key(self):
        key = self.rng.choice(ALT_KEYS)
        self.log.append("key " + key)
        self.ensure_focus()
        self.p.key(key)

    def click(self):
        _, _, w, h = self.p.geometry()
        if w < 4 or h < 4:
            return
        zones = self.forbidden(self.layout())
        for _ in range(20):
            cx, cy = self.rng.randrange(w), self.rng.randrange(h)
            if self.on_screen(cx, cy) and not any(
                    zx <= cx < zx + zw and zy <= cy < zy + zh for zx, zy, zw, zh in zones):
                break
        else:
            return
        button = self.rng.choice([1, 1, 1, 1, 3])
        repeat = self.rng.choice([1, 1, 1, 2])
        self.log.append("click %d x%d at %d,%d" % (button, repeat, cx, cy))
        self.s.xdotool("mousemove", "--window", str(self.p.window), str(cx), str(cy),
                       "click", "--repeat", str(repeat), "--delay", "60", str(button))

    def resize(self, size=None):
        w, h = size or self.rng.choice(SIZES)
        self.log.append("resize %dx%d" % (w, h))
        self.s.xdotool("windowsize", str(self.p.window), str(w), str(h))
        # The window manager may refuse or clamp a size: wait only until the window settles.
        last = [None, 0]

        def settled():
            geo = self.p.geometry()
            if geo == last[0]:
                last[1] += 1
            else:
                last[0], last[1] = geo, 0
            return last[1] >= 3

        wait_for(settled, scaled(5), "the window to settle after a resize")

    def popups(self):
        return [w for w in self.s.x.windows()
                if w.override_redirect and w.viewable and w.width > 20 and w.height > 20]

    def open_menu(self):
        """Clicks the status-bar menu button; returns the popups that were there before, or
        None when the button cannot be reached."""
        lay = self.layout()
        x, y, w, h = Layout.pixels(lay.menu_button)
        cx, cy = x + w // 2, y + h // 2
        _, _, cw, ch = self.p.geometry()
        if not (0 <= cx < cw and 0 <= cy < ch and self.on_screen(cx, cy)):
            return None
        before = {m.id for m in self.popups()}
        self.log.append("menu button at %d,%d" % (cx, cy))
        self.ensure_focus()
        self.p.click(cx, cy)
        try:
            wait_for(lambda: self.new_popups(before), scaled(5), "the popup menu")
        except Failure:
            raise Failure("the menu button at %d,%d opened no menu" % (cx, cy))
        return before

    def new_popups(self, before):
        return [m for m in self.popups() if m.id not in before]

    def menu(self):
        before = self.open_menu()
        if before is None:
            return
        self.log.append("Escape (close menu)")
        self.p.key("Escape")
        # Never leave a menu open: a random click could land on its Exit item.
        wait_for(lambda: not self.new_popups(before), scaled(5),
                 "Escape to close the popup menu")

    def shortcuts(self):
        before = self.open_menu()
        if before is None:
            return
        self.log.append("menu: Down Return (Keyboard Shortcuts)")
        self.p.key("Down", "Return")
        wait_for(lambda: not self.new_popups(before), scaled(5), "the menu to close")
        dialog = wait_for(lambda: [d for d in self.s.dialogs(exclude={self.p.window})
                                   if d.name == SHORTCUTS_TITLE], scaled(5),
                          "the keyboard shortcuts dialog")[0]
        self.s.xdotool("windowactivate", "--sync", str(dialog.id), check=False)
        self.log.append("Escape (close shortcuts)")
        self.p.key("Escape")
        wait_for(lambda: not self.s.x.is_viewable(dialog.id), scaled(5),
                 "Escape to close the shortcuts dialog")

    def minimize(self):
        self.log.append("minimize")
        self.s.xdotool("windowminimize", str(self.p.window))
        wait_for(lambda: self.s.x.wm_state(self.p.window) == 3, scaled(5),
                 "the window to be minimized")
        # Keys while minimized go nowhere in particular; the timer runs on.
        if self.rng.random() < 0.5:
            self.p.key(self.rng.choice(PLAIN_KEYS))
        # A size changed while minimized (by the window manager or the screen).
        resized = self.rng.random() < 0.5
        if resized:
            w, h = self.rng.choice(SIZES[5:10])
            self.log.append("resize while minimized %dx%d" % (w, h))
            self.s.xdotool("windowsize", str(self.p.window), str(w), str(h), check=False)
        self.restore()
        if resized:
            self.check_status_bar_at_bottom()

    def check_status_bar_at_bottom(self):
        """After a restore the status bar lies along the client area's bottom edge."""
        bars = (252, 252, 252)
        _, _, w, h = self.p.geometry()
        if w < 400 or h < 300 or not self.on_screen(w // 4, h - 3):
            return

        def docked():
            _, _, w, h = self.p.geometry()
            image = self.p.grab(w // 4, h - 3, 1, 1)
            return image.width == 1 and image.height == 1 and image.pixel(0, 0) == bars

        try:
            wait_for(docked, scaled(5), "the status bar at the bottom")
        except Failure:
            raise Failure("after a restore the status bar is not at the window's bottom edge: "
                          "not laid out again, after: %s" % self.log[-1], {"window": self.p.grab()})

    def restore(self):
        self.log.append("restore")
        self.s.xdotool("windowactivate", str(self.p.window), check=False)
        wait_for(lambda: self.s.x.is_viewable(self.p.window) and
                 self.s.x.wm_state(self.p.window) == 1, scaled(5),
                 "the window to be restored")

    def pause(self):
        time.sleep(self.rng.choice([0.0, 0.05, 0.1, 0.3, 0.6]))

    # -- checks --------------------------------------------------------------------------------

    def check_alive(self):
        if not self.p.alive():
            raise Failure("the program ended (exit code %s) after: %s\n%s"
                          % (self.p.process.proc.returncode, self.log[-1] if self.log else "-",
                             tail(self.p.process.log_text())))
        if self.s.x.name(self.p.window) != "Mindrova":
            raise Failure("the main window lost its title or went away after: %s"
                          % (self.log[-1] if self.log else "-"))

    def check_on_screen(self):
        gx, gy, w, h = self.p.geometry()
        sw, sh = self.s.x.screen_size
        if gx >= sw or gy >= sh or gx + w <= 0 or gy + h <= 0:
            raise Failure("the window at %d,%d %dx%d lies off the %dx%d screen, after: %s"
                          % (gx, gy, w, h, sw, sh, self.log[-1] if self.log else "start"))

    def probe(self):
        """Responsive, on the screen, no stray window, at most one marker."""
        self.check_alive()
        if self.s.x.wm_state(self.p.window) != 1:
            self.restore()
        self.check_on_screen()
        _, _, w, h = self.p.geometry()
        if w < 200 or h < 150:
            self.resize((1152, 781))
        stray = [d for d in self.s.dialogs(exclude={self.p.window})
                 if d.name != SHORTCUTS_TITLE]
        if stray:
            raise Failure("unexpected window(s) %s after: %s" % (stray, self.log[-1]))
        self.check_responsive()
        self.check_markers()

    def check_responsive(self):
        """Paints a stain on the window behind the program's back and asks it to repaint: a
        program that is stuck leaves the stain."""
        x = self.s.x
        gx, gy, w, h = self.p.geometry()
        for sx, sy in ((2, 2), (w - 8, h - 8), (w // 2, 2), (2, h - 8)):
            if not self.on_screen(sx, sy):
                continue
            x.paint_stain(self.p.window, sx, sy, 6, 6)
            stained = x.grab(gx + sx, gy + sy, 6, 6)
            if stained.pixel(3, 3) != (255, 0, 255):
                continue  # covered by another window; try another corner
            x.expose(self.p.window, sx, sy, 6, 6)
            try:
                wait_for(lambda: x.grab(gx + sx, gy + sy, 6, 6).pixel(3, 3) != (255, 0, 255),
                         scaled(8), "the window to repaint")
            except Failure:
                raise Failure("the program did not repaint its window within %.0f s: not "
                              "responsive after: %s" % (scaled(8), self.log[-1]))
            return
        self.log.append("(responsiveness not probed: no visible corner)")

    def check_markers(self):
        gx, gy, w, h = self.p.geometry()
        def markers():
            image = self.p.grab(0, 0, min(w, 1600), min(h, 1000))
            return image, image.blobs("red", 20) + image.blobs("green", 20)

        for _ in range(4):
            image, blobs = markers()
            self.samples += 1
            if len(blobs) > 1:
                # A grab can fall between two parts of one repaint; a real second marker is
                # still there a moment later (a blink phase lasts 110 ms).
                again, blobs_again = markers()
                if len(blobs_again) > 1:
                    raise Failure("%d markers show at once: %s, after: %s"
                                  % (len(blobs_again), blobs_again, self.log[-1]),
                                  {"markers": image, "markers-again": again})
                blobs = blobs_again
            self.max_markers = max(self.max_markers, len(blobs))
            time.sleep(0.04)

    # -- the run -------------------------------------------------------------------------------

    def run(self, seconds):
        actions = [(self.key, 40), (self.alt_key, 8), (self.click, 22), (self.resize, 5),
                   (lambda: self.resize((1152, 781)), 4), (self.minimize, 3), (self.menu, 4),
                   (self.shortcuts, 2), (self.pause, 8)]
        funcs = [a for a, _ in actions]
        weights = [w for _, w in actions]
        deadline = time.monotonic() + seconds
        next_probe = time.monotonic() + 2
        count = 0
        while time.monotonic() < deadline:
            self.rng.choices(funcs, weights)[0]()
            count += 1
            self.check_alive()
            if time.monotonic() >= next_probe:
                self.probe()
                next_probe = time.monotonic() + 2
        self.probe()
        return count


# Saved positions to start from (twips): off every screen, absurdly large, nonsense, ordinary.
SAVED_POSITIONS = [
    (60000, 300, 17280, 11715, 0), (-90000, -90000, 17280, 11715, 0),
    (2000000000, 2000000000, 2000000000, 2000000000, 0), (-2147483648, 0, 2147483647, 1, 0),
    (300, 300, 2147483647, 2147483647, 0), (-2000, -2000, 17280, 11715, 2),
    (1500, 900, 17280, 11715, 0), (1500, 900, 1, 1, 3),
]


def tail(text, lines=40):
    return "\n".join(text.splitlines()[-lines:])


def run(program, seconds, seed):
    print("seed %d, %.0f s of random input" % (seed, seconds), flush=True)
    log = collections.deque(maxlen=5000)
    session = Session("random_input", program, wm=True)
    try:
        with session as s:
            rng = random.Random(seed)
            config, runtime = s.new_folders()
            saved = rng.choice(SAVED_POSITIONS)
            log.append("saved position %d,%d %dx%d state %d" % saved)
            path = os.path.join(config, "Quellbrook", "Mindrova.conf")
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write("[WindowPosition]\nLeft=%d\nTop=%d\nWidth=%d\nHeight=%d\nState=%d\n"
                        % saved)
            p = s.start(config, runtime)
            monkey = Monkey(s, p, rng, log)
            monkey.check_on_screen()
            try:
                count = monkey.run(seconds)
            except Failure as failure:
                raise Failure("%s\n(seed %d; last actions:\n  %s)"
                              % (failure, seed, "\n  ".join(list(log)[-25:])),
                              failure.images)
            # After all that, it still closes cleanly.
            if s.x.wm_state(p.window) != 1:
                monkey.restore()
            s.x.send_close(p.window)
            code = p.wait_exit(scaled(15))
            if code != 0:
                raise Failure("the program ended with exit code %d when closed:\n%s"
                              % (code, tail(p.process.log_text())))
            print("%d actions, %d marker samples, at most %d marker(s) at once"
                  % (count, monkey.samples, monkey.max_markers))
    finally:
        if log and os.path.isdir(session.artifacts):
            with open(os.path.join(session.artifacts, "actions.log"), "w") as out:
                out.write("seed %d\n" % seed + "\n".join(log) + "\n")


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write(__doc__)
        return 2
    seconds = float(os.environ.get("MINDROVA_SOAK_SECONDS") or (argv[2] if len(argv) == 3
                                                                 else 60))
    seed = int(os.environ.get("MINDROVA_RANDOM_SEED") or DEFAULT_SEED)
    # Room for start-up, probes that wait for a slow build, and the clean close at the end.
    return run_with_deadline(seconds + scaled(60) + 30, lambda: run(argv[1], seconds, seed))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
