// Strips, free transforms, cracks and the shattering of a picture into falling shards.
#include <algorithm>
#include <cmath>
#include <utility>

#include "paint/Noise.h"
#include "tiles_art.h"

namespace gen::tiles {

Canvas strip(const std::vector<Canvas>& frames) {
    Canvas s(frames[0].width() * static_cast<int>(frames.size()), frames[0].height());
    for (size_t i = 0; i < frames.size(); ++i) s.draw(frames[i], static_cast<int>(i) * frames[0].width(), 0);
    return s;
}

namespace {

Pixel sampleAt(const Canvas& c, float x, float y) {
    const float fx = x - 0.5f, fy = y - 0.5f;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const float tx = fx - x0, ty = fy - y0;
    auto get = [&](int px, int py) {
        return px < 0 || py < 0 || px >= c.width() || py >= c.height() ? Pixel{} : c.at(px, py);
    };
    const Pixel a = get(x0, y0), b = get(x0 + 1, y0), d = get(x0, y0 + 1), e = get(x0 + 1, y0 + 1);
    auto lerp2 = [&](float p, float q, float r, float s) { return mixf(mixf(p, q, tx), mixf(r, s, tx), ty); };
    return {lerp2(a.r, b.r, d.r, e.r), lerp2(a.g, b.g, d.g, e.g), lerp2(a.b, b.b, d.b, e.b),
            lerp2(a.a, b.a, d.a, e.a)};
}

}  // namespace

void drawTransformed(Canvas& dst, const Canvas& src, Vec2 pivot, Vec2 at, float degrees, float scale,
                     float opacity) {
    if (scale <= 0.001f || opacity <= 0.0f) return;
    const float rad = -degrees * kPi / 180.0f;
    for (int y = 0; y < dst.height(); ++y)
        for (int x = 0; x < dst.width(); ++x) {
            const Vec2 q = rotate(Vec2{x + 0.5f, y + 0.5f} - at, rad) / scale + pivot;
            Pixel p = sampleAt(src, q.x, q.y);
            if (p.a <= 0.0f) continue;
            p = {p.r * opacity, p.g * opacity, p.b * opacity, p.a * opacity};
            blendPixel(dst.at(x, y), p, Blend::Over);
        }
}

void crackLines(Canvas& c, Vec2 impact, int lines, float width, Color dark, uint32_t seed) {
    Rng rng(seed);
    const float reach = static_cast<float>(std::max(c.width(), c.height()));
    const float base = rng.range(0, 360);
    for (int i = 0; i < lines; ++i) {
        const float angle = base + 360.0f * i / lines + rng.range(-18, 18);
        std::vector<Vec2> pts{impact};
        std::vector<float> widths{width};
        const int steps = 4;
        for (int k = 1; k <= steps; ++k) {
            const float r = reach * 0.75f * k / steps;
            pts.push_back(polar(impact, r, angle + rng.range(-16, 16)));
            widths.push_back(width * (1.0f - 0.55f * k / steps));
        }
        const Shape line = Shape::stroke(pts, widths);
        c.paint(line.moved({0.7f, 0.8f}), hex(0xfff4dc, dark.a * 0.35f), Blend::Inside);
        c.paint(line, dark, Blend::Inside);
    }
}

std::vector<Canvas> shatter(const Canvas& intact, int frames, const Shatter& how) {
    constexpr int kSuper = 4;
    const int w = intact.width(), h = intact.height();
    const float size = static_cast<float>(std::max(w, h));
    Rng rng(how.seed * 7919u + 17u);
    const Vec2 impact{how.impact.x * w, how.impact.y * h};
    std::vector<Vec2> seeds{impact + Vec2{rng.range(-2, 2), rng.range(-2, 2)}};
    for (int i = 1; i < how.pieces; ++i)
        seeds.push_back({rng.range(0.05f, 0.95f) * w, rng.range(0.05f, 0.95f) * h});

    // Shards and cracks are cut on a finer grid with a little wobble, then averaged down for clean edges.
    const Noise wobble(how.seed + 101u);
    const int sw = w * kSuper, sh = h * kSuper;
    std::vector<Mask> hires(seeds.size(), Mask(sw, sh));
    std::vector<size_t> label(static_cast<size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const Vec2 p{(x + 0.5f) / kSuper, (y + 0.5f) / kSuper};
            const Vec2 q = p + Vec2{wobble.fbm(p.x * 0.35f, p.y * 0.35f, 3) - 0.5f,
                                    wobble.fbm(p.x * 0.35f + 40, p.y * 0.35f, 3) - 0.5f} *
                                   (size * 0.08f);
            float best = 1e9f;
            size_t bi = 0;
            for (size_t i = 0; i < seeds.size(); ++i) {
                const Vec2 v = q - seeds[i];
                const float d = length(Vec2{v.x / how.grain, v.y});
                if (d < best) {
                    best = d;
                    bi = i;
                }
            }
            hires[bi].at(x, y) = 1.0f;
            label[static_cast<size_t>(y) * sw + x] = bi;
        }
    // A crack wherever a neighbour within half the crack's width belongs to another shard.
    Mask crackHi(sw, sh);
    const int reach =
        std::max(1, static_cast<int>(std::lround(std::max(0.55f, size / 60.0f) * kSuper * 0.5f)));
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const size_t own = label[static_cast<size_t>(y) * sw + x];
            for (const auto& [dx, dy] :
                 {std::pair{reach, 0}, std::pair{-reach, 0}, std::pair{0, reach}, std::pair{0, -reach}}) {
                const int nx = std::clamp(x + dx, 0, sw - 1), ny = std::clamp(y + dy, 0, sh - 1);
                if (label[static_cast<size_t>(ny) * sw + nx] != own) crackHi.at(x, y) = 1.0f;
            }
        }
    std::vector<Mask> shards;
    for (const Mask& m : hires) shards.push_back(m.downsampled(kSuper));
    const Mask cracks = crackHi.downsampled(kSuper);

