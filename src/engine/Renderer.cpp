// The batched OpenGL 3.3 sprite renderer: drawing state, atlas pages, quads, viewport and grabs.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/Atlas.h"
#include "engine/Internal.h"

namespace eng {

namespace gfx {
void flush();
}

namespace {

constexpr int kPageSize = 2048;
constexpr int kPad = 2;  // extruded border around every atlas block
// Mipmapped pages keep wider borders and stop at level 3, where a border is still a texel wide, so a
// picture never samples its neighbour.
constexpr int kMipPad = 8;
constexpr int kMipLevels = 3;
constexpr int kOwnTextureArea = 600 * 600;

struct Vertex {
    float x, y, u, v;
    uint32_t rgba;
};

struct Texture {
    GLuint id = 0;
    int width = 0, height = 0;
    bool linear = false;
    bool atlas = false;
    bool mipDirty = false;  // a mipmapped page got a new picture: its levels are rebuilt before drawing
    SkylinePacker packer;
    TexRegion white;  // a small opaque white block, so untextured shapes share the page's batch
};

struct State {
    // drawing state
    int r = 255, g = 255, b = 255;
    float alpha = 1;
    int blend = ALPHABLEND;
    float rotation = 0, rotCos = 1, rotSin = 0;
    float sx = 1, sy = 1;
    float lineWidth = 1;
    ImageFont font;
    int clsR = 0, clsG = 0, clsB = 0;
    int vpX = 0, vpY = 0, vpW = 0, vpH = 0;
    bool vpSet = false;
    float originX = 0, originY = 0;
    float virtW = 0, virtH = 0;
    uint32_t packedColor = 0xFFFFFFFF;

    // GL objects
    bool ready = false;
    uint32_t generation = 1;
    int realW = 0, realH = 0;
    GLuint program = 0, vao = 0, vbo = 0, ibo = 0;
    GLint uView = -1, uAlphaTest = -1, uPremul = -1, uTex = -1;
    std::vector<Texture> textures;
    std::vector<int> atlasPages[3];  // nearest, linear, linear and mipmapped

    // the batch
    std::vector<Vertex> vertices;
    int batchTexture = -1;
    int batchBlend = -1;
    size_t iboQuads = 0;

    // statistics
    int drawCallsThisFrame = 0, quadsThisFrame = 0;
    RenderStats last;
};

State S;

void packColor() {
    uint32_t a = static_cast<uint32_t>(std::lround(S.alpha * 255.0f));
    S.packedColor = static_cast<uint32_t>(S.r) | (static_cast<uint32_t>(S.g) << 8) |
                    (static_cast<uint32_t>(S.b) << 16) | (a << 24);
}

GLuint compile(GLenum kind, const char* src) {
    GLuint s = glCreateShader(kind);
    glShaderSource(s, 1, &src, nullptr);
    glCompileShader(s);
    GLint ok = 0;
    glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024];
        glGetShaderInfoLog(s, sizeof log, nullptr, log);
        Print(std::string("Shader error: ") + log);
    }
    return s;
}

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

const char* kFragment = R"(#version 330 core
in vec2 vUV;
in vec4 vColor;
uniform sampler2D uTex;
uniform float uAlphaTest;
uniform float uPremul;
out vec4 frag;
void main() {
    vec4 c = texture(uTex, vUV) * vColor;
    if (c.a < uAlphaTest) discard;
    frag = vec4(mix(c.rgb, c.rgb * c.a, uPremul), c.a);
})";

void applyBlend(int mode) {
    switch (mode) {
        case MASKBLEND:
        case SOLIDBLEND:
            glDisable(GL_BLEND);
            break;
        case LIGHTBLEND:
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE);
            break;
        case SHADEBLEND:
            glEnable(GL_BLEND);
            glBlendFunc(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
            break;
        default:
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
            break;
    }
    glUniform1f(S.uAlphaTest, mode == MASKBLEND ? 0.5f : -1.0f);
    glUniform1f(S.uPremul, (mode == MASKBLEND || mode == SOLIDBLEND) ? 0.0f : 1.0f);
}

