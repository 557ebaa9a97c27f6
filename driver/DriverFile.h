#pragma once
// A small file of the driver's tools: opened for reading, for a fresh write or for appending;
// every failure is an exception naming the file. Closed when it goes.
#include <string>

#include "platform/Files.h"

class DriverFile {
public:
    enum class Mode { Read, Truncate, Append };
    DriverFile(const std::string& path, Mode mode);
    ~DriverFile();
    DriverFile(const DriverFile&) = delete;
    DriverFile& operator=(const DriverFile&) = delete;

    void Write(const std::string& bytes);
    // One line without its CR LF (CR, LF or CR LF end it); false at the end of the file.
    bool ReadLine(std::string& line);
    void Close();

    // The current local time as the debug log and the archive headers write it.
    static std::string NowTimeHMSms();
    static std::string Now4YDateTime();

private:
    [[noreturn]] void Fail(const char* what) const;
    bool Fill();

    std::string path_;
    platform::FileHandle handle_ = platform::kInvalidFile;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool eof_ = false;
};
