#!/usr/bin/env python3
"""Acceptance tests on the real window: a private X server, real key presses and clicks, and
checks on what a person would see.

    window_tests.py PROGRAM CASE     (CASE as in CASES below, or "all")
"""

import json
import os
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import (Failure, Session, px, run_with_deadline, scaled,  # noqa: E402
                     wait_for)

# Twips, as the window lays itself out.
TOOLBAR_H = 690
STATUSBAR_H = 465
OPENING_W_PX = round(17276.7 / 15)
OPENING_H_PX = round(11710.65 / 15)
DESIGN_CLIENT = (17280, 10995)
PICTURE = (7140, 8535)
ISSUE_FRAME = (7140, 8535)
MARKER_PX = 16
TOP_HEAD = (3330, 150)


def vb_round(value):
    # Half to even; a half-twip difference in rounding is far below the 1 px tolerance.
    return round(value)


class Layout:
    """Where the controls sit for a window whose outer size is W x H twips."""

    def __init__(self, width_twips, height_twips):
        w, h = width_twips, height_twips
        self.w, self.h = w, h
        panel_h = h - TOOLBAR_H - STATUSBAR_H - 480 - 30
        self.right_panel = (w / 2 + 45, TOOLBAR_H, w / 2, panel_h)
        self.left_panel = (0, TOOLBAR_H, w / 2 - 45, panel_h)
        self.picture = (max(0, vb_round((w / 2 - PICTURE[0]) / 2)),
                        max(0, vb_round((panel_h - PICTURE[1]) / 2)))
        self.issue_frame = (vb_round((w / 2 - ISSUE_FRAME[0]) / 2) if w / 2 > ISSUE_FRAME[0]
                            else 0,
                            vb_round((panel_h - ISSUE_FRAME[1]) / 2) if panel_h > ISSUE_FRAME[1]
                            else 0)
        intro_w, intro_h = 9555, 6195
        dx = max(0, vb_round(w - intro_w))
        dy = max(TOOLBAR_H + 600, vb_round(h - intro_h))
        self.intro = (dx / 2, dy / 2, intro_w, intro_h)
        self.title = (300, TOOLBAR_H + 300, max(vb_round(w / 2 - 45 - 600), 3900), 555)
        self.menu_button = (w - 390 - 390, h - STATUSBAR_H + 15, 390, 390)
        self.time_label = (self.menu_button[0] - 1200, h - STATUSBAR_H, 735, STATUSBAR_H)
        self.pause_button = (2940, 135, 1215, 375)
        self.exit_button = (300, 135, 1215, 375)
        finish_right = 5580 + 1215
        self.feedback_button = ((w - 1215 - 450) if w >= 3 * 1215 + finish_right + 750
                                else 9540, 135, 1215, 375)

    def marker_top_left(self, point):
        """Client pixel of a body-picture marker's top-left corner."""
        return (px(self.right_panel[0] + self.picture[0] + point[0]),
                px(self.right_panel[1] + self.picture[1] + point[1]))

    @staticmethod
    def pixels(rect):
        left, top = px(rect[0]), px(rect[1])
        return left, top, px(rect[0] + rect[2]) - left, px(rect[1] + rect[3]) - top


def layout_of(program):
    # The window lays itself out from its client area; without a window manager that is also its
    # outer size.
    _, _, w, h = program.geometry()
    return Layout(w * 15, h * 15)


def grab_rect(program, rect_px):
    return program.grab(*rect_px)


def ink(image, threshold=160):
    """How many pixels are dark enough to be text or lines."""
    return sum(1 for v in image.g if v < threshold)


def advance(program, layout, presses):
    """Presses Space, each time waiting until the step title shows the new step."""
    title = Layout.pixels(layout.title)
    for number in range(presses):
        before = grab_rect(program, title)
        program.key("space")
        wait_for(lambda: not grab_rect(program, title).same_as(before), scaled(5),
                 "the step title to change after Space number %d" % (number + 1))


def sample_marker(program, top_left, colour, seconds):
    """Watches the marker's square until it has shown, gone out and shown again (a blink).

    Returns the frames in which it showed, all frames, and the phases seen in order."""
    margin = 6
    x, y = top_left[0] - margin, top_left[1] - margin
    size = MARKER_PX + 2 * margin
    shown, frames, phases = [], [], []
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and len(phases) < 3:
        image = program.grab(x, y, size, size)
        frames.append(image)
        blobs = image.blobs(colour)
        if blobs:
            shown.append((image, blobs))
        # Phases alternate, counted from the first time the marker is seen.
        if (phases or blobs) and (not phases or phases[-1] != bool(blobs)):
            phases.append(bool(blobs))
        time.sleep(0.01)
    return shown, frames, phases


