// PNG output through libpng and JPEG output through libjpeg, from float pixels with ordered dithering.
#include "paint/ImageIO.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>
// clang-format off
#include <jpeglib.h>
#include <png.h>
// clang-format on

#include "paint/Canvas.h"

namespace paint {

namespace {

// A 4×4 Bayer matrix: below one step of 8-bit colour, so gradients do not band.
constexpr float kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

unsigned char quantise(float v, int x, int y) {
    const float d = (kBayer[y & 3][x & 3] + 0.5f) / 16.0f;
    const float q = std::floor(v * 255.0f + d);
    return static_cast<unsigned char>(std::clamp(q, 0.0f, 255.0f));
}

// Straight-alpha 8-bit rows (channels 4 with alpha, 3 without).
std::vector<unsigned char> toBytes(const Canvas& c, int channels) {
    std::vector<unsigned char> out(static_cast<size_t>(c.width()) * c.height() * channels);
    size_t i = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Pixel& p = c.at(x, y);
            const unsigned char a = channels == 4 ? quantise(p.a, x, y) : 255;
            if (channels == 4 && a == 0) {
                for (int k = 0; k < 4; ++k) out[i++] = 0;
                continue;
            }
            const float inv = channels == 4 ? 1.0f / std::max(p.a, 1e-6f) : 1.0f;
            out[i++] = quantise(p.r * inv, x, y);
            out[i++] = quantise(p.g * inv, x, y);
            out[i++] = quantise(p.b * inv, x, y);
            if (channels == 4) out[i++] = a;
        }
    return out;
}

struct File {
    FILE* f;
    explicit File(const std::string& path) : f(std::fopen(path.c_str(), "wb")) {
        if (!f) throw std::runtime_error("cannot write " + path);
    }
    ~File() {
        if (f) std::fclose(f);
    }
};

}  // namespace

void writePng(const Canvas& c, const std::string& path) {
    const std::vector<unsigned char> bytes = toBytes(c, 4);
    File file(path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) throw std::runtime_error("libpng could not start for " + path);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed writing " + path);
    }
    png_init_io(png, file.f);
    png_set_compression_level(png, 9);
    png_set_compression_strategy(png, 0);  // Z_DEFAULT_STRATEGY
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_IHDR(png, info, static_cast<png_uint_32>(c.width()), static_cast<png_uint_32>(c.height()), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < c.height(); ++y) png_write_row(png, &bytes[static_cast<size_t>(y) * c.width() * 4]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

void writeJpeg(const Canvas& c, const std::string& path, int quality) {
    std::vector<unsigned char> bytes = toBytes(c, 3);
    File file(path);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file.f);
    cinfo.image_width = static_cast<JDIMENSION>(c.width());
    cinfo.image_height = static_cast<JDIMENSION>(c.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;  // full-resolution colour: no smeared edges
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = &bytes[static_cast<size_t>(cinfo.next_scanline) * c.width() * 3];
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
}

}  // namespace paint
