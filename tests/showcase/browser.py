"""Headless Chromium driven through its DevTools protocol over a pipe (--remote-debugging-pipe:
JSON messages ending in NUL on file descriptors 3 and 4), so no network port and no extra
package is needed."""

import fcntl
import json
import os
import select
import shutil
import subprocess
import tempfile
import time

FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--remote-debugging-pipe",
]


class BrowserError(Exception):
    pass


def find_chromium():
    for name in ("chromium", "chromium-browser"):
        path = shutil.which(name)
        if path:
            return path
    raise BrowserError("Chromium is not installed (scripts/setup.sh installs it)")


class Browser:
    """One headless Chromium with a fresh profile; events are kept for the caller to inspect."""

    def __init__(self, timeout=60.0):
        self.timeout = timeout
        self.profile = tempfile.mkdtemp(prefix="quillomar-chromium-")
        to_browser_read, self._to_browser = os.pipe()
        self._from_browser, from_browser_write = os.pipe()
        # The browser reads commands on fd 3 and writes replies and events on fd 4; the child's
        # ends are moved above those numbers first so that placing them cannot clobber each other.
        child_read = fcntl.fcntl(to_browser_read, fcntl.F_DUPFD_CLOEXEC, 10)
        child_write = fcntl.fcntl(from_browser_write, fcntl.F_DUPFD_CLOEXEC, 10)
        for fd in (to_browser_read, from_browser_write):
            os.close(fd)
        self.process = subprocess.Popen(
            [find_chromium(), *FLAGS, f"--user-data-dir={self.profile}", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            close_fds=False,  # every other descriptor of ours is close-on-exec
            preexec_fn=lambda: (os.dup2(child_read, 3), os.dup2(child_write, 4)))
        os.close(child_read)
        os.close(child_write)
        self._buffer = b""
        self._next_id = 0
        self.events = []
        self.session = None

    def close(self):
        try:
            os.close(self._to_browser)
        except OSError:
            pass
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._from_browser)
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def _read_message(self, deadline):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0:
                raise BrowserError("Chromium did not answer in time")
            ready, _, _ = select.select([self._from_browser], [], [], left)
            if ready:
                chunk = os.read(self._from_browser, 1 << 16)
                if not chunk:
                    raise BrowserError("Chromium closed its DevTools pipe")
                self._buffer += chunk
        message, _, self._buffer = self._buffer.partition(b"\0")
        return json.loads(message)

    def send(self, method, params=None, session=True):
        """Sends a command (to the attached page unless session is False) and returns its result;
        events that arrive meanwhile are kept in self.events."""
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + self.timeout
        while True:
            reply = self._read_message(deadline)
            if reply.get("id") == self._next_id:
                if "error" in reply:
                    raise BrowserError(f"{method}: {reply['error'].get('message')}")
                return reply.get("result", {})
            if "method" in reply:
                self.events.append(reply)

    def wait_for(self, method, seconds):
        """Waits for an event of the attached page; keeps everything that arrives."""
        deadline = time.monotonic() + seconds
        while True:
            if any(e["method"] == method for e in self.events):
                return
            self.events.append(self._read_message(deadline))

    def collect(self, seconds):
        """Keeps the events of the next `seconds`."""
        deadline = time.monotonic() + seconds
        try:
            while True:
                self.events.append(self._read_message(deadline))
        except BrowserError as error:
            if "in time" not in str(error):
                raise

    def open(self, url, width=1280, height=900):
        targets = self.send("Target.getTargets", session=False)["targetInfos"]
        page = next(t for t in targets if t["type"] == "page")
        self.session = self.send("Target.attachToTarget",
                                 {"targetId": page["targetId"], "flatten": True},
                                 session=False)["sessionId"]
        for domain in ("Page", "Runtime", "Log"):
            self.send(f"{domain}.enable")
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        self.send("Page.navigate", {"url": url})
        self.wait_for("Page.loadEventFired", self.timeout)

    def evaluate(self, expression):
        """The value of a JavaScript expression (promises are awaited)."""
        result = self.send("Runtime.evaluate", {"expression": expression,
                                                "awaitPromise": True, "returnByValue": True})
        if "exceptionDetails" in result:
            raise BrowserError(f"script failed: {result['exceptionDetails'].get('text')}")
        return result["result"].get("value")

    def errors(self):
        """Console errors, uncaught exceptions and failed loads seen so far."""
        found = []
        for event in self.events:
            method, params = event.get("method"), event.get("params", {})
            if method == "Runtime.exceptionThrown":
                details = params.get("exceptionDetails", {})
                found.append("exception: " + details.get("exception", {}).get(
                    "description", details.get("text", "")))
            elif method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
                found.append("console: " + " ".join(
                    str(a.get("value", a.get("description", ""))) for a in params.get("args", [])))
            elif method == "Log.entryAdded" and params.get("entry", {}).get("level") == "error":
                entry = params["entry"]
                found.append(f"log: {entry.get('text')} {entry.get('url', '')}".strip())
        return found

    def screenshot(self, path):
        """The whole page, not only the window, as a PNG."""
        import base64
        data = self.send("Page.captureScreenshot", {"format": "png",
                                                    "captureBeyondViewport": True})["data"]
        with open(path, "wb") as f:
            f.write(base64.b64decode(data))
