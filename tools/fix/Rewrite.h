/// @file
/// Reading a file whole and writing it back without losing anything: the
/// new bytes go to a temporary file beside it, which takes the original's
/// permission bits, is flushed to disk and renamed over the original; the
/// file is left as it is when it changed after it was read.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace xmlattr::fix {

/// What identifies a file's state when it was read.
struct Stamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t mtimeSeconds = 0;
    std::int64_t mtimeNanoseconds = 0;
    bool operator==(const Stamp&) const = default;
};

struct ReadFile {
    std::string bytes;
    Stamp stamp;
    std::string error;  ///< why it could not be read ("No such file or directory")
    bool ok() const { return error.empty(); }
};

/// Reads the file at path whole, with its stamp taken on the open file.
ReadFile readFile(const std::string& path);

/// Test hooks of rewriteFile.
struct RewriteHooks {
    /// Called after the temporary file is written, before the original is
    /// checked: a test changes the original here.
    std::function<void()> beforeCheck;
};

/// Replaces the content of the file at path, read as `read`, with bytes.
/// Refuses (and writes nothing) when the file is not writable, or when its
/// stamp or content differ from `read`'s: it changed since. A symbolic link
/// is kept: the file it names is rewritten. Returns why it refused or
/// failed, or "" when the file now holds bytes. Never leaves the temporary
/// file behind.
std::string rewriteFile(const std::string& path, const ReadFile& read, std::string_view bytes,
                        const RewriteHooks& hooks = {});

}  // namespace xmlattr::fix
