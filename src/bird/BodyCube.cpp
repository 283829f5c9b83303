#include "bird/BodyCube.h"

#include "legacygl/Gl.h"

BodyCube::BodyCube() {
    Translate(0.0f, 0.0f, -30.0f);
    Scale(60.0f, 20.0f, 5.0f);
}

void BodyCube::DrawGeometry() {
    glut::SolidCube(1.0);
}
