#include "core/DataLine.h"

bool ReadDataLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || !in.good()) return false;
    bool readAny = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        readAny = true;
        if (c == '\n') break;
        if (line.size() < limit) line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return readAny;
}
