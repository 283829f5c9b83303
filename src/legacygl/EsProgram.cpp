#include "legacygl/EsProgram.h"

#include <GLES2/gl2.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>

namespace {

// What a state switches on, one bit each: a program is made for each
// combination that is drawn.
enum Feature : unsigned {
    Pretransformed = 1u << 0,
    Lighting = 1u << 1,
    Light0 = 1u << 2,
    ColorMaterial = 1u << 3,
    Normalize = 1u << 4,
    Flat = 1u << 5,
    Spot = 1u << 6,
    Clip = 1u << 7,
    ColorFromCurrent = 1u << 8,
    NormalFromCurrent = 1u << 9,
    TexCoordFromCurrent = 1u << 10,
    Textured = 1u << 11,
    AlphaTexture = 1u << 12,
    AlphaTest = 1u << 13,
    Expand = 1u << 14,
    Points = 1u << 15,
};

constexpr const char* featureNames[] = {
    "PRETRANSFORMED",
    "LIGHTING",
    "LIGHT0",
    "COLOR_MATERIAL",
    "NORMALIZE",
    "FLAT",
    "SPOT",
    "CLIP",
    "COLOR_FROM_CURRENT",
    "NORMAL_FROM_CURRENT",
    "TEXCOORD_FROM_CURRENT",
    "TEXTURED",
    "ALPHA_TEXTURE",
    "ALPHA_TEST",
    "EXPAND",
    "POINTS",
};

unsigned FeaturesOf(const EsDrawState& s) {
    unsigned f = 0;
    const auto set = [&f](const bool on, const Feature feature) {
        if (on) {
            f |= feature;
        }
    };
    set(s.pretransformed, Pretransformed);
    if (!s.pretransformed) {
        set(s.lighting, Lighting);
        set(s.lighting && s.light0, Light0);
        set(s.lighting && s.colorMaterial, ColorMaterial);
        set(s.lighting && s.light0 && s.normalize, Normalize);
        set(s.lighting && s.light0 && s.spotCutoff < 180.0f, Spot);
        set(s.flat, Flat);
        set(s.clip, Clip);
        set(s.normalFromCurrent && s.lighting && s.light0, NormalFromCurrent);
        set(s.expandWidth > 0.0f, Expand);
        set(s.expandWidth > 0.0f && s.points, Points);
    }
    set(s.colorFromCurrent, ColorFromCurrent);
    set(s.texture, Textured);
    set(s.texture && s.texCoordFromCurrent, TexCoordFromCurrent);
    set(s.texture && s.alphaTexture, AlphaTexture);
    set(s.alphaTest, AlphaTest);
    return f;
}

// The vertices' attributes, which a program reads as its features need.
enum Attribute {
    PositionAttribute,
    NormalAttribute,
    ColorAttribute,
    TexCoordAttribute,
    FlatPositionAttribute,
    FlatNormalAttribute,
    FlatColorAttribute,
    OtherEndAttribute,
    CornerAttribute,
    AttributeCount
};

constexpr const char* attributeNames[AttributeCount] = {
    "aPosition",   "aNormal",    "aColor",    "aTexCoord", "aFlatPosition",
    "aFlatNormal", "aFlatColor", "aOtherEnd", "aCorner"};
constexpr int attributeSizes[AttributeCount] = {4, 3, 4, 2, 3, 3, 4, 3, 2};
constexpr size_t attributeOffsets[AttributeCount] = {
    offsetof(EsVertex, position),  offsetof(EsVertex, normal),       offsetof(EsVertex, color),
    offsetof(EsVertex, texCoord),  offsetof(EsVertex, flatPosition), offsetof(EsVertex, flatNormal),
    offsetof(EsVertex, flatColor), offsetof(EsVertex, otherEnd),     offsetof(EsVertex, corner)};

bool Reads(const unsigned f, const Attribute attribute) {
    const bool lit = (f & Light0) != 0;
    const bool flat = (f & Flat) != 0;
    switch (attribute) {
    case PositionAttribute:
        return true;
    case NormalAttribute:
        return lit && !flat && (f & NormalFromCurrent) == 0;
    case ColorAttribute:
        return (f & ColorFromCurrent) == 0 && (!flat || (f & Pretransformed) != 0);
    case TexCoordAttribute:
        return (f & Textured) != 0 && (f & TexCoordFromCurrent) == 0;
    case FlatPositionAttribute:
        return lit && flat;
    case FlatNormalAttribute:
        return lit && flat && (f & NormalFromCurrent) == 0;
    case FlatColorAttribute:
        return flat && (f & ColorFromCurrent) == 0 && (f & Pretransformed) == 0;
    case OtherEndAttribute:
        return (f & Expand) != 0 && (f & Points) == 0;
    case CornerAttribute:
        return (f & Expand) != 0;
    case AttributeCount:
        break;
    }
    return false;
}

// Lighting as OpenGL 1.1 computes it per vertex, for one positional or
// directional light with the light model's defaults (global ambient 0.2, a
// viewer at infinity, one-sided) and no specular term, since the game's
// material has none: colour = global ambient * material ambient + spot *
// (light ambient * material ambient + N.L * light diffuse * material
// diffuse), alpha the material diffuse's. A flat primitive is lit and
// coloured at its provoking vertex.
constexpr const char* vertexBody = R"(
attribute vec4 aPosition;
#ifdef READS_NORMAL
attribute vec3 aNormal;
#endif
#ifdef READS_COLOR
attribute vec4 aColor;
#endif
#ifdef READS_TEXCOORD
attribute vec2 aTexCoord;
#endif
#ifdef READS_FLAT_POSITION
attribute vec3 aFlatPosition;
#endif
#ifdef READS_FLAT_NORMAL
attribute vec3 aFlatNormal;
#endif
#ifdef READS_FLAT_COLOR
attribute vec4 aFlatColor;
#endif
#ifdef READS_OTHER_END
attribute vec3 aOtherEnd;
#endif
#ifdef READS_CORNER
attribute vec2 aCorner;
#endif
uniform mat4 uModelview;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform vec4 uLightPosition;
uniform vec4 uLightAmbient;
uniform vec4 uLightDiffuse;
uniform vec3 uSpotDirection;
uniform float uSpotExponent;
uniform float uSpotCosCutoff;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec4 uClipPlane;
uniform vec4 uCurrentColor;
uniform vec3 uCurrentNormal;
uniform vec2 uCurrentTexCoord;
uniform float uExpandWidth;
uniform vec2 uViewport;
varying vec4 vColor;
#ifdef TEXTURED
varying vec2 vTexCoord;
#endif
#ifdef CLIP
varying float vClipDistance;
#endif

#ifdef LIGHTING
vec4 Lit(vec4 eye, vec3 normal, vec4 color) {
#ifdef COLOR_MATERIAL
    vec4 ambient = color;
    vec4 diffuse = color;
#else
    vec4 ambient = uMaterialAmbient;
    vec4 diffuse = uMaterialDiffuse;
#endif
    vec3 lit = vec3(0.2) * ambient.rgb;
#ifdef LIGHT0
    vec3 n = uNormalMatrix * normal;
#ifdef NORMALIZE
    n = normalize(n);
#endif
    vec3 toLight = uLightPosition.w == 0.0 ? uLightPosition.xyz
                                            : uLightPosition.xyz - eye.xyz / eye.w;
    vec3 l = normalize(toLight);
    float spot = 1.0;
#ifdef SPOT
    float cosine = dot(-l, normalize(uSpotDirection));
    spot = cosine < uSpotCosCutoff ? 0.0 : pow(max(cosine, 0.0), uSpotExponent);
#endif
    lit += spot * (uLightAmbient.rgb * ambient.rgb +
                   max(dot(n, l), 0.0) * uLightDiffuse.rgb * diffuse.rgb);
#endif
    return vec4(clamp(lit, 0.0, 1.0), clamp(diffuse.a, 0.0, 1.0));
}
#endif

void main() {
#if defined(COLOR_FROM_CURRENT)
    vec4 color = uCurrentColor;
#elif defined(READS_FLAT_COLOR)
    vec4 color = aFlatColor;
#else
    vec4 color = aColor;
#endif
#ifdef TEXTURED
#ifdef TEXCOORD_FROM_CURRENT
    vTexCoord = uCurrentTexCoord;
#else
    vTexCoord = aTexCoord;
#endif
#endif
    gl_PointSize = 1.0;
#ifdef PRETRANSFORMED
    gl_Position = aPosition;
    vColor = color;
#else
    vec4 eye = uModelview * aPosition;
    gl_Position = uProjection * eye;
#ifdef EXPAND
    // Half the width on each side, from pixels to normalized device units.
    vec2 halfWidth = uExpandWidth / uViewport;
#ifdef POINTS
    gl_Position.xy += aCorner * halfWidth * gl_Position.w;
#else
    vec4 other = uProjection * (uModelview * vec4(aOtherEnd, 1.0));
    vec2 along = other.xy / other.w * uViewport - gl_Position.xy / gl_Position.w * uViewport;
    vec2 across = length(along) > 0.0 ? normalize(vec2(-along.y, along.x)) : vec2(0.0);
    gl_Position.xy += across * aCorner.x * halfWidth * gl_Position.w;
#endif
#endif
#ifdef CLIP
    vClipDistance = dot(uClipPlane, eye);
#endif
#ifdef LIGHTING
#if defined(NORMAL_FROM_CURRENT)
    vec3 normal = uCurrentNormal;
#elif defined(READS_FLAT_NORMAL)
    vec3 normal = aFlatNormal;
#elif defined(READS_NORMAL)
    vec3 normal = aNormal;
#else
    vec3 normal = vec3(0.0, 0.0, 1.0);
#endif
#ifdef READS_FLAT_POSITION
    vColor = Lit(uModelview * vec4(aFlatPosition, 1.0), normal, color);
#else
    vColor = Lit(eye, normal, color);
#endif
#else
    vColor = color;
#endif
#endif
}
)";

