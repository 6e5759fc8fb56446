#include <hostkit/gl_canvas.h>

#include "gl_context.h"

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>

namespace hostkit {

GlCanvas::GlCanvas(int width, int height) : width_(width), height_(height) {
    if (width < 1 || height < 1)
        throw std::invalid_argument("canvas size must be at least 1 x 1, got " +
                                    std::to_string(width) + " x " + std::to_string(height));
    detail::makeGlContextCurrent();
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    if (width > maxSize || height > maxSize)
        throw std::invalid_argument("canvas size " + std::to_string(width) + " x " +
                                    std::to_string(height) + " exceeds the OpenGL limit of " +
                                    std::to_string(maxSize));
    glGenFramebuffers(1, &framebuffer_);
    glGenRenderbuffers(1, &colorBuffer_);
    glGenRenderbuffers(1, &depthBuffer_);
    glBindRenderbuffer(GL_RENDERBUFFER, colorBuffer_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colorBuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                              depthBuffer_);
    const GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        release();
        throw GlError("framebuffer object incomplete (status " + std::to_string(status) + ")");
    }
    makeCurrent();
}

GlCanvas::~GlCanvas() {
    release();
}

void GlCanvas::release() {
    detail::makeGlContextCurrent();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteRenderbuffers(1, &colorBuffer_);
    glDeleteRenderbuffers(1, &depthBuffer_);
    framebuffer_ = colorBuffer_ = depthBuffer_ = 0;
}

void GlCanvas::makeCurrent() {
    detail::makeGlContextCurrent();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glViewport(0, 0, width_, height_);
}

void GlCanvas::clear(float red, float green, float blue, float alpha) {
    makeCurrent();
    glClearColor(red, green, blue, alpha);
    glClearDepth(1.0);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

quillomar::Image GlCanvas::image() {
    makeCurrent();
    glFinish();
    quillomar::Image image(width_, height_);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    glPopClientAttrib();
    quillomar::flipRows(image); // OpenGL's first row is the bottom one
    return image;
}

std::vector<FeedbackRecord> GlCanvas::capture(const std::function<void()>& draw) {
    makeCurrent();
    constexpr std::size_t kLargest = std::size_t(1) << 26; // 256 MiB of floats
    std::vector<GLfloat> buffer(std::size_t(1) << 16);
    for (;;) {
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
        glRenderMode(GL_FEEDBACK);
        try {
            draw();
        } catch (...) {
            glRenderMode(GL_RENDER);
            throw;
        }
        const GLint used = glRenderMode(GL_RENDER);
        if (used >= 0)
            return parseFeedback(buffer.data(), static_cast<std::size_t>(used));
        if (buffer.size() >= kLargest)
            throw GlError("feedback capture needs more than " + std::to_string(kLargest) +
                          " values");
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace hostkit
