"""A writer for FastTracker 2 extended modules (XM 1.04): patterns of note
cells, instruments with one 16-bit sample each and volume envelopes."""
import struct
from dataclasses import dataclass, field
from typing import List, Optional, Tuple

KEY_OFF = 97
ROWS_LIMIT = 256


@dataclass
class Cell:
    note: int = 0          # 1 = C-0 ... 96 = B-7, 97 = key off
    instrument: int = 0    # 1-based, 0 = keep
    volume: int = 0        # volume column byte (0x10..0x50 sets 0..64), 0 = none
    effect: int = 0
    parameter: int = 0

    def empty(self):
        return not (self.note or self.instrument or self.volume or self.effect or self.parameter)


@dataclass
class Instrument:
    name: str
    samples: List[int]                 # signed 16-bit
    loop_start: int = 0
    loop_length: int = 0               # 0: plays once
    volume: int = 64
    finetune: int = 0
    relative_note: int = 0
    panning: int = 128
    envelope: List[Tuple[int, int]] = field(default_factory=list)  # (tick, 0..64)
    sustain_point: Optional[int] = None
    fadeout: int = 0
    vibrato: Tuple[int, int, int, int] = (0, 0, 0, 0)              # type, sweep, depth, rate


def _text(s, width):
    raw = s.encode("ascii")[:width]
    return raw + b"\0" * (width - len(raw))


def _pattern(rows):
    packed = bytearray()
    for row in rows:
        for cell in row:
            if cell.empty():
                packed.append(0x80)
                continue
            flags, body = 0x80, bytearray()
            for bit, value in enumerate((cell.note, cell.instrument, cell.volume, cell.effect, cell.parameter)):
                if value:
                    flags |= 1 << bit
                    body.append(value)
            packed.append(flags)
            packed += body
    return struct.pack("<IBHH", 9, 0, len(rows), len(packed)) + bytes(packed)


def _instrument(ins):
    if len(ins.envelope) > 12:
        raise ValueError(f"{ins.name}: at most 12 envelope points")
    points = b"".join(struct.pack("<HH", x, y) for x, y in ins.envelope)
    points += b"\0" * (48 - len(points))
    env_type = 0
    if ins.envelope:
        env_type = 1 | (2 if ins.sustain_point is not None else 0)
    vib_type, vib_sweep, vib_depth, vib_rate = ins.vibrato
    header = (struct.pack("<I", 263) + _text(ins.name, 22) + struct.pack("<BH", 0, 1) + struct.pack("<I", 40)
              + b"\0" * 96 + points + b"\0" * 48
              + struct.pack("<BBBBBBBBBB", len(ins.envelope), 0, ins.sustain_point or 0, 0, 0, 0, 0, 0,
                            env_type, 0)
              + struct.pack("<BBBB", vib_type, vib_sweep, vib_depth, vib_rate)
              + struct.pack("<H", ins.fadeout) + b"\0" * 22)
    loop = 1 if ins.loop_length else 0
    sample_header = struct.pack("<IIIBbBBbB", 2 * len(ins.samples), 2 * ins.loop_start, 2 * ins.loop_length,
                                ins.volume, ins.finetune, loop | 0x10, ins.panning, ins.relative_note, 0)
    sample_header += _text(ins.name, 22)
    # Sample data is stored as differences from the previous value.
    deltas, previous = bytearray(), 0
    for value in ins.samples:
        deltas += struct.pack("<h", ((value - previous + 32768) & 0xFFFF) - 32768)
        previous = value
    return header + sample_header + bytes(deltas)


def write_module(name, channels, speed, bpm, patterns, order, instruments, restart=0):
    """The module's bytes. patterns: lists of rows, each row a list of channels cells."""
    for index, rows in enumerate(patterns):
        if not 1 <= len(rows) <= ROWS_LIMIT or any(len(r) != channels for r in rows):
            raise ValueError(f"pattern {index}: {len(rows)} rows, each needs {channels} cells")
    out = bytearray(b"Extended Module: " + _text(name, 20) + b"\x1a" + _text("wtrqdata", 20))
    out += struct.pack("<HIHHHHHHHH", 0x0104, 276, len(order), restart, channels, len(patterns),
                       len(instruments), 1, speed, bpm)
    out += bytes(order) + b"\0" * (256 - len(order))
    for rows in patterns:
        out += _pattern(rows)
    for ins in instruments:
        out += _instrument(ins)
    return bytes(out)
