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

// xorshift32: the mutations must not depend on the platform's generator.
std::uint32_t Next() {
    static std::uint32_t state = 2463534242u;
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
std::size_t Below(std::size_t limit) { return limit == 0 ? 0 : Next() % limit; }

Bytes Mutate(Bytes out) {
    switch (Next() % 5) {
        case 0:  // cut short
            out.resize(Below(out.size() + 1));
            break;
        case 1:  // a few bytes flipped
            for (int i = 0; i < 4 && !out.empty(); ++i)
                out[Below(out.size())] ^= std::uint8_t(Next());
            break;
        case 2:  // extreme values in the first bytes, where headers and counts live
            for (int i = 0; i < 8 && !out.empty(); ++i)
                out[Below(std::min<std::size_t>(out.size(), 64))] = (Next() & 1) ? 0xff : 0;
            break;
        case 3: {  // junk inserted
            const auto at = static_cast<long>(Below(out.size() + 1));
            const std::size_t count = Below(300);
            out.insert(out.begin() + at, count, std::uint8_t(Next()));
            break;
        }
        default:  // pure junk of the seed's length
            std::generate(out.begin(), out.end(), [] { return std::uint8_t(Next()); });
    }
    return out;
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<Bytes> seeds{Bytes{}};
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files{argv[i]};
        if (std::filesystem::is_directory(argv[i]))
            files.assign(std::filesystem::directory_iterator(argv[i]), {});
        std::sort(files.begin(), files.end());  // the same order, so the same mutations
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            if (std::filesystem::is_regular_file(file))
                seeds.emplace_back(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
        }
    }
    for (const Bytes& seed : seeds) {
        for (int m = 0; m <= 200; ++m) {  // the seed itself, then 200 mutations of it
            const Bytes input = m == 0 ? seed : Mutate(seed);
            LLVMFuzzerTestOneInput(input.data(), input.size());
        }
    }
    std::printf("%zu inputs from %zu seeds ran clean\n", seeds.size() * 201, seeds.size());
    return 0;
}
