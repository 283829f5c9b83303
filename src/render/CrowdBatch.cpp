#include "render/CrowdBatch.h"

#include "actors/Car.h"
#include "actors/Ped.h"
#include "base/Settings.h"
#include "geometry/Matrix.h"
#include "legacygl/Gl.h"

#include <algorithm>

namespace {

Matrix Translation(const float x, const float y, const float z) {
    Matrix m;
    m.SetTranslation(x, y, z);
    return m;
}

Matrix TurnZ(const float degrees) {
    Matrix m;
    m.SetRotationZ(degrees);
    return m;
}

void Normalize(const Vector& v, float (&normal)[3]) {
    const float length = v.Length();
    normal[0] = v.GetX() / length;
    normal[1] = v.GetY() / length;
    normal[2] = v.GetZ() / length;
}

// Restores what an actor's own Draw leaves behind.
void EndCrowd() {
    gl::Disable(GL_TEXTURE_2D);
    gl::Color3f(SceneObject::neutralGrey, SceneObject::neutralGrey, SceneObject::neutralGrey);
    gl::PopMatrix();
}

} // namespace

void CrowdBatch::DrawPeds(const std::vector<std::unique_ptr<Ped>>& peds) {
    quads.clear();
    for (const std::unique_ptr<Ped>& ped : peds) {
        const float angle = ped->AnimateFrame();
        const Matrix body = ped->GetModelMatrix() *
                            TurnZ(static_cast<float>(ped->GetFacing() + 90)) *
                            Translation(0.0f, 0.0f, Ped::bodyHeight);
        for (const Ped::BodyBox& box : ped->BodyAt(angle)) {
            const Matrix matrix = body * box.placement.ToMatrix();
            const Vector scale = box.placement.ScaleFactors();
            TexturedBox::Face faces[6];
            const int count = TexturedBox::Faces(box.half, box.textures, faces);
            for (int f = 0; f < count; ++f) {
                const TexturedBox::Face& face = faces[f];
                Quad quad{face.texture, ped->GetColour(), {}, {}};
                // The box's scale is the last step of its placement: the
                // normal divided by its square and taken through the whole
                // matrix comes out through the inverse transpose.
                Vector direction;
                direction.Set(face.normal[0] / (scale.GetX() * scale.GetX()),
                              face.normal[1] / (scale.GetY() * scale.GetY()),
                              face.normal[2] / (scale.GetZ() * scale.GetZ()), 0.0f);
                Normalize(matrix * direction, quad.normal);
                for (int i = 0; i < 4; ++i) {
                    const float* corner = face.corners[TexturedBox::sendOrder[i]];
                    quad.corners[i] = matrix * Point(corner[0], corner[1], corner[2]);
                }
                quads.push_back(quad);
            }
        }
    }
    std::stable_sort(quads.begin(), quads.end(),
                     [](const Quad& a, const Quad& b) { return a.texture < b.texture; });
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    gl::LoadIdentity();
    gl::Enable(GL_TEXTURE_2D);
    for (size_t first = 0; first < quads.size();) {
        const uint32_t texture = quads[first].texture;
        gl::BindTexture(GL_TEXTURE_2D, texture);
        gl::Begin(GL_QUADS);
        size_t next = first;
        for (; next < quads.size() && quads[next].texture == texture; ++next) {
            const Quad& quad = quads[next];
            gl::Color3fv(quad.colour);
            gl::Normal3fv(quad.normal);
            for (int i = 0; i < 4; ++i) {
                gl::TexCoord2fv(TexturedBox::textureCoordinates[i]);
                gl::Vertex3f(quad.corners[i].GetX(), quad.corners[i].GetY(),
                             quad.corners[i].GetZ());
            }
        }
        gl::End();
        first = next;
    }
    EndCrowd();
}

void CrowdBatch::DrawCars(const std::vector<std::unique_ptr<Car>>& cars) const {
    struct Placed {
        Matrix matrix;
        Matrix turn;
        const Car* car;
    };
    std::vector<Placed> placed;
    placed.reserve(cars.size());
    for (const std::unique_ptr<Car>& car : cars) {
        const Matrix turn = TurnZ(static_cast<float>(car->GetFacing() + 90));
        placed.push_back({car->GetModelMatrix() * turn, turn, car.get()});
    }
    gl::MatrixMode(GL_MODELVIEW);
    gl::PushMatrix();
    gl::LoadIdentity();
    if (settings.textureTarget != 0) {
        gl::Enable(static_cast<GLenum>(settings.textureTarget));
    }
    // The faces do not overlap, so they can go by texture role, quads and
    // triangles apart; a change of texture between cars starts a new draw.
    for (int role = 0; role < Car::roleCount; ++role) {
        for (const int corners : {4, 3}) {
            const auto inGroup = [role, corners](const Car::Face& face) {
                return face.texture == role && face.vertexCount == corners;
            };
            if (std::none_of(Car::Faces().begin(), Car::Faces().end(), inGroup)) {
                continue;
            }
            uint32_t bound = 0;
            bool begun = false;
            for (const Placed& p : placed) {
                const uint32_t texture = p.car->GetTexture(static_cast<Car::Role>(role));
                if (!begun || texture != bound) {
                    if (begun) {
                        gl::End();
                    }
                    gl::BindTexture(GL_TEXTURE_2D, texture);
                    gl::Begin(corners == 3 ? GL_TRIANGLES : GL_QUADS);
                    bound = texture;
                    begun = true;
                }
                gl::Color3fv(p.car->GetColour());
                // The car's scale stands left of its facing turn: the normal
                // goes through the turn and then the inverse of the scale.
                const Vector& scale = p.car->GetScale();
                for (const Car::Face& face : Car::Faces()) {
                    if (!inGroup(face)) {
                        continue;
                    }
                    const Vector turned = p.turn * Vector(face.nx, face.ny, face.nz);
                    float normal[3];
                    Normalize(Vector(turned.GetX() / scale.GetX(), turned.GetY() / scale.GetY(),
                                     turned.GetZ() / scale.GetZ()),
                              normal);
                    gl::Normal3fv(normal);
                    for (int i = 0; i < face.vertexCount; ++i) {
                        const Car::Vertex& v = face.v[i];
                        const Point corner = p.matrix * Point(v.x, v.y, v.z);
                        gl::TexCoord2f(v.s, v.t);
                        gl::Vertex3f(corner.GetX(), corner.GetY(), corner.GetZ());
                    }
                }
            }
            if (begun) {
                gl::End();
            }
        }
    }
    EndCrowd();
}
