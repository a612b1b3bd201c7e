#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader meets it.

Starts the real kuji6 on a virtual X screen as real_input.py does, with Qt's accessibility
bridge on, opens its windows by the keyboard and reads them through the accessibility bus
(AT-SPI, as Orca does): each window's role and name, the name of every input, and for each
combo box, which Qt names by its value, its labels and its description. Prints what it
reads of the combo boxes.

Run inside a session bus of its own, with Debian's python3, for which the bindings are
built: dbus-run-session -- /usr/bin/python3 screen_reader.py KUJI6 DATA_FOLDER
"""

import os
import signal
import sys

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from real_input import (GROUPS, LUCK_TAB_STOPS, MAIN, RULES, UPDATE, Desktop, Failure,  # noqa: E402
                        Program, check, tabs, wait_until)

RESULT, CHECK, STATS = "当選番号の入力", "当選確認", "出目統計"

INPUT_ROLES = {"push button", "check box", "radio button", "text", "entry", "combo box",
               "spin button"}

# Each combo box, by the labels that name it, of the window it is in.
COMBO_LABELS = {
    MAIN: [{"コレは！という数字を一つ選んでください"}, {"各口数"}, {"継続回数"},
           {"5通りまで買えます　　　　　　通り"}, {"乱数リミット", "回"}],
    RULES: [{"過去の出目率　　　　　％"}, {"を優先"}],
    UPDATE: [{"更新ファイルの場所", "からアップデート"}],
    GROUPS: [],
    RESULT: [],
    CHECK: [{"第", "回の当選番号と照らし合わせます"}],
    STATS: [{"集計範囲(R):"}],
}
WINDOW_ROLES = {MAIN: "frame", RULES: "dialog", GROUPS: "frame", UPDATE: "dialog",
                RESULT: "dialog", CHECK: "dialog", STATS: "frame"}


def application(program):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == program.process.pid:
                return app
        except GLib.Error:
            pass  # an application leaving the bus as it is asked
    return None


def window(app, title):
    for top in app:
        if top is not None and top.name == title and top.getState().contains(
                pyatspi.STATE_SHOWING):
            return top
    return None


def walk(node):
    """Every node under `node`; a combo box's parts are the combo box, and the menus are
    left out (they are read when opened)."""
    yield node
    if node.getRoleName() in ("combo box", "menu bar"):
        return
    for child in node:
        if child is not None:
            yield from walk(child)


def labels(node):
    found = set()
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            found |= {relation.getTarget(i).name for i in range(relation.getNTargets())}
    return found


def read_window(app, title, report):
    top = wait_until("%s on the accessibility bus" % title, lambda: window(app, title))
    check(top.getRoleName() == WINDOW_ROLES[title],
          "%s is a %s, not a %s" % (title, top.getRoleName(), WINDOW_ROLES[title]))
    names = {}
    combos = []
    for node in walk(top):
        role = node.getRoleName()
        if node is not top:
            check(role not in ("frame", "separator"),
                  "%s holds a %s named %r" % (title, role, node.name))
        if role == "combo box":
            combos.append((node.name, labels(node), node.description))
        elif role in INPUT_ROLES:
            check(node.name.strip(), "%s has a %s without a name" % (title, role))
            check(node.name not in names, "%s has two inputs named %r" % (title, node.name))
            names[node.name] = role
    for name, found, description in combos:
        report.append("%s: combo box %r, labelled by %s, described as %r" % (
            title, name, " / ".join(sorted(found)), description))
        check(found and description, "%s: combo box %r has no label or description" % (
            title, name))
    for expected in COMBO_LABELS[title]:
        check(any(expected <= found for _, found, _ in combos),
              "%s: no combo box labelled by %s" % (title, " / ".join(sorted(expected))))


def session(desktop, binary, data):
    program = Program(desktop, binary, data, "1",
                      env_extra={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    report = []
    try:
        main = program.wait_window(MAIN)
        app = wait_until("the program on the accessibility bus", lambda: application(program))
        read_window(app, MAIN, report)
        program.activate(main)
        program.keys(*tabs(LUCK_TAB_STOPS, "Txkai", "OpCose"))
        program.keys("Down", "alt+v", "o")  # the steady course, 法則設定
        program.wait_window(RULES)
        read_window(app, RULES, report)
        program.activate(main)
        program.keys("alt+v", "g")
        program.wait_window(GROUPS)
        read_window(app, GROUPS, report)
        # The windows that keep the data current, check a sheet and show the statistics.
        for keys, title in ((("alt+d", "r"), RESULT), (("alt+v", "c"), CHECK),
                            (("alt+v", "t"), STATS)):
            program.activate(main)
            program.keys(*keys)
            program.wait_window(title)
            read_window(app, title, report)
        program.activate(main)
        program.keys("alt+d", "u")  # the update window takes the main window's place
        program.wait_window(UPDATE)
        read_window(app, UPDATE, report)
    finally:
        program.close()
    return report


def main(binary, data):
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    check("DBUS_SESSION_BUS_ADDRESS" in os.environ, "no session bus: see usage")
    with Desktop() as desktop:
        try:
            report = session(desktop, binary, data)
        except Failure as failure:
            print("FAILED: %s" % failure)
            return 1
    print("\n".join(report))
    print("passed")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
