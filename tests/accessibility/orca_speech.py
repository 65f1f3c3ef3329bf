#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Pathwick! by ear with the real screen reader Orca, whose speech-dispatcher writes each
utterance with its time to a file, on a small maze: checks what Orca says after a plain step, a
blocked step, F3, a crossing, the end, a save, View Map and Display Markers, and prints the time
from an arrow key to its speech over 20 presses. Exit status 77 where Orca cannot start."""

import os, re, statistics, subprocess, sys, time  # noqa: E401
from screen_reader import WAIT, CannotRun, Failure, Session, check, log, main, need_tool

# Orca's launcher, less its search for Orcas of the same user, which it would stop or give way to.
ORCA = ("import runpy, sys\nmain = runpy.run_path(sys.argv.pop(1), run_name='l')['main']\n"
        "main.__globals__.update(otherOrcas=list, setProcessName=len)\nsys.exit(main())")
FILES = {  # speech-dispatcher's only voice writes to spoken.log; ALSA's null device, no sound
    "sd/speechd.conf": 'AddModule "log" "sd_generic" "log.conf"\nDefaultModule log\n'
    'LanguageDefaultModule "en" "log"\nAudioOutputMethod "alsa"\nDisableAutoSpawn\n',
    "sd/modules/log.conf": 'GenericExecuteSynth "printf %s \\\'$DATA\\\' | sh {0}/voice.sh"\n'
    'GenericMaxChunkLength 100000\nAddVoice "en" "MALE1" "log"\n',
    "voice.sh": 'now=$(date +%s.%N); printf "%s\\t%s\\n" "$now" "$(tr "\\n" " ")" >> {0}/spoken.log',
    "home/.asoundrc": "pcm.!default { type null }\n", "spoken.log": ""}


def speech(scratch, since, quiet=0.4):
    """What Orca said after the time since, once it has been silent for quiet seconds."""
    heard, deadline = None, time.monotonic() + WAIT
    while time.monotonic() < deadline:
        with open(os.path.join(scratch, "spoken.log")) as f:
            said = [(float(t), w.strip()) for t, w in (line.split("\t", 1) for line in f)]
        said = [entry for entry in said if entry[0] >= since]
        if said and said == heard and time.time() - said[-1][0] >= quiet:
            return said
        heard = said
        time.sleep(0.05)
    raise Failure("Orca said nothing within %.0f s" % WAIT)


def run(program):
    with Session(program) as session:
        scratch = session.scratch
        for name, text in FILES.items():
            os.makedirs(os.path.dirname(os.path.join(scratch, name)), exist_ok=True)
            with open(os.path.join(scratch, name), "w") as f:
                f.write(text.replace("{0}", scratch))
        home = os.path.join(scratch, "home")
        os.environ.update(HOME=home, XDG_CONFIG_HOME=home + "/.config",
                          XDG_DATA_HOME=home + "/.local/share", XDG_CACHE_HOME=home + "/.cache")
        session._spawn("openbox", [need_tool("openbox")])
        session._spawn("speech-dispatcher", [need_tool("speech-dispatcher"), "--run-single",
                       "--timeout", "0", "--config-dir", scratch + "/sd", "--log-dir", scratch])
        with open(need_tool("orca")) as launcher:  # with the Python that Orca's launcher names
            python = launcher.readline()[2:].split()
        debug = os.environ.get("PATHWICK_ORCA_DEBUG")  # Orca's debug log slows it down
        orca = session._spawn("orca", python + ["-c", ORCA, need_tool("orca")] +
                              (["--debug-file", os.path.abspath(debug)] if debug else []))
        try:
            log("Orca: " + speech(scratch, 0)[0][1])
        except Failure:
            raise CannotRun("Orca did not speak: " + session.output_of("orca")[-2000:]) from None
        if os.environ.get("PATHWICK_PLAY"):
            return play(session, scratch, int(os.environ["PATHWICK_PLAY"]))
        # A corridor from the start (1,1) east to (2,1) and south to the end (2,2).
        codes = {(1, 1): 12, (2, 1): 6, (2, 2): 9}
        with open(os.path.join(scratch, "corridor.maz"), "w", newline="") as f:
            f.write("\r\n".join(["1,1", "2,2", "1,1", "2070,2070"] + [
                f"{codes.get((x, y), 0)}\r\n0" for x in range(1, 26) for y in range(1, 26)]))
        process = session.start_program(os.path.join(scratch, "corridor.maz"))
        xdotool = need_tool("xdotool")
        found = subprocess.run([xdotool, "search", "--sync", "--onlyvisible", "--pid",
                                str(process.pid), "--name", "Pathwick!"], capture_output=True,
                               text=True, timeout=WAIT).stdout.split()
        subprocess.run([xdotool, "windowfocus", "--sync", found[0]], timeout=WAIT, check=True)
        check("Maze canvas" in " ".join(w for _, w in speech(scratch, 0, 1.0)), "Orca reads 'Maze'")

        def press(key):
            pressed = time.time()
            subprocess.run([xdotool, "key", "--clearmodifiers", key], timeout=WAIT, check=True)
            said = speech(scratch, pressed)
            log(f"  {key}: " + " | ".join(words for _, words in said))
            return (said[0][0] - pressed) * 1000, " ".join(words for _, words in said)

        def until(key, pattern, most=14):
            for _ in range(most):
                said = press(key)[1]
                if re.search(pattern, said, re.IGNORECASE):
                    return said
            raise Failure(f"{most} presses of {key} never made Orca say {pattern!r}")

        step = press("Up")[1]
        check(not re.search("blocked|new cell", step, re.I), f"a plain step is spoken: {step!r}")
        until("Up", "blocked", 3)
        check("2 times" in press("Up")[1], "a repeated bump is counted")
        whole = press("KP_Enter")[1]  # Orca's "where am I", never the game's Enter
        check("Column 1, row 1: open" in whole and "Blocked" not in whole,
              f"where am I reads the whole cell, without the one-off words: {whole!r}")
        delays = sorted(press(key)[0] for key in ["Down", "Up"] * 10)
        log("from an arrow key to its speech, 20 presses: median %.0f ms, p90 %.0f ms" % (
            statistics.median(delays), delays[17]))
        check("cyan" in press("F3")[1].lower(), "F3 is spoken as a cyan marker")
        check("new cell" in until("Right", "column 2, row 1").lower(), "a crossing is told")
        for key in ["Right"] * 11 + ["Down"] * 12:  # to the middle of the cell, into the next
            press(key)
        until("Down", "reached the end of the maze")
        check("End reached!" in press("Return")[1], "after the message, the end is said, once")
        check("Saved: Yes" in press("ctrl+s")[1], "a save is told")
        shown = press("alt+v")[1].lower()
        check("map. mouse in column 2, row 2" in shown, f"View Map speaks the map: {shown!r}")
        check("marker" in press("alt+d")[1].lower(), "Display Markers speaks the map's markers")
        check("Column 2, row 2" in press("alt+v")[1], "back in the cell view, the cell is read")
        if orca.poll() is not None or process.poll() is not None:
            raise Failure("Orca or the program ended during the test")


SIDES = {"north": ("Up", "Down"), "east": ("Right", "Left"), "south": ("Down", "Up"),
         "west": ("Left", "Right")}
BACK = {"north": "south", "south": "north", "east": "west", "west": "east"}


def cell_of(words):
    """(column, row) and the sides that lead on, from words about a cell."""
    found = re.search(r"[Cc]olumn (\d+), row (\d+)[:,] (open [^;.]*|closed on all sides)", words)
    if not found:
        return None
    sides = set(SIDES) if "open on all" in found.group(3) else \
        {side for side in SIDES if side in found.group(3)}
    sides -= set(re.findall(r"(\w+) leads into a pocket", words))
    return (int(found.group(1)), int(found.group(2))), sides


def play(session, scratch, mazes):
    """Walks fresh mazes to their ends by the speech log alone, depth first; prints the arrow
    presses per cell move."""
    xdotool = need_tool("xdotool")
    totals = [0, 0]
    for maze in range(mazes):
        began = time.time()
        process = session.start_program()
        found = subprocess.run([xdotool, "search", "--sync", "--onlyvisible", "--pid",
                                str(process.pid), "--name", "Pathwick!"], capture_output=True,
                               text=True, timeout=WAIT).stdout.split()
        subprocess.run([xdotool, "windowfocus", "--sync", found[0]], timeout=WAIT, check=True)
        here, sides = cell_of(" ".join(w for _, w in speech(scratch, began, 1.0)))
        presses = moves = 0

        def press(key):
            nonlocal presses
            presses += key in ("Up", "Down", "Left", "Right")
            pressed = time.time()
            subprocess.run([xdotool, "key", key], timeout=WAIT, check=True)
            return " ".join(w for _, w in speech(scratch, pressed, 0.12))

        tried, path, entered = set(), [], None  # (cell, side) pairs walked or come by
        while True:
            untried = [o for o in sorted(sides) if (here, o) not in tried]
            if untried:
                side = untried[0]
            elif path:
                side = BACK[path[-1]]
            else:
                raise Failure("the maze has no way on")
            tried.add((here, side))
            if entered:  # from the edge to the centre first
                while "In the centre" not in press(SIDES[entered][1]):
                    pass
                press(SIDES[entered][1])  # off the centre square's edge, into its middle
            said = ""
            while "New cell" not in said:
                said = press(SIDES[side][0])
                if "Blocked" in said:
                    raise Failure(f"blocked on the way {side}: {said!r}")
            moves += 1
            path = path[:-1] if path and side == BACK[path[-1]] else path + [side]
            here, sides = cell_of(said)
            entered = BACK[side]
            tried.add((here, entered))
            if "the end" in said:
                while "reached the end" not in press(SIDES[entered][1]):
                    pass
                press("Return")
                break
        log(f"maze {maze + 1}: {presses} arrow presses, {moves} cell moves, "
            f"{presses / moves:.1f} per move, {time.time() - began:.0f} s, no where-am-I")
        totals[0] += presses
        totals[1] += moves
        process.kill()
        process.wait()
    log(f"all: {totals[0] / totals[1]:.1f} arrow presses per cell move")


if __name__ == "__main__":
    sys.exit(main(run, __file__, __doc__, cannot_run=77))
