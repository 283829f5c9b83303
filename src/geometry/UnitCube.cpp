#include "geometry/UnitCube.h"

#include <GL/gl.h>

#include <initializer_list>

void UnitCube::Draw() {
    glBegin(GL_TRIANGLES);
    for (int f = 0; f < 6; ++f) {
        glNormal3fv(normals[f]);
        for (const int corner : {0, 1, 2, 0, 2, 3}) {
            glVertex3fv(corners[faces[f][corner]]);
        }
    }
    glEnd();
}
