#include "legacygl/EsGl.h"
#include "legacygl/Gl.h"

#include <GL/freeglut.h>

// GLUT's window and input calls, passed on as they are.

void glut::Init(int* argc, char** argv) {
    ::glutInit(argc, argv);
}

void glut::InitDisplayMode(unsigned int mode) {
    ::glutInitDisplayMode(mode);
}

void glut::InitWindowSize(int width, int height) {
    ::glutInitWindowSize(width, height);
}

void glut::SetOption(GLenum what, int value) {
    ::glutSetOption(what, value);
}

int glut::CreateWindow(const char* title) {
    return ::glutCreateWindow(title);
}

int glut::CreateSubWindow(int window, int x, int y, int width, int height) {
    return ::glutCreateSubWindow(window, x, y, width, height);
}

void glut::DestroyWindow(int window) {
    ::glutDestroyWindow(window);
    EsWindowDestroyed(window);
}

void glut::SetWindow(int window) {
    ::glutSetWindow(window);
}

int glut::GetWindow() {
    return ::glutGetWindow();
}

void glut::FullScreen() {
    ::glutFullScreen();
}

void glut::SetCursor(int cursor) {
    ::glutSetCursor(cursor);
}

void glut::PositionWindow(int x, int y) {
    ::glutPositionWindow(x, y);
}

void glut::ReshapeWindow(int width, int height) {
    ::glutReshapeWindow(width, height);
}

int glut::Get(GLenum what) {
    return ::glutGet(what);
}

void glut::PostRedisplay() {
    ::glutPostRedisplay();
}

void glut::SwapBuffers() {
    EsBeforeSwap();
    ::glutSwapBuffers();
}

void glut::MainLoop() {
    ::glutMainLoop();
}

void glut::DisplayFunc(void (*callback)()) {
    ::glutDisplayFunc(callback);
}

void glut::IdleFunc(void (*callback)()) {
    ::glutIdleFunc(callback);
}

void glut::ReshapeFunc(void (*callback)(int, int)) {
    ::glutReshapeFunc(callback);
}

void glut::KeyboardFunc(void (*callback)(unsigned char, int, int)) {
    ::glutKeyboardFunc(callback);
}

void glut::SpecialFunc(void (*callback)(int, int, int)) {
    ::glutSpecialFunc(callback);
}

void glut::MouseFunc(void (*callback)(int, int, int, int)) {
    ::glutMouseFunc(callback);
}

void glut::MotionFunc(void (*callback)(int, int)) {
    ::glutMotionFunc(callback);
}

void glut::PassiveMotionFunc(void (*callback)(int, int)) {
    ::glutPassiveMotionFunc(callback);
}
