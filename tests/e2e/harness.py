"""Runs the real, staged program on a virtual 800 x 600 display and drives it with real
pointer and keyboard input at the designed twip positions (15 twips to the pixel)."""

import os
import random
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TWIPS_PER_PIXEL = 15


def px(twips):
    return int(round(twips / TWIPS_PER_PIXEL))


class Display:
    """An Xvfb server of its own, 800 x 600, 24 bits."""

    def __init__(self):
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
            ["Xvfb", ":%d" % number, "-displayfd", str(w), "-screen", "0", "800x600x24",
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
        return True

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.name
        env.pop("WAYLAND_DISPLAY", None)
        env["QT_QPA_PLATFORM"] = "xcb"
        return env

    def close(self):
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
        if getattr(self, "pointer", None) == (px(x), px(y)):
            return
        self.xdo("mousemove", "--sync", px(x), px(y))
        self.pointer = (px(x), px(y))

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdo("click", button)
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

    def key(self, name):
        self.xdo("key", name)

    # -- what a user sees ---------------------------------------------------------------
    def screenshot(self, label):
        self.shots += 1
        path = os.path.join(self.artifacts, "%02d-%s.png" % (self.shots, label))
        subprocess.run(["import", "-window", "root", path], env=self.display.env(), check=True)
        return path

    def pixel(self, x, y):
        """The colour (r, g, b) at a twip position of the display."""
        out = subprocess.run(
            ["import", "-window", "root", "-crop", "1x1+%d+%d" % (px(x), px(y)), "-depth", "8",
             "txt:-"], env=self.display.env(), capture_output=True, text=True).stdout
        for line in out.splitlines():
            if line.startswith("0,0:"):
                rgb = line.split("(")[1].split(")")[0].split(",")[:3]
                return tuple(int(float(v)) for v in rgb)
        raise AssertionError("could not read the screen")

    def screen_text(self):
        """OCR of the whole display."""
        return self.text_in(0, 0, 12000, 9000)

    def text_in(self, x, y, w, h):
        """OCR of a twip rectangle of the display (empty when tesseract is missing)."""
        if not shutil.which("tesseract"):
            return ""
        shot = os.path.join(self.artifacts, "ocr.png")
        subprocess.run(["import", "-window", "root", "-crop",
                        "%dx%d+%d+%d" % (px(w), px(h), px(x), px(y)), "-resize", "300%",
                        "-colorspace", "Gray", "-negate", shot], env=self.display.env(), check=True)
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
        wins = self.windows()
        self.xdo("windowfocus", "--sync", wins[-1])
        self.key(key)
        # A second message may be open beneath (a timer's, shown while the first was up).
        self.wait_for("the message box to close", lambda: len(self.windows()) < len(wins))

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

    extra_env = None
    command = None  # None: the staged binary; else the words that start the program

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
            self.display = Display()
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
