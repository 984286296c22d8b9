"""The journeys of a pupil and a teacher through the real program."""

import os
import shutil
import unittest

from casestudies import (ACTIVITY_CHECK, QUIZ_NEXT, QUIZ_OPTION_TOPS, RESULTS_EXIT,
                         RESULTS_MESSAGE, VIEWER_EXIT, VIEWER_NEXT, centre)
from casestudies import STUDY as CASE_STUDY_ENTRIES
from casestudies import quiz_answers
from harness import BACKDROP, BLACK, SCREEN, Journey, Printer


# Main menu entries, as designed (twips).
MENU = {
    "sound off": (2280 + 300, 1680 + 127),
    "exit": centre(10560, 7920, 1245, 495),
    "facts": centre(720, 6720, 4155, 375),
    "development": centre(720, 7200, 4155, 375),
    "guide": centre(1200, 2760, 3135, 495),
    "acknowledgments": centre(120, 7920, 2835, 495),
    "wizard": centre(3000, 7920, 3795, 495),
    "catalogue": centre(6840, 7920, 3675, 495),
}
# Case-study menu entries.
STUDY = dict(CASE_STUDY_ENTRIES, **{"key facts": (6360 + 997, 120 + 247)})
QUIZ_EXIT = centre(10560, 7920, 1245, 495)
RESULTS_BUTTON = centre(240, 1800, 3765, 495)  # Print Certificate / Check Wrong Answers
RESULTS_NAME = centre(3120, 6600, 5760, 615)
WRONG_EXIT = centre(10560, 7920, 1245, 495)


class PupilJourney(Journey):
    PICTURE_POINT = (6000, 1300)  # inside the facts menu's picture

    def open_facts_menu(self):
        self.start_to_menu()
        self.app.click(*MENU["facts"])
        app = self.app
        app.wait_for("the facts menu's picture", lambda: app.pixel(*self.PICTURE_POINT) not in
                     (SCREEN, BACKDROP))
        self.menu_colour = app.pixel(*self.PICTURE_POINT)

    def wait_facts_menu(self):
        self.app.wait_colour(*self.PICTURE_POINT, self.menu_colour, "the facts menu again")

    def answer_quiz(self, answers):
        app = self.app
        for q, choice in enumerate(answers):
            app.click(2400 + 400, QUIZ_OPTION_TOPS[choice - 1] + 262)
            app.click(*QUIZ_NEXT)
            if q < 9:
                app.wait_for("question %d" % (q + 2), lambda: True)

    def results_text(self):
        return " ".join(self.app.text_in(*RESULTS_MESSAGE).split())


class StartAndExit(Journey):
    def test_sound_switch_survives_the_exit_confirmation_and_exit_ends(self):
        app = self.app
        self.start_to_menu()
        app.click(*MENU["sound off"])
        app.click(*MENU["exit"])
        # The confirmation stands alone over the backdrop: the menu is hidden behind it.
        app.wait_colour(11800, 3000, BACKDROP, "the exit confirmation over the backdrop")
        app.click(*self.title_button("ok"))  # "Cancel"
        app.wait_colour(11800, 3000, SCREEN, "the main menu again")
        app.click(*MENU["exit"])
        app.wait_colour(11800, 3000, BACKDROP, "the exit confirmation")
        app.click(*self.title_button("exit"))
        app.wait_ended()


class FullMarksAndCertificate(PupilJourney):
    def test_ten_right_answers_print_a_certificate_with_the_name(self):
        if not self.printer:
            self.skipTest("printing to a CUPS queue needs root")
        self.assertTrue(self.printer.ok, "the CUPS PDF queue could not be set up")
        app = self.app
        self.open_facts_menu()
        app.click(*STUDY["quiz"])
        app.wait_colour(11800, 3000, SCREEN, "the quiz screen")
        self.answer_quiz(quiz_answers("Manchester Facts.txt"))
        app.wait_for("the results", lambda: "10 out of 10" in self.results_text() or
                     "Excellent" in self.results_text(), timeout=20)
        text = self.results_text()
        self.assertIn("Excellent work", text)
        self.assertIn("10 out of 10", text)
        app.click(*RESULTS_NAME)
        app.type("Amira Khan")
        self.printer.clear()
        app.click(*RESULTS_BUTTON)
        app.wait_dialog("Your certificate is now printing.")
        app.answer()
        pdf = self.printer.wait_pdf()
        printed = Printer.text(pdf)
        self.assertIn("Amira Khan", printed)
        self.assertIn("Excellent Work", printed)
        self.assertIn("You have scored 10 out of 10.", printed)
        self.assertGreater(Printer.ink(pdf, self.artifacts), 0.01, "the certificate is blank")
        app.click(*RESULTS_EXIT)
        self.wait_facts_menu()


