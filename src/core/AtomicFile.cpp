#include "core/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <system_error>

namespace {
// As the kernel allows: more links in a row than this is a loop.
constexpr int kMostLinks = 40;

struct Target {
    std::filesystem::path path;
    std::optional<mode_t> mode;  // the permissions to keep; none for a new file
};

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// What a file that is not a regular one is, for the message; empty for a regular file.
std::string NotAFile(mode_t mode) {
    constexpr struct {
        mode_t type;
        const char* name;
    } kKinds[] = {{S_IFDIR, "a folder"},
                  {S_IFCHR, "a device"},
                  {S_IFBLK, "a device"},
                  {S_IFIFO, "a pipe"},
                  {S_IFSOCK, "a socket"}};
    if (S_ISREG(mode)) return {};
    for (const auto& kind : kKinds) {
        if ((mode & S_IFMT) == kind.type) return kind.name;
    }
    return "not a regular file";
}

// Follows symbolic links to the file that is really written; none and `why` when the chain
// loops or ends in something that is no file.
std::optional<Target> FindTarget(std::filesystem::path path, std::string& why) {
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno == ENOENT) return Target{path, std::nullopt};
            why = SystemError("cannot look at " + path.string());
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) {
            const std::string kind = NotAFile(info.st_mode);
            if (!kind.empty()) {
                why = path.string() + " is " + kind + ", not a file";
                return std::nullopt;
            }
            return Target{path, info.st_mode & 07777};
        }
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) {
            why = "cannot read the link " + path.string() + ": " + error.message();
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    why = "too many symbolic links at " + path.string();
    return std::nullopt;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return ::fsync(fd) == 0;
}

// Writes the temporary file, removing it again on failure; never follows a link left at its
// name, nor removes what it did not make.
bool WriteTemporary(const std::filesystem::path& temporary, const Target& target, const void* data,
                    std::size_t size, std::string& why) {
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        why = SystemError("cannot write " + temporary.string());
        return false;
    }
    bool ok = !target.mode || ::fchmod(fd, *target.mode) == 0;
    if (!ok) why = SystemError("cannot keep the permissions of " + target.path.string());
    if (ok && !WriteAll(fd, static_cast<const std::uint8_t*>(data), size)) {
        why = SystemError("cannot write " + temporary.string());
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        why = SystemError("cannot write " + temporary.string());
        ok = false;
    }
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}
}  // namespace

bool ReplaceFileWith(const std::filesystem::path& path, const std::filesystem::path& written,
                     std::string* why) {
    std::string reason;
    std::string& out = why != nullptr ? *why : reason;
    const std::optional<Target> target = FindTarget(path, out);
    if (!target) return false;
    const int fd = ::open(written.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (ok && target->mode) ok = ::fchmod(fd, *target->mode) == 0;
    if (!ok) out = SystemError("cannot finish " + written.string());
    if (fd >= 0) ::close(fd);
    if (!ok) return false;
    std::error_code error;
    std::filesystem::rename(written, target->path, error);
    if (!error) return true;
    out = "cannot replace " + target->path.string() + ": " + error.message();
    return false;
}

bool WriteFileAtomically(const std::filesystem::path& path, const void* data, std::size_t size,
                         std::string* why) {
    std::string reason;
    std::string& out = why != nullptr ? *why : reason;
    const std::optional<Target> target = FindTarget(path, out);
    if (!target) return false;
    std::filesystem::path temporary = target->path;
    temporary += ".tmp";
    if (!WriteTemporary(temporary, *target, data, size, out)) return false;
    std::error_code error;
    std::filesystem::rename(temporary, target->path, error);
    if (!error) return true;
    out = "cannot replace " + target->path.string() + ": " + error.message();
    std::filesystem::remove(temporary, error);
    return false;
}
