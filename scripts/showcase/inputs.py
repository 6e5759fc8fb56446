"""What a showcase picture depends on, and one key that changes when any of it does: the command's
words, the files named on its command line, the program and the libraries of ours it loads (found
with ldd), files a program is known to read without being told, and the step's declared inputs."""

import hashlib
import json
import os
import shutil
import subprocess

# Files a program reads by default, not named on its command line ({lib}: the build's lib folder).
IMPLICIT_INPUTS = {
    "quillomar-render": ["{lib}/quillomarShaders.so", "dist/quillomarShaders.mi"],
}


class MissingInput(Exception):
    pass


class Fingerprints:
    """Content hashes and library lists, each worked out once per run."""

    def __init__(self, root, build):
        self.root = os.path.realpath(root)
        self.build = build
        self._hashes = {}
        self._libraries = {}

    def _absolute(self, path):
        return os.path.realpath(os.path.join(self.root, path))

    def _display(self, absolute):
        """Path as the page shows it: relative to the repository when inside it."""
        if absolute == self.root or absolute.startswith(self.root + os.sep):
            return os.path.relpath(absolute, self.root)
        return absolute

    def content_hash(self, absolute):
        if absolute not in self._hashes:
            digest = hashlib.sha256()
            with open(absolute, "rb") as f:
                for block in iter(lambda: f.read(1 << 20), b""):
                    digest.update(block)
            self._hashes[absolute] = digest.hexdigest()
        return self._hashes[absolute]

    def our_libraries(self, absolute):
        """Shared libraries inside the repository (the build's own) that an ELF file loads."""
        if absolute not in self._libraries:
            found = []
            with open(absolute, "rb") as f:
                is_elf = f.read(4) == b"\x7fELF"
            if is_elf:
                run = subprocess.run(["ldd", absolute], capture_output=True, text=True)
                for line in run.stdout.splitlines():
                    parts = line.split("=>")
                    if len(parts) == 2 and parts[1].strip():
                        library = os.path.realpath(parts[1].split("(")[0].strip())
                        if library.startswith(self.root + os.sep):
                            found.append(library)
            self._libraries[absolute] = sorted(found)
        return self._libraries[absolute]

    def program(self, word):
        if os.sep in word:
            return self._absolute(word)
        found = shutil.which(word)
        if not found:
            raise MissingInput(f"program {word} not found")
        return os.path.realpath(found)

    def inputs_of(self, figure, out):
        """Absolute paths of every file the figure depends on, program first."""
        outputs = {self._absolute(os.path.join(out, f)) for f in figure.files}
        paths = [self.program(figure.command[0])]
        for word in figure.command[1:]:
            candidate = self._absolute(word)
            if candidate not in outputs and os.path.isfile(candidate):
                paths.append(candidate)
        implicit = IMPLICIT_INPUTS.get(os.path.basename(figure.command[0]), [])
        lib = os.path.join(self.build, "lib")
        paths += [self._absolute(p.format(lib=lib)) for p in implicit]
        paths += [self._absolute(p) for p in figure.inputs]
        for path in paths:
            if not os.path.isfile(path):
                raise MissingInput(f"{self._display(path)} does not exist")
        libraries = [lib for path in paths for lib in self.our_libraries(path)]
        unique = []
        for path in paths + libraries:
            if path not in unique:
                unique.append(path)
        return unique

    def key(self, figure, out):
        """Changes whenever the command or the content of any input does."""
        inputs = self.inputs_of(figure, out)
        record = {
            "command": figure.command,
            "files": figure.files,
            "inputs": [[self._display(p), self.content_hash(p)] for p in inputs],
        }
        return hashlib.sha256(json.dumps(record, sort_keys=True).encode()).hexdigest()

    def scene_inputs(self, figure, out):
        """Inputs worth linking on the page: files outside the build folder, not the program."""
        build = self._absolute(self.build)
        return [self._display(p) for p in self.inputs_of(figure, out)[1:]
                if not p.startswith(build + os.sep)]
