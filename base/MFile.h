#pragma once
// Files of the class library: one file on disk, opened through the platform's file calls. Every
// failure is an EMFileError carrying, where a system call failed, the system error as its cause.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Component.h"
#include "platform/Files.h"

class TStringList;

class VXLUMO_API TMCustomFile : public TComponent {
    VX_CLASS(TMCustomFile, TComponent)
public:
    explicit TMCustomFile(TComponent* owner = nullptr) : TComponent(owner) {}
    ~TMCustomFile() override;

    // The file's path, as given.
    const std::string& FileName() const { return fileName_; }
    const std::string& Path() const { return fileName_; }
    void SetPath(const std::string& path);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool RandomAccess() const { return randomAccess_; }
    void SetRandomAccess(bool value);

    // The Active property: open or closed.
    virtual bool GetActive() const;
    virtual void SetActive(bool value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }

    // The position of the next read or write; 0 when closed.
    std::uint64_t GetPointer() const;
    void SetPointer(std::uint64_t position);
    // The file's length; 0 when closed.
    std::uint64_t GetSize() const;

protected:
    // Code 101 when closed; 102 when writing is asked of a file open for reading only.
    void CheckActive(bool forWriting) const;
    // Code 103 when open.
    void CheckNotActive() const;

    void DoWrite(const void* buffer, std::int64_t count);
    std::int64_t DoRead(void* buffer, std::int64_t count);
    void DoWriteLine(std::string_view text, std::string_view terminator);
    // One line ending at any byte of the terminator text or at a zero byte; false at the end of
    // the file with nothing read.
    bool DoReadLine(std::string& line, std::string_view terminator);
    void DoFlush();
    void DoSetEof();

    std::string fileName_;

private:
    // CheckActive, with its failure raised again under the operation's own code.
    void CheckActiveFor(std::int32_t code, bool forWriting) const;

    platform::FileHandle handle_ = platform::kInvalidFile;
    bool readOnly_ = false;
    bool randomAccess_ = false;
};

class VXLUMO_API TMFile : public TMCustomFile {
    VX_CLASS(TMFile, TMCustomFile)
public:
    using TMCustomFile::TMCustomFile;

    void Write(const void* buffer, std::int64_t count) { DoWrite(buffer, count); }
    std::int64_t Read(void* buffer, std::int64_t count) { return DoRead(buffer, count); }
    void WriteLine(std::string_view text, std::string_view terminator) { DoWriteLine(text, terminator); }
    bool ReadLine(std::string& line, std::string_view terminator) { return DoReadLine(line, terminator); }
    void Flush() { DoFlush(); }
    void SetEof() { DoSetEof(); }

    // Replaces the file's content by the strings, each followed by CR LF, moving them through a
    // block of bufferSize bytes (64 to 65536; none below 1).
    static void WriteStringsToFile(const std::string& fileName, const TStringList& strings, int bufferSize);
    // Fills the list with the file's lines, ended by CR LF, CR, LF or a zero byte, reading in
    // chunks of bufferSize bytes (64 to 65536). On failure the list is left empty.
    static void ReadStringsFromFile(const std::string& fileName, TStringList& strings, int bufferSize);
};
