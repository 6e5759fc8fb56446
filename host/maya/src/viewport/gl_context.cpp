#include "gl_context.h"

#include <hostkit/gl_canvas.h>

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <mutex>
#include <string>

namespace hostkit::detail {
namespace {

int lastXError = 0;

int recordXError(Display*, XErrorEvent* event) {
    lastXError = event->error_code;
    return 0;
}

// Turns X protocol errors during context creation into a failed step instead of the default
// handler's process exit.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display) {
        lastXError = 0;
        previous_ = XSetErrorHandler(recordXError);
    }
    ~XErrorTrap() { XSetErrorHandler(previous_); }
    bool failed() {
        XSync(display_, False);
        return lastXError != 0;
    }

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
};

struct GlContext {
    Display* display = nullptr;
    GLXPbuffer drawable = 0;
    GLXContext context = nullptr;
};

[[noreturn]] void fail(const std::string& what) {
    throw GlError("OpenGL context: " + what);
}

Display* openDisplay() {
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        fail("DISPLAY is not set; run under an X server (for example xvfb-run -a)");
    Display* display = XOpenDisplay(name);
    if (!display)
        fail(std::string("cannot open X display \"") + name + "\"");
    int errorBase = 0, eventBase = 0;
    if (!glXQueryExtension(display, &errorBase, &eventBase))
        fail(std::string("X display \"") + name + "\" has no GLX extension");
    return display;
}

GLXFBConfig chooseConfig(Display* display) {
    const int attributes[] = {GLX_DRAWABLE_TYPE,
                              GLX_PBUFFER_BIT,
                              GLX_RENDER_TYPE,
                              GLX_RGBA_BIT,
                              GLX_RED_SIZE,
                              8,
                              GLX_GREEN_SIZE,
                              8,
                              GLX_BLUE_SIZE,
                              8,
                              GLX_ALPHA_SIZE,
                              8,
                              GLX_DEPTH_SIZE,
                              24,
                              None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (!configs || count == 0)
        fail("no GLX framebuffer configuration with RGBA8, depth 24 and pbuffer support");
    GLXFBConfig chosen = configs[0];
    XFree(configs);
    return chosen;
}

GlContext createContext() {
    GlContext gl;
    gl.display = openDisplay();
    GLXFBConfig config = chooseConfig(gl.display);
    XErrorTrap trap(gl.display);
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, 16, GLX_PBUFFER_HEIGHT, 16, None};
    gl.drawable = glXCreatePbuffer(gl.display, config, pbufferAttributes);
    if (!gl.drawable || trap.failed())
        fail("cannot create a GLX pbuffer");
    // A legacy-created context is a compatibility context: the locators draw immediate mode.
    gl.context = glXCreateNewContext(gl.display, config, GLX_RGBA_TYPE, nullptr, True);
    if (!gl.context || trap.failed())
        fail("cannot create a GLX context");
    if (!glXMakeContextCurrent(gl.display, gl.drawable, gl.drawable, gl.context) || trap.failed())
        fail("cannot make the GLX context current");
    return gl;
}

// freeglut's bitmap fonts refuse to work before glutInit; no GLUT window is ever opened.
void initialiseGlut() {
    static char program[] = "quillomar";
    static char* argv[] = {program, nullptr};
    int argc = 1;
    glutInit(&argc, argv);
}

} // namespace

void makeGlContextCurrent() {
    static std::once_flag once;
    static GlContext gl;
    static std::string failure;
    std::call_once(once, [] {
        try {
            gl = createContext();
            initialiseGlut();
        } catch (const GlError& error) {
            failure = error.what();
        }
    });
    if (!failure.empty())
        throw GlError(failure);
    if (glXGetCurrentContext() != gl.context)
        glXMakeContextCurrent(gl.display, gl.drawable, gl.drawable, gl.context);
}

} // namespace hostkit::detail
