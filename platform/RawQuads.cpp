#include "platform/RawQuads.h"

#include "platform/QuadShaders.h"
#include "platform/Window.h"

#include <epoxy/gl.h>
#include <string>

namespace plat {

namespace {

// Follows kQuadVertexInputs.
const char* const kVertex = R"(out vec4 vColour;
out vec2 vUV;
void main()
{
    gl_Position = vec4((aPos.x + 0.5) / 512.0 - 1.0, 1.0 - (aPos.y + 0.5) / 384.0, 0.0, 1.0);
    vColour = aColour;
    vUV = aUV;
}
)";

const char* const kFragment = R"(#version 330 core
in vec4 vColour;
in vec2 vUV;
uniform sampler2D uTex;
out vec4 oColour;
void main() { oColour = texture(uTex, vUV) * vColour; }
)";

} // namespace

RawQuads::~RawQuads()
{
    if (m_program) glDeleteProgram(m_program);
    if (m_vao) glDeleteVertexArrays(1, &m_vao);
    if (m_vbo) glDeleteBuffers(1, &m_vbo);
    if (m_ebo) glDeleteBuffers(1, &m_ebo);
}

bool RawQuads::Create()
{
    std::string vertex = std::string(kQuadVertexInputs) + kVertex;
    m_program = BuildProgram(vertex.c_str(), kFragment);
    glGenVertexArrays(1, &m_vao);
    glGenBuffers(1, &m_vbo);
    glGenBuffers(1, &m_ebo);
    return m_program != 0;
}

void RawQuads::Draw(Texture* texture, const std::vector<QuadVertex>& corners)
{
    size_t quads = corners.size() / 4;
    glBindVertexArray(m_vao);
    glBindBuffer(GL_ARRAY_BUFFER, m_vbo);
    if (quads > m_capacity) {
        std::vector<uint32_t> idx = QuadIndices(quads);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, m_ebo);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(idx.size() * 4), idx.data(), GL_STATIC_DRAW);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(corners.size() * sizeof(QuadVertex)), nullptr,
                     GL_STREAM_DRAW);
        SetQuadVertexLayout();
        m_capacity = quads;
    }
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(corners.size() * sizeof(QuadVertex)), corners.data());
    if (!BindBackBuffer()) return;
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(m_program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, TextureGlName(texture));
    glBindSampler(0, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quads * 6), GL_UNSIGNED_INT, nullptr);
}

void FinishRendering() { glFinish(); }

} // namespace plat
