#!/usr/bin/env python3
"""The folders are the program's layers, each built only on the ones before it:

    support -> engine -> session -> journal -> personal -> display -> session_window -> app -> main.cpp

This check reads every #include of the eight folders and fails when a folder includes from a
folder after it, when a folder includes a file from outside the eight (a test fixture, say), when
one of the Qt Core layers (support, engine, session; journal may add Qt Sql, display Qt D-Bus)
includes a Qt header of another module, or when one of their CMakeLists.txt links a library of a later layer or a Qt
module beyond those.

    check_layers.py SOURCE_DIR QTCORE_INCLUDE_DIR   check the source tree
    check_layers.py --self-test QTCORE_INCLUDE_DIR  check that the check catches what it should
"""

import os
import re
import sys
import tempfile

LAYERS = ["support", "engine", "session", "journal", "personal", "display", "session_window", "app"]
CORE_LAYERS = {"support", "engine", "session", "journal", "personal", "display"}
# Qt modules a Qt Core layer may use besides Core.
EXTRA_MODULES = {"journal": ["QtSql"], "display": ["QtDBus"]}
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp")

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)
# Qt's own module prefix form, <QtWidgets/QLabel> or <QtGui/qcolor.h>.
QT_MODULE_PATH = re.compile(r"^(Qt[A-Za-z]+)/")
LINKED = re.compile(r"target_link_libraries\s*\(([^)]*)\)", re.DOTALL)


def is_qt_header(name):
    return name.startswith("Q") or name.startswith("qt")


def is_allowed_qt_header(layer, name, qtcore_dir):
    modules = ["QtCore"] + EXTRA_MODULES.get(layer, [])
    module = QT_MODULE_PATH.match(name)
    if module:
        return module.group(1) in modules
    qt_dir = os.path.dirname(os.path.normpath(qtcore_dir))
    return any(os.path.isfile(os.path.join(qt_dir, m, name)) for m in modules)


def include_violation(layer, quote, name, qtcore_dir):
    """Returns why the include breaks the layering, or None when it is allowed."""
    rank = LAYERS.index(layer)
    if quote == '"':
        folder = name.split("/", 1)[0] if "/" in name else None
        if folder is None:
            return None  # beside the including file: the same folder
        if folder not in LAYERS:
            return "includes from %s/, which is not a layer" % folder
        if LAYERS.index(folder) > rank:
            return "includes from %s/, a layer after %s/" % (folder, layer)
        return None
    if (layer in CORE_LAYERS and is_qt_header(name)
            and not is_allowed_qt_header(layer, name, qtcore_dir)):
        return "includes <%s>, which is not Qt Core" % name
    return None


def link_violations(layer, cmake_text):
    rank = LAYERS.index(layer)
    found = []
    for block in LINKED.findall(cmake_text):
        for word in block.split():
            if word.startswith("mindrova_") and word[len("mindrova_"):] in LAYERS:
                other = word[len("mindrova_"):]
                if LAYERS.index(other) > rank:
                    found.append("links %s, a layer after %s/" % (word, layer))
            allowed = ["Qt6::Core"] + ["Qt6::" + m[2:] for m in EXTRA_MODULES.get(layer, [])]
            if layer in CORE_LAYERS and word.startswith("Qt6::") and word not in allowed:
                found.append("links %s, which is not Qt Core" % word)
    return found


def check_tree(source_dir, qtcore_dir):
    """Returns the violations as (file relative to source_dir, reason), sorted."""
    violations = []
    for layer in LAYERS:
        layer_dir = os.path.join(source_dir, layer)
        for root, _dirs, files in os.walk(layer_dir):
            for file_name in sorted(files):
                path = os.path.join(root, file_name)
                relative = os.path.relpath(path, source_dir)
                if file_name == "CMakeLists.txt":
                    with open(path, encoding="utf-8") as f:
                        for reason in link_violations(layer, f.read()):
                            violations.append((relative, reason))
                    continue
                if not file_name.endswith(SOURCE_SUFFIXES):
                    continue
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                for quote, name in INCLUDE.findall(text):
                    reason = include_violation(layer, quote, name, qtcore_dir)
                    if reason:
                        violations.append((relative, reason))
    return sorted(violations)