void applyScissor() {
    if (!S.ready) return;
    if (S.virtW <= 0 || S.virtH <= 0) return;
    float kx = S.realW / S.virtW, ky = S.realH / S.virtH;
    int x0 = static_cast<int>(std::floor(S.vpX * kx + 0.5f));
    int y0 = static_cast<int>(std::floor(S.vpY * ky + 0.5f));
    int x1 = static_cast<int>(std::floor((S.vpX + S.vpW) * kx + 0.5f));
    int y1 = static_cast<int>(std::floor((S.vpY + S.vpH) * ky + 0.5f));
    glEnable(GL_SCISSOR_TEST);
    glScissor(x0, S.realH - y1, std::max(0, x1 - x0), std::max(0, y1 - y0));
}

// Textures are created and filled on unit 1, so the batch's texture on unit 0 stays bound and
// a pending batch need not be drawn first (it never reads the blocks being filled).
void bindForUpload(GLuint id) {
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, id);
}

void endUpload() {
    glActiveTexture(GL_TEXTURE0);
}

int newTexture(int w, int h, bool linear, bool mip, bool atlas) {
    Texture t;
    t.width = w;
    t.height = h;
    t.linear = linear;
    t.atlas = atlas;
    glGenTextures(1, &t.id);
    bindForUpload(t.id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    mip ? GL_LINEAR_MIPMAP_LINEAR : (linear ? GL_LINEAR : GL_NEAREST));
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    if (atlas && mip) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, kMipLevels);
    if (atlas) {
        t.packer = SkylinePacker(w, h);
        int x = 0, y = 0;
        t.packer.insert(8, 8, x, y);
        std::vector<uint8_t> white(8 * 8 * 4, 255);
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, 8, 8, GL_RGBA, GL_UNSIGNED_BYTE, white.data());
        t.white.u0 = t.white.u1 = (x + 4.0f) / w;
        t.white.v0 = t.white.v1 = (y + 4.0f) / h;
        t.white.generation = S.generation;
    }
    endUpload();
    S.textures.push_back(t);
    int index = static_cast<int>(S.textures.size()) - 1;
    S.textures.back().white.texture = atlas ? index : -1;
    return index;
}

// Copies a w x h RGBA block into a padded buffer whose border repeats the block's edge pixels.
std::vector<uint8_t> extrude(const uint8_t* src, int w, int h, int pad) {
    int pw = w + 2 * pad, ph = h + 2 * pad;
    std::vector<uint8_t> out(static_cast<size_t>(pw) * ph * 4);
    for (int y = 0; y < ph; ++y) {
        int sy = std::clamp(y - pad, 0, h - 1);
        for (int x = 0; x < pw; ++x) {
            int sx = std::clamp(x - pad, 0, w - 1);
            std::memcpy(&out[(static_cast<size_t>(y) * pw + x) * 4],
                        &src[(static_cast<size_t>(sy) * w + sx) * 4], 4);
        }
    }
    return out;
}

