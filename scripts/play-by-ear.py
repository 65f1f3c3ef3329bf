#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays fresh mazes of Pathwick! to their ends by Orca's speech alone, as a player by ear
would, depth first and without "where am I", and prints the arrow presses per cell move.
Orca and the program run as in tests/accessibility/orca_speech.py.

Usage: [PATHWICK_PLAY=MAZES] scripts/play-by-ear.py PROGRAM   (3 mazes unless told)"""

import os, re, sys, time  # noqa: E401
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "accessibility"))
from orca_speech import hear, open_window, start_orca  # noqa: E402
from screen_reader import (MOVES, OPPOSITE as BACK, Failure, Session, log, main,  # noqa: E402
                           parse_cell)

SIDES = {"north": ("Up", "Down"), "east": ("Right", "Left"), "south": ("Down", "Up"),
         "west": ("Left", "Right")}


def cell_of(words):
    """(column, row) and the sides that lead on, from words about a cell."""
    column, row, open_sides, pockets, _ = parse_cell(words)
    return (column, row), open_sides - pockets


def next_to(cell, side):
    return cell[0] + MOVES[side][0], cell[1] + MOVES[side][1]


def play(program):
    totals = [0, 0]
    with Session(program) as session:
        start_orca(session)
        for maze in range(int(os.environ.get("PATHWICK_PLAY", "3"))):
            began = time.time()
            process, said = open_window(session)
            presses = moves = 0

            def press(key):
                nonlocal presses
                arrow = key in ("Up", "Down", "Left", "Right")
                presses += arrow
                return hear(session, key, 0.1 if arrow else 0.5)[1]

            # The map tells where the end is; back in the cell view, the cell is read.
            found = re.search(r"end at column (\d+), row (\d+)", press("alt+v"))
            if not found:
                raise Failure("the map did not say where the end is")
            end = int(found.group(1)), int(found.group(2))
            here, sides = cell_of(press("alt+v"))
            # Depth first, the side nearest the end first, never into a cell already walked.
            visited, path, entered = {here}, [], None
            while True:
                ahead = sorted((side for side in sides if next_to(here, side) not in visited),
                               key=lambda side: sum(abs(a - b) for a, b in
                                                    zip(next_to(here, side), end)))
                if ahead:
                    side = ahead[0]
                elif path:
                    side = BACK[path[-1]]
                else:
                    raise Failure("the maze has no way on")
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
                path = path[:-1] if not ahead else path + [side]
                here, sides = cell_of(said)
                visited.add(here)
                entered = BACK[side]
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
    sys.exit(main(play, __file__, __doc__, cannot_run=77))
