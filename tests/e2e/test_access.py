"""What a screen reader finds of the program, through the AT-SPI accessibility bus."""

import unittest

from harness import BACKDROP, SCREEN, Accessibility, Journey


class ScreenReader(Journey):
    PICTURE_POINT = (6000, 1300)

    def setUp(self):
        access = Journey.accessibility
        self.assertIsNone(access.problem, access.problem)
        self.extra_env = access.env()
        super().setUp()

    def read(self, what, check, timeout=15):
        """The tree once check(tree) holds."""
        found = []

        def ready():
            found[:] = Journey.accessibility.tree()
            return check(found)
        self.app.wait_for(what, ready, timeout)
        return found

    def focused(self, tree):
        return [(o["role"], o["name"]) for o in tree if o["focused"]]

    def window(self, tree):
        return next((o["name"] for o in tree if o["depth"] == 1), None)

    def assert_all_named(self, tree):
        unnamed = [o["role"] for o in tree if o["depth"] > 0 and not o["name"].strip()]
        self.assertEqual(unnamed, [], "showing objects without a name")

    def test_names_roles_focus_and_the_title_of_each_screen(self):
        app = self.app
        tree = self.read("the title screen's OK button",
                         lambda t: ("push button", "OK") in self.focused(t))
        self.assert_all_named(tree)
        app.activate()
        app.wait_colour(11800, 3000, SCREEN, "the main menu")
        app.key("Tab", 8)
        app.activate()
        tree = self.read("the facts menu, announced",
                         lambda t: self.window(t) == "Manchester: The Facts - Placeworks")
        self.assertEqual(self.focused(tree), [("push button", "Key Facts")])
        names = {(o["role"], o["name"]) for o in tree}
        for entry in ("Multiple Choice", "Labelling Activity", "Ordering Activity", "Exit"):
            self.assertIn(("push button", entry), names)
        self.assertIn(("label", "Manchester: The Facts"), names)
        self.assert_all_named(tree)
        app.key("Tab", 2)
        app.activate()
        tree = self.read("the quiz's first question",
                         lambda t: any(n.startswith("Question 1 of 10: ")
                                       for _, n in self.focused(t)))
        self.assert_all_named(tree)
        app.key("Down")
        tree = self.read("answer A chosen",
                         lambda t: any(r == "radio button" for r, _ in self.focused(t)))
        self.assertNotEqual(self.focused(tree)[0][1], "")


def setUpModule():
    Journey.accessibility = Accessibility()


def tearDownModule():
    Journey.accessibility.close()


if __name__ == "__main__":
    unittest.main()