TexRegion upload(const uint8_t* rgba, int w, int h, bool linear, bool mip) {
    TexRegion r;
    r.generation = S.generation;
    if (w * h > kOwnTextureArea || w > kPageSize / 2 || h > kPageSize / 2) {
        int t = newTexture(w, h, linear || mip, mip, false);
        bindForUpload(S.textures[t].id);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        if (mip) glGenerateMipmap(GL_TEXTURE_2D);
        endUpload();
        r.texture = t;
        r.u0 = 0;
        r.v0 = 0;
        r.u1 = 1;
        r.v1 = 1;
        return r;
    }
    auto& pages = S.atlasPages[mip ? 2 : (linear ? 1 : 0)];
    const int pad = mip ? kMipPad : kPad;
    int x = 0, y = 0, page = -1;
    for (int p : pages) {
        if (S.textures[p].packer.insert(w + 2 * pad, h + 2 * pad, x, y)) {
            page = p;
            break;
        }
    }
    if (page < 0) {
        page = newTexture(kPageSize, kPageSize, linear || mip, mip, true);
        pages.push_back(page);
        S.textures[page].packer.insert(w + 2 * pad, h + 2 * pad, x, y);
    }
    std::vector<uint8_t> padded = extrude(rgba, w, h, pad);
    bindForUpload(S.textures[page].id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w + 2 * pad, h + 2 * pad, GL_RGBA, GL_UNSIGNED_BYTE,
                    padded.data());
    endUpload();
    if (mip) S.textures[page].mipDirty = true;
    r.texture = page;
    r.u0 = float(x + pad) / kPageSize;
    r.v0 = float(y + pad) / kPageSize;
    r.u1 = float(x + pad + w) / kPageSize;
    r.v1 = float(y + pad + h) / kPageSize;
    return r;
}

void ensureIndices(size_t quads) {
    if (quads <= S.iboQuads) return;
    size_t n = std::max(quads, S.iboQuads * 2);
    std::vector<uint32_t> idx(n * 6);
    for (size_t q = 0; q < n; ++q) {
        uint32_t b = static_cast<uint32_t>(q * 4);
        uint32_t* p = &idx[q * 6];
        p[0] = b;
        p[1] = b + 1;
        p[2] = b + 2;
        p[3] = b;
        p[4] = b + 2;
        p[5] = b + 3;
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, S.ibo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, idx.size() * 4, idx.data(), GL_STATIC_DRAW);
    S.iboQuads = n;
}

// A page's white block, for shapes drawn without a picture.
const TexRegion& whiteRegion() {
    if (S.batchTexture >= 0 && S.textures[S.batchTexture].atlas) return S.textures[S.batchTexture].white;
    auto& pages = S.atlasPages[1];
    if (pages.empty()) pages.push_back(newTexture(kPageSize, kPageSize, true, false, true));
    return S.textures[pages.front()].white;
}

}  // namespace

// ---------------------------------------------------------------- renderer services

namespace gfx {

bool ready() {
    return S.ready;
}

void onContextCreated() {
    GLuint vs = compile(GL_VERTEX_SHADER, kVertex);
    GLuint fs = compile(GL_FRAGMENT_SHADER, kFragment);
    S.program = glCreateProgram();
    glAttachShader(S.program, vs);
    glAttachShader(S.program, fs);
    glLinkProgram(S.program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    glUseProgram(S.program);
    S.uView = glGetUniformLocation(S.program, "uView");
    S.uAlphaTest = glGetUniformLocation(S.program, "uAlphaTest");
    S.uPremul = glGetUniformLocation(S.program, "uPremul");
    S.uTex = glGetUniformLocation(S.program, "uTex");
    glUniform1i(S.uTex, 0);
    glGenVertexArrays(1, &S.vao);
    glBindVertexArray(S.vao);
    glGenBuffers(1, &S.vbo);
    glGenBuffers(1, &S.ibo);
    glBindBuffer(GL_ARRAY_BUFFER, S.vbo);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(8));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex), reinterpret_cast<void*>(16));
    S.iboQuads = 0;
    ensureIndices(4096);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    S.ready = true;
    S.batchTexture = -2;
    S.batchBlend = -1;
    S.vertices.reserve(4096 * 4);
}

void onModeChanged(int realWidth, int realHeight) {
    flush();
    S.realW = realWidth;
    S.realH = realHeight;
    glViewport(0, 0, realWidth, realHeight);
    if (S.virtW <= 0 || S.virtH <= 0) {
        S.virtW = static_cast<float>(realWidth);
        S.virtH = static_cast<float>(realHeight);
    }
    if (!S.vpSet) {
        S.vpW = static_cast<int>(S.virtW);
        S.vpH = static_cast<int>(S.virtH);
    }
    glUniform2f(S.uView, S.virtW, S.virtH);
    applyScissor();
}

