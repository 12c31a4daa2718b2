// The benchmark scene: generated pictures, mixed sprites on the logical screen and lines of text.
#include "Scene.h"

#include <algorithm>
#include <cmath>

namespace {

// Coverage of the picture's shape at the pixel centre (px, py) of a w x h picture.
float coverage(int shape, float px, float py, int w, int h) {
    const float dx = px - w * 0.5f, dy = py - h * 0.5f;
    const float radius = std::min(w, h) * 0.5f, len = std::sqrt(dx * dx + dy * dy);
    auto clamp01 = [](float v) { return std::clamp(v, 0.0f, 1.0f); };
    switch (shape) {
        case 0:  // square with a one-pixel soft edge
            return clamp01(std::min(std::min(px, w - px), std::min(py, h - py)));
        case 1:  // disc
            return clamp01(radius - len + 0.5f);
        case 3:  // ring
            return clamp01(std::min(radius - len, len - radius * 0.6f) + 0.5f);
        case 4: {  // glow fading to nothing
            float k = clamp01(1.0f - len / radius);
            return k * k;
        }
        case 5: {  // panel with rounded corners
            const float cr = 12;
            float qx = std::max(std::abs(dx) - (w * 0.5f - cr), 0.0f);
            float qy = std::max(std::abs(dy) - (h * 0.5f - cr), 0.0f);
            return clamp01(cr - std::sqrt(qx * qx + qy * qy) + 0.5f);
        }
        case 7:  // diamond
            return clamp01((1.0f - std::abs(dx) / (w * 0.5f) - std::abs(dy) / (h * 0.5f)) * radius + 0.5f);
        default:  // opaque
            return 1;
    }
}

eng::Pixmap makePicture(int w, int h, int shape, int r, int g, int b) {
    auto pm = std::make_shared<eng::PixmapData>();
    pm->width = w;
    pm->height = h;
    pm->rgba.resize(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = &pm->rgba[(static_cast<size_t>(y) * w + x) * 4];
            float shade = 0.6f + 0.4f * y / h;
            if (shape == 6 && ((x / 16 + y / 16) & 1)) shade *= 0.7f;  // checker
            p[0] = static_cast<uint8_t>(r * shade);
            p[1] = static_cast<uint8_t>(g * shade);
            p[2] = static_cast<uint8_t>(b * shade);
            p[3] = static_cast<uint8_t>(std::lround(coverage(shape, x + 0.5f, y + 0.5f, w, h) * 255));
        }
    return pm;
}

// A small deterministic generator, so every run draws the same scene.
struct Lcg {
    uint64_t s;
    float next() {
        s = s * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<float>((s >> 40) & 0xFFFFFF) / 16777216.0f;
    }
    float range(float lo, float hi) { return lo + (hi - lo) * next(); }
};

}  // namespace

std::vector<eng::Image> makeSpriteImages() {
    struct Kind {
        int w, h, shape, r, g, b;
    };
    const Kind kinds[] = {{16, 16, 0, 250, 220, 90},  {24, 24, 1, 120, 200, 255}, {32, 32, 2, 230, 120, 80},
                          {48, 40, 3, 160, 255, 160}, {64, 64, 4, 255, 240, 200}, {96, 72, 5, 200, 170, 120},
                          {128, 96, 6, 90, 140, 90},  {40, 64, 7, 220, 140, 255}};
    std::vector<eng::Image> images;
    for (const Kind& k : kinds) {
        eng::Image img = eng::LoadImage(makePicture(k.w, k.h, k.shape, k.r, k.g, k.b));
        eng::MidHandleImage(img);
        images.push_back(img);
    }
    return images;
}

Scene makeScene(const std::vector<eng::Image>& images, const eng::ImageFont& font, int count) {
    Scene scene;
    scene.images = images;
    scene.font = font;
    Lcg rng{static_cast<uint64_t>(count) * 7919 + 1};
    for (int i = 0; i < count; ++i) {
        Sprite s;
        s.kind = static_cast<int>(rng.next() * images.size()) % static_cast<int>(images.size());
        s.x = rng.range(0, 1024);
        s.y = rng.range(0, 768);
        s.rot0 = rng.range(0, 360);
        s.spin = rng.range(-3, 3);
        s.sx = rng.range(0.5f, 1.5f);
        s.sy = s.sx * rng.range(0.8f, 1.2f);
        s.alpha = rng.range(0.3f, 1.0f);
        s.r = static_cast<uint8_t>(rng.range(128, 255));
        s.g = static_cast<uint8_t>(rng.range(128, 255));
        s.b = static_cast<uint8_t>(rng.range(128, 255));
        s.blend = (i / 100) % 2 ? eng::LIGHTBLEND : eng::ALPHABLEND;
        scene.sprites.push_back(s);
    }
    const char* words[] = {"Score", "Puzzle", "Time",  "Hints", "Coins",
                           "Level", "Stars",  "Lives", "Bonus", "Combo"};
    for (int i = 0; i < 20; ++i) {
        TextLine t;
        t.text = std::string(words[i % 10]) + ": " + std::to_string(1000 + i * 137);
        t.x = 24.0f + (i % 2) * 520.0f;
        t.y = 40.0f + (i / 2) * 34.5f;
        t.g = static_cast<uint8_t>(200 + i * 2);
        t.b = static_cast<uint8_t>(160 + i * 4);
        scene.texts.push_back(t);
    }
    return scene;
}

void animate(Scene& scene, int frame) {
    for (Sprite& s : scene.sprites) s.rot = std::fmod(s.rot0 + s.spin * frame, 360.0f);
}

void drawFacade(const Scene& scene) {
    int blend = -1;
    for (const Sprite& s : scene.sprites) {
        if (s.blend != blend) {
            eng::SetBlend(s.blend);
            blend = s.blend;
        }
        eng::SetColor(s.r, s.g, s.b);
        eng::SetAlpha(s.alpha);
        eng::SetRotation(s.rot);
        eng::SetScale(s.sx, s.sy);
        eng::DrawImage(scene.images[s.kind], s.x, s.y);
    }
    eng::SetBlend(eng::ALPHABLEND);
    eng::SetRotation(0);
    eng::SetScale(1, 1);
    eng::SetAlpha(1);
    eng::SetImageFont(scene.font);
    for (const TextLine& t : scene.texts) {
        eng::SetColor(t.r, t.g, t.b);
        eng::DrawText(t.text, t.x, t.y);
    }
}
