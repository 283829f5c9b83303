#include "legacygl/EsGl.h"

#include "legacygl/EsContext.h"
#include "legacygl/EsText.h"
#include "legacygl/Gl.h"
#include "legacygl/SphereMesh.h"
#include "legacygl/UnitCube.h"

#include <GLES2/gl2.h>

#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

bool active = false;

// What the desktop's header calls these, for the bits and values the game
// uses that ES 2 has no name for.
constexpr GLenum glQuads = 0x0007;
constexpr GLint glClamp = 0x2900;

// While a list is compiled, the calls that lists keep are kept in it instead
// of carried out: `step` runs when the list is called.
template <typename Step> bool Kept(EsContext& c, Step&& step) {
    if (!c.compiling) {
        return false;
    }
    c.compiling->steps.emplace_back(std::function<void(EsContext&)>(std::forward<Step>(step)));
    return true;
}

// The same call, carried out now or kept in the list being compiled.
template <typename Step> void Do(Step&& step) {
    EsContext& c = CurrentEsContext();
    if (!Kept(c, step)) {
        step(c);
    }
}

// --- capabilities

bool* Flag(Capabilities& enabled, const GLenum cap) {
    switch (cap) {
    case GL_LIGHTING:
        return &enabled.lighting;
    case GL_LIGHT0:
        return &enabled.light0;
    case GL_COLOR_MATERIAL:
        return &enabled.colorMaterial;
    case GL_NORMALIZE:
        return &enabled.normalize;
    case GL_TEXTURE_2D:
        return &enabled.texture2D;
    case GL_ALPHA_TEST:
        return &enabled.alphaTest;
    case GL_CLIP_PLANE0:
        return &enabled.clipPlane0;
    case GL_BLEND:
        return &enabled.blend;
    case GL_DEPTH_TEST:
        return &enabled.depthTest;
    case GL_CULL_FACE:
        return &enabled.cullFace;
    default:
        return nullptr;
    }
}

// Blending, the depth test and face culling are ES 2's own.
bool PassedOn(const GLenum cap) {
    return cap == GL_BLEND || cap == GL_DEPTH_TEST || cap == GL_CULL_FACE;
}

void SetCapability(EsContext& c, const GLenum cap, const bool on) {
    bool* flag = Flag(c.enabled, cap);
    if (flag == nullptr) {
        return;
    }
    *flag = on;
    if (PassedOn(cap)) {
        if (on) {
            glEnable(cap);
        } else {
            glDisable(cap);
        }
    }
}

void Enable(const GLenum cap) {
    Do([cap](EsContext& c) { SetCapability(c, cap, true); });
}

void Disable(const GLenum cap) {
    Do([cap](EsContext& c) { SetCapability(c, cap, false); });
}

GLboolean IsEnabled(const GLenum cap) {
    const bool* flag = Flag(CurrentEsContext().enabled, cap);
    return flag != nullptr && *flag ? GL_TRUE : GL_FALSE;
}

// --- matrices

void MultiplyTop(EsContext& c, const Mat4& m) {
    c.Top() = c.Top() * m;
}

void MatrixMode(const GLenum mode) {
    Do([mode](EsContext& c) { c.matrixMode = mode; });
}

void PushMatrix() {
    Do([](EsContext& c) { c.Stack().push_back(c.Top()); });
}

void PopMatrix() {
    Do([](EsContext& c) {
        if (c.Stack().size() > 1) {
            c.Stack().pop_back();
        }
    });
}

void LoadIdentity() {
    Do([](EsContext& c) { c.Top() = Mat4{}; });
}

void LoadMatrixf(const GLfloat* m) {
    const Mat4 matrix = Mat4::FromArray(m);
    Do([matrix](EsContext& c) { c.Top() = matrix; });
}

void Multiply(const Mat4& m) {
    Do([m](EsContext& c) { MultiplyTop(c, m); });
}

void Translatef(const GLfloat x, const GLfloat y, const GLfloat z) {
    Multiply(Mat4::Translation(x, y, z));
}

void Scalef(const GLfloat x, const GLfloat y, const GLfloat z) {
    Multiply(Mat4::Scale(x, y, z));
}