class WrongAnswersReview(PupilJourney):
    def test_three_wrong_answers_are_listed_and_exit_closes_both(self):
        app = self.app
        self.open_facts_menu()
        app.click(*STUDY["quiz"])
        app.wait_colour(11800, 3000, SCREEN, "the quiz screen")
        answers = quiz_answers("Manchester Facts.txt")
        for q in (1, 4, 8):  # questions 2, 5 and 9 wrong
            answers[q] = answers[q] % 4 + 1
        self.answer_quiz(answers)
        app.wait_for("the results", lambda: "7 out of 10" in self.results_text(), timeout=20)
        app.click(*RESULTS_BUTTON)  # Check Wrong Answers
        # Three white lines at Top 1680, 2280 and 2880; nothing on the fourth.
        lines = app.text_in(120, 1680, 11880, 600 * 4)
        app.screenshot("wrong-answers")
        self.assertRegex(lines, r"2\.")
        self.assertRegex(lines, r"5\.")
        self.assertRegex(lines, r"9\.")
        app.click(*WRONG_EXIT)
        self.wait_facts_menu()


class LabellingTheMap(PupilJourney):
    WORDS = {  # word label start, answer box (Left, Top); 1560 x 375 each
        "Oldham": ((840, 4440), (8640, 2640)),
        "Stockport": ((840, 4920), (8640, 5520)),
        "Manchester": ((840, 5400), (7590, 4200)),
        "Rochdale": ((840, 5880), (7530, 1800)),
        "Wigan": ((840, 6360), (4200, 3960)),
    }

    def test_every_borough_in_its_box_scores_five_out_of_five(self):
        app = self.app
        self.open_facts_menu()
        app.click(*STUDY["labelling"])
        app.wait_colour(11900, 8900, (0, 51, 154), "the borough map screen")
        for (start, box) in self.WORDS.values():
            app.drag(start[0] + 780, start[1] + 187, box[0] + 780, box[1] + 187)
        app.wait_colour(ACTIVITY_CHECK[0], ACTIVITY_CHECK[1] - 200, BLACK,
                        "the Check Score button")
        app.click(*ACTIVITY_CHECK)
        app.wait_for("the results", lambda: "5 out of 5" in self.results_text(), timeout=20)
        self.assertIn("Excellent work", self.results_text())


class KeyboardOnly(PupilJourney):
    """The whole pupil journey without a pointer: Tab and Shift+Tab, the arrow keys, Enter,
    Space and Escape."""

    # The borough map by keys, worked out from the reading order: the focus starts on
    # Oldham, first of the word list; a word picked up in the list goes to the first box
    # with the first Right, and the boxes read Rochdale, Oldham, Wigan, Manchester,
    # Stockport. After the five drops Tab goes on to "Check Score".
    MAP_KEYS = ["space"] + ["Right"] * 2 + ["space", "Tab"] + \
               ["space"] + ["Right"] * 5 + ["space", "Tab"] + \
               ["space", "Right", "space"] + ["Tab"] * 2 + \
               ["space"] + ["Right"] * 4 + ["space"] + ["Tab"] * 2 + \
               ["space"] + ["Right"] * 3 + ["space"] + ["Tab"] * 4

    def test_menu_quiz_certificate_and_activity_with_the_keyboard_alone(self):
        app = self.app
        left, top = 6000 - 5460 / 2, 4500 - 6570 / 2
        app.wait_colour(left + 150, top + 4900, (192, 192, 192), "the title screen")
        app.activate()  # "OK" has the focus
        app.wait_colour(11800, 3000, SCREEN, "the main menu")
        # From the first case study, "Kinver: The Facts", row by row to Manchester's.
        app.key("Tab", 8)
        app.activate()
        app.wait_for("the facts menu", lambda: app.pixel(*self.PICTURE_POINT) not in
                     (SCREEN, BACKDROP))
        self.menu_colour = app.pixel(*self.PICTURE_POINT)
        app.key("Tab", 2)  # "Key Facts", "Teacher's Notes", "Multiple Choice"
        app.activate()
        app.wait_colour(11800, 3000, SCREEN, "the quiz screen")
        for q, choice in enumerate(quiz_answers("Manchester Facts.txt")):
            app.key("Down", choice)  # from the hidden "no choice" to answer A, B, ...
            app.key("Tab", 1 if q == 0 else 2)  # past "<< Previous Question" from question 2
            app.activate()
        app.wait_for("the results", lambda: "10 out of 10" in self.results_text(), timeout=20)
        app.type("Amira Khan")  # the name box has the focus
        if self.printer and self.printer.ok:
            self.printer.clear()
            app.key("shift+Tab")  # "Print Certificate"
            app.activate()
            app.wait_dialog("Your certificate is now printing.")
            app.answer()
            self.assertIn("Amira Khan", Printer.text(self.printer.wait_pdf()))
        app.activate("Escape")
        self.wait_facts_menu()
        app.key("Tab", 3)  # "Labelling Activity"
        app.activate()
        app.wait_colour(11900, 8900, (0, 51, 154), "the borough map screen")
        for name in self.MAP_KEYS:
            app.key(name)
        app.activate()  # "Check Score"
        app.wait_for("the results", lambda: "5 out of 5" in self.results_text(), timeout=20)


