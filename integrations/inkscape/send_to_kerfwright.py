#!/usr/bin/env python3
"""Inkscape's "Send to Kerfwright": the drawing goes to the cutter program.

Inkscape hands an effect the current drawing as an SVG file named last on the
command line (or on standard input when there is none). The drawing is saved
to a file of its own, because Inkscape removes its temporary file once the
effect ends, and kerfwright is started with it, apart from Inkscape so that
closing one leaves the other alone. The drawing goes back to Inkscape
unchanged on standard output.
"""
import os
import shutil
import subprocess
import sys
import tempfile


def read_drawing(argv):
    files = [a for a in argv[1:] if not a.startswith("--")]
    if files:
        with open(files[-1], "rb") as f:
            return f.read()
    return sys.stdin.buffer.read()


def save_drawing(svg):
    folder = os.environ.get("XDG_RUNTIME_DIR") or tempfile.gettempdir()
    handle, path = tempfile.mkstemp(prefix="kerfwright-", suffix=".svg", dir=folder)
    with os.fdopen(handle, "wb") as f:
        f.write(svg)
    return path


def program():
    # KERFWRIGHT_PROGRAM names another program, for a copy not on the PATH.
    return os.environ.get("KERFWRIGHT_PROGRAM") or shutil.which("kerfwright") or "kerfwright"


def main(argv):
    svg = read_drawing(argv)
    if not svg.strip():
        sys.stderr.write("Send to Kerfwright: the drawing is empty.\n")
        return 1
    path = save_drawing(svg)
    try:
        subprocess.Popen([program(), path], start_new_session=True,
                         stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except OSError as error:
        sys.stderr.write("Send to Kerfwright: cannot start %s: %s\n" % (program(), error))
        return 1
    sys.stdout.buffer.write(svg)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
