"""The program on the displays of classrooms: projectors, whiteboards, high-resolution and
high-density panels. On each, the screens fill the display's height or width with the
backdrop around them, and a pupil drags every borough onto the map for full marks with the
pointer driven at that size."""

import unittest

from casestudies import Walk
from harness import BACKDROP, Journey


class OnADisplay(Journey):
    """A journey on a display of display_size (and density); the base class is 800 x 600."""

    def row(self, y):
        """The colours of one row of display pixels."""
        return self.display.pixels.colours(0, y, self.display.width, 1)

    def column(self, x):
        return self.display.pixels.colours(x, 0, 1, self.display.height)

    def assertScreensFill(self, colours, start, length):
        """Backdrop before start and from start + length on; the screen in between."""
        inside = [i for i, c in enumerate(colours) if c != BACKDROP]
        self.assertTrue(inside, "no screen at all")
        self.assertLessEqual(abs(inside[0] - start), 1, "where the screen begins")
        self.assertLessEqual(abs(inside[-1] - (start + length - 1)), 1, "where it ends")

    def test_screens_fill_the_display_and_a_labelling_scores_full_marks(self):
        d = self.display
        self.start_to_menu()
        self.assertScreensFill(self.row(d.height // 2), d.left, 800 * d.scale)
        self.assertScreensFill(self.column(int(d.width / 2)), d.top, 600 * d.scale)
        walk = Walk(self.app, "manchester1")
        walk.open_menu()
        said = walk.activity("labelling")
        self.assertIn("5 out of 5", said)
        self.assertIn("Excellent", said)


class At1024x768(OnADisplay):
    display_size = (1024, 768)


class At1920x1080(OnADisplay):
    display_size = (1920, 1080)


class At2560x1440(OnADisplay):
    display_size = (2560, 1440)


class At3840x2160(OnADisplay):
    display_size = (3840, 2160)


class At3840x2160TwoDevicePixelsToAPixel(OnADisplay):
    display_size = (3840, 2160)
    density = 2


del OnADisplay  # only the sizes run

if __name__ == "__main__":
    unittest.main()
