"""Runs the real, staged program on a virtual display (800 x 600 unless a journey asks for
another) and drives it with real pointer and keyboard input at the designed twip positions:
twips of the screens' place, the design's 12000 x 9000 twips scaled to fit the display and
centred on it (15 twips to the pixel at 800 x 600)."""

import ctypes
import ctypes.util
import json
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TWIPS_PER_PIXEL = 15
# Longer than the double-click interval, with room for the first click's own work.
DOUBLE_CLICK = 0.5


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Pixels:
    """Reads the screen of an X server directly, through Xlib: a pixel or a strip of the
    display costs well under a millisecond, where a screenshot of a 4K display takes
    seconds."""

    def __init__(self, name):
        x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(_XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.x11 = x11
        self.display = x11.XOpenDisplay(name.encode())
        if not self.display:
            raise RuntimeError("cannot open display " + name)
        self.root = x11.XDefaultRootWindow(self.display)

    def bgra(self, x, y, w, h):
        """The rectangle's pixels, 4 bytes each (blue, green, red, unused), row by row."""
        image = self.x11.XGetImage(self.display, self.root, x, y, w, h, 0xFFFFFFFF, 2)
        if not image:
            raise AssertionError("could not read the screen at %d,%d %dx%d" % (x, y, w, h))
        try:
            i = image.contents
            if i.bits_per_pixel != 32:
                raise AssertionError("a 24-bit display is expected")
            data = ctypes.string_at(i.data, i.bytes_per_line * h)
            return b"".join(data[r * i.bytes_per_line:r * i.bytes_per_line + 4 * w]
                            for r in range(h))
        finally:
            self.x11.XDestroyImage(image)

    def colours(self, x, y, w, h):
        """The rectangle's colours (r, g, b), row by row."""
        data = self.bgra(x, y, w, h)
        return [(data[k + 2], data[k + 1], data[k]) for k in range(0, len(data), 4)]

    def close(self):
        self.x11.XCloseDisplay(self.display)


class Display:
    """An Xvfb server of its own, 24 bits, of the given size. With a density the program
    draws that many device pixels to each of its pixels (Qt's QT_SCALE_FACTOR)."""

    def __init__(self, width=800, height=600, density=None):
        self.width, self.height, self.density = width, height, density
        # Device pixels to a pixel of the 800 x 600 design, and where the design starts.
        self.scale = min(width / 800, height / 600)
        self.left = (width - 800 * self.scale) / 2
        self.top = (height - 600 * self.scale) / 2
        # A display number of its own, away from the low numbers that desktops and
        # other test runs take first.
        for _ in range(50):
            number = random.randint(100, 999)
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            if self._start(number):
                break
        else:
            raise RuntimeError("no Xvfb display could be started")

    def _start(self, number):
        r, w = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-displayfd", str(w), "-screen", "0",
             "%dx%dx24" % (self.width, self.height),
             "-nolisten", "tcp"], pass_fds=(w,), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(w)
        ready = b""
        while not ready.endswith(b"\n"):
            chunk = os.read(r, 16)
            if not chunk:
                break
            ready += chunk
        os.close(r)
        if not ready.endswith(b"\n"):
            self.proc.wait()
            return False
        self.name = ":%d" % number
        # Wait until clients can connect.
        end = time.time() + 10
        while subprocess.run(["xdotool", "getmouselocation"], env=self.env(),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode:
            if time.time() > end:
                self.close()
                return False
            time.sleep(0.1)
        try:
            self.pixels = Pixels(self.name)
        except RuntimeError:
            # A loaded machine's server can still refuse a connection now and then: start
            # another.
            self.close()
            return False
        return True

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.name
        env.pop("WAYLAND_DISPLAY", None)
        env["QT_QPA_PLATFORM"] = "xcb"
        if self.density:
            env["QT_SCALE_FACTOR"] = str(self.density)
        return env

    def point(self, x, y):
        """The display pixel of a twip position of the screens' place."""
        return (int(round(self.left + x * self.scale / TWIPS_PER_PIXEL)),
                int(round(self.top + y * self.scale / TWIPS_PER_PIXEL)))

    def length(self, twips):
        return int(round(twips * self.scale / TWIPS_PER_PIXEL))

    def close(self):
        if getattr(self, "pixels", None):
            self.pixels.close()
            self.pixels = None
        self.proc.terminate()
        self.proc.wait(timeout=10)


class Printer:
    """A CUPS queue that writes each job to a PDF file; started once for the suite."""

    def __init__(self):
        self.out = tempfile.mkdtemp(prefix="pw-print-")
        script = os.path.join(ROOT, "tests", "support", "print-setup.sh")
        self.ok = subprocess.run(["sh", script, self.out], stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL).returncode == 0
        self.pdf = os.path.join(self.out, "job.pdf")

    def clear(self):
        if os.path.exists(self.pdf):
            os.remove(self.pdf)

    def wait_pdf(self, timeout=30):
        end = time.time() + timeout
        last = -1
        while time.time() < end:
            if os.path.exists(self.pdf):
                size = os.path.getsize(self.pdf)
                if size > 0 and size == last:
                    return self.pdf
                last = size
            time.sleep(0.3)
        raise AssertionError("no PDF reached the printer queue within %ds" % timeout)

    @staticmethod
    def text(pdf):
        return subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                              text=True).stdout

    @staticmethod
    def ink(pdf, artifacts):
        """How much of the first page is not white (0..1), from a rendering of the PDF."""
        stem = os.path.join(artifacts, "printed")
        subprocess.run(["pdftoppm", "-r", "30", "-png", "-f", "1", "-l", "1", pdf, stem],
                       check=True)
        png = [f for f in os.listdir(artifacts) if f.startswith("printed")][0]
        mean = subprocess.run(["convert", os.path.join(artifacts, png), "-colorspace", "Gray",
                               "-format", "%[fx:mean]", "info:"], capture_output=True,
                              text=True).stdout
        return 1.0 - float(mean)


