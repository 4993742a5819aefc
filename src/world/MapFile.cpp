#include "world/MapFile.h"

#include <cmath>
#include <cstring>

#include "core/ByteReader.h"
#include "core/ByteWriter.h"
#include "core/StreamBytes.h"
#include "core/TextFormat.h"

namespace {

// Marks the optional block after the items that keeps scenery: per platform its solid flag and
// sprite name. Readers of the plain format stop before it.
constexpr char kSceneryTag[4] = {'S', 'C', 'N', 'Y'};

constexpr std::size_t kPlatformRecordSize = 16;
constexpr std::size_t kSpawnRecordSize = 12;
constexpr std::size_t kSmallestItemRecordSize = 16;

// Reads the fields in file order and stops at the first fault, keeping a description of it.
class MapReader {
public:
    explicit MapReader(std::span<const std::uint8_t> bytes) : in_(bytes) {}

    MapReadResult Read() {
        MapContents map;
        if (ReadName(map.name) && ReadRect("world rectangle", map.bounds) &&
            ReadPlatforms(map.platforms) && ReadSpawnPoints(map.spawnPoints) &&
            ReadItems(map.items) && ReadScenery(map.platforms)) {
            return MapReadResult{std::move(map), {}};
        }
        return MapReadResult{std::nullopt, error_};
    }

private:
    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    bool ReadInt(const char* what, std::int32_t& value) {
        if (in_.ReadInt32(value)) return true;
        return Fail(FormatLineF("the file ends inside the %s", what));
    }

    bool ReadFloat(const char* what, float& value) {
        if (!in_.ReadFloat(value)) return Fail(FormatLineF("the file ends inside the %s", what));
        if (!std::isfinite(value))
            return Fail(FormatLineF("the %s holds a number that is not finite", what));
        return true;
    }

    bool ReadRect(const char* what, Float4& rect) {
        return ReadFloat(what, rect.x1) && ReadFloat(what, rect.y1) && ReadFloat(what, rect.x2) &&
               ReadFloat(what, rect.y2);
    }

    // A text stored as its length and its bytes.
    bool ReadText(const char* what, std::size_t limit, std::string& text) {
        std::int32_t length = 0;
        if (!ReadInt(what, length)) return false;
        if (length < 0 || static_cast<std::size_t>(length) > limit) {
            return Fail(FormatLineF("the %s length %d is not between 0 and %zu", what,
                                    static_cast<int>(length), limit));
        }
        if (in_.ReadBytes(static_cast<std::size_t>(length), text)) return true;
        return Fail(FormatLineF("the file ends inside the %s", what));
    }

    // A record count that must be able to fit in the rest of the file.
    bool ReadCount(const char* what, std::size_t recordSize, std::size_t& count) {
        std::int32_t value = 0;
        if (!ReadInt(what, value)) return false;
        if (value < 0)
            return Fail(FormatLineF("the %s count %d is negative", what, static_cast<int>(value)));
        count = static_cast<std::size_t>(value);
        if (count > in_.Remaining() / recordSize) {
            return Fail(FormatLineF("the %s count %d is more than the file holds", what,
                                    static_cast<int>(value)));
        }
        return true;
    }

    bool ReadName(std::string& name) { return ReadText("map name", kMaxMapNameLength, name); }

    bool ReadPlatforms(PlatformList& platforms) {
        std::size_t count = 0;
        if (!ReadCount("platform", kPlatformRecordSize, count)) return false;
        platforms.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            Float4 r;
            if (!ReadRect("platform", r)) return false;
            platforms.emplace_back(r.x1, r.y1, r.x2, r.y2);
        }
        return true;
    }

    bool ReadSpawnPoints(std::vector<SpawnPoint>& spawns) {
        std::size_t count = 0;
        if (!ReadCount("spawn point", kSpawnRecordSize, count)) return false;
        spawns.resize(count);
        for (SpawnPoint& spawn : spawns) {
            if (!ReadFloat("spawn point", spawn.x) || !ReadFloat("spawn point", spawn.y) ||
                !ReadInt("spawn point", spawn.team)) {
                return false;
            }
        }
        return true;
    }

