#!/usr/bin/python3
"""Writes dst/zigzag.dst, the Tajima embroidery design of the tests: a zigzag
stitch run, a jump, a small square, a colour change and a last run. DST is
binary, so the file is generated rather than written by hand; run this script
again after changing the design and commit both."""
import os

# Moves in tenths of a millimetre: (dx, dy, kind), kind "stitch", "jump" or "colour".
DESIGN = (
    [(20, 30 if i % 2 == 0 else -30, "stitch") for i in range(8)]
    + [(100, 50, "jump")]
    + [(40, 0, "stitch"), (0, 40, "stitch"), (-40, 0, "stitch"), (0, -40, "stitch")]
    + [(0, 0, "colour")]
    + [(-121, -60, "jump"), (-30, 10, "stitch"), (-30, 10, "stitch"), (-30, 10, "stitch")]
)

# Bits of the three record bytes for each balanced-ternary digit of a move.
X_BITS = {1: (0, 0x01, 0x02), 3: (1, 0x01, 0x02), 9: (0, 0x04, 0x08), 27: (1, 0x04, 0x08), 81: (2, 0x04, 0x08)}
Y_BITS = {1: (0, 0x80, 0x40), 3: (1, 0x80, 0x40), 9: (0, 0x20, 0x10), 27: (1, 0x20, 0x10), 81: (2, 0x20, 0x10)}
KIND_BITS = {"stitch": 0x03, "jump": 0x83, "colour": 0xC3}


def ternary_digits(value):
    """Digits -1, 0 or 1 for 1, 3, 9, 27 and 81, lowest first."""
    digits = []
    for _ in range(5):
        digit = (value + 1) % 3 - 1
        digits.append(digit)
        value = (value - digit) // 3
    assert value == 0, "a move is at most 121 tenths"
    return digits


def record(dx, dy, kind):
    out = [0, 0, KIND_BITS[kind]]
    for bits, value in ((X_BITS, dx), (Y_BITS, dy)):
        for weight, digit in zip((1, 3, 9, 27, 81), ternary_digits(value)):
            byte, plus, minus = bits[weight]
            if digit:
                out[byte] |= plus if digit > 0 else minus
    return bytes(out)


def header(records, xs, ys, colours):
    fields = ["LA:%-16s" % "zigzag", "ST:%7d" % records, "CO:%3d" % colours,
              "+X:%5d" % max(xs), "-X:%5d" % -min(xs), "+Y:%5d" % max(ys), "-Y:%5d" % -min(ys),
              "AX:+%5d" % xs[-1], "AY:+%5d" % ys[-1], "MX:+%5d" % 0, "MY:+%5d" % 0, "PD:******"]
    text = "".join(f + "\r" for f in fields).encode("ascii") + b"\x1a"
    return text.ljust(512, b" ")


def main():
    xs, ys = [0], [0]
    for dx, dy, _ in DESIGN:
        xs.append(xs[-1] + dx)
        ys.append(ys[-1] + dy)
    body = b"".join(record(*move) for move in DESIGN) + b"\x00\x00\xf3"
    colours = sum(1 for move in DESIGN if move[2] == "colour")
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "dst", "zigzag.dst")
    with open(out, "wb") as f:
        f.write(header(len(DESIGN) + 1, xs, ys, colours) + body)


if __name__ == "__main__":
    main()
