#!/usr/bin/env python3
"""The program's folders and the edges between them, as folders.txt lists them: each folder, the
Qt modules it may use, and the folders it may include from ("*": any; "-": none).

This check fails when
  - folders.txt itself is wrong: a folder missing from the tree, an edge to a folder not listed
    or listed after it (the list is the build order), or a cycle;
  - a source file of a listed folder includes a header of a folder it may not use, or of no
    listed folder at all (a test fixture, say);
  - it includes a Qt header of a module its folder may not use;
  - a folder's CMakeLists.txt links a library of a folder it may not use, or a Qt module beyond
    its own.

    check_layers.py SOURCE_DIR QTCORE_INCLUDE_DIR   check the source tree
    check_layers.py --self-test QTCORE_INCLUDE_DIR  check that the check catches what it should
"""

import os
import re
import sys
import tempfile

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
# Qt's own module prefix form, <QtWidgets/QLabel> or <QtGui/qcolor.h>.
QT_MODULE_PATH = re.compile(r"^(Qt[A-Za-z]+)/")
LINKED = re.compile(r"target_link_libraries\s*\(([^)]*)\)", re.DOTALL)
ADDED = re.compile(r"add_library\s*\(\s*([A-Za-z0-9_]+)")
CMAKE_COMMENT = re.compile(r"#[^\n]*")


class Folder:
    def __init__(self, name, modules, uses):
        self.name = name
        self.modules = modules  # None: any
        self.uses = uses  # None: any


def read_folders(path):
    """Returns the folders in their listed order, and the faults of the list itself."""
    folders, faults = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            words = line.split()
            name, modules, uses = words[0], [], []
            reading_modules = True
            for word in words[1:]:
                if reading_modules and (word == "*" or word[0].isupper()):
                    if word == "*":
                        modules, reading_modules = None, False
                    else:
                        modules.append(word)
                    continue
                reading_modules = False
                if word == "*":
                    uses = None
                elif word != "-" and uses is not None:
                    uses.append(word)
            folders.append(Folder(name, modules, uses))
    seen = set()
    for folder in folders:
        for used in folder.uses or []:
            if used not in {f.name for f in folders}:
                faults.append(("folders.txt", "%s uses %s, which is not listed" % (folder.name, used)))
            elif used not in seen:
                faults.append(("folders.txt",
                               "%s uses %s, which is listed after it" % (folder.name, used)))
        seen.add(folder.name)
    return folders, faults + cycles(folders)


