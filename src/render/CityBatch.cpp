#include "render/CityBatch.h"

#include "city/MapObject.h"
#include "shell/Globals.h"
#include "shell/Settings.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>

namespace {

void EmitVertex(const FaceSink::Corner& corner, const float* normal,
                const FaceSink::Colour& colour) {
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glNormal3fv(normal);
    glTexCoord2f(corner.s, corner.t);
    glVertex3f(corner.x, corner.y, corner.z);
}

// The six planes of the view volume of a matrix that takes world points to
// clip space (here the projection: the model matrix is the identity), each
// as a, b, c, d with a x + b y + c z + d >= 0 inside.
struct ViewVolume {
    float planes[6][4];

    explicit ViewVolume(const float (&m)[16]) {
        // Rows of the column-major matrix.
        const auto row = [&m](const int r, const int c) { return m[r + 4 * c]; };
        for (int axis = 0; axis < 3; ++axis) {
            for (int side = 0; side < 2; ++side) {
                const float sign = side == 0 ? 1.0f : -1.0f;
                float* plane = planes[axis * 2 + side];
                for (int c = 0; c < 4; ++c) {
                    plane[c] = row(3, c) + sign * row(axis, c);
                }
            }
        }
    }

    // False only if the box lies wholly outside one of the planes.
    bool MayShow(const float (&low)[3], const float (&high)[3]) const {
        for (const auto& plane : planes) {
            const float x = plane[0] >= 0.0f ? high[0] : low[0];
            const float y = plane[1] >= 0.0f ? high[1] : low[1];
            const float z = plane[2] >= 0.0f ? high[2] : low[2];
            if (plane[0] * x + plane[1] * y + plane[2] * z + plane[3] < 0.0f) {
                return false;
            }
        }
        return true;
    }
};

} // namespace

CityBatch::District& CityBatch::DistrictOf(const Corner* corners, const int count) {
    // A face belongs to the district of its middle; the district's box grows
    // to hold all of it.
    float middleX = 0.0f;
    float middleY = 0.0f;
    for (int i = 0; i < count; ++i) {
        middleX += corners[i].x / static_cast<float>(count);
        middleY += corners[i].y / static_cast<float>(count);
    }
    District& district = districts[{static_cast<int>(std::floor(middleX / districtSize)),
                                    static_cast<int>(std::floor(middleY / districtSize))}];
    for (int i = 0; i < count; ++i) {
        const float point[3] = {corners[i].x, corners[i].y, corners[i].z};
        for (int axis = 0; axis < 3; ++axis) {
            if (district.empty || point[axis] < district.low[axis]) {
                district.low[axis] = point[axis];
            }
            if (district.empty || point[axis] > district.high[axis]) {
                district.high[axis] = point[axis];
            }
        }
        district.empty = false;
    }
    return district;
}

void CityBatch::AddQuad(const uint32_t texture, const Colour& colour, const float (&normal)[3],
                        const Corner (&corners)[4]) {
    Group& group = DistrictOf(corners, 4).groups[settings.textureTarget != 0 ? texture : 0];
    for (const Corner& corner : corners) {
        group.quads.push_back({corner, {normal[0], normal[1], normal[2]}, colour});
    }
}

void CityBatch::AddTriangle(const uint32_t texture, const Colour& colour,
                            const float (&normals)[3][3], const Corner (&corners)[3]) {
    Group& group = DistrictOf(corners, 3).groups[settings.textureTarget != 0 ? texture : 0];
    for (int i = 0; i < 3; ++i) {
        group.triangles.push_back(
            {corners[i], {normals[i][0], normals[i][1], normals[i][2]}, colour});
    }
}

void CityBatch::Build(const std::vector<std::unique_ptr<MapObject>>& objects) {
    districts.clear();
    for (const std::unique_ptr<MapObject>& object : objects) {
        object->AddFaces(*this);
    }
    const int slot = displayListTable.GetCurrent();
    const int window = glutGetWindow();
    if (window == 0) {
        districts.clear();
        return; // no GL context
    }
    // Lists made in a window that is gone went with its context.
    if (listBase[slot] != 0 && listWindow[slot] == window) {
        glDeleteLists(listBase[slot], static_cast<GLsizei>(compiled[slot].size()));
    }
    compiled[slot].clear();
    listBase[slot] = glGenLists(static_cast<GLsizei>(districts.size()));
    listWindow[slot] = window;
    if (listBase[slot] != 0) {
        uint32_t list = listBase[slot];
        for (const auto& [key, district] : districts) {
            glNewList(list, GL_COMPILE);
            Compile(district);
            glEndList();
            CompiledDistrict entry{list, {}, {}};
            std::copy(district.low, district.low + 3, entry.low);
            std::copy(district.high, district.high + 3, entry.high);
            compiled[slot].push_back(entry);
            ++list;
        }
    }
    districts.clear();
}

void CityBatch::Compile(const District& district) {
    // The same state the objects' own lists leave behind: culling on,
    // texturing off.
    glEnable(GL_CULL_FACE);
    for (const auto& [texture, group] : district.groups) {
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

bool CityBatch::Draw(const float eyeX, const float eyeY) const {
    const int slot = displayListTable.GetCurrent();
    if (listBase[slot] == 0 || listWindow[slot] != glutGetWindow()) {
        return false;
    }
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    const ViewVolume view(projection);
    // Nearest first, by the distance from the eye to the district's box.
    std::vector<std::pair<float, uint32_t>> order;
    for (const CompiledDistrict& district : compiled[slot]) {
        if (!view.MayShow(district.low, district.high)) {
            continue;
        }
        const float dx = std::max({district.low[0] - eyeX, 0.0f, eyeX - district.high[0]});
        const float dy = std::max({district.low[1] - eyeY, 0.0f, eyeY - district.high[1]});
        order.emplace_back(dx * dx + dy * dy, district.list);
    }
    std::sort(order.begin(), order.end());
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (const auto& [distance, list] : order) {
        glCallList(list);
    }
    // As after an object's Draw.
    glColor3f(MapObject::neutralGrey, MapObject::neutralGrey, MapObject::neutralGrey);
    glPopMatrix();
    return true;
}