def check_source(source_dir, qtcore_dir):
    missing = [layer for layer in LAYERS if not os.path.isdir(os.path.join(source_dir, layer))]
    if missing:
        print("layer folders missing: " + ", ".join(missing))
        return 1
    if not os.path.isfile(os.path.join(qtcore_dir, "QString")):
        print("not a Qt Core include folder: " + qtcore_dir)
        return 1
    violations = check_tree(source_dir, qtcore_dir)
    for relative, reason in violations:
        print("%s: %s" % (relative, reason))
    if violations:
        print("%d include(s) or link(s) break the layers %s" % (len(violations), " -> ".join(LAYERS)))
        return 1
    print("layers hold: " + " -> ".join(LAYERS))
    return 0


def self_test(qtcore_dir):
    """A small tree with one allowed and one forbidden include of each kind."""
    files = {
        "support/trap.h": '#include <QString>\n#include <QtCore/QObject>\n',
        "support/bad_gui.h": "#include <QColor>\n",
        "support/bad_module.cpp": "#include <QtWidgets/QLabel>\n",
        "engine/steps.cpp": '#include "engine/steps.h"\n#include "support/trap.h"\n',
        "engine/steps.h": '#include "steps_detail.h"\n',
        "engine/bad_up.cpp": '#include "session/controller.h"\n',
        "session/controller.h": '#include "engine/steps.h"\n#  include <QtGlobal>\n',
        "session/bad_widget.cpp": "#include <QWidget>\n",
        "session/bad_fixture.cpp": '#include "fixtures/fake.h"\n',
        "session/CMakeLists.txt": "target_link_libraries(mindrova_session PUBLIC\n"
        "    mindrova_engine Qt6::Core mindrova_app Qt6::Gui)\n",
        "display/look.h": '#include <QDBusConnection>\n#include "journal/store.h"\n',
        "display/bad_gui.cpp": "#include <QPalette>\n",
        "display/bad_up.cpp": '#include "session_window/frm.h"\n',
        "session_window/frm.h": '#include <QWidget>\n#include "session/controller.h"\n',
        "session_window/bad_up.h": '#include "app/startup.h"\n',
        "app/startup.cpp": '#include "session_window/frm.h"\n#include <QApplication>\n',
        "app/CMakeLists.txt": "target_link_libraries(mindrova_app PUBLIC mindrova_session_window"
        " Qt6::Widgets)\n",
    }
    expected = sorted([
        ("display/bad_gui.cpp", "includes <QPalette>, which is not Qt Core"),
        ("display/bad_up.cpp", "includes from session_window/, a layer after display/"),
        ("engine/bad_up.cpp", "includes from session/, a layer after engine/"),
        ("session/CMakeLists.txt", "links Qt6::Gui, which is not Qt Core"),
        ("session/CMakeLists.txt", "links mindrova_app, a layer after session/"),
        ("session/bad_fixture.cpp", "includes from fixtures/, which is not a layer"),
        ("session/bad_widget.cpp", "includes <QWidget>, which is not Qt Core"),
        ("session_window/bad_up.h", "includes from app/, a layer after session_window/"),
        ("support/bad_gui.h", "includes <QColor>, which is not Qt Core"),
        ("support/bad_module.cpp", "includes <QtWidgets/QLabel>, which is not Qt Core"),
    ])
    with tempfile.TemporaryDirectory() as tree:
        for relative, text in files.items():
            path = os.path.join(tree, relative)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        found = check_tree(tree, qtcore_dir)
    if found != expected:
        print("the layer check missed or invented violations")
        for item in sorted(set(expected) - set(found)):
            print("  missed:   %s: %s" % item)
        for item in sorted(set(found) - set(expected)):
            print("  invented: %s: %s" % item)
        return 1
    print("the layer check finds all %d planted violations and nothing else" % len(expected))
    return 0


def main(argv):
    if len(argv) == 3 and argv[1] == "--self-test":
        return self_test(argv[2])
    if len(argv) == 3:
        return check_source(argv[1], argv[2])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
