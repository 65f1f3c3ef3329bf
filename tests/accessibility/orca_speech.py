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
        time.sleep(0.02)
    raise Failure("Orca said nothing within %.0f s" % WAIT)


def start_orca(session):
    """openbox, speech-dispatcher and Orca in session; Orca's process, once it has spoken."""
    scratch = session.scratch
    for name, text in FILES.items():
        os.makedirs(os.path.dirname(os.path.join(scratch, name)), exist_ok=True)
        with open(os.path.join(scratch, name), "w") as f:
            f.write(text.replace("{0}", scratch))
    home = os.path.join(scratch, "home")
    os.environ.update(HOME=home, XDG_CONFIG_HOME=home + "/.config",
                      XDG_DATA_HOME=home + "/.local/share", XDG_CACHE_HOME=home + "/.cache")
    session.start_openbox()
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
    return orca


def open_window(session, *arguments):
    """The program started with arguments and its window focused; its process and what Orca
    said about the window."""
    began = time.time()
    process = session.start_program(*arguments)
    found = subprocess.run([need_tool("xdotool"), "search", "--sync", "--onlyvisible", "--pid",
                            str(process.pid), "--name", "Pathwick!"], capture_output=True,
                           text=True, timeout=WAIT).stdout.split()
    subprocess.run([need_tool("xdotool"), "windowfocus", "--sync", found[0]], timeout=WAIT,
                   check=True)
    return process, " ".join(w for _, w in speech(session.scratch, began, 1.0))


def hear(session, key, quiet=0.4):
    """Presses key; the milliseconds until Orca spoke, and all it said."""
    if not hasattr(session, "keys"):  # one xdotool for all keys, no start of a program in the time
        session.keys = session._spawn("xdotool", [need_tool("xdotool"), "-"],
                                      stdin=subprocess.PIPE, text=True)
    pressed = time.time()
    session.keys.stdin.write(f"key --clearmodifiers {key}\n")
    session.keys.stdin.flush()
    said = speech(session.scratch, pressed, quiet)
    return (said[0][0] - pressed) * 1000, " ".join(words for _, words in said)


def run(program):
    with Session(program) as session:
        orca, scratch = start_orca(session), session.scratch
        # A corridor from the start (1,1) east to (2,1) and south to the end (2,2).
        codes = {(1, 1): 12, (2, 1): 6, (2, 2): 9}
        with open(os.path.join(scratch, "corridor.maz"), "w", newline="") as f:
            f.write("\r\n".join(["1,1", "2,2", "1,1", "2070,2070"] + [
                f"{codes.get((x, y), 0)}\r\n0" for x in range(1, 26) for y in range(1, 26)]))
        process, said = open_window(session, os.path.join(scratch, "corridor.maz"))
        check("Maze canvas" in said, "Orca reads 'Maze'")

        def press(key):
            said = hear(session, key)[1]
            log(f"  {key}: {said}")
            return said

        def until(key, pattern, most=14):
            for _ in range(most):
                said = press(key)
                if re.search(pattern, said, re.IGNORECASE):
                    return said
            raise Failure(f"{most} presses of {key} never made Orca say {pattern!r}")

        step = press("Up")
        check(not re.search("blocked|new cell", step, re.I), f"a plain step is spoken: {step!r}")
        until("Up", "blocked", 3)
        check("2 times" in press("Up"), "a repeated bump is counted")
        whole = press("KP_Enter")  # Orca's "where am I", never the game's Enter
        check("Column 1, row 1: open" in whole and "Blocked" not in whole,
              f"where am I reads the whole cell, without the one-off words: {whole!r}")
        delays = sorted(hear(session, key)[0] for key in ["Down", "Up"] * 10)
        log("from an arrow key to its speech, 20 presses: median %.0f ms, p90 %.0f ms" % (
            statistics.median(delays), delays[17]))
        check("cyan" in press("F3").lower(), "F3 is spoken as a cyan marker")
        check("new cell" in until("Right", "column 2, row 1").lower(), "a crossing is told")
        for key in ["Right"] * 11 + ["Down"] * 12:  # to the middle of the cell, into the next
            press(key)
        until("Down", "reached the end of the maze")
        for key, words, what in [
                ("Return", "End reached!", "after the message, the end is said, once"),
                ("ctrl+s", "Saved: Yes", "a save is told"),
                ("alt+v", "map. mouse in column 2, row 2", "View Map speaks the map"),
                ("alt+d", "marker", "Display Markers speaks the map's markers"),
                ("alt+v", "Column 2, row 2", "back in the cell view, the cell is read")]:
            said = press(key)
            check(words.lower() in said.lower(), f"{what}: {said!r}")
        if orca.poll() is not None or process.poll() is not None:
            raise Failure("Orca or the program ended during the test")


if __name__ == "__main__":
    sys.exit(main(run, __file__, __doc__, cannot_run=77))