class NotesPagePrinting(PupilJourney):
    def test_a_key_facts_page_reaches_the_printer(self):
        if not self.printer:
            self.skipTest("printing to a CUPS queue needs root")
        self.assertTrue(self.printer.ok, "the CUPS PDF queue could not be set up")
        app = self.app
        self.open_facts_menu()
        app.click(*STUDY["key facts"])
        app.wait_colour(*VIEWER_NEXT, BLACK, "the key facts page", tolerance=60)
        self.printer.clear()
        app.click(*centre(10680, 120, 1125, 495))  # Print
        pdf = self.printer.wait_pdf()
        self.assertIn("Where is it?", Printer.text(pdf))
        self.assertGreater(Printer.ink(pdf, self.artifacts), 0.01, "the page is blank")
        self.assertEqual(len(app.windows()), 1, "a page print asks nothing")


class NoPrinterAtAll(PupilJourney):
    extra_env = {"CUPS_SERVER": "/nonexistent/cups.sock"}

    def test_printing_without_a_printer_says_so(self):
        app = self.app
        self.open_facts_menu()
        app.click(*STUDY["key facts"])
        app.wait_colour(*VIEWER_NEXT, BLACK, "the key facts page", tolerance=60)
        app.click(*centre(10680, 120, 1125, 495))  # Print
        app.wait_dialog("the printing problem")
        text = " ".join(app.screen_text().split())
        if text:
            self.assertIn("problem printing", text)
        app.answer()
        self.assertTrue(app.running())


class WorksheetWriting:
    """A teacher writes a ten-question worksheet in the wizard and saves it."""

    TITLE = "Rivers of Britain"

    def questions(self):
        rows = []
        for n in range(1, 11):
            rows.append(("Which river is number %d, north or south?" % n,
                         ["Thames %d" % n, "Severn, %d" % n, "Mersey %d" % n, "Irwell %d" % n],
                         (n % 4) + 1))
        return rows

    def expected_bytes(self):
        enc = lambda t: t.replace(",", "&")
        lines = [enc(self.TITLE), " "]
        for question, answers, correct in self.questions():
            lines += [enc(question)] + [enc(a) for a in answers] + [str(correct), " "]
        return ("\r\n".join(lines) + "\r\n").encode("cp1252")

    def save_worksheet(self):
        """From the main menu: the wizard, every field typed, Save Worksheet, its message."""
        app = self.app
        app.click(*MENU["wizard"])
        app.wait_colour(11500, 300, (255, 255, 255), "the wizard's title field")
        # Enter moves from the title through every question and its answers in turn.
        app.click(7560 + 2000, 120 + 187)
        app.type(self.TITLE)
        app.key("Return")
        for question, answers, correct in self.questions():
            app.type(question)
            app.key("Return")
            for a in answers:
                app.type(a)
                app.key("Return")
        for q, (_, _, correct) in enumerate(self.questions()):
            half, row = divmod(q, 5)
            k = correct - 1
            left = (480 if k % 2 == 0 else 3330) + 5880 * half
            top = (1230 if k < 2 else 1560) + 1440 * row
            app.click(left + 120, top + 150)
        app.click(*centre(240, 7920, 3165, 495))  # Save Worksheet
        app.wait_dialog("Your worksheet has been saved.")
        app.answer()


