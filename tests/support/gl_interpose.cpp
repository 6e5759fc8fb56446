// The recorded entry points. Each one is defined here, in the test executable, and exported
// (--export-dynamic), so the dynamic linker binds every module's calls to it first; it records
// the call and forwards to the next definition, the real one in libGL or libglut.
#include "gl_recorder.h"

#include <GL/gl.h>
#include <GL/glut.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

void* nextSymbol(const char* name) {
    void* symbol = dlsym(RTLD_NEXT, name);
    if (!symbol) {
        std::fprintf(stderr, "gl recorder: no real %s to forward to\n", name);
        std::abort();
    }
    return symbol;
}

void record(const char* name, std::vector<double> args, const void* font = nullptr) {
    if (glrec::Recorder* recorder = glrec::activeRecorder())
        recorder->add(glrec::Call{name, std::move(args), font, std::nullopt});
}

// Calls whose effect depends on the state set before them: that state is read first.
void recordWithState(const char* name, std::vector<double> args, const void* font = nullptr) {
    if (glrec::Recorder* recorder = glrec::activeRecorder()) {
        std::optional<glrec::DrawState> state;
        if (recorder->readsDrawState())
            state = glrec::readDrawState();
        recorder->add(glrec::Call{name, std::move(args), font, state});
    }
}

} // namespace

#define GLREC_REAL(name) reinterpret_cast<decltype(&name)>(nextSymbol(#name))

#define GLREC_VOID0(name)                                                                          \
    extern "C" void name() {                                                                       \
        record(#name, {});                                                                         \
        static const auto real = GLREC_REAL(name);                                                 \
        real();                                                                                    \
    }
#define GLREC_VOID1(name, T1)                                                                      \
    extern "C" void name(T1 a) {                                                                   \
        record(#name, {double(a)});                                                                \
        static const auto real = GLREC_REAL(name);                                                 \
        real(a);                                                                                   \
    }
#define GLREC_VOID2(name, T1, T2)                                                                  \
    extern "C" void name(T1 a, T2 b) {                                                             \
        record(#name, {double(a), double(b)});                                                     \
        static const auto real = GLREC_REAL(name);                                                 \
        real(a, b);                                                                                \
    }
#define GLREC_VOID3(name, T)                                                                       \
    extern "C" void name(T a, T b, T c) {                                                          \
        record(#name, {double(a), double(b), double(c)});                                          \
        static const auto real = GLREC_REAL(name);                                                 \
        real(a, b, c);                                                                             \
    }
#define GLREC_VOID4(name, T)                                                                       \
    extern "C" void name(T a, T b, T c, T d) {                                                     \
        record(#name, {double(a), double(b), double(c), double(d)});                               \
        static const auto real = GLREC_REAL(name);                                                 \
        real(a, b, c, d);                                                                          \
    }
#define GLREC_VOID6(name, T)                                                                       \
    extern "C" void name(T a, T b, T c, T d, T e, T f) {                                           \
        record(#name, {double(a), double(b), double(c), double(d), double(e), double(f)});         \
        static const auto real = GLREC_REAL(name);                                                 \
        real(a, b, c, d, e, f);                                                                    \
    }

extern "C" void glBegin(GLenum mode) {
    recordWithState("glBegin", {double(mode)});
    static const auto real = GLREC_REAL(glBegin);
    real(mode);
}

GLREC_VOID0(glEnd)
GLREC_VOID2(glVertex2f, GLfloat, GLfloat)
GLREC_VOID2(glVertex2d, GLdouble, GLdouble)
GLREC_VOID3(glVertex3f, GLfloat)
GLREC_VOID3(glVertex3d, GLdouble)
GLREC_VOID3(glColor3f, GLfloat)
GLREC_VOID4(glColor4f, GLfloat)
GLREC_VOID1(glPushAttrib, GLbitfield)
GLREC_VOID0(glPopAttrib)
GLREC_VOID0(glPushMatrix)
GLREC_VOID0(glPopMatrix)
GLREC_VOID1(glMatrixMode, GLenum)
GLREC_VOID0(glLoadIdentity)
GLREC_VOID3(glTranslatef, GLfloat)
GLREC_VOID3(glTranslated, GLdouble)
GLREC_VOID4(glRotatef, GLfloat)
GLREC_VOID3(glScalef, GLfloat)
GLREC_VOID3(glScaled, GLdouble)
GLREC_VOID6(glOrtho, GLdouble)
GLREC_VOID3(glRasterPos3f, GLfloat)
GLREC_VOID1(glLineWidth, GLfloat)
GLREC_VOID1(glPointSize, GLfloat)
GLREC_VOID2(glLineStipple, GLint, GLushort)
GLREC_VOID1(glEnable, GLenum)
GLREC_VOID1(glDisable, GLenum)
GLREC_VOID1(glDepthMask, GLboolean)
GLREC_VOID2(glBlendFunc, GLenum, GLenum)
GLREC_VOID0(glFlush)

extern "C" void glutBitmapCharacter(void* font, int character) {
    recordWithState("glutBitmapCharacter", {double(character)}, font);
    static const auto real = GLREC_REAL(glutBitmapCharacter);
    real(font, character);
}

extern "C" int glutBitmapWidth(void* font, int character) {
    record("glutBitmapWidth", {double(character)}, font);
    static const auto real = GLREC_REAL(glutBitmapWidth);
    return real(font, character);
}