void Rotatef(const GLfloat angle, const GLfloat x, const GLfloat y, const GLfloat z) {
    Multiply(Mat4::Rotation(angle, x, y, z));
}

void Ortho(const GLdouble left, const GLdouble right, const GLdouble bottom, const GLdouble top,
           const GLdouble nearVal, const GLdouble farVal) {
    Multiply(Mat4::Ortho(left, right, bottom, top, nearVal, farVal));
}

void GluOrtho2D(const GLdouble left, const GLdouble right, const GLdouble bottom,
                const GLdouble top) {
    Multiply(Mat4::Ortho(left, right, bottom, top, -1.0, 1.0));
}

void GluPerspective(const GLdouble fovy, const GLdouble aspect, const GLdouble zNear,
                    const GLdouble zFar) {
    Multiply(Mat4::Perspective(fovy, aspect, zNear, zFar));
}

void GluLookAt(const GLdouble eyeX, const GLdouble eyeY, const GLdouble eyeZ,
               const GLdouble centerX, const GLdouble centerY, const GLdouble centerZ,
               const GLdouble upX, const GLdouble upY, const GLdouble upZ) {
    float forward[3] = {static_cast<float>(centerX - eyeX), static_cast<float>(centerY - eyeY),
                        static_cast<float>(centerZ - eyeZ)};
    float up[3] = {static_cast<float>(upX), static_cast<float>(upY), static_cast<float>(upZ)};
    const auto normalize = [](float v[3]) {
        const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        if (length != 0.0f) {
            v[0] /= length;
            v[1] /= length;
            v[2] /= length;
        }
    };
    const auto cross = [](const float a[3], const float b[3], float out[3]) {
        out[0] = a[1] * b[2] - a[2] * b[1];
        out[1] = a[2] * b[0] - a[0] * b[2];
        out[2] = a[0] * b[1] - a[1] * b[0];
    };
    normalize(forward);
    float side[3];
    cross(forward, up, side);
    normalize(side);
    cross(side, forward, up);
    Mat4 m;
    for (int i = 0; i < 3; ++i) {
        m(0, i) = side[i];
        m(1, i) = up[i];
        m(2, i) = -forward[i];
    }
    Multiply(m * Mat4::Translation(static_cast<float>(-eyeX), static_cast<float>(-eyeY),
                                   static_cast<float>(-eyeZ)));
}

void GetFloatv(const GLenum pname, GLfloat* params) {
    EsContext& c = CurrentEsContext();
    switch (pname) {
    case GL_PROJECTION_MATRIX:
        std::memcpy(params, c.projection.back().m, sizeof(float) * 16);
        break;
    case 0x0BA6: // GL_MODELVIEW_MATRIX
        std::memcpy(params, c.modelview.back().m, sizeof(float) * 16);
        break;
    case 0x0B00: // GL_CURRENT_COLOR
        std::memcpy(params, c.current.color, sizeof(float) * 4);
        break;
    default:
        glGetFloatv(pname, params);
        break;
    }
}

// --- the current attributes and immediate mode

// The current colour, normal and texture coordinate are not kept in a list
// call by call: its vertices take them as they are given, and the list
// leaves the last ones current (EndList).
void Color(const float r, const float g, const float b, const float a) {
    EsContext& c = CurrentEsContext(true);
    c.current.color[0] = r;
    c.current.color[1] = g;
    c.current.color[2] = b;
    c.current.color[3] = a;
    c.listSetColor = c.listSetColor || c.compiling != nullptr;
}

void Color3f(const GLfloat r, const GLfloat g, const GLfloat b) {
    Color(r, g, b, 1.0f);
}

void Color3fv(const GLfloat* v) {
    Color(v[0], v[1], v[2], 1.0f);
}

void Color4f(const GLfloat r, const GLfloat g, const GLfloat b, const GLfloat a) {
    Color(r, g, b, a);
}

void Color4fv(const GLfloat* v) {
    Color(v[0], v[1], v[2], v[3]);
}

void Normal3f(const GLfloat x, const GLfloat y, const GLfloat z) {
    EsContext& c = CurrentEsContext(true);
    c.current.normal[0] = x;
    c.current.normal[1] = y;
    c.current.normal[2] = z;
    c.listSetNormal = c.listSetNormal || c.compiling != nullptr;
}