    bool ReadItems(std::vector<ItemSpawn>& items) {
        std::size_t count = 0;
        if (!ReadCount("item", kSmallestItemRecordSize, count)) return false;
        items.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            std::int32_t kind = 0;
            Vec2 position;
            std::string weapon;
            if (!ReadInt("item", kind) || !ReadFloat("item", position.x) ||
                !ReadFloat("item", position.y) ||
                !ReadText("item weapon name", kMaxWeaponNameLength, weapon)) {
                return false;
            }
            ItemSpawn& item = items.emplace_back();
            item.SetKind(kind);
            item.SetPosition(position);
            item.SetWeaponName(weapon);
        }
        return true;
    }

    // Bytes after the items that do not start with the tag are left alone, as a plain reader
    // would; a tagged block must be whole.
    bool ReadScenery(PlatformList& platforms) {
        std::string tag;
        if (in_.Remaining() < sizeof kSceneryTag) return true;
        in_.ReadBytes(sizeof kSceneryTag, tag);
        if (std::memcmp(tag.data(), kSceneryTag, sizeof kSceneryTag) != 0) return true;
        std::int32_t count = 0;
        if (!ReadInt("scenery block", count)) return false;
        if (count != static_cast<std::int32_t>(platforms.size())) {
            return Fail(FormatLineF("the scenery block has %d entries for %zu platforms",
                                    static_cast<int>(count), platforms.size()));
        }
        for (Platform& platform : platforms) {
            std::uint8_t solid = 0;
            std::string sprite;
            if (!in_.ReadByte(solid)) return Fail("the file ends inside the scenery block");
            if (!ReadText("scenery sprite name", kMaxSceneryNameLength, sprite)) return false;
            platform.SetSolid(solid != 0);
            platform.SetSprite(-1, sprite);
        }
        return true;
    }

    ByteReader in_;
    std::string error_;
};

// Never longer than the reader takes, so whatever is saved loads again.
void WriteText(ByteWriter& out, const std::string& text, std::size_t limit) {
    const std::string_view kept = std::string_view(text).substr(0, limit);
    out.WriteInt32(static_cast<std::int32_t>(kept.size()));
    out.WriteBytes(kept);
}

void WriteRect(ByteWriter& out, const Float4& rect) {
    out.WriteFloat(rect.x1);
    out.WriteFloat(rect.y1);
    out.WriteFloat(rect.x2);
    out.WriteFloat(rect.y2);
}

bool NeedsSceneryBlock(const PlatformList& platforms) {
    for (const Platform& platform : platforms) {
        if (!platform.Solid() || !platform.SpriteName().empty()) return true;
    }
    return false;
}

void WriteScenery(ByteWriter& out, const PlatformList& platforms) {
    out.WriteBytes(std::string_view(kSceneryTag, sizeof kSceneryTag));
    out.WriteInt32(static_cast<std::int32_t>(platforms.size()));
    for (const Platform& platform : platforms) {
        out.WriteByte(platform.Solid() ? 1 : 0);
        WriteText(out, platform.SpriteName(), kMaxSceneryNameLength);
    }
}

}  // namespace

MapReadResult ReadMapFile(std::span<const std::uint8_t> bytes) { return MapReader(bytes).Read(); }

MapReadResult ReadMapFile(std::istream& in) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadStreamBytes(in, kMaxMapFileSize);
    if (!bytes) return MapReadResult{std::nullopt, "the file is larger than any map can be"};
    return ReadMapFile(*bytes);
}

std::vector<std::uint8_t> WriteMapFile(const MapContents& contents) {
    ByteWriter out;
    WriteText(out, contents.name, kMaxMapNameLength);
    WriteRect(out, contents.bounds);
    out.WriteInt32(static_cast<std::int32_t>(contents.platforms.size()));
    for (const Platform& platform : contents.platforms)
        WriteRect(out, platform.Rect());
    out.WriteInt32(static_cast<std::int32_t>(contents.spawnPoints.size()));
    for (const SpawnPoint& spawn : contents.spawnPoints) {
        out.WriteFloat(spawn.x);
        out.WriteFloat(spawn.y);
        out.WriteInt32(spawn.team);
    }
    out.WriteInt32(static_cast<std::int32_t>(contents.items.size()));
    for (const ItemSpawn& item : contents.items) {
        out.WriteInt32(item.Kind());
        out.WriteFloat(item.Position().x);
        out.WriteFloat(item.Position().y);
        WriteText(out, item.WeaponName(), kMaxWeaponNameLength);
    }
    if (NeedsSceneryBlock(contents.platforms)) WriteScenery(out, contents.platforms);
    return out.Take();
}
