#include "saved_games/kwo_durable_writer.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define KWO_DURABLE_WRITER_POSIX 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#endif

namespace {

namespace fs = std::filesystem;

// More links than this in a row are taken for a loop, as the system itself does.
constexpr int max_links = 40;

// The file a name finally stands for: every symbolic link on the way is followed, a relative one
// from the folder of the link. A dangling link leads to the file it names, which is then made.
std::optional<fs::path> resolved_target(const fs::path& name) {
    fs::path path = name;
    for (int hop = 0; hop <= max_links; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            return path;
        }
        const fs::path link = fs::read_symlink(path, error);
        if (error) {
            return std::nullopt;
        }
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

// A name in the target's folder that no other writer picks: the target's name, the process, a
// per-process counter and the clock. Hidden, so a crash's leftover does not clutter the folder.
fs::path temporary_path(const fs::path& target) {
    static std::atomic<uint64_t> counter{0};
    const auto stamp =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::string name = "." + target.filename().string();
#ifdef KWO_DURABLE_WRITER_POSIX
    name += "." + std::to_string(static_cast<int64_t>(::getpid()));
#endif
    name += "." + std::to_string(counter++) + "." + std::to_string(stamp) + ".tmp";
    return target.parent_path() / name;
}

std::string reason_of(int error_number) {
    return std::error_code(error_number, std::generic_category()).message();
}

#ifdef KWO_DURABLE_WRITER_POSIX

bool write_all(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        content.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The rename is only durable once the folder that holds the names is on the disk. A folder that
// cannot be opened, or a file system that cannot flush folders, is left to the system.
int sync_folder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    const int result = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP ? 0 : errno;
    ::close(fd);
    return result;
}

#endif

} // namespace

void KWO_DURABLE_WRITER::write(std::string_view content) {
    failed_ = false;
    error_message_.clear();
    const std::optional<fs::path> target = resolved_target(fs::path(filename_));
    if (!target) {
        fail(reason_of(ELOOP));
        return;
    }
    replace(target->string(), content);
}

bool KWO_DURABLE_WRITER::fail(const std::string& reason) {
    failed_ = true;
    error_message_ = filename_ + ": " + reason;
    return false;
}

#ifdef KWO_DURABLE_WRITER_POSIX

bool KWO_DURABLE_WRITER::replace(const std::string& target, std::string_view content) {
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return fail(reason_of(errno));
    }
    // Only a regular file this process may write is replaced; a folder, a device or a file made
    // read-only by its owner is not written over.
    if (exists && !S_ISREG(existing.st_mode)) {
        return fail("not a regular file");
    }
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return fail(reason_of(errno));
    }
    const fs::path target_path(target);
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporary_path(target_path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        return fail(reason_of(errno));
    }
    bool done = (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0) &&
                write_all(fd, content) && ::fsync(fd) == 0;
    int error_number = done ? 0 : errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error_number = errno;
    }
    if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
        done = false;
        error_number = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        return fail(reason_of(error_number));
    }
    if (const int folder_error = sync_folder(target_path.parent_path())) {
        return fail(reason_of(folder_error));
    }
    return true;
}

#else

// Other platforms: the standard library's files, flushed and renamed; the system decides when
// they reach the disk.
bool KWO_DURABLE_WRITER::replace(const std::string& target, std::string_view content) {
    const fs::path target_path(target);
    std::error_code error;
    const fs::file_status status = fs::status(target_path, error);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) {
        return fail("not a regular file");
    }
    if (exists && !std::ofstream(target_path, std::ios::binary | std::ios::app)) {
        return fail("not writable");
    }
    const fs::path temporary = temporary_path(target_path);
    bool done = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        done = static_cast<bool>(out);
    }
    if (done && exists) {
        fs::permissions(temporary, status.permissions(), error);
    }
    if (done) {
        fs::rename(temporary, target_path, error);
        done = !error;
    }
    if (!done) {
        fs::remove(temporary, error);
        return fail("cannot write");
    }
    return true;
}

#endif