class TeacherWorksheet(WorksheetWriting, Journey):
    def test_write_save_open_edit_and_delete(self):
        app = self.app
        self.start_to_menu()
        self.save_worksheet()
        with open(app.path("multiple/%s.txt" % self.TITLE), "rb") as f:
            self.assertEqual(f.read(), self.expected_bytes())
        with open(app.path("multiple/track.txt"), "rb") as f:
            self.assertEqual(f.read(), b" 1 \r\n" + self.TITLE.encode() + b"\r\n")
        app.click(*centre(10560, 7920, 1245, 495))  # Exit the wizard
        app.wait_colour(5000, 2000, SCREEN, "the main menu")
        app.click(*MENU["catalogue"])
        first = centre(120, 720, 5715, 375)
        app.wait_colour(200, 800, BLACK, "the first title in the catalogue", tolerance=40)
        # Open: the worksheet as a quiz, with Print Worksheet for the teacher.
        app.click(*first)
        app.wait_colour(7920 + 60, 1920 + 60, BLACK, "Print Worksheet", tolerance=40)
        if self.printer and self.printer.ok:
            self.printer.clear()
            app.click(*centre(7920, 1920, 3045, 495))
            app.wait_dialog("Your worksheet is now printing.")
            app.answer()
            printed = Printer.text(self.printer.wait_pdf())
            for text in ("Quillon Publishing Ltd", self.TITLE, "Question 10",
                         "A. Thames 1", "D. Irwell 10"):
                self.assertIn(text, printed)
        app.click(*QUIZ_EXIT)
        app.wait_colour(200, 800, BLACK, "the catalogue again", tolerance=40)
        # Edit: tick "Edit Worksheet", open the title in the wizard and save it again.
        app.click(120 + 150, 120 + 187)
        app.click(*first)
        app.wait_colour(11500, 300, (255, 255, 255), "the wizard with the worksheet")
        app.click(*centre(240, 7920, 3165, 495))
        app.wait_dialog("saved again without a question")
        app.answer()
        with open(app.path("multiple/%s.txt" % self.TITLE), "rb") as f:
            self.assertEqual(f.read(), self.expected_bytes())
        app.click(*centre(10560, 7920, 1245, 495))
        # Delete: tick "Delete Worksheet" (which unticks Edit), click, confirm.
        app.click(9240 + 150, 120 + 187)
        app.click(*first)
        app.wait_dialog("the delete confirmation")
        app.answer("Return")
        with open(app.path("multiple/track.txt"), "rb") as f:
            self.assertEqual(f.read(), b" 0 \r\n")
        self.assertTrue(app.running())


class MissingData(PupilJourney):
    """With a data folder gone the program never stops and says what is missing."""

    missing = None

    def prepare(self, folder):
        if self.missing:
            shutil.rmtree(os.path.join(folder, self.missing), ignore_errors=True)

    def walk(self, entry):
        """Title, "Manchester: The Facts", then one entry; returns the messages shown."""
        app = self.app
        shown = app.dismiss_dialogs()
        app.click(*self.title_button("ok"))
        shown += app.dismiss_dialogs()
        app.click(*MENU["facts"])
        shown += app.dismiss_dialogs()
        app.click(*STUDY[entry])
        shown += app.dismiss_dialogs()
        app.screenshot(entry)
        self.assertTrue(app.running(), "the program stopped without " + self.missing)
        return shown

    def check(self, folder, entry, says):
        self.tearDown()
        self.missing = folder
        self.setUp()
        shown = self.walk(entry)
        if says:
            self.assertGreater(shown, 0, "nothing said that %s is missing" % folder)

    def test_without_pictures(self):
        self.check("images", "quiz", says=True)

    def test_without_pages(self):
        self.check("wmf", "key facts", says=True)
        self.check("wmf2", "notes", says=True)

    def test_without_quizzes(self):
        self.check("multiple", "quiz", says=True)

    def test_without_sounds_the_program_is_silent_but_works(self):
        self.check("wav", "quiz", says=False)

    def test_without_the_logo_the_acknowledgments_still_open(self):
        self.tearDown()
        self.missing = "logo"
        self.setUp()
        app = self.app
        app.dismiss_dialogs()
        app.click(*self.title_button("ok"))
        app.click(*MENU["acknowledgments"])
        self.assertGreater(app.dismiss_dialogs(), 0)
        self.assertTrue(app.running())


class CaseStudyNotInstalled(PupilJourney):
    """A case-study file removed: its entry says so, and the rest of the program works."""

    def prepare(self, folder):
        os.remove(os.path.join(folder, "casestudies", "manchester2.json"))

    def test_entry_says_not_installed_and_the_other_case_study_works(self):
        app = self.app
        self.start_to_menu()
        app.click(*MENU["development"])
        app.wait_dialog("the case study is not installed")
        app.screenshot("not-installed")
        self.assertIn("not installed", " ".join(app.screen_text().split()))
        app.answer()
        app.wait_colour(11800, 3000, SCREEN, "the main menu again")
        app.click(*MENU["facts"])
        app.wait_for("the facts menu's picture", lambda: app.pixel(*self.PICTURE_POINT) not in
                     (SCREEN, BACKDROP))
        app.click(*STUDY["quiz"])
        app.wait_colour(11800, 3000, SCREEN, "the quiz screen")
        self.answer_quiz(quiz_answers("Manchester Facts.txt"))
        app.wait_for("the results", lambda: "10 out of 10" in self.results_text(), timeout=20)


def setUpModule():
    Journey.printer = Printer() if os.geteuid() == 0 else None


if __name__ == "__main__":
    unittest.main()
