#include "game/AnimationFiles.h"

#include <fstream>

#include "core/Log.h"
#include "core/StreamBytes.h"

namespace {
// Far beyond any real set (ten animations of a few dozen frames are a few kilobytes).
constexpr std::size_t kMaxAnimationFileSize = std::size_t{16} * 1024 * 1024;

template <std::size_t N>
void ReadInto(const std::filesystem::path& path, AnimationSet<N>& set, Log& log) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        log.Line("Couldn't load \"%s\": the file cannot be opened.", path.c_str());
        return;
    }
    const auto bytes = ReadStreamBytes(file, kMaxAnimationFileSize);
    if (!bytes) {
        log.Line("Couldn't load \"%s\": the file is larger than any animation set.", path.c_str());
        return;
    }
    for (const std::string& problem : set.Load(*bytes).problems)
        log.Line("Problem in \"%s\": %s; it and the animations after it are left as they were.",
                 path.c_str(), problem.c_str());
}
}  // namespace

template <std::size_t N>
void LoadAnimationFile(const std::filesystem::path& path, AnimationSet<N>& set, Log& log) {
    ReadInto(path, set, log);
    for (int index : set.MendUnplayable(kPlayedAnimations)) {
        log.Line("\"%s\": animation %d \"%s\" has fewer than two frames; the default pose is used.",
                 path.c_str(), index, AnimationSet<N>::Name(index));
    }
}

template void LoadAnimationFile(const std::filesystem::path&, AnimationSet<6>&, Log&);
template void LoadAnimationFile(const std::filesystem::path&, AnimationSet<5>&, Log&);
