#include "net/MatchStateCodec.h"

#include <algorithm>
#include <cmath>

#include "net/PacketReader.h"
#include "net/PacketWriter.h"
#include "net/Protocol.h"

namespace {
constexpr float kPositionScale = 2.0f;   // half units
constexpr float kVelocityScale = 64.0f;  // up to 512 units a step
constexpr float kAimScale = 2.0f;
constexpr float kPhaseScale = 255.0f;
constexpr float kObjectScaleScale = 64.0f;  // sprites up to four times their size
constexpr float kTimeScaleScale = 1000.0f;
constexpr float kFadeCap = 32767.0f;

enum FigureFlag : std::uint8_t {
    kInPlay = 1,
    kFacingRight = 2,
    kCrouched = 4,
    kHasHead = 8,
    kHasHelmet = 16,
    kBulletTime = 32,
};

std::uint8_t Clamped(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

void WriteAnimation(PacketWriter& out, const AnimationState& state) {
    out.Byte(Clamped(state.animation));
    out.Byte(Clamped(state.current));
    out.Byte(Clamped(state.next));
    out.Byte(Clamped(static_cast<int>(std::clamp(state.phase, 0.0f, 1.0f) * kPhaseScale)));
    out.Byte(Clamped(state.followUp + 1));
}

AnimationState ReadAnimation(PacketReader& in) {
    AnimationState state;
    state.animation = in.Byte();
    state.current = in.Byte();
    state.next = in.Byte();
    state.phase = static_cast<float>(in.Byte()) / kPhaseScale;
    state.followUp = in.Byte() - 1;
    return state;
}

void WriteFigure(PacketWriter& out, const FigureState& figure) {
    const std::pair<bool, FigureFlag> flags[] = {
        {figure.inPlay, kInPlay},       {figure.facingRight, kFacingRight},
        {figure.crouched, kCrouched},   {figure.hasHead, kHasHead},
        {figure.hasHelmet, kHasHelmet}, {figure.bulletTime, kBulletTime},
    };
    std::uint8_t bits = 0;
    for (const auto& [on, flag] : flags)
        bits = static_cast<std::uint8_t>(bits | (on ? flag : 0));
    out.Byte(bits);
    out.Byte(Clamped(figure.team));
    out.Point(figure.position, kPositionScale);
    out.Scaled(figure.aim, kAimScale);
    WriteAnimation(out, figure.lower);
    WriteAnimation(out, figure.upper);
    out.Byte(Clamped(figure.weapon + 1));
    out.Uint16(static_cast<std::uint16_t>(std::clamp(figure.ammo, 0, 65535)));
    out.Byte(Clamped(static_cast<int>(figure.health)));
    out.Byte(Clamped(static_cast<int>(figure.armour)));
    out.Int16(figure.frags);
}

FigureState ReadFigure(PacketReader& in) {
    FigureState figure;
    const std::uint8_t bits = in.Byte();
    figure.inPlay = (bits & kInPlay) != 0;
    figure.facingRight = (bits & kFacingRight) != 0;
    figure.crouched = (bits & kCrouched) != 0;
    figure.hasHead = (bits & kHasHead) != 0;
    figure.hasHelmet = (bits & kHasHelmet) != 0;
    figure.bulletTime = (bits & kBulletTime) != 0;
    figure.team = in.Byte();
    if (figure.team > 2) in.Fail();
    figure.position = in.Point(kPositionScale);
    figure.aim = in.Scaled(kAimScale);
    figure.lower = ReadAnimation(in);
    figure.upper = ReadAnimation(in);
    figure.weapon = in.Byte() - 1;
    figure.ammo = in.Uint16();
    figure.health = in.Byte();
    figure.armour = in.Byte();
    figure.frags = in.Int16();
    return figure;
}

void WriteObject(PacketWriter& out, const ObjectState& object) {
    out.Byte(static_cast<std::uint8_t>(object.kind));
    out.Int16(object.sprite);
    out.Point(object.position, kPositionScale);
    out.Point(object.velocity, kVelocityScale);
    out.Scaled(object.rotation, 1.0f);
    out.Byte(Clamped(static_cast<int>(std::round(object.scale * kObjectScaleScale))));
    out.Byte(Clamped(static_cast<int>(object.alpha)));
}

ObjectState ReadObject(PacketReader& in) {
    ObjectState object;
    const std::uint8_t kind = in.Byte();
    if (kind >= kObjectKindCount) in.Fail();
    object.kind = static_cast<ObjectKind>(kind);
    object.sprite = in.Int16();
    object.position = in.Point(kPositionScale);
    object.velocity = in.Point(kVelocityScale);
    object.rotation = in.Scaled(1.0f);
    object.scale = static_cast<float>(in.Byte()) / kObjectScaleScale;
    object.alpha = in.Byte();
    return object;
}

// Only what the kind uses travels, each field packed as tightly as its look allows: a sound is
// its number, a flash a place, an angle and a size. Casings, flashes, smoke, flames and a
// rocket's trail come with every shot or step, so theirs are the smallest.
enum EventField : std::uint16_t {
    kNumber = 1,       // 16 bits
    kSmallNumber = 2,  // 8 bits: a kind, a look, a player
    kAt = 4,
    kVelocity = 8,
    kFlags = 16,
    kSpeeds = 32,  // two floats: blood's speed range
    kSize = 64,    // six floats: an explosion's
    kAngle = 128,  // the first value, to a 16th of a degree
    kScale = 256,  // the second value, to a 64th
};

// By EffectKind.
constexpr std::uint16_t kEventLayouts[] = {
    kNumber,
    kNumber | kAt,
    kNumber | kAt | kVelocity | kFlags | kSpeeds,
    kNumber | kAt | kSize,
    kSmallNumber | kAt | kFlags,
    kSmallNumber | kAt | kVelocity,
    kAt | kAngle | kScale,
    kSmallNumber | kAt | kVelocity,
    kAt,
    kSmallNumber | kAt | kFlags,
    kAt | kAngle,
    kAt | kVelocity | kFlags,
    kAt,
    kAt,
    kAt | kVelocity | kSpeeds,
    kAt | kVelocity,
    kAt | kFlags,
};
static_assert(std::size(kEventLayouts) == kEffectKindCount);

constexpr float kAngleScale = 16.0f;
constexpr std::size_t kSpeedValues = 2;
constexpr std::size_t kSizeValues = 6;

void WriteFloats(PacketWriter& out, const EffectEvent& event, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        out.Float(event.values.at(i));
}

void ReadFloats(PacketReader& in, EffectEvent& event, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        event.values.at(i) = in.Float();
}

struct EventFieldCodec {
    EventField field;
    void (*write)(PacketWriter&, const EffectEvent&);
    void (*read)(PacketReader&, EffectEvent&);
};

// In the order they travel.
constexpr EventFieldCodec kEventFields[] = {
    {kNumber, [](PacketWriter& out, const EffectEvent& e) { out.Int16(e.number); },
     [](PacketReader& in, EffectEvent& e) { e.number = in.Int16(); }},
    {kSmallNumber, [](PacketWriter& out, const EffectEvent& e) { out.Byte(Clamped(e.number)); },
     [](PacketReader& in, EffectEvent& e) { e.number = in.Byte(); }},
    {kAt, [](PacketWriter& out, const EffectEvent& e) { out.Point(e.at, kPositionScale); },
     [](PacketReader& in, EffectEvent& e) { e.at = in.Point(kPositionScale); }},
    {kVelocity,
     [](PacketWriter& out, const EffectEvent& e) { out.Point(e.velocity, kVelocityScale); },
     [](PacketReader& in, EffectEvent& e) { e.velocity = in.Point(kVelocityScale); }},
    {kFlags, [](PacketWriter& out, const EffectEvent& e) { out.Byte(e.flags); },
     [](PacketReader& in, EffectEvent& e) { e.flags = in.Byte(); }},
    {kSpeeds, [](PacketWriter& out, const EffectEvent& e) { WriteFloats(out, e, kSpeedValues); },
     [](PacketReader& in, EffectEvent& e) { ReadFloats(in, e, kSpeedValues); }},
    {kSize, [](PacketWriter& out, const EffectEvent& e) { WriteFloats(out, e, kSizeValues); },
     [](PacketReader& in, EffectEvent& e) { ReadFloats(in, e, kSizeValues); }},
    {kAngle, [](PacketWriter& out, const EffectEvent& e) { out.Scaled(e.values[0], kAngleScale); },
     [](PacketReader& in, EffectEvent& e) { e.values[0] = in.Scaled(kAngleScale); }},
    {kScale,
     [](PacketWriter& out, const EffectEvent& e) {
         out.Byte(Clamped(static_cast<int>(std::round(e.values[1] * kObjectScaleScale))));
     },
     [](PacketReader& in, EffectEvent& e) {
         e.values[1] = static_cast<float>(in.Byte()) / kObjectScaleScale;
     }},
};

void WriteEvent(PacketWriter& out, const EffectEvent& event) {
    const auto kind = static_cast<std::size_t>(event.kind);
    out.Byte(static_cast<std::uint8_t>(kind));
    const std::uint16_t layout = kind < std::size(kEventLayouts) ? kEventLayouts[kind] : 0;
    for (const EventFieldCodec& codec : kEventFields) {
        if ((layout & codec.field) != 0) codec.write(out, event);
    }
}

EffectEvent ReadEvent(PacketReader& in) {
    EffectEvent event;
    const std::uint8_t kind = in.Byte();
    if (kind >= kEffectKindCount) {
        in.Fail();
        return event;
    }
    event.kind = static_cast<EffectKind>(kind);
    for (const EventFieldCodec& codec : kEventFields) {
        if ((kEventLayouts[kind] & codec.field) != 0) codec.read(in, event);
    }
    return event;
}

template <typename T, typename WriteOne>
void WriteList(PacketWriter& out, const std::vector<T>& list, std::size_t limit, WriteOne write) {
    const std::size_t count = std::min(list.size(), limit);
    out.Uint16(static_cast<std::uint16_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        write(out, list[i]);
}

template <typename T, typename ReadOne>
std::vector<T> ReadList(PacketReader& in, std::size_t limit, ReadOne read) {
    std::vector<T> list(in.Count(limit));
    for (T& item : list)
        item = read(in);
    return list;
}
}  // namespace

void WriteMatchState(PacketWriter& out, const MatchState& state) {
    out.Uint32(state.step);
    out.Uint16(
        static_cast<std::uint16_t>(std::clamp(state.timeScale, 0.0f, 60.0f) * kTimeScaleScale));
    out.Int16(static_cast<int>(std::clamp(state.fade, -1.0f, kFadeCap)));
    out.Byte(state.over ? 1 : 0);
    for (const int score : state.teamScores)
        out.Int16(score);
    WriteList(out, state.figures, kMaxFigures, WriteFigure);
    WriteList(out, state.objects, kMaxObjects, WriteObject);
    const std::size_t items = std::min(state.itemsShown.size(), kMaxItems);
    out.Uint16(static_cast<std::uint16_t>(items));
    for (std::size_t i = 0; i < items; i += 8) {
        std::uint8_t bits = 0;
        for (std::size_t b = 0; b < 8 && i + b < items; ++b)
            bits = static_cast<std::uint8_t>(bits | (state.itemsShown[i + b] ? 1u << b : 0u));
        out.Byte(bits);
    }
    WriteList(out, state.events, kMaxEvents, WriteEvent);
}

MatchState ReadMatchState(PacketReader& in) {
    MatchState state;
    state.step = in.Uint32();
    state.timeScale = static_cast<float>(in.Uint16()) / kTimeScaleScale;
    state.fade = static_cast<float>(in.Int16());
    const std::uint8_t over = in.Byte();
    if (over > 1) in.Fail();
    state.over = over == 1;
    for (int& score : state.teamScores)
        score = in.Int16();
    state.figures = ReadList<FigureState>(in, kMaxFigures, ReadFigure);
    state.objects = ReadList<ObjectState>(in, kMaxObjects, ReadObject);
    state.itemsShown.resize(in.Count(kMaxItems));
    for (std::size_t i = 0; i < state.itemsShown.size(); i += 8) {
        const std::uint8_t bits = in.Byte();
        for (std::size_t b = 0; b < 8 && i + b < state.itemsShown.size(); ++b)
            state.itemsShown[i + b] = (bits & (1u << b)) != 0;
    }
    state.events = ReadList<EffectEvent>(in, kMaxEvents, ReadEvent);
    return state;
}
