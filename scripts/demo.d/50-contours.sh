# A contour render through quillomar-render: every material draws its own lines. Declares its
# picture; see scripts/showcase/declare.sh.
section "Contours" "The contour pipeline draws outlines per material: contourMltShader shades flat \
and hands its own line colour, widths, width fall-off and contrast limits to contourStore; \
contourContrast decides where a line runs between neighbouring samples and contourShader gives \
each line point its colour and width."

picture contours.png "examples/contours.scene ray cast with the contour pipeline. The red ball's \
width sits halfway up its ramp and falls off where the surfaces on either side face apart (thick \
at its top, thin at its foot); every edge of the gold gem turns by more than the contrast's 30 \
degrees and is drawn, while the teal copy of the same gem overrides the contrast with 75 degrees \
and keeps only its outline; the green balls' lines are twice as wide near the camera and 0.3 \
times as wide far away; the glass pane is see-through for the blue ball's label, so the ball \
shows through untinted, and lines on the pane take the settings of what lies behind it." \
    "$RENDER" examples/contours.scene --size 960x540 -o "$OUT/contours.png"
