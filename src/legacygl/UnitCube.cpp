#include "legacygl/UnitCube.h"

#include "legacygl/Gl.h"

#include <initializer_list>

void UnitCube::Draw() {
    gl::Begin(GL_TRIANGLES);
    for (int f = 0; f < 6; ++f) {
        gl::Normal3fv(normals[f]);
        for (const int corner : {0, 1, 2, 0, 2, 3}) {
            gl::Vertex3fv(corners[faces[f][corner]]);
        }
    }
    gl::End();
}