    std::vector<Canvas> out{intact};
    Canvas cracked = intact;
    cracked.paint(cracks, how.crack, Blend::Inside);
    for (int f = 1; f <= how.crackFrames && f < frames; ++f) {
        Canvas c = intact;
        c.paint(cracks, how.crack, Blend::Inside, static_cast<float>(f) / how.crackFrames);
        out.push_back(c);
    }

    // Every shard: its own part of the cracked picture, its centre, direction and turn.
    struct Piece {
        Canvas img;
        Vec2 centre, dir;
        float spin;
    };
    std::vector<Piece> pieces;
    for (const Mask& m : shards) {
        Piece p{cracked, {}, {}, 0};
        p.img.clip(m);
        float sum = 0;
        Vec2 c{};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                sum += m.at(x, y);
                c = c + Vec2{x + 0.5f, y + 0.5f} * m.at(x, y);
            }
        p.centre = sum > 0 ? c / sum : Vec2{w / 2.0f, h / 2.0f};
        p.dir = normalize(p.centre - impact);
        if (length(p.dir) < 0.5f) p.dir = normalize(Vec2{rng.range(-1, 1), -1});
        p.spin = rng.range(0.4f, 1.0f) * how.spin * (rng.uniform() < 0.5f ? -1.0f : 1.0f);
        pieces.push_back(std::move(p));
    }
    const int falling = frames - 1 - how.crackFrames;
    for (int f = 1; f <= falling; ++f) {
        const float t = static_cast<float>(f) / falling;
        Canvas c(w, h);
        for (const Piece& p : pieces) {
            const Vec2 at = p.centre + p.dir * (how.spread * size * t) + Vec2{0, how.drop * size * t * t};
            const float opacity = 1.0f - smoothstep(0.3f, 1.0f, t);
            drawTransformed(c, p.img, p.centre, at, p.spin * t, 1.0f - how.shrink * t, opacity);
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace gen::tiles
