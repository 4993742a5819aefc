#include "app/HostedMap.h"

#include "core/StreamBytes.h"
#include "net/Checksum.h"
#include "net/Protocol.h"

void HostedMap::Load(const std::filesystem::path& path) {
    file_ = path.filename().string();
    bytes_ = ReadFileBytes(path, kMaxMapBytes);
    checksum_ = bytes_ ? ::Checksum(*bytes_) : 0;
}

void HostedMap::Describe(Welcome& welcome) const {
    welcome.mapName = file_;
    welcome.mapChecksum = checksum_;
    welcome.mapSize = bytes_ ? static_cast<std::uint32_t>(bytes_->size()) : 0;
}

std::vector<MapChunk> HostedMap::Chunks() const {
    std::vector<MapChunk> chunks;
    if (!bytes_) return chunks;
    for (std::size_t offset = 0; offset < bytes_->size(); offset += kMapChunkBytes)
        chunks.push_back(
            {static_cast<std::uint32_t>(offset), bytes_->substr(offset, kMapChunkBytes)});
    return chunks;
}
