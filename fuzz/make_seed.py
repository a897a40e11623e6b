#!/usr/bin/env python3
"""Writes the first seeds of the resource images' fuzzers into a corpus
folder (fuzz/corpus by default): a small, valid DATA30.RES and kelvo.res.

DATA30.RES's play background (slot 12) is left out: the fuzzer appends
307,200 zero bytes to every input, so slot 12 points just past the input's
end and the mutations fall on tables and pictures rather than on background
pixels."""
import os
import struct
import sys


def plain(w, h, colour, xo=0, yo=0):
    return struct.pack('<hhHH', xo, yo, w, h) + bytes([colour]) * (w * h)


def fill_run(x, y, w, h, colour):
    out = struct.pack('<hhHH', x, y, w, h)
    for _ in range(h):
        runs = []
        left = w
        while left > 0:
            n = min(64, left)
            runs.append(bytes([0xC0 | (n - 1), colour]))
            left -= n
        out += bytes([len(runs)]) + b''.join(runs)
    return out


def skip_run(x, y, w, h):
    out = struct.pack('<hhHH', x, y, w, h)
    for _ in range(h):
        out += bytes([2, 0x00, 0x80 + w - 2]) + bytes([7]) * (w - 1)
    return out


def table(items):
    head = struct.pack('<i', len(items))
    at = 4 * len(items)
    for item in items:
        head += struct.pack('<i', at)
        at += len(item)
    return head + b''.join(items)


def palette():
    return bytes((i * k) & 63 for i in range(256) for k in (7, 3, 1))


def resource_image(slots, appended=None):
    """The slot count, the slots' offsets and their data; the slot `appended`
    points at the end, where the fuzzer adds its bytes."""
    order = [i for i in range(len(slots)) if i != appended]
    offsets = [0] * len(slots)
    at = 4 * len(slots)
    body = b''
    for i in order:
        offsets[i] = at
        body += slots[i]
        at += len(slots[i])
    if appended is not None:
        offsets[appended] = at
    return struct.pack('<i', len(slots)) + b''.join(struct.pack('<i', o) for o in offsets) + body


def data30():
    slots = [b''] * 36
    slots[0] = palette()
    for c in range(10):
        slots[1 + c] = table([plain(3, 3, 40 + c, -1, -1)] * 13)
    slots[11] = plain(4, 4, 200, -2, -2)
    slots[13] = table([skip_run(10, 39, 4, 2)] * 7)
    for b in range(4):
        slots[14 + b] = table([fill_run(244, 47 + 100 * b, 3, 2, 60 + b)] * 12)
    slots[18] = table([plain(2, 2, 90)] * 2)
    slots[19] = plain(2, 2, 255)
    slots[20] = table([plain(2, 3, 250)] * 10)
    slots[21] = table([plain(2, 3, 250)] * 256)
    slots[22] = table([bytes([128]) * 4] * 15)
    slots[23] = bytes(4)
    slots[24] = bytes(4)
    slots[25] = table([plain(2, 2, 120)] * 12)
    slots[26] = plain(4, 2, 130, -2, -1)
    slots[27] = table([plain(3, 2, 140)] * 2)
    slots[28] = table([fill_run(200, 20, 3, 2, 70)] * 50)
    slots[29] = fill_run(200, 20, 3, 2, 71)
    slots[30] = table([fill_run(0, 0, 70, 2, 80)] * 12)
    slots[31] = table([b'A\0', b'\0', b'B\0', b'C\0', b'\0', b'\0', b'\0', b'D\0'])
    slots[32] = table([fill_run(480, 60, 3, 2, 150)] * 8)
    slots[33] = table([fill_run(560, 400, 3, 2, 160)] * 30)
    slots[34] = fill_run(0, 0, 640, 1, 170)
    slots[35] = palette()
    return resource_image(slots, appended=12)


def kelvo():
    """The logo's palette and its 43 pictures, each a few run-coded pixels."""
    return resource_image([palette(), table([fill_run(300 + i, 200, 3, 2, i) for i in range(43)])])


corpus = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), 'corpus')
for target, data in (('fuzz_resources', data30()), ('fuzz_logo_image', kelvo())):
    os.makedirs(os.path.join(corpus, target), exist_ok=True)
    with open(os.path.join(corpus, target, 'seed.res'), 'wb') as f:
        f.write(data)
