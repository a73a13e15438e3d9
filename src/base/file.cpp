#include "base/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "base/error.h"

namespace base {

namespace fs = std::filesystem;

namespace {

Error cannotOpen(const std::string& path, const std::string& reason) {
    return Error("Cannot open file \"" + path + "\". " + reason);
}

Error unableToWrite(const std::string& path) { return Error("Unable to write to " + path); }

// Closes a descriptor on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A short name, so that a long file name cannot push the temporary beyond the name limit.
std::string temporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const std::string name = ".sentavia-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    return (fs::path(target).parent_path() / name).string();
}

// Creates a fresh temporary beside the target; a leftover from a crashed run is skipped, never reused.
int createTemporary(const std::string& target, mode_t mode, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryNameFor(target);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

std::string readFileBytes(const std::string& path, std::size_t maxBytes) {
    const int raw = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (raw < 0) throw cannotOpen(path, std::strerror(errno));
    FileDescriptor fd(raw);

    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) throw cannotOpen(path, std::strerror(errno));
    if (S_ISDIR(info.st_mode)) throw cannotOpen(path, std::strerror(EISDIR));
    if (info.st_size > 0 && static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        throw cannotOpen(path, "The file is larger than " + std::to_string(maxBytes) + " bytes.");

    // The size from stat is only a hint: the file may grow while we read, or report 0.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw cannotOpen(path, std::strerror(errno));
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            throw cannotOpen(path, "The file is larger than " + std::to_string(maxBytes) + " bytes.");
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

void writeFileBytes(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    std::string target = path;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (ec) throw unableToWrite(path);
        target = resolved.string();
    }

    mode_t mode = 0666;  // narrowed by the umask, as for any new file
    bool keepMode = false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) throw unableToWrite(path);
        mode = existing.st_mode & 07777;
        keepMode = true;
    }

    std::string temporary;
    const int raw = createTemporary(target, mode, temporary);
    if (raw < 0) throw unableToWrite(path);
    FileDescriptor fd(raw);
    const bool written = writeAll(fd.get(), bytes) && (!keepMode || ::fchmod(fd.get(), mode) == 0) &&
                         ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw unableToWrite(path);
    }
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool directoryExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

std::string joinPath(std::string_view folder, std::string_view name) {
    if (folder.empty() || (!name.empty() && name.front() == '/')) return std::string(name);
    if (name.empty()) return std::string(folder);
    std::string out(folder);
    if (out.back() != '/') out.push_back('/');
    out.append(name);
    return out;
}

std::string fileName(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string parentPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string fileExtension(std::string_view path) {
    const std::string name = fileName(path);
    const std::size_t dot = name.rfind('.');
    // A leading dot names a hidden file, not an extension.
    if (dot == std::string::npos || dot == 0) return {};
    return name.substr(dot);
}

std::string replaceExtension(std::string_view path, std::string_view extension) {
    const std::size_t oldLength = fileExtension(path).size();
    std::string out(path.substr(0, path.size() - oldLength));
    if (!extension.empty() && extension.front() != '.') out.push_back('.');
    out.append(extension);
    return out;
}

}  // namespace base