void Normal3fv(const GLfloat* v) {
    Normal3f(v[0], v[1], v[2]);
}

void TexCoord2f(const GLfloat s, const GLfloat t) {
    EsContext& c = CurrentEsContext(true);
    c.current.texCoord[0] = s;
    c.current.texCoord[1] = t;
    c.listSetTexCoord = c.listSetTexCoord || c.compiling != nullptr;
}

void TexCoord2fv(const GLfloat* v) {
    TexCoord2f(v[0], v[1]);
}

void Begin(const GLenum mode) {
    EsContext& c = CurrentEsContext();
    c.inBegin = true;
    c.primitive = mode;
    c.corners.clear();
}

void Vertex(const float x, const float y, const float z) {
    EsContext& c = CurrentEsContext(true);
    Corner corner = c.current;
    corner.position[0] = x;
    corner.position[1] = y;
    corner.position[2] = z;
    corner.position[3] = 1.0f;
    c.corners.push_back(corner);
}

void Vertex2f(const GLfloat x, const GLfloat y) {
    Vertex(x, y, 0.0f);
}

void Vertex3f(const GLfloat x, const GLfloat y, const GLfloat z) {
    Vertex(x, y, z);
}

void Vertex3fv(const GLfloat* v) {
    Vertex(v[0], v[1], v[2]);
}

void End() {
    EsContext& c = CurrentEsContext(true);
    c.inBegin = false;
    std::vector<Corner> corners;
    corners.swap(c.corners);
    c.Emit(c.primitive, corners);
}

void EnableClientState(const GLenum cap) {
    if (cap == GL_VERTEX_ARRAY) {
        CurrentEsContext().vertexArray = true;
    }
}

void DisableClientState(const GLenum cap) {
    if (cap == GL_VERTEX_ARRAY) {
        CurrentEsContext().vertexArray = false;
    }
}

void VertexPointer(const GLint size, const GLenum type, const GLsizei stride, const void* pointer) {
    EsContext& c = CurrentEsContext();
    if (type != GL_FLOAT) {
        return;
    }
    c.arraySize = size;
    c.arrayStride = stride;
    c.arrayPointer = static_cast<const float*>(pointer);
}

// The array's vertices, by byte indices, with the current attributes: read
// now, as a list keeps them too.
void DrawElements(const GLenum mode, const GLsizei count, const GLenum type, const void* indices) {
    EsContext& c = CurrentEsContext();
    if (!c.vertexArray || c.arrayPointer == nullptr || type != GL_UNSIGNED_BYTE || count <= 0) {
        return;
    }
    const auto* index = static_cast<const GLubyte*>(indices);
    const size_t step = c.arrayStride != 0 ? static_cast<size_t>(c.arrayStride) / sizeof(float)
                                           : static_cast<size_t>(c.arraySize);
    std::vector<Corner> corners;
    for (GLsizei i = 0; i < count; ++i) {
        const float* p = c.arrayPointer + step * index[i];
        Corner corner = c.current;
        corner.position[0] = p[0];
        corner.position[1] = c.arraySize > 1 ? p[1] : 0.0f;
        corner.position[2] = c.arraySize > 2 ? p[2] : 0.0f;
        corner.position[3] = c.arraySize > 3 ? p[3] : 1.0f;
        corners.push_back(corner);
    }
    c.Emit(mode == glQuads ? glQuads : mode, corners);
}

// --- lighting, shading, the clip plane

void Lightfv(const GLenum light, const GLenum pname, const GLfloat* params) {
    if (light != GL_LIGHT0) {
        return;
    }
    float values[4] = {params[0], 0, 0, 0};
    const int count = pname == GL_POSITION ? 4 : pname == GL_SPOT_DIRECTION ? 3 : 1;
    std::memcpy(values, params, sizeof(float) * static_cast<size_t>(count));
    Do([pname, values](EsContext& c) {
        const Mat4& m = c.modelview.back();
        if (pname == GL_POSITION) {
            m.Transform(values, c.lightPosition);
        } else if (pname == GL_SPOT_DIRECTION) {
            const float direction[4] = {values[0], values[1], values[2], 0.0f};
            float eye[4];
            m.Transform(direction, eye);
            std::memcpy(c.spotDirection, eye, sizeof c.spotDirection);
        } else if (pname == GL_SPOT_EXPONENT) {
            c.spotExponent = values[0];
        } else if (pname == 0x1206) { // GL_SPOT_CUTOFF
            c.spotCutoff = values[0];
        }
    });
}

