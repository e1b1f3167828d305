#!/usr/bin/env python3
"""The program as a native Wayland client: weston's desktop shell (its panel takes the top 32 px,
as a desktop's does) nested in a private Xvfb through weston's X11 backend, the program on
QT_QPA_PLATFORM=wayland with no X display at all. Keys and clicks go through xdotool into
weston's X11 window, and weston hands them on to its clients.

    wayland_tests.py PROGRAM WxH[@S]  e.g. 1366x768, 1920x1080 or 2732x1536@2 (the output at
                                      scale S: a screen of W x H pixels that the program sees as
                                      W/S x H/S)

One run walks one screen size: the opening size, as the program asks for it in its own Wayland
requests (WAYLAND_DEBUG=client: xdg_surface.set_window_geometry), whole on the screen under the
panel; Space moving the session on; the menu, opened by a click on its button, above the button;
the Journal window within the screen; Exit from the menu, after which the process ends and the
settings file holds the size and state but no place. A screenshot of every case goes to the
artifacts folder (MINDROVA_ACCEPTANCE_ARTIFACTS), failing or not.

A Wayland client has no global position: the window's place on the screen is found as the part
of the screen that changed when it appeared, and its controls from the layout probe
(MINDROVA_LAYOUT_PROBE). The probe's places are in the toolkit's global pixels, whose origin a
Wayland window does not know and may move while the program runs; so a control's place is taken
relative to the main window's client area in the same report, and only from a report whose main
window has the size seen on the screen and whose controls stand where the report before had them.
"""

import os
import re
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import (Failure, Process, Session, _require, run_with_deadline,  # noqa: E402
                     scaled, wait_for)
from screen_matrix import Probe  # noqa: E402

PANEL_PX = 32  # weston's desktop-shell panel, at the top
PANELS_ROOM_PX = 64  # what the program leaves the panels where the platform hides them
OPENING_PX = (round(17276.7 / 15), round(11710.65 / 15))
SOCKET = "mindrova-wayland-0"
# The dialogs checked, each opened as a person opens it.
DIALOGS = [("Journal window", ("menu", "mnuPopUpJournal"), "frmJournal"),
           ("shortcuts list", ("menu", "mnuPopUpShortcuts"), "frmShortcuts"),
           ("About box", ("menu", "mnuPopUpAbout"), "frmAbout_NEW"),
           ("Voice dialog", ("menu", "mnuPopUpVoice"), "frmVoice"),
           ("Appearance dialog", ("menu", "mnuPopUpAppearance"), "frmAppearance"),
           ("Session options", ("menu", "mnuPopUpSessionOptions"), "frmSessionOptions"),
           ("My sessions", ("control", "cmdManageSessions"), "frmPersonalSessions")]
REQUEST = re.compile(r"-> (\w+)@(\d+)\.(\w+)\((.*)\)\s*$")


class WaylandRequests:
    """The program's toplevel windows, from its WAYLAND_DEBUG=client log: each with its title and
    every window geometry it asked for, in the order the windows were made."""

    def __init__(self, log_text):
        self.toplevels = []
        by_surface, by_toplevel = {}, {}
        for line in log_text.splitlines():
            m = REQUEST.search(line)
            if not m:
                continue
            kind, number, request, args = m.groups()
            if kind == "xdg_surface" and request == "get_toplevel":
                toplevel = re.search(r"xdg_toplevel@(\d+)", args)
                if toplevel:
                    entry = {"title": None, "geometries": []}
                    self.toplevels.append(entry)
                    by_surface[number] = entry
                    by_toplevel[toplevel.group(1)] = entry
            elif kind == "xdg_toplevel" and request == "set_title" and number in by_toplevel:
                by_toplevel[number]["title"] = args.strip().strip('"')
            elif kind == "xdg_surface" and request == "set_window_geometry" and \
                    number in by_surface:
                by_surface[number]["geometries"].append(
                    tuple(int(v) for v in args.split(",")))

    def titled(self, title):
        return [t for t in self.toplevels if t["title"] == title and t["geometries"]]


