#!/usr/bin/env python3
"""Tests for wmfstat.py.  Run: python3 -m unittest corpus/tools/test_wmfstat.py"""
import contextlib
import io
import os
import struct
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import wmfstat  # noqa: E402

CORPUS = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                      "..", "wmf")


def rec(func, *words, raw=b""):
    body = struct.pack("<%dH" % len(words), *words) + raw
    return struct.pack("<IH", 3 + len(body) // 2, func) + body


def wmf(records, placeable=None, objects=4, meta_type=1, size_words=None):
    """Build a metafile; placeable = (l, t, r, b, inch) or None."""
    body = b"".join(records)
    if size_words is None:
        size_words = (18 + len(body)) // 2
    max_record = max(struct.unpack_from("<I", r)[0] for r in records)
    out = struct.pack("<HHHIHIH", meta_type, 9, 0x0300, size_words,
                      objects, max_record, 0) + body
    if placeable:
        head = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, *placeable, 0)
        csum = 0
        for i in range(0, 20, 2):
            csum ^= struct.unpack_from("<H", head, i)[0]
        out = head + struct.pack("<H", csum) + out
    return out


EOF_REC = rec(0x0000)
PEN = rec(0x02FA, 0, 1, 0, 0, 0)                 # CREATEPENINDIRECT
SELECT0 = rec(0x012D, 0)


