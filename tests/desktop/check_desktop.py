#!/usr/bin/env python3
"""Plays the sdl build as a person would, on an X display (Xvfb will do),
driven with xdotool: the window carries the desktop icon; quick clicks select
and swap pieces, in a window, in the same window made larger, and in full
screen, where the picture fills the largest 4:3 part of the window; a quick
click on the menu's resume button resumes even while the highlight still
sits on NEW GAME, and at once after the MENU button opened the menu, clicked
or tapped (the pointer jumps); the arrows and Enter swap two pieces with the
mouse left alone; QUIT ends the program with status 0.

usage: check_desktop.py PATH/TO/vantor [SCREENSHOT-FOLDER]
       check_desktop.py --key-swap TRACE   the arrows and Enter swap two pieces in
                                           the focused game that writes TRACE
       check_desktop.py --fill-and-select TRACE   the picture fills the largest 4:3
                                           part of the game's window, and a click
                                           at a piece's centre selects it
Run the X server with -noreset: one that resets as the first game lets go
refuses the second game's connection for a moment.

What it knows of the game (where the pieces sit, the names of the trace's
fields) the program tells: PATH/TO/vantor --describe. The two checks of a
game started elsewhere ask the native program VANTOR_NATIVE_PROGRAM, by
default the repository's build/vantor."""
import json
import os
import struct
import subprocess
import sys
import tempfile
import time
import zlib

NATIVE_PROGRAM = os.environ.get("VANTOR_NATIVE_PROGRAM") or os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "vantor")
MENU_BUTTON = (70, 80)
NEW_GAME, QUIT, RESUME = (317, 85), (317, 294), (317, 386)


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout.strip()


def wait_for(what, seconds=20, waiting_for="", game=None):
    end = time.time() + seconds
    while time.time() < end:
        value = what()
        if value:
            return value
        time.sleep(0.05)
    lines = game.lines() if game else []
    last = " ".join(f"{k}={v}" for k, v in lines[-1].items() if k != "cells") if lines else "none"
    ended = game and hasattr(game, "process") and game.process.poll() is not None
    said = game.process.stderr.read() if ended else ""
    raise SystemExit(f"FAIL: timed out waiting for {waiting_for} (last trace line: {last}; "
                     f"the game {'ended: ' + said if ended else 'runs'})")


class Facts:
    """What the program tells of the game (--describe): the picture's size,
    the wheel's shape, where each cell's piece sits (by index, column * rows
    + row), the numbers of the phases and cell states, and the trace's fields."""
    # The fields that are not decimal numbers.
    READ = {"left": lambda w: w == "1", "right": lambda w: w == "1",
            "keys": lambda w: int(w, 16), "rng": lambda w: int(w, 16),
            "menu": lambda w: None if w == "-" else int(w),
            "carrierX": float, "carrierY": float,
            "cells": lambda w: [(int(w[i], 16), int(w[i + 1])) for i in range(0, len(w), 2)]}

    def __init__(self, program):
        said = subprocess.run([program, "--describe"], capture_output=True, text=True, check=True)
        facts = json.loads(said.stdout)
        self.picture = (facts["picture"]["width"], facts["picture"]["height"])
        self.columns, self.rows = facts["columns"], facts["rows"]
        self.anchors = [tuple(anchor) for anchor in facts["cellAnchors"]]
        self.phases = facts["phases"]
        self.resting = facts["cellStates"]["resting"]
        self.fields = facts["traceFields"]

    def trace_line(self, line):
        """The fields of one line of the play-frame trace, by name; cells as
        (state, colour) pairs."""
        return {name: self.READ.get(name, int)(word) for name, word in zip(self.fields, line.split())}


