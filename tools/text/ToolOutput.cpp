#include "ToolOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/AtomicFile.h"

int FailWith(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), why.c_str());
    return 1;
}

int SaveBuilt(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string why;
    if (WriteFileAtomically(path, bytes.data(), bytes.size(), &why)) return 0;
    std::fprintf(stderr, "%s\n", why.c_str());  // it names the file
    return 1;
}

// A failed write may empty the buffer, so the flush alone does not tell.
int PrintOutput(const std::string& path, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (written && std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    return FailWith(path, std::string("cannot write the output: ") + std::strerror(errno));
}
