#include "platform/Files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Cp1250.h"

namespace platform {
namespace {

std::string Native(const std::string& path) { return cp1250::ToUtf8(path); }

int ToFd(FileHandle f) { return static_cast<int>(f); }

}  // namespace

FileHandle OpenFile(const std::string& path, FileAccess access, FileDisposition disposition, FileShare share) {
    int flags = O_CLOEXEC;
    switch (access) {
    case FileAccess::Read: flags |= O_RDONLY; break;
    case FileAccess::Write: flags |= O_WRONLY; break;
    case FileAccess::ReadWrite: flags |= O_RDWR; break;
    }
    switch (disposition) {
    case FileDisposition::CreateAlways: flags |= O_CREAT | O_TRUNC; break;
    case FileDisposition::OpenExisting: break;
    case FileDisposition::OpenAlways: flags |= O_CREAT; break;
    }
    if (access == FileAccess::Read && disposition == FileDisposition::CreateAlways) flags &= ~O_TRUNC;
    int fd = ::open(Native(path).c_str(), flags, 0666);
    if (fd < 0) return kInvalidFile;
    struct stat st{};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return kInvalidFile;
    }
    // Windows sharing is mandatory; here a writer that allows no other writer takes an advisory
    // lock, which our own programs honour and which tells a second writer that the file is busy.
    if (access != FileAccess::Read && !share.Write) {
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            int err = errno == EWOULDBLOCK ? EBUSY : errno;
            ::close(fd);
            errno = err;
            return kInvalidFile;
        }
    }
    return fd;
}

bool ReadFile(FileHandle file, void* buffer, std::size_t size, std::size_t& read) {
    read = 0;
    for (;;) {
        ssize_t n = ::read(ToFd(file), buffer, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        read = static_cast<std::size_t>(n);
        return true;
    }
}

bool WriteFile(FileHandle file, const void* buffer, std::size_t size, std::size_t& written) {
    written = 0;
    const char* p = static_cast<const char*>(buffer);
    while (written < size) {
        ssize_t n = ::write(ToFd(file), p + written, size - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool SeekFile(FileHandle file, std::int64_t offset, SeekOrigin origin, std::int64_t& position) {
    int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(ToFd(file), static_cast<off_t>(offset), whence);
    if (r < 0) return false;
    position = r;
    return true;
}

bool FileSize(FileHandle file, std::int64_t& size) {
    struct stat st{};
    if (::fstat(ToFd(file), &st) != 0) return false;
    size = st.st_size;
    return true;
}

bool FlushFile(FileHandle file) { return ::fsync(ToFd(file)) == 0 || errno == EINVAL; }

bool SetEndOfFile(FileHandle file) {
    off_t pos = ::lseek(ToFd(file), 0, SEEK_CUR);
    if (pos < 0) return false;
    return ::ftruncate(ToFd(file), pos) == 0;
}

bool CloseFile(FileHandle file) { return ::close(ToFd(file)) == 0; }

bool FileExists(const std::string& path) {
    struct stat st{};
    return ::stat(Native(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st{};
    return ::stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) {
    if (DirectoryExists(path)) {
        errno = EISDIR;
        return false;
    }
    return ::unlink(Native(path).c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to, bool replaceExisting) {
    if (!replaceExisting) {
        // link() fails on an existing target, so the check and the move are one step.
        if (::link(Native(from).c_str(), Native(to).c_str()) != 0) return false;
        return ::unlink(Native(from).c_str()) == 0;
    }
    if (DirectoryExists(to)) {
        errno = EISDIR;
        return false;
    }
    return ::rename(Native(from).c_str(), Native(to).c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    if (failIfExists && (FileExists(to) || DirectoryExists(to))) {
        errno = EEXIST;
        return false;
    }
    std::string contents;
    if (!ReadWholeFile(from, contents)) return false;
    return WriteWholeFile(to, contents);
}

bool CreateDirectory(const std::string& path) { return ::mkdir(Native(path).c_str(), 0777) == 0; }
bool RemoveDirectory(const std::string& path) { return ::rmdir(Native(path).c_str()) == 0; }

char PathSeparator() { return '/'; }

}  // namespace platform
