#!/usr/bin/env python3
"""The window on real screen sizes: every step of a session and every dialog, on a screen of
the given size, with or without a window manager, at a scale of 1 or 2.

    screen_matrix.py PROGRAM CASE      CASE as WxH[-wm[-max]][-textN][-look][-lang][@scale],
                                       e.g. 1366x768-wm-max, 908x557-de or 2732x1536-wm@2 (-max:
                                       maximized by the window manager; -textN: the text at N %,
                                       as Ctrl+Plus makes it; -look: -dark or -high-contrast;
                                       -lang: -de, -es or -fr, the desktop's language, whose
                                       texts run longer than the English ones)

Fails when a shown control lies partly outside its window or the screen, when two shown texts
overlap, or when a text is cut or elided; keeps a screenshot of every step and dialog under the
artifacts folder (MINDROVA_ACCEPTANCE_ARTIFACTS), failing or not.

How the program is read: through its layout probe. The program writes, when
MINDROVA_LAYOUT_PROBE names a file, what its layout check finds in every shown window and where
its named controls and menu items are. The accessibility bus gives each control's extents, but
Qt's labels do not offer the text interface there, so a cut or elided text could not be told
from a whole one; the widgets themselves know how much room their text needs.
"""

import os
import re
import sys
import time
import unicodedata

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled, wait_for  # noqa: E402

CASE = re.compile(
    r"^(\d+)x(\d+)(-wm)?(-max)?(?:-text(\d+))?(?:-(dark|high-contrast))?(?:-(de|es|fr))?"
    r"(?:@(\d+))?$")
# The desktop's locale for each language the cases run in, as a desktop set to it would have it:
# LANGUAGE names the language wanted, LC_ALL a locale of it.
LOCALES = {"de": "de_DE.UTF-8", "es": "es_ES.UTF-8", "fr": "fr_FR.UTF-8"}
ENGLISH_INTRO_START = "Please sit up straight"
# Space walks the session: the intro, the issue list, the rating, the thymus, the left hand, the
# explanation and the first point of a negative round; the timer then moves to the next point.
# Space again leads to relaxation, a positive round and the reassessment; Alt+F to the closing
# exercise. (The right hand's step, the left one's twin, would cost ten seconds of waiting a case;
# the widget tests lay out every step, that one included, at the same sizes.) Each shot is named
# by the title the window shows.
SPACES_TO_FIRST_POINT = 6
DIALOGS = [("shortcuts", "mnuPopUpShortcuts", "frmShortcuts"),
           ("about", "mnuPopUpAbout", "frmAbout_NEW"),
           ("voice", "mnuPopUpVoice", "frmVoice"),
           ("appearance", "mnuPopUpAppearance", "frmAppearance"),
           ("journal", "mnuPopUpJournal", "frmJournal")]


class Probe:
    """The latest report the program wrote."""

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
        report = {"time": int(lines[0].split()[1]) / 1000.0, "windows": [], "controls": {},
                  "actions": {}, "texts": {}}
        window = None
        for line in lines[1:]:
            kind, _, rest = line.partition(" ")
            if kind == "window":
                parts = rest.split(" ")
                window = {"class": parts[0], "name": parts[1], "problems": [],
                          "frame": tuple(int(v) for v in parts[5:9]),
                          "client": tuple(int(v) for v in parts[10:14]),
                          "title": " ".join(parts[15:])}
                report["windows"].append(window)
            elif kind == "problem" and window is not None:
                window["problems"].append(rest)
            elif kind == "text":
                label, _, text = rest.partition(" ")
                report["texts"][label] = text
            elif kind in ("control", "action"):
                parts = rest.split(" ")
                report[kind + "s"][parts[0]] = tuple(int(v) for v in parts[1:5])
        return report

    def after(self, moment, timeout=None):
        """The first report written at least a moment after the given time."""
        return wait_for(lambda: self._newer(moment), scaled(10) if timeout is None else timeout,
                        "the layout probe to report")

    def _newer(self, moment):
        report = self.read()
        return report if report and report["time"] >= moment else None

    def settled(self, timeout=None):
        """A report from a moment after the last input, once the window has laid itself out: no
        window without a size, and every window and control where the report before it had them.
        A busy machine may need longer than the moment to place a new dialog. A layout that never
        comes to rest is judged as it last stood, so that its problems are still reported."""
        moment = time.time() + scaled(0.35)
        first = self.after(moment, timeout)
        seen = [first]

        def at_rest():
            report = self.read()
            last = seen[-1]
            if report is None or report["time"] <= last["time"]:
                return None
            seen.append(report)
            sized = all(w["frame"][2] > 0 and w["frame"][3] > 0 for w in report["windows"])
            return report if sized and self._places(report) == self._places(last) else None

        try:
            return wait_for(at_rest, scaled(5), "the layout to come to rest")
        except Failure:
            return seen[-1]

    @staticmethod
    def _places(report):
        return ([(w["class"], w["name"], w["frame"]) for w in report["windows"]],
                report["controls"], report["actions"])

    def window(self, report, name):
        return next((w for w in report["windows"] if w["name"] == name), None)