class Watched:
    """A running game seen through its play-frame trace."""
    def __init__(self, trace, facts):
        self.trace = trace
        self.facts = facts

    def lines(self):
        try:
            with open(self.trace) as f:
                return [self.facts.trace_line(line) for line in f.read().splitlines()]
        except FileNotFoundError:
            return []

    def idle_board(self):
        def idle():
            last = self.lines()[-1]
            return last if last["phase"] == self.facts.phases["idle"] and last["clickState"] == 0 else None
        return wait_for(idle, waiting_for="an idle board", game=self)

    def two_colours(self):
        """On an idle board, the first resting piece and one of another colour."""
        cells = self.idle_board()["cells"]
        resting = [i for i, (state, _) in enumerate(cells) if state == self.facts.resting]
        a = resting[0]
        return a, next(i for i in resting if cells[i][1] != cells[a][1])

    def key_swap(self):
        """Two pieces swapped with the arrows and Enter, sent to the focused
        window; the ring starts on the first cell."""
        a, b = self.two_colours()
        seen = len(self.lines())
        columns, rows = self.facts.columns, self.facts.rows
        keys, at = ["Right"], 0  # the first key shows the ring
        for cell in (a, b):
            across = (cell // rows - at // rows) % columns
            keys += ["Right"] * across if across <= columns // 2 else ["Left"] * (columns - across)
            up = cell % rows - at % rows
            keys += ["Up" if up > 0 else "Down"] * abs(up) + ["Return"]
            at = cell
        xdo("key", "--delay", "120", *keys)
        time.sleep(1.0)
        frames = self.lines()[seen:]
        pressed = {(f["x"], f["y"]) for f in frames if f["left"]}
        anchors = self.facts.anchors
        return (any(f["phase"] == self.facts.phases["swapping"] for f in frames)
                and {anchors[a], anchors[b]} <= pressed)


class Shown(Watched):
    """A running game seen through its trace and its window."""

    # Looked up at each use: SDL may make its window afresh as it sets up drawing.
    @staticmethod
    def window():
        return xdo("search", "--name", "^TIDEWELL$").split("\n")[0]

    # Where the picture should be: the largest 4:3 rectangle, centred.
    def place(self):
        said = xdo("getwindowgeometry", self.window())
        geometry = dict(line.strip().split(": ", 1) for line in said.split("\n")[1:])
        x, y = map(int, geometry["Position"].split(" ")[0].split(","))
        w, h = map(int, geometry["Geometry"].split("x"))
        width, height = self.facts.picture
        wide = w * height > h * width
        self.size = (h * width // height, h) if wide else (w, w * height // width)
        self.inside = ((w - self.size[0]) // 2, (h - self.size[1]) // 2)
        self.origin = (x + self.inside[0], y + self.inside[1])
        return w, h

    # The picture's bounds in a screenshot of the window: all but them black.
    def shown_bounds(self, path):
        subprocess.run(["import", "-window", self.window(), path], check=True)
        return subprocess.run(["convert", path, "-format", "%@", "info:"], capture_output=True,
                              text=True).stdout.strip()

    def expected_bounds(self):
        return f"{self.size[0]}x{self.size[1]}+{self.inside[0]}+{self.inside[1]}"

    # The screen pixel whose centre is the picture pixel's centre.
    def screen(self, spot):
        width, height = self.facts.picture
        return (self.origin[0] + int((spot[0] + 0.5) * self.size[0] / width),
                self.origin[1] + int((spot[1] + 0.5) * self.size[1] / height))

    def point(self, spot):
        xdo("mousemove", *self.screen(spot))

    def click(self, spot):
        self.point(spot)
        time.sleep(0.1)
        xdo("click", "1")  # down and up at once: shorter than a frame

    def select_resting(self):
        """A click at the first resting piece's centre selects it, read at
        that very point; that piece and one of another colour."""
        a, b = self.two_colours()
        seen = len(self.lines())
        anchor = self.facts.anchors[a]
        self.click(anchor)
        picked = wait_for(lambda: [l for l in self.lines()[seen:] if l["selected"] == a],
                          waiting_for=f"piece {a} selected", game=self)[0]
        check((picked["x"], picked["y"]) == anchor,
              f"the click at piece {a}'s centre {anchor} reads as {picked['x']},{picked['y']}", quiet=True)
        return a, b, seen

    def click_at_once(self, spot, pause):
        """The pointer goes there and clicks within about a frame; with no
        pause it jumps and clicks at once, as a tablet's tap."""
        xdo("mousemove", *self.screen(spot), "sleep", pause, "click", "1")


class Game(Shown):
    def __init__(self, program, facts, folder, extra):
        super().__init__(os.path.join(folder, "trace.txt"), facts)
        env = dict(os.environ, VANTOR_TRACE=self.trace, VANTOR_HOME=folder + "/")
        self.process = subprocess.Popen([program, *extra, "Q"], cwd=folder, env=env,
                                        stderr=subprocess.PIPE, text=True)
        wait_for(self.window, waiting_for="the window", game=self)

    def reach_play(self):
        # The opening leaves two trace lines; the table waits for a key.
        def playing():
            xdo("windowfocus", self.window())
            xdo("key", "space")
            time.sleep(0.7)
            return len(self.lines()) >= 10
        wait_for(playing, 40, "the play screen", self)
        # Only now has the window surely taken its final place and size.
        return self.place()

    def swap_once(self):
        a, b, seen = self.select_resting()
        self.click(self.facts.anchors[b])
        time.sleep(1.0)
        return any(line["phase"] == self.facts.phases["swapping"] for line in self.lines()[seen:])

    def menu_result(self, first, last, seconds):
        """The menu opened with its button; the pointer rests on first (if
        any) for seconds, then clicks last. Without first, seconds is the
        pause of a click at once, made when the menu has slid in (36 frames)
        and stands half way through a 12-frame highlight cycle, so that a
        highlight following the pointer could not be there in time."""
        self.idle_board()
        seen = len(self.lines())
        self.click(MENU_BUTTON)
        if first:
            time.sleep(2.0)  # the menu slides in
            self.point(first)
            time.sleep(seconds)
            self.click(last)
        else:
            time.sleep(1.75)
            self.click_at_once(last, seconds)
        done = wait_for(lambda: [l for l in self.lines()[seen:] if l["menu"] is not None],
                        waiting_for="the menu's result", game=self)
        return done[0]["menu"]

    def end(self):
        try:
            return self.process.wait(timeout=20), self.process.stderr.read()
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise SystemExit("FAIL: the program did not end")


def desktop_icon(path):
    """The pixels of a desktop icon PNG as the window system holds icons:
    one 0xAARRGGBB number per pixel (the art tool writes unfiltered rows)."""
    with open(path, "rb") as f:
        data = f.read()
    at, packed, width = 8, b"", 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width = struct.unpack(">I", body[:4])[0]
        elif kind == b"IDAT":
            packed += body
        at += 12 + length
    rows = zlib.decompress(packed)
    pixels = []
    for y in range(width):
        row = rows[y * (width * 4 + 1) + 1:(y + 1) * (width * 4 + 1)]
        pixels += [a << 24 | r << 16 | g << 8 | b for r, g, b, a in zip(*[iter(row)] * 4)]
    return [width, width, *pixels]


def window_icon(window):
    said = subprocess.run(["xprop", "-id", window, "-f", "_NET_WM_ICON", "32c", " = $0+", "_NET_WM_ICON"],
                          capture_output=True, text=True).stdout
    return [int(n) for n in said.split("=", 1)[1].split(",")] if "=" in said else []


def check(condition, what, quiet=False):
    if not condition or not quiet:
        print(("ok:   " if condition else "FAIL: ") + what)
    if not condition:
        raise SystemExit(1)


def check_bounds(game, name, shots, w, h):
    path = os.path.join(shots or tempfile.gettempdir(), f"sdl-{name.replace(' ', '-')}-{w}x{h}.png")
    shown = game.shown_bounds(path)
    check(shown == game.expected_bounds(), f"{name} ({w}x{h}): the picture fills {shown}")
    if not shots:
        os.remove(path)


def main():
    if sys.argv[1] == "--key-swap":
        check(Watched(sys.argv[2], Facts(NATIVE_PROGRAM)).key_swap(), "the arrows and Enter swap two pieces")
        return
    if sys.argv[1] == "--fill-and-select":
        shown = Shown(sys.argv[2], Facts(NATIVE_PROGRAM))
        w, h = shown.place()
        check_bounds(shown, "full screen", None, w, h)
        a = shown.select_resting()[0]
        print(f"ok:   a click at piece {a}'s centre selects it")
        return
    program = os.path.abspath(sys.argv[1])
    facts = Facts(program)
    shots = sys.argv[2] if len(sys.argv) > 2 else None
    for mode in (["--window"], []):
        with tempfile.TemporaryDirectory() as folder:
            game = Game(program, facts, folder, mode)
            name = "a window" if mode else "full screen"
            w, h = game.reach_play()
            if mode:
                icon = os.path.join(os.path.dirname(program), "icons", "vantor-48.png")
                check(window_icon(game.window()) == desktop_icon(icon),
                      "the window carries the 48-pixel desktop icon")
            swaps = sum(game.swap_once() for _ in range(5))
            check(swaps == 5, f"{name} ({w}x{h}): {swaps} of 5 quick-click swaps, each selecting its piece")
            if mode:
                result = game.menu_result(NEW_GAME, RESUME, 1.0)
                check(result == 3, f"a quick click on RESUME with NEW GAME highlighted: result {result}")
                result = game.menu_result(None, RESUME, 0.04)
                check(result == 3, f"a click on RESUME at once after the MENU button: result {result}")
                result = game.menu_result(None, RESUME, 0)
                check(result == 3, f"a tap on RESUME at once after the MENU button: result {result}")
                check(game.key_swap(), "the arrows and Enter swap two pieces")
                # Made larger, the window fills with the picture and the clicks follow it.
                xdo("windowsize", game.window(), 1000, 600)
                w, h = wait_for(lambda: game.place() == (1000, 600) and (1000, 600),
                                waiting_for="the larger window", game=game)
                name = "the window made larger"
                time.sleep(0.5)
                check(game.swap_once(), f"{name} ({w}x{h}): a quick-click swap, selecting its piece")
            check_bounds(game, name, shots, w, h)
            result = game.menu_result(QUIT, QUIT, 1.0)
            status, said = game.end()
            check(result == 2 and status == 0, f"QUIT ends the program with status {status}")
            check("ALSA" not in said, "no sound-library noise on stderr")


main()
