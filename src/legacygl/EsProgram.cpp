#include "legacygl/EsProgram.h"

#include <GLES2/gl2.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace {

// Lighting as OpenGL 1.1 computes it per vertex, for one positional or
// directional light with the light model's defaults (global ambient 0.2, a
// viewer at infinity, one-sided) and no specular term, since the game's
// material has none: colour = global ambient * material ambient + spot *
// attenuation * (light ambient * material ambient + N.L * light diffuse *
// material diffuse), alpha the material diffuse's.
constexpr const char* vertexSource = R"(#version 100
attribute vec4 aPosition;
attribute vec3 aNormal;
attribute vec4 aColor;
attribute vec2 aTexCoord;
attribute vec3 aFlatPosition;
attribute vec3 aFlatNormal;
attribute vec4 aFlatColor;
attribute vec3 aOtherEnd;
attribute vec2 aCorner;
uniform mat4 uModelview;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform bool uPretransformed;
uniform bool uLighting;
uniform bool uLight0;
uniform bool uColorMaterial;
uniform bool uNormalize;
uniform bool uFlat;
uniform vec4 uLightPosition;
uniform vec4 uLightAmbient;
uniform vec4 uLightDiffuse;
uniform vec3 uSpotDirection;
uniform float uSpotExponent;
uniform float uSpotCosCutoff;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialDiffuse;
uniform bool uClip;
uniform vec4 uClipPlane;
uniform bool uColorFromCurrent;
uniform bool uNormalFromCurrent;
uniform bool uTexCoordFromCurrent;
uniform vec4 uCurrentColor;
uniform vec3 uCurrentNormal;
uniform vec2 uCurrentTexCoord;
uniform float uExpandWidth;
uniform bool uPoints;
uniform vec2 uViewport;
varying vec4 vColor;
varying vec2 vTexCoord;
varying float vClipDistance;

vec4 Lit(vec4 eye, vec3 normal, vec4 color) {
    vec4 ambient = uColorMaterial ? color : uMaterialAmbient;
    vec4 diffuse = uColorMaterial ? color : uMaterialDiffuse;
    vec3 lit = vec3(0.2) * ambient.rgb;
    if (uLight0) {
        vec3 n = uNormalMatrix * normal;
        if (uNormalize) {
            n = normalize(n);
        }
        vec3 toLight = uLightPosition.w == 0.0 ? uLightPosition.xyz
                                                : uLightPosition.xyz - eye.xyz / eye.w;
        vec3 l = normalize(toLight);
        float spot = 1.0;
        if (uSpotCosCutoff > -1.0) {
            float cosine = dot(-l, normalize(uSpotDirection));
            spot = cosine < uSpotCosCutoff ? 0.0 : pow(max(cosine, 0.0), uSpotExponent);
        }
        lit += spot * (uLightAmbient.rgb * ambient.rgb +
                       max(dot(n, l), 0.0) * uLightDiffuse.rgb * diffuse.rgb);
    }
    return vec4(clamp(lit, 0.0, 1.0), clamp(diffuse.a, 0.0, 1.0));
}

void main() {
    vec4 color = uColorFromCurrent ? uCurrentColor : aColor;
    vTexCoord = uTexCoordFromCurrent ? uCurrentTexCoord : aTexCoord;
    if (uPretransformed) {
        gl_Position = aPosition;
        vColor = color;
        vClipDistance = 0.0;
        return;
    }
    vec4 eye = uModelview * aPosition;
    gl_Position = uProjection * eye;
    if (uExpandWidth > 0.0) {
        // Half the width on each side, from pixels to normalized device units.
        vec2 halfWidth = uExpandWidth / uViewport;
        if (uPoints) {
            gl_Position.xy += aCorner * halfWidth * gl_Position.w;
        } else {
            vec4 other = uProjection * (uModelview * vec4(aOtherEnd, 1.0));
            vec2 along = other.xy / other.w * uViewport - gl_Position.xy / gl_Position.w * uViewport;
            vec2 across = length(along) > 0.0 ? normalize(vec2(-along.y, along.x)) : vec2(0.0);
            gl_Position.xy += across * aCorner.x * halfWidth * gl_Position.w;
        }
    }
    vClipDistance = dot(uClipPlane, eye);
    if (!uLighting) {
        vColor = uFlat && !uColorFromCurrent ? aFlatColor : color;
    } else if (uFlat) {
        vec4 flatColor = uColorFromCurrent ? uCurrentColor : aFlatColor;
        vec3 flatNormal = uNormalFromCurrent ? uCurrentNormal : aFlatNormal;
        vColor = Lit(uModelview * vec4(aFlatPosition, 1.0), flatNormal, flatColor);
    } else {
        vColor = Lit(eye, uNormalFromCurrent ? uCurrentNormal : aNormal, color);
    }
}
)";

