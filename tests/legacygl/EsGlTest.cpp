// The layer's pieces where a whole picture could hide a fault: the matrix
// stacks against the driver's own, a display list with state changes inside
// it, and GLUT's glyphs with the raster position's rules. Each case runs the
// same calls through the driver's table and through the layer's.

#include "legacygl/EsGl.h"
#include "legacygl/Gl.h"
#include "legacygl/NativeGl.h"
#include "support/GlContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/freeglut.h>
#include <GLES2/gl2.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

class EsGlTest : public GlTest {
protected:
    void TearDown() override { UseNativeGl(); }

    // What `calls` leave in the window, drawn by the driver and by the layer.
    static std::array<std::vector<Rgb>, 2> BothWays(const std::function<void()>& calls) {
        std::array<std::vector<Rgb>, 2> pictures;
        for (int way = 0; way < 2; ++way) {
            if (way == 1) {
                UseEsGl();
            }
            gl::Viewport(0, 0, size, size);
            gl::ClearColor(0.1f, 0.2f, 0.3f, 1.0f);
            gl::Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            gl::MatrixMode(GL_PROJECTION);
            gl::LoadIdentity();
            gl::MatrixMode(GL_MODELVIEW);
            gl::LoadIdentity();
            calls();
            EsBeforeSwap(); // as a window's frame ends: held-back glyphs are drawn
            glFinish();
            pictures[static_cast<size_t>(way)] = ReadPixels(0, 0, size, size);
            UseNativeGl();
        }
        return pictures;
    }

    static constexpr int size = 256;
};

// Where two pictures differ by more than `tolerance` in a channel: how many
// pixels, and the first few.
std::string Differences(const std::vector<Rgb>& a, const std::vector<Rgb>& b, const int width,
                        const int tolerance = 0) {
    std::string where;
    int count = 0;
    const auto differ = [tolerance](const Rgb& x, const Rgb& y) {
        for (int c = 0; c < 3; ++c) {
            if (std::abs(x[static_cast<size_t>(c)] - y[static_cast<size_t>(c)]) > tolerance) {
                return true;
            }
        }
        return false;
    };
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (differ(a[i], b[i]) && ++count <= 5) {
            where += " (" + std::to_string(static_cast<int>(i) % width) + "," +
                     std::to_string(static_cast<int>(i) / width) + "): " + std::to_string(a[i][0]) +
                     "," + std::to_string(a[i][1]) + "," + std::to_string(a[i][2]) + " not " +
                     std::to_string(b[i][0]) + "," + std::to_string(b[i][1]) + "," +
                     std::to_string(b[i][2]);
        }
    }
    return count == 0 ? "" : std::to_string(count) + " pixels differ:" + where;
}

void ExpectMatricesNear(const std::array<GLfloat, 16>& a, const std::array<GLfloat, 16>& b,
                        const char* what) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(a[static_cast<size_t>(i)], b[static_cast<size_t>(i)],
                    1e-5 * (1.0 + std::fabs(b[static_cast<size_t>(i)])))
            << what << ", element " << i;
    }
}

