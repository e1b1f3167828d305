#!/usr/bin/env python3
"""Contrast as the screen shows it: the program in a dark or high-contrast look, a few steps of a
session, and every shown text measured from the screen's pixels.

    screen_contrast.py PROGRAM LOOK      LOOK: dark or high-contrast

For each text label the layout probe reports (MINDROVA_LAYOUT_PROBE), the commonest colour in
its rectangle is taken for the background and the pixel that contrasts most with it for the
text; the ratio between them (as the web's accessibility guidelines define it) must be at least
4.5:1 in the dark look and 7:1 in high contrast. The blinking marker of the first point, the
colour that comes and goes, must stand at least 3:1 against what it covers, and so must every
indicator of a control's state: the option buttons' rings, the combo box's arrow and the menu's
check boxes, none of them ticked. A screenshot of each
measured step is kept under the artifacts folder (MINDROVA_ACCEPTANCE_ARTIFACTS), failing or not.
"""

import os
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled  # noqa: E402
from screen_matrix import Probe  # noqa: E402
from window_tests import TOP_HEAD, layout_of  # noqa: E402

TEXT_RATIO = {"dark": 4.5, "high-contrast": 7.0}
MARKER_RATIO = 3.0
# What shows a control's state (a check box, an option button's ring, the combo box's arrow)
# keeps at least this against its background, ticked or not.
INDICATOR_RATIO = 3.0
MENU_CHECK_BOXES = ("mnuPopUpJournalKeep", "mnuPopUpSpeech", "mnuPopUpSteadyMarkers")
# Space walks from the intro to the issue list, the rating, the thymus, the left hand, the
# explanation and the first point of a round; the texts are measured on the first three and the
# last.
MEASURED_AFTER = {0: "intro", 1: "issue", 2: "rating", 6: "first point"}


def luminance(rgb):
    def channel(v):
        c = v / 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def pixels(image):
    return list(zip(image.r, image.g, image.b))


def commonest(colours):
    counts = {}
    for c in colours:
        counts[c] = counts.get(c, 0) + 1
    return max(counts, key=counts.get)


def text_contrast(image):
    """(background, text colour, ratio), or None for a rectangle of one colour only."""
    colours = pixels(image)
    background = commonest(colours)
    text = max(set(colours), key=lambda c: ratio(c, background))
    if text == background:
        return None
    return background, text, ratio(text, background)


def marker_contrast(frames):
    """The colour that comes and goes between frames against what it covers, or None."""
    for a in frames:
        for b in frames:
            changed = [i for i, (pa, pb) in enumerate(zip(pixels(a), pixels(b))) if pa != pb]
            if len(changed) < 20:
                continue
            # The frame whose changed pixels are the more strongly coloured shows the marker.
            shown, hidden = (a, b) if _vividness(a, changed) >= _vividness(b, changed) else (b, a)
            marker = commonest([pixels(shown)[i] for i in changed])
            covered = commonest([pixels(hidden)[i] for i in changed])
            return marker, covered, ratio(marker, covered)
    return None


def _vividness(image, indexes):
    colours = pixels(image)
    return sum(max(colours[i]) - min(colours[i]) for i in indexes)


def measure_texts(s, report, look, state, problems):
    measured = 0
    for name, text in sorted(report["texts"].items()):
        rect = report["controls"].get(name)
        if not text.strip() or rect is None or rect[2] < 2 or rect[3] < 2:
            continue
        image = s.x.grab(*rect)
        found = text_contrast(image)
        if found is None:
            problems.append("%s, %s: no text to be seen (%r)" % (state, name, text[:40]))
            continue
        measured += 1
        background, colour, value = found
        if value < TEXT_RATIO[look]:
            problems.append("%s, %s: %.2f:1 (text %s on %s) for %r"
                            % (state, name, value, colour, background, text[:40]))
    return measured


def indicator_contrast(s, rect):
    """(background, indicator colour, ratio) in a rectangle of the screen, or None."""
    return text_contrast(s.x.grab(*rect))


