"""Builds the game's music from the carol's note file: parses the phrases and the
sections, lets each part of the arrangement play its phrases into a grid of
sixteenth-note rows, cuts the grid into patterns and writes the XM module."""
import re

import instruments as ins
from xm import KEY_OFF, Cell, write_module

ROWS_PER_BAR = 16
PATTERN_ROWS = 64
CHANNELS = 10
LEAD, HARMONY, BASS, PAD0, PAD1, PAD2, BELLS, SLEIGH, KICK, ECHO = range(CHANNELS)
PAN = {LEAD: 0x90, HARMONY: 0x60, PAD0: 0x50, PAD1: 0x80, PAD2: 0xB0, BELLS: 0xA8, ECHO: 0x48}

SUSTAINED = [(LEAD, "lead"), (HARMONY, "harmony"), (BASS, "bass"), (PAD0, "pad"), (PAD1, "pad"), (PAD2, "pad")]

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
CHORDS = {"C": (0, 4, 7), "F": (5, 9, 12), "G": (7, 11, 14), "G7": (7, 11, 17), "D": (2, 6, 9),
          "Dm": (2, 5, 9)}
# Where each chord's three notes lie for the pad (MIDI numbers, close to middle C).
VOICING = {"C": (60, 64, 67), "F": (60, 65, 69), "G": (59, 62, 67), "G7": (59, 65, 67), "D": (57, 62, 66),
           "Dm": (57, 62, 65)}
ROOTS = {"C": 36, "F": 41, "G": 43, "G7": 43, "D": 38, "Dm": 38}
SCALE = [0, 2, 4, 5, 7, 9, 11]


def midi(name, where):
    m = re.fullmatch(r"([A-G])(#|b)?(\d)", name)
    if not m:
        raise ValueError(f"{where}: not a note: {name}")
    step, accidental, octave = m.groups()
    return 12 * (int(octave) + 1) + NOTE_NAMES[step] + {"#": 1, "b": -1, None: 0}[accidental]


def xm_note(midi_number):
    # The tracker counts from C-0 = 1; MIDI's middle C (60) is its C-4 (49).
    return midi_number - 11


def parse(path):
    song = {"bpm": 125, "speed": 6, "phrases": {}, "sections": []}
    current = None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            # Comments take whole lines: "#" also writes sharps.
            line = raw.strip()
            where = f"{path}:{number}"
            if not line or line.startswith("#"):
                continue
            word, _, rest = line.partition(" ")
            if word in ("bpm", "speed"):
                song[word] = int(rest)
            elif word == "phrase":
                current = {"melody": [], "chords": []}
                song["phrases"][rest.strip()] = current
            elif word == "melody":
                current["melody"] = parse_melody(rest, where)
            elif word == "chords":
                current["chords"] = parse_chords(rest, where)
            elif word == "section":
                name, *items = rest.split()
                phrases = [i for i in items if i in song["phrases"]]
                parts = [i for i in items if i not in song["phrases"]]
                song["sections"].append((name, phrases, parts))
            else:
                raise ValueError(f"{where}: unknown line {line!r}")
    for name, phrase in song["phrases"].items():
        bars = len(phrase["chords"]) // 2
        length = sum(n for _, n in phrase["melody"])
        if length != bars * ROWS_PER_BAR:
            raise ValueError(f"{path}: phrase {name}: melody of {length} sixteenths for {bars} bars")
    return song


def parse_melody(text, where):
    notes = []
    for bar_number, bar in enumerate(text.split("|"), 1):
        total = 0
        for token in bar.split():
            name, _, length = token.partition(":")
            notes.append((None if name == "r" else midi(name, where), int(length)))
            total += int(length)
        if total != ROWS_PER_BAR:
            raise ValueError(f"{where}: bar {bar_number} holds {total} sixteenths, not {ROWS_PER_BAR}")
    return notes


def parse_chords(text, where):
    chords = []
    for bar in text.split("|"):
        halves = bar.split()
        if len(halves) != 2 or any(c not in CHORDS for c in halves):
            raise ValueError(f"{where}: each bar needs two known chords, got {bar.strip()!r}")
        chords += halves
    return chords


