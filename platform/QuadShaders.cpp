#include "platform/QuadShaders.h"

#include "platform/Platform.h"
#include "platform/RenderDevice.h"

namespace plat {

const char* const kQuadVertexInputs = R"(#version 330 core
layout(location = 0) in vec4 aPos;
layout(location = 1) in vec4 aColour;
layout(location = 2) in vec2 aUV;
)";

void SetQuadVertexLayout()
{
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, sizeof(QuadVertex), reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(1);
    // 0xAARRGGBB words are B, G, R, A bytes in memory.
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(QuadVertex), reinterpret_cast<void*>(16));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(QuadVertex), reinterpret_cast<void*>(20));
}

GLuint CompileShader(GLenum type, const char* src)
{
    GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024] = {0};
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        ReportError("shader does not compile: %s", log);
        glDeleteShader(s);
        return 0;
    }
    return s;
}

GLuint BuildProgram(const char* vertexSrc, const char* fragmentSrc)
{
    GLuint vs = CompileShader(GL_VERTEX_SHADER, vertexSrc);
    GLuint fs = CompileShader(GL_FRAGMENT_SHADER, fragmentSrc);
    if (!vs || !fs) {
        if (vs) glDeleteShader(vs);
        if (fs) glDeleteShader(fs);
        return 0;
    }
    GLuint p = glCreateProgram();
    glAttachShader(p, vs);
    glAttachShader(p, fs);
    glLinkProgram(p);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(p, GL_LINK_STATUS, &ok);
    if (!ok) {
        glDeleteProgram(p);
        return 0;
    }
    return p;
}

std::vector<uint32_t> QuadIndices(size_t quads)
{
    std::vector<uint32_t> idx(quads * 6);
    for (size_t q = 0; q < quads; ++q) {
        uint32_t b = static_cast<uint32_t>(q * 4);
        uint32_t* o = &idx[q * 6];
        o[0] = b;
        o[1] = b + 1;
        o[2] = b + 2;
        o[3] = b + 2;
        o[4] = b + 1;
        o[5] = b + 3;
    }
    return idx;
}

} // namespace plat