const TexRegion& region(ImageData& image, int frame) {
    TexRegion& r = image.regions[frame];
    if (r.texture < 0 || r.generation != S.generation) {
        bool linear = (image.flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE)) != 0;
        r = upload(image.frames[frame].data(), image.width, image.height, linear,
                   (image.flags & MIPMAPPEDIMAGE) != 0);
    }
    return r;
}

const TexRegion& glyphRegion(Glyph& glyph) {
    if (glyph.region.texture < 0 || glyph.region.generation != S.generation) {
        std::vector<uint8_t> rgba(glyph.alpha.size() * 4);
        for (size_t i = 0; i < glyph.alpha.size(); ++i) {
            rgba[i * 4] = rgba[i * 4 + 1] = rgba[i * 4 + 2] = 255;
            rgba[i * 4 + 3] = glyph.alpha[i];
        }
        glyph.region = upload(rgba.data(), glyph.width, glyph.height, true, false);
    }
    return glyph.region;
}

void flush() {
    if (!S.ready || S.vertices.empty()) return;
    size_t quads = S.vertices.size() / 4;
    ensureIndices(quads);
    glBindBuffer(GL_ARRAY_BUFFER, S.vbo);
    glBufferData(GL_ARRAY_BUFFER, S.vertices.size() * sizeof(Vertex), S.vertices.data(), GL_STREAM_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, S.ibo);
    if (S.batchTexture >= 0 && S.textures[S.batchTexture].mipDirty) {
        glGenerateMipmap(GL_TEXTURE_2D);  // the batch's page is bound to the drawing unit
        S.textures[S.batchTexture].mipDirty = false;
    }
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quads * 6), GL_UNSIGNED_INT, nullptr);
    S.drawCallsThisFrame++;
    S.quadsThisFrame += static_cast<int>(quads);
    S.vertices.clear();
}

void pushQuad(const TexRegion& region, const Quad& q) {
    if (region.texture != S.batchTexture || S.blend != S.batchBlend) {
        flush();
        if (region.texture != S.batchTexture) {
            glBindTexture(GL_TEXTURE_2D, S.textures[region.texture].id);
            S.batchTexture = region.texture;
        }
        if (S.blend != S.batchBlend) {
            applyBlend(S.blend);
            S.batchBlend = S.blend;
        }
    }
    const uint32_t c = S.packedColor;
    S.vertices.push_back({q.x[0], q.y[0], q.u0, q.v0, c});
    S.vertices.push_back({q.x[1], q.y[1], q.u1, q.v0, c});
    S.vertices.push_back({q.x[2], q.y[2], q.u1, q.v1, c});
    S.vertices.push_back({q.x[3], q.y[3], q.u0, q.v1, c});
}

void transformFixed(float x, float y, float w, float h, float hx, float hy, float sx, float sy, float rot,
                    float out[8]) {
    float c = 1, s = 0;
    if (rot != 0) {
        double rad = rot * M_PI / 180.0;
        c = static_cast<float>(std::cos(rad));
        s = static_cast<float>(std::sin(rad));
    }
    const float lx[4] = {-hx, w - hx, w - hx, -hx};
    const float ly[4] = {-hy, -hy, h - hy, h - hy};
    for (int i = 0; i < 4; ++i) {
        float px = lx[i] * sx, py = ly[i] * sy;
        out[i * 2] = x + px * c - py * s;
        out[i * 2 + 1] = y + px * s + py * c;
    }
}

