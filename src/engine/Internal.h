// Engine-internal records shared by the renderer, images, fonts, input and the system layer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/Engine.h"

namespace eng {

// A picture, font, sound or text that could not be loaded (TakeLoadFailures reports them).
void noteLoadFailure(const std::string& path);

// Where one frame of an image (or one glyph) lives on the GPU.
struct TexRegion {
    int texture = -1;  // index into the renderer's texture table; -1 = not uploaded yet
    uint32_t generation = 0;
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};

struct ImageData {
    int width = 0;  // of one frame
    int height = 0;
    int flags = 0;
    float hx = 0, hy = 0;  // handle
    bool hasAlpha = true;
    std::vector<std::vector<uint8_t>> frames;  // RGBA per frame; kept on the CPU for the whole run
    std::vector<TexRegion> regions;            // per frame, made on first draw
};

struct Glyph {
    int width = 0, height = 0;  // bitmap size
    int left = 0,
        top = 0;  // offset of the bitmap from the pen position (top measured down from the line top)
    int advance = 0;
    std::vector<uint8_t> alpha;
    TexRegion region;
};

struct FontData {
    std::string path;
    int size = 0;
    int ascender = 0;  // pixels from the line top to the baseline
    int lineHeight = 0;
    void* face = nullptr;   // the FreeType face, kept open for glyphs rendered on demand
    std::string fileBytes;  // the font file, which the face reads from
    std::unordered_map<uint32_t, Glyph> glyphs;
    const Glyph& glyph(uint32_t code);
};

// A quad ready for the batcher: corners in virtual units, clockwise from the top-left.
struct Quad {
    float x[4], y[4];
    float u0, v0, u1, v1;
};

// Renderer services used by images and fonts.
namespace gfx {
bool ready();  // a graphics mode is open
// Makes sure the frame (or glyph) has a GPU region; `filtered` picks smooth sampling.
const TexRegion& region(ImageData& image, int frame);
const TexRegion& glyphRegion(Glyph& glyph);
// Appends a textured quad with the current colour, alpha and blend.
void pushQuad(const TexRegion& region, const Quad& q);
// The four corners of a w x h rectangle placed with its local point (hx, hy) on (x, y), with the
// current scale and rotation and the origin applied.
void transform(float x, float y, float w, float h, float hx, float hy, float out[8]);
void transformFixed(float x, float y, float w, float h, float hx, float hy, float sx, float sy, float rot,
                    float out[8]);
void flush();
void onContextCreated();
void onModeChanged(int realWidth, int realHeight);
void beginPresent();  // flushes and counts the frame's statistics
}  // namespace gfx

// System layer services used by the renderer and input.
namespace sys {
void* window();  // the SDL window, or null
void windowSize(int& w, int& h);
bool audioWanted();  // false in headless mode without audio
}  // namespace sys

// Input state, written by the event pump or by injection.
namespace input {
void keyEvent(int vk, bool down, bool repeat);
void charEvent(uint32_t code);
void mouseMoveVirtual(float vx, float vy);
void mouseButtonEvent(int button, bool down);
void mouseWheelEvent(int notches);
void logicalToVirtual(float lx, float ly, float& vx, float& vy);
}  // namespace input

// Closes the audio device when the program ends.
void shutdownAudio();

// Decoding of picture files.
Pixmap decodeImageFile(const std::string& bytes);

}  // namespace eng
