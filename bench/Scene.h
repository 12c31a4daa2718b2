// The benchmark scene: generated pictures, mixed sprites on the logical screen and lines of text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Engine.h"

struct Sprite {
    int kind = 0;                       // index into Scene::images
    float x = 0, y = 0;                 // logical units; the picture's centre
    float rot0 = 0, spin = 0, rot = 0;  // degrees; rot = rot0 + spin * frame
    float sx = 1, sy = 1;
    float alpha = 1;
    uint8_t r = 255, g = 255, b = 255;
    int blend = eng::ALPHABLEND;
};

struct TextLine {
    std::string text;
    float x = 0, y = 0;
    uint8_t r = 255, g = 255, b = 255;
};

struct Scene {
    std::vector<eng::Image> images;  // mid-handled, loaded with the game's default flags
    std::vector<Sprite> sprites;
    std::vector<TextLine> texts;
    eng::ImageFont font;
};

// The eight pictures every scene shares; they reach the GPU on their first draw.
std::vector<eng::Image> makeSpriteImages();
// `count` sprites in runs of 100 alternating between alpha and light blending, and 20 lines of text.
Scene makeScene(const std::vector<eng::Image>& images, const eng::ImageFont& font, int count);
// Turns every sprite to its angle at `frame`.
void animate(Scene& scene, int frame);
// Submits the scene through the engine facade (the caller flushes).
void drawFacade(const Scene& scene);
