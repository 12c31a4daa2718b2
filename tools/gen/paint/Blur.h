// Box filters of float planes: Gaussian-like blurs from three box passes, and shrinking by whole factors.
#pragma once

namespace paint {

// Blurs `channels` interleaved float planes of w×h in place; `sigma` is the Gaussian's standard deviation
// in pixels. Values outside the image count as zero (so shapes near the border fade out, not smear).
void blurPlanes(float* data, int w, int h, int channels, float sigma);

// Averages factor×factor blocks of `channels` interleaved float planes of w×h into `out`, which holds
// (w / factor)×(h / factor) of them; rows and columns left over at the right and bottom are dropped.
void downsamplePlanes(const float* data, int w, int h, int channels, int factor, float* out);

}  // namespace paint