TEST_F(EsGlTest, TheMatrixStacksAgreeWithTheDriversAfterEveryKindOfStep) {
    const auto steps = [] {
        gl::MatrixMode(GL_PROJECTION);
        gl::LoadIdentity();
        glu::Perspective(70.0, 1.25, 0.1, 10000.0);
        glu::LookAt(5000.0, 4000.0, 1500.0, 5100.0, 4300.0, 1400.0, 0.0, 0.0, 1.0);
        gl::PushMatrix();
        glu::Ortho2D(0.0, 800.0, -400.0, 400.0);
        gl::PopMatrix();
        gl::MatrixMode(GL_MODELVIEW);
        gl::LoadIdentity();
        gl::Translatef(10.0f, -20.0f, 30.0f);
        gl::PushMatrix();
        gl::Rotatef(33.0f, 1.0f, 2.0f, 3.0f);
        gl::Scalef(2.0f, 0.5f, 3.0f);
        gl::PushMatrix();
        const GLfloat loaded[16] = {1, 2, 0, 0, 0, 1, 3, 0, 4, 0, 1, 0, 5, 6, 7, 1};
        gl::LoadMatrixf(loaded);
        gl::Ortho(-1.0, 3.0, -2.0, 5.0, 0.5, 20.0);
        gl::PopMatrix();
        gl::Rotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    };
    std::array<GLfloat, 16> driver[2];
    steps();
    driver[0] = GlFloats(GL_PROJECTION_MATRIX);
    driver[1] = GlFloats(GL_MODELVIEW_MATRIX);
    UseEsGl();
    steps();
    std::array<GLfloat, 16> layer[2];
    gl::GetFloatv(GL_PROJECTION_MATRIX, layer[0].data());
    gl::GetFloatv(0x0BA6, layer[1].data()); // the modelview
    ExpectMatricesNear(layer[0], driver[0], "projection");
    ExpectMatricesNear(layer[1], driver[1], "modelview");
    // One pop more brings both back to the translation alone.
    gl::PopMatrix();
    UseNativeGl();
    gl::PopMatrix();
    UseEsGl();
    gl::GetFloatv(0x0BA6, layer[1].data());
    ExpectMatricesNear(layer[1], GlFloats(GL_MODELVIEW_MATRIX), "after a pop");
}

// A list that moves, colours, textures nothing and switches culling and
// blending inside: drawn twice by its name, and what it leaves behind.
TEST_F(EsGlTest, ADisplayListKeepsItsStateChangesAndLeavesThemAfterItsCall) {
    const auto calls = [] {
        const GLuint list = gl::GenLists(1);
        gl::Color3f(0.9f, 0.9f, 0.9f); // current when the list is called: its first quad's
        gl::NewList(list, GL_COMPILE);
        gl::Begin(GL_QUADS);
        gl::Vertex2f(-0.9f, -0.9f);
        gl::Vertex2f(-0.5f, -0.9f);
        gl::Vertex2f(-0.5f, -0.5f);
        gl::Vertex2f(-0.9f, -0.5f);
        gl::End();
        gl::PushMatrix();
        gl::Translatef(0.6f, 0.0f, 0.0f);
        gl::Enable(GL_CULL_FACE);
        gl::Color4f(1.0f, 0.0f, 0.0f, 0.5f);
        gl::Begin(GL_TRIANGLES);
        gl::Vertex2f(-0.9f, -0.9f); // counter-clockwise: drawn
        gl::Vertex2f(-0.5f, -0.9f);
        gl::Vertex2f(-0.7f, -0.5f);
        gl::Vertex2f(-0.9f, 0.0f); // clockwise: culled
        gl::Vertex2f(-0.7f, 0.4f);
        gl::Vertex2f(-0.5f, 0.0f);
        gl::End();
        gl::PopMatrix();
        gl::Enable(GL_BLEND);
        gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        gl::Color3f(0.0f, 1.0f, 0.0f);
        gl::EndList();
        // Compiling changed nothing current.
        EXPECT_EQ(gl::IsEnabled(GL_CULL_FACE), GL_FALSE);
        gl::CallList(list);
        EXPECT_EQ(gl::IsEnabled(GL_CULL_FACE), GL_TRUE);
        EXPECT_EQ(gl::IsEnabled(GL_BLEND), GL_TRUE);
        // Drawn again, higher up, blended now over its first picture.
        gl::Translatef(0.0f, 0.3f, 0.0f);
        gl::Color3f(0.2f, 0.4f, 0.9f);
        gl::CallList(list);
        // The list's last colour is current after it.
        gl::Begin(GL_TRIANGLES);
        gl::Vertex2f(0.5f, 0.5f);
        gl::Vertex2f(0.9f, 0.5f);
        gl::Vertex2f(0.7f, 0.9f);
        gl::End();
        gl::Disable(GL_BLEND);
        gl::Disable(GL_CULL_FACE);
        gl::DeleteLists(list, 1);
    };
    const auto [driver, layer] = BothWays(calls);
    // Colours may round the other way at the half (0.9 of 255).
    EXPECT_EQ(Differences(layer, driver, size, 1), "");
    EXPECT_GE(std::set<Rgb>(layer.begin(), layer.end()).size(), 5u);
}