// The texture modulates the colour; an alpha texture its alpha alone.
constexpr const char* fragmentBody = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
uniform sampler2D uTexture;
uniform float uAlphaReference;
varying vec4 vColor;
#ifdef TEXTURED
varying vec2 vTexCoord;
#endif
#ifdef CLIP
varying float vClipDistance;
#endif

void main() {
#ifdef CLIP
    if (vClipDistance < 0.0) {
        discard;
    }
#endif
    vec4 color = vColor;
#ifdef TEXTURED
    vec4 texel = texture2D(uTexture, vTexCoord);
#ifdef ALPHA_TEXTURE
    color.a *= texel.a;
#else
    color.rgb *= texel.rgb;
#endif
#endif
#ifdef ALPHA_TEST
    if (!(color.a > uAlphaReference)) {
        discard;
    }
#endif
    gl_FragColor = color;
}
)";

enum Uniform {
    ModelviewUniform,
    ProjectionUniform,
    NormalMatrixUniform,
    LightPositionUniform,
    LightAmbientUniform,
    LightDiffuseUniform,
    SpotDirectionUniform,
    SpotExponentUniform,
    SpotCosCutoffUniform,
    MaterialAmbientUniform,
    MaterialDiffuseUniform,
    ClipPlaneUniform,
    CurrentColorUniform,
    CurrentNormalUniform,
    CurrentTexCoordUniform,
    AlphaReferenceUniform,
    TextureUniform,
    ExpandWidthUniform,
    ViewportUniform,
    UniformCount
};

