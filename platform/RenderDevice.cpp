#include "platform/RenderDevice.h"

#include "platform/Platform.h"
#include "platform/QuadShaders.h"
#include "platform/Window.h"

#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <epoxy/gl.h>
#include <limits>
#include <mutex>
#include <string>

namespace plat {

struct Texture {
    GLuint id = 0;
    GLuint depth = 0; // renderbuffer, Target textures that asked for one
    int width = 0, height = 0;
    TextureFormat format = TextureFormat::ARGB8888;
    TextureKind kind = TextureKind::Kept;
};

namespace {

// How far the geometry is drawn up and left of the pixel grid (matches the
// vertex shader): enough to break ties at the rasteriser's subpixel precision.
constexpr float kNudge = 1.0f / 256.0f;
// Quads drawn by one call at most; the index buffer is built for this many.
constexpr int kMaxBatchQuads = 16384;

// Follows kQuadVertexInputs.
const char* const kVertexShader = R"(uniform vec4 uMap;
out vec4 vColour;
out vec2 vUV;
void main()
{
    // Pixel centres sit at integer coordinates: move by half a pixel, less a
    // small nudge (see kNudge) so that an edge on a pixel centre includes it
    // on the top and left and excludes it on the bottom and right, whatever
    // the rasteriser's own rule for ties.
    const float kCentre = 0.5 - 1.0 / 256.0;
    gl_Position = vec4((aPos.x + kCentre) * uMap.x + uMap.z, (aPos.y + kCentre) * uMap.y + uMap.w,
                       aPos.z * 2.0 - 1.0, 1.0);
    vColour = aColour;
    vUV = aUV;
}
)";

// Placed geometry: the caller's matrix, then the clip space of drawing in
// space (depth 0..w, y up) turned into OpenGL's (depth -w..w), turned over
// for render targets (their top row is row 0) and moved by half a pixel so
// that the ends of the range land on pixel centres, as in 2D drawing (with
// the same nudge up and left).
const char* const kSpaceVertexShader = R"(#version 330 core
layout(location = 0) in vec3 aPos;
layout(location = 1) in vec4 aColour;
layout(location = 2) in vec2 aUV;
uniform mat4 uMatrix;
uniform vec4 uMaterial;
uniform float uVertexColour;
uniform vec3 uTarget; // y sign, half a pixel in x and in y (clip units per w)
out vec4 vColour;
out vec2 vUV;
void main()
{
    vec4 c = uMatrix * vec4(aPos, 1.0);
    c.y *= uTarget.x;
    c.x += c.w * uTarget.y;
    c.y += c.w * uTarget.z;
    c.z = c.z * 2.0 - c.w;
    gl_Position = c;
    vColour = mix(vec4(1.0), aColour, uVertexColour) * uMaterial;
    vUV = aUV;
}
)";

// One program per colour combination, chosen by the defines below: the
// rasteriser runs the plainest shader each state allows.
const char* const kFragmentShader = R"(
in vec4 vColour;
in vec2 vUV;
uniform sampler2D uTex;
out vec4 oColour;
void main()
{
#if UNTEXTURED
    oColour = vColour;
#else
    vec4 t = texture(uTex, vUV);
#if ARG1 == 0
    vec3 a1 = t.rgb;
#elif ARG1 == 1
    vec3 a1 = vec3(1.0) - t.rgb;
#else
    vec3 a1 = vColour.rgb;
#endif
#if COLOUR_OP == 1
    vec3 c = a1;
#elif COLOUR_OP == 2
    vec3 c = vec3(dot(a1, vec3(1.0 / 3.0)));
#else
    vec3 c = a1 * vColour.rgb;
#endif
    oColour = vec4(c, t.a * vColour.a);
#endif
}
)";

// Program 0 is untextured; 1 + 3 x colour op + arg1 the textured ones.
constexpr int kNumPrograms = 10;

struct Program {
    GLuint id = 0;
    // The context that last wrote the uniforms.
    void* context = nullptr;
    GLint uMap = -1, uTex = -1;
    // Space programs.
    GLint uMatrix = -1, uMaterial = -1, uVertexColour = -1, uTarget = -1;
};

struct MeshBufferData {
    GLuint vbo = 0, ebo = 0;
    size_t indices = 0;
};

int ProgramIndex(const RenderState& s)
{
    if (s.untextured) return 0;
    int op = s.colourOp == ColourOp::Arg1 ? 1 : s.colourOp == ColourOp::Grey ? 2 : 0;
    int arg = s.arg1 == ColourArg::Complement ? 1 : s.arg1 == ColourArg::Vertex ? 2 : 0;
    return 1 + op * 3 + arg;
}