// Bitmap text: the colour is the one current at the raster position, a
// position outside the view drops the whole string, and a string's glyphs
// follow one another by their advances, in both fonts.
TEST_F(EsGlTest, GlyphsAndTheRasterPositionFollowTheDriversRules) {
    const auto calls = [] {
        gl::MatrixMode(GL_PROJECTION);
        glu::Ortho2D(0.0, size, 0.0, size);
        gl::MatrixMode(GL_MODELVIEW);
        const auto write = [](const float x, const float y, const char* text,
                              const glut::Font font) {
            gl::RasterPos2f(x, y);
            gl::Color3f(1.0f, 0.0f, 0.0f); // too late for this string
            for (const char* c = text; *c != '\0'; ++c) {
                glut::BitmapCharacter(font, static_cast<unsigned char>(*c));
            }
        };
        gl::Color3f(1.0f, 1.0f, 1.0f);
        write(4.0f, 230.0f, "The 8 by 13: gjpqy|@#{}", glut::Fixed8By13);
        gl::Color3f(0.0f, 1.0f, 0.5f);
        write(4.0f, 200.0f, "Helvetica 12: Wide Mmm, narrow il!", glut::Helvetica12);
        gl::Color3f(1.0f, 1.0f, 0.0f);
        write(-3.0f, 170.0f, "starts left of the view: not drawn", glut::Fixed8By13);
        write(200.0f, 140.0f, "runs past the right edge", glut::Fixed8By13);
        std::string all;
        for (int c = 32; c < 256; ++c) {
            all += static_cast<char>(c);
        }
        gl::Color3f(1.0f, 1.0f, 1.0f);
        write(2.0f, 100.0f, all.substr(0, 32).c_str(), glut::Fixed8By13);
        write(2.0f, 80.0f, all.substr(32, 32).c_str(), glut::Fixed8By13);
        write(2.0f, 60.0f, all.substr(64, 48).c_str(), glut::Helvetica12);
        write(2.0f, 40.0f, all.substr(112, 48).c_str(), glut::Helvetica12);
        write(2.0f, 20.0f, all.substr(160, 48).c_str(), glut::Helvetica12);
        write(2.0f, 4.0f, all.substr(208, 48).c_str(), glut::Helvetica12);
    };
    const auto [driver, layer] = BothWays(calls);
    EXPECT_EQ(Differences(layer, driver, size), "");
    const std::set<Rgb> colours(layer.begin(), layer.end());
    EXPECT_EQ(colours.size(), 4u) << "the background, white, green and yellow";
}

void DrawEverythingInAnEsContext();

// In a true OpenGL ES 2.0 context (Mesa's, without a window) the layer
// draws every kind of thing the game draws without a GL error: what a
// desktop context would let pass, ES 2 refuses.
TEST_F(EsGlTest, InAnOpenGlEs2ContextTheLayerMakesNoGlError) {
    // A thread of its own, which has no context of GLX's current.
    std::thread([] { DrawEverythingInAnEsContext(); }).join();
    EsForgetContexts();
}

