#include "support/checked_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <system_error>

namespace orbel {
namespace {

FileWriteResult Failure(int error) { return {false, std::generic_category().message(error)}; }

// A saved file replaces what a link points to, never the link itself.
std::string ResolvedTarget(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A new, empty temporary file in the target's folder (the rename must not
// cross file systems), hidden, with the mode of the file it is to replace
// or else the mode the user's umask gives new files.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        static std::atomic<unsigned> counter{std::random_device{}()};
        const size_t slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
        const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = folder + "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0 || errno != EEXIST) break;
        }
        if (fd_ < 0) {
            error_ = errno;
            path_.clear();
            return;
        }
        struct stat existing {};
        if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
            ::fchmod(fd_, existing.st_mode & 07777);
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int error() const { return error_; }
    const std::string& path() const { return path_; }

    // Every byte of `bytes`, a short write continued; false on the first
    // failure (a full disk, the file-size limit, an I/O error).
    bool Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return Fail(n < 0 ? errno : EIO);
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }

    // Closes the file descriptor so that a producer can write by name.
    bool Release() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 || Fail(errno);
    }

    // Flushes the file to the disk (where a delayed write reports a full
    // disk), closes it and renames it over `target`.
    bool Commit(const std::string& target) {
        if (fd_ < 0 && (fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC)) < 0) return Fail(errno);
        if (::fsync(fd_) != 0) return Fail(errno);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) return Fail(errno);
        if (::rename(path_.c_str(), target.c_str()) != 0) return Fail(errno);
        path_.clear();
        // The new name itself on the disk; the file is already in place, so
        // a failure here has nothing left to undo.
        const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
        return true;
    }

private:
    bool Fail(int error) {
        error_ = error;
        return false;
    }

    std::string path_;
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace

FileWriteResult WriteFileChecked(const std::string& path, std::string_view contents) {
    const std::string target = ResolvedTarget(path);
    TemporaryFile file(target);
    if (file.path().empty()) return Failure(file.error());
    if (!file.Write(contents) || !file.Commit(target)) return Failure(file.error());
    return {true, {}};
}

FileWriteResult WriteFileChecked(const std::string& path, const FileProducer& produce) {
    const std::string target = ResolvedTarget(path);
    TemporaryFile file(target);
    if (file.path().empty()) return Failure(file.error());
    if (!file.Release()) return Failure(file.error());
    std::string error;
    if (!produce(file.path(), error)) return {false, error};
    if (!file.Commit(target)) return Failure(file.error());
    return {true, {}};
}

}  // namespace orbel