// Objects that cannot be shared between contexts: one set per context.
struct ContextObjects {
    void* context = nullptr;
    GLuint vao = 0;
    GLuint vaoSpace = 0; // space vertices; buffers bound at each draw
    GLuint fbo = 0; // render-target framebuffer; the target is attached on use
    // The vertices given at each draw. Buffers could be shared, but a buffer
    // whose storage another context replaced may still be read from its old
    // storage here: each context fills buffers of its own.
    GLuint vbo = 0;
    GLuint vboSpace = 0; // strips given in memory
};

struct Device {
    bool exists = false;
    bool lost = false;
    int failResets = 0;
    Program programs[kNumPrograms];
    Program spacePrograms[kNumPrograms];
    GLuint ebo = 0; // the quads' indices, written once
    GLuint samplers[2] = {0, 0}; // nearest, linear
    std::vector<ContextObjects> contexts;

    // Current selections.
    Texture* target = nullptr;
    int targetW = kFieldWidth, targetH = kFieldHeight;
    int vpX = 0, vpY = 0, vpW = kFieldWidth, vpH = kFieldHeight;
    RenderState state;
    Texture* texture = nullptr;

    // The queued quads (4 vertices each), all with the selections above.
    std::vector<QuadVertex> pending;

    // The back buffer's depth holds one value everywhere (no draw has
    // written depth there since it was last cleared whole): clearing it to
    // that value again is skipped.
    bool backDepthUniform = false;
    float backDepth = 1.0f;
};

Device g_dev;
std::mutex g_texMutex;
int g_liveTextures[2] = {0, 0};
int g_liveMeshBuffers = 0;
std::atomic<uint64_t> g_drawCalls{0};

GLuint BuildVariant(int index, bool space)
{
    int op = index ? (index - 1) / 3 : 0, arg = index ? (index - 1) % 3 : 0;
    std::string fragment = "#version 330 core\n#define UNTEXTURED " + std::to_string(index == 0 ? 1 : 0) +
                           "\n#define COLOUR_OP " + std::to_string(op) + "\n#define ARG1 " + std::to_string(arg) +
                           "\n" + kFragmentShader;
    std::string vertex = space ? std::string(kSpaceVertexShader) : std::string(kQuadVertexInputs) + kVertexShader;
    return BuildProgram(vertex.c_str(), fragment.c_str());
}

bool BuildPrograms(Program* programs, bool space)
{
    for (int i = 0; i < kNumPrograms; ++i) {
        Program& p = programs[i];
        p.id = BuildVariant(i, space);
        if (!p.id) return false;
        p.uMap = glGetUniformLocation(p.id, "uMap");
        p.uTex = glGetUniformLocation(p.id, "uTex");
        p.uMatrix = glGetUniformLocation(p.id, "uMatrix");
        p.uMaterial = glGetUniformLocation(p.id, "uMaterial");
        p.uVertexColour = glGetUniformLocation(p.id, "uVertexColour");
        p.uTarget = glGetUniformLocation(p.id, "uTarget");
    }
    return true;
}

// Attributes 0 (position), 1 (colour) and 2 (texture coordinates) of the
// bound vertex array at the SpaceVertex fields of the bound array buffer.
void SetSpaceVertexLayout()
{
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(SpaceVertex), reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(SpaceVertex), reinterpret_cast<void*>(24));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(SpaceVertex), reinterpret_cast<void*>(28));
}

ContextObjects* ContextFor()
{
    void* ctx = SDL_GL_GetCurrentContext();
    if (!ctx) return nullptr;
    for (size_t i = 0; i < g_dev.contexts.size(); ++i) {
        ContextObjects& c = g_dev.contexts[i];
        if (c.context != ctx) continue;
        // A context deleted and another made at the same address: its names
        // mean nothing here any more.
        if (glIsVertexArray(c.vao)) return &c;
        g_dev.contexts.erase(g_dev.contexts.begin() + static_cast<long>(i));
        break;
    }
    ContextObjects c;
    c.context = ctx;
    glGenBuffers(1, &c.vbo);
    glGenBuffers(1, &c.vboSpace);
    glGenVertexArrays(1, &c.vao);
    glBindVertexArray(c.vao);
    glBindBuffer(GL_ARRAY_BUFFER, c.vbo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g_dev.ebo);
    SetQuadVertexLayout();
    glGenVertexArrays(1, &c.vaoSpace);
    glGenFramebuffers(1, &c.fbo);
    g_dev.contexts.push_back(c);
    return &g_dev.contexts.back();
}

