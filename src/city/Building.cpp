#include "city/Building.h"

#include "legacygl/Gl.h"

namespace {

// One face of the unit cube: its normal and four corners with their texture
// coordinates, counter-clockwise seen from outside. Each side maps its
// picture so that s runs left to right and t bottom to top as seen from
// outside, except the face towards -x, whose picture is turned half round.
struct Face {
    float normal[3];
    float corners[4][5]; // x, y, z, s, t
};

constexpr Face southFace = {{0, -1, 0},
                            {{1, 0, 1, 1, 1}, {0, 0, 1, 0, 1}, {0, 0, 0, 0, 0}, {1, 0, 0, 1, 0}}};
constexpr Face northFace = {{0, 1, 0},
                            {{0, 1, 1, 1, 1}, {1, 1, 1, 0, 1}, {1, 1, 0, 0, 0}, {0, 1, 0, 1, 0}}};
constexpr Face topFace = {{0, 0, 1},
                          {{1, 1, 1, 1, 1}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}, {1, 0, 1, 0, 1}}};
// The bottom keeps the top's normal; it is never seen from below anyway.
constexpr Face bottomFace = {{0, 0, 1},
                             {{1, 1, 0, 1, 1}, {0, 1, 0, 1, 0}, {0, 0, 0, 0, 0}, {1, 0, 0, 0, 1}}};
constexpr Face eastFace = {{1, 0, 0},
                           {{1, 1, 1, 1, 1}, {1, 0, 1, 0, 1}, {1, 0, 0, 0, 0}, {1, 1, 0, 1, 0}}};
constexpr Face westFace = {{-1, 0, 0},
                           {{0, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, 0, 1, 1}, {0, 0, 0, 0, 1}}};

void DrawFace(const Face& face, const uint32_t texture) {
    MapObject::EnableTextures();
    gl::BindTexture(GL_TEXTURE_2D, texture);
    gl::Begin(GL_QUADS);
    gl::Normal3fv(face.normal);
    for (const auto& corner : face.corners) {
        gl::TexCoord2f(corner[3], corner[4]);
        gl::Vertex3f(corner[0], corner[1], corner[2]);
    }
    gl::End();
    gl::Disable(GL_TEXTURE_2D);
}

} // namespace

void Building::AddFaces(FaceSink& sink) const {
    const auto add = [&](const Face& face, const uint32_t texture) {
        FaceSink::Corner corners[4];
        for (int i = 0; i < 4; ++i) {
            const auto& c = face.corners[i];
            corners[i] = WorldCorner(c[0], c[1], c[2], c[3], c[4]);
        }
        sink.AddQuad(texture, FaceColour(), face.normal, corners);
    };
    if (height == base) {
        // A crossing plate: the sides have no area, and the bottom lies in
        // the top's plane, drawn after it, so it never shows.
        add(topFace, textureTop);
        return;
    }
    add(southFace, textureSouth);
    add(northFace, textureNorth);
    add(topFace, textureTop);
    add(bottomFace, textureBottom);
    add(eastFace, textureEast);
    add(westFace, textureWest);
}

void Building::SetupDisplaylist() {
    PlaceOnce();
    if (!BeginList()) {
        return;
    }
    gl::Enable(GL_CULL_FACE);
    DrawFace(southFace, textureSouth);
    DrawFace(northFace, textureNorth);
    DrawFace(topFace, textureTop);
    DrawFace(bottomFace, textureBottom);
    DrawFace(eastFace, textureEast);
    DrawFace(westFace, textureWest);
    gl::EndList();
}
