// Sound channels over OpenAL: WAV and Ogg Vorbis decoded once at load; silent channels without a device.
#include <AL/al.h>
#include <AL/alc.h>
#include <vorbis/vorbisfile.h>

#include <cstring>

#include "engine/Internal.h"

namespace eng {

struct SoundData {
    std::vector<int16_t> pcm;
    int channels = 1;
    int rate = 44100;
    bool loop = false;
    double durationMs = 0;
    ALuint buffer = 0;
    ~SoundData() {
        if (buffer) alDeleteBuffers(1, &buffer);
    }
};

struct ChannelData {
    Sound sound;
    ALuint source = 0;
    bool paused = true;
    bool stopped = false;
    double playedMs = 0;    // silent channels: time played before the last pause
    int64_t resumedAt = 0;  // silent channels: clock reading at the last resume
    ~ChannelData() {
        if (source) {
            alSourceStop(source);
            alDeleteSources(1, &source);
        }
    }
};

namespace {

struct AudioState {
    bool tried = false;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};
AudioState A;

bool ensureDevice() {
    if (A.tried) return A.context != nullptr;
    A.tried = true;
    if (!sys::audioWanted()) return false;
    A.device = alcOpenDevice(nullptr);
    if (!A.device) {
        Print("No audio device could be opened; the game runs silently.");
        return false;
    }
    A.context = alcCreateContext(A.device, nullptr);
    if (!A.context || !alcMakeContextCurrent(A.context)) {
        Print("The audio device could not be started; the game runs silently.");
        if (A.context) alcDestroyContext(A.context);
        alcCloseDevice(A.device);
        A.context = nullptr;
        A.device = nullptr;
        return false;
    }
    return true;
}

uint32_t le32(const std::string& b, size_t i) {
    return static_cast<uint8_t>(b[i]) | (static_cast<uint8_t>(b[i + 1]) << 8) |
           (static_cast<uint8_t>(b[i + 2]) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(b[i + 3])) << 24);
}
uint16_t le16(const std::string& b, size_t i) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[i]) | (static_cast<uint8_t>(b[i + 1]) << 8));
}

bool decodeWav(const std::string& b, SoundData& s) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return false;
    int bits = 0;
    bool haveFormat = false;
    size_t i = 12;
    while (i + 8 <= b.size()) {
        uint32_t size = le32(b, i + 4);
        size_t body = i + 8;
        if (body + size > b.size()) size = static_cast<uint32_t>(b.size() - body);
        if (b.compare(i, 4, "fmt ") == 0 && size >= 16) {
            if (le16(b, body) != 1) return false;  // PCM only
            s.channels = le16(b, body + 2);
            s.rate = static_cast<int>(le32(b, body + 4));
            bits = le16(b, body + 14);
            haveFormat = true;
        } else if (b.compare(i, 4, "data") == 0 && haveFormat) {
            if (bits == 16) {
                s.pcm.resize(size / 2);
                std::memcpy(s.pcm.data(), b.data() + body, s.pcm.size() * 2);
            } else if (bits == 8) {
                s.pcm.resize(size);
                for (uint32_t k = 0; k < size; ++k)
                    s.pcm[k] = static_cast<int16_t>((static_cast<uint8_t>(b[body + k]) - 128) << 8);
            } else {
                return false;
            }
            return s.channels >= 1 && s.channels <= 2 && s.rate > 0;
        }
        i = body + size + (size & 1);
    }
    return false;
}

struct MemoryFile {
    const std::string* bytes;
    size_t pos;
};

size_t memRead(void* ptr, size_t size, size_t n, void* src) {
    auto* m = static_cast<MemoryFile*>(src);
    size_t want = size * n, left = m->bytes->size() - m->pos;
    if (want > left) want = left;
    std::memcpy(ptr, m->bytes->data() + m->pos, want);
    m->pos += want;
    return size ? want / size : 0;
}
int memSeek(void* src, ogg_int64_t offset, int whence) {
    auto* m = static_cast<MemoryFile*>(src);
    ogg_int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<ogg_int64_t>(m->pos)
                                            : static_cast<ogg_int64_t>(m->bytes->size());
    ogg_int64_t p = base + offset;
    if (p < 0 || p > static_cast<ogg_int64_t>(m->bytes->size())) return -1;
    m->pos = static_cast<size_t>(p);
    return 0;
}
long memTell(void* src) {
    return static_cast<long>(static_cast<MemoryFile*>(src)->pos);
}

