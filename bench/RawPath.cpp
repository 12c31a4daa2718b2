// The floor to measure the renderer against: a minimal hand-batched OpenGL path drawing the same quads.
#include "RawPath.h"

#include <GL/glext.h>

#include <cmath>
#include <cstdio>

namespace {

const char* kVertex = R"(#version 330 core
layout(location = 0) in vec2 aPos;
layout(location = 1) in vec2 aUV;
layout(location = 2) in vec4 aColor;
uniform vec2 uView;
out vec2 vUV;
out vec4 vColor;
void main() {
    gl_Position = vec4(aPos.x / uView.x * 2.0 - 1.0, 1.0 - aPos.y / uView.y * 2.0, 0.0, 1.0);
    vUV = aUV;
    vColor = aColor;
})";

// Premultiplied output, as both blend modes here use it.
const char* kFragment = R"(#version 330 core
in vec2 vUV;
in vec4 vColor;
uniform sampler2D uTex;
out vec4 frag;
void main() {
    vec4 c = texture(uTex, vUV) * vColor;
    frag = vec4(c.rgb * c.a, c.a);
})";

GLuint compile(GLenum kind, const char* src) {
    GLuint s = glCreateShader(kind);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024];
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        std::fprintf(stderr, "raw path shader: %s\n", log);
    }
    return s;
}

uint32_t pack(int r, int g, int b, float alpha) {
    const uint32_t a = static_cast<uint32_t>(std::lround(alpha * 255.0f));
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16) |
           (a << 24);
}

}  // namespace

bool RawPath::init(const RawAtlas& atlas, size_t maxQuads) {
    atlas_ = atlas;
    maxQuads_ = maxQuads;
    begin(1, 1, 0, 0);  // keeps the engine's bindings safe while the objects are made
    GLuint vs = compile(GL_VERTEX_SHADER, kVertex), fs = compile(GL_FRAGMENT_SHADER, kFragment);
    program_ = glCreateProgram();
    glAttachShader(program_, vs);
    glAttachShader(program_, fs);
    glLinkProgram(program_);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint linked = 0;
    glGetProgramiv(program_, GL_LINK_STATUS, &linked);
    glUseProgram(program_);
    uView_ = glGetUniformLocation(program_, "uView");
    glUniform1i(glGetUniformLocation(program_, "uTex"), 0);

    glGenVertexArrays(1, &vao_);
    glBindVertexArray(vao_);
    glGenBuffers(1, &vbo_);
    glGenBuffers(1, &ibo_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBufferData(GL_ARRAY_BUFFER, maxQuads * 4 * sizeof(Vertex), nullptr, GL_STREAM_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(8));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex), reinterpret_cast<void*>(16));
    std::vector<uint32_t> indices(maxQuads * 6);
    for (size_t q = 0; q < maxQuads; ++q) {
        const uint32_t b = static_cast<uint32_t>(q * 4);
        const uint32_t quad[6] = {b, b + 1, b + 2, b, b + 2, b + 3};
        std::copy(quad, quad + 6, &indices[q * 6]);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * 4, indices.data(), GL_STATIC_DRAW);

    glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, atlas_.size, atlas_.size, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 atlas_.rgba.data());
    end();
    vertices_.reserve(maxQuads * 4);
    return linked != 0;
}

void RawPath::begin(float virtW, float virtH, float originX, float originY) {
    Saved& s = saved_;
    glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &s.vao);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &s.arrayBuffer);
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &s.elementBuffer);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &s.activeTexture);
    glActiveTexture(GL_TEXTURE1);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture1);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture0);
    glGetIntegerv(GL_BLEND_SRC_RGB, &s.srcRgb);
    glGetIntegerv(GL_BLEND_DST_RGB, &s.dstRgb);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &s.srcAlpha);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &s.dstAlpha);
    s.blend = glIsEnabled(GL_BLEND);
    s.scissor = glIsEnabled(GL_SCISSOR_TEST);
    glGetIntegerv(GL_SCISSOR_BOX, s.scissorBox);

    if (!program_) return;  // still being made
    glUseProgram(program_);
    glUniform2f(uView_, virtW, virtH);
    glBindVertexArray(vao_);
    glBindBuffer(GL_ARRAY_BUFFER, vbo_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glEnable(GL_BLEND);
    originX_ = originX;
    originY_ = originY;
}

