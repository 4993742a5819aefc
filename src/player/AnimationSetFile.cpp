// The .bwv layout of an animation set: per animation, in index order, the speed (float), the
// frame count (int32) and the frames, each its points as float x, y; little-endian, no header.
#include <cmath>

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/TextFormat.h"
#include "player/AnimationSet.h"

namespace {
template <std::size_t N>
constexpr std::size_t kPoseBytes = N * 2 * sizeof(float);

template <std::size_t N>
bool ReadPose(ByteReader& in, Pose<N>& pose) {
    for (Vec2& p : pose.Points()) {
        if (!in.ReadFloat(p.x) || !in.ReadFloat(p.y)) return false;
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
    return true;
}

// One record, whole or not at all: a fault leaves `animation` untouched and says why.
template <std::size_t N>
bool ReadRecord(ByteReader& in, float speed, Animation<N>& animation, std::string& why) {
    std::int32_t count = 0;
    if (!in.ReadInt32(count)) {
        why = "ends inside its frame count";
        return false;
    }
    // A negative speed is the editor's to make: playback holds such an animation at its frame.
    if (!std::isfinite(speed)) {
        why = "has a speed that is not a finite number";
        return false;
    }
    if (count < 0) {
        why = FormatLineF("has a frame count of %d", count);
        return false;
    }
    // The frames must all be there, so a wild count cannot allocate more than the file holds.
    if (static_cast<std::size_t>(count) > in.Remaining() / kPoseBytes<N>) {
        why = FormatLineF("claims %d frames, more than the file holds", count);
        return false;
    }
    std::vector<Pose<N>> frames(static_cast<std::size_t>(count));
    for (Pose<N>& frame : frames) {
        if (!ReadPose(in, frame)) {
            why = "has a point that is not a finite number";
            return false;
        }
    }
    animation.frames = std::move(frames);
    animation.speed = speed;
    return true;
}
}  // namespace

template <std::size_t N>
AnimationLoadReport AnimationSet<N>::Load(std::span<const std::uint8_t> bytes) {
    AnimationLoadReport report;
    ByteReader in(bytes);
    for (int index = 0; index < kAnimations; ++index) {
        Animation<N>& animation = Get(index);
        float speed = 0.0f;
        if (!in.ReadFloat(speed)) {
            // The end of the file: what follows keeps its frames, this one the default speed.
            animation.speed = Animation<N>::kDefaultSpeed;
            if (in.Remaining() > 0) {
                report.problems.push_back(
                    FormatLineF("animation %d \"%s\" ends inside its speed", index, Name(index)));
            }
            break;
        }
        std::string why;
        if (!ReadRecord(in, speed, animation, why)) {
            report.problems.push_back(
                FormatLineF("animation %d \"%s\" %s", index, Name(index), why.c_str()));
            break;
        }
        ++report.recordsRead;
    }
    return report;
}

template <std::size_t N>
std::vector<std::uint8_t> AnimationSet<N>::Save() const {
    ByteWriter out;
    for (const Animation<N>& animation : animations_) {
        out.WriteFloat(animation.speed);
        out.WriteInt32(static_cast<std::int32_t>(animation.frames.size()));
        for (const Pose<N>& frame : animation.frames) {
            for (const Vec2& p : frame.Points()) {
                out.WriteFloat(p.x);
                out.WriteFloat(p.y);
            }
        }
    }
    return out.Take();
}

template AnimationLoadReport AnimationSet<6>::Load(std::span<const std::uint8_t>);
template AnimationLoadReport AnimationSet<5>::Load(std::span<const std::uint8_t>);
template std::vector<std::uint8_t> AnimationSet<6>::Save() const;
template std::vector<std::uint8_t> AnimationSet<5>::Save() const;
