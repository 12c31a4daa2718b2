// WAV and Ogg Vorbis writers. The Vorbis encoder is opened at run time from the system's libvorbisenc.
#include "sound_files.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <stdexcept>

namespace snd {

namespace {

void put16(std::string& b, int v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}
// Written beside the target and renamed into place: an interrupted run leaves no half file behind.
void writeBytes(const std::string& bytes, const std::string& path) {
    const std::string part = path + ".part";
    FILE* f = std::fopen(part.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok || std::rename(part.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot write " + path);
}

// The encoder's entry points, looked up once in libogg, libvorbis and libvorbisenc.
#define VORBIS_FUNCTIONS(X)       \
    X(vorbis_info_init)           \
    X(vorbis_info_clear)          \
    X(vorbis_encode_init_vbr)     \
    X(vorbis_comment_init)        \
    X(vorbis_comment_clear)       \
    X(vorbis_analysis_init)       \
    X(vorbis_block_init)          \
    X(vorbis_block_clear)         \
    X(vorbis_dsp_clear)           \
    X(vorbis_analysis_headerout)  \
    X(vorbis_analysis_buffer)     \
    X(vorbis_analysis_wrote)      \
    X(vorbis_analysis_blockout)   \
    X(vorbis_analysis)            \
    X(vorbis_bitrate_addblock)    \
    X(vorbis_bitrate_flushpacket) \
    X(ogg_stream_init)            \
    X(ogg_stream_clear)           \
    X(ogg_stream_packetin)        \
    X(ogg_stream_pageout)         \
    X(ogg_stream_flush)           \
    X(ogg_page_eos)

// The encoder's functions, reached through one table so the writer below reads as plain calls.
struct VorbisApi {
#define VORBIS_DECLARE(name) decltype(&::name) name = &::name;
    VORBIS_FUNCTIONS(VORBIS_DECLARE)
#undef VORBIS_DECLARE
};

const VorbisApi& vorbis() {
    static const VorbisApi api;
    return api;
}

}  // namespace

void writeWav(const Wave& mono, const std::string& path) {
    std::string b = "RIFF";
    const uint32_t data = static_cast<uint32_t>(mono.size() * 2);
    put32(b, 36 + data);
    b += "WAVEfmt ";
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, kRate);
    put32(b, kRate * 2);
    put16(b, 2);
    put16(b, 16);
    b += "data";
    put32(b, data);
    for (float v : mono) put16(b, static_cast<int>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)));
    writeBytes(b, path);
}

void writeOgg(const Wave& left, const Wave& right, double quality, const std::string& path) {
    const VorbisApi& v = vorbis();
    vorbis_info vi;
    v.vorbis_info_init(&vi);
    if (v.vorbis_encode_init_vbr(&vi, 2, kRate, static_cast<float>(quality / 10)) != 0)
        throw std::runtime_error("the Vorbis encoder refused its settings");
    vorbis_comment vc;
    v.vorbis_comment_init(&vc);
    vorbis_dsp_state vd;
    vorbis_block vb;
    v.vorbis_analysis_init(&vd, &vi);
    v.vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    v.ogg_stream_init(&os, 0x54415A52);
    std::string bytes;
    ogg_page page;
    auto takePage = [&] {
        bytes.append(reinterpret_cast<const char*>(page.header), page.header_len);
        bytes.append(reinterpret_cast<const char*>(page.body), page.body_len);
    };
    ogg_packet header, comments, codebooks;
    v.vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    v.ogg_stream_packetin(&os, &header);
    v.ogg_stream_packetin(&os, &comments);
    v.ogg_stream_packetin(&os, &codebooks);
    while (v.ogg_stream_flush(&os, &page) != 0) takePage();

    const size_t n = std::min(left.size(), right.size());
    const size_t chunk = 4096;
    bool eos = false;
    for (size_t at = 0; !eos;) {
        const size_t count = std::min(chunk, n - at);
        if (count > 0) {
            float** buf = v.vorbis_analysis_buffer(&vd, static_cast<int>(count));
            for (size_t i = 0; i < count; ++i) {
                buf[0][i] = left[at + i];
                buf[1][i] = right[at + i];
            }
        }
        v.vorbis_analysis_wrote(&vd, static_cast<int>(count));  // 0 marks the end of the stream
        at += count;
        while (v.vorbis_analysis_blockout(&vd, &vb) == 1) {
            v.vorbis_analysis(&vb, nullptr);
            v.vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (v.vorbis_bitrate_flushpacket(&vd, &packet) == 1) {
                v.ogg_stream_packetin(&os, &packet);
                while (v.ogg_stream_pageout(&os, &page) != 0) {
                    takePage();
                    if (v.ogg_page_eos(&page)) eos = true;
                }
            }
        }
        if (count == 0) break;
    }
    while (v.ogg_stream_flush(&os, &page) != 0) takePage();
    v.ogg_stream_clear(&os);
    v.vorbis_block_clear(&vb);
    v.vorbis_dsp_clear(&vd);
    v.vorbis_comment_clear(&vc);
    v.vorbis_info_clear(&vi);
    writeBytes(bytes, path);
}

}  // namespace snd
