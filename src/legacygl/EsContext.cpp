#include "legacygl/EsContext.h"

#include <GLES2/gl2.h>

#include <array>
#include <cstring>
#include <map>

namespace {

std::map<int, std::unique_ptr<EsContext>> contexts;
int currentWindow = -1;
EsContext* current = nullptr;
// The windows that lie in areas of one surface (the browser's canvas) and
// where; empty while each window has a context of its own.
std::map<int, std::array<GLint, 4>> areas;

void CopyCorner(const Corner& corner, EsVertex& vertex) {
    std::memcpy(vertex.position, corner.position, sizeof vertex.position);
    std::memcpy(vertex.normal, corner.normal, sizeof vertex.normal);
    std::memcpy(vertex.color, corner.color, sizeof vertex.color);
    std::memcpy(vertex.texCoord, corner.texCoord, sizeof vertex.texCoord);
}

// A vertex of a primitive whose flat colour, normal and place come from
// `provoking`.
EsVertex Make(const Corner& corner, const Corner& provoking) {
    EsVertex vertex{};
    CopyCorner(corner, vertex);
    for (int i = 0; i < 3; ++i) {
        vertex.flatPosition[i] = provoking.position[i] / provoking.position[3];
        vertex.flatNormal[i] = provoking.normal[i];
    }
    std::memcpy(vertex.flatColor, provoking.color, sizeof vertex.flatColor);
    return vertex;
}

void Triangle(std::vector<EsVertex>& out, const Corner& a, const Corner& b, const Corner& c,
              const Corner& provoking) {
    out.push_back(Make(a, provoking));
    out.push_back(Make(b, provoking));
    out.push_back(Make(c, provoking));
}

// The primitive as triangles, lines or points, each with its provoking
// vertex as OpenGL 1.1 chooses it: a polygon's first, a quad's fourth, a
// triangle's or a line's last.
GLenum Assemble(const GLenum primitive, const std::vector<Corner>& c, std::vector<EsVertex>& out) {
    const size_t n = c.size();
    switch (primitive) {
    case GL_POINTS:
        for (const Corner& corner : c) {
            out.push_back(Make(corner, corner));
        }
        return GL_POINTS;
    case GL_LINES:
        for (size_t i = 0; i + 1 < n; i += 2) {
            out.push_back(Make(c[i], c[i + 1]));
            out.push_back(Make(c[i + 1], c[i + 1]));
        }
        return GL_LINES;
    case GL_LINE_STRIP:
    case GL_LINE_LOOP:
        for (size_t i = 0; i + 1 < n; ++i) {
            out.push_back(Make(c[i], c[i + 1]));
            out.push_back(Make(c[i + 1], c[i + 1]));
        }
        if (primitive == GL_LINE_LOOP && n > 2) {
            out.push_back(Make(c[n - 1], c[0]));
            out.push_back(Make(c[0], c[0]));
        }
        return GL_LINES;
    case GL_TRIANGLES:
        for (size_t i = 0; i + 2 < n; i += 3) {
            Triangle(out, c[i], c[i + 1], c[i + 2], c[i + 2]);
        }
        return GL_TRIANGLES;
    case GL_TRIANGLE_STRIP:
        for (size_t i = 0; i + 2 < n; ++i) {
            if (i % 2 == 0) {
                Triangle(out, c[i], c[i + 1], c[i + 2], c[i + 2]);
            } else {
                Triangle(out, c[i + 1], c[i], c[i + 2], c[i + 2]);
            }
        }
        return GL_TRIANGLES;
    case GL_QUADS:
        for (size_t i = 0; i + 3 < n; i += 4) {
            Triangle(out, c[i], c[i + 1], c[i + 3], c[i + 3]);
            Triangle(out, c[i + 1], c[i + 2], c[i + 3], c[i + 3]);
        }
        return GL_TRIANGLES;
    case GL_POLYGON:
    default:
        for (size_t i = 1; i + 1 < n; ++i) {
            Triangle(out, c[0], c[i], c[i + 1], c[0]);
        }
        return GL_TRIANGLES;
    }
}

// Lines and points as triangles `width` pixels across: each vertex goes out
// from its line or point by a corner that the vertex shader scales.
std::vector<EsVertex> Expand(const GLenum mode, const std::vector<EsVertex>& given) {
    std::vector<EsVertex> out;
    const auto corner = [](EsVertex vertex, const EsVertex& other, const float x, const float y) {
        std::memcpy(vertex.otherEnd, other.position, sizeof vertex.otherEnd);
        vertex.corner[0] = x;
        vertex.corner[1] = y;
        return vertex;
    };
    if (mode == GL_POINTS) {
        for (const EsVertex& p : given) {
            const EsVertex a = corner(p, p, -1, -1), b = corner(p, p, 1, -1);
            const EsVertex c = corner(p, p, 1, 1), d = corner(p, p, -1, 1);
            out.insert(out.end(), {a, b, c, a, c, d});
        }
        return out;
    }
    for (size_t i = 0; i + 1 < given.size(); i += 2) {
        const EsVertex& a = given[i];
        const EsVertex& b = given[i + 1];
        // Seen from its own end, each end's side is the other's turned round.
        const EsVertex a1 = corner(a, b, 1, 0), a2 = corner(a, b, -1, 0);
        const EsVertex b1 = corner(b, a, -1, 0), b2 = corner(b, a, 1, 0);
        out.insert(out.end(), {a1, a2, b1, a2, b2, b1});
    }
    return out;
}

} // namespace