bool decodeOgg(const std::string& b, SoundData& s) {
    MemoryFile mf{&b, 0};
    ov_callbacks cb{memRead, memSeek, nullptr, memTell};
    OggVorbis_File vf;
    if (ov_open_callbacks(&mf, &vf, nullptr, 0, cb) != 0) return false;
    vorbis_info* info = ov_info(&vf, -1);
    s.channels = info->channels;
    s.rate = static_cast<int>(info->rate);
    char buf[16384];
    int section = 0;
    for (;;) {
        long n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section);
        if (n <= 0) break;
        size_t old = s.pcm.size();
        s.pcm.resize(old + n / 2);
        std::memcpy(s.pcm.data() + old, buf, static_cast<size_t>(n / 2) * 2);
    }
    ov_clear(&vf);
    return s.channels >= 1 && s.channels <= 2 && !s.pcm.empty();
}

double elapsed(const ChannelData& c) {
    return c.playedMs + (c.paused || c.stopped ? 0.0 : static_cast<double>(MilliSecs() - c.resumedAt));
}

}  // namespace

Sound LoadSound(const std::string& path, int flags) {
    std::string bytes;
    auto s = std::make_shared<SoundData>();
    if (!ReadFileBytes(path, bytes) || (!decodeWav(bytes, *s) && !decodeOgg(bytes, *s))) {
        noteLoadFailure(path);
        return nullptr;
    }
    s->loop = (flags & 1) != 0;
    s->durationMs = 1000.0 * (s->pcm.size() / s->channels) / s->rate;
    if (ensureDevice()) {
        alGenBuffers(1, &s->buffer);
        alBufferData(s->buffer, s->channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, s->pcm.data(),
                     static_cast<ALsizei>(s->pcm.size() * 2), s->rate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &s->buffer);
            s->buffer = 0;
        }
    }
    return s;
}

Channel CueSound(const Sound& sound) {
    if (!sound) return nullptr;
    auto c = std::make_shared<ChannelData>();
    c->sound = sound;
    if (sound->buffer && ensureDevice()) {
        alGenSources(1, &c->source);
        if (alGetError() != AL_NO_ERROR) {
            c->source = 0;
        } else {
            alSourcei(c->source, AL_BUFFER, static_cast<ALint>(sound->buffer));
            alSourcei(c->source, AL_LOOPING, sound->loop ? AL_TRUE : AL_FALSE);
            alSourcei(c->source, AL_SOURCE_RELATIVE, AL_TRUE);
        }
    }
    return c;
}

Channel PlaySound(const Sound& sound) {
    Channel c = CueSound(sound);
    ResumeChannel(c);
    return c;
}

void ResumeChannel(const Channel& c) {
    if (!c || c->stopped || !c->paused) return;
    c->paused = false;
    c->resumedAt = MilliSecs();
    if (c->source) alSourcePlay(c->source);
}

void PauseChannel(const Channel& c) {
    if (!c || c->stopped || c->paused) return;
    c->playedMs = elapsed(*c);
    c->paused = true;
    if (c->source) alSourcePause(c->source);
}

void StopChannel(const Channel& c) {
    if (!c) return;
    c->stopped = true;
    if (c->source) alSourceStop(c->source);
}

bool ChannelPlaying(const Channel& c) {
    if (!c || c->stopped || c->paused) return false;
    if (c->source) {
        ALint state = 0;
        alGetSourcei(c->source, AL_SOURCE_STATE, &state);
        return state == AL_PLAYING;
    }
    return c->sound->loop || elapsed(*c) < c->sound->durationMs;
}

void SetChannelVolume(const Channel& c, float volume) {
    if (!c || !c->source) return;
    alSourcef(c->source, AL_GAIN, volume < 0 ? 0.0f : volume);
}

bool AudioAvailable() {
    return ensureDevice();
}

void shutdownAudio() {
    if (!A.device) return;
    alcMakeContextCurrent(nullptr);
    if (A.context) alcDestroyContext(A.context);
    alcCloseDevice(A.device);
    A.context = nullptr;
    A.device = nullptr;
}

}  // namespace eng