constexpr const char* uniformNames[UniformCount] = {
    "uModelview",       "uProjection",    "uNormalMatrix", "uLightPosition", "uLightAmbient",
    "uLightDiffuse",    "uSpotDirection", "uSpotExponent", "uSpotCosCutoff", "uMaterialAmbient",
    "uMaterialDiffuse", "uClipPlane",     "uCurrentColor", "uCurrentNormal", "uCurrentTexCoord",
    "uAlphaReference",  "uTexture",       "uExpandWidth",  "uViewport",
};

std::string Defines(const unsigned f) {
    std::string defines = "#version 100\n";
    for (unsigned bit = 0; bit < sizeof featureNames / sizeof featureNames[0]; ++bit) {
        if ((f & (1u << bit)) != 0) {
            defines += std::string("#define ") + featureNames[bit] + "\n";
        }
    }
    constexpr const char* reads[AttributeCount] = {
        "READS_POSITION",   "READS_NORMAL",        "READS_COLOR",
        "READS_TEXCOORD",   "READS_FLAT_POSITION", "READS_FLAT_NORMAL",
        "READS_FLAT_COLOR", "READS_OTHER_END",     "READS_CORNER"};
    for (int a = 0; a < AttributeCount; ++a) {
        if (Reads(f, static_cast<Attribute>(a))) {
            defines += std::string("#define ") + reads[a] + "\n";
        }
    }
    return defines;
}

