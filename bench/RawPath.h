// The floor to measure the renderer against: a minimal hand-batched OpenGL path drawing the same quads.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include "RawAtlas.h"
#include "Scene.h"

class RawPath {
  public:
    // Needs a current GL context; the engine's GL state is left as it was.
    bool init(const RawAtlas& atlas, size_t maxQuads);
    // Saves the GL state the engine relies on and binds this path's objects.
    void begin(float virtW, float virtH, float originX, float originY);
    // Transforms the scene's sprites and text on the CPU, uploads them and draws one call per blend run.
    void submit(const Scene& scene);
    // Puts the saved GL state back.
    void end();
    int drawCalls() const { return drawCalls_; }

  private:
    struct Vertex {
        float x, y, u, v;
        uint32_t rgba;
    };
    struct Run {
        int blend;
        size_t firstQuad;
    };
    struct Saved {
        GLint program, vao, arrayBuffer, elementBuffer, activeTexture, texture0, texture1;
        GLint srcRgb, dstRgb, srcAlpha, dstAlpha;
        GLboolean blend, scissor;
        GLint scissorBox[4];
    };
    void quad(const AtlasRect& r, const float xy[8], uint32_t rgba);
    void startRun(int blend);

    RawAtlas atlas_;
    GLuint program_ = 0, vao_ = 0, vbo_ = 0, ibo_ = 0, texture_ = 0;
    GLint uView_ = -1;
    float originX_ = 0, originY_ = 0;
    std::vector<Vertex> vertices_;
    std::vector<Run> runs_;
    Saved saved_{};
    size_t maxQuads_ = 0;
    int drawCalls_ = 0;
};
