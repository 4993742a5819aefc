#pragma once

#include <memory>

#include "sound/AudioDevice.h"

// Sound output through OpenAL: one AL buffer per loaded sound, one AL source per copy. WAVE
// files are decoded by SDL and handed over in a format AL plays.
class OpenAlDevice final : public AudioDevice {
public:
    OpenAlDevice();
    ~OpenAlDevice() override;
    OpenAlDevice(const OpenAlDevice&) = delete;
    OpenAlDevice& operator=(const OpenAlDevice&) = delete;

    std::optional<std::string> Open() override;
    void Close() override;
    std::unique_ptr<SoundCopies> Load(const WaveFile& wave, int copies, std::string& why) override;

private:
    struct Output;
    std::unique_ptr<Output> output_;
};