def measure_indicators(s, report, state, problems):
    """The option buttons' rings (their left square) and the combo box's arrow (its right
    end)."""
    places = []
    for name, rect in sorted(report["controls"].items()):
        x, y, w, h = rect
        if w < 8 or h < 8:
            continue
        if name.startswith("radMode(") or name.startswith("radSUD("):
            side = min(h, 18)
            places.append((name, (x, y + (h - side) // 2, side, side)))
        elif name == "cboPersonalSession":
            places.append((name + " arrow", (x + w - 20, y + 3, 16, h - 6)))
    for name, rect in places:
        found = indicator_contrast(s, rect)
        if found is None or found[2] < INDICATOR_RATIO:
            problems.append("%s, %s: %s" % (state, name, "nothing to be seen" if found is None
                                             else "%.2f:1 (%s on %s)" % (found[2], found[1],
                                                                         found[0])))
    return len(places)


def measure_menu(s, p, probe, problems):
    """The menu's check boxes, none of them ticked, each against the menu."""
    report = probe.settled(scaled(15))
    x, y, w, h = report["controls"]["cmdNav"]
    s.xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    report = probe.after(time.time() + scaled(0.5), scaled(10))
    measured = 0
    for name in MENU_CHECK_BOXES:
        rect = report["actions"].get(name)
        if rect is None:
            problems.append("menu: no item %s" % name)
            continue
        # The box sits in the item's left end, before its text.
        found = indicator_contrast(s, (rect[0] + 2, rect[1] + 2, 26, rect[3] - 4))
        measured += 1
        if found is None or found[2] < INDICATOR_RATIO:
            problems.append("menu, %s: %s" % (name, "no box to be seen" if found is None
                                              else "%.2f:1 (%s on %s)" % (found[2], found[1],
                                                                          found[0])))
    s.x.screenshot().save_png(os.path.join(s.artifacts, "menu.png"), level=1)
    p.key("Escape")
    return measured


def run(program_path, look):
    with Session("screen_contrast-" + look, program_path, screen="1366x768x24") as s:
        probe_path = os.path.join(s.tmp, "probe.txt")
        config, runtime = s.new_folders()
        os.makedirs(os.path.join(config, "Quellbrook"))
        with open(os.path.join(config, "Quellbrook", "Mindrova.conf"), "w",
                  encoding="utf-8") as f:
            f.write("[Display]\nAppearance=%s\n" % look)
        p = s.start(config_home=config, runtime_dir=runtime,
                    extra_env={"MINDROVA_LAYOUT_PROBE": probe_path})
        probe = Probe(probe_path)
        problems, measured, indicators = [], 0, 0
        for presses in range(7):
            if presses:
                p.key("space")
            state = MEASURED_AFTER.get(presses)
            if state:
                report = probe.settled(scaled(15))
                os.makedirs(s.artifacts, exist_ok=True)
                shot = "%d-%s.png" % (presses, state.replace(" ", "-"))
                s.x.screenshot().save_png(os.path.join(s.artifacts, shot), level=1)
                measured += measure_texts(s, report, look, state, problems)
                indicators += measure_indicators(s, report, state, problems)
                if state == "issue":
                    indicators += measure_menu(s, p, probe, problems)
        # The first point's marker blinks: watch it come and go for a second.
        left, top = layout_of(p).marker_top_left(TOP_HEAD)
        frames = []
        deadline = time.monotonic() + scaled(1.2)
        while time.monotonic() < deadline:
            frames.append(p.grab(left - 6, top - 6, 28, 28))
            time.sleep(0.05)
        marker = marker_contrast(frames[::2] + frames[1::2])
        if marker is None:
            problems.append("first point: no marker came and went at the top of the head")
        elif marker[2] < MARKER_RATIO:
            problems.append("first point: the marker stands %.2f:1 (%s on %s)"
                            % (marker[2], marker[0], marker[1]))
        if measured < 8:
            problems.append("only %d texts measured" % measured)
        if indicators < 20:
            problems.append("only %d indicators measured" % indicators)
        if problems:
            raise Failure("%d contrast problems in the %s look:\n  %s"
                          % (len(problems), look, "\n  ".join(problems)),
                          {"marker-%d" % i: f for i, f in enumerate(frames[:4])})
        print("%d texts at least %.1f:1, %d indicators at least %.1f:1, the marker %.2f:1 (%s "
              "on %s)" % (measured, TEXT_RATIO[look], indicators, INDICATOR_RATIO, marker[2],
                          marker[0], marker[1]))


def main(argv):
    if len(argv) != 3 or argv[2] not in TEXT_RATIO:
        sys.stderr.write(__doc__)
        return 2
    return run_with_deadline(scaled(60), lambda: run(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
