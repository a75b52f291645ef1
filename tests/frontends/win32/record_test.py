#!/usr/bin/env python3
"""movra.exe --record and --play under Wine and Xvfb, against the Linux movra-replay.

Usage: record_test.py WINDOWS_BUILD LINUX_BUILD [SHOTS_DIR]
"""

import os
import subprocess
import sys
import tempfile
import time
import unittest

from window_test import MAIN_CAPTION, MOVRA, SHOTS, SOURCE, Wine, px, replay_frames

RAIN = os.path.join(SOURCE, "docs", "rain.txt")
POND = px(1740, 96)  # the painted cells at 96 DPI, in pixels
HEADER = b"# movra 1.00 (Movra Ver0.61), recorded "


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def presses(script):
    """Each press of a script, with the ticks before it."""
    ticks, found = 0, []
    for line in script.splitlines():
        words = line.split()
        if words[:1] == [b"tick"]:
            ticks += int(words[1]) if len(words) > 1 else 1
        elif words[:1] == [b"press"]:
            found.append((ticks, *words[1:]))
    return found


class RecordAndPlayTest(unittest.TestCase):
    def start(self, *arguments, dpi=96):
        """The program, its window's pond as (left, top) on the screen."""
        program = WINE.start(*arguments)
        x, y, width, height = WINE.geometry(WINE.wait_window(MAIN_CAPTION))
        if SHOTS:  # Wine draws the frame: the borders are alike but for the caption on top
            border = (width - px(1845, dpi)) // 2
            x, y = x + border, y + height - px(1815, dpi) - border
        return program, (x + px(15, dpi) + 1, y + 1)

    def pond(self, at, name=None):
        return WINE.screen(name).crop(*at, POND, POND)

    def end(self, program, at):
        WINE.xdotool("mousemove", str(at[0] + 60), str(at[1] + 60), "click", "3")
        time.sleep(0.4)
        WINE.xdotool("key", "x")
        self.assertEqual(program.wait(timeout=15), 0)

    def test_a_recording_with_a_rest_replays_on_linux_to_what_the_window_painted(self):
        with tempfile.TemporaryDirectory() as work:
            path = os.path.join(work, "session.txt")
            with open(path, "w") as file:
                file.write("an older recording\n")  # emptied once the program has started
            program, at = self.start("--record", windows_path(path))
            time.sleep(1)
            WINE.xdotool("mousemove", str(at[0] + 50), str(at[1] + 30), "click", "1")
            time.sleep(5)  # the rings fade and the timer sleeps
            WINE.xdotool("mousemove", str(at[0] + 20), str(at[1] + 90), "click", "1")
            time.sleep(0.6)
            shown = self.pond(at, "record")
            self.end(program, at)
            with open(path, "rb") as file:
                recording = file.read()
        self.assertTrue(recording.startswith(HEADER), recording[:80])
        self.assertNotIn(b"\r", recording)
        (first, *a), (second, *b), (last, *menu) = presses(recording)
        self.assertEqual((a, b, menu), ([b"750", b"450", b"1"], [b"300", b"1350", b"1"], [b"900", b"900", b"2"]))
        self.assertIn(second - first, range(48, 62), "the ticks at rest were not all counted")
        frames = replay_frames(recording.decode(), 1, 1, POND, POND)
        self.assertIn(shown, frames[second:last + 1])

    def test_at_120_and_144_dpi_a_press_has_the_twips_of_the_one_rule_and_rings_where_linux_replays_it(self):
        # twips = device pixels * 1440 / dpi; cells of 5 and 6 pixels. At 144
        # DPI, pixels 9 and 15 fall on the middle of a cell (ties to even:
        # columns 2 and 4); the last pixels are column and row 30.
        cases = {120: [(52, 31), (149, 148)], 144: [(9, 15), (179, 178)]}
        try:
            for dpi, points in cases.items():
                WINE.set_dpi(dpi)
                cell = px(60, dpi)
                with tempfile.TemporaryDirectory() as work:
                    path = os.path.join(work, "session.txt")
                    program, at = self.start("--record", windows_path(path), dpi=dpi)
                    time.sleep(1)
                    shown = []
                    for x, y in points:
                        WINE.xdotool("mousemove", str(at[0] + x), str(at[1] + y), "click", "1")
                        time.sleep(0.5)
                        # The 29 by 29 painted cells, a pixel of each.
                        shown.append(WINE.screen(f"{dpi}-press").crop(*at, 29, 29, cell))
                    self.end(program, at)
                    with open(path, "rb") as file:
                        recording = file.read()
                twips = [(str(x * 1440 // dpi).encode(), str(y * 1440 // dpi).encode(), b"1") for x, y in points]
                self.assertEqual([press[1:] for press in presses(recording)[:-1]], twips, dpi)
                frames = replay_frames(recording.decode(), 1, 4, 29, 29)
                for cells in shown:
                    self.assertIn(cells, frames, dpi)
        finally:
            WINE.set_dpi(96)

    def test_playing_rain_ends_on_the_last_frame_and_records_its_presses_on_their_ticks(self):
        with open(RAIN, "rb") as file:
            rain = file.read()
        last = replay_frames(rain.decode(), 1, 1, POND, POND)[-1]
        with tempfile.TemporaryDirectory() as work:
            path = os.path.join(work, "again.txt")
            program, at = self.start("--play", windows_path(RAIN), "--record", windows_path(path))
            deadline = time.time() + 40
            while self.pond(at) != last and time.time() < deadline:
                time.sleep(0.5)
            self.assertEqual(self.pond(at, "rain"), last)
            self.end(program, at)
            with open(path, "rb") as file:
                again = file.read()
        self.assertEqual(presses(again)[:-1], presses(rain))  # the last is the end command's right press

    def test_a_bad_record_file_or_play_script_is_status_2_before_any_window_overwriting_nothing(self):
        with tempfile.TemporaryDirectory() as work:
            kept, bad = os.path.join(work, "kept.txt"), os.path.join(work, "bad.txt")
            japanese = os.path.join(work, "波紋.txt")  # the same bad script, named outside any code page's ASCII
            for name, text in ((kept, "tick 1\n"), (bad, "tick 1\njump\n"), (japanese, "tick 1\njump\n")):
                with open(name, "w") as file:
                    file.write(text)
            missing = windows_path(os.path.join(work, "no", "such.txt"))
            # The same file by another spelling: only the file system can tell.
            kept_again = windows_path(os.path.join(work, ".", "KEPT.TXT"))
            cases = ((["--record", missing], f"movra: cannot write {missing}: No such file or directory\n"),
                     (["--record", windows_path(kept), "--play", windows_path(bad)], None),
                     (["--play", windows_path(japanese)], f"movra: {windows_path(japanese)}:2: unknown command 'jump'\n"),
                     (["--play", windows_path(work)], f"movra: cannot read {windows_path(work)}: Is a directory\n"),
                     (["--play", windows_path(kept), "--record", kept_again],
                      f"movra: cannot record into {kept_again}: it is the recording to play\n"))
            for arguments, error in cases:
                done = WINE.run("wine", MOVRA, *arguments, check=False, timeout=30)
                self.assertEqual(done.returncode, 2, arguments)
                self.assertEqual(done.stderr.decode().count("\n"), 1, done.stderr)
                if error:
                    self.assertEqual(done.stderr.decode(), error)
            with open(kept) as file:
                self.assertEqual(file.read(), "tick 1\n")
        self.assertEqual(WINE.windows(MAIN_CAPTION), [])


if __name__ == "__main__":
    WINE = Wine()
    try:
        WINE.set_dpi(96)
        unittest.main(argv=sys.argv[:1], verbosity=2)
    finally:
        WINE.close()