void transform(float x, float y, float w, float h, float hx, float hy, float out[8]) {
    const float lx0 = -hx * S.sx, lx1 = (w - hx) * S.sx;
    const float ly0 = -hy * S.sy, ly1 = (h - hy) * S.sy;
    const float ox = x + S.originX, oy = y + S.originY;
    if (S.rotation == 0) {
        out[0] = ox + lx0, out[1] = oy + ly0;
        out[2] = ox + lx1, out[3] = oy + ly0;
        out[4] = ox + lx1, out[5] = oy + ly1;
        out[6] = ox + lx0, out[7] = oy + ly1;
        return;
    }
    const float c = S.rotCos, s = S.rotSin;
    const float lx[4] = {lx0, lx1, lx1, lx0};
    const float ly[4] = {ly0, ly0, ly1, ly1};
    for (int i = 0; i < 4; ++i) {
        out[i * 2] = ox + lx[i] * c - ly[i] * s;
        out[i * 2 + 1] = oy + lx[i] * s + ly[i] * c;
    }
}

void beginPresent() {
    flush();
    S.last.drawCalls = S.drawCallsThisFrame;
    S.last.quads = S.quadsThisFrame;
    S.last.textures = static_cast<int>(S.textures.size());
    S.drawCallsThisFrame = 0;
    S.quadsThisFrame = 0;
}

}  // namespace gfx

// ---------------------------------------------------------------- drawing state

void SetColor(int r, int g, int b) {
    S.r = std::clamp(r, 0, 255);
    S.g = std::clamp(g, 0, 255);
    S.b = std::clamp(b, 0, 255);
    packColor();
}
void GetColor(int& r, int& g, int& b) {
    r = S.r;
    g = S.g;
    b = S.b;
}
void SetAlpha(float alpha) {
    S.alpha = std::clamp(alpha, 0.0f, 1.0f);
    packColor();
}
float GetAlpha() {
    return S.alpha;
}
void SetBlend(int mode) {
    S.blend = (mode >= MASKBLEND && mode <= SHADEBLEND) ? mode : ALPHABLEND;
}
int GetBlend() {
    return S.blend;
}
void SetRotation(float degrees) {
    S.rotation = degrees;
    double rad = degrees * M_PI / 180.0;
    S.rotCos = static_cast<float>(std::cos(rad));
    S.rotSin = static_cast<float>(std::sin(rad));
}
float GetRotation() {
    return S.rotation;
}
void SetScale(float sx, float sy) {
    S.sx = sx;
    S.sy = sy;
}
void GetScale(float& sx, float& sy) {
    sx = S.sx;
    sy = S.sy;
}
void SetLineWidth(float width) {
    S.lineWidth = width;
}
void SetImageFont(const ImageFont& font) {
    S.font = font;
}
ImageFont GetImageFont() {
    return S.font;
}

void SetClsColor(int r, int g, int b) {
    S.clsR = std::clamp(r, 0, 255);
    S.clsG = std::clamp(g, 0, 255);
    S.clsB = std::clamp(b, 0, 255);
}
void GetClsColor(int& r, int& g, int& b) {
    r = S.clsR;
    g = S.clsG;
    b = S.clsB;
}

