#include "render/CityBatch.h"

#include "render/ViewVolume.h"

#include "base/DisplayListTable.h"
#include "base/Settings.h"
#include "city/MapObject.h"
#include "legacygl/Gl.h"

#include <algorithm>
#include <cmath>

namespace {

void EmitVertex(const FaceSink::Corner& corner, const float* normal,
                const FaceSink::Colour& colour) {
    gl::Color4f(colour.r, colour.g, colour.b, colour.a);
    gl::Normal3fv(normal);
    gl::TexCoord2f(corner.s, corner.t);
    gl::Vertex3f(corner.x, corner.y, corner.z);
}

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
    const int window = glut::GetWindow();
    if (window == 0) {
        districts.clear();
        return; // no GL context
    }
    // Lists made in a window that is gone went with its context.
    if (listBase[slot] != 0 && listWindow[slot] == window) {
        gl::DeleteLists(listBase[slot], static_cast<GLsizei>(compiled[slot].size()));
    }
    compiled[slot].clear();
    listBase[slot] = gl::GenLists(static_cast<GLsizei>(districts.size()));
    listWindow[slot] = window;
    if (listBase[slot] != 0) {
        uint32_t list = listBase[slot];
        for (const auto& [key, district] : districts) {
            gl::NewList(list, GL_COMPILE);
            Compile(district);
            gl::EndList();
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
    gl::Enable(GL_CULL_FACE);
    for (const auto& [texture, group] : district.groups) {
        if (texture != 0) {
            gl::Enable(GL_TEXTURE_2D);
            gl::BindTexture(GL_TEXTURE_2D, texture);
        } else {
            gl::Disable(GL_TEXTURE_2D);
        }
        if (!group.quads.empty()) {
            gl::Begin(GL_QUADS);
            for (const Vertex& v : group.quads) {
                EmitVertex(v.corner, v.normal, v.colour);
            }
            gl::End();
        }
        if (!group.triangles.empty()) {
            gl::Begin(GL_TRIANGLES);
            for (const Vertex& v : group.triangles) {
                EmitVertex(v.corner, v.normal, v.colour);
            }
            gl::End();
        }
    }
    gl::Disable(GL_TEXTURE_2D);
}

bool CityBatch::Draw(const float eyeX, const float eyeY) const {
    const int slot = displayListTable.GetCurrent();
    if (listBase[slot] == 0 || listWindow[slot] != glut::GetWindow()) {
        return false;
    }
    const ViewVolume view = ViewVolume::OfProjection();
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
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    gl::LoadIdentity();
    for (const auto& [distance, list] : order) {
        gl::CallList(list);
    }
    // As after an object's Draw.
    gl::Color3f(MapObject::neutralGrey, MapObject::neutralGrey, MapObject::neutralGrey);
    gl::PopMatrix();
    return true;
}
