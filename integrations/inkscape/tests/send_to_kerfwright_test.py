#!/usr/bin/env python3
"""The Inkscape hand-over without Inkscape: a stand-in program records how it
was started, and the saved drawing must be the one given."""
import os
import subprocess
import sys
import tempfile
import time
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "send_to_kerfwright.py")
SVG = b'<svg xmlns="http://www.w3.org/2000/svg" width="100mm" height="50mm"><rect width="10" height="5"/></svg>\n'


class SendToKerfwright(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.record = os.path.join(self.folder, "started.txt")
        self.program = os.path.join(self.folder, "kerfwright")
        with open(self.program, "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$@" > "%s.part" && mv "%s.part" "%s"\n'
                    % (self.record, self.record, self.record))
        os.chmod(self.program, 0o755)
        self.env = dict(os.environ, KERFWRIGHT_PROGRAM=self.program, XDG_RUNTIME_DIR=self.folder)

    def run_script(self, args, stdin):
        return subprocess.run([sys.executable, SCRIPT] + args, input=stdin, env=self.env,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30)

    def started_with(self):
        for _ in range(300):
            if os.path.exists(self.record):
                with open(self.record) as f:
                    return f.read().splitlines()
            time.sleep(0.05)
        self.fail("the program was not started")

    def check_handed_over(self, result):
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, SVG)  # Inkscape gets its drawing back unchanged
        args = self.started_with()
        self.assertEqual(len(args), 1)
        self.assertTrue(args[0].startswith(self.folder) and args[0].endswith(".svg"))
        with open(args[0], "rb") as f:
            self.assertEqual(f.read(), SVG)

    def test_a_drawing_on_standard_input_is_saved_and_opened(self):
        self.check_handed_over(self.run_script([], SVG))

    def test_the_file_inkscape_names_last_is_the_drawing(self):
        given = os.path.join(self.folder, "inkscape-temp.svg")
        with open(given, "wb") as f:
            f.write(SVG)
        self.check_handed_over(self.run_script(["--id=rect1", given], b""))

    def test_an_empty_drawing_starts_nothing(self):
        result = self.run_script([], b"")
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"empty", result.stderr)
        time.sleep(0.2)
        self.assertFalse(os.path.exists(self.record))


if __name__ == "__main__":
    unittest.main()
