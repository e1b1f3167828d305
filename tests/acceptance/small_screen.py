#!/usr/bin/env python3
"""A screen smaller than the session window's designed smallest size (about 908 x 557 px), with
the real program and real input:

    small_screen.py PROGRAM x11-800x480      Xvfb at 800 x 480 under openbox
    small_screen.py PROGRAM wayland-1024x600 weston's desktop shell (a 32 px panel) at 1024 x 600

Each case: the window's frame lies within the screen (under the panel on Wayland); the status
bar's menu button shows on the screen and a click on it opens the menu; Space moves the session
on to the issue list, and Tab reaches its last control ("Manage...") scrolled into view, and then
the Exit button, scrolled back into view; a click on Exit ends the process. The settings file
then holds a size no smaller than the designed one, and the program started again with it on a
1366 x 768 screen opens at the same size as a first start there, whole and without scroll bars.
Screenshots of every step go to the artifacts folder (MINDROVA_ACCEPTANCE_ARTIFACTS).

Where the controls are is read from the layout probe (MINDROVA_LAYOUT_PROBE): in toolkit pixels
relative to the main window's client area, which is what "shown" means here: inside the client
area, above the status bar and beside the scroll bars.
"""

import os
import re
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled, wait_for  # noqa: E402
from screen_matrix import Probe  # noqa: E402
from wayland_tests import (OPENING_PX, PANELS_ROOM_PX, WaylandRun,  # noqa: E402
                           WaylandSession, inside)

# The designed smallest client area, in twips (MinimumClientSize).
LEAST_CLIENT_TWIPS = (13620, 8355)
TABS = 40  # more than the controls of the issue list's step


def main_window(report):
    return next((w for w in report["windows"] if w["name"] == "frmMain"), None)


def view_of(report):
    """The part of the client area that shows the content, relative to the client area."""
    main = main_window(report)
    client = main["client"]
    controls = report["controls"]
    right = controls.get("scrContentVertical")
    bottom = controls.get("scrContentHorizontal")
    status = controls["picStatusBar"]
    width = (right[0] - client[0]) if right else client[2]
    height = (bottom[1] - client[1]) if bottom else (status[1] - client[1])
    return (0, 0, width, height)


def relative(rect, report):
    client = main_window(report)["client"]
    return (rect[0] - client[0], rect[1] - client[1], rect[2], rect[3])


def shown(report, name):
    rect = report["controls"].get(name)
    return rect is not None and inside(relative(rect, report), view_of(report))


