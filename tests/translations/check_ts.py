#!/usr/bin/env python3
"""Checks the program's translation files against each other and against the code.

  check_ts.py --lupdate LUPDATE --root SOURCE_ROOT --sources LIST_FILE TS_FILE...
  check_ts.py --wording TS_FILE...
  check_ts.py --self-test --lupdate LUPDATE

Fails on an entry left unfinished, an obsolete or vanished entry, a translation that drops or adds
a placeholder (%1, %n, ...), a text of the code that the .ts file lacks, and an entry whose text
the code no longer has. The last two come from running lupdate over the sources into a copy of each
file and comparing the entries, so the check sees texts exactly as lupdate does.

--wording checks the words of each mindrova_<lang>.ts against the lists kept beside it (see
wording.py): every term of glossary_<lang>.tsv translated the one way the glossary gives, and, where
gendered_<lang>.txt exists, no line the user says or is told in the session that only fits one
gender.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import wording  # noqa: E402

PLACEHOLDER = re.compile(r"%L?(\d{1,2}|n)")


def placeholders(text):
    return sorted(set(m.group(1) for m in PLACEHOLDER.finditer(text or "")))


def entries(path):
    """{(context, source, comment): message element} of one .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = message
    return found


def describe(key):
    context, source, comment = key
    return "[%s] %r%s" % (context, source, " (%s)" % comment if comment else "")


def translation_faults(path):
    faults = []
    for key, message in entries(path).items():
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("obsolete", "vanished"):
            faults.append("%s: %s entry %s" % (path, kind, describe(key)))
            continue
        if kind == "unfinished":
            faults.append("%s: unfinished %s" % (path, describe(key)))
            continue
        forms = translation.findall("numerusform") if message.get("numerus") == "yes" else []
        texts = [form.text for form in forms] if forms else [translation.text]
        wanted = placeholders(key[1])
        for text in texts:
            if not (text or "").strip():
                faults.append("%s: empty translation of %s" % (path, describe(key)))
            elif placeholders(text) != wanted:
                faults.append("%s: placeholders %s instead of %s in the translation of %s"
                              % (path, placeholders(text), wanted, describe(key)))
    return faults


def coverage_faults(path, lupdate, root, sources):
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, os.path.basename(path))
        shutil.copyfile(path, copy)
        listing = os.path.join(scratch, "sources.lst")
        with open(listing, "w", encoding="utf-8") as out:
            out.write("\n".join(sources) + "\n")
        run = subprocess.run([lupdate, "-silent", "-I", root, "-locations", "none", "-no-obsolete",
                              "@" + listing, "-ts", copy],
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if run.returncode != 0:
            return ["lupdate failed on %s:\n%s" % (path, run.stdout)]
        kept, code = set(entries(path)), set(entries(copy))
    faults = ["%s: text of the code missing: %s" % (path, describe(k)) for k in sorted(code - kept)]
    faults += ["%s: text no longer in the code: %s" % (path, describe(k))
               for k in sorted(kept - code)]
    return faults


def check(ts_files, lupdate, root, sources):
    faults = []
    for path in ts_files:
        faults += translation_faults(path)
        faults += coverage_faults(path, lupdate, root, sources)
    return faults


TS_HEAD = '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="de_DE">\n'


def ts_text(messages):
    body = "".join("<context><name>%s</name>%s</context>\n" % (ctx, "".join(items))
                   for ctx, items in messages.items())
    return TS_HEAD + body + "</TS>\n"


def message(source, translation, kind=None):
    attr = ' type="%s"' % kind if kind else ""
    return "<message><source>%s</source><translation%s>%s</translation></message>" % (
        source, attr, translation)


def self_test(lupdate):
    """Plants each fault the check must find, and one file it must pass."""
    code = ('#include <QCoreApplication>\n'
            'QString A() { return QCoreApplication::translate("Steps", "Take a deep breath."); }\n'
            'QString B(int n) { return QCoreApplication::translate("Steps", "Round %1").arg(n); }\n')
    good = {"Steps": [message("Take a deep breath.", "Atme tief durch."),
                      message("Round %1", "Runde %1")]}
    cases = {
        "sound": (good, None),
        "unfinished": ({"Steps": [message("Take a deep breath.", "", "unfinished"),
                                  message("Round %1", "Runde %1")]}, "unfinished"),
        "obsolete": ({"Steps": good["Steps"] + [message("Gone", "Weg", "obsolete")]}, "obsolete"),
        "vanished": ({"Steps": good["Steps"] + [message("Gone", "Weg", "vanished")]}, "vanished"),
        "no longer in the code": ({"Steps": good["Steps"] + [message("Gone", "Weg")]},
                                  "no longer in the code"),
        "dropped %1": ({"Steps": [message("Take a deep breath.", "Atme tief durch."),
                                  message("Round %1", "Runde")]}, "placeholders"),
        "added %2": ({"Steps": [message("Take a deep breath.", "Atme tief durch. %2"),
                                message("Round %1", "Runde %1")]}, "placeholders"),
        "missing text": ({"Steps": [message("Round %1", "Runde %1")]}, "text of the code missing"),
    }
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, "steps.cpp")
        with open(source, "w", encoding="utf-8") as out:
            out.write(code)
        for name, (messages, expected) in cases.items():
            path = os.path.join(scratch, "planted.ts")
            with open(path, "w", encoding="utf-8") as out:
                out.write(ts_text(messages))
            faults = check([path], lupdate, scratch, [source])
            if expected is None and faults:
                failures.append("%s: unexpected faults %s" % (name, faults))
            if expected is not None and not any(expected in f for f in faults):
                failures.append("%s: not found (got %s)" % (name, faults))
    for failure in failures:
        print("self-test:", failure)
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--root")
    parser.add_argument("--sources")
    parser.add_argument("--self-test", action="store_true")
    parser.add_argument("--wording", action="store_true")
    parser.add_argument("ts_files", nargs="*")
    args = parser.parse_args()
    if not args.wording and not args.lupdate:
        parser.error("--lupdate is needed but with --wording")
    if args.self_test:
        return self_test(args.lupdate) | wording.self_test()
    if args.wording:
        faults = []
        for path in args.ts_files:
            faults += wording.check(path)
        for fault in faults:
            print(fault)
        if faults:
            print("%d fault(s) in the wording. Each names the list it breaks: the glossary or the "
                  "gendered forms beside the file." % len(faults))
        return 1 if faults else 0
    with open(args.sources, encoding="utf-8") as listing:
        sources = [line.strip() for line in listing if line.strip()]
    faults = check(args.ts_files, args.lupdate, args.root, sources)
    for fault in faults:
        print(fault)
    if faults:
        print("%d fault(s). Bring the files up to date with the update_translations target, then "
              "translate every new entry." % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
