#include "bird/BodyCube.h"

#include <GL/freeglut.h>

BodyCube::BodyCube() {
    Translate(0.0f, 0.0f, -30.0f);
    Scale(60.0f, 20.0f, 5.0f);
}

void BodyCube::DrawGeometry() {
    glutSolidCube(1.0);
}