// Binds the current target for drawing in this context. False when the
// target framebuffer is not complete.
bool BindTarget(ContextObjects* c)
{
    if (!g_dev.target) {
        glBindFramebuffer(GL_FRAMEBUFFER, BackBufferFramebuffer());
    } else {
        glBindFramebuffer(GL_FRAMEBUFFER, c->fbo);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, g_dev.target->id, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, g_dev.target->depth);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
    }
    glViewport(0, 0, g_dev.targetW, g_dev.targetH);
    // The selected viewport limits drawing and clearing.
    bool whole = g_dev.vpX <= 0 && g_dev.vpY <= 0 && g_dev.vpX + g_dev.vpW >= g_dev.targetW &&
                 g_dev.vpY + g_dev.vpH >= g_dev.targetH;
    if (whole) {
        glDisable(GL_SCISSOR_TEST);
    } else {
        glEnable(GL_SCISSOR_TEST);
        // The back buffer keeps the field's top at its last GL row.
        int y = g_dev.target ? g_dev.vpY : g_dev.targetH - (g_dev.vpY + g_dev.vpH);
        glScissor(g_dev.vpX, y, std::max(0, g_dev.vpW), std::max(0, g_dev.vpH));
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    return true;
}

// Whether blending the queued quads would give their own colour: plain
// alpha blending of untextured quads whose every corner is opaque. Drawn
// without blending, the rasteriser fills them as it clears.
bool PendingOpaque(const RenderState& s)
{
    if (!s.untextured || s.additive || s.blendOp != BlendOp::Add) return false;
    for (const QuadVertex& v : g_dev.pending)
        if ((v.colour >> 24) != 0xFF) return false;
    return true;
}

// Everything of a state but the program; `opaque` draws without blending
// what blending would leave as it is.
void ApplyFixedState(const RenderState& s, bool opaque = false)
{
    if (s.depthTest) {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(s.depthLess ? GL_LESS : GL_ALWAYS);
        glDepthMask(s.depthWrite ? GL_TRUE : GL_FALSE);
    } else {
        glDisable(GL_DEPTH_TEST);
        glDepthMask(GL_FALSE);
    }
    if (s.cullCcw) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        // The back buffer is stored upside down relative to textures: the
        // winding seen on screen flips between the two.
        glFrontFace(g_dev.target ? GL_CCW : GL_CW);
    } else {
        glDisable(GL_CULL_FACE);
    }
    if (opaque)
        glDisable(GL_BLEND);
    else
        glEnable(GL_BLEND);
    glBlendEquation(s.blendOp == BlendOp::Max ? GL_MAX : s.blendOp == BlendOp::Min ? GL_MIN : GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, s.additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, s.wireframe ? GL_LINE : GL_FILL);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, g_dev.texture ? g_dev.texture->id : 0);
    glBindSampler(0, g_dev.samplers[s.linearFilter ? 1 : 0]);
}

// Makes a program current. Its uniforms are shared by every context, but each
// context keeps its own copy of what it last handed to the driver and
// renews it only when a write changes a stored value: a value another
// context has already stored would leave this one drawing with its old copy.
// The first time in a context after another, each uniform is written a value
// never stored (NaN) before the real one, so the real write counts.
void UseProgram(Program& p)
{
    glUseProgram(p.id);
    void* ctx = SDL_GL_GetCurrentContext();
    if (p.context == ctx) return;
    p.context = ctx;
    const float n = std::numeric_limits<float>::quiet_NaN();
    const float m[16] = {n, n, n, n, n, n, n, n, n, n, n, n, n, n, n, n};
    if (p.uMap >= 0) glUniform4fv(p.uMap, 1, m);
    if (p.uMatrix >= 0) glUniformMatrix4fv(p.uMatrix, 1, GL_FALSE, m);
    if (p.uMaterial >= 0) glUniform4fv(p.uMaterial, 1, m);
    if (p.uVertexColour >= 0) glUniform1f(p.uVertexColour, n);
    if (p.uTarget >= 0) glUniform3fv(p.uTarget, 1, m);
}

void ApplyState(const RenderState& s, bool opaque = false)
{
    ApplyFixedState(s, opaque);
    Program& p = g_dev.programs[ProgramIndex(s)];
    UseProgram(p);
    glUniform1i(p.uTex, 0);
    float sx = 2.0f / static_cast<float>(g_dev.targetW), sy = 2.0f / static_cast<float>(g_dev.targetH);
    // Textures keep the field's top at row 0, the back buffer at its last row.
    if (g_dev.target)
        glUniform4f(p.uMap, sx, sy, -1.0f, -1.0f);
    else
        glUniform4f(p.uMap, sx, -sy, -1.0f, 1.0f);
}

void Flush();

