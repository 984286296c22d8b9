"""Every shipped case study walked through as a pupil does: its menu under its own title,
the key-fact pages turned, both activities completed with full marks, and back to the main
menu. One program run serves them all. Manchester has journeys of its own (test_journeys),
and every quiz file is checked by check-casestudies (casestudies_shipped)."""

import os
import unittest

from casestudies import Walk, letters, shipped_ids
from harness import Journey


class EveryCaseStudy(Journey):
    def test_every_menu_pages_quiz_and_activities(self):
        ids = [i for i in shipped_ids() if not i.startswith("manchester")]
        if not ids:
            self.skipTest("only the Manchester case study is shipped")
        self.start_to_menu()
        for study_id in ids:
            with self.subTest(case_study=study_id):
                walk = Walk(self.app, study_id)
                walk.open_menu()
                self.assertEqual(self.app.dismiss_dialogs(0.3), 0, "a message on opening")
                place = walk.data["title"].split(":")[0]
                self.assertIn(letters(place), letters(walk.title_seen()))
                walk.key_facts()
                for kind in ("labelling", "ordering"):
                    n = len(walk.data[kind]["items"])
                    self.assertIn("%d out of %d" % (n, n), walk.activity(kind))
                walk.exit_menu()
                self.assertTrue(self.app.running())


if __name__ == "__main__":
    unittest.main()
