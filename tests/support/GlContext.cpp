#include "support/GlContext.h"

#include <GL/freeglut.h>

namespace {

void DrawNothing() {}

} // namespace

void EnsureGlContext() {
    static bool made = false;
    if (made) {
        return;
    }
    made = true;
    int argc = 1;
    char name[] = "gullmar_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(256, 256);
    glutCreateWindow("gullmar tests");
    glutDisplayFunc(DrawNothing);
    glutHideWindow();
}

void GlTest::SetUp() {
    EnsureGlContext();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

std::vector<Rgb> ReadPixels(const int x, const int y, const int width, const int height) {
    std::vector<Rgb> pixels(static_cast<size_t>(width * height));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return pixels;
}
