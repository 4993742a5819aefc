#include "TextLines.h"

#include "TextError.h"

std::string ReadTextLines(std::istream& in, const std::string& fileName,
                          const std::function<void(const std::vector<TextToken>&, int)>& onLine,
                          const std::function<void()>& finish) {
    int line = 0;
    try {
        for (std::string text; std::getline(in, text);) {
            ++line;
            if (!text.empty() && text.back() == '\r') text.pop_back();
            const std::vector<TextToken> tokens = SplitTextLine(text);
            if (!tokens.empty()) onLine(tokens, line);
        }
        line = 0;
        finish();
        return {};
    } catch (const TextError& error) {
        const std::string where = line > 0 ? fileName + ":" + std::to_string(line) : fileName;
        return where + ": " + error.what();
    }
}
