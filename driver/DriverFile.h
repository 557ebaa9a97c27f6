#pragma once
// The driver tools' way of using the library's file class: a file opened for reading, for a
// fresh write or for appending, closed when it goes. Failures are the file class's EMFileError.
#include <memory>
#include <string>

class TMFile;

class DriverFile {
public:
    enum class Mode { Read, Truncate, Append };
    DriverFile(const std::string& path, Mode mode);
    ~DriverFile();
    DriverFile(const DriverFile&) = delete;
    DriverFile& operator=(const DriverFile&) = delete;

    void Write(const std::string& bytes);
    // One line without its line end (CR, LF or CR LF); false at the end of the file.
    bool ReadLine(std::string& line);
    void Close();

    // The current local time as the debug log and the archive headers write it.
    static std::string NowTimeHMSms();
    static std::string Now4YDateTime();

private:
    std::unique_ptr<TMFile> file_;
};