class Matrix:
    def __init__(self, session, program, probe, scale, case):
        self.s = session
        self.p = program
        self.probe = probe
        self.scale = scale
        self.case = case
        self.problems = []
        self.shots = 0

    def record(self, state, report):
        texts = report["texts"]
        if state is None:
            shown = [texts.get("lblSegmentTitle"), texts.get("lblCurrentPoint")]
            state = "-".join(t for t in shown if t) or "intro"
            # Plain letters in the file names, whatever the language: "wählen" as "wahlen".
            state = unicodedata.normalize("NFKD", state).encode("ascii", "ignore").decode()
            state = re.sub(r"[^A-Za-z0-9]+", "-", state).strip("-").lower()
        for w in report["windows"]:
            for problem in w["problems"]:
                self.problems.append("%s, %s %s: %s" % (self.case, state, w["name"], problem))
        self.shots += 1
        os.makedirs(self.s.artifacts, exist_ok=True)
        path = os.path.join(self.s.artifacts, "%02d-%s.png" % (self.shots, state))
        self.s.x.screenshot().save_png(path, level=1)

    def click_global(self, rect):
        x = (rect[0] + rect[2] // 2) * self.scale
        y = (rect[1] + rect[3] // 2) * self.scale
        self.s.xdotool("mousemove", str(x), str(y), "click", "1")

    def step_on(self, key, state):
        """Presses the key (or, given a control's name as "click:NAME", clicks that control) and
        records the window once it has changed."""
        before = self.probe.settled()
        if key.startswith("click:"):
            self.click_global(before["controls"][key[len("click:"):]])
        else:
            self.p.key(key)
        report = wait_for(lambda: self._changed(before), scaled(8),
                          "the window to change after %s" % key)
        report = self.probe.settled()
        self.record(state, report)
        return report

    def _changed(self, before):
        now = self.probe.read()
        if now is None or now["time"] <= before["time"]:
            return None
        texts = ("lblSegmentTitle", "lblLeftFrame", "lblIntro", "lblCurrentPoint")
        changed = now["controls"] != before["controls"] or any(
            now["texts"].get(t) != before["texts"].get(t) for t in texts)
        return now if changed else None

    def open_menu(self):
        report = self.probe.settled()
        self.click_global(report["controls"]["cmdNav"])
        return wait_for(lambda: self._with_window("QMenu"), scaled(8), "the popup menu")

    def _with_window(self, cls=None, name=None):
        report = self.probe.read()
        if report is None:
            return None
        for w in report["windows"]:
            if (cls and w["class"] == cls) or (name and w["name"] == name):
                return report
        return None

    def dialog(self, state, action, name):
        menu = self.open_menu()
        if not any("menu" in shot for shot in os.listdir(self.s.artifacts)):
            self.record("menu", self.probe.settled())
        if action not in menu["actions"]:
            self.p.key("Escape")
            self.problems.append("%s: the menu has no item %s" % (self.case, action))
            return
        self.click_global(menu["actions"][action])
        wait_for(lambda: self._with_window(name=name), scaled(10), "the %s dialog" % state)
        self.record(state, self.probe.settled())
        self.p.key("Escape")
        gone = wait_for(lambda: self._without(name), scaled(3), "the %s dialog to close"
                        % state, interval=0.1) if self._closes_on_escape(name) else None
        if gone is None:
            for w in self.s.dialogs(exclude={self.p.window}):
                self.s.x.send_close(w.id)
            wait_for(lambda: self._without(name), scaled(8), "the %s dialog to close" % state)
        self.p.focus()

    def _closes_on_escape(self, name):
        try:
            wait_for(lambda: self._without(name), scaled(2), "Escape to close " + name)
            return True
        except Failure:
            return False

    def _without(self, name):
        report = self.probe.read()
        if report is None or report["time"] < time.time() - 1:
            return None
        return report if all(w["name"] != name for w in report["windows"]) else None


def require_translated(report):
    """A case in another language whose window still speaks English would only repeat an English
    case, and pass for the wrong reason."""
    intro = report["texts"].get("lblIntro")
    if not intro or intro.startswith(ENGLISH_INTRO_START):
        raise Failure("the window is not translated (its introduction reads %r): is the "
                      "translation built beside the program?" % (intro or "")[:60])


def run_case(program_path, case):
    match = CASE.match(case)
    if not match:
        raise Failure("unknown case %r (WxH[-wm[-max]][-textN][-look][-lang][@scale])" % case)
    width, height, wm, maximized = (int(match.group(1)), int(match.group(2)),
                                    bool(match.group(3)), bool(match.group(4)))
    text, look, language = match.group(5), match.group(6), match.group(7)
    scale = int(match.group(8) or 1)
    name = "screen_matrix-" + case.replace("@", "-x")
    with Session(name, program_path, wm=wm, screen="%dx%dx24" % (width, height)) as s:
        probe_path = os.path.join(s.tmp, "probe.txt")
        env = {"MINDROVA_LAYOUT_PROBE": probe_path, "QT_SCALE_FACTOR": str(scale)}
        if language:
            env.update({"LANGUAGE": language, "LC_ALL": LOCALES[language]})
        config, runtime = s.new_folders()
        if text or look:
            os.makedirs(os.path.join(config, "Quellbrook"))
            with open(os.path.join(config, "Quellbrook", "Mindrova.conf"), "w",
                      encoding="utf-8") as f:
                f.write("[Display]\n")
                f.write("TextScale=%s\n" % text if text else "")
                f.write("Appearance=%s\n" % look if look else "")
        p = s.start(config_home=config, runtime_dir=runtime, extra_env=env)
        probe = Probe(probe_path)
        m = Matrix(s, p, probe, scale, case)
        if maximized:
            s.wmctrl("-i", "-r", str(p.window), "-b", "add,maximized_vert,maximized_horz")
            wait_for(lambda: p.geometry()[3] > height - 60, scaled(5), "the window to maximize")
        first = probe.settled(scaled(15))
        main = probe.window(first, "frmMain")
        if main is None:
            raise Failure("the probe does not report the session window")
        if language:
            require_translated(first)
        m.record("intro", first)
        for _ in range(SPACES_TO_FIRST_POINT):
            m.step_on("space", None)
        # The round's timer moves on to the next point by itself.
        time.sleep(2.2)
        m.record(None, probe.settled())
        m.step_on("space", None)  # relaxation
        m.step_on("space", None)  # a positive round
        m.step_on("space", None)  # the reassessment
        # From the reassessment Space would start the positive rounds; Alt+F closes. A translated
        # caption has its own access key, so there the button itself is clicked.
        m.step_on("click:cmdFinish" if language else "alt+f", "finish")
        for state, action, dialog_name in DIALOGS:
            m.dialog(state, action, dialog_name)
        if not p.alive():
            raise Failure("the program ended during the walk")
        if m.problems:
            raise Failure("%d layout problems:\n  %s" % (len(m.problems),
                                                         "\n  ".join(m.problems)))


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    return run_with_deadline(scaled(150), lambda: run_case(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