void DrawEverythingInAnEsContext() {
    constexpr int size = 64;
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    ASSERT_NE(getPlatformDisplay, nullptr);
    const EGLDisplay display =
        getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    ASSERT_NE(display, EGL_NO_DISPLAY);
    ASSERT_TRUE(eglInitialize(display, nullptr, nullptr));
    const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_ES2_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    ASSERT_TRUE(eglChooseConfig(display, configAttributes, &config, 1, &configs));
    ASSERT_TRUE(eglBindAPI(EGL_OPENGL_ES_API));
    const EGLint contextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    const EGLContext context = eglCreateContext(display, configs > 0 ? config : nullptr,
                                                EGL_NO_CONTEXT, contextAttributes);
    ASSERT_NE(context, EGL_NO_CONTEXT);
    ASSERT_TRUE(eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context));
    EXPECT_EQ(
        std::string(reinterpret_cast<const char*>(glGetString(GL_VERSION))).rfind("OpenGL ES", 0),
        0u);
    // A framebuffer of its own to draw into, made with ES 2's own calls.
    GLuint target[2] = {0, 0};
    glGenFramebuffers(1, &target[0]);
    glGenRenderbuffers(1, &target[1]);
    glBindRenderbuffer(GL_RENDERBUFFER, target[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA4, size, size);
    glBindFramebuffer(GL_FRAMEBUFFER, target[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, target[1]);
    ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), GL_FRAMEBUFFER_COMPLETE);

    EsForgetContexts();
    UseEsGl();
    gl::Viewport(0, 0, size, size);
    gl::Clear(GL_COLOR_BUFFER_BIT);
    gl::MatrixMode(GL_PROJECTION);
    glu::Perspective(70.0, 1.0, 0.1, 100.0);
    glu::LookAt(0.0, -5.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
    gl::MatrixMode(GL_MODELVIEW);
    gl::Enable(GL_LIGHTING);
    gl::Enable(GL_LIGHT0);
    gl::Enable(GL_COLOR_MATERIAL);
    gl::Enable(GL_NORMALIZE);
    gl::ShadeModel(GL_FLAT);
    const GLfloat light[4] = {1.0f, 2.0f, 3.0f, 1.0f};
    gl::Lightfv(GL_LIGHT0, GL_POSITION, light);
    gl::Lightf(GL_LIGHT0, GL_SPOT_EXPONENT, 2.0f);
    // A mipmapped texture, and an alpha texture of no power of two, clamped.
    GLuint textures[2];
    gl::GenTextures(2, textures);
    std::vector<GLubyte> rgb(64 * 64 * 3, 200);
    gl::BindTexture(GL_TEXTURE_2D, textures[0]);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glu::Build2DMipmaps(GL_TEXTURE_2D, 3, 64, 64, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    gl::BindTexture(GL_TEXTURE_2D, textures[1]);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl::PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl::TexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, 37, 11, 0, GL_ALPHA, GL_UNSIGNED_BYTE, rgb.data());
    gl::TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl::Enable(GL_TEXTURE_2D);
    const GLuint list = gl::GenLists(1);
    gl::NewList(list, GL_COMPILE);
    gl::BindTexture(GL_TEXTURE_2D, textures[0]);
    glut::SolidSphere(1.0, 8, 8);
    gl::Disable(GL_TEXTURE_2D);
    glut::SolidCube(0.5);
    gl::EndList();
    gl::CallList(list);
    gl::Enable(GL_ALPHA_TEST);
    gl::AlphaFunc(GL_GREATER, 0.5f);
    const GLdouble plane[4] = {0.0, 0.0, 1.0, 0.0};
    gl::ClipPlane(GL_CLIP_PLANE0, plane);
    gl::Enable(GL_CLIP_PLANE0);
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const GLfloat corners[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                   {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
    const GLubyte faces[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    gl::EnableClientState(GL_VERTEX_ARRAY);
    gl::VertexPointer(3, GL_FLOAT, 0, corners);
    gl::DrawElements(GL_QUADS, 8, GL_UNSIGNED_BYTE, faces);
    gl::DisableClientState(GL_VERTEX_ARRAY);
    gl::Disable(GL_LIGHTING);
    gl::LineWidth(2.0f);
    gl::Begin(GL_LINE_LOOP);
    gl::Vertex3f(-1, -1, 0);
    gl::Vertex3f(1, -1, 0);
    gl::Vertex3f(0, 1, 0);
    gl::End();
    gl::PointSize(4.0f);
    gl::Begin(GL_POINTS);
    gl::Vertex2f(0.5f, 0.5f);
    gl::End();
    gl::PushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    gl::RasterPos2f(0.0f, 0.0f);
    glut::BitmapCharacter(glut::Fixed8By13, 'A');
    glut::BitmapCharacter(glut::Helvetica12, 'g');
    gl::PopAttrib();
    gl::PushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl::ReadBuffer(GL_BACK);
    std::vector<GLubyte> pixels(static_cast<size_t>(size * size * 3));
    gl::ReadPixels(0, 0, size, size, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    gl::ReadPixels(0, 0, 10, 10, GL_RED, GL_UNSIGNED_BYTE, pixels.data());
    gl::PopClientAttrib();
    gl::DeleteLists(list, 1);
    gl::DeleteTextures(2, textures);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    UseNativeGl();
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display, context);
    eglTerminate(display);
}

} // namespace
