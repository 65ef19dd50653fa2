#include "platform/file_writing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace morvane {
namespace fs = std::filesystem;
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

// Closes the descriptor it holds when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now and tells whether the close succeeded, which ends a write on some disks.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

std::optional<std::string> WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Reason(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

// Flushes the folder itself, so that the rename survives a power cut. A folder that cannot be
// opened or flushed (some file systems refuse) does not undo a rename that already happened.
void FlushFolder(const fs::path& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) {
        ::fsync(dir.Get());
    }
}

}  // namespace

fs::path TemporaryFileFor(const fs::path& target) {
    fs::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

std::optional<std::string> WriteFileAtomically(const fs::path& target, std::string_view bytes) {
    const fs::path temporary = TemporaryFileFor(target);
    FileDescriptor file(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644));
    if (!file.Valid()) {
        return Reason(errno);
    }
    std::optional<std::string> failure = WriteAll(file.Get(), bytes);
    if (!failure && ::fsync(file.Get()) != 0) {
        failure = Reason(errno);
    }
    if (!failure && !file.Close()) {
        failure = Reason(errno);
    }
    if (!failure && std::rename(temporary.c_str(), target.c_str()) != 0) {
        failure = Reason(errno);
    }
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    FlushFolder(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    return std::nullopt;
}

}  // namespace morvane