void RawPath::end() {
    const Saved& s = saved_;
    glUseProgram(s.program);
    glBindVertexArray(s.vao);
    glBindBuffer(GL_ARRAY_BUFFER, s.arrayBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, s.elementBuffer);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, s.texture1);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, s.texture0);
    glActiveTexture(s.activeTexture);
    if (s.blend) {
        glEnable(GL_BLEND);
    } else {
        glDisable(GL_BLEND);
    }
    glBlendFuncSeparate(s.srcRgb, s.dstRgb, s.srcAlpha, s.dstAlpha);
    if (s.scissor) {
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
    }
    glScissor(s.scissorBox[0], s.scissorBox[1], s.scissorBox[2], s.scissorBox[3]);
}

void RawPath::startRun(int blend) {
    if (runs_.empty() || runs_.back().blend != blend) runs_.push_back({blend, vertices_.size() / 4});
}

void RawPath::quad(const AtlasRect& r, const float xy[8], uint32_t rgba) {
    vertices_.push_back({xy[0], xy[1], r.u0, r.v0, rgba});
    vertices_.push_back({xy[2], xy[3], r.u1, r.v0, rgba});
    vertices_.push_back({xy[4], xy[5], r.u1, r.v1, rgba});
    vertices_.push_back({xy[6], xy[7], r.u0, r.v1, rgba});
}

void RawPath::submit(const Scene& scene) {
    vertices_.clear();
    runs_.clear();
    constexpr float kRad = 3.14159265358979f / 180.0f;
    for (const Sprite& s : scene.sprites) {
        startRun(s.blend);
        const AtlasRect& r = atlas_.images[s.kind];
        const float c = std::cos(s.rot * kRad), sn = std::sin(s.rot * kRad);
        const float x0 = -r.hx * s.sx, x1 = (r.w - r.hx) * s.sx;
        const float y0 = -r.hy * s.sy, y1 = (r.h - r.hy) * s.sy;
        const float ox = s.x + originX_, oy = s.y + originY_;
        const float xy[8] = {ox + x0 * c - y0 * sn, oy + x0 * sn + y0 * c, ox + x1 * c - y0 * sn,
                             oy + x1 * sn + y0 * c, ox + x1 * c - y1 * sn, oy + x1 * sn + y1 * c,
                             ox + x0 * c - y1 * sn, oy + x0 * sn + y1 * c};
        quad(r, xy, pack(s.r, s.g, s.b, s.alpha));
    }
    startRun(eng::ALPHABLEND);
    for (const TextLine& t : scene.texts) {
        const uint32_t rgba = pack(t.r, t.g, t.b, 1.0f);
        const float x = std::round(t.x) + originX_, y = std::round(t.y) + originY_;
        int pen = 0;
        for (unsigned char ch : t.text) {
            if (ch < 32 || ch > 126) continue;
            const AtlasGlyph& g = atlas_.glyphs[ch];
            if (g.rect.w > 0) {
                const float gx = x + pen + g.left, gy = y + g.top;
                const float xy[8] = {gx, gy,           gx + g.rect.w, gy, gx + g.rect.w, gy + g.rect.h,
                                     gx, gy + g.rect.h};
                quad(g.rect, xy, rgba);
            }
            pen += g.advance;
        }
    }
    drawCalls_ = 0;
    if (vertices_.size() / 4 > maxQuads_) return;  // more than the buffers hold: draw nothing
    // The buffer keeps its storage: no new allocation per frame.
    glBufferSubData(GL_ARRAY_BUFFER, 0, vertices_.size() * sizeof(Vertex), vertices_.data());
    for (size_t i = 0; i < runs_.size(); ++i) {
        const size_t first = runs_[i].firstQuad;
        const size_t last = i + 1 < runs_.size() ? runs_[i + 1].firstQuad : vertices_.size() / 4;
        glBlendFunc(GL_ONE, runs_[i].blend == eng::LIGHTBLEND ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>((last - first) * 6), GL_UNSIGNED_INT,
                       reinterpret_cast<void*>(first * 6 * sizeof(uint32_t)));
    }
    drawCalls_ = static_cast<int>(runs_.size());
}
