#!/usr/bin/env python3
"""Installs the build into a fresh folder as a user would (cmake --install) and checks the Maya
module it lays out: the module file and the folders it names, every shipped script and icon,
the shader declarations matching the shader library's exports, nothing of the stand-ins, and a
stand-in build marked as a preview.
usage: install_test.py BUILD_DIR MODULE_DIR SOURCE_DIR"""

import os
import re
import shutil
import struct
import subprocess
import sys
import unittest

BUILD, MODULE, SOURCE = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)
TEMPLATES = ["AEsignTemplate.mel", "AEreticleTemplate.mel", "AEobakeDeformerTemplate.mel"]
ICONS = ["out_sign.png", "out_reticle.png", "out_obakeDeformer.png"]


def files_under(folder):
    return sorted(os.path.relpath(os.path.join(d, f), folder)
                  for d, _, names in os.walk(folder) for f in names)


class InstalledModule(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        shutil.rmtree(MODULE, ignore_errors=True)
        run = subprocess.run(["cmake", "--install", BUILD, "--prefix", MODULE],
                             capture_output=True, text=True)
        cls.install_output = run.stdout + run.stderr
        assert run.returncode == 0, cls.install_output
        with open(os.path.join(MODULE, "quillomar.mod")) as f:
            cls.module_file = f.read()

    def test_holds_the_module_and_nothing_else(self):
        dist = os.path.join(SOURCE, "dist")
        expected = ["quillomar.mod", "plug-ins/quillomarPlugins.so",
                    "shaders/lib/quillomarShaders.so"]
        expected += ["scripts/" + f for f in os.listdir(os.path.join(dist, "scripts"))]
        expected += ["icons/" + f for f in os.listdir(os.path.join(dist, "icons"))]
        expected += ["shaders/include/" + f for f in os.listdir(dist) if f.endswith(".mi")]
        self.assertEqual(files_under(MODULE), sorted(expected))
        for name in TEMPLATES + ["quillomarCreate.mel", "quillomarMenu.mel", "quillomarShelf.mel"]:
            self.assertIn("scripts/" + name, expected)
        for name in ICONS:
            self.assertIn("icons/" + name, expected)

    def test_module_file_has_an_entry_per_platform_whose_folders_exist(self):
        entries = re.findall(r"^\+ MAYAVERSION:2019 PLATFORM:(\w+) quillomar [\d.]+ \.$",
                             self.module_file, re.M)
        self.assertEqual(sorted(entries), ["linux", "win64"])
        folders = re.findall(r"^(?:plug-ins: |MI_CUSTOM_SHADER_PATH\+:=)(\S+)$",
                             self.module_file, re.M)
        self.assertEqual(len(folders), 6)
        for folder in folders:
            self.assertTrue(os.path.isdir(os.path.join(MODULE, folder)), folder)

    def test_stand_in_build_is_installed_as_a_preview_and_says_so(self):
        preamble = self.module_file.split("+ MAYAVERSION")[0]
        self.assertIn("PREVIEW - not for Maya", preamble)
        # Maya reads "name: path" and "NAME=value" lines as module settings; a note has neither.
        for line in preamble.splitlines():
            self.assertTrue(line.startswith("//") and ":" not in line and "=" not in line, line)
        self.assertIn("installed a PREVIEW of the Maya module", self.install_output)
        self.assertIn("MAYA_DEVKIT_DIR", self.install_output)

    def test_icons_are_32_pixel_pngs_with_alpha(self):
        for name in ICONS:
            with open(os.path.join(MODULE, "icons", name), "rb") as f:
                head = f.read(26)
            self.assertEqual(head[:8], b"\x89PNG\r\n\x1a\n", name)
            width, height, depth, colour = struct.unpack(">IIBB", head[16:26])
            self.assertEqual((width, height, depth, colour), (32, 32, 8, 6), name)

    def test_declarations_cover_exactly_the_shaders_the_library_exports(self):
        library = os.path.join(MODULE, "shaders", "lib", "quillomarShaders.so")
        symbols = subprocess.run(["nm", "-D", "--defined-only", library], capture_output=True,
                                 text=True, check=True).stdout.split()
        shaders = {s for s in symbols if s.isidentifier() and not s.endswith("_version")
                   and s != "miSetModuleHandle" and s + "_version" in symbols}
        declared = set()
        include = os.path.join(MODULE, "shaders", "include")
        for name in os.listdir(include):
            with open(os.path.join(include, name)) as f:
                declared |= set(re.findall(r'^declare shader\s+\S+(?:\s*\{[^}]*\})?\s+"(\w+)"',
                                           f.read(), re.M | re.S))
        self.assertTrue(shaders)
        self.assertEqual(declared, shaders)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
