#include "actors/TexturedBox.h"

#include "legacygl/Gl.h"

int TexturedBox::Faces(const float h, const Textures& t, Face (&faces)[6]) {
    faces[0] = {t.posY, {0, 1, 0}, {{h, h, h}, {-h, h, h}, {-h, h, -h}, {h, h, -h}}};
    faces[1] = {t.negY, {0, -1, 0}, {{-h, -h, h}, {h, -h, h}, {h, -h, -h}, {-h, -h, -h}}};
    faces[2] = {t.posX, {1, 0, 0}, {{h, -h, h}, {h, h, h}, {h, h, -h}, {h, -h, -h}}};
    faces[3] = {t.negX, {-1, 0, 0}, {{-h, h, h}, {-h, -h, h}, {-h, -h, -h}, {-h, h, -h}}};
    faces[4] = {t.posZ, {0, 0, 1}, {{-h, h, h}, {h, h, h}, {h, -h, h}, {-h, -h, h}}};
    faces[5] = {t.negZ, {0, 0, -1}, {{h, h, -h}, {-h, h, -h}, {-h, -h, -h}, {h, -h, -h}}};
    return t.withBottom ? 6 : 5;
}

void TexturedBox::Draw(const float half, const Textures& textures) {
    Face faces[6];
    const int count = Faces(half, textures, faces);
    gl::Enable(GL_TEXTURE_2D);
    for (int f = 0; f < count; ++f) {
        gl::BindTexture(GL_TEXTURE_2D, faces[f].texture);
        gl::Begin(GL_QUADS);
        gl::Normal3fv(faces[f].normal);
        for (int i = 0; i < 4; ++i) {
            gl::TexCoord2fv(textureCoordinates[i]);
            gl::Vertex3fv(faces[f].corners[sendOrder[i]]);
        }
        gl::End();
    }
    gl::Disable(GL_TEXTURE_2D);
}