void Lightf(const GLenum light, const GLenum pname, const GLfloat param) {
    Lightfv(light, pname, &param);
}

void ShadeModel(const GLenum mode) {
    Do([mode](EsContext& c) { c.shadeModel = mode; });
}

void LineWidth(const GLfloat width) {
    Do([width](EsContext& c) { c.lineWidth = width; });
}

void PointSize(const GLfloat size) {
    Do([size](EsContext& c) { c.pointSize = size; });
}

void PolygonMode(GLenum, GLenum) {
    // The game fills its polygons, as ES 2 always does.
}

void ClipPlane(const GLenum plane, const GLdouble* equation) {
    if (plane != GL_CLIP_PLANE0) {
        return;
    }
    const float e[4] = {static_cast<float>(equation[0]), static_cast<float>(equation[1]),
                        static_cast<float>(equation[2]), static_cast<float>(equation[3])};
    Do([e](EsContext& c) {
        // In eye space: the equation times the inverse of the modelview.
        const Mat4 inverse = c.modelview.back().Inverse();
        for (int column = 0; column < 4; ++column) {
            c.clipPlane[column] = e[0] * inverse(0, column) + e[1] * inverse(1, column) +
                                  e[2] * inverse(2, column) + e[3] * inverse(3, column);
        }
    });
}

void AlphaFunc(const GLenum func, const GLfloat ref) {
    Do([func, ref](EsContext& c) {
        c.alphaFunction = func;
        c.alphaReference = ref;
    });
}

void BlendFunc(const GLenum source, const GLenum destination) {
    Do([source, destination](EsContext& c) {
        c.blendSource = source;
        c.blendDestination = destination;
        glBlendFunc(source, destination);
    });
}

// --- the framebuffer

void Clear(const GLbitfield mask) {
    CurrentEsContext();
    glClear(mask);
}

void ClearColor(const GLfloat r, const GLfloat g, const GLfloat b, const GLfloat a) {
    EsContext& c = CurrentEsContext();
    c.clearColor[0] = r;
    c.clearColor[1] = g;
    c.clearColor[2] = b;
    c.clearColor[3] = a;
    glClearColor(r, g, b, a);
}

void Viewport(const GLint x, const GLint y, const GLsizei width, const GLsizei height) {
    EsContext& c = CurrentEsContext();
    c.viewportSet = true;
    c.viewport[0] = x;
    c.viewport[1] = y;
    c.viewport[2] = width;
    c.viewport[3] = height;
    c.PlaceViewport();
}

void PixelStorei(const GLenum pname, const GLint param) {
    EsContext& c = CurrentEsContext();
    if (pname == GL_PACK_ALIGNMENT) {
        c.packAlignment = param;
    } else if (pname == GL_UNPACK_ALIGNMENT) {
        c.unpackAlignment = param;
    } else {
        return;
    }
    glPixelStorei(pname, param);
}

void ReadBuffer(const GLenum mode) {
    // ES 2 reads the buffer being drawn, which is where the game reads.
    CurrentEsContext().readBuffer = mode;
}

// ES 2 reads RGBA bytes; the game asks for RGB or red, rows aligned as it
// said.
void ReadPixels(const GLint x, const GLint y, const GLsizei width, const GLsizei height,
                const GLenum format, const GLenum type, void* pixels) {
    EsContext& c = CurrentEsContext();
    if (width <= 0 || height <= 0 || type != GL_UNSIGNED_BYTE) {
        return;
    }
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x + (c.hasArea ? c.area[0] : 0), y + (c.hasArea ? c.area[1] : 0), width, height,
                 GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glPixelStorei(GL_PACK_ALIGNMENT, c.packAlignment);
    const size_t channels = format == GL_RGB ? 3 : format == GL_RGBA ? 4 : 1;
    const size_t alignment = static_cast<size_t>(c.packAlignment > 0 ? c.packAlignment : 1);
    const size_t rowBytes =
        (static_cast<size_t>(width) * channels + alignment - 1) / alignment * alignment;
    auto* out = static_cast<unsigned char*>(pixels);
    for (GLsizei row = 0; row < height; ++row) {
        for (GLsizei column = 0; column < width; ++column) {
            const unsigned char* in = &rgba[(static_cast<size_t>(row) * static_cast<size_t>(width) +
                                             static_cast<size_t>(column)) *
                                            4];
            unsigned char* to =
                out + static_cast<size_t>(row) * rowBytes + static_cast<size_t>(column) * channels;
            if (format == GL_ALPHA) {
                to[0] = in[3];
            } else {
                std::memcpy(to, in, channels);
            }
        }
    }
}

