// Decoding PNG and JPEG files into RGBA pixmaps, and writing pixmaps as PNG.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
// clang-format off
#include <jpeglib.h>
#include <png.h>
// clang-format on

#include "engine/Internal.h"

namespace eng {

namespace {

Pixmap decodePng(const std::string& bytes) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return nullptr;
    // The file's own format, before it is replaced by the RGBA we decode into.
    const png_uint_32 source = img.format;
    img.format = PNG_FORMAT_RGBA;
    auto pm = std::make_shared<PixmapData>();
    pm->width = static_cast<int>(img.width);
    pm->height = static_cast<int>(img.height);
    pm->rgba.resize(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, pm->rgba.data(), 0, nullptr)) {
        png_image_free(&img);
        return nullptr;
    }
    pm->hasAlpha = (source & PNG_FORMAT_FLAG_ALPHA) != 0;
    if (pm->hasAlpha && (source & PNG_FORMAT_FLAG_COLORMAP) != 0) {
        // A palette with a transparency table has alpha only if some pixel is not opaque: an optimiser
        // may add the table to a picture that uses none of it, and the mask colour must still apply.
        bool any = false;
        for (size_t i = 3; i < pm->rgba.size() && !any; i += 4) any = pm->rgba[i] != 255;
        pm->hasAlpha = any;
    }
    return pm;
}

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void jpegFail(j_common_ptr cinfo) {
    JpegError* err = reinterpret_cast<JpegError*>(cinfo->err);
    longjmp(err->jump, 1);
}

Pixmap decodeJpeg(const std::string& bytes) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    auto pm = std::make_shared<PixmapData>();
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return nullptr;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_RGBA;  // straight to RGBA, no conversion pass of our own
    jpeg_start_decompress(&cinfo);
    pm->width = static_cast<int>(cinfo.output_width);
    pm->height = static_cast<int>(cinfo.output_height);
    pm->rgba.resize(static_cast<size_t>(pm->width) * pm->height * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &pm->rgba[static_cast<size_t>(cinfo.output_scanline) * pm->width * 4];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    pm->hasAlpha = false;
    return pm;
}

}  // namespace

Pixmap decodeImageFile(const std::string& bytes) {
    if (bytes.size() >= 8 && png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) == 0)
        return decodePng(bytes);
    if (bytes.size() >= 3 && static_cast<uint8_t>(bytes[0]) == 0xFF && static_cast<uint8_t>(bytes[1]) == 0xD8)
        return decodeJpeg(bytes);
    return nullptr;
}

Pixmap LoadPixmap(const std::string& path) {
    std::string bytes;
    Pixmap pm = ReadFileBytes(path, bytes) ? decodeImageFile(bytes) : nullptr;
    if (!pm) noteLoadFailure(path);
    return pm;
}

bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return false;
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = static_cast<png_uint_32>(pixmap->width);
    img.height = static_cast<png_uint_32>(pixmap->height);
    img.format = PNG_FORMAT_RGBA;
    std::string temp = path + ".tmp";
    int ok = png_image_write_to_file(&img, temp.c_str(), 0, pixmap->rgba.data(), 0, nullptr);
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok != 0;
}

}  // namespace eng
