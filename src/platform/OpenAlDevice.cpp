#include "platform/OpenAlDevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "sound/WaveFile.h"

namespace {
// The mix runs at the rate every sound is meant to play at.
constexpr ALCint kMixRate = 22050;
// The output takes playback rates in this range only.
constexpr int kMinRate = 100;
constexpr int kMaxRate = 200000;

// Samples in a layout AL takes: 8-bit unsigned or 16-bit signed, mono or stereo.
struct Pcm {
    ALenum format = AL_NONE;
    int rate = 0;
    std::vector<Uint8> samples;
};

ALenum AlFormat(SDL_AudioFormat format, int channels) {
    if (channels == 1 && format == AUDIO_U8) return AL_FORMAT_MONO8;
    if (channels == 2 && format == AUDIO_U8) return AL_FORMAT_STEREO8;
    if (channels == 1 && format == AUDIO_S16SYS) return AL_FORMAT_MONO16;
    if (channels == 2 && format == AUDIO_S16SYS) return AL_FORMAT_STEREO16;
    return AL_NONE;
}

// Anything else SDL decodes (float, 24-bit, more channels) becomes 16-bit, at most stereo.
bool ConvertForAl(const SDL_AudioSpec& spec, const Uint8* data, Uint32 size, Pcm& out) {
    const Uint8 channels = std::min<Uint8>(spec.channels, 2);
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, AUDIO_S16SYS, channels,
                          spec.freq) < 0) {
        return false;
    }
    std::vector<Uint8> work(static_cast<std::size_t>(size) *
                            static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(work.data(), data, size);
    cvt.buf = work.data();
    cvt.len = static_cast<int>(size);
    if (SDL_ConvertAudio(&cvt) < 0) return false;
    work.resize(static_cast<std::size_t>(cvt.len_cvt));
    out.format = AlFormat(AUDIO_S16SYS, channels);
    out.samples = std::move(work);
    return true;
}

bool Decode(const WaveFile& wave, Pcm& out, std::string& why) {
    SDL_RWops* stream = SDL_RWFromConstMem(wave.bytes.data(), static_cast<int>(wave.bytes.size()));
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 size = 0;
    if (stream == nullptr || SDL_LoadWAV_RW(stream, 1, &spec, &data, &size) == nullptr) {
        why = SDL_GetError();
        return false;
    }
    out.rate = spec.freq;
    out.format = AlFormat(spec.format, spec.channels);
    bool ok = true;
    if (out.format != AL_NONE) {
        out.samples.assign(data, data + size);
    } else {
        ok = ConvertForAl(spec, data, size, out);
        if (!ok) why = SDL_GetError();
    }
    SDL_FreeWAV(data);
    if (ok && out.samples.empty()) {
        why = "no samples";
        ok = false;
    }
    return ok;
}

// One AL buffer and a source per copy; the sources play the buffer independently.
class AlSoundCopies final : public SoundCopies {
public:
    AlSoundCopies(ALuint buffer, std::vector<ALuint> sources, int rate)
        : buffer_(buffer), sources_(std::move(sources)), rate_(rate) {}
    ~AlSoundCopies() override {
        alSourceStopv(static_cast<ALsizei>(sources_.size()), sources_.data());
        alDeleteSources(static_cast<ALsizei>(sources_.size()), sources_.data());
        alDeleteBuffers(1, &buffer_);
    }
    AlSoundCopies(const AlSoundCopies&) = delete;
    AlSoundCopies& operator=(const AlSoundCopies&) = delete;

    int Count() const override { return static_cast<int>(sources_.size()); }

    bool IsPlaying(int copy) const override {
        ALint state = AL_STOPPED;
        alGetSourcei(Source(copy), AL_SOURCE_STATE, &state);
        return state == AL_PLAYING;
    }

    void Play(int copy, int rate, bool loop) override {
        const ALuint source = Source(copy);
        const int clamped = std::clamp(rate, kMinRate, kMaxRate);
        alSourcef(source, AL_PITCH, static_cast<float>(clamped) / static_cast<float>(rate_));
        alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        // Playing a source that plays already would restart it; a busy copy goes on instead.
        if (!IsPlaying(copy)) alSourcePlay(source);
    }

    void Stop(int copy) override { alSourceRewind(Source(copy)); }

private:
    ALuint Source(int copy) const { return sources_[static_cast<std::size_t>(copy)]; }

    ALuint buffer_;
    std::vector<ALuint> sources_;
    int rate_;  // the samples' own rate: playing at it is pitch 1
};
}  // namespace

struct OpenAlDevice::Output {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
};

OpenAlDevice::OpenAlDevice() = default;

OpenAlDevice::~OpenAlDevice() { Close(); }

std::optional<std::string> OpenAlDevice::Open() {
    Close();
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr) return std::string("no audio output could be opened");
    const ALCint attributes[] = {ALC_FREQUENCY, kMixRate, 0};
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        if (context != nullptr) alcDestroyContext(context);
        alcCloseDevice(device);
        return std::string("the audio output refused a mixing context");
    }
    output_ = std::make_unique<Output>(Output{device, context});
    return std::nullopt;
}

void OpenAlDevice::Close() {
    if (!output_) return;
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(output_->context);
    alcCloseDevice(output_->device);
    output_.reset();
}

std::unique_ptr<SoundCopies> OpenAlDevice::Load(const WaveFile& wave, int copies,
                                                std::string& why) {
    if (!output_) {
        why = "no audio output";
        return nullptr;
    }
    Pcm pcm;
    if (!Decode(wave, pcm, why)) return nullptr;
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, pcm.format, pcm.samples.data(), static_cast<ALsizei>(pcm.samples.size()),
                 pcm.rate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        why = "the audio output refused the samples";
        return nullptr;
    }
    std::vector<ALuint> sources(static_cast<std::size_t>(copies));
    alGenSources(copies, sources.data());
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        why = "the audio output has no voices left";
        return nullptr;
    }
    for (const ALuint source : sources) {
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
        // Plain playback: no distance, no direction, centred.
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    return std::make_unique<AlSoundCopies>(buffer, std::move(sources), pcm.rate);
}
