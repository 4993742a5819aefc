// Stands in for libFuzzer where it is not available: runs the target over every seed file named
// on the command line (files, or folders of files) and over a fixed, repeatable set of
// mutations of each, so the same inputs run on every machine.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kMaxSeedBytes = 1 << 20;

void AddSeed(const std::filesystem::path& path, std::vector<Bytes>& seeds) {
    std::ifstream in(path, std::ios::binary);
    Bytes& bytes =
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    bytes.resize(std::min(bytes.size(), kMaxSeedBytes));
}

// xorshift32: the mutations must not depend on the platform's generator.
std::uint32_t state = 2463534242u;
std::uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
std::size_t Below(std::size_t limit) { return limit == 0 ? 0 : Next() % limit; }
std::uint8_t Byte() { return static_cast<std::uint8_t>(Next()); }

Bytes Mutate(Bytes out) {
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
            out.insert(out.begin() + static_cast<long>(Below(out.size() + 1)), Below(300), Byte());
            break;
        default:  // pure junk of the seed's length
            for (auto& byte : out)
                byte = Byte();
    }
    return out;
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<Bytes> seeds{Bytes{}};
    std::error_code error;
    for (int i = 1; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i], error)) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i], error))
                if (entry.is_regular_file()) AddSeed(entry.path(), seeds);
        } else if (std::filesystem::is_regular_file(argv[i], error)) {
            AddSeed(argv[i], seeds);
        }
    }
    long runs = 0;
    for (const Bytes& seed : seeds) {
        for (int m = 0; m <= 200; ++m, ++runs) {  // the seed itself, then 200 mutations of it
            const Bytes input = m == 0 ? seed : Mutate(seed);
            LLVMFuzzerTestOneInput(input.data(), input.size());
        }
    }
    std::printf("%ld inputs from %zu seeds ran clean\n", runs, seeds.size());
    return 0;
}
