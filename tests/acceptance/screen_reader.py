#!/usr/bin/python3
"""A screen reader's view of a session: the program on a private X server with the desktop's
accessibility bus, an AT-SPI listener recording every accessible-description change, and real
key presses through the first steps and into a round.

    screen_reader.py PROGRAM

Run inside its own D-Bus session (dbus-run-session). Exits 77 (skipped) when the AT-SPI Python
bindings or the accessibility bus are not installed.
"""

import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# Each description change is written as "focused|description" on a line of its own, and each
# notification that appears as "N|its name".
LISTENER = r'''
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib

out = open(sys.argv[1], "w", buffering=1)

def heard(event):
    if event.type.startswith("object:state-changed:showing"):
        try:
            event.source.clear_cache()
            if event.detail1 and event.source.get_role() == Atspi.Role.NOTIFICATION:
                out.write("N|%s\n" % (event.source.get_name() or "").replace("\n", " "))
        except Exception:  # noqa: BLE001 - an object gone by now is no news
            pass
        return
    try:
        focused = event.source.get_state_set().contains(Atspi.StateType.FOCUSED)
        text = event.source.get_description() or ""
    except Exception:  # noqa: BLE001 - an object gone by now is no news
        return
    out.write("%d|%s\n" % (focused, text.replace("\n", " ")))

listener = Atspi.EventListener.new(heard)
listener.register("object:property-change:accessible-description")
listener.register("object:state-changed:showing")
out.write("ready|\n")
Atspi.event_main()
'''

EXPECTED = [
    "Step: Select Issue",
    "Step: Assign SUD",
    "Step: Stimulate Thymus",
    "Step: Affirmation Statement, Karate chop - Left Hand",
    "Step: Explanation of Negative Sequence",
    "Point 1 of 16: Top Head. Say: ",
    "Point 2 of 16: Left Eyebrow. Say: ",
]


def heard_line(events, wanted, notification=False):
    """Whether the listener has written a description change (or a notification) that starts
    with wanted."""
    with open(events, encoding="utf-8") as f:
        return any(line.split("|", 1)[-1].startswith(wanted) for line in f
                   if line.startswith("N|") == notification)


def ours(text):
    return text.startswith("Step: ") or text.startswith("Point ")


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    try:
        import gi  # noqa: F401
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError):
        print("skipped: the AT-SPI Python bindings (python3-gi, gir1.2-atspi-2.0) are missing")
        return SKIPPED
    if not os.access(BUS_LAUNCHER, os.X_OK) or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        print("skipped: no accessibility bus launcher (at-spi2-core) or no D-Bus session")
        return SKIPPED

    import harness
    from window_tests import advance, layout_of

    def body():
        with harness.AccessibleSession("screen_reader", argv[1]) as s:
            bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
            events = os.path.join(s.tmp, "heard.txt")
            listener = subprocess.Popen([sys.executable, "-c", LISTENER, events],
                                        stdin=subprocess.DEVNULL, env=s._base_env())
            try:
                harness.wait_for(lambda: os.path.exists(events) and
                                 open(events).read().startswith("ready"), harness.scaled(10),
                                 "the AT-SPI listener to start")
                p = s.start()
                lay = layout_of(p)
                # The listener reads a changed description when it gets to the event, so each
                # step is taken only once the line of the one before has been heard: a step taken
                # sooner would be read in its place (a sanitizer's build runs slowly enough).
                def hear(wanted):
                    harness.wait_for(lambda: heard_line(events, wanted), harness.scaled(5),
                                     "the listener to hear %r" % wanted)
                    harness.wait_for(lambda: heard_line(events, wanted, notification=True),
                                     harness.scaled(5), "the notification %r" % wanted)

                for wanted in EXPECTED[:-1]:
                    advance(p, lay, 1)
                    hear(wanted)
                # The round's timer moves on to the second point two seconds in.
                hear(EXPECTED[-1])
                lines = [line.rstrip("\n").split("|", 1) for line in open(events)][1:]
            finally:
                listener.terminate()
                bus.terminate()
                listener.wait(10)
                bus.wait(10)
            notified = [text for kind, text in lines if kind == "N"]
            heard = [(focused == "1", text) for focused, text in lines
                     if focused != "N" and ours(text)]
            texts = [text for _, text in heard]
            position = 0
            for wanted in EXPECTED:
                found = [i for i in range(position, len(texts)) if texts[i].startswith(wanted)]
                if not found:
                    raise harness.Failure(
                        "the screen reader never heard %r after %r; it heard:\n  %s"
                        % (wanted, texts[position - 1] if position else None,
                           "\n  ".join(texts)))
                position = found[0] + 1
            # The opening step is described on the window before it has the focus.
            unfocused = [text for focused, text in heard if not focused and text != "Step: Intro"]
            if unfocused:
                raise harness.Failure("lines put on controls without the focus: %s" % unfocused)
            twice = [a for a, b in zip(texts, texts[1:]) if a == b]
            if twice:
                raise harness.Failure("lines announced twice in a row: %s" % twice)
            # The same lines appear as a notification, which screen readers read wherever the
            # focus is (with Qt before 6.8, whose description changes carry no text).
            position = 0
            for wanted in EXPECTED:
                found = [i for i in range(position, len(notified))
                         if notified[i].startswith(wanted)]
                if not found:
                    raise harness.Failure("no notification said %r; the notifications said:\n  %s"
                                          % (wanted, "\n  ".join(notified)))
                position = found[0] + 1
            print("heard %d lines, every one on the focused control, none twice, and %d "
                  "notifications" % (len(texts), len(notified)))

    return harness.run_with_deadline(harness.scaled(60), body)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