void LayOut(const std::vector<EsVertex>& vertices, const bool withExtra, std::vector<char>& out) {
    const size_t count = vertices.size();
    out.resize(count * (EsProgram::mainBytes + (withExtra ? EsProgram::extraBytes : 0)));
    char* main = out.data();
    char* extra = main + count * EsProgram::mainBytes;
    for (size_t i = 0; i < count; ++i) {
        const char* vertex = reinterpret_cast<const char*>(&vertices[i]);
        std::memcpy(main + i * EsProgram::mainBytes, vertex, EsProgram::mainBytes);
        if (withExtra) {
            std::memcpy(extra + i * EsProgram::extraBytes, vertex + EsProgram::mainBytes,
                        EsProgram::extraBytes);
        }
    }
}

namespace {

void Viewport(float size[2]) {
    GLint viewport[4] = {0, 0, 1, 1};
    glGetIntegerv(GL_VIEWPORT, viewport);
    size[0] = static_cast<float>(viewport[2] > 0 ? viewport[2] : 1);
    size[1] = static_cast<float>(viewport[3] > 0 ? viewport[3] : 1);
}

} // namespace

EsContext& CurrentEsContext(const bool keepPending) {
    const int window = glut::GetWindow();
    if (current == nullptr || window != currentWindow) {
        const bool shared = !areas.empty();
        if (shared && current != nullptr) {
            // The next window's program will want arrays of its own.
            current->FlushGlyphs();
            current->program.LetGo();
        }
        std::unique_ptr<EsContext>& context = contexts[window];
        if (!context) {
            context = std::make_unique<EsContext>();
            glGenBuffers(1, &context->streamBuffer);
        }
        current = context.get();
        currentWindow = window;
        if (shared) {
            const auto area = areas.find(window);
            current->hasArea = area != areas.end();
            if (current->hasArea) {
                std::memcpy(current->area, area->second.data(), sizeof current->area);
            }
            current->Resume();
        }
    }
    if (!keepPending && !current->pendingGlyphs.empty()) {
        current->FlushGlyphs();
    }
    return *current;
}

void ForgetEsContexts() {
    areas.clear();
    contexts.clear();
    current = nullptr;
    currentWindow = -1;
}

void ForgetEsContext(const int window) {
    areas.erase(window);
    if (window == currentWindow && current != nullptr && !areas.empty()) {
        current->program.LetGo();
    }
    contexts.erase(window);
    if (window == currentWindow) {
        current = nullptr;
        currentWindow = -1;
    }
}

void SetEsWindowArea(const int window, const GLint area[4]) {
    areas[window] = {area[0], area[1], area[2], area[3]};
    if (window == currentWindow && current != nullptr) {
        current->hasArea = true;
        std::memcpy(current->area, area, sizeof current->area);
        current->Resume();
    } else if (current != nullptr) {
        // From now on the windows share the surface: the next call sets the
        // state of its window anew.
        current->program.LetGo();
        current = nullptr;
        currentWindow = -1;
    }
}

void EsContext::PlaceViewport() const {
    if (viewportSet) {
        glViewport(viewport[0] + (hasArea ? area[0] : 0), viewport[1] + (hasArea ? area[1] : 0),
                   viewport[2], viewport[3]);
    }
}

void EsContext::Resume() {
    PlaceViewport();
    if (hasArea) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(area[0], area[1], area[2], area[3]);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
    const auto set = [](const GLenum cap, const bool on) { on ? glEnable(cap) : glDisable(cap); };
    set(GL_BLEND, enabled.blend);
    set(GL_DEPTH_TEST, enabled.depthTest);
    set(GL_CULL_FACE, enabled.cullFace);
    glBlendFunc(blendSource, blendDestination);
    glClearColor(clearColor[0], clearColor[1], clearColor[2], clearColor[3]);
    glBindTexture(GL_TEXTURE_2D, boundTexture);
    glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
}