// --- textures

void GenTextures(const GLsizei n, GLuint* names) {
    EsContext& c = CurrentEsContext();
    glGenTextures(n, names);
    for (GLsizei i = 0; i < n; ++i) {
        c.textures[names[i]] = TextureInfo{};
    }
}

void DeleteTextures(const GLsizei n, const GLuint* names) {
    EsContext& c = CurrentEsContext();
    for (GLsizei i = 0; i < n; ++i) {
        c.textures.erase(names[i]);
        if (c.boundTexture == names[i]) {
            c.boundTexture = 0;
        }
    }
    glDeleteTextures(n, names);
}

void BindTexture(const GLenum target, const GLuint texture) {
    Do([target, texture](EsContext& c) {
        if (target != GL_TEXTURE_2D) {
            return;
        }
        c.boundTexture = texture;
        c.textures.emplace(texture, TextureInfo{});
        glBindTexture(GL_TEXTURE_2D, texture);
    });
}

void TexParameteri(const GLenum target, const GLenum pname, const GLint param) {
    Do([target, pname, param](EsContext& c) {
        if (target != GL_TEXTURE_2D) {
            return;
        }
        TextureInfo& info = c.textures[c.boundTexture];
        GLint passed = param;
        switch (pname) {
        case GL_TEXTURE_MIN_FILTER:
            info.minFilter = param;
            break;
        case GL_TEXTURE_MAG_FILTER:
            info.magFilter = param;
            break;
        case GL_TEXTURE_WRAP_S:
        case GL_TEXTURE_WRAP_T:
            (pname == GL_TEXTURE_WRAP_S ? info.wrapS : info.wrapT) = param;
            // Clamping to the border's colour is not ES 2's; the edge's is
            // the same for the game's textures, which have no border.
            passed = param == glClamp ? GL_CLAMP_TO_EDGE : param;
            break;
        default:
            return;
        }
        glTexParameteri(GL_TEXTURE_2D, pname, passed);
    });
}

void GetTexParameteriv(const GLenum target, const GLenum pname, GLint* params) {
    EsContext& c = CurrentEsContext();
    if (target != GL_TEXTURE_2D) {
        return;
    }
    const TextureInfo& info = c.textures[c.boundTexture];
    switch (pname) {
    case GL_TEXTURE_MIN_FILTER:
        *params = info.minFilter;
        break;
    case GL_TEXTURE_MAG_FILTER:
        *params = info.magFilter;
        break;
    case GL_TEXTURE_WRAP_S:
        *params = info.wrapS;
        break;
    case GL_TEXTURE_WRAP_T:
        *params = info.wrapT;
        break;
    default:
        break;
    }
}

void TexEnvi(GLenum, const GLenum pname, const GLint param) {
    Do([pname, param](EsContext& c) {
        if (pname == GL_TEXTURE_ENV_MODE) {
            c.textureEnvironment = param;
        }
    });
}

// ES 2 takes the same format inside and out; the game's "3" is RGB.
GLenum EsFormat(const GLint internalFormat, const GLenum format) {
    if (internalFormat == 3 || internalFormat == GL_RGB) {
        return GL_RGB;
    }
    if (internalFormat == GL_ALPHA) {
        return GL_ALPHA;
    }
    return format;
}

