// OpenGL set-up shared by the renderers of textured quads (platform-internal):
// the vertex inputs of a quad corner as the shaders and the vertex array see
// them, shader programs and the index buffer's contents.
#pragma once
#include <epoxy/gl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

// The start of a vertex shader over QuadVertex corners: the version line and
// the three inputs at the locations SetQuadVertexLayout gives them.
extern const char* const kQuadVertexInputs;

// Points attributes 0 (position), 1 (colour) and 2 (texture coordinates) of
// the bound vertex array at the QuadVertex fields of the bound array buffer.
void SetQuadVertexLayout();

// A compiled shader; 0 when it does not compile (the log is reported).
GLuint CompileShader(GLenum type, const char* src);
// Links a program from a vertex and a fragment source; 0 when either does not
// compile or the program does not link.
GLuint BuildProgram(const char* vertexSrc, const char* fragmentSrc);

// Indices of `quads` quads of four corners each, each drawn as the triangles
// (0, 1, 2) and (2, 1, 3) of its strip.
std::vector<uint32_t> QuadIndices(size_t quads);

} // namespace plat