void Cls() {
    if (!S.ready) return;
    gfx::flush();
    glClearColor(S.clsR / 255.0f, S.clsG / 255.0f, S.clsB / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void SetViewport(int x, int y, int w, int h) {
    gfx::flush();
    S.vpX = x;
    S.vpY = y;
    S.vpW = w;
    S.vpH = h;
    S.vpSet = true;
    applyScissor();
}
void GetViewport(int& x, int& y, int& w, int& h) {
    x = S.vpX;
    y = S.vpY;
    w = S.vpW;
    h = S.vpH;
}
void SetOrigin(float x, float y) {
    S.originX = x;
    S.originY = y;
}
void GetOrigin(float& x, float& y) {
    x = S.originX;
    y = S.originY;
}
void SetVirtualResolution(float w, float h) {
    gfx::flush();
    S.virtW = w;
    S.virtH = h;
    if (S.ready) {
        glUniform2f(S.uView, w, h);
        applyScissor();
    }
}
float VirtualResolutionWidth() {
    return S.virtW;
}
float VirtualResolutionHeight() {
    return S.virtH;
}

RenderStats GetRenderStats() {
    return S.last;
}

void FlushDrawing() {
    gfx::flush();
}

// ---------------------------------------------------------------- drawing

void DrawImage(const Image& image, float x, float y, int frame) {
    if (!image || !S.ready || image->frames.empty()) return;
    frame = std::clamp(frame, 0, static_cast<int>(image->frames.size()) - 1);
    const TexRegion& r = gfx::region(*image, frame);
    Quad q;
    float c[8];
    gfx::transform(x, y, static_cast<float>(image->width), static_cast<float>(image->height), image->hx,
                   image->hy, c);
    for (int i = 0; i < 4; ++i) {
        q.x[i] = c[i * 2];
        q.y[i] = c[i * 2 + 1];
    }
    q.u0 = r.u0;
    q.v0 = r.v0;
    q.u1 = r.u1;
    q.v1 = r.v1;
    gfx::pushQuad(r, q);
}

void DrawImageRect(const Image& image, float x, float y, float w, float h, int frame) {
    if (!image) return;
    DrawSubImageRect(image, x, y, w, h, 0, 0, static_cast<float>(image->width),
                     static_cast<float>(image->height), image->hx * (image->width ? w / image->width : 0),
                     image->hy * (image->height ? h / image->height : 0), frame);
}

void DrawSubImageRect(const Image& image, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx, float hy, int frame) {
    if (!image || !S.ready || image->frames.empty() || image->width <= 0 || image->height <= 0) return;
    frame = std::clamp(frame, 0, static_cast<int>(image->frames.size()) - 1);
    const TexRegion& r = gfx::region(*image, frame);
    Quad q;
    float c[8];
    gfx::transform(x, y, w, h, hx, hy, c);
    for (int i = 0; i < 4; ++i) {
        q.x[i] = c[i * 2];
        q.y[i] = c[i * 2 + 1];
    }
    const float du = r.u1 - r.u0, dv = r.v1 - r.v0;
    q.u0 = r.u0 + du * (sx / image->width);
    q.u1 = r.u0 + du * ((sx + sw) / image->width);
    q.v0 = r.v0 + dv * (sy / image->height);
    q.v1 = r.v0 + dv * ((sy + sh) / image->height);
    gfx::pushQuad(r, q);
}

void DrawRect(float x, float y, float w, float h) {
    if (!S.ready) return;
    const TexRegion& r = whiteRegion();
    Quad q;
    float c[8];
    gfx::transform(x, y, w, h, 0, 0, c);
    for (int i = 0; i < 4; ++i) {
        q.x[i] = c[i * 2];
        q.y[i] = c[i * 2 + 1];
    }
    q.u0 = q.u1 = r.u0;
    q.v0 = q.v1 = r.v0;
    gfx::pushQuad(r, q);
}

void DrawLine(float x1, float y1, float x2, float y2, bool drawLastPixel) {
    if (!S.ready) return;
    const TexRegion& r = whiteRegion();
    float dx = x2 - x1, dy = y2 - y1;
    float len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0) return;
    float nx = -dy / len * S.lineWidth * 0.5f, ny = dx / len * S.lineWidth * 0.5f;
    float ex = drawLastPixel ? dx / len * 0.5f : 0, ey = drawLastPixel ? dy / len * 0.5f : 0;
    float ox = S.originX, oy = S.originY;
    Quad q;
    q.x[0] = x1 + nx + ox, q.y[0] = y1 + ny + oy;
    q.x[1] = x2 + ex + nx + ox, q.y[1] = y2 + ey + ny + oy;
    q.x[2] = x2 + ex - nx + ox, q.y[2] = y2 + ey - ny + oy;
    q.x[3] = x1 - nx + ox, q.y[3] = y1 - ny + oy;
    q.u0 = q.u1 = r.u0;
    q.v0 = q.v1 = r.v0;
    gfx::pushQuad(r, q);
}

void DrawOval(float x, float y, float w, float h) {
    // An anti-aliased disc picture drawn stretched over the rectangle.
    static Image disc;
    if (!disc) {
        const int n = 64;
        auto pm = std::make_shared<PixmapData>();
        pm->width = pm->height = n;
        pm->rgba.assign(n * n * 4, 255);
        for (int py = 0; py < n; ++py)
            for (int px = 0; px < n; ++px) {
                float dx = px + 0.5f - n / 2.0f, dy = py + 0.5f - n / 2.0f;
                float d = n / 2.0f - std::sqrt(dx * dx + dy * dy);
                pm->rgba[(py * n + px) * 4 + 3] =
                    static_cast<uint8_t>(std::clamp(d + 0.5f, 0.0f, 1.0f) * 255);
            }
        disc = LoadImage(pm, FILTEREDIMAGE);
    }
    DrawImageRect(disc, x, y, w, h);
}

Pixmap GrabPixmap(int x, int y, int w, int h) {
    auto pm = std::make_shared<PixmapData>();
    if (w <= 0 || h <= 0) return pm;
    pm->width = w;
    pm->height = h;
    pm->rgba.assign(static_cast<size_t>(w) * h * 4, 0);
    if (!S.ready || S.virtW <= 0 || S.virtH <= 0) return pm;
    gfx::flush();
    const float kx = S.realW / S.virtW, ky = S.realH / S.virtH;
    // The real pixel rectangle that covers the requested drawing rectangle.
    const float rx0 = (x + S.originX) * kx, ry0 = (y + S.originY) * ky;
    const float rw = w * kx, rh = h * ky;
    int px0 = std::clamp(static_cast<int>(std::floor(rx0)), 0, S.realW);
    int py0 = std::clamp(static_cast<int>(std::floor(ry0)), 0, S.realH);
    int px1 = std::clamp(static_cast<int>(std::ceil(rx0 + rw)), 0, S.realW);
    int py1 = std::clamp(static_cast<int>(std::ceil(ry0 + rh)), 0, S.realH);
    int pw = px1 - px0, ph = py1 - py0;
    if (pw <= 0 || ph <= 0) return pm;
    std::vector<uint8_t> real(static_cast<size_t>(pw) * ph * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(px0, S.realH - py1, pw, ph, GL_RGBA, GL_UNSIGNED_BYTE, real.data());
    // Resample (area average when shrinking, nearest-bilinear otherwise) into w x h, flipping rows.
    for (int oy = 0; oy < h; ++oy) {
        float fy0 = ry0 + oy * ky - py0, fy1 = fy0 + ky;
        for (int ox = 0; ox < w; ++ox) {
            float fx0 = rx0 + ox * kx - px0, fx1 = fx0 + kx;
            int ix0 = std::clamp(static_cast<int>(std::floor(fx0)), 0, pw - 1);
            int ix1 = std::clamp(static_cast<int>(std::ceil(fx1)) - 1, ix0, pw - 1);
            int iy0 = std::clamp(static_cast<int>(std::floor(fy0)), 0, ph - 1);
            int iy1 = std::clamp(static_cast<int>(std::ceil(fy1)) - 1, iy0, ph - 1);
            uint32_t sum[3] = {0, 0, 0}, count = 0;
            for (int iy = iy0; iy <= iy1; ++iy)
                for (int ix = ix0; ix <= ix1; ++ix) {
                    const uint8_t* p = &real[(static_cast<size_t>(ph - 1 - iy) * pw + ix) * 4];
                    sum[0] += p[0];
                    sum[1] += p[1];
                    sum[2] += p[2];
                    ++count;
                }
            uint8_t* o = &pm->rgba[(static_cast<size_t>(oy) * w + ox) * 4];
            for (int k = 0; k < 3; ++k) o[k] = static_cast<uint8_t>((sum[k] + count / 2) / count);
            o[3] = 255;
        }
    }
    pm->hasAlpha = false;
    return pm;
}

}  // namespace eng
