#!/usr/bin/env python3
"""Writes resources/files/alarm_tune.mid, the tune the program sounds when a
link drops: a Standard MIDI File, format 1, five tracks, 480 ticks per quarter.

Track 0 holds the tempo map (it speeds up halfway), tracks 1-4 a two-tone
siren lead, a pulsing bass, brass stabs and a drum part. Channel messages use
running status, as most sequencers write them.

Run: python3 resources/make_alarm_tune.py
"""
import os
import struct

TPQ = 480
EIGHTH = TPQ // 2
SIXTEENTH = TPQ // 4
BAR = 4 * TPQ
BARS = 16


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self):
        self.events = []  # (tick, order, bytes)

    def add(self, tick, data, order=1):
        self.events.append((tick, order, bytes(data)))

    def note(self, tick, length, channel, key, velocity):
        self.add(tick, [0x90 | channel, key, velocity], 1)
        # note-on with velocity 0 ends the note, so running status carries on
        self.add(tick + length, [0x90 | channel, key, 0], 0)

    def meta(self, tick, kind, payload):
        self.add(tick, [0xFF, kind] + list(vlq(len(payload))) + list(payload), 0)

    def encode(self, end_tick):
        self.events.sort(key=lambda e: (e[0], e[1]))
        body = bytearray()
        last_tick = 0
        running = None
        for tick, _, data in self.events:
            body += vlq(tick - last_tick)
            last_tick = tick
            status = data[0]
            if status < 0xF0 and status == running:
                body += data[1:]
            else:
                body += data
                running = status if status < 0xF0 else None
        body += vlq(max(0, end_tick - last_tick)) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def tempo_bytes(bpm):
    return struct.pack(">I", round(60_000_000 / bpm))[1:]


def conductor():
    t = Track()
    t.meta(0, 0x03, "报警音".encode("utf-8"))
    t.meta(0, 0x58, bytes([4, 2, 24, 8]))  # 4/4
    t.meta(0, 0x51, tempo_bytes(132))
    t.meta(8 * BAR, 0x51, tempo_bytes(144))  # the second half presses on
    t.meta(12 * BAR, 0x51, tempo_bytes(152))
    return t


def siren():
    t = Track()
    ch = 0
    t.meta(0, 0x03, b"Siren")
    t.add(0, [0xC0 | ch, 80])  # square lead
    t.add(0, [0xB0 | ch, 7, 112])
    high, low = 81, 76  # A5 and E5
    for bar in range(BARS):
        base = bar * BAR
        if bar % 4 == 3:
            # every fourth bar: a falling run to break the pattern
            for i, key in enumerate([88, 86, 84, 83, 81, 79, 77, 76]):
                t.note(base + i * EIGHTH, EIGHTH - 20, ch, key, 110)
        else:
            for i in range(8):
                t.note(base + i * EIGHTH, EIGHTH - 20, ch, high if i % 2 == 0 else low, 118 - 4 * (i % 2))
    return t


def bass():
    t = Track()
    ch = 1
    t.meta(0, 0x03, b"Bass")
    t.add(0, [0xC0 | ch, 38])  # synth bass
    roots = [45, 45, 41, 43]  # A, A, F, G
    for bar in range(BARS):
        root = roots[bar % 4]
        for i in range(8):
            key = root + (12 if i % 4 == 3 else 0)
            t.note(bar * BAR + i * EIGHTH, EIGHTH - 30, ch, key, 96)
    return t


def brass():
    t = Track()
    ch = 2
    t.meta(0, 0x03, b"Brass")
    t.add(0, [0xC0 | ch, 61])  # brass section
    chords = [(57, 60, 64), (57, 60, 64), (53, 57, 60), (55, 59, 62)]
    for bar in range(BARS):
        chord = chords[bar % 4]
        for beat in (0, 2):
            for key in chord:
                t.note(bar * BAR + beat * TPQ, TPQ - 60, ch, key, 88)
        # a pitch bend swell into the next bar, then back to centre
        t.add(bar * BAR + 3 * TPQ, [0xE0 | ch, 0x00, 0x50])
        t.add(bar * BAR + 4 * TPQ - 10, [0xE0 | ch, 0x00, 0x40])
    return t


def drums():
    t = Track()
    ch = 9
    t.meta(0, 0x03, b"Drums")
    kick, snare, hat, crash = 36, 38, 42, 49
    for bar in range(BARS):
        base = bar * BAR
        if bar % 4 == 0:
            t.note(base, TPQ, ch, crash, 100)
        for i in range(16):
            tick = base + i * SIXTEENTH
            t.note(tick, SIXTEENTH // 2, ch, hat, 70 if i % 2 else 90)
            if i in (0, 6, 8, 10):
                t.note(tick, SIXTEENTH, ch, kick, 115)
            if i in (4, 12):
                t.note(tick, SIXTEENTH, ch, snare, 110)
    return t


def main():
    tracks = [conductor(), siren(), bass(), brass(), drums()]
    end = BARS * BAR
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TPQ)
    data = header + b"".join(t.encode(end) for t in tracks)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "files", "alarm_tune.mid")
    with open(out, "wb") as f:
        f.write(data)
    print(f"{out}: {len(data)} bytes")


if __name__ == "__main__":
    main()