// The texture modulates the colour; an alpha texture its alpha alone.
constexpr const char* fragmentSource = R"(#version 100
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D uTexture;
uniform bool uTextured;
uniform bool uAlphaTexture;
uniform bool uAlphaTest;
uniform float uAlphaReference;
uniform bool uClip;
varying vec4 vColor;
varying vec2 vTexCoord;
varying float vClipDistance;

void main() {
    if (uClip && vClipDistance < 0.0) {
        discard;
    }
    vec4 color = vColor;
    if (uTextured) {
        vec4 texel = texture2D(uTexture, vTexCoord);
        if (uAlphaTexture) {
            color.a *= texel.a;
        } else {
            color.rgb *= texel.rgb;
        }
    }
    if (uAlphaTest && !(color.a > uAlphaReference)) {
        discard;
    }
    gl_FragColor = color;
}
)";

enum Uniform {
    Modelview,
    Projection,
    NormalMatrix,
    Pretransformed,
    Lighting,
    Light0,
    ColorMaterial,
    Normalize,
    Flat,
    LightPosition,
    LightAmbient,
    LightDiffuse,
    SpotDirection,
    SpotExponent,
    SpotCosCutoff,
    MaterialAmbient,
    MaterialDiffuse,
    Clip,
    ClipPlane,
    ColorFromCurrent,
    NormalFromCurrent,
    TexCoordFromCurrent,
    CurrentColor,
    CurrentNormal,
    CurrentTexCoord,
    Textured,
    AlphaTexture,
    AlphaTest,
    AlphaReference,
    TextureUnit,
    ExpandWidth,
    Points,
    Viewport,
    UniformCount
};

constexpr const char* uniformNames[UniformCount] = {
    "uModelview",           "uProjection",       "uNormalMatrix",
    "uPretransformed",      "uLighting",         "uLight0",
    "uColorMaterial",       "uNormalize",        "uFlat",
    "uLightPosition",       "uLightAmbient",     "uLightDiffuse",
    "uSpotDirection",       "uSpotExponent",     "uSpotCosCutoff",
    "uMaterialAmbient",     "uMaterialDiffuse",  "uClip",
    "uClipPlane",           "uColorFromCurrent", "uNormalFromCurrent",
    "uTexCoordFromCurrent", "uCurrentColor",     "uCurrentNormal",
    "uCurrentTexCoord",     "uTextured",         "uAlphaTexture",
    "uAlphaTest",           "uAlphaReference",   "uTexture",
    "uExpandWidth",         "uPoints",           "uViewport",
};

constexpr int attributeCount = 9;
constexpr const char* attributeNames[attributeCount] = {
    "aPosition",   "aNormal",    "aColor",    "aTexCoord", "aFlatPosition",
    "aFlatNormal", "aFlatColor", "aOtherEnd", "aCorner"};
constexpr int attributeSizes[attributeCount] = {4, 3, 4, 2, 3, 3, 4, 3, 2};
constexpr size_t attributeOffsets[attributeCount] = {
    offsetof(EsVertex, position),  offsetof(EsVertex, normal),       offsetof(EsVertex, color),
    offsetof(EsVertex, texCoord),  offsetof(EsVertex, flatPosition), offsetof(EsVertex, flatNormal),
    offsetof(EsVertex, flatColor), offsetof(EsVertex, otherEnd),     offsetof(EsVertex, corner)};

GLuint Compile(const GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        char log[1024] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "Gullmar: the driver refuses the layer's shader: %s\n", log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

// The normal matrix: the inverse transpose of the modelview's upper 3 by 3.
void InverseTranspose(const Mat4& modelview, float out[9]) {
    const Mat4 inverse = modelview.Inverse();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            // Column order of the transpose: element (row, column) is the
            // inverse's (column, row).
            out[column * 3 + row] = inverse(column, row);
        }
    }
}

bool Same(const float* a, const float* b, const size_t count) {
    return std::memcmp(a, b, count * sizeof(float)) == 0;
}

} // namespace

bool EsProgram::Build() {
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource);
    if (vertex == 0 || fragment == 0) {
        return false;
    }
    program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    for (int i = 0; i < attributeCount; ++i) {
        glBindAttribLocation(program, static_cast<GLuint>(i), attributeNames[i]);
    }
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        char log[1024] = "";
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        std::fprintf(stderr, "Gullmar: the driver refuses the layer's program: %s\n", log);
        return false;
    }
    for (int i = 0; i < attributeCount; ++i) {
        attributes[i] = i;
    }
    for (int i = 0; i < UniformCount; ++i) {
        uniforms[i] = glGetUniformLocation(program, uniformNames[i]);
    }
    glUseProgram(program);
    glUniform1i(uniforms[TextureUnit], 0);
    anyDrawn = false;
    return true;
}

