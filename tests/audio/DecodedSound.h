// Decoding the game's sound files into samples, to measure their levels and loop points.
#pragma once

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct DecodedSound {
    int channels = 0;
    int rate = 0;
    std::vector<std::vector<float>> samples;  // per channel, -1..1

    size_t frames() const { return samples.empty() ? 0 : samples[0].size(); }
    double seconds() const { return rate ? static_cast<double>(frames()) / rate : 0; }
};

// A 16-bit PCM WAV file; empty when it is not one.
inline DecodedSound decodeWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), {});
    DecodedSound s;
    auto u32 = [&](size_t i) {
        uint32_t v;
        std::memcpy(&v, b.data() + i, 4);
        return v;
    };
    auto u16 = [&](size_t i) {
        uint16_t v;
        std::memcpy(&v, b.data() + i, 2);
        return v;
    };
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0) return s;
    for (size_t i = 12; i + 8 <= b.size(); i += 8 + u32(i + 4) + (u32(i + 4) & 1)) {
        if (b.compare(i, 4, "fmt ") == 0) {
            if (u16(i + 8) != 1 || u16(i + 22) != 16) return s;
            s.channels = u16(i + 10);
            s.rate = static_cast<int>(u32(i + 12));
        } else if (b.compare(i, 4, "data") == 0 && s.channels > 0) {
            const size_t n = std::min<size_t>(u32(i + 4), b.size() - i - 8) / 2 / s.channels;
            s.samples.assign(s.channels, std::vector<float>(n));
            for (size_t k = 0; k < n; ++k)
                for (int c = 0; c < s.channels; ++c)
                    s.samples[c][k] = static_cast<int16_t>(u16(i + 8 + 2 * (k * s.channels + c))) / 32768.0f;
            return s;
        }
    }
    return s;
}

inline DecodedSound decodeOgg(const std::string& path) {
    DecodedSound s;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return s;
    const vorbis_info* info = ov_info(&vf, -1);
    s.channels = info->channels;
    s.rate = static_cast<int>(info->rate);
    s.samples.resize(s.channels);
    float** pcm;
    int section = 0;
    for (long n; (n = ov_read_float(&vf, &pcm, 4096, &section)) > 0;)
        for (int c = 0; c < s.channels; ++c) s.samples[c].insert(s.samples[c].end(), pcm[c], pcm[c] + n);
    ov_clear(&vf);
    return s;
}

inline DecodedSound decodeSound(const std::string& path) {
    DecodedSound s = decodeWav(path);
    return s.channels ? s : decodeOgg(path);
}
