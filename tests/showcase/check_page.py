#!/usr/bin/env python3
"""Opens a showcase page in headless Chromium and checks it as a reader would see it: it loads
without console errors or failed loads, every picture the showcase made is on it and decodes,
every picture has its caption and command (saying so when the command needs a display), and a
command's copy button works. usage: check_page.py OUT/index.html [--screenshot FILE]"""

import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Browser, BrowserError  # noqa: E402

# Every <img> with what the browser made of it, once each has been decoded or has failed to.
IMAGES = """
Promise.all(Array.from(document.images).map(function (img) {
  var name = decodeURIComponent(img.getAttribute("src"));
  return img.decode().then(
    function () { return {name: name, width: img.naturalWidth, alt: img.alt, error: ""}; },
    function (e) { return {name: name, width: img.naturalWidth, alt: img.alt, error: String(e)}; });
}))
"""

# Each figure's caption, command and the note under it, as a reader sees them.
FIGURES = """
Array.from(document.querySelectorAll("figure")).map(function (figure) {
  function text(selector) {
    var node = figure.querySelector(selector);
    return node ? node.textContent.trim() : "";
  }
  return {id: figure.id, caption: text("figcaption > p"), command: text(".command code"),
          meta: text(".meta")};
})
"""

# Presses the first copy button and reports the first thing it says instead of "Copy". The
# clipboard answers when it will and the button turns back after its own delay, so a reading at a
# fixed moment races both on a loaded machine; only a button that never changes meets the
# fallback.
COPY = """
new Promise(function (done) {
  var button = document.querySelector("button.copy");
  if (!button) { done("no copy button"); return; }
  var before = button.textContent;
  new MutationObserver(function (changes, observer) {
    if (button.textContent !== before) { observer.disconnect(); done(button.textContent); }
  }).observe(button, {childList: true, characterData: true, subtree: true});
  button.click();
  setTimeout(function () { done(button.textContent); }, 20000);
})
"""


def expected_pictures(page):
    with open(os.path.join(os.path.dirname(page), "showcase.json"), encoding="utf-8") as f:
        pictures = json.load(f)["pictures"]
    made = [name for p in pictures if p["made"] for name in p["files"]]
    failed = [p["files"][0] if p["files"] else p["caption"] for p in pictures if not p["made"]]
    return made, failed


def check(page, screenshot):
    problems = []
    made, failed = expected_pictures(page)
    problems += [f"the showcase could not make {name}" for name in failed]
    with Browser() as browser:
        browser.open("file://" + os.path.abspath(page))
        images = browser.evaluate(IMAGES)
        figures = browser.evaluate(FIGURES)
        copy_state = browser.evaluate(COPY)
        browser.collect(0.5)
        problems += browser.errors()
        if screenshot:
            browser.screenshot(screenshot)
    shown = [image["name"] for image in images]
    for image in images:
        if image["error"] or image["width"] <= 0:
            problems.append(f"{image['name']} does not decode ({image['error'] or 'no pixels'})")
        if not image["alt"]:
            problems.append(f"{image['name']} has no caption text")
    for figure in figures:
        if not figure["caption"] or not figure["command"]:
            problems.append(f"{figure['id']} lacks its caption or its command")
        # A copied command that draws through OpenGL fails without a display: the page says so.
        if "quillomar-view" in figure["command"] and "xvfb-run" not in figure["meta"]:
            problems.append(f"{figure['id']} needs a display and does not say so")
    problems += [f"{name} is not on the page" for name in made if name not in shown]
    problems += [f"{name} is on the page twice" for name in set(shown) if shown.count(name) > 1]
    if copy_state not in ("Copied", "Selected"):
        problems.append(f"the copy button did nothing (it says {copy_state!r})")
    return len(images), problems


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("page")
    parser.add_argument("--screenshot", help="also save the whole page as this PNG")
    args = parser.parse_args()
    try:
        count, problems = check(args.page, args.screenshot)
    except (BrowserError, OSError, ValueError) as error:
        print(f"check_page: {error}", file=sys.stderr)
        return 1
    for problem in problems:
        print(f"check_page: {problem}", file=sys.stderr)
    if problems:
        return 1
    print(f"check_page: {args.page}: {count} pictures, all decoded, no console errors")
    return 0


if __name__ == "__main__":
    sys.exit(main())
