#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Pathwick! the way a screen reader sees it: through AT-SPI, from outside the program.

Starts everything it needs itself: a session message bus (by running itself again under
dbus-run-session), an Xvfb server on a free display, the accessibility bus
(at-spi-bus-launcher) and the program on X11 with Qt's accessibility bridge switched on. It then
reads the accessibility tree and sends keys to the window with xdotool, and checks:
  - every control, both pictures and both labels have a name;
  - each arrow key changes what the cell view reports (cell, or the mouse's place in it), with
    a description-change event from the cell view;
  - a crossing into the next cell and a blocked step are reported as such;
  - a marker dropped with F3 is reported as cyan;
  - after View Map, the map's description names the mouse's, the start and the end cells, and
    after Display Markers with Cyan ticked, the cyan marker's cell.
The maze is random: the test finds its way from what the cell view reports.

Usage: screen_reader.py PROGRAM
Exit status 0 when every check passed, 1 when one failed, 2 when the test could not run.
"""

import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

WAIT = 20.0  # seconds: the longest wait for anything; every wait is bounded by it
SESSION_MARK = "PATHWICK_A11Y_TEST_SESSION"
BUS_LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]


class Failure(Exception):
    pass


class CannotRun(Exception):
    pass


def log(message):
    print(message, flush=True)


def check(condition, message):
    if not condition:
        raise Failure(message)
    log("ok: " + message)


def need_tool(name):
    path = shutil.which(name)
    if not path:
        raise CannotRun(f"{name} is not installed (scripts/deps.sh --test installs it)")
    return path


class Session:
    """Xvfb, the accessibility bus, openbox if asked and the program, each stopped on exit."""

    def __init__(self, program):
        self.program = program
        self.processes = []
        self.scratch = tempfile.mkdtemp(prefix="pathwick-a11y-")

    def __enter__(self):
        runtime = os.path.join(self.scratch, "runtime")
        os.mkdir(runtime, 0o700)
        os.environ["XDG_RUNTIME_DIR"] = runtime
        os.environ.pop("WAYLAND_DISPLAY", None)
        self._start_xvfb()
        self._start_accessibility_bus()
        return self

    def __exit__(self, *exc):
        for process, name in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    log(f"{name} did not end; killing it")
                    process.kill()
                    process.wait(timeout=5)
        shutil.rmtree(self.scratch, ignore_errors=True)
        return False

    def _spawn(self, name, args, **options):
        output = open(os.path.join(self.scratch, name + ".log"), "wb")
        process = subprocess.Popen(args, stdout=output, stderr=subprocess.STDOUT, **options)
        self.processes.append((process, name))
        return process

    def output_of(self, name):
        try:
            with open(os.path.join(self.scratch, name + ".log"), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def _start_xvfb(self):
        xvfb = need_tool("Xvfb")
        read_end, write_end = os.pipe()
        process = self._spawn("Xvfb", [xvfb, "-displayfd", str(write_end), "-screen", "0",
                                       "1024x768x24", "-nolisten", "tcp", "-noreset"],
                              pass_fds=[write_end])
        os.close(write_end)
        # Xvfb writes the display's number once it is ready.
        display = b""
        deadline = time.monotonic() + WAIT
        while not display.endswith(b"\n") and time.monotonic() < deadline:
            if process.poll() is not None:
                break
            ready, _, _ = select.select([read_end], [], [], 0.1)
            if ready:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                display += chunk
        os.close(read_end)
        if not display.strip():
            raise CannotRun("Xvfb did not start: " + self.output_of("Xvfb"))
        os.environ["DISPLAY"] = ":" + display.decode().strip()
        log("Xvfb on display " + os.environ["DISPLAY"])

    def _start_accessibility_bus(self):
        launcher = next((path for path in BUS_LAUNCHERS if os.access(path, os.X_OK)), None)
        if not launcher:
            raise CannotRun("at-spi-bus-launcher is not installed (package at-spi2-core)")
        self._spawn("at-spi-bus-launcher", [launcher, "--launch-immediately"])
        asking = [need_tool("dbus-send"), "--session", "--print-reply", "--dest=org.a11y.Bus",
                  "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
        self._wait("at-spi-bus-launcher", lambda: subprocess.run(
            asking, capture_output=True, timeout=WAIT).returncode == 0)

    def start_openbox(self):
        """The window manager, once it manages the screen."""
        ready = os.path.join(self.scratch, "openbox-ready")
        self._spawn("openbox", [need_tool("openbox"), "--sm-disable", "--startup",
                                "touch " + ready])
        self._wait("openbox", lambda: os.path.exists(ready))

    def _wait(self, name, ready):
        deadline = time.monotonic() + WAIT
        while not ready():
            if time.monotonic() > deadline:
                raise CannotRun(f"{name} did not start: " + self.output_of(name))
            time.sleep(0.1)

    def start_program(self, *arguments):
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
        return self._spawn("pathwick", [self.program, *arguments], env=environment,
                           cwd=self.scratch)


class Reader:
    """The program as AT-SPI shows it, and the events it sends."""

    def __init__(self, session, process):
        try:
            import gi
            gi.require_version("Atspi", "2.0")
            from gi.repository import Atspi, GLib
        except (ImportError, ValueError) as missing:
            raise CannotRun(f"{sys.executable} cannot use AT-SPI ({missing}): packages "
                            "python3-gi and gir1.2-atspi-2.0") from missing
        self.Atspi = Atspi
        self.context = GLib.MainContext.default()
        self.session = session
        self.process = process
        self.events = []
        self.listener = Atspi.EventListener.new(self._on_event)
        for kind in ("object:property-change:accessible-description",
                     "object:property-change:accessible-name", "object:state-changed:focused"):
            self.listener.register(kind)
        self.app = self._find_application()
        # Read every property afresh: the test compares them before and after each key.
        self.app.set_cache_mask(Atspi.Cache.NONE)
        self.window = self.wait_for(lambda: self._first(self.app, self.is_role("frame")),
                                    "the main window in the accessibility tree")
        self.maze = self.wait_for(lambda: self.find(self.is_role("canvas")),
                                  "the cell view (a canvas)")
        self.map = self.wait_for(lambda: self.find(self.is_role("image")), "the map (an image)")

    def _on_event(self, event):
        self.events.append((event.type, event.source, event.any_data))

    def pump(self, seconds=0.0):
        deadline = time.monotonic() + seconds
        while True:
            while self.context.pending():
                self.context.iteration(False)
            if time.monotonic() >= deadline:
                return
            time.sleep(0.01)

    def wait_for(self, found, what):
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            self.pump()
            if self.process.poll() is not None:
                raise Failure(f"the program ended while waiting for {what}")
            try:
                result = found()
            except Exception:  # the tree can change under the reader
                result = None
            if result:
                return result
            self.pump(0.05)
        raise Failure(f"gave up waiting for {what}")

    def _find_application(self):
        def application():
            desktop = self.Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app and app.get_process_id() == self.process.pid:
                    return app
            return None
        return self.wait_for(application, "the program on the accessibility bus")

    @staticmethod
    def is_role(name):
        return lambda node: node.get_role_name() == name

    def _first(self, node, matches):
        for child in self.children(node):
            if matches(child):
                return child
            below = self._first(child, matches)
            if below:
                return below
        return None

    def find(self, matches):
        return self._first(self.window, matches)

    def children(self, node):
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]

    def all_nodes(self, node=None):
        node = node or self.window
        for child in self.children(node):
            yield child
            yield from self.all_nodes(child)

    def showing(self, node):
        return node.get_state_set().contains(self.Atspi.StateType.SHOWING)

    def focused(self, node):
        return node.get_state_set().contains(self.Atspi.StateType.FOCUSED)

    def spoken(self, since, differing_from=None):
        """Waits for the words a picture says after event number since (other than the words
        differing_from, which a late event may still bring): the name of the item it
        focuses for them, as a screen reader speaks it."""
        def arrived():
            for kind, source, data in self.events[since:]:
                if kind == "object:state-changed:focused" and data and \
                        source.get_role_name() == "filler" and \
                        source.get_name() != differing_from:
                    return source.get_name()
            return None
        return self.wait_for(arrived, "words said by a picture")

    def description_event(self, source, since, differing_from=None):
        """Waits for a description change of source after event number since; returns the
        description read then."""
        def arrived():
            for kind, event_source, data in self.events[since:]:
                if kind.endswith("accessible-description") and event_source == source:
                    text = source.get_description()
                    # Newer bridges send the text itself; it must be what the object says.
                    if isinstance(data, str) and data != text:
                        continue
                    if text != differing_from:
                        return text
            return None
        what = "the map" if source == self.map else "the cell view"
        return self.wait_for(arrived, "a description-change event of " + what)


class Keyboard:
    def __init__(self, reader):
        self.reader = reader
        self.xdotool = need_tool("xdotool")
        window = self._window_id()
        subprocess.run([self.xdotool, "windowfocus", window], timeout=WAIT, check=False)
        reader.wait_for(lambda: reader.focused(reader.maze), "the cell view to have the focus")

    def _window_id(self):
        def search():
            found = subprocess.run([self.xdotool, "search", "--onlyvisible", "--pid",
                                    str(self.reader.process.pid), "--name", "Pathwick!"],
                                   capture_output=True, text=True, timeout=WAIT)
            ids = found.stdout.split()
            return ids[0] if ids else None
        return self.reader.wait_for(search, "the program's X window")

    def press(self, key):
        subprocess.run([self.xdotool, "key", "--clearmodifiers", key], timeout=WAIT, check=True)


# A cell as the cell view describes it ("Column 3, row 2: open north; mouse ...") and as a crossing
# tells it ("New cell: column 3, row 2, open north; one way: north leads into a pocket.").
CELL = re.compile(r"[Cc]olumn (\d+), row (\d+)[:,] (open on all sides|closed on all sides|"
                  r"open [^;.]+)(?:; one way: ([^;.]+))?(?:; (mouse [^;.]+))?")
SIDES = ("north", "east", "south", "west")
KEYS = {"north": "Up", "east": "Right", "south": "Down", "west": "Left"}
MOVES = {"north": (0, -1), "east": (1, 0), "south": (0, 1), "west": (-1, 0)}
OPPOSITE = {"north": "south", "south": "north", "east": "west", "west": "east"}
ACROSS = {"north": "east", "south": "east", "east": "north", "west": "north"}


def parse_cell(text):
    """Column, row, open sides, the open sides that lead into a pocket, and the mouse's place
    (None where the words do not tell it) from words about a cell."""
    found = CELL.search(text)
    if not found:
        raise Failure("the words do not name a cell: " + repr(text))
    sides = found.group(3)
    open_sides = set(SIDES) if sides == "open on all sides" else \
        {side for side in SIDES if re.search(r"\b" + side + r"\b", sides)}
    pockets = set(re.findall(r"(\w+) leads into a pocket", found.group(4) or ""))
    return int(found.group(1)), int(found.group(2)), open_sides, pockets, found.group(5)


def check_names(reader):
    """Every control, both pictures and both labels are named."""
    controls = ("push button", "radio button", "check box", "label", "canvas", "image",
                "menu item", "panel")
    unnamed = [f"{node.get_role_name()} at {node.get_index_in_parent()} in "
               f"{node.get_parent().get_name()!r}"
               for node in reader.all_nodes()
               if node.get_role_name() in controls and not node.get_name().strip()]
    check(not unnamed, "every control, picture and label has a name" +
          ("" if not unnamed else ": unnamed " + ", ".join(unnamed)))
    check(reader.maze.get_name() == "Maze" and reader.map.get_name() == "Map",
          "the cell view is the canvas 'Maze' and the map the image 'Map'")
    labels = [node.get_name() for node in reader.all_nodes() if node.get_role_name() == "label"]
    check(any(name.startswith("File: ") for name in labels),
          "the file path label reads 'File: ...' (" + ", ".join(labels) + ")")
    check("Saved: No" in labels, "the saved indicator reads 'Saved: No' for a new maze")
    check(reader.showing(reader.maze) and not reader.showing(reader.map),
          "of the two pictures in one place, only the cell view is showing")


def play(reader, keyboard):
    report = reader.maze.get_description()
    start_x, start_y, open_sides, _, place = parse_cell(report)
    check("the start" in report and place == "mouse in the centre",
          f"the game begins in the centre of the start cell: {report!r}")
    check(bool(open_sides), "the start cell has an open side")

    said = ""

    def step(direction):
        """The words said after one arrow key; report is then the cell view's description."""
        nonlocal report, said
        since = len(reader.events)
        keyboard.press(KEYS[direction])
        said = reader.spoken(since, differing_from=said)
        report = reader.maze.get_description()
        log(f"  {KEYS[direction]}: {said}")
        return said

    # Out of the start cell through an open side: every step is told, then the crossing.
    side = sorted(open_sides)[0]
    x, y = start_x, start_y
    for _ in range(16):
        if step(side).startswith("New cell:"):
            break
        check(not said.startswith("Blocked"),
              f"a step {side} is said with the mouse's new place in the cell")
    else:
        raise Failure(f"16 steps {side} from the start cell never reached another cell")
    new_x, new_y, _, _, place = parse_cell(report)
    dx, dy = MOVES[side]
    check((new_x, new_y) == (x + dx, y + dy),
          f"the crossing {side} is reported with the neighbour's column and row ({new_x}, {new_y})")
    check((place or "").startswith(f"mouse at the {OPPOSITE[side]} edge"),
          f"the mouse enters the new cell at its {OPPOSITE[side]} edge")

    # Across the arm the corner blocks stop the mouse within two steps.
    across = ACROSS[side]
    for _ in range(3):
        if step(across).startswith("Blocked."):
            break
    else:
        raise Failure(f"three steps {across} across an arm were never blocked")
    log(f"ok: a step {across} into the wall is reported as blocked")
    check(step(across).startswith("Blocked, 2 times."),
          "a second blocked step is told anew, not as the same sentence")

    # A cyan marker with F3.
    since = len(reader.events)
    keyboard.press("F3")
    said = reader.spoken(since, differing_from=said)
    report = reader.maze.get_description()
    log(f"  F3: {said}")
    check(said.startswith("Cyan marker dropped.") and "markers: 1 cyan" in report,
          "F3 reports a cyan marker dropped, and the cell counts it")
    return (start_x, start_y), (new_x, new_y)


def check_map(reader, keyboard, start, here):
    since = len(reader.events)
    keyboard.press("alt+v")
    text = reader.description_event(reader.map, since)
    log(f"  View Map: {text}")
    reader.wait_for(lambda: reader.showing(reader.map) and not reader.showing(reader.maze),
                    "the map to show in place of the cell view")
    check(f"start at column {start[0]}, row {start[1]}" in text,
          "the map's description names the start cell")
    check(re.search(r"end at column \d+, row \d+", text) is not None,
          "the map's description names the end cell")
    check(f"Mouse in column {here[0]}, row {here[1]}" in text,
          "the map's description names the mouse's cell")
    options = [node for node in reader.all_nodes() if node.get_role_name() == "radio button"]
    check(options and not any(reader.showing(node) for node in options),
          "the option buttons under the colour boxes are not exposed as showing")

    cyan = reader.wait_for(lambda: reader.find(
        lambda node: node.get_role_name() == "check box" and node.get_name() == "Cyan"
        and reader.showing(node)), "the Cyan colour box")
    cyan.do_action(0)  # a screen reader ticks it the same way
    reader.wait_for(lambda: cyan.get_state_set().contains(reader.Atspi.StateType.CHECKED),
                    "the Cyan box to be ticked")
    since = len(reader.events)
    keyboard.press("alt+d")
    text = reader.description_event(reader.map, since, differing_from=text)
    log(f"  Display Markers: {text}")
    check(f"Markers shown: 1 cyan, in 1 cell; nearest: column {here[0]}, row {here[1]}, cyan"
          in text, "after Display Markers the map tells the cyan marker's cell")


def run(program):
    with Session(program) as session:
        process = session.start_program()

        def fate():
            if process.poll() is None:
                return ""
            return (f"\nthe program ended with status {process.returncode}:\n" +
                    session.output_of("pathwick"))

        try:
            reader = Reader(session, process)
            check_names(reader)
            keyboard = Keyboard(reader)
            start, here = play(reader, keyboard)
            check_map(reader, keyboard, start, here)
        except Failure as failure:
            raise Failure(str(failure) + fate()) from failure
        except Exception as error:
            if not type(error).__module__.startswith("gi"):
                raise
            raise Failure(f"AT-SPI: {error}" + fate()) from error  # the program went away
        if process.poll() is not None:
            raise Failure("the program ended during the test" + fate())


def main(test=None, script=__file__, usage=__doc__, cannot_run=2):
    """Runs test(program) in a session bus of its own; cannot_run is the status when it cannot."""
    test = test or run
    if len(sys.argv) != 2:
        print(usage, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    if not os.environ.get(SESSION_MARK):
        # A session bus of our own, ended with this test.
        try:
            runner = need_tool("dbus-run-session")
        except CannotRun as reason:
            print(f"cannot run: {reason}", file=sys.stderr)
            return cannot_run
        environment = dict(os.environ, **{SESSION_MARK: "1"})
        environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
        environment.pop("AT_SPI_BUS_ADDRESS", None)
        return subprocess.run([runner, "--", sys.executable, os.path.abspath(script), program],
                              env=environment).returncode
    try:
        test(program)
    except CannotRun as reason:
        print(f"cannot run: {reason}", file=sys.stderr)
        return cannot_run
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        return 1
    log("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
