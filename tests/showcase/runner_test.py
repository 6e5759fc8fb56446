#!/usr/bin/env python3
"""scripts/demo.sh with steps of its own: what is made, what is kept on a second run, what a
change of input redoes, and how failures and old-style steps show on the page."""

import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import textwrap
import unittest
import zlib

ROOT = os.path.realpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def png(width, height, rgb):
    """A small opaque PNG of one colour."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    row = b"\0" + bytes(rgb) * width
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(row * height)) + chunk(b"IEND", b""))


class Showcase(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="showcase-test-")
        self.steps = os.path.join(self.work, "steps")
        self.out = os.path.join(self.work, "out")
        os.makedirs(self.steps)
        self.red = self.write("red.png", png(4, 3, (255, 0, 0)), binary=True)
        self.blue = self.write("blue.png", png(5, 2, (0, 0, 255)), binary=True)

    def tearDown(self):
        shutil.rmtree(self.work, ignore_errors=True)

    def write(self, name, content, binary=False):
        path = os.path.join(self.work, name)
        with open(path, "wb" if binary else "w") as f:
            f.write(content)
        return path

    def step(self, name, text):
        self.write(os.path.join("steps", name), textwrap.dedent(text))

    def run_demo(self):
        run = subprocess.run(["bash", os.path.join(ROOT, "scripts", "demo.sh"), "build/default",
                              self.out, self.steps], cwd=ROOT, capture_output=True, text=True)
        return run.returncode, run.stdout + run.stderr

    def line_of(self, output, name):
        return next(line for line in output.splitlines() if f"] {name} " in line)

    def manifest(self):
        with open(os.path.join(self.out, "showcase.json")) as f:
            return json.load(f)["pictures"]

    def page(self):
        with open(os.path.join(self.out, "index.html")) as f:
            return f.read()

    def test_second_run_keeps_what_did_not_change_and_redoes_what_did(self):
        extra = self.write("extra.txt", "one")
        self.step("10-a.sh", f"""\
            section "Colours" "Two copied pictures."
            picture red.png "A red picture." cp {self.red} "$OUT/red.png"
            picture --input {extra} blue.png "A blue picture." cp {self.blue} "$OUT/blue.png"
            """)
        code, output = self.run_demo()
        self.assertEqual(code, 0, output)
        self.assertEqual(output.rstrip().splitlines()[-1], os.path.join(self.out, "index.html"))
        self.assertIn("2 made, 0 up to date", output)
        red_time = os.stat(os.path.join(self.out, "red.png")).st_mtime_ns

        code, output = self.run_demo()
        self.assertEqual(code, 0, output)
        self.assertIn("up to date", self.line_of(output, "red.png"))
        self.assertIn("up to date", self.line_of(output, "blue.png"))
        self.assertEqual(os.stat(os.path.join(self.out, "red.png")).st_mtime_ns, red_time)

        os.utime(self.red)  # a newer time alone is no change
        self.write("extra.txt", "two")  # a declared input that changed is
        code, output = self.run_demo()
        self.assertIn("up to date", self.line_of(output, "red.png"))
        self.assertNotIn("up to date", self.line_of(output, "blue.png"))

        self.write("blue.png", png(5, 2, (0, 0, 200)), binary=True)  # a file on its command line
        os.remove(os.path.join(self.out, "red.png"))  # a picture that went missing
        code, output = self.run_demo()
        self.assertNotIn("up to date", self.line_of(output, "red.png"))
        self.assertNotIn("up to date", self.line_of(output, "blue.png"))

        self.step("10-a.sh", f"""\
            picture red.png "A red picture." cp -p {self.red} "$OUT/red.png"
            picture blue.png "A blue picture." cp {self.blue} "$OUT/blue.png"
            """)  # other options for red; blue no longer declares extra.txt
        code, output = self.run_demo()
        self.assertNotIn("up to date", self.line_of(output, "red.png"))
        self.assertNotIn("up to date", self.line_of(output, "blue.png"))

    def test_page_shows_each_picture_with_its_caption_and_command(self):
        self.step("10-a.sh", f"""\
            section "Colours" "Pictures & their <captions>."
            picture --also blue.png red.png "Red, then blue." \\
                sh -c 'cp "$1" "$3/red.png" && cp "$2" "$3/blue.png"' copy {self.red} {self.blue} "$OUT"
            """)
        code, output = self.run_demo()
        self.assertEqual(code, 0, output)
        [entry] = self.manifest()
        self.assertEqual(entry["files"], ["red.png", "blue.png"])
        self.assertEqual(entry["section"], "Colours")
        page = self.page()
        self.assertIn("Pictures &amp; their &lt;captions&gt;.", page)
        self.assertIn('<img src="red.png" width="4" height="3" alt="Red, then blue.">', page)
        self.assertIn('<img src="blue.png" width="5" height="2"', page)
        # The command as a shell would take it back.
        self.assertIn("sh -c &#x27;cp &quot;$1&quot; &quot;$3/red.png&quot;", page)
        self.assertIn(f"copy {self.red} {self.blue} {self.out}", page)

    def test_failures_are_reported_and_the_rest_still_made(self):
        self.step("10-a.sh", f"""\
            picture broken.png "Exits 3." sh -c 'echo something went wrong; exit 3'
            picture silent.png "Writes nothing." true
            picture --input {self.work}/none.txt missing.png "Needs a file that is not there." \\
                cp {self.red} "$OUT/missing.png"
            picture red.png "Fine." cp {self.red} "$OUT/red.png"
            """)
        self.step("20-bad.sh", """\
            picture only-a-file.png
            """)
        code, output = self.run_demo()
        self.assertEqual(code, 1, output)
        self.assertIn("FAILED", self.line_of(output, "broken.png"))
        self.assertIn("exit code 3", output)
        self.assertIn("something went wrong", output)
        self.assertIn("did not write silent.png", output)
        self.assertIn("none.txt does not exist", output)
        self.assertIn("20-bad.sh failed while declaring its pictures", output)
        self.assertNotIn("FAILED", self.line_of(output, "red.png"))
        made = {e["files"][0]: e["made"] for e in self.manifest()}
        self.assertEqual(made, {"broken.png": False, "silent.png": False, "missing.png": False,
                                "red.png": True})
        self.assertEqual(self.page().count("Not made:"), 3)
        # A failed picture is tried again next time, not taken as up to date.
        code, output = self.run_demo()
        self.assertIn("FAILED", self.line_of(output, "broken.png"))

    def test_a_step_without_declarations_runs_whole_and_its_pictures_are_shown(self):
        self.step("10-old.sh", f"""\
            #!/usr/bin/env bash
            # An old-style step
            # that writes its own picture.
            cp {self.red} "$2/old.png"
            """)
        code, output = self.run_demo()
        self.assertEqual(code, 0, output)
        [entry] = self.manifest()
        self.assertEqual(entry["files"], ["old.png"])
        self.assertEqual(entry["caption"], "An old-style step that writes its own picture.")
        self.assertIn("10-old.sh build/default", entry["command"])

    def test_derived_scene_is_rewritten_only_when_it_changes(self):
        self.step("10-a.sh", f"""\
            scene="$(echo "colour {self.red}" | derive copy.scene)"
            picture red.png "From a derived scene." sh -c 'cp "$(cut -d" " -f2 "$1")" "$2"' copy "$scene" "$OUT/red.png"
            """)
        code, output = self.run_demo()
        self.assertEqual(code, 0, output)
        scene = os.path.join(self.out, "scenes", "copy.scene")
        first = os.stat(scene).st_mtime_ns
        code, output = self.run_demo()
        self.assertEqual(os.stat(scene).st_mtime_ns, first)
        self.assertIn("up to date", self.line_of(output, "red.png"))
        self.assertIn(f'href="scenes/copy.scene"', self.page())


if __name__ == "__main__":
    unittest.main(verbosity=2)
