#pragma once
// Files and folders. Paths are Windows-1250 texts; each implementation converts them at the edge
// (UTF-8 on POSIX, UTF-16 W calls on Windows). Failing calls return false or an invalid handle
// and leave the reason in LastError().
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Export.h"

namespace platform {

using FileHandle = std::intptr_t;
inline constexpr FileHandle kInvalidFile = -1;

enum class FileAccess { Read, Write, ReadWrite };
// CreateAlways truncates or creates; OpenExisting fails on a missing file; OpenAlways creates it
// when missing and keeps its contents otherwise.
enum class FileDisposition { CreateAlways, OpenExisting, OpenAlways };
enum class SeekOrigin { Begin, Current, End };

// Sharing: Windows passes the modes to CreateFile. POSIX has no mandatory sharing; a file opened
// without write sharing takes an advisory lock there, which our own processes honour.
struct FileShare {
    bool Read = true;
    bool Write = false;
    bool Delete = false;
};

VXLUMO_API FileHandle OpenFile(const std::string& path, FileAccess access, FileDisposition disposition,
                               FileShare share = {});
VXLUMO_API bool ReadFile(FileHandle file, void* buffer, std::size_t size, std::size_t& read);
VXLUMO_API bool WriteFile(FileHandle file, const void* buffer, std::size_t size, std::size_t& written);
VXLUMO_API bool SeekFile(FileHandle file, std::int64_t offset, SeekOrigin origin, std::int64_t& position);
VXLUMO_API bool FileSize(FileHandle file, std::int64_t& size);
VXLUMO_API bool FlushFile(FileHandle file);
// Cuts the file at the current position.
VXLUMO_API bool SetEndOfFile(FileHandle file);
VXLUMO_API bool CloseFile(FileHandle file);

VXLUMO_API bool FileExists(const std::string& path);  // a file, not a folder
VXLUMO_API bool DirectoryExists(const std::string& path);
VXLUMO_API bool DeleteFile(const std::string& path);
// Replaces an existing target when replaceExisting is set; fails on one otherwise.
VXLUMO_API bool RenameFile(const std::string& from, const std::string& to, bool replaceExisting);
VXLUMO_API bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
VXLUMO_API bool CreateDirectory(const std::string& path);
VXLUMO_API bool RemoveDirectory(const std::string& path);

// Reads or writes a whole file in one go (a small convenience over the calls above).
VXLUMO_API bool ReadWholeFile(const std::string& path, std::string& contents);
VXLUMO_API bool WriteWholeFile(const std::string& path, const std::string& contents);
// Writes under a temporary name beside the target and renames it over the target, so that an
// interrupted write never leaves a cut file in place of the old one.
VXLUMO_API bool WriteFileReplacing(const std::string& path, const std::string& contents);

// The folder separator of the platform, and the path joined with one between (not doubled).
VXLUMO_API char PathSeparator();
VXLUMO_API std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace platform
