#include "base/Cursor.h"

#include "legacygl/Gl.h"

namespace {

bool windowShown = false;

} // namespace

void Cursor::UseWindow(const bool hasWindow) {
    windowShown = hasWindow;
}

void Cursor::Set(const int glutCursor) {
    if (windowShown) {
        glut::SetCursor(glutCursor);
    }
}
