#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays Pathwick! by ear with the real screen reader Orca and checks what it says.

Starts, each of its own: a session bus, Xvfb, the window manager openbox, the accessibility bus,
speech-dispatcher whose only voice appends every utterance with the time to a file, Orca, and the
program on a small maze file written here. Then presses keys with xdotool and checks what Orca
said after each: a plain step, a blocked step, a crossing into the next cell, F3, the end, the
map, a save. Reports the time from an arrow key to its speech over 20 presses (median and 90th centile).

Usage: orca_speech.py PROGRAM
Exit status 0 when every check passed, 1 when one failed, 77 when Orca cannot start here.
"""

import os
import re
import statistics
import subprocess
import sys
import time

from screen_reader import CannotRun, Failure, Session, check, log, main, need_tool

WAIT = 20.0  # seconds: the longest wait for anything
QUIET = 0.4  # seconds of silence that end what Orca says after a key

# Orca's own launcher, less its search for the screen readers of the same user: it would stop
# those of other sessions on the machine, or refuse to start beside them.
ORCA = """import runpy, sys
main = runpy.run_path(sys.argv.pop(1), run_name="launched")["main"]
main.__globals__.update(otherOrcas=lambda: [], setProcessName=lambda name: None)
sys.exit(main())
"""

# The voice: speech-dispatcher's generic module hands each utterance to this script.
VOICE = """#!/bin/sh
now=$(date +%s.%N)
words=$(cat | tr '\\n' ' ')
printf '%s\\t%s\\n' "$now" "$words" >> "$1"
"""


def write(path, text, mode=0o644):
    with open(path, "w") as f:
        f.write(text)
    os.chmod(path, mode)


def maze_file(path):
    """A corridor from the start (1,1) east to (2,1), then south to the end (2,2); the mouse in
    the middle of the start cell. Every other cell is outside the maze."""
    codes = {(1, 1): 8 + 4, (2, 1): 2 + 4, (2, 2): 1 + 8}
    lines = ["1,1", "2,2", "1,1", "2070,2070"]
    for x in range(1, 26):
        for y in range(1, 26):
            lines += [str(codes.get((x, y), 0)), "0"]
    with open(path, "w", newline="") as f:
        f.write("\r\n".join(lines) + "\r\n")


class Listener:
    """Orca with a speech-dispatcher of its own that writes what it says to a file."""

    def __init__(self, session):
        self.session = session
        scratch = session.scratch
        home = os.path.join(scratch, "home")
        os.makedirs(home)
        os.environ.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                          XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                          XDG_CACHE_HOME=os.path.join(home, ".cache"))
        # No sound card here: the voice needs none, but speech-dispatcher opens one.
        write(os.path.join(home, ".asoundrc"), "pcm.!default { type null }\n")
        self.spoken = os.path.join(scratch, "spoken.log")
        write(self.spoken, "")
        voice = os.path.join(scratch, "voice.sh")
        write(voice, VOICE, 0o755)
        config = os.path.join(scratch, "speech-dispatcher")
        os.makedirs(os.path.join(config, "modules"))
        write(os.path.join(config, "speechd.conf"),
              'AddModule "log" "sd_generic" "log.conf"\nDefaultModule log\n'
              'LanguageDefaultModule "en" "log"\nAudioOutputMethod "alsa"\nDisableAutoSpawn\n')
        write(os.path.join(config, "modules", "log.conf"),
              f'GenericExecuteSynth "printf %s \\\'$DATA\\\' | {voice} {self.spoken}"\n'
              'GenericMaxChunkLength 100000\nAddVoice "en" "MALE1" "log"\n')
        self.start(need_tool("speech-dispatcher"), need_tool("orca"), config)

    def start(self, dispatcher, orca, config):
        self.session._spawn("speech-dispatcher", [dispatcher, "--run-single", "--timeout", "0",
                                                  "--config-dir", config, "--log-dir",
                                                  self.session.scratch])
        # Orca's debugging slows it down: only on request, into the file named.
        debug = os.environ.get("PATHWICK_ORCA_DEBUG")
        with open(orca) as launcher:  # the Python that Orca's launcher names
            python = launcher.readline()[2:].split()
        self.orca = self.session._spawn("orca", python + ["-c", ORCA, orca] +
                                        (["--debug-file", os.path.abspath(debug)] if debug else []))
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline and self.orca.poll() is None:
            if self.said_since(0):
                log("Orca is speaking: " + " | ".join(self.said_since(0)))
                return
            time.sleep(0.1)
        raise CannotRun("Orca did not start speaking: " + self.session.output_of("orca")[-2000:])

    def utterances(self):
        with open(self.spoken) as f:
            return [(float(line.split("\t", 1)[0]), line.split("\t", 1)[1].strip())
                    for line in f if "\t" in line]

    def said_since(self, since):
        return [words for when, words in self.utterances() if when >= since]

    def wait_for_speech(self, since, quiet=QUIET):
        """What Orca said after the time since: waits for the first words, then for silence."""
        deadline = time.monotonic() + WAIT
        heard = []
        while time.monotonic() < deadline:
            now = self.utterances()
            new = [entry for entry in now if entry[0] >= since]
            if new and new == heard and time.time() - new[-1][0] >= quiet:
                return new
            heard = new
            time.sleep(0.05)
        raise Failure("Orca said nothing within %.0f s after a key" % WAIT)


class Player:
    def __init__(self, session, listener, process):
        self.listener = listener
        self.xdotool = need_tool("xdotool")
        window = None
        deadline = time.monotonic() + WAIT
        while not window and time.monotonic() < deadline and process.poll() is None:
            found = subprocess.run([self.xdotool, "search", "--onlyvisible", "--pid",
                                    str(process.pid), "--name", "Pathwick!"],
                                   capture_output=True, text=True, timeout=WAIT)
            window = (found.stdout.split() or [None])[0]
            time.sleep(0.1)
        if not window:
            raise Failure("the program's window did not show: " + session.output_of("pathwick"))
        subprocess.run([self.xdotool, "windowfocus", "--sync", window], timeout=WAIT, check=True)
        greeting = " ".join(words for _, words in listener.wait_for_speech(0, quiet=1.0))
        check("Maze" in greeting, f"the cell view is read when the window gets the focus: {greeting!r}")

    def press(self, key):
        """Presses key; returns the time of the press and what Orca said after it."""
        pressed = time.time()
        subprocess.run([self.xdotool, "key", "--clearmodifiers", key], timeout=WAIT, check=True)
        said = self.listener.wait_for_speech(pressed)
        log(f"  {key}: " + " | ".join(words for _, words in said))
        return pressed, said

    def say(self, key):
        return " ".join(words for _, words in self.press(key)[1])

    def until(self, key, pattern, most):
        for _ in range(most):
            said = self.say(key)
            if re.search(pattern, said, re.IGNORECASE):
                return said
        raise Failure(f"{most} presses of {key} never made Orca say {pattern!r}")


def play(player):
    step = player.say("Up")
    check(step and not re.search("blocked|new cell", step, re.IGNORECASE),
          f"a plain step is spoken: {step!r}")
    check(re.search("blocked", player.until("Up", "blocked", 3), re.IGNORECASE),
          "a step into a wall is spoken as blocked")

    # Back and forth in the middle of the start cell: every press is followed by its words.
    delays = []
    for key in ["Down", "Up"] * 10:
        pressed, said = player.press(key)
        delays.append((said[0][0] - pressed) * 1000)
    delays.sort()
    log("from an arrow key to Orca's speech over %d presses: median %.0f ms, p90 %.0f ms" % (
        len(delays), statistics.median(delays), delays[int(0.9 * len(delays)) - 1]))

    check("cyan" in player.say("F3").lower(), "F3 is spoken as a cyan marker")
    crossing = player.until("Right", r"column 2, row 1", 14)
    check(re.search("new cell", crossing, re.IGNORECASE),
          f"a crossing names the new cell: {crossing!r}")
    for _ in range(11):
        player.say("Right")  # to the middle of the cell, over the south arm
    player.until("Down", r"column 2, row 2", 14)
    player.until("Down", "reached the end of the maze", 14)
    end = player.say("Return")  # closes the congratulation
    check(re.search("end reached", end, re.IGNORECASE), f"back in the maze, the end is told: {end!r}")

    saved = player.say("ctrl+s")  # into the maze file opened
    check("Saved: Yes" in saved, f"a save is told: {saved!r}")

    shown = player.say("alt+v").lower()
    check("map" in shown and "column 1, row 1" in shown and "column 2, row 2" in shown,
          f"View Map speaks the map with the start and the end: {shown!r}")
    shown = player.say("alt+d").lower()
    check("marker" in shown and "column 1, row 1" in shown,
          f"Display Markers speaks the map again, with its markers: {shown!r}")


def run(program):
    need_tool("orca")
    with Session(program) as session:
        session._spawn("openbox", [need_tool("openbox")])
        listener = Listener(session)
        maze = os.path.join(session.scratch, "corridor.maz")
        maze_file(maze)
        process = session.start_program(maze)
        try:
            play(Player(session, listener, process))
        except Failure as failure:
            raise Failure(f"{failure}\nprogram: {session.output_of('pathwick')[-2000:]}") from None


if __name__ == "__main__":
    sys.exit(main(run, __file__, __doc__, cannot_run=77))
