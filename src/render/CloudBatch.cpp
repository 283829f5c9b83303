#include "render/CloudBatch.h"

#include "actors/Cloud.h"
#include "legacygl/SphereMesh.h"
#include "legacygl/Gl.h"
#include "render/ViewVolume.h"

GLuint CloudBatch::ShapeList() {
    const int window = glut::GetWindow();
    if (list == 0 || listWindow != window) {
        // A list made in another window belongs to that window's context.
        list = gl::GenLists(1);
        listWindow = window;
        if (list != 0) {
            gl::NewList(list, GL_COMPILE);
            Cloud::Shape().Draw();
            gl::EndList();
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
    gl::Enable(GL_BLEND);
    gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl::Color4f(1.0f, 1.0f, 1.0f, Cloud::translucency);
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    for (const std::unique_ptr<Cloud>& cloud : clouds) {
        const Point& at = cloud->GetPosition();
        const float low[3] = {at.GetX() - cloud->GetRadiusX(), at.GetY() - cloud->GetRadiusY(),
                              at.GetZ() - cloud->GetRadiusZ()};
        const float high[3] = {at.GetX() + cloud->GetRadiusX(), at.GetY() + cloud->GetRadiusY(),
                               at.GetZ() + cloud->GetRadiusZ()};
        if (!view.MayShow(low, high)) {
            continue;
        }
        gl::LoadMatrixf(cloud->GetModelMatrix().Data());
        gl::Scalef(cloud->GetRadiusX(), cloud->GetRadiusY(), cloud->GetRadiusZ());
        if (shape != 0) {
            gl::CallList(shape);
        } else {
            Cloud::Shape().Draw();
        }
    }
    gl::PopMatrix();
    gl::Disable(GL_BLEND);
    // As after an object's Draw.
    gl::Color3f(SceneObject::neutralGrey, SceneObject::neutralGrey, SceneObject::neutralGrey);
}
