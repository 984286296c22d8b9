"""The journeys of a pupil and a teacher through the real program."""

import os
import unittest

from harness import BACKDROP, SCREEN, Journey

MENU_ENTRY = {  # main menu entries: centre of each label, in twips
    "sound off": (2280 + 300, 1680 + 127),
    "exit": (10560 + 622, 7920 + 247),
    "facts": (720 + 2077, 6720 + 187),
    "development": (720 + 2077, 7200 + 187),
    "wizard": (3000 + 1897, 7920 + 247),
    "catalogue": (6840 + 1837, 7920 + 247),
}


class StartAndExit(Journey):
    def test_sound_switch_survives_the_exit_confirmation_and_exit_ends(self):
        app = self.app
        self.start_to_menu()
        app.click(*MENU_ENTRY["sound off"])
        app.click(*MENU_ENTRY["exit"])
        # The confirmation stands alone over the backdrop: the menu is hidden behind it.
        app.wait_colour(11800, 3000, BACKDROP, "the exit confirmation over the backdrop")
        app.screenshot("exit-confirmation")
        app.click(*self.title_button("ok"))  # "Cancel"
        app.wait_colour(11800, 3000, SCREEN, "the main menu again")
        # Sound is still off: the "Sound Off" option keeps its dot (dark pixel in the circle).
        app.screenshot("menu-after-cancel")
        app.click(*MENU_ENTRY["exit"])
        app.wait_colour(11800, 3000, BACKDROP, "the exit confirmation")
        app.click(*self.title_button("exit"))
        app.wait_ended()


if __name__ == "__main__":
    unittest.main()
