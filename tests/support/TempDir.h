#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder as a native path, and as the Windows-1250 text the library takes.
    const std::filesystem::path& Path() const { return path_; }
    std::string Cp1250() const;
    // A file name inside the folder, as a Windows-1250 text.
    std::string File(const std::string& cp1250Name) const;

    // Writes or reads raw bytes of a file inside the folder (the name in Windows-1250).
    void Write(const std::string& cp1250Name, const std::string& bytes) const;
    std::string Read(const std::string& cp1250Name) const;

private:
    std::filesystem::path path_;
};

}  // namespace testing_support
