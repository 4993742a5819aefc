#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Builds RIFF WAVE files chunk by chunk, so tests can make good files and every kind of
// broken one.
class WaveBytes {
public:
    // The body of a "fmt " chunk; `extra` bytes follow a size field for formats other than PCM.
    static Bytes Format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                        std::uint16_t bits, const Bytes* extra = nullptr) {
        const auto block = static_cast<std::uint16_t>(channels * bits / 8);
        Bytes body;
        Put(body, tag, 2);
        Put(body, channels, 2);
        Put(body, rate, 4);
        Put(body, rate * block, 4);
        Put(body, block, 2);
        Put(body, bits, 2);
        if (extra != nullptr) {
            Put(body, static_cast<std::uint32_t>(extra->size()), 2);
            body.insert(body.end(), extra->begin(), extra->end());
        }
        return body;
    }

    // A rising ramp of samples, different in every byte so copies can be told apart.
    static Bytes Samples(std::size_t bytes) {
        Bytes body(bytes);
        for (std::size_t i = 0; i < bytes; ++i)
            body[i] = static_cast<std::uint8_t>(i * 7 + 3);
        return body;
    }

    // A good PCM file of `frames` sample frames.
    static Bytes Pcm(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits,
                     std::size_t frames) {
        return WaveBytes()
            .Chunk("fmt ", Format(1, channels, rate, bits))
            .Chunk("data", Samples(frames * channels * bits / 8))
            .Build();
    }

    // A chunk whose header tells its true size, padded to an even length.
    WaveBytes& Chunk(std::string_view id, const Bytes& body) {
        return ChunkClaiming(id, static_cast<std::uint32_t>(body.size()), body);
    }

    // A chunk whose header claims `size` whatever the body holds.
    WaveBytes& ChunkClaiming(std::string_view id, std::uint32_t size, const Bytes& body) {
        chunks_.insert(chunks_.end(), id.begin(), id.end());
        Put(chunks_, size, 4);
        chunks_.insert(chunks_.end(), body.begin(), body.end());
        if (body.size() % 2 == 1) chunks_.push_back(0);
        return *this;
    }

    // The whole file, the RIFF header telling its true size.
    Bytes Build() const {
        Bytes out{'R', 'I', 'F', 'F'};
        Put(out, static_cast<std::uint32_t>(4 + chunks_.size()), 4);
        out.insert(out.end(), {'W', 'A', 'V', 'E'});
        out.insert(out.end(), chunks_.begin(), chunks_.end());
        return out;
    }

private:
    static void Put(Bytes& out, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    Bytes chunks_;
};