void TexImage2D(const GLenum target, const GLint level, const GLint internalFormat,
                const GLsizei width, const GLsizei height, const GLint border, const GLenum format,
                const GLenum type, const void* pixels) {
    EsContext& c = CurrentEsContext();
    if (target != GL_TEXTURE_2D || border != 0) {
        return;
    }
    const GLenum esFormat = EsFormat(internalFormat, format);
    c.textures[c.boundTexture].alpha = esFormat == GL_ALPHA;
    glTexImage2D(GL_TEXTURE_2D, level, static_cast<GLint>(esFormat), width, height, 0, esFormat,
                 type, pixels);
}

GLint GluBuild2DMipmaps(const GLenum target, const GLint internalFormat, const GLsizei width,
                        const GLsizei height, const GLenum format, const GLenum type,
                        const void* data) {
    TexImage2D(target, 0, internalFormat, width, height, 0, format, type, data);
    const bool powerOfTwo = (width & (width - 1)) == 0 && (height & (height - 1)) == 0;
    if (powerOfTwo) {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    return 0;
}

// --- the attribute stacks

void PushAttrib(const GLbitfield mask) {
    Do([mask](EsContext& c) {
        SavedAttributes saved;
        saved.mask = mask;
        saved.current = c.current;
        saved.enabled = c.enabled;
        saved.alphaFunction = c.alphaFunction;
        saved.alphaReference = c.alphaReference;
        saved.blendSource = c.blendSource;
        saved.blendDestination = c.blendDestination;
        std::memcpy(saved.clearColor, c.clearColor, sizeof saved.clearColor);
        saved.boundTexture = c.boundTexture;
        saved.textureEnvironment = c.textureEnvironment;
        saved.readBuffer = c.readBuffer;
        c.attributeStack.push_back(saved);
    });
}

void PopAttrib() {
    Do([](EsContext& c) {
        if (c.attributeStack.empty()) {
            return;
        }
        SavedAttributes saved = c.attributeStack.back();
        c.attributeStack.pop_back();
        const GLbitfield mask = saved.mask;
        if ((mask & GL_CURRENT_BIT) != 0) {
            c.current = saved.current;
        }
        if ((mask & GL_ENABLE_BIT) != 0) {
            for (const GLenum cap :
                 {GL_LIGHTING, GL_LIGHT0, GL_COLOR_MATERIAL, GL_NORMALIZE, GL_TEXTURE_2D,
                  GL_ALPHA_TEST, GL_CLIP_PLANE0, GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE}) {
                SetCapability(c, cap, *Flag(saved.enabled, cap));
            }
        }
        if ((mask & GL_COLOR_BUFFER_BIT) != 0) {
            c.alphaFunction = saved.alphaFunction;
            c.alphaReference = saved.alphaReference;
            SetCapability(c, GL_ALPHA_TEST, saved.enabled.alphaTest);
            SetCapability(c, GL_BLEND, saved.enabled.blend);
            c.blendSource = saved.blendSource;
            c.blendDestination = saved.blendDestination;
            glBlendFunc(c.blendSource, c.blendDestination);
            std::memcpy(c.clearColor, saved.clearColor, sizeof c.clearColor);
            glClearColor(c.clearColor[0], c.clearColor[1], c.clearColor[2], c.clearColor[3]);
        }
        if ((mask & GL_TEXTURE_BIT) != 0) {
            SetCapability(c, GL_TEXTURE_2D, saved.enabled.texture2D);
            c.boundTexture = saved.boundTexture;
            glBindTexture(GL_TEXTURE_2D, c.boundTexture);
            c.textureEnvironment = saved.textureEnvironment;
        }
        if ((mask & GL_PIXEL_MODE_BIT) != 0) {
            c.readBuffer = saved.readBuffer;
        }
    });
}

void PushClientAttrib(const GLbitfield mask) {
    EsContext& c = CurrentEsContext();
    c.clientAttributeStack.push_back({mask, c.packAlignment, c.unpackAlignment});
}

void PopClientAttrib() {
    EsContext& c = CurrentEsContext();
    if (c.clientAttributeStack.empty()) {
        return;
    }
    const SavedClientAttributes saved = c.clientAttributeStack.back();
    c.clientAttributeStack.pop_back();
    if ((saved.mask & GL_CLIENT_PIXEL_STORE_BIT) != 0) {
        PixelStorei(GL_PACK_ALIGNMENT, saved.packAlignment);
        PixelStorei(GL_UNPACK_ALIGNMENT, saved.unpackAlignment);
    }
}

// --- display lists

GLuint GenLists(const GLsizei range) {
    EsContext& c = CurrentEsContext();
    if (range <= 0) {
        return 0;
    }
    const GLuint first = c.nextListName;
    c.nextListName += static_cast<GLuint>(range);
    return first;
}

void DeleteLists(const GLuint first, const GLsizei range) {
    EsContext& c = CurrentEsContext();
    for (GLsizei i = 0; i < range; ++i) {
        const auto found = c.lists.find(first + static_cast<GLuint>(i));
        if (found != c.lists.end()) {
            glDeleteBuffers(1, &found->second->buffer);
            c.lists.erase(found);
        }
    }
}

void NewList(const GLuint name, GLenum) {
    EsContext& c = CurrentEsContext();
    if (name == 0 || c.compiling) {
        return;
    }
    c.compiling = std::make_unique<DisplayList>();
    c.compilingName = name;
    c.currentBeforeList = c.current;
    c.listSetColor = false;
    c.listSetNormal = false;
    c.listSetTexCoord = false;
}

void EndList() {
    EsContext& c = CurrentEsContext();
    if (!c.compiling) {
        return;
    }
    if (c.listSetColor || c.listSetNormal || c.listSetTexCoord) {
        const Corner last = c.current;
        const bool color = c.listSetColor, normal = c.listSetNormal, texCoord = c.listSetTexCoord;
        Kept(c, [last, color, normal, texCoord](EsContext& k) {
            if (color) {
                std::memcpy(k.current.color, last.color, sizeof k.current.color);
            }
            if (normal) {
                std::memcpy(k.current.normal, last.normal, sizeof k.current.normal);
            }
            if (texCoord) {
                std::memcpy(k.current.texCoord, last.texCoord, sizeof k.current.texCoord);
            }
        });
    }
    c.current = c.currentBeforeList;
    std::unique_ptr<DisplayList> list = std::move(c.compiling);
    if (!list->vertices.empty()) {
        std::vector<char> laidOut;
        LayOut(list->vertices, true, laidOut);
        glGenBuffers(1, &list->buffer);
        glBindBuffer(GL_ARRAY_BUFFER, list->buffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(laidOut.size()), laidOut.data(),
                     GL_STATIC_DRAW);
    }
    const auto old = c.lists.find(c.compilingName);
    if (old != c.lists.end()) {
        glDeleteBuffers(1, &old->second->buffer);
    }
    c.lists[c.compilingName] = std::move(list);
}

void CallList(const GLuint name) {
    Do([name](EsContext& c) { c.CallList(name); });
}

// --- text and GLUT's shapes

void RasterPos2f(const GLfloat x, const GLfloat y) {
    EsRasterPos(CurrentEsContext(true), x, y);
}

void BitmapCharacter(const int font, const int character) {
    EsBitmapCharacter(CurrentEsContext(true), font, character);
}

void SolidSphere(const GLdouble radius, const GLint slices, const GLint stacks) {
    static std::map<std::pair<int, int>, SphereMesh> meshes;
    const auto key = std::make_pair(static_cast<int>(slices), static_cast<int>(stacks));
    auto found = meshes.find(key);
    if (found == meshes.end()) {
        found = meshes.emplace(key, SphereMesh(slices, stacks)).first;
    }
    const float r = static_cast<float>(radius);
    for (const std::vector<int>& strip : found->second.Strips()) {
        Begin(GL_TRIANGLE_STRIP);
        for (const int index : strip) {
            const SphereMesh::Corner& p = found->second.Points()[static_cast<size_t>(index)];
            Normal3fv(p.data());
            Vertex(p[0] * r, p[1] * r, p[2] * r);
        }
        End();
    }
}

void SolidCube(const GLdouble size) {
    const float s = static_cast<float>(size);
    Begin(GL_TRIANGLES);
    for (int f = 0; f < 6; ++f) {
        Normal3fv(UnitCube::normals[f]);
        for (const int corner : {0, 1, 2, 0, 2, 3}) {
            const float* p = UnitCube::corners[UnitCube::faces[f][corner]];
            Vertex(p[0] * s, p[1] * s, p[2] * s);
        }
    }
    End();
}

bool HasContext() {
    return glut::GetWindow() != 0;
}

constexpr GlTable EsTable() {
    GlTable t{};
    t.AlphaFunc = AlphaFunc;
    t.Begin = Begin;
    t.BindTexture = BindTexture;
    t.BlendFunc = BlendFunc;
    t.CallList = CallList;
    t.Clear = Clear;
    t.ClearColor = ClearColor;
    t.ClipPlane = ClipPlane;
    t.Color3f = Color3f;
    t.Color3fv = Color3fv;
    t.Color4f = Color4f;
    t.Color4fv = Color4fv;
    t.DeleteLists = DeleteLists;
    t.DeleteTextures = DeleteTextures;
    t.Disable = Disable;
    t.DisableClientState = DisableClientState;
    t.DrawElements = DrawElements;
    t.Enable = Enable;
    t.EnableClientState = EnableClientState;
    t.End = End;
    t.EndList = EndList;
    t.GenLists = GenLists;
    t.GenTextures = GenTextures;
    t.GetFloatv = GetFloatv;
    t.GetTexParameteriv = GetTexParameteriv;
    t.IsEnabled = IsEnabled;
    t.Lightf = Lightf;
    t.Lightfv = Lightfv;
    t.LineWidth = LineWidth;
    t.LoadIdentity = LoadIdentity;
    t.LoadMatrixf = LoadMatrixf;
    t.MatrixMode = MatrixMode;
    t.NewList = NewList;
    t.Normal3f = Normal3f;
    t.Normal3fv = Normal3fv;
    t.Ortho = Ortho;
    t.PixelStorei = PixelStorei;
    t.PointSize = PointSize;
    t.PolygonMode = PolygonMode;
    t.PopAttrib = PopAttrib;
    t.PopClientAttrib = PopClientAttrib;
    t.PopMatrix = PopMatrix;
    t.PushAttrib = PushAttrib;
    t.PushClientAttrib = PushClientAttrib;
    t.PushMatrix = PushMatrix;
    t.RasterPos2f = RasterPos2f;
    t.ReadBuffer = ReadBuffer;
    t.ReadPixels = ReadPixels;
    t.Rotatef = Rotatef;
    t.Scalef = Scalef;
    t.ShadeModel = ShadeModel;
    t.TexCoord2f = TexCoord2f;
    t.TexCoord2fv = TexCoord2fv;
    t.TexEnvi = TexEnvi;
    t.TexImage2D = TexImage2D;
    t.TexParameteri = TexParameteri;
    t.Translatef = Translatef;
    t.Vertex2f = Vertex2f;
    t.Vertex3f = Vertex3f;
    t.Vertex3fv = Vertex3fv;
    t.VertexPointer = VertexPointer;
    t.Viewport = Viewport;
    t.GluBuild2DMipmaps = GluBuild2DMipmaps;
    t.GluLookAt = GluLookAt;
    t.GluOrtho2D = GluOrtho2D;
    t.GluPerspective = GluPerspective;
    t.GlutBitmapCharacter = BitmapCharacter;
    t.GlutSolidSphere = SolidSphere;
    t.GlutSolidCube = SolidCube;
    t.HasContext = HasContext;
    return t;
}

} // namespace

#ifdef __EMSCRIPTEN__
// The browser has no other OpenGL: the game draws through the layer from the
// first call (the desktop's table is NativeGl.cpp's).
constinit GlTable glTable = EsTable();
#endif

void UseEsGl() {
    glTable = EsTable();
    active = true;
}

bool UsingEsGl() {
    return active;
}

void StopEsGl() {
    if (!active) {
        return;
    }
    active = false;
    if (glut::GetWindow() != 0) {
        // The driver's fixed function draws again: no program, no buffer.
        CurrentEsContext().program.LetGo();
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
}

void EsBeforeSwap() {
    if (active && glut::GetWindow() != 0) {
        CurrentEsContext();
    }
}

void EsForgetContexts() {
    ForgetEsContexts();
}

void EsWindowArea(const int window, const int x, const int y, const int width,
                  const int height) {
    const GLint area[4] = {x, y, width, height};
    SetEsWindowArea(window, area);
}

void EsWindowDestroyed(const int window) {
    if (active) {
        ForgetEsContext(window);
    }
}
