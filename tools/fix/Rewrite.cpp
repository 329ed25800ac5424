#include "tools/fix/Rewrite.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xmlattr::fix {

namespace {

std::string errorText(int error) {
    return std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; the error of close(), or 0.
    int close() {
        int error = 0;
        if (fd_ >= 0 && ::close(fd_) != 0)
            error = errno;
        fd_ = -1;
        return error;
    }

  private:
    int fd_;
};

Stamp stampOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

// Reads what is left of fd into bytes; an errno, or 0.
int readAll(int fd, std::string& bytes) {
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// The file a path names, through symbolic links.
std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer) == nullptr)
        return path;
    return buffer;
}

// Why the file at path is not as read, or "".
std::string changedSince(const std::string& path, const ReadFile& read) {
    ReadFile now = readFile(path);
    if (!now.ok())
        return "it can no longer be read (" + now.error + ")";
    if (now.stamp != read.stamp || now.bytes != read.bytes)
        return "it changed after it was read";
    return {};
}

}  // namespace

ReadFile readFile(const std::string& path) {
    ReadFile file;
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        file.error = errorText(errno);
        return file;
    }
    if (S_ISDIR(info.st_mode)) {
        file.error = errorText(EISDIR);
        return file;
    }
    file.stamp = stampOf(info);
    if (const int error = readAll(fd.get(), file.bytes); error != 0)
        file.error = errorText(error);
    return file;
}

std::string rewriteFile(const std::string& path, const ReadFile& read, std::string_view bytes,
                        const RewriteHooks& hooks) {
    const std::string target = resolved(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0)
        return "cannot write " + path + ": " + errorText(errno);
    if (::access(target.c_str(), W_OK) != 0)
        return "cannot write " + path + ": " + errorText(errno);
    // Root may write any file: one without a write permission bit is still
    // read-only, and left alone.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return "cannot write " + path + ": it is read-only";
    const std::size_t slash = target.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string pattern = directory == "." ? "" : directory;
    pattern += '.';
    pattern += name;
    pattern += ".xmlattr-XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    Descriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid())
        return "cannot write " + path + ": cannot create a file beside it: " + errorText(errno);
    const std::string temporaryPath(temporary.data());
    // From here on, every way out removes the temporary file.
    auto fail = [&](const std::string& why) {
        fd.close();
        ::unlink(temporaryPath.c_str());
        return "cannot write " + path + ": " + why;
    };
    if (const int error = writeAll(fd.get(), bytes); error != 0)
        return fail(errorText(error));
    // The owner too, where allowed (as root); otherwise the writer owns it.
    // Before the mode: a change of owner may clear the set-user-ID bit.
    if (::fchown(fd.get(), info.st_uid, info.st_gid) != 0 && errno != EPERM)
        return fail(errorText(errno));
    if (::fchmod(fd.get(), info.st_mode & 07777) != 0)
        return fail(errorText(errno));
    if (::fsync(fd.get()) != 0)
        return fail(errorText(errno));
    if (const int error = fd.close(); error != 0)
        return fail(errorText(error));
    if (hooks.beforeCheck)
        hooks.beforeCheck();
    if (const std::string why = changedSince(target, read); !why.empty())
        return fail(why + "; not written");
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0)
        return fail(errorText(errno));
    // The rename itself is made durable with the folder.
    const Descriptor folder(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return {};
}

}  // namespace xmlattr::fix
