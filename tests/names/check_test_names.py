#!/usr/bin/env python3
"""Every registered test has a name that stays the same from one build to the next.

A value-parameterised GoogleTest row whose type has no printer is listed as
"GetParam() = 32-byte object <E3-C0 ...>": the bytes are pointers and padding, so the name changes
with every build, and neither a failure report nor `ctest --rerun-failed` names the same row twice.
The cure is a PrintTo(const Row&, std::ostream*) beside the row type that prints the row's name.

    check_test_names.py CTEST BUILD_DIR   check the tests registered in the build tree
    check_test_names.py --self-test       check that the check catches what it should
"""

import re
import subprocess
import sys

LISTED = re.compile(r"^\s*Test\s+#\d+: (.*?)\s*$")
RAW_BYTES = re.compile(r"\b\d+-byte object <")


def unstable_names(listing):
    """The names in a `ctest -N` listing that carry a row's raw bytes."""
    names = []
    for line in listing.splitlines():
        listed = LISTED.match(line)
        if listed and RAW_BYTES.search(listed.group(1)):
            names.append(listed.group(1))
    return names


def self_test():
    listing = "\n".join([
        "Test project /build",
        "  Test   #1: Steps/Table.Length/TopHead1  # GetParam() = TopHead1",
        "  Test   #2: Rows/Keys.Decide/N_Running  # GetParam() = 16-byte object "
        "<4E-00 00-00 00-00 00-00 A0-1B 5C-3D 2E-56 00-00>",
        "  Test   #3: layers_hold",
        "  Test #104: Faults/Damaged.Kept/Cut  # GetParam() = 8-byte object <10-FB 5A-CC 70-55 00-00>",
        "  Test #105: Texts/Quote.Says/TheByteObjectWord  # GetParam() = a 1-byte objection",
        "",
        "Total Tests: 5",
    ])
    found = unstable_names(listing)
    expected = [
        "Rows/Keys.Decide/N_Running  # GetParam() = 16-byte object "
        "<4E-00 00-00 00-00 00-00 A0-1B 5C-3D 2E-56 00-00>",
        "Faults/Damaged.Kept/Cut  # GetParam() = 8-byte object <10-FB 5A-CC 70-55 00-00>",
    ]
    if found != expected:
        print("the check found:\n  " + "\n  ".join(found))
        print("it should have found:\n  " + "\n  ".join(expected))
        return 1
    print("the check finds both planted names and passes the others")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    listing = subprocess.run([argv[1], "--test-dir", argv[2], "-N"], capture_output=True,
                             text=True, check=False)
    if listing.returncode != 0 or "Total Tests:" not in listing.stdout:
        print(listing.stdout + listing.stderr)
        print("ctest could not list the tests")
        return 1
    names = unstable_names(listing.stdout)
    for name in names:
        print("named by its bytes, not by a printer: " + name)
    if names:
        print("%d test names change between builds: give the row type a "
              "PrintTo(const Row&, std::ostream*) that prints its name" % len(names))
        return 1
    print("every test name is stable")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
