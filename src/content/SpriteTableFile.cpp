#include "content/SpriteTableFile.h"

#include <charconv>
#include <cstring>

#include "core/DataLine.h"
#include "core/TextScan.h"

namespace {

// A decimal integer after optional blanks and an optional sign, like a formatted read of "%d";
// numbers that do not fit are refused rather than wrapped.
std::optional<int> TakeInt(std::string_view& text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool TakeComma(std::string_view& text) {
    if (text.empty() || text.front() != ',') return false;
    text.remove_prefix(1);
    return true;
}

}  // namespace

std::optional<std::string> ParseSectionLine(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    if (line.size() < 2) return std::string();
    return std::string(line.substr(1, line.size() - 2));
}

std::optional<SpriteLine> ParseSpriteLine(std::string_view line) {
    line = SkipBlanks(line);
    const std::size_t nameLength = WordLength(line);
    if (nameLength == 0 || nameLength > kMaxSpriteName) return std::nullopt;
    SpriteLine sprite;
    sprite.name = std::string(line.substr(0, nameLength));
    line.remove_prefix(nameLength);

    int* const fields[] = {&sprite.x1, &sprite.y1, &sprite.x2, &sprite.y2};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0 && !TakeComma(line)) return std::nullopt;
        const std::optional<int> value = TakeInt(line);
        if (!value) return std::nullopt;
        *fields[i] = *value;
    }
    return sprite;
}

SpriteTableReport ReadSpriteTable(std::istream& in, const SpriteLineHandler& onSprite) {
    SpriteTableReport report;
    std::string imageName(kUndefinedImage);
    std::string line;
    for (int number = 1; ReadDataLine(in, line); ++number) {
        // Lines are text: a stray NUL ends one, as it would end a C string.
        line.resize(std::strlen(line.c_str()));
        if (std::optional<std::string> section = ParseSectionLine(line)) {
            imageName = std::move(*section);
        } else if (std::optional<SpriteLine> sprite = ParseSpriteLine(line)) {
            onSprite(imageName, *sprite);
            ++report.sprites;
        } else if (!SkipBlanks(line).empty()) {
            if (report.unreadLines++ == 0) report.firstUnreadLine = number;
        }
    }
    return report;
}
