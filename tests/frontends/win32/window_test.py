#!/usr/bin/env python3
"""The Windows programs under Wine and Xvfb, driven with xdotool.

Usage: window_test.py WINDOWS_BUILD LINUX_BUILD [SHOTS_DIR]

The window's pond is compared pixel for pixel with the frames that the Linux
movra-replay paints for the same presses, at 96 and at 144 DPI and zoomed; the
popup menu, the about box, the help and the end command are driven by their
keys, and so are the pond's cursor, the zoom and full screen.
With SHOTS_DIR, screenshots of each step are kept there, and Wine draws the
windows' frames and captions itself (no window manager runs).
"""

import os
import subprocess
import sys
import tempfile
import time
import unittest

BUILD, LINUX = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
LINUX_REPLAY = os.path.join(LINUX, "frontends", "replay", "movra-replay")
SHOTS = sys.argv[3] if len(sys.argv) > 3 else None
MOVRA = os.path.join(BUILD, "movra.exe")
SAVER = os.path.join(BUILD, "movra.scr")
REPLAY = os.path.join(BUILD, "movra-replay.exe")
PREVIEW_HOST = os.path.join(BUILD, "cmake", "tests", "preview_host.exe")
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
MAIN_CAPTION = "Movra Ver0.61"
ABOUT_CAPTION = "MovraVer0.61のﾊﾞｰｼﾞｮﾝ情報"

# The fonts the about box names, mapped to the IPA faces, as on Linux. A
# managed window's X window is its client area alone. No zoom kept from an
# earlier run.
REGISTRY = f"""REGEDIT4

[-HKEY_CURRENT_USER\\Software\\Movra]

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="{'N' if SHOTS else 'Y'}"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"ＭＳ Ｐ明朝"="IPAPMincho"
"ＭＳ Ｐゴシック"="IPAPGothic"
"""


def px(twips, dpi):
    """Twips to pixels at dpi, rounded as the window rounds them (halves up)."""
    return (twips * dpi + 720) // 1440