EsDrawState EsContext::DrawState() const {
    EsDrawState s;
    s.modelview = modelview.back();
    s.projection = projection.back();
    s.lighting = enabled.lighting;
    s.light0 = enabled.light0;
    s.colorMaterial = enabled.colorMaterial;
    s.normalize = enabled.normalize;
    s.flat = shadeModel == GL_FLAT;
    std::memcpy(s.lightPosition, lightPosition, sizeof s.lightPosition);
    std::memcpy(s.spotDirection, spotDirection, sizeof s.spotDirection);
    s.spotExponent = spotExponent;
    s.spotCutoff = spotCutoff;
    const auto texture = textures.find(boundTexture);
    s.texture = enabled.texture2D && boundTexture != 0 && texture != textures.end();
    s.alphaTexture = s.texture && texture->second.alpha;
    s.alphaTest = enabled.alphaTest && alphaFunction == GL_GREATER;
    s.alphaReference = alphaReference;
    s.clip = enabled.clipPlane0;
    std::memcpy(s.clipPlane, clipPlane, sizeof s.clipPlane);
    std::memcpy(s.currentColor, current.color, sizeof s.currentColor);
    std::memcpy(s.currentNormal, current.normal, sizeof s.currentNormal);
    std::memcpy(s.currentTexCoord, current.texCoord, sizeof s.currentTexCoord);
    return s;
}

void EsContext::Emit(const GLenum primitiveType, const std::vector<Corner>& given) {
    std::vector<EsVertex> assembled;
    const GLenum mode = Assemble(primitiveType, given, assembled);
    if (assembled.empty()) {
        return;
    }
    if (!compiling) {
        Draw(mode, assembled, DrawState());
        return;
    }
    ListDraw draw;
    draw.mode = mode;
    draw.first = static_cast<int>(compiling->vertices.size());
    draw.count = static_cast<int>(assembled.size());
    draw.colorFromCurrent = !listSetColor;
    draw.normalFromCurrent = !listSetNormal;
    draw.texCoordFromCurrent = !listSetTexCoord;
    compiling->vertices.insert(compiling->vertices.end(), assembled.begin(), assembled.end());
    // Geometry that follows geometry of the same kind, with nothing between,
    // is drawn with it.
    if (!compiling->steps.empty()) {
        ListDraw* previous = std::get_if<ListDraw>(&compiling->steps.back());
        if (previous != nullptr && previous->mode == draw.mode &&
            previous->first + previous->count == draw.first &&
            previous->colorFromCurrent == draw.colorFromCurrent &&
            previous->normalFromCurrent == draw.normalFromCurrent &&
            previous->texCoordFromCurrent == draw.texCoordFromCurrent) {
            previous->count += draw.count;
            return;
        }
    }
    compiling->steps.emplace_back(draw);
}

void EsContext::Draw(const GLenum mode, const std::vector<EsVertex>& vertices, EsDrawState state) {
    GLenum drawn = mode;
    const std::vector<EsVertex>* data = &vertices;
    std::vector<EsVertex> expanded;
    const float width = mode == GL_POINTS ? pointSize : lineWidth;
    if (mode != GL_TRIANGLES && width > 1.0f) {
        expanded = Expand(mode, vertices);
        data = &expanded;
        drawn = GL_TRIANGLES;
        state.expandWidth = width;
        state.points = mode == GL_POINTS;
        Viewport(state.viewport);
    }
    if (!program.Use(state)) {
        return;
    }
    const size_t count = data->size();
    LayOut(*data, program.ReadsExtra(), staging);
    glBindBuffer(GL_ARRAY_BUFFER, streamBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(staging.size()), staging.data(),
                 GL_STREAM_DRAW);
    program.BindVertices(0, count * EsProgram::mainBytes);
    glDrawArrays(drawn, 0, static_cast<GLsizei>(count));
}

void EsContext::DrawBuffered(const GLenum mode, const DisplayList& list, const int first,
                             const int count, const EsDrawState& state) {
    if (!program.Use(state)) {
        return;
    }
    glBindBuffer(GL_ARRAY_BUFFER, list.buffer);
    program.BindVertices(0, list.vertices.size() * EsProgram::mainBytes);
    glDrawArrays(mode, first, count);
}

void EsContext::CallList(const GLuint name) {
    const auto found = lists.find(name);
    // A list calling itself, directly or not, ends at a depth GL allows.
    constexpr int deepestCall = 64;
    if (found == lists.end() || callDepth >= deepestCall) {
        return;
    }
    DisplayList& list = *found->second;
    ++callDepth;
    for (const ListStep& step : list.steps) {
        if (const ListDraw* draw = std::get_if<ListDraw>(&step)) {
            EsDrawState state = DrawState();
            state.colorFromCurrent = draw->colorFromCurrent;
            state.normalFromCurrent = draw->normalFromCurrent;
            state.texCoordFromCurrent = draw->texCoordFromCurrent;
            const float width = draw->mode == GL_POINTS ? pointSize : lineWidth;
            if (draw->mode != GL_TRIANGLES && width > 1.0f) {
                const std::vector<EsVertex> part(list.vertices.begin() + draw->first,
                                                 list.vertices.begin() + draw->first + draw->count);
                Draw(draw->mode, part, state);
            } else {
                DrawBuffered(draw->mode, list, draw->first, draw->count, state);
            }
        } else {
            std::get<std::function<void(EsContext&)>>(step)(*this);
        }
    }
    --callDepth;
}
