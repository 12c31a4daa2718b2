// Three-pass box blur: per row, then per column, with running sums.
#include "paint/Blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace paint {

namespace {

// Box radii of three passes whose combination has standard deviation close to `sigma`.
void boxRadii(float sigma, int radii[3]) {
    const float ideal = std::sqrt(12.0f * sigma * sigma / 3.0f + 1.0f);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0) --lower;
    const int upper = lower + 2;
    const float m =
        (12.0f * sigma * sigma - 3.0f * lower * lower - 12.0f * lower - 9.0f) / (-4.0f * lower - 4.0f);
    const int count = static_cast<int>(std::lround(m));
    for (int i = 0; i < 3; ++i) radii[i] = ((i < count ? lower : upper) - 1) / 2;
}

// One box pass over `n` samples spaced `step` apart, for each of `channels` interleaved values.
void boxLine(float* line, int n, int step, int channels, int r, std::vector<float>& tmp) {
    if (r <= 0) return;
    tmp.resize(static_cast<size_t>(n));
    const float scale = 1.0f / static_cast<float>(2 * r + 1);
    for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < n; ++i) tmp[i] = line[static_cast<size_t>(i) * step + c];
        double sum = 0;
        for (int i = 0; i <= std::min(r, n - 1); ++i) sum += tmp[i];
        for (int i = 0; i < n; ++i) {
            line[static_cast<size_t>(i) * step + c] = static_cast<float>(sum) * scale;
            if (i + r + 1 < n) sum += tmp[i + r + 1];
            if (i - r >= 0) sum -= tmp[i - r];
        }
    }
}

}  // namespace

void blurPlanes(float* data, int w, int h, int channels, float sigma) {
    if (sigma <= 0.3f || w <= 0 || h <= 0) return;
    int radii[3];
    boxRadii(sigma, radii);
    std::vector<float> tmp;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            boxLine(data + static_cast<size_t>(y) * w * channels, w, channels, channels, radii[pass], tmp);
        for (int x = 0; x < w; ++x)
            boxLine(data + static_cast<size_t>(x) * channels, h, w * channels, channels, radii[pass], tmp);
    }
}

void downsamplePlanes(const float* data, int w, int h, int channels, int factor, float* out) {
    const int ow = w / factor, oh = h / factor;
    // Keep the multiply by the reciprocal: x / n can round a last bit apart from it when n is not a power of
    // two, and pictures shrunk by such a factor would change.
    const float inv = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < oh; ++y)
        for (int x = 0; x < ow; ++x)
            for (int c = 0; c < channels; ++c) {
                float sum = 0;
                for (int sy = 0; sy < factor; ++sy) {
                    const float* row =
                        data + (static_cast<size_t>(y * factor + sy) * w + x * factor) * channels;
                    for (int sx = 0; sx < factor; ++sx) sum += row[static_cast<size_t>(sx) * channels + c];
                }
                out[(static_cast<size_t>(y) * ow + x) * channels + c] = sum * inv;
            }
}

}  // namespace paint
