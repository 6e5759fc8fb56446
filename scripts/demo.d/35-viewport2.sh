# The sign and the reticle in Maya 2019's default viewport, Viewport 2.0, where they draw through
# their draw overrides, beside the legacy viewport's draw. Declares its pictures; see
# scripts/showcase/declare.sh.
section "Viewport 2.0" "Maya 2019 draws its viewport with Viewport 2.0, where a locator's legacy \
draw shows only on request. sign and reticle each have a draw override that draws the same \
picture through Viewport 2.0's draw manager: the same vertices, colours, opacity, line widths, \
stippled safe frames and texts. Each pair below shows the legacy viewport on the left and \
Viewport 2.0 on the right."

picture --display --also signs-vp2.png signs-legacy.png "examples/signs.ma: every marker type, \
with labels, tail lines, a selected sign (white) and the lead selection (green)." \
    scripts/showcase/both-viewports.sh "$OUT/signs" "$VIEW" examples/signs.ma --plugin "$PLUGINS" \
    --size 800x600

picture --display --also reticle-vp2.png reticle-legacy.png "examples/reticle.ma on a 960 x 540 \
port: masks, outlines, stippled safe frames, thirds, the crosshair and texts of the three sizes." \
    scripts/showcase/both-viewports.sh "$OUT/reticle" "$VIEW" examples/reticle.ma \
    --plugin "$PLUGINS" --style shaded --size 960x540
