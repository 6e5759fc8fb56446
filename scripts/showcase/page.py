"""The showcase page: every picture with its caption and the command that made it."""

import html
import os
import shlex
import struct

STYLE = """
:root { color-scheme: light; --ink: #1d232b; --muted: #5b6673; --line: #d9dee4; --code: #f3f5f7; }
* { box-sizing: border-box; }
body { margin: 0; font: 16px/1.5 "DejaVu Sans", system-ui, sans-serif; color: var(--ink);
       background: #fbfcfd; }
header, main { max-width: 1100px; margin: 0 auto; padding: 0 24px; }
header { padding-top: 32px; }
h1 { margin: 0 0 8px; font-size: 30px; }
h2 { margin: 48px 0 8px; font-size: 23px; border-bottom: 1px solid var(--line); }
nav a { margin-right: 14px; white-space: nowrap; }
a { color: #0b5cad; }
section { display: flex; flex-wrap: wrap; column-gap: 24px; }
section > h2, section > p { flex: 1 1 100%; }
figure { flex: 1 1 100%; min-width: 0; margin: 24px 0 32px; }
figure.small { flex: 0 1 300px; }
.pictures { display: flex; flex-wrap: wrap; gap: 12px; }
.pictures a { min-width: 0; }
.pictures.row { flex-wrap: nowrap; }
.pictures.row a { flex: 0 1 auto; }
.pictures img { display: block; max-width: 100%; height: auto; border: 1px solid var(--line);
                background: #000; }
.name { font-size: 13px; color: var(--muted); margin-top: 2px; }
figcaption { margin-top: 10px; }
.command { display: flex; align-items: flex-start; gap: 8px; margin: 8px 0 4px; }
pre { margin: 0; flex: 1; min-width: 0; padding: 10px 12px; background: var(--code);
      border: 1px solid var(--line); border-radius: 4px; white-space: pre-wrap;
      overflow-wrap: anywhere; font: 13px/1.45 "DejaVu Sans Mono", monospace; }
.command code { user-select: all; }
button { font: inherit; font-size: 13px; padding: 8px 12px; cursor: pointer; }
.meta { font-size: 13px; color: var(--muted); margin: 0; }
.failed { border-left: 4px solid #c62828; padding-left: 12px; }
.failed pre { background: #fff3f3; }
"""

# Copy buttons; without a clipboard the command is selected for the user to copy.
SCRIPT = """
document.querySelectorAll("button.copy").forEach(function (button) {
  button.addEventListener("click", function () {
    var code = button.parentElement.querySelector("code");
    function show(text) {
      button.textContent = text;
      setTimeout(function () { button.textContent = "Copy"; }, 1500);
    }
    function select() {
      var range = document.createRange();
      range.selectNodeContents(code);
      window.getSelection().removeAllRanges();
      window.getSelection().addRange(range);
      show("Selected");
    }
    if (navigator.clipboard && window.isSecureContext) {
      navigator.clipboard.writeText(code.textContent).then(function () { show("Copied"); }, select);
    } else {
      select();
    }
  });
});
"""


def png_size(path):
    """(width, height) from a PNG's header, or None."""
    try:
        with open(path, "rb") as f:
            head = f.read(24)
    except OSError:
        return None
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def command_text(argv):
    return " ".join(shlex.quote(word) for word in argv)


def _anchor(text):
    return "".join(c if c.isalnum() or c in "-_." else "-" for c in text.lower())


def _pictures(figure, sizes):
    # The pictures of one command share a row, shrunk to fit when they must.
    row = " row" if len(figure.files) > 1 else ""
    parts = [f'<div class="pictures{row}">']
    for name, size in zip(figure.files, sizes):
        dims = f' width="{size[0]}" height="{size[1]}"' if size else ""
        src = html.escape(name, quote=True)
        parts.append(f'<a href="{src}"><img src="{src}"{dims} alt="{html.escape(figure.caption)}">'
                     f'<div class="name">{html.escape(name)}</div></a>')
    parts.append("</div>")
    return "".join(parts)


def _meta(figure, result, links):
    bits = []
    if result.seconds is not None:
        bits.append(f"made in {result.seconds:.1f} s")
    if links:
        bits.append("from " + ", ".join(
            f'<a href="{html.escape(href, quote=True)}">{html.escape(name)}</a>'
            for name, href in links))
    if figure.needs_display:
        bits.append("draws through OpenGL: on a machine without a display put "
                    "<code>xvfb-run -a</code> in front")
    return f'<p class="meta">{" · ".join(bits)}</p>' if bits else ""


# Figures of one picture at most this wide sit side by side.
SMALL_WIDTH = 400


def _figure(figure, result, out, links):
    failed = result.error is not None
    sizes = [png_size(os.path.join(out, name)) for name in figure.files]
    small = not failed and len(sizes) == 1 and sizes[0] and sizes[0][0] <= SMALL_WIDTH
    cls = ' class="failed"' if failed else ' class="small"' if small else ""
    body = [f'<figure id="{_anchor(figure.name)}"{cls}>']
    if failed:
        body.append(f"<p><strong>Not made:</strong> {html.escape(figure.name)}</p>"
                    f"<pre>{html.escape(result.error)}</pre>")
    else:
        body.append(_pictures(figure, sizes))
    body.append(f"<figcaption><p>{html.escape(figure.caption)}</p>")
    body.append('<div class="command"><pre><code>'
                f"{html.escape(command_text(result.command))}</code></pre>"
                '<button type="button" class="copy">Copy</button></div>')
    body.append(_meta(figure, result, links))
    body.append("</figcaption></figure>")
    return "\n".join(body)


def write_page(path, sections, results, out, links_of, root_note):
    """sections: plan sections; results: {id(figure): Result}; links_of(figure) -> [(name, href)]."""
    shown = [s for s in sections if s.figures]
    nav = " ".join(f'<a href="#{_anchor(s.title)}">{html.escape(s.title)}</a>' for s in shown)
    body = []
    for section in shown:
        body.append(f'<section id="{_anchor(section.title)}"><h2>{html.escape(section.title)}</h2>')
        if section.text:
            body.append(f"<p>{html.escape(section.text)}</p>")
        for figure in section.figures:
            body.append(_figure(figure, results[id(figure)], out, links_of(figure)))
        body.append("</section>")
    page = f"""<!doctype html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<link rel="icon" href="data:,">
<title>quillomar showcase</title>
<style>{STYLE}</style>
</head>
<body>
<header>
<h1>quillomar showcase</h1>
<p>Every picture here was made by the command under it, with the nodes and shaders loaded the way
Maya and the renderer load them, through this repository's stand-in hosts. {root_note}</p>
<nav>{nav}</nav>
</header>
<main>
{chr(10).join(body)}
</main>
<script>{SCRIPT}</script>
</body>
</html>
"""
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(tmp, path)
