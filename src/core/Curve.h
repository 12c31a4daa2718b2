// The quadratic Bézier curve every flight in the game follows.
#pragma once

// The point at t (0..1) on the curve from a to b pulled toward m; one coordinate at a time. Written with
// (1 - t) so that t = 1 lands exactly on b.
inline float bezier(float a, float m, float b, float t) {
    const float u = 1 - t;
    return u * u * a + 2 * u * t * m + t * t * b;
}
