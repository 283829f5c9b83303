#include "render/CloudBatch.h"

#include "actors/Cloud.h"
#include "geometry/SphereMesh.h"
#include "render/ViewVolume.h"

#include <GL/freeglut.h>

GLuint CloudBatch::ShapeList() {
    const int window = glutGetWindow();
    if (list == 0 || listWindow != window) {
        // A list made in another window belongs to that window's context.
        list = glGenLists(1);
        listWindow = window;
        if (list != 0) {
            glNewList(list, GL_COMPILE);
            Cloud::Shape().Draw();
            glEndList();
        }
    }
    return list;
}

void CloudBatch::Draw(const std::vector<std::unique_ptr<Cloud>>& clouds) {
    if (clouds.empty()) {
        return;
    }
    const ViewVolume view = ViewVolume::OfProjection();
    const GLuint shape = ShapeList();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, Cloud::translucency);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    for (const std::unique_ptr<Cloud>& cloud : clouds) {
        const Point& at = cloud->GetPosition();
        const float low[3] = {at.GetX() - cloud->GetRadiusX(), at.GetY() - cloud->GetRadiusY(),
                              at.GetZ() - cloud->GetRadiusZ()};
        const float high[3] = {at.GetX() + cloud->GetRadiusX(), at.GetY() + cloud->GetRadiusY(),
                               at.GetZ() + cloud->GetRadiusZ()};
        if (!view.MayShow(low, high)) {
            continue;
        }
        glLoadMatrixf(cloud->GetModelMatrix().Data());
        glScalef(cloud->GetRadiusX(), cloud->GetRadiusY(), cloud->GetRadiusZ());
        if (shape != 0) {
            glCallList(shape);
        } else {
            Cloud::Shape().Draw();
        }
    }
    glPopMatrix();
    glDisable(GL_BLEND);
    // As after an object's Draw.
    glColor3f(SceneObject::neutralGrey, SceneObject::neutralGrey, SceneObject::neutralGrey);
}
