#include "actors/TexturedBox.h"

#include <GL/gl.h>

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
    glEnable(GL_TEXTURE_2D);
    for (int f = 0; f < count; ++f) {
        glBindTexture(GL_TEXTURE_2D, faces[f].texture);
        glBegin(GL_QUADS);
        glNormal3fv(faces[f].normal);
        for (int i = 0; i < 4; ++i) {
            glTexCoord2fv(textureCoordinates[i]);
            glVertex3fv(faces[f].corners[sendOrder[i]]);
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
}
