#include "platform/FileModes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif

#include <cerrno>

#include "platform/Cp1250.h"

namespace platform {

FileHandle OpenFileForPattern(const std::string& path, FileAccess access, FileDisposition disposition,
                              FileShare share, FileAccessPattern pattern) {
    FileHandle file = OpenFile(path, access, disposition, share);
    if (file == kInvalidFile) return file;
    int fd = static_cast<int>(file);
    if (access == FileAccess::Read && !share.Write && ::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        int err = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        errno = err;
        return kInvalidFile;
    }
    // Only a hint: a file system that ignores it changes nothing.
    ::posix_fadvise(fd, 0, 0,
                    pattern == FileAccessPattern::Random ? POSIX_FADV_RANDOM : POSIX_FADV_SEQUENTIAL);
    return file;
}

namespace {

#if defined(__linux__)
bool SetImmutable(const std::string& native, bool on) {
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}
#else
bool SetImmutable(const std::string&, bool) {
    return false;
}
#endif

} // namespace

bool SetFileReadOnly(const std::string& path, bool readOnly) {
    std::string native = cp1250::ToUtf8(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0) return false;
    if (::geteuid() == 0 && !readOnly) SetImmutable(native, false);
    mode_t mode = st.st_mode & 07777;
    mode = readOnly ? (mode & ~static_cast<mode_t>(0222)) : (mode | S_IWUSR);
    if (::chmod(native.c_str(), mode) != 0) return false;
    if (::geteuid() == 0 && readOnly) SetImmutable(native, true);
    return true;
}

} // namespace platform