// Binds the target with the selected viewport as the drawing area, applies
// the state and the space program for a draw; null when nothing can be
// drawn.
ContextObjects* BeginSpaceDraw(const SpaceDraw& d)
{
    if (!g_dev.exists) return nullptr;
    Flush();
    ContextObjects* c = ContextFor();
    if (!c || !BindTarget(c)) return nullptr;
    int w = std::max(1, g_dev.vpW), h = std::max(1, g_dev.vpH);
    // The back buffer keeps the field's top at its last GL row.
    int y = g_dev.target ? g_dev.vpY : g_dev.targetH - (g_dev.vpY + h);
    glViewport(g_dev.vpX, y, w, h);
    ApplyFixedState(g_dev.state);
    if (!g_dev.target && g_dev.state.depthTest && g_dev.state.depthWrite) g_dev.backDepthUniform = false;
    Program& p = g_dev.spacePrograms[ProgramIndex(g_dev.state)];
    UseProgram(p);
    glUniform1i(p.uTex, 0);
    glUniformMatrix4fv(p.uMatrix, 1, GL_FALSE, d.matrix);
    glUniform4fv(p.uMaterial, 1, d.material);
    glUniform1f(p.uVertexColour, d.vertexColour ? 1.0f : 0.0f);
    // Half a pixel less the nudge of 2D drawing (kNudge), in clip units.
    const float kMedio = 1.0f - 2.0f * kNudge;
    float halfX = kMedio / static_cast<float>(w), halfY = kMedio / static_cast<float>(h);
    if (g_dev.target)
        glUniform3f(p.uTarget, -1.0f, halfX, halfY);
    else
        glUniform3f(p.uTarget, 1.0f, halfX, -halfY);
    glBindVertexArray(c->vaoSpace);
    return c;
}

// What a space draw changed that quads rely on.
void EndSpaceDraw()
{
    glViewport(0, 0, g_dev.targetW, g_dev.targetH);
    g_drawCalls.fetch_add(1, std::memory_order_relaxed);
}

void Flush()
{
    if (g_dev.pending.empty()) return;
    ContextObjects* c = ContextFor();
    if (!c || !BindTarget(c)) {
        g_dev.pending.clear();
        return;
    }
    ApplyState(g_dev.state, PendingOpaque(g_dev.state));
    if (!g_dev.target && g_dev.state.depthTest && g_dev.state.depthWrite) g_dev.backDepthUniform = false;
    glBindVertexArray(c->vao);
    glBindBuffer(GL_ARRAY_BUFFER, c->vbo);
    size_t bytes = g_dev.pending.size() * sizeof(QuadVertex);
    // Fresh storage each time, so the driver need not wait for the last draw.
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), g_dev.pending.data(), GL_STREAM_DRAW);
    GLsizei quads = static_cast<GLsizei>(g_dev.pending.size() / 4);
    glDrawElements(GL_TRIANGLES, quads * 6, GL_UNSIGNED_INT, nullptr);
    g_drawCalls.fetch_add(1, std::memory_order_relaxed);
    g_dev.pending.clear();
}

void ForgetSelections()
{
    g_dev.pending.clear();
    g_dev.target = nullptr;
    g_dev.targetW = kFieldWidth;
    g_dev.targetH = kFieldHeight;
    g_dev.vpX = g_dev.vpY = 0;
    g_dev.vpW = kFieldWidth;
    g_dev.vpH = kFieldHeight;
    g_dev.texture = nullptr;
    g_dev.state = RenderState();
}

void CountTexture(TextureKind kind, int delta)
{
    std::lock_guard<std::mutex> lock(g_texMutex);
    g_liveTextures[kind == TextureKind::Target ? 1 : 0] += delta;
}

} // namespace

