// The render device: everything the graphics system draws goes through here.
// It draws textured quads into the 1024x768 back buffer (platform/Window.h) or
// into render-target textures, with the blend and colour states the engine
// selects, and batches consecutive quads that share texture, states and
// target into one draw call.
//
// Coordinates are pixels of the current target, y down, with pixel centres at
// integer coordinates: a quad from x to x+w covers the w pixels whose centres
// lie in [x, x+w), and a texture coordinate of (n + 0.5)/size lands on the
// centre of texel n.
//
// Texture row 0 is the top of the image, for file images as for render
// targets; texels are 32-bit ARGB words (or 16-bit A1R5G5B5).
//
// The device may be "lost" (tests simulate it): presenting then fails, states
// are not applied, and only a reset brings it back. A reset is refused while
// render-target textures (or mesh buffers, see below) exist, so their owners
// must release them first and create them again afterwards; file textures
// survive.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

struct Texture; // opaque

// The largest texture side.
constexpr int kMaxTextureSide = 4096;

enum class TextureFormat { ARGB8888, ARGB1555 };
// Kept: survives a reset (file images). Target: a render target, lost on reset.
enum class TextureKind { Kept, Target };

// One corner of a quad: position (pixels, y down), depth 0..1, reciprocal w
// (kept for layout; 2D drawing passes 1), colour 0xAARRGGBB, texture u, v.
struct QuadVertex {
    float x, y, z, rhw;
    uint32_t colour;
    float u, v;
};
static_assert(sizeof(QuadVertex) == 28, "vertex layout");

enum class BlendOp { Add, Min, Max };
enum class ColourOp { Modulate, Arg1, Grey }; // texture x vertex, arg1 alone, grey of arg1
enum class ColourArg { Texture, Complement, Vertex };

struct RenderState {
    bool depthTest = false;  // test against the target's depth buffer
    bool depthLess = false;  // LESS, else ALWAYS
    bool depthWrite = false; // only with depthTest
    bool cullCcw = false;    // drop counter-clockwise faces (as seen, y down)
    BlendOp blendOp = BlendOp::Add;
    bool additive = false;   // destination factor ONE instead of 1 - source alpha
    ColourOp colourOp = ColourOp::Modulate;
    ColourArg arg1 = ColourArg::Texture;
    bool untextured = false; // colour and alpha from the vertex alone
    bool linearFilter = true;
    bool wireframe = false;

    bool operator==(const RenderState&) const = default;
};

// Life cycle. Create needs the main window (its context current). Reset
// applies a new display mode (full screen or window) and restores a lost
// device; it fails while any Target texture or mesh buffer exists.
bool CreateRenderDevice(bool fullscreen);
bool ResetRenderDevice(bool fullscreen);
void DestroyRenderDevice();
bool RenderDeviceExists();
// False while the device is lost.
bool RenderDeviceUsable();
// Test hook: the device is lost from now until the next successful reset.
void SimulateLostDevice();
// Test hook: the next N resets fail (as a device that cannot yet be reset).
void FailNextResets(int count);

// Textures: sides from 1 to 4096, created zero-filled (transparent black),
// or left unset when `zeroed` is false (the caller writes every texel it
// will sample, as a file image and its margins).
Texture* CreateTexture(int width, int height, TextureFormat format, TextureKind kind, bool depth,
                       bool zeroed = true);
void DeleteTexture(Texture* texture);
int TextureWidth(const Texture* texture);
int TextureHeight(const Texture* texture);
bool TextureHasDepth(const Texture* texture);
// The GL texture name (inside the platform layer: raw drawing for comparison).
unsigned TextureGlName(const Texture* texture);
// Number of live textures of a kind (tests, reset check).
int LiveTextureCount(TextureKind kind);

// Writes `rows` rows of `width` texels at the top-left corner. `texels` are
// uint32_t ARGB words for ARGB8888 textures, uint16_t A1R5G5B5 words for
// ARGB1555; `pitch` is the distance between rows in texels.
bool UploadTexels(Texture* texture, const void* texels, int width, int rows, int pitch);
// Sets a rectangle of a texture (top-left x, y) to transparent black.
bool ZeroTexels(Texture* texture, int x, int y, int width, int height);
// Reads a texture back as ARGB words (tests).
bool ReadTexels(Texture* texture, std::vector<uint32_t>* argb);

// Drawing target: a Target texture, or null for the back buffer. Sets the
// viewport to the whole target. False when the target cannot be bound.
bool SetRenderTarget(Texture* target);
Texture* CurrentRenderTarget();
void SetViewport(int x, int y, int width, int height);
// Clears the current target's viewport: colour (0xAARRGGBB) and/or depth.
void ClearTarget(bool colour, uint32_t argb, bool depth, float z);

void SetRenderState(const RenderState& state);
const RenderState& CurrentRenderState();
void SetTexture(Texture* texture);

// Queues a quad (corners in strip order: left-bottom, left-top, right-bottom,
// right-top). Drawn at the latest when anything else changes.
void DrawQuad(const QuadVertex corners[4]);
// Draws what is queued.
void FlushQuads();

// Ends the frame: draws what is queued and shows the back buffer. False when
// the device is lost (the frame is dropped) or there is no window.
bool PresentFrame();

// Copies a rectangle of the back buffer (field coordinates, y down) to the
// top-left of a texture: the last frame drawn.
bool CopyBackBufferToTexture(Texture* texture, int x, int y, int width, int height);

// Reads the back buffer after drawing what is queued (RGBA, row 0 on top).
bool ReadFrame(std::vector<uint8_t>* rgba);

// Draw calls issued since the device was created (tests, benchmarks).
uint64_t DrawCallCount();

// ---- Drawing in space ----
//
// Geometry placed in space goes through one 4x4 matrix (the world, view and
// projection combined by the caller), 16 floats row after row for row
// vectors: a point is the row (x, y, z, 1) multiplied on the left, the
// translation sits in the last row. The product is a clip-space point whose
// depth runs from 0 (near) to w (far) and whose y points up; x and y from -w
// to w span the selected viewport (the whole target unless SetViewport
// narrowed it), the corner at -w being the centre of its first pixel, so a
// projected point lands on the pixel grid of 2D drawing.
// Drawing uses the render state, texture and target selected as for quads;
// each fragment is the state's colour operation on the texture and the
// vertex colour (or white) times the material colour.

// One corner: position, normal, colour 0xAARRGGBB, texture u, v.
struct SpaceVertex {
    float x, y, z;
    float nx, ny, nz;
    uint32_t colour;
    float u, v;
};
static_assert(sizeof(SpaceVertex) == 36, "vertex layout");

struct SpaceDraw {
    float matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    float material[4] = {1, 1, 1, 1}; // r, g, b, a in 0..1
    bool vertexColour = true;         // false: white instead of the vertex colour
};

// A triangle strip given in memory (placed sprite quads).
void DrawSpaceStrip(const SpaceVertex* vertices, int count, const SpaceDraw& draw);

// Vertices and 32-bit indices kept by the device. Like render targets they
// do not survive a reset: a reset is refused while any exists, so their
// owners release them first and build them again afterwards.
struct MeshBuffer; // opaque
MeshBuffer* CreateMeshBuffer(const SpaceVertex* vertices, size_t vertexCount, const uint32_t* indices,
                             size_t indexCount);
void DeleteMeshBuffer(MeshBuffer* buffer);
int LiveMeshBufferCount();
// Draws `count` indices from `first` as a triangle list.
void DrawMeshBuffer(MeshBuffer* buffer, size_t first, size_t count, const SpaceDraw& draw);

} // namespace plat
