#!/usr/bin/env python3
"""Follow the round on the real window: turned on from the status bar's menu with real keys, then
on three points of a negative round and two of a positive one the line that stands out in the
instructions and the place under the point's name are read through the layout probe, which
reports what each label shows.

    follow_round.py PROGRAM CASE     (CASE: menu_keys)
"""

import html
import os
import re
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import Failure, Session, run_with_deadline, scaled, wait_for  # noqa: E402
from screen_matrix import Probe  # noqa: E402
from window_tests import advance, layout_of  # noqa: E402

NEGATIVE = ["My hands are wet.", "The engines roar.", "I cannot get out."]
POSITIVE = ["I am safe in my seat.", "I can breathe slowly."]
SESSION = """{"format": 1, "title": "Fear of flying",
 "setup": "Even though my hands sweat when the plane takes off, I love and accept myself.",
 "negative": ["My hands are wet.", "The engines roar.", "I cannot get out."],
 "positive": ["I am safe in my seat.", "I can breathe slowly."],
 "secondsPerPoint": 3, "round": "full"}
"""
DOT = "\u00b7"
SAID = re.compile(r'<span style="color:(#[0-9a-f]{6}); font-weight:700;">(.*?)</span>')


def said_lines(report):
    """The lines that stand out in the instructions, with their colours."""
    text = report["texts"].get("lblLeftFrame", "")
    return [(colour, html.unescape(line)) for colour, line in SAID.findall(text)]


def turn_on_with_keys(s, p, probe):
    """The Menu key opens the menu with its first item chosen; Down to "Follow the round",
    counted from the items the probe reports in their order on the screen, and Return."""
    p.focus()
    p.key("Menu")
    menu = wait_for(lambda: (lambda r: r if r and "mnuPopUpFollowRound" in r["actions"] else None)(
        probe.read()), scaled(5), "the menu to open on the Menu key")
    items = sorted((box[1], name) for name, box in menu["actions"].items()
                   if name != "mnuPopUpSep")
    downs = [name for _, name in items].index("mnuPopUpFollowRound")
    for _ in range(downs):
        p.key("Down")
    p.key("Return")
    wait_for(lambda: (lambda r: r and "mnuPopUpFollowRound" not in r["actions"])(probe.read()),
             scaled(5), "the menu to close on Return")
    conf = os.path.join(p.config_home, "Quellbrook", "Mindrova.conf")
    wait_for(lambda: os.path.exists(conf) and "FollowRound=1" in open(conf).read(), scaled(5),
             "[Display] FollowRound=1 in the settings file")


def read_point(p, probe, position, line, positive):
    """Waits for the point's place under its name, then checks the one line that stands out."""
    report = wait_for(lambda: (lambda r: r if r and r["texts"].get("lblRoundPosition") == position
                               else None)(probe.read()),
                      scaled(8), "the place %r under the point's name" % position)
    said = said_lines(report)
    if [text for _, text in said] != [line]:
        raise Failure("at %r the instructions set apart %r, expected only %r"
                      % (position, said, line), {"point": p.grab()})
    colour = said[0][0]
    red, green = int(colour[1:3], 16), int(colour[3:5], 16)
    if (green > red) != positive:
        raise Failure("at %r the said line is drawn in %s, not the round's %s"
                      % (position, colour, "green" if positive else "red"), {"point": p.grab()})
    print("%s: %s (%s)" % (position, line, colour))


def case_menu_keys(program_path):
    with Session("follow_round", program_path) as s:
        data = os.path.join(s.tmp, "data")
        sessions = os.path.join(data, "Quellbrook", "Mindrova", "sessions")
        os.makedirs(sessions)
        with open(os.path.join(sessions, "fear-of-flying.json"), "w", encoding="utf-8") as f:
            f.write(SESSION)
        probe_path = os.path.join(s.tmp, "probe.txt")
        p = s.start(extra_env={"XDG_DATA_HOME": data, "MINDROVA_LAYOUT_PROBE": probe_path})
        probe = Probe(probe_path)
        lay = layout_of(p)
        turn_on_with_keys(s, p, probe)
        advance(p, lay, 1)  # Select Issue
        # My sessions (Alt+M), the session under "The issue above", and Enter for Next.
        p.key("alt+m", "Down", "Return")
        wait_for(lambda: (lambda r: r and r["texts"].get("lblSegmentTitle") == "Assign SUD")(
            probe.read()), scaled(5), "Enter on My sessions to move on to Assign SUD")
        advance(p, lay, 4)  # thymus, left hand, explanation, then the first point
        for point in range(3):
            read_point(p, probe, "Point %d of 16 %s Round 1 of 2" % (point + 1, DOT),
                       NEGATIVE[point % len(NEGATIVE)], False)
        # Next leaves the negative rounds for the relaxation, and Next again starts the first
        # positive round.
        advance(p, lay, 2)
        for point in range(2):
            read_point(p, probe, "Point %d of 16 %s Round 1" % (point + 1, DOT),
                       POSITIVE[point % len(POSITIVE)], True)


CASES = {"menu_keys": (case_menu_keys, 60)}


def main(argv):
    if len(argv) != 3 or argv[2] not in CASES:
        sys.stderr.write("usage: %s PROGRAM {%s}\n" % (argv[0], "|".join(CASES)))
        return 2
    body, budget = CASES[argv[2]]
    return run_with_deadline(scaled(budget), lambda: body(argv[1]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