def read_settings(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError as error:
        raise Failure("no settings file after Exit: %s" % error)


def check_saved(text):
    values = dict(re.findall(r"^(\w+)=(.*)$", text, re.M))
    try:
        width, height = int(values["Width"]), int(values["Height"])
    except (KeyError, ValueError):
        raise Failure("no size saved at the close:\n" + text)
    if width < LEAST_CLIENT_TWIPS[0] or height < LEAST_CLIENT_TWIPS[1]:
        raise Failure("the size saved (%d x %d twips) is smaller than the window's designed "
                      "smallest client area (%d x %d): it would open cut\n%s"
                      % ((width, height) + LEAST_CLIENT_TWIPS + (text,)))
    print("saved: Width=%d Height=%d" % (width, height))
    return values


class Walk:
    """What both platforms share: the probe, the keys, and where a place is on the screen."""

    def __init__(self, session, probe, on_screen, key, click):
        self.s = session
        self.probe = probe
        self.on_screen = on_screen  # a probe rectangle and its report -> screen rectangle
        self.key = key
        self.click = click
        self.shots = 0

    def shot(self, label):
        self.shots += 1
        os.makedirs(self.s.artifacts, exist_ok=True)
        image = self.s.x.screenshot()
        image.save_png(os.path.join(self.s.artifacts, "%02d-%s.png" % (self.shots, label)),
                       level=1)
        return image

    def settled(self):
        report = self.probe.settled()
        if main_window(report) is None:
            raise Failure("the layout probe does not report the session window")
        return report

    def menu_button(self, screen_area):
        report = self.settled()
        button = self.on_screen(report["controls"]["cmdNav"], report)
        if not inside(button, screen_area):
            raise Failure("the menu button at %s is not on the screen %s" % (button, screen_area),
                          {"menu-button": self.shot("menu-button")})
        client = (0, 0) + main_window(report)["client"][2:]
        if not inside(relative(report["controls"]["cmdNav"], report), client):
            raise Failure("the menu button lies outside the window's client area",
                          {"menu-button": self.shot("menu-button")})
        clicked = time.time()
        self.click(button)
        wait_for(lambda: self._menu(since=clicked), scaled(8), "the menu after a click on it")
        self.shot("menu")
        self.key("Escape")
        wait_for(lambda: not self._menu(), scaled(5), "Escape to close the menu")
        print("menu: opened by a click at %s" % (button,))

    def _menu(self, since=0):
        report = self.probe.read()
        if report is None or report["time"] < since:
            return None
        return report if any(w["class"] == "QMenu" for w in report["windows"]) else None

    def tab_until(self, name, what):
        """Tab until the control shows in the view; the report it shows in."""
        for count in range(1, TABS + 1):
            self.key("Tab")
            report = self.settled()
            if shown(report, name):
                print("tab: %s shown after %d Tab(s) at %s" %
                      (name, count, relative(report["controls"][name], report)))
                self.shot(what)
                return report
        raise Failure("%s never came into view in %d presses of Tab" % (name, TABS),
                      {what: self.shot(what)})

    def walk(self):
        """Space to the issue list, Tab to its last control and round to Exit; Exit clicked."""
        before = self.settled()
        self.key("space")
        report = wait_for(lambda: self._title_changed(before), scaled(8),
                          "Space to move the session on")
        report = self.settled()
        if not report["controls"].get("scrContentVertical"):
            raise Failure("the content shows no scroll bar on a screen smaller than the window's "
                          "designed size", {"issue-list": self.shot("issue-list")})
        if shown(report, "cmdManageSessions"):
            raise Failure("the issue list's last control shows without scrolling: nothing to "
                          "prove here", {"issue-list": self.shot("issue-list")})
        self.shot("issue-list")
        self.tab_until("cmdManageSessions", "manage-in-view")
        report = self.tab_until("cmdExit", "exit-in-view")
        exit_button = self.on_screen(report["controls"]["cmdExit"], report)
        self.click(exit_button)
        print("exit: clicked at %s" % (exit_button,))

    def _title_changed(self, before):
        now = self.probe.read()
        if now is None or now["time"] <= before["time"]:
            return None
        return now if now["texts"].get("lblSegmentTitle") != \
            before["texts"].get("lblSegmentTitle") else None


class Preset:
    """A session whose program starts with the given settings file."""

    settings = None

    def new_folders(self):
        config, runtime = super().new_folders()
        if self.settings is not None:
            os.makedirs(os.path.join(config, "Quellbrook"))
            with open(os.path.join(config, "Quellbrook", "Mindrova.conf"), "w",
                      encoding="utf-8") as f:
                f.write(self.settings)
        return config, runtime


class PresetSession(Preset, Session):
    pass


class PresetWaylandSession(Preset, WaylandSession):
    pass


def x11_window(s, process):
    def found():
        if not process.alive():
            raise Failure("the program ended before its window showed:\n" + process.log_text())
        ids = [w.id for w in s.x.windows() if w.name == "Mindrova" and w.viewable and
               not w.override_redirect]
        return ids[0] if ids else None
    return wait_for(found, scaled(20), "the program's main window")


def case_x11(program):
    with PresetSession("small_screen-x11-800x480", program, wm=True,
                       screen="800x480x24") as s:
        probe = Probe(os.path.join(s.tmp, "probe.txt"))
        p = s.start(wait_window=False, extra_env={"MINDROVA_LAYOUT_PROBE": probe.path})
        p.window = x11_window(s, p.process)
        p.focus()
        screen = (0, 0) + s.x.screen_size

        def on_screen(rect, _report):
            return rect  # on X11 the probe's places are the screen's

        def click(rect):
            s.xdotool("mousemove", str(rect[0] + rect[2] // 2), str(rect[1] + rect[3] // 2),
                      "click", "1")

        walk = Walk(s, probe, on_screen, p.key, click)
        report = walk.settled()
        frame = main_window(report)["frame"]
        x, y, w, h = p.geometry()
        left, right, top, bottom = s.x.frame_extents(p.window)
        outer = (x - left, y - top, w + left + right, h + top + bottom)
        walk.shot("opening")
        print("opening: frame %s (the window manager's %s) on a %s screen" %
              (frame, outer, screen[2:]))
        for label, rect in (("the frame", frame), ("the window with its border", outer)):
            if not inside(rect, screen):
                raise Failure("%s at %s is not within the %dx%d screen"
                              % ((label, rect) + screen[2:]))
        walk.menu_button(screen)
        p.focus()
        walk.walk()
        p.wait_exit(scaled(10))
        walk.shot("after-exit")
        settings = read_settings(p.settings_file)
    check_saved(settings)
    again_x11(program, settings)


def again_x11(program, settings):
    """The same settings on the commonest laptop screen: the opening size of a first start there
    (the screen less the panels' room, at most the opening size), whole and not scrolled."""
    with PresetSession("small_screen-x11-800x480-again-1366x768", program, wm=True,
                       screen="1366x768x24") as s:
        s.settings = settings
        probe = Probe(os.path.join(s.tmp, "probe.txt"))
        p = s.start(extra_env={"MINDROVA_LAYOUT_PROBE": probe.path})
        report = probe.settled(scaled(15))
        os.makedirs(s.artifacts, exist_ok=True)
        s.x.screenshot().save_png(os.path.join(s.artifacts, "opening-again.png"), level=1)
        main = main_window(report)
        frame = main["frame"]
        expected = (OPENING_PX[0], min(OPENING_PX[1], 768 - PANELS_ROOM_PX))
        print("again: frame %s on 1366x768, expected a size of %s" % (frame, expected))
        problems = []
        if abs(frame[2] - expected[0]) > 1 or abs(frame[3] - expected[1]) > 1:
            problems.append("opened at %dx%d, a first start opens at %dx%d"
                            % (frame[2:] + expected))
        if not inside(frame, (0, 0, 1366, 768)):
            problems.append("the frame %s is not within the screen" % (frame,))
        for bar in ("scrContentVertical", "scrContentHorizontal"):
            if bar in report["controls"]:
                problems.append("%s shows: the window is smaller than its design" % bar)
        if problems:
            raise Failure("; ".join(problems))
        p.key("alt+x")
        p.wait_exit(scaled(10))


class SmallWaylandRun(WaylandRun):
    def opening_small(self):
        """The size asked for within the room the panels leave, and shown whole under the
        panel: a window smaller than its design, as the screen is."""
        wait_for(lambda: self.alive() and self.requests().titled("Mindrova"), scaled(20),
                 "the program's main window in its Wayland requests")
        wait_for(lambda: self._main_probe(), scaled(20), "the layout probe")
        box = wait_for(lambda: self._settled_box(), scaled(15), "the window to settle")
        settled = self.probe.settled()["time"]
        report = wait_for(lambda: self._main_probe(settled), scaled(10), "the layout probe")
        geometry = self.requests().titled("Mindrova")[0]["geometries"][-1]
        shot = self.s.shot("01-opening")
        asked = geometry[2:]
        room = (self.s.width, self.s.height - PANELS_ROOM_PX)
        print("opening: asked %s, shown at %s" % (geometry, box))
        problems = []
        if asked[0] > room[0] or asked[1] > room[1]:
            problems.append("the window asked for %dx%d, more than the %dx%d the screen has"
                            % (asked + room))
        if not inside(box, self.desktop):
            problems.append("the window at %s is not whole on the screen under the panel %s"
                            % (box, self.desktop))
        if problems:
            raise Failure("; ".join(problems), {"opening": shot})
        window = report["frmMain"]
        frame, client = window["frame"], window["client"][2:]
        side = (frame[2] - client[0]) // 2
        self.origin = (box[0] + side, box[1] + (frame[3] - client[1] - side))
        self.box = box


def case_wayland(program):
    with PresetWaylandSession("small_screen-wayland-1024x600", program, "1024x600", 1) as s:
        run = SmallWaylandRun(s, "1024x600")
        run.opening_small()

        def settled_on_screen(rect, report):
            return run.on_screen(rect, report)

        walk = Walk(s, run.probe, settled_on_screen, run.key, run.click)
        walk.shots = 1  # after the opening's own
        # A place on the screen only from a report that matches the window there.
        walk.settled = run.laid_out
        walk.menu_button(run.desktop)
        run.focus_main()
        walk.walk()
        code = run.process.wait_exit(scaled(15))
        print("exit: the process ended with %s" % code)
        settings = read_settings(os.path.join(run.config, "Quellbrook", "Mindrova.conf"))
    values = check_saved(settings)
    if "Left" in values or "Top" in values:
        raise Failure("a Wayland window saved a place it does not have:\n" + settings)
    with PresetWaylandSession("small_screen-wayland-1024x600-again-1366x768", program,
                              "1366x768", 1) as s:
        s.settings = settings
        again = WaylandRun(s, "1366x768")
        # The opening size of a first start there, asked and shown whole under the panel.
        again.opening()
        report = again.laid_out()
        for bar in ("scrContentVertical", "scrContentHorizontal"):
            if bar in report["controls"]:
                raise Failure("%s shows at 1366x768: the window opened smaller than its design"
                              % bar)
        again.exit()


CASES = {"x11-800x480": case_x11, "wayland-1024x600": case_wayland}


def main(argv):
    if len(argv) != 3 or argv[2] not in CASES:
        sys.stderr.write("usage: %s PROGRAM {%s}\n" % (argv[0], ",".join(CASES)))
        return 2
    print("== small screen %s" % argv[2], flush=True)
    return run_with_deadline(scaled(200), lambda: CASES[argv[2]](argv[1]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