class Wine:
    """Xvfb and a Wine prefix of the test's own."""

    def __init__(self):
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "640x480x24", "-nolisten", "tcp"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        display = self.xvfb.stdout.readline().decode().strip()
        prefix = os.path.join(BUILD, "wineprefix")
        self.env = dict(os.environ, DISPLAY=":" + display, WINEPREFIX=prefix, WINEDEBUG="-all",
                        LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8")
        if not os.path.isdir(os.path.join(prefix, "drive_c")):
            self.run("wineboot", "-i")
        with tempfile.NamedTemporaryFile("wb", suffix=".reg", delete=False) as reg:
            reg.write(REGISTRY.replace("\n", "\r\n").encode("utf-16"))
        self.run("wine", "regedit", "/S", "Z:" + reg.name.replace("/", "\\"))
        os.unlink(reg.name)

    def run(self, *command, check=True, timeout=60, **options):
        return subprocess.run(command, env=self.env, check=check, capture_output=True, timeout=timeout, **options)

    def set_dpi(self, dpi):
        self.run("wine", "reg", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                 "/d", str(dpi), "/f")
        self.run("wineserver", "-k", check=False)  # read again as the next program starts

    def start(self, *arguments, program=MOVRA):
        return subprocess.Popen(["wine", program, *arguments], env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def stop(self, program):
        """Ends the program, and every window of the prefix with it."""
        program.kill()
        program.wait()
        self.run("wineserver", "-k", check=False)

    def windows(self, name=None):
        found = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{name}$" if name else "", check=False)
        return found.stdout.decode().split()

    def wait_window(self, name, present=True, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if bool(self.windows(name)) == present:
                return self.windows(name)[0] if present else None
            time.sleep(0.1)
        raise AssertionError(f"window {name!r} {'never appeared' if present else 'still there'}")

    def xdotool_values(self, command, *arguments):
        out = self.run("xdotool", command, "--shell", *arguments).stdout.decode()
        return dict(line.split("=") for line in out.split())

    def geometry(self, window):
        values = self.xdotool_values("getwindowgeometry", window)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def major_version(self):
        """Wine's own: 8 in Debian 12, 10 in Debian 13."""
        version = self.run("wine", "--version").stdout.decode()  # "wine-10.0 (Debian ...)"
        return int(version.removeprefix("wine-").split(".")[0])

    def pointer(self):
        values = self.xdotool_values("getmouselocation")
        return int(values["X"]), int(values["Y"])

    def xdotool(self, *arguments):
        self.run("xdotool", *arguments)

    def stored_zoom(self):
        """The zoom kept under HKCU\\Software\\Movra, or None."""
        done = self.run("wine", "reg", "query", "HKCU\\Software\\Movra", "/v", "Zoom", check=False)
        words = done.stdout.decode(errors="replace").split()
        return int(words[words.index("REG_DWORD") + 1], 16) if "REG_DWORD" in words else None

    def screen(self, name=None):
        """The whole screen as rows of (r, g, b); kept as a PNG under SHOTS when named."""
        if SHOTS and name:
            os.makedirs(SHOTS, exist_ok=True)
            self.run("import", "-window", "root", os.path.join(SHOTS, name + ".png"))
        raw = self.run("import", "-window", "root", "-depth", "8", "rgb:-").stdout
        return Image(raw, 640, 480)

    def close(self):
        self.run("wineserver", "-k", check=False)
        self.xvfb.terminate()
        self.xvfb.wait()
        self.xvfb.stdout.close()


class Image:
    def __init__(self, raw, width, height):
        self.raw, self.width, self.height = raw, width, height

    def crop(self, left, top, width, height, step=1):
        """Every step-th pixel of the area, as bytes."""
        rows = []
        for y in range(top, top + height * step, step):
            row = self.raw[(y * self.width + left) * 3:(y * self.width + left + width * step) * 3]
            rows.append(b"".join(row[i:i + 3] for i in range(0, len(row), 3 * step)))
        return b"".join(rows)

    def pixel(self, x, y):
        return tuple(self.raw[(y * self.width + x) * 3:(y * self.width + x) * 3 + 3])


def masked(pond, width, x, y, size):
    """The pond's pixels with the size by size square at (x, y) blacked out."""
    pixels = bytearray(pond)
    for row in range(y, y + size):
        pixels[(row * width + x) * 3:(row * width + x + size) * 3] = bytes(size * 3)
    return bytes(pixels)


def replay_frames(script, scale, step, width, height):
    """The pond after each tick, from the Linux movra-replay, every step-th pixel."""
    with tempfile.TemporaryDirectory() as frames:
        subprocess.run([LINUX_REPLAY, "--png", frames, "--scale", str(scale), "-"], input=script.encode(),
                       check=True, capture_output=True)
        images = []
        for name in sorted(os.listdir(frames)):
            raw = subprocess.run(["convert", os.path.join(frames, name), "-depth", "8", "rgb:-"],
                                 check=True, capture_output=True).stdout
            images.append(Image(raw, 120 * scale, len(raw) // (120 * scale * 3)).crop(0, 0, width, height, step))
        return images


class CommandLineTest(unittest.TestCase):
    def test_a_bad_option_or_argument_is_one_line_and_status_2_before_any_window(self):
        for arguments in (["--bogus"], ["stray"]):
            done = WINE.run("wine", MOVRA, *arguments, check=False, timeout=30)
            self.assertEqual(done.returncode, 2, arguments)
            self.assertEqual(done.stderr.decode().count("\n"), 1, done.stderr)
            self.assertTrue(done.stderr.startswith(b"movra: "), done.stderr)
        self.assertEqual(WINE.windows(MAIN_CAPTION), [])

    def test_help_and_version_are_the_linux_texts(self):
        for option in ("--help", "--version"):
            windows = WINE.run("wine", MOVRA, option, timeout=30).stdout
            linux = subprocess.run([os.path.join(LINUX, "frontends", "qt", "movra"), option], capture_output=True).stdout
            self.assertEqual(windows, linux, option)


class ReplayTest(unittest.TestCase):
    def test_the_windows_trace_is_the_linux_trace_byte_for_byte(self):
        scripts = [os.path.join(SOURCE, "tests", "frontends", "web", "scripts", name)
                   for name in ("busy.txt", "one_press.txt")]
        scripts += [os.path.join(SOURCE, "docs", name) for name in ("rain.txt", "rings.txt", "ten-at-once.txt")]
        for script in scripts:
            windows = WINE.run("wine", REPLAY, "--levels", script, timeout=120).stdout
            linux = subprocess.run([LINUX_REPLAY, "--levels", script], check=True, capture_output=True).stdout
            self.assertEqual(windows, linux, script)
        example = b"press 935 455\ntick 2\n"
        windows = WINE.run("wine", REPLAY, input=example, timeout=30).stdout
        self.assertTrue(windows.endswith(b"tick 2\nbox 960 480 1020 540 15400960\n"), windows[-80:])

    def test_image_files_are_refused_with_status_2(self):
        done = WINE.run("wine", REPLAY, "--gif", "x.gif", os.path.join(SOURCE, "docs", "rings.txt"), check=False)
        self.assertEqual(done.returncode, 2)
        self.assertEqual(done.stderr.decode().count("\n"), 1)


class ExecutableTest(unittest.TestCase):
    def test_the_files_need_only_windows_dlls_and_carry_no_time_stamp(self):
        import pefile
        for path in (MOVRA, SAVER, REPLAY):
            pe = pefile.PE(path)
            dlls = {entry.dll.decode().upper() for entry in pe.DIRECTORY_ENTRY_IMPORT}
            self.assertLessEqual(dlls, {"ADVAPI32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "SHELL32.DLL",
                                        "USER32.DLL"})
            self.assertEqual(pe.FILE_HEADER.TimeDateStamp, 0, path)

    def test_the_version_information_names_movra_in_japanese(self):
        import pefile
        saver = pefile.PE(SAVER)
        self.assertEqual(self.version_strings(saver)["OriginalFilename"], "movra.scr")
        self.assertIn("Movra", saver.get_resources_strings())  # its name in the settings' list
        pe = pefile.PE(MOVRA)
        strings = self.version_strings(pe)
        self.assertEqual(strings["OriginalFilename"], "movra.exe")
        self.assertEqual(strings["FileDescription"], "Movraシミュレーションプログラム")
        self.assertEqual(strings["ProductName"], "MovraVer0.61")
        self.assertEqual((strings["FileVersion"], strings["ProductVersion"]), ("1.00", "1.00"))
        self.assertIn("The Movra developers", strings["LegalCopyright"])
        self.assertIn("MIT", strings["LegalCopyright"])
        fixed = pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (0x10000, 0))

    def version_strings(self, pe):
        info = {info.Key: info for info in pe.FileInfo[0]}
        table = info[b"StringFileInfo"].StringTable[0]
        self.assertEqual(table.LangID, b"041104B0")
        return {key.decode(): value.decode() for key, value in table.entries.items()}


class WindowTest(unittest.TestCase):
    """One run of the program per DPI, from its first tick to the end command."""

    def inner_area(self, window, dpi, zoom=1):
        """Where the pond's inner area starts on the screen; the window's client area checked."""
        x0, y0, width, height = WINE.geometry(window)
        client = (px(1845, dpi * zoom), px(1815, dpi * zoom))
        if SHOTS:  # the frame's borders are alike but for the caption on top
            border = (width - client[0]) // 2
            x0, y0 = x0 + border, y0 + height - client[1] - border
        else:
            self.assertEqual((width, height), client)
        # Inside a one-pixel border (zoom pixels) 15 twips from the left.
        return x0 + px(15, dpi * zoom) + zoom, y0 + zoom

    def check_window(self, dpi, replay_scale, step):
        WINE.set_dpi(dpi)
        program = WINE.start()
        window = WINE.wait_window(MAIN_CAPTION)
        left, top = self.inner_area(window, dpi)
        # The painted cells, 29 by 29 (the strip beyond is the system's colour).
        pond_w = pond_h = px(1740, dpi)
        time.sleep(1)  # the first tick paints the calm pond, then the timer sleeps
        pond = lambda name=None: WINE.screen(name).crop(left, top, pond_w, pond_h)
        calm = replay_frames("tick 1\n", replay_scale, step, pond_w, pond_h)[0]
        self.assertEqual(pond(f"{dpi}-calm"), calm)

        # A left press, then a press of left and right together, once the
        # first has faded: each rings as movra-replay rings it.
        a, b = (50, 30), (20, 90)
        twips = lambda point: f"{point[0] * 1440 / dpi:g} {point[1] * 1440 / dpi:g}"
        script = f"tick 1\npress {twips(a)} 1\ntick 40\n"
        WINE.xdotool("mousemove", str(left + a[0]), str(top + a[1]), "click", "1")
        time.sleep(0.6)
        frames = replay_frames(script, replay_scale, step, pond_w, pond_h)
        self.assertIn(pond(f"{dpi}-rings"), frames[2:32])
        time.sleep(3.5)
        WINE.xdotool("mousemove", str(left + b[0]), str(top + b[1]), "mousedown", "1", "mousedown", "3",
                     "mouseup", "3", "mouseup", "1")
        time.sleep(0.6)
        # The two downs (codes 1 and 3) came within one tick, or just across one.
        together = f"{script}press {twips(b)} 1\npress {twips(b)} 3\ntick 40\n"
        across = f"{script}press {twips(b)} 1\ntick 1\npress {twips(b)} 3\ntick 40\n"
        together = replay_frames(together, replay_scale, step, pond_w, pond_h)
        across = replay_frames(across, replay_scale, step, pond_w, pond_h)
        self.assertIn(pond(f"{dpi}-two-buttons"), together[42:] + across[42:])
        time.sleep(3.5)

        # The right button alone: the menu, and no source.
        WINE.xdotool("mousemove", str(left + 60), str(top + 60), "click", "3")
        time.sleep(0.6)
        self.assertEqual(len(WINE.windows()), 3, "the root, the window and the menu")
        WINE.screen(f"{dpi}-popup")
        WINE.xdotool("key", "Escape")
        time.sleep(0.6)
        self.assertIn(pond(), (together[-1], across[-1]), "the right press placed a source")
        WINE.xdotool("click", "3")
        time.sleep(0.4)
        WINE.xdotool("key", "a")  # ﾊﾞｰｼﾞｮﾝ情報(&A)
        WINE.wait_window(ABOUT_CAPTION)
        time.sleep(0.3)
        WINE.screen(f"{dpi}-about")
        WINE.xdotool("key", "Escape")
        time.sleep(0.5)
        self.assertTrue(WINE.windows(ABOUT_CAPTION), "Esc closed the about box")
        WINE.xdotool("key", "Return")
        WINE.wait_window(ABOUT_CAPTION, present=False)
        # Shown twice, one box; Space on its button closes it.
        for _ in range(2):
            WINE.xdotool("mousemove", str(left + 60), str(top + 60), "click", "3")
            time.sleep(0.4)
            WINE.xdotool("key", "a")
            WINE.wait_window(ABOUT_CAPTION)
        time.sleep(0.3)
        self.assertEqual(len(WINE.windows(ABOUT_CAPTION)), 1)
        WINE.xdotool("key", "space")
        WINE.wait_window(ABOUT_CAPTION, present=False)

        # The end command, with the about box open: every window goes.
        WINE.xdotool("mousemove", str(left + 60), str(top + 60), "click", "3")
        time.sleep(0.4)
        WINE.xdotool("key", "a")
        # Out of the main window's way, as a user would drag it.
        WINE.xdotool("windowmove", "--sync", WINE.wait_window(ABOUT_CAPTION), "300", "250")
        time.sleep(0.3)
        WINE.xdotool("mousemove", str(left + 60), str(top + 60), "click", "3")
        time.sleep(0.4)
        WINE.xdotool("key", "x")
        self.assertEqual(program.wait(timeout=15), 0)
        self.assertEqual(WINE.windows(ABOUT_CAPTION), [])

    def test_the_help_command_opens_the_compiled_help_in_the_viewer(self):
        WINE.set_dpi(96)
        program = WINE.start()
        x0, y0, _, _ = WINE.geometry(WINE.wait_window(MAIN_CAPTION))
        WINE.xdotool("mousemove", str(x0 + 60), str(y0 + 60), "click", "3")
        time.sleep(0.4)
        WINE.xdotool("key", "h")  # Movraﾍﾙﾌﾟ(&H)
        WINE.wait_window("Movra ヘルプ")  # the viewer's caption is the help file's own title
        time.sleep(1)
        WINE.screen("96-help")
        WINE.stop(program)

    def test_at_96_dpi_4_pixel_cells(self):
        self.check_window(96, 1, 1)

    def test_at_144_dpi_6_pixel_cells(self):
        # movra-replay scales by whole numbers: at 3 times, every second pixel.
        self.check_window(144, 3, 2)

    def test_zoom_2_at_144_dpi_12_pixel_cells(self):
        WINE.set_dpi(144)
        program = WINE.start("--zoom", "2")
        left, top = self.inner_area(WINE.wait_window(MAIN_CAPTION), 144, 2)
        time.sleep(1)
        size = px(1740, 288)
        calm = replay_frames("tick 1\n", 3, 1, size, size)[0]
        self.assertEqual(WINE.screen("144-2x-calm").crop(left, top, size, size), calm)
        WINE.stop(program)

    def test_zoomed_by_option_keys_and_wheel_full_screen_and_the_zoom_chosen_kept(self):
        WINE.set_dpi(96)
        program = WINE.start("--zoom", "2")
        window = WINE.wait_window(MAIN_CAPTION)
        WINE.xdotool("windowfocus", "--sync", window)  # as a window manager gives it
        left, top = self.inner_area(window, 96, 2)
        time.sleep(1)
        size = px(1740, 192)  # 8-pixel cells
        pond = lambda name=None: WINE.screen(name).crop(left, top, size, size)
        self.assertEqual(pond("96-2x-calm"), replay_frames("tick 1\n", 2, 1, size, size)[0])
        self.assertIsNone(WINE.stored_zoom(), "--zoom is kept")

        # The pond has the focus: the cursor moves from its start, (15, 15), and
        # drops on its own cell, which keeps its marker as the ring spreads.
        WINE.xdotool("key", "Right", "Down")
        time.sleep(0.3)
        marker = (left + 15 * 8, top + 15 * 8)
        self.assertEqual(WINE.screen("96-2x-cursor-calm").pixel(*marker), (255, 255, 0))
        WINE.xdotool("key", "space")
        time.sleep(0.6)
        frames = replay_frames("tick 1\npress 915 915 1\ntick 40\n", 2, 1, size, size)
        stirred = WINE.screen("96-2x-cursor-stirred")
        self.assertEqual(stirred.pixel(*marker), (255, 255, 0))
        self.assertIn(masked(stirred.crop(left, top, size, size), size, 120, 120, 8),
                      [masked(frame, size, 120, 120, 8) for frame in frames[2:32]])

        # Ctrl+plus: 3x, kept; 4x would not fit the 480 lines of the screen.
        WINE.xdotool("key", "ctrl+plus")
        time.sleep(0.5)
        self.inner_area(window, 96, 3)
        self.assertEqual(WINE.stored_zoom(), 3)
        WINE.xdotool("key", "ctrl+shift+plus")
        time.sleep(0.5)
        windowed = WINE.geometry(window)
        self.inner_area(window, 96, 3)

        # Full screen: the inner area at 4x, centred on black; the menu opens
        # there; Escape gives the window back as it was.
        WINE.xdotool("key", "F11")
        time.sleep(0.8)
        self.assertEqual(WINE.geometry(window)[2:], (640, 480))
        screen = WINE.screen("96-full-screen")
        self.assertEqual([screen.pixel(x, y) for x, y in ((0, 0), (79, 240), (80, 1), (560, 240), (300, 478))],
                         [(0, 0, 0)] * 5)
        self.assertEqual(screen.pixel(80, 2)[:2], (0, 0))  # water
        self.assertEqual(screen.pixel(80 + 15 * 16, 2 + 15 * 16), (255, 255, 0))  # the cursor
        before = set(WINE.windows())
        WINE.xdotool("mousemove", "300", "300", "click", "3")
        time.sleep(0.5)
        # The menu at the mouse (Wine may add a window of its own to clip the pointer to full screen).
        self.assertIn((300, 300), [WINE.geometry(found)[:2] for found in set(WINE.windows()) - before])
        WINE.xdotool("key", "Escape")
        time.sleep(0.3)
        WINE.xdotool("key", "Escape")
        time.sleep(0.8)
        self.assertEqual(WINE.geometry(window), windowed)

        # Shift+F10: the menu where the cursor's press lands, a pixel into its
        # cell, its first item (the help) selected.
        WINE.xdotool("key", "Right", "shift+F10")
        time.sleep(0.5)
        left, top = self.inner_area(window, 96, 3)
        menus = [WINE.geometry(found) for found in WINE.windows() if found != window]
        at = (left + 16 * 12 + 3, top + 15 * 12 + 3)
        self.assertIn(at, [menu[:2] for menu in menus if menu[2:] != (640, 480)])
        WINE.screen("96-3x-menu-by-key")
        WINE.xdotool("key", "Return")
        WINE.wait_window("Movra ヘルプ")
        WINE.stop(program)

        # The next start is at the zoom chosen, in the rain; Ctrl and the
        # wheel, and Ctrl+0.
        program = WINE.start("--rain-seed", "7")
        window = WINE.wait_window(MAIN_CAPTION)
        WINE.xdotool("windowfocus", "--sync", window)
        left, top = self.inner_area(window, 96, 3)
        time.sleep(2.5)  # drops fall 0.1 to 1.9 s apart, and ring for 3 s
        size = px(1740, 288)
        self.assertNotEqual(WINE.screen("96-3x-rain").crop(left, top, size, size),
                            replay_frames("tick 1\n", 3, 1, size, size)[0])
        WINE.xdotool("mousemove", str(left + 50), str(top + 50), "keydown", "ctrl", "click", "5", "keyup", "ctrl")
        time.sleep(0.5)
        self.inner_area(window, 96, 2)
        self.assertEqual(WINE.stored_zoom(), 2)
        WINE.xdotool("key", "ctrl+0")
        time.sleep(0.5)
        self.inner_area(window, 96, 1)
        self.assertEqual(WINE.stored_zoom(), 1)
        WINE.stop(program)


class ScreenSaverTest(unittest.TestCase):
    def test_it_rains_full_screen_until_the_pointer_moves_and_has_no_settings(self):
        WINE.set_dpi(96)
        saver = WINE.start("/s", program=SAVER)
        deadline = time.time() + 15
        while WINE.screen().pixel(80, 2) != (0, 0, 200) and time.time() < deadline:
            time.sleep(0.2)
        time.sleep(2.5)  # drops fall 0.1 to 1.9 s apart, and ring for 3 s
        screen = WINE.screen("saver")
        # The pond at 4x, centred on black, as the program's full screen.
        self.assertEqual([screen.pixel(x, y) for x, y in ((0, 0), (79, 240), (560, 240))], [(0, 0, 0)] * 3)
        self.assertNotEqual(screen.crop(80, 2, 464, 464), replay_frames("tick 1\n", 4, 1, 464, 464)[0])
        # From where the pointer is now: Debian 13's Wine moves it to the
        # screen's centre as the saver's window comes up.
        x, y = WINE.pointer()
        WINE.xdotool("mousemove", str(x + 2), str(y + 1))  # a shaken desk
        time.sleep(1)
        self.assertIsNone(saver.poll())
        WINE.xdotool("mousemove", str(x + 30), str(y + 30))
        self.assertEqual(saver.wait(timeout=15), 0)

        settings = WINE.start(program=SAVER)  # a double click asks for the settings
        box = WINE.wait_window(MAIN_CAPTION)
        WINE.xdotool("windowfocus", "--sync", box)
        WINE.screen("saver-settings")
        WINE.xdotool("key", "Return")
        self.assertEqual(settings.wait(timeout=15), 0)

        # In the settings' 152 by 112 preview: a child window that fills it, and
        # ends with it.
        host = subprocess.Popen(["wine", PREVIEW_HOST, SAVER], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                env=WINE.env)
        self.assertEqual(host.stdout.readline().strip(), b"started")
        time.sleep(3)
        # The pond at 1x, 16 px in, on black. Wine before 9 (Debian 12's)
        # shows no other process's child window, so there is nothing to see.
        if WINE.major_version() >= 9:
            row = [WINE.screen("saver-preview").pixel(x, 56) for x in range(8, 144)]
            self.assertEqual(row[:8] + row[-8:], [(0, 0, 0)] * 16)
            self.assertTrue(all(r == g == 0 < b for r, g, b in row[8:124]), row)
        out, _ = host.communicate(b"close\n", timeout=30)
        self.assertEqual(out.strip(), b"child 152x112")
        self.assertEqual(host.returncode, 0)  # the saver ended with its window
        WINE.run("wineserver", "-k", check=False)

if __name__ == "__main__":
    WINE = Wine()
    try:
        unittest.main(argv=sys.argv[:1], verbosity=2)
    finally:
        WINE.close()