bool CreateRenderDevice(bool fullscreen)
{
    if (g_dev.exists) return ResetRenderDevice(fullscreen);
    if (!MainWindowExists() || !SDL_GL_GetCurrentContext()) return false;
    if (IsFullscreen() != fullscreen && !SetFullscreen(fullscreen)) return false;
    if (!BuildPrograms(g_dev.programs, false) || !BuildPrograms(g_dev.spacePrograms, true)) {
        DestroyRenderDevice();
        return false;
    }
    std::vector<uint32_t> idx = QuadIndices(kMaxBatchQuads);
    glGenBuffers(1, &g_dev.ebo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g_dev.ebo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(idx.size() * sizeof(uint32_t)), idx.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glGenSamplers(2, g_dev.samplers);
    for (int i = 0; i < 2; ++i) {
        GLint f = i ? GL_LINEAR : GL_NEAREST;
        glSamplerParameteri(g_dev.samplers[i], GL_TEXTURE_MIN_FILTER, f);
        glSamplerParameteri(g_dev.samplers[i], GL_TEXTURE_MAG_FILTER, f);
        glSamplerParameteri(g_dev.samplers[i], GL_TEXTURE_WRAP_S, GL_REPEAT);
        glSamplerParameteri(g_dev.samplers[i], GL_TEXTURE_WRAP_T, GL_REPEAT);
    }
    g_dev.pending.reserve(static_cast<size_t>(kMaxBatchQuads) * 4);
    ForgetSelections();
    g_dev.lost = false;
    g_dev.failResets = 0;
    g_dev.exists = true;
    if (glGetError() != GL_NO_ERROR) {
        DestroyRenderDevice();
        return false;
    }
    return true;
}

bool ResetRenderDevice(bool fullscreen)
{
    if (!g_dev.exists) return false;
    g_dev.pending.clear();
    if (g_dev.failResets > 0) {
        --g_dev.failResets;
        return false;
    }
    if (LiveTextureCount(TextureKind::Target) > 0 || LiveMeshBufferCount() > 0) return false;
    if (IsFullscreen() != fullscreen && !SetFullscreen(fullscreen)) return false;
    ForgetSelections();
    g_dev.backDepthUniform = false;
    g_dev.lost = false;
    return true;
}

void DestroyRenderDevice()
{
    if (!g_dev.programs[0].id && !g_dev.exists) return;
    void* ctx = SDL_GL_GetCurrentContext();
    if (ctx) {
        for (ContextObjects& c : g_dev.contexts) {
            // Buffers belong to every context; the rest of other contexts'
            // objects go with those contexts.
            if (c.vbo) glDeleteBuffers(1, &c.vbo);
            if (c.vboSpace) glDeleteBuffers(1, &c.vboSpace);
            if (c.context != ctx) continue;
            glDeleteVertexArrays(1, &c.vao);
            glDeleteVertexArrays(1, &c.vaoSpace);
            glDeleteFramebuffers(1, &c.fbo);
        }
        for (Program& p : g_dev.programs)
            if (p.id) glDeleteProgram(p.id);
        for (Program& p : g_dev.spacePrograms)
            if (p.id) glDeleteProgram(p.id);
        if (g_dev.ebo) glDeleteBuffers(1, &g_dev.ebo);
        if (g_dev.samplers[0]) glDeleteSamplers(2, g_dev.samplers);
        glBindFramebuffer(GL_FRAMEBUFFER, BackBufferFramebuffer());
    }
    g_dev = Device();
}

bool RenderDeviceExists() { return g_dev.exists; }
bool RenderDeviceUsable() { return g_dev.exists && !g_dev.lost; }
void SimulateLostDevice()
{
    if (g_dev.exists) g_dev.lost = true;
}
void FailNextResets(int count) { g_dev.failResets = std::max(0, count); }

// Draws what is queued when it uses this texture (as source or target).
static void FlushIfUses(const Texture* texture)
{
    if (texture && (texture == g_dev.texture || texture == g_dev.target)) Flush();
}

// Clears a rectangle of a texture (texture rows, top first) to transparent
// black through this context's target framebuffer; the current target is
// bound again afterwards.
static bool ClearTexture(Texture* t, int x, int y, int width, int height)
{
    ContextObjects* c = ContextFor();
    if (!c) return false;
    glBindFramebuffer(GL_FRAMEBUFFER, c->fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, t->id, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, 0);
    bool ok = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (ok) {
        const bool whole = x == 0 && y == 0 && width == t->width && height == t->height;
        if (whole) {
            glDisable(GL_SCISSOR_TEST);
        } else {
            glEnable(GL_SCISSOR_TEST);
            glScissor(x, y, width, height);
        }
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // Back to the selected target (which may be this texture's own binding).
    if (!BindTarget(c)) glBindFramebuffer(GL_FRAMEBUFFER, BackBufferFramebuffer());
    return ok;
}

Texture* CreateTexture(int width, int height, TextureFormat format, TextureKind kind, bool depth, bool zeroed)
{
    if (!g_dev.exists || width < 1 || height < 1 || width > kMaxTextureSide || height > kMaxTextureSide) return nullptr;
    if (kind == TextureKind::Target) format = TextureFormat::ARGB8888;
    Texture* t = new Texture;
    t->width = width;
    t->height = height;
    t->format = format;
    t->kind = kind;
    glGenTextures(1, &t->id);
    glBindTexture(GL_TEXTURE_2D, t->id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    // Storage alone; zeroed by the rasteriser's clear, not from a buffer of
    // zeros built and copied here.
    glTexImage2D(GL_TEXTURE_2D, 0, format == TextureFormat::ARGB8888 ? GL_RGBA8 : GL_RGB5_A1, width, height, 0,
                 GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
    if (depth && kind == TextureKind::Target) {
        glGenRenderbuffers(1, &t->depth);
        glBindRenderbuffer(GL_RENDERBUFFER, t->depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    }
    glBindTexture(GL_TEXTURE_2D, g_dev.texture ? g_dev.texture->id : 0);
    if (glGetError() != GL_NO_ERROR || (zeroed && !ClearTexture(t, 0, 0, width, height))) {
        if (t->depth) glDeleteRenderbuffers(1, &t->depth);
        glDeleteTextures(1, &t->id);
        delete t;
        return nullptr;
    }
    CountTexture(kind, 1);
    return t;
}

bool ZeroTexels(Texture* texture, int x, int y, int width, int height)
{
    if (!texture || x < 0 || y < 0 || width <= 0 || height <= 0) return texture != nullptr;
    width = std::min(width, texture->width - x);
    height = std::min(height, texture->height - y);
    if (width <= 0 || height <= 0) return true;
    FlushIfUses(texture);
    return ClearTexture(texture, x, y, width, height);
}


void DeleteTexture(Texture* texture)
{
    if (!texture) return;
    FlushIfUses(texture);
    if (g_dev.texture == texture) g_dev.texture = nullptr;
    if (g_dev.target == texture) SetRenderTarget(nullptr);
    if (texture->depth) glDeleteRenderbuffers(1, &texture->depth);
    if (texture->id) glDeleteTextures(1, &texture->id);
    CountTexture(texture->kind, -1);
    delete texture;
}

int TextureWidth(const Texture* texture) { return texture ? texture->width : 0; }
int TextureHeight(const Texture* texture) { return texture ? texture->height : 0; }
bool TextureHasDepth(const Texture* texture) { return texture && texture->depth != 0; }
unsigned TextureGlName(const Texture* texture) { return texture ? texture->id : 0; }

int LiveTextureCount(TextureKind kind)
{
    std::lock_guard<std::mutex> lock(g_texMutex);
    return g_liveTextures[kind == TextureKind::Target ? 1 : 0];
}

bool UploadTexels(Texture* texture, const void* texels, int width, int rows, int pitch)
{
    if (!texture || !texels || width < 1 || rows < 1 || pitch < width) return false;
    if (width > texture->width || rows > texture->height) return false;
    FlushIfUses(texture);
    bool wide = texture->format == TextureFormat::ARGB8888;
    glBindTexture(GL_TEXTURE_2D, texture->id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, wide ? 4 : 2);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, pitch);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, rows, GL_BGRA,
                    wide ? GL_UNSIGNED_INT_8_8_8_8_REV : GL_UNSIGNED_SHORT_1_5_5_5_REV, texels);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, g_dev.texture ? g_dev.texture->id : 0);
    return glGetError() == GL_NO_ERROR;
}

bool ReadTexels(Texture* texture, std::vector<uint32_t>* argb)
{
    if (!texture || !argb) return false;
    FlushIfUses(texture);
    argb->assign(static_cast<size_t>(texture->width) * texture->height, 0u);
    glBindTexture(GL_TEXTURE_2D, texture->id);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, argb->data());
    glBindTexture(GL_TEXTURE_2D, g_dev.texture ? g_dev.texture->id : 0);
    return glGetError() == GL_NO_ERROR;
}

bool SetRenderTarget(Texture* target)
{
    if (!g_dev.exists) return false;
    if (target && target->kind != TextureKind::Target) return false;
    Flush();
    Texture* old = g_dev.target;
    g_dev.target = target;
    g_dev.targetW = target ? target->width : kFieldWidth;
    g_dev.targetH = target ? target->height : kFieldHeight;
    g_dev.vpX = g_dev.vpY = 0;
    g_dev.vpW = g_dev.targetW;
    g_dev.vpH = g_dev.targetH;
    ContextObjects* c = ContextFor();
    if (!c || !BindTarget(c)) {
        g_dev.target = old;
        g_dev.targetW = old ? old->width : kFieldWidth;
        g_dev.targetH = old ? old->height : kFieldHeight;
        g_dev.vpW = g_dev.targetW;
        g_dev.vpH = g_dev.targetH;
        return false;
    }
    return true;
}

Texture* CurrentRenderTarget() { return g_dev.target; }

void SetViewport(int x, int y, int width, int height)
{
    if (x == g_dev.vpX && y == g_dev.vpY && width == g_dev.vpW && height == g_dev.vpH) return;
    Flush();
    g_dev.vpX = x;
    g_dev.vpY = y;
    g_dev.vpW = width;
    g_dev.vpH = height;
}

void ClearTarget(bool colour, uint32_t argb, bool depth, float z)
{
    if (!g_dev.exists || (!colour && !depth)) return;
    Flush();
    const bool whole = g_dev.vpX <= 0 && g_dev.vpY <= 0 && g_dev.vpX + g_dev.vpW >= g_dev.targetW &&
                       g_dev.vpY + g_dev.vpH >= g_dev.targetH;
    if (depth && !g_dev.target && g_dev.backDepthUniform && g_dev.backDepth == z) {
        // A frame that drew no depth leaves nothing to clear (a whole 1024x768
        // depth clear every frame is the largest fill of an idle frame).
        depth = false;
        if (!colour) return;
    }
    ContextObjects* c = ContextFor();
    if (!c || !BindTarget(c)) return;
    if (depth && !g_dev.target) {
        g_dev.backDepthUniform = whole;
        g_dev.backDepth = z;
    }
    GLbitfield mask = 0;
    if (colour) {
        glClearColor(static_cast<float>((argb >> 16) & 0xFF) / 255.0f, static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
                     static_cast<float>(argb & 0xFF) / 255.0f, static_cast<float>(argb >> 24) / 255.0f);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (depth) {
        glDepthMask(GL_TRUE);
        glClearDepth(z);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    glClear(mask);
}

void SetRenderState(const RenderState& state)
{
    if (state == g_dev.state) return;
    Flush();
    g_dev.state = state;
}

const RenderState& CurrentRenderState() { return g_dev.state; }

void SetTexture(Texture* texture)
{
    if (texture == g_dev.texture) return;
    Flush();
    g_dev.texture = texture;
}

namespace {

// An opaque plain-coloured rectangle lying along the axes, drawn with
// states under which it only replaces what it covers, is cleared instead of
// shaded: the rasteriser fills whole tiles at memory speed (a background
// covering the field every frame is most of an idle frame's cost).
bool ClearsAsRectangle(const QuadVertex q[4])
{
    const RenderState& s = g_dev.state;
    if (!s.untextured || s.wireframe || s.depthTest || s.cullCcw || s.additive || s.blendOp != BlendOp::Add)
        return false;
    if ((q[0].colour >> 24) != 0xFF) return false;
    for (int i = 1; i < 4; ++i)
        if (q[i].colour != q[0].colour) return false;
    const float x0 = std::min({q[0].x, q[1].x, q[2].x, q[3].x}), x1 = std::max({q[0].x, q[1].x, q[2].x, q[3].x});
    const float y0 = std::min({q[0].y, q[1].y, q[2].y, q[3].y}), y1 = std::max({q[0].y, q[1].y, q[2].y, q[3].y});
    for (int i = 0; i < 4; ++i)
        if ((q[i].x != x0 && q[i].x != x1) || (q[i].y != y0 && q[i].y != y1)) return false;
    // A strip of a rectangle: its first and last corners are opposite, and so
    // are the middle two.
    if (q[0].x == q[3].x || q[0].y == q[3].y || q[1].x == q[2].x || q[1].y == q[2].y) return false;
    // The pixels whose centres lie in [x0, x1) x [y0, y1), within the
    // viewport and the target.
    const double limX0 = std::max(0, g_dev.vpX), limY0 = std::max(0, g_dev.vpY);
    const double limX1 = std::min(g_dev.targetW, g_dev.vpX + g_dev.vpW);
    const double limY1 = std::min(g_dev.targetH, g_dev.vpY + g_dev.vpH);
    const double px0 = std::clamp(std::ceil(static_cast<double>(x0)), limX0, limX1);
    const double px1 = std::clamp(std::ceil(static_cast<double>(x1)), limX0, limX1);
    const double py0 = std::clamp(std::ceil(static_cast<double>(y0)), limY0, limY1);
    const double py1 = std::clamp(std::ceil(static_cast<double>(y1)), limY0, limY1);
    if (!(px0 < px1 && py0 < py1)) return true; // covers no pixel
    Flush();
    ContextObjects* c = ContextFor();
    if (!c || !BindTarget(c)) return true;
    const int x = static_cast<int>(px0), w = static_cast<int>(px1 - px0);
    const int y = static_cast<int>(py0), h = static_cast<int>(py1 - py0);
    glEnable(GL_SCISSOR_TEST);
    // The back buffer keeps the field's top at its last GL row.
    glScissor(x, g_dev.target ? y : g_dev.targetH - (y + h), w, h);
    const uint32_t argb = q[0].colour;
    glClearColor(static_cast<float>((argb >> 16) & 0xFF) / 255.0f, static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
                 static_cast<float>(argb & 0xFF) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    // The next draw binds the target and its scissor again.
    BindTarget(c);
    return true;
}

} // namespace

void DrawQuad(const QuadVertex corners[4])
{
    if (!g_dev.exists) return;
    if (ClearsAsRectangle(corners)) return;
    if (g_dev.pending.size() >= static_cast<size_t>(kMaxBatchQuads) * 4) Flush();
    size_t at = g_dev.pending.size();
    g_dev.pending.insert(g_dev.pending.end(), corners, corners + 4);
    // The geometry is drawn kNudge up and left of where it is given: move the
    // texture coordinates by the same amount, along the quad's own gradient
    // (from its first triangle), so each pixel samples where its centre lies
    // in the quad as given.
    QuadVertex* q = &g_dev.pending[at];
    float ax = q[1].x - q[0].x, ay = q[1].y - q[0].y, bx = q[2].x - q[0].x, by = q[2].y - q[0].y;
    float det = ax * by - ay * bx;
    if (det == 0.0f) return;
    float au = q[1].u - q[0].u, av = q[1].v - q[0].v, bu = q[2].u - q[0].u, bv = q[2].v - q[0].v;
    // d/dx and d/dy of u and v; the shift is their sum times kNudge.
    float dudx = (au * by - bu * ay) / det, dudy = (bu * ax - au * bx) / det;
    float dvdx = (av * by - bv * ay) / det, dvdy = (bv * ax - av * bx) / det;
    float du = (dudx + dudy) * kNudge, dv = (dvdx + dvdy) * kNudge;
    for (int i = 0; i < 4; ++i) {
        q[i].u -= du;
        q[i].v -= dv;
    }
}

void FlushQuads() { Flush(); }

bool PresentFrame()
{
    if (!g_dev.exists) return false;
    if (g_dev.lost) {
        g_dev.pending.clear();
        return false;
    }
    Flush();
    bool ok = PresentBackBuffer();
    // Another context may use what this one drew.
    glFlush();
    return ok;
}

bool CopyBackBufferToTexture(Texture* texture, int x, int y, int width, int height)
{
    if (!g_dev.exists || !texture || texture->kind != TextureKind::Target) return false;
    width = std::min({width, texture->width, kFieldWidth - x});
    height = std::min({height, texture->height, kFieldHeight - y});
    if (x < 0 || y < 0 || width <= 0 || height <= 0) return false;
    Flush();
    ContextObjects* c = ContextFor();
    if (!c) return false;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, c->fbo);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture->id, 0);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, 0);
    bool ok = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (ok) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, BackBufferFramebuffer());
        glDisable(GL_SCISSOR_TEST);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        // Field rows run down from the back buffer's last GL row; texture
        // rows run up from row 0: the copy turns the rectangle over.
        int gy = kFieldHeight - (y + height);
        glBlitFramebuffer(x, gy, x + width, gy + height, 0, height, width, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        // The copy is opaque.
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, width, height);
        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glDisable(GL_SCISSOR_TEST);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    ok = BindTarget(c) && ok;
    return ok && glGetError() == GL_NO_ERROR;
}