void EsProgram::BindVertices(const char* base) const {
    for (int i = 0; i < attributeCount; ++i) {
        glEnableVertexAttribArray(static_cast<GLuint>(attributes[i]));
        glVertexAttribPointer(static_cast<GLuint>(attributes[i]), attributeSizes[i], GL_FLOAT,
                              GL_FALSE, sizeof(EsVertex), base + attributeOffsets[i]);
    }
}

void EsProgram::Use(const EsDrawState& s) {
    glUseProgram(program);
    const bool all = !anyDrawn;
    const EsDrawState& o = last;
    const auto flag = [&](const Uniform u, const bool now, const bool before) {
        if (all || now != before) {
            glUniform1i(uniforms[u], now ? 1 : 0);
        }
    };
    const auto vec4 = [&](const Uniform u, const float* now, const float* before) {
        if (all || !Same(now, before, 4)) {
            glUniform4fv(uniforms[u], 1, now);
        }
    };
    const auto number = [&](const Uniform u, const float now, const float before) {
        if (all || now != before) {
            glUniform1f(uniforms[u], now);
        }
    };
    flag(Pretransformed, s.pretransformed, o.pretransformed);
    if (all || !Same(s.modelview.m, o.modelview.m, 16)) {
        glUniformMatrix4fv(uniforms[Modelview], 1, GL_FALSE, s.modelview.m);
        float normal[9];
        InverseTranspose(s.modelview, normal);
        glUniformMatrix3fv(uniforms[NormalMatrix], 1, GL_FALSE, normal);
    }
    if (all || !Same(s.projection.m, o.projection.m, 16)) {
        glUniformMatrix4fv(uniforms[Projection], 1, GL_FALSE, s.projection.m);
    }
    flag(Lighting, s.lighting, o.lighting);
    flag(Light0, s.light0, o.light0);
    flag(ColorMaterial, s.colorMaterial, o.colorMaterial);
    flag(Normalize, s.normalize, o.normalize);
    flag(Flat, s.flat, o.flat);
    vec4(LightPosition, s.lightPosition, o.lightPosition);
    vec4(LightAmbient, s.lightAmbient, o.lightAmbient);
    vec4(LightDiffuse, s.lightDiffuse, o.lightDiffuse);
    if (all || !Same(s.spotDirection, o.spotDirection, 3)) {
        glUniform3fv(uniforms[SpotDirection], 1, s.spotDirection);
    }
    number(SpotExponent, s.spotExponent, o.spotExponent);
    if (all || s.spotCutoff != o.spotCutoff) {
        // A cut-off of 180 turns the spot off: no cosine lies below -1.
        const float cosine = s.spotCutoff >= 180.0f
                                 ? -2.0f
                                 : std::cos(s.spotCutoff * std::numbers::pi_v<float> / 180.0f);
        glUniform1f(uniforms[SpotCosCutoff], cosine);
    }
    vec4(MaterialAmbient, s.materialAmbient, o.materialAmbient);
    vec4(MaterialDiffuse, s.materialDiffuse, o.materialDiffuse);
    flag(Clip, s.clip, o.clip);
    vec4(ClipPlane, s.clipPlane, o.clipPlane);
    flag(ColorFromCurrent, s.colorFromCurrent, o.colorFromCurrent);
    flag(NormalFromCurrent, s.normalFromCurrent, o.normalFromCurrent);
    flag(TexCoordFromCurrent, s.texCoordFromCurrent, o.texCoordFromCurrent);
    vec4(CurrentColor, s.currentColor, o.currentColor);
    if (all || !Same(s.currentNormal, o.currentNormal, 3)) {
        glUniform3fv(uniforms[CurrentNormal], 1, s.currentNormal);
    }
    if (all || !Same(s.currentTexCoord, o.currentTexCoord, 2)) {
        glUniform2fv(uniforms[CurrentTexCoord], 1, s.currentTexCoord);
    }
    flag(Textured, s.texture, o.texture);
    flag(AlphaTexture, s.alphaTexture, o.alphaTexture);
    flag(AlphaTest, s.alphaTest, o.alphaTest);
    number(AlphaReference, s.alphaReference, o.alphaReference);
    number(ExpandWidth, s.expandWidth, o.expandWidth);
    flag(Points, s.points, o.points);
    if (all || !Same(s.viewport, o.viewport, 2)) {
        glUniform2fv(uniforms[Viewport], 1, s.viewport);
    }
    last = s;
    anyDrawn = true;
}
