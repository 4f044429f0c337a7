"""The generators refuse sources the game could not use, and their small rules hold."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import music  # noqa: E402
import tiles  # noqa: E402
import xm  # noqa: E402
from make_gamedata import read_packages  # noqa: E402


class TileListTest(unittest.TestCase):
    GOOD = "snow.png|yes|bg\nfir.png|no|nonbg"

    def test_refuses_lists_the_map_loader_could_not_use(self):
        cases = [
            ("snow.png|yes|bg\nfir.png|no", "expected image"),                # a missing field
            ("snow.png|yes|bg\n|no|nonbg", "expected image"),                 # no member named
            ("snow.png|yes|bg\nfir.png|No|nonbg", "second field"),            # only "no" is an obstacle
            ("snow.png|yes|bg\nfir.png|no|nonBG", "second field"),
            ("snow.png|yes|bg\nfir.png|no|bg", "transparent background"),     # would hide the ground
            ("snow.png|yes|bg\nsnow_sparkle.png|yes|bg", "one obstacle"),     # generate would draw forever
            ("fir.png|no|nonbg", "one ground"),
            ("snow.png|yes|bg\nmoose.png|no|nonbg", "no drawing"),
            ("snow.png|yes|bg\n\nfir.png|no|nonbg", "expected image"),        # an empty line
        ]
        for text, message in cases:
            with self.subTest(text=text):
                with self.assertRaisesRegex(ValueError, message):
                    tiles.parse_tile_list(text, "tiles.dat")

    def test_written_list_has_no_line_break_after_its_last_line(self):
        with tempfile.NamedTemporaryFile("w", suffix=".dat", delete=False) as f:
            f.write(self.GOOD + "\n\n")
        try:
            listing, pictures = tiles.build_tiles(f.name)
        finally:
            os.remove(f.name)
        self.assertEqual(listing, self.GOOD.encode("ascii"))
        self.assertEqual(sorted(pictures), ["fir.png", "snow.png"])
        self.assertEqual(pictures["fir.png"].getpixel((0, 0)), (255, 0, 255))


class MusicSourceTest(unittest.TestCase):
    def test_refuses_bars_of_the_wrong_length_and_unknown_notes_or_chords(self):
        cases = [
            (music.parse_melody, "G4:6 F4:2 E4:4 | C4:16", "bar 1 holds 12"),
            (music.parse_melody, "H4:16", "not a note"),
            (music.parse_chords, "C C | F", "two known chords"),
            (music.parse_chords, "C Cmaj9", "two known chords"),
        ]
        for parse, text, message in cases:
            with self.subTest(text=text):
                with self.assertRaisesRegex(ValueError, message):
                    parse(text, "carol.txt:1")

    def test_notes_sharps_and_rests(self):
        self.assertEqual(music.parse_melody("C4:4 F#4:4 r:4 Bb3:4", "x"), [(60, 4), (66, 4), (None, 4), (58, 4)])
        # The tracker's C-4 is note 49.
        self.assertEqual(music.xm_note(60), 49)

    def test_second_voice_is_a_third_below_in_c_major(self):
        for note, expected in [(67, 64), (60, 57), (62, 59), (65, 62), (66, 62), (72, 69)]:
            with self.subTest(note=note):
                self.assertEqual(music.third_below(note), expected)

    def test_a_phrase_whose_melody_and_chords_disagree_is_refused(self):
        with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
            f.write("phrase A\nmelody C4:16 | C4:16\nchords C C\n")
        try:
            with self.assertRaisesRegex(ValueError, "phrase A: melody of 32 sixteenths for 1 bars"):
                music.parse(f.name)
        finally:
            os.remove(f.name)


class ModuleWriterTest(unittest.TestCase):
    def test_packs_cells_and_refuses_ragged_patterns(self):
        rows = [[xm.Cell(note=49, instrument=1, volume=0x50), xm.Cell()]]
        data = xm.write_module("t", 2, 6, 125, [rows], [0], [])
        self.assertEqual(data[:17], b"Extended Module: ")
        # Header, order table, then the pattern: header of 9 bytes and the packed row.
        pattern = data[60 + 276:]
        self.assertEqual(pattern[:9], bytes([9, 0, 0, 0, 0, 1, 0, 5, 0]))
        self.assertEqual(pattern[9:14], bytes([0x87, 49, 1, 0x50, 0x80]))
        with self.assertRaisesRegex(ValueError, "pattern 0"):
            xm.write_module("t", 2, 6, 125, [[[xm.Cell()]]], [0], [])

    def test_sample_data_is_stored_as_differences(self):
        ins = xm.Instrument("s", [0, 1000, -1000, 32767])
        data = xm.write_module("t", 1, 6, 125, [[[xm.Cell()]]], [0], [ins])
        deltas = data[-8:]
        values = [int.from_bytes(deltas[i:i + 2], "little", signed=True) for i in range(0, 8, 2)]
        # From -1000 up to 32767 is 33767, which wraps around in 16 bits.
        self.assertEqual(values, [0, 1000, -2000, 33767 - 65536])


class PackageListTest(unittest.TestCase):
    def test_keys_must_scramble_and_packages_need_members(self):
        for line in ("gui.pjw 0 a.png", "gui.pjw 256 a.png", "gui.pjw 12"):
            with self.subTest(line=line):
                with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
                    f.write("# comment\n" + line + "\n")
                try:
                    with self.assertRaisesRegex(ValueError, "key from 1 to 255"):
                        read_packages(f.name)
                finally:
                    os.remove(f.name)


if __name__ == "__main__":
    unittest.main()
