// Stands in for libFuzzer where it is not available: runs the target over every seed file named
// on the command line (files, or folders of files) and over a fixed, repeatable set of
// mutations of each, so the same inputs run on every machine.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr std::size_t kMaxSeedBytes = 1 << 20;
constexpr int kMutationsPerSeed = 200;

using Bytes = std::vector<std::uint8_t>;

Bytes ReadSeed(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() > kMaxSeedBytes) bytes.resize(kMaxSeedBytes);
    return bytes;
}

void CollectSeeds(const std::filesystem::path& path, std::vector<Bytes>& seeds) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
            if (entry.is_regular_file()) seeds.push_back(ReadSeed(entry.path()));
        }
    } else if (std::filesystem::is_regular_file(path, error)) {
        seeds.push_back(ReadSeed(path));
    }
}

// xorshift32: the mutations must not depend on the platform's generator.
class Mutator {
public:
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    std::size_t Below(std::size_t limit) { return limit == 0 ? 0 : Next() % limit; }

    Bytes Mutate(const Bytes& seed) {
        Bytes out = seed;
        switch (Next() % 5) {
            case 0:  // truncate
                out.resize(Below(out.size() + 1));
                break;
            case 1:  // flip a few bytes
                for (int i = 0; i < 4 && !out.empty(); ++i)
                    out[Below(out.size())] ^= Byte();
                break;
            case 2:  // extreme values in the first bytes, where headers and counts live
                for (std::size_t i = 0; i < 8 && !out.empty(); ++i)
                    out[Below(std::min<std::size_t>(out.size(), 64))] = (Next() & 1) ? 0xff : 0;
                break;
            case 3:  // junk inserted
                out.insert(out.begin() + static_cast<long>(Below(out.size() + 1)), Below(300),
                           Byte());
                break;
            default:  // pure junk of the seed's length
                for (auto& byte : out)
                    byte = Byte();
                break;
        }
        return out;
    }

private:
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }
    std::uint32_t state_ = 2463534242u;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<Bytes> seeds{Bytes{}};
    for (int i = 1; i < argc; ++i)
        CollectSeeds(argv[i], seeds);
    Mutator mutator;
    long runs = 0;
    for (const Bytes& seed : seeds) {
        LLVMFuzzerTestOneInput(seed.data(), seed.size());
        ++runs;
        for (int m = 0; m < kMutationsPerSeed; ++m) {
            const Bytes input = mutator.Mutate(seed);
            LLVMFuzzerTestOneInput(input.data(), input.size());
            ++runs;
        }
    }
    std::printf("%ld inputs from %zu seeds ran clean\n", runs, seeds.size());
    return 0;
}
