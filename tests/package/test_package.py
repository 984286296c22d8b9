"""The Debian package: the files it holds, its dependencies and metadata, and, where the
test may install it (as root), the installed program started from its menu entry."""

import configparser
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                                "e2e"))

import test_journeys as journeys  # noqa: E402  (a module, so its journeys do not run here)
from harness import ROOT, Journey  # noqa: E402

DEB = os.environ.get("PLACEWORKS_DEB", "")
DATA = ("images", "wmf", "wmf2", "wav", "logo", "casestudies", "multiple")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
METAINFO = "usr/share/metainfo/io.github.placeworks.Placeworks.metainfo.xml"
DESKTOP = "usr/share/applications/placeworks.desktop"


def run(*args):
    return subprocess.run(args, capture_output=True, text=True)


def field(name):
    return run("dpkg-deb", "-f", DEB, name).stdout.strip()


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt")) as f:
        return re.search(r"project\(Placeworks VERSION ([0-9.]+)", f.read()).group(1)


def expected_files():
    """Every file the package must hold, as dpkg-deb names it."""
    files = {"./usr/bin/placeworks", "./" + DESKTOP, "./" + METAINFO,
             "./usr/share/man/man1/placeworks.1.gz", "./usr/share/doc/placeworks/copyright",
             "./usr/share/doc/placeworks/changelog.gz"}
    for folder in DATA:
        for name in os.listdir(os.path.join(ROOT, "data", folder)):
            # The register belongs to a worksheet folder the user can write to.
            if (folder, name) != ("multiple", "track.txt"):
                files.add("./usr/share/placeworks/%s/%s" % (folder, name))
    for size in ICON_SIZES:
        files.add("./usr/share/icons/hicolor/%dx%d/apps/placeworks.png" % (size, size))
    return files


class Package(unittest.TestCase):
    def setUp(self):
        self.assertTrue(DEB and os.path.isfile(DEB), "PLACEWORKS_DEB names no package")

    def test_holds_the_program_its_data_and_desktop_files_and_nothing_else(self):
        listing = run("dpkg-deb", "--contents", DEB).stdout.splitlines()
        files = {}
        for line in listing:
            mode, owner, _size, _date, _time, path = line.split(None, 5)
            self.assertEqual(owner, "root/root", path)
            if not mode.startswith("d"):
                files[path] = mode
        self.assertEqual(set(files), expected_files())
        self.assertEqual(files["./usr/bin/placeworks"], "-rwxr-xr-x")
        for path, mode in files.items():
            if path != "./usr/bin/placeworks":
                self.assertEqual(mode, "-rw-r--r--", path)

    def test_is_named_after_its_version_and_depends_on_qt_and_fonts_only(self):
        version = project_version()
        self.assertEqual(field("Package"), "placeworks")
        self.assertEqual(field("Version"), version)
        self.assertEqual(os.path.basename(DEB), "placeworks_%s_amd64.deb" % version)
        depends = [re.split(r"[ (]", d.strip())[0] for d in field("Depends").split(",")]
        runtime = {"libc6", "libgcc-s1", "libstdc++6"}  # what every C++ program links
        for name in depends:
            self.assertTrue(name.startswith(("libqt6", "fonts-")) or name in runtime, name)
        for name in ("libqt6widgets6", "libqt6multimedia6", "libqt6printsupport6",
                     "fonts-liberation", "fonts-wine", "fonts-dejavu-core", "fonts-dejavu-extra"):
            self.assertIn(name, depends)