class WaylandSession(Session):
    """The private X server with weston on it; the program runs on weston's Wayland socket."""

    def __init__(self, name, program, size, scale):
        super().__init__(name, program, screen=size + "x24")
        self.width, self.height = (int(v) for v in size.split("x"))
        self.scale = scale
        self.panel = PANEL_PX * scale  # in the screen's pixels
        self.bare = None

    def _start(self):
        super()._start()
        weston = _require("weston")
        runtime = tempfile.mkdtemp(prefix="weston-runtime-", dir=self.tmp)
        os.chmod(runtime, 0o700)
        self.socket = os.path.join(runtime, SOCKET)
        env = self._base_env()
        env["XDG_RUNTIME_DIR"] = runtime
        env["XDG_CONFIG_HOME"] = os.path.join(self.tmp, "weston-config")
        # No idle time: weston would otherwise lock its screen during a slow run.
        compositor = Process("weston", [weston, "--no-config", "--backend=x11-backend.so",
                                        "--shell=desktop-shell.so", "--idle-time=0",
                                        "--width=%d" % (self.width // self.scale),
                                        "--height=%d" % (self.height // self.scale),
                                        "--scale=%d" % self.scale, "--socket=" + SOCKET], env,
                             os.path.join(self.tmp, "weston.log"))
        self.processes.append(compositor)

        def ready():
            if not compositor.alive():
                raise Failure("weston did not start:\n" + compositor.log_text())
            return os.path.exists(self.socket) and self._panel_drawn()

        wait_for(ready, scaled(20), "weston and its panel")
        # Weston's X11 backend moves its own pointer by the steps the X pointer takes, kept
        # within its output; where it started somewhere other than the X pointer (Xvfb starts it
        # mid-screen), every later click lands that far off. Pushed into two opposite corners,
        # the two pointers meet at the edges and agree from then on.
        for corner in ((0, 0), (self.width - 1, self.height - 1)):
            self.xdotool("mousemove", str(corner[0]), str(corner[1]))
            time.sleep(scaled(0.1))
        # The pointer rests on the panel, where it hovers nothing of the program's; the keys
        # go to weston's window, which is under it.
        self.xdotool("mousemove", str(self.width // 2), "2")
        time.sleep(scaled(0.5))
        self.bare = self.x.screenshot()

    def _panel_drawn(self):
        panel = self.x.grab(0, 0, self.width, self.panel)
        desktop = self.x.grab(0, self.panel + 10, self.width, 10)
        return len(set(panel.r)) > 2 and len(set(desktop.r)) > 2

    def start_wayland(self, probe_path, extra_env=None):
        config, runtime = self.new_folders()
        env = self._base_env()
        env.pop("DISPLAY", None)  # the program speaks Wayland only
        env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": self.socket,
                    "WAYLAND_DEBUG": "client", "XDG_CONFIG_HOME": config,
                    "XDG_RUNTIME_DIR": runtime, "MINDROVA_LAYOUT_PROBE": probe_path,
                    "ASAN_OPTIONS": "detect_leaks=0"})
        for var in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                    "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_STYLE_OVERRIDE",
                    "QT_QPA_PLATFORMTHEME", "QT_WAYLAND_DISABLE_WINDOWDECORATION"):
            env.pop(var, None)
        env.update(extra_env or {})
        process = Process("mindrova", [self.program_path], env,
                          os.path.join(self.tmp, "mindrova.log"))
        self.processes.append(process)
        return process, config

    def shot(self, label):
        os.makedirs(self.artifacts, exist_ok=True)
        image = self.x.screenshot()
        image.save_png(os.path.join(self.artifacts, label + ".png"), level=1)
        return image


def changed_box(before, after, top=0, exclude=()):
    """The smallest rectangle (x, y, w, h) holding every pixel that differs between two
    screenshots, from row `top` down, leaving out the given rectangles; None where none does."""
    w = before.width
    left, right, rows = w, -1, []
    for y in range(top, before.height):
        start = y * w
        a = [before.r[start:start + w], before.g[start:start + w], before.b[start:start + w]]
        b = [after.r[start:start + w], after.g[start:start + w], after.b[start:start + w]]
        for ex in exclude:
            if ex[1] <= y < ex[1] + ex[3]:
                x0, x1 = max(0, ex[0]), min(w, ex[0] + ex[2])
                for i in range(3):
                    b[i] = b[i][:x0] + a[i][x0:x1] + b[i][x1:]
        diff = 0
        for i in range(3):
            diff |= int.from_bytes(a[i], "big") ^ int.from_bytes(b[i], "big")
        if diff == 0:
            continue
        rows.append(y)
        # Bytes are big-endian: the highest set bit is the leftmost differing pixel.
        first = w - 1 - (diff.bit_length() - 1) // 8
        last = w - 1 - ((diff & -diff).bit_length() - 1) // 8
        left, right = min(left, first), max(right, last)
    if not rows:
        return None
    return left, rows[0], right - left + 1, rows[-1] - rows[0] + 1


def inside(rect, area):
    return (rect[0] >= area[0] and rect[1] >= area[1] and rect[0] + rect[2] <= area[0] + area[2]
            and rect[1] + rect[3] <= area[1] + area[3])


class WaylandRun:
    def __init__(self, session, size):
        self.s = session
        self.size = size
        self.probe = Probe(os.path.join(session.tmp, "probe.txt"))
        self.process, self.config = session.start_wayland(self.probe.path)
        self.scale = session.scale
        self.desktop = (0, session.panel, session.width, session.height - session.panel)
        self.origin = None  # where the main window's client area is on the screen

    def requests(self):
        return WaylandRequests(self.process.log_text())

    def alive(self):
        if not self.process.alive():
            raise Failure("the program ended (exit code %s):\n%s"
                          % (self.process.proc.returncode, self.process.log_text()[-4000:]))
        return True

    def opening(self):
        """The opening size, asked for by the program and shown whole under the panel."""
        main = wait_for(lambda: self.alive() and self.requests().titled("Mindrova"),
                        scaled(20), "the program's main window in its Wayland requests")[0]
        wait_for(lambda: self._main_probe(), scaled(20), "the layout probe")
        # The window's place: what changed on the screen, once it has stopped changing.
        box = wait_for(lambda: self._settled_box(), scaled(15), "the window to settle")
        # What the window reports once it has its size.
        settled = self.probe.settled()["time"]
        report = wait_for(lambda: self._main_probe(settled), scaled(10), "the layout probe")
        geometry = self.requests().titled("Mindrova")[0]["geometries"][-1]
        shot = self.s.shot("01-opening")
        asked = geometry[2:]  # in the program's (logical) pixels
        room = self.s.height // self.scale - PANELS_ROOM_PX
        expected = (OPENING_PX[0], min(OPENING_PX[1], room))
        problems = []
        if asked != expected:
            problems.append("the window asked for %dx%d (set_window_geometry %s), expected %dx%d "
                            "on a %dx%d screen" % (asked + (geometry,) + expected
                                                   + (self.s.width, self.s.height)))
        if box[2:] != self.px(asked):
            problems.append("the window shows %dx%d at %d,%d, but asked for %dx%d"
                            % (box[2], box[3], box[0], box[1], asked[0], asked[1]))
        if not inside(box, self.desktop):
            problems.append("the window at %s is not whole on the screen under the panel %s"
                            % (box, self.desktop))
        window = report["frmMain"]
        frame, client = window["frame"], window["client"][2:]
        side = (frame[2] - client[0]) // 2
        self.origin = (box[0] + side * self.scale,
                       box[1] + (frame[3] - client[1] - side) * self.scale)
        for name in ("cmdNav", "lblTime_New", "cmdNavig(1)"):
            rect = self.on_screen(report["controls"][name], report)
            if not inside(rect, self.desktop):
                problems.append("%s at %s is not on the screen under the panel" % (name, rect))
        print("opening: asked %s, shown at %s; frame %s, client %s, client area at %s"
              % (geometry, box, frame, client, self.origin))
        if problems:
            raise Failure("; ".join(problems), {"opening": shot})
        main["box"] = box
        self.box = box

    def _main_probe(self, since=0):
        report = self.probe.read()
        if report is None or report["time"] < since:
            return None
        named = {}
        for w in report["windows"]:
            named[w["name"]] = w
        if "frmMain" not in named:
            return None
        report.update(named)
        return report

    def laid_out(self):
        """A report to take the main window's controls from: written after the last input, its
        main window at the size shown on the screen, and the main window and its controls where
        the report just before had them. Clicks at places from a report caught in the middle
        of a change miss what they aim at."""
        seen = [self.probe.after(time.time() + scaled(0.35))]

        def consistent():
            report = self.probe.read()
            last = seen[-1]
            if report is None or report["time"] <= last["time"]:
                return None
            seen.append(report)
            main, before = self._main(report), self._main(last)
            if main is None or before is None or self.px(main["frame"][2:]) != self.box[2:]:
                return None
            if main["client"] != before["client"] or \
                    self.probe._places(report) != self.probe._places(last):
                return None
            return report

        report = wait_for(consistent, scaled(15),
                          "a layout report that matches the window on the screen")
        client = self._main(report)["client"]
        if client[:2] != (0, 0):
            print("layout: the main window's client area reported at %d,%d" % client[:2])
        return report

    @staticmethod
    def _main(report):
        return next((w for w in report["windows"] if w["name"] == "frmMain"), None)

    def _settled_box(self):
        first = changed_box(self.s.bare, self.s.x.screenshot(), top=self.s.panel)
        time.sleep(scaled(0.4))
        second = changed_box(self.s.bare, self.s.x.screenshot(), top=self.s.panel)
        return first if first and first == second else None

    def px(self, size):
        """A size in the program's pixels as the screen's."""
        return tuple(v * self.scale for v in size)

    def on_screen(self, rect, report):
        """A place from a report on the screen, through the main window's client area there."""
        s = self.scale
        client = self._main(report)["client"]
        return (self.origin[0] + (rect[0] - client[0]) * s,
                self.origin[1] + (rect[1] - client[1]) * s, rect[2] * s, rect[3] * s)

    def click(self, rect):
        x, y = rect[0] + rect[2] // 2, rect[1] + rect[3] // 2
        self.s.xdotool("mousemove", str(x), str(y), "click", "1")

    def key(self, *keys):
        self.s.xdotool("key", "--delay", "60", *keys)

    def keys(self):
        """Space moves the session on: the intro gives way to the issue list."""
        before = self.probe.settled()
        self.key("space")
        after = wait_for(lambda: self._title_changed(before), scaled(8),
                         "Space to move the session on")
        shot = self.s.shot("02-after-space")
        title = after["texts"].get("lblSegmentTitle", "")
        if not title:
            raise Failure("after Space the window shows no step title", {"after-space": shot})
        print("keys: Space led to %r" % title)

    def _title_changed(self, before):
        now = self.probe.read()
        if now is None or now["time"] <= before["time"]:
            return None
        return now if now["texts"].get("lblSegmentTitle") != \
            before["texts"].get("lblSegmentTitle") else None

    def menu(self):
        """A click on the menu button opens the menu above the button."""
        report = self.laid_out()
        button = self.on_screen(report["controls"]["cmdNav"], report)
        print("menu: cmdNav reported at %s, the client area at %s: on the screen at %s"
              % (report["controls"]["cmdNav"], self._main(report)["client"], button), flush=True)
        # The pointer first rests on the button, so that its hover is not taken for the menu.
        self.s.xdotool("mousemove", str(button[0] + button[2] // 2),
                       str(button[1] + button[3] // 2))
        time.sleep(scaled(0.5))
        before = self.s.x.screenshot()
        clicked = time.time()
        self.s.xdotool("click", "1")
        wait_for(lambda: self._with_window("QMenu", since=clicked), scaled(8),
                 "the menu after a click")
        menu = self._with_window("QMenu")
        size = self.px(next(w["frame"][2:] for w in menu["windows"] if w["class"] == "QMenu"))
        # The button itself and the clock beside it may change; the menu is what is left. A busy
        # machine may show the menu a while after the program made it: it is judged once it shows
        # at its whole size, or as it stands when the time is up.
        clock = self.on_screen(report["controls"]["lblTime_New"], report)
        deadline = time.time() + scaled(5)
        while True:
            time.sleep(scaled(0.5))
            shot = self.s.shot("03-menu")
            box = changed_box(before, shot, top=self.s.panel, exclude=(button, clock))
            if (box is not None and box[2:] == size) or time.time() > deadline:
                break
        if box is None:
            raise Failure("no menu to be seen after a click on its button", {"menu": shot})
        print("menu: button at %s, menu at %s" % (button, box))
        if box[2:] != size:
            raise Failure("the menu shows %dx%d of its %dx%d: cut by the screen's edge"
                          % (box[2], box[3], size[0], size[1]), {"menu": shot})
        if box[1] + box[3] > button[1] + 1:
            raise Failure("the menu at %s reaches below the top of its button at %s"
                          % (box, button), {"menu": shot})
        if not inside(box, self.desktop):
            raise Failure("the menu at %s is not whole on the screen" % (box,), {"menu": shot})
        self.key("Escape")
        wait_for(lambda: not self._with_window("QMenu"), scaled(5), "Escape to close the menu")

    def _with_window(self, cls=None, name=None, since=0):
        report = self.probe.read()
        if report is None or report["time"] < since:
            return None
        for w in report["windows"]:
            if (cls and w["class"] == cls) or (name and w["name"] == name):
                return report
        return None

    def dialog(self, number, label, opener, name):
        """A dialog, from a menu item or a control of the window, whole within the screen under
        the panel and no higher than the room the panels leave."""
        self.park_pointer()
        # Once weston has let the last dialog fade out.
        before = wait_for(self._still_screen, scaled(10), "the screen to settle")
        made = len(self.requests().toplevels)
        kind, control = opener
        if kind == "menu":
            report = self._open_menu()
            rect = report["actions"].get(control)
        else:
            report = self.laid_out()
            rect = report["controls"].get(control)
        if rect is None:
            raise Failure("no %s to open the %s" % (control, label))
        # The probe reports where Qt put things: taken relative to the main window's client area.
        self.click(self.on_screen(rect, report))
        self.park_pointer()
        wait_for(lambda: self._with_window(name=name), scaled(15), "the " + label)
        toplevel = wait_for(lambda: [t for t in self.requests().toplevels[made:]
                                     if t["geometries"]], scaled(10),
                            "the %s's Wayland requests" % label)[0]
        time.sleep(scaled(1))
        shot = self.s.shot("%02d-%s" % (number, label.replace(" ", "-").lower()))
        asked = toplevel["geometries"][-1][2:]
        # The dialog's own change, less the main window's title bar (no longer the active
        # window's) and its clock.
        report = self.laid_out()
        clock = self.on_screen(report["controls"]["lblTime_New"], report)
        title_bar = (self.box[0], self.box[1], self.box[2], self.origin[1] - self.box[1])
        box = changed_box(before, shot, top=self.s.panel, exclude=(clock, title_bar))
        print("%s: asked %s, changed %s" % (label, toplevel["geometries"][-1], box))
        problems = []
        if box is not None:
            # Its top may lie in the main window's title bar, left out above: the window is
            # placed from its left, right and bottom edges.
            shown = self.px(asked)
            if box[2] != shown[0] or box[3] > shown[1]:
                problems.append("the %s shows %dx%d of its %dx%d"
                                % (label, box[2], box[3], shown[0], shown[1]))
            box = (box[0], box[1] + box[3] - shown[1], shown[0], shown[1])
        room = self.s.height // self.scale - PANELS_ROOM_PX
        if asked[1] > room:
            problems.append("the %s asked for %dx%d, higher than the %d px the panels leave"
                            % (label, asked[0], asked[1], room))
        if box is None or not inside(box, self.desktop):
            problems.append("the %s at %s is not whole on the screen under the panel"
                            % (label, box))
        if problems:
            raise Failure("; ".join(problems), {label.replace(" ", "-"): shot})
        self.key("Escape")
        wait_for(lambda: not self._with_window(name=name), scaled(8),
                 "Escape to close the " + label)

    def _still_screen(self):
        first = self.s.x.screenshot()
        time.sleep(scaled(0.3))
        second = self.s.x.screenshot()
        return second if second.same_as(first) else None

    def park_pointer(self):
        """The pointer on the panel, out of the screenshots' way (weston draws it in them)."""
        self.s.xdotool("mousemove", str(self.s.width // 2), "2")
        time.sleep(scaled(0.3))

    def focus_main(self):
        """A click on the main window's title bar gives it the keyboard, and moves nothing on."""
        self.s.xdotool("mousemove", str(self.box[0] + 60), str(self.box[1] + 8), "click", "1")
        self.park_pointer()

    def _open_menu(self):
        report = self.laid_out()
        clicked = time.time()
        self.click(self.on_screen(report["controls"]["cmdNav"], report))
        wait_for(lambda: self._with_window("QMenu", since=clicked), scaled(8), "the menu")
        time.sleep(scaled(0.3))
        # The menu's items, from a report in which the menu is open and laid out.
        report = self.laid_out()
        if not any(w["class"] == "QMenu" for w in report["windows"]):
            raise Failure("the menu closed before its items could be clicked")
        return report

    def exit(self):
        """Exit from the menu, by its keys: the process ends and the settings keep no place."""
        self.focus_main()
        # The pointer rests over the window: weston 10 was seen to dismiss at once a menu
        # opened by a key while the pointer was over another client (its panel).
        self.s.xdotool("mousemove", str(self.box[0] + self.box[2] // 4),
                       str(self.box[1] + self.box[3] // 2))
        time.sleep(scaled(0.3))
        pressed = time.time()
        # Held a moment, as a person's finger holds it: weston 10 was seen to dismiss at once a
        # menu whose key had been released before the menu was made.
        self.s.xdotool("keydown", "Menu")
        time.sleep(scaled(0.3))
        self.s.xdotool("keyup", "Menu")
        wait_for(lambda: self._with_window("QMenu", since=pressed), scaled(8),
                 "the menu after the Menu key")
        time.sleep(scaled(0.3))
        self.s.shot("%02d-menu-by-key" % (4 + len(DIALOGS)))
        # The first item is chosen; Up goes round to the last, Exit.
        self.key("Up", "Return")
        code = self.process.wait_exit(scaled(15))
        self.s.shot("%02d-after-exit" % (5 + len(DIALOGS)))
        print("exit: the process ended with %s" % code)
        path = os.path.join(self.config, "Quellbrook", "Mindrova.conf")
        try:
            with open(path, encoding="utf-8") as f:
                saved = f.read()
        except OSError as error:
            raise Failure("no settings file after Exit: %s" % error)
        values = dict(re.findall(r"^(\w+)=(.*)$", saved, re.M))
        if "Left" in values or "Top" in values:
            raise Failure("a Wayland window saved a place it does not have:\n" + saved)
        if not {"Width", "Height", "State"} <= set(values):
            raise Failure("the size and state were not saved:\n" + saved)


def run(program, case):
    size, _, scale = case.partition("@")
    name = "wayland-" + case.replace("@", "-x")
    with WaylandSession(name, program, size, int(scale or 1)) as s:
        run_ = WaylandRun(s, size)
        run_.opening()
        run_.keys()
        run_.menu()
        for number, (label, opener, name) in enumerate(DIALOGS, start=4):
            run_.dialog(number, label, opener, name)
        run_.exit()


def main(argv):
    if len(argv) != 3 or not re.match(r"^\d+x\d+(@[12])?$", argv[2]):
        sys.stderr.write("usage: %s PROGRAM WxH[@S]\n" % argv[0])
        return 2
    print("== wayland %s" % argv[2], flush=True)
    return run_with_deadline(scaled(120), lambda: run(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
