#pragma once
// Opening a file with the access pattern told to the system, and the read-only mark of a file.
#include <string>

#include "platform/Export.h"
#include "platform/Files.h"

namespace platform {

enum class FileAccessPattern { Sequential, Random };

// Opens as OpenFile does and tells the system how the file will be read (Windows: the random
// access or sequential scan flag of CreateFile; POSIX: posix_fadvise). Sharing as OpenFile:
// Windows passes the modes to CreateFile. POSIX has no mandatory sharing; there a writer that
// allows no other writer holds an exclusive advisory lock, and a reader that allows no writer a
// shared one, so that our own programs refuse each other as Windows would (a reader is refused
// while a writer holds the file, a second writer while anybody does).
VXLUMO_API FileHandle OpenFileForPattern(const std::string& path, FileAccess access,
                                         FileDisposition disposition, FileShare share,
                                         FileAccessPattern pattern);

// Marks a file read-only or writable again. Windows: the read-only attribute. POSIX: the write
// permission bits; a process whose rights override the bits (root) also gets the immutable flag
// where the file system has one, so that writes are refused to it too.
VXLUMO_API bool SetFileReadOnly(const std::string& path, bool readOnly);

} // namespace platform
