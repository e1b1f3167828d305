#!/usr/bin/env python3
"""Spoken guidance on a desktop in another language than English, with an engine that has no voice
of it: the real program, started as a user starts it from a desktop set to the language, is told
to speak with V. flite, the engine chosen in the settings, has English voices only; reading the
session's texts with an English voice would garble them, so the program must stay silent and say
why, calmly and in the desktop's language, in its status bar, and go on with the session.

Usage: voice_language.py PROGRAM {de|es|fr}

What the program shows is read from its layout probe (MINDROVA_LAYOUT_PROBE). The case fails
when the notice does not show within the probe's wait, when it is not in the desktop's language,
when the session no longer moves on with Space, or when the program does not end as its window
is closed.
"""

import os
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from full_disk import Probe  # noqa: E402
from harness import Failure, Session, run_with_deadline, scaled  # noqa: E402

# The desktop's locale for each language.
CASES = {"de": "de_DE.UTF-8", "es": "es_ES.UTF-8", "fr": "fr_FR.UTF-8"}
NOTICE = "lblSpeechNotice"
TITLE = "lblSegmentTitle"
TRANSLATIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                            "translations")


def translated(language, context, source):
    """The text the program shows for source in the language, as its translation file has it."""
    path = os.path.join(TRANSLATIONS, "mindrova_%s.ts" % language)
    for element in ET.parse(path).getroot().iter("context"):
        if element.findtext("name") != context:
            continue
        for message in element.iter("message"):
            if message.findtext("source") == source:
                return message.findtext("translation")
    raise Failure("%s has no translation of %r" % (path, source))


def run(program_path, language):
    locale = CASES[language]
    words = translated(language, "Speech", "No voice here speaks the language of this program, "
                                           "so spoken guidance stays silent.")
    title = translated(language, "Steps", "Select Issue")
    with Session("voice_language_" + language, program_path) as s:
        config, runtime = s.new_folders()
        settings = os.path.join(config, "Quellbrook", "Mindrova.conf")
        os.makedirs(os.path.dirname(settings), exist_ok=True)
        with open(settings, "w", encoding="utf-8") as f:
            f.write("[Speech]\nEnabled=0\nEngine=flite\n")
        probe = Probe(os.path.join(s.tmp, "probe.txt"))
        p = s.start(config, runtime, extra_env={"LANGUAGE": language, "LC_ALL": locale,
                                                "MINDROVA_LAYOUT_PROBE": probe.path})
        probe.wait(lambda w, t: t, "the first layout report")
        p.key("v")
        _, texts = probe.wait(lambda w, t: t.get(NOTICE), "a spoken guidance notice")
        notice = texts[NOTICE]
        if notice != words:
            raise Failure("the notice is not the calm one in the desktop's language: expected "
                          "%r, shown %r" % (words, notice))

        # The session goes on without a voice, in the desktop's language: Space still moves on.
        p.key("space")
        probe.wait(lambda w, t: t.get(TITLE) == title, "the step %r after the notice" % title)
        # Exit's underlined letter is the translation's own; the close box is the same everywhere.
        s.x.send_close(p.window)
        p.wait_exit()


def main(argv):
    if len(argv) != 3 or argv[2] not in CASES:
        sys.stderr.write("usage: %s PROGRAM {%s}\n" % (argv[0], "|".join(CASES)))
        return 2
    return run_with_deadline(scaled(40), lambda: run(argv[1], argv[2]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