def third_below(note):
    """The note a third below in C major, for the second voice."""
    octave, pc = divmod(note, 12)
    degree = max(i for i, s in enumerate(SCALE) if s <= pc)
    lower = degree - 2
    return 12 * (octave + (lower // 7)) + SCALE[lower % 7]


class Grid:
    def __init__(self, rows):
        self.rows = [[Cell() for _ in range(CHANNELS)] for _ in range(rows)]

    def note(self, row, channel, note, instrument, volume):
        cell = self.rows[row][channel]
        cell.note, cell.instrument, cell.volume = xm_note(note), instrument, 0x10 + volume
        if channel in PAN:
            cell.effect, cell.parameter = 0x8, PAN[channel]

    def off(self, row, channel):
        self.rows[row][channel] = Cell(note=KEY_OFF)


def play_phrase(grid, start, phrase, parts, first_bar_of_section):
    row = start
    for note, length in phrase["melody"]:
        if "lead" in parts:
            if note is None:
                grid.off(row, LEAD)
            else:
                grid.note(row, LEAD, note, ins.LEAD, 44)
        if "harmony" in parts:
            if note is None:
                grid.off(row, HARMONY)
            else:
                grid.note(row, HARMONY, third_below(note), ins.LEAD, 26)
        if "bells-melody" in parts and note is not None:
            grid.note(row, BELLS, note + 12, ins.BELLS, 40)
            if row + 3 < len(grid.rows):
                grid.note(row + 3, ECHO, note + 12, ins.BELLS, 14)
        row += length
    previous = None
    for half, chord in enumerate(phrase["chords"]):
        r = start + half * 8
        bar = half // 2
        if "pad" in parts and (chord != previous or half % 4 == 0):
            for channel, note in zip((PAD0, PAD1, PAD2), VOICING[chord]):
                grid.note(r, channel, note, ins.PAD, 22)
        previous = chord
        if "bass" in parts:
            root = ROOTS[chord]
            grid.note(r, BASS, root, ins.BASS, 50)
            grid.note(r + 4, BASS, root + 7 if half % 2 == 0 else root + 12, ins.BASS, 40)
        if "bells-arp" in parts:
            tones = [60 + c + 12 for c in CHORDS[chord]]
            for k, tone in enumerate(tones + [tones[1]]):
                grid.note(r + 2 * k, BELLS, tone, ins.BELLS, 20)
                if r + 2 * k + 3 < len(grid.rows):
                    grid.note(r + 2 * k + 3, ECHO, tone, ins.BELLS, 8)
        if "drums" in parts and half % 2 == 0:
            grid.note(r, KICK, 60, ins.KICK, 44)
            grid.note(r + 8, KICK, 60, ins.KICK, 34)
        shake = "jingle" in parts or ("jingle-late" in parts and first_bar_of_section + bar >= 2)
        if shake:
            for k in range(0, 8, 2):
                accent = (half % 2 == 0 and k == 4) or (half % 2 == 1 and k == 4)
                grid.note(r + k, SLEIGH, 72, ins.SLEIGH, 30 if accent else 14)


def arrange(song):
    bars = sum(len(song["phrases"][p]["chords"]) // 2 for _, phrases, _ in song["sections"] for p in phrases)
    grid = Grid(bars * ROWS_PER_BAR)
    row = 0
    for _, phrases, parts in song["sections"]:
        # Sustained voices that sit a section out are released as it begins; without
        # that, a bass or chord note would hold on through the section (and through
        # the start of the music when it comes round again).
        for channel, part in SUSTAINED:
            if part not in parts:
                grid.off(row, channel)
        bar_in_section = 0
        for p in phrases:
            phrase = song["phrases"][p]
            play_phrase(grid, row, phrase, parts, bar_in_section)
            length = len(phrase["chords"]) // 2
            row += length * ROWS_PER_BAR
            bar_in_section += length
    return grid.rows


def build_module(path):
    song = parse(path)
    rows = arrange(song)
    if len(rows) % PATTERN_ROWS:
        raise ValueError(f"{path}: {len(rows) // ROWS_PER_BAR} bars do not fill whole patterns of 4 bars")
    patterns, order, seen = [], [], {}
    for start in range(0, len(rows), PATTERN_ROWS):
        chunk = rows[start:start + PATTERN_ROWS]
        key = tuple((c.note, c.instrument, c.volume, c.effect, c.parameter) for r in chunk for c in r)
        if key not in seen:
            seen[key] = len(patterns)
            patterns.append(chunk)
        order.append(seen[key])
    return write_module("Deck the Halls", CHANNELS, song["speed"], song["bpm"], patterns, order,
                        ins.all_instruments())
