"""The showcase plan: what the steps of scripts/demo.d declared, read from the NUL-separated stream
that scripts/showcase/declare.sh writes.

Records (each field NUL-terminated):
  section STEP TITLE TEXT
  picture STEP CAPTION DISPLAY NFILES FILE... NINPUTS INPUT... NARGS ARG...
  script STEP                      a step that runs its own commands (no declarations)
"""

import os
from dataclasses import dataclass, field

# Programs that always draw through OpenGL, so need an X display without being declared so.
DISPLAY_PROGRAMS = {"quillomar-view"}


@dataclass
class Section:
    step: str
    title: str
    text: str
    figures: list = field(default_factory=list)


@dataclass
class Figure:
    step: str
    caption: str
    files: list  # pictures, relative to the output folder; the first names the figure
    command: list  # argv, run from the repository root
    inputs: list = field(default_factory=list)  # declared beyond the command line
    display: bool = False
    script: bool = False  # a whole step run as it stands; its files are found after the run

    @property
    def name(self):
        return self.files[0] if self.files else self.step

    @property
    def needs_display(self):
        return self.display or bool(
            self.command and os.path.basename(self.command[0]) in DISPLAY_PROGRAMS)


class PlanError(Exception):
    pass


def _fields(data):
    parts = data.split(b"\0")
    if parts and parts[-1] == b"":
        parts.pop()
    return [p.decode("utf-8", "surrogateescape") for p in parts]


class _Reader:
    def __init__(self, fields):
        self.fields = fields
        self.at = 0

    def more(self):
        return self.at < len(self.fields)

    def take(self):
        if not self.more():
            raise PlanError("the plan ends inside a record")
        self.at += 1
        return self.fields[self.at - 1]

    def count(self):
        text = self.take()
        if not text.isdigit():
            raise PlanError(f"expected a count in the plan, got {text!r}")
        return int(text)

    def counted(self):
        return [self.take() for _ in range(self.count())]


def _step_title(step):
    """'scripts/demo.d/20-signs.sh' -> 'signs'."""
    name = step.rsplit("/", 1)[-1]
    if name.endswith(".sh"):
        name = name[:-3]
    head, _, tail = name.partition("-")
    return tail if head.isdigit() and tail else name


def read_plan(data):
    """Sections in step order, each with its figures in declaration order."""
    reader = _Reader(_fields(data))
    sections = []

    def section_for(step):
        if not sections or sections[-1].step != step:
            sections.append(Section(step, _step_title(step), ""))
        return sections[-1]

    while reader.more():
        kind = reader.take()
        if kind == "section":
            step, title, text = reader.take(), reader.take(), reader.take()
            current = section_for(step)
            if current.figures or current.text:
                sections.append(Section(step, title, text))
            else:
                current.title, current.text = title, text
        elif kind == "picture":
            step, caption, display = reader.take(), reader.take(), reader.take()
            files, inputs, command = reader.counted(), reader.counted(), reader.counted()
            if not files or not command:
                raise PlanError(f"{step}: a picture needs a file and a command")
            section_for(step).figures.append(
                Figure(step, caption, files, command, inputs, display == "1"))
        elif kind == "script":
            step = reader.take()
            section_for(step).figures.append(Figure(step, "", [], [], script=True))
        else:
            raise PlanError(f"unknown plan record {kind!r}")
    return sections
