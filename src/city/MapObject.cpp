#include "city/MapObject.h"

#include "base/DisplayListTable.h"
#include "base/Settings.h"
#include "legacygl/Gl.h"

#include <cstdio>

MapObject::~MapObject() {
    // Lists live in a window's context: delete ours only in the window that
    // is current now, and only if it is the one we compiled into. Without a
    // context (a game without a window, tests without GL) there is nothing to
    // do, and GLUT is not asked.
    if (!gl::HasContext()) {
        return;
    }
    const int window = glut::GetWindow();
    if (window == 0) {
        return;
    }
    for (int slot = 0; slot < DisplayListTable::windowCount; ++slot) {
        if (compiledWindow[slot] == window && compiledName[slot] != 0) {
            gl::DeleteLists(compiledName[slot], 1);
        }
    }
}

void MapObject::DrawGeometry() {
    const uint32_t name = displayListTable.ListFor(listNumber);
    if (name != 0) {
        gl::CallList(name);
    }
}

void MapObject::SetupDisplaylist() {
    std::printf("MapObject::SetupDisplaylist got called!\n");
}

void MapObject::AddFaces(FaceSink&) const {}

void MapObject::SetExtent(const float minimumX, const float minimumY, const float maximumX,
                          const float maximumY) {
    minX = minimumX;
    minY = minimumY;
    maxX = maximumX;
    maxY = maximumY;
}

void MapObject::SetFaceTextures(const uint32_t north, const uint32_t south, const uint32_t east,
                                const uint32_t west) {
    textureNorth = north;
    textureSouth = south;
    textureEast = east;
    textureWest = west;
}

void MapObject::PlaceOnce() {
    if (positioned != 0) {
        return;
    }
    Translate(minX, minY, base);
    Scale(maxX - minX, maxY - minY, height - base);
    positioned = 1;
}

bool MapObject::BeginList() {
    const uint32_t name = displayListTable.ListFor(listNumber);
    if (name == 0) {
        return false;
    }
    const int slot = displayListTable.GetCurrent();
    compiledWindow[slot] = glut::GetWindow();
    compiledName[slot] = name;
    gl::NewList(name, GL_COMPILE);
    return true;
}

void MapObject::EnableTextures() {
    if (settings.textureTarget != 0) {
        gl::Enable(static_cast<GLenum>(settings.textureTarget));
    }
}

void MapObject::DrawGroundQuad() const {
    EnableTextures();
    gl::BindTexture(GL_TEXTURE_2D, textureTop);
    gl::Begin(GL_QUADS);
    // A long normal; GL_NORMALIZE brings it back to unit length.
    gl::Normal3f(0.0f, 0.0f, 10.0f);
    gl::TexCoord2f(1.0f, 1.0f);
    gl::Vertex3f(1.0f, 1.0f, 0.0f);
    gl::TexCoord2f(1.0f, 0.0f);
    gl::Vertex3f(0.0f, 1.0f, 0.0f);
    gl::TexCoord2f(0.0f, 0.0f);
    gl::Vertex3f(0.0f, 0.0f, 0.0f);
    gl::TexCoord2f(0.0f, 1.0f);
    gl::Vertex3f(1.0f, 0.0f, 0.0f);
    gl::End();
    gl::Disable(GL_TEXTURE_2D);
}

FaceSink::Corner MapObject::WorldCorner(const float x, const float y, const float z, const float s,
                                        const float t) const {
    return {minX + (maxX - minX) * x, minY + (maxY - minY) * y, base + (height - base) * z, s, t};
}

void MapObject::AddGroundQuad(FaceSink& sink) const {
    // The list's long normal comes out of GL_NORMALIZE as this one.
    constexpr float up[3] = {0.0f, 0.0f, 1.0f};
    sink.AddQuad(textureTop, FaceColour(), up,
                 {WorldCorner(1, 1, 0, 1, 1), WorldCorner(0, 1, 0, 1, 0),
                  WorldCorner(0, 0, 0, 0, 0), WorldCorner(1, 0, 0, 0, 1)});
}
