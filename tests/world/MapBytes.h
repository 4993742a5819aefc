#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ByteWriter.h"

// Hand-made map file bytes, written field by field in file order, so tests can build good
// files and spoil them on purpose.
class MapBytes {
public:
    MapBytes& Int(std::int32_t value) {
        out_.WriteInt32(value);
        return *this;
    }
    MapBytes& Float(float value) {
        out_.WriteFloat(value);
        return *this;
    }
    MapBytes& Text(const std::string& text) {
        out_.WriteInt32(static_cast<std::int32_t>(text.size()));
        out_.WriteBytes(text);
        return *this;
    }
    MapBytes& Raw(const std::string& bytes) {
        out_.WriteBytes(bytes);
        return *this;
    }
    MapBytes& Rect(float x1, float y1, float x2, float y2) {
        return Float(x1).Float(y1).Float(x2).Float(y2);
    }
    const std::vector<std::uint8_t>& Bytes() const { return out_.Bytes(); }

private:
    ByteWriter out_;
};

// A small plain-format map: two platforms, two spawn points (one red), one weapon item.
inline std::vector<std::uint8_t> SmallMapBytes() {
    MapBytes bytes;
    bytes.Text("Yard").Rect(0, 0, 1600, 1200);
    bytes.Int(2).Rect(0, 1000, 1600, 1040).Rect(300, 800, 500, 820);
    bytes.Int(2).Float(100).Float(980).Int(0).Float(400).Float(780).Int(1);
    bytes.Int(1).Int(3).Float(700).Float(990).Text("M4");
    return bytes.Bytes();
}