class Accessibility:
    """A session bus with the AT-SPI accessibility bus on it, as a desktop with a screen
    reader has; started once for the suite. Programs started with env() show their
    controls there, and tree() reads them as a screen reader does."""

    LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")

    def __init__(self):
        self.procs = []
        self.address = None
        self.python = self._python()
        launcher = next((p for p in self.LAUNCHERS if os.path.exists(p)),
                        shutil.which("at-spi-bus-launcher"))
        self.problem = None
        if not self.python:
            self.problem = "no python3 with pyatspi (Debian's python3-pyatspi)"
        elif not launcher or not shutil.which("dbus-daemon"):
            self.problem = "no at-spi-bus-launcher or dbus-daemon (at-spi2-core, dbus)"
        if self.problem:
            return
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                              "--print-pid=1"], capture_output=True, text=True).stdout.split()
        if len(out) < 2:
            self.problem = "the session bus did not start"
            return
        self.address, self.bus_pid = out[0], int(out[1])
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.address)
        env.pop("DISPLAY", None)
        self.procs.append(subprocess.Popen([launcher, "--launch-immediately"], env=env,
                                           stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))

    @staticmethod
    def _python():
        for candidate in (sys.executable, "/usr/bin/python3", shutil.which("python3")):
            if candidate and subprocess.run([candidate, "-c", "import pyatspi"],
                                            stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL).returncode == 0:
                return candidate
        return None

    def env(self):
        return {"DBUS_SESSION_BUS_ADDRESS": self.address, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}

    def tree(self):
        """The program's showing objects: dicts of role, name, depth and focused."""
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.address)
        result = subprocess.run([self.python, os.path.join(HERE, "atspi_dump.py")], env=env,
                                capture_output=True, text=True, timeout=60)
        if result.returncode:
            raise AssertionError("reading the accessibility tree failed: " + result.stderr)
        return json.loads(result.stdout or "[]")

    def close(self):
        for proc in self.procs:
            proc.terminate()
            proc.wait(timeout=10)
        if self.address:
            try:
                os.kill(self.bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass


class Program:
    """The staged program in a program folder of its own, or, given a command (the words
    of a desktop entry's Exec line), that command started in an empty folder of its own."""

    def __init__(self, display, binary, artifacts, prepare=None, extra_env=None, command=None):
        self.display = display
        self.folder = tempfile.mkdtemp(prefix="pw-e2e-")
        if command is None:
            for name in ("images", "wmf", "wmf2", "wav", "logo", "casestudies", "multiple"):
                src = os.path.join(ROOT, "data", name)
                if os.path.isdir(src):
                    shutil.copytree(src, os.path.join(self.folder, name))
            shutil.copy(binary, os.path.join(self.folder, "placeworks"))
            command = ["./placeworks"]
        if prepare:
            prepare(self.folder)
        self.artifacts = artifacts
        os.makedirs(artifacts, exist_ok=True)
        self.log = open(os.path.join(artifacts, "program.log"), "w")
        env = display.env()
        env.setdefault("ASAN_OPTIONS", "detect_leaks=0")
        env.update(extra_env or {})
        self.proc = subprocess.Popen(command, cwd=self.folder, env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        self.shots = 0

    # -- input ------------------------------------------------------------------------
    def xdo(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.display.env(), check=True)

    def move(self, x, y):
        # "--sync" waits for the pointer to move, which it never does when it is already
        # there: then there is nothing to do.
        at = self.display.point(x, y)
        if getattr(self, "pointer", None) == at:
            return
        self.xdo("mousemove", "--sync", *at)
        self.pointer = at

    def click(self, x, y, button=1):
        self.move(x, y)
        # Two clicks at one place within the double-click interval are one click to the
        # program; a pupil's next click on the same button ("Next Page") comes later.
        place, when = getattr(self, "last_click", (None, 0.0))
        if place == self.pointer:
            time.sleep(max(0.0, when + DOUBLE_CLICK - time.monotonic()))
        self.xdo("click", button)
        self.last_click = (self.pointer, time.monotonic())
        time.sleep(0.15)

    def drag(self, x0, y0, x1, y1, steps=8):
        self.move(x0, y0)
        self.xdo("mousedown", 1)
        for i in range(1, steps + 1):
            self.move(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)
        self.xdo("mouseup", 1)
        time.sleep(0.15)

    def type(self, text):
        self.xdo("type", "--delay", "20", text)

    def key(self, name, times=1):
        for _ in range(times):
            self.xdo("key", name)

    def activate(self, name="Return"):
        """Enter or Space on the focused control, after a pause: a second click that comes
        quicker than a double-click's is taken for part of the first."""
        time.sleep(0.45)
        self.xdo("key", name)
        time.sleep(0.15)

    # -- what a user sees ---------------------------------------------------------------
    def screenshot(self, label):
        self.shots += 1
        path = os.path.join(self.artifacts, "%02d-%s.png" % (self.shots, label))
        subprocess.run(["import", "-window", "root", path], env=self.display.env(), check=True)
        return path

    def pixel(self, x, y):
        """The colour (r, g, b) at a twip position of the display."""
        return self.display.pixels.colours(*self.display.point(x, y), 1, 1)[0]

    def screen_text(self):
        """OCR of the whole display."""
        return self.text_in(0, 0, 12000, 9000)

    def text_in(self, x, y, w, h):
        """OCR of a twip rectangle of the display (empty when tesseract is missing)."""
        if not shutil.which("tesseract"):
            return ""
        shot = os.path.join(self.artifacts, "ocr.png")
        raw = os.path.join(self.artifacts, "ocr.bgra")
        d = self.display
        size = (d.length(w), d.length(h))
        with open(raw, "wb") as f:
            f.write(d.pixels.bgra(*d.point(x, y), *size))
        # Text about three times its size at 800 x 600 reads best.
        enlarge = "%d%%" % max(50, round(300 / d.scale))
        subprocess.run(["convert", "-size", "%dx%d" % size, "-depth", "8", "bgra:" + raw,
                        "-alpha", "off", "-resize", enlarge, "-colorspace", "Gray", "-negate",
                        shot], check=True)
        return subprocess.run(["tesseract", shot, "-", "--psm", "6"], capture_output=True,
                              text=True).stdout

    def wait_for(self, what, check, timeout=15):
        end = time.time() + timeout
        while time.time() < end:
            if not self.running():
                raise AssertionError("the program ended while waiting for %s (display %s %s)"
                                     % (what, self.display.name,
                                        "alive" if self.display.proc.poll() is None else "gone"))
            if check():
                return
            time.sleep(0.1)
        self.screenshot("timeout")
        raise AssertionError("timed out waiting for " + what)

    def wait_colour(self, x, y, rgb, what, timeout=15, tolerance=24):
        def near():
            c = self.pixel(x, y)
            return all(abs(a - b) <= tolerance for a, b in zip(c, rgb))
        self.wait_for(what, near, timeout)

    def windows(self):
        """The program's visible top-level windows (the display, plus any message box)."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.proc.pid)],
                             env=self.display.env(), capture_output=True, text=True).stdout
        return out.split()

    def wait_dialog(self, what, timeout=15):
        self.wait_for("a message box: " + what, lambda: len(self.windows()) >= 2, timeout)
        time.sleep(0.3)

    def answer(self, key="Return"):
        """Answers the message box on show (Return: OK, Escape: Cancel)."""
        box = self.windows()[-1]
        self.xdo("windowfocus", "--sync", box)
        self.key(key)
        # This box, that is: another may be open beneath it (a timer's, shown while it
        # was up) or come up straight after it.
        self.wait_for("the message box to close", lambda: box not in self.windows())

    def dismiss_dialogs(self, timeout=2.0):
        """Answers every message box that appears within timeout; returns how many."""
        count = 0
        end = time.time() + timeout
        while time.time() < end:
            if len(self.windows()) >= 2:
                self.answer()
                count += 1
                end = time.time() + timeout
            else:
                time.sleep(0.1)
        return count

    def running(self):
        return self.proc.poll() is None

    def wait_ended(self, timeout=10):
        try:
            self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def path(self, relative):
        return os.path.join(self.folder, relative)

    def close(self):
        if self.running():
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
        self.log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


# Colours of the screens as designed.
BACKDROP = (48, 133, 214)
SCREEN = (39, 63, 137)
TITLE_GREY = (192, 192, 192)
BLACK = (0, 0, 0)


class Journey(unittest.TestCase):
    """Base of each journey: a fresh display and program; artifacts kept on failure."""

    binary = os.environ.get("PLACEWORKS_BINARY", "")
    artifacts_root = os.environ.get("PLACEWORKS_E2E_ARTIFACTS",
                                    os.path.join(tempfile.gettempdir(), "placeworks-e2e"))
    printer = None
    accessibility = None

    extra_env = None
    command = None  # None: the staged binary; else the words that start the program
    # The virtual display: width, height and device pixels to a pixel.
    display_size = (800, 600)
    density = None

    def prepare(self, folder):
        """Changes the program folder before the program starts (missing data...)."""

    def setUp(self):
        if self.command is None:
            self.assertTrue(self.binary and os.path.exists(self.binary),
                            "PLACEWORKS_BINARY not set")
        self.artifacts = os.path.join(self.artifacts_root, self.id().split(".")[-1])
        shutil.rmtree(self.artifacts, ignore_errors=True)
        # Now and then a fresh X server refuses the program's first connection although
        # it accepts others; the program then ends at once. Start again when that happens.
        for attempt in range(3):
            self.display = Display(*self.display_size, density=self.density)
            self.app = Program(self.display, self.binary, self.artifacts, self.prepare,
                               self.extra_env, self.command)
            if self.wait_title():
                return
            self.app.close()
            self.display.close()
        self.fail("the program did not start on a virtual display three times running")

    def wait_title(self):
        left, top = 6000 - 5460 / 2, 4500 - 6570 / 2
        end = time.time() + 20
        while time.time() < end and self.app.running():
            c = self.app.pixel(left + 150, top + 4900)
            if all(abs(a - b) <= 24 for a, b in zip(c, TITLE_GREY)):
                return True
            time.sleep(0.1)
        return self.app.running()

    def tearDown(self):
        result = self._outcome.result
        failed = any(test is self for test, _ in result.failures + result.errors)
        if failed:
            try:
                self.app.screenshot("failure")
            except Exception:
                pass
        self.app.close()
        self.display.close()
        if failed:
            print("\n  artifacts (screenshots, program output): " + self.artifacts)
        else:
            shutil.rmtree(self.artifacts, ignore_errors=True)

    # Positions of the start-up screens, in display twips.
    def title_button(self, which):
        # The title screen is centred; its buttons sit in a frame 90 twips above it.
        left, top = 6000 - 5460 / 2, 4500 - 6570 / 2
        x = 1320 if which == "ok" else 2760
        return left + x + 1335 / 2, top - 90 + 6000 + 375 / 2

    def start_to_menu(self):
        left, top = 6000 - 5460 / 2, 4500 - 6570 / 2
        self.app.wait_colour(left + 150, top + 4900, TITLE_GREY, "the title screen")
        self.app.wait_colour(100, 100, BACKDROP, "the backdrop")
        self.app.click(*self.title_button("ok"))
        self.app.wait_colour(11800, 3000, SCREEN, "the main menu")
