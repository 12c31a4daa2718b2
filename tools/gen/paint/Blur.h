// Separable blurs of float planes: three box passes approximate a Gaussian at any radius in linear time.
#pragma once

namespace paint {

// Blurs `channels` interleaved float planes of w×h in place; `sigma` is the Gaussian's standard deviation
// in pixels. Values outside the image count as zero (so shapes near the border fade out, not smear).
void blurPlanes(float* data, int w, int h, int channels, float sigma);

}  // namespace paint