GLuint Compile(const GLenum kind, const std::string& source) {
    const GLuint shader = glCreateShader(kind);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
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

struct EsProgram::Variant {
    unsigned features = 0;
    GLuint program = 0;
    GLint uniforms[UniformCount] = {};
    EsDrawState last;
    bool anyDrawn = false;
};

EsProgram::EsProgram() = default;

EsProgram::~EsProgram() {
    for (Variant* variant : variants) {
        delete variant;
    }
}

bool EsProgram::Use(const EsDrawState& s) {
    const unsigned features = FeaturesOf(s);
    if (current == nullptr || current->features != features) {
        current = nullptr;
        for (Variant* variant : variants) {
            if (variant->features == features) {
                current = variant;
                break;
            }
        }
        if (current == nullptr) {
            auto* made = new Variant;
            made->features = features;
            variants.push_back(made);
            current = made;
            const std::string defines = Defines(features);
            const GLuint vertex = Compile(GL_VERTEX_SHADER, defines + vertexBody);
            const GLuint fragment = Compile(GL_FRAGMENT_SHADER, defines + fragmentBody);
            if (vertex != 0 && fragment != 0) {
                made->program = glCreateProgram();
                glAttachShader(made->program, vertex);
                glAttachShader(made->program, fragment);
                for (int a = 0; a < AttributeCount; ++a) {
                    glBindAttribLocation(made->program, static_cast<GLuint>(a), attributeNames[a]);
                }
                glLinkProgram(made->program);
                GLint linked = GL_FALSE;
                glGetProgramiv(made->program, GL_LINK_STATUS, &linked);
                if (linked != GL_TRUE) {
                    char log[1024] = "";
                    glGetProgramInfoLog(made->program, sizeof log, nullptr, log);
                    std::fprintf(stderr, "Gullmar: the driver refuses the layer's program: %s\n",
                                 log);
                    glDeleteProgram(made->program);
                    made->program = 0;
                }
            }
            if (vertex != 0) {
                glDeleteShader(vertex);
            }
            if (fragment != 0) {
                glDeleteShader(fragment);
            }
            for (int u = 0; u < UniformCount; ++u) {
                made->uniforms[u] =
                    made->program != 0 ? glGetUniformLocation(made->program, uniformNames[u]) : -1;
            }
        }
    }
    Variant& v = *current;
    if (v.program == 0) {
        return false;
    }
    glUseProgram(v.program);
    const bool all = !v.anyDrawn;
    const EsDrawState& o = v.last;
    const GLint* u = v.uniforms;
    // A uniform the variant has not is -1, which the calls skip; each is
    // sent only when it changed since this variant's last draw.
    const auto vec4 = [&](const Uniform which, const float* now, const float* before) {
        if (u[which] >= 0 && (all || !Same(now, before, 4))) {
            glUniform4fv(u[which], 1, now);
        }
    };
    const auto number = [&](const Uniform which, const float now, const float before) {
        if (u[which] >= 0 && (all || now != before)) {
            glUniform1f(u[which], now);
        }
    };
    if (all && u[TextureUniform] >= 0) {
        glUniform1i(u[TextureUniform], 0);
    }
    if (all || !Same(s.modelview.m, o.modelview.m, 16)) {
        if (u[ModelviewUniform] >= 0) {
            glUniformMatrix4fv(u[ModelviewUniform], 1, GL_FALSE, s.modelview.m);
        }
        if (u[NormalMatrixUniform] >= 0) {
            float normal[9];
            InverseTranspose(s.modelview, normal);
            glUniformMatrix3fv(u[NormalMatrixUniform], 1, GL_FALSE, normal);
        }
    }
    if (u[ProjectionUniform] >= 0 && (all || !Same(s.projection.m, o.projection.m, 16))) {
        glUniformMatrix4fv(u[ProjectionUniform], 1, GL_FALSE, s.projection.m);
    }
    vec4(LightPositionUniform, s.lightPosition, o.lightPosition);
    vec4(LightAmbientUniform, s.lightAmbient, o.lightAmbient);
    vec4(LightDiffuseUniform, s.lightDiffuse, o.lightDiffuse);
    if (u[SpotDirectionUniform] >= 0 && (all || !Same(s.spotDirection, o.spotDirection, 3))) {
        glUniform3fv(u[SpotDirectionUniform], 1, s.spotDirection);
    }
    number(SpotExponentUniform, s.spotExponent, o.spotExponent);
    if (u[SpotCosCutoffUniform] >= 0 && (all || s.spotCutoff != o.spotCutoff)) {
        glUniform1f(u[SpotCosCutoffUniform],
                    std::cos(s.spotCutoff * std::numbers::pi_v<float> / 180.0f));
    }
    vec4(MaterialAmbientUniform, s.materialAmbient, o.materialAmbient);
    vec4(MaterialDiffuseUniform, s.materialDiffuse, o.materialDiffuse);
    vec4(ClipPlaneUniform, s.clipPlane, o.clipPlane);
    vec4(CurrentColorUniform, s.currentColor, o.currentColor);
    if (u[CurrentNormalUniform] >= 0 && (all || !Same(s.currentNormal, o.currentNormal, 3))) {
        glUniform3fv(u[CurrentNormalUniform], 1, s.currentNormal);
    }
    if (u[CurrentTexCoordUniform] >= 0 && (all || !Same(s.currentTexCoord, o.currentTexCoord, 2))) {
        glUniform2fv(u[CurrentTexCoordUniform], 1, s.currentTexCoord);
    }
    number(AlphaReferenceUniform, s.alphaReference, o.alphaReference);
    number(ExpandWidthUniform, s.expandWidth, o.expandWidth);
    if (u[ViewportUniform] >= 0 && (all || !Same(s.viewport, o.viewport, 2))) {
        glUniform2fv(u[ViewportUniform], 1, s.viewport);
    }
    v.last = s;
    v.anyDrawn = true;
    return true;
}

bool EsProgram::ReadsExtra() const {
    const unsigned features = current != nullptr ? current->features : 0;
    for (int a = FlatPositionAttribute; a < AttributeCount; ++a) {
        if (Reads(features, static_cast<Attribute>(a))) {
            return true;
        }
    }
    return false;
}

void EsProgram::BindVertices(const size_t mainOffset, const size_t extraOffset) {
    const unsigned features = current != nullptr ? current->features : 0;
    for (int a = 0; a < AttributeCount; ++a) {
        const auto attribute = static_cast<GLuint>(a);
        const unsigned bit = 1u << a;
        if (!Reads(features, static_cast<Attribute>(a))) {
            if ((enabledAttributes & bit) != 0) {
                glDisableVertexAttribArray(attribute);
                enabledAttributes &= ~bit;
            }
            continue;
        }
        const bool extra = attributeOffsets[a] >= mainBytes;
        const size_t offset = extra ? extraOffset + attributeOffsets[a] - mainBytes
                                    : mainOffset + attributeOffsets[a];
        if ((enabledAttributes & bit) == 0) {
            glEnableVertexAttribArray(attribute);
            enabledAttributes |= bit;
        }
        glVertexAttribPointer(attribute, attributeSizes[a], GL_FLOAT, GL_FALSE,
                              static_cast<GLsizei>(extra ? extraBytes : mainBytes),
                              reinterpret_cast<const void*>(offset));
    }
}

void EsProgram::LetGo() {
    glUseProgram(0);
    for (int a = 0; a < AttributeCount; ++a) {
        if ((enabledAttributes & (1u << a)) != 0) {
            glDisableVertexAttribArray(static_cast<GLuint>(a));
        }
    }
    enabledAttributes = 0;
    current = nullptr;
}