class Validators(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tree = tempfile.mkdtemp(prefix="pw-deb-")
        subprocess.run(["dpkg-deb", "-x", DEB, cls.tree], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tree, ignore_errors=True)

    def check(self, *command):
        result = run(*command)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        return result.stdout + result.stderr

    def test_desktop_entry(self):
        self.assertEqual(self.check("desktop-file-validate", os.path.join(self.tree, DESKTOP)),
                         "")

    def test_appstream_metadata_for_this_version_with_the_readme_screenshots(self):
        path = os.path.join(self.tree, METAINFO)
        self.check("appstreamcli", "validate", "--no-net", path)
        with open(path) as f:
            metainfo = f.read()
        self.assertIn('<release version="%s"' % project_version(), metainfo)
        with open(os.path.join(ROOT, "README.md")) as f:
            pictures = re.findall(r"\]\((docs/[^)]+\.png)\)", f.read())
        self.assertTrue(pictures)
        for picture in pictures:
            self.assertIn("/main/" + picture + "</image>", metainfo)

    def test_lintian_finds_no_errors(self):
        self.check("lintian", "--fail-on", "error", DEB)


class InstalledProgram(journeys.WorksheetWriting, Journey):
    """Installed with apt-get, started from its menu entry, removed again."""

    @classmethod
    def setUpClass(cls):
        if os.geteuid() != 0:
            raise unittest.SkipTest("installing the package needs root (CI machines are)")
        if not (DEB and os.path.isfile(DEB)):
            raise unittest.SkipTest("PLACEWORKS_DEB names no package")
        cls.remove()
        install = run("apt-get", "install", "-y", os.path.abspath(DEB))
        if install.returncode:
            raise AssertionError("apt-get install failed:\n" + install.stdout + install.stderr)
        entry = configparser.ConfigParser(interpolation=None)
        entry.read("/" + DESKTOP)
        words = shlex.split(entry["Desktop Entry"]["Exec"])
        cls.command = [w for w in words if not re.fullmatch(r"%[a-zA-Z]", w)]
        # A user of its own, whose data folder is the default ~/.local/share.
        cls.home = tempfile.mkdtemp(prefix="pw-home-")
        cls.extra_env = {"HOME": cls.home, "XDG_DATA_HOME": "", "PLACEWORKS_WORKSHEETS": ""}
        cls.installed = cls.package_tree()

    @classmethod
    def tearDownClass(cls):
        cls.remove()
        shutil.rmtree(cls.home, ignore_errors=True)

    def questions(self):
        # Short texts: typing is most of the journey's time.
        return [("Q%d" % n, ["a%d" % n, "b%d" % n, "c%d" % n, "d%d" % n], (n % 4) + 1)
                for n in range(1, 11)]

    @staticmethod
    def remove():
        if run("dpkg-query", "-W", "placeworks").returncode == 0:
            run("apt-get", "remove", "-y", "placeworks")

    @staticmethod
    def package_tree():
        found = set()
        for top in ("/usr/share/placeworks", "/usr/bin"):
            for folder, _, names in os.walk(top):
                found.update(os.path.join(folder, n) for n in names if "placeworks" in
                             os.path.join(folder, n).lower())
        return found

    def test_starts_from_its_menu_entry_and_keeps_worksheets_in_the_users_folder(self):
        app = self.app
        # The title screen and the main menu draw from the package's folder: nothing says
        # that a file is missing.
        self.start_to_menu()
        self.assertEqual(app.dismiss_dialogs(timeout=1.0), 0, "a message said a file is missing")
        self.save_worksheet()
        own = os.path.join(self.home, ".local", "share", "Placeworks", "multiple")
        # The first start put the shipped quizzes there; the save added the worksheet.
        shipped = [n for n in os.listdir(os.path.join(ROOT, "data", "multiple")) if n != "track.txt"]
        self.assertEqual(sorted(os.listdir(own)),
                         sorted(shipped + [self.TITLE + ".txt", "track.txt"]))
        with open(os.path.join(own, self.TITLE + ".txt"), "rb") as f:
            self.assertEqual(f.read(), self.expected_bytes())
        with open(os.path.join(own, "track.txt"), "rb") as f:
            self.assertEqual(f.read(), b" 1 \r\n" + self.TITLE.encode() + b"\r\n")
        self.assertEqual(self.package_tree(), self.installed, "the program wrote under /usr")
        app.close()

        removal = run("apt-get", "remove", "-y", "placeworks")
        self.assertEqual(removal.returncode, 0, removal.stdout + removal.stderr)
        self.assertEqual(self.package_tree(), set())
        for path in ("/usr/share/placeworks", "/" + DESKTOP, "/" + METAINFO):
            self.assertFalse(os.path.exists(path), path)
        self.assertTrue(os.path.exists(os.path.join(own, "track.txt")),
                        "removing the program removed a user's worksheets")


if __name__ == "__main__":
    unittest.main()