def check_marker(program, top_left, colour, seconds):
    shown, frames, phases = sample_marker(program, top_left, colour, seconds)
    images = {"marker-frame-%02d" % i: f for i, f in enumerate(frames[:40:4])}
    if not shown:
        raise Failure("no %s marker at window pixel %s in %d screenshots over %.1f s"
                      % (colour, top_left, len(frames), seconds), images)
    if phases[:3] != [True, False, True]:
        raise Failure("the %s marker at %s did not blink (shown, hidden, shown again) in %d "
                      "screenshots" % (colour, top_left, len(frames)), images)
    # The most common look of the shown marker (a grab may catch a repaint half done).
    looks = {}
    for image, blobs in shown:
        looks.setdefault(tuple(blobs), []).append(image)
    blobs = list(max(looks, key=lambda k: len(looks[k])))
    image = looks[tuple(blobs)][0]
    if len(blobs) != 1:
        raise Failure("expected one %s marker near %s, saw %d: %s"
                      % (colour, top_left, len(blobs), blobs), {"marker": image})
    size, left, top, right, bottom = blobs[0]
    margin = 6
    found = (top_left[0] - margin + left, top_left[1] - margin + top)
    width, height = right - left + 1, bottom - top + 1
    if abs(found[0] - top_left[0]) > 1 or abs(found[1] - top_left[1]) > 1:
        raise Failure("the %s marker's top-left is at %s, expected %s (within 1 px)"
                      % (colour, found, top_left), {"marker": image})
    if not (MARKER_PX - 2 <= width <= MARKER_PX and MARKER_PX - 2 <= height <= MARKER_PX):
        raise Failure("the %s marker is %d x %d px, expected %d x %d"
                      % (colour, width, height, MARKER_PX, MARKER_PX), {"marker": image})
    # A circle, not a square: its bounding box's corners are not filled.
    if size > 0.9 * width * height:
        raise Failure("the %s marker fills %d of its %d x %d box: not a circle"
                      % (colour, size, width, height), {"marker": image})
    centre = image.pixel(left + width // 2, top + height // 2)
    expected = (255, 0, 0) if colour == "red" else (0, 255, 0)
    if centre != expected:
        raise Failure("the marker's centre is %s, expected %s" % (centre, expected),
                      {"marker": image})
    return len(shown), len(frames)


# --------------------------------------------------------------------------------------------
# Cases

def case_opening_geometry(program_path):
    with Session("opening_geometry", program_path) as s:
        p = s.start()
        wait_for(lambda: s.x.name(p.window) == "Mindrova", scaled(5), "the window title")
        x, y, w, h = p.geometry()
        if (w, h) != (OPENING_W_PX, OPENING_H_PX):
            raise Failure("the window opened at %d x %d px, expected %d x %d (17276.7 x "
                          "11710.65 twips)" % (w, h, OPENING_W_PX, OPENING_H_PX))
        # Centred while it still had its initial size, before it takes the opening size.
        sw, sh = s.x.screen_size
        cx = (sw * 15 - DESIGN_CLIENT[0]) / 2 / 15
        cy = (sh * 15 - DESIGN_CLIENT[1]) / 2 / 15
        if abs(x - cx) > 0.5 or abs(y - cy) > 0.5:
            raise Failure("a first start opened at %d,%d; expected the window centred on the "
                          "%d x %d screen with its initial size: %.1f,%.1f"
                          % (x, y, sw, sh, cx, cy))
        titles = [w.name for w in s.main_windows()]
        if titles != ["Mindrova"]:
            raise Failure("expected one main window titled Mindrova, saw %s" % titles)
        # The icon is drawn just after the first paint: the window manager has it soon after.
        def icon():
            value = s.x.property(p.window, "_NET_WM_ICON", 6)  # CARDINAL
            return value if value and len(value) > 2 and value[0] > 0 and value[1] > 0 else None
        wait_for(icon, scaled(5), "the window's icon (_NET_WM_ICON)")


def case_intro_click(program_path):
    with Session("intro_click", program_path) as s:
        p = s.start()
        lay = layout_of(p)
        intro_rect = Layout.pixels(lay.intro)
        right_rect = Layout.pixels(lay.right_panel)
        right_rect = (right_rect[0], right_rect[1], min(right_rect[2], lay.w // 15 -
                                                        right_rect[0]), right_rect[3])
        intro_before = grab_rect(p, intro_rect)
        right_before = grab_rect(p, right_rect)
        if ink(intro_before) < 2000:
            raise Failure("the intro text is not showing (only %d dark pixels where it should "
                          "be)" % ink(intro_before), {"intro": intro_before})
        # The window background, left of the intro text and below the toolbar.
        p.click(px(lay.intro[0]) // 2, px(lay.h) // 2)
        wait_for(lambda: not grab_rect(p, right_rect).same_as(right_before), scaled(5),
                 "the right panel to change after a click on the background")
        intro_after = grab_rect(p, intro_rect)
        right_after = grab_rect(p, right_rect)
        if intro_after.same_as(intro_before):
            raise Failure("the intro text is still there after the click",
                          {"intro-after": intro_after})
        # The issue options: ten rows 540 twips apart from 510, the two hidden ones blank.
        frame_left = lay.right_panel[0] + lay.issue_frame[0]
        frame_top = lay.right_panel[1] + lay.issue_frame[1]

        def row_ink(top_twips):
            rect = Layout.pixels((frame_left + 720, frame_top + top_twips, 6045, 360))
            return ink(grab_rect(p, rect))

        rows = [row_ink(510 + 540 * i) for i in range(10)]
        empty = [row_ink(5910 + 540 * i) for i in range(2)]
        if min(rows) < 30 or max(empty) > 0:
            raise Failure("expected ten issue options stacked 540 twips apart and nothing below; "
                          "dark pixels per row: %s, below: %s" % (rows, empty),
                          {"right-panel-after": right_after})
        if not p.alive():
            raise Failure("the program ended")


def case_colours(program_path):
    with Session("colours", program_path) as s:
        p = s.start()
        lay = layout_of(p)
        bars = (252, 252, 252)
        finish_right = px(5580 + 1215)
        feedback_left = Layout.pixels(lay.feedback_button)[0]
        toolbar_spot = ((finish_right + feedback_left) // 2, px(TOOLBAR_H) // 2)
        status_spot = (px(lay.w) // 4, px(lay.h - STATUSBAR_H / 2))
        shot = p.grab()
        seen = {"toolbar": shot.pixel(*toolbar_spot), "status bar": shot.pixel(*status_spot)}
        advance(p, lay, 1)
        shot = p.grab()
        split = Layout.pixels((lay.w / 2 - 45, TOOLBAR_H + 300, 90, lay.right_panel[3] - 600))
        seen["divider"] = shot.pixel(split[0] + split[2] // 2, split[1] + split[3] // 2)
        seen["left panel"] = shot.pixel(px(150), px(lay.h) // 2)
        expected = {"toolbar": bars, "status bar": bars, "divider": (240, 240, 240),
                    "left panel": (255, 255, 255)}
        wrong = {k: (v, expected[k]) for k, v in seen.items() if v != expected[k]}
        if wrong:
            raise Failure("background colours (seen, expected): %s" % wrong,
                          {"window": shot})


def enter_first_point(program):
    lay = layout_of(program)
    # Intro, issue, SUD, thymus, left hand, explanation, then the first point of a round.
    advance(program, lay, 6)
    return lay


def case_markers(program_path):
    with Session("markers", program_path) as s:
        p = s.start()
        lay = enter_first_point(p)
        top_left = lay.marker_top_left(TOP_HEAD)
        check_marker(p, top_left, "red", scaled(1.8))
        # Next leads from a negative round to the relaxation step, and from there to the first
        # positive round.
        advance(p, lay, 1)
        relax = p.grab(top_left[0] - 6, top_left[1] - 6, 28, 28)
        if relax.blobs("red") or relax.blobs("green"):
            raise Failure("a marker shows on the relaxation step", {"relax": relax})
        advance(p, lay, 1)
        check_marker(p, top_left, "green", scaled(1.8))


def case_elapsed_time(program_path):
    with Session("elapsed_time", program_path) as s:
        p = s.start()
        lay = layout_of(p)
        advance(p, lay, 4)  # the left-hand step: ten seconds, timed
        rect = Layout.pixels(lay.time_label)
        changes, previous = [], grab_rect(p, rect)
        first = previous
        deadline = time.monotonic() + scaled(5)
        while time.monotonic() < deadline and len(changes) < 2:
            current = grab_rect(p, rect)
            if not current.same_as(previous):
                changes.append((time.monotonic(), current))
            previous = current
            time.sleep(0.02)
        if len(changes) < 2:
            raise Failure("the elapsed-time label at %s changed %d times in %.1f s on a timed "
                          "step, expected at least 2" % (rect, len(changes), scaled(5)),
                          {"time-label-start": first, "time-label-end": previous})
        if ink(changes[-1][1]) == 0:
            raise Failure("the elapsed-time label is blank", {"time-label": changes[-1][1]})
        # It counts whole seconds, so it cannot change much faster than once a second.
        if changes[1][0] - changes[0][0] < 0.6:
            raise Failure("the elapsed-time label changed twice in %.2f s, expected about 1 s "
                          "between changes" % (changes[1][0] - changes[0][0]),
                          {"time-label-1": changes[0][1], "time-label-2": changes[1][1]})


def case_pause_resume(program_path):
    with Session("pause_resume", program_path) as s:
        p = s.start()
        lay = enter_first_point(p)
        pause_rect = Layout.pixels(lay.pause_button)
        time_rect = Layout.pixels(lay.time_label)
        toolbar_running = grab_rect(p, pause_rect)
        p.key("Escape")
        wait_for(lambda: not grab_rect(p, pause_rect).same_as(toolbar_running), scaled(3),
                 "Resume to take the Pause button's place after Esc")
        # Paused: nothing in the window moves, neither the marker nor the clock nor the step.
        still = p.grab()
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            now = p.grab()
            if not now.same_as(still):
                raise Failure("the window changed while the session was paused",
                              {"paused-first": still, "paused-later": now})
            time.sleep(0.05)
        toolbar_paused = grab_rect(p, pause_rect)
        time_paused = grab_rect(p, time_rect)
        p.key("a")
        wait_for(lambda: not grab_rect(p, time_rect).same_as(time_paused), scaled(3),
                 "the elapsed time to move again after a key resumed the session")
        if grab_rect(p, pause_rect).same_as(toolbar_paused):
            raise Failure("the toolbar still shows Resume after resuming",
                          {"toolbar": grab_rect(p, pause_rect)})


def case_feedback_tooltip(program_path):
    with Session("feedback_tooltip", program_path) as s:
        p = s.start()
        lay = layout_of(p)
        before = {w.id for w in s.x.windows() if w.override_redirect and w.viewable}
        bx, by, bw, bh = Layout.pixels(lay.feedback_button)
        s.xdotool("mousemove", "--window", str(p.window), str(bx + bw // 2), str(by + bh // 2))

        def tooltip():
            fresh = [w for w in s.x.windows() if w.override_redirect and w.viewable and
                     w.id not in before and w.width > 20 and w.height > 5]
            return fresh[0] if fresh else None

        tip = wait_for(tooltip, scaled(6), "a tooltip over the Feedback button")
        gx, gy, _, _ = p.geometry()
        # It shows near the pointer, and carries a long sentence.
        if abs(tip.y - (gy + by + bh // 2)) > 80 or tip.width < 200:
            raise Failure("unexpected tooltip window %r for a pointer at %d,%d"
                          % (tip, gx + bx + bw // 2, gy + by + bh // 2),
                          {"tooltip": s.x.grab(tip.x, tip.y, tip.width, tip.height)})
        if ink(s.x.grab(tip.x, tip.y, tip.width, tip.height)) < 100:
            raise Failure("the tooltip shows no text",
                          {"tooltip": s.x.grab(tip.x, tip.y, tip.width, tip.height)})


def case_second_instance(program_path):
    with Session("second_instance", program_path) as s:
        first = s.start()
        config, runtime = first.config_home, first.runtime_dir

        def ask(answer_keys):
            known = {w.id for w in s.x.windows()}
            second = s.start(config_home=config, runtime_dir=runtime, wait_window=False)

            def question():
                if not second.alive():
                    raise Failure("the second copy ended without asking (exit code %s):\n%s"
                                  % (second.process.proc.returncode, second.process.log_text()))
                boxes = [w for w in s.dialogs(exclude=known) if w.width > 100]
                return boxes[0] if boxes else None

            box = wait_for(question, scaled(15), "the second copy's question")
            if box.name != "Mindrova":
                raise Failure("the question is titled %r, expected 'Mindrova'" % box.name)
            if box.width >= 900:
                raise Failure("the second copy opened a main window instead of asking: %r" % box)
            s.xdotool("windowfocus", "--sync", str(box.id), check=False)
            s.xdotool("key", "--delay", "20", *answer_keys)
            return second, box

        # No: the second copy ends and no new window stays.
        second, box = ask(["n"])
        code = second.wait_exit(scaled(10))
        if code != 0:
            raise Failure("declining the second copy ended it with exit code %s:\n%s"
                          % (code, second.process.log_text()))
        mains = s.main_windows()
        if [w.id for w in mains] != [first.window] or s.x.is_viewable(box.id):
            raise Failure("after No, expected only the first main window; saw %s" % mains)
        if not first.alive():
            raise Failure("the first copy ended when a second one was declined")

        # Escape answers No as well.
        second, box = ask(["Escape"])
        second.wait_exit(scaled(10))
        if [w.id for w in s.main_windows()] != [first.window]:
            raise Failure("after Escape, expected only the first main window; saw %s"
                          % s.main_windows())

        # Return takes the default answer, Yes: a second session window opens beside the first.
        second, box = ask(["Return"])
        wait_for(lambda: len(s.main_windows()) == 2, scaled(20),
                 "a second main window after answering Yes")
        if not (first.alive() and second.alive()):
            raise Failure("both copies should be running after Yes")


def read_position(path):
    values, group = {}, None
    with open(path) as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                group = line.strip("[]")
            elif "=" in line and group == "WindowPosition":
                key, value = line.split("=", 1)
                values[key.strip()] = int(value.strip())
    return values


def check_steady_marker(program, top_left, colour, seconds):
    """Watches a round's first marker from the point's start: shown without a break until the
    point ends, every shown frame the same pixels, and not shown again afterwards."""
    margin = 6
    x, y = top_left[0] - margin, top_left[1] - margin
    size = MARKER_PX + 2 * margin
    frames = []  # (seconds since the start, image, shown)
    start = time.monotonic()
    while time.monotonic() - start < seconds:
        image = program.grab(x, y, size, size)
        frames.append((time.monotonic() - start, image, bool(image.blobs(colour))))
        time.sleep(0.01)
    every = max(1, len(frames) // 10)
    images = {"steady-frame-%02d" % i: f[1] for i, f in enumerate(frames[::every])}
    shown = [f for f in frames if f[2]]
    if not shown:
        raise Failure("no %s marker at %s in %d screenshots" % (colour, top_left, len(frames)),
                      images)
    phases = []
    for _, _, on in frames:
        if (phases or on) and (not phases or phases[-1] != on):
            phases.append(on)
    if phases not in ([True], [True, False]):
        raise Failure("the steady %s marker at %s went out and came back within one point "
                      "(phases %s over %d screenshots)" % (colour, top_left, phases, len(frames)),
                      images)
    lasted = shown[-1][0] - shown[0][0]
    if lasted < 1.2:
        raise Failure("the steady marker showed for only %.2f s of its 2 s point" % lasted, images)
    changed = [t for t, image, _ in shown if not image.same_as(shown[0][1])]
    if changed:
        raise Failure("the steady marker's pixels changed within its point (at %.2f s)"
                      % changed[0], images)
    return len(shown), len(frames)


def case_steady_markers(program_path):
    with Session("steady_markers", program_path) as s:
        # The user's own choice in the settings file.
        config, runtime = s.new_folders()
        path = os.path.join(config, "Quellbrook", "Mindrova.conf")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write("[Display]\nSteadyMarkers=1\n")
        p = s.start(config, runtime)
        lay = enter_first_point(p)
        check_steady_marker(p, lay.marker_top_left(TOP_HEAD), "red", scaled(3))
        p.key("alt+x")
        p.wait_exit(scaled(10))

        # Nothing chosen, and a desktop whose animations are off.
        bin_dir = tempfile.mkdtemp(prefix="bin-", dir=config)
        stand_in = os.path.join(bin_dir, "gsettings")
        with open(stand_in, "w") as f:
            f.write("#!/bin/sh\necho false\n")
        os.chmod(stand_in, 0o755)
        config2, runtime2 = s.new_folders()
        saved_path = os.environ.get("PATH", "")
        os.environ["PATH"] = bin_dir + os.pathsep + saved_path
        try:
            p = s.start(config2, runtime2)
        finally:
            os.environ["PATH"] = saved_path
        lay = enter_first_point(p)
        check_steady_marker(p, lay.marker_top_left(TOP_HEAD), "red", scaled(3))


def case_position_saved(program_path):
    with Session("position_saved", program_path) as s:
        config, runtime = s.new_folders()
        moves = [((100, 80), "Alt+X"), ((310, 45), "close box")]
        for (x, y), how in moves:
            p = s.start(config, runtime)
            s.xdotool("windowmove", "--sync", str(p.window), str(x), str(y), check=False)
            wait_for(lambda: p.geometry()[:2] == (x, y), scaled(5), "the window to move")
            if how == "Alt+X":
                p.focus()
                p.key("alt+x")
            else:
                s.x.send_close(p.window)
            p.wait_exit(scaled(10))
            if not os.path.exists(p.settings_file):
                raise Failure("closing with %s wrote no %s" % (how, p.settings_file))
            saved = read_position(p.settings_file)
            expected = {"Left": x * 15, "Top": y * 15, "Width": OPENING_W_PX * 15,
                        "Height": OPENING_H_PX * 15, "State": 0}
            if saved != expected:
                raise Failure("after closing with %s at %d,%d the settings hold %s, expected %s"
                              % (how, x, y, saved, expected))
            again = s.start(config, runtime)
            gx, gy, gw, gh = again.geometry()
            if (gx, gy) != (x, y) or (gw, gh) != (OPENING_W_PX, OPENING_H_PX):
                raise Failure("restarted at %d,%d %dx%d, expected where it was closed: %d,%d "
                              "%dx%d" % (gx, gy, gw, gh, x, y, OPENING_W_PX, OPENING_H_PX))
            s.x.send_close(again.window)
            again.wait_exit(scaled(10))


def case_minimized_close(program_path):
    with Session("minimized_close", program_path, wm=True) as s:
        config, runtime = s.new_folders()
        p = s.start(config, runtime)
        s.wmctrl("-i", "-c", str(p.window))
        p.wait_exit(scaled(10))
        if not os.path.exists(p.settings_file):
            raise Failure("a normal close under a window manager wrote no settings")
        before = os.stat(p.settings_file)
        with open(p.settings_file, "rb") as f:
            content = f.read()
        p = s.start(config, runtime)
        # Somewhere else, so that a save would also change the values.
        start_x, start_y = p.geometry()[:2]
        s.xdotool("windowmove", "--sync", str(p.window), "37", "29", check=False)
        wait_for(lambda: p.geometry()[0] < start_x and p.geometry()[1] < start_y, scaled(5),
                 "the window to move")
        s.xdotool("windowminimize", "--sync", str(p.window), check=False)
        wait_for(lambda: s.x.wm_state(p.window) == 3 and not s.x.is_viewable(p.window),
                 scaled(5), "the window to be minimized")
        s.wmctrl("-i", "-c", str(p.window))
        p.wait_exit(scaled(10))
        after = os.stat(p.settings_file)
        with open(p.settings_file, "rb") as f:
            now = f.read()
        if now != content or after.st_mtime_ns != before.st_mtime_ns:
            raise Failure("closing a minimized window changed the settings file:\nbefore:\n%s\n"
                          "after:\n%s" % (content.decode(), now.decode()))


def write_position(config_home, left, top, width, height, state):
    """Writes a saved window position as the program would find it; returns the file's path."""
    path = os.path.join(config_home, "Quellbrook", "Mindrova.conf")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("[WindowPosition]\nLeft=%d\nTop=%d\nWidth=%d\nHeight=%d\nState=%d\n"
                % (left, top, width, height, state))
    return path


def issue_options_showing(program, lay):
    """Ink on the first issue option's row: the issue list, not the SUD scale, is shown."""
    frame_left = lay.right_panel[0] + lay.issue_frame[0]
    frame_top = lay.right_panel[1] + lay.issue_frame[1]
    return ink(grab_rect(program, Layout.pixels((frame_left + 720, frame_top + 510, 6045, 360))))


def case_stray_clicks(program_path):
    with Session("stray_clicks", program_path) as s:
        p = s.start()
        lay = layout_of(p)
        intro_rect = Layout.pixels(lay.intro)
        intro = grab_rect(p, intro_rect)
        feedback_left = Layout.pixels(lay.feedback_button)[0]
        time_rect = Layout.pixels(lay.time_label)
        spots = {
            "the toolbar beside Finish": ((px(5580 + 1215) + feedback_left) // 2, 4),
            "the disabled Previous button": (px(1620 + 600), px(135 + 180)),
            "the status bar": (px(lay.w) // 4, px(lay.h - STATUSBAR_H / 2)),
            "the clock": (time_rect[0] + time_rect[2] // 2, time_rect[1] + time_rect[3] // 2),
        }
        for name, (x, y) in spots.items():
            for repeat in ("1", "2"):
                s.xdotool("mousemove", "--window", str(p.window), str(x), str(y), "click",
                          "--repeat", repeat, "--delay", "60", "1")
                time.sleep(scaled(0.3))
                if not grab_rect(p, intro_rect).same_as(intro):
                    raise Failure("a %s click on %s moved the session on"
                                  % ("double" if repeat == "2" else "single", name),
                                  {"intro-after": grab_rect(p, intro_rect)})
        # A quick double-click on the intro text is one click: it stops where the issue is
        # chosen instead of skipping on to the rating.
        s.xdotool("mousemove", "--window", str(p.window), str(intro_rect[0] + 40),
                  str(intro_rect[1] + 40), "click", "--repeat", "2", "--delay", "60", "1")
        wait_for(lambda: not grab_rect(p, intro_rect).same_as(intro), scaled(5),
                 "the intro text to go after a double-click on it")
        time.sleep(scaled(0.5))
        if issue_options_showing(p, lay) < 30:
            raise Failure("a double-click on the intro text moved past the issue list",
                          {"window": p.grab()})


def case_maximized_start(program_path):
    with Session("maximized_start", program_path) as s:
        config, runtime = s.new_folders()
        write_position(config, 1500, 1500, 17280, 11715, 2)
        # No window manager activates it and the test does not focus it: it must do so itself.
        p = s.start(config, runtime, wait_window=False)
        p.window = s.wait_new_main_window(set(), p.process)
        # Without a window manager the maximized state is only a request: nobody resizes the
        # window, but it must still take the focus and the keys.
        wait_for(lambda: s.x.focus() == p.window, scaled(5), "the maximized window to take the "
                 "keyboard focus")
        lay = layout_of(p)
        intro_rect = Layout.pixels(lay.intro)
        intro = grab_rect(p, intro_rect)
        p.key("space")
        wait_for(lambda: not grab_rect(p, intro_rect).same_as(intro), scaled(5),
                 "Space to move the maximized window's session on")
        wait_for(lambda: issue_options_showing(p, lay) >= 30, scaled(5), "the issue list")


def case_position_off_screen(program_path):
    with Session("position_off_screen", program_path) as s:
        config, runtime = s.new_folders()
        sw, sh = s.x.screen_size
        # A monitor to the right that is no longer there.
        path = write_position(config, (sw + 300) * 15, 300, 17280, 11715, 0)
        with open(path) as f:
            saved = f.read()
        p = s.start(config, runtime)
        x, y, w, h = p.geometry()
        cx, cy = (sw - 17280 / 15) / 2, (sh - 11715 / 15) / 2
        if abs(x - cx) > 1 or abs(y - cy) > 1:
            raise Failure("a place on no screen opened at %d,%d; expected centred on the %dx%d "
                          "screen at %.1f,%.1f" % (x, y, sw, sh, cx, cy))
        with open(p.settings_file) as f:
            if f.read() != saved:
                raise Failure("the settings were rewritten before the window closed")


def case_client_area_layout(program_path):
    with Session("client_area_layout", program_path, wm=True) as s:
        p = s.start()
        if p.outer_size() != (OPENING_W_PX, OPENING_H_PX):
            raise Failure("the window opened at %s outer size, expected %dx%d"
                          % (p.outer_size(), OPENING_W_PX, OPENING_H_PX))
        _, _, w, h = p.geometry()
        lay = enter_first_point(p)
        # The lower Pause button, 1215 x 480 twips, centred, its bottom on the status bar's top:
        # it fills the gap under the panels and never straddles the bar.
        status_top = px(lay.h - STATUSBAR_H)
        x, y, bw, bh = Layout.pixels((lay.w / 2 - 1215 / 2, lay.h - STATUSBAR_H - 480, 1215, 480))
        shot = p.grab(x, 0, bw, h)

        def edge(row):
            return sum(1 for c in range(bw) if shot.g[row * bw + c] < 235) > bw * 2 // 3

        edges = [row for row in range(status_top - bh - 30, status_top) if edge(row)]
        if not edges or edges[-1] != status_top - 1 or edges[0] != status_top - bh:
            raise Failure("the lower Pause button should span rows %d to %d, above the status "
                          "bar at row %d; its edges are at rows %s"
                          % (status_top - bh, status_top - 1, status_top, edges),
                          {"window": p.grab()})
        caption = [row for row in range(edges[0] + bh // 2, edges[-1])
                   if any(shot.g[row * bw + c] < 160 for c in range(bw))]
        if not caption:
            raise Failure("the lower Pause button shows no caption", {"window": p.grab()})
        # Every other control of the step lies inside: the menu button and the clock.
        for name, rect in (("menu button", lay.menu_button), ("clock", lay.time_label)):
            rx, ry, rw, rh = Layout.pixels(rect)
            if rx < 0 or ry < 0 or rx + rw > w or ry + rh > h:
                raise Failure("the %s at %s lies outside the %dx%d client area"
                              % (name, (rx, ry, rw, rh), w, h))


def case_menu_keys(program_path):
    """The Menu key and Shift+F10 open the status bar's menu with its first item chosen."""
    with Session("menu_keys", program_path) as s:
        p = s.start()

        def popups():
            return {w.id: w for w in s.x.windows()
                    if w.override_redirect and w.viewable and w.width > 20 and w.height > 20}

        for key in ("Menu", "shift+F10"):
            p.focus()
            before = set(popups())
            p.key(key)
            menu = wait_for(lambda: [w for i, w in popups().items() if i not in before],
                            scaled(5), "the menu after %s" % key)[0]
            # Return takes the chosen item, Keyboard Shortcuts.
            p.key("Return")
            dialog = wait_for(lambda: [d for d in s.dialogs(exclude={p.window})
                                       if d.name == "Keboard Shortcuts"], scaled(5),
                              "the shortcuts dialog from the menu opened by %s" % key)[0]
            if s.x.is_viewable(menu.id):
                raise Failure("the menu stayed open after Return (%s)" % key)
            s.xdotool("windowfocus", "--sync", str(dialog.id), check=False)
            p.key("Escape")
            wait_for(lambda: not s.x.is_viewable(dialog.id), scaled(5),
                     "Esc to close the shortcuts dialog")
            p.focus()

def case_menu_click(program_path):
    """A click on the menu button at the foot of the window opens the menu above the button, as
    the keys do, on a screen just high enough for the window: below it there is no room."""
    with Session("menu_click", program_path, wm=True, screen="1366x768x24") as s:
        p = s.start()
        lay = layout_of(p)
        x, y, _, _ = p.geometry()
        bx, by, bw, bh = Layout.pixels(lay.menu_button)
        button = (x + bx, y + by, bw, bh)

        def popups():
            return {w.id: w for w in s.x.windows()
                    if w.override_redirect and w.viewable and w.width > 20 and w.height > 20}

        before = set(popups())
        p.click(bx + bw // 2, by + bh // 2)
        menu = wait_for(lambda: [w for i, w in popups().items() if i not in before], scaled(5),
                        "the menu after a click on its button")[0]
        shot = s.x.screenshot()
        if menu.y + menu.height > button[1]:
            raise Failure("the menu at %dx%d+%d+%d reaches below the top of its button at %s"
                          % (menu.width, menu.height, menu.x, menu.y, button), {"menu": shot})
        if menu.x > button[0] + button[2] or menu.x + menu.width < button[0]:
            raise Failure("the menu at %dx%d+%d+%d is not over its button at %s"
                          % (menu.width, menu.height, menu.x, menu.y, button), {"menu": shot})
        p.key("Escape")


PERSONAL_SESSION = """{"format": 1, "title": "Fear of flying",
 "setup": "Even though my hands sweat when the plane takes off, I love and accept myself.",
 "negative": ["My hands are wet.", "The engines roar."],
 "positive": ["I am safe in my seat.", "I can breathe slowly."],
 "secondsPerPoint": 3, "round": "one-side"}
"""


def marker_span(program, top_left, colour, seconds):
    """The seconds from the first to the last screenshot in which the marker shows at top_left,
    watched until it has been gone for a second (the session moved on) or seconds have passed."""
    margin = 6
    x, y = top_left[0] - margin, top_left[1] - margin
    size = MARKER_PX + 2 * margin
    first = last = None
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        now = time.monotonic()
        if program.grab(x, y, size, size).blobs(colour):
            first = now if first is None else first
            last = now
        elif last is not None and now - last > 1.0:
            break
        time.sleep(0.02)
    return None if first is None else last - first


def case_personal_session(program_path):
    """A session of the user's own from its file in the data folder, chosen on Select Issue by
    keyboard alone: its pace of 3 seconds a point holds the first point's marker 3 seconds."""
    with Session("personal_session", program_path) as s:
        data = os.path.join(s.tmp, "data")
        sessions = os.path.join(data, "Quellbrook", "Mindrova", "sessions")
        os.makedirs(sessions)
        with open(os.path.join(sessions, "fear-of-flying.json"), "w", encoding="utf-8") as f:
            f.write(PERSONAL_SESSION)
        p = s.start(extra_env={"XDG_DATA_HOME": data})
        lay = layout_of(p)
        advance(p, lay, 1)  # Select Issue
        title = Layout.pixels(lay.title)
        before = grab_rect(p, title)
        # My sessions (Alt+M), the first session under "The issue above", and Enter for Next.
        p.key("alt+m", "Down", "Return")
        wait_for(lambda: not grab_rect(p, title).same_as(before), scaled(5),
                 "Enter on My sessions to move on to Assign SUD")
        advance(p, lay, 4)  # SUD, thymus, left hand, explanation, then the first point
        span = marker_span(p, lay.marker_top_left(TOP_HEAD), "red", scaled(8))
        if span is None:
            raise Failure("no red marker on the top of the head in the session's first point",
                          {"first-point": p.grab()})
        # Blinking, the marker shows from the point's first tick to within a blink of its end:
        # 3 s a point, against the design's 2 s.
        if not 2.5 <= span <= scaled(3.3):
            raise Failure("the first point's marker showed over %.2f s, expected about 3 s "
                          "(the session's own pace)" % span, {"after": p.grab()})


START_SESSION = """{"format": 1, "title": "Fear of flying",
 "setup": "Even though my hands sweat when the plane takes off, I love and accept myself.",
 "negative": ["My hands are wet.", "The engines roar.", "The doors close."],
 "positive": ["I am safe in my seat."]}
"""


def wait_dialogs(s, program, count, what):
    """Waits until count windows other than the session window are mapped; returns them."""
    def shown():
        dialogs = s.dialogs(exclude={program.window})
        return dialogs if len(dialogs) == count else None
    return wait_for(shown, scaled(10), what) if count else wait_for(
        lambda: not s.dialogs(exclude={program.window}), scaled(10), what)


def case_my_sessions_start(program_path):
    """My sessions by keyboard alone: a line of a session edited in place and moved down with
    Alt+Down, saved, and the session started from the dialog: the window is at Assign SUD, and
    back on Select Issue the line that names the session shows it is the one chosen."""
    # Under a window manager, as on a desktop: it gives the keys back to My sessions once the
    # editor over it has closed.
    with Session("my_sessions_start", program_path, wm=True) as s:
        data = os.path.join(s.tmp, "data")
        sessions = os.path.join(data, "Quellbrook", "Mindrova", "sessions")
        os.makedirs(sessions)
        path = os.path.join(sessions, "fear-of-flying.json")
        with open(path, "w", encoding="utf-8") as f:
            f.write(START_SESSION)
        p = s.start(extra_env={"XDG_DATA_HOME": data})
        lay = layout_of(p)
        advance(p, lay, 1)  # Select Issue
        title = Layout.pixels(lay.title)
        select_issue = grab_rect(p, title)
        # Where the line naming a chosen session stands: in the issue frame, in the gap between
        # the last issue (its bottom at 5730) and the own-words caption (at 7020).
        line = Layout.pixels((lay.right_panel[0] + lay.issue_frame[0] + 720,
                              lay.right_panel[1] + lay.issue_frame[1] + 5760, 6045, 1230))
        blank = ink(grab_rect(p, line))

        p.key("alt+g")
        wait_dialogs(s, p, 1, "the My sessions dialog")
        p.key("Return")  # the first session is chosen: Enter edits it
        wait_dialogs(s, p, 2, "the session editor over My sessions")
        # Title, statement, then the negative lines; Enter opens the first where it stands.
        p.key("Tab", "Tab", "Return")
        time.sleep(scaled(0.3))
        s.xdotool("type", "--delay", "20", " And cold.")
        p.key("Return", "alt+Down", "alt+s")
        wait_dialogs(s, p, 1, "the editor to close on Save")
        with open(path, encoding="utf-8") as f:
            saved = json.load(f)
        expected = ["The engines roar.", "My hands are wet. And cold.", "The doors close."]
        if saved.get("negative") != expected:
            raise Failure("the saved negative lines are %r, expected %r"
                          % (saved.get("negative"), expected), {"dialog": p.grab()})
        if saved.get("title") != "Fear of flying" or saved.get("format") != 1:
            raise Failure("the saved session changed more than its lines: %r" % saved)

        p.key("alt+t")
        wait_dialogs(s, p, 0, "Start to close My sessions")
        wait_for(lambda: not grab_rect(p, title).same_as(select_issue), scaled(5),
                 "Start to move on from Select Issue")
        started = grab_rect(p, title)
        # Back to Select Issue: the session is the one chosen, named under the greyed issues.
        p.key("alt+p")
        wait_for(lambda: grab_rect(p, title).same_as(select_issue), scaled(5),
                 "Previous to come back to Select Issue")
        named = wait_for(lambda: ink(grab_rect(p, line)) > blank + 40, scaled(5),
                         "the line naming the chosen session above the issues")
        if not named:
            raise Failure("no line names the chosen session", {"select-issue": p.grab()})
        # Next again reaches the very step Start reached: Assign SUD follows Select Issue.
        p.key("space")
        wait_for(lambda: grab_rect(p, title).same_as(started), scaled(5),
                 "Next to reach the step Start had reached (Assign SUD)")


CASES = {
    "opening_geometry": (case_opening_geometry, 40),
    "intro_click": (case_intro_click, 40),
    "colours": (case_colours, 40),
    "markers": (case_markers, 40),
    "steady_markers": (case_steady_markers, 60),
    "elapsed_time": (case_elapsed_time, 40),
    "pause_resume": (case_pause_resume, 40),
    "feedback_tooltip": (case_feedback_tooltip, 40),
    "second_instance": (case_second_instance, 90),
    "position_saved": (case_position_saved, 90),
    "minimized_close": (case_minimized_close, 60),
    "stray_clicks": (case_stray_clicks, 40),
    "maximized_start": (case_maximized_start, 60),
    "position_off_screen": (case_position_off_screen, 60),
    "client_area_layout": (case_client_area_layout, 40),
    "menu_keys": (case_menu_keys, 40),
    "menu_click": (case_menu_click, 40),
    "personal_session": (case_personal_session, 50),
    "my_sessions_start": (case_my_sessions_start, 60),
}


def main(argv):
    if len(argv) != 3 or (argv[2] not in CASES and argv[2] != "all"):
        sys.stderr.write("usage: %s PROGRAM {%s|all}\n" % (argv[0], "|".join(CASES)))
        return 2
    names = list(CASES) if argv[2] == "all" else [argv[2]]
    status = 0
    for name in names:
        body, budget = CASES[name]
        print("== %s" % name, flush=True)
        status |= run_with_deadline(scaled(budget), lambda: body(argv[1]))
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
