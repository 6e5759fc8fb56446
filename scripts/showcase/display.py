"""An X display for the pictures that draw through OpenGL, started only when one is needed: the
user's own display when there is one (and this is not CI), else a private virtual server that
lives until the run ends (and does not reset between pictures, which would drop the next
picture's connection)."""

import os
import subprocess


class Display:
    def __init__(self):
        self._server = None
        self._name = None

    def environment(self):
        """The environment for a command that needs a display."""
        if self._name is None:
            own = os.environ.get("DISPLAY")
            self._name = own if own and not os.environ.get("CI") else self._start_server()
        return dict(os.environ, DISPLAY=self._name)

    def _start_server(self):
        read_end, write_end = os.pipe()
        try:
            self._server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                 "-nolisten", "tcp", "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number.isdigit():
            self.close()
            raise RuntimeError("could not start Xvfb for the pictures that need a display")
        return ":" + number

    def close(self):
        if self._server is not None:
            self._server.terminate()
            self._server.wait()
            self._server = None
