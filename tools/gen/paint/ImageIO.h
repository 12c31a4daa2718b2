// Writing canvases as PNG (with alpha) and JPEG files, byte for byte the same on every run.
#pragma once

#include <string>

namespace paint {

class Canvas;

// RGBA PNG, fixed zlib level and filters, no time stamp or other optional chunks. Throws on failure.
void writePng(const Canvas& c, const std::string& path);
// Baseline JPEG without chroma subsampling; alpha is ignored (the canvas should be opaque).
void writeJpeg(const Canvas& c, const std::string& path, int quality = 90);

}  // namespace paint
