#pragma once
// The one OpenGL context of the process: an X display, a GLX compatibility context made current
// on a small pbuffer (all drawing goes to framebuffer objects), and freeglut initialised for its
// bitmap fonts. Created on first use; a missing display or GLX failure throws hostkit::GlError.

namespace hostkit::detail {

// Makes the process's context current, creating it on the first call.
void makeGlContextCurrent();

} // namespace hostkit::detail
