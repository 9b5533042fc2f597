// The plainest way to draw many textured quads with OpenGL: the vertices in
// one buffer, one draw call, alpha blending, no state tracking. Benchmarks
// measure the render device against it.
#pragma once
#include "platform/RenderDevice.h"

#include <cstddef>
#include <vector>

namespace plat {

class RawQuads {
public:
    RawQuads() = default;
    ~RawQuads();
    RawQuads(const RawQuads&) = delete;
    RawQuads& operator=(const RawQuads&) = delete;

    // Needs the render device (its context current).
    bool Create();
    // Draws the quads (four corners each, strip order) with the texture on
    // the screen.
    void Draw(Texture* texture, const std::vector<QuadVertex>& corners);

private:
    unsigned m_program = 0, m_vao = 0, m_vbo = 0, m_ebo = 0;
    size_t m_capacity = 0;
};

// Waits until the GPU has finished everything issued so far.
void FinishRendering();

} // namespace plat
