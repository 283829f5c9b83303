#include "geometry/BoundingBox.h"

#include "legacygl/Gl.h"

#include <iostream>

namespace {

// Top, the y = upper side, the x = lower side, the y = lower side, the
// x = upper side, bottom; corners numbered as in Draw.
constexpr GLubyte faceIndices[24] = {4, 5, 6, 7, 2, 3, 7, 6, 0, 4, 7, 3,
                                     0, 1, 5, 4, 1, 5, 6, 2, 0, 3, 2, 1};

} // namespace

void BoundingBox::Draw() const {
    const Point& l = LowerCloseCorner;
    const Point& u = UpperFarCorner;
    const GLfloat corners[8][3] = {
        {l.GetX(), l.GetY(), l.GetZ()}, {u.GetX(), l.GetY(), l.GetZ()},
        {u.GetX(), u.GetY(), l.GetZ()}, {l.GetX(), u.GetY(), l.GetZ()},
        {l.GetX(), l.GetY(), u.GetZ()}, {u.GetX(), l.GetY(), u.GetZ()},
        {u.GetX(), u.GetY(), u.GetZ()}, {l.GetX(), u.GetY(), u.GetZ()},
    };
    gl::EnableClientState(GL_VERTEX_ARRAY);
    gl::VertexPointer(3, GL_FLOAT, 0, corners);
    gl::DrawElements(GL_QUADS, 24, GL_UNSIGNED_BYTE, faceIndices);
    gl::DisableClientState(GL_VERTEX_ARRAY);
}

void BoundingBox::Print() const {
    std::cout << "Bounding Box Debug\n";
    std::cout << "\t LowerCloseCorner : ";
    LowerCloseCorner.Print();
    std::cout << '\n';
    std::cout << "\t UpperFarCorner : ";
    UpperFarCorner.Print();
    std::cout << '\n';
    std::cout << "\t Width  :" << GetWidth() << " | "
              << "Height :" << GetHeight() << " | "
              << "Depth  :" << GetDepth();
}
