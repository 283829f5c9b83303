#include "city/CityBatch.h"

#include "city/MapObject.h"
#include "shell/Globals.h"
#include "shell/Settings.h"

#include <GL/freeglut.h>

namespace {

void EmitVertex(const CityBatch::Corner& corner, const float* normal,
                const CityBatch::Colour& colour) {
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glNormal3fv(normal);
    glTexCoord2f(corner.s, corner.t);
    glVertex3f(corner.x, corner.y, corner.z);
}

} // namespace

void CityBatch::AddQuad(const uint32_t texture, const Colour& colour, const float (&normal)[3],
                        const Corner (&corners)[4]) {
    Group& group = groups[settings.textureTarget != 0 ? texture : 0];
    for (const Corner& corner : corners) {
        group.quads.push_back({corner, {normal[0], normal[1], normal[2]}, colour});
    }
}

void CityBatch::AddTriangle(const uint32_t texture, const Colour& colour,
                            const float (&normals)[3][3], const Corner (&corners)[3]) {
    Group& group = groups[settings.textureTarget != 0 ? texture : 0];
    for (int i = 0; i < 3; ++i) {
        group.triangles.push_back(
            {corners[i], {normals[i][0], normals[i][1], normals[i][2]}, colour});
    }
}

size_t CityBatch::PendingVertexCount() const {
    size_t count = 0;
    for (const auto& [texture, group] : groups) {
        count += group.quads.size() + group.triangles.size();
    }
    return count;
}

void CityBatch::Build(const std::vector<std::unique_ptr<MapObject>>& objects) {
    groups.clear();
    for (const std::unique_ptr<MapObject>& object : objects) {
        object->AddToBatch(*this);
    }
    const int slot = displayListTable.GetCurrent();
    const int window = glutGetWindow();
    if (window == 0) {
        groups.clear();
        return; // no GL context
    }
    // A list made in a window that is gone went with its context.
    if (lists[slot] == 0 || listWindow[slot] != window) {
        lists[slot] = glGenLists(1);
        listWindow[slot] = window;
    }
    if (lists[slot] != 0) {
        glNewList(lists[slot], GL_COMPILE);
        Compile();
        glEndList();
    }
    groups.clear();
}

void CityBatch::Compile() const {
    // The same state the objects' own lists leave behind: culling on,
    // texturing off.
    glEnable(GL_CULL_FACE);
    for (const auto& [texture, group] : groups) {
        if (texture != 0) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, texture);
        } else {
            glDisable(GL_TEXTURE_2D);
        }
        if (!group.quads.empty()) {
            glBegin(GL_QUADS);
            for (const Vertex& v : group.quads) {
                EmitVertex(v.corner, v.normal, v.colour);
            }
            glEnd();
        }
        if (!group.triangles.empty()) {
            glBegin(GL_TRIANGLES);
            for (const Vertex& v : group.triangles) {
                EmitVertex(v.corner, v.normal, v.colour);
            }
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
}

bool CityBatch::Draw() const {
    const int slot = displayListTable.GetCurrent();
    if (lists[slot] == 0 || listWindow[slot] != glutGetWindow()) {
        return false;
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glCallList(lists[slot]);
    // As after an object's Draw.
    glColor3f(MapObject::neutralGrey, MapObject::neutralGrey, MapObject::neutralGrey);
    glPopMatrix();
    return true;
}
