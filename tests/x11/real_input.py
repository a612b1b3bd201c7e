#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a person meets it.

Starts the real kuji6 on a virtual X screen (Xvfb) under a window manager (openbox), types
into it with real key presses (xdotool) and reads it from outside: window titles and places
from the window manager, what the boxes held from the files the program writes. It stops
everything it starts, also when it is stopped itself.

usage: real_input.py KUJI6 DATA_FOLDER
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SCREEN = (1366, 768)
SCALES = ("1", "1.25")
WAIT = 20  # seconds for any one thing to happen
KEY_DELAY = "30"  # milliseconds between key presses

MAIN = "Kuji6ぽむりん"
RULES = "法則設定"
GROUPS = "グループ一覧"
UPDATE = "データの更新"
UPDATE_TITLE = "kuji6ぽむりんUpdate"  # the progress window and the update's messages
ATTENTION = "注意!"

# The Tab stops of the main window, from the draw number on; with the steady course CmbABC
# is disabled and 法則設定 and the page buttons join.
LUCK_TAB_STOPS = ["Txkai", "Txday", "OpCose", "Cmbno", "Cmbkutisuu", "Cmbkeizoku", "CmbABC",
                  "CmbRimit", "ComGO"]
STEADY_TAB_STOPS = ["OpCose", "Cmbno", "Cmbkutisuu", "Cmbkeizoku", "CmbRimit", "ComGO",
                    "Command2", "ComNext"]


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def wait_until(what, probe):
    """The first true value of probe(), polled until WAIT runs out."""
    deadline = time.monotonic() + WAIT
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def die_with_parent():
    """Run in each child: it is sent SIGTERM if this script dies without cleaning up."""
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def start(command, **options):
    return subprocess.Popen(command, preexec_fn=die_with_parent, **options)


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class Desktop:
    """An X server with a window manager, for as long as the `with` block runs."""

    def __enter__(self):
        self.manager = None
        read_end, write_end = os.pipe()
        self.server = start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
                            pass_fds=[write_end], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            with os.fdopen(read_end) as display:
                self.display = ":" + display.readline().strip()
            check(self.display != ":", "Xvfb did not start")
            self.manager = start(["openbox", "--sm-disable"], env=self.env(),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_until("the window manager", lambda: "window id" in self.run(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False))
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        if self.manager:
            stop(self.manager)
        stop(self.server)

    def env(self):
        env = {k: v for k, v in os.environ.items() if not k.startswith("QT_")}
        env["DISPLAY"] = self.display
        return env

    def run(self, *command, check=True):
        done = subprocess.run(command, env=self.env(), capture_output=True, text=True,
                              timeout=WAIT)
        if check and done.returncode != 0:
            raise Failure("%s failed: %s" % (" ".join(command), done.stderr.strip()))
        return done.stdout


class Program:
    """The real program in a program folder of its own: a copy of it beside the shipped
    data, as a portable copy is used."""

    def __init__(self, desktop, binary, data, scale, env_extra=None):
        self.desktop = desktop
        self.home = tempfile.TemporaryDirectory(prefix="kuji6-real-input-")
        self.folder = os.path.join(self.home.name, "program")
        os.makedirs(self.folder)
        shutil.copy2(binary, self.folder)
        shutil.copytree(data, os.path.join(self.folder, "data"))
        runtime = os.path.join(self.home.name, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = desktop.env()
        env.update(HOME=self.home.name, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8",
                   QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR=scale)
        env.update(env_extra or {})
        self.process = start([os.path.join(self.folder, os.path.basename(binary))],
                             cwd=self.folder, env=env)

    def close(self):
        stop(self.process)
        self.home.cleanup()

    def path(self, name):
        return os.path.join(self.folder, name)

    # The program's windows, as the window manager knows them.

    def windows(self, pattern="."):
        found = self.desktop.run("xdotool", "search", "--onlyvisible", "--pid",
                                 str(self.process.pid), "--name", pattern, check=False)
        return found.split()

    def titled(self, title):
        return [w for w in self.windows("^%s$" % re.escape(title)) if self.title(w) == title]

    def wait_window(self, title, count=1):
        check(self.process.poll() is None, "the program ended before " + title)
        return wait_until("%d window(s) %s" % (count, title),
                          lambda: len(self.titled(title)) >= count and self.titled(title))[0]

    def wait_gone(self, title):
        wait_until(title + " to close", lambda: not self.titled(title))

    def dialog(self, title):
        """The message box of that title."""
        return wait_until("the message box " + title, lambda: [
            w for w in self.titled(title) if "_NET_WM_WINDOW_TYPE_DIALOG" in self.desktop.run(
                "xprop", "-id", w, "_NET_WM_WINDOW_TYPE", check=False)])[0]

    def title(self, window):
        line = self.desktop.run("xprop", "-id", window, "_NET_WM_NAME", check=False)
        match = re.search(r'= "(.*)"$', line.strip())
        return match.group(1) if match else None

    def frame(self, window):
        """(x, y, width, height) of the window with its decorations."""
        x, y, width, height = self.client(window)
        left, right, top, bottom = self.decorations(window)
        return (x - left, y - top, width + left + right, height + top + bottom)

    def client(self, window):
        info = self.desktop.run("xwininfo", "-id", window)
        return tuple(int(re.search(label + r":\s+(-?\d+)", info).group(1)) for label in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def decorations(self, window):
        extents = self.desktop.run("xprop", "-id", window, "_NET_FRAME_EXTENTS")
        return tuple(map(int, re.findall(r"\d+", extents.split("=")[1])))

    def move_frame(self, window, x, y):
        left, _, top, _ = self.decorations(window)
        self.desktop.run("xdotool", "windowmove", "--sync", window, str(x + left), str(y + top))

    def activate(self, window):
        self.desktop.run("xdotool", "windowactivate", "--sync", window)

    # The keyboard.

    def keys(self, *names):
        self.desktop.run("xdotool", "key", "--delay", KEY_DELAY, *names)

    def type(self, text):
        self.desktop.run("xdotool", "type", "--delay", KEY_DELAY, "--", text)

    def retype(self, text):
        self.keys("ctrl+a")
        self.type(text)

    # What the program wrote.

    def wait_file(self, name):
        return wait_until(name, lambda: os.path.exists(self.path(name)) and
                          read_fields(self.path(name)))


def read_fields(path):
    """The lines of a Shift-JIS file as lists of fields without their quotes."""
    with open(path, "rb") as file:
        text = file.read().decode("cp932")
    return [[field.strip('"') for field in line.split(",")] for line in text.split("\r\n")[:-1]]


def on_screen(frame):
    x, y, width, height = frame
    return x >= 0 and y >= 0 and x + width <= SCREEN[0] and y + height <= SCREEN[1]


def overlap(a, b):
    return (a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and
            a[1] < b[1] + b[3] and b[1] < a[1] + a[3])


def tabs(stops, start, to):
    return ["Tab"] * (stops.index(to) - stops.index(start))


def main_window_inputs(program, main):
    """Every digits-only box typed into, Enter for GO!, the prediction saved through the
    real save dialog as a name without .txt; the file holds what the boxes held."""
    check(on_screen(program.frame(main)), "main window %s off the screen" % (program.frame(main),))
    program.activate(main)
    at = "Txkai"
    for box, text in [("Cmbno", "1a2 -."), ("Cmbkutisuu", "x2."), ("Cmbkeizoku", "-3 b"),
                      ("CmbABC", "4.z"), ("CmbRimit", "3a0 0-0.0")]:
        program.keys(*tabs(LUCK_TAB_STOPS, at, box))
        program.retype(text)
        at = box
    program.keys("Return")  # GO!
    program.keys("alt+f", "s")
    program.activate(wait_until("the save dialog",
                                lambda: [w for w in program.windows() if w != main])[0])
    program.retype("mypred")
    program.keys("Return")
    fields = program.wait_file("mypred.txt")
    check(not os.path.exists(program.path("mypred")), "saved without .txt")
    check(all(fields[2]), "GO! made no first line: %r" % fields[2])
    check(fields[12][3] == "12", "Cmbno held %r" % fields[12][3])
    check(fields[13] == ["4", "2", "3", "30000"],
          "CmbABC, Cmbkutisuu, Cmbkeizoku, CmbRimit held %r" % fields[13])


def check_rule_window_place(program, main):
    """Wholly on the screen; beside the main window when there is room, and otherwise clear
    of its right half, the results and the comment, when it can be."""
    rules = program.wait_window(RULES)
    m, r = program.frame(main), program.frame(rules)
    check(on_screen(r), "rule window %s off the screen" % (r,))
    middle = m[0] + m[2] // 2
    if max(m[0], SCREEN[0] - m[0] - m[2]) >= r[2]:
        check(not overlap(m, r), "rule window %s over the main window %s" % (r, m))
    elif middle >= r[2]:
        check(r[0] + r[2] <= middle, "rule window %s over the results of %s" % (r, m))
    return rules


def pages(program, main):
    """A steady run opens the rule window; the pages turn without the main window changing
    its size."""
    program.activate(main)
    program.keys(*["shift+Tab"] * (LUCK_TAB_STOPS.index("CmbRimit") -
                                   LUCK_TAB_STOPS.index("OpCose")))
    program.keys("Down", "Return")  # the steady course, GO!
    program.activate(check_rule_window_place(program, main))
    program.keys("Escape")  # キャンセル
    program.wait_gone(RULES)
    check(not os.path.exists(program.path("option.ini")), "Escape wrote option.ini")

    # At the left edge, so that a wide enough screen has room beside it.
    program.move_frame(main, 0, 0)
    program.activate(main)
    natural = program.frame(main)[2:]
    program.keys(*tabs(STEADY_TAB_STOPS, "OpCose", "ComNext"))
    # >, <, >: each page button hands the focus to the other. Then back to GO!, on page 2.
    program.keys("space", "space", "space", "shift+Tab", "shift+Tab", "Return")
    check_rule_window_place(program, main)
    check(program.frame(main)[2:] == natural,
          "the main window went from %s to %s" % (natural, program.frame(main)[2:]))


def rules(program, main):
    """The rule window's boxes, Enter for 設定, its message box and the file it writes."""
    program.activate(program.wait_window(RULES))
    # From ChHo(0) past グループ表 and ChHo(1) to ChHo(2): the draw-rate method on.
    program.keys("Tab", "Tab", "Tab", "space", "Tab")
    program.retype("1a0%1")  # CmbDeme
    program.keys("Tab")
    program.type("x")  # CmbUorD: neither typing nor the arrows change it
    program.keys("Down", "Down", "End", "Return")  # 設定
    program.activate(program.dialog(ATTENTION))
    program.keys("Return")
    options = program.wait_file("option.ini")
    program.wait_gone(RULES)
    check(options[0][4:6] == ["101", "以上"], "option.ini holds %r" % options[0])


def group_list(program, main):
    program.activate(main)
    program.keys("alt+v", "g")
    program.activate(program.wait_window(GROUPS))
    program.keys("Escape")
    program.wait_gone(GROUPS)


def data_update(program, main):
    """The update window over the main window; Enter is 更新, Escape キャンセル, in its
    message box too; the main window comes back where it was."""
    program.activate(main)
    place = program.frame(main)
    program.keys("alt+d", "u")
    update = program.wait_window(UPDATE)
    check(on_screen(program.frame(update)), "update window %s off the screen" % (
        program.frame(update),))
    program.activate(update)
    program.type("n")  # CmbSel: neither typing nor the arrows change it from ファイル
    program.keys("Down", "Up", "Down", "Tab")
    program.type(program.path("data/history/update.txt"))  # TxFilename
    program.keys("Return")  # 更新: the progress window and the confirmation
    program.wait_window(UPDATE_TITLE, count=2)
    check(not program.titled("AutoUpDate"), "the source box changed to the network")
    program.activate(program.dialog(UPDATE_TITLE))
    program.keys("Escape")  # キャンセル
    program.wait_gone(UPDATE)
    for again in (False, True):
        main = program.wait_window(MAIN)
        check(program.frame(main) == place, "main window came back at %s, not at %s" % (
            program.frame(main), place))
        if not again:
            program.activate(main)
            program.keys("alt+d", "u")
            program.activate(program.wait_window(UPDATE))
            program.keys("Escape")
            program.wait_gone(UPDATE)


def quit_program(program, main):
    program.activate(main)
    program.keys("alt+f", "q")
    try:
        code = program.process.wait(WAIT)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end")
    check(code == 0, "the program ended with %d" % code)


def session(desktop, binary, data, scale):
    program = Program(desktop, binary, data, scale)
    try:
        for step in (main_window_inputs, pages, rules, group_list, data_update, quit_program):
            step(program, program.wait_window(MAIN))
    finally:
        program.close()


def main(binary, data):
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    failed = 0
    with Desktop() as desktop:
        for scale in SCALES:
            try:
                session(desktop, binary, data, scale)
                print("scale %s: passed" % scale)
            except Failure as failure:
                failed += 1
                print("scale %s: FAILED: %s" % (scale, failure))
    print("%d passed, %d failed" % (len(SCALES) - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
