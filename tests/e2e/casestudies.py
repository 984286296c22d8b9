"""Walking through a case study as a pupil does, from the main menu to every activity,
driven by the case-study file itself (used by the journeys and by the documentation
pictures)."""

import json
import os
import re
import time

from harness import BACKDROP, SCREEN, ROOT

# The main menu's case-study entries (Left, Top of each 4155 x 375 label, twips) and the
# case-study file each opens.
MAIN_ENTRIES = {
    "kinver1": (720, 4560), "kinver2": (720, 5040),
    "blandford1": (720, 5640), "blandford2": (720, 6120),
    "manchester1": (720, 6720), "manchester2": (720, 7200),
    "mbuti1": (7080, 4560), "mbuti2": (7080, 5040),
    "alicesprings1": (7080, 5640), "alicesprings2": (7080, 6120),
    "venice1": (7080, 6720), "venice2": (7080, 7200),
}


def centre(left, top, width, height):
    return left + width / 2, top + height / 2


STUDY = {
    "notes": centre(8640, 120, 3195, 495),
    "quiz": centre(120, 7920, 3195, 495),
    "labelling": centre(3600, 7920, 3195, 495),
    "ordering": centre(7080, 7920, 3195, 495),
    "exit": centre(10560, 7920, 1245, 495),
}
QUIZ_OPTION_TOPS = (5400, 6000, 6600, 7200)
QUIZ_NEXT = centre(6000, 7920, 3765, 495)
RESULTS_MESSAGE = (0, 5400, 12000, 855)
RESULTS_EXIT = centre(10560, 7920, 1245, 495)
VIEWER_NEXT = centre(6720, 7920, 2685, 495)
VIEWER_EXIT = centre(10680, 7920, 1125, 495)
ACTIVITY_EXIT = centre(10560, 7920, 1245, 495)
ACTIVITY_START_AGAIN = centre(3360, 7920, 2565, 495)
ACTIVITY_CHECK = centre(6000, 7920, 2565, 495)


def shipped_ids():
    folder = os.path.join(ROOT, "data", "casestudies")
    return sorted(f[:-5] for f in os.listdir(folder) if f.endswith(".json"))


def load(study_id):
    with open(os.path.join(ROOT, "data", "casestudies", study_id + ".json"), encoding="utf-8") as f:
        return json.load(f)


def quiz_answers(quiz_file):
    """The correct answer (1..4) of each question of a shipped quiz file."""
    name = quiz_file.replace("\\", "/").split("/")[-1]
    with open(os.path.join(ROOT, "data", "multiple", name), "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    return [int(lines[2 + 7 * q + 5]) for q in range(10)]


def letters(text):
    return re.sub(r"[^a-z]", "", text.lower())


class Walk:
    """One case-study menu walked through on a running program (harness.Program).
    shot(label) is called at each screen worth a picture."""

    def __init__(self, app, study_id, shot=None):
        self.app = app
        self.id = study_id
        self.data = load(study_id)
        self.take = shot

    def shot(self, label):
        # Events run in order, so input needs no waiting; a picture waits for the paint.
        if self.take:
            time.sleep(0.6)
            self.take(label)

    def picture_point(self):
        left, top, width, height = self.data["pictureBox"]
        return 6000, top + height / 2

    # Input goes to the server in order and the program takes it in order, so a whole
    # gesture can be sent at once; only what is looked at needs waiting for.
    def tap(self, x, y):
        self.app.xdo("mousemove", *self.app.display.point(x, y), "click", 1)
        self.app.pointer = None

    def drag(self, x0, y0, x1, y1):
        mid = ((x0 + x1) / 2, (y0 + y1) / 2 + 300)
        at = self.app.display.point
        self.app.xdo("mousemove", *at(x0, y0), "mousedown", 1,
                     "mousemove", *at(*mid), "mousemove", *at(x1, y1), "mouseup", 1)
        self.app.pointer = None

    def open_menu(self):
        app = self.app
        app.click(*centre(*MAIN_ENTRIES[self.id], 4155, 375))
        app.wait_for(self.id + "'s picture",
                     lambda: app.pixel(*self.picture_point()) not in (SCREEN, BACKDROP))
        self.shot("menu")

    def title_seen(self):
        return self.app.text_in(*self.data["titlePlace"])

    def key_facts(self):
        app = self.app
        app.click(self.data["keyFactsLeft"] + 1995 / 2, 120 + 495 / 2)
        pages = self.data["keyFacts"]["pagecount"]
        if pages > 1:
            app.wait_colour(4200 + 60, 7920 + 60, (255, 255, 255), "the page counter")
            self.assertPage(1, pages)
        self.shot("keyfacts")
        for page in range(2, pages + 1):
            app.click(*VIEWER_NEXT)
            self.assertPage(page, pages)
        app.click(*VIEWER_EXIT)
        app.wait_for("the menu again", lambda: app.pixel(*self.picture_point()) not in (SCREEN, BACKDROP))

    def assertPage(self, page, pages):
        def seen():
            text = re.sub(r"\s", "", self.app.text_in(4200, 7920, 2295, 495).lower())
            return text.replace("0f", "of") == "page%dof%d" % (page, pages)
        self.app.wait_for("page %d of %d" % (page, pages), seen)

    def results_text(self):
        return " ".join(self.app.text_in(*RESULTS_MESSAGE).split())

    def quiz(self):
        """Answers every question right; returns what the results screen says."""
        app = self.app
        app.click(*STUDY["quiz"])
        self.shot("quiz")
        for q, choice in enumerate(quiz_answers(self.data["quiz"])):
            self.tap(2400 + 400, QUIZ_OPTION_TOPS[choice - 1] + 262)
            self.tap(*QUIZ_NEXT)
        app.wait_for("the results", lambda: "10 out of 10" in self.results_text(), timeout=20)
        said = self.results_text()
        app.click(*RESULTS_EXIT)
        return said

    def activity(self, kind):
        """Every word dragged onto its own box; returns what the results screen says."""
        app = self.app
        activity = self.data[kind]
        app.click(*STUDY[kind])
        self.shot(kind)
        for item in activity["items"]:
            left, top, width, height = item["box"]
            start = centre(item["start"][0], item["start"][1], width, height)
            self.drag(*start, *centre(left, top, width, height))
        app.wait_colour(*ACTIVITY_CHECK, (0, 0, 0), "Check Score")
        self.shot(kind + "-done")
        n = len(activity["items"])
        app.click(*ACTIVITY_CHECK)
        app.wait_for("the results", lambda: "%d out of %d" % (n, n) in self.results_text(), timeout=20)
        said = self.results_text()
        app.click(*RESULTS_EXIT)
        # A click that comes while the screen is still changing is refused.
        app.wait_for("the activity again", lambda: "out of" not in self.results_text())
        app.click(*ACTIVITY_START_AGAIN)
        app.click(*ACTIVITY_EXIT)
        app.wait_for("the menu again", lambda: app.pixel(*self.picture_point()) not in (SCREEN, BACKDROP))
        return said

    def exit_menu(self):
        self.app.click(*STUDY["exit"])
        self.app.wait_colour(11800, 3000, SCREEN, "the main menu")