bool ReadFrame(std::vector<uint8_t>* rgba)
{
    Flush();
    bool ok = ReadBackBuffer(rgba);
    return ok;
}

uint64_t DrawCallCount() { return g_drawCalls.load(std::memory_order_relaxed); }

// ---------------------------------------------------------------------------
// Drawing in space

struct MeshBuffer : MeshBufferData {};

void DrawSpaceStrip(const SpaceVertex* vertices, int count, const SpaceDraw& draw)
{
    if (!vertices || count < 3) return;
    ContextObjects* c = BeginSpaceDraw(draw);
    if (!c) return;
    glBindBuffer(GL_ARRAY_BUFFER, c->vboSpace);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * sizeof(SpaceVertex)), vertices, GL_STREAM_DRAW);
    SetSpaceVertexLayout();
    glDrawArrays(GL_TRIANGLE_STRIP, 0, count);
    EndSpaceDraw();
}

MeshBuffer* CreateMeshBuffer(const SpaceVertex* vertices, size_t vertexCount, const uint32_t* indices,
                             size_t indexCount)
{
    if (!g_dev.exists || !vertices || !indices || vertexCount == 0 || indexCount == 0) return nullptr;
    auto* b = new MeshBuffer;
    b->indices = indexCount;
    glGenBuffers(1, &b->vbo);
    glBindBuffer(GL_ARRAY_BUFFER, b->vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexCount * sizeof(SpaceVertex)), vertices,
                 GL_STATIC_DRAW);
    // Filled through the array binding: an element binding would change the
    // vertex array bound now. Buffers take either role when drawn.
    glGenBuffers(1, &b->ebo);
    glBindBuffer(GL_ARRAY_BUFFER, b->ebo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexCount * sizeof(uint32_t)), indices, GL_STATIC_DRAW);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteBuffers(1, &b->vbo);
        glDeleteBuffers(1, &b->ebo);
        delete b;
        return nullptr;
    }
    ++g_liveMeshBuffers;
    return b;
}

void DeleteMeshBuffer(MeshBuffer* buffer)
{
    if (!buffer) return;
    if (buffer->vbo) glDeleteBuffers(1, &buffer->vbo);
    if (buffer->ebo) glDeleteBuffers(1, &buffer->ebo);
    --g_liveMeshBuffers;
    delete buffer;
}

int LiveMeshBufferCount() { return g_liveMeshBuffers; }

void DrawMeshBuffer(MeshBuffer* buffer, size_t first, size_t count, const SpaceDraw& draw)
{
    if (!buffer || count == 0 || first >= buffer->indices) return;
    count = std::min(count, buffer->indices - first);
    if (!BeginSpaceDraw(draw)) return;
    glBindBuffer(GL_ARRAY_BUFFER, buffer->vbo);
    SetSpaceVertexLayout();
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer->ebo);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(count), GL_UNSIGNED_INT,
                   reinterpret_cast<void*>(first * sizeof(uint32_t)));
    EndSpaceDraw();
}

} // namespace plat