class HeaderTest(unittest.TestCase):
    def test_placeable_header_is_read(self):
        st = wmfstat.scan(wmf([EOF_REC], placeable=(-10, 0, 1430, 720, 1440)))
        self.assertTrue(st.placeable)
        self.assertEqual(st.bbox, (-10, 0, 1430, 720))
        self.assertEqual(st.inch, 1440)
        self.assertTrue(st.checksum_ok)
        self.assertEqual((st.problems, st.warnings), ([], []))

    def test_bad_checksum_is_only_a_warning(self):
        data = bytearray(wmf([EOF_REC], placeable=(0, 0, 100, 100, 96)))
        data[20] ^= 0xFF
        st = wmfstat.scan(bytes(data))
        self.assertFalse(st.checksum_ok)
        self.assertEqual(st.problems, [])
        self.assertTrue(any("checksum" in w for w in st.warnings))

    def test_without_placeable_header(self):
        st = wmfstat.scan(wmf([rec(0x020C, 200, 300), EOF_REC]))
        self.assertFalse(st.placeable)
        self.assertIsNone(st.bbox)
        self.assertEqual(st.counts, {"META_SETWINDOWEXT": 1, "META_EOF": 1})

    def test_not_a_metafile_is_fatal(self):
        st = wmfstat.scan(b"This is a README, not a picture.\n" * 3)
        self.assertTrue(st.fatal)

    def test_size_counting_placeable_header_is_explained(self):
        good = wmf([EOF_REC], placeable=(0, 0, 10, 10, 96))
        st = wmfstat.scan(wmf([EOF_REC], placeable=(0, 0, 10, 10, 96),
                              size_words=len(good) // 2))
        self.assertEqual(st.problems, [])
        self.assertIn("22-byte placeable header", st.warnings[0])


class RecordStreamTest(unittest.TestCase):
    def test_counts_by_spec_name(self):
        st = wmfstat.scan(wmf([PEN, SELECT0, rec(0x0521, 2, 0, raw=b"Hi"),
                               rec(0x0324, 0), rec(0x0F43, 0), EOF_REC]))
        self.assertEqual(st.counts["META_TEXTOUT"], 1)
        self.assertEqual(st.counts["META_POLYGON"], 1)
        self.assertEqual(st.counts["META_STRETCHDIB"], 1)
        self.assertEqual(st.records, 6)

    def test_truncated_record_is_a_problem(self):
        data = wmf([PEN, EOF_REC])[:-8]
        st = wmfstat.scan(data)
        self.assertTrue(any("runs past end" in p for p in st.problems))
        self.assertIn("no META_EOF record", st.problems)

    def test_record_smaller_than_header_stops_the_scan(self):
        st = wmfstat.scan(wmf([struct.pack("<IH", 2, 0x0418), EOF_REC]))
        self.assertTrue(any("< 3" in p for p in st.problems))

    def test_padding_after_eof_is_tolerated(self):
        st = wmfstat.scan(wmf([EOF_REC]) + b"\0" * 46)
        self.assertEqual(st.problems, [])
        self.assertTrue(any("after META_EOF" in w for w in st.warnings))

    def test_unknown_function_is_named_and_warned(self):
        st = wmfstat.scan(wmf([rec(0x0999, 1), EOF_REC]))
        self.assertIn("UNKNOWN_0x0999", st.counts)
        self.assertEqual(st.problems, [])


class ObjectTableTest(unittest.TestCase):
    def test_delete_beyond_table_is_reported(self):
        st = wmfstat.scan(wmf([PEN, rec(0x01F0, 0), rec(0x01F0, 2), EOF_REC],
                              objects=2))
        self.assertEqual(len(st.warnings), 1)
        self.assertIn("object 2 out of range", st.warnings[0])

    def test_deleted_slot_is_reused_and_select_of_empty_slot_flagged(self):
        records = [PEN, PEN, rec(0x01F0, 0), PEN, SELECT0, rec(0x01F0, 1),
                   rec(0x012D, 1), EOF_REC]
        st = wmfstat.scan(wmf(records, objects=2))
        offset = 18 + sum(len(r) for r in records[:6])
        self.assertEqual(st.warnings, [
            "META_SELECTOBJECT at offset %d: object 1 is empty" % offset])

    def test_table_overflow(self):
        st = wmfstat.scan(wmf([PEN, PEN, EOF_REC], objects=1))
        self.assertTrue(any("is full" in w for w in st.warnings))


class DetailTest(unittest.TestCase):
    def test_font_escapement_and_hatch_and_map_mode(self):
        font = struct.pack("<hhhhhBBBBBBBB", -300, 0, 900, 900, 700, 1, 0,
                           0, 2, 0, 0, 0, 0) + b"Tahoma\0\0"
        st = wmfstat.scan(wmf([rec(0x0103, 8), rec(0x02FB, raw=font),
                               rec(0x02FC, 2, 0, 0, 4), EOF_REC]))
        self.assertEqual(st.detail["map mode"], {"MM_ANISOTROPIC": 1})
        self.assertEqual(st.detail["font"],
                         {"Tahoma h=-300 bold italic esc=900 charset=2": 1})
        self.assertEqual(st.detail["brush"], {"BS_HATCHED HS_CROSS": 1})

    def test_embedded_emf_comment_is_recognised(self):
        esc = rec(0x0626, 0x000F, 8, raw=struct.pack("<II", 0x43464D57, 1))
        st = wmfstat.scan(wmf([esc, EOF_REC]))
        self.assertIn("MFCOMMENT WMFC (embedded EMF chunk)",
                      st.detail["escape"])


try:
    import lo_render  # needs LibreOffice's uno module (/usr/bin/python3)
except ImportError:
    lo_render = None


@unittest.skipUnless(lo_render, "uno not importable: run with /usr/bin/python3")
class LoRenderCopiesTest(unittest.TestCase):
    """The temporary copies lo_render.py renders from must stay valid."""

    def setUp(self):
        import tempfile
        self.tmp = tempfile.mkdtemp()

    def tearDown(self):
        import shutil
        shutil.rmtree(self.tmp)

    def write(self, data):
        path = os.path.join(self.tmp, "in.wmf")
        with open(path, "wb") as f:
            f.write(data)
        return path

    def test_strip_emf_keeps_drawing_and_fixes_header(self):
        wmfc = rec(0x0626, 0x000F, 40,
                   raw=struct.pack("<II", 0x43464D57, 1) + b"\0" * 32)
        other = rec(0x0626, 0x000F, 4, raw=b"Math")
        src = wmf([PEN, wmfc, SELECT0, other, wmfc, EOF_REC],
                  placeable=(0, 0, 100, 100, 96))
        out = lo_render.strip_emf_copy(self.write(src), self.tmp)
        with open(out, "rb") as f:
            st = wmfstat.scan(f.read())
        self.assertEqual((st.problems, st.warnings), ([], []))
        self.assertEqual(st.counts["META_ESCAPE"], 1)
        self.assertEqual(st.max_record, len(PEN) // 2)

    def test_no_copy_when_nothing_to_change(self):
        path = self.write(wmf([PEN, EOF_REC], placeable=(0, 0, 10, 10, 96)))
        self.assertIsNone(lo_render.strip_emf_copy(path, self.tmp))
        self.assertIsNone(lo_render.type2_copy(path, self.tmp))
        self.assertEqual(lo_render.placeable_size_in(path), (10 / 96, 10 / 96))

    def test_type2_copy_changes_only_the_type(self):
        src = wmf([PEN, EOF_REC], placeable=(0, 0, 10, 10, 96), meta_type=2)
        out = lo_render.type2_copy(self.write(src), self.tmp)
        with open(out, "rb") as f:
            data = f.read()
        self.assertEqual(wmfstat.scan(data).meta_type, 1)
        self.assertEqual(data[:22] + data[24:], src[:22] + src[24:])


@unittest.skipUnless(os.path.isdir(CORPUS), "corpus not present")
class CorpusTest(unittest.TestCase):
    """Counts that another parser (Apache POI's tests) also asserts."""

    def count_without_eof(self, name):
        st = wmfstat.scan_file(os.path.join(CORPUS, name))
        return st.records - st.counts.get("META_EOF", 0), st

    def test_poi_record_counts(self):
        self.assertEqual(self.count_without_eof("poi-santa.wmf")[0], 581)
        n, st = self.count_without_eof("poi-empty-polygon-close.wmf")
        self.assertEqual(n, 272)
        self.assertEqual(st.problems, [])

    def test_poi_infinite_loop_file_is_malformed(self):
        st = wmfstat.scan_file(os.path.join(CORPUS, "poi-61338.wmf"))
        self.assertTrue(st.problems)
        with contextlib.redirect_stdout(io.StringIO()):
            self.assertEqual(wmfstat.main(["wmfstat", st.path]), 1)


if __name__ == "__main__":
    unittest.main()