def cycles(folders):
    """Every cycle of the edges, each told once (the list's order makes one impossible unless an
    edge also points forward, which read_folders tells; this is the graph's own proof)."""
    edges = {f.name: set(f.uses or []) for f in folders}
    found, state = [], {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                cycle = path[path.index(nxt):] + [nxt]
                found.append(("folders.txt", "cycle: " + " -> ".join(cycle)))
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = "done"

    for folder in folders:
        if folder.name not in state:
            visit(folder.name, [folder.name])
    return found


def qt_module_of(name, modules, qtcore_dir):
    """True when the Qt header belongs to one of the modules."""
    prefixed = QT_MODULE_PATH.match(name)
    wanted = ["Qt" + m for m in modules]
    if prefixed:
        return prefixed.group(1) in wanted
    qt_dir = os.path.dirname(os.path.normpath(qtcore_dir))
    return any(os.path.isfile(os.path.join(qt_dir, m, name)) for m in wanted)


def include_violation(folder, by_name, quote, name, qtcore_dir):
    if quote == '"':
        target = os.path.dirname(name)
        if not target or target == folder.name:
            return None  # beside the including file, or its own folder
        if target not in by_name:
            return "includes from %s/, which is not a listed folder" % target
        if folder.uses is not None and target not in folder.uses:
            return "includes from %s/, which %s/ may not use" % (target, folder.name)
        return None
    is_qt = name.startswith("Q") or name.startswith("qt")
    if is_qt and folder.modules is not None and not qt_module_of(name, folder.modules, qtcore_dir):
        return "includes <%s>, of a Qt module %s/ may not use" % (name, folder.name)
    return None


def link_violations(folder, text, library_folders):
    found = []
    for block in LINKED.findall(CMAKE_COMMENT.sub("", text)):
        for word in block.split():
            if word in library_folders:
                target = library_folders[word]
                if (target != folder.name and folder.uses is not None
                        and target not in folder.uses):
                    found.append("links %s, of %s/, which %s/ may not use"
                                 % (word, target, folder.name))
            if (word.startswith("Qt6::") and folder.modules is not None
                    and word[len("Qt6::"):] not in folder.modules):
                found.append("links %s, a Qt module %s/ may not use" % (word, folder.name))
    return found


def check_tree(source_dir, qtcore_dir):
    """Returns the violations as (file relative to source_dir, reason), sorted."""
    folders, violations = read_folders(os.path.join(source_dir, "folders.txt"))
    by_name = {f.name: f for f in folders}
    library_folders = {}
    for folder in folders:
        path = os.path.join(source_dir, folder.name)
        if not os.path.isdir(path):
            violations.append(("folders.txt", "%s/ is listed but missing" % folder.name))
            continue
        cmake = os.path.join(path, "CMakeLists.txt")
        if os.path.isfile(cmake):
            with open(cmake, encoding="utf-8") as f:
                for library in ADDED.findall(CMAKE_COMMENT.sub("", f.read())):
                    library_folders[library] = folder.name
    for folder in folders:
        path = os.path.join(source_dir, folder.name)
        if not os.path.isdir(path):
            continue
        for file_name in sorted(os.listdir(path)):
            file_path = os.path.join(path, file_name)
            relative = os.path.relpath(file_path, source_dir)
            if os.path.isdir(file_path):
                if relative not in by_name and any(
                        n.endswith(SOURCE_SUFFIXES) for n in os.listdir(file_path)):
                    violations.append((relative, "holds sources but is not a listed folder"))
                continue
            with open(file_path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            if file_name == "CMakeLists.txt":
                for reason in link_violations(folder, text, library_folders):
                    violations.append((relative, reason))
            elif file_name.endswith(SOURCE_SUFFIXES):
                for quote, name in INCLUDE.findall(text):
                    reason = include_violation(folder, by_name, quote, name, qtcore_dir)
                    if reason:
                        violations.append((relative, reason))
    return sorted(set(violations)), folders


def check_source(source_dir, qtcore_dir):
    if not os.path.isfile(os.path.join(qtcore_dir, "QString")):
        print("not a Qt Core include folder: " + qtcore_dir)
        return 1
    violations, folders = check_tree(source_dir, qtcore_dir)
    for relative, reason in violations:
        print("%s: %s" % (relative, reason))
    if violations:
        print("%d include(s), link(s) or edge(s) break the folders' graph" % len(violations))
        return 1
    edges = sum(len(f.uses) for f in folders if f.uses is not None)
    print("the graph holds: %d folders, %d edges, no cycle" % (len(folders), edges))
    return 0


SELF_TEST_FOLDERS = """\
# folder   Qt modules      may use
support    Core            -
engine     Core            support
session    Core            engine support
journal    Core Sql        session support
personal   Core            session support
window/ui  Core Widgets    session support
journal/ui Core Widgets    journal window/ui support
app        *               *
"""


def self_test(qtcore_dir):
    """A small tree with allowed and forbidden includes and links of each kind."""
    files = {
        "folders.txt": SELF_TEST_FOLDERS,
        "support/trap.h": '#include <QString>\n#include <QtCore/QObject>\n',
        "support/bad_gui.h": "#include <QColor>\n",
        "support/bad_module.cpp": "#include <QtWidgets/QLabel>\n",
        "engine/steps.cpp": '#include "engine/steps.h"\n#include "support/trap.h"\n',
        "engine/steps.h": '#include "steps_detail.h"\n',
        "engine/bad_up.cpp": '#include "session/controller.h"\n',
        "session/controller.h": '#include "engine/steps.h"\n#  include <QtGlobal>\n',
        "session/bad_widget.cpp": "#include <QWidget>\n",
        "session/bad_fixture.cpp": '#include "fixtures/fake.h"\n',
        "session/CMakeLists.txt": "add_library(mindrova_session STATIC a.cpp)\n"
        "target_link_libraries(mindrova_session PUBLIC\n"
        "    mindrova_engine Qt6::Core mindrova_app Qt6::Gui)\n",
        "journal/store.h": '#include <QSqlDatabase>\n#include "session/controller.h"\n',
        "journal/bad_sibling.cpp": '#include "personal/store.h"\n',
        "journal/CMakeLists.txt": "add_library(mindrova_journal STATIC a.cpp)\n"
        "# target_link_libraries(mindrova_journal PRIVATE mindrova_personal) in a comment\n"
        "target_link_libraries(mindrova_journal PRIVATE mindrova_personal Qt6::Sql)\n",
        "journal/ui/frm.cpp": '#include <QWidget>\n#include "window/ui/frm_main.h"\n'
        '#include "journal/store.h"\n',
        "journal/ui/CMakeLists.txt": "add_library(mindrova_journal_ui STATIC frm.cpp)\n",
        "journal/stray/loose.cpp": "int x;\n",
        "personal/store.h": "#include <QString>\n",
        "personal/CMakeLists.txt": "add_library(mindrova_personal STATIC a.cpp)\n",
        "window/ui/frm_main.h": '#include <QWidget>\n#include "session/controller.h"\n',
        "window/ui/bad_feature.cpp": '#include "journal/ui/frm.h"\n',
        "window/ui/bad_up.h": '#include "app/startup.h"\n',
        "app/startup.cpp": '#include "window/ui/frm_main.h"\n#include <QApplication>\n',
        "app/CMakeLists.txt": "add_library(mindrova_app STATIC startup.cpp)\n"
        "target_link_libraries(mindrova_app PUBLIC mindrova_journal_ui Qt6::Widgets)\n",
    }
    expected = sorted([
        ("engine/bad_up.cpp", "includes from session/, which engine/ may not use"),
        ("journal/CMakeLists.txt",
         "links mindrova_personal, of personal/, which journal/ may not use"),
        ("journal/bad_sibling.cpp", "includes from personal/, which journal/ may not use"),
        ("journal/stray", "holds sources but is not a listed folder"),
        ("session/CMakeLists.txt", "links Qt6::Gui, a Qt module session/ may not use"),
        ("session/CMakeLists.txt", "links mindrova_app, of app/, which session/ may not use"),
        ("session/bad_fixture.cpp", "includes from fixtures/, which is not a listed folder"),
        ("session/bad_widget.cpp", "includes <QWidget>, of a Qt module session/ may not use"),
        ("support/bad_gui.h", "includes <QColor>, of a Qt module support/ may not use"),
        ("support/bad_module.cpp",
         "includes <QtWidgets/QLabel>, of a Qt module support/ may not use"),
        ("window/ui/bad_feature.cpp", "includes from journal/ui/, which window/ui/ may not use"),
        ("window/ui/bad_up.h", "includes from app/, which window/ui/ may not use"),
    ])
    # The list itself: an edge to a later folder (a cycle through it) and to an unknown one.
    bad_list = SELF_TEST_FOLDERS.replace("session    Core            engine support",
                                         "session    Core            engine support journal") \
        .replace("engine     Core            support", "engine     Core            support tools")
    expected_list = sorted([
        ("folders.txt", "cycle: session -> journal -> session"),
        ("folders.txt", "engine uses tools, which is not listed"),
        ("folders.txt", "session uses journal, which is listed after it"),
    ])
    ok = True
    with tempfile.TemporaryDirectory() as tree:
        for relative, text in files.items():
            path = os.path.join(tree, relative)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        found, _ = check_tree(tree, qtcore_dir)
        ok &= report("the tree", expected, found)
        with open(os.path.join(tree, "folders.txt"), "w", encoding="utf-8") as f:
            f.write(bad_list)
        found = [v for v in check_tree(tree, qtcore_dir)[0] if v[0] == "folders.txt"]
        ok &= report("the list", expected_list, found)
    if not ok:
        return 1
    print("the layer check finds all %d planted violations and nothing else"
          % (len(expected) + len(expected_list)))
    return 0


def report(what, expected, found):
    if found == expected:
        return True
    print("the layer check missed or invented violations in %s" % what)
    for item in sorted(set(expected) - set(found)):
        print("  missed:   %s: %s" % item)
    for item in sorted(set(found) - set(expected)):
        print("  invented: %s: %s" % item)
    return False


def main(argv):
    if len(argv) == 3 and argv[1] == "--self-test":
        return self_test(argv[2])
    if len(argv) == 3:
        return check_source(argv[1], argv[2])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
